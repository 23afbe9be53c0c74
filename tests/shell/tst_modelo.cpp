#include "shell/Conexao.h"
#include "shell/Modelo.h"

#include <QSerialPort>
#include <QTest>

// How the regulatory number is read out of the answer and turned into a model.
class TstModelo : public QObject {
    Q_OBJECT
private slots:
    void extracao_data();
    void extracao();
    void tabela_data();
    void tabela();
    void avaliacao_data();
    void avaliacao();
    void consulta_data();
    void consulta();
    void errosDeAbertura();
};

namespace {
// The connection answer as it stands in the console: leading line break, echo + CR CR LF,
// the number + CR LF, the prompt.
const QString Eco = QStringLiteral("\r\nsyscfg print RMd#\r\r\n");
const QString Prompt = QStringLiteral("[0D1F2E3C:5A4B6C7D] :-) ");
}

void TstModelo::extracao_data()
{
    QTest::addColumn<QString>("console");
    QTest::addColumn<bool>("usavel");
    QTest::addColumn<QString>("numero");
    QTest::newRow("answer") << Eco + "A1660\r\n" + Prompt << true << "A1660";
    QTest::newRow("three characters before [ keep a CR") << Eco + "A1660\r\r\n" + Prompt << true << "A1660\r";
    QTest::newRow("no [") << Eco + "A1660\r\n" << false << "";
    QTest::newRow("[ at position 2") << "x[" + Eco << false << "";
    QTest::newRow("[ at position 3: usable, end before start") << "xy[#abcdef" << true << "";
    QTest::newRow("no # starts at position 4") << "\r\nxA1660\r\n[" << true << "A1660";
    QTest::newRow("prompt before the echo") << "\r\n[]" + Eco + "A1660\r\n" << true << "";
    QTest::newRow("long answer is read whole")
        << QString(70000, 'x') + "#\r\r\nA1901\r\n" + Prompt << true << "A1901";
}

void TstModelo::extracao()
{
    QFETCH(QString, console);
    QFETCH(bool, usavel);
    QFETCH(QString, numero);
    const NumeroExtraido n = ExtraiNumeroModelo(console);
    QCOMPARE(n.usavel, usavel);
    QCOMPARE(n.numero, numero);
}

void TstModelo::tabela_data()
{
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("modelo");
    const QList<QPair<QString, QStringList>> t = {
        {"IP 6", {"A1549", "A1586", "A1589"}},       {"IP 6 Plus", {"A1524", "A1593", "A1522"}},
        {"IP 6s", {"A1700", "A1633", "A1688"}},      {"IP 6s Plus", {"A1634", "A1687", "A1699"}},
        {"IP 7", {"A1779", "A1660", "A1778"}},       {"IP 7 Plus", {"A1784", "A1785", "A1661"}},
        {"IP 8", {"A1906", "A1863", "A1905"}},       {"IP 8 Plus", {"A1864", "A1897", "A1898"}},
        {"IP X", {"A1865", "A1901", "A1902"}},
    };
    for (const auto& [modelo, numeros] : t)
        for (const QString& n : numeros)
            QTest::newRow(qPrintable(n)) << n << modelo;
    QTest::newRow("lower case") << "a1901" << "";
    QTest::newRow("trailing CR") << "A1660\r" << "";
    QTest::newRow("blank") << " A1660" << "";
    QTest::newRow("unknown") << "A9999" << "";
    QTest::newRow("empty") << "" << "";
}

void TstModelo::tabela()
{
    QFETCH(QString, numero);
    QFETCH(QString, modelo);
    QCOMPARE(NomeDoModelo(numero), modelo);
}

void TstModelo::avaliacao_data()
{
    using Acao = AvaliacaoHandshake::Acao;
    QTest::addColumn<QString>("console");
    QTest::addColumn<int>("acao");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("modelo");
    QTest::newRow("known") << Eco + "A1865\r\n" + Prompt << int(Acao::Reconhecido) << "A1865" << "IP X";
    QTest::newRow("unknown") << Eco + "A9999\r\n" + Prompt << int(Acao::Desconhecido) << "A9999" << "";
    QTest::newRow("driver missing wins over a number")
        << Eco + "Error: SystemConfig Driver is missing!\r\n" + Prompt << int(Acao::DriverAusente) << "" << "";
    QTest::newRow("command refused")
        << Eco + "Command not found\r\n" + Prompt << int(Acao::NovaConsulta) << "Command not found" << "";
    QTest::newRow("Command anywhere asks again") << Eco + "A1660\r\nCommand\r\n" + Prompt
                                                 << int(Acao::NovaConsulta) << "A1660\r\nCommand" << "";
    QTest::newRow("not starting with A") << Eco + "B1660\r\n" + Prompt << int(Acao::NovaConsulta) << "B1660" << "";
    QTest::newRow("no prompt") << Eco + "A1660\r\n" << int(Acao::SemNumero) << "" << "";
}

void TstModelo::avaliacao()
{
    QFETCH(QString, console);
    QFETCH(int, acao);
    QFETCH(QString, numero);
    QFETCH(QString, modelo);
    const AvaliacaoHandshake a = AvaliaHandshake(console);
    QCOMPARE(int(a.acao), acao);
    QCOMPARE(a.numero, numero);
    QCOMPARE(a.modelo, modelo);
}

void TstModelo::consulta_data()
{
    using Acao = AvaliacaoConsulta::Acao;
    QTest::addColumn<QString>("console");
    QTest::addColumn<bool>("primeira");
    QTest::addColumn<int>("acao");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("modelo");
    const QString refusada = Eco + "Command not found\r\n" + Prompt;
    QTest::newRow("known") << Eco + "A1865\r\n" + Prompt << true << int(Acao::Reconhecido) << "A1865" << "IP X";
    QTest::newRow("known, second query") << Eco + "A1660\r\n" + Prompt << false << int(Acao::Reconhecido) << "A1660"
                                         << "IP 7";
    QTest::newRow("unknown") << Eco + "A9999\r\n" + Prompt << true << int(Acao::Desconhecido) << "A9999" << "";
    QTest::newRow("refused: asked once more") << refusada << true << int(Acao::Repete) << "" << "";
    QTest::newRow("refused again: not read") << refusada << false << int(Acao::Ilegivel) << "" << "";
    const QString ambas = Eco + "Command: Key Not Found\r\n" + Prompt;
    QTest::newRow("refused and not found: asked once more") << ambas << true << int(Acao::Repete) << "" << "";
    QTest::newRow("refused and not found again") << ambas << false << int(Acao::NaoEncontrado) << "" << "";
    QTest::newRow("not found") << Eco + "Key Not Found\r\n" + Prompt << true << int(Acao::NaoEncontrado) << "" << "";
    QTest::newRow("Found alone is not a number") << Eco + "Found A1660\r\n" + Prompt << true << int(Acao::Ilegivel)
                                                 << "" << "";
    QTest::newRow("20 characters are too few") << QString("\r\n#   A1660\r\n[123456") << true << int(Acao::Ilegivel)
                                               << "" << "";
    QTest::newRow("21 are enough") << QString("\r\n#   A1660\r\n[1234567") << true << int(Acao::Reconhecido)
                                   << "A1660" << "IP 7";
    QTest::newRow("no prompt") << Eco + "A1660\r\n" << true << int(Acao::Ilegivel) << "" << "";
    QTest::newRow("not starting with A") << Eco + "B1660\r\n" + Prompt << true << int(Acao::Ilegivel) << "" << "";
}

void TstModelo::consulta()
{
    QFETCH(QString, console);
    QFETCH(bool, primeira);
    QFETCH(int, acao);
    QFETCH(QString, numero);
    QFETCH(QString, modelo);
    const AvaliacaoConsulta a = AvaliaConsultaModelo(console, primeira);
    QCOMPARE(int(a.acao), acao);
    QCOMPARE(a.numero, numero);
    QCOMPARE(a.modelo, modelo);
}

void TstModelo::errosDeAbertura()
{
    QCOMPARE(ChaveErroAbertura(QSerialPort::PermissionError), QStringLiteral("MSG_PORTA_EM_USO"));
    QCOMPARE(ChaveErroAbertura(QSerialPort::DeviceNotFoundError), QStringLiteral("MSG_PORTA_INVALIDA"));
    QCOMPARE(ChaveErroAbertura(QSerialPort::UnknownError), QString());
}

QTEST_GUILESS_MAIN(TstModelo)
#include "tst_modelo.moc"
