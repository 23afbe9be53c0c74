#include "console/AutoComparador.h"

#include "console/RegrasConsole.h"
#include "db/Banco.h"

#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <cstdint>
#include <string>
#include <vector>

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

namespace {
// What the case-insensitive search compares: each UTF-16 unit case-folded.
char16_t dobra(char16_t c)
{
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return char16_t(QChar::toCaseFolded(char32_t(c)));
}

std::u16string dobrado(QStringView t)
{
    std::u16string r(size_t(t.size()), u'\0');
    for (qsizetype i = 0; i < t.size(); ++i)
        r[size_t(i)] = dobra(t[i].unicode());
    return r;
}

bool temSubstituto(QStringView t)
{
    for (const QChar c : t) {
        if (c.isSurrogate())
            return true;
    }
    return false;
}

// Masks the fragments one after the other as repeated replacements would, reading the text
// once for all of them instead of once per fragment. A fragment that can never meet a mask
// already put in the text (it does not end on an "x" and holds no "®") can only match where
// it matched before any masking, so its matches come from one combined scan, kept when they
// do not touch a part already masked. A fragment that can meet a mask is replaced in the
// text itself when it may match, and the scan is made again for those after it.
class Mascaramento {
public:
    Mascaramento(QString texto, QList<QString> fragmentos)
        : texto_(std::move(texto)), fragmentos_(std::move(fragmentos))
    {
        for (const QString& f : std::as_const(fragmentos_)) {
            dobrados_.push_back(dobrado(f));
            const std::u16string& d = dobrados_.back();
            const bool toca = d.back() == u'x' || d.find(u'\u00AE') != std::u16string::npos;
            tocaMascara_.push_back(toca);
            // A fragment that can meet a mask only by its trailing "x" has the rest of it in
            // the text as it was: without an occurrence of that rest it matches nothing.
            std::u16string procurado = d;
            if (toca) {
                while (!procurado.empty() && procurado.back() == u'x')
                    procurado.pop_back();
                if (procurado.find(u'\u00AE') != std::u16string::npos)
                    procurado.clear();
            }
            procurados_.push_back(std::move(procurado));
        }
    }

    QString aplica()
    {
        for (qsizetype k = 0; k < fragmentos_.size(); ++k) {
            if (tocaMascara_[size_t(k)]) {
                if (!procurados_[size_t(k)].empty()) {
                    if (!escaneado_)
                        escaneia(k);
                    if (!temOcorrenciaLivre(k))
                        continue;
                }
                materializa();
                texto_.replace(fragmentos_[k], MascaraAutoComparador, Qt::CaseInsensitive);
                escaneado_ = false;
                continue;
            }
            if (!escaneado_)
                escaneia(k);
            marca(k);
        }
        materializa();
        return texto_;
    }

private:
    // Every occurrence (overlapping ones too) in the current text of what is looked for of
    // each fragment from `desde` on.
    void escaneia(qsizetype desde)
    {
        const std::u16string textoDobrado = dobrado(texto_);
        const char16_t* t = textoDobrado.data();
        const size_t n = textoDobrado.size();
        coberto_.assign(n, 0);
        ocorrencias_.assign(size_t(fragmentos_.size()), {});
        escaneado_ = true;
        // The fragments grouped by a hash of their first `chave` characters (the shortest
        // fragment's length, at most 8), as ranges of one array. A position whose first two
        // characters start no fragment (a bit per pair of low bytes) is passed at once.
        size_t chave = 8;
        for (qsizetype k = desde; k < fragmentos_.size(); ++k) {
            if (!procurados_[size_t(k)].empty())
                chave = std::min(chave, procurados_[size_t(k)].size());
        }
        constexpr int BitsDoBalde = 14;
        const auto balde = [chave](const char16_t* c) {
            std::uint64_t h = 0;
            for (size_t j = 0; j < chave; ++j)
                h = h * 0x100000001B3ULL + c[j];
            return size_t((h * 0x9E3779B97F4A7C15ULL) >> (64 - BitsDoBalde));
        };
        const auto par = [](const char16_t* c) { return size_t(c[0] & 0xFF) << 8 | size_t(c[1] & 0xFF); };
        std::vector<std::uint64_t> paresIniciais(size_t(1) << 10, 0);
        std::vector<std::uint32_t> inicioDoBalde((size_t(1) << BitsDoBalde) + 1, 0);
        std::vector<std::pair<size_t, qsizetype>> comBalde;
        for (qsizetype k = desde; k < fragmentos_.size(); ++k) {
            const std::u16string& f = procurados_[size_t(k)];
            if (f.empty())
                continue;
            comBalde.push_back({balde(f.data()), k});
            if (chave >= 2)
                paresIniciais[par(f.data()) >> 6] |= std::uint64_t(1) << (par(f.data()) & 63);
        }
        for (const auto& [b, k] : comBalde)
            ++inicioDoBalde[b + 1];
        for (size_t i = 0; i + 1 < inicioDoBalde.size(); ++i)
            inicioDoBalde[i + 1] += inicioDoBalde[i];
        std::vector<qsizetype> porBalde(comBalde.size());
        std::vector<std::uint32_t> livre(inicioDoBalde.begin(), inicioDoBalde.end() - 1);
        for (const auto& [b, k] : comBalde)
            porBalde[livre[b]++] = k;
        if (comBalde.empty())
            return;
        for (size_t i = 0; i + chave <= n; ++i) {
            if (chave >= 2) {
                const size_t p = par(t + i);
                if (!(paresIniciais[p >> 6] >> (p & 63) & 1))
                    continue;
            }
            const size_t b = balde(t + i);
            for (std::uint32_t j = inicioDoBalde[b]; j < inicioDoBalde[b + 1]; ++j) {
                const qsizetype k = porBalde[j];
                const std::u16string& f = procurados_[size_t(k)];
                if (i + f.size() <= n && std::equal(f.begin(), f.end(), t + i))
                    ocorrencias_[size_t(k)].push_back(qsizetype(i));
            }
        }
    }

    // The matches a left-to-right replacement of fragment k would find: its occurrences that
    // start after the previous match and touch no masked part.
    void marca(qsizetype k)
    {
        const qsizetype tamanho = qsizetype(dobrados_[size_t(k)].size());
        qsizetype livreDesde = 0;
        for (const qsizetype p : ocorrencias_[size_t(k)]) {
            if (p < livreDesde)
                continue;
            const auto inicio = coberto_.begin() + p;
            if (std::find(inicio, inicio + tamanho, char(1)) != inicio + tamanho)
                continue;
            std::fill(inicio, inicio + tamanho, char(1));
            mascarados_.push_back({p, tamanho});
            livreDesde = p + tamanho;
        }
    }

    bool temOcorrenciaLivre(qsizetype k) const
    {
        const qsizetype tamanho = qsizetype(procurados_[size_t(k)].size());
        for (const qsizetype p : ocorrencias_[size_t(k)]) {
            const auto inicio = coberto_.begin() + p;
            if (std::find(inicio, inicio + tamanho, char(1)) == inicio + tamanho)
                return true;
        }
        return false;
    }

    // The masks marked so far written into the text.
    void materializa()
    {
        if (mascarados_.empty())
            return;
        std::sort(mascarados_.begin(), mascarados_.end());
        QString novo;
        novo.reserve(texto_.size() + qsizetype(mascarados_.size()) * MascaraAutoComparador.size());
        qsizetype de = 0;
        for (const auto& [p, tamanho] : mascarados_) {
            novo.append(QStringView(texto_).sliced(de, p - de)).append(MascaraAutoComparador);
            de = p + tamanho;
        }
        novo.append(QStringView(texto_).sliced(de));
        texto_ = std::move(novo);
        mascarados_.clear();
        escaneado_ = false;
    }

    QString texto_;
    QList<QString> fragmentos_;
    std::vector<std::u16string> dobrados_;
    std::vector<bool> tocaMascara_;
    std::vector<std::u16string> procurados_; // what the scan looks for; empty: never scanned
    bool escaneado_ = false;
    std::vector<char> coberto_;
    std::vector<std::vector<qsizetype>> ocorrencias_;
    std::vector<std::pair<qsizetype, qsizetype>> mascarados_;
};
} // namespace

QString MascaraTexto(QString texto, const QStringList& fragmentos)
{
    QList<QString> limpos;
    bool simples = !temSubstituto(texto);
    for (const QString& bruto : fragmentos) {
        QString fragmento = LimpaFragmento(bruto);
        // An empty fragment would insert the mask between every two characters.
        if (fragmento.isEmpty())
            continue;
        simples = simples && !temSubstituto(fragmento);
        limpos << std::move(fragmento);
    }
    if (!simples) {
        // A pair of surrogates folds as one character: left to the search itself.
        for (const QString& fragmento : std::as_const(limpos))
            texto.replace(fragmento, MascaraAutoComparador, Qt::CaseInsensitive);
        return texto;
    }
    return Mascaramento(std::move(texto), std::move(limpos)).aplica();
}

QString TextoComparavel(const QString& console, const QStringList& fragmentos)
{
    QString vivo = MascaraTexto(console, fragmentos);
    // Only a prompt that is not at the very start counts; a text shorter than the prompt
    // line is left whole rather than cut below nothing.
    if (vivo.indexOf(FimDoPrompt) > 0 && vivo.size() >= TamanhoLinhaPrompt)
        vivo.chop(TamanhoLinhaPrompt);
    vivo.remove(0, 2); // in place: the text may be long
    return vivo;
}

bool Confere(const QString& console, const QString& gravado, const QStringList& fragmentos)
{
    const QString vivo = TextoComparavel(console, fragmentos);
    // An empty text is "found" at the first position, which never shows the badge.
    if (vivo.isEmpty())
        return false;
    return gravado.indexOf(vivo, 0, Qt::CaseInsensitive) >= 1;
}

namespace {
// A text's lines as the console shows them.
QStringList linhasExibidas(const QString& texto)
{
    return RegrasConsole::ComoExibido(texto).split(QLatin1Char('\n'));
}

// A measured value of a line (a number written with a decimal point) and the room it is
// given: no two boards print the same millivolts, so a reading only differs when it is off by
// more than the rails' tolerance (10 %), or by more than a few units near zero (mV, mA).
struct Medida {
    double valor = 0;
    double folga = 0;
};

// The recorded value is the reference, as a rail's is.
bool proximas(const Medida& vivo, const Medida& gravado)
{
    const double folga = std::max(vivo.folga, gravado.folga);
    return std::abs(vivo.valor - gravado.valor) <= std::max(0.10 * std::abs(gravado.valor), folga);
}

// One compared line: its case-folded text with every measured value replaced by "#", and the
// values in order. Counts, addresses and other integers stay in the text and compare exactly.
struct LinhaComparada {
    std::u16string forma;
    std::vector<Medida> medidas;
    // This line is the live one, o the recorded one.
    bool operator==(const LinhaComparada& o) const
    {
        if (forma != o.forma || medidas.size() != o.medidas.size())
            return false;
        for (size_t k = 0; k < medidas.size(); ++k)
            if (!proximas(medidas[k], o.medidas[k]))
                return false;
        return true;
    }
};

bool digito(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

LinhaComparada emForma(QStringView linha)
{
    const std::u16string t = dobrado(linha);
    LinhaComparada r;
    size_t i = 0;
    while (i < t.size()) {
        // A decimal number: digits, a point, digits, not glued to a letter before it (hex).
        const bool colado = i > 0 && (std::iswalnum(wint_t(t[i - 1])) || t[i - 1] == u'.');
        if (digito(t[i]) && !colado) {
            size_t j = i;
            while (j < t.size() && digito(t[j]))
                ++j;
            if (j + 1 < t.size() && t[j] == u'.' && digito(t[j + 1])) {
                size_t fim = j + 1;
                while (fim < t.size() && digito(t[fim]))
                    ++fim;
                const bool negativo = !r.forma.empty() && r.forma.back() == u'-';
                if (negativo)
                    r.forma.pop_back();
                Medida m;
                m.valor = QString::fromStdU16String(t.substr(i, fim - i)).toDouble() * (negativo ? -1 : 1);
                // Near zero a few millivolts or milliamperes are noise, not a fault.
                size_t u = fim;
                while (u < t.size() && t[u] == u' ')
                    ++u;
                if (t.compare(u, 2, u"mv") == 0 || t.compare(u, 2, u"ma") == 0)
                    m.folga = 5;
                r.medidas.push_back(m);
                r.forma += u'#';
                i = fim;
                continue;
            }
            r.forma.append(t, i, j - i);
            i = j;
            continue;
        }
        r.forma += t[i++];
    }
    return r;
}

// The lines that take part in the comparison, each with its place in the text.
struct LinhasComparadas {
    QList<int> posicoes;
    std::vector<LinhaComparada> textos;
};

LinhasComparadas comparadas(const QStringList& linhas)
{
    LinhasComparadas r;
    for (int i = 0; i < linhas.size(); ++i) {
        const QStringView linha = QStringView(linhas[i]).trimmed();
        if (linha.isEmpty() || (linha.contains(FimDoPrompt.trimmed()) && linha.startsWith(u'[')))
            continue;
        r.posicoes << i;
        r.textos.push_back(emForma(linha));
    }
    return r;
}

// Above this many cells the common run is not searched inside the part that differs: every
// line of it counts as different (answers that large are not read line by line).
constexpr qint64 CelulasMaximas = 4'000'000;
} // namespace

Diferencas ComparaLinhas(const QString& console, const QString& gravado, const QStringList& fragmentos)
{
    // A fragment with a line break would join lines and move the marks off their lines.
    QStringList porLinha;
    for (const QString& f : fragmentos)
        if (!f.contains(QLatin1Char('\n')) && !f.contains(QLatin1Char('\r')))
            porLinha << f;
    const QStringList linhasVivo = linhasExibidas(MascaraTexto(console, porLinha));
    const LinhasComparadas vivo = comparadas(linhasVivo);
    const LinhasComparadas gravada = comparadas(linhasExibidas(MascaraTexto(gravado, porLinha)));
    const auto& a = vivo.textos;
    const auto& b = gravada.textos;

    // The same lines at both ends need no search.
    size_t inicio = 0;
    while (inicio < a.size() && inicio < b.size() && a[inicio] == b[inicio])
        ++inicio;
    size_t fimA = a.size(), fimB = b.size();
    while (fimA > inicio && fimB > inicio && a[fimA - 1] == b[fimB - 1]) {
        --fimA;
        --fimB;
    }
    const size_t n = fimA - inicio, m = fimB - inicio;
    // Which lines of the middle part are matched (longest common subsequence).
    std::vector<char> casadaA(n, 0), casadaB(m, 0);
    if (n > 0 && m > 0 && qint64(n) * qint64(m) <= CelulasMaximas) {
        std::vector<std::uint32_t> tabela((n + 1) * (m + 1), 0);
        const auto em = [&](size_t i, size_t j) -> std::uint32_t& { return tabela[i * (m + 1) + j]; };
        for (size_t i = n; i-- > 0;)
            for (size_t j = m; j-- > 0;)
                em(i, j) = a[inicio + i] == b[inicio + j] ? em(i + 1, j + 1) + 1 : std::max(em(i + 1, j), em(i, j + 1));
        size_t i = 0, j = 0;
        while (i < n && j < m) {
            if (a[inicio + i] == b[inicio + j]) {
                casadaA[i++] = 1;
                casadaB[j++] = 1;
            } else if (em(i + 1, j) >= em(i, j + 1)) {
                ++i;
            } else {
                ++j;
            }
        }
    }
    Diferencas r;
    // Walk both sides together: each place they part counts its longer side.
    size_t i = 0, j = 0;
    while (i < n || j < m) {
        int soVivo = 0, soGravada = 0;
        while (i < n && !casadaA[i]) {
            r.linhasDoVivo << vivo.posicoes[int(inicio + i)];
            ++soVivo;
            ++i;
        }
        while (j < m && !casadaB[j]) {
            r.linhasDaGravacao << gravada.posicoes[int(inicio + j)];
            ++soGravada;
            ++j;
        }
        r.quantas += std::max(soVivo, soGravada);
        if (soVivo == 0 && soGravada == 0) {
            ++i;
            ++j;
        }
    }
    return r;
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
