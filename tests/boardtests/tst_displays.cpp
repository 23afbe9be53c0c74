// The display tests: button set, colour commands and notes as tables, then the window against
// the bench board (backlight buttons, slider, colours, model change, "IP 6" family refusal).
#include "apoio/AmbienteJanelas.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "boardtests/DisplayTestes.h"
#include "boardtests/janelas/Displays.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "i18n/IdiomaAtivo.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QTest>

using namespace ModuloDisplay;

class TstDisplays : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void conjuntoBotoes_data();
    void conjuntoBotoes();
    void textoCor_data();
    void textoCor();
    void comandosCor();
    void notas();

    void backlightNaBancada();
    void trocaDeModelo();
    void coresRecusadasNaFamiliaIp6();
    void esperaSemLigacao();
    void sliderEnviaUmaVez_data();
    void sliderEnviaUmaVez();
};

void TstDisplays::initTestCase()
{
    DefineIdioma(1);
}

void TstDisplays::conjuntoBotoes_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QStringList>("legendas");   // buttons 0, 1, 6, 7
    QTest::addColumn<QList<bool>>("visiveis");   // buttons 0, 1, 6, 7
    QTest::newRow("IP 7") << "IP 7"
                          << QStringList{"Testar BackLight", "Desligar BackLight", "Tensões Chestnut", "Tensões Acorn"}
                          << QList<bool>{true, true, true, false};
    QTest::newRow("IP X") << "IP X" << QStringList{"Testar", "Desligar", "Tensões Chestnut", "Tensões Acorn"}
                          << QList<bool>{false, true, false, true};
    QTest::newRow("IP 8 Plus") << "IP 8 Plus"
                               << QStringList{"Testar BackLight", "Desligar BackLight", "Tensões Chestnut", "Tensões Acorn"}
                               << QList<bool>{true, true, true, false};
}

void TstDisplays::conjuntoBotoes()
{
    QFETCH(QString, modelo);
    QFETCH(QStringList, legendas);
    QFETCH(QList<bool>, visiveis);
    const auto b = ConjuntoBotoes(modelo);
    QCOMPARE(b.size(), 9);
    const int indices[] = {0, 1, 6, 7};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(b.at(indices[k]).legenda, legendas.at(k));
        QCOMPARE(b.at(indices[k]).visivel, visiveis.at(k));
    }
    // Two blanks after the level word; "Hight" as the phone's menu writes it.
    QCOMPARE(b.at(3).legenda, QString("Nível  1 Low"));
    QCOMPARE(b.at(5).legenda, QString("Nível  3 Hight"));
    QCOMPARE(b.at(2).legenda, L("Testar Todos Níveis"));
}

void TstDisplays::textoCor_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("enviado");
    QTest::newRow("empty") << "" << "Vexador_Tarrim";
    QTest::newRow("blanks removed") << " Ola  Mundo " << "OlaMundo";
    QTest::newRow("only blanks") << "   " << "";
    QTest::newRow("unchanged") << "Tela_OK" << "Tela_OK";
}

void TstDisplays::textoCor()
{
    QFETCH(QString, texto);
    QFETCH(QString, enviado);
    QCOMPARE(TextoCor(texto), enviado);
}

void TstDisplays::comandosCor()
{
    QCOMPARE(Cores().size(), 9);
    QCOMPARE(ComandoCor("X", SufixoCor("Cor_Rosa")), QString("displaytext -t X -b magenta  -c white -w"));
    QCOMPARE(ComandoCor("X", SufixoCor("Cor_Branco")), QString("displaytext -t X -b white -c black -w"));
    QCOMPARE(ComandoCor("X", SufixoCor("Cor_Cyan")), QString("displaytext -t X -b cyan -c black -w"));
    QCOMPARE(SufixoCor("Cor_Nenhuma"), QString());
    for (const char* m : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus"})
        QVERIFY(CorRecusada(m));
    for (const char* m : {"IP 7", "IP 8", "IP X", ""})
        QVERIFY(!CorRecusada(m));
    QCOMPARE(ComandoBotao(0), QString("bl -n"));
    QCOMPARE(ComandoBotao(8), QString("display --getmode"));
    QCOMPARE(ComandoBotao(6), QString());
}

void TstDisplays::notas()
{
    QCOMPARE(NotaResposta("\r\nOK\r\n", "10:30:15"),
             QString("\r\nOK\r\n\r\n\r\nObserve a tela\r\n\r\nDisplay Test - 10:30:15"));
    QCOMPARE(NotaCor("09:05:00"), QString("Cor / Color\r\n\r\nObserve a tela\r\n\r\nDisplay Test - 09:05:00"));
    QCOMPARE(Hora(QTime(9, 5, 0)), QString("09:05:00"));
}

// ---------------------------------------------------------------------- against the bench board

void TstDisplays::backlightNaBancada()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 7"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 7", "A1660"));
    auto* janela = amb.janelas.mostra<Displays>("Displays");
    QVERIFY(janela);

    janela->findChild<QPushButton*>("btBl(2)")->click();
    QVERIFY(bancada.esperaRegistro("bl -r\r"));
    QVERIFY(amb.aguardaOcioso());
    QTRY_VERIFY(janela->txtDados().endsWith("Display Test - 10:30:15"));
    QVERIFY(janela->txtDados().contains("\r\n\r\n" + L("Observe a tela") + "\r\n\r\n"));
    QVERIFY(!janela->txtDados().contains("bl -r"));

    // The slider sends its position when released.
    auto* slider = janela->findChild<QSlider*>("Slider1");
    QCOMPARE(slider->value(), 70);
    slider->setValue(35);
    janela->Slider1_MouseUp();
    QVERIFY(bancada.esperaRegistro("bl -r\rbl -p 35\r"));
    QVERIFY(amb.aguardaOcioso());

    // A colour: blanks removed from the text, sent with the swatch's suffix, the note shown,
    // and the answer delivered to no window.
    auto* texto = janela->findChild<QLineEdit*>("txt_Texto_Cores");
    QCOMPARE(texto->text(), QString("Vexador_Tarrim"));
    texto->setText("Ola Mundo");
    QTest::mouseClick(janela->findChild<QLabel*>("Cor_Verde"), Qt::LeftButton);
    QCOMPARE(texto->text(), QString("OlaMundo"));
    QCOMPARE(janela->txtDados(), NotaCor("10:30:15"));
    QVERIFY(bancada.esperaRegistro("bl -p 35\rdisplaytext -t OlaMundo -b green -c white -w\r"));
    QVERIFY(amb.aguardaOcioso());
    QCOMPARE(janela->txtDados(), NotaCor("10:30:15"));

    texto->clear();
    janela->Cor_Click("Cor_Rosa");
    QCOMPARE(texto->text(), QString("Vexador_Tarrim"));
    QVERIFY(bancada.esperaRegistro("displaytext -t Vexador_Tarrim -b magenta  -c white -w\r"));
    QVERIFY(amb.aguardaOcioso());

    // While busy: the wait notice, nothing sent.
    amb.ligacao.defineEstado(EstadoLigacao::Ocupada);
    const QByteArray antes = bancada.registro();
    janela->btBl_Click(5);
    janela->Cor_Click("Cor_Azul");
    auto* espera = janela->findChild<QLabel*>("lbAguarde");
    QVERIFY(espera->isVisible());
    QCOMPARE(espera->text(), L("Aguarde..."));
    QCOMPARE(janela->txtDados(), NotaCor("10:30:15"));
    amb.ligacao.defineEstado(EstadoLigacao::Ociosa);
    QTest::qWait(300);
    QCOMPARE(bancada.registro(), antes);
    QVERIFY(roteiro.roteiro.mostradas.isEmpty());
}

void TstDisplays::trocaDeModelo()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    AmbienteJanelas amb;
    amb.sessao.defineModelo("IP X");
    auto* janela = amb.janelas.mostra<Displays>("Displays");
    auto botao = [janela](int i) { return janela->findChild<QPushButton*>(QString("btBl(%1)").arg(i)); };
    QVERIFY(!botao(0)->isVisible());
    QVERIFY(!botao(6)->isVisible());
    QVERIFY(botao(7)->isVisible());
    QCOMPARE(botao(1)->text(), L("Desligar"));

    amb.sessao.defineModelo("IP 7");
    amb.janelas.AtualizaJanelasAbertas();
    QVERIFY(botao(0)->isVisible());
    QVERIFY(botao(6)->isVisible());
    QVERIFY(!botao(7)->isVisible());
    QCOMPARE(botao(0)->text(), L("Testar") + " BackLight");
    QCOMPARE(botao(6)->text(), L("Tensões") + " Chestnut");
}

void TstDisplays::coresRecusadasNaFamiliaIp6()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 6s Plus"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 6s Plus", "A1634"));
    auto* janela = amb.janelas.mostra<Displays>("Displays");
    auto* texto = janela->findChild<QLineEdit*>("txt_Texto_Cores");
    texto->setText("com blanks");

    for (const Cor& c : Cores())
        QTest::mouseClick(janela->findChild<QLabel*>(c.nome), Qt::LeftButton);
    QCOMPARE(roteiro.roteiro.textos(), QStringList(9, CaixaDaMensagem("MSG_NAO_PARA_IP6", 1)->texto));
    QCOMPARE(janela->txtDados(), QString());
    QCOMPARE(texto->text(), QString("com blanks"));

    // The backlight still works on this model.
    janela->btBl_Click(0);
    QVERIFY(bancada.esperaRegistro("bl -n\r"));
    QCOMPARE(bancada.registro(), QByteArray("bl -n\r"));
}

void TstDisplays::esperaSemLigacao()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    RoteiroInstalado roteiro;
    AmbienteJanelas amb;
    auto* janela = amb.janelas.mostra<Displays>("Displays");
    auto* espera = janela->findChild<QLabel*>("lbAguarde");
    janela->btBl_Click(1);
    QVERIFY(espera->isVisible());
    QCOMPARE(espera->text(), L("Desconectado"));
    QTRY_VERIFY_WITH_TIMEOUT(!espera->isVisible(), 3000);
    // The slider does nothing at all without a link.
    janela->Slider1_MouseUp();
    QVERIFY(!espera->isVisible());
    // The colour test still writes its note.
    janela->Cor_Click("Cor_Preto");
    QVERIFY(espera->isVisible());
    QCOMPARE(janela->txtDados(), NotaCor("10:30:15"));
}

namespace {
// Where a part of the slider is drawn (its track or its handle).
QRect retanguloDoSlider(QSlider* slider, QStyle::SubControl parte)
{
    QStyleOptionSlider opcao;
    opcao.initFrom(slider);
    opcao.orientation = slider->orientation();
    opcao.minimum = slider->minimum();
    opcao.maximum = slider->maximum();
    opcao.sliderPosition = slider->sliderPosition();
    opcao.sliderValue = slider->value();
    opcao.tickPosition = slider->tickPosition();
    opcao.tickInterval = slider->tickInterval();
    opcao.subControls = QStyle::SC_All;
    return slider->style()->subControlRect(QStyle::CC_Slider, &opcao, parte, slider);
}
} // namespace

void TstDisplays::sliderEnviaUmaVez_data()
{
    QTest::addColumn<QString>("gesto");
    QTest::addColumn<int>("nivel");
    QTest::newRow("three arrow keys") << "setas" << 73;
    QTest::newRow("page up key") << "pagina" << 80;
    QTest::newRow("track held down") << "trilho" << -1;
    QTest::newRow("track clicked quickly") << "clique" << -1;
    QTest::newRow("wheel, two notches") << "roda" << 76;
    QTest::newRow("handle dragged") << "arrasto" << -1;
}

void TstDisplays::sliderEnviaUmaVez()
{
    QFETCH(QString, gesto);
    QFETCH(int, nivel);
    PastaAplicacaoTemporaria pasta;
    RoteiroInstalado roteiro;
    Bancada bancada;
    QVERIFY(bancada.inicia({"--modelo", "IP 7"}));
    AmbienteJanelas amb;
    QVERIFY(amb.conecta(bancada.dispositivo(), "IP 7", "A1660"));
    auto* janela = amb.janelas.mostra<Displays>("Displays");
    QVERIFY(janela);
    amb.area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&amb.area));
    auto* slider = janela->findChild<QSlider*>("Slider1");
    QCOMPARE(slider->value(), 70);
    if (gesto == "setas") {
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(slider, Qt::Key_Right);
    } else if (gesto == "pagina") {
        QTest::keyClick(slider, Qt::Key_PageUp);
    } else if (gesto == "trilho") {
        // Held on the track right of the handle: the level steps up while the button is down.
        const QRect trilho = retanguloDoSlider(slider, QStyle::SC_SliderGroove);
        const QPoint ponto(trilho.right() - 2, trilho.center().y());
        QTest::mousePress(slider, Qt::LeftButton, {}, ponto);
        QTest::qWait(700);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, ponto);
        nivel = slider->value();
        QVERIFY(nivel > 70);
    } else if (gesto == "clique") {
        // A mouse click on the track right of the handle, released at once as a real mouse does.
        const QRect trilho = retanguloDoSlider(slider, QStyle::SC_SliderGroove);
        const QPoint ponto(trilho.right() - 2, trilho.center().y());
        QTest::mousePress(slider, Qt::LeftButton, {}, ponto);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, ponto, 60);
        nivel = slider->value();
        QVERIFY(nivel > 70);
    } else if (gesto == "roda") {
        for (int i = 0; i < 2; ++i) {
            const QPointF p(slider->width() / 2.0, slider->height() / 2.0);
            QWheelEvent roda(p, slider->mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                             Qt::NoScrollPhase, false);
            QApplication::sendEvent(slider, &roda);
        }
    } else {
        const QRect alca = retanguloDoSlider(slider, QStyle::SC_SliderHandle);
        QTest::mousePress(slider, Qt::LeftButton, {}, alca.center());
        QTest::mouseMove(slider, alca.center() - QPoint(alca.width() * 2, 0));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, alca.center() - QPoint(alca.width() * 2, 0));
        nivel = slider->value();
        QVERIFY(nivel < 70);
    }
    QCOMPARE(slider->value(), nivel);
    const QByteArray esperado = "bl -p " + QByteArray::number(nivel) + "\r";
    QVERIFY(bancada.esperaRegistro(esperado, 3000));
    QVERIFY(amb.aguardaOcioso());
    QTest::qWait(600);
    // Once, whatever the number of steps.
    QCOMPARE(bancada.registro(), esperado);
}

QTEST_MAIN(TstDisplays)
#include "tst_displays.moc"
