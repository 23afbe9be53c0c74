// The chip windows and the whole-board diagnosis reach the same verdicts. Over the nine
// models, each with a fault planted on the bench board, the verdict every chip window shows
// for a rail (the word of its tint, or the mark of an ungraded Acorn rail) is the verdict of
// the diagnosis's item of the same name, and both read the board the same way (the Chestnut
// touch re-read).
#include "apoio/CenarioJanela.h"

#include "chips/ChipAcorn.h"
#include "chips/ProcedimentoChip.h"
#include "chips/janelas/JanelaChip.h"
#include "diagnostico/ExecutorDiagnostico.h"
#include "rails/Veredito.h"

#include <QLabel>
#include <QMap>
#include <QtTest>

namespace {

// Verdicts by item name, each as its stable name ("passa", "semleitura" ...).
using Vereditos = QMap<QString, QString>;

const QString Subsistemas[] = {QStringLiteral("tigris"), QStringLiteral("tristar"), QStringLiteral("hydra"),
                               QStringLiteral("chestnut"), QStringLiteral("acorn")};

// The window of a chip step.
QString janelaDo(const QString& subsistema)
{
    if (subsistema == QLatin1String("hydra"))
        return QStringLiteral("Tristar");
    QString s = subsistema;
    s[0] = s.at(0).toUpper();
    return s;
}

// The verdict a label shows: the word of its tint, not graded when it has no tint.
QString mostrado(QWidget* w, const QString& controle)
{
    auto* l = w->findChild<QLabel*>(controle);
    const QString v = l ? l->property("veredito").toString() : QString();
    return v.isEmpty() ? NomeVeredito(Veredito::NaoGraduado) : v;
}

bool visivel(QWidget* w, const QString& controle)
{
    QWidget* c = w->findChild<QWidget*>(controle);
    return c && c->isVisibleTo(w);
}

// What a chip window shows, rail by rail, named "<chip> <rail>" as the window names them (the
// chip of its title, the rails of its rows and drawing).
Vereditos mostradosNaJanela(JanelaChip* w)
{
    const QString chip = w->windowTitle().section(QStringLiteral(" - "), 0, 0) + QLatin1Char(' ');
    Vereditos r;
    const QString nome = w->objectName();
    if (nome == QLatin1String("Tigris")) {
        const struct {
            const char* malha;
            const char* controle;
        } linhas[] = {{"VBUS", "VBus_V"}, {"VBUS1", "VBus_V1"}, {"VBUS2", "VBus_V2"}, {"VBAT", "VBat_V"}, {"VDD", "VDD_V"}};
        for (const auto& l : linhas)
            if (visivel(w, QString::fromLatin1(l.controle)))
                r.insert(chip + QString::fromLatin1(l.malha), mostrado(w, QString::fromLatin1(l.controle)));
    } else if (nome == QLatin1String("Tristar")) {
        // The rails' names are on the drawing's wires.
        for (int n = 1; n <= 2; ++n)
            r.insert(chip + w->findChild<QLabel*>(QStringLiteral("lbNomeMalha%1").arg(n))->text(),
                     mostrado(w, QStringLiteral("Porc%1").arg(n)));
    } else if (nome == QLatin1String("Chestnut")) {
        const struct {
            const char* malha;
            const char* porc;
        } linhas[] = {{"PP6V0_DISPLAY_BOOST", "Porc5"}, {"PN -5V7_DISPLAY_MESON_AVDDN", "Porc4"},
                      {"PP5V7_MESON_AVDDH", "Porc1"}, {"PP5V7_LCM_AVDDH", "Porc2"}, {"PP5V1_TOUCH_VDDH", "Porc3"}};
        for (const auto& l : linhas)
            r.insert(chip + QString::fromLatin1(l.malha), mostrado(w, QString::fromLatin1(l.porc)));
    } else {
        // A graded rail by its percentage; an ungraded one by its mark: OK read, else unread.
        for (int i = 0; i <= 10; ++i) {
            const QString malha = chip + ChipAcorn::Malha(i);
            if (!ChipAcorn::Referencia(i).isEmpty())
                r.insert(malha, mostrado(w, QStringLiteral("P%1").arg(i)));
            else
                r.insert(malha, NomeVeredito(visivel(w, QStringLiteral("OK(%1)").arg(i)) ? Veredito::NaoGraduado
                                                                                          : Veredito::SemLeitura));
        }
    }
    return r;
}

QString texto(const Vereditos& v)
{
    QStringList l;
    for (auto it = v.cbegin(); it != v.cend(); ++it)
        l << it.key() + QLatin1Char('=') + it.value();
    return l.join(QStringLiteral(", "));
}

struct Cenario : CenarioJanela {
    // The diagnosis's chip items, by subsystem.
    QMap<QString, Vereditos> diagnostico()
    {
        QMap<QString, Vereditos> r;
        ExecutorDiagnostico e(amb->sessao, ContextoTeste().dados, QStringLiteral("caminho"));
        e.inicia();
        if (!QTest::qWaitFor([&] { return !e.rodando(); }, 60000))
            return r;
        for (const ResultadoPasso& p : e.execucao().passos) {
            if (std::find(std::begin(Subsistemas), std::end(Subsistemas), p.subsistema) == std::end(Subsistemas))
                continue;
            Vereditos& v = r[p.subsistema];
            for (const ItemDiagnostico& i : p.itens)
                v.insert(i.item, NomeVeredito(i.veredito));
        }
        return r;
    }
    // Opens the window of a chip step and waits for its reading to end.
    JanelaChip* le(const QString& subsistema)
    {
        auto* w = qobject_cast<JanelaChip*>(amb->janelas.mostra(janelaDo(subsistema)));
        if (!w || !w->procedimento())
            return nullptr;
        const bool lida = QTest::qWaitFor([w] { return w->procedimento()->fim() != Procedimento::Fim::EmCurso; }, 20000);
        return lida && w->procedimento()->fim() == Procedimento::Fim::Concluido ? w : nullptr;
    }
};

} // namespace

class TstCaminhoChips : public QObject {
    Q_OBJECT
private slots:
    void janelasEDiagnosticoConcordam_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QStringList>("perfil");
        QTest::addColumn<QString>("item");      // the planted fault as both must show it
        QTest::addColumn<Veredito>("veredito");
        QTest::addColumn<bool>("toque");        // the touch controller is switched on and read again
        // A touch controller that starts off reads wrong until switched on: a good board.
        QTest::newRow("IP 6, touch off, VBAT low") << "IP 6" << QStringList{"toque desligado", "desvio tigris vbat : = -20"}
                                                   << "Tigris VBAT" << Veredito::Falha << true;
        QTest::newRow("IP 6 Plus, rail 1 missing") << "IP 6 Plus" << QStringList{"sem BIST ldo3:"}
                                                   << "Tristar PP3V0_TRISTAR" << Veredito::SemLeitura << false;
        QTest::newRow("IP 6s, VNEG timed out") << "IP 6s" << QStringList{"tempo chestnut vneg :"}
                                               << "Chestnut PN -5V7_DISPLAY_MESON_AVDDN" << Veredito::SemLeitura << false;
        QTest::newRow("IP 6s Plus, boost high") << "IP 6s Plus" << QStringList{"desvio chestnut vboost : = 15"}
                                                << "Chestnut PP6V0_DISPLAY_BOOST" << Veredito::Falha << false;
        QTest::newRow("IP 7, touch off") << "IP 7" << QStringList{"toque desligado"}
                                         << "Chestnut PP5V1_TOUCH_VDDH" << Veredito::Passa << true;
        QTest::newRow("IP 7 Plus, touch rail low") << "IP 7 Plus" << QStringList{"desvio chestnut vldo3 : = -20"}
                                                   << "Chestnut PP5V1_TOUCH_VDDH" << Veredito::Falha << true;
        QTest::newRow("IP 8, VBUS1 low") << "IP 8" << QStringList{"desvio tigris vbus1 : = -20"}
                                         << "Tigris VBUS1" << Veredito::Falha << false;
        QTest::newRow("IP 8 Plus, over-current") << "IP 8 Plus" << QStringList{"valor BIST ildo7: = 3400.000"}
                                                 << "Hydra PP3V0_S2" << Veredito::Falha << false;
        QTest::newRow("IP X, VN high, ground missing") << "IP X" << QStringList{"desvio acorn vn : = 12", "sem acorn ground :"}
                                                       << "Acorn GND" << Veredito::SemLeitura << false;
    }

    void janelasEDiagnosticoConcordam()
    {
        QFETCH(QString, modelo);
        QFETCH(QStringList, perfil);
        QFETCH(QString, item);
        QFETCH(Veredito, veredito);
        QFETCH(bool, toque);
        const int vezesToque = toque ? 1 : 0;

        // The diagnosis first, on a board as it came (the touch as it started).
        Cenario c;
        QVERIFY(c.iniciaBancada(modelo, perfil));
        const QMap<QString, Vereditos> diagnostico = c.diagnostico();
        QVERIFY(!diagnostico.isEmpty());
        QCOMPARE(c.vezes("touch --on"), vezesToque);

        // Then the windows, on the same board started again.
        c.amb.reset();
        c.bancada.para();
        QVERIFY(c.iniciaBancada(modelo, perfil));
        bool plantada = false;
        for (auto it = diagnostico.cbegin(); it != diagnostico.cend(); ++it) {
            JanelaChip* w = c.le(it.key());
            QVERIFY2(w, qPrintable(it.key()));
            const Vereditos janela = mostradosNaJanela(w);
            if (janela != it.value())
                qWarning().noquote() << it.key() << "window:" << texto(janela) << "\ndiagnosis:" << texto(it.value());
            QCOMPARE(janela, it.value());
            if (it.value().contains(item)) {
                QCOMPARE(it.value().value(item), NomeVeredito(veredito));
                plantada = true;
            }
        }
        QVERIFY2(plantada, qPrintable(item));
        QCOMPARE(c.vezes("touch --on"), vezesToque);
    }
};

QTEST_MAIN(TstCaminhoChips)
#include "tst_caminho_chips.moc"
