// The diagnosis result without a link: the page (failures first, counts, the deviation
// picture), the JSON record and the board history, and the comparison of two runs.
#include "apoio/Apoio.h"
#include "diagnostico/HistoricoDiagnostico.h"
#include "diagnostico/PaginaDiagnostico.h"
#include "diagnostico/PassosDiagnostico.h"
#include "rails/ProcedimentoBuck.h"
#include "i18n/Dialogos.h"
#include "i18n/IdiomaAtivo.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

ItemDiagnostico item(const QString& sub, const QString& nome, Veredito v, std::optional<double> desvio = {},
                     const QString& leitura = u"1.000 V"_s, const QString& ref = u"1.000 V"_s)
{
    ItemDiagnostico i{sub, nome, leitura, ref, v};
    i.desvio = desvio;
    return i;
}

ResultadoPasso passo(const QString& sub, QList<ItemDiagnostico> itens, FimPasso fim = FimPasso::Respondido)
{
    return ResultadoPasso{sub, sub.toUpper(), u"cmd"_s, fim, itens};
}

// A run with a failing rail, a passing rail, an unread channel and an absent I2C device.
ExecucaoDiagnostico execucao(const QString& etiqueta = u"OS-17"_s)
{
    ExecucaoDiagnostico e;
    e.modelo = u"IP X"_s;
    e.numero = u"A1865"_s;
    e.etiqueta = etiqueta;
    e.inicio = QDateTime(QDate(2026, 12, 10), QTime(16, 0));
    e.duracaoMs = 9000;
    e.completa = true;
    e.passos = {passo(u"vcore"_s, {item(u"vcore"_s, u"PP_CPU"_s, Veredito::Falha, -37.9, u"0.512 V"_s, u"0.825 V"_s),
                                   item(u"vcore"_s, u"PP_GPU"_s, Veredito::Passa, 1.5),
                                   item(u"vcore"_s, u"PP_X"_s, Veredito::NaoMensuravel, {}, u"*"_s)}),
                passo(u"tigris"_s, {item(u"tigris"_s, u"VBAT"_s, Veredito::SemLeitura, {}, u"Sem Medição"_s, {})}),
                passo(u"i2c"_s, {item(u"i2c"_s, u"I2C 0 0x1A <U1700>"_s, Veredito::Falha, {}, u"OFF"_s, {}),
                                 item(u"i2c"_s, u"I2C 0 0x20"_s, Veredito::Passa, {}, u"OK"_s, {})})};
    return e;
}

// Sets every item of `e` to pass.
ExecucaoDiagnostico consertada(ExecucaoDiagnostico e)
{
    for (ResultadoPasso& p : e.passos)
        for (ItemDiagnostico& i : p.itens)
            if (ContaComoFalha(i.veredito))
                i.veredito = Veredito::Passa;
    return e;
}

QStringList chaves(const QString& html, const QString& lista)
{
    const qsizetype inicio = html.indexOf(u"<ul id=\""_s + lista + u"\">"_s);
    if (inicio < 0)
        return {};
    const QString corpo = html.mid(inicio, html.indexOf(u"</ul>"_s, inicio) - inicio);
    QStringList r;
    static const QRegularExpression re(u"data-chave=\"([^\"]*)\""_s);
    for (auto m = re.globalMatch(corpo); m.hasNext();)
        r << m.next().captured(1);
    return r;
}

} // namespace

class TstPaginaDiagnostico : public QObject {
    Q_OBJECT
private slots:
    void init() { DefineIdioma(2); }

    void falhasPrimeiroEContagens()
    {
        const QString h = PaginaDiagnostico(execucao());
        // Failures and unread channels first, in step order, before the counts.
        QCOMPARE(chaves(h, u"falhas"_s), (QStringList{u"PP_CPU"_s, u"VBAT"_s, u"I2C 0 0x1A &lt;U1700&gt;"_s}));
        QVERIFY(h.indexOf(u"id=\"falhas\""_s) < h.indexOf(u"id=\"contagens\""_s));
        QVERIFY(h.contains(u"PP_CPU 0.512 V, expected 0.825 V \u00B110 %: FAIL"_s));
        // Failures and unread channels are counted apart.
        QVERIFY(h.contains(u"class=\"resumo falha\">2 failures \u00B7 1 without a reading"_s));
        QVERIFY(!h.contains(u"<U1700>"_s)); // escaped, never markup
        const QList<Contagem> c = execucao().contagens();
        QCOMPARE(c, (QList<Contagem>{{u"vcore"_s, 1, 1, 1, 0, 0}, {u"tigris"_s, 0, 0, 0, 1, 0},
                                     {u"i2c"_s, 1, 1, 0, 0, 0}}));
        QVERIFY2(h.contains(u"data-subsistema=\"vcore\" style=\"background:#ffb4b4\"><td>VCores</td>"
                           "<td class=\"n\">1</td><td class=\"n\">1</td><td class=\"n\">1</td><td class=\"n\">0</td>"_s),
                 qPrintable(h.mid(h.indexOf(u"contagens"_s), 500)));
        QVERIFY(h.contains(u"id=\"naoexecutados\""_s));
    }

    void resumo_data()
    {
        QTest::addColumn<ExecucaoDiagnostico>("e");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<bool>("tudoPassou");
        QTest::newRow("good board") << consertada(execucao()) << u"passa"_s << true;
        QTest::newRow("failures") << execucao() << u"falha"_s << false;
        ExecucaoDiagnostico parcial = consertada(execucao());
        parcial.completa = false;
        parcial.interrupcao = u"cancelled"_s;
        parcial.passos.last().fim = FimPasso::NaoExecutado;
        QTest::newRow("cancelled, no failure yet") << parcial << u"parcial"_s << false;
        // A step the phone never answered is not a pass, even with no failing item.
        ExecucaoDiagnostico semResposta = consertada(execucao());
        semResposta.passos.append(passo(u"nand"_s, {}, FimPasso::SemResposta));
        // Missing readings alone make the board incomplete, not failed.
        QTest::newRow("unanswered step") << semResposta << u"parcial"_s << false;
    }
    void resumo()
    {
        QFETCH(ExecucaoDiagnostico, e);
        QFETCH(QString, classe);
        QFETCH(bool, tudoPassou);
        QCOMPARE(e.tudoPassou(), tudoPassou);
        QVERIFY(PaginaDiagnostico(e).contains(u"id=\"resumo\" class=\"resumo "_s + classe + u"\""_s));
    }

    // One rail graded by several windows, its voltage and its current, is one fault; a
    // board whose only problem is missing readings is incomplete.
    void faltasContadasUmaVez_data()
    {
        QTest::addColumn<QList<ResultadoPasso>>("passos");
        QTest::addColumn<QStringList>("nomes");
        QTest::addColumn<QString>("resumo");
        QTest::addColumn<Veredito>("geral");
        const auto alto = [](const QString& sub, const QString& nome) {
            return item(sub, nome, Veredito::Falha, 12.0, u"0.924 V"_s, u"0.825 V"_s);
        };
        QTest::newRow("rail in four windows, timeout, absent device")
            << QList<ResultadoPasso>{passo(u"vcore"_s, {alto(u"vcore"_s, u"1. PP_CPU"_s)}),
                                     passo(u"buck"_s, {alto(u"buck"_s, u"PP_CPU"_s), item(u"buck"_s, u"mA PP_CPU"_s, Veredito::Falha)}),
                                     passo(u"pmu"_s, {alto(u"pmu"_s, u"PP_CPU"_s), item(u"pmu"_s, u"IBUCK"_s, Veredito::SemLeitura)}),
                                     passo(u"buckcheck"_s, {item(u"buckcheck"_s, u"PP_CPU"_s, Veredito::Falha)}),
                                     passo(u"i2c"_s, {item(u"i2c"_s, u"I2C 1 0x1A"_s, Veredito::Falha)})}
            << QStringList{u"PP_CPU"_s, u"IBUCK"_s, u"I2C 1 0x1A"_s} << u"2 failures \u00B7 1 without a reading"_s
            << Veredito::Falha;
        QTest::newRow("one failure") << QList<ResultadoPasso>{passo(u"i2c"_s, {item(u"i2c"_s, u"X"_s, Veredito::Falha)})}
                                     << QStringList{u"X"_s} << u"1 failure"_s << Veredito::Falha;
        QTest::newRow("only unread")
            << QList<ResultadoPasso>{passo(u"vcore"_s, {item(u"vcore"_s, u"A"_s, Veredito::SemLeitura),
                                                        item(u"vcore"_s, u"B"_s, Veredito::Passa)}),
                                     passo(u"nand"_s, {}, FimPasso::SemResposta)}
            << QStringList{u"A"_s, u"NAND"_s} << u"Incomplete: 2 without a reading"_s << Veredito::SemLeitura;
        QTest::newRow("good") << QList<ResultadoPasso>{passo(u"vcore"_s, {item(u"vcore"_s, u"A"_s, Veredito::Passa)})}
                              << QStringList{} << u"Every reading passed"_s << Veredito::Passa;
    }
    void faltasContadasUmaVez()
    {
        QFETCH(QList<ResultadoPasso>, passos);
        QFETCH(QStringList, nomes);
        QFETCH(QString, resumo);
        QFETCH(Veredito, geral);
        ExecucaoDiagnostico e = execucao();
        e.passos = passos;
        QStringList r;
        for (const Falha& f : AgrupaFalhas(e))
            r << f.nome;
        QCOMPARE(r, nomes);
        QCOMPARE(ResumoExecucao(e), resumo);
        QCOMPARE(VereditoDaExecucao(e), geral);
        if (!nomes.isEmpty() && nomes.first() == u"PP_CPU"_s) {
            const Falha f = AgrupaFalhas(e).first();
            QCOMPARE(f.leituras.size(), 5);
            QCOMPARE(f.subsistemas, (QStringList{u"vcore"_s, u"buck"_s, u"pmu"_s, u"buckcheck"_s}));
            const QString h = PaginaDiagnostico(e);
            QCOMPARE(chaves(h, u"falhas"_s), nomes);
            QVERIFY(h.contains(u"read in VCores, Buck, PMU, Buck check"_s));
        }
    }

    // A4 unless the locale's paper is Letter; every heading kept with what follows it, and no
    // deviation picture taller than a page.
    void papelEQuebras_data()
    {
        QTest::addColumn<QLocale>("local");
        QTest::addColumn<QString>("papel");
        QTest::newRow("pt_BR") << QLocale(u"pt_BR"_s) << u"A4"_s;
        QTest::newRow("es_ES") << QLocale(u"es_ES"_s) << u"A4"_s;
        QTest::newRow("en_GB") << QLocale(u"en_GB"_s) << u"A4"_s;
        QTest::newRow("en_US") << QLocale(u"en_US"_s) << u"letter"_s;
        QTest::newRow("es_MX") << QLocale(u"es_MX"_s) << u"letter"_s;
        QTest::newRow("fr_CA") << QLocale(u"fr_CA"_s) << u"letter"_s;
    }
    void papelEQuebras()
    {
        QFETCH(QLocale, local);
        QFETCH(QString, papel);
        const QLocale antes;
        QLocale::setDefault(local);
        ExecucaoDiagnostico e = execucao();
        for (int k = 0; k < 95; ++k)
            e.passos.first().itens << item(u"vcore"_s, u"PP_"_s + QString::number(k), Veredito::Passa, 1.0);
        const QString h = PaginaDiagnostico(e, execucao());
        QLocale::setDefault(antes);
        QVERIFY(h.contains(u"@page{size:"_s + papel + u";"_s));
        // Every heading opens a block that keeps it with the start of its section.
        static const QRegularExpression h2(u"(.{0,20})<h2>"_s);
        for (auto m = h2.globalMatch(h); m.hasNext();) {
            const auto c = m.next();
            QVERIFY2(c.captured(1).endsWith(u"<div class=\"junto\">"_s) || c.captured(0).contains(u"id=\"itens\""_s)
                         || h.mid(c.capturedEnd(), 200).contains(u"id=\"itens\""_s),
                     qPrintable(c.captured(0)));
        }
        // 97 rails: three pictures of at most 40, the first inside the heading's block.
        QCOMPARE(int(h.count(u"<svg class=\"desvios\""_s)), 3);
        QCOMPARE(int(h.count(u"<g class=\"trilha"_s)), 97);
        const qsizetype bloco = h.indexOf(u"<div class=\"junto\"><h2>Each rail"_s);
        QVERIFY(bloco > 0);
        QVERIFY(h.indexOf(u"</svg>"_s, bloco) < h.indexOf(u"</div>"_s, bloco));
        QVERIFY(h.contains(u"h2{break-after:avoid"_s));
    }

    // The comparison says when the run compared with was partial, or that a later partial run
    // was passed over for the last complete one.
    void anteriorParcial()
    {
        ExecucaoDiagnostico completa = execucao(), parcial = execucao();
        parcial.completa = false;
        parcial.inicio = completa.inicio.addSecs(3600);
        QCOMPARE(NotaAnterior(completa, completa), QString());
        const QString passada = NotaAnterior(completa, parcial);
        QVERIFY2(passada.startsWith(u"Compared with the last complete run ("_s), qPrintable(passada));
        QVERIFY(passada.endsWith(u" was partial."_s));
        QVERIFY(NotaAnterior(parcial, parcial).startsWith(u"The previous run ("_s));
        const QString h = PaginaDiagnostico(execucao(), completa, passada);
        QVERIFY(h.contains(u"<p id=\"notaanterior\">"_s + passada.toHtmlEscaped()));
    }

    // A phone flooding its buck check answer (its lines repeated to 1 MB, one buck failing far
    // down): the step's items stop at the bound, one more item standing for the rest with its
    // worst verdict, so the page and history stay small and the failure is kept. Every model.
    void buckCheckInundado_data()
    {
        QTest::addColumn<QString>("modelo");
        for (const char* m : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus", "IP 7", "IP 7 Plus", "IP 8", "IP 8 Plus", "IP X"})
            QTest::newRow(m) << QString::fromLatin1(m);
    }
    void buckCheckInundado()
    {
        QFETCH(QString, modelo);
        QFile f(QStringLiteral(PASTA_FONTES "/fuzz/sementes/buck/%1-buckcheck").arg(QString(modelo).remove(u' ')));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString resposta = QString::fromLatin1(f.readAll().mid(1));
        PassoDiagnostico passo{TipoPasso::GradeVCore};
        for (const PassoDiagnostico& p : PassosDoModelo(modelo, LocalDados{}))
            if (p.tipo == TipoPasso::BuckCheck)
                passo = p;
        QCOMPARE(passo.tipo, TipoPasso::BuckCheck);
        // The step's items as the run keeps them from its procedure.
        const auto itensDoPasso = [&](const QString& r) {
            QList<ItemDiagnostico> itens;
            for (const ItemGraduado& i : GradaBuck(modelo, ModoBuck::Buckcheck, r).itens)
                itens << ItemDe(passo.subsistema, i);
            return LimitaItens(itens);
        };
        const QList<ItemDiagnostico> uma = itensDoPasso(resposta);
        QVERIFY(uma.size() >= 8);
        const qsizetype fimEco = resposta.indexOf(u"\r\n"_s) + 2;
        const qsizetype inicioPrompt = resposta.lastIndexOf(u'\n') + 1;
        const QString saida = resposta.mid(fimEco, inicioPrompt - fimEco);
        QString inundada = resposta.left(fimEco);
        while (inundada.size() < 1024 * 1024)
            inundada += saida;
        inundada += u"buck2: target 800 mV, measured 512.000 mV - FAIL\r\n"_s + saida + resposta.mid(inicioPrompt);
        const QList<ItemDiagnostico> muitas = itensDoPasso(inundada);
        QCOMPARE(muitas.size(), LimiteItensPasso + 1);
        for (int k = 0; k < uma.size(); ++k)
            QCOMPARE(muitas.at(k).item, uma.at(k).item);
        // The failing line far down is not lost: the item standing for the rest fails.
        const ItemDiagnostico& resto = muitas.last();
        QVERIFY2(resto.item.startsWith(u'+'), qPrintable(resto.item));
        QCOMPARE(resto.veredito, Veredito::Falha);
        QVERIFY(resto.leitura.contains(QString::number(LimiteItensPasso)));
        ExecucaoDiagnostico e = execucao();
        e.passos = {ResultadoPasso{passo.subsistema, passo.titulo(), passo.comando, FimPasso::Respondido, muitas}};
        QCOMPARE(VereditoDaExecucao(e), Veredito::Falha);
        QVERIFY(PaginaDiagnostico(e).size() < 200 * 1024);
    }

    void graficoDesvios()
    {
        const QString svg = GraficoDesvios(execucao().itens());
        // Only rails with a deviation are drawn, coloured by their verdict.
        QCOMPARE(svg.count(u"<g class=\"trilha"_s), 2);
        QVERIFY(svg.contains(u"<g class=\"trilha falha\" data-item=\"vcore/PP_CPU\" data-desvio=\"-37.90\">"_s));
        QVERIFY(svg.contains(u"<g class=\"trilha passa\" data-item=\"vcore/PP_GPU\" data-desvio=\"1.50\">"_s));
        // Scale ±30 % over 420 px centred at 440: the band ±10 % is 140 px wide; -37.9 % is
        // clamped to the left edge.
        QVERIFY(svg.contains(u"<rect class=\"faixa\" x=\"370.0\" y=\"23\" width=\"140.0\""_s));
        QVERIFY(svg.contains(u"<rect class=\"barra\" x=\"230.0\" y=\"26\" width=\"210.0\" height=\"8\" fill=\"#c62828\"/>"_s));
        QVERIFY(svg.contains(u"<rect class=\"barra\" x=\"440.0\" y=\"42\" width=\"10.5\" height=\"8\" fill=\"#2e7d32\"/>"_s));
        QCOMPARE(GraficoDesvios({item(u"i2c"_s, u"x"_s, Veredito::Falha)}), QString());
    }

    void json()
    {
        const ExecucaoDiagnostico e = execucao();
        const auto volta = DeJson(QJsonDocument::fromJson(QJsonDocument(ParaJson(e)).toJson()).object());
        QVERIFY(volta);
        QCOMPARE(ParaJson(*volta), ParaJson(e));
        QCOMPARE(volta->itens().at(0).desvio, std::optional<double>(-37.9));
        QCOMPARE(volta->itens().at(2).desvio, std::nullopt);
        QCOMPARE(volta->inicio, e.inicio);
        // A record with a verdict this program does not know is not a record.
        QJsonObject o = ParaJson(e);
        QString texto = QString::fromUtf8(QJsonDocument(o).toJson()).replace(u"\"passa\""_s, u"\"otimo\""_s);
        QVERIFY(!DeJson(QJsonDocument::fromJson(texto.toUtf8()).object()));
        QVERIFY(!DeJson(QJsonObject{{"modelo", "IP X"}}));
    }

    void comparacao_data()
    {
        QTest::addColumn<Veredito>("antes");
        QTest::addColumn<Veredito>("agora");
        QTest::addColumn<int>("consertados");
        QTest::addColumn<int>("novas");
        QTest::newRow("fail to pass") << Veredito::Falha << Veredito::Passa << 1 << 0;
        QTest::newRow("no reading to pass") << Veredito::SemLeitura << Veredito::Passa << 1 << 0;
        QTest::newRow("pass to fail") << Veredito::Passa << Veredito::Falha << 0 << 1;
        QTest::newRow("pass to no reading") << Veredito::Passa << Veredito::SemLeitura << 0 << 1;
        QTest::newRow("fail stays") << Veredito::Falha << Veredito::Falha << 0 << 0;
        QTest::newRow("fail to not measurable") << Veredito::Falha << Veredito::NaoMensuravel << 0 << 0;
        QTest::newRow("pass stays") << Veredito::Passa << Veredito::Passa << 0 << 0;
    }
    void comparacao()
    {
        QFETCH(Veredito, antes);
        QFETCH(Veredito, agora);
        QFETCH(int, consertados);
        QFETCH(int, novas);
        ExecucaoDiagnostico a, b;
        a.passos = {passo(u"ldo"_s, {item(u"ldo"_s, u"PP1V8"_s, antes), item(u"ldo"_s, u"SO_ANTES"_s, Veredito::Falha)})};
        // Same rail name in another subsystem is another item.
        b.passos = {passo(u"ldo"_s, {item(u"ldo"_s, u"PP1V8"_s, agora), item(u"pmu"_s, u"SO_ANTES"_s, Veredito::Passa)})};
        const Mudancas m = ComparaExecucoes(a, b);
        QCOMPARE(m.consertados.size(), consertados);
        QCOMPARE(m.novasFalhas.size(), novas);
        for (const ItemDiagnostico& i : m.consertados + m.novasFalhas)
            QCOMPARE(i.chave(), u"ldo/PP1V8"_s);
    }

    void historico()
    {
        PastaAplicacaoTemporaria pasta;
        RoteiroInstalado roteiro;
        DefineIdioma(2);
        const ExecucaoDiagnostico falhou = execucao();
        QVERIFY(!UltimaExecucao(ContextoTeste().dados, falhou.modelo, falhou.numero, falhou.etiqueta));
        QVERIFY(GuardaExecucao(ContextoTeste().dados, falhou));
        // Labels that fold to one file name stay apart.
        QVERIFY(GuardaExecucao(ContextoTeste().dados, execucao(u"OS/17"_s)));
        ExecucaoDiagnostico boa = consertada(execucao());
        boa.inicio = boa.inicio.addSecs(3600);
        const auto anterior = UltimaExecucao(ContextoTeste().dados, boa.modelo, boa.numero, boa.etiqueta);
        QVERIFY(anterior);
        QCOMPARE(anterior->falhas().size(), 3);
        QVERIFY(GuardaExecucao(ContextoTeste().dados, boa));
        QCOMPARE(UltimaExecucao(ContextoTeste().dados, boa.modelo, boa.numero, boa.etiqueta)->inicio, boa.inicio);
        QCOMPARE(UltimaExecucao(ContextoTeste().dados, boa.modelo, boa.numero, u"OS/17"_s)->falhas().size(), 3);
        QVERIFY(!UltimaExecucao(ContextoTeste().dados, boa.modelo, u"A1901"_s, boa.etiqueta));
        // Labels too long for a file name (a scanned ticket, a pasted text) are kept, each apart.
        for (const QString& longa : {QString(300, u'x'), QString(299, u'x') + u'y'}) {
            ExecucaoDiagnostico e = execucao(longa);
            QVERIFY(GuardaExecucao(ContextoTeste().dados, e));
            QVERIFY(QFileInfo(ArquivoHistorico(ContextoTeste().dados, e.modelo, e.numero, longa)).fileName().size() < 255);
            QCOMPARE(UltimaExecucao(ContextoTeste().dados, e.modelo, e.numero, longa)->etiqueta, longa);
        }
        QVERIFY(ArquivoHistorico(ContextoTeste().dados, boa.modelo, boa.numero, QString(300, u'x'))
                != ArquivoHistorico(ContextoTeste().dados, boa.modelo, boa.numero, QString(299, u'x') + u'y'));

        const QString h = PaginaDiagnostico(boa, anterior);
        QCOMPARE(chaves(h, u"consertados"_s),
                 (QStringList{u"vcore/PP_CPU"_s, u"tigris/VBAT"_s, u"i2c/I2C 0 0x1A &lt;U1700&gt;"_s}));
        QCOMPARE(chaves(h, u"novasfalhas"_s), QStringList());
        QVERIFY2(h.contains(u"Failures: 3 → 0"_s), qPrintable(h.mid(h.indexOf(u"<h2>"_s), 600)));

        // A damaged history is set aside, not silently replaced.
        const QString arquivo = ArquivoHistorico(ContextoTeste().dados, boa.modelo, boa.numero, boa.etiqueta);
        {
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("{\"execucoes\": [");
        }
        QString aparte;
        QVERIFY(GuardaExecucao(ContextoTeste().dados, boa, nullptr, &aparte));
        QCOMPARE(aparte, arquivo + u".danificado"_s);
        QVERIFY(QFile::exists(arquivo + u".danificado"_s));
        QCOMPARE(UltimaExecucao(ContextoTeste().dados, boa.modelo, boa.numero, boa.etiqueta)->inicio, boa.inicio);
        // Damaged again: the second damaged file gets its own name, the first is kept.
        {
            QFile f(arquivo);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("segundo dano");
        }
        aparte.clear();
        QVERIFY(GuardaExecucao(ContextoTeste().dados, boa, nullptr, &aparte));
        QCOMPARE(aparte, arquivo + u".danificado-2"_s);
        QFile primeiro(arquivo + u".danificado"_s), segundo(aparte);
        QVERIFY(primeiro.open(QIODevice::ReadOnly) && segundo.open(QIODevice::ReadOnly));
        QCOMPARE(primeiro.readAll(), QByteArray("{\"execucoes\": ["));
        QCOMPARE(segundo.readAll(), QByteArray("segundo dano"));
        // JSON, but no history: kept as it is too, not replaced by the one new run.
        for (const QByteArray& outro : {QByteArray("{\"coisa\": 1}"), QByteArray("[1, 2]"), QByteArray("{\"execucoes\": 3}")}) {
            {
                QFile f(arquivo);
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(outro);
            }
            aparte.clear();
            QVERIFY(GuardaExecucao(ContextoTeste().dados, boa, nullptr, &aparte));
            QFile posto(aparte);
            QVERIFY2(posto.open(QIODevice::ReadOnly), outro.constData());
            QCOMPARE(posto.readAll(), outro);
        }

        // Only the last complete run, when asked for one.
        ExecucaoDiagnostico cortada = boa;
        cortada.completa = false;
        cortada.inicio = boa.inicio.addSecs(60);
        QVERIFY(GuardaExecucao(ContextoTeste().dados, cortada));
        QCOMPARE(UltimaExecucao(ContextoTeste().dados, boa.modelo, boa.numero, boa.etiqueta)->inicio, cortada.inicio);
        QCOMPARE(UltimaExecucao(ContextoTeste().dados, boa.modelo, boa.numero, boa.etiqueta, true)->inicio, boa.inicio);
    }
};

QTEST_GUILESS_MAIN(TstPaginaDiagnostico)
#include "tst_paginadiagnostico.moc"
