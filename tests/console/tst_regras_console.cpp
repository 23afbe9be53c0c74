// Text rules of the console and the command help, and the auto comparator, as tables.
#include "console/AutoComparador.h"
#include "console/DadosConsole.h"
#include "console/RegrasConsole.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace AutoComparacao;

class TstRegrasConsole : public QObject {
    Q_OBJECT
private slots:
    void historicoLimitado_data();
    void historicoLimitado();
    void historicoEEdicaoComoARegraSimples();
    void prefixoHelp_data();
    void prefixoHelp();
    void comandoDaSelecao_data();
    void comandoDaSelecao();
    void palavraNaPosicao_data();
    void palavraNaPosicao();
    void comandosEspeciais();
    void comparador_data();
    void comparador();
    void linhasDiferentes_data();
    void linhasDiferentes();
    void mascaraVaziaNaoInsere();
    void mascaraEmOrdem_data();
    void mascaraEmOrdem();
    void mascaraComoSubstituicoesSucessivas();
    void edicaoGuardaFinsDeLinha_data();
    void edicaoGuardaFinsDeLinha();
};

void TstRegrasConsole::prefixoHelp_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("with a blank: up to and including it") << "bl -r" << "help bl ";
    QTest::newRow("second click undoes it") << "help bl " << "bl ";
    QTest::newRow("no blank") << "nandsize" << "help nandsize";
    QTest::newRow("all blanks go") << "help  pmuadc --read all" << "pmuadc--readall ";
    QTest::newRow("HELP in capitals is not help") << "HELP" << "help HELP";
    QTest::newRow("empty") << "" << "help ";
    QTest::newRow("leading blank") << " bl" << "help  ";
}

void TstRegrasConsole::prefixoHelp()
{
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(RegrasConsole::AlternaPrefixoHelp(texto), esperado);
}

void TstRegrasConsole::comandoDaSelecao_data()
{
    QTest::addColumn<QString>("selecao");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("quoted command") << "\"pmuadc\"" << "pmuadc";
    QTest::newRow("quote then comma") << "\"bl\"," << "bl";
    QTest::newRow("cut after the closing quote") << "\"bl\"x\"y" << "bl";
    QTest::newRow("no quotes") << "nandsize" << "nandsize";
    QTest::newRow("only quote is the first") << "\"bl" << "";
    QTest::newRow("only quote is the second") << "a\"bc" << "";
    QTest::newRow("quote at the third counts") << "ab\"cd" << "ab";
    QTest::newRow("lone quote") << "\"" << "";
    QTest::newRow("two quotes") << "\"\"" << "";
}

void TstRegrasConsole::comandoDaSelecao()
{
    QFETCH(QString, selecao);
    QFETCH(QString, esperado);
    QCOMPARE(RegrasConsole::ComandoDaSelecao(selecao), esperado);
}

void TstRegrasConsole::palavraNaPosicao_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("posicao");
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<int>("inicio");
    const QString linha = QStringLiteral("  \"pmuadc\"        PMU ADC");
    QTest::newRow("inside a quoted word") << linha << 5 << "\"pmuadc\"" << 2;
    QTest::newRow("on its first quote") << linha << 2 << "\"pmuadc\"" << 2;
    QTest::newRow("just after it") << linha << 10 << "\"pmuadc\"" << 2;
    QTest::newRow("on a blank between words") << linha << 12 << "" << 12;
    QTest::newRow("last word, past the end") << linha << linha.size() << "ADC" << linha.size() - 3;
    QTest::newRow("across a line break") << "ab\ncd" << 3 << "cd" << 3;
    QTest::newRow("empty text") << "" << 0 << "" << 0;
}

void TstRegrasConsole::palavraNaPosicao()
{
    QFETCH(QString, texto);
    QFETCH(int, posicao);
    QFETCH(QString, palavra);
    QFETCH(int, inicio);
    int i = -1;
    QCOMPARE(RegrasConsole::PalavraNaPosicao(texto, posicao, &i), palavra);
    QCOMPARE(i, inicio);
}

void TstRegrasConsole::comandosEspeciais()
{
    QVERIFY(RegrasConsole::EhTesteBotoes("buttoncnt --dqe"));
    QVERIFY(RegrasConsole::EhTesteBotoes("BUTTONCNT --DQE"));
    QVERIFY(!RegrasConsole::EhTesteBotoes("BUTTONCNT  --DQE"));
    QVERIFY(RegrasConsole::EspelhaAoVivo("Help"));
    QVERIFY(RegrasConsole::EspelhaAoVivo("testmemory --1mb"));
    QVERIFY(!RegrasConsole::EspelhaAoVivo("help bl"));
    QVERIFY(RegrasConsole::EhComandoHelp("help bl"));
    QVERIFY(!RegrasConsole::EhComandoHelp("hel"));
    QVERIFY(RegrasConsole::ComandoSalvoValido("bl -r"));
    QVERIFY(!RegrasConsole::ComandoSalvoValido(""));
    QVERIFY(!RegrasConsole::ComandoSalvoValido("o'brien"));
    QCOMPARE(RegrasConsole::PdfDeAjuda(1), QStringLiteral("xDOD_BR.pdf"));
    QCOMPARE(RegrasConsole::PdfDeAjuda(2), QStringLiteral("xDOD_USA.pdf"));
    QCOMPARE(RegrasConsole::PdfDeAjuda(3), QStringLiteral("xDOD_ES.pdf"));
    QCOMPARE(RegrasConsole::PdfDeAjuda(0), QString());
}

void TstRegrasConsole::comparador_data()
{
    QTest::addColumn<QString>("console");
    QTest::addColumn<QString>("gravado");
    QTest::addColumn<QStringList>("fragmentos");
    QTest::addColumn<bool>("badge");

    const QString prompt = QStringLiteral("\r\r\n[0D1F2E3C:5A4B6C7D] :-) ");   // 26 characters
    const QString promptGravado = QStringLiteral("\r\n[xxxxxxxx:xxxxxxxx] :-) ");
    const QString inicio = QStringLiteral("\r\n\r\r\n");
    const QString corpo = QStringLiteral("NAND UID: xxxxx\u00AE\r\r\nPassed");
    const QString gravado = inicio + corpo + promptGravado;
    const QString uid = QStringLiteral("0x893C92BBD4DDAAE3C4EFC5C3");
    const QString vivo = inicio + QStringLiteral("NAND UID: ") + uid + QStringLiteral("\r\r\nPassed") + prompt;

    QTest::newRow("masked serial matches") << vivo << gravado << QStringList{uid} << true;
    QTest::newRow("serial in another case") << vivo << gravado << QStringList{uid.toLower()} << true;
    QTest::newRow("fragment with its marker token") << vivo << gravado << QStringList{uid + "'jox'"} << true;
    QTest::newRow("markers anywhere") << vivo << gravado << QStringList{"'nas'0x893C92'ins'BBD4DDAAE3C4EFC5C3"} << true;
    QTest::newRow("marker in the wrong case stays") << vivo << gravado << QStringList{uid + "'JOX'"} << false;
    QTest::newRow("empty table compares unmasked") << vivo << gravado << QStringList{} << false;
    QTest::newRow("empty table, no variable part")
        << inicio + "Passed" + prompt << inicio + "Passed" + promptGravado << QStringList{} << true;
    QTest::newRow("longer fragment first (descending order)")
        << inicio + "ID 12345" + prompt << inicio + "ID xxxxx\u00AE" + promptGravado
        << QStringList{"12345", "123"} << true;
    QTest::newRow("prefix first leaves a tail")
        << inicio + "ID 12345" + prompt << inicio + "ID xxxxx\u00AE" + promptGravado
        << QStringList{"123", "12345"} << false;
    QTest::newRow("different value not in M") << QString(vivo).replace(uid, "0x000000000000000000000000") << gravado
                                              << QStringList{uid} << false;
    QTest::newRow("without prompt: no cut") << inicio + "Passed" << inicio + "Passed" + promptGravado
                                            << QStringList{} << true;
    QTest::newRow("prompt at the very start is not cut")
        << "] :-) abc" + QString(26, 'Z') << "- :-) abc" << QStringList{} << false;
    QTest::newRow("found at the first position: hidden") << "\r\nabc" << "abc and more" << QStringList{} << false;
    QTest::newRow("found at the second position") << "\r\nabc" << "-abc" << QStringList{} << true;
    QTest::newRow("case-insensitive search") << "\r\nPASSED" << "\r\npassed" << QStringList{} << true;
    QTest::newRow("empty console") << "" << gravado << QStringList{} << false;
    QTest::newRow("two-character console") << "\r\n" << gravado << QStringList{} << false;
    QTest::newRow("empty recording") << vivo << "" << QStringList{uid} << false;
    QTest::newRow("older answers above it")
        << inicio + "Passed" + prompt + "\r\n" + inicio + "Other" + prompt << inicio + "Passed" + promptGravado
        << QStringList{} << false;
}

void TstRegrasConsole::comparador()
{
    QFETCH(QString, console);
    QFETCH(QString, gravado);
    QFETCH(QStringList, fragmentos);
    QFETCH(bool, badge);
    QCOMPARE(Confere(console, gravado, fragmentos), badge);
}

void TstRegrasConsole::linhasDiferentes_data()
{
    QTest::addColumn<QString>("console");
    QTest::addColumn<QString>("gravado");
    QTest::addColumn<QStringList>("fragmentos");
    QTest::addColumn<QList<int>>("marcadas"); // lines of the console as shown
    QTest::addColumn<QList<int>>("naGravacao"); // lines of the recording as shown
    QTest::addColumn<int>("quantas");

    const QString prompt = QStringLiteral("\r\r\n[0D1F2E3C:5A4B6C7D] :-) ");
    const QString promptGravado = QStringLiteral("\r\n[xxxxxxxx:xxxxxxxx] :-) ");
    const QString inicio = QStringLiteral("\r\n\r\r\n"); // console: line 0 and 1 blank, body from line 2
    const auto corpo = [](const QStringList& linhas) { return linhas.join(QStringLiteral("\r\r\n")); };
    const QStringList bucks = {"buck0: 813.000 mV", "buck1: 1.250 mV", "buck2: 805.375 mV"};
    const QString gravadoBucks = inicio + corpo(bucks) + promptGravado;
    const QStringList i2c = {"Scanning I2C bus 0", "  0x1A : ACK", "  0x27 : ACK", "  0x62 : ACK",
                             "3 device(s) found on bus 0"};

    QTest::newRow("same answer") << inicio + corpo(bucks) + prompt << gravadoBucks << QStringList{} << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("one value off") << inicio + corpo({"buck0: 896.000 mV", bucks[1], bucks[2]}) + prompt
                                   << gravadoBucks << QStringList{} << QList<int>{2} << QList<int>{2} << 1;
    // Two good boards never print the same millivolts: a reading is off only outside 10 %, or
    // by more than 5 near zero in mV or mA; integers (counts, buses) compare exactly.
    QTest::newRow("readings of a good board") << inicio + corpo({"buck0: 800.000 mV", "buck1: 0.000 mV", "buck2: 790.000 mV"}) + prompt
                                              << gravadoBucks << QStringList{} << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("near zero in volts is not forgiven")
        << inicio + "vbus: 0.000 V" + prompt << inicio + "vbus: 3.000 V" + promptGravado << QStringList{}
        << QList<int>{2} << QList<int>{2} << 1;
    QTest::newRow("negative reading off by sign")
        << inicio + "avdd: 5.700 V" + prompt << inicio + "avdd: -5.700 V" + promptGravado << QStringList{}
        << QList<int>{2} << QList<int>{2} << 1;
    QTest::newRow("letter case and trailing blanks do not count")
        << inicio + corpo({"BUCK0: 813.000 MV  ", bucks[1], bucks[2]}) + prompt << gravadoBucks << QStringList{}
        << QList<int>{} << QList<int>{} << 0;
    const QString uid = QStringLiteral("0x893C92BBD4DDAAE3C4EFC5C3");
    QTest::newRow("masked part compared masked")
        << inicio + "NAND UID: " + uid + "\r\r\nPassed" + prompt
        << inicio + "NAND UID: xxxxx\u00AE\r\r\nPassed" + promptGravado << QStringList{uid.toLower() + "'jox'"}
        << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("unmasked serial differs")
        << inicio + "NAND UID: " + uid + "\r\r\nPassed" + prompt
        << inicio + "NAND UID: xxxxx\u00AE\r\r\nPassed" + promptGravado << QStringList{} << QList<int>{2} << QList<int>{2} << 1;
    QTest::newRow("a recording stored unmasked is masked too")
        << inicio + "NAND UID: " + uid + prompt << inicio + "NAND UID: 0xAAAAAAAAAAAAAAAAAAAAAAAA" + promptGravado
        << QStringList{uid, "0xAAAAAAAAAAAAAAAAAAAAAAAA"} << QList<int>{} << QList<int>{} << 0;
    // A device missing: its line is gone and the count line changed; the lines after a gap
    // are still matched.
    QTest::newRow("missing I2C device")
        << inicio + corpo({i2c[0], i2c[1], i2c[3], "2 device(s) found on bus 0"}) + prompt
        << inicio + corpo(i2c) + promptGravado << QStringList{} << QList<int>{5} << QList<int>{4, 6} << 2;
    QTest::newRow("an extra line") << inicio + corpo({bucks[0], "buck0b: 1.000 mV", bucks[1], bucks[2]}) + prompt
                                   << gravadoBucks << QStringList{} << QList<int>{3} << QList<int>{} << 1;
    QTest::newRow("no recording: every line differs") << inicio + corpo(bucks) + prompt << QString()
                                                       << QStringList{} << QList<int>{2, 3, 4} << QList<int>{} << 3;
    // Counted as the console shows the text: a lone LF breaks the line, a lone CR is dropped.
    QTest::newRow("lines as shown")
        << "\r" + bucks[0] + "\n" + "buck1: 9.000 mV\r" + "\n" + bucks[2] << gravadoBucks << QStringList{}
        << QList<int>{1} << QList<int>{3} << 1;
}

void TstRegrasConsole::linhasDiferentes()
{
    QFETCH(QString, console);
    QFETCH(QString, gravado);
    QFETCH(QStringList, fragmentos);
    QFETCH(QList<int>, marcadas);
    QFETCH(QList<int>, naGravacao);
    QFETCH(int, quantas);
    const Diferencas d = ComparaLinhas(console, gravado, fragmentos);
    QCOMPARE(d.linhasDoVivo, marcadas);
    QCOMPARE(d.linhasDaGravacao, naGravacao);
    QCOMPARE(d.quantas, quantas);
}

void TstRegrasConsole::mascaraVaziaNaoInsere()
{
    // A row of M holding only a marker token must not mask every gap between characters.
    QCOMPARE(MascaraTexto("abc", {"'jox'", ""}), QStringLiteral("abc"));
    QCOMPARE(MascaraTexto("AbC abc", {"abc"}), QStringLiteral("xxxxx\u00AE xxxxx\u00AE"));
}

void TstRegrasConsole::mascaraEmOrdem_data()
{
    // Each fragment is replaced in the text left by the ones before it.
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("fragmentos");
    QTest::addColumn<QString>("mascarado");
    const QString m = QStringLiteral("xxxxx\u00AE");
    QTest::newRow("fragment at the very end") << "abc12345" << QStringList{"12345"} << "abc" + m;
    QTest::newRow("fragment is the whole text") << "12345" << QStringList{"12345"} << m;
    QTest::newRow("fragment longer than the text") << "1234" << QStringList{"12345"} << "1234";
    QTest::newRow("overlapping occurrences, leftmost first") << "aaa" << QStringList{"aa"} << m + "a";
    QTest::newRow("back to back occurrences") << "aaaa" << QStringList{"aa"} << m + m;
    QTest::newRow("overlapping fragments, the first wins") << "abcde" << QStringList{"abc", "cde"} << m + "de";
    QTest::newRow("overlapping fragments, other order") << "abcde" << QStringList{"cde", "abc"} << "ab" + m;
    QTest::newRow("an occurrence cut by a mask is gone")
        << "abcabc" << QStringList{"bca", "abc"} << "a" + m + "bc";
    QTest::newRow("fragment ending on x meets a mask") << "ab12" << QStringList{"12", "bX"} << "a" + m + "xxxx\u00AE";
    QTest::newRow("fragment starting on the mask's end") << "12ab" << QStringList{"12", "\u00AEa"} << "xxxxx" + m + "b";
    QTest::newRow("fragment of x only inside masks")
        << "x1" << QStringList{"1", "xx"} << m + m + m + "\u00AE";
    QTest::newRow("plain fragment after one that met a mask")
        << "ab12 cd cd" << QStringList{"12", "bx", "cd"} << "a" + m + "xxxx\u00AE " + m + " " + m;
    QTest::newRow("one-character fragment") << "a-b-c" << QStringList{"-"} << "a" + m + "b" + m + "c";
    QTest::newRow("case folded beyond ASCII") << "\u00C0B \u00E0b" << QStringList{"\u00E0B"} << m + " " + m;
    QTest::newRow("characters outside the basic plane")
        << "\U0001F600ab\U0001F600" << QStringList{"AB"} << "\U0001F600" + m + "\U0001F600";
    QTest::newRow("nothing found") << "abc" << QStringList{"abd", "bd"} << "abc";
    QTest::newRow("empty text") << "" << QStringList{"a"} << "";
}

void TstRegrasConsole::mascaraEmOrdem()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, fragmentos);
    QFETCH(QString, mascarado);
    QCOMPARE(MascaraTexto(texto, fragmentos), mascarado);
}

void TstRegrasConsole::mascaraComoSubstituicoesSucessivas()
{
    // Small alphabets with the mask's own characters make fragments overlap each other and the
    // masks already in place; the result must be that of replacing one fragment after another.
    const QString letras = QStringLiteral("abAxX\u00AE1");
    QRandomGenerator gerador(16);
    const auto sorteia = [&](int maximo) {
        QString t;
        for (int i = int(gerador.bounded(maximo + 1)); i > 0; --i)
            t += letras.at(gerador.bounded(letras.size()));
        return t;
    };
    for (int caso = 0; caso < 3000; ++caso) {
        const QString texto = sorteia(40);
        QStringList fragmentos;
        for (int i = int(gerador.bounded(1, 6)); i > 0; --i)
            fragmentos << sorteia(4);
        QString esperado = texto;
        for (const QString& f : std::as_const(fragmentos)) {
            if (!f.isEmpty())
                esperado.replace(f, MascaraAutoComparador, Qt::CaseInsensitive);
        }
        QCOMPARE(MascaraTexto(texto, fragmentos), esperado);
    }
}

void TstRegrasConsole::edicaoGuardaFinsDeLinha_data()
{
    // The stored text, the box before and after the user's edit (the box shows no CR), the result.
    QTest::addColumn<QString>("guardado");
    QTest::addColumn<QString>("antes");
    QTest::addColumn<QString>("depois");
    QTest::addColumn<QString>("esperado");
    const QString misto = "a\rb\r\nc\nd\r\r\ne";
    const QString visto = "ab\nc\nd\ne";
    QTest::newRow("nothing changed") << misto << visto << visto << misto;
    QTest::newRow("typed at the start") << misto << visto << "Z" + visto << "Z" + misto;
    QTest::newRow("typed before a CR CR LF") << misto << visto << "ab\nc\ndZ\ne" << "a\rb\r\nc\ndZ\r\r\ne";
    QTest::newRow("typed after a CR CR LF") << misto << visto << "ab\nc\nd\nZe" << "a\rb\r\nc\nd\r\r\nZe";
    QTest::newRow("a lone CR stays before its letter") << misto << visto << "aZb\nc\nd\ne" << "aZ\rb\r\nc\nd\r\r\ne";
    QTest::newRow("a CR CR LF deleted whole") << misto << visto << "ab\nc\nde" << "a\rb\r\nc\nde";
    QTest::newRow("Enter in a CR CR LF line") << "x\r\r\ny" << "x\ny" << "\nx\ny" << "\r\r\nx\r\r\ny";
    QTest::newRow("Enter in an LF line") << misto << visto << "ab\nc\n\nd\ne" << "a\rb\r\nc\n\nd\r\r\ne";
    QTest::newRow("Enter in a text without breaks") << "ab" << "ab" << "a\nb" << "a\r\nb";
    QTest::newRow("trailing CR kept") << "ab\r" << "ab" << "abZ" << "abZ\r";
    QTest::newRow("all replaced") << misto << visto << "novo" << "novo";
    QTest::newRow("box out of step: taken as it is") << "a\r\nb" << "zzzz" << "c\nd" << "c\r\nd";
}

void TstRegrasConsole::edicaoGuardaFinsDeLinha()
{
    QFETCH(QString, guardado);
    QFETCH(QString, antes);
    QFETCH(QString, depois);
    QFETCH(QString, esperado);
    QCOMPARE(RegrasConsole::AplicaEdicao(guardado, antes, depois).toUtf8(), esperado.toUtf8());
}

void TstRegrasConsole::historicoLimitado_data()
{
    QTest::addColumn<QString>("novo");
    QTest::addColumn<QString>("anterior");
    QTest::addColumn<int>("limite");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("fits") << "b\r\n" << "a\r\n" << 20 << "b\r\n\r\na\r\n";
    QTest::newRow("exactly the limit") << "b\r\n" << "a\r\n" << 8 << "b\r\n\r\na\r\n";
    QTest::newRow("oldest line leaves") << "new\r\n" << "one\r\ntwo\r\n" << 14 << "new\r\n\r\none\r\n";
    QTest::newRow("never half a line") << "new\r\n" << "one\r\ntwo\r\n" << 11 << "new\r\n\r\n";
    QTest::newRow("only the new answer") << "new" << "old" << 4 << "new";
    QTest::newRow("new answer alone too long") << "abcdef" << "old" << 4 << "abcd";
}

void TstRegrasConsole::historicoLimitado()
{
    QFETCH(QString, novo);
    QFETCH(QString, anterior);
    QFETCH(int, limite);
    QFETCH(QString, esperado);
    const QString h = RegrasConsole::HistoricoComNovaResposta(novo, anterior, limite);
    QCOMPARE(h, esperado);
    QVERIFY(h.size() <= limite);
}

namespace {
// The two rules written the plain way (whole history put together, a position table of the
// stored text): the fast versions must give the same text on every input.
QString historicoSimples(const QString& novo, const QString& anterior, qsizetype limite)
{
    if (novo.size() >= limite)
        return novo.left(limite);
    QString h = novo + QStringLiteral("\r\n") + anterior;
    if (h.size() <= limite)
        return h;
    const qsizetype fim = h.lastIndexOf(QLatin1Char('\n'), limite - 1);
    h.truncate(fim >= novo.size() ? fim + 1 : novo.size());
    return h;
}
} // namespace

void TstRegrasConsole::historicoEEdicaoComoARegraSimples()
{
    QRandomGenerator r(7);
    const char letras[] = {'a', 'b', '\r', '\n', '\n'};
    auto texto = [&](int n) {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QLatin1Char(letras[r.bounded(int(sizeof letras))]);
        return s;
    };
    for (int caso = 0; caso < 4000; ++caso) {
        const QString novo = texto(r.bounded(12));
        const QString anterior = texto(r.bounded(30));
        const int limite = 1 + r.bounded(45);
        QCOMPARE(RegrasConsole::HistoricoComNovaResposta(novo, anterior, limite),
                 historicoSimples(novo, anterior, limite));

        // An edit of the box: a span replaced by a few characters.
        const QString guardado = texto(r.bounded(30));
        QString antes = guardado;
        antes.remove(QLatin1Char('\r'));
        if (r.bounded(10) == 0)
            antes += QLatin1Char('x'); // a box out of step with the stored text
        const int i = r.bounded(int(antes.size()) + 1);
        const int n = r.bounded(int(antes.size()) - i + 1);
        QString depois = antes;
        depois.replace(i, n, texto(r.bounded(4)).remove(QLatin1Char('\r')));
        // The plain rule: the position of every shown character in the stored text.
        QString esperado;
        QList<int> posicoes;
        for (int k = 0; k < guardado.size(); ++k)
            if (guardado.at(k) != QLatin1Char('\r'))
                posicoes.append(k);
        const QString obtido = RegrasConsole::AplicaEdicao(guardado, antes, depois);
        if (posicoes.size() == antes.size()) {
            QString visto = obtido;
            visto.remove(QLatin1Char('\r'));
            QCOMPARE(visto, depois); // the box's text, with the stored line endings around it
        }
        QVERIFY(obtido.size() >= depois.size());
    }
}

QTEST_GUILESS_MAIN(TstRegrasConsole)
#include "tst_regras_console.moc"
