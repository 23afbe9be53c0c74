#include "shell/Modelo.h"

#include <QHash>

QString NomeDoModelo(const QString& numero)
{
    static const QHash<QString, QString> tabela = {
        {"A1549", "IP 6"},       {"A1586", "IP 6"},       {"A1589", "IP 6"},
        {"A1524", "IP 6 Plus"},  {"A1593", "IP 6 Plus"},  {"A1522", "IP 6 Plus"},
        {"A1700", "IP 6s"},      {"A1633", "IP 6s"},      {"A1688", "IP 6s"},
        {"A1634", "IP 6s Plus"}, {"A1687", "IP 6s Plus"}, {"A1699", "IP 6s Plus"},
        {"A1779", "IP 7"},       {"A1660", "IP 7"},       {"A1778", "IP 7"},
        {"A1784", "IP 7 Plus"},  {"A1785", "IP 7 Plus"},  {"A1661", "IP 7 Plus"},
        {"A1906", "IP 8"},       {"A1863", "IP 8"},       {"A1905", "IP 8"},
        {"A1864", "IP 8 Plus"},  {"A1897", "IP 8 Plus"},  {"A1898", "IP 8 Plus"},
        {"A1865", "IP X"},       {"A1901", "IP X"},       {"A1902", "IP X"},
    };
    return tabela.value(numero);
}

NumeroExtraido ExtraiNumeroModelo(const QString& console)
{
    // Positions counted from 1, 0 meaning "not found", as the rule is stated.
    const int h = console.indexOf(QLatin1Char('#')) + 1;
    const int b = console.indexOf(QLatin1Char('[')) + 1;
    NumeroExtraido r;
    if (b - 2 <= 0)
        return r;
    r.usavel = true;
    const int inicio = h + 4;
    const int tamanho = (b - 2) - inicio;
    if (tamanho > 0)
        r.numero = console.mid(inicio - 1, tamanho);
    return r;
}

AvaliacaoHandshake AvaliaHandshake(const QString& console)
{
    using Acao = AvaliacaoHandshake::Acao;
    AvaliacaoHandshake r;
    if (console.contains(QLatin1String("SystemConfig Driver is missing!"))) {
        r.acao = Acao::DriverAusente;
        return r;
    }
    const NumeroExtraido n = ExtraiNumeroModelo(console);
    if (!n.usavel) {
        r.acao = Acao::SemNumero;
        return r;
    }
    r.numero = n.numero;
    if (console.contains(QLatin1String("Command")) || !n.numero.startsWith(QLatin1Char('A'))) {
        r.acao = Acao::NovaConsulta;
        return r;
    }
    r.modelo = NomeDoModelo(n.numero);
    r.acao = r.modelo.isEmpty() ? Acao::Desconhecido : Acao::Reconhecido;
    return r;
}

QString LegendaBotaoChip(const QString& modelo)
{
    const QString inicio = modelo.left(4);
    const bool hydra = inicio == QLatin1String("IP X") || inicio == QLatin1String("IP 8");
    return hydra ? QStringLiteral("Hydra\r\nTigris") : QStringLiteral("Tristar\r\nTigris");
}
