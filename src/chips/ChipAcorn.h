#pragma once
#include "chips/Painel.h"

#include <QList>
#include <QPair>
#include <QString>

// The Acorn reader (the display power supply of the model profiles that name Acorn): sixteen
// channels of the full ADC dump, seven rails graded within ±10 %, and one indicator for the
// whole chip (OK(11)/NO(11)).
namespace ChipAcorn {

inline const QString Comando = QStringLiteral("pmuadc --read all");
inline const QString Codigo = QStringLiteral("12");

QString RotuloCanal(int canal);   // channels 0 to 15
QString ControleCanal(int canal);
QString Referencia(int canal);    // "" for ungraded channels
QString Malha(int canal);         // rail name of channels 0 to 10

Painel PainelInicial();
void LimpaLeituras(Painel& p);
void MostraCanal(Painel& p, int canal, const QString& valor);
// Every channel of the answer (no timeout rule here), then the "complete" note.
void CarregaDados(Painel& p, const QString& resposta);

QList<QPair<QString, QString>> ParesRelatorio(const Painel& p, const QString& data, int idioma,
                                              const QString& modelo);

} // namespace ChipAcorn
