#include "console/DadosConsole.h"

#include "db/Banco.h"

#include <QSqlError>
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
        *falha = Falha{descricao, numero, MotivoDoErro(descricao)};
}

// Numbers of the store error box, after the database engine's own error classes.
constexpr int ErroSemBanco = 3024;     // database file cannot be opened
constexpr int ErroSemRegistro = 3021;  // no current record
constexpr int ErroGravacao = 3022;     // the engine refused the write

const QString SemRegistroAtual = QStringLiteral("No current record.");

// Runs a write and notes why it failed; `umaLinha`: exactly one row must change.
bool grava(Banco& banco, const QString& sql, const QVariantList& valores, Falha* falha, bool umaLinha)
{
    if (!banco.aberto()) {
        anota(falha, banco.erro(), ErroSemBanco);
        return false;
    }
    if (!banco.executa(sql, valores)) {
        anota(falha, banco.erro(), ErroGravacao);
        return false;
    }
    if (umaLinha && banco.linhasAfetadas() != 1) {
        anota(falha, SemRegistroAtual, ErroSemRegistro);
        return false;
    }
    return true;
}
} // namespace

Motivo MotivoDoErro(const QString& erroBanco)
{
    // The engine's messages are fixed English texts; the first that matches wins.
    static const struct {
        const char* trecho;
        Motivo motivo;
    } tabela[] = {
        {"readonly", Motivo::SomenteLeitura},
        {"read-only", Motivo::SomenteLeitura},
        {"disk is full", Motivo::DiscoCheio},
        {"no space", Motivo::DiscoCheio},
        {"file not found", Motivo::SemArquivo},
        {"unable to open", Motivo::SemArquivo},
        {"not open", Motivo::SemArquivo},
        {"locked", Motivo::EmUso},
        {"busy", Motivo::EmUso},
        {"malformed", Motivo::Danificado},
        {"not a database", Motivo::Danificado},
        {"no such table", Motivo::Danificado},
        {"no current record", Motivo::SemRegistro},
    };
    for (const auto& linha : tabela)
        if (erroBanco.contains(QLatin1String(linha.trecho), Qt::CaseInsensitive))
            return linha.motivo;
    return Motivo::Recusada;
}

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

bool AdicionaComando(const QString& caminhoBanco, const QString& comando, Falha* falha)
{
    Banco banco(caminhoBanco);
    return grava(banco, QStringLiteral("Insert into Comandos (Comando) values (?)"), {comando}, falha, false);
}

bool ApagaComando(const QString& caminhoBanco, const QString& comando, Falha* falha)
{
    Banco banco(caminhoBanco);
    const QVariant id = banco.valor(
        QStringLiteral("Select rowid from Comandos where comando = ? order by rowid limit 1"), {comando});
    if (!id.isValid()) {
        anota(falha, banco.erro().isEmpty() ? SemRegistroAtual : banco.erro(), ErroSemRegistro);
        return false;
    }
    return grava(banco, QStringLiteral("Delete from Comandos where rowid = ?"), {id}, falha, true);
}

bool InsereDados(const QString& caminhoBanco, const LinhaDados& linha, QVariant* rowid, Falha* falha)
{
    Banco banco(caminhoBanco);
    if (!grava(banco,
               QStringLiteral("Insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) "
                              "values (?, ?, ?, ?, ?, ?)"),
               {linha.aparelho, linha.comando, linha.dados, linha.info, linha.info2, linha.info3}, falha, false))
        return false;
    if (rowid)
        *rowid = banco.ultimoId();
    return true;
}

bool AtualizaDados(const QString& caminhoBanco, const LinhaDados& linha, Falha* falha)
{
    if (!linha.existe()) {
        anota(falha, SemRegistroAtual, ErroSemRegistro);
        return false;
    }
    Banco banco(caminhoBanco);
    return grava(banco, QStringLiteral("Update Dados set Dados = ?, Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                 {linha.dados, linha.info, linha.info2, linha.info3, linha.rowid}, falha, true);
}

bool ExcluiDados(const QString& caminhoBanco, const QVariant& rowid, Falha* falha)
{
    if (!rowid.isValid()) {
        anota(falha, SemRegistroAtual, ErroSemRegistro);
        return false;
    }
    Banco banco(caminhoBanco);
    return grava(banco, QStringLiteral("Delete from Dados where rowid = ?"), {rowid}, falha, true);
}

bool SalvaEdicoes(const QString& caminhoBanco, LinhaDados* dados, const LinhaComando* comando, Falha* falha)
{
    Banco banco(caminhoBanco);
    if (!banco.aberto()) {
        anota(falha, banco.erro(), ErroSemBanco);
        return false;
    }
    QSqlDatabase& db = banco.db();
    if (!db.transaction()) {
        anota(falha, db.lastError().text(), ErroGravacao);
        return false;
    }
    const bool temTexto = !(dados->dados.isEmpty() && dados->info.isEmpty() && dados->info2.isEmpty()
                            && dados->info3.isEmpty());
    bool ok = true;
    QVariant novaLinha;
    if (dados->existe()) {
        ok = grava(banco, QStringLiteral("Update Dados set Dados = ?, Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                   {dados->dados, dados->info, dados->info2, dados->info3, dados->rowid}, falha, true);
    } else if (temTexto && !dados->comando.isEmpty()) {
        ok = grava(banco,
                   QStringLiteral("Insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) "
                                  "values (?, ?, ?, ?, ?, ?)"),
                   {dados->aparelho, dados->comando, dados->dados, dados->info, dados->info2, dados->info3}, falha,
                   false);
        novaLinha = banco.ultimoId();
    }
    if (ok && comando) {
        if (!comando->existe()) {
            anota(falha, SemRegistroAtual, ErroSemRegistro);
            if (falha)
                falha->motivo = Motivo::ComandoNaoSalvo;
            ok = false;
        } else {
            ok = grava(banco, QStringLiteral("Update Comandos set Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                       {comando->info, comando->info2, comando->info3, comando->rowid}, falha, true);
        }
    }
    if (ok && !db.commit()) {
        anota(falha, db.lastError().text(), ErroGravacao);
        ok = false;
    }
    if (!ok) {
        db.rollback();
        return false;
    }
    if (novaLinha.isValid())
        dados->rowid = novaLinha;
    return true;
}

} // namespace DadosConsole
