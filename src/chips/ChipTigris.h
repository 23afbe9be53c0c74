#pragma once
#include "chips/Painel.h"

#include <QString>

// The Tigris charger reader: channel labels, designators and the grading of VBUS and VBAT.
namespace ChipTigris {

inline const QString Comando = QStringLiteral("pmuadc --sel tigris --read all");
inline const QString Codigo = QStringLiteral("9");
inline const QString RefVbus = QStringLiteral("4.045");
inline const QString RefVbat = QStringLiteral("4.000");

// The channel label searched in the answer, channels 1 to 10; "" outside.
QString RotuloCanal(int canal);
// The value label that shows channel i (the one that reads "Sem Medição" when it is missing).
QString ControleCanal(int canal);
// 10 channels on the models with two charger inputs, 6 on every other model.
int NumeroCanais(const QString& modelo);
// Reference designator of the chip on the model's board; "" for a model outside the table.
QString Componente(const QString& modelo);

// The state of the window as designed: markers hidden.
Painel PainelInicial(const QString& modelo);
// The second charger input shown or hidden for the model.
void AjustaVbus(Painel& p, const QString& modelo);
// The display before a reading.
void LimpaLeituras(Painel& p, const QString& modelo);
// Shows and grades one channel value (NaoMedido or a device message: "Sem Medição").
void MostraCanal(Painel& p, int canal, const QString& valor);
// Every channel of the model out of the answer.
void CarregaDados(Painel& p, const QString& resposta, const QString& modelo);

} // namespace ChipTigris
