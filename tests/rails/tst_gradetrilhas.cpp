#include "BancoMaster.h"
#include "i18n/IdiomaAtivo.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "rails/GradeTrilhas.h"
#include "rails/VereditoTrilha.h"
#include "veredito/Veredito.h"

#include <QSqlQuery>
#include <QTest>

namespace {
const QString Resposta = QStringLiteral(
    "pmuadc --read all\r\n"
    "BIST buck0: 1250.3 mV\r\n"
    "BIST buck2: 4.2 mV\r\n"
    "BIST buck3: -4.7 mV\r\n"
    "BIST buck4: 12345.6 mV\r\n"
    "BIST buck5: timeout mV\r\n"
    "BIST buck6: 5 mV\r\n"
    "ibuck0: 123.456 mA\r\n"
    "ibuck2: 5 mA\r\n"
    "ibuck3: 123 mA\r\n"
    "ibuck4: timeout mA\r\n"
    "BIST ldo0: 1800.9 mV\r\n"
    "ibuck5: 160.000 mA\r\n"
    "BIST ibuf_1v2: 2.5 mA\r\n"
    "[0000000:00000000] :-) ");

const QString Marca = QStringLiteral("*Sem Medição");
} // namespace

Q_DECLARE_METATYPE(VarianteGrade)
Q_DECLARE_METATYPE(Veredito)

class TstGradeTrilhas : public QObject {
    Q_OBJECT
private slots:
    void init();
    void gradaLinha_data();
    void gradaLinha();
    void gradaLinhaNoIdiomaDado();
    void gradaLinhaPalavraDoTelefone_data();
    void gradaLinhaPalavraDoTelefone();
    void notaVar();
    void processaLeituraVCore();
    void processaLeituraRespostaVazia();
    void processaLeituraNaoParaNumaLinha();
    void processaLeituraValoresComApostrofo();
    void processaLeituraCodigoDesconhecido();
    void consultas_data();
    void consultas();
    void filtroIcEOrdenacao();
    void gravacoes();
    void decimais();
    void toleranciaPmu_data();
    void toleranciaPmu();
    void correnteDaSaida();
};

void TstGradeTrilhas::init()
{
    ReiniciaTeste();
    DefineIdioma(1);
}

void TstGradeTrilhas::gradaLinha_data()
{
    QTest::addColumn<VarianteGrade>("variante");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("malha");
    QTest::addColumn<QString>("orig");
    QTest::addColumn<QString>("ci");
    QTest::addColumn<QString>("refV");
    QTest::addColumn<QString>("refT");
    QTest::addColumn<int>("casasV");
    QTest::addColumn<int>("casasA");
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("porc");

    const auto V = VarianteGrade::VCore;
    const auto B = VarianteGrade::BuckLdo;
    const auto P = VarianteGrade::Pmu;
    const QString ip7 = QStringLiteral("IP 7");
    const QString ipx = QStringLiteral("IP X");

    // Voltage decimals count characters.
    QTest::newRow("volts 3") << V << ip7 << "CPU" << "Buck0" << "CPU" << "1.200" << "0" << 3 << 1 << "1.250 V" << "4.1 %";
    QTest::newRow("volts 2") << V << ip7 << "CPU" << "Buck0" << "CPU" << "1.200" << "0" << 2 << 1 << "1.25 V" << "4.1 %";
    QTest::newRow("volts 1") << V << ip7 << "CPU" << "Buck0" << "CPU" << "1.200" << "0" << 1 << 1 << "1.2 V" << "4.1 %";
    QTest::newRow("0.004 V, 2 decimals") << V << ip7 << "X" << "Buck2" << "" << "" << "2" << 2 << 1 << "0 V" << "";
    QTest::newRow("0.004 V, 3 decimals") << V << ip7 << "X" << "Buck2" << "" << "" << "2" << 3 << 1 << "0.004 V" << "";
    QTest::newRow("-0.004 V, 2 decimals") << V << ip7 << "X" << "Buck3" << "" << "" << "3" << 2 << 1 << "0 V" << "";
    QTest::newRow("-0.004 V, 3 decimals") << V << ip7 << "X" << "Buck3" << "" << "" << "3" << 3 << 1 << "-0.004 V" << "";
    QTest::newRow("12.345 V, 3 decimals, both whole digits kept") << B << ip7 << "X" << "Buck4" << "" << "" << "4" << 3 << 1 << "12.345 V" << "";
    QTest::newRow("12.345 V, 1 decimal") << B << ip7 << "X" << "Buck4" << "" << "" << "4" << 1 << 1 << "12.3 V" << "";
    QTest::newRow("no point: kept whole") << B << ip7 << "X" << "Buck6" << "" << "" << "6" << 3 << 1 << "5 V" << "";
    QTest::newRow("RefV 0 gives 0 %") << V << ip7 << "X" << "Buck0" << "" << "0" << "0" << 3 << 1 << "1.250 V" << "0 %";
    // Current decimals.
    QTest::newRow("mA 0") << B << ip7 << "X" << "mA Buck0" << "" << "" << "20" << 3 << 0 << "123 mA" << "";
    QTest::newRow("mA 1") << B << ip7 << "X" << "mA Buck0" << "" << "" << "20" << 3 << 1 << "123,4 mA" << "";
    QTest::newRow("mA 2") << B << ip7 << "X" << "mA Buck0" << "" << "" << "20" << 3 << 2 << "123,45 mA" << "";
    QTest::newRow("mA 3, as printed") << B << ip7 << "X" << "mA Buck0" << "" << "" << "20" << 3 << 3 << "123,456 mA" << "";
    QTest::newRow("mA without decimals gets zeros") << B << ip7 << "X" << "mA Buck3" << "" << "" << "23" << 3 << 1 << "123,0 mA" << "";
    QTest::newRow("mA without decimals, 0") << P << ip7 << "X" << "mA Buck3" << "" << "" << "23" << 3 << 0 << "123 mA" << "";
    QTest::newRow("160.000 mA, 3 decimals") << B << ip7 << "X" << "mA Buck5" << "" << "" << "25" << 3 << 3 << "160,000 mA" << "";
    QTest::newRow("2.5 mA, 2 decimals") << P << ip7 << "X" << "ibuf" << "" << "" << "80" << 3 << 2 << "2,50 mA" << "";
    QTest::newRow("2.5 mA, 1 decimal") << V << ip7 << "X" << "ibuf" << "" << "" << "80" << 3 << 1 << "2,5 mA" << "";
    QTest::newRow("one-character current") << B << ip7 << "X" << "mA Buck2" << "" << "" << "22" << 3 << 1 << "5,0 mA" << "";
    // Rails without values in purple mode.
    QTest::newRow("VCore Buck1") << V << ip7 << "GPU" << "Buck1" << "GPU" << "1.000" << "1" << 3 << 1 << "*" << "0 %";
    QTest::newRow("VCore Buck8 no RefV") << V << ip7 << "GPU" << "Buck 8" << "GPU" << "" << "8" << 3 << 1 << "*" << "";
    QTest::newRow("VCore IP X mABUCK0 with blank") << V << ipx << "mA BUCK0" << "mA Buck0" << "CPU" << "" << "20" << 3 << 1 << "*" << "";
    QTest::newRow("VCore IP 8 Plus mABUCK0") << V << "IP 8 Plus" << "mABUCK0" << "x" << "CPU" << "" << "20" << 3 << 1 << "*" << "";
    QTest::newRow("VCore IP 7 mABUCK0 graded") << V << ip7 << "mA BUCK0" << "mA Buck0" << "CPU" << "" << "20" << 3 << 1 << "123,4 mA" << "";
    QTest::newRow("VCore looks at Malha, not Orig") << V << ipx << "CPU" << "mA Buck0" << "CPU" << "" << "20" << 3 << 1 << "123,4 mA" << "";
    QTest::newRow("Buck IP X Orig mABuck0") << B << ipx << "CPU" << "mA Buck0" << "CPU" << "" << "20" << 3 << 1 << "*" << "";
    QTest::newRow("Buck looks at Orig, not Malha") << B << ipx << "mA BUCK0" << "mA Buck2" << "" << "" << "22" << 3 << 1 << "5,0 mA" << "";
    QTest::newRow("Buck mABuck8") << B << ip7 << "GPU" << "mA Buck8" << "" << "" << "28" << 3 << 1 << "*" << "";
    QTest::newRow("Buck camera") << B << ip7 << "CAM" << "Ldo0" << "CAM" << "1.800" << "40" << 3 << 1 << "*" << "0 %";
    QTest::newRow("PMU has no camera rule") << P << ip7 << "CAM" << "Ldo0" << "CAM" << "1.800" << "40" << 3 << 1 << "1.800 V" << "0 %";
    QTest::newRow("names compare case-sensitively") << B << ip7 << "GPU" << "buck1" << "" << "" << "1" << 3 << 1 << Marca << "";
    // No reading, timeouts and failing percentages.
    QTest::newRow("absent with RefV") << B << ip7 << "X" << "Ldo1" << "" << "1.800" << "41" << 3 << 1 << Marca << "0 %";
    QTest::newRow("absent without RefV") << B << ip7 << "X" << "Ldo1" << "" << "" << "41" << 3 << 1 << Marca << "";
    QTest::newRow("PMU absent keeps the marker") << P << ip7 << "X" << "Ldo1" << "" << "1.800" << "41" << 3 << 1 << Marca << "0 %";
    QTest::newRow("VCore timeout, percentage skipped") << V << ip7 << "X" << "Buck5" << "" << "1.000" << "5" << 3 << 1 << Marca << "";
    QTest::newRow("Buck timeout current") << B << ip7 << "X" << "mA Buck4" << "" << "" << "24" << 3 << 1 << Marca << "";
    QTest::newRow("PMU timeout current") << P << ip7 << "X" << "mA Buck4" << "" << "" << "24" << 3 << 1 << "**" << "";
    // A percentage that cannot be computed leaves it empty in every variant; the PMU grading goes on.
    QTest::newRow("PMU timeout with RefV") << P << ip7 << "X" << "Buck5" << "" << "1.000" << "5" << 3 << 1 << "**" << "";
    QTest::newRow("VCore zero reference") << V << ip7 << "X" << "Buck0" << "" << "0.000" << "0" << 3 << 1 << "1.250 V" << "";
    QTest::newRow("PMU zero reference") << P << ip7 << "X" << "Buck0" << "" << "0.000" << "0" << 3 << 1 << "1.250 V" << "";
    QTest::newRow("code outside the table") << V << ip7 << "X" << "Buck0" << "" << "1.200" << "17" << 3 << 1 << Marca << "0 %";
}

void TstGradeTrilhas::gradaLinha()
{
    QFETCH(VarianteGrade, variante);
    QFETCH(QString, modelo);
    QFETCH(QString, malha);
    QFETCH(QString, orig);
    QFETCH(QString, ci);
    QFETCH(QString, refV);
    QFETCH(QString, refT);
    QFETCH(int, casasV);
    QFETCH(int, casasA);
    QFETCH(QString, leitura);
    QFETCH(QString, porc);

    RoteiroInstalado r;
    const LinhaGraduada g = GradaLinha(variante, modelo, {malha, orig, ci, refV, refT}, Resposta, casasV, casasA, 1);
    QCOMPARE(g.leitura, leitura);
    QCOMPARE(g.porc, porc);
    // A code outside the table is given back, never shown from here.
    QCOMPARE(g.codigoDesconhecido, refT == QLatin1String("17") ? QStringLiteral("17") : QString());
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

// What the phone printed in place of a value stays its text: a word is never formatted as a
// number nor taken for the program's own markers ("*" not measurable, "*Sem Medição").
void TstGradeTrilhas::gradaLinhaPalavraDoTelefone_data()
{
    QTest::addColumn<VarianteGrade>("variante");
    QTest::addColumn<QString>("linha");
    QTest::addColumn<QString>("refV");
    QTest::addColumn<QString>("refT");
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("porc");
    QTest::addColumn<Veredito>("veredito");
    const auto V = VarianteGrade::VCore;
    const auto B = VarianteGrade::BuckLdo;
    const auto P = VarianteGrade::Pmu;
    QTest::newRow("VCore *787.000 mV") << V << "BIST buck2: *787.000 mV" << "0.800" << "2" << "*787.000 V" << ""
                                       << Veredito::SemLeitura;
    QTest::newRow("PMU * mV") << P << "BIST buck2: * mV" << "0.800" << "2" << "* V" << "" << Veredito::SemLeitura;
    QTest::newRow("Buck current word") << B << "ibuck4: TIMEOUT_ERR mA" << "" << "24" << "TIMEOUT_ERR mA" << ""
                                       << Veredito::SemLeitura;
    QTest::newRow("PMU current word") << P << "ibuck4: ERR.0 mA" << "" << "24" << "ERR.0 mA" << "" << Veredito::SemLeitura;
    QTest::newRow("Buck current 0") << B << "ibuck4: 0 mA" << "" << "24" << "0,0 mA" << "" << Veredito::NaoGraduado;
    QTest::newRow("VCore voltage word") << V << "BIST buck2: TIMEOUT_ERR mV" << "0.800" << "2" << "TIMEOUT_ERR V" << ""
                                        << Veredito::SemLeitura;
    QTest::newRow("9.996 against 10.000 is 0 %") << B << "BIST buck2: 9996.000 mV" << "10.000" << "2" << "9.996 V"
                                                 << "0 %" << Veredito::Passa;
}

void TstGradeTrilhas::gradaLinhaPalavraDoTelefone()
{
    QFETCH(VarianteGrade, variante);
    QFETCH(QString, linha);
    QFETCH(QString, refV);
    QFETCH(QString, refT);
    QFETCH(QString, leitura);
    QFETCH(QString, porc);
    QFETCH(Veredito, veredito);
    const QString resposta = QStringLiteral("pmuadc --read all\r\n") + linha + QStringLiteral("\r\n[0D1F] :-) ");
    const LinhaGraduada g = GradaLinha(variante, QStringLiteral("IP 7"), {"X", "Buck2", "", refV, refT}, resposta, 3, 1, 1);
    QCOMPARE(g.leitura, leitura);
    QCOMPARE(g.porc, porc);
    QCOMPARE(VereditoTrilha(g.leitura, g.porc, refV, refV.isEmpty() ? QString() : refV + " V"), veredito);
}

void TstGradeTrilhas::gradaLinhaNoIdiomaDado()
{
    // The texts follow the language given, not the program's current one.
    DefineIdioma(1);
    const LinhaMaster ausente{"X", "Ldo1", "", "", "41"};
    const LinhaMaster tempo{"X", "Buck5", "", "", "5"};
    QCOMPARE(GradaLinha(VarianteGrade::BuckLdo, "IP 7", ausente, Resposta, 3, 1, 2).leitura, QString("*No Reading"));
    QCOMPARE(GradaLinha(VarianteGrade::VCore, "IP 7", tempo, Resposta, 3, 1, 3).leitura, QString("*Sin lectura"));
    QCOMPARE(GradaLinha(VarianteGrade::VCore, "IP 7", tempo, Resposta, 3, 1, 1).leitura, Marca);
}

void TstGradeTrilhas::notaVar()
{
    QCOMPARE(TextoNotaVar(QStringLiteral("IP 7"), VarianteGrade::VCore), L(QStringLiteral("VAR3")));
    QCOMPARE(TextoNotaVar(QStringLiteral("IP 8 Plus"), VarianteGrade::BuckLdo), L(QStringLiteral("VAR4")));
    QCOMPARE(TextoNotaVar(QStringLiteral("IP X"), VarianteGrade::Pmu),
             L(QStringLiteral("VAR4")) + QStringLiteral(" ** SEM MEDIÇÃO"));
    QVERIFY(L(QStringLiteral("VAR3")).startsWith(QLatin1String("* GPU")));
}

void TstGradeTrilhas::processaLeituraVCore()
{
    BancoMaster b;
    b.linha("IP 8", "1. VDD CPU", "Buck0", "CPU", "1.200", "0", 0);
    b.linha("IP 8", "2. VDD GPU", "Buck1", "GPU", "1.000", "1", 0);
    b.linha("IP 8", "mA BUCK0", "mA Buck0", "CPU", "", "20", 0);
    b.linha("IP 8", "4. Sem canal", "Buck9", "SOC", "0.800", "9", 0);
    b.linha("IP 8", "5. Sem RefT", "Buck2", "SOC", "0.900", "", 0);
    b.linha("IP 8", "6. Buck", "Buck0", "CPU", "1.200", "0", 2);
    b.linha("IP 7", "7. Outro", "Buck0", "CPU", "1.200", "0", 0);
    b.executa("Update Master set Leitura = 'velha', Porc = '9 %'");

    // Its first half grades without touching a row (a window shows the grading meanwhile); the
    // second stores that grading.
    ResultadoGrade g = GradaLeitura(b.caminho(), VarianteGrade::VCore, "IP 8", 0, Resposta, 3, 1);
    QCOMPARE(g.linhas, 0);
    QCOMPARE(g.trilhas.size(), 4);
    QCOMPARE(b.campo("Leitura"), QStringList(7, "velha"));
    GravaGraduacao(b.caminho(), VarianteGrade::VCore, g);
    QCOMPARE(g.linhas, 4);
    QVERIFY(g.gravada);
    const QStringList leituras = b.campo("Leitura"), porcs = b.campo("Porc");
    b.executa("Update Master set Leitura = 'velha', Porc = '9 %'");

    const ResultadoGrade r = ProcessaLeitura(b.caminho(), VarianteGrade::VCore, "IP 8", 0, Resposta, 3, 1);
    QVERIFY(r.leituraFeita);
    QVERIFY(!r.erro);
    QCOMPARE(r.linhas, 4);
    // In Malha order: 1, 2, 4, 5 (no channel code), 6 (other family), 7 (other model), mA BUCK0.
    QCOMPARE(b.campo("Leitura"), (QStringList{"1.250 V", "*", Marca, "", "", "", "*"}));
    QCOMPARE(b.campo("Porc"), (QStringList{"4.1 %", "0 %", "0 %", "", "", "", ""}));
    QCOMPARE(leituras, b.campo("Leitura"));
    QCOMPARE(porcs, b.campo("Porc"));
}

void TstGradeTrilhas::processaLeituraRespostaVazia()
{
    BancoMaster b;
    b.linha("IP 7", "A", "Buck0", "CPU", "1.200", "0", 2);
    b.linha("IP 7", "B", "mA Buck0", "CPU", "", "20", 2);
    b.executa("Update Master set Leitura = '', Porc = ''");

    // Buck and LDO: nothing graded, rows untouched.
    const ResultadoGrade r = ProcessaLeitura(b.caminho(), VarianteGrade::BuckLdo, "IP 7", 2, QString(), 3, 1);
    QVERIFY(!r.leituraFeita);
    QCOMPARE(r.linhas, 0);
    QCOMPARE(b.campo("Leitura"), (QStringList{"", ""}));

    // PMU: every row gets the no-reading marker.
    const ResultadoGrade p = ProcessaLeitura(b.caminho(), VarianteGrade::Pmu, "IP 7", 2, QString(), 3, 1);
    QVERIFY(!p.erro);
    QCOMPARE(p.linhas, 2);
    QCOMPARE(b.campo("Leitura"), (QStringList{Marca, Marca}));
    QCOMPARE(b.campo("Porc"), (QStringList{"0 %", ""}));
}

void TstGradeTrilhas::processaLeituraNaoParaNumaLinha()
{
    BancoMaster b;
    // Graded in Modelo, Orig order: Buck0, Buck4, Buck5 (timeout with RefV), Ldo0.
    b.linha("IP 7", "A", "Buck0", "CPU", "1.200", "0", 2);
    b.linha("IP 7", "B", "Buck4", "X", "", "4", 2);
    b.linha("IP 7", "C", "Buck5", "X", "1.000", "5", 2);
    b.linha("IP 7", "D", "Ldo0", "X", "1.800", "40", 2);

    // A percentage that cannot be computed no longer ends the PMU grading: the row is marked
    // ("**", no percentage) and the grading goes on, as in the other variants.
    const ResultadoGrade p = ProcessaLeitura(b.caminho(), VarianteGrade::Pmu, "IP 7", 2, Resposta, 2, 1);
    QVERIFY(!p.erro);
    QCOMPARE(p.linhas, 4);
    QCOMPARE(b.campo("Leitura"), (QStringList{"1.25 V", "12.34 V", "**", "1.80 V"}));
    QCOMPARE(b.campo("Porc"), (QStringList{"4.1 %", "", "", "0 %"}));

    // The Buck and LDO variant skips the failing percentage and grades on.
    const ResultadoGrade v = ProcessaLeitura(b.caminho(), VarianteGrade::BuckLdo, "IP 7", 2, Resposta, 2, 1);
    QVERIFY(!v.erro);
    QCOMPARE(v.linhas, 4);
    QCOMPARE(b.campo("Leitura"), (QStringList{"1.25 V", "12.34 V", Marca, "1.80 V"}));
    QCOMPARE(b.campo("Porc"), (QStringList{"4.1 %", "", "", "0 %"}));
}

void TstGradeTrilhas::processaLeituraValoresComApostrofo()
{
    BancoMaster b;
    b.linha("IP 7'", "A", "Buck0", "CPU", "1.200", "0", 0);
    const ResultadoGrade r = ProcessaLeitura(b.caminho(), VarianteGrade::VCore, "IP 7'", 0, Resposta, 3, 1);
    QCOMPARE(r.linhas, 1);
    QCOMPARE(b.campo("Leitura"), QStringList{"1.250 V"});
}

void TstGradeTrilhas::processaLeituraCodigoDesconhecido()
{
    // Grading shows no box: the codes come back for the window, in grading order.
    BancoMaster b;
    b.linha("IP 7", "A", "Buck0", "CPU", "1.200", "35", 2);
    b.linha("IP 7", "B", "Buck1", "CPU", "1.200", "0", 2);
    b.linha("IP 7", "C", "Buck2", "CPU", "", "99", 2);
    RoteiroInstalado r;
    const ResultadoGrade g = ProcessaLeitura(b.caminho(), VarianteGrade::Pmu, "IP 7", 2, Resposta, 3, 1);
    QCOMPARE(g.codigosDesconhecidos, (QStringList{"35", "99"}));
    QVERIFY(r.roteiro.mostradas.isEmpty());
    QCOMPARE(b.campo("Leitura"), (QStringList{Marca, "*", Marca}));
}

void TstGradeTrilhas::consultas_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("esperado");
    const QString m = QStringLiteral("IP 7");
    QTest::newRow("VCore OpMalha") << ConsultaOrdenada(VarianteGrade::VCore, m, 0, Ordenacao::Malha).sql()
                                   << "Select * from Master Where modelo = ? and TIPO = ? order by Modelo, Malha";
    QTest::newRow("VCore OpIc") << ConsultaOrdenada(VarianteGrade::VCore, m, 0, Ordenacao::Ic).sql()
                                << "Select * from Master Where modelo = ? and TIPO = ? order by CI, Malha";
    QTest::newRow("Buck OpMalha") << ConsultaOrdenada(VarianteGrade::BuckLdo, m, 2, Ordenacao::Malha).sql()
                                  << "Select * from Master Where modelo = ? and TIPO = ? order by Modelo, Orig";
    QTest::newRow("Buck OpIc") << ConsultaOrdenada(VarianteGrade::BuckLdo, m, 1, Ordenacao::Ic).sql()
                               << "Select * from Master Where modelo = ? and TIPO = ? order by CI, Orig";
    QTest::newRow("OpPorc") << ConsultaOrdenada(VarianteGrade::BuckLdo, m, 1, Ordenacao::Porc).sql()
                            << "Select * from Master Where modelo = ? and TIPO = ? order by Porc desc";
    QTest::newRow("IC at reading") << ConsultaGradeIc(m, 0, "GPU").sql()
                                   << "Select * from Master Where modelo = ? and TIPO = ? AND Ci like ? order by Modelo, Malha";
    QTest::newRow("IC at refresh") << ConsultaGradeIc(m, 0, "GPU", true).sql()
                                   << "Select * from Master Where modelo = ? and Ci like ? and TIPO = ? order by Modelo, Malha";
    QTest::newRow("PMU with RefV") << ConsultaGraduacao(m, 2, " and RefV <> ''").sql()
                                   << "Select * from Master Where modelo = ? and RefT <> '' and TIPO = ? and RefV <> '' order by Modelo, Orig";
}

void TstGradeTrilhas::consultas()
{
    QFETCH(QString, sql);
    QFETCH(QString, esperado);
    QCOMPARE(sql, esperado);
}

void TstGradeTrilhas::filtroIcEOrdenacao()
{
    BancoMaster b;
    b.linha("IP 7", "B rail", "Buck2", "GPU", "1.0", "2", 0);
    b.linha("IP 7", "A rail", "Buck0", "CPU", "1.0", "0", 0);
    b.linha("IP 7", "C rail", "Buck3", "gpu sram", "1.0", "3", 0);
    b.linha("IP 7", "D rail", "Buck4", "GPU", "1.0", "4", 1);
    b.executa("Update Master set Porc = '12.0 %' where Malha = 'A rail'");
    b.executa("Update Master set Porc = '4.1 %' where Malha = 'B rail'");

    Banco banco(b.caminho());
    auto malhas = [&](const ConsultaMaster& c) {
        QStringList r;
        QSqlQuery q = c.executa(banco.db());
        while (q.next())
            r << q.value(QStringLiteral("Malha")).toString();
        return r;
    };
    QCOMPARE(malhas(ConsultaGradeIc("IP 7", 0, "GPU")), (QStringList{"B rail", "C rail"}));
    QCOMPARE(malhas(ConsultaGradeIc("ip 7", 0, "GPU", true)), (QStringList{"B rail", "C rail"}));
    // Percentages order as text.
    QCOMPARE(malhas(ConsultaOrdenada(VarianteGrade::VCore, "IP 7", 0, Ordenacao::Porc)),
             (QStringList{"B rail", "A rail", "C rail"}));
}

void TstGradeTrilhas::gravacoes()
{
    BancoMaster b;
    b.linha("IP 7", "A", "Buck0", "CPU", "1.200", "0", 0);
    b.linha("IP 7", "B", "Buck2", "GPU", "1.200", "2", 0);
    b.linha("IP 7", "C", "Buck0", "CPU", "1.200", "0", 2);
    b.executa("Update Master set Leitura = Malha || ' lido', G2 = 'antes'");
    const ConsultaMaster grade = ConsultaGrade("IP 7", 0, "Modelo, Malha");

    RoteiroInstalado r;
    QVERIFY(GravaLeituras(b.caminho(), 2, grade).alterada);
    QCOMPARE(b.campo("G2"), (QStringList{"A lido", "B lido", "antes"}));
    QCOMPARE(b.campo("G1"), (QStringList{"", "", ""}));

    // Only the rows the grid shows (IC filter) are recorded.
    b.executa("Update Master set Leitura = 'novo'");
    QVERIFY(GravaLeituras(b.caminho(), 3, ConsultaGradeIc("IP 7", 0, "GPU")).alterada);
    QCOMPARE(b.campo("G3"), (QStringList{"", "novo", ""}));

    QVERIFY(ExcluiGravacao(b.caminho(), 2, grade).alterada);
    QCOMPARE(b.campo("G2"), (QStringList{"", "", "antes"}));

    // Nothing to change is neither a change nor a failure.
    for (const ResultadoGravacao& nada : {GravaLeituras(b.caminho(), 4, grade), ExcluiGravacao(b.caminho(), 0, grade),
                                          GravaLeituras(b.caminho(), 1, ConsultaMaster{})}) {
        QVERIFY(!nada.alterada);
        QVERIFY(nada.falha.ok());
    }
    // A write the database refuses is a failure with its reason, never a change.
    const ResultadoGravacao recusada = GravaLeituras(b.caminho(), 1, ConsultaMaster{"ColunaQueFalta = 1", {}, {}});
    QVERIFY(!recusada.alterada);
    QVERIFY(!recusada.falha.ok());
    // The questions and the failure boxes are the window's.
    QVERIFY(r.roteiro.mostradas.isEmpty());
}

void TstGradeTrilhas::decimais()
{
    BancoMaster b;
    // Empty Combos: defaults.
    QCOMPARE(CarregaDecimais(b.caminho(), VarianteGrade::VCore).casasV, 3);
    QCOMPARE(CarregaDecimais(b.caminho(), VarianteGrade::VCore).casasA, 1);

    b.executa("Insert into Combos (Combo1, Combo2, Combo3, Combo4, Combo5, Combo6) values ('1', '3', '2', '0', '7', '')");
    const Decimais v = CarregaDecimais(b.caminho(), VarianteGrade::VCore);
    QCOMPARE(v.casasV, 1);
    QCOMPARE(v.casasA, 3);
    const Decimais bl = CarregaDecimais(b.caminho(), VarianteGrade::BuckLdo);
    QCOMPARE(bl.casasV, 2);
    QCOMPARE(bl.casasA, 0);
    const Decimais p = CarregaDecimais(b.caminho(), VarianteGrade::Pmu); // "7" and "" are not items
    QCOMPARE(p.casasV, 3);
    QCOMPARE(p.casasA, 1);

    Decimais d;
    QVERIFY(!EscolheDecimais(b.caminho(), VarianteGrade::Pmu, false, QStringLiteral("0"), d)); // volts start at 1
    QVERIFY(!EscolheDecimais(b.caminho(), VarianteGrade::Pmu, true, QStringLiteral("4"), d));
    QCOMPARE(d.casasV, 3);
    QVERIFY(EscolheDecimais(b.caminho(), VarianteGrade::Pmu, false, QStringLiteral("2"), d));
    QVERIFY(EscolheDecimais(b.caminho(), VarianteGrade::Pmu, true, QStringLiteral("0"), d));
    QCOMPARE(d.casasV, 2);
    QCOMPARE(d.casasA, 0);
    const Decimais relido = CarregaDecimais(b.caminho(), VarianteGrade::Pmu);
    QCOMPARE(relido.casasV, 2);
    QCOMPARE(relido.casasA, 0);
}

void TstGradeTrilhas::toleranciaPmu_data()
{
    QTest::addColumn<QString>("porc");
    QTest::addColumn<QString>("tolerancia");
    QTest::addColumn<bool>("passa");
    QTest::newRow("10 % fails 10") << "10.0 %" << "10" << false;
    QTest::newRow("9.9 % passes 10") << "9.9 %" << "10" << true;
    QTest::newRow("10.9 % passes 11") << "10.9 %" << "11" << true;
    QTest::newRow("10.9 % fails 10") << "10.9 %" << "10" << false;
    QTest::newRow("-9.9 % passes 10") << "-9.9 %" << "10" << true;
    QTest::newRow("-10 % fails 10") << "-10 %" << "10" << false;
    QTest::newRow("0 % of a missing rail passes") << "0 %" << "1" << true;
    QTest::newRow("not a number tolerance is 10") << "9.9 %" << "abc" << true;
    QTest::newRow("empty tolerance is 10") << "10.0 %" << "" << false;
    QTest::newRow("empty percentage fails") << "" << "10" << false;
}

void TstGradeTrilhas::toleranciaPmu()
{
    QFETCH(QString, porc);
    QFETCH(QString, tolerancia);
    QFETCH(bool, passa);
    QCOMPARE(PassaToleranciaPmu(porc, ToleranciaPmu(tolerancia)), passa);
}

void TstGradeTrilhas::correnteDaSaida()
{
    QCOMPARE(ToleranciaAjustada(QStringLiteral("12.7")), QStringLiteral("12"));
    QCOMPARE(ToleranciaAjustada(QStringLiteral("101")), QStringLiteral("10"));
    QCOMPARE(ToleranciaAjustada(QStringLiteral("-1")), QStringLiteral("10"));
    QCOMPARE(ToleranciaAjustada(QStringLiteral("x")), QStringLiteral("10"));
    QCOMPARE(ToleranciaAjustada(QStringLiteral("0")), QStringLiteral("0"));

    QVERIFY(CorrenteDaSaida(QStringLiteral("BUCK3"), QStringLiteral("mA Buck3")));
    QVERIFY(CorrenteDaSaida(QStringLiteral("BUCK3_SW1"), QStringLiteral("mA Buck3"))); // starts with it
    QVERIFY(!CorrenteDaSaida(QStringLiteral("BUCK4"), QStringLiteral("mA Buck3")));
    QVERIFY(!CorrenteDaSaida(QStringLiteral("BUCK3"), QStringLiteral("mA")));
}

QTEST_GUILESS_MAIN(TstGradeTrilhas)
#include "tst_gradetrilhas.moc"
