#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "shell/RegrasTroca.h"
#include "veredito/Veredito.h"

// The battery test's rules: the two commands, the property cut of the gas-gauge answer, the
// health computed from the design and present capacities, and the eight values shown.
namespace ModuloBateria {

inline const QString ComandoPropriedades = QStringLiteral("battery --properties");
inline const QString ComandoGasGauge = QStringLiteral("device  --key GasGauge -p"); // two blanks
// The gauge pauses long before its prompt: its answer ends with the prompt, whichever poll
// brings it.
constexpr RegrasTroca::RegraFim RegraGasGauge = RegrasTroca::RegraFim::AtePrompt;
constexpr int NumeroValores = 8;

// The heading keys of the eight values, in order.
const QStringList& ChavesTitulos();

// A property's value: the text from two characters after the label up to two characters before
// the CR that ends its line, followed by one blank. "*" and *faltou = true when the label or
// the CR is missing.
QString ExtraiPropriedade(const QString& texto, const QString& rotulo, bool* faltou = nullptr);

// The health: nominal / (design / 100), rounded down, & " %". "*" when a capacity line is
// missing (*faltou = true only for a missing design capacity); "" when a capacity is not a number
// or the design capacity is 0, or the health is too large to be written.
QString CalculaSaude(const QString& texto, bool* faltou = nullptr);

// The note shown when a value is missing: "* " & upper case of "not available for this model"
// where the model's profile says its battery values are incomplete (the "IP 6" family), of
// "no reading" on the others.
QString NotaFalta(const QString& modelo);

// The eight values of a gas-gauge answer and whether the note shows.
// The values have no reference to be compared with: each one is not graded, or no reading
// when its line is missing ("*") or the health cannot be computed from it ("").
struct Valores {
    QStringList info;    // Info(0) .. Info(7)
    QList<Veredito> vereditos; // one per value
    bool nota = false;   // lbVar visible
};
Valores Organiza(const QString& texto);

} // namespace ModuloBateria
