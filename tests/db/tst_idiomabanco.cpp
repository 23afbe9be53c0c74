#include "db/IdiomaBanco.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A connection of the test's own, apart from the program's.
class Conexao {
public:
    explicit Conexao(const QString& caminho)
    {
        m_db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_nome);
        m_db.setDatabaseName(caminho);
        m_db.open();
    }
    ~Conexao()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_nome);
    }
    bool exec(const QString& sql)
    {
        QSqlQuery q(m_db);
        const bool ok = q.exec(sql);
        if (!ok)
            qWarning() << sql << q.lastError().text();
        return ok;
    }
    QVariantList coluna(const QString& sql)
    {
        QVariantList v;
        QSqlQuery q(m_db);
        if (q.exec(sql))
            while (q.next())
                v << q.value(0);
        return v;
    }

private:
    QString m_nome = u"teste_idioma"_s;
    QSqlDatabase m_db;
};

// A Config.qzd built from the project's schema, with the given Tools rows.
void criaBanco(const QString& caminho, const QStringList& linhasTools)
{
    QFile f(QStringLiteral(PASTA_FONTES "/data/esquema.sql"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QStringList semComentarios;
    for (const QString& l : QString::fromUtf8(f.readAll()).split(u'\n'))
        if (!l.trimmed().startsWith(u"--"_s))
            semComentarios << l;
    Conexao c(caminho);
    for (const QString& instrucao : semComentarios.join(u'\n').split(u';'))
        if (!instrucao.trimmed().isEmpty())
            QVERIFY(c.exec(instrucao));
    for (const QString& valores : linhasTools)
        QVERIFY(c.exec(u"INSERT INTO Tools (Idioma, syncbd, Nome) VALUES ("_s + valores + u")"_s));
}

QVariantList idiomasGravados(const QString& caminho)
{
    Conexao c(caminho);
    return c.coluna(u"SELECT Idioma FROM Tools ORDER BY rowid"_s);
}

} // namespace

class TstIdiomaBanco : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* m_pasta = nullptr;
    QString banco() const { return m_pasta->path() + u"/Config.qzd"_s; }

private slots:
    void init()
    {
        m_pasta = new QTemporaryDir;
        QVERIFY(m_pasta->isValid());
        ReiniciaTeste(m_pasta->path());
    }
    void cleanup()
    {
        QFile::setPermissions(banco(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        delete m_pasta;
        m_pasta = nullptr;
    }

    void gravaECarrega_data();
    void gravaECarrega();
    void carregaValorGravado_data();
    void carregaValorGravado();
    void gravaSoAPrimeiraLinha();
    void falhaSemEfeito_data();
    void falhaSemEfeito();
};

void TstIdiomaBanco::gravaECarrega_data()
{
    QTest::addColumn<int>("idioma");
    QTest::newRow("portugues") << 1;
    QTest::newRow("ingles") << 2;
    QTest::newRow("espanhol") << 3;
}

void TstIdiomaBanco::gravaECarrega()
{
    QFETCH(int, idioma);
    criaBanco(banco(), {u"1, '0', ''"_s});
    QVERIFY(GravaIdioma(DadosTeste().banco, idioma));
    // A restart: the value comes back from the file, not from memory.
    ReiniciaTeste(m_pasta->path());
    QCOMPARE(IdiomaAtual(), 0);
    QVERIFY(CarregaIdioma(DadosTeste().banco));
    QCOMPARE(IdiomaAtual(), idioma);
}

void TstIdiomaBanco::carregaValorGravado_data()
{
    QTest::addColumn<QStringList>("linhas");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("idioma"); // IdiomaAtual afterwards (it was 3 before)

    QTest::newRow("ingles") << QStringList{u"2, '2', 'Loja'"_s} << true << 2;
    QTest::newRow("primeira linha vale") << QStringList{u"1, '2', ''"_s, u"2, '2', ''"_s} << true << 1;
    QTest::newRow("zero") << QStringList{u"0, '0', ''"_s} << true << 0;
    QTest::newRow("texto numerico") << QStringList{u"'2', '0', ''"_s} << true << 2;
    QTest::newRow("fracao arredonda ao par") << QStringList{u"2.5, '0', ''"_s} << true << 2;
    QTest::newRow("tabela vazia") << QStringList{} << false << 3;
    QTest::newRow("nulo") << QStringList{u"NULL, '0', ''"_s} << false << 3;
    QTest::newRow("negativo") << QStringList{u"-1, '0', ''"_s} << false << 3;
    QTest::newRow("acima de um byte") << QStringList{u"256, '0', ''"_s} << false << 3;
    QTest::newRow("texto") << QStringList{u"'en', '0', ''"_s} << false << 3;
}

void TstIdiomaBanco::carregaValorGravado()
{
    QFETCH(QStringList, linhas);
    QFETCH(bool, ok);
    QFETCH(int, idioma);
    criaBanco(banco(), linhas);
    DefineIdioma(3);
    QCOMPARE(CarregaIdioma(DadosTeste().banco), ok);
    QCOMPARE(IdiomaAtual(), idioma);
}

void TstIdiomaBanco::gravaSoAPrimeiraLinha()
{
    criaBanco(banco(), {u"1, '0', 'a'"_s, u"1, '0', 'b'"_s});
    DefineIdioma(1);
    QVERIFY(GravaIdioma(DadosTeste().banco, 3));
    QCOMPARE(idiomasGravados(banco()), (QVariantList{3, 1}));
    // Storing does not change the running language: the caller decides that.
    QCOMPARE(IdiomaAtual(), 1);
}

void TstIdiomaBanco::falhaSemEfeito_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<bool>("carregaOk");
    QTest::addColumn<bool>("gravaOk");

    QTest::newRow("arquivo ausente") << u"ausente"_s << false << false;
    QTest::newRow("arquivo corrompido") << u"corrompido"_s << false << false;
    // Reading a read-only file still works; only the store fails.
    QTest::newRow("somente leitura") << u"somenteLeitura"_s << true << false;
    // Another program holds the write lock (e.g. a second copy of the program mid-update).
    QTest::newRow("gravacao bloqueada") << u"bloqueado"_s << true << false;
}

void TstIdiomaBanco::falhaSemEfeito()
{
    QFETCH(QString, caso);
    QFETCH(bool, carregaOk);
    QFETCH(bool, gravaOk);

    std::unique_ptr<Conexao> bloqueio;
    if (caso == u"corrompido"_s) {
        QFile f(banco());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("this is no database file\n").repeated(200));
    } else if (caso != u"ausente"_s) {
        criaBanco(banco(), {u"2, '2', ''"_s});
    }
    if (caso == u"somenteLeitura"_s) {
        QVERIFY(QFile::setPermissions(banco(), QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                                   | QFileDevice::ReadOther));
        QFile sonda(banco());
        if (sonda.open(QIODevice::ReadWrite))
            QSKIP("running as root: file permissions do not stop writes here; "
                  "the locked-file row covers a refused store");
    }
    if (caso == u"bloqueado"_s) {
        bloqueio = std::make_unique<Conexao>(banco());
        QVERIFY(bloqueio->exec(u"BEGIN IMMEDIATE"_s));
    }

    DefineIdioma(3);
    QCOMPARE(CarregaIdioma(DadosTeste().banco), carregaOk);
    QCOMPARE(IdiomaAtual(), carregaOk ? 2 : 3); // unchanged on failure
    QCOMPARE(GravaIdioma(DadosTeste().banco, 1), gravaOk);

    if (bloqueio) {
        bloqueio->exec(u"ROLLBACK"_s);
        bloqueio.reset();
    }
    if (caso == u"ausente"_s)
        QVERIFY(!QFile::exists(banco())); // never creates an empty database
    if (carregaOk)
        QCOMPARE(idiomasGravados(banco()), QVariantList{2}); // the failed store left it as it was
}

QTEST_GUILESS_MAIN(TstIdiomaBanco)
#include "tst_idiomabanco.moc"
