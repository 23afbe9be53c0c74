#pragma once
#include "db/ResultadoBanco.h"

#include <QString>
#include <functional>

// The merge of the user's data from a previous installation (User.qzd, the copy kept by
// CopiaBancoUsuario) into a fresh Config.qzd, and the first-start questions around it.
// Tools.syncbd records where the installation stands: "0" fresh, "1" declined once,
// "2" settled; it only moves forward.

// Start-up step: while syncbd is "0", runs mostraAviso (the disclaimer, shown modally) and
// returns its answer (false: declined, the program ends); otherwise true.
bool VerificaPrimeiroUso(const std::function<bool()>& mostraAviso);

// Main-window load step: without User.qzd settles syncbd at "2"; with it, while syncbd is
// "0" or "1", asks whether to import (Yes imports and settles, No moves one state on). A merge
// that fails (its box already shown) leaves syncbd as it was, and its reason is returned.
ResultadoBanco PerguntaImportacao();

// What the merge did, for the callers that want to know (the box is shown by
// ImportaDadosUsuario only).
struct ResultadoImportacao {
    int gravacoes = 0;       // Master rows whose G1-G3 were written
    int dadosNovos = 0;      // Dados rows added
    int dadosAtualizados = 0;
    int comandosNovos = 0;
    bool combos = false;     // the Combos row was written
    // Ok, or why nothing (or not everything) was imported: a source that is no readable
    // database, or the first write the target refused.
    ResultadoBanco falha;
};

// The merge itself (also offered by the About window): recordings G1-G3 onto the matching
// Master rows, recorded answers added or overwritten with their notes, saved commands added
// when new, chooser settings. Each step that cannot run is skipped without touching the
// target; rows are matched by their keys only. Ends with the "MSG_DADOS_SYNC" box when it
// ran, or a box saying why nothing was imported.
ResultadoImportacao ImportaDadosUsuario();
ResultadoImportacao ImportaDados(const QString& caminhoDestino, const QString& caminhoOrigem);
