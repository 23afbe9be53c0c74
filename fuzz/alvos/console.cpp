// The console's text rules and the auto comparator. The input holds the live answer, then
// (after a NUL) the recording, then (after another NUL) the masked fragments, one a line.
#include "Alvo.h"

#include "console/AutoComparador.h"
#include "console/RegrasConsole.h"

#include <cstdlib>

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    const EntradaAlvo e = LeEntrada(dados, tamanho);
    const QStringList partes = e.texto.split(QChar(0));
    const QString console = partes.value(0);
    const QString gravado = partes.value(1, console);
    QStringList fragmentos;
    for (const QString& f : partes.value(2).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        fragmentos << AutoComparacao::LimpaFragmento(f);

    Usa(AutoComparacao::MascaraTexto(console, fragmentos));
    Usa(AutoComparacao::TextoComparavel(console, fragmentos));
    Usa(AutoComparacao::Confere(console, gravado, fragmentos));
    {
        // Every marked line is a line of the console as shown, in order.
        const AutoComparacao::Diferencas d = AutoComparacao::ComparaLinhas(console, gravado, fragmentos);
        const qsizetype linhas = RegrasConsole::ComoExibido(console).count(QLatin1Char('\n')) + 1;
        for (qsizetype i = 0; i < d.linhasDoVivo.size(); ++i)
            if (d.linhasDoVivo[i] < 0 || d.linhasDoVivo[i] >= linhas || (i > 0 && d.linhasDoVivo[i] <= d.linhasDoVivo[i - 1])
                || d.quantas < d.linhasDoVivo.size())
                std::abort();
    }

    const QString primeira = console.section(QLatin1Char('\n'), 0, 0).left(256);
    Usa(RegrasConsole::AlternaPrefixoHelp(primeira));
    Usa(RegrasConsole::ComandoSalvoValido(primeira));
    Usa(RegrasConsole::EhTesteBotoes(primeira));
    Usa(RegrasConsole::EspelhaAoVivo(primeira));
    Usa(RegrasConsole::EhComandoHelp(primeira));
    Usa(RegrasConsole::ComandoDaSelecao(primeira));
    Usa(RegrasConsole::PdfDeAjuda(static_cast<int>(e.parametro % 5)));
    // Positions spread over the text, both ends included.
    const int n = static_cast<int>(console.size());
    for (int pos : {0, n / 3, n / 2, n - 1, n, static_cast<int>(e.parametro) % (n + 1)})
        Usa(RegrasConsole::PalavraNaPosicao(console, pos));
    return 0;
}
