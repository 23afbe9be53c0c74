// The main window against the bench board: connecting, identifying the model, the faults of
// the line, the start-up without database, the box model, the menu row and the language.
#include "apoio/LigacaoAberta.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"

#include "db/Combos.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "db/IdiomaBanco.h"
#include "i18n/Mensagens.h"
#include "app/janelas/xIdioma.h"
#include "shell/Conexao.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Inicio.h"
#include "shell/Ligacao.h"
#include "shell/Modelo.h"
#include "shell/Paginas.h"
#include "shell/PerfilModelo.h"
#include "shell/Portas.h"
#include "app/janelas/Inicial.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/JanelaFilha.h"
#include "ui/MenuJanelas.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QProcess>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

namespace {

// The board is linked as COM16: the highest port that connects without the port-16 question,
// so it is the one selected after every rebuild of the list.
constexpr int PortaBancada = 16;

QString texto(const QString& chave)
{
    return CaixaDaMensagem(chave, 1, QString::number(PortaBancada)).value().texto;
}

template <class T>
T* filho(QWidget& w, const QString& nome)
{
    T* t = w.findChild<T*>(nome);
    if (!t)
        qFatal("no child %s", qPrintable(nome));
    return t;
}

bool mesmaImagem(const QLabel* a, const QLabel* b)
{
    return a->pixmap().toImage() == b->pixmap().toImage();
}

} // namespace

class TstInicial : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void conecta_data();
    void conecta();
    void caixaMuda();
    void bytesQueNaoSaoTexto();
    void numeroDesconhecido();
    void driverAusente();
    void portaEmUso();
    void portaAcimaDe16_data();
    void portaAcimaDe16();
    void semPorta();
    void respostaSemFim();
    void numeroIlegivel();
    void consultaPeloAtualizar_data();
    void consultaPeloAtualizar();
    void consultaSemNumero_data();
    void consultaSemNumero();
    void semFimDepoisDeConectado_data();
    void semFimDepoisDeConectado();

    void bancoAusenteNoInicio();
    void caixaModelo_data();
    void caixaModelo();
    void linhaDeBotoes();
    void escolhaManualDoModelo();
    void idioma();
    void legendaDoChipAposIdioma_data();
    void legendaDoChipAposIdioma();
    void posicaoNaTela_data();
    void posicaoNaTela();
    void janelasAbertas();
    void teclasDasAcoesPrincipais();

private:
    void clica(Inicial& w, int botao) { QTest::mouseClick(w.botao(botao), Qt::LeftButton); }
    bool esperaConectado(Inicial& w, int ms = 20000) // a bound for a stuck link, not a timing
    {
        return QTest::qWaitFor([&] {
            return w.conexao().corStatus() == QLatin1String("Verde")
                   && !w.conexao().consultaEmCurso() && w.ligacao().estado() == EstadoLigacao::Ociosa;
        }, ms);
    }

    PastaAplicacaoTemporaria* m_pasta = nullptr;
    RoteiroInstalado* m_caixas = nullptr;
};

void TstInicial::init()
{
    m_pasta = new PastaAplicacaoTemporaria;
    m_caixas = new RoteiroInstalado;
    DefineIdioma(1);
}

void TstInicial::cleanup()
{
    delete m_caixas;
    delete m_pasta;
}

void TstInicial::conecta_data()
{
    QTest::addColumn<QStringList>("opcoes");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("sobreposicao");
    QTest::newRow("IP 7") << QStringList{} << "A1660" << "IP 7" << "Tristar\r\nTigris";
    QTest::newRow("IP 8 Plus") << QStringList{"--modelo", "IP 8 Plus"} << "A1864" << "IP 8 Plus"
                               << "Hydra\r\nTigris";
    QTest::newRow("refused once") << QStringList{"--recusa-primeira", "--modelo", "IP X"} << "A1865" << "IP X"
                                  << "Hydra\r\nTigris";
}

void TstInicial::conecta()
{
    QFETCH(QStringList, opcoes);
    QFETCH(QString, numero);
    QFETCH(QString, modelo);
    QFETCH(QString, sobreposicao);
    Bancada b;
    QVERIFY(b.inicia(opcoes, PortaBancada));
    Inicial w(ContextoTeste());
    w.show();
    auto* cb = filho<QComboBox>(w, "cbPortas");
    QCOMPARE(cb->currentText(), QString::number(PortaBancada));
    QVERIFY(mesmaImagem(filho<QLabel>(w, "ImgStatus"), filho<QLabel>(w, "PicBranco")));

    clica(w, 1);
    // The state changes come after the command is sent: "2", not "3", while connecting.
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Conectando);
    QCOMPARE(w.botao(1)->text(), L("Conectando"));
    QVERIFY(mesmaImagem(filho<QLabel>(w, "ImgStatus"), filho<QLabel>(w, "PicAmarelo")));
    QVERIFY(esperaConectado(w));
    QTRY_COMPARE(filho<QLabel>(w, "lbModelo")->text(), numero);
    QCOMPARE(filho<QComboBox>(w, "ComboAparelhos")->currentText(), modelo);
    QCOMPARE(w.sessao().modelo(), modelo);
    QCOMPARE(filho<QLabel>(w, "lbTristarTigris")->text(), sobreposicao);
    QCOMPARE(filho<QLabel>(w, "St1")->text(), L("Conectado"));
    QCOMPARE(w.botao(1)->text(), L("Desconectar"));
    QVERIFY(mesmaImagem(filho<QLabel>(w, "ImgStatus"), filho<QLabel>(w, "PicVerde")));
    QVERIFY(b.registro().startsWith("syscfg print RMd#\r"));
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());
    QCOMPARE(w.windowTitle(), QStringLiteral("Vexador Tarrim v.2.31"));

    // Disconnecting clears the number and keeps the model.
    clica(w, 1);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    QVERIFY(!w.ligacao().porta()->isOpen());
    QCOMPARE(filho<QLabel>(w, "lbModelo")->text(), QString());
    QCOMPARE(w.sessao().modelo(), modelo);
    QCOMPARE(w.botao(1)->text(), L("Conectar"));
    QCOMPARE(filho<QLabel>(w, "St1")->text(), L("Desconectado"));
    QVERIFY(mesmaImagem(filho<QLabel>(w, "ImgStatus"), filho<QLabel>(w, "PicBranco")));
}

void TstInicial::caixaMuda()
{
    Bancada muda;
    QVERIFY(muda.inicia({"--mudo"}, PortaBancada));
    Inicial w(ContextoTeste());
    auto* cb = filho<QComboBox>(w, "cbPortas");
    QCOMPARE(cb->findText("15"), -1);
    QElapsedTimer relogio;
    relogio.start();
    clica(w, 1);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Conectando);
    clica(w, 1); // connecting: the button does nothing
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Conectando);
    // The box answers nothing: a bare line break ends the exchange once the line has been quiet
    // for the following polls' rule. The link
    // stays the handshake's ("2", "Conectando") until a phone is confirmed, so nothing is sent.
    QTRY_VERIFY_WITH_TIMEOUT(w.ligacao().porta()->isOpen() && !w.ligacao().trocaEmCurso(), 2000);
    QCOMPARE(filho<QPlainTextEdit>(w, "txtConsole")->toPlainText(), QStringLiteral("\n"));
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Conectando);
    QCOMPARE(filho<QLabel>(w, "St1")->text(), L("Conectando"));
    QCOMPARE(muda.registro(), QByteArray("syscfg print RMd#\r"));

    // A second board appears meanwhile: the list rebuilt after the time-out shows it.
    Bancada boa(muda.pastaPortas());
    QVERIFY(boa.inicia({}, 15));
    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Desconectada, 6000);
    const qint64 ms = relogio.elapsed();
    QVERIFY2(ms > 3000 && ms < 5000, qPrintable(QString::number(ms))); // 11 ticks of 300 ms
    QCOMPARE(m_caixas->roteiro.textos(), (QStringList{texto("MSG_PORTA_NAO_RESPONDE"), texto("MSG_PORTA")}));
    QVERIFY(!w.ligacao().porta()->isOpen());
    QCOMPARE(w.conexao().ContadorValidaPorta, 0);
    QCOMPARE(w.botao(1)->text(), L("Conectar"));
    QVERIFY(mesmaImagem(filho<QLabel>(w, "ImgStatus"), filho<QLabel>(w, "PicBranco")));
    QVERIFY(cb->findText("15") >= 0);

    // Reconnecting works.
    m_caixas->roteiro.limpa();
    cb->setCurrentText("15");
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    QTRY_COMPARE(filho<QLabel>(w, "lbModelo")->text(), QStringLiteral("A1660"));
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());
}

void TstInicial::bytesQueNaoSaoTexto()
{
    Bancada b;
    QVERIFY(b.inicia({"--lixo"}, PortaBancada));
    Inicial w(ContextoTeste());
    clica(w, 1);
    QTRY_VERIFY_WITH_TIMEOUT(w.conexao().corStatus() == QLatin1String("Verde"), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!w.conexao().consultaEmCurso()
                                 && w.ligacao().estado() == EstadoLigacao::Ociosa, 8000);
    QString r;
    registraEntrega(w.ligacao(), "99", [&](const QString& R, const QString&) { r = R; });
    QVERIFY(solicita(w.ligacao(), "99", "help"));
    QTRY_VERIFY_WITH_TIMEOUT(!r.isEmpty(), 5000);
    QVERIFY(r.contains(QChar(0)));
    QVERIFY(r.contains(QChar(0xFF)));
    QVERIFY(r.contains(QStringLiteral(":-)")));
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Ociosa);
}

void TstInicial::numeroDesconhecido()
{
    Bancada b;
    QVERIFY(b.inicia({"--rmd", "A9999"}, PortaBancada));
    Inicial w(ContextoTeste());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    filho<QComboBox>(w, "ComboAparelhos")->setCurrentText("IP 6");
    clica(w, 1);
    QTRY_COMPARE_WITH_TIMEOUT(filho<QLabel>(w, "lbModelo")->text(), QStringLiteral("*A9999*"), 5000);
    QCOMPARE(m_caixas->roteiro.textos(), (QStringList{texto("MSG_ERRO_NAND"), texto("MSG_SELECIONE_MODELO")}));
    QCOMPARE(w.sessao().modelo(), QStringLiteral("IP 6"));
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Ociosa);
    QCOMPARE(QApplication::focusWidget(), filho<QComboBox>(w, "ComboAparelhos"));
    // The user picks the model by hand.
    filho<QComboBox>(w, "ComboAparelhos")->setCurrentText("IP 8");
    QCOMPARE(filho<QLabel>(w, "lbTristarTigris")->text(), QStringLiteral("Hydra\r\nTigris"));
}

void TstInicial::driverAusente()
{
    Bancada b;
    QVERIFY(b.inicia({"--sem-driver"}, PortaBancada));
    Inicial w(ContextoTeste());
    clica(w, 1);
    QTRY_COMPARE_WITH_TIMEOUT(m_caixas->roteiro.mostradas.size(), 2, 5000);
    QCOMPARE(m_caixas->roteiro.textos(), (QStringList{texto("MSG_ERRO_NAND"), texto("MSG_SELECIONE_MODELO")}));
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Ociosa);
    QCOMPARE(w.conexao().corStatus(), QStringLiteral("Verde"));
    QCOMPARE(w.sessao().modelo(), QStringLiteral("IP 7"));
    QCOMPARE(filho<QLabel>(w, "lbModelo")->text(), QString());
    QTest::qWait(500);
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 2); // no further query
}

void TstInicial::portaEmUso()
{
    Bancada b;
    QVERIFY(b.inicia({}, PortaBancada));
    QSerialPort outro(b.dispositivo());
    QVERIFY(outro.open(QIODevice::ReadWrite));
    Inicial w(ContextoTeste());
    clica(w, 1);
    QCOMPARE(m_caixas->roteiro.textos(), QStringList{texto("MSG_PORTA_EM_USO")});
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    QCOMPARE(w.botao(1)->text(), L("Conectar"));
    QVERIFY(b.registro().isEmpty());
    // Once the other program lets go, the same port connects.
    outro.close();
    m_caixas->roteiro.limpa();
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());
}

void TstInicial::portaAcimaDe16_data()
{
    QTest::addColumn<bool>("comVideo");
    QTest::newRow("video address configured") << true;
    QTest::newRow("no video address") << false;
}

void TstInicial::portaAcimaDe16()
{
    QFETCH(bool, comVideo);
    if (comVideo)
        m_pasta->defineEnderecos({{3, QStringLiteral("https://video.test/portas")}});
    Bancada b;
    QVERIFY(b.inicia({}, 20));
    Inicial w(ContextoTeste());
    QCOMPARE(filho<QComboBox>(w, "cbPortas")->currentText(), QStringLiteral("20"));
    m_caixas->roteiro.respostas = {Dialogos::Resposta::Sim};
    clica(w, 1);
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 1);
    const auto caixa = m_caixas->roteiro.mostradas.first().caixa;
    QCOMPARE(caixa.titulo, L("Porta Serial COM"));
    QCOMPARE(caixa.icone, Dialogos::Icone::Informacao);
    if (comVideo) {
        QCOMPARE(caixa.texto, L("Porta 16"));
        QCOMPARE(caixa.botoes, Dialogos::Botoes::SimNaoCancelar);
        QCOMPARE(m_caixas->roteiro.abertos, QStringList{"https://video.test/portas"});
    } else {
        // No offer of a video that has no address, and nothing opened.
        QVERIFY(L("Porta 16").startsWith(caixa.texto + "\r\n\r\n3."));
        QCOMPARE(caixa.botoes, Dialogos::Botoes::Ok);
        QCOMPARE(m_caixas->roteiro.abertos, QStringList());
    }
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    QVERIFY(!w.ligacao().porta()->isOpen());
    m_caixas->roteiro.respostas = {Dialogos::Resposta::Nao};
    clica(w, 1);
    QCOMPARE(m_caixas->roteiro.abertos.size(), comVideo ? 1 : 0);
    QTest::qWait(200);
    QVERIFY(b.registro().isEmpty());
}

void TstInicial::semPorta()
{
    QTemporaryDir vazia;
    Portas::definePastaPortas(vazia.path());
    Inicial w(ContextoTeste());
    auto* cb = filho<QComboBox>(w, "cbPortas");
    cb->clear(); // no port at all
    clica(w, 1);
    QCOMPARE(m_caixas->roteiro.textos(), QStringList{CaixaDaMensagem("SEM_PORTA", 1, "").value().texto});
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    Portas::definePastaPortas(QString());
}

void TstInicial::respostaSemFim()
{
    Bancada b;
    QVERIFY(b.inicia({"--sem-fim"}, PortaBancada));
    Inicial w(ContextoTeste());
    w.show();
    w.ligacao().LimiteSemFimMs = 60000; // the user gives up first here
    QElapsedTimer relogio;
    relogio.start();
    clica(w, 1);
    // The connection answer never ends: it is cut at tick 200 of the 100 ms poll, and the link
    // stays the handshake's while the box goes on sending.
    QTRY_VERIFY_WITH_TIMEOUT(w.ligacao().descartando(), 25000);
    const qint64 ms = relogio.elapsed();
    QVERIFY2(ms > 19500 && ms < 22500, qPrintable(QString::number(ms)));
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Conectando);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("St1"))->text(), L("Comunicando"));
    QVERIFY(w.ligacao().porta()->isOpen());
    // The program is usable: disconnecting works at once, though the box still sends.
    clica(w, 1);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
    QVERIFY(!w.ligacao().porta()->isOpen());
    QCOMPARE(w.conexao().corStatus(), QStringLiteral("Branco"));
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());

    // Left alone, connecting ends by itself once the phone has gone on sending past the bound,
    // and says why.
    w.ligacao().LimiteSemFimMs = 1000;
    relogio.restart();
    w.findChild<QComboBox*>("cbPortas")->setCurrentText(QString::number(PortaBancada));
    clica(w, 1);
    QTRY_COMPARE_WITH_TIMEOUT(w.ligacao().estado(), EstadoLigacao::Desconectada, 30000);
    QVERIFY2(relogio.elapsed() < 25000, qPrintable(QString::number(relogio.elapsed())));
    QVERIFY(!w.ligacao().porta()->isOpen());
    QCOMPARE(w.botao(1)->text(), L("Conectar"));
    QCOMPARE(w.conexao().corStatus(), QStringLiteral("Branco"));
    QCOMPARE(m_caixas->roteiro.textos(), QStringList{L("SEM_FIM_CONEXAO")});
}

void TstInicial::numeroIlegivel()
{
    // Bytes that are not text before the answer: the number cannot be read. It is read once
    // more, then the model is said to be not identified (the user picks it); the link is usable.
    Bancada b;
    QVERIFY(b.inicia({"--lixo", "--modelo", "IP X"}, PortaBancada));
    Inicial w(ContextoTeste());
    clica(w, 1);
    QVERIFY(QTest::qWaitFor([&] {
        return w.conexao().corStatus() == QLatin1String("Verde") && !w.conexao().consultaEmCurso()
               && w.ligacao().estado() == EstadoLigacao::Ociosa;
    }, 10000));
    QCOMPARE(m_caixas->roteiro.textos(), (QStringList{texto("MSG_ERRO_NAND"), texto("MSG_SELECIONE_MODELO")}));
    QCOMPARE(filho<QLabel>(w, "lbModelo")->text(), QString());
    QCOMPARE(b.registro(), QByteArray("syscfg print RMd#\rsyscfg print RMd#\r"));
}

void TstInicial::consultaPeloAtualizar_data()
{
    QTest::addColumn<QString>("modelo");
    for (const QString& m : PerfilModelo::nomes())
        QTest::newRow(qPrintable(m)) << m;
}

void TstInicial::consultaPeloAtualizar()
{
    // The technician picked another model by hand; the refresh image asks the board again and
    // the model its number names comes back, told from the query's own answer.
    QFETCH(QString, modelo);
    Bancada b;
    QVERIFY(b.inicia({"--modelo", modelo}, PortaBancada));
    Inicial w(ContextoTeste());
    w.show();
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    QCOMPARE(w.sessao().modelo(), modelo);
    auto* vista = filho<QPlainTextEdit>(w, "txtConsole");
    QCOMPARE(vista->toPlainText(), QString()); // emptied once the model was read from it
    const QString outro = modelo == QLatin1String("IP 7") ? QStringLiteral("IP 6") : QStringLiteral("IP 7");
    filho<QComboBox>(w, "ComboAparelhos")->setCurrentText(outro);
    QCOMPARE(w.sessao().modelo(), outro);

    QTest::mouseClick(filho<QLabel>(w, "imgAtualizar"), Qt::LeftButton);
    QCOMPARE(filho<QLabel>(w, "lbModelo")->text(), QStringLiteral("..."));
    QVERIFY(w.conexao().consultaEmCurso());
    // The query holds the link for the connection: no window's command is taken meanwhile.
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Conectando);
    QVERIFY(!solicita(w.ligacao(), "99", "help"));
    QVERIFY(esperaConectado(w));
    const QString numero = filho<QLabel>(w, "lbModelo")->text();
    QCOMPARE(NomeDoModelo(numero), modelo);
    QCOMPARE(w.sessao().modelo(), modelo);
    QCOMPARE(filho<QComboBox>(w, "ComboAparelhos")->currentText(), modelo);
    QCOMPARE(vista->toPlainText(), QString());
    QCOMPARE(b.registro(), QByteArray("syscfg print RMd#\rsyscfg print RMd#\r"));
    QCOMPARE(m_caixas->roteiro.textos(), QStringList());
}

void TstInicial::consultaSemNumero_data()
{
    // The board's answer to every "syscfg print RMd#"; the queries sent in all (the handshake's
    // first); whether the session log says the number was unreadable.
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<int>("consultas");
    QTest::addColumn<bool>("ilegivel");
    // The handshake asks again through a query, which asks once more itself, then gives up.
    QTest::newRow("refused every time") << "Command not found" << 3 << true;
    QTest::newRow("not found") << "Key Not Found" << 2 << false;
    QTest::newRow("not an A number") << "B1660" << 2 << true;
}

void TstInicial::consultaSemNumero()
{
    QFETCH(QString, resposta);
    QFETCH(int, consultas);
    QFETCH(bool, ilegivel);
    QTemporaryDir pasta;
    QFile perfil(pasta.filePath("placa.txt"));
    QVERIFY(perfil.open(QIODevice::WriteOnly));
    perfil.write("resposta syscfg print RMd# = " + resposta.toLatin1() + "\\n\n");
    perfil.close();
    Bancada b;
    QVERIFY(b.inicia({"--placa", perfil.fileName()}, PortaBancada));
    Inicial w(ContextoTeste());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QStringList eventos;
    connect(&w.conexao(), &Conexao::eventoLigacao, this, [&](const QString& e) { eventos << e; });
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    QCOMPARE(m_caixas->roteiro.textos(), (QStringList{texto("MSG_ERRO_NAND"), texto("MSG_SELECIONE_MODELO")}));
    QCOMPARE(filho<QLabel>(w, "lbModelo")->text(), QString());
    QCOMPARE(w.sessao().modelo(), QStringLiteral("IP 7"));
    QCOMPARE(QApplication::focusWidget(), filho<QComboBox>(w, "ComboAparelhos"));
    QCOMPARE(b.registro(), QByteArray("syscfg print RMd#\r").repeated(consultas));
    QCOMPARE(eventos.contains(QStringLiteral("Modelo não identificado: número ilegível")), ilegivel);
    // The link is the technician's again.
    QVERIFY(solicita(w.ligacao(), "99", "help"));
}

void TstInicial::semFimDepoisDeConectado_data()
{
    QTest::addColumn<bool>("desconecta");
    QTest::newRow("the user disconnects") << true;
    QTest::newRow("the user waits") << false;
}

void TstInicial::semFimDepoisDeConectado()
{
    // A reading whose answer never ends: after the bound the technician is told and offered
    // to disconnect; the answer "No" leaves the link discarding, as before.
    QFETCH(bool, desconecta);
    Bancada b;
    QVERIFY(b.inicia({"--sem-fim"}, PortaBancada));
    Inicial w(ContextoTeste());
    w.ligacao().LimiteSemFimMs = 1000;
    QVERIFY(AbreLigacao(w.ligacao(), b.dispositivo()));
    m_caixas->roteiro.respostas = {desconecta ? Dialogos::Resposta::Sim : Dialogos::Resposta::Nao};
    QVERIFY(solicita(w.ligacao(), "99", "pmuadc --read all"));
    QTRY_VERIFY_WITH_TIMEOUT(w.ligacao().descartando(), 25000);
    QTRY_COMPARE_WITH_TIMEOUT(m_caixas->roteiro.textos(), QStringList{L("SEM_FIM_PERGUNTA")}, 5000);
    QCOMPARE(m_caixas->roteiro.mostradas.first().caixa.botoes, Dialogos::Botoes::SimNao);
    if (desconecta) {
        QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
        QVERIFY(!w.ligacao().porta()->isOpen());
    } else {
        QCOMPARE(w.ligacao().estado(), EstadoLigacao::Ocupada);
        QVERIFY(w.ligacao().descartando());
    }
    // Asked once per answer.
    QTest::qWait(1500);
    QCOMPARE(m_caixas->roteiro.mostradas.size(), 1);
}

void TstInicial::bancoAusenteNoInicio()
{
    QTemporaryDir vazia;
    QProcess p;
    QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
    amb.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(amb);
    p.start(QStringLiteral(PASTA_APLICACAO "/vexador-tarrim"), {"--pasta", vazia.path(), "--sem-caixas"});
    QVERIFY(p.waitForFinished(15000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY(p.exitCode() != 0);
    const QString erros = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(erros.contains(QStringLiteral("[") + Inicio::tituloBancoAusente() + "] " + Inicio::textoBancoAusente()),
             qPrintable(erros));
    QCOMPARE(QDir(vazia.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TstInicial::caixaModelo_data()
{
    QTest::addColumn<QString>("gravado");
    QTest::addColumn<QString>("mostrado");
    QTest::addColumn<QString>("gravadoDepois");
    QTest::addColumn<int>("intervalo");
    QTest::newRow("G2") << "G2" << "2" << "G2" << 500;
    QTest::newRow("G1") << "G1" << "1" << "G1" << 100;
    QTest::newRow("2") << "2" << "2" << "2" << 500;
    QTest::newRow("empty is stored back as 1") << "" << "1" << "1" << 100;
}

void TstInicial::caixaModelo()
{
    QFETCH(QString, gravado);
    QFETCH(QString, mostrado);
    QFETCH(QString, gravadoDepois);
    QFETCH(int, intervalo);
    QVERIFY(GravaCombo(DadosTeste().banco, 7, gravado));
    Inicial w(ContextoTeste());
    auto* box = filho<QComboBox>(w, "ComboBox");
    QCOMPARE(box->currentText(), mostrado);
    QCOMPARE(w.ligacao().modeloBox(), mostrado);
    QCOMPARE(w.ligacao().findChild<QTimer*>("Timer1")->interval(), intervalo);
    QCOMPARE(w.ligacao().findChild<QTimer*>("Timer2")->interval(), intervalo);
    QCOMPARE(LeCombo(DadosTeste().banco, 7), gravadoDepois);

    // Choosing the other box stores it and changes the polling.
    const QString outro = mostrado == "1" ? "2" : "1";
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down); // typed keys are discarded
    QCOMPARE(box->currentText(), mostrado);
    emit box->activated(box->findText(outro));
    QCOMPARE(LeCombo(DadosTeste().banco, 7), outro);
    QCOMPARE(w.ligacao().findChild<QTimer*>("Timer1")->interval(), outro == "1" ? 100 : 500);
}

void TstInicial::linhaDeBotoes()
{
    auto esquerda = [](Inicial& w, int i) { return Twips::dePixels(w.botao(i)->x()); };
    Inicial w(ContextoTeste());
    w.show();
    w.resize(Twips::paraPixels(15000), 800);
    QCoreApplication::processEvents();
    const QList<int> ordem = {1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 10, 12, 15};
    for (int i = 1; i < ordem.size(); ++i) {
        QVERIFY2(qAbs(esquerda(w, ordem[i]) - esquerda(w, ordem[i - 1]) - 960) <= 15,
                 qPrintable(QString::number(ordem[i])));
        QVERIFY(qAbs(Twips::dePixels(w.botao(ordem[i - 1])->width()) - 975) <= 15);
    }
    auto* sobreposicao = w.findChild<QWidget*>("PictureTristarTigris");
    QCOMPARE(sobreposicao->parentWidget(), w.botao(8)); // laid over button 8, 10 twips in
    QCOMPARE(sobreposicao->x(), Twips::paraPixels(10));

    // Above 20000 twips the row is left alone; at or below it the rule puts it back.
    const QPoint posicionado = w.botao(12)->pos();
    w.botao(12)->move(posicionado + QPoint(40, 0));
    w.resize(Twips::paraPixels(21000), 800);
    QCoreApplication::processEvents();
    QCOMPARE(w.botao(12)->pos(), posicionado + QPoint(40, 0));
    QVERIFY(w.LimparLogo);
    w.resize(Twips::paraPixels(19000), 800);
    QCoreApplication::processEvents();
    QCOMPARE(w.botao(12)->pos(), posicionado);

    // The overlay label acts as button 8, which shows "IC" (nothing when not registered).
    QVERIFY(w.botao(8)->text() == QString(30, ' '));
}

void TstInicial::escolhaManualDoModelo()
{
    Inicial w(ContextoTeste());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* combo = filho<QComboBox>(w, "ComboAparelhos");
    QCOMPARE(combo->currentText(), QStringLiteral("IP 7"));
    QCOMPARE(combo->count(), 9);
    QSignalSpy mudou(&w.sessao(), &Sessao::modeloMudou);
    combo->setCurrentText("IP 8 Plus");
    QCOMPARE(w.sessao().modelo(), QStringLiteral("IP 8 Plus"));
    QCOMPARE(filho<QLabel>(w, "lbTristarTigris")->text(), QStringLiteral("Hydra\r\nTigris"));
    combo->setCurrentText("IP 6s");
    QCOMPARE(filho<QLabel>(w, "lbTristarTigris")->text(), QStringLiteral("Tristar\r\nTigris"));
    QCOMPARE(mudou.size(), 2);
    // Left empty, the chooser becomes "IP 7" when it loses the focus.
    w.sessao().defineModelo(QString());
    QCOMPARE(combo->currentText(), QString());
    combo->setFocus();
    w.botao(0)->setFocus();
    QCOMPARE(combo->currentText(), QStringLiteral("IP 7"));
    QCOMPARE(w.sessao().modelo(), QStringLiteral("IP 7"));
    // The refresh image while disconnected sends nothing.
    QTest::mouseClick(filho<QLabel>(w, "imgAtualizar"), Qt::LeftButton);
    QCOMPARE(filho<QLabel>(w, "lbModelo")->text(), QString());
}

namespace {
QStringList fechadas;

class JanelaDeTeste : public JanelaFilha {
public:
    JanelaDeTeste(const QString& nome, GerenciadorJanelas& g) : JanelaFilha(nome, g) {}
    ~JanelaDeTeste() override { fechadas << objectName(); }
};
} // namespace

void TstInicial::idioma()
{
    Inicial w(ContextoTeste());
    w.show();
    const QStringList nomes = {"PMU", "Master", "I2C", "Sobre", "Tristar"};
    for (const QString& n : nomes)
        w.janelas().registra(n, [n](GerenciadorJanelas& g) { return new JanelaDeTeste(n, g); });
    for (const QString& n : nomes)
        w.janelas().mostra(n);
    fechadas.clear();

    bool modal = false;
    int topoBarra = -1;
    QTimer::singleShot(0, this, [&] {
        auto* janela = qobject_cast<xIdioma*>(QApplication::activeModalWidget());
        QVERIFY(janela);
        modal = janela->isModal();
        QTest::mouseClick(janela->findChild<QPushButton*>("btIdioma(2)"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        topoBarra = Twips::dePixels(janela->findChild<QLabel*>("lbFundoIdioma")->y());
        QCOMPARE(janela->windowTitle(), TextoDoDicionario("Idioma", 2));
        janela->accept();
    });
    clica(w, 10);
    QVERIFY(modal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(fechadas, (QStringList{"I2C", "Master", "Sobre", "PMU"}));
    QVERIFY(w.janelas().aberta("Tristar"));
    QVERIFY(qAbs(topoBarra - 840) <= 15);
    QCOMPARE(IdiomaAtual(), 2);
    QCOMPARE(w.botao(1)->text(), TextoDoDicionario("Conectar", 2));
    QCOMPARE(w.botao(10)->text(), TextoDoDicionario("Idioma", 2));
    // Stored: the next start reads English.
    DefineIdioma(0);
    QVERIFY(CarregaIdioma(DadosTeste().banco));
    QCOMPARE(IdiomaAtual(), 2);
}

void TstInicial::legendaDoChipAposIdioma_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("legenda");
    QTest::newRow("IP 8") << "IP 8" << "Hydra\r\nTigris";
    QTest::newRow("IP X") << "IP X" << "Hydra\r\nTigris";
    QTest::newRow("IP 7") << "IP 7" << "Tristar\r\nTigris";
}

void TstInicial::legendaDoChipAposIdioma()
{
    QFETCH(QString, modelo);
    QFETCH(QString, legenda);
    Bancada b;
    QVERIFY(b.inicia({"--modelo", modelo}, PortaBancada));
    Inicial w(ContextoTeste());
    w.show();
    clica(w, 1);
    QVERIFY(esperaConectado(w));
    QTRY_COMPARE(w.sessao().modelo(), modelo);
    QCOMPARE(filho<QLabel>(w, "lbTristarTigris")->text(), legenda);
    QTimer::singleShot(0, this, [] {
        auto* janela = qobject_cast<xIdioma*>(QApplication::activeModalWidget());
        QVERIFY(janela);
        QTest::mouseClick(janela->findChild<QPushButton*>("btIdioma(3)"), Qt::LeftButton);
        janela->accept();
    });
    clica(w, 10);
    QCOMPARE(IdiomaAtual(), 3);
    QCOMPARE(w.botao(1)->text(), TextoDoDicionario("Desconectar", 3));
    QCOMPARE(filho<QLabel>(w, "lbTristarTigris")->text(), legenda);
    DefineIdioma(1);
}

void TstInicial::posicaoNaTela_data()
{
    QTest::addColumn<QRect>("disponivel");
    QTest::addColumn<bool>("maximizada");
    QTest::addColumn<QRect>("geometria");
    // The natural size is 1280 x 860; the frame takes 16 x 40 more.
    QTest::newRow("1366x768 laptop") << QRect(0, 0, 1366, 740) << true << QRect(0, 0, 1366, 740);
    QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1050) << false << QRect(320, 95, 1280, 860);
    QTest::newRow("1920x1080 at 150 %") << QRect(0, 0, 1280, 700) << true << QRect(0, 0, 1280, 700);
    QTest::newRow("just fits") << QRect(0, 0, 1296, 900) << false << QRect(8, 20, 1280, 860);
    QTest::newRow("one pixel short") << QRect(0, 0, 1296, 899) << true << QRect(0, 0, 1296, 899);
    QTest::newRow("second screen") << QRect(1920, 0, 2560, 1400) << false << QRect(2560, 270, 1280, 860);
}

void TstInicial::posicaoNaTela()
{
    QFETCH(QRect, disponivel);
    QFETCH(bool, maximizada);
    QFETCH(QRect, geometria);
    const PosicaoPrincipal p = PosicionaPrincipal(Inicial::TamanhoNatural, disponivel);
    QCOMPARE(p.maximizada, maximizada);
    QCOMPARE(p.geometria, geometria);
    // A tool window is kept inside the area, its top-left corner first when it is larger.
    QCOMPARE(PosicaoDentroDaArea({900, -50}, {400, 300}, {1000, 600}), QPoint(600, 0));
    QCOMPARE(PosicaoDentroDaArea({-20, 100}, {1200, 900}, {1000, 600}), QPoint(0, 0));
    QCOMPARE(PosicaoDentroDaArea({100, 100}, {400, 300}, {1000, 600}), QPoint(100, 100));
}

void TstInicial::janelasAbertas()
{
    Inicial w(ContextoTeste());
    w.mostraNaTela();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The offscreen screen (800 x 600) is smaller than the natural size.
    QVERIFY(w.isMaximized());
    const QStringList nomes = {"VCores", "Master", "Tigris"};
    for (const QString& n : nomes)
        w.janelas().registra(n, [n](GerenciadorJanelas& g) {
            auto* j = new JanelaDeTeste(n, g);
            j->setWindowTitle(n);
            j->setMinimumSize(2000, 1500); // larger than the area: it opens at its corner and scrolls
            return j;
        });
    for (const QString& n : nomes)
        w.janelas().mostra(n);
    QMdiArea* area = w.area();
    QCOMPARE(area->subWindowList().size(), 3);
    QCOMPARE(area->activeSubWindow()->widget()->objectName(), QString("Tigris"));
    QCOMPARE(area->activeSubWindow()->pos(), QPoint(0, 0));
    QVERIFY(area->viewport()->rect().contains(area->activeSubWindow()->geometry()));
    auto* rolagem = area->activeSubWindow()->widget()->findChild<QScrollArea*>("rolagem");
    QVERIFY(rolagem);
    QTRY_VERIFY(rolagem->verticalScrollBar()->isVisible() && rolagem->verticalScrollBar()->maximum() > 0);
    QVERIFY(rolagem->widget()->width() >= 2000 && rolagem->widget()->height() >= 1500);

    // The menu lists the open windows; a click raises one.
    auto* botao = filho<QToolButton>(w, "btJanelas");
    QCOMPARE(botao->text(), L("Janelas"));
    QMenu* menu = botao->menu();
    emit menu->aboutToShow();
    QStringList listadas;
    for (QAction* a : menu->actions())
        if (nomes.contains(a->objectName()))
            listadas << a->objectName();
    QCOMPARE(listadas, (QStringList{"VCores", "Master", "Tigris"}));
    for (QAction* a : menu->actions())
        if (a->objectName() == QLatin1String("VCores"))
            a->trigger();
    QCOMPARE(area->activeSubWindow()->widget()->objectName(), QString("VCores"));
    emit menu->aboutToShow(); // the menu is rebuilt on every opening
    for (QAction* a : menu->actions())
        if (a->objectName() == QLatin1String("Cascata"))
            a->trigger();
    QVERIFY(area->subWindowList().at(1)->pos() != area->subWindowList().at(0)->pos());

    // Ctrl+Tab moves to another window, Ctrl+F4 closes the active one.
    QMdiSubWindow* antes = area->activeSubWindow();
    QTest::keyClick(&w, Qt::Key_Tab, Qt::ControlModifier);
    QVERIFY(area->activeSubWindow() != antes);
    const QString fechando = area->activeSubWindow()->widget()->objectName();
    fechadas.clear();
    QTest::keyClick(&w, Qt::Key_F4, Qt::ControlModifier);
    QTRY_COMPARE(area->subWindowList().size(), 2);
    QTRY_COMPARE(fechadas, QStringList{fechando});
}

namespace {
// What the tooltip of `w` reads when the mouse rests on it.
QString dicaDe(QWidget* w)
{
    QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(w, &e);
    return QToolTip::isVisible() ? QToolTip::text() : w->toolTip();
}
} // namespace

// Both hands on the board: F2 connects and disconnects, F5 reads in the active window,
// Ctrl+R makes its report, F6 opens the windows' list, F7 the whole-board diagnosis; the
// tooltips name the keys.
void TstInicial::teclasDasAcoesPrincipais()
{
    Bancada b;
    QVERIFY(b.inicia({"--modelo", "IP 8 Plus"}, PortaBancada));
    Inicial w(ContextoTeste());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(dicaDe(w.botao(1)).endsWith(" (F2)"));
    auto* diagnostico = filho<QPushButton>(w, "btDiagnostico");
    QCOMPARE(dicaDe(diagnostico), L("Diagnóstico completo") + " (F7)");
    QVERIFY(dicaDe(filho<QToolButton>(w, "btJanelas")).contains("F6"));

    QTest::keyClick(&w, Qt::Key_F7); // not connected: the diagnosis is not offered
    QVERIFY(!w.janelas().aberta("Diagnostico"));
    QTest::keyClick(&w, Qt::Key_F2);
    QVERIFY(esperaConectado(w));
    QTRY_COMPARE(filho<QLabel>(w, "lbModelo")->text(), QString("A1864"));
    {
        // Connected, F7 presses "Diagnóstico completo" (its board label refused here: no run).
        QSignalSpy pressionado(diagnostico, &QPushButton::clicked);
        QTest::keyClick(&w, Qt::Key_F7);
        QCOMPARE(pressionado.size(), 1);
        QVERIFY(QTest::qWaitFor([&] { return w.ligacao().estado() == EstadoLigacao::Ociosa; }, 5000));
        w.janelas().fecha({"Diagnostico"});
    }

    auto* vcores = w.janelas().mostra("VCores");
    QVERIFY(vcores);
    auto* ler = filho<QPushButton>(*vcores, "btExecutaLeitura");
    QCOMPARE(dicaDe(ler), L("Executar Leitura").simplified() + " (F5)");
    QCOMPARE(dicaDe(filho<QPushButton>(*vcores, "btExportar")), L("Gerar Relatório PDF").simplified() + " ("
                 + QKeySequence(Qt::CTRL | Qt::Key_R).toString(QKeySequence::NativeText) + ")"); // as Qt's translation names the key
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_F5);
    QVERIFY(b.esperaRegistro("pmuadc --read all\r", 5000));
    QVERIFY(QTest::qWaitFor([&] { return ler->isEnabled() && w.ligacao().estado() == EstadoLigacao::Ociosa; }, 20000));
    m_caixas->roteiro.respostasEntrada = {QString("Oficina")};
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(m_caixas->roteiro.abertos.size(), 1);
    QVERIFY(m_caixas->roteiro.abertos.first().endsWith(".html"));

    // The list opens where the keyboard is; Esc closes it.
    auto* menu = filho<QToolButton>(w, "btJanelas")->menu();
    bool listou = false;
    QTimer::singleShot(300, menu, [&] {
        listou = menu->isVisible();
        menu->close();
    });
    QTest::keyClick(&w, Qt::Key_F6);
    QTRY_VERIFY(listou);

    QTest::keyClick(&w, Qt::Key_F2);
    QCOMPARE(w.ligacao().estado(), EstadoLigacao::Desconectada);
}

QTEST_MAIN(TstInicial)
#include "tst_inicial.moc"
