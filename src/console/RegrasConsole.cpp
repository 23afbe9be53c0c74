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
    // Where each shown character sits in the stored text.
    QList<int> posicoes;
    posicoes.reserve(exibidoAntes.size());
    for (int i = 0; i < guardado.size(); ++i)
        if (guardado.at(i) != QLatin1Char('\r'))
            posicoes.append(i);
    if (posicoes.size() != exibidoAntes.size()) {
        // The box does not show this text (it was never set from it): take the box as it is.
        QString t = exibidoDepois;
        return t.replace(QLatin1Char('\n'), FimDeLinhaEm(guardado, 0));
    }
    const int antes = int(exibidoAntes.size());
    const int depois = int(exibidoDepois.size());
    const int menor = qMin(antes, depois);
    // The common end is taken first, so an edit that could sit in several places (a line
    // break typed beside another) sits in the leftmost: inside the line the cursor was in.
    int sufixo = 0;
    while (sufixo < menor && exibidoAntes.at(antes - 1 - sufixo) == exibidoDepois.at(depois - 1 - sufixo))
        ++sufixo;
    int prefixo = 0;
    while (prefixo < menor - sufixo && exibidoAntes.at(prefixo) == exibidoDepois.at(prefixo))
        ++prefixo;
    // The edited span runs from just after the last kept character in front to just after the
    // last replaced one: carriage returns stay with the character they stand before.
    const int inicio = prefixo == 0 ? 0 : posicoes.at(prefixo - 1) + 1;
    const int fim = antes - sufixo == 0 ? 0 : posicoes.at(antes - sufixo - 1) + 1;
    QString inserido = exibidoDepois.mid(prefixo, depois - prefixo - sufixo);
    if (inserido.contains(QLatin1Char('\n')))
        inserido.replace(QLatin1Char('\n'), FimDeLinhaEm(guardado, inicio));
    return guardado.left(inicio) + inserido + guardado.mid(fim);
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
    const QString quebra = QStringLiteral("\r\n");
    if (novo.size() >= limite)
        return novo.left(limite);
    QString historico = novo + quebra + anterior;
    if (historico.size() <= limite)
        return historico;
    // Cut at the end of the last whole line that fits after the new answer.
    const qsizetype fim = historico.lastIndexOf(QLatin1Char('\n'), limite - 1);
    historico.truncate(fim >= novo.size() ? fim + 1 : novo.size());
    return historico;
}

QString ComoExibido(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.remove(QLatin1Char('\r'));
    return texto;
}

} // namespace RegrasConsole

