// The I2C window against the bench board: a single-bus scan of a good board, a bus whose
// devices do not answer, the automatic test over each model's buses, its cancel, the wait
// notices, the bus layout after a model change and the diagram file.
#include "apoio/CenarioJanela.h"

#include "boardtests/janelas/I2C.h"
#include "db/Banco.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "apoio/Apoio.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/Twips.h"
#include "veredito/Veredito.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

namespace {

struct Cenario : CenarioJanela {
    I2C* janela = nullptr;

    bool inicia(const QString& modelo, const QStringList& perfil = {})
    {
        if (!iniciaBancada(modelo, perfil))
            return false;
        janela = amb->janelas.mostra<I2C>(QStringLiteral("I2C"));
        return janela != nullptr;
    }
    template <class T>
    T* filho(const QString& nome) const { return janela->findChild<T*>(nome); }
    QPushButton* bt(int i) const { return filho<QPushButton>(QStringLiteral("btI2C(%1)").arg(i)); }
    QTimer* timer(const QString& nome) const { return filho<QTimer>(nome); }
    bool visivel(const QString& nome) const
    {
        auto* w = filho<QWidget>(nome);
        return w && !w->isHidden();
    }
    // The scans the board received, in order.
    QList<int> varridos() const
    {
        QList<int> r;
        static const QRegularExpression re(QStringLiteral("i2c -s (\\d+)\r"));
        auto it = re.globalMatch(QString::fromLatin1(bancada.registro()));
        while (it.hasNext())
            r << it.next().captured(1).toInt();
        return r;
    }
    bool esperaAvaliacao(int ms = 10000) const
    {
        return QTest::qWaitFor([this] { return !janela->lbResultado().isEmpty() && !janela->lendo(); }, ms);
    }
};

QStringList linhas(const QString& texto)
{
    return texto.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

class TstI2cJanela : public QObject {
    Q_OBJECT
private slots:
    void barramentoBom();
    void dispositivosAusentes();
    void codigoForaDaTabela();
    void vereditosPorDispositivo();
    void autoTeste_data();
    void autoTeste();
    void cancelaAutoTeste();
    void autoTesteAposFalha_data();
    void autoTesteAposFalha();
    void semLigacao();
    void notaDaRespostaAnterior();
    void trocaDeModelo();
    void diagrama();
};

void TstI2cJanela::barramentoBom()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.bt(0)->click();
    QVERIFY(c.visivel("ProgressBar"));
    QVERIFY(c.esperaAvaliacao());
    QCOMPARE(c.varridos(), QList<int>{0});
    QCOMPARE(c.janela->barramentoSelecionado(), 0);
    // IP 7 expects 002, 005, 010 and 013 on bus 0.
    const QString ok = L(QStringLiteral("COMUNICAÇÃO OK"));
    QCOMPARE(linhas(c.janela->lbResultado()),
             (QStringList{"  0x1A - TRISTAR - U4001 - " + ok, "  0x27 - CHESTNUT - U3703 - " + ok,
                          "  0x62 - BACKLIGHT 1 - U3701 - " + ok, "  0x74 - AGNES (POWER MANAGER) - U2700 - " + ok}));
    QVERIFY(c.janela->lbResultado().startsWith("\r\n\r\n  0x1A"));
    for (int k = 0; k < 4; ++k) {
        QVERIFY(c.visivel(QStringLiteral("ok(%1)").arg(k)));
        QVERIFY(!c.visivel(QStringLiteral("no(%1)").arg(k)));
    }
    QVERIFY(!c.visivel("ok(4)"));
    QCOMPARE(c.janela->txtDadosI2C(), "\r\n       " + L(QStringLiteral("Nenhuma falha detectada em I2C")));
    QVERIFY(c.visivel("FrameResultadoOK"));
    QVERIFY(!c.visivel("ProgressBar"));
    QVERIFY(c.janela->txtDados().contains("0x1A"));
    QVERIFY(!c.janela->txtDados().contains("i2c -s 0"));
    QVERIFY(c.roteiro.roteiro.mostradas.isEmpty());
    capturaJanela(c.janela, QStringLiteral("i2c_barramento"));
}

// Both expected devices of bus 2 are silent: two OFF lines, two NO marks, the bus listed once.
void TstI2cJanela::dispositivosAusentes()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7"),
                     {QStringLiteral("resposta i2c -s 2 = Scanning I2C bus 2\\n  no device answered\\n")}));
    c.bt(2)->click();
    QVERIFY(c.esperaAvaliacao());
    const QString off = L(QStringLiteral("COMUNICAÇÃO OFF"));
    QCOMPARE(linhas(c.janela->lbResultado()),
             (QStringList{"  0x21 - CONVOY (TOP SPEAKER CAP SERSE) - " + off, "  0x29 - ALS - J4503 - " + off}));
    QVERIFY(c.visivel("no(0)"));
    QVERIFY(c.visivel("no(1)"));
    QVERIFY(!c.visivel("ok(0)"));
    QCOMPARE(c.janela->txtDadosI2C(), L(QStringLiteral("Falhas i2c")) + "\r\n\r\nI2C 2:\r\n");
    QVERIFY(!c.visivel("FrameResultadoOK"));
    capturaJanela(c.janela, QStringLiteral("i2c_falha"));

    // A good bus afterwards starts a fresh fault list.
    c.bt(0)->click();
    QVERIFY(QTest::qWaitFor([&] { return c.janela->barramentoAtual() == 0; }, 2000));
    QVERIFY(c.esperaAvaliacao());
    QVERIFY(c.visivel("FrameResultadoOK"));
    QVERIFY(!c.janela->txtDadosI2C().contains("I2C 2"));
}

// A device code the table does not know: the window says "NOT <code>" and lists it as absent.
void TstI2cJanela::codigoForaDaTabela()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    QVERIFY(Banco(DadosTeste().banco)
                .executa(QStringLiteral("INSERT INTO i (Aparelho, id) VALUES ('IP 7', '299')")));
    c.bt(2)->click();
    QVERIFY(c.esperaAvaliacao());
    QCOMPARE(c.roteiro.roteiro.textos(), QStringList{QStringLiteral("NOT 299")});
    QVERIFY(linhas(c.janela->lbResultado()).contains("  NOT 299 - " + L(QStringLiteral("COMUNICAÇÃO OFF"))));
    capturaJanela(c.janela, QStringLiteral("i2c_codigo_fora_da_tabela"));
}

// One device of bus 2 answers, the other does not: each status gets its verdict (mark, tint,
// word) in the single-bus view and in the automatic test's list, and each is logged.
void TstI2cJanela::vereditosPorDispositivo()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7"),
                     {QStringLiteral("resposta i2c -s 2 = Scanning I2C bus 2\\n  0x21 : ACK\\n")}));
    QStringList registro;
    DefineDestinoVereditos([&registro](const QString& l) { registro << l; });
    c.bt(2)->click();
    QVERIFY(c.esperaAvaliacao());
    DefineDestinoVereditos({});
    const QString ok = L(QStringLiteral("COMUNICAÇÃO OK"));
    const QString off = L(QStringLiteral("COMUNICAÇÃO OFF"));
    QCOMPARE(linhas(c.janela->lbResultado()),
             (QStringList{"  0x21 - CONVOY (TOP SPEAKER CAP SERSE) - " + ok, "  0x29 - ALS - J4503 - " + off}));
    const struct {
        const char* marca;
        const char* outra;
        Veredito v;
        QString status;
    } casos[] = {{"ok(0)", "no(0)", Veredito::Passa, ok}, {"no(1)", "ok(1)", Veredito::Falha, off}};
    QCOMPARE(registro.size(), 2);
    for (int k = 0; k < 2; ++k) {
        const auto& caso = casos[k];
        QVERIFY(c.visivel(caso.marca));
        QVERIFY(!c.visivel(caso.outra));
        auto* marca = c.filho<QLabel>(caso.marca);
        QCOMPARE(marca->property("veredito").toString(), NomeVeredito(caso.v));
        QCOMPARE(marca->toolTip(), TextoVeredito(caso.v));
        QCOMPARE(marca->palette().color(QPalette::Window), corVeredito(caso.v));
        QVERIFY2(registro.at(k).startsWith("veredito | I2C | I2C 2 ")
                     && registro.at(k).endsWith(" | " + caso.status + " |  | " + NomeVeredito(caso.v)),
                 qPrintable(registro.at(k)));
    }

    // The automatic test lists the same verdicts, row by row.
    c.filho<QPushButton>(QStringLiteral("btAutoTeste"))->click();
    QVERIFY(QTest::qWaitFor([&] { return !c.janela->modoAuto(); }, 30000));
    auto* lista = c.filho<QListWidget>(QStringLiteral("ListView"));
    int falhas = 0, passes = 0;
    for (int i = 0; i < lista->count(); ++i) {
        const QListWidgetItem* item = lista->item(i);
        const bool dispositivo = item->text().contains(ok) || item->text().contains(off);
        if (!dispositivo) {
            QVERIFY(item->data(Qt::UserRole).toString().isEmpty());
            continue;
        }
        const Veredito v = item->text().contains(off) ? Veredito::Falha : Veredito::Passa;
        (v == Veredito::Falha ? falhas : passes)++;
        QCOMPARE(item->data(Qt::UserRole).toString(), NomeVeredito(v));
        QCOMPARE(item->background().color(), corVeredito(v));
        QCOMPARE(item->toolTip(), TextoVeredito(v));
        QVERIFY(!item->icon().isNull());
    }
    QCOMPARE(falhas, 1);
    QVERIFY(passes > 1);
    capturaJanela(c.janela, QStringLiteral("i2c_auto_vereditos"));
}

void TstI2cJanela::autoTeste_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QList<int>>("barramentos");
    QTest::addColumn<int>("indiceFinal");
    QTest::newRow("IP 6") << "IP 6" << QList<int>{0, 1, 2} << 4;
    QTest::newRow("IP X") << "IP X" << QList<int>{0, 3, 4, 5, 6, 7} << 8;
}

void TstI2cJanela::autoTeste()
{
    QFETCH(QString, modelo);
    QFETCH(QList<int>, barramentos);
    QFETCH(int, indiceFinal);
    Cenario c;
    QVERIFY(c.inicia(modelo));
    auto* bt = c.filho<QPushButton>(QStringLiteral("btAutoTeste"));
    // On the "IP 6" family the auto-test button takes the place of the hidden bus 3.
    if (modelo == QLatin1String("IP 6"))
        QCOMPARE(bt->y(), c.bt(3)->y());
    bt->click();
    QCOMPARE(bt->text(), L(QStringLiteral("Cancelar")));
    QVERIFY(c.visivel("FrameAutoI2C"));
    QVERIFY(!c.visivel("FrameI"));
    QVERIFY(QTest::qWaitFor([&] { return !c.janela->modoAuto(); }, 30000));
    QCOMPARE(c.varridos(), barramentos);
    QCOMPARE(c.janela->indiceAuto(), indiceFinal);
    QCOMPARE(c.janela->barramentoSelecionado(), 99);
    QCOMPARE(bt->text(), L(QStringLiteral("Auto Teste")));
    QVERIFY(!c.janela->lendo());
    QVERIFY(!c.visivel("ProgressBar"));
    QVERIFY(c.visivel("FrameResultadoOK"));

    auto* lista = c.filho<QListWidget>(QStringLiteral("ListView"));
    QStringList rotulos;
    for (int i = 0; i < lista->count(); ++i)
        rotulos << lista->item(i)->text();
    QCOMPARE(rotulos.last(), L(QStringLiteral("Teste Finalizados")) + "  ");
    QCOMPARE(rotulos.at(rotulos.size() - 2), QString());
    QStringList cabecalhos;
    for (const QString& r : rotulos)
        if (r.startsWith("  I2C "))
            cabecalhos << r;
    QStringList esperados;
    for (int b : barramentos)
        esperados << QStringLiteral("  I2C %1").arg(b);
    QCOMPARE(cabecalhos, esperados);
    // The older models get a blank row before each bus.
    QCOMPARE(rotulos.first(), modelo == QLatin1String("IP X") ? QStringLiteral("  I2C 0") : QStringLiteral(" "));
    for (const QString& r : rotulos)
        QVERIFY2(!r.contains(L(QStringLiteral("COMUNICAÇÃO OFF"))), qPrintable(r));
    capturaJanela(c.janela, "i2c_auto_" + QString(modelo).remove(QLatin1Char(' ')));
}

void TstI2cJanela::cancelaAutoTeste()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP X")));
    auto* bt = c.filho<QPushButton>(QStringLiteral("btAutoTeste"));
    QSignalSpy enviados(&c.amb->ligacao, &Ligacao::comandoEnviado);
    bt->click();
    auto* lista = c.filho<QListWidget>(QStringLiteral("ListView"));
    QVERIFY(QTest::qWaitFor([&] { return lista->count() > 0; }, 10000));
    capturaJanela(c.janela, QStringLiteral("i2c_auto_rodando"));
    bt->click();
    QCOMPARE(bt->text(), "Auto " + L(QStringLiteral("Teste")));
    QVERIFY(!c.janela->modoAuto());
    QVERIFY(!c.janela->lendo());
    QVERIFY(!c.timer("TimerBarra")->isActive());
    QVERIFY(!c.visivel("ProgressBar"));
    const int linhasAntes = lista->count();
    // The next scan goes out on the previous answer: the one in flight when Cancel was pressed
    // may reach the board's log after it; none goes out after it.
    const int varridos = enviados.size();
    QTest::qWait(2500);
    QCOMPARE(enviados.size(), varridos);
    QCOMPARE(c.varridos().size(), varridos);
    QVERIFY(lista->count() >= linhasAntes);
    QVERIFY(lista->item(0)->text().startsWith("  I2C 0"));
}

void TstI2cJanela::autoTesteAposFalha_data()
{
    // The read that fails is that of the second bus scanned ("IP X": 0, 3, 4, 5, 6, 7).
    QTest::addColumn<bool>("boxPerdida");
    QTest::addColumn<QList<int>>("varridos");
    QTest::addColumn<QString>("ultimaLinha"); // dictionary key
    QTest::newRow("one-off read error: goes on") << false << QList<int>{0, 3, 4, 5, 6, 7} << "Teste Finalizados";
    QTest::newRow("box lost: ends with the rows so far") << true << QList<int>{0, 3} << "Teste interrompido";
}

void TstI2cJanela::autoTesteAposFalha()
{
    QFETCH(bool, boxPerdida);
    QFETCH(QList<int>, varridos);
    QFETCH(QString, ultimaLinha);
    Cenario c;
    // The board's line vanishes half-way through its second answer (the first is the scan of bus 0).
    QVERIFY(c.iniciaBancada(QStringLiteral("IP X"), {}, boxPerdida ? QStringList{"--queda", "2"} : QStringList{}));
    c.janela = c.amb->janelas.mostra<I2C>(QStringLiteral("I2C"));
    QVERIFY(c.janela);
    auto* bt = c.filho<QPushButton>(QStringLiteral("btAutoTeste"));
    auto* lista = c.filho<QListWidget>(QStringLiteral("ListView"));
    bool falhou = false;
    if (!boxPerdida) {
        // A poll that fails once while the link stays up: the link tells the waiting window
        // that its answer will not come.
        connect(&c.amb->ligacao, &Ligacao::comandoEnviado, c.janela, [&](const QString&, const QString& comando) {
            if (comando == QLatin1String("i2c -s 3") && !falhou) {
                falhou = true;
                QTimer::singleShot(0, c.janela, [&] { c.janela->esperaCancelada(); });
            }
        });
    }
    bt->click();
    QVERIFY(QTest::qWaitFor([&] { return !c.janela->modoAuto(); }, 40000));
    QCOMPARE(c.varridos(), varridos);
    QCOMPARE(lista->item(lista->count() - 1)->text().trimmed(), L(ultimaLinha));
    QStringList cabecalhos;
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->text().startsWith("  I2C "))
            cabecalhos << lista->item(i)->text();
    // The rows of bus 0 stay in both cases.
    QVERIFY(cabecalhos.contains(QStringLiteral("  I2C 0")));
    QVERIFY(bt->text() != L(QStringLiteral("Cancelar")));
    capturaJanela(c.janela, boxPerdida ? "i2c_auto_interrompido" : "i2c_auto_apos_falha");
    QVERIFY(!c.janela->lendo());
    QVERIFY(!c.visivel("ProgressBar"));
}

void TstI2cJanela::semLigacao()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.amb->ligacao.defineEstado(EstadoLigacao::Desconectada);
    c.bt(1)->click();
    auto* aguarde = c.filho<QLabel>(QStringLiteral("lbAguarde"));
    QCOMPARE(aguarde->text(), L(QStringLiteral("Desconectado")) + "!");
    QVERIFY(c.visivel("lbAguarde"));
    QVERIFY(QTest::qWaitFor([&] { return aguarde->isHidden(); }, 3000));
    // Disconnected, the automatic test does nothing at all.
    c.filho<QPushButton>(QStringLiteral("btAutoTeste"))->click();
    QVERIFY(!c.janela->modoAuto());
    QVERIFY(!c.visivel("lbAguarde"));
    // Busy: the bus button shows the wait text.
    c.amb->ligacao.defineEstado(EstadoLigacao::Ocupada);
    c.bt(0)->click();
    QCOMPARE(aguarde->text(), L(QStringLiteral("Aguarde...")));
    QVERIFY(c.visivel("lbAguarde"));
    QTest::qWait(200);
    QVERIFY(c.bancada.registro().isEmpty());
}

// The note that the phone went on sending belongs to the answer it follows: the next scan,
// which the window's reading sends itself, takes it away.
void TstI2cJanela::notaDaRespostaAnterior()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.janela->respostaContinuou(40);
    QVERIFY(c.visivel("lbRespostaContinuou"));
    c.bt(0)->click();
    QVERIFY(!c.visivel("lbRespostaContinuou"));
    QVERIFY(c.esperaAvaliacao());
}

void TstI2cJanela::trocaDeModelo()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    QVERIFY(c.visivel("btI2C(5)"));
    QVERIFY(!c.bt(5)->isEnabled());
    QVERIFY(!c.visivel("btI2C(6)"));
    c.amb->sessao.defineModelo(QStringLiteral("IP X"));
    c.amb->janelas.AtualizaJanelasAbertas();
    for (int i = 0; i < 8; ++i)
        QVERIFY(c.visivel(QStringLiteral("btI2C(%1)").arg(i)));
    QVERIFY(!c.bt(1)->isEnabled());
    QVERIFY(!c.bt(2)->isEnabled());
    QVERIFY(c.bt(5)->isEnabled());
    auto* bt = c.filho<QPushButton>(QStringLiteral("btAutoTeste"));
    auto* rotulo = c.filho<QLabel>(QStringLiteral("lbDispositivo"));
    QCOMPARE(rotulo->text(), QString("IP X"));
    QVERIFY(bt->y() > c.bt(7)->y());
    QCOMPARE(rotulo->y() - bt->y(), Twips::paraPixels(600));
    QCOMPARE(c.filho<QWidget>(QStringLiteral("FrameI2C"))->property("title").toString(),
             L(QStringLiteral("Resultado do teste:")) + "IP X ");
}

void TstI2cJanela::diagrama()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 6s")));
    auto* bt = c.filho<QPushButton>(QStringLiteral("btPdf"));
    bt->click();
    QCOMPARE(c.roteiro.roteiro.abertos, QStringList{c.pasta.caminho() + "/xA9.pdf"});
    c.roteiro.roteiro.abreResultado = false;
    bt->click();
    // Like every document button: the technician is told, in the program's language, with the path.
    QCOMPARE(c.roteiro.roteiro.textos(), QStringList{L(QStringLiteral("SEM_VISUALIZADOR")) + "\n\n" + c.pasta.caminho() + "/xA9.pdf"});
}

QTEST_MAIN(TstI2cJanela)
#include "tst_i2c_janela.moc"
