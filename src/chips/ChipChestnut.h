#pragma once
#include "chips/Painel.h"

#include <QList>
#include <QPair>
#include <QString>

// The Chestnut display power reader: eleven channels, five rails graded within ±10 %.
namespace ChipChestnut {

inline const QString Comando = QStringLiteral("pmuadc --sel chestnut --read all");
inline const QString Codigo = QStringLiteral("8");
inline const QString ToqueLigado = QStringLiteral("touch --on");
inline const QString ToqueDesligado = QStringLiteral("touch --off");

QString RotuloCanal(int canal); // channels 1 to 11
QString ControleCanal(int canal);
QString Componente(const QString& modelo);

Painel PainelInicial();
void LimpaLeituras(Painel& p);
// Shows one channel. True when channel 3 (the touch supply) was measured and graded outside
// its range: the touch controller may be off.
bool MostraCanal(Painel& p, int canal, const QString& valor);
// Every channel of the answer; true as MostraCanal for the touch rail.
bool CarregaDados(Painel& p, const QString& resposta, const QString& modelo);

// The report pairs without the name: M/L/R/P/I of the six rails, DATA, IDIOMA, MODELO.
QList<QPair<QString, QString>> ParesRelatorio(const Painel& p, const QString& data, int idioma,
                                              const QString& modelo);

} // namespace ChipChestnut
