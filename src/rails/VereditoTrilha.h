#pragma once
#include "veredito/Veredito.h"

#include <QString>
#include <optional>

// A graded rail row: `leitura` and `porc` as grading wrote them, `refV` the reference the
// percentage was computed from, `ref` the reference shown ("< 1000 mA" for a current).
// A voltage passes when the whole part of its percentage lies strictly between -tolerancia
// and tolerancia; a current passes when it is below the limit of its reference.
Veredito VereditoTrilha(const QString& leitura, const QString& porc, const QString& refV,
                        const QString& ref, double tolerancia = ToleranciaPadrao);

// The limit N of a reference written "< N mA"; std::nullopt for any other text.
std::optional<double> LimiteCorrente(const QString& ref);
