#pragma once
#include <QString>

// The language setting (Tools.Idioma) of the database at caminhoBanco.
// CarregaIdioma makes it the program's language (DefineIdioma; errors ignored: the value stays
// as it was) and returns false when the setting could not be read.
bool CarregaIdioma(const QString& caminhoBanco);
// Stores the language; false when it could not be written.
bool GravaIdioma(const QString& caminhoBanco, int idioma);
