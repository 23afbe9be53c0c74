#include "console/RegrasConsole.h"

#include <QList>

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

namespace {
// The stored ending of the line around a position: the carriage returns and the line feed of
// the next line break, else of the previous one, else CR LF.
QString FimDeLinhaEm(const QString& guardado, int posicao)
{
    auto fimEm = [&guardado](int lf) {
        int inicio = lf;
        while (inicio > 0 && guardado.at(inicio - 1) == QLatin1Char('\r'))
            --inicio;
        return guardado.mid(inicio, lf - inicio + 1);
    };
    const int seguinte = guardado.indexOf(QLatin1Char('\n'), posicao);
    if (seguinte >= 0)
        return fimEm(seguinte);
    const int anterior = posicao > 0 ? guardado.lastIndexOf(QLatin1Char('\n'), posicao - 1) : -1;
    if (anterior >= 0)
        return fimEm(anterior);
    return QStringLiteral("\r\n");
}
} // namespace

QString AplicaEdicao(const QString& guardado, const QString& exibidoAntes, const QString& exibidoDepois)
{
    const int antes = int(exibidoAntes.size());
    const int depois = int(exibidoDepois.size());
    const int menor = qMin(antes, depois);
    // The common end is taken first, so an edit that could sit in several places (a line
    // break typed beside another) sits in the leftmost: inside the line the cursor was in.
    const auto* a = reinterpret_cast<const char16_t*>(exibidoAntes.constData());
    const auto* d = reinterpret_cast<const char16_t*>(exibidoDepois.constData());
    int sufixo = 0;
    while (sufixo < menor && a[antes - 1 - sufixo] == d[depois - 1 - sufixo])
        ++sufixo;
    int prefixo = 0;
    while (prefixo < menor - sufixo && a[prefixo] == d[prefixo])
        ++prefixo;

    // Where the two shown characters that bound the edit sit in the stored text (the box
    // shows it without its carriage returns), found in one pass without a table.
    const int alvoInicio = prefixo - 1;
    const int alvoFim = antes - sufixo - 1;
    int posInicio = -1;
    int posFim = -1;
    int mostrados = 0;
    const auto* g = reinterpret_cast<const char16_t*>(guardado.constData());
    const qsizetype nGuardado = guardado.size();
    for (qsizetype i = 0; i < nGuardado; ++i) {
        if (g[i] == u'\r')
            continue;
        if (mostrados == alvoInicio)
            posInicio = int(i);
        if (mostrados == alvoFim)
            posFim = int(i);
        ++mostrados;
    }
    if (mostrados != antes) {
        // The box does not show this text (it was never set from it): take the box as it is.
        QString t = exibidoDepois;
        return t.replace(QLatin1Char('\n'), FimDeLinhaEm(guardado, 0));
    }
    // The edited span runs from just after the last kept character in front to just after the
    // last replaced one: carriage returns stay with the character they stand before.
    const int inicio = prefixo == 0 ? 0 : posInicio + 1;
    const int fim = antes - sufixo == 0 ? 0 : posFim + 1;
    QString inserido = exibidoDepois.mid(prefixo, depois - prefixo - sufixo);
    if (inserido.contains(QLatin1Char('\n')))
        inserido.replace(QLatin1Char('\n'), FimDeLinhaEm(guardado, inicio));
    QString r;
    r.reserve(inicio + inserido.size() + (nGuardado - fim));
    r.append(QStringView(guardado).first(inicio));
    r.append(inserido);
    r.append(QStringView(guardado).sliced(fim));
    return r;
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

QString HistoricoComNovaResposta(const QString& novo, const QString& anterior, qsizetype limite)
{
    if (novo.size() >= limite)
        return novo.left(limite);
    const QStringView quebra(u"\r\n");
    const qsizetype antesDoAnterior = novo.size() + quebra.size();
    qsizetype tamanho = antesDoAnterior + anterior.size();
    if (tamanho > limite) {
        // Cut at the end of the last whole line that fits after the new answer: the last line
        // feed at or before position limite - 1 of novo CR LF anterior, looked for without
        // putting the two together first.
        const qsizetype deAnterior = limite - 1 - antesDoAnterior;
        qsizetype fim = deAnterior >= 0 ? anterior.lastIndexOf(QLatin1Char('\n'), deAnterior) : -1;
        if (fim >= 0)
            fim += antesDoAnterior;
        else if (limite - 1 >= novo.size() + 1)
            fim = novo.size() + 1; // the line feed of the break itself
        else
            fim = novo.lastIndexOf(QLatin1Char('\n'), qMin(limite - 1, novo.size() - 1));
        tamanho = fim >= novo.size() ? fim + 1 : novo.size();
    }
    QString historico;
    historico.reserve(tamanho);
    historico.append(novo);
    if (tamanho > novo.size())
        historico.append(quebra.first(qMin(quebra.size(), tamanho - novo.size())));
    if (tamanho > antesDoAnterior)
        historico.append(QStringView(anterior).first(tamanho - antesDoAnterior));
    return historico;
}

QString ComoExibido(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.remove(QLatin1Char('\r'));
    return texto;
}

} // namespace RegrasConsole

