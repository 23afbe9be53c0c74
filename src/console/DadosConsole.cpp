#include "console/DadosConsole.h"

#include "db/Banco.h"

#include <QSqlRecord>

namespace DadosConsole {

namespace {
QString texto(const QSqlRecord& r, const char* campo)
{
    return r.value(QLatin1String(campo)).toString();
}

void anota(Falha* falha, const QString& descricao, int numero)
{
    if (falha)
        *falha = Falha{descricao, numero};
}

// Numbers of the store error box, after the database engine's own error classes.
constexpr int ErroSemBanco = 3024;     // database file cannot be opened
constexpr int ErroSemRegistro = 3021;  // no current record
constexpr int ErroGravacao = 3022;     // the engine refused the write
} // namespace

LinhaDados LeDadosGravados(const QString& caminhoBanco, const QString& modelo, const QString& comando)
{
    LinhaDados l;
    Banco banco(caminhoBanco);
    const auto linhas = banco.linhas(
        QStringLiteral("Select rowid as id_linha, * From Dados where Aparelho = ? and Comando  = ? "
                       "order by rowid limit 1"),
        {modelo, comando});
    if (linhas.isEmpty())
        return l;
    const QSqlRecord& r = linhas.first();
    l.rowid = r.value(QStringLiteral("id_linha"));
    l.aparelho = texto(r, "Aparelho");
    l.comando = texto(r, "Comando");
    l.dados = texto(r, "Dados");
    l.info = texto(r, "Info");
    l.info2 = texto(r, "Info2");
    l.info3 = texto(r, "Info3");
    return l;
}

LinhaComando LeComando(const QString& caminhoBanco, const QString& comando)
{
    LinhaComando l;
    Banco banco(caminhoBanco);
    const auto linhas = banco.linhas(
        QStringLiteral("Select rowid as id_linha, * From Comandos where Comando  = ? order by rowid limit 1"),
        {comando});
    if (linhas.isEmpty())
        return l;
    const QSqlRecord& r = linhas.first();
    l.rowid = r.value(QStringLiteral("id_linha"));
    l.comando = texto(r, "Comando");
    l.info = texto(r, "Info");
    l.info2 = texto(r, "Info2");
    l.info3 = texto(r, "Info3");
    return l;
}

QStringList ComandosSalvos(const QString& caminhoBanco, bool* ok)
{
    Banco banco(caminhoBanco);
    const auto linhas = banco.linhas(QStringLiteral("Select * from Comandos order by comando"));
    if (ok)
        *ok = banco.aberto() && banco.erro().isEmpty();
    QStringList lista;
    for (const QSqlRecord& r : linhas)
        lista << texto(r, "Comando");
    return lista;
}

bool AdicionaComando(const QString& caminhoBanco, const QString& comando)
{
    Banco banco(caminhoBanco);
    return banco.executa(QStringLiteral("Insert into Comandos (Comando) values (?)"), {comando});
}

bool ApagaComando(const QString& caminhoBanco, const QString& comando)
{
    Banco banco(caminhoBanco);
    const QVariant id = banco.valor(
        QStringLiteral("Select rowid from Comandos where comando = ? order by rowid limit 1"), {comando});
    if (!id.isValid())
        return false;
    return banco.executa(QStringLiteral("Delete from Comandos where rowid = ?"), {id})
        && banco.linhasAfetadas() == 1;
}

bool InsereDados(const QString& caminhoBanco, const LinhaDados& linha, QVariant* rowid, Falha* falha)
{
    Banco banco(caminhoBanco);
    if (!banco.aberto()) {
        anota(falha, banco.erro(), ErroSemBanco);
        return false;
    }
    if (!banco.executa(QStringLiteral("Insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) "
                                      "values (?, ?, ?, ?, ?, ?)"),
                       {linha.aparelho, linha.comando, linha.dados, linha.info, linha.info2, linha.info3})) {
        anota(falha, banco.erro(), ErroGravacao);
        return false;
    }
    if (rowid)
        *rowid = banco.ultimoId();
    return true;
}

bool AtualizaDados(const QString& caminhoBanco, const LinhaDados& linha, Falha* falha)
{
    if (!linha.existe()) {
        anota(falha, QStringLiteral("No current record."), ErroSemRegistro);
        return false;
    }
    Banco banco(caminhoBanco);
    if (!banco.aberto()) {
        anota(falha, banco.erro(), ErroSemBanco);
        return false;
    }
    if (!banco.executa(QStringLiteral("Update Dados set Dados = ?, Info = ?, Info2 = ?, Info3 = ? "
                                      "where rowid = ?"),
                       {linha.dados, linha.info, linha.info2, linha.info3, linha.rowid})) {
        anota(falha, banco.erro(), ErroGravacao);
        return false;
    }
    if (banco.linhasAfetadas() != 1) {
        anota(falha, QStringLiteral("No current record."), ErroSemRegistro);
        return false;
    }
    return true;
}

bool AtualizaComando(const QString& caminhoBanco, const LinhaComando& linha)
{
    if (!linha.existe())
        return false;
    Banco banco(caminhoBanco);
    return banco.executa(QStringLiteral("Update Comandos set Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                         {linha.info, linha.info2, linha.info3, linha.rowid})
        && banco.linhasAfetadas() == 1;
}

bool ExcluiDados(const QString& caminhoBanco, const QVariant& rowid)
{
    if (!rowid.isValid())
        return false;
    Banco banco(caminhoBanco);
    return banco.executa(QStringLiteral("Delete from Dados where rowid = ?"), {rowid})
        && banco.linhasAfetadas() == 1;
}

} // namespace DadosConsole
