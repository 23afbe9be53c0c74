// The session log: answers kept byte for byte behind their prefix, one file per day, old days
// removed, a failure to write told once without disturbing the exchange; a short session
// against the bench board logged command by command.
#include "apoio/LigacaoAberta.h"
#include "shell/Sessao.h"
#include "app/janelas/TabelaJanelas.h"
#include "ui/GerenciadorJanelas.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Conexao.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "shell/RegistroSessao.h"
#include "app/janelas/Inicial.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int PortaBancada = 16;

// One entry read back from a log file.
struct Entrada {
    QDateTime quando;
    QString cabecalho;
    QByteArray comando;  // bytes after "    > ", up to the LF that ends the line
    QByteArray resposta; // the answer lines joined again
    bool temResposta = false;
};

QList<Entrada> leRegistro(const QByteArray& bytes)
{
    QList<Entrada> entradas;
    QList<QByteArray> linhas = bytes.split('\n');
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast(); // after the last line end
    QList<QByteArray> resposta;
    auto fecha = [&] {
        if (!entradas.isEmpty() && entradas.last().temResposta)
            entradas.last().resposta = resposta.join('\n');
        resposta.clear();
    };
    for (const QByteArray& linha : std::as_const(linhas)) {
        if (linha.startsWith("    > ")) {
            entradas.last().comando = linha.mid(6);
        } else if (linha.startsWith("    | ")) {
            entradas.last().temResposta = true;
            resposta << linha.mid(6);
        } else {
            fecha();
            Entrada e;
            e.cabecalho = QString::fromUtf8(linha);
            e.quando = QDateTime::fromString(e.cabecalho.left(23), QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
            entradas << e;
        }
    }
    fecha();
    return entradas;
}

QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstRegistroSessao : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void respostaDeVolta_data();
    void respostaDeVolta();
    void umArquivoPorDia();
    void removeAntigos();
    void falhaAvisadaUmaVez();
    void limiteDiario();
    void respostaAlemDoLimite();

    void sessaoCurta();
    void pastaIndisponivelNaoAtrapalha();
    void discoCheioDitoUmaVez();

private:
    bool esperaConectado(Inicial& w, int ms = 8000)
    {
        return QTest::qWaitFor([&] {
            return w.conexao().corStatus() == QLatin1String("Verde") && !w.conexao().consultaEmCurso()
                   && w.ligacao().estado() == EstadoLigacao::Ociosa
                   && w.findChild<QLabel*>(QStringLiteral("lbModelo"))->text() == QLatin1String("A1660");
        }, ms);
    }

    PastaAplicacaoTemporaria* m_pasta = nullptr;
    RoteiroInstalado* m_caixas = nullptr;
};

void TstRegistroSessao::init()
{
    m_pasta = new PastaAplicacaoTemporaria;
    m_caixas = new RoteiroInstalado;
    DefineIdioma(1);
}

void TstRegistroSessao::cleanup()
{
    delete m_caixas;
    delete m_pasta;
}

void TstRegistroSessao::respostaDeVolta_data()
{
    QTest::addColumn<QString>("R");
    QTest::newRow("answer as collected") << QStringLiteral("\r\nhelp\r\r\nline one\r\n[0D1F2E3C:5A4B6C7D] :-) ");
    QTest::newRow("bare line break") << QStringLiteral("\r\n");
    QTest::newRow("empty") << QString();
    QTest::newRow("ends in LF, blank lines") << QStringLiteral("a\n\n\nb\n");
    QTest::newRow("lone CR, prefix-like text") << QStringLiteral("x\ry\r\n    | z\r\n    > w");
    static const char lixo[] = "\r\nA\x00\xff\x1b[2J\xc3(\r\n";
    QTest::newRow("bytes that are not text") << QString::fromLatin1(lixo, sizeof lixo - 1);
}

void TstRegistroSessao::respostaDeVolta()
{
    QFETCH(QString, R);
    QTemporaryDir pasta;
    Ligacao ligacao;
    Sessao sessao(ligacao);
    ligacao.definePortaSelecionada(QStringLiteral("7"));
    sessao.defineNumeroModelo(QStringLiteral("A1660"));
    RegistroSessao registro(sessao, pasta.filePath(QStringLiteral("logs")));
    // The entries name who asked as the window table does.
    GerenciadorJanelas janelas(ContextoTeste(), sessao, nullptr);
    registraJanelas(janelas);
    registro.defineNomes([&](const QString& c) { return janelas.nomeDoRequisitante(c); });
    registro.registraComando(QStringLiteral("16"), QStringLiteral("pmuadc --read all"));
    registro.registraResposta(QStringLiteral("16"), R);
    registro.registraEvento(QStringLiteral("Desconectado pelo usuário"));

    const QString arquivo = registro.arquivoDoDia(QDate::currentDate());
    const QByteArray bytes = conteudo(arquivo);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(QString::fromUtf8(bytes).toUtf8(), bytes); // valid UTF-8
    const QList<Entrada> e = leRegistro(bytes);
    QCOMPARE(e.size(), 3);
    QVERIFY2(e[0].cabecalho.endsWith(QStringLiteral(" | COM7 | IP 7 | A1660 | VCores (16) | comando")),
             qPrintable(e[0].cabecalho));
    QCOMPARE(e[0].comando, QByteArray("pmuadc --read all\r"));
    QVERIFY(e[1].temResposta);
    QCOMPARE(e[1].resposta, R.toUtf8());
    QVERIFY(e[2].cabecalho.endsWith(QStringLiteral("** Desconectado pelo usuário")));
    QVERIFY(e[0].quando.isValid());
    QVERIFY(e[0].quando <= e[1].quando && e[1].quando <= e[2].quando);
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 0);
}

void TstRegistroSessao::umArquivoPorDia()
{
    QTemporaryDir pasta;
    Ligacao ligacao;
    Sessao sessao(ligacao);
    QDateTime agora(QDate(2026, 12, 10), QTime(23, 59, 59, 900));
    RegistroSessao registro(sessao, pasta.path(), nullptr, [&] { return agora; });
    registro.registraEvento(QStringLiteral("antes"));
    agora = agora.addMSecs(200); // past midnight
    registro.registraEvento(QStringLiteral("depois"));
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files),
             (QStringList{"sessao-2026-12-10.log", "sessao-2026-12-11.log"}));
    QVERIFY(conteudo(pasta.filePath("sessao-2026-12-10.log")).startsWith("2026-12-10 23:59:59.900 | "));
    QVERIFY(conteudo(pasta.filePath("sessao-2026-12-11.log")).startsWith("2026-12-11 00:00:00.100 | "));
    // A new day file is appended to, never replaced.
    RegistroSessao outro(sessao, pasta.path(), nullptr, [&] { return agora; });
    outro.registraEvento(QStringLiteral("mais"));
    QCOMPARE(leRegistro(conteudo(pasta.filePath("sessao-2026-12-11.log"))).size(), 2);
}

void TstRegistroSessao::removeAntigos()
{
    QTemporaryDir pasta;
    const QDate hoje(2026, 12, 10);
    const QStringList nomes = {
        RegistroSessao::NomeDoArquivo(hoje),
        RegistroSessao::NomeDoArquivo(hoje.addDays(-180)),
        RegistroSessao::NomeDoArquivo(hoje.addDays(-181)),
        RegistroSessao::NomeDoArquivo(hoje.addDays(-900)),
        QStringLiteral("notas.txt"),
        QStringLiteral("sessao-2020-01-01.log.bak"),
        QStringLiteral("sessao-2020-13-45.log"),
    };
    for (const QString& n : nomes) {
        QFile f(pasta.filePath(n));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    Ligacao ligacao;
    Sessao sessao(ligacao);
    // Start-up removes them.
    RegistroSessao registro(sessao, pasta.path(), nullptr, [&] { return QDateTime(hoje, QTime(8, 0)); });
    QStringList restam = QDir(pasta.path()).entryList(QDir::Files);
    restam.sort();
    QStringList esperados = {RegistroSessao::NomeDoArquivo(hoje), RegistroSessao::NomeDoArquivo(hoje.addDays(-180)),
                             QStringLiteral("notas.txt"), QStringLiteral("sessao-2020-01-01.log.bak"),
                             QStringLiteral("sessao-2020-13-45.log")};
    esperados.sort();
    QCOMPARE(restam, esperados);
    // No folder yet: nothing to do, nothing shown.
    QCOMPARE(RegistroSessao::RemoveAntigos(pasta.filePath("nenhuma"), hoje), 0);
}

void TstRegistroSessao::falhaAvisadaUmaVez()
{
    QTemporaryDir pasta;
    // A file where the folder should be: nothing can be written (the tests run as root, so
    // permissions would not stop them).
    const QString logs = pasta.filePath(QStringLiteral("logs"));
    {
        QFile f(logs);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    Ligacao ligacao;
    Sessao sessao(ligacao);
    RegistroSessao registro(sessao, logs);
    QSignalSpy falhas(&registro, &RegistroSessao::falhaDeEscrita);
    registro.registraComando(QStringLiteral("1"), QStringLiteral("help"));
    // Not while the entry is being written: the caller goes on first.
    QCOMPARE(falhas.size(), 0);
    registro.registraResposta(QStringLiteral("1"), QStringLiteral("\r\nhelp"));
    QTRY_COMPARE(falhas.size(), 1);
    QVERIFY2(falhas.first().at(0).toString().contains(logs), qPrintable(falhas.first().at(0).toString()));
    QCOMPARE(falhas.first().at(1).toInt(), int(QFileDevice::OpenError));
    registro.registraEvento(QStringLiteral("Conectado"));
    QTest::qWait(50);
    QCOMPARE(falhas.size(), 1);
    QCOMPARE(registro.textoDaFalha(), L("REGISTRO_FALHOU").arg(L("REGISTRO_PASTA"), QDir::toNativeSeparators(logs)));

    // Once the folder can be made, entries are written again, silently.
    QVERIFY(QFile::remove(logs));
    registro.registraEvento(QStringLiteral("de volta"));
    QVERIFY(conteudo(registro.arquivoDoDia(QDate::currentDate())).contains("** de volta\n"));
    QTest::qWait(50);
    QCOMPARE(falhas.size(), 1);
    // Boxes are the main window's (pastaIndisponivelNaoAtrapalha).
    QVERIFY(m_caixas->roteiro.mostradas.isEmpty());
}

void TstRegistroSessao::limiteDiario()
{
    QTemporaryDir pasta;
    Ligacao ligacao;
    Sessao sessao(ligacao);
    QDateTime agora(QDate(2026, 12, 10), QTime(10, 0));
    RegistroSessao registro(sessao, pasta.path(), nullptr, [&] { return agora; });
    registro.defineLimiteDiario(2000);
    for (int i = 0; i < 100; ++i)
        registro.registraResposta(QStringLiteral("1"), QStringLiteral("\r\nline %1\r\n").arg(i));
    const QByteArray dia = conteudo(pasta.filePath("sessao-2026-12-10.log"));
    const QList<Entrada> e = leRegistro(dia);
    // Whole entries up to the cap, then the note once, then nothing.
    QVERIFY(e.size() > 5);
    QVERIFY2(e.last().cabecalho.endsWith(
                 QStringLiteral("** limite diário do registro atingido (2000 bytes): nada mais é registrado hoje")),
             qPrintable(e.last().cabecalho));
    for (const Entrada& x : e.mid(0, e.size() - 1))
        QVERIFY(x.temResposta);
    QVERIFY(dia.size() - e.last().cabecalho.toUtf8().size() - 1 <= 2000);
    QCOMPARE(dia.count("limite diário"), 1);
    // The next day starts again.
    agora = agora.addDays(1);
    registro.registraEvento(QStringLiteral("novo dia"));
    QVERIFY(conteudo(pasta.filePath("sessao-2026-12-11.log")).contains("** novo dia\n"));
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 0);
}

void TstRegistroSessao::respostaAlemDoLimite()
{
    QTemporaryDir pasta;
    Ligacao ligacao;
    Sessao sessao(ligacao);
    RegistroSessao registro(sessao, pasta.path());
    registro.defineNomes([](const QString& c) { return c == QLatin1String("1") ? QStringLiteral("Master") : c; });
    const qsizetype parte = RegrasTroca::Descarte::Parte;
    QString R = QStringLiteral("\r\nsyscfg list\r\r\n");
    while (R.size() < 3 * parte)
        R += QStringLiteral("Key: 0x1\r\n");
    RegrasTroca::Descarte alem;
    QByteArray fluxo;
    for (int i = 0; i < 3000; ++i)
        fluxo += "flood " + QByteArray::number(i) + "\n";
    alem.acrescenta(fluxo);
    registro.registraResposta(QStringLiteral("1"), R, true, alem);
    const QByteArray bytes = conteudo(registro.arquivoDoDia(QDate::currentDate()));
    const QList<QByteArray> linhas = bytes.split('\n');
    QVERIFY(linhas[0].endsWith(QStringLiteral("Master (1) | resposta cortada no limite de leituras e de tamanho, %1 "
                                              "caracteres guardados, %2 bytes descartados")
                                   .arg(R.size())
                                   .arg(fluxo.size())
                                   .toUtf8()));
    // The first part of the answer, what was left out, the last bytes that arrived.
    const qsizetype omitida = bytes.indexOf("\n    ~ ");
    QVERIFY(omitida > 0);
    const QList<Entrada> antes = leRegistro(bytes.left(omitida + 1));
    QCOMPARE(antes.first().resposta, R.left(parte).toUtf8());
    const QByteArray linhaOmitida = bytes.mid(omitida + 1, bytes.indexOf('\n', omitida + 1) - omitida - 1);
    QCOMPARE(linhaOmitida, QStringLiteral("    ~ omitidos: %1 caracteres da resposta e %2 bytes descartados")
                               .arg(R.size() - parte)
                               .arg(fluxo.size() - parte)
                               .toUtf8());
    QVERIFY(bytes.endsWith(RegistroSessao::CorpoDaResposta(QString::fromLatin1(fluxo.right(parte))).toUtf8()));
}

void TstRegistroSessao::sessaoCurta()
{
    Bancada b;
    QVERIFY(b.inicia({}, PortaBancada));
    Inicial w(ContextoTeste());
    QCOMPARE(w.registro().pasta(), DadosTeste().pasta + QStringLiteral("/logs"));
    QCOMPARE(PastaLogs(ContextoTeste().dados.pasta), w.registro().pasta());
    QSignalSpy coletadas(&w.ligacao(), &Ligacao::respostaColetada);
    QTest::mouseClick(w.botao(1), Qt::LeftButton);
    QVERIFY(esperaConectado(w));
    QStringList entregues;
    registraEntrega(w.ligacao(), "17", [&](const QString& R, const QString&) { entregues << R; });
    for (const QString& comando : {QStringLiteral("help"), QStringLiteral("pmuadc --read all")}) {
        QVERIFY(solicita(w.ligacao(), "17", comando));
        QTRY_VERIFY_WITH_TIMEOUT(w.ligacao().estado() == EstadoLigacao::Ociosa, 10000);
    }
    QCOMPARE(entregues.size(), 2);
    QTest::mouseClick(w.botao(1), Qt::LeftButton);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 0);

    const QList<Entrada> e = leRegistro(conteudo(w.registro().arquivoDoDia(QDate::currentDate())));
    QByteArray enviados;
    QList<QByteArray> respostas;
    QStringList eventos;
    for (int i = 0; i < e.size(); ++i) {
        QVERIFY2(e[i].quando.isValid(), qPrintable(e[i].cabecalho));
        if (i > 0)
            QVERIFY2(e[i - 1].quando <= e[i].quando, qPrintable(e[i].cabecalho));
        if (!e[i].comando.isEmpty()) {
            enviados += e[i].comando;
            // The answer follows its command, later.
            QVERIFY(i + 1 < e.size() && e[i + 1].temResposta);
            QVERIFY(e[i].quando < e[i + 1].quando);
        }
        if (e[i].temResposta)
            respostas << e[i].resposta;
        const int marca = e[i].cabecalho.indexOf(QStringLiteral("| ** "));
        if (marca >= 0)
            eventos << e[i].cabecalho.mid(marca + 5);
    }
    // Exactly the bytes the board received, and every answer exactly as it was collected.
    QCOMPARE(enviados, b.registro());
    QCOMPARE(respostas.size(), coletadas.size());
    for (int i = 0; i < respostas.size(); ++i)
        QCOMPARE(respostas[i], coletadas[i][1].toString().toUtf8());
    QCOMPARE(respostas.mid(respostas.size() - 2),
             (QList<QByteArray>{entregues[0].toUtf8(), entregues[1].toUtf8()}));
    QVERIFY(entregues[1].contains(QStringLiteral("\r\r\n")));
    QVERIFY(entregues[1].endsWith(QStringLiteral("] :-) ")));
    QCOMPARE(eventos, (QStringList{"Conectando COM16", "Conectado", "Modelo identificado: IP 7 (A1660)",
                                   "Desconectado pelo usuário"}));
    // Who asked, on which port, for which board.
    int outros = 0;
    for (const Entrada& x : e)
        if (x.cabecalho.contains(QStringLiteral(" | COM16 | IP 7 | A1660 | Outros (17) | ")))
            ++outros;
    QCOMPARE(outros, 4);
}

void TstRegistroSessao::pastaIndisponivelNaoAtrapalha()
{
    {
        QFile f(PastaLogs(ContextoTeste().dados.pasta));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    Bancada b;
    QVERIFY(b.inicia({}, PortaBancada));
    Inicial w(ContextoTeste());
    QTest::mouseClick(w.botao(1), Qt::LeftButton);
    QVERIFY(esperaConectado(w));
    QString r;
    registraEntrega(w.ligacao(), "17", [&](const QString& R, const QString&) { r = R; });
    QVERIFY(solicita(w.ligacao(), "17", "help"));
    QTRY_VERIFY_WITH_TIMEOUT(!r.isEmpty(), 5000);
    QVERIFY(r.endsWith(QStringLiteral("] :-) ")));
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Ociosa);
    // Told once, in the program's words (what is not kept, why, where; the rest goes on), and
    // nothing else: no system error text, no error number.
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 1);
    const Dialogos::Caixa caixa = m_caixas->roteiro.mostradas.first().caixa;
    QCOMPARE(caixa.icone, Dialogos::Icone::Exclamacao);
    QCOMPARE(caixa.titulo, L("REGISTRO_TITULO"));
    QCOMPARE(caixa.texto, L("REGISTRO_FALHOU").arg(L("REGISTRO_PASTA"), QDir::toNativeSeparators(PastaLogs(ContextoTeste().dados.pasta))));
    QVERIFY(!caixa.texto.contains(QStringLiteral("Nº")));
    QVERIFY(QFileInfo(PastaLogs(ContextoTeste().dados.pasta)).isFile());
}

// A full disk (the day file is the system's always-full device): said once, in the program's
// words, with the file; every later entry is dropped without a word.
void TstRegistroSessao::discoCheioDitoUmaVez()
{
    if (!QFileInfo(QStringLiteral("/dev/full")).exists())
        QSKIP("no /dev/full on this system");
    QTemporaryDir pasta;
    Ligacao ligacao;
    Sessao sessao(ligacao);
    RegistroSessao registro(sessao, pasta.path());
    const QString dia = registro.arquivoDoDia(QDate::currentDate());
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), dia));
    QSignalSpy falhas(&registro, &RegistroSessao::falhaDeEscrita);
    for (int i = 0; i < 20; ++i)
        registro.registraEvento(QStringLiteral("linha %1").arg(i));
    QTRY_COMPARE(falhas.size(), 1);
    QTest::qWait(50);
    QCOMPARE(falhas.size(), 1);
    for (int idioma = 1; idioma <= 3; ++idioma) {
        DefineIdioma(idioma);
        QCOMPARE(registro.textoDaFalha(),
                 L("REGISTRO_FALHOU").arg(L("REGISTRO_DISCO_CHEIO"), QDir::toNativeSeparators(dia)));
    }
    DefineIdioma(1);
    QVERIFY(!registro.textoDaFalha().contains(QStringLiteral("No space")));
}

QTEST_MAIN(TstRegistroSessao)
#include "tst_registrosessao.moc"
