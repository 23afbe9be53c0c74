// The model number: its cut out of the answer, the handshake verdict and the table.
#include "Alvo.h"

#include "shell/Modelo.h"

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    const EntradaAlvo e = LeEntrada(dados, tamanho);
    const NumeroExtraido n = ExtraiNumeroModelo(e.texto);
    Usa(NomeDoModelo(n.numero));
    const AvaliacaoHandshake a = AvaliaHandshake(e.texto);
    Usa(a.modelo);
    return 0;
}
