#pragma once
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QMdiArea;
class QMenu;
class QToolButton;
class QWidget;

// Where the main window opens: maximised when its natural size (plus the frame the window
// manager adds) does not fit the screen's free area, else at that size in its centre.
struct PosicaoPrincipal {
    bool maximizada = false;
    QRect geometria; // when not maximised
};
PosicaoPrincipal PosicionaPrincipal(QSize natural, QRect disponivel);

// The top-left corner of a child window of size `janela` asked at `desejada`, moved so that
// the window lies inside an area of size `area`; a window larger than the area keeps its
// top-left corner in the area's (the area's scroll bars reach the rest).
QPoint PosicaoDentroDaArea(QPoint desejada, QSize janela, QSize area);

// The "Janelas" menu of the main window: the open tool windows (a click raises one), cascade
// and tile, closing the active one (Ctrl+F4) and moving between them (Ctrl+Tab,
// Ctrl+Shift+Tab). The shortcuts work anywhere in `anfitriao`'s window.
class MenuJanelas : public QObject {
    Q_OBJECT
public:
    MenuJanelas(QMdiArea* area, QWidget* anfitriao);
    QToolButton* botao() const { return m_botao; }
    // Captions in the current language.
    void traduz();

private:
    void monta();

    QMdiArea* m_area;
    QToolButton* m_botao;
    QMenu* m_menu;
};
