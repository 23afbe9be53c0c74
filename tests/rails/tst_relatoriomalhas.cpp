#include "BancoMaster.h"
#include "i18n/IdiomaAtivo.h"

#include "apoio/Apoio.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "rails/GradeTrilhas.h"
#include "rails/RelatorioMalhas.h"
#include "rails/janelas/PublicacaoMalhas.h"
#include "reports/janelas/PublicacaoRelatorio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

class TstRelatorioMalhas : public QObject {
    Q_OBJECT
private slots:
    void init();
    void veredito_data();
    void veredito();
    void numeracaoMalha_data();
    void numeracaoMalha();
    void consultaCompleta();
    void valoresCodificados();
    void endereco();
    void nomeRelatorio();
    void geraRelatorioVCoreComFiltro();
    void cancelarNaoEnviaNada();
    void falhasDoRelatorioSaoDitas();
    void vereditoDaTrilhaComoNaGrade();
};

void TstRelatorioMalhas::init()
{
    ReiniciaTeste();
    DefineIdioma(1);
    qputenv("VEXADOR_NAVEGADOR", ""); // no PDF printing here (tests/reports prints one)
}

void TstRelatorioMalhas::veredito_data()
{
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("refV");
    QTest::addColumn<QString>("porc");
    QTest::addColumn<QString>("ref");
    QTest::addColumn<QString>("codigo");
    QTest::newRow("12.0 % fails") << "1.344 V" << "1.200" << "12.0 %" << QString() << "0";
    QTest::newRow("9.9 % passes") << "1.318 V" << "1.200" << "9.9 %" << QString() << "1";
    QTest::newRow("10.9 % fails (whole part 10)") << "1.330 V" << "1.200" << "10.9 %" << QString() << "0";
    QTest::newRow("-10.0 % fails") << "1.080 V" << "1.200" << "-10.0 %" << QString() << "0";
    QTest::newRow("-9.9 % passes") << "1.081 V" << "1.200" << "-9.9 %" << QString() << "1";
    QTest::newRow("-0.0 % passes") << "1.199 V" << "1.200" << "-0.0 %" << QString() << "1";
    QTest::newRow("100 % fails") << "2.400 V" << "1.200" << "100 %" << QString() << "0";
    QTest::newRow("empty Porc with RefV") << "1.250 V" << "0.000" << "" << QString() << "3";
    QTest::newRow("no reading") << "*Sem Medição" << "1.200" << "0 %" << QString() << "0";
    QTest::newRow("not measurable") << "*" << "1.200" << "0 %" << QString() << "1";
    QTest::newRow("current") << "123,4 mA" << "100" << "50.0 %" << QString() << "1";
    QTest::newRow("no RefV") << "1.250 V" << "" << "" << QString() << "1";
    // The host reads the codes as they always were; the verdict itself travels in V<n>
    // (current over its limit "falha", a word "semleitura", a zero reference "naograduado").
    QTest::newRow("current over its limit") << "1500,0 mA" << "" << "" << "< 1000 mA" << "1";
    QTest::newRow("current under its limit") << "999,9 mA" << "" << "" << "< 1000 mA" << "1";
    QTest::newRow("timed-out word") << "TIMEO V" << "1.200" << "" << "1.200 V" << "3";
    QTest::newRow("RefV of 0") << "0.004 V" << "0" << "0 %" << "0 V" << "1";
    QTest::newRow("RefV of 0, large reading") << "1.800 V" << "0" << "0 %" << "0 V" << "1";
    QTest::newRow("phone's *787.000") << "*787.000 V" << "1.200" << "" << "1.200 V" << "3";
    QTest::newRow("no reading, English marker") << "*No Reading" << "1.200" << "0 %" << QString() << "0";
}

void TstRelatorioMalhas::veredito()
{
    QFETCH(QString, leitura);
    QFETCH(QString, refV);
    QFETCH(QString, porc);
    QFETCH(QString, ref);
    QFETCH(QString, codigo);
    QCOMPARE(CodigoVeredito({QStringLiteral("rail"), leitura, ref, porc, refV}), codigo);
}

void TstRelatorioMalhas::numeracaoMalha_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("saida");
    QTest::newRow("3. ") << "3. VDD CPU" << "VDD CPU";
    QTest::newRow("12. ") << "12. PP1V8" << "PP1V8";
    QTest::newRow("17. ") << "17. X" << "X";
    QTest::newRow("two-digit names first: 21. loses 1. ") << "21. X" << "2X";
    QTest::newRow("value without number") << "1.234 V" << "1.234 V";
}

void TstRelatorioMalhas::numeracaoMalha()
{
    QFETCH(QString, entrada);
    QFETCH(QString, saida);
    QCOMPARE(RemoveNumeracaoMalha(entrada), saida);
}

void TstRelatorioMalhas::consultaCompleta()
{
    const QList<LinhaRelatorio> linhas{
        {"1. VDD CPU", "1.250 V", "1.200 V", "4.1 %", "1.200"},
        {"2. VDD GPU", "*", "1.000 V", "0 %", "1.000"},
    };
    QCOMPARE(ConsultaRelatorio(linhas, 0, "10/12/26", 1, "IP 8 Plus", QStringLiteral("Loja")),
             QStringLiteral("P1=VDD%20CPU&L1=1.250%20V&R1=1.200%20V&O1=4.1%20%25&I1=1&V1=passa"
                            "&P2=VDD%20GPU&L2=%2A&R2=1.000%20V&O2=0%20%25&I2=1&V2=naomensuravel"
                            "&TIPO=0&DATA=10%2F12%2F26&IDIOMA=1&MODELO=IP%208%20Plus&EMP=Loja"));
    // The Buck and LDO window sends no rail names and keeps the numbers.
    QCOMPARE(ConsultaRelatorio(linhas.mid(0, 1), 2, "d", 2, "IP 7", std::nullopt),
             QStringLiteral("L1=1.250%20V&R1=1.200%20V&O1=4.1%20%25&I1=1&V1=passa&TIPO=2&DATA=d&IDIOMA=2&MODELO=IP%207"));
}

void TstRelatorioMalhas::valoresCodificados()
{
    // A value can never add a key, end the query or change another value.
    const QList<LinhaRelatorio> linhas{{"A&I1=0#x", "1+1 %", "R=?", "", ""}};
    const QString nome = QStringLiteral("Ação & Cia #1 100%");
    const QString consulta = ConsultaRelatorio(linhas, 0, "1/2/26", 3, "IP X", nome);
    QVERIFY(!consulta.contains(QLatin1Char('#')));
    QVERIFY(!consulta.contains(QLatin1Char(' ')));
    const QUrlQuery q(consulta);
    QCOMPARE(q.queryItems().size(), 11);
    QCOMPARE(q.queryItemValue("P1", QUrl::FullyDecoded), QStringLiteral("A&I1=0#x"));
    QCOMPARE(q.queryItemValue("L1", QUrl::FullyDecoded), QStringLiteral("1+1 %"));
    QCOMPARE(q.queryItemValue("R1", QUrl::FullyDecoded), QStringLiteral("R=?"));
    // "1+1 %" is no reading (V1); a row without RefV is code 1 for the host; the "I1=0"
    // inside the rail name added no item of its own.
    QCOMPARE(q.allQueryItemValues("I1"), QStringList{QStringLiteral("1")});
    QCOMPARE(q.queryItemValue("V1"), QStringLiteral("semleitura"));
    QCOMPARE(q.queryItemValue("EMP", QUrl::FullyDecoded), nome);
}

void TstRelatorioMalhas::endereco()
{
    const QString pasta = QStringLiteral("/opt/vexador tarrim");
    QCOMPARE(EnderecoRelatorio(pasta, "A=1&B=2", QString()),
             QStringLiteral("file:///opt/vexador%20tarrim/relatorio/index.html?A=1&B=2"));
    QCOMPARE(EnderecoRelatorio(pasta, "A=1", QStringLiteral("relatorios.example.com")),
             QStringLiteral("https://relatorios.example.com/relatorio/index.php?A=1"));
    const QUrl url(EnderecoRelatorio(pasta, "A=1&B=x%20y", QString()));
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), QStringLiteral("/opt/vexador tarrim/relatorio/index.html"));
    QCOMPARE(QUrlQuery(url).queryItemValue("B", QUrl::FullyDecoded), QStringLiteral("x y"));
}

void TstRelatorioMalhas::nomeRelatorio()
{
    BancoMaster b;
    // No Tools row: "" and nothing stored.
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QString());
    QVERIFY(!GravaNomeRelatorio(ContextoTeste().dados.banco, QStringLiteral("Loja")));
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QString());

    b.executa("Insert into Tools (Idioma, syncbd, Nome) values (1, '0', 'Primeiro')");
    b.executa("Insert into Tools (Idioma, syncbd, Nome) values (1, '0', 'Segundo')");
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QStringLiteral("Primeiro"));
    QVERIFY(GravaNomeRelatorio(ContextoTeste().dados.banco, QStringLiteral("O'Brien & Filhos")));
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QStringLiteral("O'Brien & Filhos"));
    Banco banco(b.caminho());
    QCOMPARE(banco.valor("Select count(*) from Tools where Nome = 'Segundo'").toInt(), 1);

    DadosTeste().banco = b.pasta.path() + QStringLiteral("/nao-existe.qzd");
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QString());
    QVERIFY(!GravaNomeRelatorio(ContextoTeste().dados.banco, QStringLiteral("x")));
}

void TstRelatorioMalhas::geraRelatorioVCoreComFiltro()
{
    BancoMaster b;
    b.executa("Insert into Tools (Idioma, syncbd, Nome) values (1, '0', 'Antigo')");
    b.linha("IP 8 Plus", "1. VDD CPU", "Buck0", "CPU", "1.200", "0", 0);
    b.linha("IP 8 Plus", "2. VDD GPU", "Buck1", "GPU", "1.000", "1", 0);
    b.linha("IP 8 Plus", "3. GPU SRAM", "Buck2", "GPU", "0.900", "2", 0);
    b.executa("Update Master set Leitura = '0.995 V', Porc = '10.5 %' where Malha = '3. GPU SRAM'");
    b.executa("Update Master set Leitura = '*', Porc = '0 %' where Malha = '2. VDD GPU'");

    DadosTeste().pasta = QStringLiteral(PASTA_APLICACAO); // the pages
    RoteiroInstalado r;
    r.roteiro.respostasEntrada = {QStringLiteral("Nova Loja")};
    const auto publicado = GeraRelatorioMalhas(ContextoTeste().dados, 0, ConsultaGradeIc("IP 8 Plus", 0, "GPU"), "IP 8 Plus", "A1864");
    QVERIFY(publicado);
    // A file beside the database, named by model, number, window and time, then opened.
    QCOMPARE(publicado->arquivo, b.pasta.path() + "/relatorios/IP-8-Plus_A1864_VCore_20261210-103015.html");
    QCOMPARE(r.roteiro.abertos, QStringList{publicado->arquivo});
    QVERIFY(r.roteiro.textos().isEmpty());
    const QString consulta = ConsultaDoRelatorio(publicado->arquivo);
    QCOMPARE(r.roteiro.entradas.size(), 1);
    QCOMPARE(r.roteiro.entradas.first().prompt, L("DIGITE SEU NOME"));
    QCOMPARE(r.roteiro.entradas.first().titulo, L("Relatório") + QStringLiteral(" - PDF"));
    QCOMPARE(r.roteiro.entradas.first().padrao, QStringLiteral("Antigo"));
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QStringLiteral("Nova Loja"));

    // The day of the scripted clock, written in the program's language (not the system's).
    const QString data = QLocale(QLocale::Portuguese, QLocale::Brazil).toString(r.roteiro.relogio.date(), QStringLiteral("dd/MM/yyyy"));
    const QUrlQuery q(consulta);
    // Only the GPU rows, numbered from 1 in the grid's order, rail numbers removed.
    QCOMPARE(q.queryItemValue("P1", QUrl::FullyDecoded), QStringLiteral("VDD GPU"));
    QCOMPARE(q.queryItemValue("L1", QUrl::FullyDecoded), QStringLiteral("*"));
    QCOMPARE(q.queryItemValue("I1"), QStringLiteral("1"));
    QCOMPARE(q.queryItemValue("P2", QUrl::FullyDecoded), QStringLiteral("GPU SRAM"));
    QCOMPARE(q.queryItemValue("O2", QUrl::FullyDecoded), QStringLiteral("10.5 %"));
    QCOMPARE(q.queryItemValue("I2"), QStringLiteral("0"));
    QVERIFY(!q.hasQueryItem("P3"));
    QCOMPARE(q.queryItemValue("TIPO"), QStringLiteral("0"));
    QCOMPARE(q.queryItemValue("DATA", QUrl::FullyDecoded), data);
    QCOMPARE(q.queryItemValue("IDIOMA"), QStringLiteral("1"));
    QCOMPARE(q.queryItemValue("MODELO", QUrl::FullyDecoded), QStringLiteral("IP 8 Plus"));
    QCOMPARE(q.queryItemValue("EMP", QUrl::FullyDecoded), QStringLiteral("Nova Loja"));
    QVERIFY(consulta.contains(QLatin1String("MODELO=IP%208%20Plus")));
}

void TstRelatorioMalhas::cancelarNaoEnviaNada()
{
    BancoMaster b;
    b.executa("Insert into Tools (Idioma, syncbd, Nome) values (1, '0', 'Antigo')");
    b.linha("IP 7", "A", "Buck0", "CPU", "1.200", "0", 2);

    DadosTeste().pasta = QStringLiteral(PASTA_APLICACAO);
    RoteiroInstalado r; // no answer queued: the name box is cancelled
    QVERIFY(!GeraRelatorioMalhas(ContextoTeste().dados, 2, ConsultaGrade("IP 7", 2, "Modelo, Orig"), "IP 7", "A1660"));
    QVERIFY(r.roteiro.abertos.isEmpty());
    QVERIFY(!QFileInfo::exists(b.pasta.path() + "/relatorios"));
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QStringLiteral("Antigo"));

    // An empty answer is a name too: stored, and the report opens.
    r.roteiro.respostasEntrada = {QString()};
    const auto publicado = GeraRelatorioMalhas(ContextoTeste().dados, 2, ConsultaGrade("IP 7", 2, "Modelo, Orig"), "IP 7", "A1660");
    QVERIFY(publicado);
    QVERIFY(ConsultaDoRelatorio(publicado->arquivo).endsWith(QLatin1String("&EMP=")));
    QCOMPARE(LeNomeRelatorio(ContextoTeste().dados.banco), QString());
    QCOMPARE(r.roteiro.abertos.size(), 1);
}

void TstRelatorioMalhas::falhasDoRelatorioSaoDitas()
{
    BancoMaster b;
    b.linha("IP 7", "A", "Buck0", "CPU", "1.200", "0", 2);
    DadosTeste().pasta = QStringLiteral(PASTA_APLICACAO);
    RoteiroInstalado r;

    // Nothing on the desktop opens the file: the technician is told where it is.
    r.roteiro.abreResultado = false;
    r.roteiro.respostasEntrada = {QStringLiteral("Ana")};
    const auto semVisualizador = GeraRelatorioMalhas(ContextoTeste().dados, 2, ConsultaGrade("IP 7", 2, "Orig"), "IP 7", "A1660");
    QVERIFY(semVisualizador && !semVisualizador->abriu);
    QVERIFY(QFileInfo::exists(semVisualizador->arquivo));
    QCOMPARE(r.roteiro.textos(), QStringList{L("SEM_VISUALIZADOR") + "\n\n" + semVisualizador->arquivo});

    // The reports folder cannot be made (a file has its name): nothing is opened, and the
    // box says the report was not saved and where it was meant to go.
    r.roteiro.limpa();
    r.roteiro.abreResultado = true;
    r.roteiro.respostasEntrada = {QStringLiteral("Ana")};
    const QString pasta = b.pasta.path() + "/relatorios";
    QDir(pasta).removeRecursively();
    QFile bloqueio(pasta);
    QVERIFY(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    const auto semPasta = GeraRelatorioMalhas(ContextoTeste().dados, 2, ConsultaGrade("IP 7", 2, "Orig"), "IP 7", "A1660");
    QVERIFY(semPasta && semPasta->arquivo.isEmpty());
    QVERIFY(r.roteiro.abertos.isEmpty());
    QCOMPARE(r.roteiro.textos().size(), 1);
    QVERIFY(r.roteiro.textos().first().startsWith(L("RELATORIO_NAO_SALVO") + "\n\n" + pasta + "/"));
}

void TstRelatorioMalhas::vereditoDaTrilhaComoNaGrade()
{
    // The GPU current reads a value in the VCore grid but is not measurable, as the grid
    // shows it: the report says the same; another current below its limit passes.
    BancoMaster b;
    b.linha("IP 8", "mA BUCK1", "mA Buck1", "GPU", "", "21", 0);
    b.linha("IP 8", "mA BUCK3", "mA Buck3", "DRAM", "", "23", 0);
    b.executa("Update Master set Leitura = '400,0 mA', Ref = '< 1000 mA'");
    QStringList vereditos;
    for (const LinhaRelatorio& l : LinhasRelatorio(ContextoTeste().dados.banco, ConsultaGrade("IP 8", 0, "Malha")))
        vereditos << l.malha + "=" + NomeVeredito(VereditoRelatorio(l));
    QCOMPARE(vereditos, (QStringList{"mA BUCK1=naomensuravel", "mA BUCK3=passa"}));
}

QTEST_GUILESS_MAIN(TstRelatorioMalhas)
#include "tst_relatoriomalhas.moc"
