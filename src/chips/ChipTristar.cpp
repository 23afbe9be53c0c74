#include "chips/ChipTristar.h"

#include "chips/LeituraChip.h"
#include "i18n/Dicionario.h"
#include "shell/PerfilModelo.h"
#include "rails/TextosLeitura.h"

#include <QLocale>

namespace ChipTristar {

namespace {
const QString Status = QStringLiteral("lbStatus");

void falha(Painel& p)
{
    p.defineCorTexto(Status, CorChip::Preto);
}

// Rails 1 and 2: deviation within ±10 % gives OK, anything else NO and a fault; a missing
// voltage is no reading ("Sem Medição", or the word the phone printed), marked NO and the
// status no longer green: a rail that was not read never leaves the chip passing.
void gradaMalha(Painel& p, int malha, const QString& valor, const QString& referencia)
{
    const QString v = QStringLiteral("Malha%1_V").arg(malha);
    const QString porc = QStringLiteral("Porc%1").arg(malha);
    const auto d = CalculaDesvio(valor, referencia);
    if (!d) {
        p.defineTexto(v, valor == NaoMedido ? L(QStringLiteral("Sem Medição")) : valor + QStringLiteral(" V"));
        p.defineTexto(porc, QString());
        p.defineVeredito(porc, Veredito::SemLeitura);
        p.mostra(Indice(QStringLiteral("NO"), malha));
        falha(p);
        return;
    }
    p.defineTexto(v, valor + QStringLiteral(" V"));
    p.defineTexto(porc, d->texto + QStringLiteral(" %"));
    if (DentroDaFaixa(*d)) {
        p.defineVeredito(porc, Veredito::Passa);
        p.mostra(Indice(QStringLiteral("OK"), malha));
    } else {
        p.defineVeredito(porc, Veredito::Falha);
        p.defineVeredito(v, Veredito::Falha);
        p.mostra(Indice(QStringLiteral("NO"), malha));
        falha(p);
    }
}

} // namespace

Rotulo RotuloCanal(int canal, const QString& modelo)
{
    const PerfilModelo::Familia familia = PerfilModelo::de(modelo).familia;
    const bool ip6 = familia == PerfilModelo::Familia::Ip6;
    const bool ip7 = familia == PerfilModelo::Familia::Ip7;
    switch (canal) {
    case 1:
        if (ip6)
            return {QStringLiteral("BIST ldo3:"), QStringLiteral("PP3V0_TRISTAR")};
        return {QStringLiteral("BIST ldo7:"),
                ip7 ? QStringLiteral("PP3V0_TRISTAR_ANT_PROX") : QStringLiteral("PP3V0_S2")};
    case 2:
        return {ip6 ? QStringLiteral("BIST ildo3:") : QStringLiteral("BIST ildo7:"), {}};
    case 3:
        return {QStringLiteral("BIST buck3:"),
                ip6 || ip7 ? QStringLiteral("PP1V8_SDRAM") : QStringLiteral("PP1V8_S2")};
    case 4:
        return {QStringLiteral("ibuck3:"), {}};
    case 5:
        return {QStringLiteral("BIST ldo6:"), ip6 ? QStringLiteral("PP3V3_ACC") : QStringLiteral("PP_ACC_VAR")};
    case 6:
        return {QStringLiteral("BIST ildo6:"), {}};
    default:
        return {};
    }
}

QString Componente(const QString& modelo)
{
    return PerfilModelo::de(modelo).componentes.tristar;
}

QString Legenda(bool hydra)
{
    return (hydra ? QStringLiteral("Hydra") : QStringLiteral("Tristar")) + QStringLiteral(" - Vexador Tarrim");
}

bool SobreCorrente(const QString& valor, const QString& modelo)
{
    if (!ValorNumerico(valor))
        return true;
    if (ModeloHydra(modelo)) {
        const Porcentagem p = CalculaPorcentagem(valor, QStringLiteral("3.350"));
        bool ok = false;
        const double x = QLocale::c().toDouble(p.texto, &ok);
        // "-0.0" reads as zero: at the limit.
        return !p.ok() || !ok || !(x < 0);
    }
    const auto d = CalculaDesvio(valor, QStringLiteral("1.700"));
    return !d || d->inteiro >= 0;
}

Painel PainelInicial()
{
    Painel p;
    for (int i = 0; i <= 3; ++i)
        p.oculta(Indice(QStringLiteral("OK"), i));
    for (int i = 0; i <= 2; ++i)
        p.oculta(Indice(QStringLiteral("NO"), i));
    p.oculta(QStringLiteral("lbStatus2"));
    return p;
}

void LimpaLeituras(Painel& p)
{
    for (const char* c : {"Porc1", "Porc2", "Porc3"}) {
        p.defineTexto(QString::fromLatin1(c), QStringLiteral("0 %"));
        p.defineCor(QString::fromLatin1(c), CorChip::Branco);
    }
    for (const char* c : {"Malha1_V", "Malha1_A", "Malha2_V"})
        p.defineCor(QString::fromLatin1(c), CorChip::Branco);
    for (const char* c : {"Malha1_A", "Malha2_A", "Malha3_A", "Malha1_V", "Malha2_V", "Malha3_V",
                          "lbNomeMalha1", "lbNomeMalha2", "lbNomeMalha3", "lbStatus"})
        p.defineTexto(QString::fromLatin1(c), QString());
    for (int i = 0; i <= 3; ++i)
        p.oculta(Indice(QStringLiteral("OK"), i));
    for (int i = 0; i <= 2; ++i)
        p.oculta(Indice(QStringLiteral("NO"), i));
}

void MostraCanal(Painel& p, int canal, const QString& valor, const QString& modelo)
{
    switch (canal) {
    case 1:
        gradaMalha(p, 1, valor, RefMalha1);
        break;
    case 2:
        p.defineTexto(QStringLiteral("Malha1_A"), valor + QStringLiteral(" mA"));
        if (SobreCorrente(valor, modelo)) {
            falha(p);
            p.defineVeredito(QStringLiteral("Porc1"), Veredito::Falha);
            p.defineVeredito(QStringLiteral("Malha1_A"), Veredito::Falha);
            p.oculta(QStringLiteral("OK(1)"));
            p.mostra(QStringLiteral("NO(1)"));
        }
        break;
    case 3:
        gradaMalha(p, 2, valor, RefMalha2);
        break;
    case 4:
        p.defineTexto(QStringLiteral("Malha2_A"), valor + QStringLiteral(" mA"));
        break;
    case 5:
        p.defineTexto(QStringLiteral("Malha3_V"), valor + QStringLiteral(" V"));
        p.defineTexto(QStringLiteral("Porc3"), QStringLiteral("ACC"));
        p.defineCor(QStringLiteral("Porc3"), CorChip::VerdeClaro);
        break;
    case 6:
        p.defineTexto(QStringLiteral("Malha3_A"), valor + QStringLiteral(" mA"));
        break;
    default:
        break;
    }
}

void CarregaDados(Painel& p, const QString& resposta, const QString& modelo)
{
    const QString uc = Componente(modelo);
    if (!uc.isEmpty())
        p.defineTexto(QStringLiteral("lbUC"), uc);
    p.defineTexto(Status, L(QStringLiteral("NORMAL")));
    p.defineCorTexto(Status, CorChip::VerdeEscuro);
    p.mostra(QStringLiteral("OK(0)"));
    for (int i = 1; i <= 6; ++i) {
        const Rotulo r = RotuloCanal(i, modelo);
        if (!r.malha.isEmpty())
            p.defineTexto(QStringLiteral("lbNomeMalha%1").arg((i + 1) / 2), r.malha);
        MostraCanal(p, i, ExtraiValorCanal(resposta, r.rotulo), modelo);
    }
    p.mostra(QStringLiteral("lbStatus2"));
    p.mostra(QStringLiteral("OK(3)"));
}

} // namespace ChipTristar
