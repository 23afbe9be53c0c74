// The command exchange where timing is the behaviour: the test plays the phone on the other
// side of a pseudo-terminal, so it decides to the poll tick when each piece arrives.
#include "apoio/Apoio.h"
#include "apoio/LigacaoAberta.h"

#include "app/janelas/Inicial.h"
#include "i18n/Dialogos.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "shell/Procedimento.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QPointer>
#include <pty.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

Q_DECLARE_METATYPE(RegrasTroca::RegraFim)

namespace {

// The phone's end of a pseudo-terminal.
class Telefone {
public:
    Telefone()
    {
        int escravo = -1;
        char nome[256] = {};
        if (::openpty(&m_mestre, &escravo, nome, nullptr, nullptr) == 0) {
            m_dispositivo = QString::fromLocal8Bit(nome);
            ::close(escravo);
            ::fcntl(m_mestre, F_SETFL, ::fcntl(m_mestre, F_GETFL) | O_NONBLOCK);
        }
    }
    ~Telefone()
    {
        if (m_mestre >= 0)
            ::close(m_mestre);
    }
    QString dispositivo() const { return m_dispositivo; }
    void escreve(const QByteArray& b)
    {
        qsizetype feito = 0;
        while (feito < b.size()) {
            const ssize_t n = ::write(m_mestre, b.constData() + feito, size_t(b.size() - feito));
            if (n > 0)
                feito += n;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    QByteArray recebido()
    {
        char buf[4096];
        ssize_t n;
        while ((n = ::read(m_mestre, buf, sizeof buf)) > 0)
            m_recebido.append(buf, n);
        return m_recebido;
    }
    int mestre() const { return m_mestre; }

private:
    int m_mestre = -1;
    QString m_dispositivo;
    QByteArray m_recebido;
};

double cpuDaLinhaPrincipal()
{
    rusage u {};
    ::getrusage(RUSAGE_THREAD, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

// Records the delivery of a test requester code and when it came.
struct Entrega {
    QString R, A;
    qint64 quando = -1;
    int ticksTimer2 = 0;
};

// A family that reads "nandsize", asks "nanduid" again when the first answer says "again",
// and refuses the model "none".
class ProcedimentoDeTeste : public Procedimento {
public:
    ProcedimentoDeTeste(Ligacao& l, const QString& modelo = {}) : Procedimento(l, "99"), m_modelo(modelo)
    {
        connect(this, &Procedimento::terminou, this, [this] {
            fins << QString::fromLatin1(QMetaEnum::fromType<Fim>().valueToKey(int(fim())));
        });
    }
    QStringList fins;
    QStringList respostas;

protected:
    bool comeca() override
    {
        if (m_modelo == "none") {
            termina(Fim::Recusado);
            return true;
        }
        return pede("nandsize");
    }
    void responde(const QString& R, const QString& A) override
    {
        respostas << A.trimmed();
        if (R.contains("again") && respostas.size() == 1) {
            pede("nanduid");
            return;
        }
        conclui({ItemGraduado{"NAND", A.trimmed().section('\n', 0, 0).trimmed(), {}, Veredito::Passa}});
    }

private:
    QString m_modelo;
};

} // namespace

class TstTroca : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_pasta = new PastaAplicacaoTemporaria;
        m_caixas = new RoteiroInstalado;
        DefineIdioma(1);
    }
    void cleanup()
    {
        delete m_caixas;
        delete m_pasta;
    }

    void primeiraLeitura_data();
    void primeiraLeitura();
    void fimNaPrimeiraLeituraVazia();
    void silencioNaBox2();
    void respostaQueComecaDepois_data();
    void respostaQueComecaDepois();
    void espelhoEEco();
    void respostaSemFimAPlenaVelocidade();
    void trocaTerminaUmaVez();
    void procedimentoTerminaUmaVez();

private:
    void prepara(Ligacao& l, Entrega& e, QElapsedTimer& relogio)
    {
        registraEntrega(l, "99", [&](const QString& R, const QString& A) {
            e.R = R;
            e.A = A;
            e.quando = relogio.elapsed();
        });
        connect(l.findChild<QTimer*>("Timer2"), &QTimer::timeout, this, [&e] { ++e.ticksTimer2; });
    }

    PastaAplicacaoTemporaria* m_pasta = nullptr;
    RoteiroInstalado* m_caixas = nullptr;
};

void TstTroca::primeiraLeitura_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<RegrasTroca::RegraFim>("regra");
    QTest::addColumn<QString>("comando");
    QTest::addColumn<int>("ticks"); // Timer2 ticks before the delivery
    const auto usual = [](const QString& comando) { return RegrasTroca::RegraDoComando(comando); };
    QTest::newRow("box 1: prompt delivered at the first poll") << "1" << "99" << usual("help") << "help" << 0;
    QTest::newRow("box 1: never the model command") << "1" << "99" << usual("syscfg print RMd#") << "syscfg print RMd#" << 6;
    QTest::newRow("box 1: never the gas gauge") << "1" << "99" << RegrasTroca::RegraFim::AtePrompt << "help" << 101;
    // The requester code says nothing about the end of the answer: the rule the request carries does.
    QTest::newRow("box 1: the gauge's code, the usual rule") << "1" << "19" << usual("help") << "help" << 0;
    QTest::newRow("box 2: no prompt shortcut") << "2" << "99" << usual("help") << "help" << 6;
}

void TstTroca::primeiraLeitura()
{
    QFETCH(QString, box);
    QFETCH(QString, codigo);
    QFETCH(RegrasTroca::RegraFim, regra);
    QFETCH(QString, comando);
    QFETCH(int, ticks);
    Telefone fone;
    Ligacao l;
    l.defineModeloBox(box);
    QVERIFY(AbreLigacao(l, fone.dispositivo()));
    QElapsedTimer relogio;
    Entrega e;
    prepara(l, e, relogio);
    const bool gasGauge = regra == RegrasTroca::RegraFim::AtePrompt;
    registraEntrega(l, codigo, [&](const QString& R, const QString& A) {
        e.R = R;
        e.A = A;
        e.quando = relogio.elapsed();
    });

    relogio.start();
    QVERIFY(solicita(l, codigo, comando, regra));
    QCOMPARE(l.estado(), EstadoLigacao::Ocupada);
    QTRY_VERIFY(fone.recebido() == comando.toLatin1() + '\r');
    // One line and the prompt, well within the first poll. (The gas-gauge rule ends on a
    // prompt in a chunk of its own, so it gets none here.)
    const qint64 prompt = relogio.elapsed();
    fone.escreve(comando.toLatin1() + "\r\nA1660\n" + (gasGauge ? "" : "[0D1F2E3C:5A4B6C7D] :-) "));
    QTRY_VERIFY_WITH_TIMEOUT(e.quando >= 0, 60000);
    QCOMPARE(e.ticksTimer2, ticks);
    QCOMPARE(l.estado(), EstadoLigacao::Ociosa);
    QCOMPARE(l.requisitante(), QStringLiteral("0"));
    const QString corpo = gasGauge ? "" : "[0D1F2E3C:5A4B6C7D] :-) ";
    QCOMPARE(e.R, "\r\n" + comando + "\r\r\nA1660\r\n" + corpo);
    QCOMPARE(e.A, "\r\n\r\r\nA1660\r\n" + corpo);
    qInfo("box %s, %s: prompt to delivery %lld ms (%d ticks of Timer2)", qPrintable(box), qPrintable(comando),
          e.quando - prompt, e.ticksTimer2);
}

void TstTroca::fimNaPrimeiraLeituraVazia()
{
    Telefone fone;
    Ligacao l;
    QVERIFY(AbreLigacao(l, fone.dispositivo()));
    QElapsedTimer relogio;
    Entrega e;
    prepara(l, e, relogio);
    // Right after each of the first seven polls of Timer2 a piece arrives, so polls 2 to 8
    // bring text and poll 1 is empty (too early to end); poll 9 is the first empty one.
    connect(l.findChild<QTimer*>("Timer2"), &QTimer::timeout, this, [&] {
        if (e.ticksTimer2 <= 7)
            fone.escreve(QByteArray("piece ") + QByteArray::number(e.ticksTimer2) + "\n");
    });
    relogio.start();
    QVERIFY(solicita(l, "99", "pmuadc --read all"));
    fone.escreve("pmuadc --read all\r\nheader\n");
    QTRY_VERIFY_WITH_TIMEOUT(e.quando >= 0, 5000);
    QCOMPARE(e.ticksTimer2, 9);
    QVERIFY(e.R.startsWith("\r\npmuadc --read all\r\r\nheader\r\n"));
    for (int i = 1; i <= 7; ++i)
        QVERIFY(e.R.contains(QStringLiteral("piece %1\r\n").arg(i)));
    // With no prompt, the answer ended about 100 ms after the first empty poll began.
    QVERIFY2(e.quando >= 950 && e.quando < 1400, qPrintable(QString::number(e.quando)));
}

void TstTroca::silencioNaBox2()
{
    Telefone fone;
    Ligacao l;
    l.defineModeloBox("2");
    QVERIFY(AbreLigacao(l, fone.dispositivo()));
    QElapsedTimer relogio;
    Entrega e;
    prepara(l, e, relogio);
    relogio.start();
    QVERIFY(solicita(l, "99", "bl --on"));
    // Silence is an answer only once the line has been quiet for the following polls' rule:
    // the first poll and six empty ones after it.
    QTRY_VERIFY_WITH_TIMEOUT(e.quando >= 0, 6000);
    QCOMPARE(e.R, QStringLiteral("\r\n"));
    QCOMPARE(e.ticksTimer2, 6);
    QVERIFY2(e.quando >= 3400 && e.quando < 4200, qPrintable(QString::number(e.quando)));
    qInfo("box 2 silence delivered after %lld ms", e.quando);
}

void TstTroca::respostaQueComecaDepois_data()
{
    QTest::addColumn<int>("demoraMs");
    QTest::newRow("after the first poll") << 250;
    QTest::newRow("half a second later") << 550;
}

void TstTroca::respostaQueComecaDepois()
{
    // A phone still busy (right after it came back) starts its answer after the first poll:
    // the answer is never delivered before its bytes.
    QFETCH(int, demoraMs);
    Telefone fone;
    Ligacao l;
    QVERIFY(AbreLigacao(l, fone.dispositivo()));
    QElapsedTimer relogio;
    Entrega e;
    prepara(l, e, relogio);
    relogio.start();
    QVERIFY(solicita(l, "99", "pmuadc --read all"));
    QTimer::singleShot(demoraMs, this, [&] { fone.escreve("pmuadc --read all\r\nBIST buck3: 1800.000 mV\n[0D1F2E3C:5A4B6C7D] :-) "); });
    QTRY_VERIFY_WITH_TIMEOUT(e.quando >= 0, 5000);
    QVERIFY2(e.R.contains(QStringLiteral("BIST buck3: 1800.000 mV\r\n")), qPrintable(e.R));
    QVERIFY(e.quando > demoraMs);
}

void TstTroca::espelhoEEco()
{
    Telefone fone;
    Ligacao l;
    QVERIFY(AbreLigacao(l, fone.dispositivo()));
    QElapsedTimer relogio;
    Entrega e;
    prepara(l, e, relogio);
    QStringList espelhos;
    registraEspelho(l, "99", [&](const QString& R, const QString& A) { espelhos << R + "|" + A; });
    relogio.start();
    QVERIFY(solicita(l, "99", "help", true));
    // A command whose text also occurs in the body: every occurrence goes from A.
    fone.escreve("help\r\nsee help\n");
    QTest::qWait(250);
    fone.escreve("more\n[x] :-) ");
    QTRY_VERIFY_WITH_TIMEOUT(e.quando >= 0, 3000);
    QCOMPARE(e.A, QStringLiteral("\r\n\r\r\nsee \r\nmore\r\n[x] :-) "));
    QVERIFY(espelhos.size() >= 3);
    QCOMPARE(espelhos.first(), QStringLiteral("\r\n|\r\n"));
    QCOMPARE(espelhos.last(), e.R + "|" + e.A);
    QVERIFY(!l.espelhoAtivo()); // cleared at the delivery
    // Not mirrored once cleared.
    const int n = espelhos.size();
    QVERIFY(solicita(l, "99", "help"));
    fone.escreve("help\r\n[x] :-) ");
    QTRY_COMPARE(l.estado(), EstadoLigacao::Ociosa);
    QCOMPARE(espelhos.size(), n);
}

void TstTroca::respostaSemFimAPlenaVelocidade()
{
    Telefone fone;
    Inicial w(ContextoTeste());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Ligacao& l = w.ligacao();
    QVERIFY(AbreLigacao(l, fone.dispositivo()));
    QElapsedTimer relogio;
    Entrega e;
    prepara(l, e, relogio);

    // The phone streams at the full 115200 baud (11520 bytes a second, 8N1) and never stops.
    std::atomic<bool> para = false;
    qint64 enviados = 0;
    std::thread escritor([&] {
        const QByteArray linha = QByteArray("0123456789abcdefghijklmnopqrstuvwxyz ADC channel 42: 1800.000 mV\n");
        const auto inicio = std::chrono::steady_clock::now();
        while (!para) {
            const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
            const qint64 devido = qint64(segundos * 11520);
            while (enviados + linha.size() <= devido) {
                fone.escreve(linha);
                enviados += linha.size();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });

    // The event loop's pulse: how long it was kept from running a 10 ms timer.
    QElapsedTimer pulso;
    qint64 maiorParada = 0;
    QTimer batida;
    batida.setInterval(10);
    batida.setTimerType(Qt::PreciseTimer);
    qint64 quandoParada = 0;
    connect(&batida, &QTimer::timeout, this, [&] {
        const qint64 parada = pulso.restart() - 10;
        if (parada > maiorParada) {
            maiorParada = parada;
            quandoParada = relogio.elapsed();
        }
    });
    auto* vista = w.findChild<QPlainTextEdit*>("txtConsole");
    int blocosNaMetade = 0;
    QTimer::singleShot(10000, this, [&] { blocosNaMetade = vista->blockCount(); });

    relogio.start();
    const double cpu0 = cpuDaLinhaPrincipal();
    QVERIFY(solicita(l, "99", "syscfg list"));
    pulso.start();
    batida.start();
    QTRY_VERIFY_WITH_TIMEOUT(e.quando >= 0, 30000);
    const double cpu = cpuDaLinhaPrincipal() - cpu0;
    const qint64 duracao = e.quando;
    batida.stop();
    // Busy while the phone goes on; idle once it has been quiet for six polls.
    QCOMPARE(l.estado(), EstadoLigacao::Ocupada);
    para = true;
    escritor.join();
    QTRY_COMPARE_WITH_TIMEOUT(l.estado(), EstadoLigacao::Ociosa, 2000);
    QCOMPARE(vista->toPlainText(), QString(e.R).remove(u'\r')); // the rest never reached the console

    // Cut at Timer2 tick 200 of the 100 ms poll, with what had arrived.
    QCOMPARE(e.ticksTimer2, 200);
    QVERIFY2(duracao > 19500 && duracao < 22000, qPrintable(QString::number(duracao)));
    QVERIFY(e.R.size() > 200000);
    // The console kept growing on screen while it streamed.
    QVERIFY(blocosNaMetade > 1000);
    QVERIFY(vista->blockCount() > blocosNaMetade);
    qInfo("endless answer at 115200 baud: %lld ms to delivery, %lld bytes kept, longest event-loop stall %lld ms, "
          "(at %lld ms), CPU of the UI thread %.2f s (%.1f %%)",
          duracao, qint64(e.R.size()), maiorParada, quandoParada, cpu, 100.0 * cpu / (duracao / 1000.0));
    // A growing answer that held the loop would stall it for seconds; on a shared machine the
    // scheduler alone holds the thread up to ~150 ms now and then, with no work of ours.
    QVERIFY2(maiorParada < 300, qPrintable(QString::number(maiorParada)));
}

QTEST_MAIN(TstTroca)
#include "tst_troca.moc"

// Every exchange ends exactly once, for its asker only: answered, refused while another is in
// flight (nothing written), given up (the link still takes the answer off the line), failed
// at a poll, abandoned by the user.
void TstTroca::trocaTerminaUmaVez()
{
    Telefone fone;
    Ligacao l;
    QVERIFY(AbreLigacao(l, fone.dispositivo()));
    auto acompanha = [](Troca* t, QStringList* fim) {
        QObject::connect(t, &Troca::respondida, t, [fim](const QString& R, const QString&) { *fim << "R:" + R; });
        QObject::connect(t, &Troca::cancelada, t, [fim](Troca::Motivo m) {
            *fim << QString::fromLatin1(QMetaEnum::fromType<Troca::Motivo>().valueToKey(int(m)));
        });
    };

    QStringList primeira, segunda;
    QPointer<Troca> t = l.pede("99", "help");
    acompanha(t, &primeira);
    QPointer<Troca> recusada = l.pede("5", "nandsize");
    QVERIFY(recusada->recusada() && !t->recusada());
    acompanha(recusada, &segunda);
    QCOMPARE(l.requisitante(), QStringLiteral("99"));
    fone.escreve("help\r\n[x] :-) ");
    QTRY_COMPARE(primeira.size(), 1);
    QCOMPARE(primeira.first(), QStringLiteral("R:\r\nhelp\r\r\n[x] :-) "));
    QCOMPARE(segunda, QStringList({"Recusada"}));
    QCOMPARE(fone.recebido(), QByteArray("help\r"));
    QCOMPARE(l.requisitante(), QStringLiteral("0"));
    QTRY_VERIFY(!t && !recusada); // each deletes itself once ended

    QStringList desistida;
    t = l.pede("99", "bl --on");
    acompanha(t, &desistida);
    t->desiste();
    fone.escreve("bl --on\r\n[x] :-) ");
    QTRY_COMPARE(l.estado(), EstadoLigacao::Ociosa);
    QTest::qWait(50);
    QCOMPARE(desistida, QStringList());

    QStringList falhou;
    QSignalSpy erros(&l, &Ligacao::erroPedido); // the link tells, the main window shows it
    t = l.pede("99", "pmuadc --read all");
    acompanha(t, &falhou);
    l.porta()->close();
    QTRY_COMPARE(falhou, QStringList({"Falha"}));
    QCOMPARE(erros.size(), 1);
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 0);
    QCOMPARE(l.estado(), EstadoLigacao::Ociosa);

    QVERIFY(AbreLigacao(l, fone.dispositivo()));
    QStringList abandonada;
    t = l.pede("99", "syscfg list");
    acompanha(t, &abandonada);
    fone.escreve("syscfg list\r\nSrNm");
    QTest::qWait(150);
    l.abandonaTroca("test");
    QCOMPARE(abandonada, QStringList({"Abandonada"}));
    QCOMPARE(l.requisitante(), QStringLiteral("0"));
}

void TstTroca::procedimentoTerminaUmaVez()
{
    Telefone fone;
    Ligacao l;
    QVERIFY(AbreLigacao(l, fone.dispositivo()));

    // A re-read is a second exchange of the same reading: one end, after the last answer.
    ProcedimentoDeTeste p(l);
    QVERIFY(p.inicia());
    QVERIFY(!p.inicia()); // one reading at a time
    QTRY_COMPARE(fone.recebido(), QByteArray("nandsize\r"));
    fone.escreve("nandsize\r\nagain\n[x] :-) ");
    QTRY_COMPARE(fone.recebido(), QByteArray("nandsize\rnanduid\r"));
    QVERIFY(p.emCurso() && p.fins.isEmpty());
    fone.escreve("nanduid\r\nABC\n[x] :-) ");
    QTRY_COMPARE(p.fins, QStringList({"Concluido"}));
    QCOMPARE(p.itens().size(), 1);
    QCOMPARE(p.itens().first().leitura, QStringLiteral("ABC"));
    QCOMPARE(p.comando(), QStringLiteral("nanduid"));

    // Refused by a busy link: nothing sent, nothing told, and it may start again later.
    QPointer<Troca> outra = l.pede("5", "help");
    ProcedimentoDeTeste ocupado(l);
    QVERIFY(!ocupado.inicia());
    fone.escreve("help\r\n[x] :-) ");
    QTRY_COMPARE(l.estado(), EstadoLigacao::Ociosa);
    QTest::qWait(50);
    QVERIFY(ocupado.fins.isEmpty() && !ocupado.emCurso());

    // Given up mid-answer: told at once, and the rest of the answer grades nothing.
    QVERIFY(ocupado.inicia());
    QTRY_VERIFY(fone.recebido().endsWith("nandsize\r"));
    fone.escreve("nandsize\r\nagain");
    QTest::qWait(150);
    ocupado.larga("test");
    QCOMPARE(ocupado.fins, QStringList({"Largado"}));
    fone.escreve("\n[x] :-) ");
    QTRY_COMPARE(l.estado(), EstadoLigacao::Ociosa);
    QTest::qWait(100);
    QCOMPARE(ocupado.fins, QStringList({"Largado"}));
    QVERIFY(ocupado.respostas.isEmpty());

    // A family refusing the model sends nothing and ends on the next turn.
    const QByteArray antes = fone.recebido();
    ProcedimentoDeTeste recusa(l, "none");
    QVERIFY(recusa.inicia());
    QVERIFY(recusa.fins.isEmpty());
    QTRY_COMPARE(recusa.fins, QStringList({"Recusado"}));
    QCOMPARE(fone.recebido(), antes);

    // Deleted in flight (its window closed): the answer goes to nobody.
    auto* solto = new ProcedimentoDeTeste(l);
    QVERIFY(solto->inicia());
    delete solto;
    fone.escreve("nandsize\r\n1\n[x] :-) ");
    QTRY_COMPARE(l.estado(), EstadoLigacao::Ociosa);

    // A poll that fails ends it without an answer, the link still up.
    ProcedimentoDeTeste falha(l);
    QVERIFY(falha.inicia());
    l.porta()->close();
    QTRY_COMPARE(falha.fins, QStringList({"SemResposta"}));
    QCOMPARE(falha.motivo(), std::optional<Troca::Motivo>(Troca::Motivo::Falha));
}
