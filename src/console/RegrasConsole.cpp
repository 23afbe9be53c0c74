#include "console/RegrasConsole.h"

namespace RegrasConsole {

QString AlternaPrefixoHelp(const QString& comando)
{
    if (comando.contains(QStringLiteral("help"))) {
        QString t = comando;
        t.remove(QStringLiteral("help"));
        t.remove(QLatin1Char(' '));
        return t + QLatin1Char(' ');
    }
    const int espaco = comando.indexOf(QLatin1Char(' '));
    if (espaco >= 0)
        return QStringLiteral("help ") + comando.left(espaco + 1);
    return QStringLiteral("help ") + comando;
}

bool ComandoSalvoValido(const QString& comando)
{
    return !comando.isEmpty() && !comando.contains(QLatin1Char('\''));
}

bool EhTesteBotoes(const QString& comando)
{
    return comando.toUpper() == QLatin1String("BUTTONCNT --DQE");
}

bool EspelhaAoVivo(const QString& comando)
{
    const QString c = comando.toUpper();
    return c == QLatin1String("TESTMEMORY --1MB") || c == QLatin1String("HELP");
}

bool EhComandoHelp(const QString& comando)
{
    return comando.left(4).toUpper() == QLatin1String("HELP");
}

QString PdfDeAjuda(int idioma)
{
    switch (idioma) {
    case 1: return QStringLiteral("xDOD_BR.pdf");
    case 2: return QStringLiteral("xDOD_USA.pdf");
    case 3: return QStringLiteral("xDOD_ES.pdf");
    default: return {};
    }
}

QString ComandoDaSelecao(QString selecao)
{
    const QChar aspas = QLatin1Char('"');
    if (selecao.contains(aspas)) {
        // The search starts at the third character (index 2).
        const int fim = selecao.size() > 2 ? selecao.indexOf(aspas, 2) : -1;
        selecao = fim < 0 ? QString() : selecao.left(fim + 1);
    }
    selecao.remove(aspas);
    return selecao;
}

QString PalavraNaPosicao(const QString& texto, int posicao, int* inicio)
{
    auto separador = [](QChar c) { return c.isSpace(); };
    if (inicio)
        *inicio = posicao;
    if (posicao < 0 || posicao > texto.size())
        return {};
    // A click just after the last character of a word still picks that word.
    if ((posicao == texto.size() || separador(texto.at(posicao))) && posicao > 0
        && !separador(texto.at(posicao - 1)))
        --posicao;
    if (posicao >= texto.size() || separador(texto.at(posicao)))
        return {};
    int a = posicao;
    while (a > 0 && !separador(texto.at(a - 1)))
        --a;
    int b = posicao;
    while (b < texto.size() && !separador(texto.at(b)))
        ++b;
    if (inicio)
        *inicio = a;
    return texto.mid(a, b - a);
}

} // namespace RegrasConsole
