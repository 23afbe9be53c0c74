#include "linha/Linha.h"

#include "db/Combos.h"
#include "db/ExameBanco.h"
#include "db/IdiomaBanco.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "linha/DiagnosticoLinha.h"
#include "linha/Interrupcao.h"
#include "linha/OpcoesLinha.h"
#include "shell/InstanciaUnica.h"
#include "shell/Portas.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

namespace Linha {

namespace {

void escreve(std::FILE* f, const QString& t)
{
    const QByteArray b = t.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), f);
    std::fflush(f);
}

void erro(const QString& t)
{
    escreve(stderr, QStringLiteral("vexador-tarrim: ") + t + QLatin1Char('\n'));
}

int portas()
{
    const QStringList numeros = Portas::ListaPortas();
    for (const QString& n : numeros)
        escreve(stdout, QStringLiteral("COM%1\t%2\n").arg(n, Portas::dispositivo(n.toInt())));
    if (numeros.isEmpty()) {
        erro(L(QStringLiteral("LINHA_SEM_PORTAS")).arg(QDir::toNativeSeparators(Portas::pastaPortas())));
        return SemPlaca;
    }
    return Passou;
}

} // namespace

int Executa(const QStringList& argumentos, const QString& pastaPadrao, const PreparaDados& prepara)
{
    Opcoes o = AnalisaOpcoes(argumentos);
    const QString pasta = QDir(o.pasta.isEmpty() ? pastaPadrao : o.pasta).absolutePath();
    const LocalDados dados = prepara(pasta);
    // The language asked for, else the program's own (the window's choice), else Portuguese.
    if (o.idioma > 0)
        DefineIdioma(o.idioma);
    else if (QFileInfo::exists(dados.banco))
        CarregaIdioma(dados.banco);
    if (IdiomaAtual() < 1 || IdiomaAtual() > 3)
        DefineIdioma(1);

    if (!o.erro.isEmpty()) {
        erro(TextoErro(o));
        erro(L(QStringLiteral("LINHA_VEJA_AJUDA")).arg(o.comando == Comando::Portas ? QStringLiteral("portas")
                                                                                     : QStringLiteral("diagnostico")));
        return MauUso;
    }
    if (o.ajuda) {
        escreve(stdout, TextoAjuda(o.comando) + QLatin1Char('\n'));
        return Passou;
    }
    if (o.comando == Comando::Portas)
        return portas();

    if (o.json != QLatin1String("-") && !QFileInfo(QFileInfo(o.json).absolutePath()).isDir()) {
        o.erroOpcao = QStringLiteral("--json");
        o.erroValor = o.json;
        o.erro = QStringLiteral("LINHA_VALOR_INVALIDO");
        erro(TextoErro(o));
        return MauUso;
    }
    // One program per folder: a window open on it writes the same database and history.
    InstanciaUnica instancia(pasta);
    if (!instancia.trava()) {
        erro(L(QStringLiteral("LINHA_PASTA_EM_USO")).arg(QDir::toNativeSeparators(pasta)));
        return MauUso;
    }
    if (const ExameBanco exame = ExaminaBanco(dados.banco); !exame.bom()) {
        erro(L(QStringLiteral("LINHA_BANCO_INUTILIZAVEL")).arg(QDir::toNativeSeparators(dados.banco))
             + (exame.detalhe.isEmpty() ? QString() : QStringLiteral(" (") + exame.detalhe + QLatin1Char(')')));
        return MauUso;
    }
    if (o.box.isEmpty())
        o.box = LeModeloBox(dados.banco);
    if (o.box != QLatin1String("2"))
        o.box = QStringLiteral("1");

    DiagnosticoLinha diagnostico(o, dados);
    Interrupcao interrupcao;
    QObject::connect(&interrupcao, &Interrupcao::recebida, &diagnostico, &DiagnosticoLinha::interrompe);
    QEventLoop laco;
    int saida = Incompleto;
    QObject::connect(&diagnostico, &DiagnosticoLinha::terminou, &laco, [&](int s) {
        saida = s;
        laco.quit();
    });
    QTimer::singleShot(0, &diagnostico, &DiagnosticoLinha::inicia);
    laco.exec();
    return saida;
}

} // namespace Linha
