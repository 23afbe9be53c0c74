#pragma once
#include <QLocale>
#include <QString>
#include <optional>

#include "diagnostico/ResultadoDiagnostico.h"

// The diagnosis as one self-contained HTML page in the program's language: the failures first,
// then what changed since the previous run of the same board, the counts of every subsystem,
// each voltage rail's deviation drawn against its tolerance band, every item, and the readings
// that were not run.
// `notaAnterior` (NotaAnterior) is shown with the comparison. The page prints on A4 unless
// the locale (QLocale(), the system's unless set) uses Letter (PapelCarta).
QString PaginaDiagnostico(const ExecucaoDiagnostico& atual,
                          const std::optional<ExecucaoDiagnostico>& anterior = std::nullopt,
                          const QString& notaAnterior = QString());

// True where the paper is Letter (the Americas' Letter countries and the Philippines).
bool PapelCarta(const QLocale& local);

// The deviation picture alone (an inline SVG), "" when no rail has a deviation.
QString GraficoDesvios(const QList<ItemDiagnostico>& itens);
