// The RF tests: the radio verdicts and the reference groups as tables, then the radio window
// against the bench board (a radio that comes on, one that does not, GPS on the "IP 6" family)
// and the reference window over the shipped table Rf.
#include "apoio/AmbienteJanelas.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "boardtests/RfRadios.h"
#include "boardtests/janelas/RFs.h"
#include "boardtests/janelas/RFs_Esq.h"
#include "db/Banco.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "i18n/IdiomaAtivo.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <QTest>

using namespace ModuloRf;

namespace {
QStringList colunas(QSqlQueryModel* m, const QString& campo)
{
    QStringList r;
    for (int i = 0; i < m->rowCount(); ++i)
        r << m->record(i).value(campo).toString();
    return r;
}

QString textoMsgIp6()
{
    return CaixaDaMensagem("MSG_NAO_PARA_IP6", 1)->texto;
}
} // namespace

class TstRfs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sucesso_data();
    void sucesso();
    void veredicto();
    void recusaGps_data();
    void recusaGps();
    void comandos();
    void grupoReferencia_data();
    void grupoReferencia();
    void caixasDeErro();

    void radiosNaBancada();
    void radioQueNaoLiga();
    void gpsNaFamiliaIp6();
    void esperaEComparador();
    void referenciasRf();
    void referenciasSemTabela();
};

void TstRfs::initTestCase()
{
    DefineIdioma(1);
}

void TstRfs::sucesso_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<bool>("ok");
    for (int r = 0; r < NumeroRadios; ++r)
        QTest::addRow("OK anywhere, radio %d", r) << r << "xx OKAY xx" << true;
    QTest::newRow("baseband already on") << 0 << "Baseband is already powered on" << true;
    QTest::newRow("baseband HSIC") << 0 << "BB_HSIC_RDY asserted" << true;
    QTest::newRow("baseband bare power on") << 0 << "powered on" << false;
    QTest::newRow("bluetooth Already on") << 1 << "Already on" << true;
    QTest::newRow("bluetooth already on, lower case") << 1 << "already on" << false;
    QTest::newRow("wifi on success") << 2 << "Wifi power on success" << true;
    QTest::newRow("wifi failed") << 2 << "Wifi power on failed" << false;
    QTest::newRow("wifi ok in lower case") << 2 << "ok" << false;
    QTest::newRow("gps already on") << 3 << "GPS is already on" << true;
    QTest::newRow("nfc powered on") << 4 << "Stockholm powered on" << true;
    QTest::newRow("nfc on success is not its text") << 4 << "on success" << false;
    QTest::newRow("empty") << 1 << "" << false;
}

void TstRfs::sucesso()
{
    QFETCH(int, radio);
    QFETCH(QString, resposta);
    QFETCH(bool, ok);
    QCOMPARE(Sucesso(radio, resposta), ok);
}

void TstRfs::veredicto()
{
    const Veredicto bom = AvaliaRadio(2, "\r\nwifi --on\r\r\nWifi power on success\r\n");
    QVERIFY(bom.ok);
    QCOMPARE(bom.lbStatius, QString("Wifi\r\nComunicação OK"));
    QCOMPARE(bom.corFundo, QString("&H0000FF00"));
    QCOMPARE(bom.txtDados, QString("\r\nwifi --on\r\r\nWifi power on success\r\n"));

    const Veredicto mau = AvaliaRadio(4, "falhou");
    QVERIFY(!mau.ok);
    QCOMPARE(mau.lbStatius, QString("NFC\r\nSem Comunicação"));
    QCOMPARE(mau.corFundo, QString("&H00808080"));
    QCOMPARE(mau.txtDados, QString("falhou\r\n\r\nRepita o processo."));
}

void TstRfs::recusaGps_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<bool>("recusado");
    for (const char* m : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus"})
        QTest::addRow("GPS %s", m) << RadioGps << m << true;
    for (const char* m : {"IP 7", "IP 8 Plus", "IP X"})
        QTest::addRow("GPS %s", m) << RadioGps << m << false;
    QTest::newRow("wifi IP 6") << 2 << "IP 6" << false;
    QTest::newRow("NFC IP 6s Plus") << 4 << "IP 6s Plus" << false;
}

void TstRfs::recusaGps()
{
    QFETCH(int, radio);
    QFETCH(QString, modelo);
    QFETCH(bool, recusado);
    QCOMPARE(Recusado(radio, modelo), recusado);
}

void TstRfs::comandos()
{
    // NFC has no switch-off of its own.
    QCOMPARE(radio(4).comandoOff, QString("stockholm --on"));
    QCOMPARE(radio(2).comandoPropriedades, QString("wifi --properties"));
    QCOMPARE(radio(3).comandoPropriedades, QString("gps --getinfo"));
    QCOMPARE(radio(0).comandoPropriedades, QString("baseband -p"));
}

void TstRfs::grupoReferencia_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("letra");
    QTest::newRow("IP 6s INT.") << "IP 6s" << 1 << "T";
    QTest::newRow("IP 6s QUAL.") << "IP 6s" << 2 << "T";
    QTest::newRow("IP 6 Plus QUAL.") << "IP 6 Plus" << 2 << "T";
    QTest::newRow("IP 7 INT.") << "IP 7" << 1 << "I";
    QTest::newRow("IP 7 QUAL.") << "IP 7" << 2 << "Q";
    QTest::newRow("IP X QUAL.") << "IP X" << 2 << "Q";
    QTest::newRow("not exactly a family model") << "IP 6s Plus " << 2 << "Q";
}

void TstRfs::grupoReferencia()
{
    QFETCH(QString, modelo);
    QFETCH(int, tipo);
    QFETCH(QString, letra);
    QCOMPARE(LetraGrupo(modelo, tipo), letra);
}

void TstRfs::caixasDeErro()
{
    const CaixaErro modelo = ErroReferencias("Erro de sintaxe", 3075);
    QCOMPARE(modelo.texto, QString("Erro de sintaxe MODELO NAO ENCONTRADO Nº: 3075"));
    QCOMPARE(modelo.titulo, QString("Nº 3075"));
    const CaixaErro outro = ErroReferencias("no such table: Rf", 1);
    QCOMPARE(outro.texto, QString("no such table: Rf Nº: 1"));
    QCOMPARE(outro.titulo, QString("Nº 1"));
}

// ---------------------------------------------------------------------- against the bench board

void TstRfs::radiosNaBancada()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 7"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 7", "A1660"));
    auto* janela = amb.janelas.mostra<RFs>("RFs");
    QVERIFY(janela);
    auto* botoes = janela->findChild<QWidget*>("FrameBotoes");
    auto* ocupado = janela->findChild<QWidget*>("FrameVCore");
    auto* ok = janela->findChild<QWidget*>("OK(0)");
    auto* no = janela->findChild<QWidget*>("NO(0)");
    auto* nota = janela->findChild<QWidget*>("lbStatus2");

    // Wi-Fi on: busy panel and buttons locked until the answer, then the verdict.
    janela->findChild<QPushButton*>("btOn(2)")->click();
    QVERIFY(ocupado->isVisible());
    QVERIFY(!botoes->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(ok->isVisible(), 10000);
    QVERIFY(!no->isVisible());
    QVERIFY(nota->isVisible());
    QVERIFY(botoes->isEnabled());
    QVERIFY(!ocupado->isVisible());
    QCOMPARE(janela->lbStatius(), "Wifi\r\n" + L("COMUNICAÇÃO OK"));
    QCOMPARE(janela->corFundo(2), QString("&H0000FF00"));
    QVERIFY(!janela->txtDados().contains("wifi --on"));
    // The recorded answer of the same command for the model is beside it.
    QVERIFY(!janela->txtComparador().isEmpty());
    QCOMPARE(bancada.registro(), QByteArray("wifi --on\r"));

    // Properties: verdict cleared, no verdict follows, the row keeps its colour.
    janela->findChild<QPushButton*>("btPropriedades(2)")->click();
    QVERIFY(!ok->isVisible());
    QCOMPARE(janela->lbStatius(), QString());
    QVERIFY(amb.aguardaOcioso());
    QTRY_VERIFY(!janela->txtDados().isEmpty());
    QTest::qWait(1200);
    QVERIFY(!ok->isVisible() && !no->isVisible() && !nota->isVisible());
    QCOMPARE(janela->corFundo(2), QString("&H0000FF00"));
    QVERIFY(bancada.registro().endsWith("wifi --properties\r"));

    // NFC on turns its row green; NFC off sends the switch-on again and turns it white.
    janela->btOn_Click(4);
    QTRY_VERIFY_WITH_TIMEOUT(ok->isVisible(), 10000);
    QCOMPARE(janela->corFundo(4), QString("&H0000FF00"));
    janela->findChild<QPushButton*>("btOff(4)")->click();
    QCOMPARE(janela->corFundo(4), QString("&H00FFFFFF"));
    QVERIFY(botoes->isEnabled());
    QVERIFY(amb.aguardaOcioso());
    QTRY_VERIFY(!janela->txtDados().isEmpty());
    QTest::qWait(1200);
    QVERIFY(!ok->isVisible() && !no->isVisible());
    QVERIFY(bancada.registro().endsWith("stockholm --on\rstockholm --on\r"));
    QVERIFY(roteiro.roteiro.mostradas.isEmpty());
}

void TstRfs::radioQueNaoLiga()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    QTemporaryFile perfil;
    QVERIFY(perfil.open());
    perfil.write("resposta wifi --on = Wifi power on failed: firmware not responding\\n\n");
    perfil.close();
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 8", "--placa", perfil.fileName()}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 8", "A1863"));
    auto* janela = amb.janelas.mostra<RFs>("RFs");

    janela->btOn_Click(2);
    auto* no = janela->findChild<QWidget*>("NO(0)");
    QTRY_VERIFY_WITH_TIMEOUT(no->isVisible(), 10000);
    QVERIFY(!janela->findChild<QWidget*>("OK(0)")->isVisible());
    QCOMPARE(janela->lbStatius(), "Wifi\r\n" + L("COMUNICAÇÃO OFF"));
    QCOMPARE(janela->corFundo(2), QString("&H00808080"));
    QVERIFY(janela->txtDados().contains("firmware not responding"));
    QVERIFY(janela->txtDados().endsWith("\r\n\r\n" + L("REPITA PROCESSO")));
    QVERIFY(janela->findChild<QWidget*>("FrameBotoes")->isEnabled());
}

void TstRfs::gpsNaFamiliaIp6()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 6s Plus"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 6s Plus", "A1634"));
    auto* janela = amb.janelas.mostra<RFs>("RFs");

    janela->btOn_Click(3);
    janela->btOff_Click(3);
    janela->btPropriedades_Click(3);
    QCOMPARE(roteiro.roteiro.textos(), QStringList(3, textoMsgIp6()));
    // After the refused switch-on the window is usable again and nothing went out.
    QVERIFY(janela->findChild<QWidget*>("FrameBotoes")->isEnabled());
    QVERIFY(!janela->findChild<QWidget*>("FrameVCore")->isVisible());
    QCOMPARE(amb.ligacao.estado(), EstadoLigacao::Ociosa);
    QCOMPARE(amb.ligacao.requisitante(), QString("0"));
    QTest::qWait(300);
    QCOMPARE(bancada.registro(), QByteArray());

    // Another radio still goes out on the same model.
    janela->btOn_Click(1);
    QTRY_VERIFY_WITH_TIMEOUT(janela->findChild<QWidget*>("OK(0)")->isVisible(), 10000);
    QCOMPARE(bancada.registro(), QByteArray("bluetooth --on\r"));
}

void TstRfs::esperaEComparador()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    AmbienteJanelas amb; // no link
    auto* janela = amb.janelas.mostra<RFs>("RFs");
    auto* espera = janela->findChild<QLabel*>("lbAguarde");

    janela->btOn_Click(0);
    QVERIFY(espera->isVisible());
    QCOMPARE(espera->text(), L("Desconectado") + "!");
    janela->btOff_Click(0);
    QCOMPARE(espera->text(), L("Desconectado"));
    QVERIFY(janela->findChild<QWidget*>("FrameBotoes")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!espera->isVisible(), 3000);
    amb.ligacao.defineEstado(EstadoLigacao::Ocupada);
    janela->btPropriedades_Click(0);
    QCOMPARE(espera->text(), L("Aguarde..."));
    amb.ligacao.defineEstado(EstadoLigacao::Desconectada);

    // The comparator widens the window and back.
    QCOMPARE(janela->width(), Twips::paraPixels(13170));
    janela->findChild<QPushButton*>("btComparador")->click();
    QCOMPARE(janela->width(), Twips::paraPixels(18540));
    QCOMPARE(janela->height(), Twips::paraPixels(8100));
    QVERIFY(janela->findChild<QWidget*>("FrameComparador")->isVisible());
    janela->findChild<QPushButton*>("btComparador")->click();
    QCOMPARE(janela->size(), QSize(Twips::paraPixels(13170), Twips::paraPixels(8100)));
    QVERIFY(!janela->findChild<QWidget*>("FrameComparador")->isVisible());
}

void TstRfs::referenciasRf()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    AmbienteJanelas amb;
    amb.sessao.defineModelo("IP 7");
    auto* rfs = amb.janelas.mostra<RFs>("RFs");
    rfs->findChild<QPushButton*>("btTensoesRF")->click();
    auto* janela = amb.janelas.aberta<RFs_Esq>("RFs_Esq");
    QVERIFY(janela);
    auto* combo = janela->findChild<QComboBox*>("ComboAparelhos");
    QCOMPARE(combo->currentText(), QString("IP 7"));
    QCOMPARE(combo->count(), 9);

    // "INT." at load.
    QSqlQueryModel* dados = janela->data1();
    QVERIFY(dados->rowCount() > 0);
    QCOMPARE(colunas(dados, "Tipo"), QStringList(dados->rowCount(), "I"));

    janela->findChild<QPushButton*>("Botao2")->click();
    const QStringList malhas = colunas(dados, "Malha");
    QVERIFY(!malhas.isEmpty());
    QCOMPARE(colunas(dados, "Tipo"), QStringList(malhas.size(), "Q"));
    QCOMPARE(colunas(dados, "Modelo"), QStringList(malhas.size(), "IP 7"));
    QStringList ordenadas = malhas;
    std::sort(ordenadas.begin(), ordenadas.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(malhas, ordenadas);
    QVERIFY(malhas.contains("PP1V8_GPS"));
    QCOMPARE(dados->headerData(1, Qt::Horizontal).toString(), L("Malha"));
    QCOMPARE(dados->headerData(3, Qt::Horizontal).toString(), L("Referência"));

    // The family of "IP 6" has one group, whichever button.
    combo->setCurrentText("IP 6s");
    QCOMPARE(colunas(dados, "Tipo"), QStringList(dados->rowCount(), "T"));
    QCOMPARE(colunas(dados, "Modelo"), QStringList(dados->rowCount(), "IP 6s"));
    janela->Botao1_Click();
    QCOMPARE(colunas(dados, "Tipo"), QStringList(dados->rowCount(), "T"));
    // Its list is its own.
    QCOMPARE(amb.sessao.modelo(), QString("IP 7"));

    // No model: no query, the rows stay.
    const int linhas = dados->rowCount();
    combo->setCurrentIndex(-1);
    QCOMPARE(dados->rowCount(), linhas);
    QCOMPARE(colunas(dados, "Modelo").value(0), QString("IP 6s"));
    QVERIFY(roteiro.roteiro.mostradas.isEmpty());
}

void TstRfs::referenciasSemTabela()
{
    PastaAplicacaoTemporaria pasta;
    {
        Banco b(pasta.banco());
        QVERIFY(b.executa("DROP TABLE Rf"));
    }
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    AmbienteJanelas amb;
    amb.sessao.defineModelo("IP 8");
    QVERIFY(amb.janelas.mostra("RFs_Esq"));
    QCOMPARE(roteiro.roteiro.mostradas.size(), 1);
    const auto caixa = roteiro.roteiro.mostradas.first().caixa;
    QVERIFY2(caixa.texto.contains("Rf") && caixa.texto.contains(" Nº: "), qPrintable(caixa.texto));
    QVERIFY(caixa.titulo.startsWith("Nº "));
    QCOMPARE(caixa.icone, Dialogos::Icone::Critico);
}

QTEST_MAIN(TstRfs)
#include "tst_rfs.moc"
