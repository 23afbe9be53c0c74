#include "chips/ChipAcorn.h"

#include "chips/LeituraChip.h"
#include "i18n/Dicionario.h"
#include "rails/TextosLeitura.h"

namespace ChipAcorn {

namespace {
struct Canal {
    const char* rotulo;
    const char* controle;
    const char* referencia;
    const char* malha;
};
const Canal Canais[] = {
    {"acorn ground :", "M0", nullptr, "GND"},
    {"acorn vin :", "M1", nullptr, "PP_VDD_MAIN"},
    {"acorn vb :", "M2", nullptr, "PP_BOOST1_ACORN"},
    {"acorn vp :", "M3", "10.000", "PP10V0_RACER"},
    {"acorn vn :", "M4", "-6.700", "PN6V7_RACER"},
    {"acorn vh :", "M5", "5.250", "PP5V25_TOUCH_VDDH"},
    {"acorn vl :", "M6", nullptr, "PP_CP1_OUT_ACORN"},
    {"acorn va :", "M7", "3.500", "PP3V5_RACER"},
    {"acorn vc :", "M8", "1.100", "PP1V1_RACER"},
    {"BIST buck4:", "M9", "1.100", "PP1V1_S2"},
    {"BIST buck3_sw2:", "M10", "1.800", "PP1V8_TOUCH_RACER_S2"},
    {"acorn die_temp :", "Temp", nullptr, nullptr},
    {"acorn ia :", "AMP1", nullptr, nullptr},
    {"acorn in :", "AMP2", nullptr, nullptr},
    {"acorn ip :", "AMP3", nullptr, nullptr},
    {"acorn ih :", "AMP4", nullptr, nullptr},
};
const Canal* canal(int i)
{
    return i >= 0 && i <= 15 ? &Canais[i] : nullptr;
}
QString ok(int i) { return Indice(QStringLiteral("OK"), i); }
QString no(int i) { return Indice(QStringLiteral("NO"), i); }
// There is no NO(1): a missing input voltage is marked by its text only.
void mostraNo(Painel& p, int i)
{
    if (i != 1)
        p.mostra(no(i));
}
bool algumaSemLeitura(const Painel& p)
{
    for (int i = 0; i <= 10; ++i) {
        if (Canais[i].referencia && p.veredito(QStringLiteral("P%1").arg(i)) == Veredito::SemLeitura)
            return true;
    }
    return false;
}
} // namespace

QString RotuloCanal(int i)
{
    const Canal* c = canal(i);
    return c ? QString::fromLatin1(c->rotulo) : QString();
}

QString ControleCanal(int i)
{
    const Canal* c = canal(i);
    return c ? QString::fromLatin1(c->controle) : QString();
}

QString Referencia(int i)
{
    const Canal* c = canal(i);
    return c && c->referencia ? QString::fromLatin1(c->referencia) : QString();
}

QString Malha(int i)
{
    const Canal* c = canal(i);
    return c && c->malha ? QString::fromLatin1(c->malha) : QString();
}

Painel PainelInicial()
{
    Painel p;
    LimpaLeituras(p);
    p.defineTexto(QStringLiteral("lbUC"), QStringLiteral(" ACORN U5600"));
    return p;
}

void LimpaLeituras(Painel& p)
{
    for (int i = 0; i <= 11; ++i) {
        p.oculta(ok(i));
        if (i != 1)
            p.oculta(no(i));
    }
    for (int i = 2; i <= 10; ++i) {
        p.defineTexto(QStringLiteral("P%1").arg(i), QStringLiteral("0 %"));
        p.defineCor(QStringLiteral("P%1").arg(i), CorChip::Branco);
    }
    for (int i = 1; i <= 10; ++i)
        p.defineTexto(QStringLiteral("M%1").arg(i), QString());
    p.oculta(QStringLiteral("lbStatus2"));
}

void MostraCanal(Painel& p, int i, const QString& valor)
{
    const Canal* c = canal(i);
    if (!c)
        return;
    const QString controle = QString::fromLatin1(c->controle);
    const QString semMedicao = L(QStringLiteral("Sem Medição"));
    if (i == 11) {
        // Channels come in order: the chip passes only when every graded rail was read and
        // none failed so far in this reading.
        if (!p.visivel(no(11)) && !algumaSemLeitura(p))
            p.mostra(ok(11));
        p.defineTexto(controle, valor == NaoMedido ? semMedicao : FormataUmaDecimal(valor) + QStringLiteral(" º"));
        return;
    }
    if (i >= 12) {
        p.defineTexto(controle, valor == NaoMedido ? semMedicao : valor + QStringLiteral(" mA"));
        return;
    }
    if (valor == NaoMedido) {
        p.defineTexto(controle, semMedicao);
        // A graded rail without a reading is no reading (not a fail), but it is marked NO:
        // the rail was not shown to pass.
        if (c->referencia)
            p.defineVeredito(QStringLiteral("P%1").arg(i), Veredito::SemLeitura);
        mostraNo(p, i);
        return;
    }
    // The device's own text is shown with its unit (there is no log panel here to read it
    // in), but a text that is not a reading is graded as not measured.
    p.defineTexto(controle, valor + QStringLiteral(" V"));
    if (!c->referencia) {
        if (ValorNumerico(valor))
            p.mostra(ok(i));
        else
            mostraNo(p, i);
        return;
    }
    const QString porc = QStringLiteral("P%1").arg(i);
    const auto d = CalculaDesvio(valor, QString::fromLatin1(c->referencia));
    if (!d) {
        p.defineVeredito(porc, Veredito::SemLeitura);
        p.mostra(no(i));
        return;
    }
    p.defineTexto(porc, d->texto + QStringLiteral(" %"));
    if (DentroDaFaixa(*d)) {
        p.defineVeredito(porc, Veredito::Passa);
        p.mostra(ok(i));
    } else {
        p.defineVeredito(porc, Veredito::Falha);
        p.mostra(no(i));
        p.mostra(no(11));
    }
}

void CarregaDados(Painel& p, const QString& resposta)
{
    for (int i = 0; i <= 15; ++i)
        MostraCanal(p, i, ExtraiValorCanal(resposta, RotuloCanal(i), false));
    p.mostra(QStringLiteral("lbStatus2"));
}

QList<QPair<QString, QString>> ParesRelatorio(const Painel& p, const QString& data, int idioma,
                                              const QString& modelo)
{
    struct Linha {
        int canal;
        const char* ref;
    };
    // The report lists the graded rails first, then the ungraded ones.
    const Linha linhas[] = {{8, "1.1 V"},  {7, "3.5 V"},  {5, "5.25 V"}, {4, "6.7 V"},
                            {3, "10.0 V"}, {10, "1.8 V"}, {9, "1.1 V"},  {6, nullptr},
                            {2, nullptr},  {0, nullptr},  {1, nullptr}};
    QList<QPair<QString, QString>> q;
    int k = 1;
    for (const Linha& l : linhas) {
        const QString n = QString::number(k++);
        const bool graduada = l.ref != nullptr;
        q.append({QLatin1Char('M') + n, Malha(l.canal)});
        q.append({QLatin1Char('L') + n, p.texto(QStringLiteral("M%1").arg(l.canal))});
        q.append({QLatin1Char('R') + n, graduada ? QString::fromLatin1(l.ref) : QStringLiteral("-")});
        q.append({QLatin1Char('P') + n, graduada ? p.texto(QStringLiteral("P%1").arg(l.canal)) : QStringLiteral("-")});
        q.append({QLatin1Char('I') + n, graduada ? Indicador(p.visivel(ok(l.canal))) : QStringLiteral("3")});
        q.append({QLatin1Char('V') + n, NomeVeredito(VereditoCanal(p.texto(QStringLiteral("M%1").arg(l.canal)),
                                                                   graduada, p.visivel(ok(l.canal))))});
    }
    q.append({QStringLiteral("DATA"), data});
    q.append({QStringLiteral("IDIOMA"), QString::number(idioma)});
    q.append({QStringLiteral("MODELO"), modelo});
    return q;
}

} // namespace ChipAcorn
