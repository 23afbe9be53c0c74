#pragma once
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// A fuzz target: every parser of one family fed with any bytes. The same entry runs under
// libFuzzer (fuzz build, clang) and in the replay program of the normal build, which feeds it
// the seed corpus and the findings kept in fuzz/regressoes/<target>/.
int EntradaFuzz(const uint8_t* dados, size_t tamanho);

// An input: its first byte chooses the parameters (decimals, model, language, ...), the rest
// is the text. The serial link turns each byte into one character, and so does this; with
// the top bit of the first byte set the text is read as UTF-8 instead (texts that come back
// from the database).
struct EntradaAlvo {
    unsigned parametro = 0;
    QString texto;
};

inline EntradaAlvo LeEntrada(const uint8_t* dados, size_t tamanho)
{
    EntradaAlvo e;
    if (tamanho == 0)
        return e;
    e.parametro = dados[0];
    const char* texto = reinterpret_cast<const char*>(dados + 1);
    const auto n = static_cast<qsizetype>(tamanho - 1);
    e.texto = (e.parametro & 0x80) ? QString::fromUtf8(texto, n) : QString::fromLatin1(texto, n);
    return e;
}

// The models the program knows, picked by a number.
inline QString ModeloDoIndice(unsigned i)
{
    static const QStringList modelos = {
        QStringLiteral("IP 6"), QStringLiteral("IP 6 Plus"), QStringLiteral("IP 6s"),
        QStringLiteral("IP 6s Plus"), QStringLiteral("IP 7"), QStringLiteral("IP 7 Plus"),
        QStringLiteral("IP 8"), QStringLiteral("IP 8 Plus"), QStringLiteral("IP X")};
    return modelos.at(static_cast<qsizetype>(i % modelos.size()));
}

// The program's languages (1 pt, 2 en, 3 es), picked by a number.
inline int IdiomaDoIndice(unsigned i)
{
    return 1 + static_cast<int>(i % 3);
}

// Keeps a result alive so the calls are not optimised away.
template <class T>
inline void Usa(const T& valor)
{
    asm volatile("" : : "g"(&valor) : "memory");
}
