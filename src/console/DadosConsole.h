#pragma once
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
bool AdicionaComando(const QString& caminhoBanco, const QString& comando);
// Deletes the first row of the command (and only that row).
bool ApagaComando(const QString& caminhoBanco, const QString& comando);

// A new recording; on success *rowid holds its row. erro/numero describe a failure.
struct Falha {
    QString descricao;
    int numero = 0;
};
bool InsereDados(const QString& caminhoBanco, const LinhaDados& linha, QVariant* rowid = nullptr,
                 Falha* falha = nullptr);
// Writes the recording and its notes into the row; false when the row is gone or on error.
bool AtualizaDados(const QString& caminhoBanco, const LinhaDados& linha, Falha* falha = nullptr);
bool AtualizaComando(const QString& caminhoBanco, const LinhaComando& linha);
bool ExcluiDados(const QString& caminhoBanco, const QVariant& rowid);

} // namespace DadosConsole
