#include "db/ConsultaDados.h"

#include "db/Banco.h"
#include "shell/Globais.h"

QSqlQuery ConsultaDados(const QString& modelo, const QString& comando)
{
    const QSqlDatabase db = Banco::conexaoVista(Globais::instancia().CaminhoBanco);
    QSqlQuery q(db);
    if (!db.isValid() || !db.isOpen())
        return q;
    q.prepare(QStringLiteral("Select * From Dados where Aparelho = ? and Comando = ?"));
    q.addBindValue(modelo);
    q.addBindValue(comando);
    q.exec();
    return q;
}

QSqlQuery ConsultaDadosVazia()
{
    QSqlQuery q(Banco::conexaoVista(Globais::instancia().CaminhoBanco));
    q.prepare(QStringLiteral("Select * From Dados where Aparelho = ?"));
    q.addBindValue(QStringLiteral("xx"));
    q.exec();
    return q;
}
