#include "chips/ChipTigris.h"

#include "chips/LeituraChip.h"
#include "i18n/Dicionario.h"
#include "shell/PerfilModelo.h"
#include "rails/TextosLeitura.h"

namespace ChipTigris {

namespace {
struct Canal {
    const char* rotulo;
    const char* controle;
};
const Canal Canais[] = {
    {"tigris vbus :", "VBus_V"},  {"tigris ibus :", "VBus_A"},      {"tigris vbat :", "VBat_V"},
    {"tigris ibat :", "VBat_A"},  {"tigris vdd :", "VDD_V"},        {"tigris die_temp :", "Temp"},
    {"tigris vbus1 :", "VBus_V1"}, {"tigris vbus2 :", "VBus_V2"},   {"tigris vldo :", "lbVldo"},
    {"tigris vntc :", "lbvntc"},
};

// A graded voltage: pass, or fail with its "low" marker; a value the deviation cannot be
// computed from was not compared, so it is no reading rather than low.
void gradaTensao(Painel& p, const QString& controle, const QString& marcador, const QString& valor,
                 const QString& referencia, bool (*passa)(double inteiro))
{
    p.defineTexto(controle, valor + QStringLiteral(" V"));
    const auto d = CalculaDesvio(valor, referencia);
    if (!d) {
        p.defineVeredito(controle, Veredito::SemLeitura);
    } else if (passa(d->inteiro)) {
        p.defineVeredito(controle, Veredito::Passa);
    } else {
        p.defineVeredito(controle, Veredito::Falha);
        p.mostra(marcador);
    }
}

// VBUS is low below +8 % of its reference: the charger input must sit well above 4.045 V.
void gradaVbus(Painel& p, const QString& controle, const QString& marcador, const QString& valor)
{
    gradaTensao(p, controle, marcador, valor, RefVbus, [](double inteiro) { return inteiro >= 8; });
}

// The channels graded against a reference; the others only show their value.
bool CanalGraduado(int canal)
{
    return canal == 1 || canal == 3 || canal == 7;
}
} // namespace

QString RotuloCanal(int canal)
{
    if (canal < 1 || canal > 10)
        return {};
    return QString::fromLatin1(Canais[canal - 1].rotulo);
}

QString ControleCanal(int canal)
{
    if (canal < 1 || canal > 10)
        return {};
    return QString::fromLatin1(Canais[canal - 1].controle);
}

int NumeroCanais(const QString& modelo)
{
    return ModeloComDuasEntradas(modelo) ? 10 : 6;
}

QString Componente(const QString& modelo)
{
    return PerfilModelo::de(modelo).componentes.tigris;
}

Painel PainelInicial(const QString& modelo)
{
    Painel p;
    for (const char* m : {"Baixa1", "Baixa2", "Baixa3"})
        p.oculta(QString::fromLatin1(m));
    AjustaVbus(p, modelo);
    return p;
}

void AjustaVbus(Painel& p, const QString& modelo)
{
    const bool duas = ModeloComDuasEntradas(modelo);
    p.mostra(QStringLiteral("FrameVbusX"), duas);
    p.mostra(QStringLiteral("lb_VBus2"), duas);
    p.defineTexto(QStringLiteral("lb_VBus1"), duas ? QStringLiteral("VBUS 1") : QStringLiteral("VBUS"));
}

void LimpaLeituras(Painel& p, const QString& modelo)
{
    for (const char* c : {"VBat_V", "VBus_V", "VBus_V1", "VBus_V2", "VDD_V"})
        p.defineCor(QString::fromLatin1(c), CorChip::Branco);
    // lbVldo and lbvntc are cleared too: a model change must not leave the last board's values.
    for (const char* c : {"VBus_A", "VBus_V", "VBus_V1", "VBus_V2", "VBat_A", "VBat_V", "VDD_V",
                          "Temp", "VBus_A1", "lbUC", "VBus_A2", "lbVldo", "lbvntc"})
        p.defineTexto(QString::fromLatin1(c), QString());
    for (const char* m : {"Baixa1", "Baixa2", "Baixa3"})
        p.oculta(QString::fromLatin1(m));
    AjustaVbus(p, modelo);
}

void MostraCanal(Painel& p, int canal, const QString& valor)
{
    const QString controle = ControleCanal(canal);
    if (controle.isEmpty())
        return;
    // A device message where a reading belongs is no reading, like a missing channel, but
    // it is shown as the phone printed it.
    if (!ValorNumerico(valor)) {
        if (valor == NaoMedido) {
            p.defineTexto(controle, L(QStringLiteral("Sem Medição")));
        } else {
            const bool corrente = canal == 2 || canal == 4;
            p.defineTexto(controle, valor + (corrente ? QStringLiteral(" mA") : canal == 6 ? QStringLiteral(" º") : QStringLiteral(" V")));
            if (canal == 2) {
                p.defineTexto(QStringLiteral("VBus_A1"), p.texto(controle));
                p.defineTexto(QStringLiteral("VBus_A2"), p.texto(controle));
            }
        }
        if (CanalGraduado(canal))
            p.defineVeredito(controle, Veredito::SemLeitura);
        return;
    }
    switch (canal) {
    case 1:
        gradaVbus(p, controle, QStringLiteral("Baixa1"), valor);
        break;
    case 2:
        p.defineTexto(controle, valor + QStringLiteral(" mA"));
        p.defineTexto(QStringLiteral("VBus_A1"), p.texto(controle));
        p.defineTexto(QStringLiteral("VBus_A2"), p.texto(controle));
        break;
    case 3:
        gradaTensao(p, controle, QStringLiteral("Baixa3"), valor, RefVbat,
                    [](double inteiro) { return inteiro > -10; });
        break;
    case 4:
        p.defineTexto(controle, valor + QStringLiteral(" mA"));
        break;
    case 5:
        // VDD and VBUS 2 have no reference: they are shown untinted, never as a pass.
        p.defineTexto(controle, valor + QStringLiteral(" V"));
        p.defineVeredito(controle, Veredito::NaoGraduado);
        break;
    case 6:
        p.defineTexto(controle, FormataUmaDecimal(valor) + QStringLiteral(" º"));
        break;
    case 7:
        gradaVbus(p, controle, QStringLiteral("Baixa2"), valor);
        break;
    case 8:
        p.defineTexto(controle, valor + QStringLiteral(" V"));
        p.defineVeredito(controle, Veredito::NaoGraduado);
        break;
    default: // 9, 10
        p.defineTexto(controle, valor + QStringLiteral(" V"));
        break;
    }
}

void CarregaDados(Painel& p, const QString& resposta, const QString& modelo)
{
    const QString uc = Componente(modelo);
    if (!uc.isEmpty())
        p.defineTexto(QStringLiteral("lbUC"), uc);
    const int n = NumeroCanais(modelo);
    for (int i = 1; i <= n; ++i)
        MostraCanal(p, i, ExtraiValorCanal(resposta, RotuloCanal(i)));
}

} // namespace ChipTigris
