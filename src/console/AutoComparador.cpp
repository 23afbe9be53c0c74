#include "console/AutoComparador.h"

#include "db/Banco.h"

#include <QSqlRecord>

namespace AutoComparacao {

namespace {
const QString FimDoPrompt = QStringLiteral("] :-) ");
constexpr int TamanhoLinhaPrompt = 26;
}

QString LimpaFragmento(QString fragmento)
{
    fragmento.remove(QStringLiteral("'jox'"));
    fragmento.remove(QStringLiteral("'nas'"));
    fragmento.remove(QStringLiteral("'ins'"));
    return fragmento;
}

QString MascaraTexto(QString texto, const QStringList& fragmentos)
{
    for (const QString& bruto : fragmentos) {
        const QString fragmento = LimpaFragmento(bruto);
        // An empty fragment would insert the mask between every two characters.
        if (fragmento.isEmpty())
            continue;
        texto.replace(fragmento, MascaraAutoComparador, Qt::CaseInsensitive);
    }
    return texto;
}

QString TextoComparavel(const QString& console, const QStringList& fragmentos)
{
    QString vivo = MascaraTexto(console, fragmentos);
    // Only a prompt that is not at the very start counts; a text shorter than the prompt
    // line is left whole rather than cut below nothing.
    if (vivo.indexOf(FimDoPrompt) > 0 && vivo.size() >= TamanhoLinhaPrompt)
        vivo.chop(TamanhoLinhaPrompt);
    return vivo.mid(2);
}

bool Confere(const QString& console, const QString& gravado, const QStringList& fragmentos)
{
    const QString vivo = TextoComparavel(console, fragmentos);
    // An empty text is "found" at the first position, which never shows the badge.
    if (vivo.isEmpty())
        return false;
    return gravado.indexOf(vivo, 0, Qt::CaseInsensitive) >= 1;
}

std::optional<QStringList> CarregaFragmentos(const QString& caminhoBanco)
{
    Banco banco(caminhoBanco);
    if (!banco.aberto())
        return std::nullopt;
    const auto linhas = banco.linhas(QStringLiteral("Select * from M order by \"String\" desc"));
    if (!banco.erro().isEmpty())
        return std::nullopt;
    QStringList fragmentos;
    for (const QSqlRecord& r : linhas)
        fragmentos << r.value(QStringLiteral("String")).toString();
    return fragmentos;
}

} // namespace AutoComparacao
