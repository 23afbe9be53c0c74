#pragma once
#include "db/ResultadoBanco.h"

#include <QString>

// Stores a chooser value into field "Combo" & n of the single row of Combos (adding the row
// when the table is empty). n is 1..10. Fails, with the reason, when the database could not be
// written.
ResultadoBanco GravaCombo(int n, const QString& texto);
// Reads field "Combo" & n of the first row; std::nullopt-like empty + ok=false on failure.
QString LeCombo(int n, bool* ok = nullptr);

// Replaces User.qzd by a byte-identical copy of Config.qzd, keeping the copy it replaces as
// User.qzd.1. The backup is never made worse: the copy is refused while Config.qzd fails the
// integrity check or while User.qzd still holds a previous installation's data that was not
// imported (syncbd "0" or "1"); it is written to a temporary file and renamed, so an
// interrupted copy leaves the previous one as it was; Config.qzd is held still by a read
// transaction from the check to the last byte. A missing source does nothing.
ResultadoBanco CopiaBancoUsuario();
