#include "db/Importacao.h"

#include "db/Banco.h"
#include "db/ExameBanco.h"
#include "i18n/Dicionario.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace {

// The settings row: its rowid and syncbd (invalid variant when unreadable or NULL).
struct Estado {
    QVariant rowid;
    QVariant syncbd;
};

Estado leEstado(Banco& banco)
{
    const auto linhas = banco.linhas(
        QStringLiteral("Select rowid as id_linha, syncbd from Tools order by rowid limit 1"));
    if (linhas.isEmpty())
        return {};
    return {linhas.first().value(0), linhas.first().value(1)};
}

void gravaEstado(Banco& banco, const Estado& estado, const QString& valor)
{
    if (!estado.rowid.isValid())
        return; // no settings row: nothing to edit
    banco.executa(QStringLiteral("Update Tools set syncbd = ? where rowid = ?"), {valor, estado.rowid});
}

QString textoEstado(const Estado& e)
{
    return e.syncbd.isNull() ? QString() : e.syncbd.toString();
}

// A step runs inside its own transaction: either all the rows it could write are kept, or,
// when the target itself fails, none.
class Transacao {
public:
    explicit Transacao(Banco& b) : m_banco(b) { m_ativa = m_banco.db().transaction(); }
    ~Transacao()
    {
        if (m_ativa)
            m_banco.db().rollback();
    }
    // False when the rows could not be kept (the engine's error is on the connection).
    bool confirma()
    {
        bool ok = true;
        if (m_ativa)
            ok = m_banco.db().commit();
        m_ativa = false;
        return ok;
    }

private:
    Banco& m_banco;
    bool m_ativa = false;
};

// The first target row a key matches, or an invalid variant.
QVariant primeiraLinha(Banco& destino, const QString& sql, const QVariantList& chaves)
{
    for (const QVariant& c : chaves)
        if (c.isNull())
            return {}; // a NULL key matches nothing
    return destino.valor(sql, chaves);
}

// Source rows of a table that has the key fields, or false (the table noted as not read) when
// the source has no such table, cannot read it or lacks a key field. An empty table is read.
bool leOrigem(Banco& origem, const QString& tabela, const QStringList& chaves, QList<QSqlRecord>* linhas,
              ResultadoImportacao& res)
{
    *linhas = origem.linhas(QStringLiteral("Select * from ") + tabela + QStringLiteral(" limit 0"));
    bool ok = origem.erro().isEmpty();
    if (ok) {
        const QSqlRecord campos = origem.db().record(tabela);
        for (const QString& c : chaves)
            ok = ok && campos.indexOf(c) >= 0;
    }
    if (ok) {
        *linhas = origem.linhas(QStringLiteral("Select * from ") + tabela);
        ok = origem.erro().isEmpty();
    }
    if (!ok)
        res.tabelasNaoLidas << tabela;
    return ok;
}

// The first write that failed on the target is the reason the merge reports.
void anotaFalha(ResultadoImportacao& res, const ResultadoBanco& falha)
{
    if (res.falha.ok() && !falha.ok())
        res.falha = ResultadoBanco(falha).sobre(ResultadoBanco::Alvo::Importacao);
}

void confirma(Transacao& t, Banco& destino, ResultadoImportacao& res)
{
    if (!t.confirma())
        anotaFalha(res, ResultadoBanco::doErro(destino.db().lastError(), destino.db().databaseName()));
}

bool temCampo(const QSqlRecord& r, const QString& campo)
{
    return r.indexOf(campo) >= 0;
}

void importaGravacoes(Banco& destino, Banco& origem, ResultadoImportacao& res, bool mantemDestino)
{
    QList<QSqlRecord> linhas;
    if (!leOrigem(origem, QStringLiteral("Master"), {QStringLiteral("Modelo"), QStringLiteral("Malha")}, &linhas, res)
        || linhas.isEmpty())
        return;
    Transacao t(destino);
    for (const QSqlRecord& r : linhas) {
        const QVariant id = primeiraLinha(
            destino, QStringLiteral("Select rowid from Master Where Modelo = ? and Malha = ? order by rowid limit 1"),
            {r.value(QStringLiteral("Modelo")), r.value(QStringLiteral("Malha"))});
        if (!id.isValid())
            continue; // rows that exist only in the source are not added
        QStringList campos;
        QVariantList valores;
        for (const char* g : {"G1", "G2", "G3"}) {
            if (!temCampo(r, QLatin1String(g)))
                continue;
            campos << (mantemDestino ? QStringLiteral("%1 = case when coalesce(%1, '') = '' then ? else %1 end")
                                           .arg(QLatin1String(g))
                                     : QLatin1String(g) + QStringLiteral(" = ?"));
            valores << r.value(QLatin1String(g));
        }
        if (campos.isEmpty())
            continue;
        valores << id;
        if (destino.executa(QStringLiteral("Update Master set ") + campos.join(QStringLiteral(", "))
                                + QStringLiteral(" where rowid = ?"),
                            valores))
            ++res.gravacoes;
        else
            anotaFalha(res, destino.resultado());
    }
    confirma(t, destino, res);
}

QVariant campoOuNulo(const QSqlRecord& r, const char* campo)
{
    const int i = r.indexOf(QLatin1String(campo));
    return i < 0 ? QVariant() : r.value(i);
}

void importaDados(Banco& destino, Banco& origem, ResultadoImportacao& res, bool mantemDestino)
{
    QList<QSqlRecord> linhas;
    if (!leOrigem(origem, QStringLiteral("Dados"), {QStringLiteral("Aparelho"), QStringLiteral("Comando")}, &linhas,
                  res)
        || linhas.isEmpty())
        return;
    Transacao t(destino);
    for (const QSqlRecord& r : linhas) {
        const QVariant aparelho = r.value(QStringLiteral("Aparelho"));
        const QVariant comando = r.value(QStringLiteral("Comando"));
        if (aparelho.isNull() || comando.isNull())
            continue;
        const QVariantList notas = {campoOuNulo(r, "Dados"), campoOuNulo(r, "Info"), campoOuNulo(r, "Info2"),
                                    campoOuNulo(r, "Info3")};
        const QVariant id = primeiraLinha(
            destino,
            QStringLiteral("Select rowid from Dados Where Aparelho = ? and Comando = ? order by rowid limit 1"),
            {aparelho, comando});
        if (!id.isValid()) {
            if (destino.executa(QStringLiteral("Insert into Dados (Aparelho, Comando, Dados, Info, Info2, Info3) "
                                               "values (?, ?, ?, ?, ?, ?)"),
                                QVariantList{aparelho, comando} + notas))
                ++res.dadosNovos;
            else
                anotaFalha(res, destino.resultado());
        } else if (mantemDestino) {
            continue; // the target's recorded answer stays
        } else if (destino.executa(QStringLiteral("Update Dados set Dados = ?, Info = ?, Info2 = ?, Info3 = ? "
                                                  "where rowid = ?"),
                                   notas + QVariantList{id})) {
            ++res.dadosAtualizados;
        } else {
            anotaFalha(res, destino.resultado());
        }
    }
    confirma(t, destino, res);
}

void importaComandos(Banco& destino, Banco& origem, ResultadoImportacao& res)
{
    QList<QSqlRecord> linhas;
    if (!leOrigem(origem, QStringLiteral("Comandos"), {QStringLiteral("Comando")}, &linhas, res) || linhas.isEmpty())
        return;
    Transacao t(destino);
    for (const QSqlRecord& r : linhas) {
        const QVariant comando = r.value(QStringLiteral("Comando"));
        if (comando.isNull())
            continue;
        const QVariant id = primeiraLinha(
            destino, QStringLiteral("Select rowid from Comandos Where Comando = ? order by rowid limit 1"), {comando});
        if (id.isValid() || !destino.erro().isEmpty())
            continue; // an existing command keeps the new installation's notes
        if (destino.executa(QStringLiteral("Insert into Comandos (Comando, Info, Info2, Info3) values (?, ?, ?, ?)"),
                            {comando, campoOuNulo(r, "Info"), campoOuNulo(r, "Info2"), campoOuNulo(r, "Info3")}))
            ++res.comandosNovos;
        else
            anotaFalha(res, destino.resultado());
    }
    confirma(t, destino, res);
}

void importaCombos(Banco& destino, Banco& origem, ResultadoImportacao& res)
{
    QList<QSqlRecord> linhas;
    if (!leOrigem(origem, QStringLiteral("Combos"), {}, &linhas, res) || linhas.isEmpty())
        return;
    const QVariant id = destino.valor(QStringLiteral("Select rowid from Combos order by rowid limit 1"));
    if (!id.isValid())
        return; // a target without a Combos row keeps its values
    const QSqlRecord& r = linhas.first();
    QStringList campos;
    QVariantList valores;
    for (int n = 1; n <= 10; ++n) {
        const QString campo = QStringLiteral("Combo") + QString::number(n);
        if (!temCampo(r, campo))
            continue;
        campos << campo + QStringLiteral(" = ?");
        valores << r.value(campo);
    }
    if (campos.isEmpty())
        return;
    valores << id;
    res.combos = destino.executa(
        QStringLiteral("Update Combos set ") + campos.join(QStringLiteral(", ")) + QStringLiteral(" where rowid = ?"),
        valores);
    if (!res.combos)
        anotaFalha(res, destino.resultado());
}

} // namespace

bool VerificaPrimeiroUso(const QString& caminhoBanco, const std::function<bool()>& mostraAviso)
{
    bool primeiro = false;
    {
        Banco banco(caminhoBanco);
        primeiro = textoEstado(leEstado(banco)) == QLatin1String("0");
    }
    if (primeiro && mostraAviso)
        return mostraAviso();
    return true;
}

bool ImportacaoAPerguntar(const LocalDados& local)
{
    Banco banco(local.banco);
    const Estado estado = leEstado(banco);
    const QString atual = textoEstado(estado);
    if (!QFileInfo(local.usuario()).isFile()) {
        if (atual != QLatin1String("2"))
            gravaEstado(banco, estado, QStringLiteral("2"));
        return false;
    }
    return !estado.syncbd.isNull() && (atual == QLatin1String("0") || atual == QLatin1String("1"));
}

std::optional<ResultadoImportacao> RespondeImportacao(const LocalDados& local, bool importar)
{
    Banco banco(local.banco);
    const Estado estado = leEstado(banco);
    if (!importar) {
        gravaEstado(banco, estado, textoEstado(estado) == QLatin1String("0") ? QStringLiteral("1") : QStringLiteral("2"));
        return std::nullopt;
    }
    const ResultadoImportacao res = ImportaDadosUsuario(local);
    // A merge that could not run, or left data out, leaves the question open for the next start.
    if (res.completa())
        gravaEstado(banco, estado, QStringLiteral("2"));
    return res;
}

ResultadoImportacao ImportaDados(const QString& caminhoDestino, const QString& caminhoOrigem, bool mantemDestino)
{
    ResultadoImportacao res;
    // A source that is no readable database of the program has nothing to give: it is said,
    // not merged as if it were empty.
    const ExameBanco exame = ExaminaBanco(caminhoOrigem);
    if (exame.estado == ExameBanco::Estado::Ausente || exame.estado == ExameBanco::Estado::Ilegivel) {
        const auto motivo = exame.estado == ExameBanco::Estado::Ausente ? MotivoFalhaBanco::Ausente
                                                                         : MotivoFalhaBanco::Danificado;
        anotaFalha(res, ResultadoBanco::falha(motivo, exame.detalhe, caminhoOrigem));
        return res;
    }
    Banco destino(caminhoDestino);
    Banco origem(caminhoOrigem);
    if (!destino.aberto()) {
        anotaFalha(res, destino.resultado());
        return res;
    }
    if (!origem.aberto()) {
        anotaFalha(res, origem.resultado());
        return res;
    }
    importaGravacoes(destino, origem, res, mantemDestino);
    importaDados(destino, origem, res, mantemDestino);
    importaComandos(destino, origem, res);
    if (!mantemDestino)
        importaCombos(destino, origem, res);
    return res;
}

ResultadoImportacao ImportaDadosUsuario(const LocalDados& local)
{
    return ImportaDados(local.banco, local.usuario());
}
