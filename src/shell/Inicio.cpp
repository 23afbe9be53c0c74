#include "shell/Inicio.h"

#include "db/Banco.h"
#include "shell/Globais.h"

#include <QFileInfo>

namespace Inicio {

QString textoBancoAusente()
{
    return QStringLiteral("BR - Arquivo: 'Config.qzd' ausente, reinstale o software\r\n\r\n"
                          "US - Config.qzd' missing, reinstall software\r\n\r\n"
                          "ES - Archivo: falta 'Config.qzd', reinstale el software");
}

QString tituloBancoAusente()
{
    return QStringLiteral("Arquivo ausente - File not found");
}

bool bancoPresente()
{
    const QString caminho = Globais::instancia().CaminhoBanco;
    return !caminho.isEmpty() && QFileInfo(caminho).isFile();
}

bool primeiroInicio()
{
    Banco banco(Globais::instancia().CaminhoBanco);
    if (!banco.aberto())
        return false;
    const QVariant v = banco.valor(QStringLiteral("Select syncbd from Tools"));
    return v.isValid() && v.toString() == QLatin1String("0");
}

} // namespace Inicio
