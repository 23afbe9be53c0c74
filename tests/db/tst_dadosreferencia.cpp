#include "db/Banco.h"
#include "rails/LeituraAdc.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlRecord>
#include <QtTest>

// Consistency of the shipped reference database (the built Config.qzd): what the rail windows,
// the I2C test and the comparators expect to find in it.
class TstDadosReferencia : public QObject {
    Q_OBJECT

    Banco m_banco {QStringLiteral(PASTA_APLICACAO "/Config.qzd")};

    const QStringList m_modelos {QStringLiteral("IP 6"), QStringLiteral("IP 6 Plus"), QStringLiteral("IP 6s"),
                                 QStringLiteral("IP 6s Plus"), QStringLiteral("IP 7"), QStringLiteral("IP 7 Plus"),
                                 QStringLiteral("IP 8"), QStringLiteral("IP 8 Plus"), QStringLiteral("IP X")};

    static bool novo(const QString& m) { return m.left(4) == QLatin1String("IP 8") || m.left(4) == QLatin1String("IP X"); }

    QList<QSqlRecord> linhas(const QString& sql, const QVariantList& v = {})
    {
        const auto l = m_banco.linhas(sql, v);
        if (!m_banco.erro().isEmpty())
            qWarning() << m_banco.erro();
        return l;
    }

private slots:
    void initTestCase() { QVERIFY2(m_banco.aberto(), qPrintable(m_banco.erro())); }

    void todoModeloTemTodasAsTabelas()
    {
        for (const QString& m : m_modelos) {
            for (int tipo = 0; tipo <= 2; ++tipo)
                QVERIFY2(m_banco.valor(QStringLiteral("Select count(*) from Master where Modelo = ? and TIPO = ? and RefT <> ''"),
                                       {m, tipo}).toInt() > 0,
                         qPrintable(m + QStringLiteral(" family ") + QString::number(tipo)));
            const QStringList grupos = m.left(4) == QLatin1String("IP 6") ? QStringList {QStringLiteral("T")}
                                                                           : QStringList {QStringLiteral("I"), QStringLiteral("Q")};
            for (const QString& g : {QStringLiteral("T"), QStringLiteral("I"), QStringLiteral("Q")})
                QCOMPARE(m_banco.valor(QStringLiteral("Select count(*) from Rf Where Modelo = ? and Tipo = ?"), {m, g}).toInt() > 0,
                         grupos.contains(g));
            QVERIFY2(m_banco.valor(QStringLiteral("Select count(*) from i where Aparelho = ?"), {m}).toInt() > 0, qPrintable(m));
            for (const QString& c : {QStringLiteral("help"), QStringLiteral("pmuadc --read all"), QStringLiteral("buck"),
                                     QStringLiteral("battery --properties"), QStringLiteral("testmemory --1MB"),
                                     QStringLiteral("pmuadc --sel tigris --read all"), QStringLiteral("tristar -p")})
                QVERIFY2(m_banco.valor(QStringLiteral("Select count(*) from Dados where Aparelho = ? and Comando = ?"), {m, c}).toInt() == 1,
                         qPrintable(m + QStringLiteral(": ") + c));
        }
        QCOMPARE(m_banco.valor(QStringLiteral("Select count(*) from Master where Modelo not in (?,?,?,?,?,?,?,?,?)"),
                               QVariantList(m_modelos.begin(), m_modelos.end())).toInt(), 0);
    }

    void linhasDoMasterSeguemAsRegrasDaGradacao()
    {
        QSet<QString> codigos;
        for (const auto& par : TabelaRotulosAdc())
            codigos.insert(par.first);
        QCOMPARE(codigos.size(), 72);
        const QRegularExpression volts(QStringLiteral("^\\d+\\.\\d{3}$"));
        const QRegularExpression saida(QStringLiteral("^(Buck\\d+|LDO\\d+)$"));
        const QRegularExpression numerada(QStringLiteral("^(\\d+)\\. "));

        for (const QString& m : m_modelos) {
            QSet<QString> malhas;
            for (int tipo = 0; tipo <= 2; ++tipo) {
                const auto rows = linhas(QStringLiteral("Select * from Master where Modelo = ? and TIPO = ? order by rowid"), {m, tipo});
                QSet<QString> correntes;
                for (const QSqlRecord& r : rows)
                    if (r.value(QStringLiteral("Orig")).toString().startsWith(QLatin1String("mA ")))
                        correntes.insert(r.value(QStringLiteral("Orig")).toString().mid(3));
                int graduadas = 0, numero = 0;
                for (const QSqlRecord& r : rows) {
                    const QString orig = r.value(QStringLiteral("Orig")).toString();
                    const QString malha = r.value(QStringLiteral("Malha")).toString();
                    const QString reft = r.value(QStringLiteral("RefT")).toString();
                    const QString refv = r.value(QStringLiteral("RefV")).toString();
                    const QString onde = m + QStringLiteral(" / ") + malha;
                    QVERIFY2(!malhas.contains(malha.toUpper()), qPrintable(onde + QStringLiteral(" repeated")));
                    malhas.insert(malha.toUpper());
                    for (const char* f : {"Leitura", "Porc", "G1", "G2", "G3"})
                        QVERIFY2(r.value(QLatin1String(f)).toString().isEmpty(), qPrintable(onde));
                    QVERIFY2(codigos.contains(reft), qPrintable(onde + QStringLiteral(" RefT ") + reft));
                    QVERIFY2(!r.value(QStringLiteral("Ref")).toString().isEmpty() && !r.value(QStringLiteral("Info")).toString().isEmpty(),
                             qPrintable(onde));
                    const bool corrente = orig.startsWith(QLatin1String("mA "));
                    QCOMPARE(CanalCorrenteAdc(reft), corrente);
                    if (corrente) {
                        QVERIFY2(refv.isEmpty(), qPrintable(onde));
                        continue;
                    }
                    QVERIFY2(refv.isEmpty() || refv == QLatin1String("0") || volts.match(refv).hasMatch(),
                             qPrintable(onde + QStringLiteral(" RefV ") + refv));
                    if (!refv.isEmpty())
                        ++graduadas;
                    if (saida.match(orig).hasMatch())
                        QVERIFY2(correntes.contains(orig), qPrintable(onde + QStringLiteral(" without its mA row")));
                    if (tipo == 0) {
                        const auto n = numerada.match(malha);
                        QVERIFY2(n.hasMatch() && n.captured(1).toInt() == ++numero && numero <= 17, qPrintable(onde));
                    }
                }
                QVERIFY2(graduadas <= 20, qPrintable(m + QStringLiteral(" family ") + QString::number(tipo)));
            }
            // The rows that purple mode cannot measure, as the grading rules look for them.
            auto conta = [&](const QString& cond) {
                return m_banco.valor(QStringLiteral("Select count(*) from Master where Modelo = ? and ") + cond, {m}).toInt();
            };
            QCOMPARE(conta(QStringLiteral("TIPO = 0 and Orig = 'Buck1' and Ci like '%GPU%'")), 1);
            QCOMPARE(conta(QStringLiteral("TIPO = 2 and Orig = 'Buck1' and Ci like '%GPU%'")), 1);
            QVERIFY2(conta(QStringLiteral("TIPO <> 0 and Ci = 'CAM'")) > 0, qPrintable(m));
            QVERIFY2(conta(QStringLiteral("TIPO = 0 and Ci like '%NAND%'")) > 0, qPrintable(m));
            QVERIFY2(conta(QStringLiteral("TIPO = 0 and Ci like '%CPU%'")) > 0, qPrintable(m));
            QCOMPARE(conta(QStringLiteral("TIPO = 0 and replace(Malha, ' ', '') = 'mABUCK0'")), 1);
            QCOMPARE(conta(QStringLiteral("TIPO = 2 and replace(Orig, ' ', '') = 'mABuck0'")), 1);
        }
    }

    // The recorded answer of the reference board fits its own references: every graded voltage
    // that purple mode can measure is found and lies within 10 % of RefV.
    void placaDeReferenciaCabeNasReferencias()
    {
        for (const QString& m : m_modelos) {
            const QString resposta = m_banco.valor(QStringLiteral("Select Dados from Dados where Aparelho = ? and Comando = ?"),
                                                   {m, QStringLiteral("pmuadc --read all")}).toString();
            QVERIFY(!resposta.isEmpty());
            const auto rows = linhas(QStringLiteral("Select Malha, Orig, RefV, RefT, Ci from Master where Modelo = ? and RefT <> ''"), {m});
            for (const QSqlRecord& r : rows) {
                const QString onde = m + QStringLiteral(" / ") + r.value(0).toString();
                const LeituraAdc l = ExtraiLeituraAdc(resposta, RotuloAdc(r.value(3).toString()));
                QVERIFY2(l.encontrada(), qPrintable(onde));
                const QString orig = r.value(1).toString();
                const double refv = r.value(2).toString().toDouble();
                if (orig.startsWith(QLatin1String("mA ")) || refv == 0 || orig == QLatin1String("Buck1")
                    || orig == QLatin1String("Buck8"))
                    continue;
                QCOMPARE(l.unidade, LeituraAdc::Unidade::Volts);
                const double v = l.texto.toDouble();
                QVERIFY2(qAbs(v - refv) / refv < 0.10, qPrintable(onde + QStringLiteral(" reads ") + l.texto));
            }
        }
    }

    void dispositivosI2cPorBarramento()
    {
        const QSet<QString> tabela {
            "001", "002", "003", "004", "005", "006", "007", "008", "009", "010", "011", "012", "013", "014", "015", "016",
            "017", "101", "102", "103", "104", "105", "106", "107", "201", "202", "203", "204", "205", "206", "207", "301",
            "302", "303", "304", "305", "306", "401", "402", "403", "601", "602", "603", "604", "701", "702"};
        QCOMPARE(tabela.size(), 46);
        const QHash<QString, QString> barramentos {
            {"IP 6", "012"}, {"IP 6 Plus", "012"}, {"IP 6s", "012"}, {"IP 6s Plus", "012"}, {"IP 7", "01234"},
            {"IP 7 Plus", "0124"}, {"IP 8", "023467"}, {"IP 8 Plus", "023467"}, {"IP X", "034567"}};
        for (const QString& m : m_modelos) {
            QHash<QChar, int> porBarramento;
            for (const QSqlRecord& r : linhas(QStringLiteral("Select id from i where Aparelho = ?"), {m})) {
                const QString id = r.value(0).toString();
                QVERIFY2(tabela.contains(id), qPrintable(m + QStringLiteral(" id ") + id));
                QVERIFY2(barramentos.value(m).contains(id.at(0)), qPrintable(m + QStringLiteral(" bus of ") + id));
                ++porBarramento[id.at(0)];
            }
            for (auto it = porBarramento.cbegin(); it != porBarramento.cend(); ++it) {
                QVERIFY2(it.value() <= 5, qPrintable(m + QStringLiteral(" bus ") + it.key()));
                // The window's own query finds them by the bus prefix.
                QCOMPARE(m_banco.valor(QStringLiteral("Select count(*) from i Where Aparelho = ? and id like ?"),
                                       {m, Banco::curinga(QString(it.key()) + QLatin1Char('*'))}).toInt(),
                         it.value());
            }
        }
    }

    void respostasGravadasTemAFormaDoConsole()
    {
        for (const QSqlRecord& r : linhas(QStringLiteral("Select Aparelho, Comando, Dados from Dados"))) {
            const QString d = r.value(2).toString();
            const QString onde = r.value(0).toString() + QStringLiteral(" / ") + r.value(1).toString();
            QVERIFY2(d.startsWith(QLatin1String("\r\n\r\r\n")), qPrintable(onde));
            QVERIFY2(d.endsWith(QLatin1String("\r\n[xxxxxxxx:xxxxxxxx] :-) ")), qPrintable(onde));
            QCOMPARE(d.indexOf(QLatin1Char('[')), d.size() - 24);
            QVERIFY2(!d.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))), qPrintable(onde));
        }
        // Every mask in a recording stands for fragments listed in M, and M's markers are only
        // the three known tokens.
        QVERIFY(m_banco.valor(QStringLiteral("Select count(*) from Dados where Dados like ?"), {QStringLiteral("%xxxxx\u00AE%")}).toInt() > 0);
        for (const QSqlRecord& r : linhas(QStringLiteral("Select String from M"))) {
            QString f = r.value(0).toString();
            for (const char* t : {"'jox'", "'nas'", "'ins'"})
                f.remove(QLatin1String(t));
            QVERIFY2(!f.isEmpty() && !f.contains(QLatin1Char('\'')), qPrintable(r.value(0).toString()));
        }
    }

    void comandosEConfiguracao()
    {
        for (const QString& c : {QStringLiteral("syscfg print RMd#"), QStringLiteral("pmuadc --read all"), QStringLiteral("buck"),
                                 QStringLiteral("pmuadc --sel tigris --read all"), QStringLiteral("pmuadc --sel chestnut --read all"),
                                 QStringLiteral("nanduid"), QStringLiteral("nandsize"), QStringLiteral("nand --getinfo"),
                                 QStringLiteral("syscfg list"), QStringLiteral("battery --properties"),
                                 QStringLiteral("device  --key GasGauge -p"), QStringLiteral("testmemory --1MB"),
                                 QStringLiteral("BUTTONCNT --DQE"), QStringLiteral("Reset"), QStringLiteral("Shutdown"),
                                 QStringLiteral("tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx")})
            QVERIFY2(m_banco.valor(QStringLiteral("Select count(*) from Comandos where Comando = ? and Info <> '' and Info2 <> '' and Info3 <> ''"),
                                   {c}).toInt() == 1, qPrintable(c));
        QCOMPARE(m_banco.valor(QStringLiteral("Select count(*) from Comandos where Comando like ?"), {QStringLiteral("%'%")}).toInt(), 0);
        const auto tools = linhas(QStringLiteral("Select Idioma, syncbd, Nome from Tools"));
        QCOMPARE(tools.size(), 1);
        QCOMPARE(tools.first().value(0).toInt(), 1);
        QCOMPARE(tools.first().value(1).toString(), QStringLiteral("0"));
        QCOMPARE(tools.first().value(2).toString(), QString());
        QCOMPARE(m_banco.valor(QStringLiteral("Select count(*) from Combos")).toInt(), 1);
        QCOMPARE(m_banco.valor(QStringLiteral("Select count(*) from Ultimo")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TstDadosReferencia)
#include "tst_dadosreferencia.moc"
