#include "chips/ChipTigris.h"

#include "chips/LeituraChip.h"
#include "i18n/Dicionario.h"
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

// VBUS is low below +8 % of its reference: the charger input must sit well above 4.045 V.
void gradaVbus(Painel& p, const QString& controle, const QString& marcador, const QString& valor)
{
    p.defineTexto(controle, valor + QStringLiteral(" V"));
    const auto d = CalculaDesvio(valor, RefVbus);
    if (d && d->inteiro >= 8) {
        p.defineCor(controle, CorChip::VerdeClaro);
    } else {
        p.defineCor(controle, CorChip::AmareloClaro);
        p.mostra(marcador);
    }
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
    if (modelo == QLatin1String("IP 6") || modelo == QLatin1String("IP 6 Plus"))
        return QStringLiteral("U1401");
    if (modelo == QLatin1String("IP 6s") || modelo == QLatin1String("IP 6s Plus"))
        return QStringLiteral("U2300");
    if (modelo == QLatin1String("IP 7") || modelo == QLatin1String("IP 7 Plus"))
        return QStringLiteral("U2101");
    if (ModeloComDuasEntradas(modelo))
        return QStringLiteral("U3300");
    return {};
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
    // A device message where a reading belongs is treated like a missing channel.
    if (!ValorNumerico(valor)) {
        p.defineTexto(controle, L(QStringLiteral("Sem Medição")));
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
    case 3: {
        p.defineTexto(controle, valor + QStringLiteral(" V"));
        const auto d = CalculaDesvio(valor, RefVbat);
        if (d && d->inteiro > -10) {
            p.defineCor(controle, CorChip::VerdeClaro);
        } else {
            p.defineCor(controle, CorChip::AmareloClaro);
            p.mostra(QStringLiteral("Baixa3"));
        }
        break;
    }
    case 4:
        p.defineTexto(controle, valor + QStringLiteral(" mA"));
        break;
    case 5:
        p.defineTexto(controle, valor + QStringLiteral(" V"));
        p.defineCor(controle, p.visivel(QStringLiteral("Baixa3")) ? CorChip::Branco : CorChip::VerdeClaro);
        break;
    case 6:
        p.defineTexto(controle, FormataUmaDecimal(valor) + QStringLiteral(" º"));
        break;
    case 7:
        gradaVbus(p, controle, QStringLiteral("Baixa2"), valor);
        break;
    case 8:
        p.defineTexto(controle, valor + QStringLiteral(" V"));
        p.defineCor(controle, CorChip::VerdeClaro);
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
