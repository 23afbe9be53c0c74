#include "db/Combos.h"

#include "db/Banco.h"
#include "db/ExameBanco.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool numeroValido(int n) { return n >= 1 && n <= 10; }

QString campo(int n) { return QStringLiteral("Combo") + QString::number(n); }
} // namespace

ResultadoBanco GravaCombo(const QString& caminhoBanco, int n, const QString& texto)
{
    if (!numeroValido(n))
        return ResultadoBanco::falha(MotivoFalhaBanco::Outro, QStringLiteral("Combo%1").arg(n));
    Banco banco(caminhoBanco);
    if (!banco.aberto())
        return banco.resultado();
    const QString c = campo(n);
    // The table is meant to hold one row; when it holds several, only the first (lowest rowid)
    // is ever written, the same row every reader takes.
    const QVariant primeiro = banco.valor(QStringLiteral("Select rowid from Combos order by rowid limit 1"));
    if (!banco.erro().isEmpty())
        return banco.resultado();
    if (!primeiro.isValid()) {
        banco.executa(QStringLiteral("Insert into Combos (%1) values (?)").arg(c), {texto});
        return banco.resultado();
    }
    if (!banco.executa(QStringLiteral("Update Combos set %1 = ? where rowid = ?").arg(c), {texto, primeiro}))
        return banco.resultado();
    if (banco.linhasAfetadas() != 1)
        return ResultadoBanco::falha(MotivoFalhaBanco::LinhaAusente);
    return {};
}

QString LeCombo(const QString& caminhoBanco, int n, bool* ok)
{
    if (ok)
        *ok = false;
    if (!numeroValido(n))
        return {};
    Banco banco(caminhoBanco);
    if (!banco.aberto())
        return {};
    const auto linhas = banco.linhas(
        QStringLiteral("Select %1 from Combos order by rowid limit 1").arg(campo(n)));
    if (!banco.erro().isEmpty() || linhas.isEmpty())
        return {};
    if (ok)
        *ok = true;
    return linhas.first().value(0).toString();
}

QString LeModeloBox(const QString& caminhoBanco)
{
    bool ok = false;
    const QString texto = LeCombo(caminhoBanco, 7, &ok);
    if (!ok)
        return {};
    // Values written by an older version.
    if (texto == QLatin1String("G1"))
        return QStringLiteral("1");
    if (texto == QLatin1String("G2"))
        return QStringLiteral("2");
    return texto;
}

namespace {

ResultadoBanco falhaDaCopia(MotivoFalhaBanco motivo, const QString& detalhe, const QString& arquivo)
{
    return ResultadoBanco::falha(motivo, detalhe, arquivo).sobre(ResultadoBanco::Alvo::CopiaUsuario);
}

// Why writing the copy failed, from the file's error.
ResultadoBanco falhaDeEscrita(const QFileDevice& arquivo, const QString& destino)
{
    const QFileInfo pasta(QFileInfo(destino).absolutePath());
    MotivoFalhaBanco motivo = MotivoFalhaBanco::Outro;
    if (arquivo.error() == QFileDevice::ResourceError)
        motivo = MotivoFalhaBanco::DiscoCheio;
    else if (!pasta.isWritable() || (QFileInfo::exists(destino) && !QFileInfo(destino).isWritable()))
        motivo = MotivoFalhaBanco::SomenteLeitura;
    return falhaDaCopia(motivo, arquivo.errorString(), destino);
}

// The previous installation's data waits in User.qzd for the import question.
bool importacaoPendente(Banco& banco, const QString& usuario)
{
    if (!QFileInfo(usuario).isFile())
        return false;
    const QVariant estado = banco.valor(QStringLiteral("Select syncbd from Tools order by rowid limit 1"));
    const QString texto = estado.isNull() ? QString() : estado.toString();
    return texto == QLatin1String("0") || texto == QLatin1String("1");
}

// Ends the read transaction that holds Config.qzd still during the copy.
class LeituraFirme {
public:
    explicit LeituraFirme(Banco& b) : m_banco(b) { m_ativa = m_banco.db().transaction(); }
    ~LeituraFirme()
    {
        if (m_ativa)
            m_banco.db().rollback();
    }
    bool ativa() const { return m_ativa; }

private:
    Banco& m_banco;
    bool m_ativa = false;
};

} // namespace

ResultadoBanco CopiaBancoUsuario(const QString& pasta)
{
    if (pasta.isEmpty())
        return falhaDaCopia(MotivoFalhaBanco::Ausente, QString(), QString());
    const QString origem = QDir(pasta).filePath(QStringLiteral("Config.qzd"));
    const QString destino = QDir(pasta).filePath(QStringLiteral("User.qzd"));
    const QString anterior = destino + QStringLiteral(".1");
    if (!QFileInfo(origem).isFile())
        return {}; // nothing to copy: not a failure

    Banco banco(origem);
    if (!banco.aberto())
        return ResultadoBanco(banco.resultado()).sobre(ResultadoBanco::Alvo::CopiaUsuario);
    LeituraFirme leitura(banco);
    const ExameBanco exame = ExaminaBanco(banco);
    if (!exame.bom())
        return falhaDaCopia(MotivoFalhaBanco::Danificado, exame.detalhe, origem);
    if (importacaoPendente(banco, destino))
        return falhaDaCopia(MotivoFalhaBanco::ImportacaoPendente, QString(), destino);
    if (!leitura.ativa())
        return ResultadoBanco(banco.resultado()).sobre(ResultadoBanco::Alvo::CopiaUsuario);

    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly))
        return falhaDaCopia(MotivoFalhaBanco::Outro, entrada.errorString(), origem);
    // QSaveFile writes beside the target and renames over it only on commit(), so an
    // interrupted copy leaves the previous User.qzd as it was.
    QSaveFile saida(destino);
    saida.setDirectWriteFallback(false);
    if (!saida.open(QIODevice::WriteOnly))
        return falhaDeEscrita(saida, destino);
    const qint64 tamanho = entrada.size();
    qint64 copiados = 0;
    char bloco[64 * 1024];
    while (copiados < tamanho) {
        const qint64 lidos = entrada.read(bloco, qMin<qint64>(sizeof bloco, tamanho - copiados));
        if (lidos <= 0)
            break;
        if (saida.write(bloco, lidos) != lidos) {
            const ResultadoBanco r = falhaDeEscrita(saida, destino);
            saida.cancelWriting();
            saida.commit();
            return r;
        }
        copiados += lidos;
    }
    // The copy is whole only when every byte present at the start was read.
    if (copiados != tamanho || entrada.error() != QFileDevice::NoError) {
        saida.cancelWriting();
        saida.commit();
        return falhaDaCopia(MotivoFalhaBanco::Outro, entrada.errorString(), origem);
    }
    if (!saida.flush())
        return falhaDeEscrita(saida, destino);

    // The copy being replaced steps aside as User.qzd.1 only now that the new one is whole.
    const bool haviaCopia = QFileInfo::exists(destino);
    if (haviaCopia) {
        QFile::remove(anterior);
        if (!QFile::rename(destino, anterior)) {
            saida.cancelWriting();
            saida.commit();
            return falhaDaCopia(MotivoFalhaBanco::SomenteLeitura, QString(), destino);
        }
    }
    if (!saida.commit()) {
        const ResultadoBanco r = falhaDeEscrita(saida, destino);
        if (haviaCopia)
            QFile::rename(anterior, destino);
        return r;
    }
    return {};
}

QString NomeCopiaGuardada(const QString& pastaAplicacao)
{
    const QDir pasta(pastaAplicacao);
    const QString base = QStringLiteral("User-") + QDate::currentDate().toString(Qt::ISODate);
    QString nome = base + QStringLiteral(".qzd");
    for (int n = 2; QFileInfo::exists(pasta.filePath(nome)); ++n)
        nome = base + QStringLiteral("-%1.qzd").arg(n);
    return nome;
}

ResultadoCopiaGuardada GuardaCopiaAntigaERetoma(const LocalDados& local)
{
    ResultadoCopiaGuardada r;
    const QString usuario = local.usuario();
    if (QFileInfo(usuario).isFile()) {
        const QString nome = NomeCopiaGuardada(local.pasta);
        if (!QFile::rename(usuario, QDir(local.pasta).filePath(nome))) {
            r.copia = falhaDaCopia(MotivoFalhaBanco::SomenteLeitura, QString(), usuario);
            return r;
        }
        r.guardada = nome;
    }
    {
        Banco banco(local.banco);
        if (!banco.executa(QStringLiteral("Update Tools set syncbd = '2'"))) {
            r.copia = ResultadoBanco(banco.resultado()).sobre(ResultadoBanco::Alvo::CopiaUsuario);
            return r;
        }
    }
    r.copia = CopiaBancoUsuario(local.pasta);
    return r;
}
