#pragma once
#include <QList>
#include <QString>
#include <optional>

#include "veredito/Veredito.h"

// The phone's own buck tests ("buck" and "buckcheck <tolerance>") turned into list items, and
// the texts of the buck check window that do not depend on a widget. Positions follow the
// window's rules, read inside one line of the answer: a line never borrows the "mV" of a
// later one.

// Icons of the result lists.
enum class IconeBuck { Passou = 1, Falhou = 2, Leitura = 3 };

struct ItemBuck {
    QString texto;
    IconeBuck icone = IconeBuck::Leitura;
    bool operator==(const ItemBuck&) const = default;
};
Q_DECLARE_TYPEINFO(ItemBuck, Q_RELOCATABLE_TYPE); // a QString and a number: moved as bytes

// Parse mode: 1 "buck", 2 "buckcheck".
enum class ModoBuck { Buck = 1, Buckcheck = 2 };

// "buck": every line with a ":" is one output, numbered from 0 when the text contains "buck0",
// else from 1; when "mV" follows its first ":" it gives "   buck<n> voltage: <volts> V" (plain
// icon), otherwise no item (the number stays taken). A text that contains "measured" (a
// buckcheck answer) gives nothing.
QList<ItemBuck> ListaBuck(const QString& texto);

// "buckcheck": every line with a "target" is one output (numbered as above); when it holds
// "target" ... "mV" ... "measured" ... "mV" <3 chars> <verdict> it gives
// "   buck<n>: <L(Referência)>: <target> V - <L(Leitura)>:  <measured> V : <verdict>",
// pass icon for "PASS", fail icon otherwise.
QList<ItemBuck> ListaBuckcheck(const QString& texto);

QList<ItemBuck> ListaPorModo(ModoBuck modo, const QString& texto);

// A target in whole millivolts as volts by its number of digits, in a field of exactly five
// characters ("5" -> "0.005", "1234" -> "1.234", "12345" -> "12.34", "80" -> "0.080").
QString AlvoEmVolts(const QString& milivolts);

// The output an item names, as the list numbers it ("buck1").
QString SaidaDoItem(const ItemBuck& item);

// The verdict of a list item on the model: the phone's PASS or FAIL, except on an output that
// gives no value in purple mode on that model (its GPU and camera bucks, which read 0 V), which
// is not measurable whatever the phone said, as the rail windows grade the same outputs. A
// plain reading ("buck") is not graded.
Veredito VereditoBuck(const ItemBuck& item, const QString& modelo);

// The answer is worth parsing: not empty and it holds the prompt's "[".
bool RespostaBuckCompleta(const QString& txtDados);

// The command of a button: "buck", or "buckcheck " + the tolerance without blanks when it is
// a number from 1 to 99; std::nullopt (nothing is sent) otherwise.
std::optional<QString> ComandoBuck(ModoBuck modo, const QString& tolerancia);

// lbInfoBucks: the outputs that read zero in purple mode on the model, each line preceded by
// CR LF, then two CR LF, three blanks and the note L("VAR4") / L("VAR3").
QString TextoInfoBucks(const QString& modelo);
