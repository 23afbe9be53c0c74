#pragma once

// One entry of the program's fixed text dictionary: the key and its texts in the three
// languages (UTF-8). Lookup goes through Traduz / TextoDoDicionario (Dicionario.h).
struct EntradaDicionario {
    const char* chave;
    const char* pt;
    const char* en;
    const char* es;
};

inline constexpr int TamanhoDicionario = 207;
extern const EntradaDicionario TabelaDicionario[TamanhoDicionario];
