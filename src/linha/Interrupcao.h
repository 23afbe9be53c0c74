#pragma once
#include <QObject>

class QSocketNotifier;

// SIGINT (Ctrl+C) and SIGTERM told as a signal of the event loop: the handler only writes a
// byte to a pipe, so whatever the program was doing ends its step before it hears it.
// One object at a time; the default handling comes back when it is destroyed.
class Interrupcao : public QObject {
    Q_OBJECT
public:
    explicit Interrupcao(QObject* pai = nullptr);
    ~Interrupcao() override;

signals:
    void recebida();

private:
    QSocketNotifier* m_aviso = nullptr;
};
