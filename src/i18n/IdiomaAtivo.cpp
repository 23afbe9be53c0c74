#include "i18n/IdiomaAtivo.h"

namespace {

Idioma& padrao()
{
    static Idioma p;
    return p;
}

Idioma*& emUso()
{
    static Idioma* atual = &padrao();
    return atual;
}

} // namespace

void UsaIdioma(Idioma* idioma)
{
    emUso() = idioma ? idioma : &padrao();
}

int IdiomaAtual()
{
    return emUso()->codigo;
}

void DefineIdioma(int codigo)
{
    emUso()->codigo = codigo;
}
