// The I2C test's rules without windows: the device table, the evaluation of a scan, the fault
// list, the per-model bus layout with the automatic test's order, and the expected devices
// read from the reference database.
#include "apoio/Apoio.h"
#include "boardtests/I2c.h"
#include "db/Banco.h"
#include "i18n/Dialogos.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace ModuloI2C;

class TstI2c : public QObject {
    Q_OBJECT
private slots:
    void tabelaCompleta();
    void descricao_data();
    void descricao();
    void codigoForaDaTabela_data();
    void codigoForaDaTabela();
    void avaliacao();
    void falhaUmaVezPorBarramento();
    void botoes_data();
    void botoes();
    void diagrama_data();
    void diagrama();
    void dispositivosEsperados();
    void bancoAusente();
};

// Every code of the table leads to an entry of its own bus, with "x" (or the one "X") after
// the bus digit; a slip in a code or an entry shows here.
void TstI2c::tabelaCompleta()
{
    const QStringList codigos = CodigosDispositivos();
    QCOMPARE(codigos.size(), 46);
    QCOMPARE(QSet<QString>(codigos.begin(), codigos.end()).size(), 46);
    for (const QString& id : codigos) {
        const QString e = *EntradaDispositivo(id);
        QVERIFY2(e.at(0) == id.at(0), qPrintable(id + ": " + e));
        QVERIFY2(e.at(1) == QLatin1Char('x') || (id == "207" && e.at(1) == QLatin1Char('X')), qPrintable(e));
        QVERIFY2(e.contains(QLatin1Char('-')), qPrintable(e));
        // The line a device gets names it: never a bare designator, nor a leading blank.
        const QString descricao = DescricaoDaEntrada(e);
        QVERIFY2(!descricao.startsWith(QLatin1Char(' ')), qPrintable(e));
        QVERIFY2(!QRegularExpression(QStringLiteral("^\\s*[UJ]\\d+$")).match(descricao).hasMatch(), qPrintable(e));
    }
}

void TstI2c::descricao_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("endereco");
    QTest::addColumn<QString>("descricao");
    QTest::newRow("001") << "001" << "0x1A-TRISTAR - U1700" << "x1A" << "TRISTAR - U1700";
    QTest::newRow("017 address with a blank") << "017" << "0x8 -SAKONNET" << "x8 " << "SAKONNET";
    QTest::newRow("205 no dash after the address") << "205" << "2x29ALS (LIGHT SENSING INTERFACE) - J1110" << "x29"
                                                  << "ALS (LIGHT SENSING INTERFACE) - J1110";
    QTest::newRow("203 same address, with its dash") << "203" << "2x29-ALS - J3100" << "x29" << "ALS - J3100";
    QTest::newRow("207 upper-case X") << "207" << "2X62-BACKLIGHT 2" << "X62" << "BACKLIGHT 2";
    QTest::newRow("304") << "304" << "3x51-TOUCH / DISPLAY J5800" << "x51" << "TOUCH / DISPLAY J5800";
    QTest::newRow("306") << "306" << "3x8 -SAKONNET" << "x8 " << "SAKONNET";
    QTest::newRow("602") << "602" << "6x55-SN45546 (CONECTOR BATERIA) - J3200" << "x55" << "SN45546 (CONECTOR BATERIA) - J3200";
    QTest::newRow("702 last") << "702" << "7x1A-HYDRA - U6300" << "x1A" << "HYDRA - U6300";
}

void TstI2c::descricao()
{
    QFETCH(QString, id);
    QFETCH(QString, entrada);
    QFETCH(QString, endereco);
    QFETCH(QString, descricao);
    RoteiroInstalado r;
    QCOMPARE(EntradaDispositivo(id).value_or(QString()), entrada);
    QCOMPARE(EnderecoDaEntrada(entrada), endereco);
    QCOMPARE(DescricaoDaEntrada(entrada), descricao);
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

void TstI2c::codigoForaDaTabela_data()
{
    QTest::addColumn<QString>("id");
    QTest::newRow("bus 5") << "501";
    QTest::newRow("blank after") << "001 ";
    QTest::newRow("two digits") << "01";
    QTest::newRow("empty") << "";
}

void TstI2c::codigoForaDaTabela()
{
    QFETCH(QString, id);
    RoteiroInstalado r;
    QVERIFY(!EntradaDispositivo(id));
    // Saying so is the window's business.
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

void TstI2c::avaliacao()
{
    RoteiroInstalado r;
    // "x62" in lower case is not the "X62" of entry 207; "x8 " needs its blank.
    const QString resposta = "\r\nScanning I2C bus 2\r\n  0x1A ACK\r\n  0x62 ACK\r\n  0x8\r\n";
    const auto d = AvaliaDispositivos({"001", "207", "017", "999", "205"}, resposta, "OK!", "OFF!");
    QCOMPARE(d.size(), 5);
    QCOMPARE(d[0].linha, QString("  0x1A - TRISTAR - U1700 - OK!"));
    QVERIFY(d[0].presente);
    QCOMPARE(d[1].linha, QString("  0X62 - BACKLIGHT 2 - OFF!"));
    QVERIFY(!d[1].presente);
    QVERIFY(!d[2].presente);
    // An unknown code has no address: it is never taken as answering.
    QVERIFY(!d[3].conhecido);
    QVERIFY(!d[3].presente);
    QCOMPARE(d[3].linha, QString("  NOT 999 - OFF!"));
    QCOMPARE(d[4].linha, QString("  0x29 - ALS (LIGHT SENSING INTERFACE) - J1110 - OFF!"));
    // The verdict follows the status shown: only the answering device passes.
    for (int k = 0; k < d.size(); ++k)
        QCOMPARE(d[k].veredito == Veredito::Passa, k == 0);
    // The evaluation shows nothing itself: the window tells of the unknown code.
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

void TstI2c::falhaUmaVezPorBarramento()
{
    QString lista;
    AcrescentaFalha(lista, 2, "Falhas i2c");
    AcrescentaFalha(lista, 2, "Falhas i2c");
    QCOMPARE(lista, QString("Falhas i2c\r\n\r\nI2C 2:\r\n"));
    AcrescentaFalha(lista, 3, "Falhas i2c");
    AcrescentaFalha(lista, 2, "Falhas i2c");
    QCOMPARE(lista, QString("Falhas i2c\r\n\r\nI2C 2:\r\n\r\n\r\nI2C 3:\r\n"));
    QCOMPARE(TextoSemFalhas("Nenhuma"), QString("\r\n       Nenhuma"));
}

void TstI2c::botoes_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QList<int>>("ocultos");
    QTest::addColumn<QList<int>>("desabilitados");
    QTest::addColumn<int>("ancora");
    QTest::addColumn<QList<int>>("varridos");
    QTest::newRow("IP 6") << "IP 6" << QList<int>{3, 4, 5, 6, 7} << QList<int>{3} << 3 << QList<int>{0, 1, 2};
    QTest::newRow("IP 6 Plus") << "IP 6 Plus" << QList<int>{3, 4, 5, 6, 7} << QList<int>{3} << 3 << QList<int>{0, 1, 2};
    QTest::newRow("IP 6s") << "IP 6s" << QList<int>{3, 4, 5, 6, 7} << QList<int>{3} << 3 << QList<int>{0, 1, 2};
    QTest::newRow("IP 6s Plus") << "IP 6s Plus" << QList<int>{3, 4, 5, 6, 7} << QList<int>{3} << 3 << QList<int>{0, 1, 2};
    QTest::newRow("IP 7") << "IP 7" << QList<int>{6, 7} << QList<int>{5} << 5 << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("IP 7 Plus") << "IP 7 Plus" << QList<int>{6, 7} << QList<int>{3, 5} << 5 << QList<int>{0, 1, 2, 4};
    QTest::newRow("IP 8") << "IP 8" << QList<int>{} << QList<int>{1, 5} << -1 << QList<int>{0, 2, 3, 4, 6, 7};
    QTest::newRow("IP 8 Plus") << "IP 8 Plus" << QList<int>{} << QList<int>{1, 5} << -1 << QList<int>{0, 2, 3, 4, 6, 7};
    QTest::newRow("IP X") << "IP X" << QList<int>{} << QList<int>{1, 2} << -1 << QList<int>{0, 3, 4, 5, 6, 7};
    QTest::newRow("unknown keeps all") << "IP 5" << QList<int>{} << QList<int>{} << -1
                                       << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
}

void TstI2c::botoes()
{
    QFETCH(QString, modelo);
    QFETCH(QList<int>, ocultos);
    QFETCH(QList<int>, desabilitados);
    QFETCH(int, ancora);
    QFETCH(QList<int>, varridos);
    const Botoes b = BotoesDoModelo(modelo);
    for (int i = 0; i < NumeroBarramentos; ++i) {
        QCOMPARE(b.visivel[i], !ocultos.contains(i));
        QCOMPARE(b.habilitado[i], !desabilitados.contains(i));
    }
    QCOMPARE(b.autoTesteNoTopoDe, ancora);
    QCOMPARE(BarramentosDoAutoTeste(b), varridos);
}

void TstI2c::diagrama_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("IP 6") << "IP 6" << "xA8.pdf";
    QTest::newRow("IP 6 Plus") << "IP 6 Plus" << "xA8.pdf";
    QTest::newRow("IP 6s") << "IP 6s" << "xA9.pdf";
    QTest::newRow("IP 6s Plus") << "IP 6s Plus" << "xA9.pdf";
    QTest::newRow("IP 7 Plus") << "IP 7 Plus" << "xA10.pdf";
    QTest::newRow("IP 8") << "IP 8" << "xA11.pdf";
    QTest::newRow("IP X") << "IP X" << "xA11.pdf";
    QTest::newRow("other") << "IP 5" << "";
}

void TstI2c::diagrama()
{
    QFETCH(QString, modelo);
    QFETCH(QString, arquivo);
    QCOMPARE(ArquivoDiagrama(modelo), arquivo);
}

// Only the model's codes of the bus, in the database's order; an apostrophe in the model is
// data, not a broken query.
void TstI2c::dispositivosEsperados()
{
    PastaAplicacaoTemporaria pasta;
    {
        Banco b(pasta.banco());
        QVERIFY(b.executa("DELETE FROM i"));
        for (const auto& [modelo, id] : QList<QPair<QString, QString>>{
                 {"IP 7", "205"}, {"IP 7", "101"}, {"IP 7", "201"}, {"IP 8", "202"}, {"IP 7's", "203"},
                 {"IP 7", "2"}, {"IP 7", "020"}})
            QVERIFY(b.executa("INSERT INTO i (Aparelho, id) VALUES (?, ?)", {modelo, id}));
    }
    QString erro;
    QCOMPARE(*DispositivosEsperados(pasta.banco(), "IP 7", 2, &erro), (QStringList{"205", "201", "2"}));
    QCOMPARE(*DispositivosEsperados(pasta.banco(), "ip 7", 1), QStringList{"101"});
    QCOMPARE(*DispositivosEsperados(pasta.banco(), "IP 7's", 2), QStringList{"203"});
    QCOMPARE(*DispositivosEsperados(pasta.banco(), "IP 7", 5), QStringList{});
}

void TstI2c::bancoAusente()
{
    PastaAplicacaoTemporaria pasta(false);
    QString erro;
    int numero = 0;
    QVERIFY(!DispositivosEsperados(pasta.banco(), "IP 7", 0, &erro, &numero));
    QCOMPARE(numero, 3024);
    QVERIFY(erro.contains(pasta.banco()));

    PastaAplicacaoTemporaria semTabela;
    {
        Banco b(semTabela.banco());
        QVERIFY(b.executa("DROP TABLE i"));
    }
    QVERIFY(!DispositivosEsperados(semTabela.banco(), "IP 7", 0, &erro, &numero));
    QVERIFY(!erro.isEmpty());
}

QTEST_GUILESS_MAIN(TstI2c)
#include "tst_i2c.moc"
