#pragma once
#include <QString>
#include <optional>

// The NAND test's text rules: the capacity class of a hexadecimal size, the cut of the size
// text out of a "nandsize" answer, and the verdict on an answer.
namespace ModuloNand {

// The commands of the function buttons 0 to 3 ("" for the VCore button 4).
QString ComandoNand(int funcao);

// One hexadecimal digit character: "0"-"9" their value, "A"-"F" (upper case only) 10 to 15,
// anything else (lower-case letters, blanks, "x", line ends) 0.
int ValorHexa(QChar c);

// The capacity text of a size class for n millions of bytes ("64 GB", "13 GB APROX.").
QString ClasseTamanho(int n);

// ClassificaTamanho: the label text ("NAND " & class) of a hexadecimal size text, last
// character least significant. std::nullopt (label left unchanged) for a text of more than
// 51 characters or a size whose n does not fit a 16-bit signed integer.
std::optional<QString> ClassificaTamanho(const QString& texto);

// The size text of an answer: the characters after the first ":" up to three before the first
// "[" (the whole answer from its start when it has no ":"). std::nullopt when no text can be
// cut (no "[", or the "[" fewer than three characters after the ":").
std::optional<QString> TextoTamanho(const QString& resposta);

// What the first idle status tick makes of an answer.
struct Veredicto {
    enum class Tipo { Nenhum, Ok, Off };
    bool julgado = false;         // long enough (61 characters or more) to be judged
    bool naoDisponivel = false;   // "not found": the answer box shows L("Não disponível para 6/6P")
    Tipo tipo = Tipo::Nenhum;
    bool erroAntes = false;       // "MSG_ERRO_NAND" before the verdict ("syscfg list")
    bool erroDepois = false;      // "MSG_ERRO_NAND" after the verdict (other functions)
};
Veredicto AvaliaNand(int funcao, const QString& txtDados);

// Lengths the rules count.
constexpr int MinimoVeredicto = 61;
constexpr int MinimoSyscfg = 7001;
constexpr int MinimoTamanho = 41;

} // namespace ModuloNand
