// The PMU window against the bench board: the lines of a good board, a rail off its reference
// against the tolerance, currents on their output's line, the tolerance field, the failure path.
#include "CenarioTrilhas.h"
#include "i18n/IdiomaAtivo.h"
#include "ui/Controles.h"

#include "i18n/Dicionario.h"
#include "rails/ProcedimentoPmu.h"
#include "rails/janelas/PMU.h"
#include "shell/Ligacao.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>

namespace {
const QString Numero = QStringLiteral("A1864");

bool leia(PMU* w, const char* botao = "Botao1")
{
    auto* controle = filho<QFrame>(w, "FrameControle");
    filho<QPushButton>(w, botao)->click();
    if (controle->isEnabled())
        return false; // nothing started
    return QTest::qWaitFor([&] { return controle->isEnabled(); }, 20000);
}

// The line showing an output, or -1.
int linhaDe(PMU* w, const QString& saida)
{
    for (int i = 0; i < w->linhas().size(); ++i)
        if (!w->linhas()[i].saida->isHidden() && w->linhas()[i].saida->text() == saida)
            return i;
    return -1;
}

int linhasVisiveis(PMU* w)
{
    int n = 0;
    for (const PMU::Linha& l : w->linhas())
        n += l.saida->isHidden() ? 0 : 1;
    return n;
}
} // namespace

class TstJanelasPmu : public QObject {
    Q_OBJECT
private slots:
    void placaBoaPassaComCorrentesNasSaidas();
    void linhasECorrentesDaLeitura();
    void trilhaForaDaToleranciaFalhaEToleranciaMaiorPassa();
    void toleranciaAoSairDoCampo_data();
    void toleranciaAoSairDoCampo();
    void leituraQueNaoEhNumeroMarcaALinhaESegue();
    void familiaSemLigacaoNaoLe();
    void fechadaDuranteALeituraNaoReabre_data();
    void fechadaDuranteALeituraNaoReabre();
    void notaNaAlturaDoModeloEFamilia_data();
    void notaNaAlturaDoModeloEFamilia();
    void notaDaJanelaSegueAFamilia();
    void linhasAntesDeGravar();
};

void TstJanelasPmu::placaBoaPassaComCorrentesNasSaidas()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 8 Plus", Numero));
    auto* w = c.janelas().mostra<PMU>("PMU");
    QCOMPARE(filho<QLabel>(w, "lbVar")->text(), L("VAR4") + " ** " + L("Sem Medição").toUpper());
    QVERIFY(leia(w));
    QCOMPARE(w->familia(), 2);
    QVERIFY(filho<QFrame>(w, "FrameVCore")->isHidden());

    const auto comRef = c.master("Modelo = 'IP 8 Plus' and TIPO = 2 and RefT <> '' and RefV <> ''");
    QCOMPARE(linhasVisiveis(w), int(comRef.size()));
    for (int i = 0; i < linhasVisiveis(w); ++i) {
        const PMU::Linha& l = w->linhas()[i];
        // The outputs without values in purple mode are marked, never given the pass mark.
        const bool semValor = l.leituraV->text() == "*";
        QVERIFY2(l.ok->isHidden() == semValor && l.no->isHidden() && l.marca->isHidden() != semValor,
                 qPrintable(l.saida->text() + " " + l.leituraV->text() + " " + l.porc->text()));
        if (semValor)
            QCOMPARE(l.leituraV->property("veredito").toString(), QString("naomensuravel"));
        QVERIFY(!l.malhaNome->text().isEmpty());
        QVERIFY(!l.ref->text().isEmpty());
    }
    // The current of an output is shown on that output's line.
    const int buck3 = linhaDe(w, "BUCK3");
    QVERIFY(buck3 >= 0);
    const QString corrente = c.master("Modelo = 'IP 8 Plus' and TIPO = 2 and Orig = 'mA Buck3'")
                                 .value(0).value("Leitura").toString();
    QVERIFY(corrente.endsWith(" mA"));
    QVERIFY(!w->linhas()[buck3].leituraA->isHidden());
    QCOMPARE(w->linhas()[buck3].leituraA->text(), corrente);
    qInfo("PMU, IP 8 Plus BUCK: %.1f ms grading and display", w->nsTrabalhoUltimaLeitura() / 1e6);

    // LDO: the other family's outputs.
    QVERIFY(leia(w, "Botao2"));
    QCOMPARE(w->familia(), 1);
    QCOMPARE(linhasVisiveis(w),
             int(c.master("Modelo = 'IP 8 Plus' and TIPO = 1 and RefT <> '' and RefV <> ''").size()));
    QVERIFY(w->linhas()[0].saida->text().startsWith("LDO"));
}

void TstJanelasPmu::linhasECorrentesDaLeitura()
{
    // In grading order: a line per voltage reference; a current lands on every line its name
    // starts (mA Ldo1 on LDO1 and LDO13), a later one replacing it (mA Ldo13 on LDO13); a
    // current on no line is not shown, so it is no item; a current on two lines is one item.
    const auto trilha = [](const QString& orig, const QString& refV, const QString& porc, Veredito v) {
        return TrilhaGraduada{"R " + orig, orig, refV.isEmpty() ? "< 100 mA" : refV + " V", refV,
                              refV.isEmpty() ? "40,0 mA" : "TIMEOUT_ERR V", porc, v, {}};
    };
    const QList<TrilhaGraduada> trilhas{
        trilha("Buck5", "0.900", "", Veredito::SemLeitura), trilha("Ldo1", "1.800", "0.5 %", Veredito::Passa),
        trilha("Ldo13", "1.800", "12.0 %", Veredito::Falha), trilha("mA Ldo1", "", "", Veredito::Passa),
        trilha("mA Ldo13", "", "", Veredito::Falha), trilha("mA Ldo9", "", "", Veredito::Passa)};
    const QList<LinhaPmu> linhas = LinhasPmu(trilhas);
    QStringList vistas;
    for (const LinhaPmu& l : linhas)
        vistas << l.tensao.orig + "/" + (l.corrente ? l.corrente->orig : QString());
    QCOMPARE(vistas, (QStringList{"Buck5/", "Ldo1/mA Ldo1", "Ldo13/mA Ldo13"}));
    QStringList itens;
    for (const ItemGraduado& i : ItensPmu(linhas, 7))
        itens << i.item + "=" + NomeVeredito(i.veredito) + (i.desvio ? "@" + QString::number(*i.desvio) : QString())
                     + "/" + QString::number(i.tolerancia);
    QCOMPARE(itens, (QStringList{"R Buck5=semleitura/7", "R Ldo1=passa@0.5/7", "R mA Ldo1=passa/7",
                                 "R Ldo13=falha@12/7", "R mA Ldo13=falha/7"}));
}

void TstJanelasPmu::trilhaForaDaToleranciaFalhaEToleranciaMaiorPassa()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 8 Plus", Numero, {"--desvio", "5=12"}));
    auto* w = c.janelas().mostra<PMU>("PMU");
    QVERIFY(leia(w));
    const int i = linhaDe(w, "BUCK5");
    QVERIFY(i >= 0);
    const PMU::Linha& l = w->linhas()[i];
    QVERIFY(l.porc->text().startsWith("12"));
    QVERIFY(!l.no->isHidden());
    QVERIFY(l.ok->isHidden());
    QCOMPARE(l.porc->palette().color(QPalette::Window), corVeredito(Veredito::Falha));
    QCOMPARE(l.leituraV->palette().color(QPalette::Window), corVeredito(Veredito::Falha));
    for (int j = 0; j < linhasVisiveis(w); ++j)
        if (j != i)
            QVERIFY(w->linhas()[j].no->isHidden());

    filho<QComboBox>(w, "PorcTolerancia")->setCurrentText("13");
    QVERIFY(leia(w));
    const PMU::Linha& m = w->linhas()[linhaDe(w, "BUCK5")];
    QVERIFY(!m.ok->isHidden());
    QVERIFY(m.no->isHidden());
    QCOMPARE(m.porc->palette().color(QPalette::Window), corVeredito(Veredito::Passa));
}

void TstJanelasPmu::toleranciaAoSairDoCampo_data()
{
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("fica");
    QTest::newRow("acima de 100") << "150" << "10";
    QTest::newRow("negativo") << "-1" << "10";
    QTest::newRow("texto") << "abc" << "10";
    QTest::newRow("vazio") << "" << "10";
    QTest::newRow("fracao") << "12,7" << "12";
    QTest::newRow("limite") << "100" << "100";
    QTest::newRow("zero") << "0" << "0";
}

void TstJanelasPmu::toleranciaAoSairDoCampo()
{
    QFETCH(QString, digitado);
    QFETCH(QString, fica);
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    AmbienteJanelas amb;
    auto* w = amb.janelas.mostra<PMU>("PMU");
    auto* tol = filho<QComboBox>(w, "PorcTolerancia");
    QCOMPARE(tol->currentText(), QString("10"));
    tol->setCurrentText(digitado);
    w->validaTolerancia();
    QCOMPARE(tol->currentText(), fica);
}

void TstJanelasPmu::leituraQueNaoEhNumeroMarcaALinhaESegue()
{
    // One channel answering a word: its line is marked, every other line graded, no box,
    // and the window is ready for the next reading.
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 8 Plus", Numero, {"--timeout", "5=TIMEOUT_ERR"}));
    auto* w = c.janelas().mostra<PMU>("PMU");
    QVERIFY(leia(w));
    QVERIFY(c.dialogos.roteiro.mostradas.isEmpty());
    QVERIFY(filho<QFrame>(w, "FrameVCore")->isHidden());
    QVERIFY(filho<QFrame>(w, "FrameControle")->isEnabled());
    QCOMPARE(c.ligacao().estado(), EstadoLigacao::Ociosa);
    const int i = linhaDe(w, "BUCK5");
    QVERIFY(i >= 0);
    const PMU::Linha& l = w->linhas()[i];
    QCOMPARE(l.leituraV->text(), QString("TIMEOUT_ERR V"));
    QVERIFY(l.ok->isHidden() && l.no->isHidden() && !l.marca->isHidden());
    QCOMPARE(l.marca->text(), MarcaVeredito(Veredito::SemLeitura));
    QCOMPARE(l.leituraV->palette().color(QPalette::Window), corVeredito(Veredito::SemLeitura));
    QCOMPARE(linhasVisiveis(w), int(c.master("Modelo = 'IP 8 Plus' and TIPO = 2 and RefT <> '' and RefV <> ''").size()));
    capturaJanela(w, "pmu-vereditos");
}

void TstJanelasPmu::familiaSemLigacaoNaoLe()
{
    PastaAplicacaoTemporaria pasta;
    RoteiroInstalado roteiro;
    DefineIdioma(1);
    AmbienteJanelas amb;
    auto* w = amb.janelas.mostra<PMU>("PMU");
    filho<QPushButton>(w, "Botao2")->click();
    QCOMPARE(w->familia(), 1);
    QVERIFY(filho<QFrame>(w, "FrameControle")->isEnabled());
    QCOMPARE(linhasVisiveis(w), 0);
    QCOMPARE(amb.ligacao.requisitante(), QString("0"));
}

void TstJanelasPmu::fechadaDuranteALeituraNaoReabre_data()
{
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QString>("botao");
    QTest::newRow("PMU (18)") << "PMU" << "Botao1";
    QTest::newRow("buck check (13)") << "BuckTeste" << "btBl(3)";
}

void TstJanelasPmu::fechadaDuranteALeituraNaoReabre()
{
    // A window closed while its own reading is in flight drops the late answer instead of
    // coming back in its default state.
    QFETCH(QString, janela);
    QFETCH(QString, botao);
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 8 Plus", Numero, {"--lento", "40"}));
    QWidget* w = c.janelas().mostra(janela);
    QVERIFY(w);
    filho<QPushButton>(w, botao)->click();
    QTRY_VERIFY(c.ligacao().estado() != EstadoLigacao::Ociosa);
    QPointer<QWidget> vivo(w);
    c.janelas().fecha({janela});
    QTRY_VERIFY(!vivo);
    QVERIFY(c.ambiente->aguardaOcioso(30000));
    QTest::qWait(200);
    QVERIFY(!c.janelas().aberta(janela));
    QVERIFY(c.dialogos.roteiro.mostradas.isEmpty());
}

void TstJanelasPmu::notaNaAlturaDoModeloEFamilia_data()
{
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<int>("familia");
    QTest::addColumn<int>("topo");
    QTest::newRow("IP 7 LDO") << "IP 7" << 1 << 8280;
    QTest::newRow("IP 7 BUCK") << "IP 7" << 2 << 8000;
    QTest::newRow("IP 7 Plus LDO") << "IP 7 Plus" << 1 << 8280;
    QTest::newRow("IP 8 LDO") << "IP 8" << 1 << 8000;
    QTest::newRow("IP 6s LDO") << "IP 6s" << 1 << 8000;
}

void TstJanelasPmu::notaNaAlturaDoModeloEFamilia()
{
    QFETCH(QString, modelo);
    QFETCH(int, familia);
    QFETCH(int, topo);
    QCOMPARE(TopoNotaPmu(modelo, familia, false), topo);
    QCOMPARE(TopoNotaPmu(modelo, familia, true), 8500);
}

void TstJanelasPmu::notaDaJanelaSegueAFamilia()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 7", "A1660"));
    auto* w = c.janelas().mostra<PMU>("PMU");
    auto* nota = filho<QLabel>(w, "lbVar");
    // Beside a main window taller than 11000 twips the grown window keeps its note lower.
    QMdiArea* area = c.janelas().area();
    const bool alta = area && Twips::dePixels(area->window()->height()) > 11000;
    QVERIFY(leia(w, "Botao2"));
    QCOMPARE(nota->y(), Twips::paraPixels(alta ? 8500 : 8280));
    QVERIFY(leia(w, "Botao1"));
    QCOMPARE(nota->y(), Twips::paraPixels(alta ? 8500 : 8000));
    if (area) { // and below it, the model and family decide
        area->window()->resize(area->window()->width(), Twips::paraPixels(10000));
        QVERIFY(leia(w, "Botao2"));
        QCOMPARE(nota->y(), Twips::paraPixels(8280));
        QVERIFY(leia(w, "Botao1"));
        QCOMPARE(nota->y(), Twips::paraPixels(8000));
    }
}

// The lines show the grading before Master stores it (the commit waits for the disk); a window
// closed in between still leaves the reading in Master.
void TstJanelasPmu::linhasAntesDeGravar()
{
    CenarioTrilhas c;
    QVERIFY(c.inicia("IP 8 Plus", Numero));
    QPointer<PMU> w = c.janelas().mostra<PMU>("PMU");
    QString primeira;
    bool guardadaAntes = true;
    connect(&w->procedimento(), &ProcedimentoTrilhas::graduado, w, [&] {
        primeira = w->linhas().value(0).leituraV ? w->linhas()[0].leituraV->text() : QString();
        guardadaAntes = !c.master("Leitura <> ''").isEmpty();
        c.janelas().fecha({"PMU"});
    });
    filho<QPushButton>(w, "Botao1")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!w, 20000);
    QVERIFY2(!primeira.isEmpty(), "the lines were not shown when graded");
    QVERIFY(!guardadaAntes);
    QVERIFY(!c.master("Modelo = 'IP 8 Plus' and TIPO = 2 and Leitura <> ''").isEmpty());
}

QTEST_MAIN(TstJanelasPmu)
#include "tst_janelas_pmu.moc"
