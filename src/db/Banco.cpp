#include "db/Banco.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt contador;

// A null QString binds as SQL NULL, but the program's text fields hold '' when empty and its
// queries test "= ''": bind every text as a text.
QVariant valorDeTexto(const QVariant& v)
{
    if (v.metaType().id() == QMetaType::QString && v.toString().isNull())
        return QVariant(QStringLiteral(""));
    return v;
}

QSqlDatabase abreArquivo(const QString& nome, const QString& caminho, QString* erro)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    db.setDatabaseName(caminho);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!QFileInfo(caminho).isFile()) {
        if (erro)
            *erro = QStringLiteral("file not found: ") + caminho;
        return db;
    }
    if (!db.open() && erro)
        *erro = db.lastError().text();
    return db;
}
} // namespace

Banco::Banco(const QString& caminho)
    : m_nome(QStringLiteral("vexador_%1").arg(contador.fetchAndAddRelaxed(1)))
{
    m_db = abreArquivo(m_nome, caminho, &m_erro);
    m_aberto = m_db.isOpen();
}

Banco::~Banco()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_nome);
}

QList<QSqlRecord> Banco::linhas(const QString& sql, const QVariantList& valores)
{
    QList<QSqlRecord> resultado;
    m_erro.clear();
    if (!m_aberto) {
        m_erro = QStringLiteral("database not open");
        return resultado;
    }
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        m_erro = q.lastError().text();
        return resultado;
    }
    for (const QVariant& v : valores)
        q.addBindValue(valorDeTexto(v));
    if (!q.exec()) {
        m_erro = q.lastError().text();
        return resultado;
    }
    while (q.next())
        resultado.append(q.record());
    return resultado;
}

QVariant Banco::valor(const QString& sql, const QVariantList& valores)
{
    const auto l = linhas(sql, valores);
    if (l.isEmpty() || l.first().isEmpty())
        return {};
    return l.first().value(0);
}

bool Banco::executa(const QString& sql, const QVariantList& valores)
{
    m_erro.clear();
    m_afetadas = 0;
    if (!m_aberto) {
        m_erro = QStringLiteral("database not open");
        return false;
    }
    QSqlQuery q(m_db);
    if (!q.prepare(sql)) {
        m_erro = q.lastError().text();
        return false;
    }
    for (const QVariant& v : valores)
        q.addBindValue(valorDeTexto(v));
    if (!q.exec()) {
        m_erro = q.lastError().text();
        return false;
    }
    m_afetadas = q.numRowsAffected();
    m_ultimoId = q.lastInsertId();
    return true;
}

QString Banco::curinga(QString padrao)
{
    return padrao.replace(QLatin1Char('*'), QLatin1Char('%'));
}

QSqlDatabase Banco::conexaoVista(const QString& caminho)
{
    const QString nome = QStringLiteral("vexador_vista:") + caminho;
    if (QSqlDatabase::contains(nome)) {
        QSqlDatabase db = QSqlDatabase::database(nome, false);
        if (!db.isOpen() && QFileInfo(caminho).isFile())
            db.open();
        return db;
    }
    return abreArquivo(nome, caminho, nullptr);
}
