// The Debian package: built once from the build folder's CPack configuration, unpacked into a
// temporary root (nothing touches the system), then the installed program is started the way
// the menu entry starts it.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Prefixo = QStringLiteral("/opt/vexador-tarrim");

struct Saida {
    int codigo = -1;
    QString texto;
};

Saida roda(const QString& programa, const QStringList& args, int ms = 60000, const QString& pasta = QString())
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!pasta.isEmpty())
        p.setWorkingDirectory(pasta);
    p.start(programa, args);
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString::fromLocal8Bit(p.readAll())};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
}

QByteArray resumo(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Runs a statement on a database file (a user's recording).
bool executa(const QString& banco, const QString& sql)
{
    bool ok = false;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("instalacao"));
        db.setDatabaseName(banco);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(sql);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("instalacao"));
    return ok;
}

int conta(const QString& banco, const QString& comando)
{
    int n = -1;
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("instalacao"));
        db.setDatabaseName(banco);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("SELECT count(*) FROM Comandos WHERE Comando = ?"));
            q.addBindValue(comando);
            if (q.exec() && q.next())
                n = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("instalacao"));
    return n;
}

} // namespace

class TstInstalacao : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_pacote;
    QString m_raiz; // the unpacked package

    QString instalado(const QString& caminho) const { return m_raiz + Prefixo + QLatin1Char('/') + caminho; }

    // Starts the installed program through its starter on the user folder `pasta`; true when it
    // is still running (loaded, waiting for the user) after `ms`. Its output goes to *saida.
    bool inicia(const QString& pasta, QString* saida, int ms = 5000)
    {
        QProcess p;
        auto ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("VEXADOR_PASTA"), pasta);
        ambiente.insert(QStringLiteral("HOME"), m_tmp.filePath(QStringLiteral("casa")));
        ambiente.insert(QStringLiteral("VEXADOR_PORTAS"), m_tmp.filePath(QStringLiteral("portas")));
        p.setProcessEnvironment(ambiente);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(instalado(QStringLiteral("bin/vexador-tarrim")), {QStringLiteral("--sem-caixas")});
        if (!p.waitForStarted())
            return false;
        const bool terminou = p.waitForFinished(ms);
        if (!terminou) {
            p.terminate();
            if (!p.waitForFinished(5000)) {
                p.kill();
                p.waitForFinished();
            }
        }
        *saida = QString::fromLocal8Bit(p.readAll());
        return !terminou;
    }

private slots:
    void initTestCase()
    {
        const QString cpack = QStandardPaths::findExecutable(QStringLiteral("cpack"));
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-deb")).isEmpty() || cpack.isEmpty())
            QSKIP("dpkg-deb or cpack is not installed");
        QVERIFY(m_tmp.isValid());
        const QString build = QDir(QStringLiteral(PASTA_APLICACAO "/..")).absolutePath();
        QVERIFY(QFile::exists(build + QStringLiteral("/CPackConfig.cmake")));

        const QString destino = m_tmp.filePath(QStringLiteral("pacote"));
        const Saida s = roda(cpack, {QStringLiteral("--config"), build + QStringLiteral("/CPackConfig.cmake"),
                                     QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), destino},
                             240000);
        QVERIFY2(s.codigo == 0, qPrintable(s.texto));
        const QStringList debs = QDir(destino).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_pacote = destino + QLatin1Char('/') + debs.first();

        m_raiz = m_tmp.filePath(QStringLiteral("raiz"));
        const Saida x = roda(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_pacote, m_raiz});
        QVERIFY2(x.codigo == 0, qPrintable(x.texto));
    }

    // What the package declares and lays out: the application folder with program, bench board,
    // database, documents and report pages; starter, command, menu entry and icon; the Qt
    // runtime as dependencies; every library of both programs resolvable.
    void conteudoDoPacote()
    {
        const Saida depende = roda(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_pacote, QStringLiteral("Depends")});
        QCOMPARE(depende.codigo, 0);
        for (const char* pacote : {"libqt6widgets6", "libqt6gui6", "libqt6serialport6", "libqt6charts6", "libqt6network6",
                                   "libqt6sql6-sqlite", "qt6-qpa-plugins", "qt6-translations-l10n"})
            QVERIFY2(depende.texto.contains(QLatin1String(pacote)), pacote);

        const QStringList arquivos = {
            "vexador-tarrim", "vexador-simulador", "Config.qzd", "enderecos.ini", "relatorio/index.html", "bin/vexador-tarrim",
            "xDOD_BR.pdf", "xDOD_USA.pdf", "xDOD_ES.pdf", "xA8.pdf", "xA9.pdf", "xA10.pdf", "xA11.pdf",
            "xErrosNand.pdf", "xPanicFull.pdf"};
        for (const QString& a : arquivos)
            QVERIFY2(QFileInfo(instalado(a)).isFile(), qPrintable(a));
        for (const char* programa : {"vexador-tarrim", "vexador-simulador", "bin/vexador-tarrim"})
            QVERIFY2(QFileInfo(instalado(QLatin1String(programa))).isExecutable(), programa);
        QCOMPARE(resumo(instalado(QStringLiteral("Config.qzd"))), resumo(QStringLiteral(PASTA_APLICACAO "/Config.qzd")));

        QFile entrada(m_raiz + QStringLiteral("/usr/share/applications/vexador-tarrim.desktop"));
        QVERIFY(entrada.open(QIODevice::ReadOnly));
        const QString menu = QString::fromUtf8(entrada.readAll());
        QVERIFY(menu.contains(QStringLiteral("\nExec=") + Prefixo + QStringLiteral("/bin/vexador-tarrim\n")));
        QVERIFY(menu.contains(QStringLiteral("\nIcon=vexador-tarrim\n")));
        QVERIFY(QFileInfo(m_raiz + QStringLiteral("/usr/share/icons/hicolor/scalable/apps/vexador-tarrim.svg")).isFile());
        const QFileInfo comando(m_raiz + QStringLiteral("/usr/bin/vexador-tarrim"));
        QVERIFY(comando.isSymLink());
        QCOMPARE(comando.symLinkTarget(), Prefixo + QStringLiteral("/bin/vexador-tarrim"));

        for (const char* programa : {"vexador-tarrim", "vexador-simulador"}) {
            const Saida ldd = roda(QStringLiteral("ldd"), {instalado(QLatin1String(programa))});
            QCOMPARE(ldd.codigo, 0);
            QVERIFY2(!ldd.texto.contains(QStringLiteral("not found")), qPrintable(ldd.texto));
            QVERIFY(ldd.texto.contains(QStringLiteral("libQt6Core")));
        }
    }

    // The installed program starts on a folder of the user's (the shipped one is read-only),
    // finds its database there and stays up; the same program on a folder without a database
    // ends at once with the missing-database box, so staying up means it found the database.
    void programaInstaladoIniciaNaPastaDoUsuario()
    {
        const Saida semBanco = roda(instalado(QStringLiteral("vexador-tarrim")),
                                    {QStringLiteral("--sem-caixas"), QStringLiteral("--pasta"), m_tmp.filePath(QStringLiteral("vazia"))},
                                    30000);
        QVERIFY2(semBanco.codigo > 0, qPrintable(semBanco.texto));
        QVERIFY2(semBanco.texto.contains(QStringLiteral("CAIXA")), qPrintable(semBanco.texto));

        const QString pasta = m_tmp.filePath(QStringLiteral("usuario"));
        QString saida;
        QVERIFY2(inicia(pasta, &saida), qPrintable(saida));
        QVERIFY2(!saida.contains(QStringLiteral("Config.qzd")), qPrintable(saida));

        QVERIFY(QFileInfo(pasta + QStringLiteral("/Config.qzd")).isFile());
        QVERIFY(!QFileInfo(pasta + QStringLiteral("/Config.qzd")).isSymLink());
        QVERIFY(QFileInfo(pasta + QStringLiteral("/Config.qzd")).isWritable());
        QCOMPARE(conta(pasta + QStringLiteral("/Config.qzd"), QStringLiteral("syscfg print RMd#")), 1);
        // Documents, report pages and bench board reach the installed files.
        for (const char* item : {"xDOD_BR.pdf", "xA11.pdf", "xPanicFull.pdf", "enderecos.ini", "relatorio", "vexador-simulador"}) {
            const QFileInfo f(pasta + QLatin1Char('/') + QLatin1String(item));
            QVERIFY2(f.isSymLink() && f.exists(), item);
            QCOMPARE(f.canonicalFilePath(), QFileInfo(instalado(QLatin1String(item))).canonicalFilePath());
        }
        // The shipped folder is left as installed.
        QCOMPARE(resumo(instalado(QStringLiteral("Config.qzd"))), resumo(QStringLiteral(PASTA_APLICACAO "/Config.qzd")));
    }

    // A user's recordings survive: a later start keeps the user's database; a new installation
    // (another shipped Config.qzd) keeps it as User.qzd, the file the program imports from.
    void novaInstalacaoGuardaOsDadosDoUsuario()
    {
        const QString pasta = m_tmp.filePath(QStringLiteral("atualizacao"));
        QString saida;
        QVERIFY2(inicia(pasta, &saida, 3000), qPrintable(saida));
        const QString banco = pasta + QStringLiteral("/Config.qzd");
        QVERIFY(executa(banco, QStringLiteral("INSERT INTO Comandos (Comando) VALUES ('meu comando')")));

        QVERIFY2(inicia(pasta, &saida, 3000), qPrintable(saida));
        QCOMPARE(conta(banco, QStringLiteral("meu comando")), 1);

        // What the starter remembers of the previous installation no longer matches.
        QFile marca(pasta + QStringLiteral("/.instalacao"));
        QVERIFY(marca.open(QIODevice::WriteOnly | QIODevice::Truncate));
        marca.write("instalacao anterior\n");
        marca.close();
        QVERIFY2(inicia(pasta, &saida, 3000), qPrintable(saida));
        // (The program itself may already have offered the import and merged it back.)
        QCOMPARE(conta(pasta + QStringLiteral("/User.qzd"), QStringLiteral("meu comando")), 1);
        QCOMPARE(conta(banco, QStringLiteral("syscfg print RMd#")), 1);
        QVERIFY(marca.open(QIODevice::ReadOnly));
        QVERIFY(marca.readAll() != "instalacao anterior\n");
    }

    // A damaged database in the user's folder: the start says so and, answered Yes, starts
    // from the installation's copy, keeping the damaged file beside it.
    void bancoDanificadoRecomecaDaInstalacao()
    {
        const QString pasta = m_tmp.filePath(QStringLiteral("danificado"));
        QString saida;
        QVERIFY2(inicia(pasta, &saida, 3000), qPrintable(saida));
        const QString banco = pasta + QStringLiteral("/Config.qzd");
        QVERIFY(QFile::resize(banco, QFileInfo(banco).size() / 3));
        const QByteArray danificado = resumo(banco);

        QVERIFY2(inicia(pasta, &saida, 4000), qPrintable(saida)); // boxes answered Yes
        QVERIFY2(saida.contains(QStringLiteral("Damaged database")), qPrintable(saida));
        QCOMPARE(resumo(banco), resumo(instalado(QStringLiteral("Config.qzd"))));
        const QStringList guardados = QDir(pasta).entryList({QStringLiteral("Config-danificado-*.qzd")}, QDir::Files);
        QCOMPARE(guardados.size(), 1);
        QCOMPARE(resumo(pasta + QLatin1Char('/') + guardados.first()), danificado);
    }
};

QTEST_GUILESS_MAIN(TstInstalacao)
#include "tst_instalacao.moc"
