// The bundled rail report page in a real browser: the address the program builds is opened
// in headless Chromium and the rendered rows, marks, header and printout are read back.
#include "apoio/Apoio.h"
#include "reports/RelatorioMalhas.h"
#include "shell/Globais.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct LinhaPagina {
    QString classe, numero, codigo;
    QHash<QString, QString> celulas; // td class -> text
};

QString desfaz(QString t)
{
    t.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
    return t;
}

QString navegador()
{
    for (const char* nome : {"chromium", "chromium-browser"}) {
        const QString p = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!p.isEmpty())
            return p;
    }
    return {};
}

QString pagina()
{
    return QStringLiteral(PASTA_APLICACAO "/relatorio/index.html");
}

// Runs the browser on an address with extra arguments; its standard output.
QByteArray abre(const QString& endereco, const QStringList& extras)
{
    QTemporaryDir perfil;
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QStringList args{"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--no-first-run", "--user-data-dir=" + perfil.path()};
    args += extras;
    args << endereco;
    p.start(navegador(), args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return p.readAllStandardOutput();
}

QString campo(const QString& dom, const QString& id)
{
    const QRegularExpression re(QStringLiteral("id=\"%1\"[^>]*>([^<]*)<").arg(id));
    return desfaz(re.match(dom).captured(1));
}

QList<LinhaPagina> linhas(const QString& dom)
{
    QList<LinhaPagina> r;
    static const QRegularExpression tr(
        QStringLiteral("<tr class=\"linha (\\w+)\" data-n=\"(\\d+)\" data-codigo=\"(\\d*)\">(.*?)</tr>"));
    static const QRegularExpression td(QStringLiteral("<td class=\"(\\w+)\">(.*?)</td>"));
    for (auto m = tr.globalMatch(dom); m.hasNext();) {
        const auto l = m.next();
        LinhaPagina lp{l.captured(1), l.captured(2), l.captured(3), {}};
        for (auto c = td.globalMatch(l.captured(4)); c.hasNext();) {
            const auto cel = c.next();
            lp.celulas.insert(cel.captured(1), desfaz(cel.captured(2)));
        }
        r << lp;
    }
    return r;
}

// A failing, a passing and a no-percentage rail, as the rail windows send them.
QList<LinhaRelatorio> tresTrilhas()
{
    return {{"3. PP_GPU_SRAM", "0.980 V", "0.875 V", "12.0 %", "0.875"},
            {"1. PP_CPU", "0.800 V", "0.800 V", "0 %", "0.800"},
            {"17. PP_X", "1.000 V", "1.000 V", "", "1.000"}};
}
} // namespace

class TstPaginaRelatorio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void linhasEMarcas_data();
    void linhasEMarcas();
    void consultaSoComBlancosCodificados();
    void imprimeEmPdf();
};

void TstPaginaRelatorio::init()
{
    if (navegador().isEmpty())
        QSKIP("chromium is not installed");
    QVERIFY2(QFile::exists(pagina()), "the report page is not in the application folder (relatorio/ not built)");
    Globais::instancia().reinicia(QStringLiteral(PASTA_APLICACAO));
}

void TstPaginaRelatorio::linhasEMarcas_data()
{
    QTest::addColumn<int>("familia");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QStringList>("marcas"); // fail, pass, no percentage
    QTest::newRow("VCore pt") << 0 << 1 << "Relatório de Malhas" << "VCore"
                              << QStringList{"✘ FALHA", "✔ OK", "– SEM %"};
    QTest::newRow("Buck en") << 2 << 2 << "Power Rail Report" << "BUCK" << QStringList{"✘ FAIL", "✔ OK", "– NO %"};
    QTest::newRow("LDO es") << 1 << 3 << "Informe de Líneas" << "LDO" << QStringList{"✘ FALLA", "✔ OK", "– SIN %"};
}

void TstPaginaRelatorio::linhasEMarcas()
{
    QFETCH(int, familia);
    QFETCH(int, idioma);
    QFETCH(QString, titulo);
    QFETCH(QString, tipo);
    QFETCH(QStringList, marcas);

    const QString nome = QStringLiteral("Oficina & Cia <b>#1</b> 100%");
    const QString consulta = ConsultaRelatorio(tresTrilhas(), familia, "10/12/2026", idioma, "IP 8 Plus", nome);
    const QString endereco = EnderecoRelatorio(consulta, QString());
    QVERIFY(endereco.startsWith("file://"));
    const QString dom = QString::fromUtf8(abre(endereco, {"--dump-dom"}));
    QVERIFY2(dom.contains("data-pronto=\"1\""), qPrintable(dom.left(400)));

    QCOMPARE(campo(dom, "titulo"), titulo);
    QCOMPARE(campo(dom, "modelo"), QString("IP 8 Plus"));
    QCOMPARE(campo(dom, "data"), QString("10/12/2026"));
    QCOMPARE(campo(dom, "tecnico"), nome); // shown as text, never as markup
    QCOMPARE(campo(dom, "familia"), tipo);
    QVERIFY(!dom.contains("<b>#1</b>"));

    const QList<LinhaPagina> l = linhas(dom);
    QCOMPARE(l.size(), 3);
    const QStringList classes{"falhou", "passou", "semporc"}, codigos{"0", "1", "3"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(l[i].numero, QString::number(i + 1));
        QCOMPARE(l[i].codigo, codigos[i]);
        QCOMPARE(l[i].classe, classes[i]);
        QCOMPARE(l[i].celulas.value("marca"), marcas[i]);
        QCOMPARE(l[i].celulas.value("leitura"), tresTrilhas()[i].leitura);
        QCOMPARE(l[i].celulas.value("ref"), tresTrilhas()[i].ref);
        QCOMPARE(l[i].celulas.value("porc"), tresTrilhas()[i].porc);
        // Rail names only from the VCore window, without their numbers.
        QCOMPARE(l[i].celulas.contains("malha"), familia == 0);
    }
    if (familia == 0) {
        QCOMPARE(l[0].celulas.value("malha"), QString("PP_GPU_SRAM"));
        QCOMPARE(l[2].celulas.value("malha"), QString("PP_X"));
    }
}

void TstPaginaRelatorio::consultaSoComBlancosCodificados()
{
    // The query as a report service receives it with only the blanks escaped: the lone "%"
    // of a percentage stays a "%".
    const QString consulta = "L1=0.900%20V&R1=0.9%20V&O1=4.1%20%&I1=1&L2=*Sem%20Medi%C3%A7%C3%A3o&R2=1.8%20V"
                             "&O2=0%20%&I2=0&TIPO=1&DATA=10/12/2026&IDIOMA=1&MODELO=IP%207&EMP=Ana";
    const QString endereco = EnderecoRelatorio(consulta, QString());
    const QString dom = QString::fromUtf8(abre(endereco, {"--dump-dom"}));
    const QList<LinhaPagina> l = linhas(dom);
    QCOMPARE(l.size(), 2);
    QCOMPARE(l[0].celulas.value("porc"), QString("4.1 %"));
    QCOMPARE(l[0].classe, QString("passou"));
    QCOMPARE(l[1].celulas.value("leitura"), QString("*Sem Medição"));
    QCOMPARE(l[1].classe, QString("falhou"));
    QCOMPARE(campo(dom, "modelo"), QString("IP 7"));
}

void TstPaginaRelatorio::imprimeEmPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir saida;
    const QString pdf = saida.filePath("relatorio.pdf");
    const QString consulta = ConsultaRelatorio(tresTrilhas(), 0, "10/12/2026", 1, "IP X", QString("Ana"));
    abre(EnderecoRelatorio(consulta, QString()), {"--print-to-pdf=" + pdf, "--no-pdf-header-footer"});
    QVERIFY(QFile::exists(pdf));
    QProcess p;
    p.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(p.waitForFinished(30000));
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(texto.contains("PP_GPU_SRAM") && texto.contains("FALHA") && texto.contains("IP X"), qPrintable(texto));
    QVERIFY2(!texto.contains("Imprimir"), "the print button must not be printed");
}

QTEST_MAIN(TstPaginaRelatorio)
#include "tst_pagina_relatorio.moc"
