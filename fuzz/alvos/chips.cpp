// The four chip readers over one answer, for the model the first byte chooses.
#include "Alvo.h"

#include "chips/ChipAcorn.h"
#include "chips/ChipChestnut.h"
#include "chips/ChipTigris.h"
#include "chips/ChipTristar.h"
#include "chips/LeituraChip.h"
#include "i18n/IdiomaAtivo.h"

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    const EntradaAlvo e = LeEntrada(dados, tamanho);
    DefineIdioma(IdiomaDoIndice(e.parametro));
    const QString modelo = ModeloDoIndice(e.parametro / 3);

    Painel tigris = ChipTigris::PainelInicial(modelo);
    ChipTigris::CarregaDados(tigris, e.texto, modelo);
    Usa(tigris);

    Painel tristar = ChipTristar::PainelInicial();
    ChipTristar::CarregaDados(tristar, e.texto, modelo);
    Usa(tristar);

    Painel chestnut = ChipChestnut::PainelInicial();
    Usa(ChipChestnut::CarregaDados(chestnut, e.texto, modelo));
    Usa(ChipChestnut::ParesRelatorio(chestnut, QStringLiteral("10/12/2026"), 1, modelo));

    Painel acorn = ChipAcorn::PainelInicial();
    ChipAcorn::CarregaDados(acorn, e.texto);
    Usa(ChipAcorn::ParesRelatorio(acorn, QStringLiteral("10/12/2026"), 2, modelo));

    // The first line as a label of its own, and as a value.
    const QString primeira = e.texto.section(QLatin1Char('\n'), 0, 0).left(32);
    Usa(ExtraiValorCanal(e.texto, primeira, e.parametro & 1));
    Usa(ValorNumerico(primeira));
    Usa(CalculaDesvio(primeira, QStringLiteral("1.800")));
    Usa(ChipTristar::SobreCorrente(primeira, modelo));
    return 0;
}
