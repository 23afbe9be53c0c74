// What the program itself costs where a technician waits, printed (not asserted) so a change
// that costs time is seen: run build/tests/medida_programa. The board plays the model with the
// most rails ("IP X") in its fast mode.
#include "apoio/Apoio.h"
#include "apoio/CenarioJanela.h"
#include "boardtests/Nand.h"
#include "boardtests/RfRadios.h"
#include "chips/ProcedimentoChip.h"
#include "chips/janelas/Tigris.h"
#include "console/RegrasConsole.h"
#include "rails/BuckCheck.h"
#include "rails/GradeTrilhas.h"
#include "rails/janelas/VCores.h"
#include "shell/RegrasTroca.h"
#include "shell/janelas/Inicial.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>
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
    void arranqueAteJanelaPrincipal();
    void analisadoresNoLimite();
};

// From the poll that completes "pmuadc --read all" to the VCore grid graded and painted.
void MedidaPrograma::respostaAteGradePintada()
{
    CenarioJanela c;
    QVERIFY(c.iniciaBancada(Modelo, {}, {}, QStringLiteral("A1865")));
    auto* w = c.amb->janelas.mostra<VCores>(QStringLiteral("VCores"));
    QVERIFY(w);
    auto* bt = w->findChild<QPushButton*>(QStringLiteral("btExecutaLeitura"));
    auto* t1 = w->findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* t2 = w->findChild<QTimer*>(QStringLiteral("Timer2"));
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
    bt->click();
    QVERIFY(QTest::qWaitFor([&] { return relogio.isValid() && !t1->isActive() && !t2->isActive() && bt->isEnabled(); },
                            20000));
    const qint64 graduada = relogio.elapsed();
    QElapsedTimer pintura;
    pintura.start();
    w->repaint();
    const qint64 pintada = pintura.elapsed();
    const double cpu = cpuDaLinha() - cpu0;
    qInfo("VCore grid, %d rows: answer complete -> graded %lld ms (the window's own %d ms poll included), "
          "UI-thread CPU %.1f ms, painted in %lld ms",
          w->modeloGrade()->rowCount(), graduada, 500, cpu * 1000, pintada);

    // The same grading on an answer at its 1 MB bound (the board's answer repeated).
    QString R = uma;
    while (R.size() + uma.size() < RegrasTroca::LimiteResposta)
        R += uma.mid(2);
    QElapsedTimer analise;
    analise.start();
    const ResultadoGrade g = ProcessaLeitura(VarianteGrade::VCore, Modelo, FamiliaVCore, R, 3, 1);
    qInfo("grading a %lld-character answer: %lld ms (%d rows)", qint64(R.size()), analise.elapsed(), g.linhas);
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

// Building and showing the main window, as the program does once the database is checked.
void MedidaPrograma::arranqueAteJanelaPrincipal()
{
    PastaAplicacaoTemporaria pasta;
    QElapsedTimer relogio;
    relogio.start();
    Inicial w;
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
