// The NAND test's rules without windows: the size class of a hexadecimal size, the cut of the
// size text out of an answer, and the verdict on an answer.
#include "boardtests/Nand.h"

#include <QTest>

using namespace ModuloNand;
Q_DECLARE_METATYPE(ModuloNand::Veredicto::Tipo)

class TstNand : public QObject {
    Q_OBJECT
private slots:
    void valorHexa();
    void classificaTamanho_data();
    void classificaTamanho();
    void textoTamanho_data();
    void textoTamanho();
    void veredicto_data();
    void veredicto();
};

void TstNand::valorHexa()
{
    QCOMPARE(ValorHexa(QLatin1Char('0')), 0);
    QCOMPARE(ValorHexa(QLatin1Char('9')), 9);
    QCOMPARE(ValorHexa(QLatin1Char('A')), 10);
    QCOMPARE(ValorHexa(QLatin1Char('F')), 15);
    for (char c : {'a', 'f', 'G', 'x', ' ', '\r', '-'})
        QCOMPARE(ValorHexa(QLatin1Char(c)), 0);
}

void TstNand::classificaTamanho_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("rotulo"); // "" = label left unchanged
    QTest::newRow("1 000 000 000") << "3B9ACA00" << "NAND 1024 GB";
    QTest::newRow("250 000 000") << "EE6B280" << "NAND 256 GB";
    QTest::newRow("500 000 000") << "1DCD6500" << "NAND 512 GB";
    QTest::newRow("lower case counts 0") << "ee6b280" << "NAND 0 GB APROX.";
    QTest::newRow("blank and 0x in front") << " 0x3B9ACA00" << "NAND 1024 GB";
    QTest::newRow("trailing CR is a 0 digit") << "EE6B28\r" << "NAND 256 GB";
    QTest::newRow("empty") << "" << "NAND 0 GB APROX.";
    QTest::newRow("n 7") << "6ACFC0" << "NAND 8 GB";
    QTest::newRow("n 12, fraction dropped") << "C65D3F" << "NAND 8 GB";
    QTest::newRow("n 13 between") << "C65D40" << "NAND 13 GB APROX.";
    QTest::newRow("n 14") << "D59F80" << "NAND 16 GB";
    QTest::newRow("n 20") << "1406F3F" << "NAND 16 GB";
    QTest::newRow("n 21 between") << "1406F40" << "NAND 21 GB APROX.";
    QTest::newRow("n 46") << "2BDE780" << "NAND 64 GB";
    QTest::newRow("n 80 between") << "4C4B400" << "NAND 80 GB APROX.";
    QTest::newRow("n 139") << "8583AFF" << "NAND 128 GB";
    QTest::newRow("n 140 between") << "8583B00" << "NAND 140 GB APROX.";
    QTest::newRow("n 1299") << "4D7C6CFF" << "NAND 1024 GB";
    QTest::newRow("n 1300 between") << "4D7C6D00" << "NAND 1300 GB APROX.";
    QTest::newRow("n 32767 fits") << "7A11FFFFF" << "NAND 32767 GB APROX.";
    QTest::newRow("n 32768 overflows") << "7A1200000" << "";
    QTest::newRow("51 characters") << QString(43, QLatin1Char('0')) + "3B9ACA00" << "NAND 1024 GB";
    QTest::newRow("52 characters") << QString(44, QLatin1Char('0')) + "3B9ACA00" << "";
}

void TstNand::classificaTamanho()
{
    QFETCH(QString, texto);
    QFETCH(QString, rotulo);
    QCOMPARE(ClassificaTamanho(texto).value_or(QString()), rotulo);
}

void TstNand::textoTamanho_data()
{
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<bool>("corta");
    QTest::addColumn<QString>("texto");
    // As the console holds it: echo removed, output line ending CR LF, then the prompt.
    QTest::newRow("bench answer") << "\r\n\r\r\nNAND Size (Passed): 0x0000000001E84800\r\n[0D1F2E3C:5A4B6C7D] :-) "
                                  << true << " 0x0000000001E84800";
    QTest::newRow("three between") << "ab:xy[" << true << "";
    QTest::newRow("two between") << "ab:x[" << false << "";
    QTest::newRow("no [") << "size: 3B9ACA00" << false << "";
    QTest::newRow("no colon: from the start") << "3B9ACA00\r\n[" << true << "3B9ACA00";
    QTest::newRow("colon only inside the prompt") << "3B9ACA00\r\n[0D1F:5A] " << false << "";
}

void TstNand::textoTamanho()
{
    QFETCH(QString, resposta);
    QFETCH(bool, corta);
    QFETCH(QString, texto);
    const auto t = TextoTamanho(resposta);
    QCOMPARE(t.has_value(), corta);
    if (corta)
        QCOMPARE(*t, texto);
}

void TstNand::veredicto_data()
{
    using T = Veredicto::Tipo;
    QTest::addColumn<int>("funcao");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("julgado");
    QTest::addColumn<bool>("naoDisponivel");
    QTest::addColumn<T>("tipo");
    QTest::addColumn<bool>("erroAntes");
    QTest::addColumn<bool>("erroDepois");
    const QString p61 = QString(56, QLatin1Char('.'));
    QTest::newRow("60 characters") << 0 << QString(55, QLatin1Char('.')) + "Pass." << false << false << T::Nenhum << false << false;
    QTest::newRow("61 with Pass") << 0 << p61 + "Pass." << true << false << T::Ok << false << false;
    QTest::newRow("Passed") << 2 << p61 + "Passed" << true << false << T::Ok << false << false;
    QTest::newRow("name:") << 0 << p61 + "name: C39" << true << false << T::Ok << false << false;
    QTest::newRow("pass lower case") << 1 << p61 + "pass." << true << false << T::Off << false << false;
    QTest::newRow("ERROR after OFF") << 0 << p61 + "ERROR" << true << false << T::Off << false << true;
    QTest::newRow("ERROR with Pass") << 0 << p61 + "ERROR Pass" << true << false << T::Ok << false << false;
    QTest::newRow("not found") << 2 << p61 + "Command not found Pass" << true << true << T::Nenhum << false << false;
    QTest::newRow("syscfg 7000") << 3 << QString(7000, QLatin1Char('k')) << true << false << T::Nenhum << false << false;
    QTest::newRow("syscfg 7001") << 3 << QString(7001, QLatin1Char('k')) << true << false << T::Ok << false << false;
    QTest::newRow("syscfg Pass is not enough") << 3 << p61 + "Pass." << true << false << T::Nenhum << false << false;
    QTest::newRow("syscfg driver missing") << 3 << p61 + "Error: SystemConfig Driver is missing!" << true
                                           << false << T::Off << true << false;
    QTest::newRow("syscfg long with driver missing")
        << 3 << QString(7001, QLatin1Char('k')) + "Driver is missing!" << true << false << T::Ok << false << false;
}

void TstNand::veredicto()
{
    QFETCH(int, funcao);
    QFETCH(QString, texto);
    QFETCH(bool, julgado);
    QFETCH(bool, naoDisponivel);
    QFETCH(Veredicto::Tipo, tipo);
    QFETCH(bool, erroAntes);
    QFETCH(bool, erroDepois);
    const Veredicto v = AvaliaNand(funcao, texto);
    QCOMPARE(v.julgado, julgado);
    QCOMPARE(v.naoDisponivel, naoDisponivel);
    QCOMPARE(v.tipo, tipo);
    QCOMPARE(v.erroAntes, erroAntes);
    QCOMPARE(v.erroDepois, erroDepois);
}

QTEST_GUILESS_MAIN(TstNand)
#include "tst_nand.moc"
