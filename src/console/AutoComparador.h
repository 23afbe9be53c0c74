#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The auto comparator: decides whether a live console answer is the answer recorded from a
// good board, once the parts that differ from board to board are masked in the live text.
namespace AutoComparacao {

// What a masked fragment becomes, in the recordings and in the live text.
inline const QString MascaraAutoComparador = QStringLiteral("xxxxx\u00AE");

// A fragment as stored in table M, without its marker tokens ('jox', 'nas', 'ins').
QString LimpaFragmento(QString fragmento);

// The live text with every occurrence of every fragment (in the given order, markers
// removed) replaced by the mask, matching without regard to case.
QString MascaraTexto(QString texto, const QStringList& fragmentos);

// The live text as it is compared: masked, without the trailing prompt line (26 characters,
// only when "] :-) " comes after the first character) and without the leading line break.
QString TextoComparavel(const QString& console, const QStringList& fragmentos);

// True when the badge shows: the comparable live text is found in the recording at the
// second character or later (case-insensitive).
bool Confere(const QString& console, const QString& gravado, const QStringList& fragmentos);

// Where a live answer and the recording part, line by line, for the console to mark.
struct Diferencas {
    // Lines of the live answer (0-based, counted as the console shows them: RegrasConsole::ComoExibido) that the recording does not hold in that place.
    QList<int> linhasDoVivo;
    // Lines of the recording, counted the same way, that the live answer lacks or changed.
    QList<int> linhasDaGravacao;
    // The differences counted as a technician reads them: a changed line is one, a line only
    // on one side is one (in each place the two sides part, the longer side's lines).
    int quantas = 0;
};

// The live answer against the recording, line by line: both masked as the auto comparator masks
// the live text, compared without regard to case or trailing blanks, matched in order (longest
// common run of lines). A measured value (a number with a decimal point) matches one within
// 10 % of it, or within 5 near zero when it is in mV or mA: two good boards never print the
// same millivolts, and a mark on every reading would hide the one that is off. Blank lines and the device prompt line ("] :-) ") are not compared:
// the echo removal and the board's own prompt leave them different on every board.
Diferencas ComparaLinhas(const QString& console, const QString& gravado, const QStringList& fragmentos);

// The fragments of table M of a database, in descending text order; std::nullopt when the
// database or the table cannot be read.
std::optional<QStringList> CarregaFragmentos(const QString& caminhoBanco);

} // namespace AutoComparacao
