#pragma once
#include <QWidget>

class Inicial;
class QTimer;

// The background-clearing window: after a resize it covers the main window's background in
// the background's colour for one short moment and closes again, so the background is drawn
// anew; it also clears the main window's LimparLogo.
class zLimpa : public QWidget {
    Q_OBJECT
public:
    explicit zLimpa(Inicial& principal);

    QTimer* Timer1 = nullptr;
};
