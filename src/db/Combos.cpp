#include "db/Combos.h"

#include "db/Banco.h"
#include "shell/Globais.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool numeroValido(int n) { return n >= 1 && n <= 10; }

QString campo(int n) { return QStringLiteral("Combo") + QString::number(n); }
} // namespace

bool GravaCombo(int n, const QString& texto)
{
    if (!numeroValido(n))
        return false;
    Banco banco(Globais::instancia().CaminhoBanco);
    if (!banco.aberto())
        return false;
    const QString c = campo(n);
    // The table is meant to hold one row; when it holds several, only the first (lowest rowid)
    // is ever written, the same row every reader takes.
    const QVariant primeiro = banco.valor(QStringLiteral("Select rowid from Combos order by rowid limit 1"));
    if (!banco.erro().isEmpty())
        return false;
    if (!primeiro.isValid())
        return banco.executa(QStringLiteral("Insert into Combos (%1) values (?)").arg(c), {texto});
    return banco.executa(QStringLiteral("Update Combos set %1 = ? where rowid = ?").arg(c),
                         {texto, primeiro})
        && banco.linhasAfetadas() == 1;
}

QString LeCombo(int n, bool* ok)
{
    if (ok)
        *ok = false;
    if (!numeroValido(n))
        return {};
    Banco banco(Globais::instancia().CaminhoBanco);
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

bool CopiaBancoUsuario()
{
    const QString pasta = Globais::instancia().PastaAplicacao;
    if (pasta.isEmpty())
        return false;
    const QString origem = QDir(pasta).filePath(QStringLiteral("Config.qzd"));
    const QString destino = QDir(pasta).filePath(QStringLiteral("User.qzd"));
    if (!QFileInfo(origem).isFile())
        return true; // nothing to copy: not a failure

    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly))
        return false;
    // QSaveFile writes beside the target and renames over it only on commit(), so an
    // interrupted copy leaves the previous User.qzd as it was.
    QSaveFile saida(destino);
    saida.setDirectWriteFallback(false);
    if (!saida.open(QIODevice::WriteOnly))
        return false;
    const qint64 tamanho = entrada.size();
    qint64 copiados = 0;
    char bloco[64 * 1024];
    while (copiados < tamanho) {
        const qint64 lidos = entrada.read(bloco, qMin<qint64>(sizeof bloco, tamanho - copiados));
        if (lidos <= 0)
            break;
        if (saida.write(bloco, lidos) != lidos) {
            saida.cancelWriting();
            break;
        }
        copiados += lidos;
    }
    // The copy is whole only when every byte present at the start was read (a source that
    // shrinks or fails to read half-way leaves the old backup in place).
    if (copiados != tamanho || entrada.error() != QFileDevice::NoError) {
        saida.cancelWriting();
        saida.commit();
        return false;
    }
    return saida.commit();
}
