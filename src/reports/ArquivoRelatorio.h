#pragma once
#include <QDateTime>
#include <QString>

// A report is a file the technician keeps: one HTML page with its data inside (no query
// string, which desktop openers drop from a file address), written to "relatorios" beside the
// database and opened with the desktop's browser. A PDF of the same page is printed beside it
// when a headless browser is installed. With a report host set at build time, the host's
// address is opened instead and no file is written.

// "<folder of the database>/relatorios".
QString PastaRelatorios();

// A part of a file name: trimmed, and every run of characters that do not belong in a file
// name (anything but letters, digits, ".", "_", "+" and "-") becomes one "-".
QString ParteNomeArquivo(const QString& parte);

// "<model>_<regulatory number>_<window>_<yyyyMMdd-HHmmss>.html"; characters that do not
// belong in a file name become "-", an empty part is left out.
QString NomeArquivoRelatorio(const QString& modelo, const QString& numero, const QString& janela,
                             const QDateTime& quando);

// The page `pagina` ("index", "chest", "acorn") of the application's relatorio folder with
// `consulta` (the report's query text, values percent-encoded) placed inside it. Empty when
// the page cannot be read.
QString PaginaComDados(const QString& pagina, const QString& consulta);

// The headless browser that prints PDFs (chromium, chromium-browser, google-chrome), or "".
// VEXADOR_NAVEGADOR names another (an empty value: none).
QString NavegadorSemJanela();

struct RelatorioPublicado {
    QString arquivo;  // the HTML file written; "" with a report host or when writing failed
    QString pdf;      // the PDF being printed beside it; "" without a headless browser
    QString aberto;   // what was handed to the desktop (file path or address)
    bool abriu = false;
    QString erro;     // why the file could not be written
};

// Writes and opens the report (see above). Every failure is told through the dialog seam in
// the program's language: a file that cannot be written (with the reason), nothing able to
// open it (with its path).
RelatorioPublicado PublicaRelatorio(const QString& pagina, const QString& consulta,
                                    const QString& modelo, const QString& numero,
                                    const QString& janela,
                                    const QString& host = QStringLiteral(VEXADOR_HOST_RELATORIO));

// Writes a whole page the program built (`html`) as the report of `janela`, prints its PDF and
// opens it, as PublicaRelatorio does with a bundled page.
RelatorioPublicado PublicaPagina(const QString& html, const QString& modelo, const QString& numero,
                                 const QString& janela);

// Opens a document (a PDF guide, the reports folder) with the desktop; when nothing opens
// it, tells the technician so with the path. True when it was opened.
bool AbreDocumento(const QString& caminho);
