#include "console/AutoComparador.h"

#include "db/Banco.h"

#include <QSqlRecord>

#include <algorithm>
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
// text itself, and the scan is made again for those after it.
class Mascaramento {
public:
    Mascaramento(QString texto, QList<QString> fragmentos)
        : texto_(std::move(texto)), fragmentos_(std::move(fragmentos))
    {
        for (const QString& f : std::as_const(fragmentos_)) {
            dobrados_.push_back(dobrado(f));
            const std::u16string& d = dobrados_.back();
            tocaMascara_.push_back(d.back() == u'x' || d.find(u'\u00AE') != std::u16string::npos);
        }
    }

    QString aplica()
    {
        for (qsizetype k = 0; k < fragmentos_.size(); ++k) {
            if (tocaMascara_[size_t(k)]) {
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
    // Every occurrence (overlapping ones too) in the current text of the fragments from
    // `desde` on that cannot meet a mask.
    void escaneia(qsizetype desde)
    {
        const std::u16string t = dobrado(texto_);
        const size_t n = t.size();
        coberto_.assign(n, 0);
        ocorrencias_.assign(size_t(fragmentos_.size()), {});
        constexpr size_t Baldes = 4096;
        const auto balde = [](char16_t a, char16_t b) { return (size_t(a) * 131 + b) % Baldes; };
        std::vector<std::vector<qsizetype>> porDois(Baldes);
        std::vector<qsizetype> deUm;
        for (qsizetype k = desde; k < fragmentos_.size(); ++k) {
            if (tocaMascara_[size_t(k)])
                continue;
            const std::u16string& f = dobrados_[size_t(k)];
            if (f.size() == 1)
                deUm.push_back(k);
            else
                porDois[balde(f[0], f[1])].push_back(k);
        }
        for (size_t i = 0; i < n; ++i) {
            for (const qsizetype k : deUm) {
                if (dobrados_[size_t(k)][0] == t[i])
                    ocorrencias_[size_t(k)].push_back(qsizetype(i));
            }
            if (i + 1 >= n)
                continue;
            for (const qsizetype k : porDois[balde(t[i], t[i + 1])]) {
                const std::u16string& f = dobrados_[size_t(k)];
                if (i + f.size() <= n && t.compare(i, f.size(), f) == 0)
                    ocorrencias_[size_t(k)].push_back(qsizetype(i));
            }
        }
        escaneado_ = true;
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
