// The buck test and check answers: both lists in both modes, the targets, the tolerance.
#include "Alvo.h"

#include "rails/BuckCheck.h"
#include "i18n/IdiomaAtivo.h"

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    const EntradaAlvo e = LeEntrada(dados, tamanho);
    DefineIdioma(IdiomaDoIndice(e.parametro));
    Usa(ListaPorModo(ModoBuck::Buck, e.texto));
    Usa(ListaPorModo(ModoBuck::Buckcheck, e.texto));
    Usa(RespostaBuckCompleta(e.texto));
    const QString primeira = e.texto.section(QLatin1Char('\n'), 0, 0);
    Usa(AlvoEmVolts(primeira.left(16)));
    Usa(ComandoBuck(ModoBuck::Buckcheck, primeira.left(16)));
    Usa(TextoInfoBucks(ModeloDoIndice(e.parametro)));
    return 0;
}
