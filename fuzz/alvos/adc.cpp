// The ADC answer and the rail grading: every channel label taken out of the answer, and every
// channel graded in the variant, decimals, model and language the first byte chooses.
#include "Alvo.h"

#include "rails/GradeTrilhas.h"
#include "rails/LeituraAdc.h"

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    const EntradaAlvo e = LeEntrada(dados, tamanho);
    const unsigned p = e.parametro;
    const auto variante = static_cast<VarianteGrade>(p % 3);
    const int casasV = 1 + static_cast<int>((p / 3) % 3);
    const int casasA = static_cast<int>((p / 9) % 4);
    const QString modelo = ModeloDoIndice(p / 2);
    const int idioma = IdiomaDoIndice(p / 5);
    static const QStringList referencias = {QString(), QStringLiteral("0"), QStringLiteral("1.800"),
                                            QStringLiteral("0.000"), QStringLiteral("160")};
    static const QStringList origens = {QStringLiteral("Buck0"), QStringLiteral("mA Buck1"), QStringLiteral("Ldo3")};

    const auto tabela = TabelaRotulosAdc();
    int k = 0;
    for (const auto& [codigo, rotulo] : tabela) {
        Usa(ExtraiLeituraAdc(e.texto, rotulo, idioma).texto);
        const LinhaMaster linha{QStringLiteral("X"), origens.at(k % origens.size()), QStringLiteral("CAM"),
                                referencias.at((k + static_cast<int>(p)) % referencias.size()), codigo};
        Usa(GradaLinha(variante, modelo, linha, e.texto, casasV, casasA, idioma).leitura);
        ++k;
    }
    // A code outside the table, and the first line of the input as a code.
    const LinhaMaster fora{QStringLiteral("X"), QStringLiteral("Buck2"), QString(), QStringLiteral("1.000"),
                           e.texto.section(QLatin1Char('\n'), 0, 0).left(8)};
    Usa(GradaLinha(variante, modelo, fora, e.texto, casasV, casasA, idioma).leitura);
    return 0;
}
