#pragma once
// A small Config.qzd built from the shipped schema in a temporary folder, for the rail and
// report tests. The tests' data place (DadosTeste) points at it while the object lives.
#include "db/Banco.h"
#include "apoio/Apoio.h"
#include "i18n/IdiomaAtivo.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class BancoMaster {
public:
    BancoMaster()
    {
        ReiniciaTeste(pasta.path());
        DefineIdioma(1);
        QFile vazio(caminho());
        vazio.open(QIODevice::WriteOnly); // Banco never creates a file
        vazio.close();
        QFile esquema(QStringLiteral(PASTA_FONTES "/data/esquema.sql"));
        if (!esquema.open(QIODevice::ReadOnly))
            qFatal("schema not found");
        Banco b(caminho());
        for (const QString& comando : QString::fromUtf8(esquema.readAll()).split(QLatin1Char(';'))) {
            if (!comando.trimmed().isEmpty() && !b.executa(comando))
                qFatal("schema: %s", qPrintable(b.erro()));
        }
    }

    QString caminho() const { return pasta.path() + QStringLiteral("/Config.qzd"); }

    void executa(const QString& sql, const QVariantList& valores = {})
    {
        Banco b(caminho());
        if (!b.executa(sql, valores))
            qFatal("fixture: %s", qPrintable(b.erro()));
    }

    // Inserts a Master row: Modelo, Malha, Orig, Ci, RefV, RefT, TIPO (Ref = RefV).
    void linha(const QString& modelo, const QString& malha, const QString& orig, const QString& ci,
               const QString& refV, const QString& refT, int tipo)
    {
        executa(QStringLiteral("Insert into Master (Modelo, Malha, Orig, Leitura, Ref, Porc, Ci, G1, G2, "
                               "G3, RefV, RefT, Info, TIPO) values (?, ?, ?, '', ?, '', ?, '', '', '', ?, ?, '', ?)"),
                {modelo, malha, orig, refV.isEmpty() ? QString() : refV + QStringLiteral(" V"), ci,
                 refV, refT, tipo});
    }

    // Field values of Master rows matching a condition, in Malha order.
    QStringList campo(const QString& nome, const QString& condicao = QStringLiteral("1"),
                      const QVariantList& valores = {})
    {
        Banco b(caminho());
        QStringList r;
        for (const auto& rec : b.linhas(QStringLiteral("Select %1 from Master where %2 order by Malha")
                                            .arg(nome, condicao),
                                        valores))
            r << rec.value(0).toString();
        return r;
    }

    QTemporaryDir pasta;
};
