// The battery test: the property cut and the health rule as tables, then the window against the
// bench board (properties, then the gas gauge once the link is idle again).
#include "apoio/AmbienteJanelas.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "apoio/CenarioJanela.h"
#include "boardtests/BateriaLeitura.h"
#include "boardtests/janelas/Bateria.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "veredito/Veredito.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryFile>
#include <QTest>

using namespace ModuloBateria;

namespace {
// A gas-gauge answer as the console holds it: echo, CR CR LF after it, CR LF after each line.
QString resposta(const QStringList& linhas)
{
    QString r = QStringLiteral("\r\ndevice  --key GasGauge -p\r\r\n");
    for (const QString& l : linhas)
        r += l + QStringLiteral("\r\n");
    return r + QStringLiteral("[0D1F2E3C:5A4B6C7D] :-) ");
}
} // namespace

class TstBateria : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void extraiPropriedade_data();
    void extraiPropriedade();
    void calculaSaude_data();
    void calculaSaude();
    void organiza();
    void notaPorModelo();
    void leituraNaBancada();
    void semCicloNoIp6Plus();
    void vereditosNaBancada();
};

void TstBateria::initTestCase()
{
    DefineIdioma(1);
}

void TstBateria::extraiPropriedade_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<bool>("faltou");
    // Two characters after the label, one before the CR are left out; a blank is added.
    QTest::newRow("quoted value") << "  cycle-count: \"128\"\r\n" << "cycle-count:" << "128 " << false;
    QTest::newRow("digits, mAh, one more character") << "design-capacity: \"1715mAh\"\r\n"
                                                      << "design-capacity:" << "1715mAh " << false;
    QTest::newRow("label at the very start") << "voltage: \"4012mV\"\r" << "voltage:" << "4012mV " << false;
    QTest::newRow("first occurrence wins") << "current: \"1\"\r\ncurrent: \"2\"\r\n" << "current:" << "1 " << false;
    QTest::newRow("empty value") << "current: \"\"\r\n" << "current:" << " " << false;
    QTest::newRow("label in other case") << "Cycle-Count: \"1\"\r\n" << "cycle-count:" << "*" << true;
    QTest::newRow("no CR after the label") << "\r\ncycle-count: \"128\"" << "cycle-count:" << "*" << true;
    QTest::newRow("label missing") << "voltage: \"1\"\r\n" << "cycle-count:" << "*" << true;
}

void TstBateria::extraiPropriedade()
{
    QFETCH(QString, texto);
    QFETCH(QString, rotulo);
    QFETCH(QString, valor);
    QFETCH(bool, faltou);
    bool f = !faltou;
    QCOMPARE(ExtraiPropriedade(texto, rotulo, &f), valor);
    QCOMPARE(f, faltou);
}

void TstBateria::calculaSaude_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("saude");
    QTest::addColumn<bool>("faltou");
    auto duas = [](const QString& d, const QString& n) {
        return resposta({"    design-capacity: \"" + d + "mAh\"", "    nominal-capacity: \"" + n + "mAh\""});
    };
    QTest::newRow("2000/1500") << duas("2000", "1500") << "75 %" << false;
    QTest::newRow("1999/1500 rounds down") << duas("1999", "1500") << "75 %" << false;
    QTest::newRow("full capacity reads 100") << duas("1715", "1715") << "100 %" << false;
    // nominal / (design / 100) in floating point gives 99.999... for these, then 99 rounded down.
    QTest::newRow("1013/1013 reads 100") << duas("1013", "1013") << "100 %" << false;
    QTest::newRow("1021/1021 reads 100") << duas("1021", "1021") << "100 %" << false;
    QTest::newRow("2026/2026 reads 100") << duas("2026", "2026") << "100 %" << false;
    QTest::newRow("above design") << duas("1000", "1100") << "110 %" << false;
    QTest::newRow("design 0") << duas("0", "1500") << "" << false;
    QTest::newRow("design not a number") << duas("abc", "1500") << "" << false;
    QTest::newRow("nominal not a number") << duas("2000", "1.500") << "" << false;
    QTest::newRow("comma decimal") << duas("2000,0", "1500") << "75 %" << false;
    QTest::newRow("design missing") << resposta({"    nominal-capacity: \"1500mAh\""}) << "*" << true;
    QTest::newRow("nominal missing") << resposta({"    design-capacity: \"2000mAh\""}) << "*" << false;
    QTest::newRow("design without CR") << QString("design-capacity: \"2000mAh\"") << "*" << true;
    // Capacities far beyond a battery's: the digits are written, never an overflowed integer.
    QTest::newRow("huge nominal") << duas("1000", "99999999999999999999") << "10000000000000000000 %" << false;
    QTest::newRow("huge negative nominal") << duas("1000", "-99999999999999999999") << "-10000000000000000000 %" << false;
    QTest::newRow("nominal beyond a double") << duas("1", QString(400, QLatin1Char('9'))) << "" << false;
}

void TstBateria::calculaSaude()
{
    QFETCH(QString, texto);
    QFETCH(QString, saude);
    QFETCH(bool, faltou);
    bool f = !faltou;
    QCOMPARE(CalculaSaude(texto, &f), saude);
    QCOMPARE(f, faltou);
}

void TstBateria::organiza()
{
    const QString r = resposta({"GasGauge properties", "    cycle-count: \"128\"", "    charge-percentage: \"85%\"",
                                "    design-capacity: \"2000mAh\"", "    nominal-capacity: \"1500mAh\"",
                                "    voltage: \"4012mV\"", "    current: \"-245mA\"",
                                "    temperature: \"29.5CC\""});
    const Valores v = Organiza(r);
    const QStringList esperado = {"75 %", "128 ", "85% ", "2000 mAh ", "1500 mAh ", "4012 mV ", "-245mA ",
                                  "29.5 Cº Cº "};
    QCOMPARE(v.info, esperado);
    QVERIFY(!v.nota);
    // Nothing here has a reference: every value read is shown without a grade.
    QVERIFY(v.vereditos == QList<Veredito>(NumeroValores, Veredito::NaoGraduado));

    const Valores semCiclos = Organiza(QString(r).remove("cycle-count"));
    QCOMPARE(semCiclos.info.at(1), QString("*"));
    QVERIFY(semCiclos.nota);
    QCOMPARE(semCiclos.vereditos.at(1), Veredito::SemLeitura);
    QCOMPARE(semCiclos.vereditos.at(0), Veredito::NaoGraduado);

    // A capacity that is not a number leaves the health empty: no reading, not a pass.
    const Valores semSaude = Organiza(QString(r).replace("2000mAh", "abcmAh"));
    QCOMPARE(semSaude.info.at(0), QString());
    QCOMPARE(semSaude.vereditos.at(0), Veredito::SemLeitura);
    QCOMPARE(semSaude.vereditos.at(3), Veredito::NaoGraduado);
}

void TstBateria::notaPorModelo()
{
    QCOMPARE(NotaFalta("IP 6 Plus"), "* " + TextoDoDicionario("NAO_DISP_PARA_ESSE_MODELO", 1).toUpper());
    QCOMPARE(NotaFalta("IP 7"), "* " + TextoDoDicionario("Sem Medição", 1).toUpper());
    QCOMPARE(NotaFalta("IP 6"), QString("* FUNÇÃO NÃO DISPOÍVEL PARA ESSE MODELO"));
}

void TstBateria::leituraNaBancada()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 7"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 7", "A1660"));

    // The gas gauge answers at once on this board: its answer is complete at the poll that
    // brought its prompt, not after a hundred quiet polls.
    QElapsedTimer gasGauge;
    qint64 gasGaugeMs = -1;
    // Each request carries its end-of-answer rule: the window's descriptor gives the gauge's.
    QHash<QString, RegrasTroca::RegraFim> regras;
    connect(&amb.ligacao, &Ligacao::comandoEnviado, this, [&](const QString& codigo, const QString&) {
        regras.insert(codigo, amb.ligacao.regraFim());
        if (codigo == QLatin1String("19"))
            gasGauge.start();
    });
    connect(&amb.ligacao, &Ligacao::respostaEntregue, this, [&](const QString& codigo) {
        if (codigo == QLatin1String("19"))
            gasGaugeMs = gasGauge.elapsed();
    });

    // With the link idle the window reads at once when it opens.
    auto* janela = amb.janelas.mostra<Bateria>("Bateria");
    QVERIFY(janela);
    QVERIFY(janela->findChild<QWidget*>("FrameVCore")->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(janela->info(1), QString("128 "), 15000);

    // Properties first; the gas gauge only after its answer.
    QCOMPARE(bancada.registro(), QByteArray("battery --properties\rdevice  --key GasGauge -p\r"));
    QVERIFY(janela->txtDados().contains("Battery properties"));
    QVERIFY(!janela->txtDados().contains("battery --properties"));
    // The recorded answer of the first command for the model sits beside it.
    QVERIFY(!janela->txtComparador().isEmpty());
    // IP 7 design capacity 1960 mAh, present capacity 95 % of it (1862).
    QCOMPARE(janela->info(0), QString("95 %"));
    QCOMPARE(janela->info(3), QString("1960 mAh "));
    QCOMPARE(janela->info(4), QString("1862 mAh "));
    QCOMPARE(janela->info(5), QString("4012 mV "));
    QCOMPARE(janela->info(7), QString("29.5 Cº "));
    QCOMPARE(janela->findChild<QLabel*>("Info(2)")->text(), QString("85% "));
    QVERIFY(!janela->findChild<QWidget*>("FrameVCore")->isVisible());
    QVERIFY(!janela->findChild<QWidget*>("lbVar")->isVisible());
    QVERIFY(amb.aguardaOcioso());
    QCOMPARE(amb.ligacao.requisitante(), QString("0"));
    QVERIFY2(gasGaugeMs >= 0 && gasGaugeMs < 2500, qPrintable(QString::number(gasGaugeMs)));
    QCOMPARE(regras.value("19"), RegrasTroca::RegraFim::AtePrompt);
    QCOMPARE(regras.value("14", RegrasTroca::RegraFim::AtePrompt), RegrasTroca::RegraFim::Comum);

    // A second reading clears the values first.
    janela->btBateria_Click();
    QCOMPARE(janela->info(1), QString());
    QTRY_COMPARE_WITH_TIMEOUT(janela->info(1), QString("128 "), 15000);
}

void TstBateria::semCicloNoIp6Plus()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    QTemporaryFile perfil;
    QVERIFY(perfil.open());
    perfil.write("resposta device  --key GasGauge -p = GasGauge properties\\n"
                 "    charge-percentage: \"60%\"\\n    design-capacity: \"2915mAh\"\\n"
                 "    nominal-capacity: \"2186mAh\"\\n    voltage: \"3800mV\"\\n    current: \"0mA\"\\n"
                 "    temperature: \"25C\"\\n\n");
    perfil.close();
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 6 Plus", "--placa", perfil.fileName()}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 6 Plus", "A1522"));

    auto* janela = amb.janelas.mostra<Bateria>("Bateria");
    QTRY_COMPARE_WITH_TIMEOUT(janela->info(1), QString("*"), 15000);
    auto* nota = janela->findChild<QLabel*>("lbVar");
    QVERIFY(nota->isVisible());
    QCOMPARE(nota->text(), "* " + L("NAO_DISP_PARA_ESSE_MODELO").toUpper());
    // The values that are there still show; 2186 of 2915 is 74.99 %.
    QCOMPARE(janela->info(0), QString("74 %"));
    QCOMPARE(janela->info(2), QString("60% "));
    QVERIFY(roteiro.roteiro.mostradas.isEmpty());
}

// A gas gauge without the cycle count and with a capacity that is not a number: both values
// read as no reading (grey, the word, logged), the others stay white and ungraded.
void TstBateria::vereditosNaBancada()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    QTemporaryFile perfil;
    QVERIFY(perfil.open());
    perfil.write("resposta device  --key GasGauge -p = GasGauge properties\\n"
                 "    charge-percentage: \"60%\"\\n    design-capacity: \"abcmAh\"\\n"
                 "    nominal-capacity: \"2186mAh\"\\n    voltage: \"3800mV\"\\n    current: \"0mA\"\\n"
                 "    temperature: \"25C\"\\n\n");
    perfil.close();
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 7", "--placa", perfil.fileName()}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 7", "A1660"));
    QStringList registro;
    DefineDestinoVereditos([&registro](const QString& l) { registro << l; });
    auto* janela = amb.janelas.mostra<Bateria>("Bateria");
    QTRY_COMPARE_WITH_TIMEOUT(janela->info(1), QString("*"), 15000);
    DefineDestinoVereditos({});

    const struct {
        int i;
        const char* texto;
        Veredito v;
    } casos[] = {{0, "", Veredito::SemLeitura}, {1, "*", Veredito::SemLeitura}, {2, "60% ", Veredito::NaoGraduado}};
    for (const auto& k : casos) {
        auto* l = janela->findChild<QLabel*>(QStringLiteral("Info(%1)").arg(k.i));
        QCOMPARE(l->text(), QString::fromUtf8(k.texto));
        QCOMPARE(l->property("veredito").toString(), NomeVeredito(k.v));
        QCOMPARE(l->palette().color(QPalette::Window),
                 k.v == Veredito::NaoGraduado ? QColor(Qt::white) : corVeredito(k.v));
        QCOMPARE(l->toolTip(), k.v == Veredito::NaoGraduado ? QString() : TextoVeredito(k.v));
        const QString linha = QStringLiteral("veredito | Bateria | %1 | %2 |  | %3")
                                  .arg(ChavesTitulos().at(k.i), l->text(), NomeVeredito(k.v));
        QVERIFY2(registro.contains(linha), qPrintable(linha + "\n" + registro.join("\n")));
    }
    QCOMPARE(registro.size(), NumeroValores);
    capturaJanela(janela, QStringLiteral("bateria_sem_leitura"));

    // A new reading clears the verdicts with the values.
    janela->btBateria_Click();
    auto* saude = janela->findChild<QLabel*>("Info(0)");
    QCOMPARE(saude->property("veredito").toString(), NomeVeredito(Veredito::NaoGraduado));
    QCOMPARE(saude->toolTip(), QString());
}

QTEST_MAIN(TstBateria)
#include "tst_bateria.moc"
