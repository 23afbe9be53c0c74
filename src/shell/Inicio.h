#pragma once
#include <QString>

// Start-up checks that need no window.
namespace Inicio {

// The box shown when Config.qzd is missing (the program then ends): three languages,
// because no language can be read without the database.
QString textoBancoAusente();
QString tituloBancoAusente();

// True when the database file exists in the application folder (Globais::CaminhoBanco).
bool bancoPresente();

// First start: the settings field syncbd reads "0". A database that cannot be read is not
// a first start.
bool primeiroInicio();

} // namespace Inicio
