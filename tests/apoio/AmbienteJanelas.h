#pragma once
#include "Apoio.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"

#include <QMdiArea>
#include <QString>
#include <memory>

// The link and the window manager without the main window: an MDI area, every window
// registered, and the link opened straight on a device path (a bench board's pty) in the
// idle state "1", as after a handshake. For driving one window in-process.
class AmbienteJanelas {
public:
    explicit AmbienteJanelas(const ContextoAplicacao& contexto = ContextoTeste());
    ~AmbienteJanelas();
    // Opens the port at 115200,N,8,1 and sets the link idle; false when it cannot be opened.
    bool conecta(const QString& dispositivo, const QString& modelo = QStringLiteral("IP 7"),
                 const QString& numero = QStringLiteral("A1660"));
    // Waits (processing events) until the link is idle again; false on time-out.
    bool aguardaOcioso(int milissegundos = 30000);

    QMdiArea area;
    Ligacao ligacao;
    Sessao sessao;
    GerenciadorJanelas janelas;
};
