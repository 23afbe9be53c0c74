#include "rails/TextosLeitura.h"

#include <QLocale>
#include <charconv>
#include <cmath>

QString ConverteMilivolts(const QString& valor)
{
    QString volts;
    AcrescentaVolts(volts, QStringView(valor));
    return volts;
}

namespace {
QString trocaSeparadores(QString t)
{
    for (QChar& c : t) {
        if (c == QLatin1Char(',') || c == QLatin1Char(' '))
            c = QLatin1Char('.');
    }
    return t;
}
} // namespace

bool NumeroImpresso(QStringView t)
{
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        ++i;
    qsizetype digitos = 0;
    bool separador = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            ++digitos;
        } else if ((c == u'.' || c == u',') && !separador) {
            separador = true;
        } else {
            return false;
        }
    }
    return digitos > 0;
}

QString FormataUmaDecimal(const QString& valor)
{
    const QString t = trocaSeparadores(valor);
    const qsizetype ponto = t.indexOf(QLatin1Char('.'));
    return ponto < 0 ? t : t.left(ponto + 2);
}

QString LimitaDecimais(const QString& valor, int casas)
{
    QString t = trocaSeparadores(valor);
    const qsizetype ponto = t.indexOf(QLatin1Char('.'));
    if (ponto >= 0) {
        // Keep the first p + casas characters, p counted from 1.
        const qsizetype manter = ponto + 1 + casas;
        t = t.left(qMax<qsizetype>(0, manter));
    }
    if (t == QLatin1String("-0"))
        t = QStringLiteral("0");
    return t;
}

QString TextoVolts(const QString& volts, int casas)
{
    // Cut after the point, not by a count of characters: "12.345" keeps both whole digits.
    const qsizetype ponto = volts.indexOf(QLatin1Char('.'));
    const QString mantida = ponto < 0 ? volts : volts.left(ponto + 1 + qMax(0, casas));
    QString resto = mantida;
    resto.remove(QLatin1Char('0'));
    resto.remove(QLatin1Char('.'));
    if (resto.isEmpty() || resto == QLatin1String("-"))
        return QStringLiteral("0 V");
    return mantida + QStringLiteral(" V");
}

QString TextoMiliamperes(const QString& impresso, int casas)
{
    QString t = impresso;
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    const qsizetype virgula = t.indexOf(QLatin1Char(','));
    const QString inteiro = virgula < 0 ? t : t.left(virgula);
    if (casas <= 0)
        return inteiro + QStringLiteral(" mA");
    const QString fracao = virgula < 0 ? QString() : t.mid(virgula + 1);
    return inteiro + QLatin1Char(',') + fracao.left(casas).leftJustified(casas, QLatin1Char('0'))
        + QStringLiteral(" mA");
}

QString RemoveEspacos(const QString& texto)
{
    QString t = texto;
    t.remove(QLatin1Char(' '));
    return t;
}

namespace {
// Enough significant digits to round any decimal to the nearest double: beyond them only
// whether some later digit is not zero can move the result.
constexpr qsizetype DigitosSignificativos = 800;
// A whole part longer than this is far beyond a double's range, a fraction that starts with
// more zeros far below its smallest value: both convert as they would in full.
constexpr qsizetype ZerosOuDigitosAlemDoDouble = 400;

// A checked number (sign, digits, at most one ",") as the C locale reads it, with the same
// value once converted but at most some hundreds of characters: leading zeros dropped, the
// digits past DigitosSignificativos replaced by one "1" when any of them is not zero, and an
// overflowing or underflowing run kept only as long as it stays one.
QString textoCurto(QStringView t)
{
    QString c;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        if (t[i] == u'-')
            c.append(u'-');
        ++i;
    }
    const qsizetype virgula = t.indexOf(u',', i);
    QStringView inteiro = t.sliced(i, (virgula < 0 ? t.size() : virgula) - i);
    QStringView fracao = virgula < 0 ? QStringView() : t.sliced(virgula + 1);
    while (inteiro.size() > 1 && inteiro.front() == u'0')
        inteiro = inteiro.sliced(1);
    if (inteiro.size() > ZerosOuDigitosAlemDoDouble) {
        // Overflows whatever follows.
        c.append(inteiro.first(ZerosOuDigitosAlemDoDouble));
        return c;
    }
    c.append(inteiro);
    if (virgula < 0)
        return c;
    c.append(u'.');
    qsizetype significativos = (inteiro.size() == 1 && inteiro.front() == u'0') ? 0 : inteiro.size();
    if (significativos == 0) {
        qsizetype zeros = 0;
        while (zeros < fracao.size() && fracao[zeros] == u'0')
            ++zeros;
        if (zeros > ZerosOuDigitosAlemDoDouble) {
            const bool soZeros = zeros == fracao.size();
            c.append(fracao.first(ZerosOuDigitosAlemDoDouble));
            if (!soZeros)
                c.append(u'1');
            return c;
        }
        c.append(fracao.first(zeros));
        fracao = fracao.sliced(zeros);
    }
    const qsizetype cabem = qMax<qsizetype>(0, DigitosSignificativos - significativos);
    if (fracao.size() <= cabem) {
        c.append(fracao);
        return c;
    }
    c.append(fracao.first(cabem));
    for (const QChar d : fracao.sliced(cabem)) {
        if (d != u'0') {
            c.append(u'1');
            break;
        }
    }
    return c;
}
} // namespace

std::optional<double> NumeroComVirgula(const QString& texto)
{
    const QString t = texto.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        ++i;
    int digitos = 0;
    int virgulas = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digitos;
        else if (c == QLatin1Char(',') && virgulas == 0)
            ++virgulas;
        else
            return std::nullopt;
    }
    if (digitos == 0)
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(textoCurto(t), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt; // too large to be a number of this program
    return v;
}

QString EscreveNumero(double valor)
{
    if (valor == 0.0 || !std::isfinite(valor))
        return QStringLiteral("0");
    // 15 significant digits, rounded from the exact binary value; to_chars ignores the locale.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::scientific, 14);
    const QString cientifico = QString::fromLatin1(buf, r.ptr - buf); // "-4.16666666666667e+00"

    QString t = cientifico;
    const bool negativo = t.startsWith(QLatin1Char('-'));
    if (negativo)
        t.remove(0, 1);
    const qsizetype e = t.indexOf(QLatin1Char('e'));
    const int expoente = t.mid(e + 1).toInt();
    QString digitos = t.left(e);
    digitos.remove(QLatin1Char('.'));
    while (digitos.size() > 1 && digitos.endsWith(QLatin1Char('0')))
        digitos.chop(1);

    QString inteiro;
    QString fracao;
    if (expoente >= 0) {
        const qsizetype nInteiro = expoente + 1;
        if (digitos.size() <= nInteiro) {
            inteiro = digitos + QString(nInteiro - digitos.size(), QLatin1Char('0'));
        } else {
            inteiro = digitos.left(nInteiro);
            fracao = digitos.mid(nInteiro);
        }
    } else {
        inteiro = QStringLiteral("0");
        fracao = QString(-expoente - 1, QLatin1Char('0')) + digitos;
    }
    QString texto = negativo ? QStringLiteral("-") : QString();
    texto += inteiro;
    if (!fracao.isEmpty())
        texto += QLatin1Char(',') + fracao;
    return texto;
}

Porcentagem CalculaPorcentagem(const QString& leitura, const QString& referencia)
{
    Porcentagem resultado;
    QString l = leitura;
    QString r = referencia;
    l.remove(QLatin1Char('.'));
    r.remove(QLatin1Char('.'));
    const auto nl = NumeroComVirgula(l);
    const auto nr = NumeroComVirgula(r);
    if (!nl || !nr) {
        resultado.falha = Porcentagem::Falha::NaoNumero;
        return resultado;
    }
    const double d = *nl - *nr;

    QString t;
    if (d > 2 && d <= 3)
        t = QStringLiteral("0,3");
    else if (d > 1 && d <= 2)
        t = QStringLiteral("0,2");
    else if (d > 0 && d <= 1)
        t = QStringLiteral("0,1");
    else if (d == 0)
        t = QStringLiteral("0");
    else if (d >= -1 && d < 0)
        t = QStringLiteral("-0,1");
    else if (d >= -2 && d < -1)
        t = QStringLiteral("-0,2");
    else if (d >= -3 && d < -2)
        t = QStringLiteral("-0,3");
    else {
        if (*nr == 0.0) {
            resultado.falha = Porcentagem::Falha::DivisaoPorZero;
            return resultado;
        }
        const double p = d / (*nr * 100.0) * 10000.0;
        // Six characters hold a whole part of up to four characters with one decimal; a
        // longer whole part is kept entire, without a decimal (never cut, never a bare point).
        const QString escrito = EscreveNumero(p);
        const qsizetype virgula = escrito.indexOf(QLatin1Char(','));
        const QString inteiro = virgula < 0 ? escrito : escrito.left(virgula);
        t = inteiro.size() >= 5 ? inteiro : escrito.left(6);
        for (const QChar separador : {QLatin1Char(','), QLatin1Char('.')}) {
            const qsizetype s = t.indexOf(separador);
            if (s >= 0)
                t = t.left(s + 2);
        }
        if (t.size() == 1 && t != QLatin1String("0"))
            t += QStringLiteral(",0");
        else if (t.size() == 2 && t.startsWith(QLatin1Char('-')))
            t += QStringLiteral(",0");
        // A deviation under a tenth of a percent either way is none: never "-0.0".
        if (t == QLatin1String("0.0") || t == QLatin1String("0,0") || t == QLatin1String("-0.0")
            || t == QLatin1String("-0,0") || t == QLatin1String("-0"))
            t = QStringLiteral("0");
    }
    resultado.texto = FormataUmaDecimal(t);
    return resultado;
}

int Porcentagem::numeroErro() const
{
    switch (falha) {
    case Falha::DivisaoPorZero: return 11;
    case Falha::NaoNumero: return 13;
    case Falha::Nenhuma: break;
    }
    return 0;
}

QString Porcentagem::descricaoErro() const
{
    switch (falha) {
    case Falha::DivisaoPorZero: return QStringLiteral("Division by zero");
    case Falha::NaoNumero: return QStringLiteral("Type mismatch");
    case Falha::Nenhuma: break;
    }
    return {};
}
