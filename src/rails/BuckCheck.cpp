#include "rails/BuckCheck.h"

#include "i18n/Dicionario.h"
#include "rails/TextosLeitura.h"

namespace {
// One line of an answer, without its line end. Every rule below reads inside one line, so a
// line without its "mV" never reaches into the next ones, and each character is read a
// bounded number of times.
using Linha = QStringView;

QList<Linha> linhas(const QString& texto)
{
    QList<Linha> r;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= texto.size(); ++i) {
        if (i == texto.size() || texto.at(i) == QLatin1Char('\n') || texto.at(i) == QLatin1Char('\r')) {
            if (i > inicio)
                r.append(QStringView(texto).mid(inicio, i - inicio));
            inicio = i + 1;
        }
    }
    return r;
}

// The text between two positions of a line (0-based start, end exclusive); a pair that
// crosses gives "" instead of failing.
QString trecho(Linha linha, qsizetype inicio, qsizetype fim)
{
    if (fim <= inicio)
        return QString();
    return linha.mid(inicio, fim - inicio).toString();
}

QString campo(const QString& texto, int largura)
{
    return texto.leftJustified(largura, QLatin1Char(' '), true);
}

bool modeloNovo(const QString& modelo)
{
    const QString inicio = modelo.left(4);
    return inicio == QLatin1String("IP 8") || inicio == QLatin1String("IP X");
}
} // namespace

QList<ItemBuck> ListaBuck(const QString& texto)
{
    QList<ItemBuck> itens;
    if (texto.contains(QLatin1String("measured")))
        return itens;
    int n = texto.contains(QLatin1String("buck0")) ? 0 : 1;
    for (const Linha& l : linhas(texto)) {
        const qsizetype doisPontos = l.indexOf(QLatin1Char(':'));
        if (doisPontos < 0)
            continue;
        // A line with a ":" is one output: it takes its number even when it holds no reading.
        const int numero = n++;
        const qsizetype mv = l.indexOf(QLatin1String("mV"), doisPontos);
        if (mv < 0)
            continue;
        // From two characters after the ":" to the character before the blank ahead of "mV".
        const QString valor = trecho(l, doisPontos + 2, mv - 1);
        const QString volts = ConverteMilivolts(valor);
        QString item;
        item.reserve(24 + volts.size());
        item.append(QLatin1String("   buck")).append(QString::number(numero))
            .append(QLatin1String(" voltage: ")).append(volts).append(QLatin1String(" V"));
        itens.append({item, IconeBuck::Leitura});
    }
    return itens;
}

QString AlvoEmVolts(const QString& mv)
{
    QString v;
    switch (mv.size()) {
    case 1: v = QStringLiteral("0.00") + mv; break;
    case 2: v = QStringLiteral("0.0") + mv; break;
    case 3: v = QStringLiteral("0.") + mv; break;
    case 4: v = mv.left(1) + QLatin1Char('.') + mv.mid(1); break;
    case 5: v = mv.left(2) + QLatin1Char('.') + mv.mid(2); break;
    default: v = mv; break;
    }
    return campo(v, 5);
}

QList<ItemBuck> ListaBuckcheck(const QString& texto)
{
    QList<ItemBuck> itens;
    int n = texto.contains(QLatin1String("buck0")) ? 0 : 1;
    const QString referencia = L(QStringLiteral("Referência"));
    const QString leitura = L(QStringLiteral("Leitura"));
    for (const Linha& l : linhas(texto)) {
        const qsizetype alvo = l.indexOf(QLatin1String("target"));
        if (alvo < 0)
            continue;
        // A line with a "target" is one output: it takes its number even when it is incomplete.
        const int numero = n++;
        const qsizetype mvAlvo = l.indexOf(QLatin1String("mV"), alvo);
        const qsizetype medido = mvAlvo < 0 ? -1 : l.indexOf(QLatin1String("measured"), alvo + 1);
        const qsizetype mvMedido = medido < 0 ? -1 : l.indexOf(QLatin1String("mV"), medido);
        if (mvMedido < 0)
            continue;
        const QString alvoV = AlvoEmVolts(trecho(l, alvo + 7, mvAlvo - 1));
        const QString medidoV = ConverteMilivolts(campo(trecho(l, medido + 9, mvMedido - 1), 11));
        const QString veredito = l.mid(mvMedido + 5, 4).toString();

        QString item;
        item.reserve(40 + referencia.size() + leitura.size() + medidoV.size());
        item.append(QLatin1String("   buck")).append(QString::number(numero)).append(QLatin1String(": "))
            .append(referencia).append(QLatin1String(": ")).append(alvoV).append(QLatin1String(" V - "))
            .append(leitura).append(QLatin1String(":  ")).append(medidoV).append(QLatin1String(" V : "))
            .append(veredito);
        itens.append({item, veredito == QLatin1String("PASS") ? IconeBuck::Passou : IconeBuck::Falhou});
    }
    return itens;
}

QList<ItemBuck> ListaPorModo(ModoBuck modo, const QString& texto)
{
    return modo == ModoBuck::Buck ? ListaBuck(texto) : ListaBuckcheck(texto);
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
    QStringList linhas;
    const QString gpu1 = QStringLiteral("   buck1 = GPU = 0.000 V");
    const QString gpu8 = QStringLiteral("   buck8 = GPU = 0.000 V");
    if (modelo == QLatin1String("IP 6") || modelo == QLatin1String("IP 6 Plus"))
        linhas = {gpu1, QStringLiteral("   buck6 = NC = 0.000 V"), QString(),
                  QStringLiteral("   ") + L(QStringLiteral("Buck6GPU"))};
    else if (modelo == QLatin1String("IP 6s") || modelo == QLatin1String("IP 6s Plus"))
        linhas = {gpu1, gpu8, QStringLiteral("   buck6 = CAMERA = 0.000 V")};
    else if (modelo == QLatin1String("IP 7") || modelo == QLatin1String("IP 7 Plus"))
        linhas = {gpu1, gpu8, QStringLiteral("   buck9 = CAMERA = 0.000 V")};
    else if (modelo == QLatin1String("IP 8") || modelo == QLatin1String("IP 8 Plus")
             || modelo == QLatin1String("IP X"))
        linhas = {gpu1, gpu8};

    QString texto;
    for (const QString& linha : std::as_const(linhas))
        texto += QStringLiteral("\r\n") + linha;
    texto += QStringLiteral("\r\n\r\n   ")
             + L(modeloNovo(modelo) ? QStringLiteral("VAR4") : QStringLiteral("VAR3"));
    return texto;
}
