#include "rails/Veredito.h"

#include "i18n/Dicionario.h"
#include "rails/GradeTrilhas.h"
#include "rails/TextosLeitura.h"

#include <QRegularExpression>

namespace {

std::function<void(const QString&)>& destinoVereditos()
{
    static std::function<void(const QString&)> destino;
    return destino;
}

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

QString NomeVeredito(Veredito v)
{
    switch (v) {
    case Veredito::Passa: return QStringLiteral("passa");
    case Veredito::Falha: return QStringLiteral("falha");
    case Veredito::NaoMensuravel: return QStringLiteral("naomensuravel");
    case Veredito::SemLeitura: return QStringLiteral("semleitura");
    case Veredito::NaoGraduado: return QStringLiteral("naograduado");
    }
    return {};
}

QString TextoVeredito(Veredito v)
{
    return L(QStringLiteral("VEREDITO_") + NomeVeredito(v).toUpper());
}

QString MarcaVeredito(Veredito v)
{
    switch (v) {
    case Veredito::Passa: return QStringLiteral("\u2714");
    case Veredito::Falha: return QStringLiteral("\u2718");
    case Veredito::NaoMensuravel: return QStringLiteral("*");
    case Veredito::SemLeitura: return QStringLiteral("?");
    case Veredito::NaoGraduado: return QStringLiteral("\u2013");
    }
    return {};
}

QString CorVbVeredito(Veredito v)
{
    switch (v) {
    case Veredito::Passa: return QStringLiteral("&H00C0FFC0");
    case Veredito::Falha: return QStringLiteral("&H00B4B4FF");
    case Veredito::NaoMensuravel:
    case Veredito::SemLeitura: return QStringLiteral("&H00D6D6D6");
    case Veredito::NaoGraduado: break;
    }
    return QString();
}

void DefineDestinoVereditos(std::function<void(const QString&)> destino)
{
    destinoVereditos() = std::move(destino);
}

void AnotaVeredito(const QString& janela, const QString& item, const QString& leitura,
                   const QString& referencia, Veredito v)
{
    if (!destinoVereditos())
        return;
    destinoVereditos()(QStringLiteral("veredito | %1 | %2 | %3 | %4 | %5")
                           .arg(janela, item, leitura, referencia, NomeVeredito(v)));
}
