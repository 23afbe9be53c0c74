#include "chips/janelas/Tigris.h"

#include "chips/ChipTigris.h"
#include "chips/ProcedimentoChip.h"
#include "chips/janelas/DesenhoChip.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int LarguraComLog = 16365;
constexpr int LarguraSemLog = 10125;
constexpr int Altura = 8400;
constexpr int Topo = 850;

} // namespace

Tigris::Tigris(GerenciadorJanelas& janelas) : JanelaChip(QStringLiteral("Tigris"), janelas)
{
    setWindowTitle(QStringLiteral("Tigris - Vexador Tarrim"));
    centraNoTopo(Topo);

    m_btExecuta = new QPushButton(this);
    m_btExecuta->setObjectName(QStringLiteral("btExecutaLeitura"));
    m_btLog = new QPushButton(this);
    m_btLog->setObjectName(QStringLiteral("btLog"));
    connect(m_btExecuta, &QPushButton::clicked, this, &Tigris::btExecutaLeitura_Click);
    connect(m_btLog, &QPushButton::clicked, this, &Tigris::btLog_Click);

    // The chip, its rails, and the readings under it.
    auto* desenho = new DesenhoChip(
        QStringLiteral("TIGRIS"),
        {{QStringLiteral("PMID"), QStringLiteral("PP5V0_USB")},
         {QStringLiteral("ACT_DIODE"), QStringLiteral("PP_VBUS2_IKTARA")},
         {QStringLiteral("VBUS_DET"), {}},
         {QStringLiteral("BOOT"), {}},
         {QStringLiteral("BUCK_SW"), {}},
         {QStringLiteral("LDO"), {}},
         {QStringLiteral("VLDO"), {}},
         {QStringLiteral("TEST"), {}}},
        {{QStringLiteral("BATT"), QStringLiteral("PP_BATT_VCC")},
         {QStringLiteral("BAT_SNS"), {}},
         {QStringLiteral("SYS_ALIVE"), QStringLiteral("PP_VDD_MAIN")},
         {QStringLiteral("HDQ_GAUGE"), {}},
         {QStringLiteral("HDQ_HOST"), {}},
         {QStringLiteral("SDA"), {}},
         {QStringLiteral("SCL"), {}},
         {QStringLiteral("INT"), {}},
         {QStringLiteral("TEMP"), {}},
         {QStringLiteral("VNTC"), {}}},
        this);

    auto* uc = criaRotuloUC();

    auto marcador = [this](const QString& nome) {
        QLabel* l = criaRotulo(nome);
        l->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
        return l;
    };

    // Both grids share their first column's width, so the rows of the second input line up.
    const int primeira = Twips::paraPixels(1100);
    auto* grade = new QGridLayout;
    grade->setColumnMinimumWidth(0, primeira);
    grade->setHorizontalSpacing(8);
    grade->setVerticalSpacing(4);
    grade->addWidget(texto(QStringLiteral("V"), this, true), 0, 1, Qt::AlignCenter);
    grade->addWidget(texto(QStringLiteral("A"), this, true), 0, 2, Qt::AlignCenter);
    grade->addWidget(criaRotulo(QStringLiteral("lb_VBus1")), 1, 0);
    grade->addWidget(criaValor(QStringLiteral("VBus_V")), 1, 1);
    grade->addWidget(criaValor(QStringLiteral("VBus_A")), 1, 2);
    grade->addWidget(marcador(QStringLiteral("Baixa1")), 1, 3);

    // The second charger input of the newer boards.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("FrameVbusX"));
    registra(frame);
    QSizePolicy spf = frame->sizePolicy();
    spf.setRetainSizeWhenHidden(false); // the rows below move up on the one-input models
    frame->setSizePolicy(spf);
    auto* gx = new QGridLayout(frame);
    gx->setContentsMargins(0, 0, 0, 0);
    gx->setHorizontalSpacing(8);
    gx->setColumnMinimumWidth(0, primeira);
    gx->addWidget(texto(QStringLiteral("VBUS1"), frame), 0, 0);
    auto* v1 = criaValor(QStringLiteral("VBus_V1"));
    auto* a1 = criaValor(QStringLiteral("VBus_A1"));
    auto* v2 = criaValor(QStringLiteral("VBus_V2"));
    auto* a2 = criaValor(QStringLiteral("VBus_A2"));
    gx->addWidget(v1, 0, 1);
    gx->addWidget(a1, 0, 2);
    gx->addWidget(marcador(QStringLiteral("Baixa2")), 0, 3);
    auto* lb2 = criaRotulo(QStringLiteral("lb_VBus2"), QStringLiteral("VBUS 2"));
    gx->addWidget(lb2, 1, 0);
    gx->addWidget(v2, 1, 1);
    gx->addWidget(a2, 1, 2);
    // The channels only the newer chips report.
    gx->addWidget(texto(QStringLiteral("VLDO"), frame), 2, 0);
    gx->addWidget(criaValor(QStringLiteral("lbVldo")), 2, 1);
    gx->addWidget(texto(QStringLiteral("VNTC"), frame), 3, 0);
    gx->addWidget(criaValor(QStringLiteral("lbvntc")), 3, 1);
    gx->setColumnStretch(4, 1);
    grade->addWidget(frame, 2, 0, 1, 5);

    grade->addWidget(texto(QStringLiteral("VBAT"), this), 3, 0);
    grade->addWidget(criaValor(QStringLiteral("VBat_V")), 3, 1);
    grade->addWidget(criaValor(QStringLiteral("VBat_A")), 3, 2);
    grade->addWidget(marcador(QStringLiteral("Baixa3")), 3, 3);
    grade->addWidget(texto(QStringLiteral("VDD"), this), 4, 0);
    grade->addWidget(criaValor(QStringLiteral("VDD_V")), 4, 1);
    grade->addWidget(texto(QStringLiteral("TEMP"), this), 5, 0);
    grade->addWidget(criaValor(QStringLiteral("Temp")), 5, 1);
    grade->setColumnStretch(4, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(m_btExecuta);
    botoes->addWidget(m_btLog);
    botoes->addStretch(1);
    botoes->addWidget(uc);
    montaColunaELog(botoes, desenho, grade, LarguraSemLog);

    // Load: captions, placement, empty comparator, the inputs of the model, then a reading.
    // TraduzTigris
    traduz();
    ligaProcedimento(ProcedimentoChip::cria(ProcedimentoChip::Chip::Tigris, ligacao(), sessao().modelo(), this),
                     m_btExecuta);
    m_painel = ChipTigris::PainelInicial(sessao().modelo());
    aplicaPainel();
    defineLargura(LarguraComLog);
    if (ligacao().estado() == EstadoLigacao::Ociosa)
        btExecutaLeitura_Click();
}

void Tigris::traduz()
{
    traduzLog();
    m_btExecuta->setText(L(QStringLiteral("Executar Leitura")));
    m_btLog->setText(L(QStringLiteral("Ocultar")) + QStringLiteral(" Log ->"));
    const QString baixa = QStringLiteral("* ") + L(QStringLiteral("Baixa"));
    for (const char* m : {"Baixa1", "Baixa2", "Baixa3"})
        if (auto* l = qobject_cast<QLabel*>(m_controles.value(QString::fromLatin1(m))))
            l->setText(baixa);
}

void Tigris::btExecutaLeitura_Click()
{
    executaLeitura();
}

void Tigris::LimpaLeituras()
{
    ChipTigris::LimpaLeituras(m_painel, sessao().modelo());
    defineTxtDados(QString());
    aplicaPainel();
}

void Tigris::leituraMostrada()
{
    consultaComparador(sessao().modelo(), procedimento()->comando());
}

void Tigris::btLog_Click()
{
    defineLargura(alternaLog(m_btLog) ? LarguraComLog : LarguraSemLog);
}

void Tigris::defineLargura(int twips)
{
    defineLarguraLog(twips, LarguraComLog, Altura);
}
