#pragma once
#include <QFrame>

class QLabel;

// The tips window: which box model number fits which serial box. Shown over the main
// window's background while the mouse is on the port frame and the link is down; any mouse
// movement over it closes it.
class Dicas : public QFrame {
    Q_OBJECT
public:
    explicit Dicas(QWidget* pai);

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QFrame* m_frameCima = nullptr;
    QFrame* m_frame1 = nullptr;
    QFrame* m_frameBaixo = nullptr;
    QLabel* m_lbInfo[5] = {};
};
