// The linear-time search the parsers use on whole answers: the same positions and removals
// as QString's own, on tables and on random texts, including texts beyond Latin-1 where a
// byte match can start in the middle of a character.
#include "shell/BuscaTexto.h"

#include <QRandomGenerator>
#include <QString>
#include <QtTest>

class TstBuscaTexto : public QObject {
    Q_OBJECT
private slots:
    void procura_data();
    void procura();
    void igualAoQtEmTextosAleatorios();
};

void TstBuscaTexto::procura_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("agulha");
    QTest::addColumn<int>("de");
    QTest::newRow("at the start") << "Passed" << "Pass" << 0;
    QTest::newRow("not there") << "PasPasPas" << "Pass" << 0;
    QTest::newRow("from past the first") << "Pass Pass" << "Pass" << 1;
    QTest::newRow("from the end") << "abc" << "c" << 3;
    QTest::newRow("from beyond the end") << "abc" << "c" << 9;
    QTest::newRow("negative from") << "abc" << "b" << -5;
    QTest::newRow("empty needle") << "abc" << "" << 1;
    QTest::newRow("empty text") << "" << "a" << 0;
    QTest::newRow("needle longer") << "ab" << "abc" << 0;
    // "\u4100\u0050" holds the bytes of "A" "P" shifted by one: not a match.
    QTest::newRow("byte match inside characters") << QString::fromUtf16(u"\u4100\u0050\u0000x") << "AP" << 0;
    QTest::newRow("byte match, then a real one") << QString::fromUtf16(u"\u4100\u0050AP") << "AP" << 0;
}

void TstBuscaTexto::procura()
{
    QFETCH(QString, texto);
    QFETCH(QString, agulha);
    QFETCH(int, de);
    const qsizetype esperado = texto.indexOf(agulha, qMax(0, de));
    QCOMPARE(ProcuraTexto(texto, agulha, de), de > texto.size() ? -1 : esperado);
    QCOMPARE(ProcuraTexto(texto, QLatin1String(agulha.toLatin1()), de), de > texto.size() ? -1 : esperado);
    QString removido = texto;
    removido.remove(agulha);
    QCOMPARE(RemoveTodas(texto, agulha), removido);
}

void TstBuscaTexto::igualAoQtEmTextosAleatorios()
{
    // Small alphabets make many partial and overlapping matches.
    QRandomGenerator r(2026);
    const char16_t alfabeto[] = {u'a', u'b', u'\r', u'\n', u'\u6100', u'\u0061'};
    for (int caso = 0; caso < 3000; ++caso) {
        auto palavra = [&](int n) {
            QString s;
            for (int i = 0; i < n; ++i)
                s += QChar(alfabeto[r.bounded(int(std::size(alfabeto)))]);
            return s;
        };
        const QString texto = palavra(r.bounded(60));
        const QString agulha = palavra(1 + r.bounded(4));
        const int de = r.bounded(62);
        QCOMPARE(ProcuraTexto(texto, agulha, de), de > texto.size() ? -1 : texto.indexOf(agulha, de));
        QString removido = texto;
        removido.remove(agulha);
        QCOMPARE(RemoveTodas(texto, agulha), removido);
    }
}

QTEST_GUILESS_MAIN(TstBuscaTexto)
#include "tst_buscatexto.moc"
