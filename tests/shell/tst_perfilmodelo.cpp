#include "shell/PerfilModelo.h"

#include <QTest>

// The model profile: the facts the windows branch on, one row per model, and the row a text
// that names no model gets.
class TstPerfilModelo : public QObject {
    Q_OBJECT
private slots:
    void fatos_data();
    void fatos();
    void numerosVoltamAoModelo();
    void textoDesconhecido_data();
    void textoDesconhecido();
};

using Familia = PerfilModelo::Familia;

void TstPerfilModelo::fatos_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<Familia>("familia");
    QTest::addColumn<bool>("hydra");       // also the second charger input and a newer board
    QTest::addColumn<bool>("acorn");
    QTest::addColumn<bool>("restrito");    // no colour, GPS or syscfg test; battery incomplete; group T
    QTest::addColumn<QString>("chips");    // Tigris / port controller / Chestnut designators
    QTest::addColumn<int>("barramentos"); // I2C buses with a usable button
    QTest::newRow("IP 6") << "IP 6" << Familia::Ip6 << false << false << true << "U1401/U1700/U1501" << 3;
    QTest::newRow("IP 6 Plus") << "IP 6 Plus" << Familia::Ip6 << false << false << true << "U1401/U1700/U1501" << 3;
    QTest::newRow("IP 6s") << "IP 6s" << Familia::Ip6 << false << false << true << "U2300/U4500/U4000" << 3;
    QTest::newRow("IP 6s Plus") << "IP 6s Plus" << Familia::Ip6 << false << false << true << "U2300/U4500/U4000" << 3;
    QTest::newRow("IP 7") << "IP 7" << Familia::Ip7 << false << false << false << "U2101/U4001/U3703" << 5;
    QTest::newRow("IP 7 Plus") << "IP 7 Plus" << Familia::Ip7 << false << false << false << "U2101/U4001/U3703" << 4;
    QTest::newRow("IP 8") << "IP 8" << Familia::Ip8 << true << false << false << "U3300/U6300/U5600" << 6;
    QTest::newRow("IP 8 Plus") << "IP 8 Plus" << Familia::Ip8 << true << false << false << "U3300/U6300/U5600" << 6;
    QTest::newRow("IP X") << "IP X" << Familia::IpX << true << true << false << "U3300/U6300/" << 6;
}

void TstPerfilModelo::fatos()
{
    QFETCH(QString, modelo);
    QFETCH(Familia, familia);
    QFETCH(bool, hydra);
    QFETCH(bool, acorn);
    QFETCH(bool, restrito);
    QFETCH(QString, chips);
    QFETCH(int, barramentos);

    const PerfilModelo& p = PerfilModelo::de(modelo);
    QCOMPARE(p.nome, modelo);
    QCOMPARE(p.familia, familia);
    QCOMPARE(p.hydra(), hydra);
    QCOMPARE(p.segundaEntradaCarga, hydra);
    QCOMPARE(p.novo, hydra);
    QCOMPARE(p.acorn(), acorn);
    QCOMPARE(p.testeCores, !restrito);
    QCOMPARE(p.gps, !restrito);
    QCOMPARE(p.syscfgNand, !restrito);
    QCOMPARE(p.bateriaCompleta, !restrito);
    QCOMPARE(p.grupoRf, restrito ? QStringLiteral("T") : QString());
    QCOMPARE(QStringList({p.componentes.tigris, p.componentes.tristar, p.componentes.chestnut}).join('/'), chips);

    int usaveis = 0;
    for (int i = 0; i < 8; ++i)
        usaveis += !p.i2c.ocultos.contains(i) && !p.i2c.desligados.contains(i);
    QCOMPARE(usaveis, barramentos);
    QVERIFY(!p.i2c.diagrama.isEmpty());
    // Every board names the GPU bucks that read zero in purple mode.
    QVERIFY(p.bucksZerados.contains(QStringLiteral("buck1 = GPU")));
}

void TstPerfilModelo::numerosVoltamAoModelo()
{
    // The chooser's order, which the main window and the RF reference window show.
    QCOMPARE(PerfilModelo::nomes(), QStringList({"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus", "IP 7", "IP 7 Plus",
                                                 "IP 8", "IP 8 Plus", "IP X"}));
    QVERIFY(PerfilModelo::nomes().contains(PerfilModelo::nomeInicial()));
    QStringList vistos;
    for (const PerfilModelo& p : PerfilModelo::todos()) {
        QCOMPARE(p.numeros.size(), 3);
        for (const QString& n : p.numeros) {
            QVERIFY2(!vistos.contains(n), qPrintable(n + " is listed twice"));
            vistos << n;
            QCOMPARE(&PerfilModelo::doNumero(n), &p);
        }
    }
    QCOMPARE(PerfilModelo::doNumero(QStringLiteral("a1660")).nome, QString());
    QCOMPARE(PerfilModelo::doNumero(QString()).nome, QString());
}

void TstPerfilModelo::textoDesconhecido_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::newRow("empty") << "";
    QTest::newRow("not a model") << "IP 5";
    QTest::newRow("trailing blank") << "IP X ";
    QTest::newRow("other case") << "ip 8";
    QTest::newRow("a family prefix") << "IP 8 Pro";
}

void TstPerfilModelo::textoDesconhecido()
{
    QFETCH(QString, modelo);
    const PerfilModelo& p = PerfilModelo::de(modelo);
    // The row of no model: Tristar and Chestnut, every test offered, no designator, no
    // diagram, every bus button usable, nothing reads zero.
    QCOMPARE(p.nome, QString());
    QCOMPARE(p.familia, Familia::Nenhuma);
    QVERIFY(!p.hydra() && !p.segundaEntradaCarga && !p.novo && !p.acorn());
    QVERIFY(p.testeCores && p.gps && p.syscfgNand && p.bateriaCompleta);
    QVERIFY(p.grupoRf.isEmpty());
    QVERIFY(p.componentes.tigris.isEmpty() && p.componentes.tristar.isEmpty() && p.componentes.chestnut.isEmpty());
    QVERIFY(p.i2c.ocultos.isEmpty() && p.i2c.desligados.isEmpty());
    QCOMPARE(p.i2c.autoTesteNoTopoDe, -1);
    QVERIFY(p.i2c.diagrama.isEmpty());
    QVERIFY(p.bucksZerados.isEmpty() && !p.notaBuck6Gpu);
}

QTEST_APPLESS_MAIN(TstPerfilModelo)
#include "tst_perfilmodelo.moc"
