#include "Apoio.h"

#include "i18n/janelas/AvisoChaves.h"
#include "i18n/IdiomaAtivo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

struct PastaAplicacaoTemporaria::Dados {
    QTemporaryDir pasta;
};

PastaAplicacaoTemporaria::PastaAplicacaoTemporaria(bool comBanco) : d(new Dados)
{
    if (comBanco) {
        QFile::copy(QStringLiteral(PASTA_APLICACAO "/Config.qzd"), banco());
        QFile(banco()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    // The report pages, as the installed application folder has them.
    const QDir paginas(QStringLiteral(PASTA_APLICACAO "/relatorio"));
    QDir(caminho()).mkpath(QStringLiteral("relatorio"));
    for (const QString& nome : paginas.entryList({QStringLiteral("*.html")}, QDir::Files))
        QFile::copy(paginas.filePath(nome), caminho() + QStringLiteral("/relatorio/") + nome);
    ReiniciaTeste(caminho());
    // A missing dictionary key shows its box, as the program installs it at start.
    InstalaAvisoChavesDesconhecidas();
    // No report is printed to PDF unless a test asks for it (tests/reports does).
    qputenv("VEXADOR_NAVEGADOR", "");
}

PastaAplicacaoTemporaria::~PastaAplicacaoTemporaria()
{
    delete d;
}

QString PastaAplicacaoTemporaria::caminho() const
{
    return d->pasta.path();
}

QString PastaAplicacaoTemporaria::banco() const
{
    return d->pasta.path() + QStringLiteral("/Config.qzd");
}

LocalDados& DadosTeste()
{
    static LocalDados dados;
    return dados;
}

void ReiniciaTeste(const QString& pastaAplicacao)
{
    DefineIdioma(0); // a fresh start has no language until it is loaded
    DadosTeste() = ContextoAplicacao::daPasta(pastaAplicacao).dados;
}

ContextoAplicacao ContextoTeste()
{
    ContextoAplicacao c = ContextoAplicacao::daPasta(DadosTeste().pasta);
    c.dados = DadosTeste();
    return c;
}

QString ConsultaDoRelatorio(const QString& arquivoOuEndereco)
{
    QFile f(arquivoOuEndereco);
    if (f.open(QIODevice::ReadOnly)) {
        const QString html = QString::fromUtf8(f.readAll());
        const QString inicio = QStringLiteral("window.VEXADOR_CONSULTA = \"?");
        const qsizetype i = html.indexOf(inicio);
        if (i < 0)
            return QString();
        const qsizetype a = i + inicio.size();
        return html.mid(a, html.indexOf(QLatin1Char('"'), a) - a);
    }
    const qsizetype q = arquivoOuEndereco.indexOf(QLatin1Char('?'));
    return q < 0 ? QString() : arquivoOuEndereco.mid(q + 1);
}

void PastaAplicacaoTemporaria::defineEnderecos(const QList<QPair<int, QString>>& paginas) const
{
    QFile f(d->pasta.path() + QStringLiteral("/enderecos.ini"));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write("[paginas]\n");
    for (const auto& [numero, endereco] : paginas)
        f.write(QStringLiteral("%1 = %2\n").arg(numero).arg(endereco).toUtf8());
}
