// The buck check: the parsing of the phone's "buck" and "buckcheck" answers as tables, then
// the window against the bench board with the recorded answer beside the live one.
#include "CenarioTrilhas.h"
#include "i18n/IdiomaAtivo.h"
#include "ui/Controles.h"

#include "i18n/Dicionario.h"
#include "rails/BuckCheck.h"
#include "rails/janelas/BuckTeste.h"
#include "shell/Ligacao.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

Q_DECLARE_METATYPE(QList<ItemBuck>)

namespace {
const QString Prompt = QStringLiteral("[0D1F2E3C:5A4B6C7D] :-) ");

ItemBuck leitura(const QString& t) { return {t, IconeBuck::Leitura}; }

QList<int> icones(QListWidget* l)
{
    QList<int> r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->data(Qt::UserRole).toInt();
    return r;
}

QStringList textos(QListWidget* l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

bool espera(BuckTeste* w, CenarioTrilhas& c)
{
    return c.ambiente->aguardaOcioso() && QTest::qWaitFor([&] { return filho<QFrame>(w, "FrameVCore")->isHidden(); }, 5000);
}
} // namespace

class TstJanelasBuckTeste : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DefineIdioma(1); }
    void listaBuck_data();
    void listaBuck();
    void listaBuckcheck_data();
    void listaBuckcheck();
    void comandoBuck_data();
    void comandoBuck();
    void infoBucksPorModelo();
    void vereditoDasSaidasPorModelo_data();
    void vereditoDasSaidasPorModelo();
    void buckEBuckcheckDaPlacaComOGravado();
    void toleranciaForaDeFaixaNaoEnvia();
    void saidaForaDaReferenciaFalhaNoBuckcheck();
    void botoesVoltamParaBuckLdo();
};

void TstJanelasBuckTeste::listaBuck_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QList<ItemBuck>>("itens");
    QTest::newRow("desde buck0") << "buck\r\r\nbuck0: 825.000 mV\r\nbuck1: 0.000 mV\r\n" + Prompt
                                 << QList<ItemBuck>{leitura("   buck0 voltage: 0.825 V"), leitura("   buck1 voltage: 0.000 V")};
    QTest::newRow("desde buck1, numeracao propria")
        << "buck1: 1800.000 mV\r\nbuck3: 12345.500 mV\r\n" + Prompt
        << QList<ItemBuck>{leitura("   buck1 voltage: 1.800 V"), leitura("   buck2 voltage: 12.345 V")};
    QTest::newRow("resposta de buckcheck") << "buck0: target 825 mV, measured 825.000 mV - PASS\r\n" + Prompt
                                           << QList<ItemBuck>{};
    QTest::newRow("sem mV") << "buck0: 825\r\n" + Prompt << QList<ItemBuck>{};
    // A line without its "mV" gives no item, keeps its number and never reaches the next line.
    QTest::newRow("linha sem mV guarda o numero")
        << "buck\r\r\nbuck0: timeout\r\nbuck1: 800.000 mV\r\n" + Prompt
        << QList<ItemBuck>{leitura("   buck1 voltage: 0.800 V")};
    QTest::newRow("40 linhas sem mV") << QString("buck0: timeout\r\n").repeated(40) + "buck40: 825.000 mV\r\n" + Prompt
                                      << QList<ItemBuck>{leitura("   buck40 voltage: 0.825 V")};
    QTest::newRow("vazio") << QString() << QList<ItemBuck>{};
    QTest::newRow("negativo, sem ponto, mV colado")
        << "buck0: -825.000 mV\r\nbuck1: 825 mV\r\nbuck2:mV\r\n" + Prompt
        << QList<ItemBuck>{leitura("   buck0 voltage: -0.825 V"), leitura("   buck1 voltage: 825 V"),
                           leitura("   buck2 voltage:  V")};
}

void TstJanelasBuckTeste::listaBuck()
{
    QFETCH(QString, texto);
    QFETCH(QList<ItemBuck>, itens);
    QCOMPARE(ListaBuck(texto), itens);
    QCOMPARE(ListaPorModo(ModoBuck::Buck, texto), itens);
}

void TstJanelasBuckTeste::listaBuckcheck_data()
{
    const QString ref = L("Referência"), lei = L("Leitura");
    auto item = [&](int n, const QString& alvo, const QString& medido, const QString& veredito, IconeBuck i) {
        return ItemBuck{QString("   buck%1: %2: %3 V - %4:  %5 V : %6").arg(n).arg(ref, alvo, lei, medido, veredito), i};
    };
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QList<ItemBuck>>("itens");
    QTest::newRow("passa e falha")
        << "buck0: target 825 mV, measured 826.500 mV - PASS\nbuck1: target 775 mV, measured 0.000 mV - FAIL\n" + Prompt
        << QList<ItemBuck>{item(0, "0.825", "0.826", "PASS", IconeBuck::Passou),
                           item(1, "0.775", "0.000", "FAIL", IconeBuck::Falhou)};
    QTest::newRow("alvos por digitos")
        << "buck1: target 5 mV, measured 5.000 mV - PASS\nbuck2: target 12345 mV, measured 12345.000 mV - PASS\n"
           "buck3: target 1800 mV, measured 1800.000 mV - PASS\nbuck4: target 80 mV, measured 80.000 mV - PASS\n"
        << QList<ItemBuck>{item(1, "0.005", "0.005", "PASS", IconeBuck::Passou),
                           item(2, "12.34", "12.345", "PASS", IconeBuck::Passou),
                           item(3, "1.800", "1.800", "PASS", IconeBuck::Passou),
                           item(4, "0.080", "0.080", "PASS", IconeBuck::Passou)};
    QTest::newRow("outro veredito falha") << "buck0: target 825 mV, measured 700.000 mV - WARN\n"
                                          << QList<ItemBuck>{item(0, "0.825", "0.700", "WARN", IconeBuck::Falhou)};
    QTest::newRow("resposta de buck") << "buck0: 825.000 mV\r\n" + Prompt << QList<ItemBuck>{};
    QTest::newRow("sem measured") << "buck0: target 825 mV\r\n" + Prompt << QList<ItemBuck>{};
    QTest::newRow("linha incompleta guarda o numero")
        << "buck0: target 825 mV - TIMEOUT\nbuck1: target 775 mV, measured 775.000 mV - PASS\n" + Prompt
        << QList<ItemBuck>{item(1, "0.775", "0.775", "PASS", IconeBuck::Passou)};
    // The target fills five characters and the measured value eleven before its conversion.
    QTest::newRow("alvo de seis digitos, medido longo")
        << "buck0: target 123456 mV, measured 1234567.891234 mV - PASS\n"
        << QList<ItemBuck>{item(0, "12345", "1234567", "PASS", IconeBuck::Passou)};
    QTest::newRow("medido sem ponto fica com os brancos")
        << "buck0: target 825 mV, measured 700 mV - PASS\n"
        << QList<ItemBuck>{item(0, "0.825", "700        ", "PASS", IconeBuck::Passou)};
    QTest::newRow("medido negativo") << "buck0: target 825 mV, measured -12.5 mV - PASS\n"
                                     << QList<ItemBuck>{item(0, "0.825", "-0.012", "PASS", IconeBuck::Passou)};
    QTest::newRow("veredito cortado no fim da linha") << "buck0: target 1 mV, measured 5.5 mV - PA"
                                                      << QList<ItemBuck>{item(0, "0.001", "0.005", "PA", IconeBuck::Falhou)};
    QTest::newRow("alvo sem valor") << "buck0: target mV, measured 5.000 mV - PASS\n"
                                    << QList<ItemBuck>{item(0, "     ", "0.005", "PASS", IconeBuck::Passou)};
}

void TstJanelasBuckTeste::listaBuckcheck()
{
    QFETCH(QString, texto);
    QFETCH(QList<ItemBuck>, itens);
    QCOMPARE(ListaBuckcheck(texto), itens);
}

void TstJanelasBuckTeste::comandoBuck_data()
{
    QTest::addColumn<QString>("tolerancia");
    QTest::addColumn<QString>("comando"); // "" nothing is sent
    QTest::newRow("item com blank") << " 5" << "buckcheck 5";
    QTest::newRow("10") << "10" << "buckcheck 10";
    QTest::newRow("minimo") << "1" << "buckcheck 1";
    QTest::newRow("maximo") << "99" << "buckcheck 99";
    QTest::newRow("zero") << "0" << "";
    QTest::newRow("cem") << "100" << "";
    QTest::newRow("texto") << "dez" << "";
    QTest::newRow("vazio") << "" << "";
}

void TstJanelasBuckTeste::comandoBuck()
{
    QFETCH(QString, tolerancia);
    QFETCH(QString, comando);
    QCOMPARE(ComandoBuck(ModoBuck::Buckcheck, tolerancia).value_or(QString()), comando);
    QCOMPARE(ComandoBuck(ModoBuck::Buck, tolerancia), std::optional<QString>("buck"));
}

void TstJanelasBuckTeste::infoBucksPorModelo()
{
    QCOMPARE(TextoInfoBucks("IP 6"), "\r\n   buck1 = GPU = 0.000 V\r\n   buck6 = NC = 0.000 V\r\n\r\n   " + L("Buck6GPU")
                                         + "\r\n\r\n   " + L("VAR3"));
    QCOMPARE(TextoInfoBucks("IP 7 Plus"), "\r\n   buck1 = GPU = 0.000 V\r\n   buck8 = GPU = 0.000 V\r\n   buck9 = CAMERA = 0.000 V"
                                              "\r\n\r\n   " + L("VAR3"));
    QCOMPARE(TextoInfoBucks("IP 8 Plus"), "\r\n   buck1 = GPU = 0.000 V\r\n   buck8 = GPU = 0.000 V\r\n\r\n   " + L("VAR4"));
}

void TstJanelasBuckTeste::vereditoDasSaidasPorModelo_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QStringList>("semValor"); // GPU and camera outputs: no value in purple mode
    QTest::newRow("IP 6") << "IP 6" << QStringList{"buck1"}; // buck 6 is unconnected: graded
    QTest::newRow("IP 6 Plus") << "IP 6 Plus" << QStringList{"buck1"};
    QTest::newRow("IP 6s") << "IP 6s" << QStringList{"buck1", "buck6", "buck8"};
    QTest::newRow("IP 6s Plus") << "IP 6s Plus" << QStringList{"buck1", "buck6", "buck8"};
    QTest::newRow("IP 7") << "IP 7" << QStringList{"buck1", "buck8", "buck9"};
    QTest::newRow("IP 7 Plus") << "IP 7 Plus" << QStringList{"buck1", "buck8", "buck9"};
    QTest::newRow("IP 8") << "IP 8" << QStringList{"buck1", "buck8"};
    QTest::newRow("IP 8 Plus") << "IP 8 Plus" << QStringList{"buck1", "buck8"};
    QTest::newRow("IP X") << "IP X" << QStringList{"buck1", "buck8"};
}

void TstJanelasBuckTeste::vereditoDasSaidasPorModelo()
{
    // The phone's PASS or FAIL is the verdict, except on an output without a value in purple
    // mode on the model, which is not measurable either way (a good "IP 6" prints FAIL on buck 1);
    // a plain reading is not graded.
    QFETCH(QString, modelo);
    QFETCH(QStringList, semValor);
    for (int n = 0; n <= 11; ++n) {
        const QString saida = QString("buck%1").arg(n);
        for (const IconeBuck icone : {IconeBuck::Passou, IconeBuck::Falhou}) {
            const ItemBuck item{"   " + saida + ": x : PASS", icone};
            QCOMPARE(SaidaDoItem(item), saida);
            const Veredito esperado = semValor.contains(saida) ? Veredito::NaoMensuravel
                                                               : VereditoDe(icone == IconeBuck::Passou);
            QCOMPARE(VereditoBuck(item, modelo), esperado);
        }
        QCOMPARE(VereditoBuck(leitura("   " + saida + " voltage: 0.825 V"), modelo), Veredito::NaoGraduado);
    }
}

void TstJanelasBuckTeste::buckEBuckcheckDaPlacaComOGravado()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 8", "A1863"));
    auto* w = c.janelas().mostra<BuckTeste>("BuckTeste");
    QCOMPARE(w->windowTitle(), QString("Buck & Ldo - Vexador Tarrim"));
    QCOMPARE(filho<QLabel>(w, "lbInfoBucks")->text(), TextoInfoBucks("IP 8"));
    auto* vivo = filho<QListWidget>(w, "ListView");
    auto* gravado = filho<QListWidget>(w, "ListViewComparador");

    filho<QPushButton>(w, "btBl(3)")->click();
    QVERIFY(espera(w, c));
    QCOMPARE(c.pedidos("buck"), 1);
    QVERIFY(vivo->count() >= 10);
    QVERIFY(textos(vivo).first().startsWith("   buck0 voltage: 0."));
    QCOMPARE(icones(vivo), QList<int>(vivo->count(), 3));
    QVERIFY(w->txtDados().isEmpty()); // parsed
    // The recorded "buck" answer of the model, parsed the same way.
    QVERIFY(!w->txtComparador().isEmpty());
    QCOMPARE(textos(gravado).size(), ListaBuck(w->txtComparador()).size());
    QVERIFY(gravado->count() > 0);

    // "Original" parses again only what arrived since: nothing.
    const int antes = vivo->count();
    filho<QPushButton>(w, "btOriginal")->click();
    QCOMPARE(vivo->count(), antes);

    filho<QComboBox>(w, "Combo1")->setCurrentText("10");
    filho<QPushButton>(w, "btBl(4)")->click();
    QVERIFY(espera(w, c));
    QCOMPARE(c.pedidos("buckcheck 10"), 1);
    QCOMPARE(vivo->count(), antes); // the lists start again
    for (int i = 0; i < vivo->count(); ++i)
        QCOMPARE(vivo->item(i)->data(Qt::UserRole).toInt(), vivo->item(i)->text().endsWith("PASS") ? 1 : 2);
    QVERIFY(icones(vivo).contains(1));
    QVERIFY(gravado->count() > 0);
    QVERIFY(textos(gravado).first().contains(L("Referência")));

    // "buck" puts the tolerance back to 5.
    filho<QPushButton>(w, "btBl(3)")->click();
    QVERIFY(espera(w, c));
    QCOMPARE(filho<QComboBox>(w, "Combo1")->currentText(), QString("5"));
}

void TstJanelasBuckTeste::toleranciaForaDeFaixaNaoEnvia()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 7", "A1660"));
    auto* w = c.janelas().mostra<BuckTeste>("BuckTeste");
    filho<QComboBox>(w, "Combo1")->setCurrentText("0");
    filho<QPushButton>(w, "btBl(4)")->click();
    QCOMPARE(c.ligacao().estado(), EstadoLigacao::Ociosa);
    QVERIFY(filho<QFrame>(w, "FrameVCore")->isHidden());
    QTest::qWait(200);
    QCOMPARE(c.pedidos("buckcheck 0"), 0);
    QVERIFY(c.bancada.registro().isEmpty());
}

void TstJanelasBuckTeste::saidaForaDaReferenciaFalhaNoBuckcheck()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 7", "A1660", {"--desvio", "5=12"}));
    auto* w = c.janelas().mostra<BuckTeste>("BuckTeste");
    filho<QComboBox>(w, "Combo1")->setCurrentText("10");
    filho<QPushButton>(w, "btBl(4)")->click();
    QVERIFY(espera(w, c));
    auto* vivo = filho<QListWidget>(w, "ListView");
    QVERIFY(vivo->count() > 5);
    const QListWidgetItem* buck5 = vivo->item(5);
    QVERIFY2(buck5->text().startsWith("   buck5: "), qPrintable(buck5->text()));
    QVERIFY2(buck5->text().endsWith("FAIL"), qPrintable(buck5->text()));
    QCOMPARE(buck5->data(Qt::UserRole).toInt(), 2);
    // The phone's FAIL is the program's fail verdict: red, with its word.
    QCOMPARE(buck5->background().color(), corVeredito(Veredito::Falha));
    QCOMPARE(buck5->toolTip(), TextoVeredito(Veredito::Falha));
    QCOMPARE(vivo->item(4)->background().color(), corVeredito(Veredito::Passa));
}

void TstJanelasBuckTeste::botoesVoltamParaBuckLdo()
{
    PastaAplicacaoTemporaria pasta;
    AmbienteJanelas amb;
    QPointer<BuckTeste> w = amb.janelas.mostra<BuckTeste>("BuckTeste");
    filho<QPushButton>(w, "Botao2")->click();
    QVERIFY(amb.janelas.aberta("BuckLdo"));
    QTRY_VERIFY(!w);
}

QTEST_MAIN(TstJanelasBuckTeste)
#include "tst_janelas_buckteste.moc"
