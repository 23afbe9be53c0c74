#include "app/janelas/fmxMenu.h"

#include "i18n/Dicionario.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr int Largura = 1720;      // twips, every kind
constexpr int AlturaEntrada = 480;
constexpr int AlturaBaixo = 30;
constexpr int EsquerdaPainel = 10;

// The panel shown for each kind: 0 the rail entries, 1 the display chip, 2 the RF values.
int painelDoTipo(int tipo)
{
    switch (tipo) {
    case 0: return 1;
    case 1: return 0;
    default: return 2;
    }
}
} // namespace

fmxMenu::fmxMenu(GerenciadorJanelas& janelas, QWidget* pai) : QFrame(pai), m_janelas(janelas)
{
    setObjectName(QStringLiteral("fmxMenu"));
    setAttribute(Qt::WA_StyledBackground);
    // It lies on the main window's background: a movement over it is not one over the background.
    setAttribute(Qt::WA_NoMousePropagation);
    setStyleSheet(QStringLiteral(
        "#fmxMenu { background: #f7f9fb; border: 1px solid #8a9bab; border-top: none; }"
        "QLabel[entrada=\"true\"] { color: #1d2a36; padding-left: 10px; }"
        "QLabel[entrada=\"true\"]:hover { background: #3d8ed8; color: white; }"
        "#FrameBaixo { background: #5d7285; }"));

    for (int p = 0; p < 3; ++p) {
        m_frameMenu[p] = new QFrame(this);
        m_frameMenu[p]->setObjectName(QStringLiteral("FrameMenu(%1)").arg(p));
        m_frameMenu[p]->hide();
    }
    m_frameMenu[1]->resize(Twips::paraPixels(Largura - 2 * EsquerdaPainel), Twips::paraPixels(2 * AlturaEntrada));
    m_frameMenu[0]->resize(Twips::paraPixels(Largura - 2 * EsquerdaPainel), Twips::paraPixels(AlturaEntrada));
    m_frameMenu[2]->resize(Twips::paraPixels(Largura - 2 * EsquerdaPainel), Twips::paraPixels(AlturaEntrada));

    m_btMenu[0] = criaEntrada(m_frameMenu[1], 0, QStringLiteral("Buck Test"));
    m_btMenu[1] = criaEntrada(m_frameMenu[1], 1, QStringLiteral("PMU"));
    m_btMenu[1]->move(0, Twips::paraPixels(AlturaEntrada));
    m_btMenu[2] = criaEntrada(m_frameMenu[0], 2, QString());
    m_btMenu[3] = criaEntrada(m_frameMenu[2], 3, QString());

    // The captions of the two single entries sit on them and let the clicks through.
    auto legenda = [](QLabel* entrada, const QString& nome) {
        auto* l = new QLabel(entrada);
        l->setObjectName(nome);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->setGeometry(Twips::paraPixels(150), 0, entrada->width() - Twips::paraPixels(150), entrada->height());
        l->setStyleSheet(QStringLiteral("color: inherit; background: transparent;"));
        return l;
    };
    m_lbInfo0 = legenda(m_btMenu[2], QStringLiteral("lbInfo(0)"));
    m_lbInfo0->setText(QStringLiteral("Chestnut"));
    m_lbInfo2 = legenda(m_btMenu[3], QStringLiteral("lbInfo(2)"));

    m_frameBaixo = new QFrame(this);
    m_frameBaixo->setObjectName(QStringLiteral("FrameBaixo"));
    m_frameBaixo->setAttribute(Qt::WA_StyledBackground);

    traduz();
    ExibirMenu(0);
    hide();
}

QLabel* fmxMenu::criaEntrada(QWidget* painel, int indice, const QString& legenda)
{
    auto* b = new QLabel(legenda, painel);
    b->setObjectName(QStringLiteral("btMenu(%1)").arg(indice));
    b->setProperty("entrada", true);
    b->setAttribute(Qt::WA_Hover);
    b->setCursor(Qt::PointingHandCursor);
    b->resize(painel->width(), Twips::paraPixels(AlturaEntrada));
    b->installEventFilter(this);
    return b;
}

void fmxMenu::traduz()
{
    m_btMenu[0]->setToolTip(QStringLiteral("Buck Test"));
    m_btMenu[1]->setToolTip(QStringLiteral("PMU"));
    m_btMenu[2]->setToolTip(L(QStringLiteral("Tensões")) + QStringLiteral(" Chestnut"));
    m_btMenu[3]->setToolTip(L(QStringLiteral("TensoesRF")));
    m_lbInfo2->setText(L(QStringLiteral("TensoesRF")));
}

void fmxMenu::defineChipDisplay(const QString& rotulo)
{
    m_lbInfo0->setText(rotulo);
}

void fmxMenu::ExibirMenu(int tipo)
{
    const int mostrado = painelDoTipo(tipo);
    for (int p = 0; p < 3; ++p)
        m_frameMenu[p]->setVisible(p == mostrado);
    m_frameMenu[mostrado]->move(Twips::paraPixels(EsquerdaPainel), 0);
    const int altura = tipo == 0 ? 990 : 495;
    const int topoBaixo = tipo == 0 ? 960 : 480;
    resize(Twips::paraPixels(Largura), Twips::paraPixels(altura));
    m_frameBaixo->setGeometry(geometriaTwips(0, topoBaixo, Largura, AlturaBaixo));
}

void fmxMenu::clicaEntrada(int indice)
{
    QString nome;
    switch (indice) {
    case 0: nome = QStringLiteral("BuckTeste"); break;
    case 1: nome = QStringLiteral("PMU"); break;
    case 2:
        nome = m_lbInfo0->text() == QLatin1String("Chestnut") ? QStringLiteral("Chestnut")
                                                               : QStringLiteral("Acorn");
        break;
    case 3: nome = QStringLiteral("RFs_Esq"); break;
    default: return;
    }
    m_janelas.mostra(nome); // shown with the focus
    hide();
}

bool fmxMenu::eventFilter(QObject* objeto, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        for (int i = 0; i < 4; ++i)
            if (objeto == m_btMenu[i]) {
                clicaEntrada(i);
                return true;
            }
    return QFrame::eventFilter(objeto, e);
}
