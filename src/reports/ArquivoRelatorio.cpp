#include "reports/ArquivoRelatorio.h"

#include "db/Banco.h"
#include "i18n/Dicionario.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <memory>

QString PastaRelatorios(const QString& banco)
{
    return QFileInfo(banco).absoluteDir().absoluteFilePath(QStringLiteral("relatorios"));
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

QString PaginaComDados(const QString& pastaAplicacao, const QString& pagina, const QString& consulta)
{
    QFile f(QDir(pastaAplicacao)
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

ImpressoesPdf& ImpressoesPdf::instancia()
{
    // Owned by the application, so a browser still printing ends with the program.
    static ImpressoesPdf* unica = new ImpressoesPdf(QCoreApplication::instance());
    return *unica;
}

ImpressoesPdf::Estado ImpressoesPdf::estado(const QString& pdf) const
{
    return m_estados.value(pdf, Estado::Nenhum);
}

QString ImpressoesPdf::motivo(const QString& pdf) const
{
    return m_motivos.value(pdf);
}

QString ConfereArquivoPdf(const QString& pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 16)
        return L(QStringLiteral("PDF_INCOMPLETO"));
    const QByteArray inicio = f.read(5);
    f.seek(std::max<qint64>(0, f.size() - 1024));
    const QByteArray fim = f.readAll();
    if (inicio != "%PDF-" || !fim.contains("%%EOF"))
        return L(QStringLiteral("PDF_INCOMPLETO"));
    return {};
}

bool ImpressoesPdf::imprime(const QString& html, const QString& pdf)
{
    const QString navegador = NavegadorSemJanela();
    if (navegador.isEmpty())
        return false;
    // A private profile (mode 0700, unpredictable name), removed when the browser ends.
    // Held by the process's handlers: it goes with them, also when the program ends first.
    const auto perfil = std::make_shared<QTemporaryDir>(
        QDir(QDir::tempPath()).absoluteFilePath(QStringLiteral("vexador-pdf-XXXXXX")));
    auto* processo = new QProcess(this);
    m_estados.insert(pdf, Estado::EmPreparo);
    m_motivos.remove(pdf);
    auto* limite = new QTimer(processo);
    limite->setSingleShot(true);
    auto fim = [this, processo, perfil, pdf](const QString& motivo) {
        if (processo->property("terminada").toBool())
            return;
        processo->setProperty("terminada", true);
        perfil->remove();
        processo->deleteLater();
        termina(pdf, motivo);
    };
    connect(limite, &QTimer::timeout, processo, [processo] {
        processo->setProperty("demorou", true);
        processo->kill();
    });
    connect(processo, &QProcess::errorOccurred, processo, [processo, fim](QProcess::ProcessError erro) {
        if (erro == QProcess::FailedToStart)
            fim(L(QStringLiteral("PDF_NAVEGADOR_NAO_INICIOU")) + QStringLiteral(" (") + processo->errorString()
                + QLatin1Char(')'));
    });
    connect(processo, &QProcess::finished, processo, [processo, fim, pdf](int codigo, QProcess::ExitStatus status) {
        if (processo->property("demorou").toBool()) {
            fim(L(QStringLiteral("PDF_NAVEGADOR_DEMOROU")).arg(LimiteSegundos));
            return;
        }
        if (status != QProcess::NormalExit || codigo != 0) {
            fim(L(QStringLiteral("PDF_NAVEGADOR_FALHOU")).arg(status == QProcess::NormalExit ? codigo : -1));
            return;
        }
        fim(ConfereArquivoPdf(pdf));
    });
    if (!perfil->isValid()) {
        fim(L(QStringLiteral("PDF_NAVEGADOR_NAO_INICIOU")) + QStringLiteral(" (") + perfil->errorString()
            + QLatin1Char(')'));
        return true;
    }
    // The browser's own chatter (D-Bus, "bytes written") would land in the command line's
    // progress and a script's log; its outcome is judged from its exit and the file it wrote.
    processo->setStandardOutputFile(QProcess::nullDevice());
    processo->setStandardErrorFile(QProcess::nullDevice());
    processo->start(navegador,
        {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
         QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"),
         QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
         QStringLiteral("--disable-sync"), QStringLiteral("--user-data-dir=") + perfil->path(),
         QStringLiteral("--no-pdf-header-footer"), QStringLiteral("--print-to-pdf=") + pdf,
         QUrl::fromLocalFile(html).toString()});
    limite->start(LimiteSegundos * 1000);
    return true;
}

void ImpressoesPdf::termina(const QString& pdf, const QString& motivo)
{
    if (!motivo.isEmpty()) {
        // A cut or empty file is no PDF: nothing is left that could be taken for one.
        QFile::remove(pdf);
        m_estados.insert(pdf, Estado::Falhou);
        m_motivos.insert(pdf, motivo);
    } else {
        m_estados.insert(pdf, Estado::Pronto);
    }
    emit terminada(pdf);
}

RelatorioPublicado EscreveRelatorio(const LocalDados& dados, const QString& pagina, const QString& consulta,
                                    const QString& modelo,
                                    const QString& numero, const QString& janela, const QDateTime& quando,
                                    const QString& host)
{
    RelatorioPublicado r;
    if (!host.trimmed().isEmpty()) {
        r.aberto = QStringLiteral("https://") + host.trimmed() + QStringLiteral("/relatorio/") + pagina
                   + QStringLiteral(".php?") + consulta;
        return r;
    }
    const QString html = PaginaComDados(dados.pasta, pagina, consulta);
    if (html.isEmpty()) {
        r.erro = QDir(PastaRelatorios(dados.banco)).absoluteFilePath(NomeArquivoRelatorio(modelo, numero, janela, quando))
                 + QStringLiteral("\nrelatorio/") + pagina + QStringLiteral(".html");
        return r;
    }
    return EscrevePagina(dados, html, modelo, numero, janela, quando);
}

RelatorioPublicado EscrevePagina(const LocalDados& dados, const QString& html, const QString& modelo, const QString& numero,
                                 const QString& janela, const QDateTime& quando)
{
    RelatorioPublicado r;
    const QString pasta = PastaRelatorios(dados.banco);
    const QString arquivo = QDir(pasta).absoluteFilePath(NomeArquivoRelatorio(modelo, numero, janela, quando));
    QSaveFile f(arquivo);
    if (!QDir().mkpath(pasta) || !f.open(QIODevice::WriteOnly) || f.write(html.toUtf8()) < 0 || !f.commit()) {
        r.erro = arquivo + QStringLiteral("\n") + f.errorString();
        return r;
    }
    r.arquivo = arquivo;
    const QString pdf = arquivo.left(arquivo.size() - 5) + QStringLiteral(".pdf");
    if (ImpressoesPdf::instancia().imprime(arquivo, pdf))
        r.pdf = pdf;
    r.aberto = arquivo;
    return r;
}

QString LeNomeRelatorio(const QString& caminho)
{
    Banco banco(caminho);
    const QVariant v = banco.valor(QStringLiteral("Select nome from Tools"));
    return v.isValid() ? v.toString() : QString();
}

bool GravaNomeRelatorio(const QString& caminho, const QString& nome)
{
    Banco banco(caminho);
    return banco.executa(QStringLiteral("Update Tools set Nome = ? where rowid = "
                                        "(Select rowid from Tools order by rowid limit 1)"),
                         {nome})
        && banco.linhasAfetadas() == 1;
}
