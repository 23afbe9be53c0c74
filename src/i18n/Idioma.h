#pragma once
#include <QLocale>

// The locale of a language (1 pt, 2 en, 3 es): dates on report pages and Qt's own texts follow
// the program's language, not the system's. Any other value: the system's locale.
QLocale LocalDoIdioma(int idioma);
// The locale of the current language (IdiomaAtual()).
QLocale LocalDoPrograma();
