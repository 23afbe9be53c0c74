#pragma once
#include <QString>

// The numbered online pages (3: the video that explains how to move the box to a lower port).
// The address comes from the build setting VEXADOR_ENDERECO_PAGINAS.
QString EnderecoPagina(int numero);
// Opens a page in the browser; errors are ignored.
void AbrePagina(int numero);
