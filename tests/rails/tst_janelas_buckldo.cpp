// The Buck and LDO window against the bench board: both families graded, the camera rule, a
// rail off its reference, the report of a family, and the links to the PMU and buck check windows.
#include "CenarioTrilhas.h"
#include "i18n/IdiomaAtivo.h"
#include "ui/Controles.h"

#include "i18n/Dicionario.h"
#include "rails/RelatorioMalhas.h"
#include "rails/janelas/BuckLdo.h"
#include "shell/Ligacao.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrlQuery>

namespace {
const QString Numero = QStringLiteral("A1864");

bool lendo(BuckLdo* w)
{
    return w->lendo();
}

bool leia(BuckLdo* w, const char* botao)
{
    filho<QPushButton>(w, botao)->click();
    if (!lendo(w))
        return false;
    return QTest::qWaitFor([&] { return !lendo(w); }, 20000);
}

QString codigoLinha(ModeloGradeTrilhas* m, int i)
{
    return CodigoVeredito({m->valor(i, "Malha"), m->valor(i, "Leitura"), m->valor(i, "Ref"),
                           m->valor(i, "Porc"), m->valor(i, "RefV")});
}

QStringList coluna(ModeloGradeTrilhas* m, const char* campo)
{
    QStringList r;
    for (int i = 0; i < m->rowCount(); ++i)
        r << m->valor(i, campo);
    return r;
}

QStringList campos(const QList<QSqlRecord>& linhas, const char* campo)
{
    QStringList r;
    for (const QSqlRecord& l : linhas)
        r << l.value(campo).toString();
    return r;
}
} // namespace

class TstJanelasBuckLdo : public QObject {
    Q_OBJECT
private slots:
    void buckELdoDeUmaPlacaBoa();
    void cameraSemValorEmModoPurple();
    void trilhaForaDaReferenciaEmVermelho();
    void familiaSemLigacaoSoTrocaAGrade();
    void pmuFechaEstaJanelaETesteDeBuckAbre();
};

void TstJanelasBuckLdo::buckELdoDeUmaPlacaBoa()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 8 Plus", Numero));
    auto* w = c.janelas().mostra<BuckLdo>("BuckLdo");
    QCOMPARE(w->windowTitle(), QString("Buck & Ldo - IP 8 Plus  A1864 - Vexador Tarrim"));
    QVERIFY(filho<QFrame>(w, "FrameSelecoes")->isHidden());

    QVERIFY(leia(w, "Botao1"));
    QVERIFY(!filho<QFrame>(w, "FrameSelecoes")->isHidden());
    QCOMPARE(w->familia(), 2);
    ModeloGradeTrilhas* m = w->modeloGrade();
    QCOMPARE(m->rowCount(), int(c.master("Modelo = 'IP 8 Plus' and TIPO = 2").size()));
    for (int i = 0; i < m->rowCount(); ++i) {
        QVERIFY2(!m->valor(i, "Leitura").isEmpty(), qPrintable(m->valor(i, "Orig")));
        QVERIFY2(codigoLinha(m, i) != "0", qPrintable(m->valor(i, "Orig") + " " + m->valor(i, "Porc")));
        // Passing rows green; the "*" rows of purple mode grey, never passing.
        const Veredito esperado = m->valor(i, "Leitura") == "*" ? Veredito::NaoMensuravel : Veredito::Passa;
        QCOMPARE(m->veredito(i), esperado);
        QCOMPARE(m->data(m->index(i, m->coluna("Leitura")), Qt::BackgroundRole).value<QColor>(),
                 corVeredito(esperado));
    }
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("PMU"));

    QVERIFY(leia(w, "Botao2"));
    QCOMPARE(w->familia(), 1);
    QCOMPARE(c.pedidos("pmuadc --read all"), 2);
    QCOMPARE(coluna(m, "Orig"), campos(c.master("Modelo = 'IP 8 Plus' and TIPO = 1 order by Modelo, Orig"), "Orig"));
    for (int i = 0; i < m->rowCount(); ++i)
        QVERIFY(!m->valor(i, "Leitura").isEmpty());

    // The report of the family: no rail names, TIPO 1.
    c.dialogos.roteiro.respostasEntrada = {QString("Ana")};
    filho<QPushButton>(w, "btExportar")->click();
    QCOMPARE(c.dialogos.roteiro.abertos.size(), 1);
    const QUrlQuery q{ConsultaDoRelatorio(c.dialogos.roteiro.abertos.first())};
    QCOMPARE(q.queryItemValue("TIPO"), QString("1"));
    QVERIFY(!q.hasQueryItem("P1"));
    QCOMPARE(q.queryItemValue("L1", QUrl::FullyDecoded), m->valor(0, "Leitura"));
    QVERIFY(q.hasQueryItem(QString("I%1").arg(m->rowCount())));
}

void TstJanelasBuckLdo::cameraSemValorEmModoPurple()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 7", "A1660"));
    auto* w = c.janelas().mostra<BuckLdo>("BuckLdo");
    QVERIFY(leia(w, "Botao2"));
    const auto camera = c.master("Modelo = 'IP 7' and TIPO = 1 and Ci = 'CAM'");
    QVERIFY(!camera.isEmpty());
    for (const QSqlRecord& l : camera) {
        QCOMPARE(l.value("Leitura").toString(), QString("*"));
        QVERIFY(l.value("Porc").toString().isEmpty()); // no reference, no percentage
    }
    // Rails outside the camera are read.
    QVERIFY(c.master("Modelo = 'IP 7' and TIPO = 1 and Ci <> 'CAM' and Leitura = '*'").isEmpty());
}

void TstJanelasBuckLdo::trilhaForaDaReferenciaEmVermelho()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 8 Plus", Numero, {"--desvio", "5=12"}));
    auto* w = c.janelas().mostra<BuckLdo>("BuckLdo");
    QVERIFY(leia(w, "Botao1"));
    ModeloGradeTrilhas* m = w->modeloGrade();
    QStringList falhas;
    for (int i = 0; i < m->rowCount(); ++i)
        if (codigoLinha(m, i) == "0") {
            falhas << m->valor(i, "Orig");
            QCOMPARE(m->data(m->index(i, m->coluna("Leitura")), Qt::BackgroundRole).value<QColor>(),
                     corVeredito(Veredito::Falha));
        }
    QCOMPARE(falhas, QStringList{"Buck5"});
}

void TstJanelasBuckLdo::familiaSemLigacaoSoTrocaAGrade()
{
    PastaAplicacaoTemporaria pasta;
    RoteiroInstalado roteiro;
    DefineIdioma(1);
    AmbienteJanelas amb;
    amb.sessao.defineModelo("IP 7");
    auto* w = amb.janelas.mostra<BuckLdo>("BuckLdo");
    filho<QPushButton>(w, "Botao2")->click();
    QVERIFY(!lendo(w));
    QCOMPARE(w->familia(), 1);
    QCOMPARE(amb.ligacao.requisitante(), QString("0"));
    Banco b(DadosTeste().banco);
    QCOMPARE(coluna(w->modeloGrade(), "Orig"),
             campos(b.linhas("Select Orig from Master where Modelo = 'IP 7' and TIPO = 1 order by Orig"), "Orig"));
}

void TstJanelasBuckLdo::pmuFechaEstaJanelaETesteDeBuckAbre()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 7", "A1660"));
    QPointer<BuckLdo> w = c.janelas().mostra<BuckLdo>("BuckLdo");
    filho<QPushButton>(w, "Botao3")->click();
    QVERIFY(c.janelas().aberta("BuckTeste"));
    filho<QPushButton>(w, "Botao4")->click();
    QVERIFY(c.janelas().aberta("PMU"));
    QTRY_VERIFY(!w);
    QVERIFY(!c.janelas().aberta("BuckLdo"));
}

QTEST_MAIN(TstJanelasBuckLdo)
#include "tst_janelas_buckldo.moc"
