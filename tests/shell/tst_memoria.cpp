// What each technician action leaves behind: an action is repeated against the bench board (fast
// mode) after a warm-up, and the heap still in use afterwards is bounded per repetition. The
// bounds sit well below what one window or one procedure kept per repetition would take (a
// window's verdict marks alone left 7-13 kB in Qt's pixmap cache each time it was opened), and
// well above what the action measurably keeps (under 1 kB; figures in the README).
//
//   VEXADOR_MEMORIA_CICLOS  repetitions measured per action (default: the table's)
#include "apoio/CenarioJanela.h"

#include "console/janelas/Master.h"
#include "diagnostico/ExecutorDiagnostico.h"
#include "diagnostico/janelas/Diagnostico.h"
#include "rails/janelas/VCores.h"
#include "shell/Ligacao.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTest>

#include <functional>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define VEXADOR_SEM_MALLINFO 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VEXADOR_SEM_MALLINFO 1
#endif
#endif

namespace {

// Bytes the allocator has handed out and not got back: no page rounding, unlike the RSS.
qint64 heapEmUso()
{
    malloc_trim(0);
    return qint64(mallinfo2().uordblks);
}

// Every window the technician can open from the main window.
const QStringList Janelas = {"VCores", "BuckLdo", "PMU", "BuckTeste", "Nand", "IC", "I2C", "Chestnut", "Tigris",
                             "Tristar", "Acorn", "RFs", "Displays", "Bateria", "Outros", "Sobre", "Master"};

// Lets deferred deletions and queued work run, then waits for the link to be idle.
bool assenta(CenarioJanela& c)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return c.amb->aguardaOcioso(30000);
}

} // namespace

class TstMemoria : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void porAcao_data();
    void porAcao();

private:
    // One repetition of an action; false when it could not be done.
    using Acao = std::function<bool(CenarioJanela&)>;
    static bool abreEFecha(CenarioJanela& c, const QStringList& janelas);
    static bool leituraVCore(CenarioJanela& c);
    static bool comandoNoConsole(CenarioJanela& c);
    static bool diagnostico(CenarioJanela& c);

    CenarioJanela* m_c = nullptr;
};

void TstMemoria::initTestCase()
{
#ifdef VEXADOR_SEM_MALLINFO
    QSKIP("the heap in use is the sanitizer's allocator's here; the normal build measures it");
#endif
    // One board and one link for every action, as one technician's session.
    m_c = new CenarioJanela;
    QVERIFY(m_c->iniciaBancada(QStringLiteral("IP 7"), {}, {}, QStringLiteral("A1660")));
    // What the first window of all makes once (fonts, styles, the dictionary's texts).
    QVERIFY(abreEFecha(*m_c, Janelas));
}

void TstMemoria::cleanupTestCase()
{
    if (m_c)
        m_c->amb->janelas.fecha(m_c->amb->janelas.nomesAbertos());
    delete m_c;
    m_c = nullptr;
}

bool TstMemoria::abreEFecha(CenarioJanela& c, const QStringList& janelas)
{
    for (const QString& n : janelas)
        if (!c.amb->janelas.mostra(n))
            return false;
    c.amb->janelas.fecha(c.amb->janelas.nomesAbertos());
    return assenta(c) && c.amb->janelas.nomesAbertos().isEmpty();
}

bool TstMemoria::leituraVCore(CenarioJanela& c)
{
    auto* w = c.amb->janelas.mostra<VCores>(QStringLiteral("VCores"));
    if (!w)
        return false;
    auto* bt = w->findChild<QAbstractButton*>(QStringLiteral("btExecutaLeitura"));
    if (!bt || !bt->isEnabled())
        return false;
    const int antes = c.vezes("pmuadc --read all");
    bt->click();
    return QTest::qWaitFor([&] { return c.vezes("pmuadc --read all") > antes; }, 10000) && assenta(c)
           && QTest::qWaitFor([bt] { return bt->isEnabled(); }, 10000);
}

bool TstMemoria::comandoNoConsole(CenarioJanela& c)
{
    auto* m = c.amb->janelas.mostra<Master>(QStringLiteral("Master"));
    if (!m)
        return false;
    m->defineTxtComandos(QStringLiteral("help"));
    auto* bt = m->findChild<QAbstractButton*>(QStringLiteral("btSend"));
    if (!bt || !bt->isEnabled())
        return false;
    const int antes = c.vezes("help");
    bt->click();
    return QTest::qWaitFor([&] { return c.vezes("help") > antes; }, 10000) && assenta(c)
           && QTest::qWaitFor([bt] { return bt->isEnabled(); }, 10000);
}

bool TstMemoria::diagnostico(CenarioJanela& c)
{
    c.roteiro.roteiro.respostasEntrada = {QStringLiteral("OS-1")};
    QPointer<Diagnostico> d = Diagnostico::abre(c.amb->janelas);
    c.roteiro.roteiro.respostasEntrada.clear();
    if (!d || !d->executor())
        return false;
    ExecutorDiagnostico* e = d->executor();
    if (!QTest::qWaitFor([e] { return !e->rodando(); }, 60000) || !e->execucao().completa)
        return false;
    c.amb->janelas.fecha(c.amb->janelas.nomesAbertos());
    return assenta(c) && QTest::qWaitFor([&] { return d.isNull(); }, 5000);
}

void TstMemoria::porAcao_data()
{
    // The bound per repetition: measured what stays (kB, in the README) times a margin, and
    // below what the smallest window (the About box) or one diagnosis engine kept would add.
    QTest::addColumn<Acao>("acao");
    QTest::addColumn<int>("aquecimento");
    QTest::addColumn<int>("repeticoes");
    QTest::addColumn<qint64>("limiteBytes");
    // The rail grid reads the database: SQLite's page cache fills over the first few dozen
    // queries (bounded by its cache size), hence the longer warm-up and wider bound there.
    for (const QString& n : Janelas)
        QTest::newRow(qPrintable(QStringLiteral("open and close ") + n))
            << Acao([n](CenarioJanela& c) { return abreEFecha(c, {n}); }) << (n == QLatin1String("VCores") ? 8 : 2)
            << 12 << qint64(n == QLatin1String("VCores") ? 8 * 1024 : 4 * 1024);
    QTest::newRow("open and close every window")
        << Acao([](CenarioJanela& c) { return abreEFecha(c, Janelas); }) << 2 << 12 << qint64(8 * 1024);
    QTest::newRow("VCore reading") << Acao(&TstMemoria::leituraVCore) << 8 << 12 << qint64(8 * 1024);
    QTest::newRow("console command") << Acao(&TstMemoria::comandoNoConsole) << 3 << 12 << qint64(4 * 1024);
    // A run held for good (its engine, its steps' procedures and items) is tens of kB.
    QTest::newRow("whole-board diagnosis") << Acao(&TstMemoria::diagnostico) << 2 << 6 << qint64(16 * 1024);
}

void TstMemoria::porAcao()
{
    QFETCH(Acao, acao);
    QFETCH(int, aquecimento);
    QFETCH(int, repeticoes);
    QFETCH(qint64, limiteBytes);
    bool ok = false;
    int ciclos = qEnvironmentVariableIntValue("VEXADOR_MEMORIA_CICLOS", &ok);
    if (!ok || ciclos < 1)
        ciclos = repeticoes;
    // The warm-up fills what is made once (fonts, the dictionary, prepared queries, pools).
    for (int i = 0; i < aquecimento; ++i)
        QVERIFY2(acao(*m_c), qPrintable(QStringLiteral("warm-up %1").arg(i)));
    const qint64 antes = heapEmUso();
    for (int i = 0; i < ciclos; ++i)
        QVERIFY2(acao(*m_c), qPrintable(QStringLiteral("repetition %1").arg(i)));
    const qint64 porCiclo = (heapEmUso() - antes) / ciclos;
    qInfo("%s: heap in use %+lld bytes a repetition (%d repetitions, bound %lld)", QTest::currentDataTag(), porCiclo,
          ciclos, limiteBytes);
    QVERIFY2(porCiclo <= limiteBytes,
             qPrintable(QStringLiteral("%1 bytes left a repetition, more than %2").arg(porCiclo).arg(limiteBytes)));
    m_c->amb->janelas.fecha(m_c->amb->janelas.nomesAbertos());
    QVERIFY(assenta(*m_c));
}

QTEST_MAIN(TstMemoria)
#include "tst_memoria.moc"
