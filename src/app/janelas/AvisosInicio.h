#pragma once
#include "db/ExameBanco.h"

#include <QString>

// The start-up boxes about the database, before the main window.
namespace Inicio {

// The start-up step for database `banco` when it failed the examination: says so (and, when
// the installation has a sound copy, offers to start from it); a missing file gets the missing
// file's box and is never created. True when the start may go on.
bool recuperaBanco(const QString& banco, const ExameBanco& exame, const QString& pastaInstalacao);

// Shows textoSomenteLeitura(banco) when there is one, and returns it.
QString avisaSomenteLeitura(const QString& banco);

} // namespace Inicio
