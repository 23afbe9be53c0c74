// The merge of the user's data of a previous installation and the first-start questions,
// on real database files in a temporary application folder.
#include "apoio/Apoio.h"
#include "db/janelas/Sincronizacao.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "i18n/IdiomaAtivo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

// Runs SQL statements on a file through a connection of its own (creating the file).
bool executa(const QString& caminho, const QStringList& comandos, const QVariantList& valores = {})
{
    const QString nome = QStringLiteral("tst_importacao_%1").arg(quintptr(&caminho));
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(caminho);
        ok = db.open();
        for (const QString& sql : comandos) {
            QSqlQuery q(db);
            q.prepare(sql);
            if (sql.count(QLatin1Char('?')) == valores.size())
                for (const QVariant& v : valores)
                    q.addBindValue(v);
            if (!q.exec()) {
                qWarning() << sql << q.lastError().text();
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return ok;
}

// Every row of every table, keyed by table and rowid, as text.
QMap<QString, QString> linhas(const QString& caminho)
{
    QMap<QString, QString> m;
    const QString nome = QStringLiteral("tst_importacao_leitura");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(caminho);
        db.open();
        for (const QString& tabela : db.tables()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("select rowid as id_linha, * from \"%1\"").arg(tabela));
            while (q.next()) {
                QStringList valores;
                for (int i = 1; i < q.record().count(); ++i)
                    valores << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
                m.insert(tabela + QLatin1Char('#') + q.value(0).toString(), valores.join(QLatin1Char('|')));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return m;
}

QVariant valor(const QString& caminho, const QString& sql)
{
    QVariant v;
    const QString nome = QStringLiteral("tst_importacao_valor");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(caminho);
        db.open();
        QSqlQuery q(db);
        if (q.exec(sql) && q.next())
            v = q.value(0);
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return v;
}

QByteArray resumo(const QString& caminho)
{
    QFile f(caminho);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The keys of the rows whose text differs between two listings (added, removed or changed).
QStringList diferencas(const QMap<QString, QString>& antes, const QMap<QString, QString>& depois)
{
    QStringList d;
    for (auto it = depois.cbegin(); it != depois.cend(); ++it)
        if (antes.value(it.key(), QStringLiteral("<ausente>")) != it.value())
            d << it.key();
    for (auto it = antes.cbegin(); it != antes.cend(); ++it)
        if (!depois.contains(it.key()))
            d << it.key();
    d.sort();
    return d;
}

const QString ChaveMensagem = QStringLiteral("MSG_DADOS_SYNC");

} // namespace

class TstImportacao : public QObject {
    Q_OBJECT
private slots:
    void sequenciaDeEstados_data();
    void sequenciaDeEstados();
    void perguntaAteDecidir();
    void primeiroUso();
    void mescla();
    void chavesComApostrofo();
    void origemDefeituosa_data();
    void origemDefeituosa();
};

void TstImportacao::sequenciaDeEstados_data()
{
    QTest::addColumn<QVariant>("inicial");   // syncbd before; invalid = NULL
    QTest::addColumn<bool>("comUsuario");    // User.qzd present
    QTest::addColumn<int>("resposta");       // 1 Yes, 0 No
    QTest::addColumn<bool>("pergunta");
    QTest::addColumn<QVariant>("final");
    QTest::addColumn<bool>("importou");

    const QVariant nulo;
    QTest::newRow("fresh, no user data") << QVariant("0") << false << 0 << false << QVariant("2") << false;
    QTest::newRow("declined once, no user data") << QVariant("1") << false << 0 << false << QVariant("2") << false;
    QTest::newRow("settled, no user data") << QVariant("2") << false << 0 << false << QVariant("2") << false;
    QTest::newRow("unreadable, no user data") << nulo << false << 0 << false << QVariant("2") << false;
    QTest::newRow("fresh, No") << QVariant("0") << true << 0 << true << QVariant("1") << false;
    QTest::newRow("declined once, No") << QVariant("1") << true << 0 << true << QVariant("2") << false;
    QTest::newRow("fresh, Yes") << QVariant("0") << true << 1 << true << QVariant("2") << true;
    QTest::newRow("declined once, Yes") << QVariant("1") << true << 1 << true << QVariant("2") << true;
    QTest::newRow("settled") << QVariant("2") << true << 1 << false << QVariant("2") << false;
    QTest::newRow("other value") << QVariant("7") << true << 1 << false << QVariant("7") << false;
    QTest::newRow("unreadable") << nulo << true << 1 << false << nulo << false;
}

void TstImportacao::sequenciaDeEstados()
{
    QFETCH(QVariant, inicial);
    QFETCH(bool, comUsuario);
    QFETCH(int, resposta);
    QFETCH(bool, pergunta);
    QFETCH(QVariant, final);
    QFETCH(bool, importou);

    PastaAplicacaoTemporaria pasta;
    DefineIdioma(2);
    const QString usuario = DadosTeste().usuario();
    if (comUsuario) {
        QVERIFY(QFile::copy(pasta.banco(), usuario));
        QVERIFY(executa(usuario, {"Insert into Comandos (Comando) values ('comando do usuario')"}));
    }
    QVERIFY(executa(pasta.banco(), {"Update Tools set syncbd = ?"}, {inicial.isValid() ? inicial : QVariant(QMetaType(QMetaType::QString))}));

    RoteiroInstalado r;
    r.roteiro.respostas = {resposta ? Dialogos::Resposta::Sim : Dialogos::Resposta::Nao};
    PerguntaImportacao(ContextoTeste().dados);

    const QStringList titulos = r.roteiro.titulos();
    QCOMPARE(titulos.contains(TextoDoDicionario(QStringLiteral("Sincronização"), 2)), pergunta);
    if (pergunta) {
        const auto& caixa = r.roteiro.mostradas.first().caixa;
        QCOMPARE(caixa.icone, Dialogos::Icone::Pergunta);
        QCOMPARE(caixa.botoes, Dialogos::Botoes::SimNao);
        QCOMPARE(caixa.texto, TextoDoDicionario(QStringLiteral("Dados UPDATE1"), 2) + QStringLiteral("\r\n")
                                  + TextoDoDicionario(QStringLiteral("Dados UPDATE2"), 2));
    }
    const QVariant depois = valor(pasta.banco(), "select syncbd from Tools");
    QCOMPARE(depois.isNull(), final.isNull());
    if (!final.isNull())
        QCOMPARE(depois.toString(), final.toString());
    QCOMPARE(valor(pasta.banco(), "select count(*) from Comandos where Comando = 'comando do usuario'").toInt(),
             importou ? 1 : 0);
    // The closing box comes with every merge, and only with one.
    const auto caixaSync = CaixaDaMensagem(ChaveMensagem, 2);
    QVERIFY(caixaSync);
    QCOMPARE(r.roteiro.textos().contains(caixaSync->texto), importou);
}

void TstImportacao::perguntaAteDecidir()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(2);
    QVERIFY(QFile::copy(pasta.banco(), DadosTeste().usuario()));
    RoteiroInstalado r;
    // Three starts of a fresh installation, the user says No each time it is asked.
    QStringList estados;
    int perguntas = 0;
    for (int inicio = 0; inicio < 3; ++inicio) {
        r.roteiro.limpa();
        r.roteiro.respostas = {Dialogos::Resposta::Nao};
        PerguntaImportacao(ContextoTeste().dados);
        perguntas += r.roteiro.mostradas.size();
        estados << valor(pasta.banco(), "select syncbd from Tools").toString();
    }
    QCOMPARE(estados, QStringList({"1", "2", "2"}));
    QCOMPARE(perguntas, 2);
}

void TstImportacao::primeiroUso()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(2);
    int avisos = 0;
    QVERIFY(!VerificaPrimeiroUso(DadosTeste().banco, [&] { ++avisos; return false; }));
    QCOMPARE(avisos, 1);
    QVERIFY(VerificaPrimeiroUso(DadosTeste().banco, [&] { ++avisos; return true; }));
    QCOMPARE(avisos, 2);
    QVERIFY(executa(pasta.banco(), {"Update Tools set syncbd = '1'"}));
    QVERIFY(VerificaPrimeiroUso(DadosTeste().banco, [&] { ++avisos; return false; }));
    QCOMPARE(avisos, 2);
}

void TstImportacao::mescla()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(2);
    const QString usuario = DadosTeste().usuario();
    QVERIFY(QFile::copy(pasta.banco(), usuario));
    // The user's previous installation: recordings, a re-recorded answer with notes, an own
    // recording, an own command, a changed command note and other chooser values.
    QVERIFY(executa(usuario, {
        "Update Master set G1 = '0.801 V', G2 = '0.802 V', G3 = '0.803 V' where Modelo = 'IP 7' and Malha = '1. PP_CPU'",
        "Insert into Master (Modelo, Malha, G1) values ('IP 7', 'rail of an old version', '1.000 V')",
        "Update Dados set Dados = 'my help', Info = 'nota', Info2 = 'note', Info3 = 'nota es' where Aparelho = 'IP 7' and Comando = 'Help'",
        "Insert into Dados (Aparelho, Comando, Dados, Info) values ('IP 7', 'my cmd', 'answer', 'n')",
        "Insert into Comandos (Comando, Info2) values ('my cmd', 'mine')",
        "Update Comandos set Info2 = 'user note' where Comando = 'help'",
        "Update Combos set Combo1 = '2', Combo7 = '2', Combo10 = 'x'",
    }));
    const auto antes = linhas(pasta.banco());

    const ResultadoImportacao res = ImportaDados(pasta.banco(), usuario);
    const QString b = pasta.banco();
    QCOMPARE(valor(b, "select G1 || G2 || G3 from Master where Modelo = 'IP 7' and Malha = '1. PP_CPU'").toString(),
             QStringLiteral("0.801 V0.802 V0.803 V"));
    QCOMPARE(valor(b, "select count(*) from Master where Malha = 'rail of an old version'").toInt(), 0);
    QCOMPARE(valor(b, "select Dados || Info || Info2 || Info3 from Dados where Aparelho = 'IP 7' and Comando = 'Help'").toString(),
             QStringLiteral("my helpnotanotenota es"));
    QCOMPARE(valor(b, "select count(*) from Dados where Comando = 'my cmd' and Dados = 'answer'").toInt(), 1);
    QCOMPARE(valor(b, "select Info2 from Comandos where Comando = 'my cmd'").toString(), QStringLiteral("mine"));
    QCOMPARE(valor(b, "select Info2 from Comandos where Comando = 'help'").toString(),
             QStringLiteral("Lists the diagnostics shell commands."));
    QCOMPARE(valor(b, "select Combo1 || Combo7 || Combo10 from Combos").toString(), QStringLiteral("22x"));
    QCOMPARE(valor(b, "select count(*) from Combos").toInt(), 1);
    QCOMPARE(res.comandosNovos, 1);
    QCOMPARE(res.dadosNovos, 1);
    QVERIFY(res.combos);
    // Nothing but those tables changed: the settings row is left alone.
    for (const QString& chave : diferencas(antes, linhas(b)))
        QVERIFY2(chave.startsWith("Master#") || chave.startsWith("Dados#") || chave.startsWith("Comandos#")
                     || chave.startsWith("Combos#"),
                 qPrintable(chave));
}

void TstImportacao::chavesComApostrofo()
{
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(2);
    const QString b = pasta.banco();
    QVERIFY(executa(b, {
        "Insert into Dados (Aparelho, Comando, Dados) values ('IP 7', 'say ''hi''', 'old')",
        "Insert into Dados (Aparelho, Comando, Dados) values ('IP 7', 'say', 'untouched')",
        "Insert into Master (Modelo, Malha, G1) values ('IP 7', 'PP_A''B', '')",
        "Insert into Comandos (Comando, Info) values ('o''brien', 'shipped')",
    }));
    const QString usuario = DadosTeste().usuario();
    QVERIFY(executa(usuario, {
        "Create table Dados (Aparelho TEXT, Comando TEXT, Dados TEXT, Info TEXT, Info2 TEXT, Info3 TEXT)",
        "Create table Master (Modelo TEXT, Malha TEXT, G1 TEXT, G2 TEXT, G3 TEXT)",
        "Create table Comandos (Comando TEXT, Info TEXT, Info2 TEXT, Info3 TEXT)",
        "Insert into Dados (Aparelho, Comando, Dados) values ('IP 7', 'say ''hi''', 'new')",
        // Keys built to widen a spliced query: as data they match nothing.
        "Insert into Dados (Aparelho, Comando, Dados) values ('IP 7', 'x'' or ''1''=''1', 'injected')",
        "Insert into Master (Modelo, Malha, G1) values ('IP 7', 'PP_A''B', '1.1 V')",
        "Insert into Master (Modelo, Malha, G1) values ('IP 7'' or ''1''=''1', 'x', 'injected')",
        "Insert into Comandos (Comando, Info) values ('o''brien', 'user')",
        "Insert into Comandos (Comando, Info) values ('it''s new', 'user')",
    }));
    const auto antes = linhas(b);
    ImportaDados(b, usuario);
    const auto depois = linhas(b);

    const QString dadosHi = "Dados#" + valor(b, "select rowid from Dados where Comando = 'say ''hi'''").toString();
    const QString masterAB = "Master#" + valor(b, "select rowid from Master where Malha = 'PP_A''B'").toString();
    const QString novoComando = "Comandos#" + valor(b, "select rowid from Comandos where Comando = 'it''s new'").toString();
    const QString dadosInjetado = "Dados#" + valor(b, "select rowid from Dados where Dados = 'injected'").toString();
    // Exactly the rows the keys match changed, plus the two rows the user had and the new
    // installation lacks.
    QStringList esperadas{dadosHi, dadosInjetado, masterAB, novoComando};
    esperadas.sort();
    QCOMPARE(diferencas(antes, depois), esperadas);
    QCOMPARE(valor(b, "select Dados from Dados where Comando = 'say ''hi'''").toString(), QStringLiteral("new"));
    QCOMPARE(valor(b, "select G1 from Master where Malha = 'PP_A''B'").toString(), QStringLiteral("1.1 V"));
    QCOMPARE(valor(b, "select Info from Comandos where Comando = 'o''brien'").toString(), QStringLiteral("shipped"));
    QCOMPARE(valor(b, "select count(*) from Master where G1 = 'injected'").toInt(), 0);
}

void TstImportacao::origemDefeituosa_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::newRow("missing") << "ausente";
    QTest::newRow("empty file") << "vazio";
    QTest::newRow("not a database") << "lixo";
    QTest::newRow("a folder") << "pasta";
    QTest::newRow("half a file") << "metade";
    QTest::newRow("plain text") << "texto";
    QTest::newRow("lacks Master and Combos") << "parcial";
}

void TstImportacao::origemDefeituosa()
{
    QFETCH(QString, tipo);
    PastaAplicacaoTemporaria pasta;
    DefineIdioma(1);
    const QString usuario = DadosTeste().usuario();
    if (tipo == "vazio") {
        QFile f(usuario);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else if (tipo == "lixo") {
        QFile f(usuario);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, '\xA5'));
    } else if (tipo == "pasta") {
        QVERIFY(QDir().mkdir(usuario));
    } else if (tipo == "metade") {
        QVERIFY(QFile::copy(pasta.banco(), usuario));
        QVERIFY(executa(usuario, {"Update Master set G1 = 'recording'"}));
        QVERIFY(QFile::resize(usuario, QFileInfo(usuario).size() / 2));
    } else if (tipo == "texto") {
        QFile f(usuario);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Aparelho;Comando;Dados\r\nIP 7;help;lista\r\n");
    } else if (tipo == "parcial") {
        QVERIFY(executa(usuario, {
            "Create table Dados (Aparelho TEXT, Comando TEXT, Dados TEXT, Info TEXT, Info2 TEXT, Info3 TEXT)",
            "Create table Comandos (Comando TEXT)", // an older layout without the notes
            "Insert into Dados values ('IP 7', 'user cmd', 'answer', 'a', 'b', 'c')",
            "Insert into Comandos values ('user cmd')",
        }));
    }
    const QByteArray antes = resumo(pasta.banco());
    const auto linhasAntes = linhas(pasta.banco());

    RoteiroInstalado r;
    const ResultadoImportacao res = SincronizaDadosUsuario(ContextoTeste().dados);

    const auto caixa = CaixaDaMensagem(ChaveMensagem, 1);
    QVERIFY(caixa);
    if (tipo != "parcial") {
        // Nothing could be read: said as such, never as a success, and nothing touched.
        QVERIFY(!res.falha.ok());
        QCOMPARE(r.roteiro.mostradas.size(), 1);
        const auto& mostrada = r.roteiro.mostradas.first().caixa;
        QCOMPARE(mostrada.icone, Dialogos::Icone::Critico);
        QVERIFY(mostrada.texto.startsWith(TextoDoDicionario(QStringLiteral("BANCO Nada importado"), 1)));
        QVERIFY(mostrada.texto.contains(QStringLiteral("User.qzd")));
        QCOMPARE(resumo(pasta.banco()), antes);

        // Answered Yes at start: the question stays for the next start.
        QVERIFY(executa(pasta.banco(), {"Update Tools set syncbd = '0'"}));
        r.roteiro.limpa();
        r.roteiro.respostas = {Dialogos::Resposta::Sim};
        if (tipo != "ausente" && tipo != "pasta") { // these are no file to import: nothing is asked
            QVERIFY(!PerguntaImportacao(ContextoTeste().dados));
            QCOMPARE(valor(pasta.banco(), "select syncbd from Tools").toString(), QStringLiteral("0"));
            QVERIFY(!r.roteiro.textos().contains(caixa->texto));
        }
        return;
    }
    // Part of it was imported: never said as a success; what came over and what did not is
    // said, and the question stays open while the recordings and settings are missing.
    QVERIFY(res.falha.ok());
    QCOMPARE(res.tabelasNaoLidas, (QStringList{"Master", "Combos"}));
    QVERIFY(!res.completa());
    QCOMPARE(r.roteiro.mostradas.size(), 1);
    const auto& mostrada = r.roteiro.mostradas.first().caixa;
    QVERIFY(!r.roteiro.textos().contains(caixa->texto));
    QCOMPARE(mostrada.icone, Dialogos::Icone::Exclamacao);
    QVERIFY2(mostrada.texto.startsWith(TextoDoDicionario("IMPORTACAO_PARCIAL", 1).section("%1", 0, 0)),
             qPrintable(mostrada.texto));
    QVERIFY(mostrada.texto.contains(TextoDoDicionario("IMPORTACAO_TABELA_Master", 1)));
    QVERIFY(mostrada.texto.contains(TextoDoDicionario("IMPORTACAO_TABELA_Combos", 1)));
    QVERIFY(!mostrada.texto.contains(TextoDoDicionario("IMPORTACAO_TABELA_Dados", 1)));
    QVERIFY(mostrada.texto.contains("1 resposta(s)"));
    QVERIFY(mostrada.texto.contains("1 comando(s)"));
    const QStringList mudou = diferencas(linhasAntes, linhas(pasta.banco()));
    QCOMPARE(mudou.size(), 2);
    QCOMPARE(valor(pasta.banco(), "select Info2 from Dados where Comando = 'user cmd'").toString(), QStringLiteral("b"));
    QCOMPARE(valor(pasta.banco(), "select count(*) from Comandos where Comando = 'user cmd' and Info is null").toInt(), 1);
    QVERIFY(!QFile::exists(usuario + "-journal"));

    // Answered Yes at start: the import is offered again at the next start.
    QVERIFY(executa(pasta.banco(), {"Update Tools set syncbd = '0'"}));
    r.roteiro.limpa();
    r.roteiro.respostas = {Dialogos::Resposta::Sim};
    PerguntaImportacao(ContextoTeste().dados);
    QCOMPARE(valor(pasta.banco(), "select syncbd from Tools").toString(), QStringLiteral("0"));
    QVERIFY(ImportacaoAPerguntar(DadosTeste()));
}

QTEST_MAIN(TstImportacao)
#include "tst_importacao.moc"
