#pragma once
#include "db/LocalDados.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace Linha {

// Whoever starts the program builds where its data lives from the user folder (the one place
// that knows how): called once, with the absolute folder.
using PreparaDados = std::function<LocalDados(const QString& pasta)>;

// Runs a command of the line (diagnostico, portas) with a QCoreApplication already made and
// returns the exit status (OpcoesLinha.h). `pastaPadrao`: the user folder when --pasta is not
// given (the window's default).
int Executa(const QStringList& argumentos, const QString& pastaPadrao, const PreparaDados& prepara);

} // namespace Linha
