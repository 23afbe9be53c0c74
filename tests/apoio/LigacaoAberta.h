#pragma once
#include "shell/RegrasTroca.h"

#include <QString>

class Ligacao;

// Opens the link's port straight on a device path (a bench board's or a test's pty) at
// 115200,N,8,1 and sets the link idle ("1"), as after a handshake. False when it cannot open.
bool AbreLigacao(Ligacao& ligacao, const QString& dispositivo);

#include <functional>

// A test that talks to the link without a window: the answers of its exchanges are routed by
// requester code, as the window manager routes a window's.
using EntregaDeTeste = std::function<void(const QString& R, const QString& A)>;
void registraEntrega(Ligacao& ligacao, const QString& codigo, EntregaDeTeste entrega);
void registraEspelho(Ligacao& ligacao, const QString& codigo, EntregaDeTeste espelho);
// Asks for `comando` under `codigo` (mirrored when asked); false when the link refused.
bool solicita(Ligacao& ligacao, const QString& codigo, const QString& comando, bool espelhada = false);
// The same with the answer ended by `regra` instead of the command's usual rule.
bool solicita(Ligacao& ligacao, const QString& codigo, const QString& comando, RegrasTroca::RegraFim regra,
              bool espelhada = false);
