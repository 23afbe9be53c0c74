#include "rails/LeituraAdc.h"

#include "i18n/Dicionario.h"
#include "rails/TextosLeitura.h"
#include "i18n/IdiomaAtivo.h"

#include <QHash>
#include <QLocale>
#include <cmath>

namespace {

QList<QPair<QString, QString>> montaTabela()
{
    QList<QPair<QString, QString>> t;
    auto add = [&t](int codigo, const QString& rotulo) { t.append({QString::number(codigo), rotulo}); };
    for (int c = 0; c <= 11; ++c)
        add(c, QStringLiteral("BIST buck%1:").arg(c));
    add(12, QStringLiteral("BIST buck3_sw1:"));
    add(13, QStringLiteral("BIST buck3_sw2:"));
    add(14, QStringLiteral("BIST buck3_sw3:"));
    add(15, QStringLiteral("BIST buck4_sw1:"));
    add(16, QStringLiteral("BIST buck4_sw2:"));
    for (int c = 20; c <= 31; ++c)
        add(c, QStringLiteral("ibuck%1:").arg(c - 20));
    for (int c = 40; c <= 59; ++c)
        add(c, QStringLiteral("BIST ldo%1:").arg(c - 40));
    for (int c = 60; c <= 79; ++c)
        add(c, QStringLiteral("BIST ildo%1:").arg(c - 60));
    add(80, QStringLiteral("BIST ibuf_1v2:"));
    add(81, QStringLiteral("BIST vbuf_1v2:"));
    add(82, QStringLiteral("BIST vrtc:"));
    return t;
}

const QList<QPair<QString, QString>>& tabela()
{
    static const QList<QPair<QString, QString>> t = montaTabela();
    return t;
}

const QHash<QString, QString>& indice()
{
    static const QHash<QString, QString> h = [] {
        QHash<QString, QString> m;
        for (const auto& par : tabela())
            m.insert(par.first, par.second);
        return m;
    }();
    return h;
}

} // namespace

QList<QPair<QString, QString>> TabelaRotulosAdc()
{
    return tabela();
}

QString RotuloAdc(const QString& codigo)
{
    return indice().value(codigo);
}

bool CanalCorrenteAdc(const QString& codigo)
{
    const QString r = RotuloAdc(codigo);
    return r.startsWith(QLatin1String("ibuck")) || r.startsWith(QLatin1String("BIST ildo"))
        || r == QLatin1String("BIST ibuf_1v2:");
}

QString LinhaAdc(const QString& codigo, const QString& valor)
{
    return LinhaAdc(codigo, valor,
                    CanalCorrenteAdc(codigo) ? QStringLiteral("mA") : QStringLiteral("mV"));
}

QString LinhaAdc(const QString& codigo, const QString& valor, const QString& unidade)
{
    const QString rotulo = RotuloAdc(codigo);
    if (rotulo.isEmpty())
        return {};
    return rotulo + QLatin1Char(' ') + valor + QLatin1Char(' ') + unidade;
}

QString MilivoltsDeVolts(const QString& volts)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(volts.trimmed(), &ok);
    if (!ok)
        return {};
    const qint64 microvolts = std::llround(v * 1e6);
    return QLocale::c().toString(microvolts / 1000.0, 'f', 3);
}

QString MarcaSemMedicao()
{
    return MarcaSemMedicao(IdiomaAtual());
}

QString MarcaSemMedicao(int idioma)
{
    return QStringLiteral("*") + TextoDoDicionario(QStringLiteral("Sem Medição"), idioma);
}

LeituraAdc ExtraiLeituraAdc(const QString& resposta, const QString& rotulo)
{
    return ExtraiLeituraAdc(resposta, rotulo, IdiomaAtual());
}

LeituraAdc ExtraiLeituraAdc(const QString& resposta, const QString& rotulo, int idioma)
{
    LeituraAdc r;
    r.texto = MarcaSemMedicao(idioma);
    if (rotulo.isEmpty())
        return r;
    const qsizetype pos = resposta.indexOf(rotulo, 0, Qt::CaseSensitive);
    if (pos < 0)
        return r;

    const qsizetype inicio = pos + rotulo.size() + 1; // the label, one blank, then the value
    if (inicio > resposta.size())
        return r;
    const qsizetype branco = resposta.indexOf(QLatin1Char(' '), inicio);
    if (branco < 0)
        return r; // the answer stops inside the value: no complete line to read
    const QString valor = resposta.mid(inicio, branco - inicio);
    const QChar unidade = branco + 2 < resposta.size() ? resposta.at(branco + 2) : QChar();
    r.impresso = valor;

    if (unidade == QLatin1Char('V')) {
        r.texto = ConverteMilivolts(valor);
        r.unidade = LeituraAdc::Unidade::Volts;
    } else {
        QString t = valor;
        t.chop(1);
        t.replace(QLatin1Char('.'), QLatin1Char(','));
        r.texto = t;
        r.unidade = LeituraAdc::Unidade::Miliamperes;
    }
    return r;
}
