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

void anota(Falha* falha, const QString& descricao, int numero, const ResultadoBanco& resultado)
{
    if (falha)
        *falha = Falha{descricao, numero, resultado};
}
void anota(Falha* falha, const Banco& banco, int numero)
{
    anota(falha, banco.erro(), numero, banco.resultado());
}
void anota(Falha* falha, const QSqlError& erro, const QString& caminhoBanco, int numero)
{
    anota(falha, erro.text(), numero, ResultadoBanco::doErro(erro, caminhoBanco));
}

// Numbers of the store error box, after the database engine's own error classes.
constexpr int ErroSemBanco = 3024;     // database file cannot be opened
constexpr int ErroSemRegistro = 3021;  // no current record
constexpr int ErroGravacao = 3022;     // the engine refused the write

const QString SemRegistroAtual = QStringLiteral("No current record.");

void anotaSemRegistro(Falha* falha)
{
    anota(falha, SemRegistroAtual, ErroSemRegistro, ResultadoBanco::falha(MotivoFalhaBanco::LinhaAusente));
}

// Runs a write and notes why it failed; `umaLinha`: exactly one row must change.
bool grava(Banco& banco, const QString& sql, const QVariantList& valores, Falha* falha, bool umaLinha)
{
    if (!banco.aberto()) {
        anota(falha, banco, ErroSemBanco);
        return false;
    }
    if (!banco.executa(sql, valores)) {
        anota(falha, banco, ErroGravacao);
        return false;
    }
    if (umaLinha && banco.linhasAfetadas() != 1) {
        anotaSemRegistro(falha);
        return false;
    }
    return true;
}
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
        if (banco.erro().isEmpty())
            anotaSemRegistro(falha);
        else
            anota(falha, banco, ErroSemRegistro);
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
        anotaSemRegistro(falha);
        return false;
    }
    Banco banco(caminhoBanco);
    return grava(banco, QStringLiteral("Update Dados set Dados = ?, Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                 {linha.dados, linha.info, linha.info2, linha.info3, linha.rowid}, falha, true);
}

bool ExcluiDados(const QString& caminhoBanco, const QVariant& rowid, Falha* falha)
{
    if (!rowid.isValid()) {
        anotaSemRegistro(falha);
        return false;
    }
    Banco banco(caminhoBanco);
    return grava(banco, QStringLiteral("Delete from Dados where rowid = ?"), {rowid}, falha, true);
}

bool SalvaEdicoes(const QString& caminhoBanco, LinhaDados* dados, const LinhaComando* comando, Falha* falha)
{
    Banco banco(caminhoBanco);
    if (!banco.aberto()) {
        anota(falha, banco, ErroSemBanco);
        return false;
    }
    QSqlDatabase& db = banco.db();
    if (!db.transaction()) {
        anota(falha, db.lastError(), caminhoBanco, ErroGravacao);
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
            anotaSemRegistro(falha);
            if (falha)
                falha->comandoNaoSalvo = true;
            ok = false;
        } else {
            ok = grava(banco, QStringLiteral("Update Comandos set Info = ?, Info2 = ?, Info3 = ? where rowid = ?"),
                       {comando->info, comando->info2, comando->info3, comando->rowid}, falha, true);
        }
    }
    if (ok && !db.commit()) {
        anota(falha, db.lastError(), caminhoBanco, ErroGravacao);
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
