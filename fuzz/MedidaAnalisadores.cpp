// How long each parser takes on a 1 MB answer: the bench board's answers (the fuzz seeds)
// with their output repeated to 1 MB between the echo and the prompt, as a flooding phone
// would send it. A QtTest benchmark, run by hand (not part of CTest):
//     build/fuzz/medida_analisadores            (add -median 3 for steadier figures)
// Every parser reads its answer a bounded number of times, so each should stay far below
// 10 ms per megabyte.
#include "boardtests/BateriaLeitura.h"
#include "boardtests/I2c.h"
#include "boardtests/Ic.h"
#include "boardtests/Nand.h"
#include "boardtests/OutrosTestes.h"
#include "boardtests/RfRadios.h"
#include "chips/ChipAcorn.h"
#include "chips/ChipChestnut.h"
#include "chips/ChipTigris.h"
#include "chips/ChipTristar.h"
#include "console/AutoComparador.h"
#include "console/RegrasConsole.h"
#include "rails/BuckCheck.h"
#include "rails/GradeTrilhas.h"
#include "rails/LeituraAdc.h"
#include "rails/TextosLeitura.h"
#include "rails/RelatorioMalhas.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/BuscaTexto.h"
#include "shell/Modelo.h"
#include "shell/RegrasTroca.h"

#include <QFile>
#include <QTest>
#include <functional>

namespace {

constexpr qsizetype UmMega = 1024 * 1024;

// A seed's answer (without its parameter byte), read as the serial link reads it.
QString semente(const QString& alvo, const QString& nome)
{
    QFile f(QStringLiteral(PASTA_SEMENTES "/%1/%2").arg(alvo, nome));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("seed %s/%s missing", qPrintable(alvo), qPrintable(nome));
    return QString::fromLatin1(f.readAll().mid(1));
}

// The answer with its output lines repeated to 1 MB: echo line, output ..., prompt.
QString umMega(const QString& resposta)
{
    const qsizetype fimEco = resposta.indexOf(QLatin1String("\r\n")) + 2;
    const qsizetype inicioPrompt = resposta.lastIndexOf(QLatin1Char('\n')) + 1;
    const QString saida = resposta.mid(fimEco, inicioPrompt - fimEco);
    QString r = resposta.left(fimEco);
    while (r.size() < UmMega)
        r += saida;
    return r + resposta.mid(inicioPrompt);
}

struct Caso {
    const char* nome;
    std::function<void()> roda;
};

QList<Caso>& casos()
{
    static QList<Caso> c;
    return c;
}

} // namespace

class MedidaAnalisadores : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void analisador_data();
    void analisador();
};

void MedidaAnalisadores::initTestCase()
{
    DefineIdioma(1);
    const QString pmu7 = umMega(semente("adc", "IP7-pmuadc"));
    const QString pmuX = umMega(semente("adc", "IPX-pmuadc"));
    const QString tigris = umMega(semente("chips", "IP8-tigris"));
    const QString chestnut = umMega(semente("chips", "IP7-chestnut"));
    const QString buck = umMega(semente("buck", "IP7-buck"));
    const QString buckcheck = umMega(semente("buck", "IP6-buckcheck"));
    const QString i2c = umMega(semente("testes", "IP7-i2c_-s_0"));
    const QString nand = umMega(semente("testes", "IP7-nandsize"));
    const QString bateria = umMega(semente("testes", "IP7-device__--key_GasGauge_-p"));
    const QString radio = umMega(semente("testes", "IP7-baseband_--on"));
    const QString ic = umMega(semente("testes", "IP7-tristar_-p"));
    const QString memoria = umMega(semente("testes", "IP7-testmemory"));
    const QString rmd = umMega(semente("modelo", "IP7-rmd"));
    const QStringList console = semente("console", "IP7-device__--key_GasGauge_-p").split(QChar(0));
    const QString vivo = umMega(console.value(0));
    const QString gravado = umMega(console.value(1));
    // The comparator masks with every row of table M of the shipped database, as it does at the bench.
    const auto fragmentosM = AutoComparacao::CarregaFragmentos(QStringLiteral(BANCO_CONFIG));
    if (!fragmentosM || fragmentosM->isEmpty())
        qFatal("table M of %s missing", BANCO_CONFIG);
    const QStringList fragmentos = *fragmentosM;
    QString exibidoAntes = gravado;
    exibidoAntes.remove(QLatin1Char('\r'));
    QString exibidoDepois = exibidoAntes;
    exibidoDepois.insert(exibidoDepois.size() / 2, QLatin1Char('x'));
    const QString digitos = QString(UmMega, QLatin1Char('7')) + QStringLiteral(".5");

    auto& c = casos();
    c = {
        // The text functions read one value: here one value of 1 MB.
        {"ConverteMilivolts, one 1 MB value", [=] { ConverteMilivolts(digitos); }},
        {"CalculaPorcentagem, one 1 MB value", [=] { CalculaPorcentagem(digitos, QStringLiteral("1.800")); }},
        {"ExtraiLeituraAdc, label absent", [=] { ExtraiLeituraAdc(pmu7, QStringLiteral("BIST absent:"), 1); }},
        {"GradaLinha, 72 channels", [=] {
             for (const auto& [codigo, rotulo] : TabelaRotulosAdc())
                 GradaLinha(VarianteGrade::BuckLdo, QStringLiteral("IP 7"),
                            {QStringLiteral("X"), QStringLiteral("Buck0"), QString(), QStringLiteral("1.800"), codigo},
                            pmu7, 3, 1, 1);
         }},
        {"ChipTigris", [=] { Painel p; ChipTigris::CarregaDados(p, tigris, QStringLiteral("IP 8")); }},
        {"ChipChestnut", [=] { Painel p; ChipChestnut::CarregaDados(p, chestnut, QStringLiteral("IP 7")); }},
        {"ChipTristar", [=] { Painel p; ChipTristar::CarregaDados(p, pmu7, QStringLiteral("IP 7")); }},
        {"ChipAcorn", [=] { Painel p; ChipAcorn::CarregaDados(p, pmuX); }},
        {"ListaBuck", [=] { ListaBuck(buck); }},
        {"ListaBuckcheck", [=] { ListaBuckcheck(buckcheck); }},
        {"AvaliaDispositivos (I2C), the 4 devices of bus 0", [=] {
             ModuloI2C::AvaliaDispositivos({QStringLiteral("002"), QStringLiteral("005"), QStringLiteral("010"),
                                            QStringLiteral("013")},
                                           i2c, QStringLiteral("OK"), QStringLiteral("OFF"));
         }},
        {"NAND size and verdict", [=] {
             if (const auto t = ModuloNand::TextoTamanho(nand))
                 ModuloNand::ClassificaTamanho(*t);
             ModuloNand::AvaliaNand(1, nand);
         }},
        {"Battery (Organiza)", [=] { ModuloBateria::Organiza(bateria); }},
        {"AvaliaRadio", [=] { ModuloRf::AvaliaRadio(0, radio); }},
        {"AvaliaRadio, the five radios", [=] {
             for (int i = 0; i < 5; ++i)
                 ModuloRf::AvaliaRadio(i, radio);
         }},
        // A flooding answer that holds none of the radios' words: every word looked for in full.
        {"AvaliaRadio, the five radios, no word found", [=] {
             for (int i = 0; i < 5; ++i)
                 ModuloRf::AvaliaRadio(i, pmu7);
         }},
        {"for comparison: QString::contains, the five radios' words", [=] {
             for (int i = 0; i < 5; ++i)
                 for (const QString& w : ModuloRf::radio(i).sucesso)
                     pmu7.contains(w);
         }},
        {"for comparison: ProcuraTexto, the five radios' words", [=] {
             for (int i = 0; i < 5; ++i)
                 for (const QString& w : ModuloRf::radio(i).sucesso)
                     ContemTexto(pmu7, w);
         }},
        {"NAND, five calls, no word found", [=] {
             for (int i = 1; i <= 5; ++i)
                 ModuloNand::AvaliaNand(i, pmu7);
         }},
        {"NAND, five calls", [=] {
             for (int i = 1; i <= 5; ++i)
                 ModuloNand::AvaliaNand(i, nand);
         }},
        {"AvaliaIC", [=] { ModuloIC::AvaliaIC(ic); }},
        {"RAM test (Passou)", [=] { ModuloOutros::Passou(memoria); }},
        {"Auto comparator (Confere), every row of table M", [=] { AutoComparacao::Confere(vivo, gravado, fragmentos); }},
        {"Console word at a position", [=] { RegrasConsole::PalavraNaPosicao(vivo, int(vivo.size() / 2)); }},
        {"Console help prefix", [=] { RegrasConsole::AlternaPrefixoHelp(vivo); }},
        // The recording edit rule: one character typed in the middle of a 1 MB recording.
        {"Recording edit (AplicaEdicao), one character typed", [=] {
             RegrasConsole::AplicaEdicao(gravado, exibidoAntes, exibidoDepois);
         }},
        // The console history at its bound: a 1 MB answer over a full history.
        {"Console history (HistoricoComNovaResposta)", [=] {
             RegrasConsole::HistoricoComNovaResposta(vivo, vivo, RegrasTroca::LimiteResposta);
         }},
        {"Echo removal (RemoveEco), a whole answer", [=] {
             RegrasTroca::RemoveEco(vivo, QStringLiteral("device -k GasGauge -p"));
         }},
        // As the rail window reports: 40 rails graded on the answer, then the report query.
        {"Report of 40 rails graded on the answer", [=] {
             QList<LinhaRelatorio> linhas;
             const auto tabela = TabelaRotulosAdc();
             for (qsizetype i = 0; i < 40; ++i) {
                 const LinhaMaster m{QStringLiteral("%1. VDD").arg(i % 17 + 1), QStringLiteral("Buck0"), QString(),
                                     QStringLiteral("1.800"), tabela.at(i).first};
                 const LinhaGraduada g = GradaLinha(VarianteGrade::VCore, QStringLiteral("IP 7"), m, pmu7, 3, 1, 1);
                 linhas << LinhaRelatorio{m.malha, g.leitura, QStringLiteral("1.800 V"), g.porc, m.refV};
             }
             ConsultaRelatorio(linhas, 0, QStringLiteral("10/12/2026"), 1, QStringLiteral("IP 7"), QStringLiteral("Ana"));
         }},
        {"Model number (handshake)", [=] { AvaliaHandshake(rmd); }},
    };
}

void MedidaAnalisadores::analisador_data()
{
    QTest::addColumn<int>("indice");
    for (int i = 0; i < casos().size(); ++i)
        QTest::newRow(casos().at(i).nome) << i;
}

void MedidaAnalisadores::analisador()
{
    QFETCH(int, indice);
    const auto& roda = casos().at(indice).roda;
    QBENCHMARK {
        roda();
    }
}

QTEST_GUILESS_MAIN(MedidaAnalisadores)
#include "MedidaAnalisadores.moc"
