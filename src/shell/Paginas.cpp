#include "shell/Paginas.h"

#include "i18n/Dialogos.h"

#ifndef VEXADOR_ENDERECO_PAGINAS
#define VEXADOR_ENDERECO_PAGINAS ""
#endif

QString EnderecoPagina(int numero)
{
    const QString modelo = QStringLiteral(VEXADOR_ENDERECO_PAGINAS);
    if (modelo.isEmpty())
        return QString();
    return modelo.contains(QLatin1String("%1")) ? modelo.arg(numero) : modelo + QString::number(numero);
}

void AbrePagina(int numero)
{
    const QString endereco = EnderecoPagina(numero);
    if (!endereco.isEmpty())
        dialogos().abre(endereco);
}
