// The command console against the bench board: sending, history, the comparator's store,
// save and delete on the real file, the auto comparator's badge, saved commands, the help
// window, and the refusals that keep a half-received answer out of the recordings.
#include "apoio/AmbienteJanelas.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "apoio/CenarioJanela.h"
#include "console/janelas/CaixaTexto.h"
#include "console/janelas/Master.h"
#include "console/janelas/fmHelp.h"
#include "db/Banco.h"
#include "db/ResultadoBanco.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QtTest>

namespace {

// The link state of a data row's code ("0".."3", as the main window shows it).
EstadoLigacao estadoDoCodigo(const QString& codigo)
{
    for (auto e : {EstadoLigacao::Desconectada, EstadoLigacao::Ociosa, EstadoLigacao::Conectando, EstadoLigacao::Ocupada})
        if (CodigoEstado(e) == codigo)
            return e;
    return EstadoLigacao::Desconectada;
}

template <class T>
T* filho(QObject* pai, const char* nome)
{
    T* w = pai->findChild<T*>(QLatin1String(nome));
    if (!w)
        qFatal("control %s not found", nome);
    return w;
}

int contaDados(const QString& banco, const QString& modelo, const QString& comando)
{
    Banco b(banco);
    return b.valor(QStringLiteral("select count(*) from Dados where Aparelho = ? and Comando = ?"), {modelo, comando})
        .toInt();
}

QString dadosGravados(const QString& banco, const QString& modelo, const QString& comando)
{
    Banco b(banco);
    return b.valor(QStringLiteral("select Dados from Dados where Aparelho = ? and Comando = ?"), {modelo, comando})
        .toString();
}

QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// One console on a bench board, in a temporary application folder.
struct Cenario {
    explicit Cenario(const QStringList& opcoes = {}, int idioma = 1)
    {
        DefineIdioma(idioma);
        pronto = bancada.inicia(opcoes, 0) && ambiente.conecta(bancada.dispositivo(), "IP 7", "A1660");
        if (pronto)
            console = ambiente.janelas.mostra<Master>(QStringLiteral("Master"));
        pronto = pronto && console;
    }
    ~Cenario() { ambiente.janelas.fecha(ambiente.janelas.nomesAbertos()); }

    // Types the command, presses Executar and waits for the answer.
    bool envia(const QString& comando)
    {
        console->defineTxtComandos(comando);
        auto* bt = filho<QPushButton>(console, "btSend");
        if (!bt->isEnabled())
            return false;
        bt->click();
        if (bt->isEnabled())
            return false; // nothing was sent
        return QTest::qWaitFor([&] { return bt->isEnabled(); }, 15000) && ambiente.aguardaOcioso();
    }
    bool badge() const { return !filho<QFrame>(console, "lbAutoComparador")->isHidden(); }
    // Types into the command box key by key, as the technician does.
    void digitaComando(const QString& texto)
    {
        QLineEdit* caixa = filho<QComboBox>(console, "txtComandos")->lineEdit();
        if (!ambiente.area.isVisible()) {
            ambiente.area.show();
            QVERIFY(QTest::qWaitForWindowExposed(&ambiente.area));
        }
        // Into the focused box, as the technician types (the box only completes with focus).
        ambiente.area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ambiente.area));
        caixa->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(caixa, texto);
    }
    // Types at a position of a text box as shown ("\n" is the Enter key).
    static void digitaEm(CaixaTexto* caixa, int posicao, const QString& teclas)
    {
        QTextCursor cursor = caixa->textCursor();
        if (posicao < 0)
            cursor.movePosition(QTextCursor::End);
        else
            cursor.setPosition(posicao);
        caixa->setTextCursor(cursor);
        for (const QChar ch : teclas) {
            if (ch == QLatin1Char('\n'))
                QTest::keyClick(caixa, Qt::Key_Return);
            else
                QTest::keyClicks(caixa, QString(ch));
        }
    }
    QString aguarde() const
    {
        auto* l = filho<QLabel>(console, "lbAguarde");
        return l->isHidden() ? QString() : l->text();
    }

    PastaAplicacaoTemporaria pasta;
    RoteiroInstalado dialogos;
    Bancada bancada;
    AmbienteJanelas ambiente;
    Master* console = nullptr;
    bool pronto = false;
};

const QString CRLF = QStringLiteral("\r\n");
} // namespace

class TstMaster : public QObject {
    Q_OBJECT
private slots:
    void carregaNoIdiomaAtual();
    void enviaGuardaHistoricoEEmpilha();
    void placaBoaMostraBadge();
    void badgeIgnoraNumeroDeSerieMascarado_data();
    void badgeIgnoraNumeroDeSerieMascarado();
    void copiaGravaNoArquivoEBadgeNaRepeticao();
    void salvarEExcluirPerguntam();
    void nadaSeGravaDeRespostaIncompleta();
    void comandosSalvos();
    void reinicioDesligamentoETesteDeBotoes();
    void historicoEPrefixoHelp();
    void janelaDeAjuda();
    void enviaOQueFoiDigitado_data();
    void enviaOQueFoiDigitado();
    void caixaGuardaAGrafiaDigitada();
    void cabeNaTelaEHistoricoAVista_data();
    void cabeNaTelaEHistoricoAVista();
    void comparadorMarcaAsLinhasDiferentes();
    void edicaoMudaSoOEditado_data();
    void edicaoMudaSoOEditado();
    void respostaEspelhadaSemBadge_data();
    void respostaEspelhadaSemBadge();
    void gravacoesIndependemDaLigacao_data();
    void gravacoesIndependemDaLigacao();
    void botoesDoAparelhoAvisamQuandoNaoPodem_data();
    void botoesDoAparelhoAvisamQuandoNaoPodem();
    void gravacaoQueFalhaAvisa_data();
    void gravacaoQueFalhaAvisa();
    void salvarGravaComandoSemGravacao();
    void salvarSemAlteracaoAvisa_data();
    void salvarSemAlteracaoAvisa();
    void notaLogoAposNovoComando();
    void fimDoTesteDeBotoesNuncaSePerde_data();
    void fimDoTesteDeBotoesNuncaSePerde();
};

void TstMaster::carregaNoIdiomaAtual()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(2);
    AmbienteJanelas ambiente;
    // Opened before the link is up: Executar follows the link.
    auto* m = ambiente.janelas.mostra<Master>(QStringLiteral("Master"));
    QVERIFY(m);
    QVERIFY(ambiente.janelas.aberta("Master"));
    QCOMPARE(m->windowTitle(), TextoDoDicionario("Modo Comandos e Comparador", 2) + " - Vexador Tarrim");
    QVERIFY(!filho<QPushButton>(m, "btSend")->isEnabled());
    ambiente.ligacao.defineEstado(EstadoLigacao::Ociosa);
    QVERIFY(filho<QPushButton>(m, "btSend")->isEnabled());
    ambiente.ligacao.defineEstado(EstadoLigacao::Ocupada);
    QVERIFY(!filho<QPushButton>(m, "btSend")->isEnabled());

    QVERIFY(!filho<CaixaTexto>(m, "txtInfoDados2")->isHidden());
    QVERIFY(!filho<CaixaTexto>(m, "txtInfoComandos2")->isHidden());
    for (const char* n : {"txtInfoDados", "txtInfoDados3", "txtInfoComandos", "txtInfoComandos3"})
        QVERIFY2(filho<CaixaTexto>(m, n)->isHidden(), n);
    QVERIFY(filho<QFrame>(m, "lbAutoComparador")->isHidden());
    QCOMPARE(m->txtComandos(), QString());
    QCOMPARE(filho<QLabel>(m, "lbDispositivo")->text(), TextoDoDicionario("Modelo", 2) + ": IP 7  ");
    // The saved commands fill the list in command order.
    auto* cb = filho<QComboBox>(m, "txtComandos");
    QVERIFY(cb->count() > 20);
    QVERIFY(cb->itemText(0).compare(cb->itemText(1), Qt::CaseInsensitive) <= 0);
    // The splitter starts at the recording's left edge (in steps of 8 twips).
    auto* hs = filho<QScrollBar>(m, "HScroll1");
    QCOMPARE(hs->value(), hs->maximum());
    auto* comparador = filho<CaixaTexto>(m, "txtComparador");
    const int direita = comparador->geometry().right();
    hs->setValue(hs->maximum() - 250);
    QCOMPARE(comparador->x(), Twips::paraPixels(hs->value() * 8));
    QCOMPARE(filho<CaixaTexto>(m, "txtConsole")->width(), Twips::paraPixels(hs->value() * 8 - 220));
    QVERIFY(qAbs(comparador->geometry().right() - direita) <= 1);
    // The notes of the command follow the typed command.
    m->defineTxtComandos("nanduid");
    QVERIFY(!filho<CaixaTexto>(m, "txtInfoComandos2")->texto().isEmpty());
    QVERIFY(!m->txtComparador().isEmpty());
    m->defineTxtComandos("nand");
    QVERIFY(filho<CaixaTexto>(m, "txtInfoComandos2")->texto().isEmpty());
    QVERIFY(m->txtComparador().isEmpty());
}

void TstMaster::enviaGuardaHistoricoEEmpilha()
{
    Cenario c;
    QVERIFY(c.pronto);
    QVERIFY(c.envia("nanduid"));
    const QString primeira = c.console->txtConsole();
    QVERIFY(primeira.startsWith(CRLF));
    QVERIFY(primeira.contains("NAND UID: "));
    QVERIFY2(!primeira.contains("nanduid"), "the echo is removed");
    QVERIFY(c.bancada.esperaRegistro("nanduid\r"));
    QCOMPARE(c.ambiente.ligacao.requisitante(), QStringLiteral("0"));

    // Unticked: each answer goes on top of what was there.
    filho<QCheckBox>(c.console, "ckLimpar")->setChecked(false);
    QVERIFY(c.envia("nandsize"));
    QVERIFY(c.envia("nanduid"));
    const QString pilha = c.console->txtConsole();
    QVERIFY(pilha.endsWith(CRLF + primeira));
    QVERIFY(pilha.indexOf("NAND UID") < pilha.indexOf("NAND Size"));
    // A mirrored answer ("help" grows in the console as it arrives) still lands on top of
    // the older ones, not on top of its own partial copy.
    QVERIFY(c.envia("help"));
    QVERIFY(c.envia("help"));
    const QString ajudas = c.console->txtConsole();
    QCOMPARE(ajudas.count("Diagnostics shell commands"), 2);
    QVERIFY(ajudas.endsWith(pilha));

    auto* lista = filho<QListWidget>(c.console, "ListCmd");
    QStringList historico;
    for (int i = 0; i < lista->count(); ++i)
        historico << lista->item(i)->text();
    QCOMPARE(historico, QStringList({"help", "help", "nanduid", "nandsize", "nanduid"}));

    // Ticked again: the new answer replaces everything; Limpar empties the console.
    filho<QCheckBox>(c.console, "ckLimpar")->setChecked(true);
    QVERIFY(c.envia("nandsize"));
    QVERIFY(!c.console->txtConsole().contains("NAND UID"));
    filho<QPushButton>(c.console, "btLimpar")->click();
    QCOMPARE(c.console->txtConsole(), QString());
    // Enter in the command box sends like Executar.
    c.console->defineTxtComandos("nanduid");
    QTest::keyClick(filho<QComboBox>(c.console, "txtComandos")->lineEdit(), Qt::Key_Return);
    QVERIFY(!filho<QPushButton>(c.console, "btSend")->isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return filho<QPushButton>(c.console, "btSend")->isEnabled(); }, 5000));
    QVERIFY(c.ambiente.aguardaOcioso());
    QCOMPARE(filho<QListWidget>(c.console, "ListCmd")->item(0)->text(), QStringLiteral("nanduid"));
    // An empty command sends nothing.
    const QByteArray antes = c.bancada.registro();
    c.console->defineTxtComandos(QString());
    filho<QPushButton>(c.console, "btSend")->click();
    QVERIFY(filho<QPushButton>(c.console, "btSend")->isEnabled());
    QTest::qWait(150);
    QCOMPARE(c.bancada.registro(), antes);
}

void TstMaster::placaBoaMostraBadge()
{
    Cenario c;
    QVERIFY(c.pronto);
    c.console->defineTxtComandos("NANDUID");
    QVERIFY(!c.console->txtComparador().isEmpty()); // recorded as "nanduid": found in any case
    QVERIFY(c.envia("NANDUID"));
    QVERIFY2(c.badge(), "a good board's answer is the recorded one");
    // Any change of the command hides it again.
    c.console->defineTxtComandos("NANDUID ");
    QVERIFY(!c.badge());
}

void TstMaster::badgeIgnoraNumeroDeSerieMascarado_data()
{
    QTest::addColumn<QString>("uid");
    QTest::addColumn<bool>("badge");
    QTest::newRow("this board's own number") << "0x893C92BBD4DDAAE3C4EFC5C3" << true;
    QTest::newRow("another board's number (in M)") << "0x501600BC80330F0B3C96B075" << true;
    QTest::newRow("a number M does not know") << "0x000000000000000000000001" << false;
}

void TstMaster::badgeIgnoraNumeroDeSerieMascarado()
{
    QFETCH(QString, uid);
    QFETCH(bool, badge);
    QTemporaryFile perfil;
    QVERIFY(perfil.open());
    perfil.write(QStringLiteral("resposta nanduid = NAND UID: %1\\nPassed\\n\n").arg(uid).toUtf8());
    perfil.close();
    Cenario c({"--placa", perfil.fileName()});
    QVERIFY(c.pronto);
    QVERIFY(c.envia("nanduid"));
    QVERIFY(c.console->txtConsole().contains(uid));
    QCOMPARE(c.badge(), badge);
}

void TstMaster::copiaGravaNoArquivoEBadgeNaRepeticao()
{
    Cenario c;
    QVERIFY(c.pronto);
    const QString banco = c.pasta.banco();
    const QString comando = QStringLiteral("bl -r");
    QCOMPARE(contaDados(banco, "IP 7", comando), 0);
    // An empty console stores nothing.
    c.console->defineTxtComandos(comando);
    filho<QPushButton>(c.console, "btSalvar")->click();
    QCOMPARE(contaDados(banco, "IP 7", comando), 0);

    QVERIFY(c.envia(comando));
    QVERIFY(!c.badge());
    QVERIFY(c.console->txtComparador().isEmpty());
    filho<QPushButton>(c.console, "btSalvar")->click();
    QVERIFY(c.dialogos.roteiro.mostradas.isEmpty()); // nothing to replace: no question
    QCOMPARE(contaDados(banco, "IP 7", comando), 1);
    QCOMPARE(dadosGravados(banco, "IP 7", comando), c.console->txtConsole());
    QCOMPARE(c.console->txtComparador(), c.console->txtConsole());
    QVERIFY(c.console->dadosAlterados());

    // The same answer again: the badge.
    QVERIFY(c.envia(comando));
    QVERIFY(c.badge());

    // Another model's recording is a separate row.
    c.ambiente.sessao.defineModelo("IP 8");
    c.ambiente.janelas.AtualizaJanelasAbertas();
    QVERIFY(c.console->txtComparador().isEmpty());
    QCOMPARE(filho<QLabel>(c.console, "lbDispositivo")->text(), L("Modelo") + ": IP 8  A1660");

    // Closing the window copies the changed database for the next installation.
    const QString usuario = DadosTeste().usuario();
    QVERIFY(!QFile::exists(usuario));
    c.ambiente.janelas.fecha({"Master"});
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(usuario); }, 3000));
    QCOMPARE(conteudo(usuario), conteudo(banco));
    QVERIFY(!c.ambiente.janelas.aberta("Master"));
}

void TstMaster::salvarEExcluirPerguntam()
{
    Cenario c;
    QVERIFY(c.pronto);
    auto& roteiro = c.dialogos.roteiro;
    const QString banco = c.pasta.banco();
    const QString gravadoAntes = dadosGravados(banco, "IP 7", "nandsize");
    QVERIFY(!gravadoAntes.isEmpty());
    QVERIFY(c.envia("nandsize"));

    // Replace declined: the row and the flag stay.
    roteiro.respostas = {Dialogos::Resposta::Nao};
    filho<QPushButton>(c.console, "btSalvar")->click();
    QCOMPARE(roteiro.textos(), QStringList{L("Deseja substituir os dados gravados do lado comparador?")});
    QCOMPARE(roteiro.mostradas.last().caixa.titulo, L("Dados"));
    QCOMPARE(dadosGravados(banco, "IP 7", "nandsize"), gravadoAntes);
    QVERIFY(!c.console->dadosAlterados());

    // Replace accepted: the live answer, still one row.
    roteiro.limpa();
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvar")->click();
    QCOMPARE(dadosGravados(banco, "IP 7", "nandsize"), c.console->txtConsole());
    QCOMPARE(contaDados(banco, "IP 7", "nandsize"), 1);
    QVERIFY(c.console->dadosAlterados());

    // Save: what the user typed into the recording and into the notes goes into both rows.
    auto* notas = filho<CaixaTexto>(c.console, "txtInfoDados");
    notas->setPlainText("nota da placa\nsegunda linha");
    filho<CaixaTexto>(c.console, "txtInfoComandos")->setPlainText("nota do comando");
    roteiro.limpa();
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    QCOMPARE(roteiro.titulos(), QStringList{L("Salvar")});
    {
        Banco b(banco);
        QCOMPARE(b.valor("select Info from Dados where Aparelho = 'IP 7' and Comando = 'nandsize'").toString(),
                 QStringLiteral("nota da placa\r\nsegunda linha"));
        QCOMPARE(b.valor("select Info from Comandos where Comando = 'nandsize'").toString(),
                 QStringLiteral("nota do comando"));
        QCOMPARE(b.valor("select count(*) from Comandos where Info = 'nota do comando'").toInt(), 1);
    }

    // Delete: declined keeps it, accepted removes exactly that row.
    const int outros = contaDados(banco, "IP 7 Plus", "nandsize");
    roteiro.limpa();
    roteiro.respostas = {Dialogos::Resposta::Nao, Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btExcluir")->click();
    QCOMPARE(contaDados(banco, "IP 7", "nandsize"), 1);
    filho<QPushButton>(c.console, "btExcluir")->click();
    QCOMPARE(roteiro.titulos(), QStringList({L("Excluir"), L("Excluir")}));
    QCOMPARE(contaDados(banco, "IP 7", "nandsize"), 0);
    QCOMPARE(contaDados(banco, "IP 7 Plus", "nandsize"), outros);
    QVERIFY(c.console->txtComparador().isEmpty());
    // Nothing left to delete: no question.
    roteiro.limpa();
    filho<QPushButton>(c.console, "btExcluir")->click();
    QVERIFY(roteiro.mostradas.isEmpty());
}

void TstMaster::nadaSeGravaDeRespostaIncompleta()
{
    // A slow board: the answer to "help" arrives in small pieces over a second or two.
    Cenario c({"--lento", "40", "--pedaco", "32"});
    QVERIFY(c.pronto);
    const QString banco = c.pasta.banco();
    QVERIFY(c.envia("nandsize"));
    const QString gravado = dadosGravados(banco, "IP 7", "nandsize");
    const int linhasHelp = contaDados(banco, "IP 7", "help");

    c.console->defineTxtComandos("help");
    filho<QPushButton>(c.console, "btSend")->click();
    // Wait until part of the answer is mirrored into the console, then try every store.
    QVERIFY(QTest::qWaitFor([&] { return c.console->txtConsole().contains("backlight"); }, 5000));
    QVERIFY(c.ambiente.ligacao.estado() == EstadoLigacao::Ocupada);
    c.dialogos.roteiro.respostas = {Dialogos::Resposta::Sim, Dialogos::Resposta::Sim, Dialogos::Resposta::Sim};
    for (const char* bt : {"btSalvar", "btSalvarAtualizacoes", "btExcluir"})
        filho<QPushButton>(c.console, bt)->click();
    QVERIFY(c.dialogos.roteiro.mostradas.isEmpty());
    QCOMPARE(contaDados(banco, "IP 7", "help"), linhasHelp);
    QCOMPARE(dadosGravados(banco, "IP 7", "nandsize"), gravado);
    QVERIFY(!c.console->dadosAlterados());
    QVERIFY(QTest::qWaitFor([&] { return filho<QPushButton>(c.console, "btSend")->isEnabled(); }, 15000));

    // The link lost in the middle of a mirrored answer gives Executar back, but the partial
    // text in the console is still not a recording.
    c.console->defineTxtComandos("testmemory --1MB");
    const QString memoria = dadosGravados(banco, "IP 7", "testmemory --1MB");
    c.console->espelha("1", "\r\ntestmemory --1MB\r\r\nTesting 1MB", QString());
    c.console->esperaCancelada();
    QVERIFY(filho<QPushButton>(c.console, "btSend")->isEnabled());
    filho<QPushButton>(c.console, "btSalvar")->click();
    QCOMPARE(contaDados(banco, "IP 7", "testmemory --1MB"), 1);
    QCOMPARE(dadosGravados(banco, "IP 7", "testmemory --1MB"), memoria);
    QVERIFY(c.dialogos.roteiro.mostradas.isEmpty());
    QVERIFY(!c.console->dadosAlterados());
}

void TstMaster::comandosSalvos()
{
    Cenario c;
    QVERIFY(c.pronto);
    auto& roteiro = c.dialogos.roteiro;
    const QString banco = c.pasta.banco();
    auto conta = [&](const QString& cmd) {
        Banco b(banco);
        return b.valor("select count(*) from Comandos where Comando = ?", {cmd}).toInt();
    };
    auto* cb = filho<QComboBox>(c.console, "txtComandos");
    const int itens = cb->count();
    c.console->defineTxtComandos("bl -p");
    roteiro.respostasEntrada = {QString("bl -p 30"), QString("it's"), QString(), std::nullopt};
    for (int i = 0; i < 4; ++i)
        filho<QPushButton>(c.console, "btNovo")->click();
    QCOMPARE(roteiro.entradas.size(), 4);
    QCOMPARE(roteiro.entradas.first().prompt, L("Digite o comando a ser gravado:"));
    QCOMPARE(roteiro.entradas.first().titulo, L("Novo Comando"));
    QCOMPARE(roteiro.entradas.first().padrao, QStringLiteral("bl -p"));
    QCOMPARE(conta("bl -p 30"), 1);
    QCOMPARE(conta("it's"), 0);
    QCOMPARE(cb->count(), itens + 1);
    QVERIFY(cb->findText("bl -p 30") >= 0);
    QCOMPARE(c.console->txtComandos(), QStringLiteral("bl -p 30"));
    QVERIFY(!c.console->dadosAlterados());
    // The apostrophe is refused with a word; the empty answer and Cancel are silent.
    QCOMPARE(roteiro.textos(), QStringList{L("MSG_COMANDO_APOSTROFO")});
    roteiro.limpa();

    // Deleting asks first and removes one row only.
    Banco(banco).executa("insert into Comandos (Comando) values ('bl -p 30')");
    roteiro.respostas = {Dialogos::Resposta::Nao, Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btApagar")->click();
    QCOMPARE(conta("bl -p 30"), 2);
    QCOMPARE(roteiro.textos().first(), L("Deseja excluir o comando ") + "  bl -p 30?");
    filho<QPushButton>(c.console, "btApagar")->click();
    QCOMPARE(conta("bl -p 30"), 1);
    // A command with an apostrophe is data, not a broken query.
    Banco(banco).executa("insert into Comandos (Comando) values ('o''k')");
    c.console->defineTxtComandos("o'k");
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btApagar")->click();
    QCOMPARE(conta("o'k"), 0);
    QCOMPARE(conta("bl -p 30"), 1);
}

void TstMaster::reinicioDesligamentoETesteDeBotoes()
{
    Cenario c;
    QVERIFY(c.pronto);
    auto& roteiro = c.dialogos.roteiro;
    QVERIFY(c.envia("nandsize"));
    const QString console = c.console->txtConsole();

    roteiro.respostas = {Dialogos::Resposta::Nao};
    filho<QPushButton>(c.console, "btReiniciar")->click();
    QCOMPARE(roteiro.titulos(), QStringList{L("Reiniciar Dispositivo")});
    QTest::qWait(200);
    QVERIFY(!c.bancada.registro().contains("Reset"));

    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btReiniciar")->click();
    QVERIFY(c.bancada.esperaRegistro("Reset\r"));
    QVERIFY(c.ambiente.aguardaOcioso());
    QCOMPARE(c.console->txtConsole(), console); // not delivered to the console

    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btDesligar")->click();
    QCOMPARE(roteiro.titulos().last(), L("Desligar Dispositivo"));
    QVERIFY(c.bancada.esperaRegistro("Shutdown\r"));
    QVERIFY(c.ambiente.aguardaOcioso());
    QCOMPARE(c.console->txtConsole(), console);

    // The buttons test in any letter case: the box, then "/q" once the test's answer is in.
    roteiro.limpa();
    c.console->defineTxtComandos("buttoncnt --dqe");
    filho<QPushButton>(c.console, "btSend")->click();
    QCOMPARE(roteiro.titulos(), QStringList{L("Teste de Funcionamento de Botões")});
    QCOMPARE(roteiro.mostradas.first().caixa.texto,
             L("Resultado do teste estão sendo exibidos na tela do dispositio") + CRLF + L("Clique em OK para finalizar"));
    QVERIFY(c.bancada.esperaRegistro("buttoncnt --dqe\r/q\r"));
    QVERIFY(c.ambiente.aguardaOcioso());
    QVERIFY(filho<QPushButton>(c.console, "btSend")->isEnabled());
}

void TstMaster::historicoEPrefixoHelp()
{
    Cenario c;
    QVERIFY(c.pronto);
    auto* bt = filho<QPushButton>(c.console, "btRecent");
    c.console->defineTxtComandos("bl -r");
    QTest::mouseClick(bt, Qt::RightButton);
    QCOMPARE(c.console->txtComandos(), QStringLiteral("help bl "));
    QTest::mouseClick(bt, Qt::RightButton);
    QCOMPARE(c.console->txtComandos(), QStringLiteral("bl "));

    // Before the panel was ever raised, a help answer stays out of txtHelpAux.
    QVERIFY(c.envia("help bl"));
    QCOMPARE(c.console->txtHelpAux(), QString());

    auto* frame = filho<QFrame>(c.console, "FrameHistorico");
    bt->click();
    QVERIFY(!frame->isHidden());
    QCOMPARE(frame->y(), Twips::paraPixels(1230));
    for (const char* n : {"ldDispComparador", "lbDispositivo", "lbInfDados"})
        QVERIFY2(filho<QLabel>(c.console, n)->isHidden(), n);
    QVERIFY(c.envia("help bl"));
    QVERIFY(c.console->txtHelpAux().startsWith(CRLF + "help bl")); // the raw answer, echo included
    QVERIFY(c.envia("nandsize"));
    QVERIFY(c.console->txtHelpAux().startsWith(CRLF + "help bl"));

    auto* lista = filho<QListWidget>(c.console, "ListCmd");
    auto* aux = filho<CaixaTexto>(c.console, "txtHelpAux");
    QTest::mouseClick(filho<QLabel>(c.console, "lbHelp"), Qt::LeftButton);
    QVERIFY(aux->isHidden());
    QCOMPARE(lista->width(), Twips::paraPixels(10095));
    QTest::mouseClick(filho<QLabel>(c.console, "lbHelp"), Qt::LeftButton);
    QVERIFY(!aux->isHidden());
    QCOMPARE(lista->width(), Twips::paraPixels(4455));

    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(1)).center());
    QCOMPARE(c.console->txtComandos(), QStringLiteral("help bl"));

    filho<QPushButton>(c.console, "btCloseHistorico")->click();
    QVERIFY(frame->isHidden());
    for (const char* n : {"ldDispComparador", "lbDispositivo", "lbInfDados"})
        QVERIFY2(!filho<QLabel>(c.console, n)->isHidden(), n);
    // Closed but still up at 1230 twips: help answers keep coming in.
    QVERIFY(c.envia("help buck"));
    QVERIFY(c.console->txtHelpAux().startsWith(CRLF + "help buck"));
}

void TstMaster::janelaDeAjuda()
{
    Cenario c({}, 2);
    QVERIFY(c.pronto);
    filho<QPushButton>(c.console, "btHelpPdf")->click();
    QCOMPARE(c.dialogos.roteiro.abertos, QStringList{c.pasta.caminho() + "/xDOD_USA.pdf"});

    c.console->defineTxtComandos("nandsize");
    filho<QPushButton>(c.console, "btHelp")->click();
    auto* ajuda = c.ambiente.janelas.aberta<fmHelp>(QStringLiteral("fmHelp"));
    QVERIFY(ajuda);
    QCOMPARE(c.console->txtComandos(), QStringLiteral("Help"));
    QVERIFY(ajuda->texto().contains("\"pmuadc\""));
    QCOMPARE(ajuda->texto(), c.console->txtComparador());
    QCOMPARE(ajuda->windowTitle(), TextoDoDicionario("Comandos", 2) + " Help - Vexador Tarrim");

    // A real double click on a quoted command puts the bare command into the console.
    auto* caixa = filho<CaixaTexto>(ajuda, "txtConsole");
    const int pos = caixa->toPlainText().indexOf("\"nanduid\"") + 3;
    QTextCursor cur = caixa->textCursor();
    cur.setPosition(pos);
    caixa->setTextCursor(cur);
    caixa->ensureCursorVisible();
    QTest::mouseDClick(caixa->viewport(), Qt::LeftButton, {}, caixa->cursorRect(cur).center());
    QCOMPARE(c.console->txtComandos(), QStringLiteral("nanduid"));
    QCOMPARE(caixa->textCursor().selectedText(), QStringLiteral("\"nanduid\""));
    // A word without quotes goes as it is.
    ajuda->escolheNaPosicao(caixa->toPlainText().indexOf("Diagnostics") + 2);
    QCOMPARE(c.console->txtComandos(), QStringLiteral("Diagnostics"));

    auto* add = filho<QPushButton>(ajuda, "btAdd");
    const QRect antes = caixa->geometry();
    add->click();
    auto* txt2 = filho<CaixaTexto>(ajuda, "txt2");
    QVERIFY(!txt2->isHidden());
    QVERIFY(add->isHidden());
    QVERIFY(caixa->y() > antes.y());
    QCOMPARE(caixa->geometry().bottom(), antes.bottom());

    // A model without a recorded help opens it empty.
    Banco(c.pasta.banco()).executa("delete from Dados where Comando = 'help'");
    c.ambiente.janelas.fecha({"fmHelp"});
    c.console->defineTxtComandos("x");
    filho<QPushButton>(c.console, "btHelp")->click();
    ajuda = c.ambiente.janelas.aberta<fmHelp>(QStringLiteral("fmHelp"));
    QVERIFY(ajuda);
    QCOMPARE(ajuda->texto(), QString());
}

void TstMaster::enviaOQueFoiDigitado_data()
{
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("salvo"); // a saved command that starts with it
    QTest::newRow("bl") << "bl" << "bl --off";
    QTest::newRow("wifi") << "wifi" << "wifi --off";
    QTest::newRow("battery") << "battery" << "battery --properties";
}

void TstMaster::enviaOQueFoiDigitado()
{
    QFETCH(QString, digitado);
    QFETCH(QString, salvo);
    Cenario c;
    QVERIFY(c.pronto);
    auto* cb = filho<QComboBox>(c.console, "txtComandos");
    QVERIFY(cb->findText(salvo) >= 0);
    c.digitaComando(digitado);
    QCOMPARE(c.console->txtComandos(), digitado);
    // The comparator looks up the typed text, not the saved command it begins.
    QCOMPARE(c.console->txtComparador(),
             dadosGravados(c.pasta.banco(), "IP 7", digitado).remove(digitado));
    QTest::keyClick(cb->lineEdit(), Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return filho<QPushButton>(c.console, "btSend")->isEnabled(); }, 15000));
    QVERIFY(c.ambiente.aguardaOcioso());
    QVERIFY(c.bancada.registro().endsWith(digitado.toUtf8() + "\r"));
    QVERIFY(!c.bancada.registro().contains(salvo.toUtf8()));
    QCOMPARE(filho<QListWidget>(c.console, "ListCmd")->item(0)->text(), digitado);
    QCOMPARE(c.console->txtComandos(), digitado);
    // The saved command stays one click away in the list.
    cb->setCurrentIndex(cb->findText(salvo));
    QCOMPARE(c.console->txtComandos(), salvo);
}

// A saved command spelled in other letters ("BUTTONCNT --DQE") is proposed, but neither Enter
// nor leaving the box turns what was typed into it: the next Enter sends the same spelling.
void TstMaster::caixaGuardaAGrafiaDigitada()
{
    Cenario c;
    QVERIFY(c.pronto);
    auto* cb = filho<QComboBox>(c.console, "txtComandos");
    auto* bt = filho<QPushButton>(c.console, "btSend");
    auto* proposta = c.console->findChild<QCompleter*>(QStringLiteral("propostaComandos"));
    QVERIFY(proposta);
    QVERIFY(cb->findText("BUTTONCNT --DQE", Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0);

    c.digitaComando("buttoncnt --dqe");
    QVERIFY(proposta->popup()->isVisible()); // the saved spelling is offered, in any case
    QCOMPARE(proposta->currentCompletion(), QStringLiteral("BUTTONCNT --DQE"));
    for (int vez = 1; vez <= 2; ++vez) {
        QTest::keyClick(cb->lineEdit(), Qt::Key_Return);
        QCOMPARE(c.console->txtComandos(), QStringLiteral("buttoncnt --dqe"));
        const QByteArray esperado = QByteArray("buttoncnt --dqe\r/q\r").repeated(vez);
        QVERIFY2(c.bancada.esperaRegistro(esperado), c.bancada.registro().constData());
        QVERIFY(QTest::qWaitFor([&] { return bt->isEnabled(); }, 15000));
        QVERIFY(c.ambiente.aguardaOcioso());
        // Editing ends (the focus leaves the box): the typed spelling stays.
        bt->setFocus(Qt::TabFocusReason);
        QCOMPARE(c.console->txtComandos(), QStringLiteral("buttoncnt --dqe"));
        QCOMPARE(filho<QListWidget>(c.console, "ListCmd")->item(0)->text(), QStringLiteral("buttoncnt --dqe"));
        cb->lineEdit()->setFocus(Qt::MouseFocusReason);
    }
    QVERIFY(!c.bancada.registro().contains("BUTTONCNT"));

    // Taking the proposal is a choice: the saved spelling comes into the box, and Enter on it
    // sends that spelling.
    cb->lineEdit()->clear();
    QTest::keyClicks(cb->lineEdit(), "buttonc");
    QVERIFY(proposta->popup()->isVisible());
    QTest::keyClick(proposta->popup(), Qt::Key_Down);
    QCOMPARE(c.console->txtComandos(), QStringLiteral("BUTTONCNT --DQE"));
    const QByteArray antes = c.bancada.registro();
    QTest::keyClick(proposta->popup(), Qt::Key_Return);
    QVERIFY(!proposta->popup()->isVisible());
    QCOMPARE(c.console->txtComandos(), QStringLiteral("BUTTONCNT --DQE"));
    QVERIFY(c.bancada.esperaRegistro(antes + "BUTTONCNT --DQE\r/q\r"));
    QVERIFY(QTest::qWaitFor([&] { return bt->isEnabled(); }, 15000));
    QVERIFY(c.ambiente.aguardaOcioso());
    QCOMPARE(c.bancada.registro(), antes + "BUTTONCNT --DQE\r/q\r");
}

void TstMaster::cabeNaTelaEHistoricoAVista_data()
{
    // The room the main window's area gives a child window (measured with the main window
    // maximised on each screen).
    QTest::addColumn<QSize>("area");
    QTest::newRow("1366x768") << QSize(1362, 608);
    QTest::newRow("1366x768 at 150 %") << QSize(908, 353);
    QTest::newRow("1920x1080") << QSize(1916, 900);
}

// On a laptop screen, opened and maximised: the rows under the answer boxes are in view without
// scrolling, and the history panel (≡) opens in view, leaves the captions as they were when it
// closes (Esc, ≡ again), and Enter sends the line chosen in it.
void TstMaster::cabeNaTelaEHistoricoAVista()
{
    QFETCH(QSize, area);
    Cenario c;
    QVERIFY(c.pronto);
    c.ambiente.janelas.fecha({QStringLiteral("Master")});
    c.ambiente.area.resize(area);
    c.ambiente.area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&c.ambiente.area));
    c.console = c.ambiente.janelas.mostra<Master>(QStringLiteral("Master"));
    QVERIFY(c.console);
    QVERIFY(c.envia("nanduid"));
    QVERIFY(c.envia("nandsize"));
    auto* sub = qobject_cast<QMdiSubWindow*>(c.console->parentWidget());
    QVERIFY(sub);
    auto* rolagem = filho<QScrollArea>(c.console, "rolagem");
    auto* frame = filho<QFrame>(c.console, "FrameHistorico");
    auto* lista = filho<QListWidget>(c.console, "ListCmd");
    auto* bt = filho<QPushButton>(c.console, "btRecent");
    const QStringList legendas = {"ldDispComparador", "lbDispositivo", "lbInfDados"};
    // The part of `w` the technician sees without moving a scroll bar.
    const auto aVista = [&](QWidget* w) {
        const QRect r(w->mapTo(rolagem->viewport(), QPoint(0, 0)), w->size());
        return rolagem->viewport()->rect().contains(r);
    };
    for (const bool maximizada : {false, true}) {
        if (maximizada)
            sub->showMaximized();
        QCoreApplication::processEvents();
        const QString onde = maximizada ? QStringLiteral("maximised") : QStringLiteral("opened");
        QVERIFY2(c.ambiente.area.viewport()->rect().contains(sub->geometry()), qPrintable(onde));
        QVERIFY2(!rolagem->verticalScrollBar()->isVisible(), qPrintable(onde));
        QVERIFY2(!rolagem->horizontalScrollBar()->isVisible(), qPrintable(onde));
        // Every control, the bottom row (Auto, Limpar) included, without moving a scroll bar.
        for (const char* n : {"ckLimpar", "btLimpar", "HScroll1", "txtComandos", "btSend", "btRecent", "txtConsole"})
            QVERIFY2(aVista(filho<QWidget>(c.console, n)), qPrintable(onde + " " + n));
        for (QWidget* w : c.console->conteudo()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible())
                QVERIFY2(aVista(w), qPrintable(onde + " " + w->objectName()));
        QVERIFY(filho<CaixaTexto>(c.console, "txtConsole")->height() >= Twips::paraPixels(1800));

        // ≡ with the mouse: the panel shows, in view, over the captions it hides.
        QTest::mouseClick(bt, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY2(frame->isVisible(), qPrintable(onde));
        QVERIFY2(aVista(frame), qPrintable(onde));
        QCOMPARE(frame->y(), Twips::paraPixels(1230));
        for (const QString& n : legendas)
            QVERIFY2(filho<QLabel>(c.console, qPrintable(n))->isHidden(), qPrintable(n));
        // Esc closes it, and the captions come back.
        QVERIFY(lista->hasFocus());
        QTest::keyClick(lista, Qt::Key_Escape);
        QVERIFY2(frame->isHidden(), qPrintable(onde));
        for (const QString& n : legendas)
            QVERIFY2(filho<QLabel>(c.console, qPrintable(n))->isVisible(), qPrintable(onde + " " + n));
        // ≡ opens and closes it; closed, the captions are there.
        QTest::mouseClick(bt, Qt::LeftButton);
        QVERIFY(frame->isVisible());
        QTest::mouseClick(bt, Qt::LeftButton);
        QVERIFY(frame->isHidden());
        for (const QString& n : legendas)
            QVERIFY2(filho<QLabel>(c.console, qPrintable(n))->isVisible(), qPrintable(onde + " " + n));
    }

    // Enter in the panel sends the chosen line (the older of the two: one row down).
    QTest::mouseClick(bt, Qt::LeftButton);
    QCOMPARE(lista->currentRow(), 0);
    QTest::keyClick(lista, Qt::Key_Down);
    const QByteArray antes = c.bancada.registro();
    QTest::keyClick(lista, Qt::Key_Return);
    QCOMPARE(c.console->txtComandos(), QStringLiteral("nanduid"));
    QVERIFY(c.bancada.esperaRegistro(antes + "nanduid\r"));
    QVERIFY(QTest::qWaitFor([&] { return filho<QPushButton>(c.console, "btSend")->isEnabled(); }, 15000));
    QVERIFY(c.ambiente.aguardaOcioso());
    QCOMPARE(lista->item(0)->text(), QStringLiteral("nanduid"));
    QVERIFY(c.console->txtConsole().contains("NAND UID"));
    QVERIFY(frame->isVisible());
    // The badge of the good board's answer is in view too, clear of the buttons.
    QVERIFY(c.badge());
    auto* badge = filho<QFrame>(c.console, "lbAutoComparador");
    QVERIFY(aVista(badge));
    for (const char* n : {"btDesligar", "btExcluir", "lbDiferencas"})
        QVERIFY2(!badge->geometry().intersects(filho<QWidget>(c.console, n)->geometry()), n);
}

// A board whose bus 0 lacks a device: the live answer's changed line is marked, the count beside
// the badge says two lines part (the missing one, the changed one); another command's recording
// takes the marks away and the live side says which command it answered.
void TstMaster::comparadorMarcaAsLinhasDiferentes()
{
    QTemporaryFile perfil;
    QVERIFY(perfil.open());
    perfil.write("resposta i2c -s 0 = Scanning I2C bus 0\\n  0x1A : ACK\\n  0x62 : ACK\\n  0x74 : ACK\\n"
                 "3 device(s) found on bus 0\\n\n");
    perfil.close();
    Cenario c({"--placa", perfil.fileName()});
    QVERIFY(c.pronto);
    auto* console = filho<CaixaTexto>(c.console, "txtConsole");
    auto* comparador = filho<CaixaTexto>(c.console, "txtComparador");
    auto* contagem = filho<QLabel>(c.console, "lbDiferencas");
    auto* respostaDe = filho<QLabel>(c.console, "lbRespostaDe");
    const auto marcadasEm = [](CaixaTexto* caixa) {
        QStringList linhas;
        for (const QTextEdit::ExtraSelection& m : caixa->extraSelections())
            linhas << m.cursor.block().text();
        return linhas;
    };
    const auto marcadas = [&] { return marcadasEm(console); };
    QVERIFY(respostaDe->isHidden());

    // A good board's answer: the badge, nothing marked, no count.
    QVERIFY(c.envia("nanduid"));
    QVERIFY(c.badge());
    QCOMPARE(marcadas(), QStringList());
    QVERIFY(contagem->isHidden());
    QVERIFY(respostaDe->isVisible());
    QVERIFY(respostaDe->text().endsWith(" nanduid"));

    QVERIFY(c.envia("i2c -s 0"));
    QVERIFY(!c.badge());
    QCOMPARE(marcadas(), QStringList{"3 device(s) found on bus 0"});
    // The recording's side shows what is missing.
    QCOMPARE(marcadasEm(comparador), (QStringList{"  0x27 : ACK", "4 device(s) found on bus 0"}));
    QVERIFY(contagem->isVisible());
    QCOMPARE(contagem->text(), QStringLiteral("\u2260 2"));
    QCOMPARE(contagem->toolTip(), L("Linhas diferentes") + ": 2");
    QCOMPARE(respostaDe->text(), L("Resposta de") + " i2c -s 0");
    QVERIFY(!respostaDe->font().bold());
    capturaJanela(c.console, QStringLiteral("Master-diferencas"));

    // Another command: its recording is beside an answer that is not its own.
    c.digitaComando("x");
    QCOMPARE(c.console->txtComandos(), QStringLiteral("i2c -s 0x"));
    QCOMPARE(marcadas(), QStringList());
    QCOMPARE(marcadasEm(comparador), QStringList());
    QVERIFY(contagem->isHidden());
    QVERIFY(respostaDe->isVisible());
    QCOMPARE(respostaDe->toolTip(), L("Resposta de") + " i2c -s 0");
    QVERIFY(respostaDe->font().bold());
    capturaJanela(c.console, QStringLiteral("Master-outro-comando"));
    // Back to it: the marks again.
    QTest::keyClick(filho<QComboBox>(c.console, "txtComandos")->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(marcadas(), QStringList{"3 device(s) found on bus 0"});
    QVERIFY(!respostaDe->font().bold());

    // The live answer stored as the recording: nothing differs any more.
    c.dialogos.roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvar")->click();
    QCOMPARE(marcadas(), QStringList());
    QVERIFY(contagem->isHidden());
    // Limpar: no answer, nothing said about one.
    filho<QPushButton>(c.console, "btLimpar")->click();
    QVERIFY(respostaDe->isHidden());
}

void TstMaster::edicaoMudaSoOEditado_data()
{
    QTest::addColumn<QString>("gravado");
    QTest::addColumn<int>("posicao"); // in the text as shown (without carriage returns); -1 the end
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("esperado");
    const QString resposta = "\r\nlinha um\r\r\nlinha dois\r\r\n[x] :-) ";
    QTest::newRow("CR CR LF, at the start") << resposta << 1 << "Z"
                                            << "\r\nZlinha um\r\r\nlinha dois\r\r\n[x] :-) ";
    QTest::newRow("CR CR LF, at the end") << resposta << -1 << "Z" << resposta + "Z";
    QTest::newRow("CR CR LF, Enter inside a line")
        << resposta << 6 << "\n" << "\r\nlinha\r\r\n um\r\r\nlinha dois\r\r\n[x] :-) ";
    const QString misto = "a\rb\r\nc\nd\r\r\ne";
    QTest::newRow("CR, CR LF, LF, CR CR LF, in the middle") << misto << 5 << "Z" << "a\rb\r\nc\nZd\r\r\ne";
    QTest::newRow("CR, CR LF, LF, CR CR LF, at the end") << misto << -1 << "Z" << misto + "Z";
    QTest::newRow("Enter in an LF line") << misto << 4 << "\n" << "a\rb\r\nc\n\nd\r\r\ne";
}

void TstMaster::edicaoMudaSoOEditado()
{
    QFETCH(QString, gravado);
    QFETCH(int, posicao);
    QFETCH(QString, teclas);
    QFETCH(QString, esperado);
    Cenario c;
    QVERIFY(c.pronto);
    const QString comando = QStringLiteral("syscfg print Regn");
    Banco(c.pasta.banco()).executa("delete from Dados where Comando = ?", {comando});
    QVERIFY(Banco(c.pasta.banco())
                .executa("insert into Dados (Aparelho, Comando, Dados) values ('IP 7', ?, ?)", {comando, gravado}));
    c.digitaComando(comando);
    QCOMPARE(c.console->txtComparador(), gravado);
    Cenario::digitaEm(filho<CaixaTexto>(c.console, "txtComparador"), posicao, teclas);
    c.dialogos.roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    QCOMPARE(dadosGravados(c.pasta.banco(), "IP 7", comando).toUtf8(), esperado.toUtf8());
    QCOMPARE(c.console->txtComparador(), esperado);
}

void TstMaster::respostaEspelhadaSemBadge_data()
{
    QTest::addColumn<QString>("comando");
    QTest::newRow("help") << "help";
    QTest::newRow("HELP") << "HELP";
    QTest::newRow("testmemory --1MB") << "testmemory --1MB";
}

void TstMaster::respostaEspelhadaSemBadge()
{
    QFETCH(QString, comando);
    Cenario c;
    QVERIFY(c.pronto);
    c.console->defineTxtComandos(comando);
    QVERIFY(!c.console->txtComparador().isEmpty());
    QVERIFY(c.envia(comando));
    QVERIFY(c.console->txtConsole().size() > 100);
    QVERIFY2(!c.badge(), "a mirrored answer is never compared");
    QVERIFY(!c.ambiente.ligacao.espelhoAtivo());
}

void TstMaster::gravacoesIndependemDaLigacao_data()
{
    QTest::addColumn<QString>("status");
    QTest::newRow("disconnected") << "0";
    QTest::newRow("another window's command in flight") << "3";
    QTest::newRow("connecting") << "2";
}

void TstMaster::gravacoesIndependemDaLigacao()
{
    QFETCH(QString, status);
    Cenario c;
    QVERIFY(c.pronto);
    auto& roteiro = c.dialogos.roteiro;
    const QString banco = c.pasta.banco();
    QVERIFY(c.envia("nandsize"));
    c.ambiente.ligacao.defineEstado(estadoDoCodigo(status));

    // Copiar Dados replaces the recording.
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvar")->click();
    QCOMPARE(dadosGravados(banco, "IP 7", "nandsize"), c.console->txtConsole());
    // Salvar stores the edited notes.
    filho<CaixaTexto>(c.console, "txtInfoDados")->setPlainText("nota");
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    {
        Banco b(banco);
        QCOMPARE(b.valor("select Info from Dados where Aparelho = 'IP 7' and Comando = 'nandsize'").toString(),
                 QStringLiteral("nota"));
    }
    // Excluir removes it.
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btExcluir")->click();
    QCOMPARE(contaDados(banco, "IP 7", "nandsize"), 0);
    QCOMPARE(roteiro.titulos(), QStringList({L("Dados"), L("Salvar"), L("Excluir")}));
    QVERIFY(c.console->dadosAlterados());
    QCOMPARE(c.aguarde(), QString());
    c.ambiente.ligacao.defineEstado(EstadoLigacao::Ociosa);
}

void TstMaster::botoesDoAparelhoAvisamQuandoNaoPodem_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("aviso"); // dictionary key of the wait text
    for (const char* bt : {"btReiniciar", "btDesligar", "Enter"}) {
        QTest::addRow("%s, disconnected", bt) << "0" << bt << "Desconectado";
        QTest::addRow("%s, link busy", bt) << "3" << bt << "Aguarde...";
    }
}

void TstMaster::botoesDoAparelhoAvisamQuandoNaoPodem()
{
    QFETCH(QString, status);
    QFETCH(QString, botao);
    QFETCH(QString, aviso);
    Cenario c;
    QVERIFY(c.pronto);
    QVERIFY(c.envia("nandsize"));
    const QByteArray antes = c.bancada.registro();
    c.ambiente.ligacao.defineEstado(estadoDoCodigo(status));
    c.dialogos.roteiro.respostas = {Dialogos::Resposta::Sim};
    if (botao == "Enter")
        QTest::keyClick(filho<QComboBox>(c.console, "txtComandos")->lineEdit(), Qt::Key_Return);
    else
        filho<QPushButton>(c.console, qPrintable(botao))->click();
    QCOMPARE(c.aguarde(), L(aviso) + (status == "0" ? "!" : ""));
    capturaJanela(c.console, "console_aguarde_" + QString(QTest::currentDataTag()).replace(' ', '_').remove(','));
    QVERIFY(c.dialogos.roteiro.mostradas.isEmpty()); // nothing asked that cannot be done
    QTest::qWait(100);
    QCOMPARE(c.bancada.registro(), antes);
    // The notice goes away by itself.
    QVERIFY(QTest::qWaitFor([&] { return c.aguarde().isEmpty(); }, 3000));
    c.ambiente.ligacao.defineEstado(EstadoLigacao::Ociosa);
}

Q_DECLARE_METATYPE(MotivoFalhaBanco)

void TstMaster::gravacaoQueFalhaAvisa_data()
{
    QTest::addColumn<QString>("falha");  // what breaks the write; "" removes the file
    QTest::addColumn<QString>("botao");
    QTest::addColumn<MotivoFalhaBanco>("motivo"); // the reason shown
    const QString recusa = QStringLiteral("create trigger falha before %1 on %2 begin select raise(abort, "
                                          "'constraint failed: injected'); end");
    QTest::newRow("Copiar Dados, replace refused") << recusa.arg("update", "Dados") << "btSalvar"
                                                   << MotivoFalhaBanco::Outro;
    QTest::newRow("Copiar Dados, new row refused") << recusa.arg("insert", "Dados") << "btSalvar"
                                                   << MotivoFalhaBanco::Outro;
    QTest::newRow("Copiar Dados, file gone") << "" << "btSalvar" << MotivoFalhaBanco::Ausente;
    QTest::newRow("Salvar, recording refused") << recusa.arg("update", "Dados") << "btSalvarAtualizacoes"
                                               << MotivoFalhaBanco::Outro;
    QTest::newRow("Salvar, command note refused") << recusa.arg("update", "Comandos") << "btSalvarAtualizacoes"
                                                  << MotivoFalhaBanco::Outro;
    QTest::newRow("Salvar, file gone") << "" << "btSalvarAtualizacoes" << MotivoFalhaBanco::Ausente;
    QTest::newRow("Excluir refused") << recusa.arg("delete", "Dados") << "btExcluir" << MotivoFalhaBanco::Outro;
    QTest::newRow("Excluir, file gone") << "" << "btExcluir" << MotivoFalhaBanco::Ausente;
    QTest::newRow("+ refused") << recusa.arg("insert", "Comandos") << "btNovo" << MotivoFalhaBanco::Outro;
    QTest::newRow("- refused") << recusa.arg("delete", "Comandos") << "btApagar" << MotivoFalhaBanco::Outro;
}

void TstMaster::gravacaoQueFalhaAvisa()
{
    QFETCH(QString, falha);
    QFETCH(QString, botao);
    QFETCH(MotivoFalhaBanco, motivo);
    Cenario c;
    QVERIFY(c.pronto);
    auto& roteiro = c.dialogos.roteiro;
    const QString banco = c.pasta.banco();
    const bool novaLinha = falha.contains("insert on Dados");
    if (novaLinha)
        Banco(banco).executa("delete from Dados where Comando = 'nandsize'");
    QVERIFY(c.envia("nandsize"));
    filho<CaixaTexto>(c.console, "txtInfoDados")->setPlainText("nota da placa");
    filho<CaixaTexto>(c.console, "txtInfoComandos")->setPlainText("nota do comando");
    const QString comparador = c.console->txtComparador();
    const QString console = c.console->txtConsole();
    const QByteArray arquivo = conteudo(banco);
    if (falha.isEmpty())
        QVERIFY(QFile::rename(banco, banco + ".fora"));
    else
        QVERIFY(Banco(banco).executa(falha));
    const QByteArray comFalha = conteudo(banco);

    roteiro.respostas = {Dialogos::Resposta::Sim};
    roteiro.respostasEntrada = {QString("novo comando")};
    filho<QPushButton>(c.console, qPrintable(botao))->click();

    // One box, in the program's language, that says the data was not stored and why.
    const auto caixas = roteiro.mostradas;
    QVERIFY(!caixas.isEmpty());
    const Dialogos::Caixa& aviso = caixas.last().caixa;
    QCOMPARE(aviso.titulo, L("Dados não gravados"));
    QCOMPARE(aviso.icone, Dialogos::Icone::Critico);
    // The reason as every window of the program words it (an engine's refusal keeps its own
    // text after the program's words).
    const QString esperado = ResultadoBanco::falha(motivo, QString(), banco).mensagem();
    QVERIFY2(aviso.texto.startsWith(esperado), qPrintable(aviso.texto));
    QVERIFY(aviso.texto.endsWith(CRLF + CRLF + L("MSG_TENTE_NOVAMENTE")));
    // Nothing written, and the screen as it was, for another try.
    QCOMPARE(conteudo(banco), comFalha);
    if (falha.isEmpty())
        QVERIFY(!QFile::exists(banco));
    QCOMPARE(c.console->txtComparador(), comparador);
    QCOMPARE(c.console->txtConsole(), console);
    QCOMPARE(filho<CaixaTexto>(c.console, "txtInfoDados")->texto(), QStringLiteral("nota da placa"));
    QCOMPARE(filho<CaixaTexto>(c.console, "txtInfoComandos")->texto(), QStringLiteral("nota do comando"));
    QVERIFY(!c.console->dadosAlterados());
    Q_UNUSED(arquivo);
}

void TstMaster::salvarGravaComandoSemGravacao()
{
    Cenario c;
    QVERIFY(c.pronto);
    const QString banco = c.pasta.banco();
    const QString comando = QStringLiteral("display --mode");
    Banco(banco).executa("delete from Dados where Comando = ?", {comando});
    c.digitaComando(comando);
    QCOMPARE(c.console->txtComparador(), QString());
    Cenario::digitaEm(filho<CaixaTexto>(c.console, "txtComparador"), 0, "esperado:\nmodo 1");
    Cenario::digitaEm(filho<CaixaTexto>(c.console, "txtInfoDados"), 0, "placa boa");
    c.dialogos.roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    QCOMPARE(c.dialogos.roteiro.titulos(), QStringList{L("Salvar")});
    QCOMPARE(contaDados(banco, "IP 7", comando), 1);
    QCOMPARE(dadosGravados(banco, "IP 7", comando), QStringLiteral("esperado:\r\nmodo 1"));
    Banco b(banco);
    QCOMPARE(b.valor("select Info from Dados where Comando = ?", {comando}).toString(), QStringLiteral("placa boa"));
    QVERIFY(c.console->dadosAlterados());
    // A second Salvar updates that row instead of adding another.
    Cenario::digitaEm(filho<CaixaTexto>(c.console, "txtInfoDados"), 9, "!");
    c.dialogos.roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    QCOMPARE(contaDados(banco, "IP 7", comando), 1);
    QCOMPARE(b.valor("select Info from Dados where Comando = ?", {comando}).toString(), QStringLiteral("placa boa!"));
}

// Salvar with the boxes as the rows hold them (or empty where there is no row) asks nothing:
// it says there is nothing to save, writes nothing and leaves the recordings unchanged.
void TstMaster::salvarSemAlteracaoAvisa_data()
{
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("gravado");
    QTest::newRow("recorded command, untouched") << "nandsize" << true;
    QTest::newRow("command without a recording, empty boxes") << "display --mode" << false;
}

void TstMaster::salvarSemAlteracaoAvisa()
{
    QFETCH(QString, comando);
    QFETCH(bool, gravado);
    Cenario c;
    QVERIFY(c.pronto);
    const QString banco = c.pasta.banco();
    if (!gravado)
        Banco(banco).executa("delete from Dados where Comando = ?", {comando});
    c.digitaComando(comando);
    QCOMPARE(c.console->txtComparador().isEmpty(), !gravado);
    const QString antes = dadosGravados(banco, "IP 7", comando);
    const int linhas = contaDados(banco, "IP 7", comando);
    auto& roteiro = c.dialogos.roteiro;
    roteiro.limpa();
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    QCOMPARE(roteiro.textos(), QStringList{L("Nada a salvar.")});
    QCOMPARE(roteiro.titulos(), QStringList{L("Salvar")});
    QVERIFY(roteiro.mostradas.last().caixa.icone != Dialogos::Icone::Pergunta);
    QCOMPARE(dadosGravados(banco, "IP 7", comando), antes);
    QCOMPARE(contaDados(banco, "IP 7", comando), linhas);
    QVERIFY(!c.console->dadosAlterados());

    // One character typed into the notes is a change again: the usual question.
    Cenario::digitaEm(filho<CaixaTexto>(c.console, "txtInfoDados"), 0, "x");
    roteiro.limpa();
    roteiro.respostas = {Dialogos::Resposta::Nao};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    QCOMPARE(roteiro.textos(), QStringList{L("Deseja salvar as alterações?")});
}

void TstMaster::notaLogoAposNovoComando()
{
    Cenario c;
    QVERIFY(c.pronto);
    auto& roteiro = c.dialogos.roteiro;
    const QString banco = c.pasta.banco();
    const QString comando = QStringLiteral("meu comando");
    c.digitaComando(comando);
    roteiro.respostasEntrada = {comando};
    filho<QPushButton>(c.console, "btNovo")->click();
    Cenario::digitaEm(filho<CaixaTexto>(c.console, "txtInfoComandos"), 0, "nota nova");
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    QCOMPARE(roteiro.titulos(), QStringList{L("Salvar")});
    Banco b(banco);
    QCOMPARE(b.valor("select Info from Comandos where Comando = ?", {comando}).toString(), QStringLiteral("nota nova"));

    // A note for a command that is not saved is not stored, and the box says so.
    c.console->defineTxtComandos(QString());
    c.digitaComando("sem lista");
    Cenario::digitaEm(filho<CaixaTexto>(c.console, "txtInfoComandos"), 0, "perdida?");
    roteiro.limpa();
    roteiro.respostas = {Dialogos::Resposta::Sim};
    filho<QPushButton>(c.console, "btSalvarAtualizacoes")->click();
    QCOMPARE(roteiro.titulos(), QStringList({L("Salvar"), L("Dados não gravados")}));
    QVERIFY(roteiro.textos().last().contains(L("Motivo comando nao salvo")));
    QCOMPARE(filho<CaixaTexto>(c.console, "txtInfoComandos")->texto(), QStringLiteral("perdida?"));
}

void TstMaster::fimDoTesteDeBotoesNuncaSePerde_data()
{
    QTest::addColumn<int>("queda");
    QTest::addColumn<int>("lidosAntes");
    // The line vanishes half-way through an answer and comes back a second later.
    QTest::newRow("box lost during the test's answer") << 1 << 0;
    // The phone read "/q" but nobody knows: it goes again.
    QTest::newRow("box lost during the answer to /q") << 2 << 1;
}

void TstMaster::fimDoTesteDeBotoesNuncaSePerde()
{
    QFETCH(int, queda);
    QFETCH(int, lidosAntes);
    Cenario c({"--queda", QString::number(queda), "--volta-apos", "1"});
    QVERIFY(c.pronto);
    // Polls of 500 ms: the line (dropping 400 ms after its half answer) always goes before the
    // answer could end by quiet polls.
    c.ambiente.ligacao.defineModeloBox("2");
    c.console->defineTxtComandos("buttoncnt --dqe");
    filho<QPushButton>(c.console, "btSend")->click();
    QVERIFY(QTest::qWaitFor([&] { return c.ambiente.ligacao.estado() == EstadoLigacao::Desconectada; }, 15000));
    // "/q" waits for a link, and the window says why.
    QCOMPARE(c.aguarde(), L("Desconectado") + "!");
    QCOMPARE(c.ambiente.ligacao.comandoPendente(), QStringLiteral("/q"));
    QCOMPARE(c.bancada.registro().count("/q\r"), lidosAntes);
    QVERIFY(c.bancada.esperaNovoDispositivo());
    QVERIFY(c.ambiente.conecta(c.bancada.dispositivo(), "IP 7", "A1660"));
    QVERIFY(QTest::qWaitFor([&] { return c.bancada.registro().count("/q\r") == lidosAntes + 1; }, 5000));
    QVERIFY(c.ambiente.aguardaOcioso());
    QCOMPARE(c.aguarde(), QString());
    QCOMPARE(c.ambiente.ligacao.comandoPendente(), QString());
    QCOMPARE(c.bancada.registro().count("/q\r"), lidosAntes + 1);
}

QTEST_MAIN(TstMaster)
#include "tst_master.moc"
