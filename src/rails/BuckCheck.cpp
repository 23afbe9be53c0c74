#include "rails/BuckCheck.h"

#include "i18n/Dicionario.h"
#include "rails/TextosLeitura.h"

namespace {
// The text between two positions of the answer (0-based start, end exclusive); a pair that
// crosses gives "" instead of failing.
QString trecho(const QString& texto, qsizetype inicio, qsizetype fim)
{
    if (fim <= inicio)
        return QString();
    return texto.mid(inicio, fim - inicio);
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
    qsizetype pos = 0;
    for (;;) {
        const qsizetype doisPontos = texto.indexOf(QLatin1Char(':'), pos);
        if (doisPontos < 0)
            break;
        const qsizetype mv = texto.indexOf(QLatin1String("mV"), doisPontos);
        if (mv < 0)
            break;
        // From two characters after the ":" to the character before the blank ahead of "mV".
        const QString valor = trecho(texto, doisPontos + 2, mv - 1);
        itens.append({QStringLiteral("   buck") + QString::number(n) + QStringLiteral(" voltage: ")
                          + ConverteMilivolts(valor) + QStringLiteral(" V"),
                      IconeBuck::Leitura});
        ++n;
        pos = doisPontos + 1;
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
    qsizetype pos = 0;
    for (;;) {
        const qsizetype alvo = texto.indexOf(QLatin1String("target"), pos);
        if (alvo < 0)
            break;
        const qsizetype mvAlvo = texto.indexOf(QLatin1String("mV"), alvo);
        if (mvAlvo < 0)
            break;
        const QString alvoV = AlvoEmVolts(trecho(texto, alvo + 7, mvAlvo - 1));

        const qsizetype medido = texto.indexOf(QLatin1String("measured"), alvo + 1);
        if (medido < 0)
            break;
        const qsizetype mvMedido = texto.indexOf(QLatin1String("mV"), medido);
        if (mvMedido < 0)
            break;
        const QString medidoV = ConverteMilivolts(campo(trecho(texto, medido + 9, mvMedido - 1), 11));
        const QString veredito = texto.mid(mvMedido + 5, 4);

        itens.append({QStringLiteral("   buck") + QString::number(n) + QStringLiteral(": ") + referencia
                          + QStringLiteral(": ") + alvoV + QStringLiteral(" V - ") + leitura
                          + QStringLiteral(":  ") + medidoV + QStringLiteral(" V : ") + veredito,
                      veredito == QLatin1String("PASS") ? IconeBuck::Passou : IconeBuck::Falhou});
        ++n;
        pos = medido + 1;
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
