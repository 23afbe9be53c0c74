#include "chips/janelas/Chestnut.h"

#include "chips/ChipChestnut.h"
#include "chips/LeituraChip.h"
#include "chips/ProcedimentoChip.h"
#include "chips/janelas/DesenhoChip.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

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
    m_chestnut = new ProcedimentoChestnut(ligacao(), sessao().modelo(), this);
    ligaProcedimento(m_chestnut, m_btExecuta);
    // The reading switched the touch on by itself: the button says so.
    connect(m_chestnut, &Procedimento::enviado, this, [this](const QString& comando) {
        if (comando == ChipChestnut::ToqueLigado)
            m_btTouch->setText(textoDesativar());
    });
    m_painel = ChipChestnut::PainelInicial();
    aplicaPainel();
    defineLargura(LarguraSemLog);
    if (ligacao().estado() == EstadoLigacao::Ociosa)
        btExecutaLeitura_Click();
}

bool Chestnut::ToqueAcionado() const
{
    return m_chestnut->toqueAcionado();
}

void Chestnut::traduz()
{
    traduzLog();
    m_btExecuta->setText(L(QStringLiteral("Executar Leitura")));
    m_btExportar->setText(L(QStringLiteral("Gerar Relatório PDF")));
}

void Chestnut::btExecutaLeitura_Click()
{
    executaLeitura();
}

void Chestnut::recusado()
{
    dialogos().mensagem(QStringLiteral("NOT FOR X!"), QStringLiteral("IP X!"), Dialogos::Icone::Informacao);
}

void Chestnut::LimpaLeituras()
{
    ChipChestnut::LimpaLeituras(m_painel);
    defineTxtDados(QString());
    aplicaPainel();
}

void Chestnut::leituraMostrada()
{
    consultaComparador(sessao().modelo(), m_chestnut->comando());
}

void Chestnut::btTouch_Click()
{
    m_chestnut->defineToqueAcionado(true);
    if (ligacao().estado() != EstadoLigacao::Ociosa || m_chestnut->emCurso())
        return;
    const bool ligar = m_btTouch->text() == textoAtivar();
    m_btTouch->setText(ligar ? textoDesativar() : textoAtivar());
    m_chestnut->defineModelo(sessao().modelo());
    m_chestnut->alternaToque(ligar);
}

void Chestnut::btExportar_Click()
{
    const auto pares = ChipChestnut::ParesRelatorio(m_painel, DataCurta(dialogos().agora()),
                                                    IdiomaAtual(), sessao().modelo());
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
