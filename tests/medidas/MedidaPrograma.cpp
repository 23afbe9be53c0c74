// What the program itself costs where a technician waits, printed (not asserted) so a change
// that costs time is seen: run build/tests/medida_programa. The board plays the model with the
// most rails ("IP X") in its fast mode.
#include "apoio/Apoio.h"
#include "apoio/CenarioJanela.h"
#include "boardtests/Nand.h"
#include "boardtests/ProcedimentoI2c.h"
#include "boardtests/janelas/I2C.h"
#include "boardtests/RfRadios.h"
#include "console/RegrasConsole.h"
#include "rails/BuckCheck.h"
#include "rails/GradeTrilhas.h"
#include "rails/janelas/VCores.h"
#include "shell/RegrasTroca.h"
#include "shell/janelas/Inicial.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <limits>
#include <sys/resource.h>

namespace {
double cpuDaLinha()
{
    rusage u {};
    ::getrusage(RUSAGE_THREAD, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}
const QString Modelo = QStringLiteral("IP X");
} // namespace

class MedidaPrograma : public QObject {
    Q_OBJECT
private slots:
    void respostaAteGradePintada();
    void respostaAteI2cPintada();
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
