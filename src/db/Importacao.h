#pragma once
#include "db/LocalDados.h"
#include "db/ResultadoBanco.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The merge of the user's data from a previous installation (User.qzd, the copy kept by
// CopiaBancoUsuario) into a fresh Config.qzd, and the first-start questions around it.
// Tools.syncbd records where the installation stands: "0" fresh, "1" declined once,
// "2" settled; it only moves forward.

// Start-up step: while syncbd is "0", runs mostraAviso (the disclaimer, shown modally) and
// returns its answer (false: declined, the program ends); otherwise true.
bool VerificaPrimeiroUso(const QString& caminhoBanco, const std::function<bool()>& mostraAviso);

// What the merge did.
struct ResultadoImportacao {
    int gravacoes = 0;       // Master rows whose G1-G3 were written
    int dadosNovos = 0;      // Dados rows added
    int dadosAtualizados = 0;
    int comandosNovos = 0;
    bool combos = false;     // the Combos row was written
    // Ok, or why nothing (or not everything) was imported: a source that is no readable
    // database, or the first write the target refused.
    ResultadoBanco falha;
    // The source's tables that could not be read (missing, or without their key fields), in
    // the merge's order: "Master", "Dados", "Comandos", "Combos". Their data was not imported.
    QStringList tabelasNaoLidas;

    bool completa() const { return falha.ok() && tabelasNaoLidas.isEmpty(); }
};

// The merge itself (also offered by the About window): recordings G1-G3 onto the matching
// Master rows, recorded answers added or overwritten with their notes, saved commands added
// when new, chooser settings. Each step that cannot run is skipped without touching the
// target; rows are matched by their keys only.
ResultadoImportacao ImportaDadosUsuario(const LocalDados& local);
// mantemDestino: data the target already holds wins (a recording or a recorded answer is
// only filled where the target has none; the settings stay): for a merge into a database
// already in use, whose own recordings are newer.
ResultadoImportacao ImportaDados(const QString& caminhoDestino, const QString& caminhoOrigem,
                                 bool mantemDestino = false);

// Main-window load step, first half: without User.qzd settles syncbd at "2"; with it, true
// while syncbd is "0" or "1" (the technician is to be asked whether to import).
bool ImportacaoAPerguntar(const LocalDados& local);
// Second half, with the answer: Yes merges (ImportaDadosUsuario) and settles syncbd at "2"
// when the merge ran whole (a merge that fails or leaves a table out leaves it as it was, to
// ask again); No moves one
// state on and gives std::nullopt.
std::optional<ResultadoImportacao> RespondeImportacao(const LocalDados& local, bool importar);
