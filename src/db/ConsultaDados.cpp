#include "db/ConsultaDados.h"

#include "db/Banco.h"
#include "shell/Globais.h"

QSqlQuery ConsultaDados(const QString& modelo, const QString& comando)
{
    const QSqlDatabase db = Banco::conexaoVista(Globais::instancia().CaminhoBanco);
    QSqlQuery q(db);
    if (!db.isValid() || !db.isOpen())
        return q;
    Banco::preparaEExecuta(q, QStringLiteral("Select * From Dados where Aparelho = ? and Comando = ?"),
                           {modelo, comando});
    return q;
}

QSqlQuery ConsultaDadosVazia()
{
    QSqlQuery q(Banco::conexaoVista(Globais::instancia().CaminhoBanco));
    Banco::preparaEExecuta(q, QStringLiteral("Select * From Dados where Aparelho = ?"), {QStringLiteral("xx")});
    return q;
}
