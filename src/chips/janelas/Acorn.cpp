#include "chips/janelas/Acorn.h"

#include "chips/ChipAcorn.h"
#include "chips/ProcedimentoChip.h"
#include "chips/LeituraChip.h"
#include "chips/janelas/DesenhoChip.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "reports/janelas/AvisoRelatorio.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int Largura = 12825;
constexpr int Altura = 8610;
} // namespace

Acorn::Acorn(GerenciadorJanelas& janelas) : JanelaChip(QStringLiteral("Acorn"), janelas)
{
    setWindowTitle(QStringLiteral("Acorn - Vexador Tarrim"));

    m_btExecuta = new QPushButton(this);
    m_btExecuta->setObjectName(QStringLiteral("btExecutaLeitura"));
    connect(m_btExecuta, &QPushButton::clicked, this, &Acorn::btExecutaLeitura_Click);
    m_btExportar = new QPushButton(this);
    m_btExportar->setObjectName(QStringLiteral("btExportar"));
    connect(m_btExportar, &QPushButton::clicked, this, &Acorn::btExportar_Click);

    auto* desenho = new DesenhoChip(
        QStringLiteral("ACORN"),
        {{QStringLiteral("VIN"), QStringLiteral("PP_VDD_MAIN")},
         {QStringLiteral("PGND"), QStringLiteral("GND")},
         {QStringLiteral("VB"), QStringLiteral("PP_BOOST1_ACORN")},
         {QStringLiteral("VL"), QStringLiteral("PP_CP1_OUT_ACORN")},
         {QStringLiteral("BST2"), QStringLiteral("PP5V45_BOOST2_ACORN")},
         {QStringLiteral("VDDIO"), QStringLiteral("PP1V1_S2")},
         {QStringLiteral("VDD_TCH"), QStringLiteral("PP1V8_TOUCH_RACER_S2")}},
        {{QStringLiteral("VP"), QStringLiteral("PP10V0_RACER")},
         {QStringLiteral("VN"), QStringLiteral("PN6V7_RACER")},
         {QStringLiteral("VH"), QStringLiteral("PP5V25_TOUCH_VDDH")},
         {QStringLiteral("VA"), QStringLiteral("PP3V5_RACER")},
         {QStringLiteral("VC"), QStringLiteral("PP1V1_RACER")},
         {QStringLiteral("SDA"), {}},
         {QStringLiteral("SCL"), {}}},
        this);

    auto* uc = criaRotuloUC(false);

    // Voltages on the left (rail, value, deviation, OK/NO), the rest on the right.
    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(6);
    grade->setVerticalSpacing(1); // eleven rows: a pixel each keeps the window clear of a scroll bar on a laptop screen
    grade->addWidget(texto(QStringLiteral("V"), this, true), 0, 1, Qt::AlignCenter);
    grade->addWidget(texto(QStringLiteral("%"), this, true), 0, 2, Qt::AlignCenter);
    for (int i = 0; i <= 10; ++i) {
        const int r = i + 1;
        grade->addWidget(texto(ChipAcorn::Malha(i), this), r, 0);
        grade->addWidget(criaValor(QStringLiteral("M%1").arg(i), 1200), r, 1);
        if (i >= 2)
            grade->addWidget(criaValor(QStringLiteral("P%1").arg(i), 950), r, 2);
        grade->addWidget(criaIndicador(true, i), r, 3);
        if (i != 1)
            grade->addWidget(criaIndicador(false, i), r, 3);
    }
    grade->setColumnMinimumWidth(4, 24);
    grade->addWidget(texto(QStringLiteral("TEMP"), this), 1, 5);
    grade->addWidget(criaValor(QStringLiteral("Temp"), 1200), 1, 6);
    const char* correntes[] = {"IA", "IN", "IP", "IH"};
    for (int n = 1; n <= 4; ++n) {
        grade->addWidget(texto(QString::fromLatin1(correntes[n - 1]), this), n + 1, 5);
        grade->addWidget(criaValor(QStringLiteral("AMP%1").arg(n), 1200), n + 1, 6);
    }
    auto* chip = new QHBoxLayout;
    chip->addWidget(criaIndicador(true, 11));
    chip->addWidget(criaIndicador(false, 11));
    chip->addWidget(uc);
    chip->addStretch(1);
    grade->addLayout(chip, 7, 5, 1, 2);
    auto* nota = criaRotulo(QStringLiteral("lbStatus2"));
    nota->setWordWrap(true);
    grade->addWidget(nota, 8, 5, 2, 2);
    grade->setColumnStretch(7, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(m_btExecuta);
    botoes->addWidget(m_btExportar);
    botoes->addStretch(1);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 4, 10, 4);
    v->setSpacing(2);
    v->addLayout(botoes);
    v->addLayout(corpoDoChip(desenho, grade));
    v->addWidget(m_avisoRelatorio);
    v->addStretch(1);

    setFixedSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura));
    traduz();
    ligaProcedimento(ProcedimentoChip::cria(ProcedimentoChip::Chip::Acorn, ligacao(), sessao().modelo(), this),
                     m_btExecuta);
    m_painel = ChipAcorn::PainelInicial();
    aplicaPainel();
    if (ligacao().estado() == EstadoLigacao::Ociosa)
        btExecutaLeitura_Click();
}

void Acorn::traduz()
{
    m_btExecuta->setText(L(QStringLiteral("Executar Leitura")));
    m_btExportar->setText(L(QStringLiteral("Gerar Relatório PDF")));
    if (auto* l = qobject_cast<QLabel*>(m_controles.value(QStringLiteral("lbStatus2"))))
        l->setText(L(QStringLiteral("ANALISE COMPLETA")));
}

void Acorn::btExecutaLeitura_Click()
{
    executaLeitura();
}

void Acorn::recusado()
{
    MostraMensagem(QStringLiteral("SOMENTE_X"));
}

void Acorn::LimpaLeituras()
{
    ChipAcorn::LimpaLeituras(m_painel);
    m_txtDados.clear();
    aplicaPainel();
}

void Acorn::btExportar_Click()
{
    const auto pares = ChipAcorn::ParesRelatorio(m_painel, DataCurta(dialogos().agora()),
                                                 IdiomaAtual(), sessao().modelo());
    publicaRelatorio(QStringLiteral("acorn"), pares);
}
