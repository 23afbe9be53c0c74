#pragma once
#include <QString>

// The language setting (Tools.Idioma) of the database at Globais::CaminhoBanco.
// CarregaIdioma sets Globais::IdiomaAtual (errors ignored: the value stays as it was)
// and returns false when the setting could not be read.
bool CarregaIdioma();
// Stores the language; false when it could not be written.
bool GravaIdioma(int idioma);
