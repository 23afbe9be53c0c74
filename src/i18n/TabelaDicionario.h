#pragma once

// One entry of the program's fixed text dictionary: the key and its texts in the three
// languages (UTF-8). Lookup goes through Traduz / TextoDoDicionario (Dicionario.h).
struct EntradaDicionario {
    const char* chave;
    const char* pt;
    const char* en;
    const char* es;
};

// Sized by its own rows, so adding a text touches only the table.
extern const EntradaDicionario TabelaDicionario[];
extern const int TamanhoDicionario;
