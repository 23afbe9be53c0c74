// The whole-board diagnosis from the command line: the options, the exit status, and the built
// program run as a script runs it (no display) against the bench board: good boards of the nine
// models, a board with faults, a box pulled, a silent box, Ctrl+C, a folder in use, and one
// board's history shared with the window.
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "apoio/CenarioJanela.h"

#include "diagnostico/ExecutorDiagnostico.h"
#include "diagnostico/HistoricoDiagnostico.h"
#include "diagnostico/janelas/Diagnostico.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "linha/OpcoesLinha.h"
#include "linha/ResultadoLinha.h"
#include "reports/ArquivoRelatorio.h"
#include "shell/InstanciaUnica.h"
#include "shell/PerfilModelo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

// What the faults of PerfilComFalhas fail, item by item with the subsystems that read them.
const QMap<QString, QStringList> FalhasDoPerfil{
    {u"PP1V8_AUDIO"_s, {u"ldo"_s, u"pmu"_s}},
    {u"mA PP1V8_AUDIO"_s, {u"ldo"_s, u"pmu"_s}},
    {u"Tigris VBAT"_s, {u"tigris"_s}},
    {u"I2C 4 403 PROX"_s, {u"i2c"_s}},
};

// A label a file name could not hold as it is.
const QString EtiquetaEstranha = u"../OS 47/11\\é*?:\"<x>\t"_s;

struct Saida {
    int codigo = -1;
    QByteArray padrao, erros;
    QJsonObject json() const { return QJsonDocument::fromJson(padrao).object(); }
    QStringList linhasPasso() const
    {
        QStringList r;
        for (const QString& l : QString::fromUtf8(erros).split(u'\n'))
            if (QRegularExpression(u"^\\[ *\\d+/\\d+\\] "_s).match(l).hasMatch())
                r << l;
        return r;
    }
};

QString programa()
{
    return QStringLiteral(PASTA_APLICACAO "/vexador-tarrim");
}

// The built program as a script starts it: no display at all (a window system asked for would
// make it fail), no PDF, the ports folder of the bench board in its environment.
void preparaProcesso(QProcess& p, const QStringList& argumentos)
{
    QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
    amb.remove(u"DISPLAY"_s);
    amb.remove(u"WAYLAND_DISPLAY"_s);
    amb.insert(u"QT_QPA_PLATFORM"_s, u"nenhuma"_s);
    amb.insert(u"VEXADOR_NAVEGADOR"_s, QString());
    p.setProcessEnvironment(amb);
    p.setProgram(programa());
    p.setArguments(argumentos);
}

Saida roda(const QStringList& argumentos, int ms = 60000)
{
    QProcess p;
    preparaProcesso(p, argumentos);
    p.start();
    Saida s;
    if (!p.waitForStarted() || !p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
        return s;
    }
    s.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    s.padrao = p.readAllStandardOutput();
    s.erros = p.readAllStandardError();
    return s;
}

QStringList diagnostico(const QString& pasta, const QString& etiqueta, const QStringList& mais = {})
{
    return QStringList{u"diagnostico"_s, u"--porta"_s, u"3"_s, u"--etiqueta"_s, etiqueta, u"--pasta"_s, pasta,
                       u"--idioma"_s, u"pt"_s}
           + mais;
}

// Failing and unread items of a result by name, with their subsystems.
QMap<QString, QStringList> falhasDoJson(const QJsonObject& o)
{
    QMap<QString, QStringList> r;
    for (const QJsonValue& v : o.value(u"itens"_s).toArray()) {
        const QJsonObject i = v.toObject();
        if (i.value(u"veredito"_s) == u"falha"_s || i.value(u"veredito"_s) == u"semleitura"_s)
            r[i.value(u"item"_s).toString()] << i.value(u"subsistema"_s).toString();
    }
    return r;
}

QSet<QString> nomes(const QJsonArray& itens)
{
    QSet<QString> r;
    for (const QJsonValue& v : itens)
        r << v.toObject().value(u"item"_s).toString();
    return r;
}

bool bancadaComPerfil(Bancada& b, QTemporaryDir& temp, const QString& modelo, const QString& banco,
                      const QStringList& perfil = {}, const QStringList& opcoes = {})
{
    QStringList op{u"--modelo"_s, modelo, u"--banco"_s, banco};
    if (!perfil.isEmpty()) {
        QFile f(temp.filePath(u"placa.txt"_s));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(perfil.join(u'\n').toUtf8() + '\n');
        op << u"--placa"_s << f.fileName();
    }
    return b.inicia(op + opcoes, 3);
}

} // namespace

class TstLinha : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DefineIdioma(1); }

    void opcoes_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("erro");   // the dictionary key, "" when right
        QTest::addColumn<QString>("nomeada"); // the option the error names
        const QStringList base{u"vt"_s, u"diagnostico"_s, u"--porta"_s, u"3"_s, u"--etiqueta"_s, u"OS-1"_s};
        QTest::newRow("right") << base << QString() << QString();
        QTest::newRow("= form, every option") << QStringList{u"vt"_s, u"diagnostico"_s, u"--porta=16"_s, u"--etiqueta=--x"_s,
                                                              u"--box=2"_s, u"--idioma=es"_s, u"--json=-"_s, u"--sem-pagina"_s,
                                                              u"--tempo-max=9"_s, u"--pasta=/p"_s}
                                              << QString() << QString();
        QTest::newRow("starter's folder first") << QStringList{u"vt"_s, u"--pasta"_s, u"/p"_s, u"portas"_s} << QString() << QString();
        QTest::newRow("unknown") << base + QStringList{u"--cor"_s, u"azul"_s} << u"LINHA_OPCAO_DESCONHECIDA"_s << u"--cor"_s;
        QTest::newRow("no label") << base.mid(0, 4) << u"LINHA_FALTA_OPCAO"_s << u"--etiqueta"_s;
        QTest::newRow("blank label") << base.mid(0, 5) + QStringList{u"  "_s} << u"LINHA_VALOR_INVALIDO"_s << u"--etiqueta"_s;
        QTest::newRow("no port") << QStringList{u"vt"_s, u"diagnostico"_s, u"--etiqueta"_s, u"x"_s} << u"LINHA_FALTA_OPCAO"_s << u"--porta"_s;
        QTest::newRow("port 17") << QStringList{u"vt"_s, u"diagnostico"_s, u"--porta"_s, u"17"_s, u"--etiqueta"_s, u"x"_s}
                                 << u"LINHA_VALOR_INVALIDO"_s << u"--porta"_s;
        QTest::newRow("port word") << QStringList{u"vt"_s, u"diagnostico"_s, u"--porta"_s, u"tres"_s, u"--etiqueta"_s, u"x"_s}
                                   << u"LINHA_VALOR_INVALIDO"_s << u"--porta"_s;
        QTest::newRow("box 3") << base + QStringList{u"--box"_s, u"3"_s} << u"LINHA_VALOR_INVALIDO"_s << u"--box"_s;
        QTest::newRow("language") << base + QStringList{u"--idioma"_s, u"fr"_s} << u"LINHA_VALOR_INVALIDO"_s << u"--idioma"_s;
        QTest::newRow("time 0") << base + QStringList{u"--tempo-max"_s, u"0"_s} << u"LINHA_VALOR_INVALIDO"_s << u"--tempo-max"_s;
        QTest::newRow("value missing") << base + QStringList{u"--json"_s} << u"LINHA_SEM_VALOR"_s << u"--json"_s;
        QTest::newRow("option as value") << base + QStringList{u"--box"_s, u"--sem-pagina"_s} << u"LINHA_SEM_VALOR"_s << u"--box"_s;
        QTest::newRow("flag with value") << base + QStringList{u"--sem-pagina=1"_s} << u"LINHA_VALOR_INVALIDO"_s << u"--sem-pagina"_s;
        QTest::newRow("ports take no port") << QStringList{u"vt"_s, u"portas"_s, u"--porta"_s, u"3"_s}
                                            << u"LINHA_OPCAO_DESCONHECIDA"_s << u"--porta"_s;
    }
    void opcoes()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, erro);
        QFETCH(QString, nomeada);
        QVERIFY(Linha::EhComandoDeLinha(argumentos));
        const Linha::Opcoes o = Linha::AnalisaOpcoes(argumentos);
        QCOMPARE(o.erro, erro);
        if (!erro.isEmpty()) {
            QVERIFY2(Linha::TextoErro(o).contains(nomeada), qPrintable(Linha::TextoErro(o)));
            return;
        }
        if (argumentos.contains(u"--box=2"_s)) {
            QCOMPARE(o.porta, 16);
            QCOMPARE(o.etiqueta, u"--x"_s);
            QCOMPARE(o.box, u"2"_s);
            QCOMPARE(o.idioma, 3);
            QVERIFY(o.semPagina);
            QCOMPARE(o.tempoMaxS, 9);
        }
        if (argumentos.contains(u"/p"_s) || argumentos.contains(u"--pasta=/p"_s))
            QCOMPARE(o.pasta, u"/p"_s);
    }

    void naoEComandoDeLinha()
    {
        // The windowed program keeps its own options.
        for (const QStringList& a : {QStringList{u"vt"_s}, QStringList{u"vt"_s, u"--pasta"_s, u"/p"_s},
                                     QStringList{u"vt"_s, u"--sem-caixas"_s, u"diagnostico"_s}, QStringList{u"vt"_s, u"--pasta"_s}})
            QVERIFY2(!Linha::EhComandoDeLinha(a), qPrintable(a.join(u' ')));
    }

    void saidaDaExecucao_data()
    {
        QTest::addColumn<bool>("completa");
        QTest::addColumn<QList<int>>("veredictos"); // Veredito of each item, one step
        QTest::addColumn<int>("fim");               // FimPasso of that step
        QTest::addColumn<int>("saida");
        const int p = int(Veredito::Passa), f = int(Veredito::Falha), s = int(Veredito::SemLeitura),
                  n = int(Veredito::NaoMensuravel), g = int(Veredito::NaoGraduado);
        const int resp = int(FimPasso::Respondido), sem = int(FimPasso::SemResposta);
        QTest::newRow("all pass") << true << QList<int>{p, n, g} << resp << 0;
        QTest::newRow("one fails") << true << QList<int>{p, f} << resp << 1;
        QTest::newRow("fails and unread") << true << QList<int>{f, s} << resp << 1;
        QTest::newRow("unread") << true << QList<int>{p, s} << resp << 2;
        QTest::newRow("step unanswered") << true << QList<int>{} << sem << 2;
        QTest::newRow("stopped early") << false << QList<int>{p} << resp << 2;
        QTest::newRow("stopped early, a failure") << false << QList<int>{f} << resp << 2;
    }
    void saidaDaExecucao()
    {
        QFETCH(bool, completa);
        QFETCH(QList<int>, veredictos);
        QFETCH(int, fim);
        QFETCH(int, saida);
        ExecucaoDiagnostico e;
        e.completa = completa;
        ResultadoPasso r{u"vcore"_s, u"VCores"_s, u"pmuadc --read all"_s, FimPasso(fim), {}};
        for (int v : veredictos)
            r.itens << ItemDiagnostico{u"vcore"_s, u"PP_%1"_s.arg(r.itens.size()), u"1 V"_s, u"1 V"_s, Veredito(v)};
        e.passos << r;
        QCOMPARE(Linha::SaidaDaExecucao(e), saida);
    }

    // Both helps on a machine without a display: the program's names its two commands.
    void ajudaSemTela()
    {
        const QList<std::pair<QStringList, QList<QByteArray>>> casos{
            {{u"--help"_s}, {"diagnostico --porta", "diagnostico --help", "portas", "--pasta", "--sem-caixas"}},
            {{u"diagnostico"_s, u"--help"_s}, {"--etiqueta", "--tempo-max"}},
        };
        for (const auto& [argumentos, textos] : casos) {
            const Saida s = roda(argumentos);
            QCOMPARE(s.codigo, 0);
            for (const QByteArray& t : textos)
                QVERIFY2(s.padrao.contains(t), (argumentos.join(u' ').toUtf8() + ":\n" + s.padrao + s.erros).constData());
        }
    }

    // A good board of each model: exit 0, one progress line per step, the JSON with every
    // field of its layout, the page, and the window's history entry inside its folder.
    void placaBoa_data()
    {
        QTest::addColumn<QString>("modelo");
        for (const QString& m : PerfilModelo::nomes())
            QTest::newRow(qPrintable(m)) << m;
    }
    void placaBoa()
    {
        QFETCH(QString, modelo);
        PastaAplicacaoTemporaria pasta;
        DefineIdioma(1);
        Bancada b;
        QVERIFY(b.inicia({u"--modelo"_s, modelo, u"--banco"_s, pasta.banco()}, 3));
        const Saida s = roda(diagnostico(pasta.caminho(), EtiquetaEstranha));
        QVERIFY2(s.codigo == 0, s.erros.constData());
        const QJsonObject o = s.json();
        // The layout the README gives: each field with its type.
        const QList<std::pair<const char*, QJsonValue::Type>> campos{
            {"modelo", QJsonValue::String}, {"numero", QJsonValue::String}, {"etiqueta", QJsonValue::String},
            {"inicio", QJsonValue::String}, {"duracaoMs", QJsonValue::Double}, {"completa", QJsonValue::Bool},
            {"interrupcao", QJsonValue::String}, {"saida", QJsonValue::Double}, {"resumo", QJsonValue::String},
            {"passos", QJsonValue::Array}, {"itens", QJsonValue::Array}, {"contagens", QJsonValue::Object},
            {"subsistemas", QJsonValue::Array}, {"anterior", QJsonValue::Null}, {"consertados", QJsonValue::Array},
            {"novasFalhas", QJsonValue::Array}, {"pagina", QJsonValue::String}, {"pdf", QJsonValue::Null},
            {"historico", QJsonValue::String}};
        for (const auto& [campo, tipo] : campos)
            QVERIFY2(o.value(QLatin1String(campo)).type() == tipo, campo);
        QCOMPARE(o.size(), campos.size());
        const QList<std::pair<const char*, QJsonValue::Type>> camposItem{
            {"subsistema", QJsonValue::String}, {"item", QJsonValue::String}, {"leitura", QJsonValue::String},
            {"referencia", QJsonValue::String}, {"veredito", QJsonValue::String}};
        const QJsonArray itens = o.value(u"itens"_s).toArray();
        QVERIFY(itens.size() > 50);
        int comDesvio = 0;
        for (const QJsonValue& v : itens) {
            const QJsonObject i = v.toObject();
            for (const auto& [campo, tipo] : camposItem)
                QVERIFY2(i.value(QLatin1String(campo)).type() == tipo, campo);
            QVERIFY(i.value(u"desvio"_s).isNull() || i.value(u"desvio"_s).isDouble());
            comDesvio += i.value(u"desvio"_s).isDouble();
            QVERIFY2(i.value(u"veredito"_s) != u"falha"_s && i.value(u"veredito"_s) != u"semleitura"_s,
                     qPrintable(i.value(u"item"_s).toString()));
        }
        QVERIFY(comDesvio > 0);
        QCOMPARE(o.value(u"modelo"_s).toString(), modelo);
        QVERIFY(PerfilModelo::de(modelo).numeros.contains(o.value(u"numero"_s).toString()));
        QCOMPARE(o.value(u"etiqueta"_s).toString(), EtiquetaEstranha.trimmed());
        QVERIFY(o.value(u"completa"_s).toBool());
        QCOMPARE(o.value(u"saida"_s).toInt(), 0);
        const QJsonObject contagens = o.value(u"contagens"_s).toObject();
        QCOMPARE(contagens.value(u"falha"_s).toInt() + contagens.value(u"semleitura"_s).toInt(), 0);
        int soma = 0;
        for (const QString& k : {u"passa"_s, u"falha"_s, u"naomensuravel"_s, u"semleitura"_s, u"naograduado"_s})
            soma += contagens.value(k).toInt();
        QCOMPARE(soma, int(itens.size()));
        // One progress line per step, and each step in the result.
        const QJsonArray passos = o.value(u"passos"_s).toArray();
        QCOMPARE(s.linhasPasso().size(), int(passos.size()));
        for (const QJsonValue& p : passos)
            QCOMPARE(p.toObject().value(u"fim"_s).toString(), u"respondido"_s);
        // The page, and the history in its folder however odd the label: the window's entry.
        QVERIFY(QFileInfo(o.value(u"pagina"_s).toString()).isFile());
        const QString historico = o.value(u"historico"_s).toString();
        QCOMPARE(QFileInfo(historico).absolutePath(), QDir(pasta.caminho()).absoluteFilePath(u"relatorios/historico"_s));
        QVERIFY(QFileInfo(historico).isFile());
        QCOMPARE(historico, ArquivoHistorico(ContextoTeste().dados, modelo, o.value(u"numero"_s).toString(), EtiquetaEstranha.trimmed()));
        const auto guardada = UltimaExecucao(ContextoTeste().dados, modelo, o.value(u"numero"_s).toString(), EtiquetaEstranha.trimmed());
        QVERIFY(guardada && guardada->completa);
        QCOMPARE(guardada->itens().size(), itens.size());
        // Nothing else was written: the page and the one history file.
        QCOMPARE(QDir(pasta.caminho() + u"/relatorios"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
                 (QStringList{QFileInfo(o.value(u"pagina"_s).toString()).fileName(), u"historico"_s}));
        QCOMPARE(QDir(pasta.caminho() + u"/relatorios/historico"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QFileInfo(historico).fileName()});
    }

    // Faults on the board: exit 1 with exactly those items; then the window runs the same
    // label on the repaired board and shows the repair, and the command line after it the
    // faults back: each side's run is the other's previous one.
    void falhasEHistoricoComAJanela()
    {
        CenarioJanela c;
        QTemporaryDir temp;
        const QString etiqueta = u"OS-77"_s;
        {
            Bancada b;
            QVERIFY(bancadaComPerfil(b, temp, u"IP X"_s, c.pasta.banco(), PerfilComFalhas));
            const Saida s = roda(diagnostico(c.pasta.caminho(), etiqueta));
            QVERIFY2(s.codigo == 1, s.erros.constData());
            const QJsonObject o = s.json();
            QCOMPARE(falhasDoJson(o), FalhasDoPerfil);
            QVERIFY(o.value(u"completa"_s).toBool());
            QCOMPARE(o.value(u"contagens"_s).toObject().value(u"semleitura"_s).toInt(), 1);
            // The failing step's line names what failed.
            QVERIFY2(QString::fromUtf8(s.erros).contains(u"I2C 4 (i2c -s 4): \u2718 FALHA \u2014 FALHA: I2C 4 403 PROX"_s),
                     s.erros.constData());
        }
        QVERIFY(c.iniciaBancada(u"IP X"_s, {}, {}, u"A1865"_s));
        c.roteiro.roteiro.respostasEntrada << etiqueta;
        Diagnostico* janela = Diagnostico::abre(c.amb->janelas);
        QVERIFY(janela && janela->executor());
        ExecutorDiagnostico* e = janela->executor();
        QVERIFY(QTest::qWaitFor([e] { return !e->rodando(); }, 60000));
        QVERIFY(e->execucao().tudoPassou());
        QVERIFY(e->anterior());
        QSet<QString> consertados;
        for (const ItemDiagnostico& i : ComparaExecucoes(*e->anterior(), e->execucao()).consertados)
            consertados << i.item;
        QCOMPARE(consertados, QSet<QString>(FalhasDoPerfil.keyBegin(), FalhasDoPerfil.keyEnd()));
        const QString inicioJanela = e->execucao().inicio.toString(Qt::ISODate).left(19);
        c.amb.reset();
        c.bancada.para();

        Bancada b;
        QVERIFY(bancadaComPerfil(b, temp, u"IP X"_s, c.pasta.banco(), PerfilComFalhas));
        const Saida s = roda(diagnostico(c.pasta.caminho(), etiqueta));
        QCOMPARE(s.codigo, 1);
        const QJsonObject o = s.json();
        QCOMPARE(o.value(u"anterior"_s).toObject().value(u"inicio"_s).toString().left(19),
                 inicioJanela);
        QCOMPARE(nomes(o.value(u"novasFalhas"_s).toArray()),
                 QSet<QString>(FalhasDoPerfil.keyBegin(), FalhasDoPerfil.keyEnd()));
        QVERIFY(o.value(u"consertados"_s).toArray().isEmpty());
    }

    // The box pulled mid-run: exit 2, a partial page, the steps after the loss not run.
    void caixaPuxada()
    {
        PastaAplicacaoTemporaria pasta;
        DefineIdioma(1);
        Bancada b;
        QVERIFY(b.inicia({u"--modelo"_s, u"IP X"_s, u"--banco"_s, pasta.banco(), u"--queda"_s, u"5"_s}, 3));
        const Saida s = roda(diagnostico(pasta.caminho(), u"OS-5"_s));
        QVERIFY2(s.codigo == 2, s.erros.constData());
        const QJsonObject o = s.json();
        QVERIFY(!o.value(u"completa"_s).toBool());
        QCOMPARE(o.value(u"interrupcao"_s).toString(), L(u"DIAG_LIGACAO_PERDIDA"_s));
        QStringList fins;
        for (const QJsonValue& p : o.value(u"passos"_s).toArray())
            fins << p.toObject().value(u"fim"_s).toString();
        // The board's first command was the connection's: it vanished in the fourth step's answer.
        QCOMPARE(fins.mid(0, 3), QStringList(3, u"respondido"_s));
        QCOMPARE(fins.mid(3), QStringList(fins.size() - 3, u"naoexecutado"_s));
        QFile pagina(o.value(u"pagina"_s).toString());
        QVERIFY(pagina.open(QIODevice::ReadOnly));
        QVERIFY(pagina.readAll().contains("class=\"resumo parcial\""));
        QVERIFY(QFileInfo(o.value(u"historico"_s).toString()).isFile());
    }

    // Ctrl+C: the step in flight ends and counts, nothing more is asked, page and history are
    // written; exit 2. Without --json to stdout the result goes to the file.
    void interrompido()
    {
        PastaAplicacaoTemporaria pasta;
        DefineIdioma(1);
        QTemporaryDir temp;
        Bancada b;
        QVERIFY(b.inicia({u"--modelo"_s, u"IP X"_s, u"--banco"_s, pasta.banco(), u"--lento"_s, u"20"_s}, 3));
        const QString json = temp.filePath(u"r.json"_s);
        QProcess p;
        preparaProcesso(p, diagnostico(pasta.caminho(), u"OS-6"_s, {u"--json"_s, json}));
        p.start();
        QVERIFY(b.esperaRegistro("pmuadc --read all\r", 15000));
        QTest::qWait(300); // the answer is on its way
        ::kill(pid_t(p.processId()), SIGINT);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QFile f(json);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
        QCOMPARE(o.value(u"interrupcao"_s).toString(), L(u"LINHA_INTERROMPIDO"_s));
        const QJsonArray passos = o.value(u"passos"_s).toArray();
        QCOMPARE(passos.at(0).toObject().value(u"fim"_s).toString(), u"respondido"_s);
        int respondidos = 0;
        for (const QJsonValue& v : passos)
            respondidos += v.toObject().value(u"fim"_s) == u"respondido"_s;
        QVERIFY(respondidos < passos.size());
        // Only the steps that ran were asked.
        QCOMPARE(QString::fromLatin1(b.registro()).count(u'\r'), 1 + respondidos);
        QVERIFY(QFileInfo(o.value(u"pagina"_s).toString()).isFile());
        QVERIFY(QFileInfo(o.value(u"historico"_s).toString()).isFile());
    }

    // --tempo-max: a slow run stops with what it read (2); a box that never answers is given
    // up before the connection's own wait ends (3).
    void limiteDeTempo_data()
    {
        QTest::addColumn<QStringList>("bancada");
        QTest::addColumn<int>("saida");
        QTest::newRow("slow run") << QStringList{u"--lento"_s, u"20"_s} << 2;
        QTest::newRow("silent box") << QStringList{u"--mudo"_s} << 3;
    }
    void limiteDeTempo()
    {
        QFETCH(QStringList, bancada);
        QFETCH(int, saida);
        PastaAplicacaoTemporaria pasta;
        DefineIdioma(1);
        Bancada b;
        QVERIFY(b.inicia(QStringList{u"--modelo"_s, u"IP X"_s, u"--banco"_s, pasta.banco()} + bancada, 3));
        QElapsedTimer relogio;
        relogio.start();
        const Saida s = roda(diagnostico(pasta.caminho(), u"OS-8"_s, {u"--tempo-max"_s, u"2"_s}));
        QVERIFY2(s.codigo == saida, s.erros.constData());
        // Ended by the limit (its message says so), well before the run or the wait would end.
        QVERIFY2(relogio.elapsed() < 10000, qPrintable(QString::number(relogio.elapsed())));
        const QString motivo = L(u"LINHA_TEMPO_ESGOTADO"_s).arg(2);
        QVERIFY2(QString::fromUtf8(s.erros).contains(motivo), s.erros.constData());
        if (saida == 2) {
            QCOMPARE(s.json().value(u"interrupcao"_s).toString(), motivo);
            QVERIFY(QFileInfo(s.json().value(u"historico"_s).toString()).isFile());
        } else {
            QVERIFY(s.padrao.isEmpty());
        }
    }

    // Nothing to diagnose: a silent box, a port without a device, a board whose number names
    // no model. Exit 3 with why, and no result, page or history.
    void semPlaca_data()
    {
        QTest::addColumn<QStringList>("bancada"); // empty: a port whose device is not there
        QTest::addColumn<QString>("motivo");
        QTest::newRow("silent box") << QStringList{u"--mudo"_s} << u"COM3 não respondeu"_s;
        QTest::newRow("no device") << QStringList() << u"COM3 não abriu"_s;
        QTest::newRow("unknown number") << QStringList{u"--rmd"_s, u"A9999"_s} << u"(*A9999*) não identifica"_s;
    }
    void semPlaca()
    {
        QFETCH(QStringList, bancada);
        QFETCH(QString, motivo);
        PastaAplicacaoTemporaria pasta;
        DefineIdioma(1);
        Bancada b;
        QTemporaryDir portas;
        const QByteArray antes = qgetenv("VEXADOR_PORTAS");
        if (bancada.isEmpty()) {
            QVERIFY(QFile::link(u"/nao/existe/tty"_s, portas.filePath(u"com3"_s)));
            qputenv("VEXADOR_PORTAS", portas.path().toUtf8());
        } else {
            QVERIFY(b.inicia(QStringList{u"--modelo"_s, u"IP X"_s, u"--banco"_s, pasta.banco()} + bancada, 3));
        }
        const Saida s = roda(diagnostico(pasta.caminho(), u"OS-3"_s));
        if (bancada.isEmpty())
            qputenv("VEXADOR_PORTAS", antes);
        QVERIFY2(s.codigo == 3, s.erros.constData());
        QVERIFY(s.padrao.isEmpty());
        QVERIFY2(QString::fromUtf8(s.erros).contains(motivo), s.erros.constData());
        QVERIFY(!QFileInfo::exists(pasta.caminho() + u"/relatorios"_s));
    }

    // A wrong command line or a folder that cannot be used: exit 4, the option or the folder
    // named, nothing sent to the board.
    void mauUso()
    {
        PastaAplicacaoTemporaria pasta;
        DefineIdioma(1);
        Bancada b;
        QVERIFY(b.inicia({u"--modelo"_s, u"IP X"_s, u"--banco"_s, pasta.banco()}, 3));
        const QList<std::pair<QStringList, QString>> casos{
            {diagnostico(pasta.caminho(), u"x"_s, {u"--cor"_s, u"azul"_s}), u"--cor"_s},
            {{u"diagnostico"_s, u"--porta"_s, u"3"_s, u"--pasta"_s, pasta.caminho()}, u"--etiqueta"_s},
            {diagnostico(pasta.caminho(), u"x"_s, {u"--json"_s, u"/sem/tal/pasta/r.json"_s}), u"--json"_s},
            {diagnostico(pasta.caminho() + u"/vazia"_s, u"x"_s), u"vazia"_s},
        };
        QDir(pasta.caminho()).mkdir(u"vazia"_s);
        for (const auto& [argumentos, nomeada] : casos) {
            const Saida s = roda(argumentos);
            QCOMPARE(s.codigo, 4);
            QVERIFY2(QString::fromUtf8(s.erros).contains(nomeada), s.erros.constData());
        }
        // One program per folder: the window's program holds it.
        InstanciaUnica aberta(pasta.caminho());
        QCOMPARE(aberta.assume(), InstanciaUnica::Situacao::Primeira);
        const Saida s = roda(diagnostico(pasta.caminho(), u"x"_s));
        QCOMPARE(s.codigo, 4);
        QVERIFY2(QString::fromUtf8(s.erros).contains(QDir::toNativeSeparators(QDir(pasta.caminho()).absolutePath())),
                 s.erros.constData());
        QVERIFY(b.registro().isEmpty());
        // The ports: the board's link, one a line.
        const Saida portas = roda({u"portas"_s});
        QCOMPARE(portas.codigo, 0);
        QVERIFY2(portas.padrao.contains("COM3\t" + b.dispositivo().toUtf8() + "\n"), portas.padrao.constData());
    }
};

QTEST_MAIN(TstLinha)
#include "tst_linha.moc"
