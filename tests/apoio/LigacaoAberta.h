#pragma once
#include <QString>

class Ligacao;

// Opens the link's port straight on a device path (a bench board's or a test's pty) at
// 115200,N,8,1 and sets the link idle ("1"), as after a handshake. False when it cannot open.
bool AbreLigacao(Ligacao& ligacao, const QString& dispositivo);
