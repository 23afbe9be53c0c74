#pragma once
#include <QString>
#include <QStringList>

class Banco;

// Whether a database file can be used by the program: it opens, SQLite's quick_check finds it
// sound and it has the program's tables with their fields.
struct ExameBanco {
    enum class Estado {
        Bom,
        Ausente,        // no such file
        Ilegivel,       // not a database, damaged, empty, or none of the program's tables
        TabelaAusente,  // a database lacking some of the program's tables or fields
    };
    Estado estado = Estado::Ausente;
    QString detalhe; // the engine's text, or the missing tables ("Master, Tools.syncbd")

    bool bom() const { return estado == Estado::Bom; }
};

// Examines the file through a connection of its own. Only reads: the one write that can happen
// is SQLite's own recovery of a write a crash interrupted, which restores the last sound state.
ExameBanco ExaminaBanco(const QString& caminho);
// Examines the database of an open connection (which may hold a read transaction meanwhile).
ExameBanco ExaminaBanco(Banco& banco);
