#pragma once

// The program's language: 1 pt, 2 en, 3 es; 0 until loaded (the dictionary then answers "").
// The application context owns one Idioma and hands it to the dictionary with UsaIdioma; every
// text of every layer reads it through IdiomaAtual(), so threading it through each call of L()
// is not needed. Without a context (a test, a tool) a default object starting at 0 is used.
class Idioma {
public:
    int codigo = 0;
};

// The language object the dictionary reads; nullptr goes back to the default one.
void UsaIdioma(Idioma* idioma);
int IdiomaAtual();
void DefineIdioma(int codigo);
