#include "chips/ChipAcorn.h"
#include "chips/ChipChestnut.h"
#include "chips/ChipTigris.h"
#include "chips/ChipTristar.h"
#include "chips/LeituraChip.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/PerfilModelo.h"

#include <QUrlQuery>
#include <QtTest>

// The chip readers' rules as tables: value extraction, grades at their thresholds, and the
// report queries.
class TstLeituraChip : public QObject {
    Q_OBJECT
private:
    static QString sem() { return L(QStringLiteral("Sem Medição")); }
    // An answer holding the given lines, each ended as the console ends them.
    static QString resposta(const QStringList& linhas)
    {
        return QStringLiteral("\r\npmuadc\r\n") + linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n[0D1F] :-) ");
    }

private slots:
    void initTestCase() { DefineIdioma(1); }

    void extracao_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<bool>("regraTimeout");
        QTest::addColumn<QString>("valor");
        const QString vbus = QStringLiteral("tigris vbus :");
        QTest::newRow("millivolts to volts") << "tigris vbus : 5012.345 mV\r\n" << vbus << true << "5.012";
        QTest::newRow("milliamperes lose the last digit") << "tigris ibus : 412.125 mA\r\n"
                                                           << "tigris ibus :" << true << "412,12";
        QTest::newRow("timeout") << "tigris vbat : timeout \r\n" << "tigris vbat :" << true << "-";
        QTest::newRow("timeout rule off") << "acorn vp : timeout mV\r\n" << "acorn vp :" << false << "timeout";
        QTest::newRow("tim in three characters is a value") << "tigris vbus : tim mV\r\n" << vbus << true << "tim";
        QTest::newRow("first occurrence only") << "tigris vbus : 4369.000 mV\r\ntigris vbus : 4000.000 mV\r\n"
                                               << vbus << true << "4.369";
        QTest::newRow("label at the very start") << "BIST buck4: 1210.000 mV" << "BIST buck4:" << true << "1.210";
        QTest::newRow("missing label") << "tigris ibat : 10.00 mA\r\n" << vbus << true << "-";
        QTest::newRow("label differs in case") << "TIGRIS VBUS : 5000.000 mV\r\n" << vbus << true << "-";
        QTest::newRow("label is a prefix of a longer one") << "tigris vbus1 : 4000.000 mV\r\n"
                                                           << vbus << true << "-";
        QTest::newRow("value cut at the end of the answer") << "tigris vbus : 5012.345" << vbus << true << "-";
        QTest::newRow("label at the end") << "x tigris vbus :" << vbus << true << "-";
        QTest::newRow("negative millivolts") << "chestnut vneg : -5700.000 mV\r\n" << "chestnut vneg :" << true << "-5.700";
        QTest::newRow("degrees use the comma form") << "tigris die_temp : 32.50 C\r\n"
                                                    << "tigris die_temp :" << true << "32,5";
        QTest::newRow("no point in millivolts") << "tigris vbus : 5012 mV\r\n" << vbus << true << "5012";
        // A word stays a word, a number stays a number: nothing is cut from or converted in a
        // word, and a whole number has no decimal to drop.
        QTest::newRow("current printed as 0") << "tigris ibus : 0 mA\r\n" << "tigris ibus :" << true << "0";
        QTest::newRow("whole current keeps its digits") << "acorn ia : 125 mA\r\n" << "acorn ia :" << false << "125";
        QTest::newRow("current word") << "acorn ia : TIMEOUT_ERR mA\r\n" << "acorn ia :" << false << "TIMEOUT_ERR";
        QTest::newRow("current word with a point") << "acorn ia : ERR.0 mA\r\n" << "acorn ia :" << false << "ERR.0";
        QTest::newRow("voltage word starting with *") << "acorn vn : *787.000 mV\r\n" << "acorn vn :" << false
                                                      << "*787.000";
        QTest::newRow("empty value") << "tigris ibus :  mA\r\n" << "tigris ibus :" << true << "-";
    }
    void extracao()
    {
        QFETCH(QString, texto);
        QFETCH(QString, rotulo);
        QFETCH(bool, regraTimeout);
        QFETCH(QString, valor);
        QCOMPARE(ExtraiValorCanal(texto, rotulo, regraTimeout), valor);
    }

    void valorNumerico_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("numero");
        for (const char* s : {"1.234", "412,12", "-5.700", "0", "5012"})
            QTest::newRow(s) << QString::fromLatin1(s) << true;
        for (const char* s : {"-", "", "tim", "Error:", "1.2.3", "4,1,2", "12a"})
            QTest::newRow(s[0] ? s : "empty") << QString::fromLatin1(s) << false;
    }
    void valorNumerico()
    {
        QFETCH(QString, valor);
        QFETCH(bool, numero);
        QCOMPARE(ValorNumerico(valor), numero);
    }

    // VBUS low below +8 %, VBAT low at -10 % and below; VDD white when VBAT is low.
    void tigrisLimites_data()
    {
        QTest::addColumn<QString>("vbus");
        QTest::addColumn<QString>("vbat");
        QTest::addColumn<bool>("vbusVerde");
        QTest::addColumn<bool>("vbatVerde");
        QTest::newRow("4.369 V / 3.601 V") << "4369.000" << "3601.000" << true << true;
        QTest::newRow("4.368 V / 3.600 V") << "4368.000" << "3600.000" << false << false;
        QTest::newRow("9.000 V / 4.400 V") << "9000.000" << "4400.000" << true << true;
        QTest::newRow("message / message") << "Error:" << "busy!" << false << false;
    }
    void tigrisLimites()
    {
        QFETCH(QString, vbus);
        QFETCH(QString, vbat);
        QFETCH(bool, vbusVerde);
        QFETCH(bool, vbatVerde);
        Painel p = ChipTigris::PainelInicial(QStringLiteral("IP 7"));
        ChipTigris::LimpaLeituras(p, QStringLiteral("IP 7"));
        ChipTigris::CarregaDados(p, resposta({"tigris vbus : " + vbus + " mV", "tigris ibus : 450.25 mA",
                                              "tigris vbat : " + vbat + " mV", "tigris vdd : 3950.000 mV"}),
                                 QStringLiteral("IP 7"));
        const bool vbusNumero = ValorNumerico(ConverteMilivoltsSeguro(vbus));
        if (vbusNumero) {
            QCOMPARE(p.veredito("VBus_V"), vbusVerde ? Veredito::Passa : Veredito::Falha);
            QCOMPARE(p.visivel("Baixa1"), !vbusVerde);
        } else {
            // A device message is not measured: no reading, grey, no marker, its word shown.
            QCOMPARE(p.texto("VBus_V"), vbus + " V");
            QCOMPARE(p.veredito("VBus_V"), Veredito::SemLeitura);
            QVERIFY(!p.visivel("Baixa1"));
        }
        if (ValorNumerico(ConverteMilivoltsSeguro(vbat))) {
            QCOMPARE(p.veredito("VBat_V"), vbatVerde ? Veredito::Passa : Veredito::Falha);
            QCOMPARE(p.visivel("Baixa3"), !vbatVerde);
        } else {
            QCOMPARE(p.texto("VBat_V"), vbat + " V");
            QCOMPARE(p.veredito("VBat_V"), Veredito::SemLeitura);
            QVERIFY(!p.visivel("Baixa3"));
        }
        // VDD has no reference of its own: never shown as a pass.
        QCOMPARE(p.veredito("VDD_V"), Veredito::NaoGraduado);
        QCOMPARE(p.cor("VDD_V"), CorChip::Branco);
        QCOMPARE(p.texto("VBus_A1"), QStringLiteral("450,2 mA"));
    }

    void tigrisCanaisPorModelo()
    {
        const QString todas = resposta({"tigris vbus : 5000.000 mV", "tigris die_temp : 32.50 C",
                                        "tigris vbus1 : 4000.000 mV", "tigris vbus2 : 1000.000 mV",
                                        "tigris vldo : 4800.000 mV", "tigris vntc : 1200.000 mV"});
        Painel p7 = ChipTigris::PainelInicial("IP 7");
        ChipTigris::LimpaLeituras(p7, "IP 7");
        ChipTigris::CarregaDados(p7, todas, "IP 7");
        QCOMPARE(p7.texto("VBus_V1"), QString());
        QCOMPARE(p7.texto("lbVldo"), QString());
        QVERIFY(!p7.visivel("FrameVbusX"));
        QCOMPARE(p7.texto("lb_VBus1"), QStringLiteral("VBUS"));
        QCOMPARE(p7.texto("lbUC"), QStringLiteral("U2101"));
        QCOMPARE(p7.texto("Temp"), QStringLiteral("32.5 º"));
        // A missing current: only its own label says so.
        QCOMPARE(p7.texto("VBus_A"), sem());
        QCOMPARE(p7.texto("VBus_A1"), QString());

        Painel p8 = ChipTigris::PainelInicial("IP 8");
        ChipTigris::LimpaLeituras(p8, "IP 8");
        ChipTigris::CarregaDados(p8, todas, "IP 8");
        QVERIFY(p8.visivel("FrameVbusX"));
        QCOMPARE(p8.texto("lb_VBus1"), QStringLiteral("VBUS 1"));
        QCOMPARE(p8.texto("VBus_V1"), QStringLiteral("4.000 V"));
        QVERIFY(p8.visivel("Baixa2"));
        QCOMPARE(p8.veredito("VBus_V2"), Veredito::NaoGraduado); // no reference to compare with
        QCOMPARE(p8.texto("lbvntc"), QStringLiteral("1.200 V"));
        QCOMPARE(p8.texto("lbUC"), QStringLiteral("U3300"));

        Painel px = ChipTigris::PainelInicial("Galaxy");
        ChipTigris::LimpaLeituras(px, "Galaxy");
        ChipTigris::CarregaDados(px, todas, "Galaxy");
        QCOMPARE(px.texto("lbUC"), QString());
        QCOMPARE(px.texto("VBus_V1"), QString());
    }

    void tristarRotulos()
    {
        QStringList rotulos, malhas;
        for (int i = 1; i <= 6; ++i) {
            const auto r = ChipTristar::RotuloCanal(i, "IP 7 Plus");
            rotulos << r.rotulo;
            if (!r.malha.isEmpty())
                malhas << r.malha;
        }
        QCOMPARE(rotulos, QStringList({"BIST ldo7:", "BIST ildo7:", "BIST buck3:", "ibuck3:", "BIST ldo6:", "BIST ildo6:"}));
        QCOMPARE(malhas, QStringList({"PP3V0_TRISTAR_ANT_PROX", "PP1V8_SDRAM", "PP_ACC_VAR"}));
        QCOMPARE(ChipTristar::RotuloCanal(1, "IP 6s Plus").rotulo, QStringLiteral("BIST ldo3:"));
        QCOMPARE(ChipTristar::RotuloCanal(5, "IP 6").malha, QStringLiteral("PP3V3_ACC"));
        QCOMPARE(ChipTristar::RotuloCanal(3, "IP X").malha, QStringLiteral("PP1V8_S2"));
        QCOMPARE(ChipTristar::Componente("IP 7 Plus"), QStringLiteral("U4001"));
    }

    void tristarLimites_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("malha1");   // millivolts
        QTest::addColumn<QString>("corrente1"); // milliamperes as printed
        QTest::addColumn<QString>("malha2");
        QTest::addColumn<bool>("ok1");
        QTest::addColumn<bool>("ok2");
        QTest::addColumn<bool>("falha");
        QTest::newRow("good") << "IP 7" << "3000.000" << "45.00" << "1800.000" << true << true << false;
        QTest::newRow("3.299 V") << "IP 7" << "3299.000" << "45.00" << "1800.000" << true << true << false;
        QTest::newRow("3.300 V") << "IP 7" << "3300.000" << "45.00" << "1800.000" << false << true << true;
        QTest::newRow("2.701 V") << "IP 7" << "2701.000" << "45.00" << "1800.000" << true << true << false;
        QTest::newRow("2.700 V") << "IP 7" << "2700.000" << "45.00" << "1800.000" << false << true << true;
        QTest::newRow("rail 2 1.980 V") << "IP 7" << "3000.000" << "45.00" << "1980.000" << true << false << true;
        QTest::newRow("rail 2 1.979 V") << "IP 7" << "3000.000" << "45.00" << "1979.000" << true << true << false;
        QTest::newRow("IP 7 1683,1 mA") << "IP 7" << "3000.000" << "1683.15" << "1800.000" << false << true << true;
        QTest::newRow("IP 7 1683,0 mA") << "IP 7" << "3000.000" << "1683.05" << "1800.000" << true << true << false;
        QTest::newRow("IP 7 1700,0 mA") << "IP 7" << "3000.000" << "1700.05" << "1800.000" << false << true << true;
        QTest::newRow("IP 8 3349,9 mA") << "IP 8" << "3000.000" << "3349.95" << "1800.000" << true << true << false;
        QTest::newRow("IP 8 3350,0 mA") << "IP 8" << "3000.000" << "3350.05" << "1800.000" << false << true << true;
        QTest::newRow("current is a message") << "IP 7" << "3000.000" << "Error:" << "1800.000" << false << true << true;
    }
    void tristarLimites()
    {
        QFETCH(QString, modelo);
        QFETCH(QString, malha1);
        QFETCH(QString, corrente1);
        QFETCH(QString, malha2);
        QFETCH(bool, ok1);
        QFETCH(bool, ok2);
        QFETCH(bool, falha);
        Painel p = ChipTristar::PainelInicial();
        ChipTristar::LimpaLeituras(p);
        const auto r = [&](int i) { return ChipTristar::RotuloCanal(i, modelo).rotulo; };
        ChipTristar::CarregaDados(p, resposta({r(1) + " " + malha1 + " mV", r(2) + " " + corrente1 + " mA",
                                               r(3) + " " + malha2 + " mV", "ibuck3: 100.00 mA",
                                               r(5) + " 0.000 mV", r(6) + " 0.00 mA"}),
                                  modelo);
        QCOMPARE(p.visivel("OK(1)"), ok1);
        QCOMPARE(p.visivel("NO(1)"), !ok1);
        QCOMPARE(p.visivel("OK(2)"), ok2);
        QCOMPARE(p.visivel("NO(2)"), !ok2);
        QCOMPARE(p.corTexto("lbStatus"), falha ? CorChip::Preto : CorChip::VerdeEscuro);
        QCOMPARE(p.texto("lbStatus"), L("NORMAL"));
        // Shown after every reading, whatever the grades.
        QVERIFY(p.visivel("OK(0)") && p.visivel("OK(3)") && p.visivel("lbStatus2"));
        QCOMPARE(p.texto("Porc3"), QStringLiteral("ACC"));
    }

    // On every model: a rail voltage that was not read (missing, or a word) is marked NO, never
    // OK, and the status leaves its green "NORMAL"; the other rail still passes.
    void tristarSemLeituraPorModelo_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("malha");
        QTest::addColumn<QString>("valor"); // "" leaves the line out
        for (const PerfilModelo& m : PerfilModelo::todos()) {
            for (int malha : {1, 2}) {
                QTest::addRow("%s rail %d missing", qPrintable(m.nome), malha) << m.nome << malha << QString();
                QTest::addRow("%s rail %d word", qPrintable(m.nome), malha) << m.nome << malha << "TIMEOUT_ERR";
            }
        }
    }
    void tristarSemLeituraPorModelo()
    {
        QFETCH(QString, modelo);
        QFETCH(int, malha);
        QFETCH(QString, valor);
        const auto r = [&](int i) { return ChipTristar::RotuloCanal(i, modelo).rotulo; };
        QStringList linhas{r(2) + " 100.00 mA", "ibuck3: 100.00 mA", r(5) + " 0.000 mV", r(6) + " 0.00 mA"};
        const QString bom = malha == 1 ? r(3) + " 1800.000 mV" : r(1) + " 3000.000 mV";
        linhas << bom;
        if (!valor.isEmpty())
            linhas << (malha == 1 ? r(1) : r(3)) + " " + valor + " mV";
        Painel p = ChipTristar::PainelInicial();
        ChipTristar::LimpaLeituras(p);
        ChipTristar::CarregaDados(p, resposta(linhas), modelo);
        const int outra = 3 - malha;
        QVERIFY(p.visivel(Indice("NO", malha)));
        QVERIFY(!p.visivel(Indice("OK", malha)));
        QCOMPARE(p.veredito(QStringLiteral("Porc%1").arg(malha)), Veredito::SemLeitura);
        QCOMPARE(p.texto(QStringLiteral("Malha%1_V").arg(malha)), valor.isEmpty() ? sem() : valor + " V");
        QVERIFY(p.visivel(Indice("OK", outra)) && !p.visivel(Indice("NO", outra)));
        QVERIFY(p.corTexto("lbStatus") != CorChip::VerdeEscuro);
    }

    // On every model with a Chestnut: each graded rail that was not read is marked NO, never OK.
    void chestnutSemLeituraPorModelo_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("canal");
        QTest::addColumn<QString>("valor"); // "" leaves the line out
        for (const PerfilModelo& m : PerfilModelo::todos()) {
            if (m.nome == QLatin1String("IP X"))
                continue; // an Acorn instead
            for (int canal : {1, 2, 3, 7, 11}) {
                QTest::addRow("%s channel %d missing", qPrintable(m.nome), canal) << m.nome << canal << QString();
                QTest::addRow("%s channel %d word", qPrintable(m.nome), canal) << m.nome << canal << "TIMEOUT_ERR";
            }
        }
    }
    void chestnutSemLeituraPorModelo()
    {
        QFETCH(QString, modelo);
        QFETCH(int, canal);
        QFETCH(QString, valor);
        const QMap<int, QString> bons{{1, "5700.000"}, {2, "5700.000"}, {3, "5100.000"}, {7, "-5700.000"}, {11, "6000.000"}};
        const QMap<int, int> indicador{{1, 2}, {2, 3}, {3, 4}, {7, 1}, {11, 0}};
        QStringList linhas{"chestnut ildo1 : 0 mA"};
        for (auto it = bons.cbegin(); it != bons.cend(); ++it) {
            if (it.key() != canal)
                linhas << ChipChestnut::RotuloCanal(it.key()) + " " + it.value() + " mV";
            else if (!valor.isEmpty())
                linhas << ChipChestnut::RotuloCanal(canal) + " " + valor + " mV";
        }
        Painel p = ChipChestnut::PainelInicial();
        ChipChestnut::LimpaLeituras(p);
        QVERIFY(!ChipChestnut::CarregaDados(p, resposta(linhas), modelo)); // no automatic touch switch-on
        for (auto it = indicador.cbegin(); it != indicador.cend(); ++it) {
            const bool esta = it.key() == canal;
            QCOMPARE(p.visivel(Indice("NO", it.value())), esta);
            QCOMPARE(p.visivel(Indice("OK", it.value())), !esta);
        }
        QCOMPARE(p.texto(ChipChestnut::ControleCanal(canal)), valor.isEmpty() ? sem() : valor + " V");
        // A current printed as "0" is a number with its unit.
        QCOMPARE(p.texto("iLDO_A(1)"), QStringLiteral("0 mA"));
        const QUrlQuery uq(MontaConsulta(ChipChestnut::ParesRelatorio(p, "d", 1, modelo)));
        const QMap<int, int> linhaRelatorio{{11, 1}, {7, 2}, {1, 3}, {2, 4}, {3, 5}};
        const QString k = QString::number(linhaRelatorio.value(canal));
        QCOMPARE(uq.queryItemValue("I" + k), QStringLiteral("0"));
        QCOMPARE(uq.queryItemValue("V" + k), QStringLiteral("semleitura"));
    }

    // Currents: a word stays a word and a number keeps its unit, on every chip.
    void correntesPalavraENumero()
    {
        Painel a = ChipAcorn::PainelInicial();
        ChipAcorn::CarregaDados(a, resposta({"acorn ia : TIMEOUT_ERR mA", "acorn in : 0 mA"}));
        QCOMPARE(a.texto("AMP1"), QStringLiteral("TIMEOUT_ERR mA"));
        QCOMPARE(a.texto("AMP2"), QStringLiteral("0 mA"));
        Painel t = ChipTigris::PainelInicial("IP 8");
        ChipTigris::CarregaDados(t, resposta({"tigris ibus : 0 mA", "tigris ibat : TIMEOUT_ERR mA"}), "IP 8");
        QCOMPARE(t.texto("VBus_A"), QStringLiteral("0 mA"));
        QCOMPARE(t.texto("VBus_A2"), QStringLiteral("0 mA"));
        QCOMPARE(t.texto("VBat_A"), QStringLiteral("TIMEOUT_ERR mA"));
        Painel r = ChipTristar::PainelInicial();
        ChipTristar::CarregaDados(r, resposta({"ibuck3: TIMEOUT_ERR mA", "BIST ildo6: 0 mA"}), "IP 8");
        QCOMPARE(r.texto("Malha2_A"), QStringLiteral("TIMEOUT_ERR mA"));
        QCOMPARE(r.texto("Malha3_A"), QStringLiteral("0 mA"));
    }

    // A deviation under a tenth of a percent below the reference is "0 %", never "-0.0 %".
    void zeroNegativo()
    {
        Painel p = ChipAcorn::PainelInicial();
        ChipAcorn::CarregaDados(p, resposta({"acorn vp : 9996.000 mV"}));
        QCOMPARE(p.texto("P3"), QStringLiteral("0 %"));
        QVERIFY(p.visivel("OK(3)"));
        Painel c = ChipChestnut::PainelInicial();
        ChipChestnut::CarregaDados(c, resposta({"chestnut vboost : 5996.000 mV"}), "IP 8");
        QCOMPARE(c.texto("Porc5"), QStringLiteral("0 %"));
    }

    void tristarSemValores()
    {
        Painel p = ChipTristar::PainelInicial();
        ChipTristar::LimpaLeituras(p);
        ChipTristar::CarregaDados(p, resposta({"BIST ldo3: 3000.000 mV"}), "IP 6");
        // Missing current: "-" with its unit, an over-current.
        QCOMPARE(p.texto("Malha1_A"), QStringLiteral("- mA"));
        QVERIFY(p.visivel("NO(1)") && !p.visivel("OK(1)"));
        QCOMPARE(p.corTexto("lbStatus"), CorChip::Preto);
        // Missing rail 2 voltage: no reading (grey tint), marked NO, never OK.
        QCOMPARE(p.texto("Malha2_V"), sem());
        QCOMPARE(p.texto("Porc2"), QString());
        QVERIFY(p.visivel("NO(2)") && !p.visivel("OK(2)"));
        QCOMPARE(p.veredito("Porc2"), Veredito::SemLeitura);
        QCOMPARE(p.texto("Malha3_V"), QStringLiteral("- V"));
        QCOMPARE(p.texto("lbNomeMalha1"), QStringLiteral("PP3V0_TRISTAR"));
        QCOMPARE(p.texto("lbUC"), QStringLiteral("U1700"));
    }

    void chestnutGraus_data()
    {
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("milivolts");
        QTest::addColumn<QString>("porc");     // Porc<n> control
        QTest::addColumn<int>("indicador");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("ok"); // false: a fail, or no reading when the text is empty
        QTest::addColumn<bool>("toque");
        QTest::newRow("vneg -6.270 V") << "chestnut vneg :" << "-6270.000" << "Porc4" << 1 << "10 %" << false << false;
        QTest::newRow("vneg -5.700 V") << "chestnut vneg :" << "-5700.000" << "Porc4" << 1 << "0 %" << true << false;
        QTest::newRow("touch 4.590 V") << "chestnut vldo3 :" << "4590.000" << "Porc3" << 4 << "-10 %" << false << true;
        QTest::newRow("touch 5.100 V") << "chestnut vldo3 :" << "5100.000" << "Porc3" << 4 << "0 %" << true << false;
        QTest::newRow("touch message") << "chestnut vldo3 :" << "busy" << "Porc3" << 4 << "" << false << false;
        QTest::newRow("boost 6.599 V") << "chestnut vboost :" << "6599.000" << "Porc5" << 0 << "9.9 %" << true << false;
    }
    void chestnutGraus()
    {
        QFETCH(QString, rotulo);
        QFETCH(QString, milivolts);
        QFETCH(QString, porc);
        QFETCH(int, indicador);
        QFETCH(QString, texto);
        QFETCH(bool, ok);
        QFETCH(bool, toque);
        Painel p = ChipChestnut::PainelInicial();
        ChipChestnut::LimpaLeituras(p);
        const bool foraDaFaixa = ChipChestnut::CarregaDados(p, resposta({rotulo + " " + milivolts + " mV"}), "IP 7");
        QCOMPARE(foraDaFaixa, toque);
        QCOMPARE(p.texto(porc), texto);
        const Veredito v = ok ? Veredito::Passa : texto.isEmpty() ? Veredito::SemLeitura : Veredito::Falha;
        QCOMPARE(p.veredito(porc), v);
        QCOMPARE(p.cor(porc), CorVbVeredito(v));
        QCOMPARE(p.visivel(Indice("OK", indicador)), ok);
        // A rail without a reading is marked NO as well: it never looks as if it passed.
        QCOMPARE(p.visivel(Indice("NO", indicador)), !ok);
        QVERIFY(p.visivel("btTouch"));
        QCOMPARE(p.texto("iLDO_A(1)"), QStringLiteral("- mA"));
        QCOMPARE(p.texto("lbUC"), QStringLiteral("U3703"));
    }

    void chestnutRelatorio()
    {
        Painel p = ChipChestnut::PainelInicial();
        ChipChestnut::LimpaLeituras(p);
        ChipChestnut::CarregaDados(p, resposta({"chestnut vldo1 : 5700.000 mV", "chestnut vldo2 : 5700.000 mV",
                                                "chestnut vldo3 : 5100.000 mV", "chestnut ildo1 : 12.50 mA",
                                                "chestnut vneg : -5700.000 mV", "chestnut ineg : 15.00 mA",
                                                "chestnut vin : 3800.000 mV", "chestnut vboost : 6000.000 mV"}),
                                   "IP 8 Plus");
        const QString q = MontaConsulta(ChipChestnut::ParesRelatorio(p, "10/12/2026", 2, "IP 8 Plus"));
        QVERIFY2(q.startsWith("M1=PP6V0_DISPLAY_BOOST&L1=6.000%20V&R1=6.0%20V&P1=0%20%25&I1=1&V1=passa&M2=PN%20-5V7_DISPLAY_MESON_AVDDN"
                              "&L2=-5.700%20V%20%20%20%2815%2C0%20mA%29&R2=-5.7%20V"),
                 qPrintable(q));
        const QUrlQuery uq(q);
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(uq.queryItemValue(QStringLiteral("I%1").arg(k)), QStringLiteral("1"));
        // The input rail has no reference: nothing is compared.
        QCOMPARE(uq.queryItemValue("V5"), QStringLiteral("passa"));
        QCOMPARE(uq.queryItemValue("V6"), QStringLiteral("naograduado"));
        QCOMPARE(uq.queryItemValue("L3", QUrl::FullyDecoded), QStringLiteral("5.700 V   (12,5 mA)"));
        QCOMPARE(uq.queryItemValue("L4", QUrl::FullyDecoded), QStringLiteral("5.700 V   (- mA)"));
        QCOMPARE(uq.queryItemValue("R6"), QStringLiteral("-"));
        QCOMPARE(uq.queryItemValue("MODELO", QUrl::FullyDecoded), QStringLiteral("IP 8 Plus"));
        QCOMPARE(uq.queryItemValue("IDIOMA"), QStringLiteral("2"));
        QVERIFY(q.endsWith("&DATA=10%2F12%2F2026&IDIOMA=2&MODELO=IP%208%20Plus"));
    }

    void acornIndicadorGeral_data()
    {
        QTest::addColumn<QStringList>("ajustes");
        QTest::addColumn<bool>("ok11");
        QTest::addColumn<QList<int>>("nos");
        QTest::addColumn<QList<int>>("semLeitura"); // graded rails without a reading: no OK
        QTest::newRow("all within range") << QStringList() << true << QList<int>() << QList<int>();
        QTest::newRow("buck4 1.210 V") << QStringList({"BIST buck4: 1210.000 mV"}) << false << QList<int>({9, 11}) << QList<int>();
        QTest::newRow("vn -7.370 V") << QStringList({"acorn vn : -7370.000 mV"}) << false << QList<int>({4, 11}) << QList<int>();
        QTest::newRow("buck4 1.209 V") << QStringList({"BIST buck4: 1209.000 mV"}) << true << QList<int>() << QList<int>();
        // A graded rail without a reading is marked NO and keeps the chip from passing.
        QTest::newRow("vp missing") << QStringList({"acorn vp : "}) << false << QList<int>({3}) << QList<int>({3});
        QTest::newRow("va timeout word") << QStringList({"acorn va : timeout mV"}) << false << QList<int>({7}) << QList<int>({7});
        QTest::newRow("buck3_sw2 TIMEOUT_ERR") << QStringList({"BIST buck3_sw2: TIMEOUT_ERR mV"}) << false
                                               << QList<int>({10}) << QList<int>({10});
    }
    void acornIndicadorGeral()
    {
        QFETCH(QStringList, ajustes);
        QFETCH(bool, ok11);
        QFETCH(QList<int>, nos);
        QFETCH(QList<int>, semLeitura);
        QStringList linhas;
        const char* bons[][2] = {{"acorn ground :", "0.000"}, {"acorn vin :", "3800.000"}, {"acorn vb :", "5100.000"},
                                 {"acorn vp :", "10000.000"}, {"acorn vn :", "-6700.000"}, {"acorn vh :", "5250.000"},
                                 {"acorn vl :", "2000.000"}, {"acorn va :", "3500.000"}, {"acorn vc :", "1100.000"},
                                 {"BIST buck4:", "1100.000"}, {"BIST buck3_sw2:", "1800.000"}};
        for (const auto& b : bons) {
            const QString rotulo = QString::fromLatin1(b[0]);
            bool ajustado = false;
            for (const QString& a : ajustes)
                if (a.startsWith(rotulo + " ")) {
                    if (a.size() > rotulo.size() + 1)
                        linhas << a; // an empty adjustment removes the line
                    ajustado = true;
                }
            if (!ajustado)
                linhas << rotulo + " " + QString::fromLatin1(b[1]) + " mV";
        }
        linhas << "acorn die_temp : 31.25 C" << "acorn ia : 12.50 mA";
        Painel p = ChipAcorn::PainelInicial();
        ChipAcorn::CarregaDados(p, resposta(linhas));
        QCOMPARE(p.visivel("OK(11)"), ok11);
        for (int i = 0; i <= 11; ++i) {
            if (i == 1)
                continue;
            QCOMPARE(p.visivel(Indice("NO", i)), nos.contains(i));
            if (i <= 10)
                QCOMPARE(p.visivel(Indice("OK", i)), !nos.contains(i) && !semLeitura.contains(i));
        }
        for (int i : semLeitura)
            QCOMPARE(p.veredito(QStringLiteral("P%1").arg(i)), Veredito::SemLeitura);
        QCOMPARE(p.texto("Temp"), QStringLiteral("31.2 º"));
        QCOMPARE(p.texto("AMP2"), sem());
        QVERIFY(p.visivel("lbStatus2"));
        if (nos.contains(9))
            QCOMPARE(p.veredito("P9"), Veredito::Falha);
        // A timeout word keeps its text and unit but is not graded.
        if (semLeitura.contains(7)) {
            QCOMPARE(p.texto("M7"), QStringLiteral("timeout V"));
            QCOMPARE(p.texto("P7"), QStringLiteral("0 %"));
        }
        if (semLeitura.contains(3))
            QCOMPARE(p.texto("M3"), sem());
    }

    void acornNovaLeituraLimpa()
    {
        Painel p = ChipAcorn::PainelInicial();
        ChipAcorn::CarregaDados(p, resposta({"BIST buck4: 1210.000 mV"}));
        QVERIFY(p.visivel("NO(11)") && p.visivel("NO(9)"));
        ChipAcorn::LimpaLeituras(p);
        for (int i = 0; i <= 11; ++i) {
            QVERIFY(!p.visivel(Indice("OK", i)));
            if (i != 1)
                QVERIFY(!p.visivel(Indice("NO", i)));
        }
        QCOMPARE(p.texto("P9"), QStringLiteral("0 %"));
        QCOMPARE(p.cor("P9"), CorChip::Branco);
    }

    void acornRelatorio()
    {
        Painel p = ChipAcorn::PainelInicial();
        ChipAcorn::CarregaDados(p, resposta({"acorn vc : 1100.000 mV", "BIST buck4: 1210.000 mV", "acorn vl : 2000.000 mV"}));
        const auto pares = ChipAcorn::ParesRelatorio(p, "10/12/2026", 1, "IP X");
        const QUrlQuery uq(MontaConsulta(pares));
        QCOMPARE(uq.queryItemValue("M1"), QStringLiteral("PP1V1_RACER"));
        QCOMPARE(uq.queryItemValue("L1", QUrl::FullyDecoded), QStringLiteral("1.100 V"));
        QCOMPARE(uq.queryItemValue("I1"), QStringLiteral("1"));
        QCOMPARE(uq.queryItemValue("M7"), QStringLiteral("PP1V1_S2"));
        QCOMPARE(uq.queryItemValue("P7", QUrl::FullyDecoded), QStringLiteral("10 %"));
        QCOMPARE(uq.queryItemValue("I7"), QStringLiteral("0"));
        QCOMPARE(uq.queryItemValue("V7"), QStringLiteral("falha"));
        for (int k = 8; k <= 11; ++k) {
            QCOMPARE(uq.queryItemValue(QStringLiteral("R%1").arg(k)), QStringLiteral("-"));
            QCOMPARE(uq.queryItemValue(QStringLiteral("P%1").arg(k)), QStringLiteral("-"));
            QCOMPARE(uq.queryItemValue(QStringLiteral("I%1").arg(k)), QStringLiteral("3"));
            QCOMPARE(uq.queryItemValue(QStringLiteral("V%1").arg(k)), QStringLiteral("naograduado"));
        }
        QCOMPARE(uq.queryItemValue("M8"), QStringLiteral("PP_CP1_OUT_ACORN"));
        QCOMPARE(uq.queryItemValue("L8", QUrl::FullyDecoded), QStringLiteral("2.000 V"));
        QCOMPARE(uq.queryItemValue("M11"), QStringLiteral("PP_VDD_MAIN"));
        QCOMPARE(pares.size(), 11 * 6 + 3);
    }

    void enderecoRelatorio()
    {
        const QString pasta = QStringLiteral("/opt/vexador tarrim");
        QCOMPARE(EnderecoRelatorioChip(pasta, "chest", "M1=a%20b", ""),
                 QStringLiteral("file:///opt/vexador%20tarrim/relatorio/chest.html?M1=a%20b"));
        QCOMPARE(EnderecoRelatorioChip(pasta, "acorn", "M1=x", "relatorios.exemplo.com"),
                 QStringLiteral("https://relatorios.exemplo.com/relatorio/acorn.php?M1=x"));
        // A name cannot break out of its value.
        QCOMPARE(MontaConsulta({{"EMP", "Ana & Filhos #1 100%"}}),
                 QStringLiteral("EMP=Ana%20%26%20Filhos%20%231%20100%25"));
        QCOMPARE(MontaConsulta({{"EMP", "Trueman False"}}), QStringLiteral("EMP=Trueman%20False"));
    }

private:
    static QString ConverteMilivoltsSeguro(const QString& mv)
    {
        return ExtraiValorCanal(QStringLiteral("x : ") + mv + QStringLiteral(" mV\r\n"), QStringLiteral("x :"));
    }
};

QTEST_GUILESS_MAIN(TstLeituraChip)
#include "tst_leiturachip.moc"
