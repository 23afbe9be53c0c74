#include "db/Banco.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
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

// Every operation waits up to this long for a lock another program (the bench board, a
// database tool, a second view) holds, instead of failing at once. The wait is ours, not the
// engine's: the engine's own would sleep on the interface thread.
constexpr int EsperaOcupadoMs = 2000;
constexpr int FatiaEsperaMs = 1;

bool ocupado(const QSqlError& erro)
{
    bool numerico = false;
    const int codigo = erro.nativeErrorCode().toInt(&numerico) & 0xff;
    return numerico && (codigo == 5 || codigo == 6); // SQLITE_BUSY, SQLITE_LOCKED
}

// One slice of the wait: false once the whole wait is spent.
bool aguardaVez(const QElapsedTimer& relogio)
{
    if (relogio.elapsed() >= EsperaOcupadoMs)
        return false;
    // Timers and the link go on; the technician's clicks wait for the answer.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, FatiaEsperaMs);
    QThread::msleep(FatiaEsperaMs);
    return true;
}

QSqlDatabase abreArquivo(const QString& nome, const QString& caminho, QString* erro)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    db.setDatabaseName(caminho);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
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
    , m_caminho(caminho)
{
    m_db = abreArquivo(m_nome, caminho, &m_erro);
    m_aberto = m_db.isOpen();
    if (!QFileInfo(caminho).isFile())
        m_resultado = ResultadoBanco::falha(MotivoFalhaBanco::Ausente, m_erro, caminho);
    else if (!m_aberto)
        anotaFalha(m_db.lastError());
}

void Banco::anotaFalha(const QSqlError& erro)
{
    m_erro = erro.text();
    m_resultado = ResultadoBanco::doErro(erro, m_caminho);
    if (m_resultado.ok()) // an error without a type still failed
        m_resultado = ResultadoBanco::falha(MotivoFalhaBanco::Outro, m_erro, m_caminho);
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
    if (!m_aberto) {
        m_erro = QStringLiteral("database not open");
        return resultado;
    }
    m_erro.clear();
    m_resultado = {};
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!preparaEExecuta(q, sql, valores)) {
        anotaFalha(q.lastError());
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
    m_afetadas = 0;
    if (!m_aberto) {
        m_erro = QStringLiteral("database not open");
        return false;
    }
    m_erro.clear();
    m_resultado = {};
    QSqlQuery q(m_db);
    if (!preparaEExecuta(q, sql, valores)) {
        anotaFalha(q.lastError());
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

bool Banco::preparaEExecuta(QSqlQuery& q, const QString& sql, const QVariantList& valores)
{
    QElapsedTimer relogio;
    relogio.start();
    for (;;) {
        // Preparing reads the schema, so it too can find the file held.
        if (q.prepare(sql)) {
            for (const QVariant& v : valores)
                q.addBindValue(valorDeTexto(v));
            if (q.exec())
                return true;
        }
        if (!ocupado(q.lastError()) || !aguardaVez(relogio))
            return false;
    }
}
