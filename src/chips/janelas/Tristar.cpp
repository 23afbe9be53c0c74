#include "chips/janelas/Tristar.h"

#include "chips/ChipTristar.h"
#include "chips/ProcedimentoChip.h"
#include "chips/LeituraChip.h"
#include "chips/janelas/DesenhoChip.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int Largura = 11200;
constexpr int Altura = 6600;
constexpr int Topo = 850;
} // namespace

Tristar::Tristar(GerenciadorJanelas& janelas) : JanelaChip(QStringLiteral("Tristar"), janelas)
{
    const bool hydra = botaoIcDizHydra();
    setWindowTitle(ChipTristar::Legenda(hydra));
    centraNoTopo(Topo);

    m_btExecuta = new QPushButton(this);
    m_btExecuta->setObjectName(QStringLiteral("btExecutaLeitura"));
    connect(m_btExecuta, &QPushButton::clicked, this, &Tristar::btExecutaLeitura_Click);

    auto* uc = criaRotuloUC();

    // The rails' names are written by the reading, on the wires of the drawing.
    auto nomeMalha = [this](int n) {
        QLabel* l = criaRotulo(QStringLiteral("lbNomeMalha%1").arg(n));
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 0.8);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: #1c3f94;"));
        return l;
    };
    m_desenho = new DesenhoChip(hydra ? QStringLiteral("HYDRA") : QStringLiteral("TRISTAR"),
                                {{QStringLiteral("VDD_3V0"), {}, nomeMalha(1)},
                                 {QStringLiteral("VDD_1V8"), {}, nomeMalha(2)},
                                 {QStringLiteral("ACC_PWR"), {}, nomeMalha(3)},
                                 {QStringLiteral("GND"), QStringLiteral("GND")}},
                                {{QStringLiteral("DP1"), {}},
                                 {QStringLiteral("DN1"), {}},
                                 {QStringLiteral("ACC1"), {}},
                                 {QStringLiteral("ACC2"), {}},
                                 {QStringLiteral("SDA"), {}},
                                 {QStringLiteral("SCL"), {}},
                                 {QStringLiteral("INT"), {}}},
                                this);

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(8);
    grade->setVerticalSpacing(6);
    grade->addWidget(texto(QStringLiteral("V"), this, true), 0, 1, Qt::AlignCenter);
    grade->addWidget(texto(QStringLiteral("A"), this, true), 0, 2, Qt::AlignCenter);
    grade->addWidget(texto(QStringLiteral("%"), this, true), 0, 3, Qt::AlignCenter);
    const char* pinos[] = {"VDD_3V0", "VDD_1V8", "ACC_PWR"};
    for (int n = 1; n <= 3; ++n) {
        grade->addWidget(texto(QString::fromLatin1(pinos[n - 1]), this), n, 0);
        grade->addWidget(criaValor(QStringLiteral("Malha%1_V").arg(n)), n, 1);
        grade->addWidget(criaValor(QStringLiteral("Malha%1_A").arg(n)), n, 2);
        grade->addWidget(criaValor(QStringLiteral("Porc%1").arg(n), 1000), n, 3);
        if (n < 3) {
            grade->addWidget(criaIndicador(true, n), n, 4);
            grade->addWidget(criaIndicador(false, n), n, 4);
        }
    }
    grade->setColumnStretch(5, 1);

    // The general indicators: OK(0) beside the status once a reading was graded, OK(3)
    // beside the note that the analysis is complete.
    auto* status = criaRotulo(QStringLiteral("lbStatus"));
    QFont fs = status->font();
    fs.setBold(true);
    fs.setPointSizeF(fs.pointSizeF() * 1.6);
    status->setFont(fs);
    auto* linhaStatus = new QGridLayout;
    linhaStatus->addWidget(criaIndicador(true, 0), 0, 0);
    linhaStatus->addWidget(criaIndicador(false, 0), 0, 0);
    linhaStatus->addWidget(status, 0, 1);
    linhaStatus->addWidget(criaIndicador(true, 3), 1, 0);
    // The note on a complete analysis is long: beside the drawing it takes two lines.
    QLabel* nota = criaRotulo(QStringLiteral("lbStatus2"));
    nota->setWordWrap(true);
    linhaStatus->addWidget(nota, 1, 1);
    linhaStatus->setColumnStretch(1, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(m_btExecuta);
    botoes->addStretch(1);
    botoes->addWidget(uc);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->addLayout(botoes);
    // The status lines go with the readings (beside the drawing in a low frame).
    auto* leituras = new QVBoxLayout;
    leituras->addLayout(grade);
    leituras->addLayout(linhaStatus);
    leituras->addStretch(1); // beside the drawing the rows keep their height
    v->addLayout(corpoDoChip(m_desenho, leituras));
    v->addStretch(1);

    // The txtDados of this window is not shown: there is no log panel.
    setFixedSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura));
    traduz();
    ligaProcedimento(ProcedimentoChip::cria(ProcedimentoChip::Chip::Tristar, ligacao(), sessao().modelo(), this),
                     m_btExecuta);
    m_painel = ChipTristar::PainelInicial();
    aplicaPainel();
    if (ligacao().estado() == EstadoLigacao::Ociosa)
        btExecutaLeitura_Click();
}

bool Tristar::botaoIcDizHydra() const
{
    // The IC window names the chip by the same rule.
    return sessao().chipHydra();
}

void Tristar::traduz()
{
    m_btExecuta->setText(L(QStringLiteral("Executar Leitura")));
    if (auto* l = qobject_cast<QLabel*>(m_controles.value(QStringLiteral("lbStatus2"))))
        l->setText(L(QStringLiteral("ANALISE COMPLETA")) + QStringLiteral(" * ACC = 0 V"));
}

void Tristar::btExecutaLeitura_Click()
{
    executaLeitura();
}

void Tristar::LimpaLeituras()
{
    ChipTristar::LimpaLeituras(m_painel);
    m_txtDados.clear();
    aplicaPainel();
}
