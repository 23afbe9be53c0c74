#pragma once
#include "db/Importacao.h"

// The questions and boxes around the import of a previous installation's data.

// Main-window load step: when the import is due (ImportacaoAPerguntar), asks whether to import
// (L("Dados UPDATE1") CR LF L("Dados UPDATE2"), title L("Sincronização"), Yes/No) and acts on
// the answer (RespondeImportacao). The reason of a merge that failed (its box already shown).
ResultadoBanco PerguntaImportacao(const LocalDados& dados);

// ImportaDadosUsuario, then the "MSG_DADOS_SYNC" box when it ran, or a box saying why nothing
// was imported.
ResultadoImportacao SincronizaDadosUsuario(const LocalDados& dados);

// CopiaBancoUsuario for a window that changed data (titled `titulo`), with what a refused or
// failed copy needs said, after the caller has returned: the reason, every time; a copy held
// back by an import still pending, once per session, with the way out (import now, or keep
// the old data aside under a dated name and copy again, or decide later).
ResultadoBanco CopiaBancoUsuarioAvisando(const LocalDados& dados, const QString& titulo);
