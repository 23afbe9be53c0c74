#pragma once
#include <QString>
#include <QStringList>

// The program's command line without windows:
//
//   vexador-tarrim [--pasta DIR] diagnostico --porta N --etiqueta L [--box 1|2] [--idioma pt|en|es]
//                  [--pasta DIR] [--json FILE|-] [--sem-pagina] [--tempo-max S]
//   vexador-tarrim [--pasta DIR] portas
//
// (the installed starter puts its own --pasta before the command).
namespace Linha {

// The exit status a script reads.
enum Saida : int {
    Passou = 0,     // every item passed
    Falhou = 1,     // something failed
    Incompleto = 2, // readings missing, a step without answer, stopped early (SIGINT, --tempo-max, box lost)
    SemPlaca = 3,   // no box, no answer, or a model the board's number does not name
    MauUso = 4,     // a wrong command line, or a user folder that cannot be used (open, no database)
};

enum class Comando { Nenhum, Diagnostico, Portas };

struct Opcoes {
    Comando comando = Comando::Nenhum;
    bool ajuda = false;
    int porta = 0;
    QString etiqueta;   // trimmed
    QString box;        // "1" or "2"; "" the one chosen last in the window
    int idioma = 0;     // 1 pt, 2 en, 3 es; 0 the program's saved language
    QString pasta;      // the user folder; "" the window's default
    QString json = QStringLiteral("-"); // a file, or "-" for the standard output
    bool semPagina = false;
    int tempoMaxS = 0;  // 0: no limit
    // Why the line is wrong: a dictionary key taking the option (%1) and its value (%2); "" when right.
    QString erro;
    QString erroOpcao, erroValor;
};

// True when the arguments (argv, the program first) name a command of this line rather than
// the windowed program: the first argument that is not "--pasta DIR" is "diagnostico" or
// "portas".
bool EhComandoDeLinha(const QStringList& argumentos);

// Reads the arguments (argv, the program first). Options may be given as "--x V" or "--x=V".
Opcoes AnalisaOpcoes(const QStringList& argumentos);

// The error's text in the program's language, naming the option; "" when there is none.
QString TextoErro(const Opcoes& o);

// --help of a command, in the program's language: usage, options and exit statuses.
QString TextoAjuda(Comando c);

} // namespace Linha
