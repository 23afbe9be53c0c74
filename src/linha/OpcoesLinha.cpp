#include "linha/OpcoesLinha.h"

#include "i18n/Dicionario.h"

namespace Linha {

namespace {

const QString OpPasta = QStringLiteral("--pasta");

struct Argumento {
    QString nome;  // "--porta"
    QString valor; // the value given with "=" ("" none)
    bool comIgual = false;
};

Argumento separa(const QString& a)
{
    const qsizetype igual = a.indexOf(QLatin1Char('='));
    if (a.startsWith(QStringLiteral("--")) && igual > 2)
        return {a.left(igual), a.mid(igual + 1), true};
    return {a, {}, false};
}

Comando comandoDe(const QString& a)
{
    if (a == QLatin1String("diagnostico"))
        return Comando::Diagnostico;
    if (a == QLatin1String("portas"))
        return Comando::Portas;
    return Comando::Nenhum;
}

// Index of the command word: after any "--pasta DIR" (or "--pasta=DIR"); -1 when none.
qsizetype indiceDoComando(const QStringList& args)
{
    qsizetype k = 1;
    while (k < args.size()) {
        const Argumento a = separa(args.at(k));
        if (a.nome != OpPasta)
            break;
        k += a.comIgual ? 1 : 2;
    }
    return k < args.size() ? k : -1;
}

void erro(Opcoes& o, const char* chave, const QString& opcao, const QString& valor = QString())
{
    if (!o.erro.isEmpty())
        return; // the first one is told
    o.erro = QString::fromLatin1(chave);
    o.erroOpcao = opcao;
    o.erroValor = valor;
}

} // namespace

bool EhComandoDeLinha(const QStringList& argumentos)
{
    const qsizetype k = indiceDoComando(argumentos);
    return k > 0 && comandoDe(argumentos.at(k)) != Comando::Nenhum;
}

Opcoes AnalisaOpcoes(const QStringList& args)
{
    Opcoes o;
    const qsizetype inicio = indiceDoComando(args);
    // The starter's "--pasta DIR" before the command.
    for (qsizetype k = 1; k < inicio;) {
        const Argumento a = separa(args.at(k));
        o.pasta = a.comIgual ? a.valor : args.value(k + 1);
        k += a.comIgual ? 1 : 2;
    }
    if (inicio < 0 || comandoDe(args.at(inicio)) == Comando::Nenhum) {
        erro(o, "LINHA_COMANDO_DESCONHECIDO", inicio < 0 ? QString() : args.at(inicio));
        return o;
    }
    o.comando = comandoDe(args.at(inicio));
    bool temPorta = false, temEtiqueta = false;
    for (qsizetype k = inicio + 1; k < args.size(); ++k) {
        const Argumento a = separa(args.at(k));
        if (a.nome == QLatin1String("--help") || a.nome == QLatin1String("-h")) {
            o.ajuda = true;
            continue;
        }
        const bool semValor = a.nome == QLatin1String("--sem-pagina");
        const bool diagnostico = o.comando == Comando::Diagnostico;
        static const QStringList comValor{QStringLiteral("--porta"), QStringLiteral("--etiqueta"), QStringLiteral("--box"),
                                          QStringLiteral("--idioma"), QStringLiteral("--json"), QStringLiteral("--tempo-max")};
        if (!(a.nome == OpPasta || (diagnostico && (semValor || comValor.contains(a.nome))))) {
            erro(o, "LINHA_OPCAO_DESCONHECIDA", args.at(k));
            continue;
        }
        if (semValor) {
            if (a.comIgual)
                erro(o, "LINHA_VALOR_INVALIDO", a.nome, a.valor);
            o.semPagina = true;
            continue;
        }
        QString valor = a.valor;
        if (!a.comIgual) {
            // "--json -" is a value; any other "--word" after an option is the next option.
            if (k + 1 >= args.size() || (args.at(k + 1).startsWith(QStringLiteral("--")))) {
                erro(o, "LINHA_SEM_VALOR", a.nome);
                continue;
            }
            valor = args.at(++k);
        }
        bool ok = false;
        if (a.nome == OpPasta) {
            if (valor.isEmpty())
                erro(o, "LINHA_VALOR_INVALIDO", a.nome, valor);
            o.pasta = valor;
        } else if (a.nome == QLatin1String("--porta")) {
            // The COM numbers the connection supports.
            o.porta = valor.toInt(&ok);
            if (!ok || o.porta < 1 || o.porta > 16)
                erro(o, "LINHA_VALOR_INVALIDO", a.nome, valor);
            temPorta = true;
        } else if (a.nome == QLatin1String("--etiqueta")) {
            o.etiqueta = valor.trimmed();
            if (o.etiqueta.isEmpty())
                erro(o, "LINHA_VALOR_INVALIDO", a.nome, valor);
            temEtiqueta = true;
        } else if (a.nome == QLatin1String("--box")) {
            if (valor != QLatin1String("1") && valor != QLatin1String("2"))
                erro(o, "LINHA_VALOR_INVALIDO", a.nome, valor);
            o.box = valor;
        } else if (a.nome == QLatin1String("--idioma")) {
            o.idioma = int(QStringList{QStringLiteral("pt"), QStringLiteral("en"), QStringLiteral("es")}.indexOf(valor)) + 1;
            if (o.idioma == 0)
                erro(o, "LINHA_VALOR_INVALIDO", a.nome, valor);
        } else if (a.nome == QLatin1String("--json")) {
            if (valor.isEmpty())
                erro(o, "LINHA_VALOR_INVALIDO", a.nome, valor);
            o.json = valor;
        } else if (a.nome == QLatin1String("--tempo-max")) {
            o.tempoMaxS = valor.toInt(&ok);
            if (!ok || o.tempoMaxS < 1)
                erro(o, "LINHA_VALOR_INVALIDO", a.nome, valor);
        }
    }
    if (o.comando == Comando::Diagnostico && !o.ajuda) {
        if (!temPorta)
            erro(o, "LINHA_FALTA_OPCAO", QStringLiteral("--porta"));
        if (!temEtiqueta)
            erro(o, "LINHA_FALTA_OPCAO", QStringLiteral("--etiqueta"));
    }
    return o;
}

QString TextoErro(const Opcoes& o)
{
    if (o.erro.isEmpty())
        return {};
    const QString t = L(o.erro);
    return t.contains(QStringLiteral("%2")) ? t.arg(o.erroOpcao, o.erroValor) : t.arg(o.erroOpcao);
}

QString TextoAjuda(Comando c)
{
    QString t = L(c == Comando::Portas ? QStringLiteral("LINHA_AJUDA_PORTAS") : QStringLiteral("LINHA_AJUDA_DIAGNOSTICO"));
#ifndef Q_OS_WIN
    // The dictionary's lines end in CR LF; a terminal here wants LF.
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return t;
}

} // namespace Linha
