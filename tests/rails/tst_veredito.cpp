// One verdict per reading: the table every grid, chip window, test window and report shows.
#include "BancoMaster.h"

#include "i18n/Dicionario.h"
#include "rails/GradeTrilhas.h"
#include "rails/VereditoTrilha.h"
#include "veredito/Veredito.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"

#include <QTest>

Q_DECLARE_METATYPE(Veredito)

class TstVeredito : public QObject {
    Q_OBJECT
private slots:
    void init();
    void trilha_data();
    void trilha();
    void palavrasNasTresLinguas();
    void leituraNaoNumericaNaoParaAGraduacao();
    void registroDosVereditos();
};

void TstVeredito::init()
{
    ReiniciaTeste();
    DefineIdioma(1);
}

void TstVeredito::trilha_data()
{
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("porc");
    QTest::addColumn<QString>("refV");
    QTest::addColumn<QString>("ref");
    QTest::addColumn<double>("tolerancia");
    QTest::addColumn<Veredito>("esperado");
    using V = Veredito;

    // Voltages: the whole part of the percentage strictly inside ±tolerance.
    QTest::newRow("V on reference") << "0.800 V" << "0 %" << "0.800" << "0.800 V" << 10.0 << V::Passa;
    QTest::newRow("V +9.9 %") << "0.879 V" << "9.9 %" << "0.800" << "0.800 V" << 10.0 << V::Passa;
    QTest::newRow("V exactly +10 %") << "0.880 V" << "10 %" << "0.800" << "0.800 V" << 10.0 << V::Falha;
    QTest::newRow("V exactly -10 %") << "0.720 V" << "-10 %" << "0.800" << "0.800 V" << 10.0 << V::Falha;
    QTest::newRow("V -9.9 %") << "0.721 V" << "-9.9 %" << "0.800" << "0.800 V" << 10.0 << V::Passa;
    QTest::newRow("V +12 % (PP_CPU)") << "0.896 V" << "12 %" << "0.800" << "0.800 V" << 10.0 << V::Falha;
    QTest::newRow("V 10.9 % tol 11") << "0.887 V" << "10.9 %" << "0.800" << "0.800 V" << 11.0 << V::Passa;
    QTest::newRow("V 0 V dead rail") << "0 V" << "-100 %" << "0.775" << "0.775 V" << 10.0 << V::Falha;
    // Nothing compared.
    QTest::newRow("* purple") << "*" << "0 %" << "0.775" << "0.775 V" << 10.0 << V::NaoMensuravel;
    QTest::newRow("* current") << "*" << "" << "" << "< 1000 mA" << 10.0 << V::NaoMensuravel;
    QTest::newRow("missing channel") << "*Sem Medição" << "0 %" << "1.800" << "1.800 V" << 10.0 << V::SemLeitura;
    QTest::newRow("PMU timeout") << "**" << "0 %" << "1.800" << "1.800 V" << 10.0 << V::SemLeitura;
    QTest::newRow("TIMEOUT_ERR word") << "TIMEOUT_ERR V" << "" << "1.800" << "1.800 V" << 10.0 << V::SemLeitura;
    QTest::newRow("TIMEO word") << "TIMEO V" << "" << "1.800" << "1.800 V" << 10.0 << V::SemLeitura;
    QTest::newRow("not read yet") << "" << "" << "1.800" << "1.800 V" << 10.0 << V::NaoGraduado;
    QTest::newRow("V without RefV") << "1.200 V" << "" << "" << "1.2 V" << 10.0 << V::NaoGraduado;
    QTest::newRow("V RefV 0") << "3.300 V" << "0 %" << "0" << "-" << 10.0 << V::NaoGraduado;
    QTest::newRow("V no percentage") << "1.200 V" << "" << "1.200" << "1.2 V" << 10.0 << V::NaoGraduado;
    // Currents against their "< N mA" limit; at the limit is over it.
    QTest::newRow("mA over limit") << "1500,0 mA" << "" << "" << "< 1000 mA" << 10.0 << V::Falha;
    QTest::newRow("mA at limit") << "1000,0 mA" << "" << "" << "< 1000 mA" << 10.0 << V::Falha;
    QTest::newRow("mA at limit 0 dec") << "1000 mA" << "" << "" << "< 1000 mA" << 10.0 << V::Falha;
    QTest::newRow("mA just under") << "999,9 mA" << "" << "" << "< 1000 mA" << 10.0 << V::Passa;
    QTest::newRow("mA well under") << "160 mA" << "" << "" << "<400 mA" << 10.0 << V::Passa;
    QTest::newRow("mA no limit") << "123,4 mA" << "" << "" << "" << 10.0 << V::NaoGraduado;
    QTest::newRow("mA word") << "ERR mA" << "" << "" << "< 400 mA" << 10.0 << V::SemLeitura;
}

void TstVeredito::trilha()
{
    QFETCH(QString, leitura);
    QFETCH(QString, porc);
    QFETCH(QString, refV);
    QFETCH(QString, ref);
    QFETCH(double, tolerancia);
    QFETCH(Veredito, esperado);
    QCOMPARE(VereditoTrilha(leitura, porc, refV, ref, tolerancia), esperado);
}

void TstVeredito::palavrasNasTresLinguas()
{
    const QList<QPair<Veredito, QStringList>> casos = {
        {Veredito::Passa, {"APROVADO", "PASS", "APROBADO"}},
        {Veredito::Falha, {"FALHA", "FAIL", "FALLA"}},
        {Veredito::NaoMensuravel, {"NÃO MENSURÁVEL", "NOT MEASURABLE", "NO MEDIBLE"}},
        {Veredito::SemLeitura, {"SEM LEITURA", "NO READING", "SIN LECTURA"}},
        {Veredito::NaoGraduado, {"NÃO AVALIADO", "NOT GRADED", "NO EVALUADO"}},
    };
    QSet<QString> marcas;
    for (const auto& [v, palavras] : casos) {
        for (int idioma = 1; idioma <= 3; ++idioma) {
            DefineIdioma(idioma);
            QCOMPARE(TextoVeredito(v), palavras[idioma - 1]);
        }
        marcas.insert(MarcaVeredito(v));
    }
    QCOMPARE(marcas.size(), 5); // each class readable without colours
}

void TstVeredito::leituraNaoNumericaNaoParaAGraduacao()
{
    // A channel printing a word where its value should be: the PMU grading marks that row and
    // grades every other one; nothing stops.
    BancoMaster b;
    b.linha("IP 7", "A", "Buck0", "CPU", "1.200", "0", 2);
    b.linha("IP 7", "B", "Buck5", "X", "1.000", "5", 2);
    b.linha("IP 7", "C", "Ldo0", "X", "1.800", "40", 2);
    const QString resposta = QStringLiteral("pmuadc --read all\r\nBIST buck0: 1250.3 mV\r\n"
                                            "BIST buck5: TIMEOUT_ERR mV\r\nBIST ldo0: 2100.0 mV\r\n"
                                            "[0000000:00000000] :-) ");
    for (VarianteGrade variante : {VarianteGrade::Pmu, VarianteGrade::BuckLdo}) {
        const ResultadoGrade r = ProcessaLeitura(b.caminho(), variante, "IP 7", 2, resposta, 3, 1);
        QVERIFY(!r.erro);
        QVERIFY(r.gravada);
        QCOMPARE(r.linhas, 3);
        QCOMPARE(r.trilhas.size(), 3);
        QCOMPARE(r.trilhas[0].veredito, Veredito::Passa);
        QCOMPARE(r.trilhas[1].leitura, QStringLiteral("TIMEOUT_ERR V"));
        QCOMPARE(r.trilhas[1].veredito, Veredito::SemLeitura);
        QCOMPARE(r.trilhas[2].veredito, Veredito::Falha);
        QCOMPARE(b.campo("Leitura"), (QStringList{"1.250 V", "TIMEOUT_ERR V", "2.100 V"}));
    }
}

void TstVeredito::registroDosVereditos()
{
    BancoMaster b;
    b.linha("IP 7", "9. PP1V8", "Buck3", "DRAM", "1.800", "3", 0);
    QStringList linhas;
    DefineDestinoVereditos([&linhas](const QString& l) { linhas << l; });
    ProcessaLeitura(b.caminho(), VarianteGrade::VCore, "IP 7", 0,
                    QStringLiteral("BIST buck3: 2000.0 mV\r\n[0:0] :-) "), 3, 1);
    DefineDestinoVereditos({});
    QCOMPARE(linhas, QStringList{"veredito | VCores | 9. PP1V8 | 2.000 V | 1.800 V | falha"});
}

QTEST_MAIN(TstVeredito)
#include "tst_veredito.moc"
