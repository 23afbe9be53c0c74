// The bench's memory against a folder of made-up runs: every run listed newest first beside the
// damaged files (which stay as they were), the filters, two runs of a board side by side, a rail
// over the board's runs with its band, the model's most frequent failures, the CSV, ten thousand
// runs read and filtered in time, and the window opened from the main window.
#include "apoio/AmbienteJanelas.h"
#include "apoio/Apoio.h"

#include "diagnostico/AcervoHistorico.h"
#include "diagnostico/HistoricoDiagnostico.h"
#include "diagnostico/ModeloHistorico.h"
#include "diagnostico/janelas/JanelaHistorico.h"
#include "i18n/Dialogos.h"
#include "i18n/IdiomaAtivo.h"
#include "reports/ArquivoRelatorio.h"
#include "app/janelas/Inicial.h"

#include <QChartView>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Base(QDate(2026, 12, 1), QTime(9, 0));

ItemDiagnostico item(const QString& sub, const QString& nome, const QString& leitura, const QString& ref, Veredito v)
{
    return ItemDiagnostico{sub, nome, leitura, ref, v};
}

// A made-up run: two rails, a current and an I2C device; the names in `falhas` fail (the rails
// read 20 % low, the current above its limit, the device off).
ExecucaoDiagnostico corrida(const QString& etiqueta, const QString& modelo, const QDateTime& quando,
                            const QStringList& falhas = {}, double cpu = 0.825)
{
    const auto v = [&](const QString& n) { return falhas.contains(n) ? Veredito::Falha : Veredito::Passa; };
    ExecucaoDiagnostico e;
    e.modelo = modelo;
    e.numero = modelo == u"IP X"_s ? u"A1901"_s : u"A1660"_s;
    e.etiqueta = etiqueta;
    e.inicio = quando;
    e.duracaoMs = 3200;
    e.completa = true;
    e.passos = {
        {u"vcore"_s, u"VCore"_s, u"adc"_s, FimPasso::Respondido,
         {item(u"vcore"_s, u"PP_CPU"_s, QString::number(falhas.contains(u"PP_CPU"_s) ? 0.660 : cpu, 'f', 3) + u" V"_s,
               u"0.825 V"_s, v(u"PP_CPU"_s)),
          item(u"vcore"_s, u"PP_GPU"_s, falhas.contains(u"PP_GPU"_s) ? u"0.600 V"_s : u"0.750 V"_s, u"0.750 V"_s,
               v(u"PP_GPU"_s)),
          item(u"vcore"_s, u"mA BUCK1"_s, falhas.contains(u"BUCK1"_s) ? u"1500 mA"_s : u"320 mA"_s, u"< 1000 mA"_s,
               v(u"BUCK1"_s))}},
        {u"i2c"_s, u"I2C"_s, u"i2c"_s, FimPasso::Respondido,
         {item(u"i2c"_s, u"I2C 0 0x1A"_s, falhas.contains(u"I2C 0 0x1A"_s) ? u"OFF"_s : u"OK"_s, QString(),
               v(u"I2C 0 0x1A"_s))}}};
    return e;
}

QByteArray soma(const QString& arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

void escreve(const QString& arquivo, const QByteArray& conteudo)
{
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

QStringList etiquetas(const QList<LinhaHistorico>& l)
{
    QStringList r;
    for (const LinhaHistorico& x : l)
        r << x.etiqueta;
    return r;
}

} // namespace

class TstHistorico : public QObject {
    Q_OBJECT
    PastaAplicacaoTemporaria m_pasta;
    RoteiroInstalado m_roteiro;
    QString m_historico;
    QStringList m_danificados;
    QHash<QString, QByteArray> m_somas;
    QTemporaryDir m_dezMil; // ten thousand runs, written once

private slots:
    void initTestCase();
    void listaEDanificados();
    void filtros_data();
    void filtros();
    void comparacao();
    void trilhaComFaixa();
    void falhasDoModelo();
    void csv();
    void dezMilExecucoes();
    void janela();
};

// Three boards over ten days (one repaired), another model, and four damaged files: not JSON,
// JSON without runs, one run among good ones that is not a run, and one set aside earlier.
void TstHistorico::initTestCase()
{
    DefineIdioma(1);
    // No PDF printed beside a page: the page is what opens.
    qputenv("VEXADOR_NAVEGADOR", "");
    const QList<ExecucaoDiagnostico> corridas{
        corrida(u"OS-100"_s, u"IP X"_s, Base, {u"PP_CPU"_s, u"I2C 0 0x1A"_s}),
        corrida(u"OS-100"_s, u"IP X"_s, Base.addDays(1), {}, 0.830),
        corrida(u"OS-100"_s, u"IP X"_s, Base.addDays(2), {}, 0.818),
        corrida(u"OS-200"_s, u"IP X"_s, Base.addDays(3), {u"PP_CPU"_s, u"BUCK1"_s}),
        corrida(u"os-201"_s, u"IP X"_s, Base.addDays(9), {u"PP_CPU"_s}),
        corrida(u"OS-300"_s, u"IP 7"_s, Base.addDays(4), {u"PP_GPU"_s}),
    };
    for (const ExecucaoDiagnostico& e : corridas) {
        QString erro;
        QVERIFY2(GuardaExecucao(ContextoTeste().dados, e, &erro), qPrintable(erro));
    }
    m_historico = QFileInfo(ArquivoHistorico(ContextoTeste().dados, u"IP X"_s, u"A1901"_s, u"OS-100"_s)).absolutePath();
    const QString pasta = m_historico + u'/';
    escreve(pasta + u"IP-X_A1901_cortado.json"_s, "{\"execucoes\": [ {\"modelo\": \"IP X\", ");
    escreve(pasta + u"IP-X_A1901_outro.json"_s, "{\"coisa\": 1}");
    escreve(pasta + u"IP-X_A1901_OS-100.json.danificado"_s, "\x00\x01 not json");
    // A good run and a record that is not one, in one file.
    QJsonArray mista{ParaJson(corrida(u"OS-400"_s, u"IP 7"_s, Base.addDays(5))), QJsonObject{{"modelo", 7}}};
    escreve(pasta + u"IP-7_A1660_OS-400.json"_s, QJsonDocument(QJsonObject{{"execucoes", mista}}).toJson());
    m_danificados = {u"IP-7_A1660_OS-400.json"_s, u"IP-X_A1901_OS-100.json.danificado"_s, u"IP-X_A1901_cortado.json"_s,
                     u"IP-X_A1901_outro.json"_s};
    for (const QString& n : m_danificados)
        m_somas.insert(n, soma(pasta + n));
}

void TstHistorico::listaEDanificados()
{
    const Historico h = LeHistorico(m_historico);
    QCOMPARE(etiquetas(h.execucoes), (QStringList{u"os-201"_s, u"OS-400"_s, u"OS-300"_s, u"OS-200"_s, u"OS-100"_s,
                                                  u"OS-100"_s, u"OS-100"_s}));
    const LinhaHistorico& l = h.execucoes.at(3);
    QCOMPARE(l.modelo, u"IP X"_s);
    QCOMPARE(l.numero, u"A1901"_s);
    QCOMPARE(l.veredito, Veredito::Falha);
    QCOMPARE((QList<int>{l.passa, l.falha, l.semLeitura}), (QList<int>{2, 2, 0}));
    QCOMPARE(l.falhas, (QStringList{u"PP_CPU"_s, u"BUCK1"_s}));
    QCOMPARE(TextoContagens(l), u"2 \u2714  2 \u2718"_s);
    // The whole run comes back from its line.
    const auto e = LeExecucao(h.execucoes.last());
    QVERIFY(e);
    QCOMPARE(e->inicio, Base);
    QCOMPARE(e->falhas().size(), 2);

    QStringList nomes;
    for (const ArquivoDanificado& d : h.danificados) {
        nomes << QFileInfo(d.arquivo).fileName();
        QVERIFY2(!d.motivo().isEmpty(), qPrintable(d.arquivo));
    }
    QCOMPARE(nomes, m_danificados);
    QVERIFY2(h.danificados.at(0).motivo().contains(u'2'), qPrintable(h.danificados.at(0).motivo())); // the second record
    QVERIFY2(h.danificados.at(2).motivo().contains(u"JSON"_s), qPrintable(h.danificados.at(2).motivo()));
    // Read, never rewritten.
    for (const QString& n : m_danificados)
        QCOMPARE(soma(m_historico + u'/' + n), m_somas.value(n));
    // No folder yet: nothing, and nothing made.
    QVERIFY(LeHistorico(m_historico + u"/nada"_s).execucoes.isEmpty());
    QVERIFY(!QFileInfo::exists(m_historico + u"/nada"_s));
}

void TstHistorico::filtros_data()
{
    QTest::addColumn<QString>("etiqueta");
    QTest::addColumn<QString>("modelo");
    QTest::addColumn<int>("desdeDia");
    QTest::addColumn<int>("veredito"); // -1: any
    QTest::addColumn<QStringList>("esperadas");
    const int todos = -1;
    QTest::newRow("nothing chosen") << QString() << QString() << todos << todos
                                    << QStringList{u"os-201"_s, u"OS-400"_s, u"OS-300"_s, u"OS-200"_s, u"OS-100"_s,
                                                   u"OS-100"_s, u"OS-100"_s};
    QTest::newRow("label typed, case ignored") << u"os-2"_s << QString() << todos << todos
                                               << QStringList{u"os-201"_s, u"OS-200"_s};
    QTest::newRow("label start typed") << u"OS-1"_s << QString() << todos << todos
                                             << QStringList{u"OS-100"_s, u"OS-100"_s, u"OS-100"_s};
    QTest::newRow("model") << QString() << u"IP 7"_s << todos << todos << QStringList{u"OS-400"_s, u"OS-300"_s};
    QTest::newRow("period") << QString() << QString() << 4 << todos
                            << QStringList{u"os-201"_s, u"OS-400"_s, u"OS-300"_s};
    QTest::newRow("verdict pass") << QString() << QString() << todos << int(Veredito::Passa)
                                  << QStringList{u"OS-400"_s, u"OS-100"_s, u"OS-100"_s};
    QTest::newRow("all four") << u"os"_s << u"IP X"_s << 2 << int(Veredito::Falha)
                              << QStringList{u"os-201"_s, u"OS-200"_s};
    QTest::newRow("nothing matches") << u"zz"_s << QString() << todos << todos << QStringList{};
}

void TstHistorico::filtros()
{
    QFETCH(QString, etiqueta);
    QFETCH(QString, modelo);
    QFETCH(int, desdeDia);
    QFETCH(int, veredito);
    QFETCH(QStringList, esperadas);
    CriterioHistorico c{etiqueta, modelo};
    if (desdeDia >= 0)
        c.desde = Base.addDays(desdeDia);
    if (veredito >= 0)
        c.veredito = Veredito(veredito);
    // The criterion and the filtering model agree, in the list's order.
    ModeloHistorico modeloTabela;
    modeloTabela.defineHistorico(LeHistorico(m_historico));
    FiltroHistorico filtro(&modeloTabela);
    filtro.defineCriterio(c);
    QCOMPARE(etiquetas(filtro.linhasVisiveis()), esperadas);
    QCOMPARE(filtro.rowCount(), esperadas.size());
}

void TstHistorico::comparacao()
{
    ExecucaoDiagnostico antes = corrida(u"OS-1"_s, u"IP X"_s, Base, {u"PP_CPU"_s, u"I2C 0 0x1A"_s});
    ExecucaoDiagnostico depois = corrida(u"OS-1"_s, u"IP X"_s, Base.addDays(1), {u"BUCK1"_s}, 0.830);
    depois.passos[0].itens[1].leitura = u"0.690 V"_s; // PP_GPU moved, still passing
    depois.passos[1].itens.clear();                   // the I2C step not read: left out
    const ComparacaoExecucoes c = ComparaLadoALado(antes, depois);
    QStringList mudaram, movidas;
    for (const DiferencaItem& d : c.mudaramVeredito)
        mudaram << d.item + u' ' + NomeVeredito(d.antes.veredito) + u'>' + NomeVeredito(d.depois.veredito);
    for (const DiferencaItem& d : c.leiturasMovidas)
        movidas << d.item;
    QCOMPARE(mudaram, (QStringList{u"PP_CPU falha>passa"_s, u"mA BUCK1 passa>falha"_s}));
    // PP_CPU moved too, but it changed verdict: listed once, with the change.
    QCOMPARE(movidas, QStringList{u"PP_GPU"_s});
    QVERIFY(c.mudaramVeredito.at(0).variacao);
    QCOMPARE(qRound(*c.mudaramVeredito.at(0).variacao * 1000), 170);  // 0.660 V -> 0.830 V
    QCOMPARE(qRound(*c.mudaramVeredito.at(1).variacao), 1180);         // 320 mA -> 1500 mA
    QCOMPARE(qRound(*c.leiturasMovidas.at(0).variacao * 1000), -60);

    // Larger relative moves first; a reading that changed unit is a move without a figure.
    ExecucaoDiagnostico terceira = corrida(u"OS-1"_s, u"IP X"_s, Base.addDays(2), {u"BUCK1"_s}, 0.826);
    terceira.passos[0].itens[1].leitura = u"0.700 V"_s;
    terceira.passos[0].itens[2].leitura = u"1.6 A"_s;
    const ComparacaoExecucoes c2 = ComparaLadoALado(depois, terceira);
    QStringList ordem;
    for (const DiferencaItem& d : c2.leiturasMovidas)
        ordem << d.item + (d.variacao ? QString() : u" ?"_s);
    QCOMPARE(ordem, (QStringList{u"PP_GPU"_s, u"PP_CPU"_s, u"mA BUCK1 ?"_s}));
    QVERIFY(ComparaLadoALado(antes, antes).mudaramVeredito.isEmpty());
    QVERIFY(ComparaLadoALado(antes, antes).leiturasMovidas.isEmpty());
}

void TstHistorico::trilhaComFaixa()
{
    QList<ExecucaoDiagnostico> placa{corrida(u"B"_s, u"IP X"_s, Base.addDays(2), {}, 0.830),
                                     corrida(u"B"_s, u"IP X"_s, Base, {u"PP_CPU"_s, u"BUCK1"_s}),
                                     corrida(u"B"_s, u"IP X"_s, Base.addDays(1), {}, 0.818)};
    placa[2].passos[0].itens[0].leitura = u"*"_s; // no number that run: no point
    const QList<PontoTrilha> cpu = SerieDaTrilha(placa, u"vcore/PP_CPU"_s);
    QCOMPARE(cpu.size(), 2);
    QCOMPARE(cpu.at(0).quando, Base); // oldest first
    QCOMPARE(cpu.at(0).valor, 0.660);
    QCOMPARE(cpu.at(0).veredito, Veredito::Falha);
    QCOMPARE(cpu.at(1).valor, 0.830);
    QVERIFY(cpu.at(0).minimo && cpu.at(0).maximo);
    QVERIFY(qAbs(*cpu.at(0).minimo - 0.7425) < 1e-9 && qAbs(*cpu.at(0).maximo - 0.9075) < 1e-9);
    // A current's band runs from nothing to its limit.
    const QList<PontoTrilha> buck = SerieDaTrilha(placa, u"vcore/mA BUCK1"_s);
    QCOMPARE(buck.size(), 3);
    QCOMPARE(buck.at(0).valor, 1500.0);
    QCOMPARE(*buck.at(0).minimo, 0.0);
    QCOMPARE(*buck.at(0).maximo, 1000.0);
    // A device reads no number: not a rail to follow.
    QVERIFY(SerieDaTrilha(placa, u"i2c/I2C 0 0x1A"_s).isEmpty());
    QStringList chaves;
    for (const ItemDiagnostico& i : ItensComValor(placa.at(0)))
        chaves << i.chave();
    QCOMPARE(chaves, (QStringList{u"vcore/PP_CPU"_s, u"vcore/PP_GPU"_s, u"vcore/mA BUCK1"_s}));

    const QList<std::pair<QString, std::optional<double>>> leituras{
        {u"0.512 V"_s, 0.512}, {u"-3 mV"_s, -3.0}, {u"1,5 V"_s, 1.5}, {u"1500 mA"_s, 1500.0}, {u"12"_s, 12.0},
        {u"*"_s, std::nullopt}, {u"COMUNICAÇÃO OFF"_s, std::nullopt}, {u""_s, std::nullopt}, {u"1.2.3 V"_s, std::nullopt},
        {u"nan V"_s, std::nullopt}, {u"3 V 4"_s, std::nullopt}};
    for (const auto& [texto, valor] : leituras) {
        const auto v = ValorDaLeitura(texto);
        QVERIFY2(v.has_value() == valor.has_value(), qPrintable(texto));
        if (v)
            QCOMPARE(v->valor, *valor);
    }
}

void TstHistorico::falhasDoModelo()
{
    const Historico h = LeHistorico(m_historico);
    // PP_CPU failed in three IP X runs, BUCK1 and the device once; IP 7's failures are not IP X's.
    QCOMPARE(FalhasMaisFrequentes(h.execucoes, u"IP X"_s, {}),
             (QList<ContagemFalha>{{u"PP_CPU"_s, 3}, {u"BUCK1"_s, 1}, {u"I2C 0 0x1A"_s, 1}}));
    CriterioHistorico periodo;
    periodo.desde = Base.addDays(2);
    periodo.ate = Base.addDays(5);
    QCOMPARE(FalhasMaisFrequentes(h.execucoes, u"IP X"_s, periodo),
             (QList<ContagemFalha>{{u"BUCK1"_s, 1}, {u"PP_CPU"_s, 1}}));
    QCOMPARE(FalhasMaisFrequentes(h.execucoes, u"IP 7"_s, {}), (QList<ContagemFalha>{{u"PP_GPU"_s, 1}}));
    QCOMPARE(FalhasMaisFrequentes(h.execucoes, u"IP X"_s, {}, 1), (QList<ContagemFalha>{{u"PP_CPU"_s, 3}}));

    // A rail whose voltage and current both failed, read by two steps, is one fault of the run.
    ExecucaoDiagnostico e = corrida(u"OS-5"_s, u"IP X"_s, Base, {u"PP_CPU"_s});
    e.passos[0].itens << item(u"vcore"_s, u"mA PP_CPU"_s, u"1200 mA"_s, u"< 1000 mA"_s, Veredito::Falha);
    e.passos << ResultadoPasso{u"pmu"_s, u"PMU"_s, u"pmu"_s, FimPasso::Respondido,
                               {item(u"pmu"_s, u"PP_CPU"_s, u"0.600 V"_s, u"0.825 V"_s, Veredito::Falha)}};
    QTemporaryDir pasta;
    escreve(pasta.filePath(u"uma.json"_s), QJsonDocument(QJsonObject{{"execucoes", QJsonArray{ParaJson(e)}}}).toJson());
    QCOMPARE(FalhasMaisFrequentes(LeHistorico(pasta.path()).execucoes, u"IP X"_s, {}),
             (QList<ContagemFalha>{{u"PP_CPU"_s, 1}}));
}

void TstHistorico::csv()
{
    LinhaHistorico l;
    l.etiqueta = u"=HYPERLINK(\"x\")"_s;
    l.modelo = u"IP X"_s;
    l.numero = u"A1901, b"_s;
    l.inicio = Base;
    l.duracaoMs = 3260;
    l.completa = true;
    l.veredito = Veredito::Falha;
    l.passa = 2;
    l.falha = 1;
    l.falhas = {u"PP_CPU"_s, u"-5V"_s};
    DefineIdioma(2);
    const QByteArray csv = CsvHistorico({l});
    DefineIdioma(1);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList linhas = QString::fromUtf8(csv.mid(3)).split(u"\r\n"_s);
    QCOMPARE(linhas.size(), 3);
    QVERIFY2(linhas.at(0).startsWith(u"Label,Model,Number,Date,"_s), qPrintable(linhas.at(0)));
    QCOMPARE(linhas.at(1), u"\"'=HYPERLINK(\"\"x\"\")\",IP X,\"A1901, b\",2026-12-01T09:00:00,3.3,FAIL,yes,2,1,0,PP_CPU; -5V"_s);
    QCOMPARE(linhas.at(2), QString());
}

// Ten thousand runs of 2,000 boards: read, listed and filtered in time.
void TstHistorico::dezMilExecucoes()
{
    QTemporaryDir& pasta = m_dezMil;
    const QStringList modelos{u"IP X"_s, u"IP 7"_s, u"IP 8"_s, u"IP XS"_s};
    for (int placa = 0; placa < 2000; ++placa) {
        QJsonArray execucoes;
        for (int k = 0; k < 5; ++k) {
            QStringList falhas;
            if ((placa + k) % 7 == 0)
                falhas << u"PP_CPU"_s;
            if ((placa * 3 + k) % 11 == 0)
                falhas << u"BUCK1"_s;
            execucoes.append(ParaJson(corrida(u"OS-%1"_s.arg(placa, 5, 10, QLatin1Char('0')), modelos.at(placa % 4),
                                              Base.addSecs(qint64(placa) * 600 + k * 86400), falhas)));
        }
        QFile f(pasta.filePath(u"placa-%1.json"_s.arg(placa)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(QJsonObject{{"execucoes", execucoes}}).toJson(QJsonDocument::Compact));
    }
    QElapsedTimer relogio;
    relogio.start();
    Historico h = LeHistorico(pasta.path());
    const qint64 leitura = relogio.restart();
    QCOMPARE(h.execucoes.size(), 10000);
    QVERIFY(std::is_sorted(h.execucoes.cbegin(), h.execucoes.cend(),
                           [](const LinhaHistorico& a, const LinhaHistorico& b) { return a.inicio > b.inicio; }));
    ModeloHistorico modelo;
    modelo.defineHistorico(std::move(h));
    FiltroHistorico filtro(&modelo);
    filtro.sort(ModeloHistorico::ColData, Qt::DescendingOrder);
    const qint64 lista = relogio.restart();
    // A label typed letter by letter, then a model, a verdict.
    for (const QString& parte : {u"O"_s, u"OS"_s, u"OS-0"_s, u"OS-01"_s, u"OS-012"_s}) {
        filtro.defineCriterio({parte});
        QVERIFY(filtro.rowCount() > 0);
    }
    QCOMPARE(filtro.rowCount(), 500); // boards 1200 to 1299
    filtro.defineCriterio({QString(), u"IP 7"_s, {}, {}, Veredito::Falha});
    const qint64 filtros = relogio.restart();
    QVERIFY(filtro.rowCount() > 0 && filtro.rowCount() < 2500);
    const auto falhas = FalhasMaisFrequentes(modelo.historico().execucoes, u"IP X"_s, {});
    const qint64 grafico = relogio.elapsed();
    QCOMPARE(falhas.size(), 2);
    qInfo("10,000 runs: read %lld ms, listed and sorted %lld ms, 6 filters %lld ms, failure chart %lld ms", leitura,
          lista, filtros, grafico);
    // Generous for a loaded 2-core machine; each is a fraction of this at rest.
    QVERIFY2(leitura < 20000, qPrintable(QString::number(leitura)));
    QVERIFY2(lista + filtros + grafico < 3000, qPrintable(QString::number(lista + filtros + grafico)));
}

void TstHistorico::janela()
{
    Inicial principal(ContextoTeste());
    principal.show();
    auto* botao = principal.findChild<QPushButton*>(u"btHistorico"_s);
    QVERIFY(botao);
    QVERIFY(botao->isEnabled()); // no phone needed
    botao->click();
    auto* j = principal.janelas().aberta<JanelaHistorico>(u"Historico"_s);
    QVERIFY(j);
    // Read away from the window's thread.
    QVERIFY(j->lendo());
    QVERIFY(QTest::qWaitFor([j] { return !j->lendo(); }, 20000));
    QCOMPARE(j->filtro().rowCount(), 7);
    auto* danificados = j->findChild<QListWidget*>(u"lstDanificados"_s);
    QCOMPARE(danificados->count(), 4);
    QVERIFY(danificados->item(2)->text().startsWith(u"IP-X_A1901_cortado.json"_s));

    // Typing a label filters; the board's newest run chosen.
    j->findChild<QLineEdit*>(u"edEtiqueta"_s)->setText(u"OS-100"_s);
    QCOMPARE(j->filtro().rowCount(), 3);
    // Chosen with the mouse, as the technician does.
    auto* tabela = j->findChild<QTableView*>(u"tabela"_s);
    QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, tabela->visualRect(tabela->model()->index(0, 0)).center());
    QVERIFY(j->selecionada());
    QCOMPARE(j->selecionada()->inicio, Base.addDays(2));
    // Compared with the run before it: nothing changed verdict, PP_CPU moved.
    auto* arvore = j->findChild<QTreeWidget*>(u"arvComparacao"_s);
    QCOMPARE(arvore->topLevelItemCount(), 2);
    QCOMPARE(arvore->topLevelItem(0)->childCount(), 0);
    QCOMPARE(arvore->topLevelItem(1)->childCount(), 1);
    // Numbers and dates as the program's language writes them, not the system.
    QCOMPARE(arvore->topLevelItem(1)->child(0)->text(3), u"-0,012 V"_s);
    QCOMPARE(tabela->model()->index(0, ModeloHistorico::ColData).data().toString(), u"03/12/2026 09:00"_s);
    // The oldest run: the repair shows first.
    QTest::mouseClick(tabela->viewport(), Qt::LeftButton, {}, tabela->visualRect(tabela->model()->index(2, 1)).center());
    QCOMPARE(arvore->topLevelItem(0)->childCount(), 2);
    QVERIFY(arvore->topLevelItem(0)->child(0)->text(0).startsWith(u"PP_CPU"_s));
    // The rail chart follows PP_CPU over the three runs; the model's failures are IP X's.
    QCOMPARE(j->pontosDaTrilha().size(), 3);
    QCOMPARE(j->pontosDaTrilha().at(0).valor, 0.660);
    QVERIFY(!j->findChild<QChartView*>(u"grTrilha"_s)->chart()->series().isEmpty());
    QCOMPARE(j->falhasDoGrafico().value(0), (ContagemFalha{u"PP_CPU"_s, 3}));

    // The page: the run's page when it is there, written again from the kept run when not.
    const ExecucaoDiagnostico e = *LeExecucao(*j->selecionada());
    const QString escrita = QDir(PastaRelatorios(ContextoTeste().dados.banco)).absoluteFilePath(
        NomeArquivoRelatorio(e.modelo, e.numero, u"Diagnostico"_s, e.inicio.addMSecs(e.duracaoMs)));
    QVERIFY(!QFileInfo::exists(escrita));
    QCOMPARE(j->abrePagina(), escrita);
    QCOMPARE(m_roteiro.roteiro.abertos.last(), escrita);
    QFile pagina(escrita);
    QVERIFY(pagina.open(QIODevice::ReadOnly));
    QVERIFY(pagina.readAll().contains("PP_CPU"));
    pagina.close();
    escreve(escrita, "<html>the page the diagnosis wrote</html>");
    QCOMPARE(j->abrePagina(), escrita);
    QVERIFY(pagina.open(QIODevice::ReadOnly));
    QCOMPARE(pagina.readAll(), QByteArray("<html>the page the diagnosis wrote</html>"));

    // The filtered list as CSV beside the reports.
    const QString csv = j->exportaCsv();
    QFile f(csv);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(csv));
    QCOMPARE(f.readAll().count("OS-100"), 3);
    QVERIFY(j->findChild<QWidget*>(u"btAbreRelatorio"_s)->isVisible());

    // The damaged files are still as they were.
    for (const QString& n : m_danificados)
        QCOMPARE(soma(m_historico + u'/' + n), m_somas.value(n));

    // Another language: the list, the damaged files' reasons and the comparison follow it.
    DefineIdioma(2);
    j->traduz();
    QCOMPARE(tabela->model()->headerData(ModeloHistorico::ColEtiqueta, Qt::Horizontal).toString(), u"Label"_s);
    QVERIFY2(danificados->item(2)->text().contains(u"not valid JSON"_s), qPrintable(danificados->item(2)->text()));
    QVERIFY(arvore->topLevelItem(0)->text(0).startsWith(u"Changed verdict"_s));
    QVERIFY(tabela->model()->index(0, ModeloHistorico::ColData).data().toString().startsWith(u"12/3/26 9:00"_s));
    DefineIdioma(1);
    j->traduz();

    // Ten thousand runs in the window: read and shown, then a label typed.
    QElapsedTimer relogio;
    relogio.start();
    j->definePasta(m_dezMil.path());
    QVERIFY(QTest::qWaitFor([j] { return !j->lendo(); }, 20000));
    const qint64 abre = relogio.restart();
    QCOMPARE(j->filtro().rowCount(), 0); // the label typed before still filters: none holds it
    QCOMPARE(j->findChild<QLabel*>(u"lbTotal"_s)->text(), u"0 de 10000 execuções"_s);
    j->findChild<QLineEdit*>(u"edEtiqueta"_s)->setText(u"OS-0199"_s);
    QCoreApplication::processEvents();
    const qint64 digita = relogio.elapsed();
    QCOMPARE(j->filtro().rowCount(), 5 * 10);
    qInfo("window with 10,000 runs: read (in the background) and shown %lld ms, a label typed %lld ms", abre, digita);
    QVERIFY2(digita < 1000, qPrintable(QString::number(digita)));

    // Closed while it reads: the reading gives up, nothing reaches the window gone.
    QPointer<JanelaHistorico> fechada = j;
    j->recarrega();
    QVERIFY(j->lendo());
    relogio.restart();
    principal.janelas().fecha({u"Historico"_s});
    QVERIFY(QTest::qWaitFor([&] { return fechada.isNull(); }, 5000));
    QTest::qWait(50);
    qInfo("closed while reading in %lld ms", relogio.elapsed());
}

QTEST_MAIN(TstHistorico)
#include "tst_historico.moc"
