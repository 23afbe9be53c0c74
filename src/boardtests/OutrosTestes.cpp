#include "boardtests/OutrosTestes.h"

#include "i18n/Dicionario.h"

#include <QDir>

namespace ModuloOutros {

Teste teste(int indice)
{
    if (indice == TesteRam)
        return {QStringLiteral("testmemory"), QStringLiteral("RAM"), false};
    if (indice == TesteRam1MB)
        return {QStringLiteral("testmemory --1MB"), QStringLiteral("RAM"), true};
    return {};
}

QString LegendaTeste(int indice)
{
    QString l = QStringLiteral("MEM RAM ") + L(QStringLiteral("Teste"));
    if (indice == TesteRam1MB)
        l += QStringLiteral(" 1MB");
    return l;
}

bool Passou(const QString& txtDados)
{
    return txtDados.contains(QStringLiteral("Pass"), Qt::CaseSensitive);
}

QString Espelho(const QString& A)
{
    return L(QStringLiteral("TESTE 15s")) + QStringLiteral("\r\n") + A;
}

QString CaminhoPdfPanic(const QString& pastaAplicacao)
{
    return QDir(pastaAplicacao).filePath(QStringLiteral("xPanicFull.pdf"));
}

} // namespace ModuloOutros
