#include "rails/janelas/VCores.h"

#include "i18n/Dicionario.h"
#include "rails/janelas/ComponentesTrilhas.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString TodosIcs = QStringLiteral("IC's");
}

VCores::VCores(GerenciadorJanelas& janelas)
    : JanelaGradeTrilhas(QStringLiteral("VCores"), janelas, VarianteGrade::VCore)
{
    criaControles();
    m_data1->defineColunas({{QStringLiteral("Malha"), QString()},
                            {QStringLiteral("Orig"), QStringLiteral("PMU")},
                            {QStringLiteral("Leitura"), QString()},
                            {QStringLiteral("Ref"), QString()},
                            {QStringLiteral("Porc"), QStringLiteral("%")},
                            {QStringLiteral("Ci"), QStringLiteral("IC's")},
                            {QStringLiteral("G1"), QString()},
                            {QStringLiteral("G2"), QString()},
                            {QStringLiteral("G3"), QString()}});

    m_btExecutaLeitura = new QPushButton(this);
    m_btExecutaLeitura->setObjectName(QStringLiteral("btExecutaLeitura"));
    m_btExecutaLeitura->setMinimumHeight(Twips::paraPixels(450));
    m_picture1 = new QToolButton(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    m_picture1->setIconSize(QSize(28, 28));
    m_picture1->setAutoRaise(true);
    m_cbICs = new QComboBox(this);
    m_cbICs->setObjectName(QStringLiteral("cbICs"));
    m_cbICs->addItems({TodosIcs, QStringLiteral("CPU"), QStringLiteral("GPU"), QStringLiteral("NAND")});
    connect(m_btExecutaLeitura, &QPushButton::clicked, this, &VCores::leituraPedida);
    connect(m_picture1, &QToolButton::clicked, this, &VCores::leituraPedida);
    connect(m_cbICs, &QComboBox::activated, this, [this] {
        sessao().defineFiltroIcs(m_cbICs->currentText());
        if (ligacaoOciosa() && m_btExecutaLeitura->isEnabled())
            PrePesquisa();
    });
    // The filter is the session's: another window may narrow the grid (NAND rails). A new
    // grid starts with every IC.
    sessao().defineFiltroIcs(TodosIcs);
    connect(&sessao(), &Sessao::filtroIcsMudou, m_cbICs, &QComboBox::setCurrentText);
    // Narrowed from another window (the NAND window): read at once, the grid showing that IC's
    // supply rails of every family while it reads.
    connect(&sessao(), &Sessao::filtroIcsPedido, this, [this](const QString& ic) {
        PrePesquisa();
        if (ic == QLatin1String("NAND"))
            defineConsulta(ConsultaRailsNand(sessao().modelo()));
    });

    // Layout: controls on top, grid, note; the progress panel floats over the grid.
    auto* topo = new QHBoxLayout;
    topo->addWidget(m_picture1);
    topo->addWidget(m_btExecutaLeitura, 1);
    topo->addSpacing(8);
    topo->addWidget(m_cbICs);
    topo->addSpacing(8);
    topo->addWidget(m_lbInfoDecimais);
    topo->addWidget(m_comboDecimais);
    topo->addWidget(m_comboDecimaisAmp);
    topo->addSpacing(8);
    topo->addWidget(m_frame1);
    topo->addSpacing(8);
    topo->addWidget(m_imgPdf);
    topo->addWidget(m_btExportar);

    auto* gravacoes = new QHBoxLayout;
    gravacoes->addStretch(1);
    for (int i = 0; i < 3; ++i) {
        gravacoes->addWidget(m_btGravar[i]);
        gravacoes->addWidget(m_btExcluir[i]);
        gravacoes->addSpacing(6);
    }

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(topo);
    lay->addWidget(m_grade, 1);
    lay->addLayout(gravacoes);
    lay->addWidget(m_lbVar);
    lay->addWidget(m_avisoRelatorio);

    // Load.
    m_familia = FamiliaVCore;
    if (ligacao().estado() == EstadoLigacao::Desconectada || ligacao().estado() == EstadoLigacao::Conectando)
        m_btExecutaLeitura->setEnabled(false);
    setWindowTitle(legenda());
    zeraLeituras();
    defineConsulta(ConsultaGrade(modelo(), m_familia, QStringLiteral("Malha")));
    carregaComum();
    traduz();
    m_grade->horizontalHeader()->resizeSection(0, Twips::paraPixels(3200));
    for (int c = 1; c < m_data1->columnCount(); ++c)
        m_grade->horizontalHeader()->resizeSection(c, Twips::paraPixels(c == 4 ? 900 : 1350));
    alargaColunaLeitura();

    // The link's own idle state after connecting gives the button back too (never before the
    // handshake confirmed the phone: the link stays in "2" until then); without a link it is off.
    connect(&ligacao(), &Ligacao::estadoMudou, this, [this](EstadoLigacao e) {
        if (e == EstadoLigacao::Ociosa && !lendo() && !m_frameVCore->isVisible())
            habilitaLeitura();
        else if (e == EstadoLigacao::Desconectada || e == EstadoLigacao::Conectando)
            m_btExecutaLeitura->setEnabled(false);
    });
}

QSize VCores::sizeHint() const
{
    int altura = Twips::paraPixels(8925);
    if (QMdiArea* area = janelas().area()) {
        const int principal = Twips::dePixels(area->window()->height());
        if (principal > 11000)
            altura = Twips::paraPixels(principal - 2400);
    }
    return {Twips::paraPixels(15600), altura};
}

QString VCores::legenda() const
{
    return QStringLiteral("VCore - ") + modelo() + QStringLiteral("  ") + sessao().numeroModelo()
           + QStringLiteral(" - Vexador Tarrim");
}

void VCores::traduz()
{
    traduzComum();
    const QString executa = lendo() ? L(QStringLiteral("Processando comando"))
                                                 : L(QStringLiteral("Executar Leitura"));
    m_btExecutaLeitura->setText(executa);
    m_btExecutaLeitura->setToolTip(L(QStringLiteral("Executar Leitura")));
    m_picture1->setToolTip(L(QStringLiteral("Executar Leitura")));
    m_cbICs->setToolTip(L(QStringLiteral("Seleção de IC's a serem exibidos")));
}

void VCores::habilitaLeitura()
{
    m_btExecutaLeitura->setEnabled(true);
}

bool VCores::podeAgir() const
{
    return ligacaoOciosa() && m_btExecutaLeitura->isEnabled();
}

void VCores::leituraPedida()
{
    PrePesquisa();
}

ConsultaMaster VCores::consultaFiltrada(bool comIcAntesDoTipo) const
{
    const QString ic = m_cbICs->currentText();
    if (ic == TodosIcs)
        return ConsultaGrade(modelo(), m_familia, QStringLiteral("Modelo, Malha"));
    return ConsultaGradeIc(modelo(), m_familia, ic, comIcAntesDoTipo);
}

void VCores::PrePesquisa()
{
    if (!podeAgir())
        return;
    zeraLeituras();
    defineConsulta(consultaFiltrada(false));
    ExecutaPesquisa();
}

void VCores::ExecutaPesquisa()
{
    m_btExecutaLeitura->setEnabled(false);
    m_btExecutaLeitura->setText(L(QStringLiteral("Processando comando")));
    iniciaCiclo();
}

void VCores::antesDeEnviar()
{
    m_cbICs->setEnabled(false);
}

ConsultaMaster VCores::consultaDoRefresh() const
{
    return consultaFiltrada(true);
}

void VCores::aoGraduar()
{
    m_comboDecimais->setEnabled(true);
    m_comboDecimaisAmp->setEnabled(true);
}

void VCores::aoTerminar()
{
    m_btExecutaLeitura->setText(L(QStringLiteral("Executar Leitura")));
}

void VCores::aoRefrescar()
{
    m_btExecutaLeitura->setText(L(QStringLiteral("Executar Leitura")));
    const EstadoLigacao estado = ligacao().estado();
    m_btExecutaLeitura->setEnabled(estado == EstadoLigacao::Ociosa || estado == EstadoLigacao::Ocupada);
    m_frame1->setEnabled(true);
    m_cbICs->setEnabled(true);
}

void VCores::LimpaLeiturasExterno()
{
    zeraLeituras();
    defineConsulta(ConsultaGrade(modelo(), m_familia, QStringLiteral("Malha")));
}

void VCores::atualizaJanelaAberta()
{
    setWindowTitle(legenda());
    LimpaLeiturasExterno();
    m_lbVar->setText(TextoNotaVar(modelo(), VarianteGrade::VCore));
}
