#pragma once
#include <QString>

// Stores a chooser value into field "Combo" & n of the single row of Combos (adding the row
// when the table is empty). n is 1..10. False when the database could not be written.
bool GravaCombo(int n, const QString& texto);
// Reads field "Combo" & n of the first row; std::nullopt-like empty + ok=false on failure.
QString LeCombo(int n, bool* ok = nullptr);

// Replaces User.qzd by a byte-identical copy of Config.qzd (written to a temporary file and
// renamed, so an interrupted copy never leaves a broken backup). A missing source does nothing.
bool CopiaBancoUsuario();
