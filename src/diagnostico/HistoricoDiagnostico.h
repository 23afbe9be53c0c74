#pragma once
#include <QString>
#include <optional>

#include "db/LocalDados.h"
#include "diagnostico/ResultadoDiagnostico.h"

// The board history: every run of a board kept as JSON in one file per model, regulatory
// number and board label, in "historico" inside the reports folder, oldest run first.

// "<reports folder beside dados.banco>/historico/<model>_<number>_<label>.json", each part as ParteNomeArquivo
// makes it; a part too long for a file name is cut and ends with a digest of the whole.
QString ArquivoHistorico(const LocalDados& dados, const QString& modelo, const QString& numero, const QString& etiqueta);

// The last run stored for the board (with `soCompleta`, the last one that ran every step);
// nothing when there is none or the file cannot be read.
std::optional<ExecucaoDiagnostico> UltimaExecucao(const LocalDados& dados, const QString& modelo,
                                                  const QString& numero, const QString& etiqueta,
                                                  bool soCompleta = false);

// "<file>.danificado", or "<file>.danificado-2", "-3"... the first name not taken.
QString NomeLivreDanificado(const QString& arquivo);

// Appends the run to its board's file (written whole to a temporary file and renamed, so an
// interrupted write never loses the runs before it). A file that is not the history's JSON (not
// JSON, or JSON without its list of runs) is set aside under
// NomeLivreDanificado (its name in *danificado) and a new one started. False with *erro when
// the run was not stored.
bool GuardaExecucao(const LocalDados& dados, const ExecucaoDiagnostico& e, QString* erro = nullptr, QString* danificado = nullptr);
