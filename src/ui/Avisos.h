#pragma once
#include <QString>

// A plain box "NOT " + code (OK button, no title) for a code outside a table (an ADC channel,
// an I2C device).
void AvisaCodigoDesconhecido(const QString& codigo);
