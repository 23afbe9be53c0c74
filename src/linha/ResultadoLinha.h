#pragma once
#include <QJsonObject>
#include <QString>
#include <optional>

#include "diagnostico/ResultadoDiagnostico.h"

// What a diagnosis from the command line gives a script: its exit status and its result as
// JSON (the README describes the layout).
namespace Linha {

// 0 every item passed; 1 something failed; 2 incomplete (stopped early, a step without answer,
// a reading missing). A run that stopped early is 2 even when it had found a failure: the board
// was not read whole.
int SaidaDaExecucao(const ExecucaoDiagnostico& e);

struct Publicacao {
    QString pagina;     // the page written ("" none: --sem-pagina or it could not be written)
    QString pdf;        // the PDF beside it once made ("" none)
    QString historico;  // the board's history file ("" when the run could not be stored)
};

// The result: the run (model, number, label, start, duration, how it ended), every item, the
// counts by verdict and by subsystem, what went from fail to pass and from pass to fail since
// the run compared with (`anterior`), and where the page and the history are.
QJsonObject ResultadoJson(const ExecucaoDiagnostico& e, const std::optional<ExecucaoDiagnostico>& anterior,
                          const QString& notaAnterior, const Publicacao& publicacao);

} // namespace Linha
