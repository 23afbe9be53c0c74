// The bundled Chestnut and Acorn report pages rendered by a headless browser from the query
// the windows build: rows, verdicts, language, and names that stay text.
#include "chips/ChipAcorn.h"
#include "chips/ChipChestnut.h"
#include "chips/LeituraChip.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The pages as they are in the source tree (the build copies them beside the program).
const QString PastaPaginas = QStringLiteral(PASTA_FONTES);

class TstPaginasRelatorio : public QObject {
    Q_OBJECT
private:
    QString m_chromium;

    // The page's DOM after its script ran.
    QString renderiza(const QString& endereco)
    {
        QTemporaryDir perfil;
        QProcess p;
        p.start(m_chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                             "--no-first-run", "--user-data-dir=" + perfil.path(), "--dump-dom", endereco});
        if (!p.waitForFinished(45000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static QString resposta(const QStringList& linhas)
    {
        return QStringLiteral("\r\n") + linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    }

private slots:
    void initTestCase()
    {
        m_chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (m_chromium.isEmpty())
            m_chromium = QStandardPaths::findExecutable(QStringLiteral("chromium-browser"));
        if (m_chromium.isEmpty())
            QSKIP("chromium is not installed");
    }

    void chestnutTodasVerdes()
    {
        Painel p = ChipChestnut::PainelInicial();
        ChipChestnut::LimpaLeituras(p);
        ChipChestnut::CarregaDados(p, resposta({"chestnut vldo1 : 5700.000 mV", "chestnut vldo2 : 5700.000 mV",
                                                "chestnut vldo3 : 5100.000 mV", "chestnut vneg : -5700.000 mV",
                                                "chestnut ineg : 15.000 mA", "chestnut vin : 3800.000 mV",
                                                "chestnut vboost : 6000.000 mV"}),
                                   "IP 8 Plus");
        auto pares = ChipChestnut::ParesRelatorio(p, "10/12/2026", 1, "IP 8 Plus");
        pares.append(qMakePair(QStringLiteral("EMP"), QStringLiteral("<b>Zé & Cia</b> #1 100%")));
        const QString dom = renderiza(EnderecoRelatorioChip(PastaPaginas, "chest", MontaConsulta(pares), ""));
        QVERIFY2(dom.contains("<tbody id=\"linhas\">"), qPrintable(dom.left(400)));
        // Five rails pass; the input rail has no reference and is not graded.
        QCOMPARE(dom.count("<tr class=\"passa\""), 5);
        QVERIFY(dom.contains("<tr class=\"naograduado\" id=\"linha6\">"));
        QVERIFY(dom.contains("<td class=\"marca\">\u2714 APROVADO</td>"));
        QVERIFY(dom.contains("<td class=\"marca\">\u2013 NÃO AVALIADO</td>"));
        QVERIFY(!dom.contains("class=\"falha\""));
        QVERIFY(dom.contains("<div id=\"veredito\" class=\"passou\">"));
        QVERIFY(dom.contains("<td class=\"malha\">PN -5V7_DISPLAY_MESON_AVDDN</td><td class=\"leitura\">-5.700 V   (15,00 mA)</td>"));
        QVERIFY(dom.contains("<dd id=\"modelo\">IP 8 Plus</dd>"));
        QVERIFY(dom.contains("<dd id=\"data\">10/12/2026</dd>"));
        // The name is text, never markup.
        QVERIFY(dom.contains("<dd id=\"tecnico\">&lt;b&gt;Zé &amp; Cia&lt;/b&gt; #1 100%</dd>"));
        QVERIFY(dom.contains("lang=\"pt-BR\""));
    }

    void acornComFalhaEmIngles()
    {
        Painel p = ChipAcorn::PainelInicial();
        ChipAcorn::CarregaDados(p, resposta({"acorn vc : 1100.000 mV", "BIST buck4: 1210.000 mV"}));
        auto pares = ChipAcorn::ParesRelatorio(p, "12/10/2026", 2, "IP X");
        pares.append(qMakePair(QStringLiteral("EMP"), QStringLiteral("Bench 1")));
        const QString dom = renderiza(EnderecoRelatorioChip(PastaPaginas, "acorn", MontaConsulta(pares), ""));
        QVERIFY2(dom.contains("Acorn Report"), qPrintable(dom.left(400)));
        QVERIFY(dom.contains("lang=\"en\""));
        QVERIFY(dom.contains("<tr class=\"passa\" id=\"linha1\">"));
        QVERIFY(dom.contains("<tr class=\"falha\" id=\"linha7\"><td class=\"malha\">PP1V1_S2</td>"
                             "<td class=\"leitura\">1.210 V</td><td class=\"ref\">1.1 V</td><td class=\"porc\">10 %</td>"
                             "<td class=\"marca\">\u2718 FAIL</td>"));
        for (int k = 8; k <= 11; ++k)
            QVERIFY(dom.contains(QStringLiteral("<tr class=\"naograduado\" id=\"linha%1\">").arg(k)));
        // Each verdict class counted.
        QVERIFY(dom.contains("<span class=\"total-falha\">\u2718 FAIL: <b>1</b></span>"));
        QVERIFY(dom.contains("<div id=\"veredito\" class=\"falhou\">"));
        QVERIFY(dom.contains("<dd id=\"tecnico\">Bench 1</dd>"));
    }

    void semConsulta()
    {
        const QString dom = renderiza(EnderecoRelatorioChip(PastaPaginas, "chest", "", "").chopped(1));
        QVERIFY(dom.contains("<div id=\"vazio\">"));
        QVERIFY(dom.contains("<table id=\"malhas\" hidden=\"\">"));
    }
};

QTEST_GUILESS_MAIN(TstPaginasRelatorio)
#include "tst_paginasrelatorio.moc"
