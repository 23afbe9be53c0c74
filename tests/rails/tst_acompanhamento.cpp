// A rail watched live: the bounded series over a long run, the rails the model cannot measure
// refused over the nine models, and against the bench board a rail drifting out of its band
// (the mark at the right reading, every reading logged, the CSV) and a pulled box (the gap
// kept, the watch resumed).
#include "CenarioTrilhas.h"

#include "i18n/Dicionario.h"
#include "rails/Acompanhamento.h"
#include "rails/VereditoTrilha.h"
#include "rails/janelas/Acompanhar.h"
#include "rails/janelas/PMU.h"
#include "rails/janelas/VCores.h"
#include "shell/PerfilModelo.h"
#include "reports/janelas/AvisoRelatorio.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace {

// The first VCore rail of the model with a voltage band whose channel the board can move.
std::optional<TrilhaDoModelo> trilhaComBanda(const QString& modelo)
{
    for (const TrilhaDoModelo& t : TrilhasDoModelo(ContextoTeste().dados.banco, VarianteGrade::VCore, modelo, FamiliaVCore)) {
        bool ok = false;
        const double refV = QString(t.linha.refV).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (t.mensuravel && ok && refV > 0.3 && !LimiteCorrente(t.ref) && !t.linha.malha.isEmpty()
            && t.linha.refT.toInt() > 0)
            return t;
    }
    return std::nullopt;
}

// The session log's verdict lines, while the test runs.
struct RegistroDeVereditos {
    QStringList linhas;
    RegistroDeVereditos() { DefineDestinoVereditos([this](const QString& l) { linhas << l; }); }
    ~RegistroDeVereditos() { DefineDestinoVereditos({}); }
};

} // namespace

class TstAcompanhamento : public QObject {
    Q_OBJECT
private slots:
    void serieLimitadaNumaHora();
    void recusaOQueOModeloNaoMede_data();
    void recusaOQueOModeloNaoMede();
    void marcaNaLeituraQueSaiDaBanda();
    void caixaPerdidaDeixaLacunaERetoma();
    void linhaDoPmu();
};

// An hour at 20 readings a second (well above the link's rate), with isolated readings out of
// band and gaps: the series never holds more than its capacity, nor reserves more, keeps the
// newest readings whole, the start of the hour, every gap's start and every excursion out of
// its band (two may share a point far back).
void TstAcompanhamento::serieLimitadaNumaHora()
{
    SerieAmostras serie;
    const int cap = serie.capacidade();
    const qint64 inicio = 1'800'000'000'000;
    const int total = 3600 * 20;
    QList<qint64> excursoes, lacunas;
    qsizetype reservaMaxima = 0;
    for (int i = 0; i < total; ++i) {
        Amostra a{inicio + i * 50LL, 1.0 + (i % 7) * 0.001, false, false};
        if (i % 997 == 500) {
            a.fora = true;
            a.valor = 1.2;
            excursoes << a.ms;
        }
        if (i % 9001 == 4000) {
            a.aposLacuna = true;
            lacunas << a.ms;
        }
        serie.acrescenta(a);
        QVERIFY2(serie.amostras().size() <= cap, qPrintable(QString::number(i)));
        reservaMaxima = qMax(reservaMaxima, serie.amostras().capacity());
    }
    QCOMPARE(serie.recebidas(), qint64(total));
    QVERIFY2(reservaMaxima <= cap, qPrintable(QStringLiteral("reserved %1 for %2").arg(reservaMaxima).arg(cap)));
    const QList<Amostra>& a = serie.amostras();
    QCOMPARE(a.first().ms, inicio);
    for (int k = 1; k < a.size(); ++k)
        QVERIFY(a[k - 1].ms < a[k].ms);
    // The newest quarter of the capacity is every reading as it came.
    for (int k = 0; k < cap / 4; ++k)
        QCOMPARE(a[a.size() - 1 - k].ms, inicio + (total - 1 - k) * 50LL);
    // An excursion or a gap's start gives its place only to another one: where it was, the
    // reading kept there or just beside it carries the same flag (thinned far back, two may
    // share a point).
    const auto guardada = [&a](qint64 ms, bool Amostra::*marca) {
        const auto j = std::lower_bound(a.cbegin(), a.cend(), ms, [](const Amostra& x, qint64 t) { return x.ms < t; });
        return (j != a.cend() && (*j).*marca) || (j != a.cbegin() && (*std::prev(j)).*marca);
    };
    for (qint64 ms : std::as_const(excursoes))
        QVERIFY2(guardada(ms, &Amostra::fora), qPrintable(QStringLiteral("excursion at %1 ms lost").arg(ms - inicio)));
    for (qint64 ms : std::as_const(lacunas))
        QVERIFY2(guardada(ms, &Amostra::aposLacuna), qPrintable(QStringLiteral("gap at %1 ms lost").arg(ms - inicio)));
}

void TstAcompanhamento::recusaOQueOModeloNaoMede_data()
{
    QTest::addColumn<QString>("modelo");
    for (const QString& m : PerfilModelo::nomes())
        QTest::newRow(qPrintable(m)) << m;
}

// Every rail the model gives no value for in purple mode is refused, saying so; the others
// are taken, four at most.
void TstAcompanhamento::recusaOQueOModeloNaoMede()
{
    QFETCH(QString, modelo);
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(2);
    Ligacao ligacao;
    int recusadas = 0;
    for (const auto& [variante, familia] : {std::pair{VarianteGrade::VCore, FamiliaVCore},
                                            std::pair{VarianteGrade::BuckLdo, FamiliaBuck},
                                            std::pair{VarianteGrade::Pmu, FamiliaLdo}}) {
        const QList<TrilhaDoModelo> trilhas = TrilhasDoModelo(pasta.banco(), variante, modelo, familia);
        QVERIFY(!trilhas.isEmpty());
        Acompanhamento a(ligacao, CodigoAcompanhar, pasta.banco());
        a.defineModelo(modelo);
        for (const TrilhaDoModelo& t : trilhas) {
            const QString recusa = a.adiciona(variante, familia, t.nome);
            if (!t.mensuravel) {
                ++recusadas;
                QCOMPARE(recusa, L(QStringLiteral("ACOMP_SEM_VALOR_PURPLE")).arg(t.nome, modelo));
                QVERIFY(recusa.contains(QLatin1String("purple")));
            } else if (a.trilhas().size() < Acompanhamento::MaximoTrilhas || recusa.isEmpty()) {
                QVERIFY2(recusa.isEmpty(), qPrintable(t.nome + QStringLiteral(": ") + recusa));
            } else {
                QCOMPARE(recusa, L(QStringLiteral("ACOMP_LIMITE")).arg(Acompanhamento::MaximoTrilhas));
            }
        }
        QVERIFY(a.trilhas().size() <= Acompanhamento::MaximoTrilhas);
        QVERIFY(!a.adiciona(variante, familia, QStringLiteral("NAO_EXISTE")).isEmpty());
    }
    // Every model has a rail it cannot measure in purple mode (GPU, camera).
    QVERIFY(recusadas > 0);
    DefineIdioma(1);
}

// A VCore rail 3 % further off at each reading: 0, 3, 6, 9 % pass, the fifth reading (12 %)
// leaves the band and is marked there, once, with its time and value. Opened from the grid's
// row, every reading logged, the CSV holds the readings.
void TstAcompanhamento::marcaNaLeituraQueSaiDaBanda()
{
    CenarioTrilhas c;
    const QString modelo = QStringLiteral("IP 7");
    const auto trilha = trilhaComBanda(modelo);
    QVERIFY(trilha);
    QVERIFY(c.iniciaBancada(modelo, {}, {QStringLiteral("--deriva"), trilha->linha.refT + QStringLiteral("=3")}));
    RegistroDeVereditos registro;

    auto* grade = c.janelas().mostra<VCores>(QStringLiteral("VCores"));
    QVERIFY(grade);
    auto* tabela = filho<QTableView>(grade, QStringLiteral("DBGrid1"));
    QVERIFY(tabela);
    int linha = -1;
    const auto acha = [&] {
        for (int r = 0; r < grade->modeloGrade()->rowCount(); ++r)
            if (grade->modeloGrade()->valor(r, QStringLiteral("Malha")) == trilha->nome)
                linha = r;
        return linha >= 0;
    };
    QTRY_VERIFY(acha());
    tabela->setCurrentIndex(grade->modeloGrade()->index(linha, 0));
    auto* acao = tabela->findChild<QAction*>(QStringLiteral("acaoAcompanhar"));
    QVERIFY(acao && tabela->actions().contains(acao));
    acao->trigger();

    auto* janela = c.janelas().aberta<Acompanhar>(QStringLiteral("Acompanhar"));
    QVERIFY(janela);
    Acompanhamento& a = janela->acompanhamento();
    QCOMPARE(a.trilhas().size(), 1);
    QCOMPARE(a.trilhas().first().nome, trilha->nome);
    QTRY_VERIFY_WITH_TIMEOUT(a.serie(0).amostras().size() >= 6, 30000);
    a.pausa();
    QTRY_VERIFY(c.ligacao().ociosa());

    const QList<Amostra>& s = a.serie(0).amostras();
    for (int k = 0; k < 4; ++k)
        QVERIFY2(!s[k].fora, qPrintable(QString::number(k)));
    QVERIFY(s[4].fora);
    QCOMPARE(a.marcas().size(), 1);
    const MarcaSaida m = a.marcas().first();
    QCOMPARE(m.ms, s[4].ms);
    QCOMPARE(m.valor, s[4].valor);
    QVERIFY2(qAbs(m.valor - *a.trilhas().first().bandaMin / 0.9 * 1.12) < 0.002, qPrintable(m.leitura));
    QVERIFY(m.valor > *a.trilhas().first().bandaMax);
    auto* marcas = filho<QListWidget>(janela, QStringLiteral("lstMarcas"));
    QCOMPARE(marcas->count(), 1);
    QVERIFY(marcas->item(0)->text().contains(trilha->nome));
    QVERIFY(marcas->item(0)->text().contains(QDateTime::fromMSecsSinceEpoch(m.ms).toString(QStringLiteral("HH:mm:ss"))));
    QVERIFY(a.taxa() > 0);

    // Every reading in the session log under the watch's name; the other rows graded with it
    // are not logged as if a window had shown them.
    const qsizetype leituras = s.size();
    QStringList doAcompanhamento;
    for (const QString& l : std::as_const(registro.linhas))
        if (l.contains(QLatin1String("Acompanhar")))
            doAcompanhamento << l;
    QCOMPARE(doAcompanhamento.size(), leituras);
    QCOMPARE(doAcompanhamento.filter(trilha->nome).size(), leituras);
    QCOMPARE(registro.linhas.size(), leituras);

    // The CSV: a header and one line per reading kept, the fifth out of band.
    filho<QPushButton>(janela, QStringLiteral("btExportar"))->click();
    const QString arquivo = janela->findChild<AvisoRelatorio*>()->arquivo();
    QVERIFY(arquivo.endsWith(QLatin1String(".csv")));
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList csv = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(csv.size(), leituras + 1);
    QVERIFY(csv[5].contains(trilha->nome));
    QCOMPARE(csv[4].section(QLatin1Char(','), 6, 6), QStringLiteral("0"));
    QCOMPARE(csv[5].section(QLatin1Char(','), 6, 6), QStringLiteral("1"));

    // Closed in the middle of an exchange: the answer is given up and the link is free again
    // for the grid.
    a.inicia();
    QTRY_VERIFY(!c.ligacao().ociosa());
    c.janelas().fecha({QStringLiteral("Acompanhar")});
    QTRY_VERIFY(!c.janelas().aberta(QStringLiteral("Acompanhar")));
    QTRY_VERIFY_WITH_TIMEOUT(c.ligacao().ociosa(), 10000);
    const int pedidos = c.pedidos("pmuadc --read all");
    QTest::qWait(300);
    QCOMPARE(c.pedidos("pmuadc --read all"), pedidos);
}

// A VCore rail and a PMU output (asked for through the window manager, as the PMU window does),
// one exchange each in turn; the box pulled half-way through the third answer and back a second
// later: the watch waits without a link, resumes by itself once the link is idle again, and the
// first reading of each rail after it starts a stretch of its own.
void TstAcompanhamento::caixaPerdidaDeixaLacunaERetoma()
{
    CenarioTrilhas c;
    const QString modelo = QStringLiteral("IP 8");
    QVERIFY(c.iniciaBancada(modelo, {}, {QStringLiteral("--queda"), QStringLiteral("3"), QStringLiteral("--volta-apos"),
                                         QStringLiteral("1")}));
    const auto trilha = trilhaComBanda(modelo);
    QVERIFY(trilha);
    std::optional<TrilhaDoModelo> saida;
    for (const TrilhaDoModelo& t : TrilhasDoModelo(ContextoTeste().dados.banco, VarianteGrade::Pmu, modelo, FamiliaBuck))
        if (t.mensuravel && !saida && !LimiteCorrente(t.ref))
            saida = t;
    QVERIFY(saida);
    c.janelas().pedeAcompanhamento(int(VarianteGrade::VCore), FamiliaVCore, trilha->nome);
    auto* janela = c.janelas().aberta<Acompanhar>(QStringLiteral("Acompanhar"));
    QVERIFY(janela);
    c.janelas().pedeAcompanhamento(int(VarianteGrade::Pmu), FamiliaBuck, saida->nome);
    Acompanhamento& a = janela->acompanhamento();
    QCOMPARE(a.trilhas().size(), 2);
    QCOMPARE(a.trilhas().at(1).variante, VarianteGrade::Pmu);
    QTRY_COMPARE_WITH_TIMEOUT(a.estado(), Acompanhamento::Estado::SemLigacao, 20000);
    QCOMPARE(a.serie(0).amostras().size(), 1);
    QCOMPARE(a.serie(1).amostras().size(), 1);
    QCOMPARE(a.lacunas(), 1);
    QCOMPARE(filho<QLabel>(janela, QStringLiteral("lbEstado"))->text(), L(QStringLiteral("ACOMP_SEM_LIGACAO")));

    QVERIFY(c.bancada.esperaNovoDispositivo());
    QVERIFY(c.amb->conecta(c.bancada.dispositivo(), modelo));
    QTRY_VERIFY_WITH_TIMEOUT(a.serie(0).amostras().size() >= 3 && a.serie(1).amostras().size() >= 3, 20000);
    QCOMPARE(a.estado(), Acompanhamento::Estado::Lendo);
    for (int i = 0; i < 2; ++i) {
        const QList<Amostra>& s = a.serie(i).amostras();
        QVERIFY2(!s[0].aposLacuna && s[1].aposLacuna && !s[2].aposLacuna, qPrintable(a.trilhas().at(i).nome));
        QVERIFY(!s[1].fora); // a good board: the gap is no excursion
    }
    QCOMPARE(a.lacunas(), 1);
    QVERIFY(a.marcas().isEmpty());

    // Pause holds the link free; resume reads again.
    filho<QPushButton>(janela, QStringLiteral("btPausar"))->click();
    QCOMPARE(a.estado(), Acompanhamento::Estado::Pausado);
    QTRY_VERIFY(c.ligacao().ociosa());
    const qsizetype n = a.serie(0).amostras().size();
    QTest::qWait(1500);
    QCOMPARE(a.serie(0).amostras().size(), n);
    filho<QPushButton>(janela, QStringLiteral("btPausar"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(a.serie(0).amostras().size() > n, 10000);
    a.pausa();
    QTRY_VERIFY(c.ligacao().ociosa());
}

// The context menu of a PMU line watches that output, graded by the PMU rules.
void TstAcompanhamento::linhaDoPmu()
{
    CenarioTrilhas c;
    QVERIFY(c.iniciaBancada(QStringLiteral("IP 8")));
    auto* pmu = c.janelas().mostra<PMU>(QStringLiteral("PMU"));
    QVERIFY(pmu);
    auto* controle = filho<QFrame>(pmu, QStringLiteral("FrameControle"));
    filho<QPushButton>(pmu, QStringLiteral("Botao1"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(controle->isEnabled() && !pmu->linhas().isEmpty()
                                 && pmu->linhas().first().saida->isVisibleTo(pmu), 20000);
    QLabel* saida = pmu->linhas().first().saida;
    const QString orig = saida->property("trilha").toString();
    QVERIFY(!orig.isEmpty());
    auto* retangulo = filho<QFrame>(pmu, QStringLiteral("Retangulo"));
    QTimer::singleShot(0, this, [orig] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().first()->text(), L(QStringLiteral("ACOMP_ACAO")) + QStringLiteral(": ") + orig);
        menu->setActiveAction(menu->actions().first());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    emit retangulo->customContextMenuRequested(saida->geometry().center());
    auto* janela = c.janelas().aberta<Acompanhar>(QStringLiteral("Acompanhar"));
    QVERIFY(janela);
    Acompanhamento& a = janela->acompanhamento();
    QCOMPARE(a.trilhas().size(), 1);
    QCOMPARE(a.trilhas().first().variante, VarianteGrade::Pmu);
    QCOMPARE(a.trilhas().first().nome, orig);
    QTRY_VERIFY_WITH_TIMEOUT(a.serie(0).amostras().size() >= 2, 20000);
    QVERIFY(!a.serie(0).amostras().first().fora);
    a.pausa();
    QTRY_VERIFY(c.ligacao().ociosa());
}

QTEST_MAIN(TstAcompanhamento)
#include "tst_acompanhamento.moc"
