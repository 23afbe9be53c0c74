#include "db/Banco.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The ad-hoc connection: values are data, empty texts stay texts, missing files stay missing.
class TestBanco : public QObject {
    Q_OBJECT
private slots:
    void textoVazioNuloEhGravadoComoTexto()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("t.qzd"));
        QFile(caminho).open(QIODevice::WriteOnly);
        Banco b(caminho);
        QVERIFY(b.aberto());
        QVERIFY(b.executa(QStringLiteral("create table T (Porc TEXT)")));
        QVERIFY(b.executa(QStringLiteral("insert into T values (?)"), {QString()}));
        // The grading queries look for rows without a percentage with "Porc = ''".
        QCOMPARE(b.valor(QStringLiteral("select count(*) from T where Porc = ''")).toInt(), 1);
    }

    void apostrofoEhDadoECuringaViraPorcento()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("t.qzd"));
        QFile(caminho).open(QIODevice::WriteOnly);
        Banco b(caminho);
        QVERIFY(b.executa(QStringLiteral("create table T (Ci TEXT COLLATE NOCASE)")));
        QVERIFY(b.executa(QStringLiteral("insert into T values (?)"), {QStringLiteral("CPU' or '1'='1")}));
        QVERIFY(b.executa(QStringLiteral("insert into T values (?)"), {QStringLiteral("GPU")}));
        QCOMPARE(b.valor(QStringLiteral("select count(*) from T where Ci like ?"),
                         {Banco::curinga(QStringLiteral("*cpu'*"))}).toInt(), 1);
        QCOMPARE(Banco::curinga(QStringLiteral("*NAND*")), QStringLiteral("%NAND%"));
    }

    void arquivoAusenteNaoEhCriado()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("nao-existe.qzd"));
        {
            Banco b(caminho);
            QVERIFY(!b.aberto());
            QVERIFY(!b.executa(QStringLiteral("create table T (x)")));
            QVERIFY(b.linhas(QStringLiteral("select 1")).isEmpty());
            QVERIFY(!b.erro().isEmpty());
        }
        QVERIFY(!QFile::exists(caminho));
    }
};

QTEST_GUILESS_MAIN(TestBanco)
#include "tst_banco.moc"
