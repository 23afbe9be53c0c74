// The PDF documents of the application folder, read back as text: each carries what it is
// built from (table Comandos per language, table i with the device table per model family,
// the guides of docs/).
#include "boardtests/I2c.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString pasta()
{
    return QStringLiteral(PASTA_APLICACAO);
}

// The text of a PDF; `layout` keeps table rows on one line.
QString textoPdf(const QString& caminho, bool layout = false)
{
    QProcess p;
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    args << caminho << QStringLiteral("-");
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Line breaks and runs of blanks are layout, not content.
QString normaliza(const QString& s)
{
    return s.normalized(QString::NormalizationForm_KC).simplified();
}

struct LinhaComando {
    QString comando;
    QStringList notas; // Info, Info2, Info3
};

QList<LinhaComando> comandos(const QString& banco)
{
    QList<LinhaComando> r;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("leitura_comandos"));
        db.setDatabaseName(banco);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(QStringLiteral("SELECT Comando, Info, Info2, Info3 FROM Comandos ORDER BY rowid"), db);
            while (q.next())
                r.append({q.value(0).toString(), {q.value(1).toString(), q.value(2).toString(), q.value(3).toString()}});
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("leitura_comandos"));
    return r;
}

QString gerador()
{
    return QDir(pasta()).absoluteFilePath(QStringLiteral("../tools/documentos/vexador-documentos"));
}

} // namespace

class TstDocumentos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void referenciaDeComandos_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<int>("coluna");
        QTest::newRow("portuguese") << "xDOD_BR.pdf" << 0;
        QTest::newRow("english") << "xDOD_USA.pdf" << 1;
        QTest::newRow("spanish") << "xDOD_ES.pdf" << 2;
    }
    // Every command of the shipped table, in table order, each with its note in the file's
    // language, and not the note of another language.
    void referenciaDeComandos()
    {
        QFETCH(QString, arquivo);
        QFETCH(int, coluna);
        const auto linhas = comandos(pasta() + QStringLiteral("/Config.qzd"));
        QVERIFY(linhas.size() > 10);
        const QString texto = normaliza(textoPdf(pasta() + QLatin1Char('/') + arquivo));
        QVERIFY2(!texto.isEmpty(), qPrintable(arquivo));

        qsizetype posicao = 0;
        int outrasLinguas = 0;
        for (const LinhaComando& l : linhas) {
            const QString nota = normaliza(l.notas[coluna]);
            const qsizetype ondeComando = texto.indexOf(normaliza(l.comando) + QLatin1Char(' ') + nota, posicao);
            QVERIFY2(ondeComando >= 0, qPrintable(QStringLiteral("%1: \"%2\" with its note").arg(arquivo, l.comando)));
            posicao = ondeComando + 1;
            for (int outra = 0; outra < 3; ++outra) {
                const QString n = normaliza(l.notas[outra]);
                if (outra != coluna && !n.isEmpty() && n != nota && texto.contains(n))
                    ++outrasLinguas;
            }
        }
        QCOMPARE(outrasLinguas, 0);
    }

    void diagramasI2c_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<QStringList>("modelos");
        QTest::addColumn<QStringList>("ausentes");
        QTest::newRow("xA8") << "xA8.pdf" << QStringList{"IP 6", "IP 6 Plus"} << QStringList{"IP 6s", "IP 7", "IP X"};
        QTest::newRow("xA9") << "xA9.pdf" << QStringList{"IP 6s", "IP 6s Plus"} << QStringList{"IP 6 Plus", "IP 7"};
        QTest::newRow("xA10") << "xA10.pdf" << QStringList{"IP 7", "IP 7 Plus"} << QStringList{"IP 6", "IP 8"};
        QTest::newRow("xA11") << "xA11.pdf" << QStringList{"IP 8", "IP 8 Plus", "IP X"} << QStringList{"IP 7", "IP 6"};
    }
    // Each family file holds its models and no other; every expected device of table i appears
    // as one row with its code, address and designator under its model.
    void diagramasI2c()
    {
        QFETCH(QString, arquivo);
        QFETCH(QStringList, modelos);
        QFETCH(QStringList, ausentes);
        const QString texto = textoPdf(pasta() + QLatin1Char('/') + arquivo, true);
        QVERIFY2(!texto.isEmpty(), qPrintable(arquivo));
        const QStringList linhasTexto = texto.split(QLatin1Char('\n'));
        auto titulo = [&](const QString& modelo) {
            for (const QString& l : linhasTexto)
                if (l.trimmed() == modelo)
                    return true;
            return false;
        };
        for (const QString& m : ausentes)
            QVERIFY2(!titulo(m), qPrintable(arquivo + QStringLiteral(" shows ") + m));

        static const QRegularExpression designador(QStringLiteral("([UJ]\\d{3,5})$"));
        int linhasVerificadas = 0;
        for (const QString& modelo : modelos) {
            QVERIFY2(titulo(modelo), qPrintable(arquivo + QStringLiteral(" lacks ") + modelo));
            QCOMPARE(ModuloI2C::ArquivoDiagrama(modelo), arquivo);
            for (int bus = 0; bus < ModuloI2C::NumeroBarramentos; ++bus) {
                const auto ids = ModuloI2C::DispositivosEsperados(pasta() + QStringLiteral("/Config.qzd"), modelo, bus);
                QVERIFY(ids);
                for (const QString& id : *ids) {
                    const QString entrada = ModuloI2C::EntradaDispositivo(id).value_or(QString());
                    QVERIFY2(!entrada.isEmpty(), qPrintable(id));
                    const QString endereco = QStringLiteral("0x") + entrada.mid(2, 2).trimmed().toUpper().rightJustified(2, QLatin1Char('0'));
                    const auto d = designador.match(entrada);
                    QRegularExpression linha(QStringLiteral("^\\s*%1\\s+%2\\s.*%3")
                                                 .arg(id, QRegularExpression::escape(endereco),
                                                      d.hasMatch() ? d.captured(1) : QStringLiteral("—")));
                    bool achou = false;
                    for (const QString& l : linhasTexto)
                        achou = achou || linha.match(l).hasMatch();
                    QVERIFY2(achou, qPrintable(QStringLiteral("%1 %2: %3 %4").arg(arquivo, modelo, id, endereco)));
                    ++linhasVerificadas;
                }
            }
        }
        QVERIFY(linhasVerificadas > 0);
    }

    void guias_data()
    {
        QTest::addColumn<QString>("fonte");
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("nand") << "ErrosNand.md" << "xErrosNand.pdf";
        QTest::newRow("panic") << "PanicFull.md" << "xPanicFull.pdf";
    }
    // Every heading of the guide's text source is in the PDF.
    void guias()
    {
        QFETCH(QString, fonte);
        QFETCH(QString, arquivo);
        QFile f(QStringLiteral(PASTA_FONTES "/docs/") + fonte);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString texto = normaliza(textoPdf(pasta() + QLatin1Char('/') + arquivo));
        QVERIFY(!texto.isEmpty());
        int cabecalhos = 0;
        static const QRegularExpression cabecalho(QStringLiteral("^#{1,3}\\s+(.+)$"), QRegularExpression::MultilineOption);
        auto it = cabecalho.globalMatch(QString::fromUtf8(f.readAll()));
        while (it.hasNext()) {
            const QString h = normaliza(it.next().captured(1));
            QVERIFY2(texto.contains(h), qPrintable(arquivo + QStringLiteral(": ") + h));
            ++cabecalhos;
        }
        QVERIFY(cabecalhos >= 4);
    }

    // Markup characters and quotes in a saved command are text, not markup; a failed run leaves
    // no document behind.
    void geradorEscapaEFalhaSemBanco()
    {
        QVERIFY(QFile::exists(gerador()));
        QTemporaryDir tmp;
        const QString banco = tmp.filePath(QStringLiteral("Config.qzd"));
        QVERIFY(QFile::copy(pasta() + QStringLiteral("/Config.qzd"), banco));
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("escrita"));
            db.setDatabaseName(banco);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.prepare(QStringLiteral("INSERT INTO Comandos (Comando, Info, Info2, Info3) VALUES (?, ?, ?, ?)")));
            q.addBindValue(QStringLiteral("echo <b>x</b> & 'y'"));
            q.addBindValue(QStringLiteral("Nota <i>não</i> & \"aspas\""));
            q.addBindValue(QStringLiteral("Note <br> here"));
            q.addBindValue(QStringLiteral("Nota &amp; fin"));
            QVERIFY(q.exec());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("escrita"));

        const QString saida = tmp.filePath(QStringLiteral("saida"));
        QProcess p;
        auto ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(ambiente);
        p.start(gerador(), {QStringLiteral("--banco"), banco, QStringLiteral("--textos"), QStringLiteral(PASTA_FONTES "/docs"),
                            QStringLiteral("--saida"), saida});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(normaliza(textoPdf(saida + QStringLiteral("/xDOD_BR.pdf")))
                    .contains(QStringLiteral("echo <b>x</b> & 'y' Nota <i>não</i> & \"aspas\"")));
        QVERIFY(normaliza(textoPdf(saida + QStringLiteral("/xDOD_USA.pdf"))).contains(QStringLiteral("Note <br> here")));
        QVERIFY(normaliza(textoPdf(saida + QStringLiteral("/xDOD_ES.pdf"))).contains(QStringLiteral("Nota &amp; fin")));

        const QString vazia = tmp.filePath(QStringLiteral("vazia"));
        p.start(gerador(), {QStringLiteral("--banco"), tmp.filePath(QStringLiteral("nao-existe.qzd")),
                            QStringLiteral("--textos"), QStringLiteral(PASTA_FONTES "/docs"), QStringLiteral("--saida"), vazia});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY(p.exitCode() != 0);
        QVERIFY(QDir(vazia).entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstDocumentos)
#include "tst_documentos.moc"
