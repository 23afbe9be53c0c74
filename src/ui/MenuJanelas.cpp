#include "ui/MenuJanelas.h"

#include "i18n/Dicionario.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QIcon>
#include <QShortcut>
#include <QToolButton>

namespace {
// Room the window manager's title bar and borders take around the natural size.
constexpr int MolduraLargura = 16;
constexpr int MolduraAltura = 40;
// Two overlapping windows: the picture of the menu, small enough for the crowded bar.
QIcon desenhaIcone()
{
    QPixmap p(20, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setPen(QPen(QColor(0x40, 0x55, 0x70), 1.2));
    for (const QRect& r : {QRect(1, 1, 12, 9), QRect(6, 5, 12, 9)}) {
        g.setBrush(Qt::white);
        g.drawRect(r);
        g.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 1, 2), QColor(0x4f, 0x7d, 0xa6));
    }
    return QIcon(p);
}
} // namespace

PosicaoPrincipal PosicionaPrincipal(QSize natural, QRect disponivel)
{
    PosicaoPrincipal p;
    if (natural.width() + MolduraLargura > disponivel.width()
        || natural.height() + MolduraAltura > disponivel.height()) {
        p.maximizada = true;
        p.geometria = disponivel;
        return p;
    }
    p.geometria = QRect(QPoint(0, 0), natural);
    p.geometria.moveCenter(disponivel.center());
    return p;
}

QPoint PosicaoDentroDaArea(QPoint desejada, QSize janela, QSize area)
{
    const int x = qBound(0, desejada.x(), qMax(0, area.width() - janela.width()));
    const int y = qBound(0, desejada.y(), qMax(0, area.height() - janela.height()));
    return {x, y};
}

MenuJanelas::MenuJanelas(QMdiArea* area, QWidget* anfitriao)
    : QObject(anfitriao), m_area(area), m_botao(new QToolButton(anfitriao)), m_menu(new QMenu(m_botao))
{
    m_botao->setObjectName(QStringLiteral("btJanelas"));
    m_menu->setObjectName(QStringLiteral("MenuJanelas"));
    m_botao->setMenu(m_menu);
    m_botao->setPopupMode(QToolButton::InstantPopup);
    m_botao->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_botao->setAutoRaise(true);
    m_botao->setIcon(desenhaIcone());
    m_botao->setFixedSize(26, 22);
    connect(m_menu, &QMenu::aboutToShow, this, &MenuJanelas::monta);

    const auto atalho = [anfitriao](const QKeySequence& teclas, auto acao) {
        auto* s = new QShortcut(teclas, anfitriao);
        s->setContext(Qt::WindowShortcut);
        QObject::connect(s, &QShortcut::activated, anfitriao, acao);
        // The sub-windows' own system menus also claim Ctrl+F4: the window's shortcut wins.
        QObject::connect(s, &QShortcut::activatedAmbiguously, anfitriao, acao);
    };
    atalho(QKeySequence(Qt::CTRL | Qt::Key_F4), [area] { area->closeActiveSubWindow(); });
    atalho(QKeySequence(Qt::CTRL | Qt::Key_Tab), [area] { area->activateNextSubWindow(); });
    atalho(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [area] { area->activatePreviousSubWindow(); });
    atalho(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [area] { area->activatePreviousSubWindow(); });
    traduz();
}

void MenuJanelas::traduz()
{
    m_botao->setText(L(QStringLiteral("Janelas")));
    m_botao->setToolTip(L(QStringLiteral("Janelas")) + QStringLiteral(" (F6, Ctrl+Tab, Ctrl+F4)"));
}

void MenuJanelas::monta()
{
    m_menu->clear();
    const QList<QMdiSubWindow*> abertas = m_area->subWindowList(QMdiArea::StackingOrder);
    QMdiSubWindow* ativa = m_area->activeSubWindow();
    for (QMdiSubWindow* sub : abertas) {
        QAction* a = m_menu->addAction(sub->windowTitle());
        a->setCheckable(true);
        a->setChecked(sub == ativa);
        a->setObjectName(sub->widget() ? sub->widget()->objectName() : QString());
        connect(a, &QAction::triggered, m_area, [area = m_area, sub] {
            sub->showNormal();
            area->setActiveSubWindow(sub);
        });
    }
    if (!abertas.isEmpty())
        m_menu->addSeparator();
    const bool tem = !abertas.isEmpty();
    QAction* cascata = m_menu->addAction(L(QStringLiteral("Cascata")), m_area, &QMdiArea::cascadeSubWindows);
    QAction* lado = m_menu->addAction(L(QStringLiteral("Lado a lado")), m_area, &QMdiArea::tileSubWindows);
    // The keys are shown in the caption only: the window's own shortcuts do the work.
    const auto comTeclas = [](const QString& texto, const QKeySequence& teclas) {
        return texto + QLatin1Char('\t') + teclas.toString(QKeySequence::NativeText);
    };
    QAction* fecha = m_menu->addAction(comTeclas(L(QStringLiteral("Fechar janela")), QKeySequence(Qt::CTRL | Qt::Key_F4)),
                                       m_area, &QMdiArea::closeActiveSubWindow);
    QAction* proxima = m_menu->addAction(comTeclas(L(QStringLiteral("Próxima janela")), QKeySequence(Qt::CTRL | Qt::Key_Tab)),
                                         m_area, &QMdiArea::activateNextSubWindow);
    for (QAction* a : {cascata, lado, fecha, proxima})
        a->setEnabled(tem);
    cascata->setObjectName(QStringLiteral("Cascata"));
    lado->setObjectName(QStringLiteral("LadoALado"));
}
