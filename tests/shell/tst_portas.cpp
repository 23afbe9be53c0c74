// COM port numbers: the device behind each number and which numbers exist.
#include "apoio/Bancada.h"
#include "shell/Portas.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TstPortas : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        Portas::definePastaPortas(QString());
        qunsetenv("VEXADOR_PORTAS");
    }

    void dispositivoPadrao_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("dispositivo");
        QTest::newRow("COM1") << 1 << "/dev/ttyS0";
        QTest::newRow("COM4") << 4 << "/dev/ttyS3";
        QTest::newRow("COM5") << 5 << "/dev/ttyUSB0";
        QTest::newRow("COM12") << 12 << "/dev/ttyUSB7";
        QTest::newRow("COM13") << 13 << "/dev/ttyACM0";
        QTest::newRow("COM16") << 16 << "/dev/ttyACM3";
        QTest::newRow("COM17 has no default") << 17 << "";
        QTest::newRow("COM30 has no default") << 30 << "";
        QTest::newRow("COM0 is no port") << 0 << "";
    }
    void dispositivoPadrao()
    {
        QFETCH(int, numero);
        QFETCH(QString, dispositivo);
        QTemporaryDir vazia;
        Portas::definePastaPortas(vazia.path());
        QCOMPARE(Portas::dispositivo(numero), dispositivo);
    }

    // An entry of the folder replaces the default of its number, and only that one.
    void entradaDaPastaVenceOPadrao()
    {
        QTemporaryDir pasta;
        QVERIFY(QFile::link("/dev/ttyUSB3", pasta.filePath("com1")));
        QVERIFY(QFile::link("/dev/pts/77", pasta.filePath("com20")));
        Portas::definePastaPortas(pasta.path());
        QCOMPARE(Portas::dispositivo(1), QString("/dev/ttyUSB3"));
        QCOMPARE(Portas::dispositivo(20), QString("/dev/pts/77"));
        QCOMPARE(Portas::dispositivo(2), QString("/dev/ttyS1"));
        QCOMPARE(Portas::nomeEntrada(20), QString("com20"));
    }

    void pastaDoAmbienteEDoTeste()
    {
        qputenv("VEXADOR_PORTAS", "/tmp/portas-do-ambiente");
        QCOMPARE(Portas::pastaPortas(), QString("/tmp/portas-do-ambiente"));
        Portas::definePastaPortas("/tmp/portas-do-teste");
        QCOMPARE(Portas::pastaPortas(), QString("/tmp/portas-do-teste"));
        Portas::definePastaPortas(QString());
        QCOMPARE(Portas::pastaPortas(), QString("/tmp/portas-do-ambiente"));
        qunsetenv("VEXADOR_PORTAS");
        QVERIFY(Portas::pastaPortas().endsWith("/ports"));
    }

    // Only serial devices count: two bench boards exist, a missing device, a plain file and
    // a character device that is no terminal do not.
    void existemSoOsDispositivosSeriais()
    {
        QTemporaryDir pasta;
        for (int n = 1; n <= 16; ++n)
            QVERIFY(QFile::link(pasta.filePath(QString("nada%1").arg(n)), pasta.filePath(QString("com%1").arg(n))));
        QFile::remove(pasta.filePath("com5"));
        QFile arquivo(pasta.filePath("arquivo"));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.close();
        QVERIFY(QFile::link(arquivo.fileName(), pasta.filePath("com5")));
        QFile::remove(pasta.filePath("com6"));
        QVERIFY(QFile::link("/dev/null", pasta.filePath("com6")));
        QFile::remove(pasta.filePath("com3"));

        Bancada b3(pasta.path()), b20(pasta.path());
        QVERIFY(b3.inicia({}, 3));
        QVERIFY(b20.inicia({}, 20));
        Portas::definePastaPortas(pasta.path());

        QCOMPARE(Portas::dispositivo(3), b3.dispositivo());
        QVERIFY(Portas::PortaExiste(3));
        QVERIFY(Portas::PortaExiste(20));
        QVERIFY(!Portas::PortaExiste(4));  // device missing
        QVERIFY(!Portas::PortaExiste(5));  // a plain file
        QVERIFY(!Portas::PortaExiste(6));  // not a terminal
        QVERIFY(!Portas::PortaExiste(21)); // no entry, no default
        QCOMPARE(Portas::ListaPortas(), QStringList({"3", "20"}));

        // A port the console holds open is still there.
        QSerialPort aberta(Portas::dispositivo(20));
        QVERIFY(aberta.open(QIODevice::ReadWrite));
        QVERIFY(Portas::PortaExiste(20));
        aberta.close();

        // A board that stops takes its number away.
        b20.para();
        Portas::definePastaPortas(pasta.path());
        QVERIFY(!Portas::PortaExiste(20));
    }
};

QTEST_GUILESS_MAIN(TstPortas)
#include "tst_portas.moc"
