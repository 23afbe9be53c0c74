#pragma once
#include "db/ResultadoBanco.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

// One ad-hoc connection to a database file: open, run queries, close when destroyed.
// Values are always bound as parameters ("?"), never spliced into the SQL text.
// A file that does not exist is never created: the connection simply fails.
class Banco {
public:
    explicit Banco(const QString& caminho);
    ~Banco();
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;

    bool aberto() const { return m_aberto; }
    QString erro() const { return m_erro; } // last error text, "" when none
    // The last operation's outcome (opening included) with its reason, for the technician.
    ResultadoBanco resultado() const { return m_resultado; }

    // SELECT: the rows in the query's order; empty on error (see erro()).
    QList<QSqlRecord> linhas(const QString& sql, const QVariantList& valores = {});
    // First row's first column, or an invalid QVariant.
    QVariant valor(const QString& sql, const QVariantList& valores = {});
    // INSERT/UPDATE/DELETE: false on error. linhasAfetadas() tells how many rows changed.
    bool executa(const QString& sql, const QVariantList& valores = {});
    int linhasAfetadas() const { return m_afetadas; }
    QVariant ultimoId() const { return m_ultimoId; }

    QSqlDatabase& db() { return m_db; }

    // A "like" pattern written with "*" as the wildcard, in SQLite's form ("%").
    static QString curinga(QString padrao);

    // A long-lived connection for data-bound views (QSqlQueryModel), shared by all views of
    // the same file; opened on first use. Invalid when the file does not exist.
    static QSqlDatabase conexaoVista(const QString& caminho);

    // Prepares `sql` on q's connection, binds `valores` and runs it. While another program
    // holds the file, tries again for up to two seconds, serving the event loop between tries
    // (never more than a few milliseconds without it), so a held file never freezes the windows.
    static bool preparaEExecuta(QSqlQuery& q, const QString& sql, const QVariantList& valores = {});

private:
    void anotaFalha(const QSqlError& erro);

    QString m_nome;
    QString m_caminho;
    ResultadoBanco m_resultado;
    QSqlDatabase m_db;
    bool m_aberto = false;
    QString m_erro;
    int m_afetadas = 0;
    QVariant m_ultimoId;
};
