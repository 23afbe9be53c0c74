#include "veredito/Veredito.h"

#include "i18n/Dicionario.h"

#include <QRegularExpression>
#include <cmath>

namespace {

std::function<void(const QString&)>& destinoVereditos()
{
    static std::function<void(const QString&)> destino;
    return destino;
}

} // namespace

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

std::optional<ValorLido> ValorDaLeitura(const QString& leitura)
{
    static const QRegularExpression numero(QStringLiteral("^\\s*([-+]?(?:\\d+(?:[.,]\\d*)?|[.,]\\d+))\\s*([^\\s\\d]*)\\s*$"));
    const QRegularExpressionMatch m = numero.match(leitura);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = QString(m.captured(1)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return ValorLido{v, m.captured(2)};
}
