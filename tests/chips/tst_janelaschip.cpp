// The four chip readers against the bench board: a good board grades green, the thresholds
// set through board profiles, the touch re-reading of Chestnut, the report pages' addresses,
// and the model guards of Chestnut and Acorn.
#include "apoio/CenarioJanela.h"

#include "chips/janelas/Acorn.h"
#include "chips/janelas/Chestnut.h"
#include "chips/janelas/Tigris.h"
#include "chips/janelas/Tristar.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "rails/TextosLeitura.h"
#include "rails/RelatorioMalhas.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"
#include "ui/Twips.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

namespace {
// One bench board, the window environment connected to it, and the scripted dialogs.
struct Cenario : CenarioJanela {
    // Starts the board as `modelo` with the profile lines (one "valor LABEL = TEXT" ...).
    bool inicia(const QString& modelo, const QStringList& perfil = {}) { return iniciaBancada(modelo, perfil); }
    // Opens the window (which starts its reading) and waits for the graded result.
    template <class T>
    T* abre(const QString& nome)
    {
        T* w = amb->janelas.mostra<T>(nome);
        if (w && !esperaLeitura(w))
            return nullptr;
        return w;
    }
    template <class T>
    bool esperaLeitura(T* w)
    {
        auto* bt = w->template findChild<QPushButton*>(QStringLiteral("btExecutaLeitura"));
        return QTest::qWaitFor([&] { return amb->ligacao.estado() == EstadoLigacao::Ociosa && bt->isEnabled(); },
                               20000);
    }
};

QLabel* rotulo(QWidget* w, const QString& nome)
{
    auto* l = w->findChild<QLabel*>(nome);
    if (!l)
        qWarning("no label %s", qPrintable(nome));
    return l;
}

bool visivel(QWidget* w, const QString& nome)
{
    QWidget* c = w->findChild<QWidget*>(nome);
    return c && !c->isHidden();
}
} // namespace

class TstJanelasChip : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DefineIdioma(1); }

    void tigrisPlacaBoa_data();
    void tigrisPlacaBoa();
    void tigrisLimites_data();
    void tigrisLimites();
    void tigrisLog();
    void tigrisPlacaComDefeitos();
    void tristarPlacaBoa_data();
    void tristarPlacaBoa();
    void tristarLimites_data();
    void tristarLimites();
    void trilhaSemLeituraNaoPassa_data();
    void trilhaSemLeituraNaoPassa();
    void chestnutPlacaBoaERelatorio();
    void chestnutReleituraDoTouch_data();
    void chestnutReleituraDoTouch();
    void chestnutBotaoTouch();
    void chestnutNaoEhParaX();
    void trocaDePlacaLimpa();
    void acornPlacaBoa();
    void acornBuck4();
    void acornPlacaComDefeitos();
    void acornSomenteX();
};

void TstJanelasChip::tigrisPlacaBoa_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("uc");
    QTest::newRow("IP 7") << "IP 7" << "U2101";
    QTest::newRow("IP 8") << "IP 8" << "U3300";
}

void TstJanelasChip::tigrisPlacaBoa()
{
    QFETCH(QString, modelo);
    QFETCH(QString, uc);
    Cenario c;
    QVERIFY(c.inicia(modelo));
    auto* w = c.abre<Tigris>(QStringLiteral("Tigris"));
    QVERIFY(w);
    QCOMPARE(c.vezes("pmuadc --sel tigris --read all"), 1);
    const bool duas = modelo == QLatin1String("IP 8");
    for (const char* v : {"VBus_V", "VBat_V"})
        QCOMPARE(w->painel().cor(v), QStringLiteral("&H00C0FFC0"));
    QCOMPARE(w->painel().veredito("VDD_V"), Veredito::NaoGraduado);
    if (duas) {
        QCOMPARE(w->painel().cor("VBus_V1"), QStringLiteral("&H00C0FFC0"));
        QCOMPARE(w->painel().veredito("VBus_V2"), Veredito::NaoGraduado);
    }
    for (const char* m : {"Baixa1", "Baixa2", "Baixa3"})
        QVERIFY2(!visivel(w, m), m);
    QCOMPARE(visivel(w, "FrameVbusX"), duas);
    QCOMPARE(rotulo(w, "lbUC")->text(), uc);
    QVERIFY(rotulo(w, "VBus_V")->text().endsWith(" V"));
    QVERIFY(rotulo(w, "Temp")->text().endsWith(" º"));
    QCOMPARE(rotulo(w, "VBus_A1")->text(), rotulo(w, "VBus_A")->text());
    // The answer without the echo, kept whole, and shown in the log panel.
    QVERIFY(w->txtDados().contains("tigris vbus : "));
    QVERIFY(!w->txtDados().contains("pmuadc --sel tigris --read all"));
    QCOMPARE(w->findChild<QPlainTextEdit*>("txtDados")->toPlainText().isEmpty(), false);
    capturaJanela(w, "Tigris-" + modelo);
}

void TstJanelasChip::tigrisLimites_data()
{
    QTest::addColumn<QString>("vbus");
    QTest::addColumn<QString>("vbat");
    QTest::addColumn<bool>("vbusBaixo");
    QTest::addColumn<bool>("vbatBaixo");
    QTest::newRow("4.369 V and 3.601 V") << "4369.000" << "3601.000" << false << false;
    QTest::newRow("4.368 V and 3.600 V") << "4368.000" << "3600.000" << true << true;
}

void TstJanelasChip::tigrisLimites()
{
    QFETCH(QString, vbus);
    QFETCH(QString, vbat);
    QFETCH(bool, vbusBaixo);
    QFETCH(bool, vbatBaixo);
    Cenario c;
    QVERIFY(c.inicia("IP 7", {"valor tigris vbus : = " + vbus, "valor tigris vbat : = " + vbat,
                              "sem tigris ibat :", "valor tigris die_temp : = <b>Error:</b>"}));
    auto* w = c.abre<Tigris>(QStringLiteral("Tigris"));
    QVERIFY(w);
    QCOMPARE(rotulo(w, "VBus_V")->text(), ConverteMilivolts(vbus) + " V");
    QCOMPARE(w->painel().veredito("VBus_V"), VereditoDe(!vbusBaixo));
    QCOMPARE(visivel(w, "Baixa1"), vbusBaixo);
    QCOMPARE(w->painel().veredito("VBat_V"), VereditoDe(!vbatBaixo));
    QCOMPARE(visivel(w, "Baixa3"), vbatBaixo);
    QCOMPARE(w->painel().cor("VDD_V"), QStringLiteral("&H00FFFFFF"));
    // A missing channel reads "Sem Medição", a device message shows as printed (never taken
    // for markup); nothing else breaks.
    QCOMPARE(rotulo(w, "VBat_A")->text(), L("Sem Medição"));
    QCOMPARE(rotulo(w, "Temp")->text(), QStringLiteral("<b>Error:</b> º"));
    QCOMPARE(rotulo(w, "Temp")->textFormat(), Qt::PlainText);
    if (vbusBaixo)
        capturaJanela(w, "Tigris-baixa");
}

void TstJanelasChip::tigrisPlacaComDefeitos()
{
    // A low second input, a timed-out battery and a good first input: each graded voltage
    // shows its verdict by tint and word and is logged; only the compared low one is marked.
    Cenario c;
    QStringList registro;
    DefineDestinoVereditos([&registro](const QString& l) { registro << l; });
    QVERIFY(c.inicia("IP 8", {"desvio tigris vbus1 : = -20", "tempo tigris vbat :"}));
    auto* w = c.abre<Tigris>(QStringLiteral("Tigris"));
    QVERIFY(w);
    DefineDestinoVereditos({});
    const struct {
        const char* controle;
        Veredito v;
        const char* marcador;
    } casos[] = {{"VBus_V1", Veredito::Falha, "Baixa2"},
                 {"VBat_V", Veredito::SemLeitura, "Baixa3"},
                 {"VBus_V", Veredito::Passa, "Baixa1"}};
    for (const auto& k : casos) {
        const QString nome = QString::fromLatin1(k.controle);
        QLabel* l = rotulo(w, nome);
        QCOMPARE(w->painel().veredito(nome), k.v);
        QVERIFY2(l->styleSheet().contains(CorVb(CorVbVeredito(k.v)).name()), qPrintable(nome + ": " + l->styleSheet()));
        QCOMPARE(l->property("veredito").toString(), NomeVeredito(k.v));
        QCOMPARE(l->toolTip(), TextoVeredito(k.v));
        QCOMPARE(visivel(w, k.marcador), k.v == Veredito::Falha);
        const QString linha = QStringLiteral("veredito | Tigris | %1 | %2 |  | %3").arg(nome, l->text(), NomeVeredito(k.v));
        QVERIFY2(registro.count(linha) == 1, qPrintable(linha + "\n" + registro.join("\n")));
    }
    // The texts of the window stay: the timed-out battery reads "Sem Medição".
    QCOMPARE(rotulo(w, "VBat_V")->text(), L("Sem Medição"));
    QVERIFY(rotulo(w, "VBus_V1")->text().endsWith(" V"));
    capturaJanela(w, "Tigris-defeitos");
}

void TstJanelasChip::tigrisLog()
{
    Cenario c;
    QVERIFY(c.inicia("IP 7"));
    auto* w = c.abre<Tigris>(QStringLiteral("Tigris"));
    QVERIFY(w);
    auto* bt = w->findChild<QPushButton*>("btLog");
    QCOMPARE(bt->text(), L("Ocultar") + " Log ->");
    QCOMPARE(w->width(), Twips::paraPixels(16365));
    bt->click();
    QCOMPARE(bt->text(), L("Exibir") + " Log ->");
    QCOMPARE(w->width(), Twips::paraPixels(10125));
    QVERIFY(!w->findChild<QWidget*>("txtDados")->isVisibleTo(w));
    QCOMPARE(w->parentWidget()->y(), Twips::paraPixels(850));
    bt->click();
    QCOMPARE(bt->text(), L("Ocultar"));
    QCOMPARE(w->width(), Twips::paraPixels(16365));
    // A new reading while the link is busy sends nothing.
    c.amb->ligacao.defineEstado(EstadoLigacao::Ocupada);
    w->findChild<QPushButton*>("btExecutaLeitura")->click();
    c.amb->ligacao.defineEstado(EstadoLigacao::Ociosa);
    QTest::qWait(300);
    QCOMPARE(c.vezes("pmuadc --sel tigris --read all"), 1);
}

void TstJanelasChip::tristarPlacaBoa_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("legenda");
    QTest::addColumn<QString>("malha1");
    QTest::newRow("IP 7") << "IP 7" << "Tristar - Vexador Tarrim" << "PP3V0_TRISTAR_ANT_PROX";
    QTest::newRow("IP 6") << "IP 6" << "Tristar - Vexador Tarrim" << "PP3V0_TRISTAR";
    QTest::newRow("IP X") << "IP X" << "Hydra - Vexador Tarrim" << "PP3V0_S2";
}

void TstJanelasChip::tristarPlacaBoa()
{
    QFETCH(QString, modelo);
    QFETCH(QString, legenda);
    QFETCH(QString, malha1);
    Cenario c;
    QVERIFY(c.inicia(modelo));
    auto* w = c.abre<Tristar>(QStringLiteral("Tristar"));
    QVERIFY(w);
    QCOMPARE(c.vezes("pmuadc --read all"), 1);
    QCOMPARE(w->windowTitle(), legenda);
    QCOMPARE(rotulo(w, "lbNomeMalha1")->text(), malha1);
    for (const char* ok : {"OK(0)", "OK(1)", "OK(2)", "OK(3)"})
        QVERIFY2(visivel(w, ok), ok);
    for (const char* no : {"NO(1)", "NO(2)"})
        QVERIFY2(!visivel(w, no), no);
    QCOMPARE(rotulo(w, "lbStatus")->text(), L("NORMAL"));
    QCOMPARE(w->painel().corTexto("lbStatus"), QStringLiteral("&H0000C000"));
    QCOMPARE(rotulo(w, "Porc3")->text(), QStringLiteral("ACC"));
    QVERIFY(visivel(w, "lbStatus2"));
    // The whole answer, echo included.
    QVERIFY(w->txtDados().contains("pmuadc --read all"));
    capturaJanela(w, "Tristar-" + modelo);
}

void TstJanelasChip::tristarLimites_data()
{
    QTest::addColumn<QStringList>("perfil");
    QTest::addColumn<QString>("malha1A");
    QTest::addColumn<bool>("ok1");
    QTest::newRow("rail 1 at 3.299 V") << QStringList({"valor BIST ldo7: = 3299.000"}) << "" << true;
    QTest::newRow("rail 1 at 3.300 V") << QStringList({"valor BIST ldo7: = 3300.000"}) << "" << false;
    QTest::newRow("1683,1 mA") << QStringList({"valor BIST ildo7: = 1683.15"}) << "1683,1 mA" << false;
    QTest::newRow("1683,0 mA") << QStringList({"valor BIST ildo7: = 1683.05"}) << "1683,0 mA" << true;
    QTest::newRow("current missing") << QStringList({"sem BIST ildo7:"}) << "- mA" << false; // over-current rule
}

void TstJanelasChip::tristarLimites()
{
    QFETCH(QStringList, perfil);
    QFETCH(QString, malha1A);
    QFETCH(bool, ok1);
    Cenario c;
    QVERIFY(c.inicia("IP 7", perfil));
    auto* w = c.abre<Tristar>(QStringLiteral("Tristar"));
    QVERIFY(w);
    if (!malha1A.isEmpty())
        QCOMPARE(rotulo(w, "Malha1_A")->text(), malha1A);
    QCOMPARE(visivel(w, "OK(1)"), ok1);
    QCOMPARE(visivel(w, "NO(1)"), !ok1);
    QCOMPARE(w->painel().corTexto("lbStatus"), ok1 ? QStringLiteral("&H0000C000") : QStringLiteral("&H00000000"));
    QCOMPARE(w->painel().veredito("Porc1"), ok1 ? Veredito::Passa : Veredito::Falha);
    QCOMPARE(rotulo(w, "Porc1")->property("veredito").toString(), ok1 ? QString("passa") : QString("falha"));
    QCOMPARE(rotulo(w, "Porc1")->toolTip(), TextoVeredito(ok1 ? Veredito::Passa : Veredito::Falha));
    QVERIFY(visivel(w, "OK(0)") && visivel(w, "OK(3)"));
}

// Against the board: a graded rail that printed nothing or a word is marked NO, its OK stays
// hidden and the Tristar status leaves its green "NORMAL".
void TstJanelasChip::trilhaSemLeituraNaoPassa_data()
{
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("perfil");
    QTest::addColumn<int>("k");
    QTest::newRow("Tristar rail 1 missing, IP 7") << "Tristar" << "IP 7" << "sem BIST ldo7:" << 1;
    QTest::newRow("Hydra rail 2 word, IP 8") << "Tristar" << "IP 8" << "tempo BIST buck3: = TIMEOUT_ERR" << 2;
    QTest::newRow("Chestnut vneg missing, IP 6s") << "Chestnut" << "IP 6s" << "sem chestnut vneg :" << 1;
    QTest::newRow("Chestnut vboost word, IP 8 Plus") << "Chestnut" << "IP 8 Plus" << "tempo chestnut vboost : = TIMEOUT_ERR" << 0;
}

void TstJanelasChip::trilhaSemLeituraNaoPassa()
{
    QFETCH(QString, janela);
    QFETCH(QString, modelo);
    QFETCH(QString, perfil);
    QFETCH(int, k);
    Cenario c;
    QVERIFY(c.inicia(modelo, {perfil}));
    QWidget* w = janela == QLatin1String("Tristar") ? static_cast<QWidget*>(c.abre<Tristar>(janela))
                                                    : static_cast<QWidget*>(c.abre<Chestnut>(janela));
    QVERIFY(w);
    QVERIFY(visivel(w, QStringLiteral("NO(%1)").arg(k)));
    QVERIFY(!visivel(w, QStringLiteral("OK(%1)").arg(k)));
    if (auto* t = qobject_cast<Tristar*>(w))
        QVERIFY(t->painel().corTexto("lbStatus") != QStringLiteral("&H0000C000"));
}

void TstJanelasChip::chestnutPlacaBoaERelatorio()
{
    Cenario c;
    QVERIFY(c.inicia("IP 7"));
    auto* w = c.abre<Chestnut>(QStringLiteral("Chestnut"));
    QVERIFY(w);
    for (int k = 0; k <= 4; ++k) {
        QVERIFY(visivel(w, QStringLiteral("OK(%1)").arg(k)));
        QVERIFY(!visivel(w, QStringLiteral("NO(%1)").arg(k)));
    }
    QCOMPARE(rotulo(w, "lbUC")->text(), QStringLiteral("U3703"));
    QCOMPARE(rotulo(w, "VNEG_V")->text(), QStringLiteral("-5.700 V"));
    QVERIFY(visivel(w, "btTouch"));
    QVERIFY(!w->ToqueAcionado());
    // Log hidden at load; the first click shows it.
    QCOMPARE(w->width(), Twips::paraPixels(10830));
    w->findChild<QPushButton*>("btLog")->click();
    QCOMPARE(w->width(), Twips::paraPixels(18855));
    capturaJanela(w, "Chestnut-IP 7");

    auto& r = c.roteiro.roteiro;
    GravaNomeRelatorio(ContextoTeste().dados.banco, "Antiga");
    r.respostasEntrada = {std::nullopt};
    w->findChild<QPushButton*>("btExportar")->click();
    QVERIFY(r.abertos.isEmpty());
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QStringLiteral("Antiga"));
    QCOMPARE(r.entradas.value(0).padrao, QStringLiteral("Antiga"));

    r.respostasEntrada = {QStringLiteral("Zé & Filhos #2")};
    w->findChild<QPushButton*>("btExportar")->click();
    QCOMPARE(r.abertos.size(), 1);
    // The report is a file beside the database, the Chestnut page with the data inside.
    const QString arquivo = r.abertos.first();
    QVERIFY2(arquivo.startsWith(QFileInfo(DadosTeste().banco).absolutePath() + "/relatorios/")
                 && arquivo.endsWith("_Chestnut_20261210-103015.html"),
             qPrintable(arquivo));
    QVERIFY(w->findChild<QLabel*>("lbRelatorio")->text().endsWith(arquivo));
    const QString consulta = ConsultaDoRelatorio(arquivo);
    QVERIFY2(consulta.startsWith("M1=PP6V0_DISPLAY_BOOST&L1=6.000%20V"), qPrintable(consulta));
    QFile pagina(arquivo);
    QVERIFY(pagina.open(QIODevice::ReadOnly) && pagina.readAll().contains("Chestnut"));
    const QUrlQuery q(consulta);
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(q.queryItemValue(QStringLiteral("I%1").arg(k)), QStringLiteral("1"));
    QCOMPARE(q.queryItemValue("EMP", QUrl::FullyDecoded), QStringLiteral("Zé & Filhos #2"));
    QCOMPARE(q.queryItemValue("MODELO", QUrl::FullyDecoded), QStringLiteral("IP 7"));
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QStringLiteral("Zé & Filhos #2"));
}

// A touch supply read out of range: the touch is switched on once and the chip read again
// once it has settled, waiting its turn when another exchange holds the link then.
void TstJanelasChip::chestnutReleituraDoTouch_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<QString>("perfil");
    QTest::addColumn<bool>("ligacaoOcupada"); // another exchange holds the link at the re-read
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("porc");
    QTest::addColumn<bool>("passa");
    QTest::newRow("touch rail low, still low") << "IP 7" << "valor chestnut vldo3 : = 4590.000" << false
                                               << "4.590 V" << "-10 %" << false;
    QTest::newRow("touch off, link held at the re-read") << "IP 8" << "toque desligado" << true
                                                         << "5.100 V" << "0 %" << true;
}

void TstJanelasChip::chestnutReleituraDoTouch()
{
    QFETCH(QString, modelo);
    QFETCH(QString, perfil);
    QFETCH(bool, ligacaoOcupada);
    QFETCH(QString, leitura);
    QFETCH(QString, porc);
    QFETCH(bool, passa);
    Cenario c;
    QVERIFY(c.inicia(modelo, {perfil}));
    auto* w = c.amb->janelas.mostra<Chestnut>(QStringLiteral("Chestnut"));
    QVERIFY(w);
    QVERIFY(c.bancada.esperaRegistro("touch --on\r", 10000));
    QElapsedTimer desde;
    desde.start();
    // The first reading was graded before the switch-on.
    QCOMPARE(c.vezes("pmuadc --sel chestnut --read all"), 1);
    QVERIFY(w->ToqueAcionado());
    if (ligacaoOcupada) {
        QVERIFY(c.amb->aguardaOcioso(5000));
        c.amb->ligacao.defineEstado(EstadoLigacao::Ocupada);
        QTest::qWait(1500);
        QCOMPARE(c.vezes("pmuadc --sel chestnut --read all"), 1);
        c.amb->ligacao.defineEstado(EstadoLigacao::Ociosa);
    }
    QVERIFY(QTest::qWaitFor([&] { return c.vezes("pmuadc --sel chestnut --read all") == 2; }, 10000));
    QVERIFY2(desde.elapsed() >= 900, qPrintable(QString::number(desde.elapsed())));
    QVERIFY(c.esperaLeitura(w));
    QCOMPARE(rotulo(w, "iLDO_V(3)")->text(), leitura);
    QCOMPARE(rotulo(w, "Porc3")->text(), porc);
    QCOMPARE(w->painel().veredito("Porc3"), VereditoDe(passa));
    QCOMPARE(visivel(w, "OK(4)"), passa);
    QCOMPARE(visivel(w, "NO(4)"), !passa);
    // A second out-of-range reading does not switch again.
    QTest::qWait(1600);
    QCOMPARE(c.vezes("touch --on"), 1);
    QCOMPARE(c.vezes("pmuadc --sel chestnut --read all"), 2);
    QCOMPARE(w->findChild<QPushButton*>("btTouch")->text(), L("Desativar") + " Touch");
}

void TstJanelasChip::chestnutBotaoTouch()
{
    Cenario c;
    QVERIFY(c.inicia("IP 8"));
    auto* w = c.abre<Chestnut>(QStringLiteral("Chestnut"));
    QVERIFY(w);
    auto* bt = w->findChild<QPushButton*>("btTouch");
    QCOMPARE(bt->text(), L("Desativar") + " Touch");
    bt->click();
    QCOMPARE(bt->text(), L("Ativar") + " Touch");
    QVERIFY2(c.bancada.esperaRegistro("touch --off\r"), c.bancada.registro().constData());
    QVERIFY(QTest::qWaitFor([&] { return c.vezes("pmuadc --sel chestnut --read all") == 2; }, 10000));
    QVERIFY(c.esperaLeitura(w));
    w->findChild<QPushButton*>("btTouch")->click();
    QCOMPARE(bt->text(), L("Desativar") + " Touch");
    QVERIFY(c.bancada.esperaRegistro("touch --on\r"));
    QVERIFY(QTest::qWaitFor([&] { return c.vezes("pmuadc --sel chestnut --read all") == 3; }, 10000));
    QVERIFY(c.esperaLeitura(w));
    QCOMPARE(rotulo(w, "lbUC")->text(), QStringLiteral("U5600"));
    QVERIFY(visivel(w, "OK(4)"));
}

void TstJanelasChip::chestnutNaoEhParaX()
{
    Cenario c;
    QVERIFY(c.inicia("IP X"));
    auto* w = c.amb->janelas.mostra<Chestnut>(QStringLiteral("Chestnut"));
    QVERIFY(w);
    QTest::qWait(300);
    const auto& r = c.roteiro.roteiro;
    QCOMPARE(r.mostradas.size(), 1);
    QCOMPARE(r.mostradas.first().caixa.texto, QStringLiteral("NOT FOR X!"));
    QCOMPARE(r.mostradas.first().caixa.titulo, QStringLiteral("IP X!"));
    QCOMPARE(r.mostradas.first().caixa.icone, Dialogos::Icone::Informacao);
    QVERIFY(!c.bancada.registro().contains("pmuadc"));
}

void TstJanelasChip::acornPlacaBoa()
{
    Cenario c;
    QVERIFY(c.inicia("IP X"));
    auto* w = c.abre<Acorn>(QStringLiteral("Acorn"));
    QVERIFY(w);
    QCOMPARE(c.vezes("pmuadc --read all"), 1);
    for (int i = 0; i <= 11; ++i) {
        QVERIFY2(visivel(w, QStringLiteral("OK(%1)").arg(i)), qPrintable(QString::number(i)));
        if (i != 1)
            QVERIFY(!visivel(w, QStringLiteral("NO(%1)").arg(i)));
    }
    QVERIFY(visivel(w, "lbStatus2"));
    QCOMPARE(rotulo(w, "lbUC")->text(), QStringLiteral(" ACORN U5600"));
    QCOMPARE(rotulo(w, "M4")->text(), QStringLiteral("-6.700 V"));
    capturaJanela(w, "Acorn-IP X");

    c.roteiro.roteiro.respostasEntrada = {QStringLiteral("Bancada 1")};
    w->findChild<QPushButton*>("btExportar")->click();
    QCOMPARE(c.roteiro.roteiro.abertos.size(), 1);
    const QString url = ConsultaDoRelatorio(c.roteiro.roteiro.abertos.first());
    QVERIFY2(url.startsWith("M1=PP1V1_RACER&L1=1.100%20V&R1=1.1%20V&P1=0%20%25&I1=1&V1=passa&M2="), qPrintable(url));
    QVERIFY(url.contains("&I8=3&") && url.endsWith("&EMP=Bancada%201"));
}

void TstJanelasChip::acornPlacaComDefeitos()
{
    // A rail far from its reference, a timed-out one and a missing one: each value shows its
    // verdict by tint and word; the failure and the rails without a reading get the NO mark,
    // and the chip is not marked as passing.
    Cenario c;
    QStringList registro;
    DefineDestinoVereditos([&registro](const QString& l) { registro << l; });
    QVERIFY(c.inicia("IP X", {"desvio acorn vn : = 12", "tempo acorn va :", "sem acorn vp :"}));
    auto* w = c.abre<Acorn>(QStringLiteral("Acorn"));
    QVERIFY(w);
    DefineDestinoVereditos({});
    QVERIFY2(registro.contains("veredito | Acorn | P4 | 12 % |  | falha"), qPrintable(registro.join("\n")));
    const struct {
        const char* porc;
        int k;
        Veredito v;
    } casos[] = {{"P4", 4, Veredito::Falha}, {"P7", 7, Veredito::SemLeitura}, {"P3", 3, Veredito::SemLeitura},
                 {"P9", 9, Veredito::Passa}};
    for (const auto& caso : casos) {
        QLabel* l = rotulo(w, caso.porc);
        QCOMPARE(w->painel().veredito(caso.porc), caso.v);
        QCOMPARE(l->property("veredito").toString(), NomeVeredito(caso.v));
        QCOMPARE(l->toolTip(), TextoVeredito(caso.v));
        QVERIFY2(l->styleSheet().contains(CorVb(CorVbVeredito(caso.v)).name()), qPrintable(l->styleSheet()));
        QCOMPARE(visivel(w, QStringLiteral("NO(%1)").arg(caso.k)), caso.v != Veredito::Passa);
        QCOMPARE(visivel(w, QStringLiteral("OK(%1)").arg(caso.k)), caso.v == Veredito::Passa);
    }
    QVERIFY(!visivel(w, "OK(11)"));
    capturaJanela(w, "acorn-vereditos");
}

void TstJanelasChip::acornBuck4()
{
    Cenario c;
    QVERIFY(c.inicia("IP X", {"valor BIST buck4: = 1210.000"}));
    auto* w = c.abre<Acorn>(QStringLiteral("Acorn"));
    QVERIFY(w);
    QCOMPARE(rotulo(w, "M9")->text(), QStringLiteral("1.210 V"));
    QCOMPARE(rotulo(w, "P9")->text(), QStringLiteral("10 %"));
    QCOMPARE(w->painel().veredito("P9"), Veredito::Falha);
    QVERIFY(visivel(w, "NO(9)") && visivel(w, "NO(11)"));
    QVERIFY(!visivel(w, "OK(11)") && !visivel(w, "OK(9)"));
    capturaJanela(w, "Acorn-buck4");
}

void TstJanelasChip::acornSomenteX()
{
    Cenario c;
    QVERIFY(c.inicia("IP 7"));
    auto* w = c.amb->janelas.mostra<Acorn>(QStringLiteral("Acorn"));
    QVERIFY(w);
    QTest::qWait(300);
    QCOMPARE(c.roteiro.roteiro.mostradas.size(), 1);
    QVERIFY(!c.bancada.registro().contains("pmuadc"));
    QVERIFY(w->findChild<QPushButton*>("btExecutaLeitura")->isEnabled());
}

// Another board of the same model on a new connection: the readings, marks and report line of
// the board before go once the new one is identified (not when the link closes).
void TstJanelasChip::trocaDePlacaLimpa()
{
    Cenario c;
    QVERIFY(c.inicia("IP 7"));
    auto* w = c.abre<Chestnut>(QStringLiteral("Chestnut"));
    QVERIFY(w);
    c.roteiro.roteiro.respostasEntrada = {QStringLiteral("Oficina")};
    w->findChild<QPushButton*>("btExportar")->click();
    auto* aviso = w->findChild<QLabel*>("lbRelatorio");
    QVERIFY(aviso->isVisibleTo(w));
    const QString lida = QStringLiteral("-5.700 V");
    QCOMPARE(rotulo(w, "VNEG_V")->text(), lida);
    c.amb->sessao.defineNumeroModelo(QString());
    QCOMPARE(rotulo(w, "VNEG_V")->text(), lida);
    QVERIFY(aviso->isVisibleTo(w));
    c.amb->sessao.defineNumeroModelo(QStringLiteral("..."));
    c.amb->sessao.defineNumeroModelo(QStringLiteral("A1660"));
    QVERIFY(rotulo(w, "VNEG_V")->text() != lida);
    QVERIFY(!visivel(w, "OK(0)"));
    QVERIFY(w->txtDados().isEmpty());
    QVERIFY(!aviso->isVisibleTo(w));
}

QTEST_MAIN(TstJanelasChip)
#include "tst_janelaschip.moc"
