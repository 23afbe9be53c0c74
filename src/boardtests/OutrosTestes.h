#pragma once
#include <QString>

// The additional tests' rules: the two RAM tests, their verdict and the live note of the long one.
namespace ModuloOutros {

constexpr int TesteRam = 5;
constexpr int TesteRam1MB = 6;
// The answer box is graded once it holds this many characters.
constexpr int MinimoAvaliacao = 31;

struct Teste {
    QString comando;
    QString nomeCI;
    bool espelho = false; // the long test: note first, live answer mirrored
};
// The test of button 5 or 6; an empty command for any other index.
Teste teste(int indice);

// Caption of button 5 or 6 in the current language.
QString LegendaTeste(int indice);

// A RAM test passes when the answer holds "Pass" (case-sensitive; "Passed" holds it too).
bool Passou(const QString& txtDados);

// The answer box while the long test runs: L("TESTE 15s") & CR LF & the answer so far.
QString Espelho(const QString& A);

// The PDF on kernel panics, in the application folder.
QString CaminhoPdfPanic(const QString& pastaAplicacao);

} // namespace ModuloOutros
