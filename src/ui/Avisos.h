#pragma once
#include "db/ResultadoBanco.h"

#include <QString>

// Boxes that several windows show for results the logic hands back.

// A write that failed, said in the program's language: `aviso` (what was not stored), then
// the reason (a read-only file or folder, a full disk, else the database's own text); without
// `aviso`, the result's own message.
void AvisaNaoGravado(const ResultadoBanco& falha, const QString& titulo, const QString& aviso = QString());

// A plain box "NOT " + code (OK button, no title) for a code outside a table (an ADC channel,
// an I2C device).
void AvisaCodigoDesconhecido(const QString& codigo);
