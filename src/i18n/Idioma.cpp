#include "i18n/Idioma.h"

#include "i18n/IdiomaAtivo.h"

QLocale LocalDoIdioma(int idioma)
{
    switch (idioma) {
    case 1: return QLocale(QLocale::Portuguese, QLocale::Brazil);
    case 2: return QLocale(QLocale::English, QLocale::UnitedStates);
    case 3: return QLocale(QLocale::Spanish, QLocale::Spain);
    default: return QLocale::system();
    }
}

QLocale LocalDoPrograma()
{
    return LocalDoIdioma(IdiomaAtual());
}
