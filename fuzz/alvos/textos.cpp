// Reading texts and the percentage: the words of the input through each text function, and
// each pair of neighbouring words as a reading and its reference.
#include "Alvo.h"

#include "rails/TextosLeitura.h"

#include <cstring>

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    const EntradaAlvo e = LeEntrada(dados, tamanho);
    const int casas = static_cast<int>(e.parametro % 5) - 1; // -1 to 3

    QStringList palavras;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= e.texto.size(); ++i) {
        if (i == e.texto.size() || e.texto.at(i).isSpace()) {
            if (i > inicio)
                palavras << e.texto.mid(inicio, i - inicio);
            inicio = i + 1;
        }
    }
    // The functions read one value each: a few dozen words cover them, and keep runs quick.
    for (qsizetype i = 0; i < palavras.size() && i < 64; ++i) {
        const QString& p = palavras.at(i);
        Usa(ConverteMilivolts(p));
        Usa(FormataUmaDecimal(p));
        Usa(LimitaDecimais(p, casas));
        Usa(RemoveEspacos(p));
        Usa(TextoVolts(ConverteMilivolts(p), casas));
        Usa(TextoMiliamperes(p, casas));
        if (const auto n = NumeroComVirgula(p))
            Usa(EscreveNumero(*n));
        if (i + 1 < palavras.size())
            Usa(CalculaPorcentagem(ConverteMilivolts(p), palavras.at(i + 1)).texto);
    }
    // Raw bits as a number: every double, including the ones no text would give.
    if (e.texto.size() >= 4) {
        double v = 0;
        const QByteArray bytes = e.texto.toLatin1();
        std::memcpy(&v, bytes.constData(), qMin<size_t>(sizeof v, static_cast<size_t>(bytes.size())));
        Usa(EscreveNumero(v));
    }
    return 0;
}
