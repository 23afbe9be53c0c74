#pragma once
#include <QString>

// The text rules of the command console and of the command help window.
namespace RegrasConsole {

// Right-click on the history button: toggles a "help " prefix on the command text.
// With "help" in it (case-sensitive): every "help" and every blank removed, one blank added.
// Otherwise "help " followed by the text up to and including its first blank (or all of it).
QString AlternaPrefixoHelp(const QString& comando);

// A command the user wants to save: not empty and without an apostrophe.
bool ComandoSalvoValido(const QString& comando);

// The device's buttons test, whose results show on the device screen (any letter case).
bool EhTesteBotoes(const QString& comando);
// Commands whose long answers are mirrored into the console while they grow.
bool EspelhaAoVivo(const QString& comando);
// An answer to a "help" command also goes beside the history (first four characters).
bool EhComandoHelp(const QString& comando);

// File name of the command reference of a language (1 pt, 2 en, 3 es); "" for any other.
QString PdfDeAjuda(int idioma);

// The command picked by a double click in the help text: a selection with a double quote
// is cut after the first double quote at or after its third character (nothing when there
// is none), then every double quote is removed.
QString ComandoDaSelecao(QString selecao);

// A stored text after the user edited the text box that shows it. The box shows the text
// without its carriage returns (`exibidoAntes`); `exibidoDepois` is the box after the edit.
// Only the edited span changes: the stored line endings around it (CR LF, CR CR LF, a lone
// CR or LF) stay byte for byte. A line break the user typed takes the ending of the line it
// was typed in.
QString AplicaEdicao(const QString& guardado, const QString& exibidoAntes, const QString& exibidoDepois);

// A stored text as a text box shows it: each CR LF one line break, a lone CR dropped.
QString ComoExibido(QString texto);

// The word a double click selects at a position (0-based) of a text: the run of characters
// around it up to the nearest blanks or line breaks. "" on a blank.
QString PalavraNaPosicao(const QString& texto, int posicao, int* inicio = nullptr);

// The console's history with a new answer on top: `novo` CR LF `anterior`, kept within
// `limite` characters by dropping the oldest lines at the bottom (never part of a line,
// unless the new answer alone is longer).
QString HistoricoComNovaResposta(const QString& novo, const QString& anterior, qsizetype limite);

} // namespace RegrasConsole
