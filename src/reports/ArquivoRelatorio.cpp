#include "reports/ArquivoRelatorio.h"

#include "shell/Globais.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

QString PastaRelatorios()
{
    return QFileInfo(Globais::instancia().CaminhoBanco).absoluteDir().absoluteFilePath(QStringLiteral("relatorios"));
}

QString ParteNomeArquivo(const QString& parte)
{
    static const QRegularExpression proibidos(QStringLiteral("[^A-Za-z0-9._+-]+"));
    return parte.trimmed().replace(proibidos, QStringLiteral("-"));
}

QString NomeArquivoRelatorio(const QString& modelo, const QString& numero, const QString& janela,
                             const QDateTime& quando)
{
    QStringList partes;
    for (const QString& texto : {modelo, numero, janela}) {
        const QString parte = ParteNomeArquivo(texto);
        if (!parte.isEmpty())
            partes << parte;
    }
    partes << quando.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return partes.join(QLatin1Char('_')) + QStringLiteral(".html");
}

QString PaginaComDados(const QString& pagina, const QString& consulta)
{
    QFile f(QDir(Globais::instancia().PastaAplicacao)
                .absoluteFilePath(QStringLiteral("relatorio/") + pagina + QStringLiteral(".html")));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QString html = QString::fromUtf8(f.readAll());
    // The query is percent-encoded: no quote, "<" or backslash can end the string early.
    const QString dados = QStringLiteral("<script>window.VEXADOR_CONSULTA = \"?") + consulta
                          + QStringLiteral("\";</script>\n");
    const qsizetype fim = html.indexOf(QLatin1String("</head>"), 0, Qt::CaseInsensitive);
    html.insert(fim < 0 ? 0 : fim, dados);
    return html;
}

QString NavegadorSemJanela()
{
    const QByteArray escolhido = qgetenv("VEXADOR_NAVEGADOR");
    if (qEnvironmentVariableIsSet("VEXADOR_NAVEGADOR"))
        return escolhido.isEmpty() ? QString() : QString::fromLocal8Bit(escolhido);
    for (const char* nome : {"chromium", "chromium-browser", "google-chrome"}) {
        const QString caminho = QStandardPaths::findExecutable(QLatin1String(nome));
        if (!caminho.isEmpty())
            return caminho;
    }
    return QString();
}

namespace {

// Prints the page to PDF in the background; the program does not wait for it.
bool imprimePdf(const QString& html, const QString& pdf)
{
    const QString navegador = NavegadorSemJanela();
    if (navegador.isEmpty())
        return false;
    const QString perfil = QDir(QDir::tempPath()).absoluteFilePath(
        QStringLiteral("vexador-pdf-") + QFileInfo(pdf).completeBaseName());
    return QProcess::startDetached(navegador,
        {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
         QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"),
         QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
         QStringLiteral("--disable-sync"), QStringLiteral("--user-data-dir=") + perfil,
         QStringLiteral("--no-pdf-header-footer"), QStringLiteral("--print-to-pdf=") + pdf,
         QUrl::fromLocalFile(html).toString()});
}

} // namespace

RelatorioPublicado EscreveRelatorio(const QString& pagina, const QString& consulta, const QString& modelo,
                                    const QString& numero, const QString& janela, const QDateTime& quando,
                                    const QString& host)
{
    RelatorioPublicado r;
    if (!host.trimmed().isEmpty()) {
        r.aberto = QStringLiteral("https://") + host.trimmed() + QStringLiteral("/relatorio/") + pagina
                   + QStringLiteral(".php?") + consulta;
        return r;
    }
    const QString html = PaginaComDados(pagina, consulta);
    if (html.isEmpty()) {
        r.erro = QDir(PastaRelatorios()).absoluteFilePath(NomeArquivoRelatorio(modelo, numero, janela, quando))
                 + QStringLiteral("\nrelatorio/") + pagina + QStringLiteral(".html");
        return r;
    }
    return EscrevePagina(html, modelo, numero, janela, quando);
}

RelatorioPublicado EscrevePagina(const QString& html, const QString& modelo, const QString& numero,
                                 const QString& janela, const QDateTime& quando)
{
    RelatorioPublicado r;
    const QString pasta = PastaRelatorios();
    const QString arquivo = QDir(pasta).absoluteFilePath(NomeArquivoRelatorio(modelo, numero, janela, quando));
    QSaveFile f(arquivo);
    if (!QDir().mkpath(pasta) || !f.open(QIODevice::WriteOnly) || f.write(html.toUtf8()) < 0 || !f.commit()) {
        r.erro = arquivo + QStringLiteral("\n") + f.errorString();
        return r;
    }
    r.arquivo = arquivo;
    const QString pdf = arquivo.left(arquivo.size() - 5) + QStringLiteral(".pdf");
    if (imprimePdf(arquivo, pdf))
        r.pdf = pdf;
    r.aberto = arquivo;
    return r;
}
