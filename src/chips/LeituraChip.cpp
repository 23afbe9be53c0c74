#include "chips/LeituraChip.h"

#include "i18n/Dicionario.h"
#include "i18n/Idioma.h"
#include "rails/TextosLeitura.h"
#include "shell/PerfilModelo.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

QString ExtraiValorCanal(const QString& resposta, const QString& rotulo, bool regraTimeout)
{
    if (rotulo.isEmpty())
        return NaoMedido;
    const qsizetype p = resposta.indexOf(rotulo);
    if (p < 0)
        return NaoMedido;
    // One blank follows the label's colon; the value runs to the next blank.
    const qsizetype s = p + rotulo.size() + 1;
    if (s > resposta.size())
        return NaoMedido;
    const qsizetype e = resposta.indexOf(QLatin1Char(' '), s);
    if (e < 0)
        return NaoMedido;
    const QString bruto = resposta.mid(s, e - s);
    if (regraTimeout && bruto.size() >= 4 && bruto.contains(QLatin1String("tim")))
        return NaoMedido;
    // A word the phone printed stays that word: no unit conversion, no digit dropped.
    if (!NumeroImpresso(bruto))
        return bruto.isEmpty() ? NaoMedido : bruto;
    if (e + 2 < resposta.size() && resposta.at(e + 2) == QLatin1Char('V'))
        return ConverteMilivolts(bruto);
    // The last decimal is dropped; a whole number ("0", "12") has none to drop.
    QString valor = bruto;
    if (valor.contains(QLatin1Char('.')) || valor.contains(QLatin1Char(',')))
        valor.chop(1);
    valor.replace(QLatin1Char('.'), QLatin1Char(','));
    return valor;
}

bool ValorNumerico(const QString& valor)
{
    return NumeroImpresso(valor);
}

std::optional<Desvio> CalculaDesvio(const QString& valor, const QString& referencia)
{
    if (!ValorNumerico(valor))
        return std::nullopt;
    const Porcentagem p = CalculaPorcentagem(valor, referencia);
    if (!p.ok())
        return std::nullopt;
    bool ok = false;
    const double inteiro = QLocale::c().toDouble(LimitaDecimais(p.texto, -1), &ok);
    if (!ok)
        return std::nullopt;
    return Desvio{p.texto, inteiro};
}

bool DentroDaFaixa(const Desvio& d)
{
    return d.inteiro > -10 && d.inteiro < 10;
}

bool ModeloHydra(const QString& modelo)
{
    return PerfilModelo::de(modelo).hydra();
}

bool ModeloComDuasEntradas(const QString& modelo)
{
    return PerfilModelo::de(modelo).segundaEntradaCarga;
}

QString MontaConsulta(const QList<QPair<QString, QString>>& pares)
{
    QStringList partes;
    partes.reserve(pares.size());
    for (const auto& [chave, valor] : pares)
        partes << chave + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(valor));
    return partes.join(QLatin1Char('&'));
}

QString DataCurta(const QDateTime& quando)
{
    return LocalDoPrograma().toString(quando.date(), QLocale::ShortFormat);
}

Veredito VereditoCanal(const QString& leitura, bool graduado, bool ok)
{
    if (!graduado)
        return Veredito::NaoGraduado;
    if (!ValorNumerico(leitura.trimmed().section(QLatin1Char(' '), 0, 0)))
        return Veredito::SemLeitura;
    return VereditoDe(ok);
}

QString EnderecoRelatorioChip(const QString& pastaAplicacao, const QString& pagina, const QString& consulta,
                              const QString& host)
{
    if (host.trimmed().isEmpty()) {
        const QString arquivo = QDir(pastaAplicacao)
                                    .absoluteFilePath(QStringLiteral("relatorio/") + pagina
                                                      + QStringLiteral(".html"));
        return QUrl::fromLocalFile(arquivo).toString(QUrl::FullyEncoded) + QLatin1Char('?') + consulta;
    }
    return QStringLiteral("https://") + host.trimmed() + QStringLiteral("/relatorio/") + pagina
           + QStringLiteral(".php?") + consulta;
}
