#include "Apoio.h"

#include "shell/Globais.h"

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
    Globais::instancia().reinicia(caminho());
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

void PastaAplicacaoTemporaria::defineEnderecos(const QList<QPair<int, QString>>& paginas) const
{
    QFile f(d->pasta.path() + QStringLiteral("/enderecos.ini"));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write("[paginas]\n");
    for (const auto& [numero, endereco] : paginas)
        f.write(QStringLiteral("%1 = %2\n").arg(numero).arg(endereco).toUtf8());
}
