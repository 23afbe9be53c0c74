#include "boardtests/Ic.h"

#include "shell/PerfilModelo.h"

namespace ModuloIC {

QString NomeCI(const QString& modelo)
{
    return PerfilModelo::de(modelo).hydra() ? QStringLiteral("HYDRA") : QStringLiteral("TRISTAR");
}

QString PrefixoChip(const QString& modelo)
{
    return NomeCI(modelo) + QLatin1Char(' ');
}

QString ComandoIC(int teste)
{
    if (teste == 1)
        return QStringLiteral("tristar -p");
    if (teste == 2)
        return QStringLiteral("tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx");
    return QString();
}

Veredicto AvaliaIC(const QString& txtDados)
{
    if (txtDados.size() < MinimoAvaliacao)
        return Veredicto::Nenhum;
    return txtDados.size() >= MinimoComunicacao ? Veredicto::Ok : Veredicto::Off;
}

} // namespace ModuloIC
