#include "db/ConsultaDados.h"

#include "db/Banco.h"

QSqlQuery ConsultaDados(const QString& caminhoBanco, const QString& modelo, const QString& comando)
{
    const QSqlDatabase db = Banco::conexaoVista(caminhoBanco);
    QSqlQuery q(db);
    if (!db.isValid() || !db.isOpen())
        return q;
    Banco::preparaEExecuta(q, QStringLiteral("Select * From Dados where Aparelho = ? and Comando = ?"),
                           {modelo, comando});
    return q;
}

QSqlQuery ConsultaDadosVazia(const QString& caminhoBanco)
{
    QSqlQuery q(Banco::conexaoVista(caminhoBanco));
    Banco::preparaEExecuta(q, QStringLiteral("Select * From Dados where Aparelho = ?"), {QStringLiteral("xx")});
    return q;
}
