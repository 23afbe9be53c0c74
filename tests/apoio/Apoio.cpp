#include "Apoio.h"

#include "i18n/janelas/AvisoChaves.h"
#include "shell/Globais.h"

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
    Globais::instancia().reinicia(caminho());
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

ContextoAplicacao ContextoTeste()
{
    // The folder the logic still reads (Globais) and the windows' context are one.
    const Globais& g = Globais::instancia();
    ContextoAplicacao c = ContextoAplicacao::daPasta(g.PastaAplicacao);
    c.dados.banco = g.CaminhoBanco;
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
