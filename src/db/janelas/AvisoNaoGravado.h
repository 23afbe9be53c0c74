#pragma once
#include "db/ResultadoBanco.h"

#include <QString>

// A write that failed, said in the program's language: `aviso` (what was not stored), then
// the reason (a read-only file or folder, a full disk, else the database's own text); without
// `aviso`, the result's own message.
void AvisaNaoGravado(const ResultadoBanco& falha, const QString& titulo, const QString& aviso = QString());
