// The subsystem tests' answers: I2C scan, NAND size and verdicts, battery, radios, IC and RAM.
#include "Alvo.h"

#include "boardtests/BateriaLeitura.h"
#include "boardtests/I2c.h"
#include "boardtests/Ic.h"
#include "boardtests/Nand.h"
#include "boardtests/OutrosTestes.h"
#include "boardtests/RfRadios.h"
#include "i18n/IdiomaAtivo.h"

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    const EntradaAlvo e = LeEntrada(dados, tamanho);
    const unsigned p = e.parametro;
    DefineIdioma(IdiomaDoIndice(p));
    const QString modelo = ModeloDoIndice(p / 3);

    // Every device of the table, and one code it does not know.
    QStringList ids = ModuloI2C::CodigosDispositivos();
    ids << QStringLiteral("999");
    Usa(ModuloI2C::AvaliaDispositivos(ids, e.texto, QStringLiteral("OK"), QStringLiteral("OFF")));

    if (const auto t = ModuloNand::TextoTamanho(e.texto))
        Usa(ModuloNand::ClassificaTamanho(*t));
    Usa(ModuloNand::ClassificaTamanho(e.texto.left(60)));
    for (int funcao = 0; funcao < 4; ++funcao)
        Usa(ModuloNand::AvaliaNand(funcao, e.texto).tipo);

    Usa(ModuloBateria::Organiza(e.texto).info);
    Usa(ModuloBateria::NotaFalta(modelo));

    for (int r = 0; r < ModuloRf::NumeroRadios; ++r)
        Usa(ModuloRf::AvaliaRadio(r, e.texto).txtDados);

    Usa(ModuloIC::AvaliaIC(e.texto));
    Usa(ModuloOutros::Passou(e.texto));
    Usa(ModuloOutros::Espelho(e.texto));
    return 0;
}
