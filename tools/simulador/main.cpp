// vexador-simulador: the bench board. A phone in purple mode behind its serial box, on a
// pseudo-terminal, for demonstrations and end-to-end tests. Options: README.md.
#include "Linha.h"
#include "Placa.h"
#include "shell/Portas.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace {

int sai(const QString& texto)
{
    std::fprintf(stderr, "vexador-simulador: %s\n", qPrintable(texto));
    return 2;
}

// "KEY=VALUE" with the key a channel label or code; the value after the last "=".
bool separa(const QString& t, QString* chave, QString* valor)
{
    const qsizetype i = t.lastIndexOf(QLatin1Char('='));
    if (i <= 0)
        return false;
    *chave = t.left(i).trimmed();
    *valor = t.mid(i + 1).trimmed();
    return !chave->isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexador-simulador"));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Bench board: a phone diagnostics shell on a pseudo-terminal."));
    p.addHelpOption();
    const QCommandLineOption porta(QStringLiteral("porta"), QStringLiteral("Link the line as comN in the ports folder."), QStringLiteral("N"));
    const QCommandLineOption pasta(QStringLiteral("pasta"), QStringLiteral("Ports folder (default: the program's)."), QStringLiteral("DIR"));
    const QCommandLineOption modelo(QStringLiteral("modelo"), QStringLiteral("Model played (\"IP 7\" ...)."), QStringLiteral("MODEL"));
    const QCommandLineOption rmd(QStringLiteral("rmd"), QStringLiteral("Regulatory number reported (A1660 ...)."), QStringLiteral("NUMBER"));
    const QCommandLineOption banco(QStringLiteral("banco"), QStringLiteral("Reference database (default: Config.qzd beside the executable)."), QStringLiteral("PATH"));
    const QCommandLineOption placa(QStringLiteral("placa"), QStringLiteral("Board profile file."), QStringLiteral("FILE"));
    const QCommandLineOption registro(QStringLiteral("registro"), QStringLiteral("Write every byte received to FILE."), QStringLiteral("FILE"));
    const QCommandLineOption rapido(QStringLiteral("rapido"), QStringLiteral("Long commands answer at once."));
    const QCommandLineOption mudo(QStringLiteral("mudo"), QStringLiteral("Fault: silent box, nothing is ever answered."));
    const QCommandLineOption semPrompt(QStringLiteral("sem-prompt"), QStringLiteral("Fault: answers without the prompt line."));
    const QCommandLineOption lento(QStringLiteral("lento"), QStringLiteral("Fault: answers in pieces with MS milliseconds between them."), QStringLiteral("MS"));
    const QCommandLineOption pedaco(QStringLiteral("pedaco"), QStringLiteral("Bytes per piece of a slow answer (default 16)."), QStringLiteral("N"));
    const QCommandLineOption semFim(QStringLiteral("sem-fim"), QStringLiteral("Fault: the answer never ends."));
    const QCommandLineOption semFimNo(QStringLiteral("sem-fim-no"), QStringLiteral("Fault: the answer to the N-th command never ends."), QStringLiteral("N"));
    const QCommandLineOption demora(QStringLiteral("demora"), QStringLiteral("Fault: every answer starts MS ms after its command."), QStringLiteral("MS"));
    const QCommandLineOption inunda(QStringLiteral("inunda"), QStringLiteral("Fault: from the N-th command on, the answer never ends and comes as fast as the line takes it."), QStringLiteral("N"));
    const QCommandLineOption controle(QStringLiteral("controle"), QStringLiteral("Faults switched at run time: FILE is read whenever it changes."), QStringLiteral("FILE"));
    const QCommandLineOption lixo(QStringLiteral("lixo"), QStringLiteral("Fault: bytes that are not text inside every answer."));
    const QCommandLineOption queda(QStringLiteral("queda"), QStringLiteral("Fault: the line vanishes in the middle of the answer to the N-th command."), QStringLiteral("N"));
    const QCommandLineOption volta(QStringLiteral("volta-apos"), QStringLiteral("After a vanished line, bring it back after S seconds under the same comN."), QStringLiteral("S"));
    const QCommandLineOption semDriver(QStringLiteral("sem-driver"), QStringLiteral("Fault: \"SystemConfig Driver is missing!\" for the syscfg commands."));
    const QCommandLineOption recusa(QStringLiteral("recusa-primeira"), QStringLiteral("Fault: \"Command not found\" on the first model query."));
    const QCommandLineOption desvio(QStringLiteral("desvio"), QStringLiteral("Fault: channel KEY (label or code) off its reference by PCT percent."), QStringLiteral("KEY=PCT"));
    const QCommandLineOption deriva(QStringLiteral("deriva"), QStringLiteral("Fault: channel KEY drifts PCT percent further off its reference at each PMU reading."), QStringLiteral("KEY=PCT"));
    const QCommandLineOption semCanal(QStringLiteral("sem-canal"), QStringLiteral("Fault: channel KEY missing from the answers."), QStringLiteral("KEY"));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QStringLiteral("Fault: a timeout word in place of the value of KEY (default word \"timeout\")."), QStringLiteral("KEY[=WORD]"));
    const QCommandLineOption valor(QStringLiteral("valor"), QStringLiteral("Print TEXT as the value of channel KEY."), QStringLiteral("KEY=TEXT"));
    for (const auto& o : {porta, pasta, modelo, rmd, banco, placa, registro, rapido, mudo, semPrompt, lento, pedaco,
                          semFim, semFimNo, demora, inunda, lixo, controle, queda, volta, semDriver, recusa, desvio, deriva, semCanal, timeout, valor})
        p.addOption(o);
    p.process(app);

    Placa::Opcoes op;
    op.modelo = p.value(modelo);
    op.rmd = p.value(rmd);
    if (!op.modelo.isEmpty() && !Placa::modelos().contains(op.modelo))
        return sai(QStringLiteral("unknown model \"%1\"; one of: %2").arg(op.modelo, Placa::modelos().join(", ")));
    op.banco = p.isSet(banco) ? p.value(banco) : QCoreApplication::applicationDirPath() + QStringLiteral("/Config.qzd");
    op.rapido = p.isSet(rapido);
    op.semDriver = p.isSet(semDriver);
    op.recusaPrimeira = p.isSet(recusa);

    Placa board(op);
    QString erro;
    if (!board.carregaBanco(&erro))
        std::fprintf(stderr, "vexador-simulador: no reference data (%s); built-in readings\n", qPrintable(erro));
    if (p.isSet(placa) && !board.carregaPerfil(p.value(placa), &erro))
        return sai(QStringLiteral("profile: ") + erro);
    QList<QPair<QString, AjusteCanal::Tipo>> desvios;
    for (const QString& d : p.values(desvio))
        desvios.append({d, AjusteCanal::Tipo::Desvio});
    for (const QString& d : p.values(deriva))
        desvios.append({d, AjusteCanal::Tipo::Deriva});
    for (const auto& [d, tipo] : std::as_const(desvios)) {
        QString k, v;
        bool ok = false;
        AjusteCanal a;
        a.tipo = tipo;
        if (separa(d, &k, &v))
            a.desvio = QString(v).remove(QLatin1Char('%')).toDouble(&ok);
        if (!ok)
            return sai(QStringLiteral("--desvio and --deriva want KEY=PERCENT: ") + d);
        if (k.startsWith(QLatin1String("RefT"), Qt::CaseInsensitive)) // "RefT=47=12" names the code
            k = k.mid(4).remove(QRegularExpression(QStringLiteral("^[=:]")));
        board.ajusta(k, a);
    }
    for (const QString& k : p.values(semCanal)) {
        AjusteCanal a;
        a.tipo = AjusteCanal::Tipo::Ausente;
        board.ajusta(k, a);
    }
    for (const QString& t : p.values(timeout)) {
        AjusteCanal a;
        a.tipo = AjusteCanal::Tipo::Tempo;
        QString k = t, v;
        if (t.contains(QLatin1Char('=')) && !separa(t, &k, &v))
            return sai(QStringLiteral("--timeout wants KEY[=WORD]: ") + t);
        a.texto = v.isEmpty() ? QStringLiteral("timeout") : v;
        board.ajusta(k, a);
    }
    for (const QString& t : p.values(valor)) {
        AjusteCanal a;
        a.tipo = AjusteCanal::Tipo::Valor;
        QString k;
        if (!separa(t, &k, &a.texto))
            return sai(QStringLiteral("--valor wants KEY=TEXT: ") + t);
        board.ajusta(k, a);
    }
    for (const QString& k : board.ajustesSemCanal())
        std::fprintf(stderr, "vexador-simulador: no channel \"%s\" on this board; a channel is named by its "
                             "code (\"53\") or as the board prints it (\"BIST buck0:\")\n", qPrintable(k));

    Linha::Falhas f;
    f.mudo = p.isSet(mudo);
    f.semPrompt = p.isSet(semPrompt);
    f.lentoMs = p.value(lento).toInt();
    if (p.isSet(pedaco))
        f.pedaco = std::max(1, p.value(pedaco).toInt());
    f.semFim = p.isSet(semFim);
    f.semFimNoComando = p.value(semFimNo).toInt();
    f.demoraMs = p.value(demora).toInt();
    f.lixo = p.isSet(lixo);
    f.inundaNoComando = p.value(inunda).toInt();
    f.quedaNoComando = p.value(queda).toInt();
    f.voltaAposS = p.isSet(volta) ? p.value(volta).toInt() : -1;

    Linha linha(&board, f);
    if (p.isSet(registro) && !linha.defineRegistro(p.value(registro), &erro))
        return sai(QStringLiteral("record: ") + erro);
    if (p.isSet(controle))
        linha.defineControle(p.value(controle));
    const int numero = p.value(porta).toInt();
    if (p.isSet(porta) && (numero < 1 || numero > 30))
        return sai(QStringLiteral("--porta wants a number from 1 to 30"));
    const QString pastaPortas = p.isSet(pasta) ? p.value(pasta) : Portas::pastaPortas();
    if (!linha.abre(numero, pastaPortas, &erro))
        return sai(erro);
    std::fprintf(stderr, "vexador-simulador: %s (%s)%s%s\n", qPrintable(board.modelo()), qPrintable(board.rmd()),
                 linha.link().isEmpty() ? "" : " as ", qPrintable(linha.link()));
    return app.exec();
}
