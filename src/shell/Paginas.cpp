#include "shell/Paginas.h"

#include "i18n/Dialogos.h"

#include <QFile>

QString EnderecoNoTexto(const QString& texto, int numero)
{
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    for (const QString& bruta : linhas) {
        const QString linha = bruta.trimmed();
        if (linha.isEmpty() || linha.startsWith(QLatin1Char('#')) || linha.startsWith(QLatin1Char(';'))
            || linha.startsWith(QLatin1Char('[')))
            continue;
        const int igual = linha.indexOf(QLatin1Char('='));
        if (igual < 0)
            continue;
        bool numerico = false;
        const int chave = linha.left(igual).trimmed().toInt(&numerico);
        if (numerico && chave == numero)
            return linha.mid(igual + 1).trimmed();
    }
    return QString();
}

QString EnderecoPagina(const QString& pasta, int numero)
{
    if (pasta.isEmpty())
        return QString();
    QFile arquivo(pasta + QLatin1Char('/') + ArquivoEnderecos);
    if (!arquivo.open(QIODevice::ReadOnly))
        return QString();
    return EnderecoNoTexto(QString::fromUtf8(arquivo.readAll()), numero);
}

bool PaginaConfigurada(const QString& pasta, int numero)
{
    return !EnderecoPagina(pasta, numero).isEmpty();
}

void AbrePagina(const QString& pasta, int numero)
{
    const QString endereco = EnderecoPagina(pasta, numero);
    if (!endereco.isEmpty())
        dialogos().abre(endereco);
}
