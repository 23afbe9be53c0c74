// The bench board: what it answers, read back through the console's own rules, and what
// each fault switch does to the line.
#include "apoio/Bancada.h"
#include "boardtests/BateriaLeitura.h"
#include "boardtests/I2c.h"
#include "boardtests/Nand.h"
#include "chips/ChipAcorn.h"
#include "chips/ChipChestnut.h"
#include "chips/LeituraChip.h"
#include "chips/ChipTigris.h"
#include "chips/ChipTristar.h"
#include "db/Banco.h"
#include "rails/LeituraAdc.h"
#include "rails/TextosLeitura.h"
#include "shell/Modelo.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Prompt = QStringLiteral("] :-) ");

// The console's side of the line, read raw.
class Terminal {
public:
    bool abre(const QString& dispositivo)
    {
        m_porta.setPortName(dispositivo);
        return m_porta.open(QIODevice::ReadWrite);
    }
    void envia(const QByteArray& comando)
    {
        m_porta.write(comando + '\r');
        m_porta.waitForBytesWritten(1000);
    }
    // Everything that arrives within ms, or until `fim` has arrived.
    QByteArray le(int ms, const QByteArray& fim = QByteArray())
    {
        QByteArray r;
        QDeadlineTimer prazo(ms);
        while (!prazo.hasExpired() && (fim.isEmpty() || !r.contains(fim))) {
            if (m_porta.waitForReadyRead(std::max<qint64>(1, std::min<qint64>(50, prazo.remainingTime()))))
                r += m_porta.readAll();
            if (m_porta.error() == QSerialPort::ResourceError)
                break;
        }
        return r;
    }
    QByteArray troca(const QByteArray& comando, int ms = 5000)
    {
        envia(comando);
        return le(ms, Prompt.toUtf8());
    }
    QSerialPort& porta() { return m_porta; }

private:
    QSerialPort m_porta;
};

// What the console holds after an exchange: a leading line break and every LF as CR LF.
QString console(const QByteArray& bruto)
{
    return QStringLiteral("\r\n") + QString::fromUtf8(bruto).replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

QString semEco(QString r, const QString& comando)
{
    return r.remove(comando);
}

const QString Banco_ = QStringLiteral(PASTA_APLICACAO "/Config.qzd");

} // namespace

class TstBancada : public QObject {
    Q_OBJECT
private slots:
    // A good board of each model: identified, every graded rail at its reference, every chip
    // reader green, every expected I2C device present, the NAND class and the battery read.
    void placaBoaDeCadaModelo_data()
    {
        QTest::addColumn<QString>("modelo");
        for (const char* m : {"IP 6", "IP 6 Plus", "IP 6s", "IP 6s Plus", "IP 7", "IP 7 Plus", "IP 8", "IP 8 Plus", "IP X"})
            QTest::newRow(m) << QString(m);
    }
    void placaBoaDeCadaModelo()
    {
        QFETCH(QString, modelo);
        Bancada b;
        QVERIFY(b.inicia({"--modelo", modelo}, 0));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));

        const AvaliacaoHandshake h = AvaliaHandshake(console(t.troca("syscfg print RMd#")));
        QCOMPARE(int(h.acao), int(AvaliacaoHandshake::Acao::Reconhecido));
        QCOMPARE(h.modelo, modelo);

        const QString pmu = console(t.troca("pmuadc --read all"));
        Banco banco(Banco_);
        const auto linhas = banco.linhas("SELECT RefT, RefV, Malha FROM Master WHERE Modelo = ? AND RefT <> '' "
                                         "AND RefV <> '' AND RefV <> '0'", {modelo});
        QVERIFY2(!linhas.isEmpty(), "no graded rails in the reference data");
        for (const QSqlRecord& r : linhas) {
            const LeituraAdc l = ExtraiLeituraAdc(pmu, RotuloAdc(r.value(0).toString()));
            QVERIFY2(l.encontrada(), qPrintable(r.value(2).toString()));
            QCOMPARE(CalculaPorcentagem(l.texto, r.value(1).toString()).texto, QString("0"));
        }

        Painel tristar = ChipTristar::PainelInicial();
        ChipTristar::LimpaLeituras(tristar);
        ChipTristar::CarregaDados(tristar, pmu, modelo);
        QCOMPARE(tristar.corTexto("lbStatus"), CorChip::VerdeEscuro);
        QVERIFY(!tristar.visivel("NO(1)") && !tristar.visivel("NO(2)"));

        const QString tigris = semEco(console(t.troca(ChipTigris::Comando.toUtf8())), ChipTigris::Comando);
        Painel pt = ChipTigris::PainelInicial(modelo);
        ChipTigris::LimpaLeituras(pt, modelo);
        ChipTigris::CarregaDados(pt, tigris, modelo);
        for (int i = 1; i <= ChipTigris::NumeroCanais(modelo); ++i)
            QVERIFY2(ExtraiValorCanal(tigris, ChipTigris::RotuloCanal(i)) != NaoMedido, qPrintable(ChipTigris::RotuloCanal(i)));
        QVERIFY(!pt.visivel("Baixa1") && !pt.visivel("Baixa2") && !pt.visivel("Baixa3"));

        if (modelo == "IP X") {
            Painel pa = ChipAcorn::PainelInicial();
            ChipAcorn::LimpaLeituras(pa);
            ChipAcorn::CarregaDados(pa, pmu);
            QVERIFY(pa.visivel("OK(11)"));
            QVERIFY(!pa.visivel("NO(11)"));
        } else {
            const QString ch = semEco(console(t.troca(ChipChestnut::Comando.toUtf8())), ChipChestnut::Comando);
            Painel pc = ChipChestnut::PainelInicial();
            ChipChestnut::LimpaLeituras(pc);
            ChipChestnut::CarregaDados(pc, ch, modelo);
            for (int k = 0; k <= 4; ++k)
                QVERIFY2(pc.visivel(Indice("OK", k)) && !pc.visivel(Indice("NO", k)), qPrintable(Indice("NO", k)));
        }

        const ModuloI2C::Botoes botoes = ModuloI2C::BotoesDoModelo(modelo);
        for (int bus = 0; bus < ModuloI2C::NumeroBarramentos; ++bus) {
            if (!botoes.visivel[bus] || !botoes.habilitado[bus])
                continue;
            const QString cmd = QString("i2c -s %1").arg(bus);
            const QString r = semEco(console(t.troca(cmd.toUtf8())), cmd);
            const auto ids = ModuloI2C::DispositivosEsperados(Banco_, modelo, bus);
            QVERIFY(ids.has_value());
            for (const ModuloI2C::Dispositivo& d : ModuloI2C::AvaliaDispositivos(*ids, r, "OK", "OFF"))
                QVERIFY2(d.presente, qPrintable(cmd + " " + d.id));
        }

        const QString nand = semEco(console(t.troca("nandsize")), "nandsize");
        const auto tamanho = ModuloNand::TextoTamanho(nand);
        QVERIFY(tamanho.has_value());
        const auto classe = ModuloNand::ClassificaTamanho(*tamanho);
        QVERIFY(classe.has_value());
        QVERIFY2(!classe->contains("APROX"), qPrintable(*classe));
        QCOMPARE(int(ModuloNand::AvaliaNand(1, nand).tipo), int(ModuloNand::Veredicto::Tipo::Ok));

        const QString gas = console(t.troca("device  --key GasGauge -p"));
        QCOMPARE(ModuloBateria::ExtraiPropriedade(gas, "cycle-count:"), QString("128 "));
        QCOMPARE(ModuloBateria::ExtraiPropriedade(gas, "temperature:"), QString("29.5C "));
        QCOMPARE(ModuloBateria::CalculaSaude(gas), QString("95 %"));
    }

    // The exact bytes the console sent reach the record: each command and one CR.
    void registraCadaByteRecebido()
    {
        Bancada b;
        QVERIFY(b.inicia({}, 4));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        t.troca("syscfg print RMd#");
        t.troca("buck");
        QCOMPARE(b.registro(), QByteArray("syscfg print RMd#\rbuck\r"));
        QVERIFY(QFileInfo(b.link()).isSymLink());
        b.para();
        QVERIFY(!QFileInfo(b.link()).exists() && !QFileInfo(b.link()).isSymLink());
    }

    void comandoDesconhecido()
    {
        Bancada b;
        QVERIFY(b.inicia({}, 0));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        const QByteArray r = t.troca("xyzzy --now");
        QVERIFY(r.startsWith("xyzzy --now\r\n"));
        QVERIFY(r.contains("Command"));
        QVERIFY(r.endsWith(Prompt.toUtf8()));
    }

    // The faults that change one answer, each read through the rule it aims at.
    void falhasDeResposta_data()
    {
        QTest::addColumn<QStringList>("opcoes");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("rotulo");   // channel to read, "" for none
        QTest::addColumn<QString>("esperado"); // the reading, or a text the answer contains
        QTest::newRow("driver missing") << QStringList{"--sem-driver"} << "syscfg print RMd#" << ""
                                        << "SystemConfig Driver is missing!";
        QTest::newRow("rail off by 12 %") << QStringList{"--desvio", "RefT=3=12"} << "pmuadc --read all"
                                          << "BIST buck3:" << "12";
        QTest::newRow("rail off by -15 %") << QStringList{"--desvio", "BIST buck3:=-15"} << "pmuadc --read all"
                                           << "BIST buck3:" << "-15";
        QTest::newRow("channel missing") << QStringList{"--sem-canal", "tigris vbat :"}
                                         << "pmuadc --sel tigris --read all" << "tigris vbat :" << "-";
        QTest::newRow("timeout word") << QStringList{"--timeout", "tigris vbat :"}
                                      << "pmuadc --sel tigris --read all" << "tigris vbat :" << "-";
        QTest::newRow("given value") << QStringList{"--valor", "tigris vbat :=3600.000"}
                                     << "pmuadc --sel tigris --read all" << "tigris vbat :" << "3.600";
    }
    void falhasDeResposta()
    {
        QFETCH(QStringList, opcoes);
        QFETCH(QString, comando);
        QFETCH(QString, rotulo);
        QFETCH(QString, esperado);
        Bancada b;
        QVERIFY(b.inicia(opcoes, 0));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        const QString r = semEco(console(t.troca(comando.toUtf8())), comando);
        QVERIFY(r.endsWith(Prompt));
        if (rotulo.isEmpty())
            QVERIFY2(r.contains(esperado), qPrintable(r));
        else if (rotulo.startsWith("BIST"))
            QCOMPARE(CalculaPorcentagem(ExtraiLeituraAdc(r, rotulo).texto, "1.800").texto, esperado);
        else
            QCOMPARE(ExtraiValorCanal(r, rotulo), esperado);
        if (opcoes.first() == "--sem-canal")
            QVERIFY(!r.contains(rotulo) && r.contains("tigris vbus :"));
        if (opcoes.first() == "--timeout")
            QVERIFY(r.contains(rotulo + " timeout "));
    }

    // Unknown number, and "Command" on the first model query only.
    void consultasDeModelo()
    {
        Bancada desconhecida;
        QVERIFY(desconhecida.inicia({"--rmd", "A9999"}, 0));
        Terminal t1;
        QVERIFY(t1.abre(desconhecida.dispositivo()));
        const AvaliacaoHandshake h = AvaliaHandshake(console(t1.troca("syscfg print RMd#")));
        QCOMPARE(int(h.acao), int(AvaliacaoHandshake::Acao::Desconhecido));
        QCOMPARE(h.numero, QString("A9999"));

        Bancada recusa;
        QVERIFY(recusa.inicia({"--recusa-primeira", "--modelo", "IP X"}, 0));
        Terminal t2;
        QVERIFY(t2.abre(recusa.dispositivo()));
        QCOMPARE(int(AvaliaHandshake(console(t2.troca("syscfg print RMd#"))).acao),
                 int(AvaliacaoHandshake::Acao::NovaConsulta));
        const AvaliacaoHandshake segunda = AvaliaHandshake(console(t2.troca("syscfg print RMd#")));
        QCOMPARE(int(segunda.acao), int(AvaliacaoHandshake::Acao::Reconhecido));
        QCOMPARE(segunda.modelo, QString("IP X"));
    }

    void caixaMuda()
    {
        Bancada b;
        QVERIFY(b.inicia({"--mudo"}, 0));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        t.envia("syscfg print RMd#");
        QCOMPARE(t.le(800), QByteArray());
        QVERIFY(b.esperaRegistro("syscfg print RMd#\r"));
    }

    void respostaSemPrompt()
    {
        Bancada b;
        QVERIFY(b.inicia({"--sem-prompt"}, 0));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        t.envia("syscfg print RMd#");
        const QByteArray r = t.le(800);
        QCOMPARE(r, QByteArray("syscfg print RMd#\r\nA1660\n"));
    }

    void respostaLentaEmPedacos()
    {
        Bancada b;
        QVERIFY(b.inicia({"--lento", "150", "--pedaco", "8"}, 0));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        t.envia("syscfg print RMd#");
        const QByteArray inicio = t.le(100);
        QVERIFY2(inicio.size() <= 8, inicio.constData());
        const QByteArray tudo = inicio + t.le(8000, "] :-) ");
        QCOMPARE(tudo, QByteArray("syscfg print RMd#\r\nA1660\n[0D1F2E3C:5A4B6C7D] :-) "));
    }

    void respostaSemFim()
    {
        Bancada b;
        QVERIFY(b.inicia({"--sem-fim"}, 0));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        t.envia("pmuadc --read all");
        const QByteArray primeira = t.le(1000);
        const QByteArray segunda = t.le(500);
        QVERIFY(primeira.startsWith("pmuadc --read all\r\n"));
        QVERIFY(!segunda.isEmpty());
        QVERIFY(!(primeira + segunda).contains(":-)"));
    }

    void bytesQueNaoSaoTexto()
    {
        Bancada b;
        QVERIFY(b.inicia({"--lixo"}, 0));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        const QByteArray r = t.troca("syscfg print RMd#");
        QVERIFY(r.contains('\0'));
        QVERIFY(r.contains('\xff'));
        QVERIFY(r.contains("A1660\n"));
        QVERIFY(r.endsWith("] :-) "));
    }

    // The line vanishes half-way through the second answer, then comes back as the same COM.
    void linhaSomeEVolta()
    {
        Bancada b;
        QVERIFY(b.inicia({"--queda", "2", "--volta-apos", "2"}, 7));
        const QString primeiro = b.dispositivo();
        {
            Terminal t;
            QVERIFY(t.abre(primeiro));
            QVERIFY(t.troca("syscfg print RMd#").endsWith("] :-) "));
            t.envia("pmuadc --read all");
            QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo(b.link()).isSymLink(), 1800);
            const QByteArray metade = t.porta().readAll();
            QVERIFY(metade.startsWith("pmuadc --read all\r\n"));
            QVERIFY(metade.contains("BIST buck0:"));
            QVERIFY(!metade.contains(":-)"));
        }
        QVERIFY(b.esperaNovoDispositivo(5000));
        QTRY_VERIFY(QFileInfo(b.link()).isSymLink());
        QCOMPARE(QFileInfo(b.link()).symLinkTarget(), b.dispositivo());
        Terminal t2;
        QVERIFY(t2.abre(b.dispositivo()));
        QVERIFY(t2.troca("pmuadc --read all").endsWith("] :-) "));
    }

    // Long commands take their time unless --rapido.
    void comandoLongoDemora()
    {
        Bancada b;
        QVERIFY(b.inicia({}, 0, false));
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        t.envia("testmemory --1MB");
        const QByteArray r = t.le(1200);
        QVERIFY(r.size() > 100);
        QVERIFY(!r.contains(":-)"));
    }

    void perfilDaPlaca()
    {
        QTemporaryDir pasta;
        QFile perfil(pasta.filePath("placa.txt"));
        QVERIFY(perfil.open(QIODevice::WriteOnly));
        perfil.write("# weak battery\n"
                     "valor tigris vbat : = 3500.000\n"
                     "sem tigris ibus :\n"
                     "tempo tigris vdd : = TIMEOUT_ERR\n"
                     "desvio 3 = 10\n"
                     "resposta nandsize = NAND Size (Passed): 0x3B9ACA00\\n\n");
        perfil.close();
        Bancada b;
        // A misspelt channel would leave the board good without a word: it is named.
        QVERIFY(b.inicia({"--placa", perfil.fileName(), "--desvio", "buck0=9"}, 0));
        QTRY_VERIFY(b.erros().contains("no channel \"buck0\""));
        QCOMPARE(b.erros().count("no channel"), 1); // the profile's channels are all known
        Terminal t;
        QVERIFY(t.abre(b.dispositivo()));
        const QString tig = console(t.troca("pmuadc --sel tigris --read all"));
        QCOMPARE(ExtraiValorCanal(tig, "tigris vbat :"), QString("3.500"));
        QCOMPARE(ExtraiValorCanal(tig, "tigris ibus :"), NaoMedido);
        QVERIFY(tig.contains("tigris vdd : TIMEOUT_ERR mV"));
        const QString pmu = console(t.troca("pmuadc --read all"));
        QCOMPARE(CalculaPorcentagem(ExtraiLeituraAdc(pmu, "BIST buck3:").texto, "1.800").texto, QString("10"));
        const QString nand = semEco(console(t.troca("nandsize")), "nandsize");
        QCOMPARE(ModuloNand::ClassificaTamanho(*ModuloNand::TextoTamanho(nand)), QString("NAND 1024 GB"));

        QFile ruim(pasta.filePath("ruim.txt"));
        QVERIFY(ruim.open(QIODevice::WriteOnly));
        ruim.write("valer tigris vbat : = 1\n");
        ruim.close();
        QProcess p;
        p.start(Bancada::executavel(), {"--placa", ruim.fileName()});
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("ruim.txt:1"));
    }
};

QTEST_GUILESS_MAIN(TstBancada)
#include "tst_bancada.moc"
