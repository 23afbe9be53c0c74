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
#include "rails/janelas/PMU.h"
#include "rails/janelas/VCores.h"
#include "shell/RegrasTroca.h"
#include "shell/janelas/Inicial.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <limits>
#include <ctime>

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
} // namespace

class MedidaPrograma : public QObject {
    Q_OBJECT
private slots:
    void respostaAteGradePintada();
    void respostaAteTigrisPintada();
    void respostaAtePmuPintado();
    void respostaAteI2cPintada();
    void arranqueAteJanelaPrincipal();
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
    QElapsedTimer relogio;
    double cpu0 = 0;
    QString uma;
    connect(&c.amb->ligacao, &Ligacao::respostaColetada, this, [&](const QString& codigo, const QString& R) {
        if (codigo == QLatin1String("16")) {
            uma = R;
            relogio.start();
            cpu0 = cpuDaLinha();
        }
    });
    // Told after the window's own handlers: the grid shows the grading, then the grading is
    // stored and the grid queried once.
    double paredeMs = -1, cpuMs = -1, pinturaMs = -1, gravadaMs = -1;
    connect(&w->procedimento(), &ProcedimentoTrilhas::graduado, this, [&] {
        QElapsedTimer pintura;
        pintura.start();
        w->repaint();
        pinturaMs = pintura.nsecsElapsed() / 1e6;
        paredeMs = relogio.nsecsElapsed() / 1e6;
        cpuMs = (cpuDaLinha() - cpu0) * 1000;
    });
    connect(&w->procedimento(), &Procedimento::terminou, this, [&] { gravadaMs = relogio.nsecsElapsed() / 1e6; });
    QList<double> paredes, cpus, pinturas, graduacoes, gravadas, gravacoes;
    for (int i = 0; i < 6; ++i) {
        paredeMs = gravadaMs = -1;
        QVERIFY(QTest::qWaitFor([&] { return bt->isEnabled() && c.amb->ligacao.ociosa(); }, 20000));
        bt->click();
        QVERIFY(QTest::qWaitFor([&] { return paredeMs >= 0 && gravadaMs >= 0; }, 20000));
        if (i == 0)
            continue;
        paredes << paredeMs;
        cpus << cpuMs;
        pinturas << pinturaMs;
        graduacoes << w->procedimento().nsUltimaGraduacao() / 1e6;
        gravadas << gravadaMs;
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
    ResultadoGrade g = GradaLeitura(VarianteGrade::VCore, Modelo, FamiliaVCore, R, 3, 1);
    const double gradaMs = analise.nsecsElapsed() / 1e6;
    analise.restart();
    GravaGraduacao(VarianteGrade::VCore, g);
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
// painted, for each family (the median of five readings).
void MedidaPrograma::respostaAtePmuPintado()
{
    CenarioJanela c;
    QVERIFY(c.iniciaBancada(Modelo, {}, {}, QStringLiteral("A1865")));
    auto* w = c.amb->janelas.mostra<PMU>(QStringLiteral("PMU"));
    QVERIFY(w);
    auto* controle = w->findChild<QFrame*>(QStringLiteral("FrameControle"));
    QVERIFY(QTest::qWaitForWindowExposed(w->window()));
    QElapsedTimer relogio;
    double cpu0 = 0;
    connect(&c.amb->ligacao, &Ligacao::respostaColetada, this, [&](const QString& codigo, const QString&) {
        if (codigo == QLatin1String("18")) {
            relogio.start();
            cpu0 = cpuDaLinha();
        }
    });
    // Told after the window has shown the lines (its connection is older): the loop ends there,
    // without a test's polling sleep in between.
    QEventLoop espera;
    connect(&w->procedimento(), &Procedimento::terminou, &espera, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer limite;
    limite.setSingleShot(true);
    connect(&limite, &QTimer::timeout, &espera, &QEventLoop::quit);
    const auto mediana = [](QList<double> v) {
        std::sort(v.begin(), v.end());
        return v.at(v.size() / 2);
    };
    for (const char* botao : {"Botao1", "Botao2"}) {
        QList<double> paredes, cpus, graduacoes, pinturas;
        int linhas = 0;
        for (int i = 0; i < 5; ++i) {
            QVERIFY(c.amb->aguardaOcioso());
            relogio.invalidate();
            w->findChild<QPushButton*>(QLatin1String(botao))->click();
            QVERIFY(!controle->isEnabled());
            limite.start(20000);
            espera.exec();
            QVERIFY(relogio.isValid() && controle->isEnabled());
            QElapsedTimer pintura;
            pintura.start();
            w->repaint();
            pinturas << pintura.nsecsElapsed() / 1e6;
            paredes << relogio.nsecsElapsed() / 1e6;
            cpus << (cpuDaLinha() - cpu0) * 1000;
            graduacoes << w->nsTrabalhoUltimaLeitura() / 1e6;
            linhas = int(w->procedimento().resultado().linhas.size());
        }
        qInfo("PMU %s, %d lines: answer complete -> graded and painted %.1f ms wall, UI-thread CPU %.1f ms "
              "(medians of 5; grading with the readings stored in Master, and display, %.1f ms wall; "
              "painting %.1f ms)",
              botao == QLatin1String("Botao1") ? "BUCK" : "LDO", linhas, mediana(paredes), mediana(cpus),
              mediana(graduacoes), mediana(pinturas));
    }
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
