// The board-test windows (I2C, NAND, battery, IC) and the whole-board diagnosis reach their
// verdicts by one path: over the nine models, each board with planted faults, every verdict a
// window shows is the diagnosis's verdict on the item of the same name, and every item the
// diagnosis grades is shown by its window.
#include "apoio/CenarioJanela.h"

#include "boardtests/I2c.h"
#include "boardtests/ProcedimentoNand.h"
#include "boardtests/janelas/Bateria.h"
#include "boardtests/janelas/I2C.h"
#include "boardtests/janelas/IC.h"
#include "boardtests/janelas/Nand.h"
#include "diagnostico/ExecutorDiagnostico.h"
#include "diagnostico/janelas/Diagnostico.h"
#include "i18n/Dicionario.h"
#include "boardtests/Ic.h"

#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Item name -> the word of its verdict.
using Vereditos = QMap<QString, QString>;

// The verdict word a pair of marks shows: the visible one's, none when both are hidden.
QString marcaVisivel(QWidget* janela, const QString& ok, const QString& no)
{
    for (const QString& nome : {ok, no})
        if (auto* m = janela->findChild<QLabel*>(nome); m && !m->isHidden())
            return m->property("veredito").toString();
    return {};
}

struct Cenario : CenarioJanela {
    bool espera(const std::function<bool()>& fim) { return QTest::qWaitFor(fim, 20000); }

    // The diagnosis's items of the board-test families.
    bool diagnostico(Vereditos* r)
    {
        roteiro.roteiro.respostasEntrada << u"OS-1"_s;
        Diagnostico* d = Diagnostico::abre(amb->janelas);
        if (!d || !d->executor())
            return false;
        ExecutorDiagnostico* e = d->executor();
        if (!espera([e] { return !e->rodando(); }) || !e->execucao().completa)
            return false;
        static const QStringList familias{u"i2c"_s, u"nand"_s, u"bateria"_s, u"ic"_s};
        for (const ResultadoPasso& p : e->execucao().passos)
            if (familias.contains(p.subsistema))
                for (const ItemDiagnostico& i : p.itens)
                    if (i.veredito != Veredito::NaoGraduado)
                        r->insert(i.item, NomeVeredito(i.veredito));
        d->close();
        return amb->aguardaOcioso();
    }

    // The automatic test's rows.
    bool i2c(Vereditos* r)
    {
        auto* j = amb->janelas.mostra<I2C>(u"I2C"_s);
        if (!j)
            return false;
        j->findChild<QPushButton*>(u"btAutoTeste"_s)->click();
        if (!espera([j] { return !j->modoAuto(); }))
            return false;
        auto* lista = j->findChild<QListWidget*>(u"ListView"_s);
        for (int k = 0; k < lista->count(); ++k)
            if (const QString nome = lista->item(k)->data(I2C::PapelNomeItem).toString(); !nome.isEmpty())
                r->insert(nome, lista->item(k)->data(Qt::UserRole).toString());
        return true;
    }

    // Each function the diagnosis reads, by its button; the name is the button's.
    bool nand(const QString& modelo, Vereditos* r)
    {
        auto* j = amb->janelas.mostra<Nand>(u"Nand"_s);
        if (!j || !espera([j] { return !j->lendo(); }))
            return false;
        for (int f : {1, 0, 2}) {
            if (!ProcedimentoNand::Serve(modelo, f))
                continue;
            auto* bt = j->findChild<QPushButton*>(u"btBl(%1)"_s.arg(f));
            bt->click();
            if (!espera([j] { return !j->lendo(); }))
                return false;
            QString v = marcaVisivel(j, u"OK(0)"_s, u"NO(0)"_s);
            // A function the board does not have is said in the data box, without a mark.
            if (v.isEmpty() && j->txtDados() == L(u"Não disponível para 6/6P"_s))
                v = NomeVeredito(Veredito::NaoMensuravel);
            if (!v.isEmpty())
                r->insert(bt->text(), v);
        }
        return true;
    }

    // The eight values, named by their headings.
    bool bateria(Vereditos* r)
    {
        auto* j = amb->janelas.mostra<Bateria>(u"Bateria"_s);
        if (!j || !espera([j] { return !j->lendo(); }))
            return false;
        for (int i = 0; i < 8; ++i) {
            const QString v = j->findChild<QLabel*>(u"Info(%1)"_s.arg(i))->property("veredito").toString();
            if (v != NomeVeredito(Veredito::NaoGraduado))
                r->insert(j->findChild<QLabel*>(u"Info_Descricao(%1)"_s.arg(i))->text(), v);
        }
        return true;
    }

    // Both tests; the name is the chip the window shows and the test's command.
    bool ic(Vereditos* r)
    {
        auto* j = amb->janelas.mostra<IC>(u"IC"_s);
        if (!j)
            return false;
        for (int t : {1, 2}) {
            j->findChild<QPushButton*>(u"btBl(%1)"_s.arg(t))->click();
            if (!espera([j] { return !j->lendo(); }))
                return false;
            const QString v = marcaVisivel(j, u"OK(0)"_s, u"NO(0)"_s);
            if (!v.isEmpty())
                r->insert(j->lbIC() + u' ' + ModuloIC::ComandoIC(t), v);
        }
        return true;
    }
};

} // namespace

class TstCaminhoTestes : public QObject {
    Q_OBJECT
private slots:
    void mesmosVereditos_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("escolhaBus"); // which of the model's buses is silent
        QTest::addColumn<QString>("nand");   // the answer to "nanduid"
        QTest::addColumn<bool>("icCurto");   // "tristar -p" answers too little
        QTest::addColumn<bool>("semCiclos"); // the gas gauge lacks the cycle count
        const QString erroNand = u"NAND ERROR: the controller did not answer the request\\n"_s;
        const QString semNand = u"nanduid: command not found on this board, see help\\n"_s;
        QTest::newRow("IP 6") << u"IP 6"_s << 0 << erroNand << true << false;
        QTest::newRow("IP 6 Plus") << u"IP 6 Plus"_s << 1 << semNand << false << true;
        QTest::newRow("IP 6s") << u"IP 6s"_s << 2 << erroNand << false << false;
        QTest::newRow("IP 6s Plus") << u"IP 6s Plus"_s << 0 << QString() << true << true;
        QTest::newRow("IP 7") << u"IP 7"_s << 1 << semNand << true << false;
        QTest::newRow("IP 7 Plus") << u"IP 7 Plus"_s << 2 << erroNand << false << true;
        QTest::newRow("IP 8") << u"IP 8"_s << 3 << QString() << true << false;
        QTest::newRow("IP 8 Plus") << u"IP 8 Plus"_s << 4 << semNand << false << false;
        QTest::newRow("IP X") << u"IP X"_s << 5 << erroNand << true << true;
    }

    void mesmosVereditos()
    {
        QFETCH(QString, modelo);
        QFETCH(int, escolhaBus);
        QFETCH(QString, nand);
        QFETCH(bool, icCurto);
        QFETCH(bool, semCiclos);
        const QList<int> barramentos = ModuloI2C::BarramentosDoAutoTeste(ModuloI2C::BotoesDoModelo(modelo));
        QVERIFY(!barramentos.isEmpty());
        const int mudo = barramentos.at(escolhaBus % barramentos.size());
        QStringList perfil{u"resposta i2c -s %1 = Scanning I2C bus %1\\n  no device answered\\n0 device(s) found on bus %1\\n"_s.arg(mudo)};
        if (!nand.isEmpty())
            perfil << u"resposta nanduid = "_s + nand;
        if (icCurto)
            perfil << u"resposta tristar -p = "_s + QString(60, u'd') + u"\\n"_s;
        if (semCiclos)
            perfil << u"resposta device  --key GasGauge -p = GasGauge properties\\n    charge-percentage: \"60%\"\\n"
                      u"    design-capacity: \"2915mAh\"\\n    nominal-capacity: \"2186mAh\"\\n    voltage: \"3800mV\"\\n"
                      u"    current: \"0mA\"\\n    temperature: \"25C\"\\n"_s;

        Cenario c;
        QVERIFY(c.iniciaBancada(modelo, perfil));
        Vereditos diagnostico, janelas;
        QVERIFY(c.diagnostico(&diagnostico));
        QVERIFY(c.i2c(&janelas));
        QVERIFY(c.nand(modelo, &janelas));
        QVERIFY(c.bateria(&janelas));
        QVERIFY(c.ic(&janelas));

        QCOMPARE(janelas, diagnostico);
        // The planted faults are seen, so the comparison is not between empty verdicts.
        int falhasNoMudo = 0;
        for (auto it = janelas.cbegin(); it != janelas.cend(); ++it)
            if (it.key().startsWith(u"I2C %1 "_s.arg(mudo)) && it.value() == NomeVeredito(Veredito::Falha))
                ++falhasNoMudo;
        QVERIFY(falhasNoMudo > 0);
        const QString tristar = janelas.value(ModuloIC::NomeCI(modelo) + u' ' + ModuloIC::ComandoIC(1));
        QCOMPARE(tristar, NomeVeredito(icCurto ? Veredito::Falha : Veredito::Passa));
        QCOMPARE(janelas.value(L(u"CICLOS DE CARGA"_s)), semCiclos ? NomeVeredito(Veredito::SemLeitura) : QString());
        const QString uid = janelas.value(L(u"Identificação Única NAND"_s));
        QCOMPARE(uid, NomeVeredito(nand.isEmpty() ? Veredito::Passa
                                   : nand.contains(u"not found"_s) ? Veredito::NaoMensuravel : Veredito::Falha));
    }
};

QTEST_MAIN(TstCaminhoTestes)
#include "tst_caminho_testes.moc"
