#include "db/Banco.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"

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

    // Every reason a write fails for reads in each language, after what was not done, and
    // names the file it is about.
    void motivoDeFalhaNosTresIdiomas_data()
    {
        QTest::addColumn<int>("motivo");
        QTest::addColumn<bool>("nomeiaArquivo");
        QTest::newRow("missing") << int(MotivoFalhaBanco::Ausente) << true;
        QTest::newRow("read-only") << int(MotivoFalhaBanco::SomenteLeitura) << true;
        QTest::newRow("full") << int(MotivoFalhaBanco::DiscoCheio) << false;
        QTest::newRow("busy") << int(MotivoFalhaBanco::Ocupado) << true;
        QTest::newRow("damaged") << int(MotivoFalhaBanco::Danificado) << true;
        QTest::newRow("row gone") << int(MotivoFalhaBanco::LinhaAusente) << false;
        QTest::newRow("import pending") << int(MotivoFalhaBanco::ImportacaoPendente) << true;
        QTest::newRow("other") << int(MotivoFalhaBanco::Outro) << false;
    }
    void motivoDeFalhaNosTresIdiomas()
    {
        QFETCH(int, motivo);
        QFETCH(bool, nomeiaArquivo);
        const std::pair<ResultadoBanco::Alvo, const char*> alvos[] = {
            {ResultadoBanco::Alvo::Gravacao, "BANCO Não gravado"},
            {ResultadoBanco::Alvo::CopiaUsuario, "BANCO Cópia não atualizada"},
            {ResultadoBanco::Alvo::Importacao, "BANCO Nada importado"},
            {ResultadoBanco::Alvo::Inicio, "BANCO Nada será gravado"},
        };
        for (int idioma = 1; idioma <= 3; ++idioma) {
            DefineIdioma(idioma);
            for (const auto& [alvo, chave] : alvos) {
                const QString texto = ResultadoBanco::falha(MotivoFalhaBanco(motivo), QStringLiteral("engine text"),
                                                            QStringLiteral("/pasta/User.qzd"))
                                          .sobre(alvo)
                                          .mensagem();
                const QString inicio = TextoDoDicionario(QString::fromUtf8(chave), idioma);
                QVERIFY2(!inicio.isEmpty() && texto.startsWith(inicio), qPrintable(texto));
                QVERIFY2(texto.size() > inicio.size() + 10, qPrintable(texto));
                QVERIFY(!texto.contains(QStringLiteral("%1")));
                QCOMPARE(texto.contains(QStringLiteral("User.qzd")), nomeiaArquivo || alvo == ResultadoBanco::Alvo::CopiaUsuario
                                                                        || MotivoFalhaBanco(motivo) == MotivoFalhaBanco::ImportacaoPendente);
            }
        }
        DefineIdioma(0);
        QVERIFY(ResultadoBanco().mensagem().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBanco)
#include "tst_banco.moc"
