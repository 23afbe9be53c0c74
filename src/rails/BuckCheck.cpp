#include "rails/BuckCheck.h"

#include "i18n/Dicionario.h"
#include "rails/TextosLeitura.h"
#include "shell/BuscaTexto.h"
#include "shell/PerfilModelo.h"


#include <algorithm>
#include <charconv>

namespace {
// One line of an answer, without its line end. Every rule below reads inside one line, so a
// line without its "mV" never reaches into the next ones, and each character is read a
// bounded number of times.
using Linha = QStringView;

// Calls `f` with every non-empty line of the text, in order, and where `marca` first stands in
// it (-1 when nowhere): found in the same pass that finds the line ends.
template <typename F>
void paraCadaLinha(const QString& texto, char16_t marca, F f)
{
    const auto* t = reinterpret_cast<const char16_t*>(texto.utf16());
    const qsizetype tamanho = texto.size();
    qsizetype inicio = 0;
    qsizetype achada = -1;
    for (qsizetype i = 0; i < tamanho; ++i) {
        const char16_t c = t[i];
        if (c == u'\n' || c == u'\r') {
            if (i > inicio)
                f(QStringView(t + inicio, i - inicio), achada);
            inicio = i + 1;
            achada = -1;
        } else if (c == marca && achada < 0) {
            achada = i - inicio;
        }
    }
    if (tamanho > inicio)
        f(QStringView(t + inicio, tamanho - inicio), achada);
}

// An item's text written straight into its own QString, sized up front from the item's
// pieces: one allocation per item, no copy (an answer of short lines gives tens of thousands).
class Montagem {
public:
    explicit Montagem(qsizetype previsto) : texto_(previsto, Qt::Uninitialized)
    {
        dados_ = reinterpret_cast<char16_t*>(texto_.data());
    }
    Montagem& append(QStringView t)
    {
        if (n_ + t.size() > texto_.size()) { // an estimate too short: grows, never overruns
            texto_.resize(std::max(2 * texto_.size(), n_ + t.size()));
            dados_ = reinterpret_cast<char16_t*>(texto_.data());
        }
        const char16_t* de = t.utf16();
        for (qsizetype i = 0; i < t.size(); ++i)
            dados_[n_ + i] = de[i];
        n_ += t.size();
        return *this;
    }
    QString texto() &&
    {
        texto_.truncate(n_);
        return std::move(texto_);
    }

private:
    QString texto_;
    char16_t* dados_ = nullptr;
    qsizetype n_ = 0;
};

// Where `agulha` first starts in the line at `de` or later, -1 when nowhere: a plain search,
// as a line is short.
qsizetype acha(Linha linha, QStringView agulha, qsizetype de = 0)
{
    if (de > linha.size())
        return -1;
    const auto achado = std::search(linha.begin() + de, linha.end(), agulha.begin(), agulha.end());
    return achado == linha.end() ? -1 : achado - linha.begin();
}

// The text between two positions of a line (0-based start, end exclusive); a pair that
// crosses gives "" instead of failing.
QStringView trecho(Linha linha, qsizetype inicio, qsizetype fim)
{
    if (fim <= inicio)
        return {};
    return linha.mid(inicio, fim - inicio);
}

// The parts one after the other in a field of exactly `largura` characters: cut, or filled
// with blanks. Written into `caixa`, which must hold `largura` characters.
QStringView campo(char16_t* caixa, std::initializer_list<QStringView> partes, qsizetype largura)
{
    qsizetype n = 0;
    for (const QStringView parte : partes) {
        for (const QChar c : parte) {
            if (n == largura)
                return QStringView(caixa, n);
            caixa[n++] = c.unicode();
        }
    }
    while (n < largura)
        caixa[n++] = u' ';
    return QStringView(caixa, n);
}

// A number's decimal digits, kept to be counted before they are written.
class Digitos {
public:
    explicit Digitos(int numero)
    {
        char digitos[16];
        const auto r = std::to_chars(digitos, digitos + sizeof digitos, numero);
        n_ = r.ptr - digitos;
        std::copy(digitos, r.ptr, largos_);
    }
    QStringView texto() const { return QStringView(largos_, n_); }

private:
    char16_t largos_[16];
    qsizetype n_ = 0;
};

// How long AcrescentaVolts makes a reading at most: the digits, a sign and "0.00" at worst.
qsizetype maximoVolts(QStringView valor)
{
    return std::max<qsizetype>(valor.size(), 6);
}

// AlvoEmVolts appended to `destino`.
template <typename Destino>
void acrescentaAlvo(Destino& destino, QStringView mv)
{
    char16_t caixa[5];
    const QStringView ponto(u".");
    switch (mv.size()) {
    case 1: destino.append(campo(caixa, {u"0.00", mv}, 5)); break;
    case 2: destino.append(campo(caixa, {u"0.0", mv}, 5)); break;
    case 3: destino.append(campo(caixa, {u"0.", mv}, 5)); break;
    case 4: destino.append(campo(caixa, {mv.first(1), ponto, mv.sliced(1)}, 5)); break;
    case 5: destino.append(campo(caixa, {mv.first(2), ponto, mv.sliced(2)}, 5)); break;
    default: destino.append(campo(caixa, {mv}, 5)); break;
    }
}
} // namespace

QList<ItemBuck> ListaBuck(const QString& texto)
{
    QList<ItemBuck> itens;
    if (ContemTexto(texto, QLatin1String("measured")))
        return itens;
    itens.reserve(texto.count(u'\n') + 1); // about one item a line
    int n = ContemTexto(texto, QLatin1String("buck0")) ? 0 : 1;
    paraCadaLinha(texto, u':', [&](Linha l, qsizetype doisPontos) {
        if (doisPontos < 0)
            return;
        // A line with a ":" is one output: it takes its number even when it holds no reading.
        const int numero = n++;
        const qsizetype mv = acha(l, u"mV", doisPontos);
        if (mv < 0)
            return;
        // From two characters after the ":" to the character before the blank ahead of "mV".
        const QStringView valor = trecho(l, doisPontos + 2, mv - 1);
        const Digitos digitos(numero);
        Montagem item(7 + digitos.texto().size() + 10 + maximoVolts(valor) + 2);
        item.append(QStringView(u"   buck")).append(digitos.texto());
        item.append(QStringView(u" voltage: "));
        AcrescentaVolts(item, valor);
        item.append(QStringView(u" V"));
        itens.append({std::move(item).texto(), IconeBuck::Leitura});
    });
    return itens;
}

QString AlvoEmVolts(const QString& mv)
{
    QString v;
    acrescentaAlvo(v, mv);
    return v;
}

QList<ItemBuck> ListaBuckcheck(const QString& texto)
{
    QList<ItemBuck> itens;
    itens.reserve(texto.count(u'\n') + 1); // about one item a line
    int n = ContemTexto(texto, QLatin1String("buck0")) ? 0 : 1;
    const QString referencia = L(QStringLiteral("Referência"));
    const QString leitura = L(QStringLiteral("Leitura"));
    paraCadaLinha(texto, u't', [&](Linha l, qsizetype t) {
        const qsizetype alvo = t < 0 ? -1 : acha(l, u"target", t);
        if (alvo < 0)
            return;
        // A line with a "target" is one output: it takes its number even when it is incomplete.
        const int numero = n++;
        const qsizetype mvAlvo = acha(l, u"mV", alvo);
        const qsizetype medido = mvAlvo < 0 ? -1 : acha(l, u"measured", alvo + 1);
        const qsizetype mvMedido = medido < 0 ? -1 : acha(l, u"mV", medido);
        if (mvMedido < 0)
            return;
        const QStringView veredito = l.mid(mvMedido + 5, 4);
        char16_t caixa[11];
        const QStringView medidoMv = campo(caixa, {trecho(l, medido + 9, mvMedido - 1)}, 11);

        const Digitos digitos(numero);
        Montagem item(7 + digitos.texto().size() + 2 + referencia.size() + 2 + 5 + 5 + leitura.size() + 3
                      + maximoVolts(medidoMv) + 5 + veredito.size());
        item.append(QStringView(u"   buck")).append(digitos.texto());
        item.append(QStringView(u": ")).append(referencia).append(QStringView(u": "));
        acrescentaAlvo(item, trecho(l, alvo + 7, mvAlvo - 1));
        item.append(QStringView(u" V - ")).append(leitura).append(QStringView(u":  "));
        AcrescentaVolts(item, medidoMv);
        item.append(QStringView(u" V : ")).append(veredito);
        itens.append({std::move(item).texto(), veredito == u"PASS" ? IconeBuck::Passou : IconeBuck::Falhou});
    });
    return itens;
}

QList<ItemBuck> ListaPorModo(ModoBuck modo, const QString& texto)
{
    return modo == ModoBuck::Buck ? ListaBuck(texto) : ListaBuckcheck(texto);
}

QString SaidaDoItem(const ItemBuck& item)
{
    return item.texto.trimmed().section(QLatin1Char(':'), 0, 0);
}

Veredito VereditoBuck(const ItemBuck& item, const QString& modelo)
{
    if (item.icone == IconeBuck::Leitura)
        return Veredito::NaoGraduado;
    const QString saida = SaidaDoItem(item);
    for (const QString& zerado : PerfilModelo::de(modelo).bucksZerados) {
        // "buck1 = GPU": the GPU and the camera give no value in purple mode (an unconnected
        // output reads 0 V as it should).
        const QString uso = zerado.section(QStringLiteral(" = "), 1);
        if (zerado.section(QStringLiteral(" = "), 0, 0) == saida
            && (uso == QLatin1String("GPU") || uso == QLatin1String("CAMERA")))
            return Veredito::NaoMensuravel;
    }
    return VereditoDe(item.icone == IconeBuck::Passou);
}

bool RespostaBuckCompleta(const QString& txtDados)
{
    return !txtDados.isEmpty() && txtDados.contains(QLatin1Char('['));
}

std::optional<QString> ComandoBuck(ModoBuck modo, const QString& tolerancia)
{
    if (modo == ModoBuck::Buck)
        return QStringLiteral("buck");
    const QString t = RemoveEspacos(tolerancia);
    const std::optional<double> valor = NumeroComVirgula(t);
    if (!valor || *valor < 1 || *valor > 99)
        return std::nullopt;
    return QStringLiteral("buckcheck ") + t;
}

QString TextoInfoBucks(const QString& modelo)
{
    const PerfilModelo& perfil = PerfilModelo::de(modelo);
    QString texto;
    for (const QString& buck : perfil.bucksZerados)
        texto += QStringLiteral("\r\n   ") + buck + QStringLiteral(" = 0.000 V");
    if (perfil.notaBuck6Gpu)
        texto += QStringLiteral("\r\n\r\n   ") + L(QStringLiteral("Buck6GPU"));
    texto += QStringLiteral("\r\n\r\n   ")
             + L(perfil.novo ? QStringLiteral("VAR4") : QStringLiteral("VAR3"));
    return texto;
}
