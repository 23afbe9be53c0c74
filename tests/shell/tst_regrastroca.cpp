// The rules of one exchange as plain functions: when the first and the following polls end an
// answer, which end is a cut, when the rest of a cut answer is over, the echo removal, and how
// a tick's chunk is gathered read by read within the answer's bound.
#include "shell/RegrasTroca.h"

#include <QtTest>

using namespace RegrasTroca;

Q_DECLARE_METATYPE(RegrasTroca::Fim)
Q_DECLARE_METATYPE(RegrasTroca::RegraFim)

namespace {
const QByteArray Prompt = "[0D1F2E3C:5A4B6C7D] :-) ";
}

class TstRegrasTroca : public QObject {
    Q_OBJECT
private slots:
    void regraDoComando_data();
    void regraDoComando();
    void primeiraLeitura_data();
    void primeiraLeitura();
    void leituraSeguinte_data();
    void leituraSeguinte();
    void descarte_data();
    void descarte();
    void removeEco_data();
    void removeEco();
    void comoNoConsole_data();
    void comoNoConsole();
    void cabemNoConsole_data();
    void cabemNoConsole();
    void coletaDoPedaco_data();
    void coletaDoPedaco();
    void partesDoDescarte_data();
    void partesDoDescarte();
};

void TstRegrasTroca::regraDoComando_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<RegraFim>("regra");
    QTest::newRow("model query") << "syscfg print RMd#" << RegraFim::SemAtalho;
    QTest::newRow("another syscfg") << "syscfg print RMd" << RegraFim::Comum;
    QTest::newRow("model query, other case") << "SYSCFG PRINT RMD#" << RegraFim::Comum;
    // The gas gauge's rule is its requester's to give, never read from the command.
    QTest::newRow("gas gauge command") << "device  --key GasGauge -p" << RegraFim::Comum;
    QTest::newRow("help") << "help" << RegraFim::Comum;
}

void TstRegrasTroca::regraDoComando()
{
    QFETCH(QString, comando);
    QFETCH(RegraFim, regra);
    QCOMPARE(RegraDoComando(comando), regra);
}

void TstRegrasTroca::primeiraLeitura_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<RegraFim>("regra");
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<Fim>("fim");
    const QByteArray comPrompt = "help\r\nline\n" + Prompt;
    const auto comum = RegraFim::Comum;
    const auto gasGauge = RegraFim::AtePrompt;
    QTest::newRow("box 1, prompt: shortcut") << "1" << comum << comPrompt << Fim::Completa;
    QTest::newRow("box 1, no prompt") << "1" << comum << QByteArray("help\r\nline\n") << Fim::Continua;
    QTest::newRow("box 1, bare mark") << "1" << comum << QByteArray(":-)") << Fim::Completa;
    QTest::newRow("box 1, mark not whole") << "1" << comum << QByteArray(":-") << Fim::Continua;
    // The gas gauge is complete once its prompt is in, whichever poll brings it, on either box.
    QTest::newRow("box 1, gas gauge with its prompt") << "1" << gasGauge << comPrompt << Fim::Completa;
    QTest::newRow("box 2, gas gauge with its prompt") << "2" << gasGauge << comPrompt << Fim::Completa;
    QTest::newRow("box 1, gas gauge before its prompt") << "1" << gasGauge << QByteArray("help\r\nline\n") << Fim::Continua;
    QTest::newRow("box 1, model query waits") << "1" << RegraFim::SemAtalho << comPrompt << Fim::Continua;
    QTest::newRow("box 2, model query waits") << "2" << RegraFim::SemAtalho << comPrompt << Fim::Continua;
    QTest::newRow("box 2, no shortcut") << "2" << comum << comPrompt << Fim::Continua;
    QTest::newRow("box \"01\" counts as 1") << "01" << comum << comPrompt << Fim::Completa;
    // Nothing yet: the answer is not closed before its bytes (the following polls wait them out).
    QTest::newRow("box 1, nothing came yet") << "1" << comum << QByteArray() << Fim::Continua;
    QTest::newRow("box 2, nothing came yet") << "2" << gasGauge << QByteArray() << Fim::Continua;
    QTest::newRow("unknown box, nothing came yet") << "" << comum << QByteArray() << Fim::Continua;
}

void TstRegrasTroca::primeiraLeitura()
{
    QFETCH(QString, box);
    QFETCH(RegraFim, regra);
    QFETCH(QByteArray, chunk);
    QFETCH(Fim, fim);
    QCOMPARE(PrimeiraLeitura(box, regra, PedacoDe(chunk)), fim);
}

void TstRegrasTroca::leituraSeguinte_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<RegraFim>("regra");
    QTest::addColumn<int>("contador");
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<Fim>("fim");
    const QByteArray texto = "Key0001: 0x01\n";
    const auto comum = RegraFim::Comum;
    const auto gasGauge = RegraFim::AtePrompt;
    QTest::newRow("quiet at 5: too early") << "1" << comum << 5 << QByteArray() << Fim::Continua;
    QTest::newRow("quiet at 6") << "1" << comum << 6 << QByteArray() << Fim::Completa;
    QTest::newRow("model query, quiet at 6") << "1" << RegraFim::SemAtalho << 6 << QByteArray() << Fim::Completa;
    QTest::newRow("text at 6") << "1" << comum << 6 << texto << Fim::Continua;
    QTest::newRow("prompt does not end it") << "1" << comum << 3 << Prompt << Fim::Continua;
    QTest::newRow("box 1, text at 199") << "1" << comum << 199 << texto << Fim::Continua;
    QTest::newRow("box 1, text at 200: cut") << "1" << comum << 200 << texto << Fim::Cortada;
    QTest::newRow("box 1, quiet at 200") << "1" << comum << 200 << QByteArray() << Fim::Completa;
    QTest::newRow("box 1, prompt at 200") << "1" << comum << 200 << texto + Prompt << Fim::Completa;
    QTest::newRow("box 2, text at 99") << "2" << comum << 99 << texto << Fim::Continua;
    QTest::newRow("box 2, text at 100: cut") << "2" << comum << 100 << texto << Fim::Cortada;
    QTest::newRow("box 2, text at 200 is past its limit") << "2" << comum << 200 << texto << Fim::Continua;
    QTest::newRow("unknown box has no limit") << "3" << comum << 200 << texto << Fim::Continua;
    QTest::newRow("box \"01\" has no limit") << "01" << comum << 200 << texto << Fim::Continua;
    QTest::newRow("gas gauge, quiet at 6") << "1" << gasGauge << 6 << QByteArray() << Fim::Continua;
    QTest::newRow("gas gauge, quiet at 100") << "1" << gasGauge << 100 << QByteArray() << Fim::Continua;
    QTest::newRow("gas gauge, quiet at 101") << "1" << gasGauge << 101 << QByteArray() << Fim::Completa;
    QTest::newRow("gas gauge, prompt at 2") << "1" << gasGauge << 2 << texto + Prompt << Fim::Completa;
    QTest::newRow("gas gauge, text at 200: cut") << "1" << gasGauge << 200 << texto << Fim::Cortada;
}

void TstRegrasTroca::leituraSeguinte()
{
    QFETCH(QString, box);
    QFETCH(RegraFim, regra);
    QFETCH(int, contador);
    QFETCH(QByteArray, chunk);
    QFETCH(Fim, fim);
    QCOMPARE(LeituraSeguinte(box, regra, contador, PedacoDe(chunk)), fim);
}

void TstRegrasTroca::descarte_data()
{
    // The chunks of the polls after a cut, "" a quiet poll; the poll at which the wait ends.
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<int>("fim"); // -1: still waiting
    const QByteArray t = "Key1799: 0x7\n";
    QTest::newRow("prompt") << QList<QByteArray>{t, t, "Finished\n" + Prompt} << 2;
    QTest::newRow("prompt after quiet polls") << QList<QByteArray>{"", "", ":-)"} << 2;
    QTest::newRow("six quiet polls") << QList<QByteArray>{"", "", "", "", "", ""} << 5;
    QTest::newRow("quiet count starts again") << QList<QByteArray>{"", "", "", "", "", t, "", "", "", "", "", ""} << 11;
    QTest::newRow("still sending") << QList<QByteArray>{t, t, t, t, t, t, t, t} << -1;
    QTest::newRow("five quiet polls are not enough") << QList<QByteArray>{t, "", "", "", "", ""} << -1;
}

void TstRegrasTroca::descarte()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(int, fim);
    int silenciosos = 0;
    int terminou = -1;
    for (int i = 0; i < chunks.size() && terminou < 0; ++i)
        if (DescarteTermina(PedacoDe(chunks[i]), &silenciosos))
            terminou = i;
    QCOMPARE(terminou, fim);
}

void TstRegrasTroca::removeEco_data()
{
    QTest::addColumn<QString>("R");
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("A");
    QTest::newRow("echo and body") << "\r\nhelp\r\r\nsee help\r\n" << "help" << "\r\n\r\r\nsee \r\n";
    QTest::newRow("no echo") << "\r\nok\r\n" << "bl --on" << "\r\nok\r\n";
    QTest::newRow("no command") << "\r\nok\r\n" << "" << "\r\nok\r\n";
    QTest::newRow("case is kept") << "\r\nHELP help\r\n" << "help" << "\r\nHELP \r\n";
    QTest::newRow("back to back") << "aaaa" << "aa" << "";
}

void TstRegrasTroca::removeEco()
{
    QFETCH(QString, R);
    QFETCH(QString, comando);
    QFETCH(QString, A);
    QCOMPARE(RemoveEco(R, comando), A);
}

void TstRegrasTroca::comoNoConsole_data()
{
    QTest::addColumn<QString>("recebido");
    QTest::addColumn<QString>("console");
    QTest::newRow("line feed") << "a\nb\n" << "a\r\nb\r\n";
    QTest::newRow("CR LF from the phone") << "help\r\n" << "help\r\r\n";
    QTest::newRow("lone CR kept") << "a\rb" << "a\rb";
    QTest::newRow("nothing") << "" << "";
}

void TstRegrasTroca::comoNoConsole()
{
    QFETCH(QString, recebido);
    QFETCH(QString, console);
    QCOMPARE(ComoNoConsole(recebido), console);
}

void TstRegrasTroca::cabemNoConsole_data()
{
    QTest::addColumn<QByteArray>("dados");
    QTest::addColumn<int>("espaco");
    QTest::addColumn<int>("cabem");
    QTest::addColumn<int>("custo");
    QTest::newRow("all fit") << QByteArray("abc") << 3 << 3 << 3;
    QTest::newRow("line feed takes two") << QByteArray("a\nb") << 3 << 2 << 3;
    QTest::newRow("half a line break does not fit") << QByteArray("a\nb") << 2 << 1 << 1;
    QTest::newRow("carriage return takes one") << QByteArray("\r\r") << 2 << 2 << 2;
    QTest::newRow("no room") << QByteArray("abc") << 0 << 0 << 0;
    QTest::newRow("less than no room") << QByteArray("abc") << -5 << 0 << 0;
    QTest::newRow("nothing") << QByteArray() << 10 << 0 << 0;
}

void TstRegrasTroca::cabemNoConsole()
{
    QFETCH(QByteArray, dados);
    QFETCH(int, espaco);
    QFETCH(int, cabem);
    QFETCH(int, custo);
    qsizetype c = -1;
    QCOMPARE(CabemNoConsole(dados, espaco, &c), qsizetype(cabem));
    QCOMPARE(c, qsizetype(custo));
}

void TstRegrasTroca::coletaDoPedaco_data()
{
    // Reads within one tick, then the tick ends: what is kept, what goes beyond the bound, and
    // what the rules see of the chunk.
    QTest::addColumn<QList<QByteArray>>("leituras");
    QTest::addColumn<int>("espaco");
    QTest::addColumn<QByteArray>("guardados");
    QTest::addColumn<qint64>("alem");
    QTest::addColumn<bool>("prompt");
    QTest::newRow("one read") << QList<QByteArray>{"ok\n" + Prompt} << 1000 << "ok\n" + Prompt << qint64(0) << true;
    QTest::newRow("mark across two reads") << QList<QByteArray>{"ok :", "-) "} << 1000 << QByteArray("ok :-) ")
                                           << qint64(0) << true;
    QTest::newRow("mark across three reads") << QList<QByteArray>{":", "-", ")"} << 1000 << QByteArray(":-)")
                                             << qint64(0) << true;
    QTest::newRow("no mark") << QList<QByteArray>{":-", "(", ")"} << 1000 << QByteArray(":-()") << qint64(0) << false;
    QTest::newRow("bound inside a read") << QList<QByteArray>{"abc", "def"} << 4 << QByteArray("abcd") << qint64(2)
                                         << false;
    QTest::newRow("line feed at the bound") << QList<QByteArray>{"ab\ncd"} << 3 << QByteArray("ab") << qint64(3)
                                            << false;
    QTest::newRow("no hole after the bound") << QList<QByteArray>{"a\n", "b"} << 2 << QByteArray("a") << qint64(2)
                                             << false;
    QTest::newRow("mark beyond the bound still seen") << QList<QByteArray>{"abc", "x:-)"} << 3 << QByteArray("abc")
                                                      << qint64(4) << true;
    QTest::newRow("nothing kept") << QList<QByteArray>{"late\n"} << 0 << QByteArray() << qint64(5) << false;
}

void TstRegrasTroca::coletaDoPedaco()
{
    QFETCH(QList<QByteArray>, leituras);
    QFETCH(int, espaco);
    QFETCH(QByteArray, guardados);
    QFETCH(qint64, alem);
    QFETCH(bool, prompt);
    ColetaDoPedaco coleta;
    Descarte d;
    qint64 total = 0;
    for (const QByteArray& l : leituras) {
        coleta.acrescenta(l, espaco, &d);
        total += l.size();
    }
    Pedaco p;
    QCOMPARE(coleta.toma(&p), guardados);
    QCOMPARE(d.total(), alem);
    QCOMPARE(p.bytes, total);
    QCOMPARE(p.temPrompt, prompt);
    // The next tick starts empty.
    QCOMPARE(coleta.toma(&p), QByteArray());
    QVERIFY(p.vazio());
}

void TstRegrasTroca::partesDoDescarte_data()
{
    // Sizes of the successive pieces; the pieces are one numbered stream.
    QTest::addColumn<QList<int>>("pedacos");
    QTest::newRow("small") << QList<int>{100};
    QTest::newRow("exactly the first part") << QList<int>{Descarte::Parte};
    QTest::newRow("first part and a little") << QList<int>{Descarte::Parte, 10};
    QTest::newRow("one large piece") << QList<int>{50000};
    QTest::newRow("many small pieces") << QList<int>(3000, 7);
    QTest::newRow("large then small") << QList<int>{9000, 3, 5000, 1};
}

void TstRegrasTroca::partesDoDescarte()
{
    QFETCH(QList<int>, pedacos);
    QByteArray tudo;
    Descarte d;
    int n = 0;
    for (int tamanho : pedacos) {
        QByteArray p;
        for (int i = 0; i < tamanho; ++i)
            p += char('a' + (n++ * 7) % 26);
        tudo += p;
        d.acrescenta(p);
    }
    const qsizetype parte = Descarte::Parte;
    QCOMPARE(d.total(), qint64(tudo.size()));
    QCOMPARE(d.inicio(), tudo.left(parte));
    QCOMPARE(d.fim(), tudo.mid(parte).right(parte));
    QCOMPARE(d.omitidos(), qint64(std::max<qsizetype>(0, tudo.size() - 2 * parte)));
}

QTEST_APPLESS_MAIN(TstRegrasTroca)
#include "tst_regrastroca.moc"
