#pragma once
#include <QWidget>

// The splash shown while the program starts; it closes when the main window has loaded.
class xScreen : public QWidget {
    Q_OBJECT
public:
    explicit xScreen(QWidget* pai = nullptr);
};
