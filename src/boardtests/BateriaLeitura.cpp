#include "boardtests/BateriaLeitura.h"

#include "i18n/Dicionario.h"
#include "shell/PerfilModelo.h"

#include <cmath>
#include <optional>

namespace ModuloBateria {

namespace {

const QChar CR = QLatin1Char('\r');

// Positions as the rules count them: from 1, 0 when not found.
int posicao(const QString& texto, const QString& procurado, int inicio = 1)
{
    if (inicio < 1)
        inicio = 1;
    return texto.indexOf(procurado, inicio - 1, Qt::CaseSensitive) + 1;
}

// The text from position inicio (from 1) of the given length; empty for a length below 1.
QString trecho(const QString& texto, int inicio, int comprimento)
{
    if (comprimento < 1 || inicio < 1)
        return QString();
    return texto.mid(inicio - 1, comprimento);
}

// A number as the capacities are written: digits with an optional sign and "," as the decimal
// separator, blanks around allowed; nothing else (independent of the system locale).
std::optional<double> numero(QString t)
{
    t = t.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    if (t.at(0) == QLatin1Char('-') || t.at(0) == QLatin1Char('+'))
        ++i;
    bool digito = false, separador = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128)
            digito = true;
        else if (c == QLatin1Char(',') && !separador)
            separador = true;
        else
            return std::nullopt;
    }
    if (!digito)
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

// Text from two characters after the label to four characters before the line's CR.
std::optional<QString> capacidade(const QString& texto, const QString& rotulo)
{
    const int p = posicao(texto, rotulo);
    if (p == 0)
        return std::nullopt;
    const int s = p + rotulo.size() + 2;
    const int fim = posicao(texto, QString(CR), s);
    if (fim == 0)
        return std::nullopt;
    return trecho(texto, s, (fim - 4) - s);
}

} // namespace

const QStringList& ChavesTitulos()
{
    static const QStringList c = {
        QStringLiteral("SAUDE DA BATERIA"),     QStringLiteral("CICLOS DE CARGA"),
        QStringLiteral("PORCENTAGEM DE CARGA"), QStringLiteral("CAPACIDADE DESIGNADA"),
        QStringLiteral("CAPACIDADE ATUAL"),     QStringLiteral("VOLTAGEM"),
        QStringLiteral("CORRENTE"),             QStringLiteral("TEMPERATURA"),
    };
    return c;
}

QString ExtraiPropriedade(const QString& texto, const QString& rotulo, bool* faltou)
{
    const int p = posicao(texto, rotulo);
    const int q = p > 0 ? posicao(texto, QString(CR), p) : 0;
    if (p > 0 && q > 0) {
        if (faltou)
            *faltou = false;
        const int inicio = p + rotulo.size() + 2;
        return trecho(texto, inicio, (q - 2) - inicio + 1) + QLatin1Char(' ');
    }
    if (faltou)
        *faltou = true;
    return QStringLiteral("*");
}

QString CalculaSaude(const QString& texto, bool* faltou)
{
    if (faltou)
        *faltou = false;
    const auto projeto = capacidade(texto, QStringLiteral("design-capacity:"));
    if (!projeto) {
        if (faltou)
            *faltou = true;
        return QStringLiteral("*");
    }
    const auto atual = capacidade(texto, QStringLiteral("nominal-capacity:"));
    if (!atual)
        return QStringLiteral("*");
    const auto d = numero(*projeto);
    const auto n = numero(*atual);
    if (!d || !n || *d == 0)
        return QString();
    // nominal * 100 / design is the same ratio as nominal / (design / 100) without the
    // inexact intermediate quotient, so 1715 of 1715 reads 100, not 99.
    const double saude = std::floor(*n * 100.0 / *d);
    if (!std::isfinite(saude))
        return QString(); // a capacity beyond any number this program writes
    // Beyond the range of a 64-bit integer the digits are written from the double itself.
    if (std::fabs(saude) >= 9.0e18)
        return QString::number(saude, 'f', 0) + QStringLiteral(" %");
    return QString::number(static_cast<long long>(saude)) + QStringLiteral(" %");
}

QString NotaFalta(const QString& modelo)
{
    const QString chave = PerfilModelo::de(modelo).bateriaCompleta ? QStringLiteral("Sem Medição")
                                                                   : QStringLiteral("NAO_DISP_PARA_ESSE_MODELO");
    return QStringLiteral("* ") + L(chave).toUpper();
}

Valores Organiza(const QString& texto)
{
    Valores v;
    bool faltou = false;
    auto extrai = [&](const QString& rotulo) {
        bool f = false;
        const QString r = ExtraiPropriedade(texto, rotulo, &f);
        faltou = faltou || f;
        return r;
    };
    bool faltouSaude = false;
    v.info << CalculaSaude(texto, &faltouSaude);
    faltou = faltouSaude;
    v.info << extrai(QStringLiteral("cycle-count:"));
    v.info << extrai(QStringLiteral("charge-percentage:"));
    v.info << extrai(QStringLiteral("design-capacity:")).replace(QStringLiteral("mAh"), QStringLiteral(" mAh"));
    v.info << extrai(QStringLiteral("nominal-capacity:")).replace(QStringLiteral("mAh"), QStringLiteral(" mAh"));
    v.info << extrai(QStringLiteral("voltage:")).replace(QStringLiteral("mV"), QStringLiteral(" mV"));
    v.info << extrai(QStringLiteral("current:"));
    v.info << extrai(QStringLiteral("temperature:")).replace(QStringLiteral("C"), QStringLiteral(" Cº"));
    v.nota = faltou;
    for (const QString& valor : v.info)
        v.vereditos << (valor.isEmpty() || valor == QLatin1String("*") ? Veredito::SemLeitura
                                                                       : Veredito::NaoGraduado);
    return v;
}

} // namespace ModuloBateria
