#pragma once
#include <QColor>
#include <QString>

// Sizes in twips (1440 to the inch) and colours written as "&H00BBGGRR".
namespace Twips {
int paraPixels(int twips);
int dePixels(int pixels);
}

// "&H00C0FFC0" → the colour it names (blue, green, red bytes); invalid text → invalid colour.
QColor CorVb(const QString& texto);

// The colours the windows use, as the program writes them.
namespace Cores {
inline const QString VerdeClaro = QStringLiteral("&H00C0FFC0");   // within the reference
inline const QString AmareloClaro = QStringLiteral("&H0080FFFF"); // outside it / not measured
inline const QString Branco = QStringLiteral("&H00FFFFFF");
inline const QString Verde = QStringLiteral("&H0000FF00");
inline const QString Amarelo = QStringLiteral("&H0000FFFF");
inline const QString Cinza = QStringLiteral("&H00808080");
}
