#include "chips/janelas/Chestnut.h"

#include "chips/ChipChestnut.h"
#include "chips/LeituraChip.h"
#include "chips/janelas/DesenhoChip.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Globais.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int LarguraComLog = 18855;
constexpr int LarguraSemLog = 10830;
constexpr int Altura = 8700;
constexpr int Topo = 1300;

QString textoAtivar()
{
    return L(QStringLiteral("Ativar")) + QStringLiteral(" Touch");
}
QString textoDesativar()
{
    return L(QStringLiteral("Desativar")) + QStringLiteral(" Touch");
}
} // namespace

Chestnut::Chestnut(GerenciadorJanelas& janelas) : JanelaChip(QStringLiteral("Chestnut"), janelas)
{
    setWindowTitle(QStringLiteral("Chestnut - Vexador Tarrim"));
    centraNoTopo(Topo);

    auto botao = [this](const char* nome, void (Chestnut::*acao)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(nome));
        connect(b, &QPushButton::clicked, this, acao);
        return b;
    };
    m_btExecuta = botao("btExecutaLeitura", &Chestnut::btExecutaLeitura_Click);
    m_btLog = botao("btLog", &Chestnut::btLog_Click);
    m_btTouch = botao("btTouch", &Chestnut::btTouch_Click);
    m_btExportar = botao("btExportar", &Chestnut::btExportar_Click);
    registra(m_btTouch);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &Chestnut::Timer1_Timer);
    m_timerTouch = new QTimer(this);
    m_timerTouch->setObjectName(QStringLiteral("TimerTouch"));
    m_timerTouch->setInterval(200);
    connect(m_timerTouch, &QTimer::timeout, this, &Chestnut::TimerTouch_Timer);

    auto* desenho = new DesenhoChip(
        QStringLiteral("CHESTNUT"),
        {{QStringLiteral("VIN"), QStringLiteral("PP_VDD_MAIN")},
         {QStringLiteral("SW"), {}},
         {QStringLiteral("GND"), QStringLiteral("GND")},
         {QStringLiteral("SYNC"), {}},
         {QStringLiteral("SCL"), {}},
         {QStringLiteral("SDA"), {}},
         {QStringLiteral("LCM_EN"), {}},
         {QStringLiteral("RESET"), {}},
         {QStringLiteral("ADCMUX"), {}}},
        {{QStringLiteral("LCMBST"), QStringLiteral("PP6V0_DISPLAY_BOOST")},
         {QStringLiteral("CF1"), {}},
         {QStringLiteral("CF2"), {}},
         {QStringLiteral("CPUMP"), {}},
         {QStringLiteral("VNEG"), QStringLiteral("PN -5V7_DISPLAY_MESON_AVDDN")},
         {QStringLiteral("VNEG(SUB)"), {}},
         {QStringLiteral("HVLDO1"), QStringLiteral("PP5V7_MESON_AVDDH")},
         {QStringLiteral("HVLDO2"), QStringLiteral("PP5V7_LCM_AVDDH")},
         {QStringLiteral("HVLDO3"), QStringLiteral("PP5V1_TOUCH_VDDH")}},
        this);

    auto* uc = criaRotuloUC();

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(6);
    grade->setVerticalSpacing(4);
    grade->addWidget(texto(QStringLiteral("V"), this, true), 0, 1, Qt::AlignCenter);
    grade->addWidget(texto(QStringLiteral("mA"), this, true), 0, 2, Qt::AlignCenter);
    grade->addWidget(texto(QStringLiteral("%"), this, true), 0, 3, Qt::AlignCenter);
    struct Linha {
        const char* malha;
        const char* v;
        const char* a;
        int porc;
        int indicador;
    };
    const Linha linhas[] = {
        {"PP6V0_DISPLAY_BOOST", "BOOST_V", nullptr, 5, 0},
        {"PN -5V7_DISPLAY_MESON_AVDDN", "VNEG_V", "VNEG_A", 4, 1},
        {"PP5V7_MESON_AVDDH", "iLDO_V(1)", "iLDO_A(1)", 1, 2},
        {"PP5V7_LCM_AVDDH", "iLDO_V(2)", "iLDO_A(2)", 2, 3},
        {"PP5V1_TOUCH_VDDH", "iLDO_V(3)", "iLDO_A(3)", 3, 4},
        {"PP_VDD_MAIN", "VIN_V", nullptr, 0, -1},
        {"GND", "gndV", nullptr, 0, -1},
    };
    int r = 1;
    for (const Linha& l : linhas) {
        grade->addWidget(texto(QString::fromLatin1(l.malha), this), r, 0);
        grade->addWidget(criaValor(QString::fromLatin1(l.v)), r, 1);
        if (l.a)
            grade->addWidget(criaValor(QString::fromLatin1(l.a)), r, 2);
        if (l.porc)
            grade->addWidget(criaValor(QStringLiteral("Porc%1").arg(l.porc), 1000), r, 3);
        if (l.indicador >= 0) {
            grade->addWidget(criaIndicador(true, l.indicador), r, 4);
            grade->addWidget(criaIndicador(false, l.indicador), r, 4);
        }
        ++r;
    }
    grade->setColumnStretch(5, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(m_btExecuta);
    botoes->addWidget(m_btTouch);
    botoes->addWidget(m_btExportar);
    botoes->addWidget(m_btLog);
    botoes->addStretch(1);
    botoes->addWidget(uc);
    montaColunaELog(botoes, desenho, grade, LarguraSemLog);

    // Load: captions (log hidden, touch "switch off"), placement, empty comparator, reading.
    traduz();
    m_btLog->setText(textoExibirLog());
    m_btTouch->setText(textoDesativar());
    m_painel = ChipChestnut::PainelInicial();
    aplicaPainel();
    defineLargura(LarguraSemLog);
    m_toqueAcionado = false;
    if (ocioso())
        btExecutaLeitura_Click();
}

bool Chestnut::ocioso() const
{
    return ligacao().estado() == EstadoLigacao::Ociosa;
}

void Chestnut::traduz()
{
    traduzLog();
    m_btExecuta->setText(L(QStringLiteral("Executar Leitura")));
    m_btExportar->setText(L(QStringLiteral("Gerar Relatório PDF")));
}

void Chestnut::btExecutaLeitura_Click()
{
    if (sessao().modelo() == QLatin1String("IP X")) {
        dialogos().mensagem(QStringLiteral("NOT FOR X!"), QStringLiteral("IP X!"), Dialogos::Icone::Informacao);
        return;
    }
    if (!ocioso())
        return;
    m_btExecuta->setEnabled(false);
    PrePesquisa();
}

void Chestnut::PrePesquisa()
{
    LimpaLeituras();
    if (!solicita(ChipChestnut::Codigo, ChipChestnut::Comando))
        m_btExecuta->setEnabled(true);
}

void Chestnut::LimpaLeituras()
{
    ChipChestnut::LimpaLeituras(m_painel);
    defineTxtDados(QString());
    aplicaPainel();
}

void Chestnut::recebeResposta(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    Q_UNUSED(R);
    defineTxtDados(A);
    CarregaDados();
    consultaComparador(sessao().modelo(), ligacao().txtComandos());
}

void Chestnut::CarregaDados()
{
    const bool toqueForaDaFaixa = ChipChestnut::CarregaDados(m_painel, m_txtDados, sessao().modelo());
    aplicaPainel();
    // The touch supply reads wrong while the touch is off: switch it on once per opening.
    if (toqueForaDaFaixa && !m_toqueAcionado) {
        m_toqueAcionado = true;
        m_timerTouch->start();
    }
    m_btExecuta->setEnabled(true);
}

void Chestnut::esperaCancelada()
{
    m_btExecuta->setEnabled(true);
}

void Chestnut::btTouch_Click()
{
    m_toqueAcionado = true;
    if (!ocioso())
        return;
    QString comando;
    if (m_btTouch->text() != textoAtivar()) {
        m_btTouch->setText(textoAtivar());
        comando = ChipChestnut::ToqueDesligado;
    } else {
        m_btTouch->setText(textoDesativar());
        comando = ChipChestnut::ToqueLigado;
    }
    LimpaLeituras();
    // No requester code: the answer stays in the console.
    solicita(SemRequisitante, comando);
    m_timer1->start();
}

void Chestnut::TimerTouch_Timer()
{
    if (!ocioso())
        return;
    m_btTouch->setText(textoDesativar());
    LimpaLeituras();
    solicita(SemRequisitante, ChipChestnut::ToqueLigado);
    m_timerTouch->stop();
    m_timer1->start();
}

void Chestnut::Timer1_Timer()
{
    if (!ocioso())
        return;
    m_timer1->stop();
    btExecutaLeitura_Click();
}

void Chestnut::btExportar_Click()
{
    const auto pares = ChipChestnut::ParesRelatorio(m_painel, DataCurta(dialogos().agora()),
                                                    Globais::instancia().IdiomaAtual, sessao().modelo());
    publicaRelatorio(QStringLiteral("chest"), pares);
}

void Chestnut::btLog_Click()
{
    defineLargura(alternaLog(m_btLog) ? LarguraComLog : LarguraSemLog);
}

void Chestnut::defineLargura(int twips)
{
    defineLarguraLog(twips, LarguraComLog, Altura);
}
