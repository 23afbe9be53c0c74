#include "rails/janelas/BuckLdo.h"

#include "i18n/Dicionario.h"
#include "rails/janelas/ComponentesTrilhas.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

BuckLdo::BuckLdo(GerenciadorJanelas& janelas)
    : JanelaGradeTrilhas(QStringLiteral("BuckLdo"), janelas, VarianteGrade::BuckLdo)
{
    criaControles();
    m_data1->defineColunas({{QStringLiteral("Orig"), QStringLiteral("PMU")},
                            {QStringLiteral("Malha"), QString()},
                            {QStringLiteral("Leitura"), QString()},
                            {QStringLiteral("Ref"), QString()},
                            {QStringLiteral("Porc"), QStringLiteral("%")},
                            {QStringLiteral("Ci"), QStringLiteral("IC's")},
                            {QStringLiteral("G1"), QString()},
                            {QStringLiteral("G2"), QString()},
                            {QStringLiteral("G3"), QString()}});

    const char* textos[4] = {"BUCK", "LDO", "BUCK TEST", "PMU"};
    auto* botoes = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_botao[i] = new QPushButton(QString::fromLatin1(textos[i]), this);
        m_botao[i]->setObjectName(QStringLiteral("Botao%1").arg(i + 1));
        m_botao[i]->setMinimumHeight(Twips::paraPixels(450));
        m_botao[i]->setMinimumWidth(Twips::paraPixels(1400));
        botoes->addWidget(m_botao[i]);
    }
    connect(m_botao[0], &QPushButton::clicked, this, [this] { familiaEscolhida(1); });
    connect(m_botao[1], &QPushButton::clicked, this, [this] { familiaEscolhida(2); });
    connect(m_botao[2], &QPushButton::clicked, this, [this] { this->janelas().mostra(QStringLiteral("BuckTeste")); });
    connect(m_botao[3], &QPushButton::clicked, this,
            [this] { this->janelas().passaPara(QStringLiteral("BuckLdo"), QStringLiteral("PMU")); });

    m_frameSelecoes = new QFrame(this);
    m_frameSelecoes->setObjectName(QStringLiteral("FrameSelecoes"));
    auto* selecoes = new QHBoxLayout(m_frameSelecoes);
    selecoes->setContentsMargins(0, 0, 0, 0);
    selecoes->addWidget(m_lbInfoDecimais);
    selecoes->addWidget(m_comboDecimais);
    selecoes->addWidget(m_comboDecimaisAmp);
    selecoes->addSpacing(8);
    selecoes->addWidget(m_frame1);
    selecoes->addStretch(1);
    selecoes->addWidget(m_imgPdf);
    selecoes->addWidget(m_btExportar);
    m_frameSelecoes->hide();

    botoes->addSpacing(10);
    botoes->addWidget(m_frameSelecoes, 1);
    botoes->addStretch(0);

    auto* gravacoes = new QHBoxLayout;
    gravacoes->addStretch(1);
    for (int i = 0; i < 3; ++i) {
        gravacoes->addWidget(m_btGravar[i]);
        gravacoes->addWidget(m_btExcluir[i]);
        gravacoes->addSpacing(6);
    }

    m_frameVar = new QFrame(this);
    m_frameVar->setObjectName(QStringLiteral("frameVar"));
    auto* var = new QHBoxLayout(m_frameVar);
    var->setContentsMargins(0, 0, 0, 0);
    var->addWidget(m_lbVar);

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(botoes);
    lay->addWidget(m_grade, 1);
    lay->addLayout(gravacoes);
    lay->addWidget(m_frameVar);
    lay->addWidget(m_avisoRelatorio);

    // Load.
    m_escolha = 1;
    m_familia = FamiliaBuck;
    setWindowTitle(legenda());
    zeraLeituras();
    defineConsulta(ConsultaGrade(modelo(), m_familia, QStringLiteral("Orig")));
    carregaComum();
    traduz();
    m_grade->horizontalHeader()->resizeSection(0, Twips::paraPixels(1300));
    m_grade->horizontalHeader()->resizeSection(1, Twips::paraPixels(3000));
    for (int c = 2; c < m_data1->columnCount(); ++c)
        m_grade->horizontalHeader()->resizeSection(c, Twips::paraPixels(c == 4 ? 900 : 1350));
    alargaColunaLeitura();
}

QSize BuckLdo::sizeHint() const
{
    int altura = Twips::paraPixels(8880);
    if (QMdiArea* area = janelas().area()) {
        const int principal = Twips::dePixels(area->window()->height());
        if (principal > 11000)
            altura = Twips::paraPixels(principal - 2400);
    }
    return {Twips::paraPixels(15600), altura};
}

QString BuckLdo::legenda() const
{
    return QStringLiteral("Buck & Ldo - ") + modelo() + QStringLiteral("  ") + sessao().numeroModelo()
           + QStringLiteral(" - Vexador Tarrim");
}

void BuckLdo::traduz()
{
    traduzComum();
}

void BuckLdo::familiaEscolhida(int escolha)
{
    m_escolha = escolha;
    SelecionaTipo();
}

void BuckLdo::SelecionaTipo()
{
    m_frameSelecoes->show();
    m_familia = m_escolha == 1 ? FamiliaBuck : FamiliaLdo;
    if (!ligacaoOciosa()) {
        defineConsulta(ConsultaGrade(modelo(), m_familia, QStringLiteral("Orig")));
        return;
    }
    PrePesquisa();
}

void BuckLdo::PrePesquisa()
{
    if (!ligacaoOciosa())
        return;
    zeraLeituras();
    defineConsulta(ConsultaGrade(modelo(), m_familia, QStringLiteral("Modelo, Orig")));
    ExecutaPesquisa();
}

void BuckLdo::ExecutaPesquisa()
{
    iniciaCiclo();
}

void BuckLdo::antesDeEnviar()
{
    for (int i = 0; i < 3; ++i)
        m_botao[i]->setEnabled(false);
}

ConsultaMaster BuckLdo::consultaDoRefresh() const
{
    return ConsultaGrade(modelo(), m_familia, QStringLiteral("Modelo, Orig"));
}

void BuckLdo::aoRefrescar()
{
    m_comboDecimais->setEnabled(true);
    m_comboDecimaisAmp->setEnabled(true);
    for (int i = 0; i < 3; ++i)
        m_botao[i]->setEnabled(true);
    m_frame1->setEnabled(true);
}

void BuckLdo::LimpaLeiturasExterno()
{
    zeraLeituras();
    defineConsulta(ConsultaGrade(modelo(), m_familia, QStringLiteral("Orig")));
}

void BuckLdo::atualizaJanelaAberta()
{
    setWindowTitle(legenda());
    LimpaLeiturasExterno();
    m_lbVar->setText(TextoNotaVar(modelo(), VarianteGrade::BuckLdo));
}

QAbstractButton* BuckLdo::botaoLeitura() const
{
    return m_botao[m_escolha == 2 ? 1 : 0];
}
