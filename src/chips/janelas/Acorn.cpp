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
constexpr int LinhaFolga = 12; // an empty row below every form's rows
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
    m_leituras = new QGridLayout;
    m_leituras->setHorizontalSpacing(6);
    m_leituras->setVerticalSpacing(1); // eleven rows: a pixel each keeps the window clear of a scroll bar on a laptop screen
    for (QList<QWidget*>* cabecalho : {&m_cabecalho, &m_cabecalhoSegundo})
        *cabecalho << texto(QStringLiteral("V"), this, true) << texto(QStringLiteral("%"), this, true);
    for (int i = 0; i <= 10; ++i)
        m_tensoes.append(LinhaTensao{texto(ChipAcorn::Malha(i), this), criaValor(QStringLiteral("M%1").arg(i), 1200),
                          i >= 2 ? criaValor(QStringLiteral("P%1").arg(i), 950) : nullptr, criaIndicador(true, i),
                          i != 1 ? criaIndicador(false, i) : nullptr});
    m_outras.append(qMakePair(texto(QStringLiteral("TEMP"), this), criaValor(QStringLiteral("Temp"), 1200)));
    const char* correntes[] = {"IA", "IN", "IP", "IH"};
    for (int n = 1; n <= 4; ++n)
        m_outras.append(qMakePair(texto(QString::fromLatin1(correntes[n - 1]), this), criaValor(QStringLiteral("AMP%1").arg(n), 1200)));
    auto* chip = new QHBoxLayout;
    chip->addWidget(criaIndicador(true, 11));
    chip->addWidget(criaIndicador(false, 11));
    chip->addWidget(uc);
    chip->addStretch(1);
    m_chip = chip;
    auto* nota = criaRotulo(QStringLiteral("lbStatus2"));
    nota->setWordWrap(true);
    m_nota = nota;
    assentaLeituras(false);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(m_btExecuta);
    botoes->addWidget(m_btExportar);
    botoes->addStretch(1);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 2, 10, 2); // every pixel counts on a laptop screen at 150 %
    v->setSpacing(1);
    v->addLayout(botoes);
    v->addLayout(corpoDoChip(desenho, m_leituras));
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

// One column of eleven rails with the rest beside (the window's own form), or, for a frame too
// low for that, the rails in two halves side by side and the rest beside them: six rows.
void Acorn::dispoeLeituras(bool ladoALado)
{
    if (ladoALado != m_ladoALado)
        assentaLeituras(ladoALado);
}

void Acorn::assentaLeituras(bool ladoALado)
{
    m_ladoALado = ladoALado;
    while (QLayoutItem* item = m_leituras->takeAt(0))
        if (item->layout() != m_chip)
            delete item; // a widget's holder only; the chip row is laid again itself
    for (int c = 0; c < m_leituras->columnCount(); ++c) {
        m_leituras->setColumnStretch(c, 0);
        m_leituras->setColumnMinimumWidth(c, 0);
    }
    // Height to spare goes below the rows, never into the last one.
    m_leituras->setRowStretch(LinhaFolga, 1);
    const int metade = ladoALado ? 6 : 11; // rails in the first column of rails
    for (int i = 0; i < m_tensoes.size(); ++i) {
        const LinhaTensao& t = m_tensoes.at(i);
        const int r = i % metade + 1, c = i / metade * 5;
        m_leituras->addWidget(t.nome, r, c);
        // Side by side the chip's taller name shares the last row: the boxes keep their height.
        m_leituras->addWidget(t.valor, r, c + 1, Qt::AlignVCenter);
        if (t.desvio)
            m_leituras->addWidget(t.desvio, r, c + 2, Qt::AlignVCenter);
        m_leituras->addWidget(t.ok, r, c + 3);
        if (t.no)
            m_leituras->addWidget(t.no, r, c + 3);
    }
    for (int k = 0; k < 2; ++k) {
        m_leituras->addWidget(m_cabecalho.at(k), 0, 1 + k, Qt::AlignCenter);
        m_cabecalhoSegundo.at(k)->setVisible(ladoALado);
        if (ladoALado)
            m_leituras->addWidget(m_cabecalhoSegundo.at(k), 0, 6 + k, Qt::AlignCenter);
    }
    // Side by side, the chip's own marks end the second half of the rails (one row short).
    const int resto = ladoALado ? 10 : 5;
    m_leituras->setColumnMinimumWidth(resto - 1, 24);
    if (ladoALado) // the second half of the rails apart from the first
        m_leituras->setColumnMinimumWidth(4, 24);
    for (int n = 0; n < m_outras.size(); ++n) {
        m_leituras->addWidget(m_outras.at(n).first, n + 1, resto);
        m_leituras->addWidget(m_outras.at(n).second, n + 1, resto + 1);
    }
    if (ladoALado) {
        // The note under every column: one line, whatever it says after a reading.
        m_leituras->addLayout(m_chip, 6, 5, 1, 4);
        m_leituras->addWidget(m_nota, 7, 0, 1, resto + 2);
    } else {
        m_leituras->addLayout(m_chip, 7, resto, 1, 2);
        m_leituras->addWidget(m_nota, 8, resto, 2, 2);
    }
    m_leituras->setColumnStretch(resto + 2, 1);
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
