// The additional tests: the RAM verdict and the live note as tables, then the window against the
// bench board (both RAM tests, the live answer of the long one, a failing test, the battery
// button and the panic PDF).
#include "apoio/LigacaoAberta.h"
#include "apoio/AmbienteJanelas.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "boardtests/OutrosTestes.h"
#include "boardtests/janelas/Bateria.h"
#include "boardtests/janelas/Outros.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>

using namespace ModuloOutros;

class TstOutros : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void passou_data();
    void passou();
    void testesENotas();

    void ramNaBancada();
    void ram1MBComEspelho();
    void ramQueFalha();
    void bateriaEPdf();
};

void TstOutros::initTestCase()
{
    DefineIdioma(1);
}

void TstOutros::passou_data()
{
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<bool>("ok");
    QTest::newRow("Passed") << "Memory test Passed" << true;
    QTest::newRow("Pass alone") << "Pass" << true;
    QTest::newRow("capitals only") << "MEMORY TEST PASS" << false;
    QTest::newRow("lower case") << "memory test passed" << false;
    QTest::newRow("failed") << "Memory test FAILED" << false;
    QTest::newRow("empty") << "" << false;
}

void TstOutros::passou()
{
    QFETCH(QString, resposta);
    QFETCH(bool, ok);
    QCOMPARE(Passou(resposta), ok);
}

void TstOutros::testesENotas()
{
    QCOMPARE(teste(TesteRam).comando, QString("testmemory"));
    QVERIFY(!teste(TesteRam).espelho);
    QCOMPARE(teste(TesteRam1MB).comando, QString("testmemory --1MB"));
    QVERIFY(teste(TesteRam1MB).espelho);
    QCOMPARE(teste(TesteRam1MB).nomeCI, QString("RAM"));
    QCOMPARE(teste(4).comando, QString());
    QCOMPARE(LegendaTeste(TesteRam), "MEM RAM " + L("Teste"));
    QCOMPARE(LegendaTeste(TesteRam1MB), "MEM RAM " + L("Teste") + " 1MB");
    QCOMPARE(Espelho("\r\nabc"), L("TESTE 15s") + "\r\n\r\nabc");
    QCOMPARE(CaminhoPdfPanic("/opt/vt"), QString("/opt/vt/xPanicFull.pdf"));
}

// ---------------------------------------------------------------------- against the bench board

void TstOutros::ramNaBancada()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 7"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 7", "A1660"));
    auto* janela = amb.janelas.mostra<Outros>("Outros");
    QVERIFY(janela);
    QCOMPARE(janela->findChild<QLabel*>("lbDispositivo")->text(), L("Modelo") + ": IP 7  A1660");

    janela->findChild<QPushButton*>("btBl(5)")->click();
    auto* ok = janela->findChild<QWidget*>("OK(0)");
    QTRY_VERIFY_WITH_TIMEOUT(ok->isVisible(), 10000);
    QCOMPARE(janela->lbStatus(), L("COMUNICAÇÃO OK"));
    QCOMPARE(janela->lbIC(), QString("RAM"));
    QVERIFY(janela->findChild<QWidget*>("lbStatus2")->isVisible());
    QVERIFY(janela->txtDados().contains("Pass"));
    QVERIFY(!janela->txtDados().contains("testmemory"));
    QVERIFY(!janela->txtComparador().isEmpty());
    QCOMPARE(bancada.registro(), QByteArray("testmemory\r"));

    // Another requester's exchange since then: the window's refresh still shows the recording
    // of its own command, not of whatever went through the link last.
    const QString gravado = janela->txtComparador();
    QVERIFY(amb.aguardaOcioso());
    QVERIFY(solicita(amb.ligacao, "99", "help"));
    QVERIFY(amb.aguardaOcioso());
    janela->atualizaJanelaAberta();
    QCOMPARE(janela->txtComparador(), gravado);
}

void TstOutros::ram1MBComEspelho()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    Bancada bancada;
    // The answer in pieces, so that it grows over several polls.
    QVERIFY(bancada.inicia({"--modelo", "IP 7", "--lento", "60", "--pedaco", "1500"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 7", "A1660"));
    auto* janela = amb.janelas.mostra<Outros>("Outros");

    janela->btBl_Click(TesteRam1MB);
    QCOMPARE(janela->txtDados(), L("TESTE 15s"));
    QVERIFY(amb.ligacao.espelhoAtivo());
    // While the answer grows the note stays the first line.
    QTRY_VERIFY_WITH_TIMEOUT(janela->txtDados().contains("block 0x"), 10000);
    QVERIFY(amb.ligacao.estado() == EstadoLigacao::Ocupada);
    QVERIFY(janela->txtDados().startsWith(L("TESTE 15s") + "\r\n"));
    QVERIFY(!janela->txtDados().contains("testmemory --1MB"));

    QVERIFY(amb.aguardaOcioso(30000));
    QVERIFY(!amb.ligacao.espelhoAtivo());
    // The whole answer replaces the mirror when it is graded, on the turn after its delivery.
    QTRY_VERIFY_WITH_TIMEOUT(janela->findChild<QWidget*>("OK(0)")->isVisible(), 5000);
    QVERIFY(!janela->txtDados().startsWith(L("TESTE 15s")));
    QVERIFY(janela->txtDados().contains("Memory test Passed"));
    QCOMPARE(janela->lbStatus(), L("COMUNICAÇÃO OK"));
    QCOMPARE(bancada.registro(), QByteArray("testmemory --1MB\r"));
}

void TstOutros::ramQueFalha()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    QTemporaryFile perfil;
    QVERIFY(perfil.open());
    perfil.write("resposta testmemory = Testing DRAM...\\n  data bus test ... FAIL at 0x80000010\\n"
                 "MEMORY TEST: NO PASS\\n\n");
    perfil.close();
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP X", "--placa", perfil.fileName()}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP X", "A1865"));
    auto* janela = amb.janelas.mostra<Outros>("Outros");

    janela->btBl_Click(TesteRam);
    auto* no = janela->findChild<QWidget*>("NO(0)");
    QTRY_VERIFY_WITH_TIMEOUT(no->isVisible(), 10000);
    QVERIFY(!janela->findChild<QWidget*>("OK(0)")->isVisible());
    QCOMPARE(janela->lbStatus(), QString("Sem Comunicação"));

    // Busy: the wait note, nothing sent.
    amb.ligacao.defineEstado(EstadoLigacao::Ocupada);
    janela->btBl_Click(TesteRam);
    auto* espera = janela->findChild<QLabel*>("lbAguarde");
    QVERIFY(espera->isVisible());
    QCOMPARE(espera->text(), L("Aguarde..."));
    // The last verdict stays until a test really runs.
    QVERIFY(no->isVisible());
    amb.ligacao.defineEstado(EstadoLigacao::Ociosa);
    QCOMPARE(bancada.registro(), QByteArray("testmemory\r"));
}

void TstOutros::bateriaEPdf()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 7"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 7", "A1660"));
    auto* janela = amb.janelas.mostra<Outros>("Outros");

    janela->findChild<QPushButton*>("btPanicFull")->click();
    QCOMPARE(roteiro.roteiro.abertos, QStringList{pasta.caminho() + "/xPanicFull.pdf"});

    QCOMPARE(janela->findChild<QPushButton*>("btBateria")->text(),
             L("Bateria").toUpper() + " " + L("Informações"));
    janela->findChild<QPushButton*>("btBateria")->click();
    QCOMPARE(amb.janelas.nomesAbertos(), QStringList{"Bateria"});
    QVERIFY(!amb.janelas.aberta("Outros"));
    QVERIFY(amb.janelas.aberta("Bateria"));
    // The battery window opened on an idle link and reads at once.
    QVERIFY(bancada.esperaRegistro("battery --properties\r"));
    QVERIFY(amb.aguardaOcioso());
}

QTEST_MAIN(TstOutros)
#include "tst_outros.moc"
