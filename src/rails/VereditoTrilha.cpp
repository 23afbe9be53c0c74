#include "rails/VereditoTrilha.h"

#include "rails/GradeTrilhas.h"
#include "rails/TextosLeitura.h"

#include <QRegularExpression>

namespace {

// The number in front of a unit ("1.234 V", "123,4 mA"); "." and "," both separate decimals.
std::optional<double> numeroAntesDaUnidade(QString texto, const QString& unidade)
{
    texto.chop(unidade.size());
    texto.replace(QLatin1Char('.'), QLatin1Char(','));
    return NumeroComVirgula(texto);
}

} // namespace

std::optional<double> LimiteCorrente(const QString& ref)
{
    static const QRegularExpression limite(QStringLiteral("^\\s*<\\s*([0-9]+(?:[.,][0-9]+)?)\\s*mA\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto m = limite.match(ref);
    if (!m.hasMatch())
        return std::nullopt;
    QString n = m.captured(1);
    n.replace(QLatin1Char('.'), QLatin1Char(','));
    return NumeroComVirgula(n);
}

Veredito VereditoTrilha(const QString& leitura, const QString& porc, const QString& refV,
                        const QString& ref, double tolerancia)
{
    if (leitura.isEmpty())
        return Veredito::NaoGraduado;
    if (leitura == QLatin1String("*"))
        return Veredito::NaoMensuravel;
    if (leitura.startsWith(QLatin1Char('*')))
        return Veredito::SemLeitura; // "*Sem Medição", "**"

    if (leitura.endsWith(QLatin1String(" mA"))) {
        const auto valor = numeroAntesDaUnidade(leitura, QStringLiteral(" mA"));
        if (!valor)
            return Veredito::SemLeitura;
        const auto limite = LimiteCorrente(ref);
        if (!limite)
            return Veredito::NaoGraduado;
        // "< N mA": a reading at the limit is already over it.
        return *valor < *limite ? Veredito::Passa : Veredito::Falha;
    }

    const auto valor = leitura.endsWith(QLatin1String(" V"))
        ? numeroAntesDaUnidade(leitura, QStringLiteral(" V")) : std::nullopt;
    if (!valor)
        return Veredito::SemLeitura; // "TIMEOUT_ERR V", a word where the value should be
    if (refV.isEmpty() || refV == QLatin1String("0"))
        return Veredito::NaoGraduado; // a zero reference gives "0 %" without comparing

    QString p = porc;
    p.remove(QLatin1Char(' '));
    p.remove(QLatin1Char('%'));
    if (!NumeroComVirgula(LimitaDecimais(p, -1)))
        return Veredito::NaoGraduado;
    return VereditoDe(PassaToleranciaPmu(porc, tolerancia));
}
