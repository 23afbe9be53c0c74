#pragma once
#include <QList>
#include <QPair>
#include <QString>

// The channels of the PMU ADC ("pmuadc --read all"): channel code (Master.RefT) to the label
// that starts the channel's line, and the extraction of one channel's reading from an answer.
//
// Answer line, as the parser reads it and the bench board writes it (LinhaAdc):
//   <label> <value> <unit>        e.g. "BIST buck3: 1234.567 mV", "ibuck0: 123.456 mA"
// one blank after the label, one after the value; the value uses "." as decimal separator;
// only the unit's second character is looked at: "V" is a voltage, anything else a current.

// The 72 known codes with their labels, in code order ("0" -> "BIST buck0:", ...).
QList<QPair<QString, QString>> TabelaRotulosAdc();

// Label of a code, compared as text; "" for a code outside the table (the window says so).
QString RotuloAdc(const QString& codigo);

// True for the current channels (ibuck, ildo, ibuf): their lines carry "mA".
bool CanalCorrenteAdc(const QString& codigo);

// One answer line, without line ending, for a code of the table: label, blank, value, blank,
// unit ("mA" for current channels, "mV" otherwise). "" for a code outside the table.
QString LinhaAdc(const QString& codigo, const QString& valor);
// The same with an explicit unit text.
QString LinhaAdc(const QString& codigo, const QString& valor, const QString& unidade);

// The phone's millivolt text for a voltage in volts written with "." ("1.234" -> "1234.000").
QString MilivoltsDeVolts(const QString& volts);

struct LeituraAdc {
    enum class Unidade { Nenhuma, Volts, Miliamperes };
    QString texto;                      // volts "1.234" / milliamperes "123,45" / the marker
    QString impresso;                   // the value as the phone printed it ("123.456")
    Unidade unidade = Unidade::Nenhuma; // Nenhuma: the label was not found
    bool encontrada() const { return unidade != Unidade::Nenhuma; }
};

// "*" followed by the dictionary text of "Sem Medição".
QString MarcaSemMedicao();

// The same in a given language (1 pt, 2 en, 3 es).
QString MarcaSemMedicao(int idioma);

// Takes the reading of `rotulo` out of `resposta` (the whole answer, searched at once,
// case-sensitively, first occurrence). A voltage comes back as ConverteMilivolts of the
// value; a current loses its last printed character and gets "," for ".". An empty label,
// a label absent from the answer or a value with no blank after it (a cut answer) gives the
// marker MarcaSemMedicao() (of `idioma` when given).
LeituraAdc ExtraiLeituraAdc(const QString& resposta, const QString& rotulo);
LeituraAdc ExtraiLeituraAdc(const QString& resposta, const QString& rotulo, int idioma);
