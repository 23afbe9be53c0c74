#include "rails/RelatorioMalhas.h"

#include "db/Banco.h"
#include "i18n/Dicionario.h"
#include "rails/GradeTrilhas.h"
#include "rails/LeituraAdc.h"
#include "rails/TextosLeitura.h"
#include "rails/VereditoTrilha.h"
#include "veredito/Veredito.h"

#include <QLocale>
#include <QSqlRecord>
#include <QUrl>

namespace {

QString codifica(const QString& valor)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(valor));
}

} // namespace

QList<LinhaRelatorio> LinhasRelatorio(const QString& caminho, const ConsultaMaster& consultaDaGrade)
{
    QList<LinhaRelatorio> linhas;
    if (!consultaDaGrade.valida())
        return linhas;
    Banco banco(caminho);
    for (const QSqlRecord& r : banco.linhas(consultaDaGrade.sql(), consultaDaGrade.valores)) {
        const auto campo = [&r](const char* nome) { return r.value(QLatin1String(nome)).toString(); };
        LinhaRelatorio l{campo("Malha"), campo("Leitura"), campo("Ref"), campo("Porc"), campo("RefV"), {}};
        l.veredito = VereditoLinha(campo("Modelo"),
                                   {campo("Malha"), campo("Orig"), campo("Ci"), campo("RefV"), campo("RefT")},
                                   l.leitura, l.porc, l.ref);
        linhas.append(l);
    }
    return linhas;
}

Veredito VereditoRelatorio(const LinhaRelatorio& linha)
{
    if (linha.veredito)
        return *linha.veredito;
    return VereditoTrilha(linha.leitura, linha.porc, linha.refV, linha.ref);
}

QString CodigoVeredito(const LinhaRelatorio& linha)
{
    // The host reads these codes as they always were; the verdict itself travels in V<n>.
    // "*" + "Sem Medição" in any of the program's languages: a row read before a language
    // change keeps the marker it was stored with.
    for (int idioma = 1; idioma <= 3; ++idioma) {
        if (linha.leitura == MarcaSemMedicao(idioma))
            return QStringLiteral("0");
    }
    if (linha.leitura == QLatin1String("*") || linha.leitura.contains(QLatin1String("mA"))
        || linha.refV.isEmpty())
        return QStringLiteral("1");
    QString p = linha.porc;
    p.remove(QLatin1Char(' '));
    p.remove(QLatin1Char('%'));
    const QString inteiro = LimitaDecimais(p, -1);
    if (inteiro.isEmpty())
        return QStringLiteral("3");
    const auto n = NumeroComVirgula(inteiro);
    if (!n)
        return QStringLiteral("3");
    return *n >= 10 || *n <= -10 ? QStringLiteral("0") : QStringLiteral("1");
}

QString RemoveNumeracaoMalha(QString texto)
{
    for (int n = 10; n <= 17; ++n)
        texto.remove(QString::number(n) + QStringLiteral(". "));
    for (int n = 1; n <= 9; ++n)
        texto.remove(QString::number(n) + QStringLiteral(". "));
    return texto;
}

QString ConsultaRelatorio(const QList<LinhaRelatorio>& linhas, int familia, const QString& data,
                          int idioma, const QString& modelo, const std::optional<QString>& nome)
{
    const bool vcore = familia == FamiliaVCore;
    // The rail numbers never reach the report; removing them value by value is the same as
    // over the whole query, since no key contains ". ".
    auto valor = [vcore](const QString& v) { return codifica(vcore ? RemoveNumeracaoMalha(v) : v); };

    QStringList partes;
    int n = 1;
    for (const LinhaRelatorio& l : linhas) {
        const QString i = QString::number(n++);
        QString parte;
        if (vcore)
            parte = QStringLiteral("P") + i + QLatin1Char('=') + valor(l.malha) + QLatin1Char('&');
        parte += QStringLiteral("L") + i + QLatin1Char('=') + valor(l.leitura);
        parte += QStringLiteral("&R") + i + QLatin1Char('=') + valor(l.ref);
        parte += QStringLiteral("&O") + i + QLatin1Char('=') + valor(l.porc);
        parte += QStringLiteral("&I") + i + QLatin1Char('=') + CodigoVeredito(l);
        parte += QStringLiteral("&V") + i + QLatin1Char('=') + NomeVeredito(VereditoRelatorio(l));
        partes << parte;
    }
    QString consulta = partes.join(QLatin1Char('&'));
    consulta += QStringLiteral("&TIPO=") + QString::number(familia);
    consulta += QStringLiteral("&DATA=") + valor(data);
    consulta += QStringLiteral("&IDIOMA=") + QString::number(idioma);
    consulta += QStringLiteral("&MODELO=") + valor(modelo);
    if (nome)
        consulta += QStringLiteral("&EMP=") + valor(*nome);
    return consulta;
}

QString EnderecoRelatorio(const QString& pastaAplicacao, const QString& consulta, const QString& host)
{
    if (host.isEmpty()) {
        const QString pagina = pastaAplicacao + QStringLiteral("/relatorio/index.html");
        return QUrl::fromLocalFile(pagina).toString(QUrl::FullyEncoded) + QLatin1Char('?') + consulta;
    }
    return QStringLiteral("https://") + host + QStringLiteral("/relatorio/index.php?") + consulta;
}

QString JanelaDoRelatorio(int familia)
{
    return familia == FamiliaVCore ? QStringLiteral("VCore")
         : familia == FamiliaLdo   ? QStringLiteral("LDO")
                                   : QStringLiteral("BUCK");
}
