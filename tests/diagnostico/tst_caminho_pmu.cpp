// One path to the PMU and buck check verdicts: over the nine models, a board with planted
// faults is read by the PMU window (both families), the buck check window and the whole-board
// diagnosis; the verdict each item shows in a window is the diagnosis's item of the same name.
// The same answer gives one rail one verdict in the VCore, Buck and LDO and PMU readings.
#include "apoio/CenarioJanela.h"

#include "db/Banco.h"
#include "diagnostico/ExecutorDiagnostico.h"
#include "i18n/Dicionario.h"
#include "rails/BuckCheck.h"
#include "rails/janelas/BuckTeste.h"
#include "rails/janelas/PMU.h"
#include "apoio/Apoio.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QSqlRecord>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Planted on every model (the channels exist on all nine): buck 5 12 % off its reference
// (the phone's buck check fails it too), buck 3's current three times its usual reading, buck 2
// timed out ("timeout": each window's no-reading text), LDO 7 printing a word.
const QStringList Perfil{
    u"desvio 5 = 12"_s,
    u"desvio 23 = 200"_s,
    u"tempo 2"_s,
    u"tempo 47 = TIMEOUT_ERR"_s,
};

Veredito deNome(const QString& nome)
{
    for (Veredito v : {Veredito::Passa, Veredito::Falha, Veredito::NaoMensuravel, Veredito::SemLeitura,
                       Veredito::NaoGraduado})
        if (NomeVeredito(v) == nome || TextoVeredito(v) == nome || MarcaVeredito(v) == nome)
            return v;
    return Veredito::NaoGraduado;
}

// The verdict a PMU line shows by its marks, and its tint saying the same.
QString marcaDaLinha(const PMU::Linha& l)
{
    const Veredito v = !l.ok->isHidden() ? Veredito::Passa
                     : !l.no->isHidden() ? Veredito::Falha
                     : !l.marca->isHidden() ? deNome(l.marca->text()) : Veredito::NaoGraduado;
    if (l.leituraV->property("veredito").toString() != NomeVeredito(v))
        return u"marca e cor diferem: "_s + NomeVeredito(v) + u" / "_s + l.leituraV->property("veredito").toString();
    return NomeVeredito(v);
}

template <class T>
T* filho(QWidget* w, const QString& nome)
{
    return w->findChild<T*>(nome);
}

// What the PMU window shows for one family, item by item (a line's rail; the current on it by
// the rail of the current's row).
QMap<QString, QString> lePmu(PMU* w, AmbienteJanelas& amb, const char* botao)
{
    QMap<QString, QString> r;
    auto* controle = filho<QFrame>(w, u"FrameControle"_s);
    filho<QPushButton>(w, QString::fromLatin1(botao))->click();
    if (controle->isEnabled() || !QTest::qWaitFor([&] { return controle->isEnabled(); }, 20000)
        || !amb.aguardaOcioso())
        return r;
    const QList<LinhaPmu> linhas = w->procedimento().linhas();
    for (int i = 0; i < w->linhas().size(); ++i) {
        const PMU::Linha& l = w->linhas()[i];
        if (l.saida->isHidden())
            continue;
        r.insert(l.malhaNome->text(), marcaDaLinha(l));
        if (!l.leituraA->isHidden() && i < linhas.size() && linhas[i].corrente)
            r.insert(linhas[i].corrente->malha, l.leituraA->property("veredito").toString());
    }
    return r;
}

// What the buck check window's live list shows, by output.
QMap<QString, QString> leBuckCheck(BuckTeste* w, AmbienteJanelas& amb)
{
    QMap<QString, QString> r;
    filho<QPushButton>(w, u"btBl(4)"_s)->click();
    if (!amb.aguardaOcioso()
        || !QTest::qWaitFor([&] { return filho<QFrame>(w, u"FrameVCore"_s)->isHidden(); }, 5000))
        return r;
    auto* lista = filho<QListWidget>(w, u"ListView"_s);
    for (int i = 0; i < lista->count(); ++i) {
        const QListWidgetItem* item = lista->item(i);
        const Veredito v = deNome(item->toolTip());
        const bool tinta = v == Veredito::NaoGraduado ? item->background().style() == Qt::NoBrush
                                                      : item->background().color() == corVeredito(v);
        r.insert(SaidaDoItem({item->text(), IconeBuck::Leitura}),
                 tinta ? NomeVeredito(v) : u"cor difere de "_s + NomeVeredito(v));
    }
    return r;
}

// The diagnosis's items of the steps of these kinds, by name.
QMap<QString, QString> itensDe(const ExecutorDiagnostico& e, std::initializer_list<TipoPasso> tipos)
{
    QMap<QString, QString> r;
    for (int k = 0; k < e.passos().size(); ++k)
        if (std::find(tipos.begin(), tipos.end(), e.passos().at(k).tipo) != tipos.end())
            for (const ItemDiagnostico& i : e.execucao().passos.at(k).itens)
                r.insert(i.item, NomeVeredito(i.veredito));
    return r;
}

int familiaDo(TipoPasso t)
{
    switch (t) {
    case TipoPasso::GradeVCore: return FamiliaVCore;
    case TipoPasso::GradeBuck:
    case TipoPasso::PmuBuck: return FamiliaBuck;
    default: return FamiliaLdo;
    }
}

} // namespace

class TstCaminhoPmu : public QObject {
    Q_OBJECT
private slots:
    void janelasEDiagnosticoConcordam_data()
    {
        QTest::addColumn<QString>("modelo");
        for (const char* m : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus", "IP 7", "IP 7 Plus", "IP 8", "IP 8 Plus", "IP X"})
            QTest::newRow(m) << QString::fromLatin1(m);
    }

    void janelasEDiagnosticoConcordam()
    {
        QFETCH(QString, modelo);
        CenarioJanela c;
        QVERIFY(c.iniciaBancada(modelo, Perfil));
        AmbienteJanelas& amb = *c.amb;

        auto* pmu = amb.janelas.mostra<PMU>(u"PMU"_s);
        QMap<QString, QString> janelaPmu = lePmu(pmu, amb, "Botao1");
        janelaPmu.insert(lePmu(pmu, amb, "Botao2"));
        amb.janelas.fecha({u"PMU"_s});
        auto* buck = amb.janelas.mostra<BuckTeste>(u"BuckTeste"_s);
        QCOMPARE(filho<QComboBox>(buck, u"Combo1"_s)->currentText(), ToleranciaBuckCheck);
        const QMap<QString, QString> janelaBuck = leBuckCheck(buck, amb);
        amb.janelas.fecha({u"BuckTeste"_s});

        const auto diagnostico = c.diagnostica(u"OS-1"_s);
        QVERIFY(diagnostico);
        const ExecutorDiagnostico& e = *diagnostico;

        // The windows showed what the diagnosis holds, item for item.
        QCOMPARE(janelaPmu, itensDe(e, {TipoPasso::PmuBuck, TipoPasso::PmuLdo}));
        QCOMPARE(janelaBuck, itensDe(e, {TipoPasso::BuckCheck}));

        // The faults are there (the comparison is not of empty or all-passing lists), and the
        // GPU outputs are not measurable in the buck check, whatever the phone says of them
        // (a good "IP 6" prints FAIL on buck 1).
        Banco banco(DadosTeste().banco);
        const auto malha = [&](const QString& orig, int familia) {
            return banco.linhas(u"Select Malha from Master where Modelo = ? and Orig = ? and TIPO = ?"_s,
                                {modelo, orig, familia}).value(0).value(0).toString();
        };
        QCOMPARE(janelaPmu.value(malha(u"Buck5"_s, FamiliaBuck)), u"falha"_s);
        QCOMPARE(janelaPmu.value(malha(u"Buck2"_s, FamiliaBuck)), u"semleitura"_s);
        QCOMPARE(janelaPmu.value(malha(u"LDO7"_s, FamiliaLdo)), u"semleitura"_s);
        QCOMPARE(janelaPmu.value(malha(u"mA Buck3"_s, FamiliaBuck)), u"falha"_s);
        QCOMPARE(janelaBuck.value(u"buck5"_s), u"falha"_s);
        QCOMPARE(janelaBuck.value(u"buck1"_s), u"naomensuravel"_s);
        QCOMPARE(janelaBuck.value(u"buck0"_s), u"passa"_s);
        QVERIFY(janelaPmu.values().count(u"passa"_s) > 5);

        // One rail one verdict: every reading of the same channel (VCore, Buck and LDO, PMU)
        // gives it the same verdict, whatever text each window prints for it.
        QMap<QString, QMap<QString, QString>> porCanal; // Orig -> reading -> verdict
        for (int k = 0; k < e.passos().size(); ++k) {
            const TipoPasso t = e.passos().at(k).tipo;
            if (t != TipoPasso::GradeVCore && t != TipoPasso::GradeBuck && t != TipoPasso::GradeLdo
                && t != TipoPasso::PmuBuck && t != TipoPasso::PmuLdo)
                continue;
            for (const ItemDiagnostico& i : e.execucao().passos.at(k).itens) {
                QString orig = banco.linhas(u"Select Orig from Master where Modelo = ? and Malha = ? and TIPO = ?"_s,
                                            {modelo, i.item, familiaDo(t)}).value(0).value(0).toString();
                if (orig.isEmpty())
                    orig = i.item; // a row without a rail name is named by its output

                porCanal[orig].insert(e.execucao().passos.at(k).titulo, NomeVeredito(i.veredito));
            }
        }
        const QMap<QString, QString> esperado{
            {u"Buck5"_s, u"falha"_s},       {u"mA Buck3"_s, u"falha"_s}, {u"Buck2"_s, u"semleitura"_s},
            {u"LDO7"_s, u"semleitura"_s},   {u"Buck1"_s, u"naomensuravel"_s},
            {u"mA Buck1"_s, u"naomensuravel"_s}, {u"Buck3"_s, u"passa"_s},
        };
        for (auto it = esperado.begin(); it != esperado.end(); ++it)
            QVERIFY2(porCanal.contains(it.key()), qPrintable(it.key()));
        for (auto it = porCanal.begin(); it != porCanal.end(); ++it) {
            const QStringList vereditos = QSet<QString>(it->begin(), it->end()).values();
            QVERIFY2(vereditos.size() == 1, qPrintable(it.key() + u": "_s + QStringList(it->keys()).join(u", "_s)
                                                        + u" → "_s + QStringList(it->values()).join(u", "_s)));
            if (esperado.contains(it.key()))
                QCOMPARE(vereditos.first(), esperado.value(it.key()));
        }
    }
};

QTEST_MAIN(TstCaminhoPmu)
#include "tst_caminho_pmu.moc"
