#include "db/IdiomaBanco.h"

#include "db/Banco.h"
#include "i18n/IdiomaAtivo.h"

#include <QSqlRecord>
#include <cmath>
#include <optional>

namespace {

// The stored value "as a byte": a whole number 0 to 255 (a fraction rounds half to even);
// anything else (NULL, text that is not a number, out of range) cannot be taken.
std::optional<int> comoByte(const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    const double r = std::nearbyint(d); // default rounding mode: halves to even
    if (r < 0 || r > 255)
        return std::nullopt;
    return static_cast<int>(r);
}

} // namespace

bool CarregaIdioma(const QString& caminhoBanco)
{
    Banco banco(caminhoBanco);
    if (!banco.aberto())
        return false;
    const QList<QSqlRecord> linhas = banco.linhas(QStringLiteral("Select Idioma from Tools"));
    // A failing step is ignored: IdiomaAtual keeps the value it had (0 at start-up).
    if (!banco.erro().isEmpty() || linhas.isEmpty())
        return false;
    const std::optional<int> idioma = comoByte(linhas.first().value(0));
    if (!idioma)
        return false;
    DefineIdioma(*idioma);
    return true;
}

bool GravaIdioma(const QString& caminhoBanco, int idioma)
{
    Banco banco(caminhoBanco);
    if (!banco.aberto())
        return false;
    // "The first row" of the settings query, addressed by its rowid so exactly that row changes.
    const QList<QSqlRecord> linhas = banco.linhas(QStringLiteral("Select rowid, Idioma from Tools"));
    if (!banco.erro().isEmpty() || linhas.isEmpty())
        return false;
    const QVariant rowid = linhas.first().value(0);
    if (!banco.executa(QStringLiteral("Update Tools set Idioma = ? where rowid = ?"), {idioma, rowid}))
        return false;
    return banco.linhasAfetadas() == 1;
}
