// The libFuzzer entry of a target (fuzz build only).
#include "Alvo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    return EntradaFuzz(dados, tamanho);
}
