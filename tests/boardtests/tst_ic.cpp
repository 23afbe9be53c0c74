// The IC communication test's rules without windows: the chip's name per model, the two
// commands and the length verdict.
#include "boardtests/Ic.h"

#include <QTest>

using namespace ModuloIC;
Q_DECLARE_METATYPE(ModuloIC::Veredicto)

class TstIc : public QObject {
    Q_OBJECT
private slots:
    void chip_data();
    void chip();
    void comandos();
    void veredicto_data();
    void veredicto();
};

void TstIc::chip_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("nome");
    for (const char* m : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus", "IP 7", "IP 7 Plus"})
        QTest::newRow(m) << m << "TRISTAR";
    for (const char* m : {"IP 8", "IP 8 Plus", "IP X"})
        QTest::newRow(m) << m << "HYDRA";
    QTest::newRow("IP X with a blank") << "IP X " << "TRISTAR";
}

void TstIc::chip()
{
    QFETCH(QString, modelo);
    QFETCH(QString, nome);
    QCOMPARE(NomeCI(modelo), nome);
    QCOMPARE(PrefixoChip(modelo), nome + " ");
}

void TstIc::comandos()
{
    QCOMPARE(ComandoIC(1), QString("tristar -p"));
    // Two blanks before the third, fourth and fifth "--read".
    QCOMPARE(ComandoIC(2),
             QString("tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx"));
    QCOMPARE(ComandoIC(0), QString());
}

void TstIc::veredicto_data()
{
    QTest::addColumn<int>("tamanho");
    QTest::addColumn<Veredicto>("esperado");
    QTest::newRow("30 not graded") << 30 << Veredicto::Nenhum;
    QTest::newRow("31") << 31 << Veredicto::Off;
    QTest::newRow("150") << 150 << Veredicto::Off;
    QTest::newRow("151") << 151 << Veredicto::Ok;
    QTest::newRow("4000") << 4000 << Veredicto::Ok;
}

void TstIc::veredicto()
{
    QFETCH(int, tamanho);
    QFETCH(Veredicto, esperado);
    QCOMPARE(AvaliaIC(QString(tamanho, QLatin1Char('a'))), esperado);
    // Line ends count as characters like any other.
    if (tamanho >= 2)
        QCOMPARE(AvaliaIC(QString(tamanho - 2, QLatin1Char('a')) + "\r\n"), esperado);
}

QTEST_GUILESS_MAIN(TstIc)
#include "tst_ic.moc"
