#pragma once
#include "rails/RelatorioMalhas.h"
#include "reports/ArquivoRelatorio.h"

#include <QList>
#include <QString>
#include <optional>

// Builds and publishes the report of a rail window (PublicaRelatorio, page "index", with the
// application's `dados`): familia 0
// is the VCore window (rail names sent, their numbers removed), 1 or 2 the Buck and LDO
// window. Asks the report name first; cancelling writes and opens nothing and returns
// std::nullopt.
std::optional<RelatorioPublicado> GeraRelatorioMalhas(const LocalDados& dados, int familia,
                                                      const QList<LinhaRelatorio>& linhas,
                                                      const QString& modelo, const QString& numero,
                                                      const QString& host = QStringLiteral(VEXADOR_HOST_RELATORIO));
// The same from the grid's query (the rows the window shows, in its order and filter).
std::optional<RelatorioPublicado> GeraRelatorioMalhas(const LocalDados& dados, int familia,
                                                      const ConsultaMaster& consultaDaGrade,
                                                      const QString& modelo, const QString& numero,
                                                      const QString& host = QStringLiteral(VEXADOR_HOST_RELATORIO));
