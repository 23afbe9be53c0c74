// The IC window against the bench board: both tests on a TRISTAR and a HYDRA model with the
// recorded answer beside the live one, the length verdict on both sides of 151 characters,
// the wait notice, the model refresh and the two reader buttons.
#include "apoio/CenarioJanela.h"

#include "boardtests/janelas/IC.h"
#include "db/Banco.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

struct Cenario : CenarioJanela {
    IC* janela = nullptr;

    bool inicia(const QString& modelo, const QStringList& perfil = {})
    {
        if (!iniciaBancada(modelo, perfil, {}, Placa(modelo)))
            return false;
        janela = amb->janelas.mostra<IC>(QStringLiteral("IC"));
        return janela != nullptr;
    }
    static QString Placa(const QString& modelo) { return modelo == QLatin1String("IP X") ? "A1865" : "A1660"; }
    template <class T>
    T* filho(const QString& nome) const { return janela->findChild<T*>(nome); }
    QPushButton* bt(int i) const { return filho<QPushButton>(QStringLiteral("btBl(%1)").arg(i)); }
    bool visivel(const QString& nome) const
    {
        auto* w = filho<QWidget>(nome);
        return w && !w->isHidden();
    }
    bool esperaVeredicto() const
    {
        return QTest::qWaitFor([this] { return !janela->lbIC().isEmpty(); }, 10000);
    }
    QString gravado(const QString& modelo, const QString& comando)
    {
        Banco b(pasta.banco());
        return b.valor(QStringLiteral("SELECT Dados FROM Dados WHERE Aparelho = ? AND Comando = ?"), {modelo, comando})
            .toString();
    }
};

} // namespace

class TstIcJanela : public QObject {
    Q_OBJECT
private slots:
    void comunicacao_data();
    void comunicacao();
    void limiteDeComprimento_data();
    void limiteDeComprimento();
    void semLigacao();
    void trocaDeModelo();
    void leitores();
};

void TstIcJanela::comunicacao_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<int>("botao");
    QTest::addColumn<QString>("chip");
    QTest::newRow("IP 7 data") << "IP 7" << 1 << "TRISTAR";
    QTest::newRow("IP 7 communication") << "IP 7" << 2 << "TRISTAR";
    QTest::newRow("IP X communication") << "IP X" << 2 << "HYDRA";
}

void TstIcJanela::comunicacao()
{
    QFETCH(QString, modelo);
    QFETCH(int, botao);
    QFETCH(QString, chip);
    Cenario c;
    QVERIFY(c.inicia(modelo));
    QCOMPARE(c.bt(1)->text(), chip + " " + L(QStringLiteral("Dados")));
    QCOMPARE(c.bt(2)->text(), chip + " " + L(QStringLiteral("Comunicação")));
    QCOMPARE(c.filho<QPushButton>(QStringLiteral("btTristar"))->text(), chip + " " + L(QStringLiteral("Tensões")));
    QCOMPARE(c.janela->txtComparador(), QString());

    c.bt(botao)->click();
    QVERIFY(c.esperaVeredicto());
    const QString comando = botao == 1
        ? QStringLiteral("tristar -p")
        : QStringLiteral("tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx");
    QCOMPARE(c.bancada.registro(), comando.toLatin1() + '\r');
    QCOMPARE(c.janela->lbIC(), chip);
    QCOMPARE(c.janela->lbStatus(), L(QStringLiteral("COMUNICAÇÃO OK")));
    QVERIFY(c.visivel("OK(0)"));
    QVERIFY(!c.visivel("NO(0)"));
    QVERIFY(c.visivel("lbStatus2"));
    QVERIFY(!c.janela->txtDados().contains(comando));
    // The recorded answer of the model and command, refreshed by the delivery.
    const QString gravado = c.gravado(modelo, comando);
    QVERIFY(!gravado.isEmpty());
    QCOMPARE(c.janela->txtComparador(), gravado);
    QCOMPARE(c.filho<QLabel>(QStringLiteral("lbDispositivo"))->text(),
             L(QStringLiteral("Modelo")) + ": " + modelo + "  " + Cenario::Placa(modelo));
    QCOMPARE(c.janela->contadorStatus(), 1);
    capturaJanela(c.janela, "ic_" + QString(modelo).remove(QLatin1Char(' ')) + QString::number(botao));
}

// The answer as delivered is the output plus 31 characters (line breaks and prompt).
void TstIcJanela::limiteDeComprimento_data()
{
    QTest::addColumn<int>("saida");
    QTest::addColumn<bool>("ok");
    QTest::newRow("150") << 119 << false;
    QTest::newRow("151") << 120 << true;
}

void TstIcJanela::limiteDeComprimento()
{
    QFETCH(int, saida);
    QFETCH(bool, ok);
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7"), {"resposta tristar -p = " + QString(saida, QLatin1Char('d')) + "\\n"}));
    c.bt(1)->click();
    QVERIFY(c.esperaVeredicto());
    QCOMPARE(c.janela->txtDados().size(), saida + 31);
    QCOMPARE(c.janela->lbStatus(), L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
    QCOMPARE(c.visivel("OK(0)"), ok);
    QCOMPARE(c.visivel("NO(0)"), !ok);

    // A second test counts on from the first and is graded again.
    c.bt(2)->click();
    QVERIFY(c.janela->lbIC().isEmpty());
    QVERIFY(!c.visivel("lbStatus2"));
    QVERIFY(c.esperaVeredicto());
    QCOMPARE(c.janela->lbStatus(), L(QStringLiteral("COMUNICAÇÃO OK")));
    QCOMPARE(c.janela->contadorStatus(), 2);
}

void TstIcJanela::semLigacao()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.amb->ligacao.defineEstado(EstadoLigacao::Desconectada);
    c.bt(2)->click();
    auto* aguarde = c.filho<QLabel>(QStringLiteral("lbAguarde"));
    QCOMPARE(aguarde->text(), L(QStringLiteral("Desconectado")) + "!");
    QVERIFY(c.visivel("lbAguarde"));
    QVERIFY(QTest::qWaitFor([&] { return aguarde->isHidden(); }, 3000));
    QVERIFY(c.bancada.registro().isEmpty());
    QVERIFY(c.janela->lbIC().isEmpty());
}

void TstIcJanela::trocaDeModelo()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.bt(1)->click();
    QVERIFY(c.esperaVeredicto());
    c.amb->sessao.defineModelo(QStringLiteral("IP 8"));
    c.amb->sessao.defineNumeroModelo(QStringLiteral("A1863"));
    c.amb->janelas.AtualizaJanelasAbertas();
    QCOMPARE(c.filho<QLabel>(QStringLiteral("lbDispositivo"))->text(), L(QStringLiteral("Modelo")) + ": IP 8  A1863");
    QCOMPARE(c.janela->txtComparador(), c.gravado(QStringLiteral("IP 8"), QStringLiteral("tristar -p")));
    QVERIFY(c.janela->txtComparador() != c.gravado(QStringLiteral("IP 7"), QStringLiteral("tristar -p")));
}

void TstIcJanela::leitores()
{
    Cenario c;
    QVERIFY(c.inicia(QStringLiteral("IP 7")));
    c.filho<QPushButton>(QStringLiteral("btTigris"))->click();
    QVERIFY(c.amb->janelas.aberta(QStringLiteral("Tigris")));
    QVERIFY(c.amb->aguardaOcioso(15000));
    c.filho<QPushButton>(QStringLiteral("btTristar"))->click();
    QVERIFY(c.amb->janelas.aberta(QStringLiteral("Tristar")));
    QVERIFY(c.amb->aguardaOcioso(15000));
}

QTEST_MAIN(TstIcJanela)
#include "tst_ic_janela.moc"
