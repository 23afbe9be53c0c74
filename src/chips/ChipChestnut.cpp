#include "chips/ChipChestnut.h"

#include "chips/LeituraChip.h"
#include "i18n/Dicionario.h"
#include "shell/PerfilModelo.h"

namespace ChipChestnut {

namespace {
struct Canal {
    const char* rotulo;
    const char* controle;
    const char* unidade;
    const char* referencia; // graded channels only
    int porc;               // Porc<n>
    int indicador;          // OK(k)/NO(k)
};
const Canal Canais[] = {
    {"chestnut vldo1 :", "iLDO_V(1)", " V", "5.700", 1, 2},
    {"chestnut vldo2 :", "iLDO_V(2)", " V", "5.700", 2, 3},
    {"chestnut vldo3 :", "iLDO_V(3)", " V", "5.100", 3, 4},
    {"chestnut ildo1 :", "iLDO_A(1)", " mA", nullptr, 0, 0},
    {"chestnut ildo2 :", "iLDO_A(2)", " mA", nullptr, 0, 0},
    {"chestnut ildo3 :", "iLDO_A(3)", " mA", nullptr, 0, 0},
    {"chestnut vneg :", "VNEG_V", " V", "-5.700", 4, 1},
    {"chestnut ineg :", "VNEG_A", " mA", nullptr, 0, 0},
    {"chestnut vin :", "VIN_V", " V", nullptr, 0, 0},
    {"chestnut ground :", "gndV", " V", nullptr, 0, 0},
    {"chestnut vboost :", "BOOST_V", " V", "6.000", 5, 0},
};
const Canal* canal(int i)
{
    return i >= 1 && i <= 11 ? &Canais[i - 1] : nullptr;
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

QString Componente(const QString& modelo)
{
    return PerfilModelo::de(modelo).componentes.chestnut;
}

Painel PainelInicial()
{
    Painel p;
    for (int k = 0; k <= 4; ++k) {
        p.oculta(Indice(QStringLiteral("OK"), k));
        p.oculta(Indice(QStringLiteral("NO"), k));
    }
    for (int n = 1; n <= 5; ++n)
        p.defineTexto(QStringLiteral("Porc%1").arg(n), QStringLiteral("0 %"));
    p.oculta(QStringLiteral("btTouch"));
    return p;
}

void LimpaLeituras(Painel& p)
{
    for (int n = 1; n <= 5; ++n) {
        p.defineTexto(QStringLiteral("Porc%1").arg(n), QStringLiteral("0 %"));
        p.defineCor(QStringLiteral("Porc%1").arg(n), CorChip::Branco);
    }
    for (const char* c : {"BOOST_V", "VNEG_A", "VNEG_V", "iLDO_A(1)", "iLDO_A(2)", "iLDO_A(3)",
                          "iLDO_V(1)", "iLDO_V(2)", "iLDO_V(3)", "lbUC", "VIN_V", "gndV"})
        p.defineTexto(QString::fromLatin1(c), QString());
    for (int k = 0; k <= 4; ++k) {
        p.oculta(Indice(QStringLiteral("OK"), k));
        p.oculta(Indice(QStringLiteral("NO"), k));
    }
    p.oculta(QStringLiteral("btTouch"));
}

bool MostraCanal(Painel& p, int i, const QString& valor)
{
    const Canal* c = canal(i);
    if (!c)
        return false;
    const QString controle = QString::fromLatin1(c->controle);
    const QString unidade = QString::fromLatin1(c->unidade);
    bool toqueForaDaFaixa = false;
    if (c->referencia) {
        const QString porc = QStringLiteral("Porc%1").arg(c->porc);
        // A device message where a reading belongs is graded like a missing rail.
        const auto d = CalculaDesvio(valor, QString::fromLatin1(c->referencia));
        if (!d) {
            // Nothing was compared: no reading, not a fail, but marked NO so the rail
            // never looks as if it passed. A word the phone printed is shown as printed.
            p.defineTexto(controle, valor == NaoMedido ? L(QStringLiteral("Sem Medição")) : valor + unidade);
            p.defineTexto(porc, QString());
            p.defineVeredito(porc, Veredito::SemLeitura);
            p.mostra(Indice(QStringLiteral("NO"), c->indicador));
        } else {
            p.defineTexto(controle, valor + unidade);
            p.defineTexto(porc, d->texto + QStringLiteral(" %"));
            if (DentroDaFaixa(*d)) {
                p.defineVeredito(porc, Veredito::Passa);
                p.mostra(Indice(QStringLiteral("OK"), c->indicador));
            } else {
                p.defineVeredito(porc, Veredito::Falha);
                p.mostra(Indice(QStringLiteral("NO"), c->indicador));
                toqueForaDaFaixa = i == 3;
            }
        }
    } else {
        p.defineTexto(controle, valor + unidade); // "-" for a missing one; a word as printed
    }
    p.mostra(QStringLiteral("btTouch"));
    return toqueForaDaFaixa;
}

bool CarregaDados(Painel& p, const QString& resposta, const QString& modelo)
{
    const QString uc = Componente(modelo);
    if (!uc.isEmpty())
        p.defineTexto(QStringLiteral("lbUC"), uc);
    bool toque = false;
    for (int i = 1; i <= 11; ++i)
        toque = MostraCanal(p, i, ExtraiValorCanal(resposta, RotuloCanal(i))) || toque;
    return toque;
}

QList<QPair<QString, QString>> ParesRelatorio(const Painel& p, const QString& data, int idioma,
                                              const QString& modelo)
{
    QList<QPair<QString, QString>> q;
    auto ok = [&p](int k) { return Indicador(p.visivel(Indice(QStringLiteral("OK"), k))); };
    auto comCorrente = [&p](const QString& v, const QString& a) {
        return p.texto(v) + QStringLiteral("   (") + p.texto(a) + QLatin1Char(')');
    };
    auto linha = [&q](int n, const QString& malha, const QString& leitura, const QString& ref,
                      const QString& porc, const QString& indicador) {
        const QString k = QString::number(n);
        q.append({QLatin1Char('M') + k, malha});
        q.append({QLatin1Char('L') + k, leitura});
        q.append({QLatin1Char('R') + k, ref});
        q.append({QLatin1Char('P') + k, porc});
        q.append({QLatin1Char('I') + k, indicador});
        q.append({QLatin1Char('V') + k, NomeVeredito(VereditoCanal(leitura, ref != QLatin1String("-"),
                                                                   indicador == QLatin1String("1")))});
    };
    linha(1, QStringLiteral("PP6V0_DISPLAY_BOOST"), p.texto(QStringLiteral("BOOST_V")),
          QStringLiteral("6.0 V"), p.texto(QStringLiteral("Porc5")), ok(0));
    linha(2, QStringLiteral("PN -5V7_DISPLAY_MESON_AVDDN"),
          comCorrente(QStringLiteral("VNEG_V"), QStringLiteral("VNEG_A")), QStringLiteral("-5.7 V"),
          p.texto(QStringLiteral("Porc4")), ok(1));
    linha(3, QStringLiteral("PP5V7_MESON_AVDDH"),
          comCorrente(QStringLiteral("iLDO_V(1)"), QStringLiteral("iLDO_A(1)")), QStringLiteral("5.7 V"),
          p.texto(QStringLiteral("Porc1")), ok(2));
    linha(4, QStringLiteral("PP5V7_LCM_AVDDH"),
          comCorrente(QStringLiteral("iLDO_V(2)"), QStringLiteral("iLDO_A(2)")), QStringLiteral("5.7 V"),
          p.texto(QStringLiteral("Porc2")), ok(3));
    linha(5, QStringLiteral("PP5V1_TOUCH_VDDH"),
          comCorrente(QStringLiteral("iLDO_V(3)"), QStringLiteral("iLDO_A(3)")), QStringLiteral("5.1 V"),
          p.texto(QStringLiteral("Porc3")), ok(4));
    linha(6, QStringLiteral("PP_VDD_MAIN"), p.texto(QStringLiteral("VIN_V")), QStringLiteral("-"),
          QStringLiteral("-"), QStringLiteral("1"));
    q.append({QStringLiteral("DATA"), data});
    q.append({QStringLiteral("IDIOMA"), QString::number(idioma)});
    q.append({QStringLiteral("MODELO"), modelo});
    return q;
}

} // namespace ChipChestnut
