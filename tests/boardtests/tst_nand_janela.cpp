// The NAND window against the bench board: the size read when it opens, the verdicts of the
// function buttons, "syscfg list" with its question and live mirroring, the missing driver,
// the answers that are not available or report an error, the model guard, the VCore window on
// the NAND rails, the wait notice and the PDF guide.
#include "apoio/CenarioJanela.h"

#include "boardtests/janelas/Nand.h"
#include "veredito/Veredito.h"
#include "rails/janelas/JanelaGradeTrilhas.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QElapsedTimer>
#include <QSet>
#include <QTimer>
#include <QtTest>

namespace {

struct Cenario : CenarioJanela {
    Nand* janela = nullptr;

    // Starts the board, opens the window and waits for its size reading to end.
    bool inicia(const QString& modelo, const QStringList& perfil = {}, const QStringList& opcoes = {})
    {
        if (!iniciaBancada(modelo, perfil, opcoes))
            return false;
        janela = amb->janelas.mostra<Nand>(QStringLiteral("Nand"));
        return janela && bancada.esperaRegistro("nandsize\r") && amb->aguardaOcioso(10000)
               && QTest::qWaitFor([this] { return !janela->lendo(); }, 3000);
    }
    template <class T>
    T* filho(const QString& nome) const { return janela->findChild<T*>(nome); }
    QPushButton* bt(int i) const { return filho<QPushButton>(QStringLiteral("btBl(%1)").arg(i)); }
    QTimer* timer(const QString& nome) const { return filho<QTimer>(nome); }
    bool visivel(const QString& nome) const
    {
        auto* w = filho<QWidget>(nome);
        return w && !w->isHidden();
    }
    bool esperaFim(int ms = 15000) const
    {
        return QTest::qWaitFor([this] { return !janela->lendo(); }, ms);
    }
};

QString textoMensagem(const char* chave)
{
    return CaixaDaMensagem(QString::fromLatin1(chave), 1)->texto;
}

} // namespace

class TstNandJanela : public QObject {
    Q_OBJECT
private slots:
    void tamanhoAoAbrir_data();
    void tamanhoAoAbrir();
    void funcoes_data();
    void funcoes();
    void syscfgEspelhado();
    void syscfgBarraAnda();
    void syscfgRecusado();
    void semDriver();
    void respostasRuins_data();
    void respostasRuins();
    void informacoesNoIp6();
    void tensoesNand();
    void semLigacaoEPdf();
};

void TstNandJanela::tamanhoAoAbrir_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QStringList>("perfil");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("IP 7") << "IP 7" << QStringList{} << "NAND 32 GB";
    QTest::newRow("IP X") << "IP X" << QStringList{} << "NAND 256 GB";
    QTest::newRow("1 000 000 000") << "IP 7" << QStringList{"resposta nandsize = NAND Size (Passed): 0x3B9ACA00\\n"}
                                   << "NAND 1024 GB";
    QTest::newRow("lower case") << "IP 7" << QStringList{"resposta nandsize = NAND Size (Passed): 0xee6b280\\n"}
                                << "NAND 0 GB APROX.";
}

void TstNandJanela::tamanhoAoAbrir()
{
    QFETCH(QString, modelo);
    QFETCH(QStringList, perfil);
    QFETCH(QString, rotulo);
    Cenario c;
    QVERIFY(c.inicia(modelo, perfil));
    QCOMPARE(c.janela->lbNand(), rotulo);
    QCOMPARE(c.filho<QLabel>(QStringLiteral("lbNand"))->text(), rotulo);
    // The reading at load gives no verdict.
    QCOMPARE(c.janela->lbStatus(), QString());
    QVERIFY(!c.visivel("OK(0)"));
    QVERIFY(!c.janela->lendo());
    QCOMPARE(c.vezes("nandsize"), 1);
}

void TstNandJanela::funcoes_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QByteArray>("comando");
    QTest::newRow("nanduid") << 0 << QByteArray("nanduid");
    QTest::newRow("nandsize") << 1 << QByteArray("nandsize");
    QTest::newRow("nand --getinfo") << 2 << QByteArray("nand --getinfo");
}

void TstNandJanela::funcoes()
{
    QFETCH(int, indice);
    QFETCH(QByteArray, comando);
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7"), {"resposta nandsize = NAND Size (Passed): 0x3B9ACA00\\n"}));
    const QString capacidade = c.janela->lbNand();
    c.bt(indice)->click();
    QCOMPARE(c.janela->funcaoNand(), indice);
    QVERIFY(c.esperaFim());
    QCOMPARE(c.vezes(comando), indice == 1 ? 2 : 1);
    QCOMPARE(c.janela->lbStatus(), L(QStringLiteral("COMUNICAÇÃO OK")));
    QVERIFY(c.visivel("OK(0)"));
    QVERIFY(!c.visivel("NO(0)"));
    QVERIFY(c.visivel("lbStatus2"));
    QVERIFY(!c.timer("TimerBarra")->isActive());
    // The capacity is written only from the reading at load.
    QCOMPARE(c.janela->lbNand(), capacidade);
    QVERIFY(c.roteiro.roteiro.mostradas.isEmpty());
}

// "syscfg list" asks first, mirrors the growing answer behind L("TESTE 40s") and judges the
// whole answer only once the link is idle.
void TstNandJanela::syscfgEspelhado()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.roteiro.roteiro.respostas = {Dialogos::Resposta::Sim};
    c.bt(3)->click();
    QCOMPARE(c.roteiro.roteiro.mostradas.size(), 1);
    const Dialogos::Caixa pergunta = c.roteiro.roteiro.mostradas.first().caixa;
    QCOMPARE(pergunta.texto, L(QStringLiteral("Processo syscfg")));
    QCOMPARE(pergunta.titulo, c.bt(3)->text());
    QCOMPARE(pergunta.icone, Dialogos::Icone::Pergunta);
    QCOMPARE(pergunta.botoes, Dialogos::Botoes::SimNao);
    QCOMPARE(c.timer("TimerBarra")->interval(), 250);
    QVERIFY(c.amb->ligacao.espelhoAtivo());

    bool espelhou = false;
    bool julgouCedo = false;
    QVERIFY(QTest::qWaitFor([&] {
        if (c.amb->ligacao.estado() == EstadoLigacao::Ocupada) {
            if (c.janela->txtDados().startsWith(L(QStringLiteral("TESTE 40s"))) && c.janela->txtDados().contains("Key"))
                espelhou = true;
            if (!c.janela->lbStatus().isEmpty())
                julgouCedo = true;
        }
        return !c.janela->lendo();
    }, 30000));
    QVERIFY(espelhou);
    QVERIFY(!julgouCedo);
    QVERIFY(!c.amb->ligacao.espelhoAtivo());
    QVERIFY(c.janela->txtDados().size() >= 7001);
    QVERIFY(!c.janela->txtDados().startsWith(L(QStringLiteral("TESTE 40s"))));
    QVERIFY(c.janela->txtDados().contains("Finished"));
    QCOMPARE(c.janela->lbStatus(), L(QStringLiteral("COMUNICAÇÃO OK")));
    QVERIFY(c.visivel("OK(0)"));
    QCOMPARE(c.roteiro.roteiro.mostradas.size(), 1);
    capturaJanela(c.janela, QStringLiteral("nand_syscfg"));
}

// At the board's own pace "syscfg list" prints for about 45 s: the progress bar moves on every
// 250 ms tick while the answer grows, not only after it ended.
void TstNandJanela::syscfgBarraAnda()
{
    Cenario c;
    c.rapido = false;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.roteiro.roteiro.respostas = {Dialogos::Resposta::Sim};
    c.janela->show();
    c.bt(3)->click();
    auto* barra = c.filho<QLabel>(QStringLiteral("Barra"));
    QVERIFY(barra);
    QSet<int> larguras;
    QElapsedTimer relogio;
    relogio.start();
    while (relogio.elapsed() < 3000) {
        QTest::qWait(100);
        QCOMPARE(c.amb->ligacao.estado(), EstadoLigacao::Ocupada);
        larguras.insert(barra->width());
    }
    QVERIFY2(larguras.size() >= 8, qPrintable(QString::number(larguras.size())));
    QVERIFY(*std::max_element(larguras.begin(), larguras.end()) > 1);
    capturaJanela(c.janela, QStringLiteral("nand_syscfg_lendo"));
    c.amb->ligacao.abandonaTroca(QStringLiteral("teste"));
}

void TstNandJanela::syscfgRecusado()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.roteiro.roteiro.respostas = {Dialogos::Resposta::Nao};
    c.bt(3)->click();
    QTest::qWait(300);
    QCOMPARE(c.vezes("syscfg list"), 0);
    QVERIFY(!c.janela->lendo());
    QVERIFY(!c.amb->ligacao.espelhoAtivo());
}

// The board has no system configuration driver: the NAND error box, then the OFF verdict.
void TstNandJanela::semDriver()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7"), {}, {QStringLiteral("--sem-driver")}));
    c.roteiro.roteiro.respostas = {Dialogos::Resposta::Sim};
    QStringList registro;
    DefineDestinoVereditos([&registro](const QString& l) { registro << l; });
    c.bt(3)->click();
    QVERIFY(c.esperaFim());
    DefineDestinoVereditos({});
    QCOMPARE(registro, QStringList{"veredito | Nand | syscfg list | " + L(QStringLiteral("COMUNICAÇÃO OFF")) + " |  | falha"});
    QCOMPARE(c.vezes("syscfg list"), 1);
    QCOMPARE(c.roteiro.roteiro.textos(), (QStringList{L(QStringLiteral("Processo syscfg")), textoMensagem("MSG_ERRO_NAND")}));
    QCOMPARE(c.janela->lbStatus(), L(QStringLiteral("COMUNICAÇÃO OFF")));
    QVERIFY(c.visivel("NO(0)"));
    QVERIFY(!c.visivel("OK(0)"));
    // The verdict type behind the mark: its word for whoever cannot tell the pictures apart.
    QCOMPARE(c.filho<QLabel>("NO(0)")->property("veredito").toString(), QString("falha"));
    QCOMPARE(c.filho<QLabel>("NO(0)")->toolTip(), TextoVeredito(Veredito::Falha));
    QVERIFY(c.janela->txtDados().contains("Driver is missing!"));
    capturaJanela(c.janela, QStringLiteral("nand_semdriver"));
}

void TstNandJanela::respostasRuins_data()
{
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("txtDados");
    QTest::addColumn<QStringList>("caixas");
    QTest::newRow("not found") << "nanduid: command not found on this board, see help\\n" << ""
                               << L(QStringLiteral("Não disponível para 6/6P")) << QStringList{};
    QTest::newRow("ERROR") << "NAND ERROR: the controller did not answer the request\\n"
                           << L(QStringLiteral("COMUNICAÇÃO OFF")) << "" << QStringList{textoMensagem("MSG_ERRO_NAND")};
}

void TstNandJanela::respostasRuins()
{
    QFETCH(QString, resposta);
    QFETCH(QString, status);
    QFETCH(QString, txtDados);
    QFETCH(QStringList, caixas);
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7"), {"resposta nanduid = " + resposta}));
    c.bt(0)->click();
    QVERIFY(c.esperaFim());
    QCOMPARE(c.janela->lbStatus(), status);
    QCOMPARE(c.visivel("NO(0)"), !status.isEmpty());
    if (!txtDados.isEmpty())
        QCOMPARE(c.janela->txtDados(), txtDados);
    QCOMPARE(c.roteiro.roteiro.textos(), caixas);
}

void TstNandJanela::informacoesNoIp6()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 6s")));
    c.bt(2)->click();
    QCOMPARE(c.roteiro.roteiro.textos(), QStringList{textoMensagem("MSG_NAO_PARA_IP6")});
    QTest::qWait(300);
    QCOMPARE(c.vezes("nand --getinfo"), 0);
}

void TstNandJanela::tensoesNand()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.bt(4)->click();
    JanelaFilha* vcores = c.amb->janelas.aberta(QStringLiteral("VCores"));
    QVERIFY(vcores);
    QCOMPARE(vcores->findChild<QComboBox*>(QStringLiteral("cbICs"))->currentText(), QString("NAND"));
    // The grid shows the NAND supply rails of every family.
    auto* grade = vcores->findChild<QAbstractItemView*>(QStringLiteral("DBGrid1"));
    auto* modelo = grade ? qobject_cast<ModeloGradeTrilhas*>(grade->model()) : nullptr;
    QVERIFY(modelo && modelo->rowCount() > 0);
    QSet<QString> familias;
    for (int i = 0; i < modelo->rowCount(); ++i) {
        QVERIFY(modelo->valor(i, "Ci").contains("NAND", Qt::CaseInsensitive));
        familias.insert(modelo->valor(i, "TIPO"));
    }
    QCOMPARE(familias.size(), 3);
    QVERIFY(c.bancada.esperaRegistro("pmuadc --read all\r"));
    QVERIFY(c.amb->aguardaOcioso(15000));
}

void TstNandJanela::semLigacaoEPdf()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.amb->ligacao.defineEstado(EstadoLigacao::Desconectada);
    c.bt(0)->click();
    auto* aguarde = c.filho<QLabel>(QStringLiteral("lbAguarde"));
    QCOMPARE(aguarde->text(), L(QStringLiteral("Desconectado")) + "!");
    QVERIFY(c.visivel("lbAguarde"));
    QVERIFY(QTest::qWaitFor([&] { return aguarde->isHidden(); }, 3000));
    QCOMPARE(c.vezes("nanduid"), 0);

    c.filho<QPushButton>(QStringLiteral("btPdf"))->click();
    QCOMPARE(c.roteiro.roteiro.abertos, QStringList{c.pasta.caminho() + "/xErrosNand.pdf"});
    QVERIFY(c.roteiro.roteiro.textos().isEmpty());
    c.roteiro.roteiro.abreResultado = false; // no PDF viewer: said with the path
    c.filho<QPushButton>(QStringLiteral("btPdf"))->click();
    QCOMPARE(c.roteiro.roteiro.textos(), QStringList{L(QStringLiteral("SEM_VISUALIZADOR")) + "\n\n" + c.pasta.caminho() + "/xErrosNand.pdf"});
}

QTEST_MAIN(TstNandJanela)
#include "tst_nand_janela.moc"
