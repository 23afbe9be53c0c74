#pragma once
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

#include "db/LocalDados.h"

// A report is a file the technician keeps: one HTML page with its data inside (no query
// string, which desktop openers drop from a file address), written to "relatorios" beside the
// database and opened with the desktop's browser. A PDF of the same page is printed beside it
// when a headless browser is installed. With a report host set at build time, the host's
// address is opened instead and no file is written.

// "<folder of the database `banco`>/relatorios".
QString PastaRelatorios(const QString& banco);

// A part of a file name: trimmed, and every run of characters that do not belong in a file
// name (anything but letters, digits, ".", "_", "+" and "-") becomes one "-".
QString ParteNomeArquivo(const QString& parte);

// "<model>_<regulatory number>_<window>_<yyyyMMdd-HHmmss>.html"; characters that do not
// belong in a file name become "-", an empty part is left out.
QString NomeArquivoRelatorio(const QString& modelo, const QString& numero, const QString& janela,
                             const QDateTime& quando);

// The page `pagina` ("index", "chest", "acorn") of the relatorio folder of application folder
// `pastaAplicacao` with
// `consulta` (the report's query text, values percent-encoded) placed inside it. Empty when
// the page cannot be read.
QString PaginaComDados(const QString& pastaAplicacao, const QString& pagina, const QString& consulta);

// The headless browser that prints PDFs (chromium, chromium-browser, google-chrome), or "".
// VEXADOR_NAVEGADOR names another (an empty value: none).
QString NavegadorSemJanela();

// The PDFs printed beside reports. The browser runs in the background with a private
// temporary profile, removed when it ends; a PDF counts as made only once the browser has
// ended and the file reads as a whole PDF. A broken one is removed.
class ImpressoesPdf : public QObject {
    Q_OBJECT
public:
    enum class Estado { Nenhum, EmPreparo, Pronto, Falhou };
    // How long the browser may take for one page.
    static constexpr int LimiteSegundos = 120;

    static ImpressoesPdf& instancia();
    // Starts printing `html` to `pdf`; false when no headless browser is installed.
    bool imprime(const QString& html, const QString& pdf);
    Estado estado(const QString& pdf) const;
    // Why it could not be made, in the program's language ("" unless Falhou).
    QString motivo(const QString& pdf) const;

signals:
    // The browser for `pdf` has ended: estado() is Pronto or Falhou.
    void terminada(const QString& pdf);

private:
    using QObject::QObject;
    void termina(const QString& pdf, const QString& motivo);
    QHash<QString, QString> m_motivos; // pdf -> "" while in preparation or when made
    QHash<QString, Estado> m_estados;
};

// "" when `pdf` reads as a whole PDF (its header and its end-of-file mark), else why not.
QString ConfereArquivoPdf(const QString& pdf);

struct RelatorioPublicado {
    QString arquivo;  // the HTML file written; "" with a report host or when writing failed
    QString pdf;      // the PDF being printed beside it (ImpressoesPdf tells when it is made);
                      // "" without a headless browser
    QString aberto;   // what is handed to the desktop (file path or address); "" when nothing
    bool abriu = false;
    QString erro;     // the file that could not be written and why: "<file>\n<reason>"
};

// Writes the report file named for `quando` (page from dados.pasta, file beside dados.banco) and
// starts its PDF (see above); with a report
// host, writes nothing and gives the host's address to open. Opens nothing (the windows do).
RelatorioPublicado EscreveRelatorio(const LocalDados& dados, const QString& pagina, const QString& consulta,
                                    const QString& modelo,
                                    const QString& numero, const QString& janela, const QDateTime& quando,
                                    const QString& host = QStringLiteral(VEXADOR_HOST_RELATORIO));

// Writes a whole page the program built (`html`) as the report of `janela`, named for
// `quando`, and starts its PDF. Opens nothing.
RelatorioPublicado EscrevePagina(const LocalDados& dados, const QString& html, const QString& modelo, const QString& numero,
                                 const QString& janela, const QDateTime& quando);

// The name a report is made for (Tools.Nome of the first row of database `banco`, asked before
// each report):
// "" on any error.
QString LeNomeRelatorio(const QString& banco);
// Sets Tools.Nome of the first row; a missing row stores nothing. False when not stored.
bool GravaNomeRelatorio(const QString& banco, const QString& nome);
