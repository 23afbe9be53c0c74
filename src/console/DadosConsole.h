#pragma once
#include "db/ResultadoBanco.h"
#include <QString>
#include <QStringList>
#include <QVariant>

// The console's database work: the recorded answer of a model and command (table Dados),
// the notes of a saved command (table Comandos) and the list of saved commands. Every value
// is bound as a parameter, so an apostrophe in a model or command is plain data.
namespace DadosConsole {

// The current (first) row of a query, as the window's bound boxes show it.
struct LinhaDados {
    QVariant rowid;  // invalid when no row matched
    QString aparelho, comando, dados, info, info2, info3;
    bool existe() const { return rowid.isValid(); }
};
struct LinhaComando {
    QVariant rowid;
    QString comando, info, info2, info3;
    bool existe() const { return rowid.isValid(); }
};

// The first Dados row for a model and command (case-insensitive); an empty row on none or error.
LinhaDados LeDadosGravados(const QString& caminhoBanco, const QString& modelo, const QString& comando);
// The first Comandos row for a command.
LinhaComando LeComando(const QString& caminhoBanco, const QString& comando);

// Saved commands in command order.
QStringList ComandosSalvos(const QString& caminhoBanco, bool* ok = nullptr);

// A failed write: the engine's own text (for the session log, never shown as it is), the
// number of the store error box and the reason.
struct Falha {
    QString descricao;
    int numero = 0;
    ResultadoBanco resultado;      // why, as the technician is told
    bool comandoNaoSalvo = false;  // notes of a command that is not among the saved ones
};

bool AdicionaComando(const QString& caminhoBanco, const QString& comando, Falha* falha = nullptr);
// Deletes the first row of the command (and only that row).
bool ApagaComando(const QString& caminhoBanco, const QString& comando, Falha* falha = nullptr);

// A new recording; on success *rowid holds its row.
bool InsereDados(const QString& caminhoBanco, const LinhaDados& linha, QVariant* rowid = nullptr,
                 Falha* falha = nullptr);
// Writes the recording and its notes into the row; false when the row is gone or on error.
bool AtualizaDados(const QString& caminhoBanco, const LinhaDados& linha, Falha* falha = nullptr);
bool ExcluiDados(const QString& caminhoBanco, const QVariant& rowid, Falha* falha = nullptr);

// Salvar's writes, all or nothing: the recording (its row updated, or a first row added when
// it has none and holds some text) and, when given, the notes of the saved command. On
// success dados->rowid names the row written.
bool SalvaEdicoes(const QString& caminhoBanco, LinhaDados* dados, const LinhaComando* comando,
                  Falha* falha = nullptr);

} // namespace DadosConsole
