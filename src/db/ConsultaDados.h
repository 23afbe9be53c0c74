#pragma once
#include <QSqlQuery>
#include <QString>

// The recorded answers of a good board for a model and a command (table Dados) of the
// database at caminhoBanco, on the
// connection of the data-bound views, executed and ready for QSqlQueryModel::setQuery.
// An invalid or closed connection gives an inactive query (the view shows nothing).
QSqlQuery ConsultaDados(const QString& caminhoBanco, const QString& modelo, const QString& comando);
// The columns of Dados without a row (a model no board has), for a comparator with nothing
// to compare yet.
QSqlQuery ConsultaDadosVazia(const QString& caminhoBanco);
