#include "shell/Modelo.h"

#include "shell/PerfilModelo.h"

QString NomeDoModelo(const QString& numero)
{
    return PerfilModelo::doNumero(numero).nome;
}

bool ModeloDaPlaca(const QString& numero, const QString& modelo)
{
    const QString daPlaca = NomeDoModelo(numero);
    return !daPlaca.isEmpty() && daPlaca == modelo;
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

AvaliacaoConsulta AvaliaConsultaModelo(const QString& console, bool primeira)
{
    using Acao = AvaliacaoConsulta::Acao;
    AvaliacaoConsulta r;
    const bool recusou = console.contains(QLatin1String("Command"));
    if (recusou && primeira) {
        r.acao = Acao::Repete;
        return r;
    }
    if (console.contains(QLatin1String("Not Found"))) {
        r.acao = Acao::NaoEncontrado;
        return r;
    }
    if (console.size() <= 20 || console.contains(QLatin1String("Found")))
        return r;
    const NumeroExtraido n = ExtraiNumeroModelo(console);
    if (!n.usavel || recusou || !n.numero.startsWith(QLatin1Char('A')))
        return r;
    r.numero = n.numero;
    r.modelo = NomeDoModelo(n.numero);
    r.acao = r.modelo.isEmpty() ? Acao::Desconhecido : Acao::Reconhecido;
    return r;
}

QString LegendaBotaoChip(const QString& modelo)
{
    return PerfilModelo::de(modelo).hydra() ? QStringLiteral("Hydra\r\nTigris") : QStringLiteral("Tristar\r\nTigris");
}
