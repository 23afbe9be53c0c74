#pragma once
#include "db/LocalDados.h"
#include "db/ResultadoBanco.h"

#include <QString>

// Stores a chooser value into field "Combo" & n of the single row of Combos (adding the row
// when the table is empty). n is 1..10. Fails, with the reason, when the database could not be
// written.
ResultadoBanco GravaCombo(const QString& caminhoBanco, int n, const QString& texto);
// Reads field "Combo" & n of the first row; std::nullopt-like empty + ok=false on failure.
QString LeCombo(const QString& caminhoBanco, int n, bool* ok = nullptr);
// The box model chosen last in the main window (Combo7): "1" or "2" (an older version's "G1" and
// "G2" read as theirs); "" when none is stored or it cannot be read.
QString LeModeloBox(const QString& caminhoBanco);

// In the application folder `pasta`: replaces User.qzd by a byte-identical copy of Config.qzd, keeping the copy it replaces as
// User.qzd.1. The backup is never made worse: the copy is refused while Config.qzd fails the
// integrity check or while User.qzd still holds a previous installation's data that was not
// imported (syncbd "0" or "1"); it is written to a temporary file and renamed, so an
// interrupted copy leaves the previous one as it was; Config.qzd is held still by a read
// transaction from the check to the last byte. A missing source does nothing.
ResultadoBanco CopiaBancoUsuario(const QString& pasta);

// The way out of a copy refused because User.qzd still holds a previous installation's data
// that was not imported: that file steps aside under a dated name (User-AAAA-MM-DD.qzd, then
// "-2", "-3"... when taken), the import is settled (syncbd "2"), and the copy is made again.
// Nothing is lost: the old data stays in the dated file, which the About window can import.
struct ResultadoCopiaGuardada {
    QString guardada;    // the dated file's name, "" when User.qzd could not step aside
    ResultadoBanco copia; // the outcome: the rename's failure or the new copy's
};
ResultadoCopiaGuardada GuardaCopiaAntigaERetoma(const LocalDados& local);
// The dated name GuardaCopiaAntigaERetoma would use now (file name only).
QString NomeCopiaGuardada(const QString& pasta);
