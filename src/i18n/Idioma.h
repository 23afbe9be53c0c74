#pragma once
#include <QLocale>
#include <QString>

// The language setting (Tools.Idioma) of the database at caminhoBanco.
// CarregaIdioma makes it the program's language (DefineIdioma; errors ignored: the value stays
// as it was) and returns false when the setting could not be read.
bool CarregaIdioma(const QString& caminhoBanco);
// Stores the language; false when it could not be written.
bool GravaIdioma(const QString& caminhoBanco, int idioma);

// The locale of a language (1 pt, 2 en, 3 es): dates on report pages and Qt's own texts follow
// the program's language, not the system's. Any other value: the system's locale.
QLocale LocalDoIdioma(int idioma);
// The locale of the current language (IdiomaAtual()).
QLocale LocalDoPrograma();
