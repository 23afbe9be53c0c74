#include "shell/PerfilModelo.h"

const QList<PerfilModelo>& PerfilModelo::todos()
{
    using F = Familia;
    using P = ControladorPorta;
    using T = ChipTela;
    static const QList<PerfilModelo> tabela = {
        {.nome = "IP 6", .numeros = {"A1549", "A1586", "A1589"},
         .familia = F::Ip6, .controladorPorta = P::Tristar, .segundaEntradaCarga = false, .novo = false,
         .chipTela = T::Chestnut, .componentes = {"U1401", "U1700", "U1501"},
         .testeCores = false, .gps = false, .syscfgNand = false, .bateriaCompleta = false, .grupoRf = "T",
         .i2c = {{3, 4, 5, 6, 7}, {3}, 3, "xA8.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck6 = NC"}, .notaBuck6Gpu = true},
        {.nome = "IP 6 Plus", .numeros = {"A1524", "A1593", "A1522"},
         .familia = F::Ip6, .controladorPorta = P::Tristar, .segundaEntradaCarga = false, .novo = false,
         .chipTela = T::Chestnut, .componentes = {"U1401", "U1700", "U1501"},
         .testeCores = false, .gps = false, .syscfgNand = false, .bateriaCompleta = false, .grupoRf = "T",
         .i2c = {{3, 4, 5, 6, 7}, {3}, 3, "xA8.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck6 = NC"}, .notaBuck6Gpu = true},
        {.nome = "IP 6s", .numeros = {"A1700", "A1633", "A1688"},
         .familia = F::Ip6, .controladorPorta = P::Tristar, .segundaEntradaCarga = false, .novo = false,
         .chipTela = T::Chestnut, .componentes = {"U2300", "U4500", "U4000"},
         .testeCores = false, .gps = false, .syscfgNand = false, .bateriaCompleta = false, .grupoRf = "T",
         .i2c = {{3, 4, 5, 6, 7}, {3}, 3, "xA9.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck8 = GPU", "buck6 = CAMERA"}},
        {.nome = "IP 6s Plus", .numeros = {"A1634", "A1687", "A1699"},
         .familia = F::Ip6, .controladorPorta = P::Tristar, .segundaEntradaCarga = false, .novo = false,
         .chipTela = T::Chestnut, .componentes = {"U2300", "U4500", "U4000"},
         .testeCores = false, .gps = false, .syscfgNand = false, .bateriaCompleta = false, .grupoRf = "T",
         .i2c = {{3, 4, 5, 6, 7}, {3}, 3, "xA9.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck8 = GPU", "buck6 = CAMERA"}},
        {.nome = "IP 7", .numeros = {"A1779", "A1660", "A1778"},
         .familia = F::Ip7, .controladorPorta = P::Tristar, .segundaEntradaCarga = false, .novo = false,
         .chipTela = T::Chestnut, .componentes = {"U2101", "U4001", "U3703"},
         .i2c = {{6, 7}, {5}, 5, "xA10.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck8 = GPU", "buck9 = CAMERA"}},
        {.nome = "IP 7 Plus", .numeros = {"A1784", "A1785", "A1661"},
         .familia = F::Ip7, .controladorPorta = P::Tristar, .segundaEntradaCarga = false, .novo = false,
         .chipTela = T::Chestnut, .componentes = {"U2101", "U4001", "U3703"},
         .i2c = {{6, 7}, {3, 5}, 5, "xA10.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck8 = GPU", "buck9 = CAMERA"}},
        {.nome = "IP 8", .numeros = {"A1906", "A1863", "A1905"},
         .familia = F::Ip8, .controladorPorta = P::Hydra, .segundaEntradaCarga = true, .novo = true,
         .chipTela = T::Chestnut, .componentes = {"U3300", "U6300", "U5600"},
         .i2c = {{}, {1, 5}, -1, "xA11.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck8 = GPU"}},
        {.nome = "IP 8 Plus", .numeros = {"A1864", "A1897", "A1898"},
         .familia = F::Ip8, .controladorPorta = P::Hydra, .segundaEntradaCarga = true, .novo = true,
         .chipTela = T::Chestnut, .componentes = {"U3300", "U6300", "U5600"},
         .i2c = {{}, {1, 5}, -1, "xA11.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck8 = GPU"}},
        {.nome = "IP X", .numeros = {"A1865", "A1901", "A1902"},
         .familia = F::IpX, .controladorPorta = P::Hydra, .segundaEntradaCarga = true, .novo = true,
         .chipTela = T::Acorn, .componentes = {"U3300", "U6300", ""},
         .i2c = {{}, {1, 2}, -1, "xA11.pdf"},
         .bucksZerados = {"buck1 = GPU", "buck8 = GPU"}},
    };
    return tabela;
}

namespace {
const PerfilModelo& nenhum()
{
    static const PerfilModelo p;
    return p;
}
} // namespace

const PerfilModelo& PerfilModelo::de(const QString& modelo)
{
    for (const PerfilModelo& p : todos())
        if (p.nome == modelo)
            return p;
    return nenhum();
}

const PerfilModelo& PerfilModelo::doNumero(const QString& numero)
{
    for (const PerfilModelo& p : todos())
        if (p.numeros.contains(numero))
            return p;
    return nenhum();
}

QStringList PerfilModelo::nomes()
{
    QStringList n;
    for (const PerfilModelo& p : todos())
        n << p.nome;
    return n;
}

const QString& PerfilModelo::nomeInicial()
{
    static const QString nome = QStringLiteral("IP 7");
    return nome;
}
