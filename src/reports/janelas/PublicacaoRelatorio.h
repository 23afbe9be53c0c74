#pragma once
#include "reports/ArquivoRelatorio.h"

#include <QList>
#include <QString>
#include <optional>

// What the technician is asked and told around a report.

// Writes the report (EscreveRelatorio, named for the clock's now) and opens it. Every failure
// is told in the program's language: a file that cannot be written (with the reason),
// nothing able to open it (with its path).
RelatorioPublicado PublicaRelatorio(const LocalDados& dados, const QString& pagina, const QString& consulta,
                                    const QString& modelo, const QString& numero,
                                    const QString& janela,
                                    const QString& host = QStringLiteral(VEXADOR_HOST_RELATORIO));

// Tells a report that could not be written (with the reason), else opens it; what
// PublicaRelatorio does once the file is written.
RelatorioPublicado AbreRelatorioEscrito(RelatorioPublicado r);

// Opens a document (a report, a PDF guide, the reports folder) with the desktop; when nothing
// opens it, tells the technician so with the path. True when it was opened.
bool AbreDocumento(const QString& caminho);

// Asks the report name (L("DIGITE SEU NOME"), title L("Relatório") & " - PDF", default the
// name stored in database `banco`) and stores the answer, an empty one too. std::nullopt when cancelled (nothing
// stored).
std::optional<QString> PerguntaNomeRelatorio(const QString& banco);
