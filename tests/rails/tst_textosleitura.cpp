#include "rails/TextosLeitura.h"

#include <QLocale>
#include <QTest>

class TstTextosLeitura : public QObject {
    Q_OBJECT
private slots:
    void converteMilivolts_data();
    void converteMilivolts();
    void formataUmaDecimal_data();
    void formataUmaDecimal();
    void limitaDecimais_data();
    void limitaDecimais();
    void removeEspacos();
    void textoVolts_data();
    void textoVolts();
    void textoMiliamperes_data();
    void textoMiliamperes();
    void calculaPorcentagem_data();
    void calculaPorcentagem();
    void calculaPorcentagemFalhas_data();
    void calculaPorcentagemFalhas();
    void calculaPorcentagemNaoDependeDoLocal();
    void numerosDeMilharesDeDigitos_data();
    void numerosDeMilharesDeDigitos();
    void escreveNumero_data();
    void escreveNumero();
};

void TstTextosLeitura::converteMilivolts_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("saida");
    QTest::newRow("1 digit") << "7.5" << "0.007";
    QTest::newRow("2 digits") << "45.1" << "0.045";
    QTest::newRow("3 digits") << "812.9" << "0.812";
    QTest::newRow("4 digits, fraction dropped not rounded") << "1234.567" << "1.234";
    QTest::newRow("5 digits") << "12345.0" << "12.345";
    QTest::newRow("6 digits") << "123456.0" << "123.456";
    QTest::newRow("7 digits unchanged") << "1234567.1" << "1234567";
    QTest::newRow("negative") << "-12.9" << "-0.012";
    QTest::newRow("negative 4 digits") << "-1999.9" << "-1.999";
    QTest::newRow("zero") << "0.000" << "0.000";
    QTest::newRow("no point") << "5" << "5";
    QTest::newRow("no point negative") << "-5" << "-5";
    QTest::newRow("not a number, no point") << "timeout" << "timeout";
    QTest::newRow("nothing before point") << ".5" << "";
    QTest::newRow("empty") << "" << "";
}

void TstTextosLeitura::converteMilivolts()
{
    QFETCH(QString, entrada);
    QFETCH(QString, saida);
    QCOMPARE(ConverteMilivolts(entrada), saida);
}

void TstTextosLeitura::formataUmaDecimal_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("saida");
    QTest::newRow("comma") << "4,16" << "4.1";
    QTest::newRow("point") << "12.345" << "12.3";
    QTest::newRow("whole") << "7" << "7";
    QTest::newRow("point at end") << "12345," << "12345.";
    QTest::newRow("blank is a separator") << "4.1 %" << "4.1";
    QTest::newRow("negative") << "-0,05" << "-0.0";
}

void TstTextosLeitura::formataUmaDecimal()
{
    QFETCH(QString, entrada);
    QFETCH(QString, saida);
    QCOMPARE(FormataUmaDecimal(entrada), saida);
}

void TstTextosLeitura::limitaDecimais_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<int>("casas");
    QTest::addColumn<QString>("saida");
    QTest::newRow("2, comma") << "3,456" << 2 << "3.45";
    QTest::newRow("0 keeps the point") << "12.345" << 0 << "12.";
    QTest::newRow("-1 whole part") << "12.345" << -1 << "12";
    QTest::newRow("-0 becomes 0") << "-0.4" << -1 << "0";
    QTest::newRow("no point") << "3" << 2 << "3";
    QTest::newRow("fewer decimals kept whole") << "3.4" << 3 << "3.4";
    QTest::newRow("3") << "1,23456" << 3 << "1.234";
    QTest::newRow("-0. unchanged") << "-0,3" << 0 << "-0.";
    QTest::newRow("-0 without point") << "-0" << 2 << "0";
    QTest::newRow("negative whole") << "-12.9" << -1 << "-12";
    QTest::newRow("point first") << ".5" << -1 << "";
}

void TstTextosLeitura::limitaDecimais()
{
    QFETCH(QString, entrada);
    QFETCH(int, casas);
    QFETCH(QString, saida);
    QCOMPARE(LimitaDecimais(entrada, casas), saida);
}

void TstTextosLeitura::removeEspacos()
{
    QCOMPARE(RemoveEspacos(QStringLiteral(" mA BUCK 0 ")), QStringLiteral("mABUCK0"));
    QCOMPARE(RemoveEspacos(QStringLiteral("Buck1")), QStringLiteral("Buck1"));
}

void TstTextosLeitura::textoVolts_data()
{
    QTest::addColumn<QString>("volts");
    QTest::addColumn<int>("casas");
    QTest::addColumn<QString>("saida");
    QTest::newRow("3") << "1.234" << 3 << "1.234 V";
    QTest::newRow("2") << "1.234" << 2 << "1.23 V";
    QTest::newRow("negative 2") << "-1.234" << 2 << "-1.23 V";
    QTest::newRow("two whole digits, 1") << "12.345" << 1 << "12.3 V";
    QTest::newRow("two whole digits, 3") << "12.345" << 3 << "12.345 V";
    QTest::newRow("three whole digits, 2") << "123.456" << 2 << "123.45 V";
    QTest::newRow("zeros left") << "0.004" << 2 << "0 V";
    QTest::newRow("negative zeros left") << "-0.004" << 2 << "0 V";
    QTest::newRow("no point, whole") << "1234567" << 1 << "1234567 V";
}

void TstTextosLeitura::textoVolts()
{
    QFETCH(QString, volts);
    QFETCH(int, casas);
    QFETCH(QString, saida);
    QCOMPARE(TextoVolts(volts, casas), saida);
}

void TstTextosLeitura::textoMiliamperes_data()
{
    QTest::addColumn<QString>("impresso");
    QTest::addColumn<int>("casas");
    QTest::addColumn<QString>("saida");
    QTest::newRow("0") << "123.456" << 0 << "123 mA";
    QTest::newRow("1") << "123.456" << 1 << "123,4 mA";
    QTest::newRow("2") << "123.456" << 2 << "123,45 mA";
    QTest::newRow("3 as printed") << "160.000" << 3 << "160,000 mA";
    QTest::newRow("fewer printed, zeros") << "2.5" << 2 << "2,50 mA";
    QTest::newRow("no decimals printed") << "12" << 1 << "12,0 mA";
    QTest::newRow("negative") << "-3.75" << 1 << "-3,7 mA";
}

void TstTextosLeitura::textoMiliamperes()
{
    QFETCH(QString, impresso);
    QFETCH(int, casas);
    QFETCH(QString, saida);
    QCOMPARE(TextoMiliamperes(impresso, casas), saida);
}

void TstTextosLeitura::calculaPorcentagem_data()
{
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("referencia");
    QTest::addColumn<QString>("saida");
    QTest::newRow("4.1") << "1.250" << "1.200" << "4.1";
    QTest::newRow("-5.0") << "1.140" << "1.200" << "-5.0";
    QTest::newRow("100") << "2.400" << "1.200" << "100";
    QTest::newRow("-25") << "0.900" << "1.200" << "-25";
    QTest::newRow("d=2 fixed") << "1.202" << "1.200" << "0.2";
    QTest::newRow("equal") << "1.200" << "1.200" << "0";
    QTest::newRow("d=3 fixed") << "1.203" << "1.200" << "0.3";
    QTest::newRow("d=1 fixed") << "1.201" << "1.200" << "0.1";
    QTest::newRow("d=-1 fixed") << "1.199" << "1.200" << "-0.1";
    QTest::newRow("d=-2 fixed") << "1.198" << "1.200" << "-0.2";
    QTest::newRow("d=-3 fixed") << "1.197" << "1.200" << "-0.3";
    QTest::newRow("d=2,5 fixed") << "2,5" << "0" << "0.3";
    QTest::newRow("d=0,5 fixed") << "100,5" << "100" << "0.1";
    QTest::newRow("fixed with zero reference") << "0.003" << "0.000" << "0.3";
    QTest::newRow("0 < p < 0.1") << "10.004" << "10.000" << "0";
    QTest::newRow("-0.1 < p < 0 is no deviation") << "9.996" << "10.000" << "0";
    QTest::newRow("10") << "1.320" << "1.200" << "10";
    QTest::newRow("-10") << "1.080" << "1.200" << "-10";
    QTest::newRow("5") << "1.260" << "1.200" << "5.0";
    // A whole part of five characters or more is kept entire, without a decimal.
    QTest::newRow("12345.6 keeps its whole part") << "124.456" << "1.000" << "12345";
    QTest::newRow("-2622.5 not a bare point") << "-5045" << "200" << "-2622";
    QTest::newRow("28540.3 not a bare point") << "85.921" << "0.300" << "28540";
    QTest::newRow("-1334.5 has no room for a decimal") << "-12,345" << "1" << "-1334";
    QTest::newRow("99999900 keeps every digit") << "1000000" << "1" << "99999900";
    QTest::newRow("comma decimals") << "123,45" << "100" << "23.4";
    QTest::newRow("large negative") << "0.001" << "1.200" << "-99.9";
    QTest::newRow("surrounding blanks") << " 1.250 " << "1.200" << "4.1";
}

void TstTextosLeitura::calculaPorcentagem()
{
    QFETCH(QString, leitura);
    QFETCH(QString, referencia);
    QFETCH(QString, saida);
    const Porcentagem p = CalculaPorcentagem(leitura, referencia);
    QVERIFY(p.ok());
    QCOMPARE(p.texto, saida);
}

void TstTextosLeitura::calculaPorcentagemFalhas_data()
{
    QTest::addColumn<QString>("leitura");
    QTest::addColumn<QString>("referencia");
    QTest::addColumn<int>("falha");
    QTest::addColumn<int>("numero");
    const int zero = int(Porcentagem::Falha::DivisaoPorZero);
    const int texto = int(Porcentagem::Falha::NaoNumero);
    QTest::newRow("zero reference") << "1.250" << "0.000" << zero << 11;
    QTest::newRow("zero reference negative") << "-0.004" << "0" << zero << 11;
    QTest::newRow("no reading marker") << "*Sem Medição" << "1.200" << texto << 13;
    QTest::newRow("timeout") << "timeout" << "1.200" << texto << 13;
    QTest::newRow("empty reading") << "" << "1.200" << texto << 13;
    QTest::newRow("reference not a number") << "1.200" << "abc" << texto << 13;
    QTest::newRow("two commas") << "1,2,3" << "1" << texto << 13;
    QTest::newRow("exponent") << "1e5" << "1" << texto << 13;
    QTest::newRow("unit left in") << "1.250 V" << "1.200" << texto << 13;
}

void TstTextosLeitura::calculaPorcentagemFalhas()
{
    QFETCH(QString, leitura);
    QFETCH(QString, referencia);
    QFETCH(int, falha);
    QFETCH(int, numero);
    const Porcentagem p = CalculaPorcentagem(leitura, referencia);
    QVERIFY(!p.ok());
    QCOMPARE(int(p.falha), falha);
    QVERIFY(p.texto.isEmpty()); // never a made-up number
    QCOMPARE(p.numeroErro(), numero);
    QVERIFY(!p.descricaoErro().isEmpty());
}

void TstTextosLeitura::calculaPorcentagemNaoDependeDoLocal()
{
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString a = CalculaPorcentagem(QStringLiteral("1.250"), QStringLiteral("1.200")).texto;
    const QString b = CalculaPorcentagem(QStringLiteral("123,45"), QStringLiteral("100")).texto;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString c = CalculaPorcentagem(QStringLiteral("123,45"), QStringLiteral("100")).texto;
    QLocale::setDefault(antes);
    QCOMPARE(a, QStringLiteral("4.1"));
    QCOMPARE(b, QStringLiteral("23.4"));
    QCOMPARE(c, QStringLiteral("23.4"));
}

void TstTextosLeitura::numerosDeMilharesDeDigitos_data()
{
    // A value of thousands of digits converts as it would digit by digit, and one beyond a
    // double's range is not a number.
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("numero");
    QTest::addColumn<double>("valor");
    const auto zeros = [](qsizetype n) { return QString(n, QLatin1Char('0')); };
    QTest::newRow("leading zeros") << zeros(5000) + "12,5" << true << 12.5;
    QTest::newRow("signed, leading zeros") << "+" + zeros(3000) + "1" << true << 1.0;
    QTest::newRow("trailing zeros") << "-1,5" + zeros(5000) << true << -1.5;
    QTest::newRow("a far digit breaks a tie upwards")
        << "9007199254740993," + zeros(3000) + "1" << true << 9007199254740994.0;
    QTest::newRow("an exact tie rounds to even") << "9007199254740993," + zeros(3000) << true << 9007199254740992.0;
    QTest::newRow("309 whole digits") << "1" + zeros(308) << true << 1e308;
    QTest::newRow("401 whole digits") << "1" + zeros(400) << false << 0.0;
    QTest::newRow("5000 whole digits and a fraction") << QString(5000, '7') + ",5" << false << 0.0;
    QTest::newRow("negative, 5000 whole digits") << "-" + QString(5000, '7') << false << 0.0;
    QTest::newRow("small but a double") << "0," + zeros(300) + "1" << true << 1e-301;
    QTest::newRow("the smallest double") << "0," + zeros(323) + "5" << true << 4.9406564584124654e-324;
    QTest::newRow("below the smallest double") << "0," + zeros(5000) + "1" << false << 0.0;
    QTest::newRow("zero with thousands of decimals") << "0," + zeros(5000) << true << 0.0;
}

void TstTextosLeitura::numerosDeMilharesDeDigitos()
{
    QFETCH(QString, texto);
    QFETCH(bool, numero);
    QFETCH(double, valor);
    const std::optional<double> lido = NumeroComVirgula(texto);
    QCOMPARE(lido.has_value(), numero);
    if (numero)
        QCOMPARE(*lido, valor);
    // The percentage of such a reading is a number only when the reading is one.
    const Porcentagem p = CalculaPorcentagem(texto, QStringLiteral("1"));
    QCOMPARE(p.falha == Porcentagem::Falha::NaoNumero, !numero);
}

void TstTextosLeitura::escreveNumero_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("texto");
    QTest::newRow("15 significant digits") << 25.0 / 6.0 << "4,16666666666667";
    QTest::newRow("negative") << -1.0 / 3.0 << "-0,333333333333333";
    QTest::newRow("small, no exponent") << 1e-7 << "0,0000001";
    QTest::newRow("large, no exponent") << 1.5e17 << "150000000000000000";
    QTest::newRow("rounded to 15 digits") << 123456789.123456789 << "123456789,123457";
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("trailing zeros dropped") << 12.5 << "12,5";
    QTest::newRow("zero") << 0.0 << "0";
}

void TstTextosLeitura::escreveNumero()
{
    QFETCH(double, valor);
    QFETCH(QString, texto);
    QCOMPARE(EscreveNumero(valor), texto);
}

QTEST_GUILESS_MAIN(TstTextosLeitura)
#include "tst_textosleitura.moc"
