#pragma once
#include "db/ExameBanco.h"

#include <QDateTime>
#include <QString>

// Start-up checks that need no window.
namespace Inicio {

// The box shown when Config.qzd is missing (the program then ends): three languages,
// because no language can be read without the database.
QString textoBancoAusente();
QString tituloBancoAusente();

// First start: the settings field syncbd of database `banco` reads "0". A database that cannot
// be read is not a first start.
bool primeiroInicio(const QString& banco);

// ---- A database that cannot be used --------------------------------------------------------
// Its texts are built in, in the three languages, for the same reason as the missing file's.

// The application folder's database (`banco`, its Config.qzd), examined.
ExameBanco examinaBanco(const QString& banco);

// The installation's own copy of the database, <pastaInstalacao>/Config.qzd, when it is another
// file than the application folder's (`banco`) and is sound; "" otherwise.
QString bancoDaInstalacao(const QString& pastaInstalacao, const QString& banco);

// The name a damaged file is kept under beside it: Config-danificado-<date>-<time>.qzd, with a
// number added when that name is taken.
QString nomeGuardado(const QString& caminho, const QDateTime& quando);

// The box for a damaged database: which file, why, and what to do. With a copy of the
// installation (guardarComo not empty) it asks Yes/No whether to start from that copy.
QString textoBancoDanificado(const ExameBanco& exame, const QString& caminho, const QString& guardarComo);
QString tituloBancoDanificado();

// Moves the damaged file (with its journal, if any) aside under guardarComo and puts a copy of
// the installation's database in its place; nothing is overwritten. On failure everything is
// left as it was and the reason is returned; "" on success.
QString recomecaDaInstalacao(const QString& caminho, const QString& instalado, const QString& guardarComo);

// The box when the installation's copy could not take the damaged file's place (erro: why).
QString textoNaoSubstituido(const QString& erro);

// A database that can be read but not written (the file or its folder is read-only) is said
// once at start, in the program's language (it is readable), so that nothing is recorded in
// vain: that text, or "" when the file `banco` can be written.
QString textoSomenteLeitura(const QString& banco);

// ---- One program per application folder ----------------------------------------------------

// The box of a second start that the running program did not answer (it hangs, or is still
// loading): it is open on this folder and does not answer.
QString textoJaEmExecucao(const QString& pasta);
// A start on a folder that a command-line run holds (it has no window to bring forward).
QString textoEmUsoPelaLinha(const QString& pasta);
QString tituloJaEmExecucao();

} // namespace Inicio
