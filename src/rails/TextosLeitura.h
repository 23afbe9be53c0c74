#pragma once
#include <QString>
#include <optional>

// The text functions every measuring window uses. Readings travel as text: the phone prints
// millivolts with "." as decimal separator; inside these functions "," is the decimal
// separator of a number. None of them touches a control or the database.

// A millivolt reading ("1234.567") as volts with three decimals ("1.234"), by moving
// characters: the fraction is dropped, never rounded. A text without "." comes back as given.
QString ConverteMilivolts(const QString& valor);

// ConverteMilivolts(valor) appended to `destino` (a QString, or anything with
// append(QStringView)), for lists built one item at a time.
template <typename Destino>
void AcrescentaVolts(Destino& destino, QStringView valor)
{
    QStringView resto = valor;
    const bool negativo = resto.startsWith(u'-');
    if (negativo)
        resto = resto.sliced(1);

    // A plain search: a reading is a few characters, and lists call this once per line.
    qsizetype ponto = 0;
    while (ponto < resto.size() && resto[ponto] != u'.')
        ++ponto;
    if (ponto == resto.size()) {
        destino.append(valor);
        return;
    }

    const QStringView inteiro = resto.first(ponto); // whole millivolts; the fraction is dropped
    if (negativo)
        destino.append(QStringView(u"-"));
    switch (inteiro.size()) {
    case 1: destino.append(QStringView(u"0.00")); destino.append(inteiro); break;
    case 2: destino.append(QStringView(u"0.0")); destino.append(inteiro); break;
    case 3: destino.append(QStringView(u"0.")); destino.append(inteiro); break;
    case 4:
    case 5:
    case 6:
        destino.append(inteiro.first(inteiro.size() - 3));
        destino.append(QStringView(u"."));
        destino.append(inteiro.last(3));
        break;
    default: destino.append(inteiro); break; // none, or seven and more: not shifted
    }
}

// True when the phone printed a number: optional sign, digits, at most one "." or ",".
// Anything else ("TIMEOUT_ERR", "*787.000", "") is a word the phone printed, shown as it is.
bool NumeroImpresso(QStringView texto);

// "," and blanks become "."; the text is cut one character after its first ".".
QString FormataUmaDecimal(const QString& valor);

// "," and blanks become "."; the text is cut `casas` characters after its first "."
// (0 keeps the point at the end, -1 keeps only the whole part). "-0" becomes "0".
QString LimitaDecimais(const QString& valor, int casas);

// A voltage in volts ("12.345", from ConverteMilivolts) shown with `casas` decimals after its
// point, then " V": "12.3 V" with 1. A text without "." is kept whole. When nothing but zeros,
// points and a sign is left, "0 V".
QString TextoVolts(const QString& volts, int casas);

// A current as the phone prints it ("160.000", "2.5") shown with exactly `casas` decimals,
// "," as separator, then " mA": "160,000 mA", "2,50 mA", "123 mA" with 0. Missing decimals
// are written as zeros; extra ones are cut, never rounded.
QString TextoMiliamperes(const QString& impresso, int casas);

// Every blank removed (rail names are stored with and without blanks).
QString RemoveEspacos(const QString& texto);

// The outcome of CalculaPorcentagem: the percentage text (without "%") or why there is none.
struct Porcentagem {
    enum class Falha {
        Nenhuma,
        DivisaoPorZero, // reference 0 and a difference beyond the fixed small ones
        NaoNumero,      // one of the texts is not a number
    };
    QString texto;
    Falha falha = Falha::Nenhuma;

    bool ok() const { return falha == Falha::Nenhuma; }
    // The run-time error a failing conversion raises, for the standard error box.
    int numeroErro() const;
    QString descricaoErro() const;
};

// Percentage deviation of `leitura` from `referencia`: "." are removed from both and ","
// is the decimal separator, so volts with three decimals compare in millivolts.
// The result has "." and at most one decimal ("4.1", "-5.0", "100", "0"); a whole part of
// five characters or more comes whole, without decimal ("12345", "-2622", "1234567").
Porcentagem CalculaPorcentagem(const QString& leitura, const QString& referencia);

// A number written with "," as decimal separator, whatever the system locale: optional
// blanks around, optional sign, digits with at most one ",". std::nullopt when not a number.
std::optional<double> NumeroComVirgula(const QString& texto);

// A number with at most 15 significant digits, trailing zeros dropped, no exponent, ","
// as decimal separator ("4,16666666666667", "0,000001", "123456789012345000").
QString EscreveNumero(double valor);
