// The report builder: the answer graded on a small set of rails (as a rail window grades it),
// then the report query and address; every input line also stands as a rail of its own.
#include "Alvo.h"

#include "chips/LeituraChip.h"
#include "rails/GradeTrilhas.h"
#include "rails/RelatorioMalhas.h"

int EntradaFuzz(const uint8_t* dados, size_t tamanho)
{
    const EntradaAlvo e = LeEntrada(dados, tamanho);
    const unsigned p = e.parametro;
    const int familia = static_cast<int>(p % 3);
    const int idioma = IdiomaDoIndice(p / 3);
    const QString modelo = ModeloDoIndice(p / 9);
    struct Trilho {
        const char *malha, *orig, *refV, *ref, *refT;
    };
    static const Trilho trilhos[] = {
        {"1. VDD CPU", "Buck0", "0.825", "0.825 V", "0"},   {"2. VDD GPU", "Buck1", "1.000", "1.000 V", "1"},
        {"10. VDD SOC", "Buck2", "0.900", "0.900 V", "2"},  {"mA BUCK0", "mA Buck0", "", "< 400 mA", "20"},
        {"LDO 3 & #1", "Ldo3", "1.800", "1.800 V", "43"},   {"VRTC", "Ldo19", "0", "0", "82"},
    };
    const auto variante = familia == FamiliaVCore ? VarianteGrade::VCore : VarianteGrade::BuckLdo;
    QList<LinhaRelatorio> linhas;
    for (const Trilho& t : trilhos) {
        const LinhaMaster m{QString::fromLatin1(t.malha), QString::fromLatin1(t.orig), QStringLiteral("CPU"),
                            QString::fromLatin1(t.refV), QString::fromLatin1(t.refT)};
        const LinhaGraduada g = GradaLinha(variante, modelo, m, e.texto, 3, 1, idioma);
        linhas << LinhaRelatorio{m.malha, g.leitura, QString::fromLatin1(t.ref), g.porc, m.refV};
    }
    // Lines of the input as rails (name, reading, reference, percentage, RefV split by tabs).
    const QStringList entradas = e.texto.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < entradas.size() && i < 16; ++i) {
        const QStringList c = entradas.at(i).split(QLatin1Char('\t'));
        linhas << LinhaRelatorio{c.value(0), c.value(1), c.value(2), c.value(3), c.value(4)};
    }
    for (const LinhaRelatorio& l : std::as_const(linhas)) {
        Usa(CodigoVeredito(l));
        Usa(RemoveNumeracaoMalha(l.malha));
    }
    const QString nome = entradas.value(0).left(40);
    const QString consulta = ConsultaRelatorio(linhas, familia, QStringLiteral("10/12/2026"), idioma, modelo,
                                               (p & 1) ? std::optional<QString>(nome) : std::nullopt);
    Usa(EnderecoRelatorio(QStringLiteral("/opt/vexador"), consulta, QString()));
    Usa(EnderecoRelatorio(QStringLiteral("/opt/vexador"), consulta, QStringLiteral("relatorios.example")));
    Usa(MontaConsulta({{QStringLiteral("EMP"), nome}, {QStringLiteral("MODELO"), modelo}}));
    return 0;
}
