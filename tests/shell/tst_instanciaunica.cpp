// One program per application folder: a second start on the folder brings the running one to
// the front (or says that it runs) instead of opening a second writer of its database.
#include "db/Banco.h"
#include "shell/InstanciaUnica.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <future>

namespace {

const QString Programa = QStringLiteral(PASTA_APLICACAO "/vexador-tarrim");

// The program started on a folder, boxes written to its output and answered by themselves.
class Partida {
public:
    Partida(const QString& pasta, const QString& portas)
    {
        auto ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("VEXADOR_PORTAS"), portas);
        m_processo.setProcessEnvironment(ambiente);
        m_processo.setProcessChannelMode(QProcess::MergedChannels);
        m_processo.start(Programa, {QStringLiteral("--sem-caixas"), QStringLiteral("--pasta"), pasta});
    }
    ~Partida()
    {
        if (m_processo.state() != QProcess::NotRunning) {
            m_processo.kill();
            m_processo.waitForFinished();
        }
    }
    // True when it ended within ms.
    bool termina(int ms) { return m_processo.waitForFinished(ms); }
    bool rodando() const { return m_processo.state() == QProcess::Running; }
    int codigo() const { return m_processo.exitCode(); }
    QString saida() { return QString::fromLocal8Bit(m_processo.readAll()); }
    void mata() { ::kill(pid_t(m_processo.processId()), SIGKILL), m_processo.waitForFinished(); }
    void para() { ::kill(pid_t(m_processo.processId()), SIGSTOP); }
    void continua() { ::kill(pid_t(m_processo.processId()), SIGCONT); }

private:
    QProcess m_processo;
};

} // namespace

class TstInstanciaUnica : public QObject {
    Q_OBJECT
private slots:
    void segundaPartidaChamaAPrimeira();
    void travaSemResposta();
    void linhaDeComandoNaPasta();
    void duasPartidasDoPrograma();
};

void TstInstanciaUnica::segundaPartidaChamaAPrimeira()
{
    QTemporaryDir pasta, outra;
    InstanciaUnica primeira(pasta.path());
    QSignalSpy chamadas(&primeira, &InstanciaUnica::outraPartida);
    QCOMPARE(primeira.assume(), InstanciaUnica::Situacao::Primeira);

    {
        // The same folder by another spelling of its path. The first answers from its event
        // loop, so the second start runs beside it.
        auto segunda = std::async(std::launch::async, [&] {
            InstanciaUnica s(pasta.path() + QStringLiteral("/./"));
            return s.assume();
        });
        QVERIFY(QTest::qWaitFor([&] { return segunda.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000));
        QCOMPARE(segunda.get(), InstanciaUnica::Situacao::JaAberta);
    }
    QTRY_COMPARE(chamadas.size(), 1);

    {
        // The first hangs (its event loop does not turn): the system still takes the call and
        // the request, but nobody answers.
        InstanciaUnica segunda(pasta.path());
        QCOMPARE(segunda.assume(), InstanciaUnica::Situacao::JaAbertaMuda);
    }

    InstanciaUnica noutraPasta(outra.path());
    QCOMPARE(noutraPasta.assume(), InstanciaUnica::Situacao::Primeira);
}

void TstInstanciaUnica::travaSemResposta()
{
    QTemporaryDir pasta;
    {
        // Held by a program that does not answer (still loading, or frozen).
        QLockFile trava(QDir(pasta.path()).filePath(QStringLiteral(".vexador-tarrim.lock")));
        QVERIFY(trava.tryLock(0));
        InstanciaUnica segunda(pasta.path());
        QCOMPARE(segunda.assume(), InstanciaUnica::Situacao::JaAbertaMuda);
    }
    // Released: the folder is free again.
    InstanciaUnica depois(pasta.path());
    QCOMPARE(depois.assume(), InstanciaUnica::Situacao::Primeira);
}

void TstInstanciaUnica::linhaDeComandoNaPasta()
{
    QTemporaryDir pasta;
    InstanciaUnica linha(pasta.path());
    QSignalSpy chamadas(&linha, &InstanciaUnica::outraPartida);
    QVERIFY(linha.trava());
    // A window started meanwhile is told who holds the folder (not "does not answer"); the run
    // has no window to bring forward.
    auto janela = std::async(std::launch::async, [&] { return InstanciaUnica(pasta.path()).assume(); });
    QVERIFY(QTest::qWaitFor([&] { return janela.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000));
    QCOMPARE(janela.get(), InstanciaUnica::Situacao::EmUsoPelaLinha);
    QCOMPARE(chamadas.size(), 0);
    // A second run is refused; a window's folder refuses a run too.
    QVERIFY(!InstanciaUnica(pasta.path()).trava());
    QTemporaryDir outra;
    InstanciaUnica aberta(outra.path());
    QCOMPARE(aberta.assume(), InstanciaUnica::Situacao::Primeira);
    QVERIFY(!InstanciaUnica(outra.path()).trava());
}

void TstInstanciaUnica::duasPartidasDoPrograma()
{
    QTemporaryDir pasta, portas;
    const QString banco = pasta.filePath(QStringLiteral("Config.qzd"));
    QVERIFY(QFile::copy(QStringLiteral(PASTA_APLICACAO "/Config.qzd"), banco));
    QFile(banco).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(Banco(banco).executa(QStringLiteral("Update Tools set syncbd = '2'")));

    Partida primeira(pasta.path(), portas.path());
    QVERIFY2(!primeira.termina(3000), qPrintable(primeira.saida()));

    // The second start hands over to the first and ends at once, saying nothing.
    Partida segunda(pasta.path(), portas.path());
    QVERIFY(segunda.termina(10000));
    QCOMPARE(segunda.codigo(), 0);
    QVERIFY2(!segunda.saida().contains(QStringLiteral("CAIXA")), "a box was shown");
    QVERIFY(primeira.rodando());

    // The first hangs: the second start says that the program is open on this folder and
    // does not answer.
    primeira.para();
    Partida terceiraComPrimeiraParada(pasta.path(), portas.path());
    QVERIFY(terceiraComPrimeiraParada.termina(15000));
    const QString saida = terceiraComPrimeiraParada.saida();
    QVERIFY2(saida.contains(QStringLiteral("does not answer")), qPrintable(saida));
    primeira.continua();

    // A program that died leaves its lock behind; the next start takes the folder over.
    primeira.mata();
    QVERIFY(QFile::exists(pasta.filePath(QStringLiteral(".vexador-tarrim.lock"))));
    Partida terceira(pasta.path(), portas.path());
    QVERIFY2(!terceira.termina(3000), qPrintable(terceira.saida()));
}

QTEST_GUILESS_MAIN(TstInstanciaUnica)
#include "tst_instanciaunica.moc"
