// A box that vanishes: the main window goes to the disconnected state at once, says so once,
// releases the waiting window, and connects by itself when the same COM number is back.
// Never after the user's own disconnect; a click or the time limit ends the waiting.
#include "apoio/LigacaoAberta.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "shell/Conexao.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "app/janelas/Inicial.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/JanelaFilha.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int PortaBancada = 16;

QString texto(const QString& chave)
{
    return CaixaDaMensagem(chave, 1, QString::number(PortaBancada)).value().texto;
}

QString st1(Inicial& w)
{
    return w.findChild<QLabel*>(QStringLiteral("St1"))->text();
}

// What the main window's console strip shows (its own text, line ends without the CR).
QString console(Inicial& w)
{
    return w.findChild<QPlainTextEdit*>(QStringLiteral("txtConsole"))->toPlainText();
}

int vezes(const QByteArray& registro, const QByteArray& trecho)
{
    return static_cast<int>(registro.count(trecho));
}

const QByteArray Rmd = "syscfg print RMd#\r";

} // namespace

class TstPerdaLigacao : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void perdaNoMeioDaResposta();
    void esperaTermina_data();
    void esperaTermina();
    void perdaEntreTrocas();
    void outroErroMantemLigacao();
    void fimDoTesteDeBotoesDepoisDaReconexao();
    void botoesSoComTelefoneConfirmado();
    void leiturasDepoisDaReconexao();

private:
    void clica(Inicial& w, int botao) { QTest::mouseClick(w.botao(botao), Qt::LeftButton); }
    bool esperaConectado(Inicial& w, int ms = 8000)
    {
        return QTest::qWaitFor([&] {
            return w.conexao().corStatus() == QLatin1String("Verde") && !w.conexao().consultaEmCurso()
                   && w.ligacao().estado() == EstadoLigacao::Ociosa
                   && w.findChild<QLabel*>(QStringLiteral("lbModelo"))->text() == QLatin1String("A1660");
        }, ms);
    }
    // The disconnected state exactly as button 1 leaves it (St1 aside: it tells the wait).
    void confereDesconectado(Inicial& w)
    {
        QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
        QVERIFY(!w.ligacao().porta()->isOpen());
        QCOMPARE(w.botao(1)->text(), L("Conectar"));
        QCOMPARE(w.conexao().corStatus(), QStringLiteral("Branco"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbModelo"))->text(), QString());
        QCOMPARE(w.windowTitle(), QStringLiteral("Vexador Tarrim v.2.31"));
        QVERIFY(!w.conexao().timerValidaPorta()->isActive());
        QVERIFY(!w.ligacao().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QVERIFY(!w.ligacao().findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    }

    PastaAplicacaoTemporaria* m_pasta = nullptr;
    RoteiroInstalado* m_caixas = nullptr;
};

void TstPerdaLigacao::init()
{
    m_pasta = new PastaAplicacaoTemporaria;
    m_caixas = new RoteiroInstalado;
    DefineIdioma(1);
}

void TstPerdaLigacao::cleanup()
{
    delete m_caixas;
    delete m_pasta;
}

void TstPerdaLigacao::perdaNoMeioDaResposta()
{
    Bancada b;
    QVERIFY(b.inicia({"--queda", "2", "--volta-apos", "1"}, PortaBancada));
    Inicial w(ContextoTeste());
    w.show();
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());

    // Polls after the port first reported trouble, until the link was down.
    int polls = 0;
    int pollsNoErro = -1;
    int pollsNaQueda = -1;
    for (auto* t : {w.ligacao().findChild<QTimer*>("Timer1"), w.ligacao().findChild<QTimer*>("Timer2")})
        connect(t, &QTimer::timeout, this, [&] { ++polls; });
    connect(w.ligacao().porta(), &QSerialPort::errorOccurred, this, [&](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::NoError && pollsNoErro < 0)
            pollsNoErro = polls;
    });
    connect(&w.ligacao(), &Ligacao::estadoMudou, this, [&](EstadoLigacao e) {
        if (e == EstadoLigacao::Desconectada && pollsNaQueda < 0)
            pollsNaQueda = polls;
    });
    QString cancelada;
    connect(&w.ligacao(), &Ligacao::trocaCancelada, this, [&](const QString& c, Troca::Motivo) { cancelada = c; });

    // The charger window asks; the line vanishes half-way through its answer.
    JanelaFilha* tigris = w.janelas().mostra("Tigris");
    QVERIFY(tigris);
    auto* executa = tigris->findChild<QPushButton*>("btExecutaLeitura");
    QVERIFY(executa);
    QTest::mouseClick(executa, Qt::LeftButton);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Ocupada);
    QVERIFY(!executa->isEnabled());

    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Desconectada, 5000);
    QVERIFY(pollsNoErro >= 0);
    QVERIFY2(pollsNaQueda - pollsNoErro <= 1, qPrintable(QStringLiteral("%1 polls").arg(pollsNaQueda - pollsNoErro)));
    confereDesconectado(w);
    QCOMPARE(st1(w), L("Aguardando Box"));
    QVERIFY(w.conexao().aguardandoBox());
    // Re-captioning keeps telling the wait.
    DefineIdioma(3);
    w.Traducao_Form_Inicial();
    QCOMPARE(st1(w), QStringLiteral("Esperando la Box"));
    DefineIdioma(1);
    w.Traducao_Form_Inicial();
    QCOMPARE(w.ligacao().requisitante(), QStringLiteral("0"));
    // The window that waited has its button back; nothing was delivered to it.
    QCOMPARE(cancelada, QStringLiteral("9"));
    QVERIFY(executa->isEnabled());
    // Said without a box to click away: which reading the box took with it, and the wait.
    QLabel* aviso = w.findChild<QLabel*>(QStringLiteral("lbAvisoBox"));
    QVERIFY(aviso);
    QTRY_VERIFY(aviso->isVisible());
    QVERIFY2(aviso->text().startsWith(L("BOX_PERDIDA_NA_LEITURA").arg("Tigris", "pmuadc --sel tigris --read all")),
             qPrintable(aviso->text()));
    QVERIFY2(aviso->text().contains(L("BOX_AGUARDANDO").arg(PortaBancada).section(QLatin1Char('('), 0, 0)),
             qPrintable(aviso->text()));
    QTest::qWait(300);
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());
    // The port list was rebuilt without the vanished box.
    QCOMPARE(w.findChild<QComboBox*>("cbPortas")->findText(QString::number(PortaBancada)), -1);

    // The box comes back under the same number: connected and identified without a click.
    QVERIFY(b.esperaNovoDispositivo());
    QVERIFY(esperaConectado(w));
    QCOMPARE(st1(w), L("Conectado"));
    QCOMPARE(w.botao(1)->text(), L("Desconectar"));
    QCOMPARE(w.findChild<QComboBox*>("cbPortas")->currentText(), QString::number(PortaBancada));
    QVERIFY(!w.conexao().aguardandoBox());
    QVERIFY(b.registro().endsWith(Rmd));
    QCOMPARE(vezes(b.registro(), Rmd), 2);
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());
    QVERIFY(!aviso->isVisible()); // the box is back: the notice is gone
    QVERIFY(executa->isEnabled());

    // The user's own disconnect is never followed by a reconnection, though the box is there.
    clica(w, 1);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    QCOMPARE(st1(w), L("Desconectado"));
    QVERIFY(!w.conexao().aguardandoBox());
    QTest::qWait(1500);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    QCOMPARE(vezes(b.registro(), Rmd), 2);
}

void TstPerdaLigacao::esperaTermina_data()
{
    QTest::addColumn<bool>("clique");
    QTest::newRow("button 1 clicked while waiting") << true;
    QTest::newRow("time limit passes") << false;
}

void TstPerdaLigacao::esperaTermina()
{
    QFETCH(bool, clique);
    Bancada b;
    QVERIFY(b.inicia({"--queda", "2", "--volta-apos", "2"}, PortaBancada));
    Inicial w(ContextoTeste());
    w.conexao().LimiteEsperaBoxMs = clique ? 60000 : 700;
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    QVERIFY(solicita(w.ligacao(), "99", "pmuadc --read all"));
    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Desconectada, 5000);
    QVERIFY(w.conexao().aguardandoBox());
    QLabel* aviso = w.findChild<QLabel*>(QStringLiteral("lbAvisoBox"));
    QVERIFY(aviso && aviso->isVisibleTo(&w));
    QVERIFY2(aviso->text().startsWith(L("BOX_PERDIDA_NA_LEITURA").arg("99", "pmuadc --read all")), qPrintable(aviso->text()));
    if (clique) {
        // No port to connect to: the click only ends the waiting (and says there is no port).
        w.findChild<QComboBox*>("cbPortas")->clear();
        clica(w, 1);
        QCOMPARE(m_caixas->roteiro.textos(), (QStringList{texto("SEM_PORTA")}));
        QVERIFY(!aviso->isVisibleTo(&w));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!w.conexao().aguardandoBox(), 1500);
    QCOMPARE(st1(w), L("Desconectado"));
    if (!clique) {
        // The time limit passed: the notice says that the box did not come back.
        QVERIFY(aviso->isVisibleTo(&w));
        QVERIFY2(aviso->text().endsWith(L("BOX_NAO_VOLTOU").arg(PortaBancada)), qPrintable(aviso->text()));
    }

    QVERIFY(b.esperaNovoDispositivo());
    QTest::qWait(1500);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    QVERIFY(!w.ligacao().porta()->isOpen());
    QCOMPARE(vezes(b.registro(), Rmd), 1);
}

void TstPerdaLigacao::perdaEntreTrocas()
{
    // The box goes away while nobody is asking anything: noticed without a poll.
    Bancada primeira;
    QVERIFY(primeira.inicia({}, PortaBancada));
    const QString pasta = primeira.pastaPortas();
    Inicial w(ContextoTeste());
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    primeira.para();
    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Desconectada, 3000);
    confereDesconectado(w);
    QCOMPARE(st1(w), L("Aguardando Box"));
    QLabel* aviso = w.findChild<QLabel*>(QStringLiteral("lbAvisoBox"));
    QVERIFY(aviso && aviso->isVisibleTo(&w));
    QVERIFY2(aviso->text().startsWith(L("BOX_PERDIDA_SEM_LEITURA")), qPrintable(aviso->text()));

    // Another box plugged in as the same COM number is connected and identified.
    Bancada segunda(pasta);
    QVERIFY(segunda.inicia({}, PortaBancada));
    QVERIFY(esperaConectado(w));
    QCOMPARE(segunda.registro(), Rmd);
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());
    QVERIFY(!aviso->isVisibleTo(&w));
}

void TstPerdaLigacao::outroErroMantemLigacao()
{
    // A poll error while the box is still there keeps the old rule: error box, link idle.
    Bancada b;
    QVERIFY(b.inicia({"--lento", "40"}, PortaBancada));
    Inicial w(ContextoTeste());
    clica(w, 1);
    QVERIFY(esperaConectado(w, 15000));
    QString cancelada;
    connect(&w.ligacao(), &Ligacao::trocaCancelada, this, [&](const QString& c, Troca::Motivo) { cancelada = c; });
    QVERIFY(solicita(w.ligacao(), "99", "pmuadc --read all"));
    QTRY_VERIFY_WITH_TIMEOUT(console(w).size() > 60, 5000);
    w.ligacao().porta()->close();
    QTRY_COMPARE_WITH_TIMEOUT(m_caixas->roteiro.mostradas.size(), 1, 2000);
    const Dialogos::Caixa caixa = m_caixas->roteiro.mostradas.first().caixa;
    QCOMPARE(caixa.icone, Dialogos::Icone::Critico);
    QVERIFY2(caixa.titulo.startsWith(QStringLiteral("Nº ")), qPrintable(caixa.titulo));
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Ociosa);
    QCOMPARE(st1(w), L("Conectado"));
    QCOMPARE(cancelada, QStringLiteral("99"));
    QCOMPARE(w.ligacao().requisitante(), QStringLiteral("99"));
    QVERIFY(!w.conexao().aguardandoBox());
    QTest::qWait(300);
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 1);
}

void TstPerdaLigacao::fimDoTesteDeBotoesDepoisDaReconexao()
{
    // The box drops during the buttons test; its "/q" is pending, the console window is
    // closed meanwhile. The reconnection's handshake is answered by the phone, never by "/q":
    // "/q" goes out once the model is confirmed, and only then.
    Bancada b;
    QVERIFY(b.inicia({"--queda", "2", "--volta-apos", "1"}, PortaBancada));
    Inicial w(ContextoTeste());
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    JanelaFilha* console = w.janelas().mostra("Master");
    QVERIFY(console);
    auto* comandos = console->findChild<QComboBox*>("txtComandos");
    QVERIFY(comandos);
    comandos->setCurrentText("buttoncnt --dqe");
    auto* executa = console->findChild<QPushButton*>("btSend");
    QVERIFY(executa && executa->isEnabled());
    executa->click();
    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Desconectada, 5000);
    QCOMPARE(w.ligacao().comandoPendente(), QStringLiteral("/q"));
    console->close();
    QTest::qWait(100);
    QCOMPARE(w.ligacao().comandoPendente(), QStringLiteral("/q"));

    // While the link is the handshake's, no command but its own reaches the phone.
    QStringList enviados;
    QList<EstadoLigacao> estados;
    connect(&w.ligacao(), &Ligacao::comandoEnviado, this, [&](const QString&, const QString& c) {
        enviados << c;
        estados << w.ligacao().estado();
    });
    bool confirmadoAntes = false;
    connect(&w.ligacao(), &Ligacao::comandoEnviado, this, [&](const QString&, const QString& c) {
        if (c == QLatin1String("/q"))
            confirmadoAntes = !w.ligacao().reservada() && w.conexao().corStatus() == QLatin1String("Verde");
    });
    QVERIFY(b.esperaNovoDispositivo());
    QVERIFY(esperaConectado(w));
    QVERIFY(b.esperaRegistro(Rmd + "/q\r", 5000));
    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Ociosa, 3000);
    QCOMPARE(enviados, (QStringList{QString::fromLatin1(Rmd.chopped(1)), QStringLiteral("/q")}));
    QVERIFY(confirmadoAntes);
    QCOMPARE(w.ligacao().comandoPendente(), QString());
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbModelo"))->text(), QStringLiteral("A1660"));
    QVERIFY(!m_caixas->roteiro.textos().contains(texto("MSG_PORTA_NAO_RESPONDE")));
    QCOMPARE(vezes(b.registro(), "/q\r"), 1);
}

void TstPerdaLigacao::botoesSoComTelefoneConfirmado()
{
    // "Executar Leitura" and "Executar" turn on once the handshake's answer confirmed the phone:
    // not while a silent box is being asked, not after its time-out.
    Bancada muda;
    QVERIFY(muda.inicia({"--mudo"}, PortaBancada));
    Inicial w(ContextoTeste());
    JanelaFilha* vcores = w.janelas().mostra("VCores");
    JanelaFilha* console = w.janelas().mostra("Master");
    QVERIFY(vcores && console);
    auto* leitura = vcores->findChild<QPushButton*>("btExecutaLeitura");
    auto* executa = console->findChild<QPushButton*>("btSend");
    QVERIFY(leitura && executa);
    bool ligou = false;
    QTimer vigia;
    connect(&vigia, &QTimer::timeout, this, [&] { ligou = ligou || leitura->isEnabled() || executa->isEnabled(); });
    vigia.start(20);
    clica(w, 1);
    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Desconectada, 6000);
    QVERIFY(!ligou);
    QVERIFY(!leitura->isEnabled());
    QVERIFY(!executa->isEnabled());
    vigia.stop();

    Bancada boa(muda.pastaPortas());
    QVERIFY(boa.inicia({}, 15));
    m_caixas->roteiro.limpa();
    w.findChild<QComboBox*>("cbPortas")->clear();
    w.findChild<QComboBox*>("cbPortas")->addItem("15");
    w.findChild<QComboBox*>("cbPortas")->setCurrentText("15");
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    QTRY_VERIFY(leitura->isEnabled());
    QTRY_VERIFY(executa->isEnabled());
}

void TstPerdaLigacao::leiturasDepoisDaReconexao()
{
    // A phone that starts every answer a quarter of a second late (as one just back): the box
    // drops during a VCore reading and comes back; then, language after language, every VCore
    // reading gets its whole answer, never the bare line break of a first poll that came early.
    Bancada b;
    QVERIFY(b.inicia({"--queda", "2", "--volta-apos", "1", "--demora", "250"}, PortaBancada));
    Inicial w(ContextoTeste());
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    JanelaFilha* vcores = w.janelas().mostra("VCores");
    QVERIFY(vcores);
    auto* leitura = vcores->findChild<QPushButton*>("btExecutaLeitura");
    QVERIFY(leitura);
    QStringList respostas;
    connect(&w.ligacao(), &Ligacao::respostaColetada, this, [&](const QString& c, const QString& R) {
        if (c == QLatin1String("16"))
            respostas << R;
    });
    QTRY_VERIFY(leitura->isEnabled());
    leitura->click();
    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Desconectada, 5000);
    QVERIFY(b.esperaNovoDispositivo());
    QVERIFY(esperaConectado(w));
    for (int volta = 0; volta < 6; ++volta) {
        DefineIdioma(1 + volta % 3);
        w.Traducao_Form_Inicial();
        QTRY_VERIFY_WITH_TIMEOUT(leitura->isEnabled() && w.ligacao().ociosa(), 5000);
        const qsizetype antes = respostas.size();
        leitura->click();
        QTRY_COMPARE_WITH_TIMEOUT(respostas.size(), antes + 1, 10000);
        QVERIFY2(respostas.last().contains(QStringLiteral("BIST buck")), qPrintable(respostas.last().left(80)));
        QVERIFY(w.ligacao().requisitante() == QStringLiteral("0"));
    }
    DefineIdioma(1);
}

QTEST_MAIN(TstPerdaLigacao)
#include "tst_perdaligacao.moc"
