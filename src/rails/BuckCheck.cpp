#include "rails/BuckCheck.h"

#include "i18n/Dicionario.h"
#include "rails/TextosLeitura.h"
#include "shell/BuscaTexto.h"
#include "shell/PerfilModelo.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>

namespace {
// One line of an answer, without its line end. Every rule below reads inside one line, so a
// line without its "mV" never reaches into the next ones, and each character is read a
// bounded number of times.
using Linha = QStringView;

// Calls `f` with every non-empty line of the text, in order.
template <typename F>
void paraCadaLinha(const QString& texto, F f)
{
    const QStringView t(texto);
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= t.size(); ++i) {
        if (i == t.size() || t[i] == u'\n' || t[i] == u'\r') {
            if (i > inicio)
                f(t.sliced(inicio, i - inicio));
            inicio = i + 1;
        }
    }
}

// An item's text put together on the stack and copied once into its own QString.
class Montagem {
public:
    Montagem& append(QStringView t)
    {
        texto_.append(t.utf16(), t.size());
        return *this;
    }
    QString texto() const { return QString(reinterpret_cast<const QChar*>(texto_.constData()), texto_.size()); }

private:
    QVarLengthArray<char16_t, 128> texto_;
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

void acrescentaNumero(Montagem& destino, int numero)
{
    char digitos[16];
    const auto r = std::to_chars(digitos, digitos + sizeof digitos, numero);
    char16_t largos[16];
    std::copy(digitos, r.ptr, largos);
    destino.append(QStringView(largos, r.ptr - digitos));
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
    paraCadaLinha(texto, [&](Linha l) {
        const qsizetype doisPontos = l.indexOf(QLatin1Char(':'));
        if (doisPontos < 0)
            return;
        // A line with a ":" is one output: it takes its number even when it holds no reading.
        const int numero = n++;
        const qsizetype mv = acha(l, u"mV", doisPontos);
        if (mv < 0)
            return;
        // From two characters after the ":" to the character before the blank ahead of "mV".
        const QStringView valor = trecho(l, doisPontos + 2, mv - 1);
        Montagem item;
        item.append(QStringView(u"   buck"));
        acrescentaNumero(item, numero);
        item.append(QStringView(u" voltage: "));
        AcrescentaVolts(item, valor);
        item.append(QStringView(u" V"));
        itens.append({item.texto(), IconeBuck::Leitura});
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
    paraCadaLinha(texto, [&](Linha l) {
        const qsizetype alvo = acha(l, u"target");
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

        Montagem item;
        item.append(QStringView(u"   buck"));
        acrescentaNumero(item, numero);
        item.append(QStringView(u": ")).append(referencia).append(QStringView(u": "));
        acrescentaAlvo(item, trecho(l, alvo + 7, mvAlvo - 1));
        item.append(QStringView(u" V - ")).append(leitura).append(QStringView(u":  "));
        AcrescentaVolts(item, medidoMv);
        item.append(QStringView(u" V : ")).append(veredito);
        itens.append({item.texto(), veredito == u"PASS" ? IconeBuck::Passou : IconeBuck::Falhou});
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
