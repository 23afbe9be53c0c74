#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
double pontosPorPolegada()
{
    if (auto* tela = QGuiApplication::primaryScreen())
        return tela->logicalDotsPerInch();
    return 96.0;
}
}

int Twips::paraPixels(int twips)
{
    return qRound(twips * pontosPorPolegada() / 1440.0);
}

int Twips::dePixels(int pixels)
{
    return qRound(pixels * 1440.0 / pontosPorPolegada());
}

QColor CorVb(const QString& texto)
{
    QString t = texto.trimmed();
    if (!t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return {};
    bool ok = false;
    const uint valor = t.mid(2).toUInt(&ok, 16);
    if (!ok)
        return {};
    return QColor(valor & 0xFF, (valor >> 8) & 0xFF, (valor >> 16) & 0xFF);
}
