#pragma once
#include "chips/Painel.h"

#include <QString>

// The Tristar (Hydra on the newer boards) reader: three rails out of the full ADC dump.
namespace ChipTristar {

inline const QString Comando = QStringLiteral("pmuadc --read all");
inline const QString Codigo = QStringLiteral("10");
inline const QString RefMalha1 = QStringLiteral("3.000");
inline const QString RefMalha2 = QStringLiteral("1.800");

struct Rotulo {
    QString rotulo;  // searched in the answer
    QString malha;   // rail name, channels 1, 3 and 5 only
};
// Label of channel 1 to 6 by model family ("IP 6", "IP 7", all others).
Rotulo RotuloCanal(int canal, const QString& modelo);
QString Componente(const QString& modelo);
// "Hydra - Vexador Tarrim" when the IC window's button names the chip HYDRA.
QString Legenda(bool hydra);

// Rail 1's current is an over-current: Hydra boards from 3350 mA on; the others when
// the whole part of the deviation from 1700 mA is 0 or more (so from 1683,1 mA on). A current
// that is missing or not a number counts as one.
bool SobreCorrente(const QString& valor, const QString& modelo);

Painel PainelInicial();
void LimpaLeituras(Painel& p);
void MostraCanal(Painel& p, int canal, const QString& valor, const QString& modelo);
void CarregaDados(Painel& p, const QString& resposta, const QString& modelo);

} // namespace ChipTristar
