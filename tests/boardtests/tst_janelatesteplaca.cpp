// What the board-test windows share, against the bench board: when the line vanishes while a
// test's answer is awaited, every one of them lets go (no timer left waiting, the progress bar
// stopped and back at its start, the busy panel hidden, the buttons usable again) and shows no
// verdict.
#include "apoio/CenarioJanela.h"

#include "boardtests/janelas/JanelaTestePlaca.h"
#include "shell/Ligacao.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TstJanelaTestePlaca : public QObject {
    Q_OBJECT
private slots:
    void linhaPerdidaNaEspera_data();
    void linhaPerdidaNaEspera();
};

void TstJanelaTestePlaca::linhaPerdidaNaEspera_data()
{
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QString>("botao"); // empty: the window tests as it opens
    QTest::addColumn<QString>("comando");
    QTest::newRow("IC") << "IC" << "btBl(1)" << "tristar -p";
    QTest::newRow("additional tests") << "Outros" << "btBl(5)" << "testmemory";
    QTest::newRow("battery") << "Bateria" << "" << "battery --properties";
    QTest::newRow("RF") << "RFs" << "btOn(2)" << "wifi --on";
}

void TstJanelaTestePlaca::linhaPerdidaNaEspera()
{
    QFETCH(QString, janela);
    QFETCH(QString, botao);
    QFETCH(QString, comando);
    CenarioJanela c;
    // A silent board: the answer is still awaited when the line goes.
    QVERIFY(c.iniciaBancada(QStringLiteral("IP 7"), {}, {"--mudo"}));
    auto* w = qobject_cast<JanelaTestePlaca*>(c.amb->janelas.mostra(janela));
    QVERIFY(w);
    if (!botao.isEmpty())
        w->findChild<QPushButton*>(botao)->click();
    QVERIFY(c.bancada.esperaRegistro(comando.toLatin1() + '\r'));
    bool cancelada = false;
    connect(&c.amb->ligacao, &Ligacao::trocaCancelada, w, [&] { cancelada = true; });
    c.bancada.para();
    QVERIFY(QTest::qWaitFor([&] { return cancelada; }, 10000));
    QCOMPARE(c.amb->ligacao.estado(), EstadoLigacao::Desconectada);

    for (QTimer* t : w->findChildren<QTimer*>())
        QVERIFY2(!t->isActive() || t->objectName() == QLatin1String("TimerAguarde"), qPrintable(t->objectName()));
    // A bar still on screen is back at its start.
    auto* barra = w->findChild<QLabel*>(QStringLiteral("Barra"));
    if (barra && barra->isVisibleTo(w))
        QCOMPARE(barra->width(), 1);
    if (auto* painel = w->findChild<QWidget*>(QStringLiteral("FrameVCore")))
        QVERIFY(painel->isHidden());
    if (auto* botoes = w->findChild<QWidget*>(QStringLiteral("FrameBotoes")))
        QVERIFY(botoes->isEnabled());
    // No verdict on an answer that did not come.
    QVERIFY(w->lbStatus().isEmpty());
    for (const char* imagem : {"OK(0)", "NO(0)"})
        if (auto* l = w->findChild<QWidget*>(QLatin1String(imagem)))
            QVERIFY(l->isHidden());
}

QTEST_MAIN(TstJanelaTestePlaca)
#include "tst_janelatesteplaca.moc"
