#include "i18n/Dialogos.h"
#include "rails/LeituraAdc.h"
#include "rails/TextosLeitura.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"

#include <QSet>
#include <QTest>

namespace {
const QString Resposta = QStringLiteral(
    "pmuadc --read all\r\n"
    "BIST buck3: 812.9 mV\r\n"
    "BIST buck3_sw1: 1234.567 mV\r\n"
    "BIST buck10: 1800.2 mV\r\n"
    "BIST buck0: 900.1 mV\r\n"
    "ibuck0: 123.456 mA\r\n"
    "ibuck11: 0 mA\r\n"
    "BIST ldo19: -12.9 mV\r\n"
    "BIST ildo5:  mA\r\n"
    "BIST vrtc: timeout mV\r\n"
    "[0000000:00000000] :-) ");
}

class TstLeituraAdc : public QObject {
    Q_OBJECT
private slots:
    void init();
    void tabela();
    void rotulo_data();
    void rotulo();
    void codigoForaDaTabelaLeComoAusente();
    void extrai_data();
    void extrai();
    void marcaNoIdioma();
    void respostaLonga();
    void idaEVoltaDaLinha();
    void milivoltsDeVolts_data();
    void milivoltsDeVolts();
};

void TstLeituraAdc::init()
{
    ReiniciaTeste();
    DefineIdioma(1);
}

void TstLeituraAdc::tabela()
{
    const auto t = TabelaRotulosAdc();
    QCOMPARE(t.size(), 72);
    QSet<QString> codigos, rotulos;
    for (const auto& par : t) {
        codigos.insert(par.first);
        rotulos.insert(par.second);
        QVERIFY2(par.second.endsWith(QLatin1Char(':')), qPrintable(par.second));
        QCOMPARE(RotuloAdc(par.first), par.second);
    }
    QCOMPARE(codigos.size(), 72);
    QCOMPARE(rotulos.size(), 72);
}

void TstLeituraAdc::rotulo_data()
{
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("0") << "0" << "BIST buck0:";
    QTest::newRow("3") << "3" << "BIST buck3:";
    QTest::newRow("7") << "7" << "BIST buck7:";
    QTest::newRow("11") << "11" << "BIST buck11:";
    QTest::newRow("12") << "12" << "BIST buck3_sw1:";
    QTest::newRow("14") << "14" << "BIST buck3_sw3:";
    QTest::newRow("15") << "15" << "BIST buck4_sw1:";
    QTest::newRow("16") << "16" << "BIST buck4_sw2:";
    QTest::newRow("20") << "20" << "ibuck0:";
    QTest::newRow("31") << "31" << "ibuck11:";
    QTest::newRow("40") << "40" << "BIST ldo0:";
    QTest::newRow("59") << "59" << "BIST ldo19:";
    QTest::newRow("60") << "60" << "BIST ildo0:";
    QTest::newRow("79") << "79" << "BIST ildo19:";
    QTest::newRow("80") << "80" << "BIST ibuf_1v2:";
    QTest::newRow("81") << "81" << "BIST vbuf_1v2:";
    QTest::newRow("82") << "82" << "BIST vrtc:";
    QTest::newRow("17 gap") << "17" << "";
    QTest::newRow("19 gap") << "19" << "";
    QTest::newRow("32 gap") << "32" << "";
    QTest::newRow("39 gap") << "39" << "";
    QTest::newRow("83 above") << "83" << "";
    QTest::newRow("compared as text") << "07" << "";
    QTest::newRow("blank") << " 3" << "";
    QTest::newRow("empty") << "" << "";
}

void TstLeituraAdc::rotulo()
{
    QFETCH(QString, codigo);
    QFETCH(QString, rotulo);
    RoteiroInstalado r;
    QCOMPARE(RotuloAdc(codigo), rotulo);
    // Which box a window shows for a code outside the table is the window's business.
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

void TstLeituraAdc::codigoForaDaTabelaLeComoAusente()
{
    QCOMPARE(RotuloAdc(QStringLiteral("35")), QString());
    // The row reads as a channel absent from the answer.
    const LeituraAdc l = ExtraiLeituraAdc(Resposta, QString());
    QVERIFY(!l.encontrada());
    QCOMPARE(l.texto, QStringLiteral("*Sem Medição"));
}

void TstLeituraAdc::extrai_data()
{
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("unidade");
    const int v = int(LeituraAdc::Unidade::Volts);
    const int a = int(LeituraAdc::Unidade::Miliamperes);
    const int nada = int(LeituraAdc::Unidade::Nenhuma);
    const QString marca = QStringLiteral("*Sem Medição");

    QTest::newRow("voltage") << Resposta << "BIST buck3:" << "0.812" << v;
    QTest::newRow("buck3 and buck3_sw1 apart") << Resposta << "BIST buck3_sw1:" << "1.234" << v;
    QTest::newRow("buck1 does not match buck10") << Resposta << "BIST buck1:" << marca << nada;
    QTest::newRow("buck10") << Resposta << "BIST buck10:" << "1.800" << v;
    QTest::newRow("ibuck0 not BIST buck0") << Resposta << "ibuck0:" << "123,45" << a;
    QTest::newRow("BIST buck0 not ibuck0") << Resposta << "BIST buck0:" << "0.900" << v;
    QTest::newRow("current of one character") << Resposta << "ibuck11:" << "" << a;
    QTest::newRow("empty current value") << Resposta << "BIST ildo5:" << "" << a;
    QTest::newRow("negative voltage") << Resposta << "BIST ldo19:" << "-0.012" << v;
    QTest::newRow("timeout text comes back") << Resposta << "BIST vrtc:" << "timeout" << v;
    QTest::newRow("case-sensitive") << Resposta << "bist buck3:" << marca << nada;
    QTest::newRow("absent") << Resposta << "BIST ldo7:" << marca << nada;
    QTest::newRow("empty answer") << "" << "BIST buck3:" << marca << nada;
    QTest::newRow("label at the very start") << "BIST buck2: 45.1 mV\r\n" << "BIST buck2:" << "0.045" << v;
    QTest::newRow("first occurrence") << "ibuck1: 10.55 mA\r\nibuck1: 99.99 mA\r\n" << "ibuck1:" << "10,5" << a;
    QTest::newRow("unit V decides, not mV spelled") << "BIST buck2: 45.1 XV\r\n" << "BIST buck2:" << "0.045" << v;
    QTest::newRow("answer cut inside the value") << "BIST buck2: 45.1" << "BIST buck2:" << marca << nada;
    QTest::newRow("answer cut after the label") << "BIST buck2:" << "BIST buck2:" << marca << nada;
    QTest::newRow("unit missing at the end") << "BIST buck2: 45.1 " << "BIST buck2:" << "45," << a;
}

void TstLeituraAdc::extrai()
{
    QFETCH(QString, resposta);
    QFETCH(QString, rotulo);
    QFETCH(QString, texto);
    QFETCH(int, unidade);
    const LeituraAdc l = ExtraiLeituraAdc(resposta, rotulo);
    QCOMPARE(l.texto, texto);
    QCOMPARE(int(l.unidade), unidade);
}

void TstLeituraAdc::marcaNoIdioma()
{
    DefineIdioma(2);
    QCOMPARE(ExtraiLeituraAdc(QString(), QStringLiteral("ibuck0:")).texto, QStringLiteral("*No Reading"));
    DefineIdioma(3);
    QCOMPARE(MarcaSemMedicao(), QStringLiteral("*Sin lectura"));
}

void TstLeituraAdc::respostaLonga()
{
    // Far beyond 32767 characters: the whole answer is searched.
    QString resposta;
    const QString enchimento = QStringLiteral("BIST ldo0: 1000.0 mV\r\n");
    while (resposta.size() < 1024 * 1024)
        resposta += enchimento;
    resposta += QStringLiteral("BIST vbuf_1v2: 1199.7 mV\r\nibuck4: 456.789 mA\r\n] :-) ");
    QCOMPARE(ExtraiLeituraAdc(resposta, QStringLiteral("BIST vbuf_1v2:")).texto, QStringLiteral("1.199"));
    QCOMPARE(ExtraiLeituraAdc(resposta, QStringLiteral("ibuck4:")).texto, QStringLiteral("456,78"));
}

void TstLeituraAdc::idaEVoltaDaLinha()
{
    // Every channel written the way the bench board writes it reads back through the parser.
    QString resposta = QStringLiteral("pmuadc --read all\r\n");
    const auto t = TabelaRotulosAdc();
    for (const auto& par : t) {
        const bool corrente = CanalCorrenteAdc(par.first);
        const QString valor = corrente ? QStringLiteral("%1.456").arg(100 + par.first.toInt())
                                       : MilivoltsDeVolts(QStringLiteral("1.%1").arg(100 + par.first.toInt()));
        resposta += LinhaAdc(par.first, valor) + QStringLiteral("\r\n");
    }
    resposta += QStringLiteral("[0000:0000] :-) ");
    for (const auto& par : t) {
        const LeituraAdc l = ExtraiLeituraAdc(resposta, par.second);
        if (CanalCorrenteAdc(par.first)) {
            QCOMPARE(l.unidade, LeituraAdc::Unidade::Miliamperes);
            QCOMPARE(l.texto, QStringLiteral("%1,45").arg(100 + par.first.toInt()));
        } else {
            QCOMPARE(l.unidade, LeituraAdc::Unidade::Volts);
            QCOMPARE(l.texto, QStringLiteral("1.%1").arg(100 + par.first.toInt()));
        }
    }
    QCOMPARE(LinhaAdc(QStringLiteral("3"), QStringLiteral("812.9")), QStringLiteral("BIST buck3: 812.9 mV"));
    QCOMPARE(LinhaAdc(QStringLiteral("80"), QStringLiteral("5.5")), QStringLiteral("BIST ibuf_1v2: 5.5 mA"));
    QCOMPARE(LinhaAdc(QStringLiteral("17"), QStringLiteral("1.0")), QString());
}

void TstLeituraAdc::milivoltsDeVolts_data()
{
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("milivolts");
    QTest::newRow("three decimals") << "1.234" << "1234.000";
    QTest::newRow("one decimal") << "0.9" << "900.000";
    QTest::newRow("zero") << "0" << "0.000";
    QTest::newRow("negative") << "-0.012" << "-12.000";
    QTest::newRow("not a number") << "x" << "";
}

void TstLeituraAdc::milivoltsDeVolts()
{
    QFETCH(QString, volts);
    QFETCH(QString, milivolts);
    QCOMPARE(MilivoltsDeVolts(volts), milivolts);
}

QTEST_GUILESS_MAIN(TstLeituraAdc)
#include "tst_leituraadc.moc"
