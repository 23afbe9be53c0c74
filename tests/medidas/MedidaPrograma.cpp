// What the program itself costs where a technician waits, printed (not asserted) so a change
// that costs time is seen: run build/tests/medida_programa. The board plays the model with the
// most rails ("IP X") in its fast mode.
#include "apoio/Apoio.h"
#include "apoio/CenarioJanela.h"
#include "boardtests/Nand.h"
#include "boardtests/ProcedimentoI2c.h"
#include "boardtests/janelas/I2C.h"
#include "boardtests/RfRadios.h"
#include "chips/ProcedimentoChip.h"
#include "chips/janelas/Tigris.h"
#include "console/RegrasConsole.h"
#include "rails/BuckCheck.h"
#include "rails/GradeTrilhas.h"
#include "rails/ProcedimentoTrilhas.h"
#include "rails/janelas/Acompanhar.h"
#include "rails/janelas/PMU.h"
#include "rails/janelas/VCores.h"
#include "shell/RegrasTroca.h"
#include "app/janelas/Inicial.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QEventLoop>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <limits>
#include <ctime>
#include <sys/resource.h>

namespace {
// The UI thread's CPU time in seconds, to the nanosecond (getrusage counts in scheduler ticks,
// too coarse for a few milliseconds).
double cpuDaLinha()
{
    timespec t {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}
const QString Modelo = QStringLiteral("IP X");

// One rail reading timed: from the poll that completes the answer under `codigo` to the
// procedure's graduado (the window, connected earlier, has shown the grading) and a repaint,
// then to terminou (stored in Master).
struct LeituraCronometrada {
    Q_DISABLE_COPY_MOVE(LeituraCronometrada)
    double paredeMs = -1, cpuMs = -1, pinturaMs = -1, terminadaMs = -1;

    LeituraCronometrada(QObject* dono, Ligacao& ligacao, const QString& codigo, const ProcedimentoTrilhas& p,
                        QWidget* janela)
    {
        QObject::connect(&ligacao, &Ligacao::respostaColetada, dono, [this, codigo](const QString& c, const QString&) {
            if (c == codigo) {
                m_relogio.start();
                m_cpu0 = cpuDaLinha();
            }
        });
        QObject::connect(&p, &ProcedimentoTrilhas::graduado, dono, [this, janela] {
            QElapsedTimer pintura;
            pintura.start();
            janela->repaint();
            pinturaMs = pintura.nsecsElapsed() / 1e6;
            paredeMs = m_relogio.nsecsElapsed() / 1e6;
            cpuMs = (cpuDaLinha() - m_cpu0) * 1000;
        });
        QObject::connect(&p, &Procedimento::terminou, dono, [this] { terminadaMs = m_relogio.nsecsElapsed() / 1e6; });
    }
    void rearma() { paredeMs = cpuMs = pinturaMs = terminadaMs = -1; }
    bool completa() const { return paredeMs >= 0 && terminadaMs >= 0; }

private:
    QElapsedTimer m_relogio;
    double m_cpu0 = 0;
};
} // namespace

class MedidaPrograma : public QObject {
    Q_OBJECT
private slots:
    void respostaAteGradePintada();
    void respostaAteTigrisPintada();
    void respostaAtePmuPintado();
    void respostaAteI2cPintada();
    void acompanhamentoSemTravar();
    void arranqueAteJanelaPrincipal();
    void diagnosticoDaLinhaDeComando();
    void analisadoresNoLimite();
};

// From the poll that completes "pmuadc --read all" to the VCore grid graded and painted: the
// wall time and the UI thread's CPU time, median of five readings (the first warms the caches).
void MedidaPrograma::respostaAteGradePintada()
{
    CenarioJanela c;
    QVERIFY(c.iniciaBancada(Modelo, {}, {}, QStringLiteral("A1865")));
    auto* w = c.amb->janelas.mostra<VCores>(QStringLiteral("VCores"));
    QVERIFY(w);
    auto* bt = w->findChild<QPushButton*>(QStringLiteral("btExecutaLeitura"));
    QString uma;
    connect(&c.amb->ligacao, &Ligacao::respostaColetada, this, [&](const QString& codigo, const QString& R) {
        if (codigo == QLatin1String("16"))
            uma = R;
    });
    // After the window's own handlers: the grid shows the grading, then the grading is stored
    // and the grid queried once.
    LeituraCronometrada medida(this, c.amb->ligacao, QStringLiteral("16"), w->procedimento(), w);
    QList<double> paredes, cpus, pinturas, graduacoes, gravadas, gravacoes;
    for (int i = 0; i < 6; ++i) {
        medida.rearma();
        QVERIFY(QTest::qWaitFor([&] { return bt->isEnabled() && c.amb->ligacao.ociosa(); }, 20000));
        bt->click();
        QVERIFY(QTest::qWaitFor([&] { return medida.completa(); }, 20000));
        if (i == 0)
            continue;
        paredes << medida.paredeMs;
        cpus << medida.cpuMs;
        pinturas << medida.pinturaMs;
        graduacoes << w->procedimento().nsUltimaGraduacao() / 1e6;
        gravadas << medida.terminadaMs;
        gravacoes << w->procedimento().nsUltimaGravacao() / 1e6;
    }
    for (QList<double>* l : {&paredes, &cpus, &pinturas, &graduacoes, &gravadas, &gravacoes})
        std::sort(l->begin(), l->end());
    qInfo("VCore grid, %d rows: answer complete -> graded and painted %.1f ms wall, %.1f ms UI-thread CPU "
          "(grading %.1f ms, painting %.1f ms; median of %lld, wall %.1f to %.1f ms)",
          w->modeloGrade()->rowCount(), paredes[2], cpus[2], graduacoes[2], pinturas[2], qint64(paredes.size()),
          paredes.first(), paredes.last());
    qInfo("  then stored in Master and the grid queried: %.1f ms after the answer (the write %.1f ms, "
          "mostly the disk's commit)",
          gravadas[2], gravacoes[2]);

    // The same grading on an answer at its 1 MB bound (the board's answer repeated).
    QString R = uma;
    while (R.size() + uma.size() < RegrasTroca::LimiteResposta)
        R += uma.mid(2);
    QElapsedTimer analise;
    analise.start();
    ResultadoGrade g = GradaLeitura(ContextoTeste().dados.banco, VarianteGrade::VCore, Modelo, FamiliaVCore, R, 3, 1);
    const double gradaMs = analise.nsecsElapsed() / 1e6;
    analise.restart();
    GravaGraduacao(ContextoTeste().dados.banco, VarianteGrade::VCore, g);
    qInfo("grading a %lld-character answer: %.1f ms, storing it %.1f ms (%d rows)", qint64(R.size()), gradaMs,
          analise.nsecsElapsed() / 1e6, g.linhas);
}

// From the poll that completes "pmuadc --sel tigris --read all" to the Tigris window graded
// and painted; the best and the worst of a few readings.
void MedidaPrograma::respostaAteTigrisPintada()
{
    CenarioJanela c;
    QVERIFY(c.iniciaBancada(Modelo, {}, {}, QStringLiteral("A1865")));
    auto* w = c.amb->janelas.mostra<Tigris>(QStringLiteral("Tigris"));
    QVERIFY(w);
    ProcedimentoChip* p = w->procedimento();
    QVERIFY(QTest::qWaitFor([&] { return !p->emCurso(); }, 20000));
    auto* bt = w->findChild<QPushButton*>(QStringLiteral("btExecutaLeitura"));
    QElapsedTimer relogio;
    double cpu0 = 0;
    qint64 graduada = -1, pintada = -1;
    double cpu = 0;
    connect(&c.amb->ligacao, &Ligacao::respostaColetada, this, [&](const QString& codigo, const QString&) {
        if (codigo == p->codigo()) {
            relogio.start();
            cpu0 = cpuDaLinha();
        }
    });
    // Told after the window has shown the reading (its own binding came first).
    connect(p, &Procedimento::terminou, this, [&] {
        graduada = relogio.nsecsElapsed();
        w->repaint();
        pintada = relogio.nsecsElapsed();
        cpu = cpuDaLinha() - cpu0;
    });
    QList<double> paredes, cpus, graduacoes;
    for (int i = 0; i < 5; ++i) {
        graduada = pintada = -1;
        QVERIFY(QTest::qWaitFor([&] { return c.amb->ligacao.estado() == EstadoLigacao::Ociosa; }, 20000));
        // A real event loop, as the program's: QTest's waits sleep 10 ms between their turns.
        QEventLoop laco;
        const auto fim = connect(p, &Procedimento::terminou, &laco, &QEventLoop::quit, Qt::QueuedConnection);
        QTimer::singleShot(20000, &laco, &QEventLoop::quit);
        bt->click();
        laco.exec();
        disconnect(fim);
        QVERIFY(pintada >= 0);
        QCOMPARE(p->fim(), Procedimento::Fim::Concluido);
        graduacoes << graduada / 1e6;
        paredes << pintada / 1e6;
        cpus << cpu * 1000;
    }
    std::sort(paredes.begin(), paredes.end());
    std::sort(cpus.begin(), cpus.end());
    std::sort(graduacoes.begin(), graduacoes.end());
    qInfo("Tigris window: answer complete -> graded %.1f-%.1f ms, graded and painted %.1f-%.1f ms wall, "
          "UI-thread CPU %.1f-%.1f ms (5 readings, best-worst)",
          graduacoes.first(), graduacoes.last(), paredes.first(), paredes.last(), cpus.first(), cpus.last());
}

// From the poll that completes the PMU window's "pmuadc --read all" to its lines graded and
// painted, for each family (the median of five readings); the rows are stored in Master after.
void MedidaPrograma::respostaAtePmuPintado()
{
    CenarioJanela c;
    QVERIFY(c.iniciaBancada(Modelo, {}, {}, QStringLiteral("A1865")));
    auto* w = c.amb->janelas.mostra<PMU>(QStringLiteral("PMU"));
    QVERIFY(w);
    auto* controle = w->findChild<QFrame*>(QStringLiteral("FrameControle"));
    QVERIFY(QTest::qWaitForWindowExposed(w->window()));
    // After the window's own handler: the lines are shown.
    LeituraCronometrada medida(this, c.amb->ligacao, CodigoPmu, w->procedimento(), w);
    const auto mediana = [](QList<double> v) {
        std::sort(v.begin(), v.end());
        return v.at(v.size() / 2);
    };
    for (const char* botao : {"Botao1", "Botao2"}) {
        QList<double> paredes, cpus, pinturas, terminadas;
        for (int i = 0; i < 5; ++i) {
            QVERIFY(c.amb->aguardaOcioso());
            medida.rearma();
            w->findChild<QPushButton*>(QLatin1String(botao))->click();
            QVERIFY(QTest::qWaitFor([&] { return medida.completa() && controle->isEnabled(); }, 20000));
            paredes << medida.paredeMs;
            cpus << medida.cpuMs;
            pinturas << medida.pinturaMs;
            terminadas << medida.terminadaMs;
        }
        qInfo("PMU %s, %lld lines: answer complete -> graded and painted %.1f ms wall, UI-thread CPU %.1f ms "
              "(medians of 5; painting %.1f ms); then stored in Master, %.1f ms after the answer",
              botao == QLatin1String("Botao1") ? "BUCK" : "LDO", qint64(w->procedimento().linhas().size()),
              mediana(paredes), mediana(cpus), mediana(pinturas), mediana(terminadas));
    }
}

// Four rails watched live (one drifting out of its band), each series already holding an hour
// at 20 readings a second (more than the link gives: the store at its bound), shown whole
// (time window "all"): the longest wait of the event loop between two turns while the plots
// follow the readings, and the redraw of the four plots. VEXADOR_MEDIDA_ACOMPANHAR_S sets the
// seconds watched (20).
void MedidaPrograma::acompanhamentoSemTravar()
{
    CenarioJanela c;
    QList<TrilhaDoModelo> comBanda;
    for (const TrilhaDoModelo& t : TrilhasDoModelo(ContextoTeste().dados.banco, VarianteGrade::VCore, Modelo, FamiliaVCore)) {
        bool ok = false;
        const double refV = QString(t.linha.refV).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (t.mensuravel && ok && refV > 0.3 && t.linha.refT.toInt() > 0 && comBanda.size() < 4)
            comBanda << t;
    }
    QCOMPARE(comBanda.size(), 4);
    QVERIFY(c.iniciaBancada(Modelo, {}, {QStringLiteral("--deriva"), comBanda.first().linha.refT + QStringLiteral("=0.5")},
                            QStringLiteral("A1865")));
    auto* w = c.amb->janelas.mostra<Acompanhar>(QStringLiteral("Acompanhar"));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w->window()));
    Acompanhamento& a = w->acompanhamento();
    for (const TrilhaDoModelo& t : std::as_const(comBanda))
        QCOMPARE(w->acompanha(VarianteGrade::VCore, FamiliaVCore, t.nome), QString());
    a.pausa();
    QVERIFY(c.amb->aguardaOcioso());
    a.limpa();
    const qint64 agora = QDateTime::currentMSecsSinceEpoch();
    const int hora = 3600 * 20;
    for (int i = 0; i < a.trilhas().size(); ++i) {
        const double meio = (*a.trilhas().at(i).bandaMin + *a.trilhas().at(i).bandaMax) / 2;
        for (int k = 0; k < hora; ++k) {
            const bool fora = k % 1500 == 700;
            a.acrescenta(i, Amostra{agora - (hora - k) * 50LL, meio * (fora ? 1.2 : 1.0 + (k % 13) * 0.001), fora, false},
                         QString());
        }
    }
    w->defineJanelaTempo(0);
    QList<double> desenhos;
    for (int i = 0; i < 5; ++i) {
        w->redesenha();
        w->repaint();
        desenhos << w->nsUltimoDesenho() / 1e6;
    }
    std::sort(desenhos.begin(), desenhos.end());

    const int segundos = qEnvironmentVariableIsSet("VEXADOR_MEDIDA_ACOMPANHAR_S")
                             ? qEnvironmentVariableIntValue("VEXADOR_MEDIDA_ACOMPANHAR_S") : 20;
    QElapsedTimer relogio, total;
    double maior = 0;
    int acima20 = 0;
    QTimer batida;
    batida.setInterval(5);
    connect(&batida, &QTimer::timeout, this, [&] {
        const double ms = relogio.nsecsElapsed() / 1e6 - 5;
        relogio.start();
        maior = qMax(maior, ms);
        if (ms > 20)
            ++acima20;
    });
    double maiorDesenho = 0;
    connect(&a, &Acompanhamento::leituraFeita, this, [&] { maiorDesenho = qMax(maiorDesenho, w->nsUltimoDesenho() / 1e6); });
    const qint64 antes = a.trocas();
    a.inicia();
    relogio.start();
    total.start();
    batida.start();
    QTest::qWait(segundos * 1000);
    batida.stop();
    a.pausa();
    const qint64 trocas = a.trocas() - antes;
    QVERIFY(c.amb->aguardaOcioso());
    qInfo("watch, 4 rails x %d points kept, window \"all\": redraw of the four plots %.1f ms median (%.1f-%.1f); "
          "%lld readings in %d s (%.2f/s); longest event-loop wait %.1f ms, %d over 20 ms; longest redraw while "
          "watching %.1f ms; %d marks",
          int(a.serie(0).amostras().size()), desenhos.at(2), desenhos.first(), desenhos.last(), trocas, segundos,
          trocas * 1000.0 / total.elapsed(), maior, acima20, maiorDesenho, int(a.marcas().size()));
}

// From the poll that completes "i2c -s 0" to the I2C window's bus graded (lines, marks, fault
// list) and painted.
void MedidaPrograma::respostaAteI2cPintada()
{
    CenarioJanela c;
    QVERIFY(c.iniciaBancada(Modelo, {}, {}, QStringLiteral("A1865")));
    auto* w = c.amb->janelas.mostra<I2C>(QStringLiteral("I2C"));
    QVERIFY(w);
    w->show();
    QElapsedTimer relogio;
    double cpu0 = 0, cpu = -1;
    qint64 graduada = -1;
    connect(&c.amb->ligacao, &Ligacao::respostaColetada, this, [&](const QString& codigo, const QString&) {
        if (codigo == ProcedimentoI2c::Codigo) {
            relogio.start();
            cpu0 = cpuDaLinha();
        }
    });
    w->findChild<QPushButton*>(QStringLiteral("btI2C(0)"))->click();
    QVERIFY(w->leitura());
    // Told after the window has shown the bus (it was connected first).
    connect(w->leitura(), &Procedimento::terminou, this, [&] {
        graduada = relogio.nsecsElapsed();
        w->repaint();
        cpu = cpuDaLinha() - cpu0;
    });
    QVERIFY(QTest::qWaitFor([&] { return cpu >= 0; }, 20000));
    const qint64 pintada = relogio.nsecsElapsed();
    QVERIFY(!w->lbResultado().isEmpty());
    qInfo("I2C window, bus 0 (%lld devices): answer complete -> graded %.1f ms, painted %.1f ms wall, "
          "UI-thread CPU %.1f ms (grading alone %.2f ms)",
          qint64(w->leitura()->itens().size()), graduada / 1e6, pintada / 1e6, cpu * 1000,
          w->leitura()->nsGraduacao() / 1e6);
}

// Building and showing the main window, as the program does once the database is checked.
void MedidaPrograma::arranqueAteJanelaPrincipal()
{
    PastaAplicacaoTemporaria pasta;
    QElapsedTimer relogio;
    relogio.start();
    Inicial w(ContextoTeste());
    w.mostraNaTela();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    qInfo("main window built and shown: %lld ms", relogio.elapsed());
}

// The whole-board diagnosis from the command line ("vexador-tarrim diagnostico"), the built
// program started as a script starts it, against the good "IP X": the wall time from the start
// to the exit, of which the program's own processor time (user + system: its start-up, the
// handshake's and every step's handling, the page and history) and the start-up until the first
// byte reaches the board; the rest is the phone's and the link's waiting. Medians of five runs.
void MedidaPrograma::diagnosticoDaLinhaDeComando()
{
    PastaAplicacaoTemporaria pasta;
    Bancada b;
    QVERIFY(b.inicia({QStringLiteral("--modelo"), Modelo, QStringLiteral("--banco"), pasta.banco()}, 3));
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove(QStringLiteral("DISPLAY"));
    ambiente.insert(QStringLiteral("VEXADOR_NAVEGADOR"), QString()); // the browser's PDF is not the program's time
    auto cpuDosFilhos = [] {
        rusage u {};
        ::getrusage(RUSAGE_CHILDREN, &u);
        return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
    };
    QList<double> paredes, cpus, arranques, execucoes;
    for (int k = 0; k < 5; ++k) {
        const qsizetype antes = b.registro().size();
        QProcess p;
        p.setProcessEnvironment(ambiente);
        p.setProgram(QStringLiteral(PASTA_APLICACAO "/vexador-tarrim"));
        p.setArguments({QStringLiteral("diagnostico"), QStringLiteral("--porta"), QStringLiteral("3"),
                        QStringLiteral("--etiqueta"), QStringLiteral("MEDIDA"), QStringLiteral("--pasta"), pasta.caminho()});
        const double cpu0 = cpuDosFilhos();
        QElapsedTimer relogio;
        relogio.start();
        p.start();
        double arranque = -1;
        for (;;) {
            if (arranque < 0 && b.registro().size() > antes)
                arranque = relogio.nsecsElapsed() / 1e6;
            if (p.state() == QProcess::NotRunning || p.waitForFinished(1))
                break;
        }
        const double parede = relogio.nsecsElapsed() / 1e6;
        QCOMPARE(p.exitCode(), 0);
        paredes << parede;
        cpus << cpuDosFilhos() - cpu0;
        arranques << arranque;
        execucoes << QJsonDocument::fromJson(p.readAllStandardOutput()).object().value(QStringLiteral("duracaoMs")).toDouble();
    }
    auto mediana = [](QList<double> v) {
        std::sort(v.begin(), v.end());
        return v.at(v.size() / 2);
    };
    const double parede = mediana(paredes), cpu = mediana(cpus);
    qInfo("command-line diagnosis, %s: %.0f ms start to exit (the run itself %.0f ms); the program's own "
          "processor time %.0f ms = %.1f %% of it, the phone and the link %.0f ms; start-up to the first byte "
          "at the board %.0f ms",
          qPrintable(Modelo), parede, mediana(execucoes), cpu, 100 * cpu / parede, parede - cpu, mediana(arranques));
}

// The parsers a flooding box reaches with an answer at its 1 MB bound, each the best of five
// runs: none should hold the window for more than 10 ms (build/fuzz/medida_analisadores has
// them all, on the fuzz seeds).
void MedidaPrograma::analisadoresNoLimite()
{
    auto aoLimite = [](const QString& linha) {
        QString r = QStringLiteral("cmd\r\n");
        while (r.size() < RegrasTroca::LimiteResposta)
            r += linha;
        return r + QStringLiteral("[0D1F] :-) ");
    };
    const QString pmu = aoLimite(QStringLiteral("BIST buck3: 1800.000 mV\r\nibuck3: 120.500 mA\r\n"));
    const QString buck = aoLimite(QStringLiteral("buck3: 1800.000 mV\r\n"));
    // Near matches of the words looked for, where a plain search compares the most.
    const QString quase = aoLimite(QStringLiteral("Pas on succes O powered o Baseband is already powere\r\n"));
    QString exibido = pmu;
    exibido.remove(QLatin1Char('\r'));
    QString editado = exibido;
    editado.insert(editado.size() / 2, QLatin1Char('x'));
    const struct {
        const char* nome;
        std::function<void()> roda;
    } casos[] = {
        {"RF evaluation, one radio, near matches", [&] { ModuloRf::AvaliaRadio(0, quase); }},
        {"RF evaluation, the five radios", [&] { for (int i = 0; i < 5; ++i) ModuloRf::AvaliaRadio(i, quase); }},
        {"NAND, five calls, near matches", [&] { for (int i = 1; i <= 5; ++i) ModuloNand::AvaliaNand(i, quase); }},
        {"recording edit rule, one character typed", [&] { RegrasConsole::AplicaEdicao(pmu, exibido, editado); }},
        {"console history, a short answer over a full one", [&] {
             RegrasConsole::HistoricoComNovaResposta(QStringLiteral("ok\r\n"), pmu, RegrasTroca::LimiteResposta);
         }},
        {"ListaBuck", [&] { ListaBuck(buck); }},
        {"echo removal, a whole answer", [&] { RegrasTroca::RemoveEco(quase, QStringLiteral("Pas on")); }},
    };
    for (const auto& c : casos) {
        qint64 melhor = std::numeric_limits<qint64>::max();
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer t;
            t.start();
            c.roda();
            melhor = qMin(melhor, t.nsecsElapsed());
        }
        qInfo("%s at the 1 MB bound: %.2f ms", c.nome, melhor / 1e6);
    }
}

QTEST_MAIN(MedidaPrograma)
#include "MedidaPrograma.moc"
