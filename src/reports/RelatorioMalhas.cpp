#include "reports/RelatorioMalhas.h"

#include "db/Banco.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "rails/GradeTrilhas.h"
#include "rails/TextosLeitura.h"
#include "shell/Globais.h"

#include <QLocale>
#include <QSqlRecord>
#include <QUrl>

namespace {

QString caminhoBanco()
{
    return Globais::instancia().CaminhoBanco;
}

QString codifica(const QString& valor)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(valor));
}

} // namespace

QList<LinhaRelatorio> LinhasRelatorio(const ConsultaMaster& consultaDaGrade)
{
    QList<LinhaRelatorio> linhas;
    if (!consultaDaGrade.valida())
        return linhas;
    Banco banco(caminhoBanco());
    for (const QSqlRecord& r : banco.linhas(consultaDaGrade.sql(), consultaDaGrade.valores)) {
        linhas.append({r.value(QStringLiteral("Malha")).toString(),
                       r.value(QStringLiteral("Leitura")).toString(),
                       r.value(QStringLiteral("Ref")).toString(),
                       r.value(QStringLiteral("Porc")).toString(),
                       r.value(QStringLiteral("RefV")).toString()});
    }
    return linhas;
}

QString CodigoVeredito(const LinhaRelatorio& linha)
{
    if (linha.leitura == QStringLiteral("*") + L(QStringLiteral("Sem Medição")))
        return QStringLiteral("0");
    if (linha.leitura == QLatin1String("*"))
        return QStringLiteral("1");
    if (linha.leitura.contains(QLatin1String("mA")))
        return QStringLiteral("1");
    if (linha.refV.isEmpty())
        return QStringLiteral("1");

    QString p = linha.porc;
    p.remove(QLatin1Char(' '));
    p.remove(QLatin1Char('%'));
    p = LimitaDecimais(p, -1);
    if (p.isEmpty())
        return QStringLiteral("3");
    const auto numero = NumeroComVirgula(p);
    if (!numero)
        return QStringLiteral("3"); // no usable percentage
    return (*numero >= 10 || *numero <= -10) ? QStringLiteral("0") : QStringLiteral("1");
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

QString EnderecoRelatorio(const QString& consulta, const QString& host)
{
    if (host.isEmpty()) {
        const QString pagina = Globais::instancia().PastaAplicacao + QStringLiteral("/relatorio/index.html");
        return QUrl::fromLocalFile(pagina).toString(QUrl::FullyEncoded) + QLatin1Char('?') + consulta;
    }
    return QStringLiteral("https://") + host + QStringLiteral("/relatorio/index.php?") + consulta;
}

QString LeNomeRelatorio()
{
    Banco banco(caminhoBanco());
    const QVariant v = banco.valor(QStringLiteral("Select nome from Tools"));
    return v.isValid() ? v.toString() : QString();
}

bool GravaNomeRelatorio(const QString& nome)
{
    Banco banco(caminhoBanco());
    return banco.executa(QStringLiteral("Update Tools set Nome = ? where rowid = "
                                        "(Select rowid from Tools order by rowid limit 1)"),
                         {nome})
        && banco.linhasAfetadas() == 1;
}

std::optional<QString> GeraRelatorioMalhas(int familia, const QList<LinhaRelatorio>& linhas,
                                           const QString& modelo)
{
    const QString data = QLocale::system().toString(dialogos().agora().date(), QLocale::ShortFormat);
    const int idioma = Globais::instancia().IdiomaAtual;

    const std::optional<QString> nome = dialogos().entrada(
        L(QStringLiteral("DIGITE SEU NOME")), L(QStringLiteral("Relatório")) + QStringLiteral(" - PDF"),
        LeNomeRelatorio());
    if (!nome)
        return std::nullopt;
    GravaNomeRelatorio(*nome);

    const QString endereco = EnderecoRelatorio(ConsultaRelatorio(linhas, familia, data, idioma, modelo, nome));
    dialogos().abre(endereco);
    return endereco;
}

std::optional<QString> GeraRelatorioMalhas(int familia, const ConsultaMaster& consultaDaGrade,
                                           const QString& modelo)
{
    return GeraRelatorioMalhas(familia, LinhasRelatorio(consultaDaGrade), modelo);
}
