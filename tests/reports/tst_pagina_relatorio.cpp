// The bundled rail report page in a real browser: the address the program builds is opened
// in headless Chromium and the rendered rows, marks, header and printout are read back.
#include "apoio/Apoio.h"
#include "apoio/Navegador.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/janelas/DialogosQt.h"
#include "rails/RelatorioMalhas.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "i18n/IdiomaAtivo.h"
#include "rails/janelas/PublicacaoMalhas.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
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

QString pagina()
{
    return QStringLiteral(PASTA_APLICACAO "/relatorio/index.html");
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
    void arquivoPublicadoComOsVereditos();
    void abertoPeloXdgOpenSemPerderDados();
    void aberturaSemProgramaFalha();
};

void TstPaginaRelatorio::init()
{
    if (navegador().isEmpty() && qstrcmp(QTest::currentTestFunction(), "aberturaSemProgramaFalha") != 0)
        QSKIP("chromium is not installed");
    QVERIFY2(QFile::exists(pagina()), "the report page is not in the application folder (relatorio/ not built)");
    ReiniciaTeste(QStringLiteral(PASTA_APLICACAO));
}

void TstPaginaRelatorio::linhasEMarcas_data()
{
    QTest::addColumn<int>("familia");
    QTest::addColumn<int>("idioma");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QStringList>("marcas"); // fail, pass, not graded
    QTest::newRow("VCore pt") << 0 << 1 << "Relatório de Malhas" << "VCore"
                              << QStringList{"✘ FALHA", "✔ APROVADO", "– NÃO AVALIADO"};
    QTest::newRow("Buck en") << 2 << 2 << "Power Rail Report" << "BUCK"
                             << QStringList{"✘ FAIL", "✔ PASS", "– NOT GRADED"};
    QTest::newRow("LDO es") << 1 << 3 << "Informe de Líneas" << "LDO"
                            << QStringList{"✘ FALLA", "✔ APROBADO", "– NO EVALUADO"};
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
    const QString endereco = EnderecoRelatorio(QStringLiteral(PASTA_APLICACAO), consulta, QString());
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
    const QStringList classes{"falha", "passa", "naograduado"}, codigos{"0", "1", "3"};
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
    const QString endereco = EnderecoRelatorio(QStringLiteral(PASTA_APLICACAO), consulta, QString());
    const QString dom = QString::fromUtf8(abre(endereco, {"--dump-dom"}));
    const QList<LinhaPagina> l = linhas(dom);
    QCOMPARE(l.size(), 2);
    QCOMPARE(l[0].celulas.value("porc"), QString("4.1 %"));
    QCOMPARE(l[0].classe, QString("passa"));
    QCOMPARE(l[1].celulas.value("leitura"), QString("*Sem Medição"));
    QCOMPARE(l[1].classe, QString("falha")); // a host query has only the code
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
    abre(EnderecoRelatorio(QStringLiteral(PASTA_APLICACAO), consulta, QString()), {"--print-to-pdf=" + pdf, "--no-pdf-header-footer"});
    QVERIFY(QFile::exists(pdf));
    QProcess p;
    p.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(p.waitForFinished(30000));
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(texto.contains("PP_GPU_SRAM") && texto.contains("FALHA") && texto.contains("IP X"), qPrintable(texto));
    QVERIFY2(!texto.contains("Imprimir"), "the print button must not be printed");
}

void TstPaginaRelatorio::arquivoPublicadoComOsVereditos()
{
    // One rail of each verdict class, published as the rail windows do: a file beside the
    // database, opened through the desktop seam, printed to PDF by the headless browser.
    QTemporaryDir pastaBanco;
    DadosTeste().banco = pastaBanco.filePath("Config.qzd");
    DefineIdioma(1);
    qputenv("VEXADOR_NAVEGADOR", navegador().toLocal8Bit());
    const QList<LinhaRelatorio> trilhas{
        {"1. PP_CPU", "0.896 V", "0.800 V", "12 %", "0.800"},      // fail
        {"2. PP_SOC", "0.780 V", "0.775 V", "0.6 %", "0.775"},     // pass
        {"3. PP_GPU", "*", "0.775 V", "0 %", "0.775"},             // not measurable
        {"4. PP1V8", "*Sem Medição", "1.800 V", "0 %", "1.800"},   // no reading
        {"5. PP1V1", "TIMEO V", "1.100 V", "", "1.100"},           // no reading (a word)
        {"mA BUCK2", "1500,0 mA", "< 1000 mA", "", ""},            // fail (over its limit)
        {"mA BUCK3", "160,0 mA", "< 400 mA", "", ""},              // pass
        {"6. PP_X", "1.000 V", "1 V", "", ""},                     // not graded
    };
    RoteiroInstalado r;
    r.roteiro.respostasEntrada = {QStringLiteral("Ana")};
    const auto publicado = GeraRelatorioMalhas(ContextoTeste().dados, 0, trilhas, "IP 8", "A1863");
    qunsetenv("VEXADOR_NAVEGADOR");
    QVERIFY(publicado);
    QCOMPARE(publicado->arquivo, pastaBanco.filePath("relatorios/IP-8_A1863_VCore_20261210-103015.html"));
    QCOMPARE(r.roteiro.abertos, QStringList{publicado->arquivo});
    QVERIFY(!QFile(publicado->arquivo).readAll().contains("?P1=")); // nothing in an address

    // The file alone, no query: what an opener that drops queries shows.
    const QString dom = QString::fromUtf8(abre(QUrl::fromLocalFile(publicado->arquivo).toString(), {"--dump-dom"}));
    const QList<LinhaPagina> l = linhas(dom);
    QCOMPARE(l.size(), trilhas.size());
    const QStringList esperadas{"falha", "passa", "naomensuravel", "semleitura", "semleitura",
                                "falha", "passa", "naograduado"};
    for (int i = 0; i < l.size(); ++i) {
        QCOMPARE(l[i].classe, esperadas[i]);
        QCOMPARE(l[i].classe, NomeVeredito(VereditoRelatorio(trilhas[i]))); // the window's verdict
    }
    QCOMPARE(l[5].celulas.value("marca"), QStringLiteral("\u2718 FALHA"));
    QCOMPARE(l[3].celulas.value("marca"), QStringLiteral("? SEM LEITURA"));
    for (const auto& [classe, n] : QList<QPair<QString, int>>{{"passa", 2}, {"falha", 2}, {"naomensuravel", 1},
                                                               {"semleitura", 2}, {"naograduado", 1}}) {
        const QRegularExpression total(QStringLiteral("<span class=\"total-%1\">[^<]*<b>(\\d+)</b>").arg(classe));
        QCOMPARE(total.match(dom).captured(1), QString::number(n));
    }

    // The PDF of the same page, printed in the background.
    QVERIFY(!publicado->pdf.isEmpty());
    QElapsedTimer relogio;
    relogio.start();
    qint64 tamanho = -1;
    while (relogio.elapsed() < 60000) {
        const qint64 agora = QFileInfo(publicado->pdf).size();
        if (agora > 0 && agora == tamanho)
            break;
        tamanho = agora;
        QTest::qWait(500);
    }
    QVERIFY2(QFileInfo(publicado->pdf).size() > 0, qPrintable(publicado->pdf));
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (!pdftotext.isEmpty()) {
        QProcess p;
        p.start(pdftotext, {"-layout", publicado->pdf, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString texto = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(texto.contains("FALHA") && texto.contains("SEM LEITURA") && texto.contains("PP_CPU"), qPrintable(texto));
    }
}

void TstPaginaRelatorio::abertoPeloXdgOpenSemPerderDados()
{
    // The desktop's opener (a stand-in xdg-open that records what it got) receives the
    // report file itself: nothing travels in a query it could drop.
    QTemporaryDir bin, pastaBanco;
    const QString recebido = bin.filePath("recebido.txt");
    QFile script(bin.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(recebido).toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
    qputenv("VEXADOR_NAVEGADOR", "");
    DadosTeste().banco = pastaBanco.filePath("Config.qzd");

    // The desktop opener of the program; its boxes are only recorded.
    struct SoAbre : DialogosQt {
        QStringList caixas;
        using DialogosQt::mensagem;
        Resposta mensagem(const Caixa& c) override
        {
            caixas << c.texto;
            return Resposta::Ok;
        }
    } qt;
    defineDialogos(&qt);
    const RelatorioPublicado r = PublicaRelatorio(ContextoTeste().dados, 
        "index", ConsultaRelatorio(tresTrilhas(), 2, "10/12/2026", 2, "IP 7", QString("Ana")), "IP 7", "A1660", "BUCK", QString());
    defineDialogos(nullptr);
    qputenv("PATH", path);
    qunsetenv("VEXADOR_NAVEGADOR");
    if (!r.abriu) {
        QCOMPARE(qt.caixas, QStringList{L(QStringLiteral("SEM_VISUALIZADOR")) + "\n\n" + r.arquivo});
        QSKIP("this platform's desktop services open nothing (offscreen); run under a display");
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recebido), 10000);
    QFile f(recebido);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString alvo = QString::fromUtf8(f.readAll()).trimmed();
    QCOMPARE(QUrl(alvo).isLocalFile() ? QUrl(alvo).toLocalFile() : alvo, r.arquivo);
    const QList<LinhaPagina> l = linhas(QString::fromUtf8(abre(alvo, {"--dump-dom"})));
    QCOMPARE(l.size(), 3);
    QCOMPARE(l[0].celulas.value("marca"), QStringLiteral("\u2718 FAIL"));
}

// The desktop's opener finds no program for the file (xdg-open exits with an error) or is not
// installed: opening reports failure, so the window can say so, instead of success.
void TstPaginaRelatorio::aberturaSemProgramaFalha()
{
    QTemporaryDir bin, pastaArquivo;
    const QString arquivo = pastaArquivo.filePath("pagina.html");
    QFile pagina(arquivo);
    QVERIFY(pagina.open(QIODevice::WriteOnly));
    pagina.close();
    const QByteArray path = qgetenv("PATH");
    DialogosQt qt;
    struct Caso {
        const char* nome;
        const char* script; // nullptr: no xdg-open at all
        bool abre;
    };
    const Caso casos[] = {{"no program for the file", "#!/bin/sh\nexit 3\n", false},
                          {"opener hands it over", "#!/bin/sh\nexit 0\n", true},
                          {"program still running", "#!/bin/sh\nsleep 3\n", true},
                          {"no opener", nullptr, false}};
    for (const Caso& caso : casos) {
        QFile::remove(bin.filePath("xdg-open"));
        if (caso.script) {
            QFile script(bin.filePath("xdg-open"));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(caso.script);
            script.close();
            script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        qputenv("PATH", bin.path().toLocal8Bit() + (caso.script ? ":" + path : QByteArray()));
        const bool abriu = qt.abre(arquivo);
        qputenv("PATH", path);
        QVERIFY2(abriu == caso.abre, caso.nome);
    }
}

QTEST_MAIN(TstPaginaRelatorio)
#include "tst_pagina_relatorio.moc"
