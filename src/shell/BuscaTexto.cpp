#include "shell/BuscaTexto.h"

#include <QString>
#include <QVarLengthArray>

namespace {
// Knuth-Morris-Pratt: every character of the text is read a bounded number of times.
qsizetype kmp(const char16_t* t, qsizetype n, qsizetype de, const char16_t* p, qsizetype m)
{
    QVarLengthArray<qsizetype, 64> falha(m);
    falha[0] = 0;
    for (qsizetype i = 1, k = 0; i < m; ++i) {
        while (k > 0 && p[i] != p[k])
            k = falha[k - 1];
        if (p[i] == p[k])
            ++k;
        falha[i] = k;
    }
    for (qsizetype i = de, k = 0; i < n; ++i) {
        while (k > 0 && t[i] != p[k])
            k = falha[k - 1];
        if (t[i] == p[k])
            ++k;
        if (k == m)
            return i - m + 1;
    }
    return -1;
}
} // namespace

qsizetype ProcuraTexto(QStringView texto, QStringView agulha, qsizetype de)
{
    if (de < 0)
        de = 0;
    const qsizetype n = texto.size();
    const qsizetype m = agulha.size();
    if (de > n)
        return -1;
    if (m == 0)
        return de;
    if (m > n - de)
        return -1;
    const char16_t* t = texto.utf16();
    const char16_t* p = agulha.utf16();
    // Candidates are found with Qt's vectorised search for the first character, then checked
    // one by one, counting the characters compared: once they outgrow a few per character
    // passed, the rest of the text goes to Knuth-Morris-Pratt, so a text full of near matches
    // cannot make the search quadratic.
    const QChar primeiro(p[0]);
    qsizetype comparados = 0;
    for (qsizetype i = de; i + m <= n; ++i) {
        i = texto.indexOf(primeiro, i);
        if (i < 0 || i + m > n)
            return -1;
        qsizetype k = 1;
        while (k < m && t[i + k] == p[k])
            ++k;
        if (k == m)
            return i;
        comparados += k;
        if (comparados > 4 * (i - de) + 4 * m)
            return kmp(t, n, i + 1, p, m);
    }
    return -1;
}

qsizetype ProcuraTexto(QStringView texto, QLatin1StringView agulha, qsizetype de)
{
    QVarLengthArray<char16_t, 64> largo(agulha.size());
    for (qsizetype i = 0; i < agulha.size(); ++i)
        largo[i] = char16_t(uchar(agulha.data()[i]));
    return ProcuraTexto(texto, QStringView(largo.constData(), largo.size()), de);
}

QString RemoveTodas(const QString& texto, QStringView agulha)
{
    if (agulha.isEmpty())
        return texto;
    qsizetype achado = ProcuraTexto(texto, agulha);
    if (achado < 0)
        return texto; // shared, not copied
    QString r;
    r.reserve(texto.size());
    qsizetype de = 0;
    const QStringView t(texto);
    while (achado >= 0) {
        r.append(t.sliced(de, achado - de));
        de = achado + agulha.size();
        achado = ProcuraTexto(t, agulha, de);
    }
    r.append(t.sliced(de));
    return r;
}
