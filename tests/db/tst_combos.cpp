#include "db/Banco.h"
#include "db/Combos.h"
#include "apoio/Apoio.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// The small database operations on real files in a temporary application folder.
class TstCombos : public QObject {
    Q_OBJECT

    QTemporaryDir m_pasta;

    QString banco() const { return m_pasta.filePath(QStringLiteral("Config.qzd")); }
    QString usuario() const { return m_pasta.filePath(QStringLiteral("User.qzd")); }

    // A fresh Config.qzd with the shipped schema and nothing else.
    void criaBanco()
    {
        QFile::remove(banco());
        QFile esquema(QStringLiteral(PASTA_FONTES "/data/esquema.sql"));
        QVERIFY(esquema.open(QIODevice::ReadOnly));
        const QString sql = QString::fromUtf8(esquema.readAll());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cria"));
            db.setDatabaseName(banco());
            QVERIFY(db.open());
            for (QString comando : sql.split(QLatin1Char(';'))) {
                QStringList linhas;
                for (const QString& l : comando.split(QLatin1Char('\n')))
                    if (!l.trimmed().startsWith(QLatin1String("--")))
                        linhas << l;
                comando = linhas.join(QLatin1Char('\n')).trimmed();
                if (comando.isEmpty())
                    continue;
                QSqlQuery q(db);
                QVERIFY2(q.exec(comando), qPrintable(comando));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("cria"));
    }

    static QByteArray conteudo(const QString& caminho)
    {
        QFile f(caminho);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        QVERIFY(m_pasta.isValid());
        QFile::remove(usuario());
        criaBanco();
        ReiniciaTeste(m_pasta.path());
    }

    void gravaComboCriaALinhaQuandoATabelaEstaVazia()
    {
        QVERIFY(GravaCombo(DadosTeste().banco, 7, QStringLiteral("2")));
        Banco b(banco());
        const auto linhas = b.linhas(QStringLiteral("Select * from Combos"));
        QCOMPARE(linhas.size(), 1);
        QCOMPARE(linhas.first().value(QStringLiteral("Combo7")).toString(), QStringLiteral("2"));
        for (int n = 1; n <= 10; ++n)
            if (n != 7)
                QVERIFY(linhas.first().value(QStringLiteral("Combo%1").arg(n)).toString().isEmpty());

        // A second value goes into the same row, and earlier fields stay.
        QVERIFY(GravaCombo(DadosTeste().banco, 10, QStringLiteral("x")));
        bool ok = false;
        QCOMPARE(LeCombo(DadosTeste().banco, 7, &ok), QStringLiteral("2"));
        QVERIFY(ok);
        QCOMPARE(LeCombo(DadosTeste().banco, 10), QStringLiteral("x"));
        QCOMPARE(b.valor(QStringLiteral("Select count(*) from Combos")).toInt(), 1);
    }

    void gravaComboEditaSoAPrimeiraLinha()
    {
        {
            Banco b(banco());
            QVERIFY(b.executa(QStringLiteral("Insert into Combos (Combo1) values ('a')")));
            QVERIFY(b.executa(QStringLiteral("Insert into Combos (Combo1) values ('b')")));
        }
        QVERIFY(GravaCombo(DadosTeste().banco, 1, QStringLiteral("3")));
        Banco b(banco());
        const auto linhas = b.linhas(QStringLiteral("Select Combo1 from Combos order by rowid"));
        QCOMPARE(linhas.size(), 2);
        QCOMPARE(linhas.at(0).value(0).toString(), QStringLiteral("3"));
        QCOMPARE(linhas.at(1).value(0).toString(), QStringLiteral("b"));
        QCOMPARE(LeCombo(DadosTeste().banco, 1), QStringLiteral("3"));
    }

    void apostrofoEDadoNaoConsulta()
    {
        const QString valor = QStringLiteral("O'Brien'); drop table Combos; --");
        QVERIFY(GravaCombo(DadosTeste().banco, 3, valor));
        QCOMPARE(LeCombo(DadosTeste().banco, 3), valor);

        Banco b(banco());
        QVERIFY(b.executa(QStringLiteral("Insert into Dados (Aparelho, Comando, Dados) values (?, ?, ?)"),
                          {QStringLiteral("IP 7"), QStringLiteral("echo 'x'"), QStringLiteral("ok")}));
        QCOMPARE(b.valor(QStringLiteral("Select Dados From Dados where Aparelho = ? and Comando = ?"),
                         {QStringLiteral("IP 7"), QStringLiteral("echo 'x'")})
                     .toString(),
                 QStringLiteral("ok"));
    }

    void textosComparamSemCaixa()
    {
        Banco b(banco());
        QVERIFY(b.executa(QStringLiteral("Insert into Dados (Aparelho, Comando, Dados) values ('IP 7', 'Help', 'lista')")));
        QCOMPARE(b.valor(QStringLiteral("Select Dados From Dados where Aparelho = ? and Comando = ?"),
                         {QStringLiteral("ip 7"), QStringLiteral("help")})
                     .toString(),
                 QStringLiteral("lista"));
        QCOMPARE(b.valor(QStringLiteral("Select count(*) from Dados where Comando like ?"),
                         {Banco::curinga(QStringLiteral("*HEL*"))})
                     .toInt(),
                 1);
    }

    void gravaComboFalhaSemBancoUtilizavel_data()
    {
        QTest::addColumn<QByteArray>("arquivo"); // contents of Config.qzd; null = missing
        QTest::newRow("ausente") << QByteArray();
        QTest::newRow("corrompido") << QByteArray(4096, 'z');
        QTest::newRow("sem tabela Combos") << QByteArray("");
    }
    void gravaComboFalhaSemBancoUtilizavel()
    {
        QFETCH(QByteArray, arquivo);
        QFile::remove(banco());
        if (!arquivo.isNull()) {
            QFile f(banco());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(arquivo);
        }
        QVERIFY(!GravaCombo(DadosTeste().banco, 7, QStringLiteral("2")));
        bool ok = true;
        QVERIFY(LeCombo(DadosTeste().banco, 7, &ok).isEmpty());
        QVERIFY(!ok);
        QVERIFY(!GravaCombo(DadosTeste().banco, 0, QStringLiteral("2")));
        QVERIFY(!GravaCombo(DadosTeste().banco, 11, QStringLiteral("2")));
        // A missing database is never created by writing to it.
        if (arquivo.isNull())
            QVERIFY(!QFile::exists(banco()));
    }

    void copiaIdenticaComOutraConexaoAberta()
    {
        // Enough rows for a file of several blocks.
        Banco aberta(banco());
        QVERIFY(aberta.db().transaction());
        for (int i = 0; i < 300; ++i)
            QVERIFY(aberta.executa(QStringLiteral("Insert into Comandos (Comando, Info) values (?, ?)"),
                                   {QStringLiteral("cmd %1").arg(i), QString(200, QLatin1Char('a' + i % 26))}));
        QVERIFY(aberta.db().commit());
        QCOMPARE(aberta.linhas(QStringLiteral("Select * from Comandos")).size(), 300);

        QFile antigo(usuario());
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write(QByteArray(100000, 'o')); // longer than the new copy
        antigo.close();

        QVERIFY(CopiaBancoUsuario(DadosTeste().pasta));
        QCOMPARE(conteudo(usuario()), conteudo(banco()));
        QVERIFY(conteudo(usuario()).size() > 2048);
        // The copy it replaced is kept, and no temporary file is left beside them.
        QCOMPARE(conteudo(usuario() + QStringLiteral(".1")), QByteArray(100000, 'o'));
        QCOMPARE(QDir(m_pasta.path()).entryList(QDir::Files).size(), 3);
        QFile::remove(usuario() + QStringLiteral(".1"));
    }

    void semOrigemNadaAcontece()
    {
        QFile::remove(banco());
        QFile antigo(usuario());
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write("anterior");
        antigo.close();
        QVERIFY(CopiaBancoUsuario(DadosTeste().pasta));
        QCOMPARE(conteudo(usuario()), QByteArray("anterior"));
    }

    void copiaQueFalhaPreservaOAnterior_data()
    {
        QTest::addColumn<bool>("discoCheio");
        QTest::newRow("escrita interrompida") << true;
        QTest::newRow("pasta sem escrita") << false;
    }
    void copiaQueFalhaPreservaOAnterior()
    {
        QFETCH(bool, discoCheio);
        {
            Banco b(banco());
            QVERIFY(b.db().transaction());
            for (int i = 0; i < 100; ++i)
                QVERIFY(b.executa(QStringLiteral("Insert into Comandos (Comando) values (?)"), {QString(100, QLatin1Char('c'))}));
            QVERIFY(b.db().commit());
        }
        QFile antigo(usuario());
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write("copia anterior intacta");
        antigo.close();

        const auto permissoesPasta = QFile(m_pasta.path()).permissions();
        rlimit limiteAntigo {};
        bool copiou = true;
        if (discoCheio) {
            // Writes beyond 2 KiB fail half-way, as on a full disk (root included).
            QVERIFY(::getrlimit(RLIMIT_FSIZE, &limiteAntigo) == 0);
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limite = limiteAntigo;
            limite.rlim_cur = 2048;
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &limite) == 0);
            copiou = CopiaBancoUsuario(DadosTeste().pasta).ok();
            ::setrlimit(RLIMIT_FSIZE, &limiteAntigo);
        } else {
            // The temporary file beside User.qzd cannot be created.
            QVERIFY(QFile(m_pasta.path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            QFile sonda(m_pasta.filePath(QStringLiteral("sonda")));
            if (sonda.open(QIODevice::WriteOnly)) {
                sonda.close();
                sonda.remove();
                QFile(m_pasta.path()).setPermissions(permissoesPasta);
                QSKIP("running with rights that ignore folder permissions");
            }
            copiou = CopiaBancoUsuario(DadosTeste().pasta).ok();
            QFile(m_pasta.path()).setPermissions(permissoesPasta);
        }
        QVERIFY(!copiou);
        QCOMPARE(conteudo(usuario()), QByteArray("copia anterior intacta"));
        QCOMPARE(QDir(m_pasta.path()).entryList(QDir::Files).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TstCombos)
#include "tst_combos.moc"
