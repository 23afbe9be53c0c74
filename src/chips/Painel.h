#pragma once
#include <QMap>
#include <QString>
#include <optional>
#include <QStringList>

#include "veredito/Veredito.h"

// What a chip reader shows, by control name: caption, background colour, text colour and
// visibility. The reading rules write into it and the window copies it onto its widgets, so
// the rules are tested without any window and the window never reads its own labels back.
// Colours are the program's "&H00BBGGRR" texts; "" keeps the control's own colour.
class Painel {
public:
    void defineTexto(const QString& controle, const QString& texto)
    {
        m[controle].texto = texto;
        m[controle].temTexto = true;
    }
    void defineCor(const QString& controle, const QString& cor)
    {
        m[controle].cor = cor;
        m[controle].temCor = true;
        m[controle].temVeredito = false;
    }
    void defineCorTexto(const QString& controle, const QString& cor)
    {
        m[controle].corTexto = cor;
        m[controle].temCorTexto = true;
    }
    // A graded control: the verdict's tint, and the verdict itself for the window's mark.
    void defineVeredito(const QString& controle, Veredito v)
    {
        const QString cor = CorVbVeredito(v);
        defineCor(controle, cor.isEmpty() ? QStringLiteral("&H00FFFFFF") : cor);
        m[controle].veredito = v;
        m[controle].temVeredito = true;
    }
    void mostra(const QString& controle, bool visivel = true)
    {
        m[controle].visivel = visivel;
        m[controle].temVisivel = true;
    }
    void oculta(const QString& controle) { mostra(controle, false); }

    QString texto(const QString& controle) const { return m.value(controle).texto; }
    QString cor(const QString& controle) const { return m.value(controle).cor; }
    QString corTexto(const QString& controle) const { return m.value(controle).corTexto; }
    std::optional<Veredito> veredito(const QString& controle) const
    {
        const Estado e = m.value(controle);
        return e.temVeredito ? std::optional<Veredito>(e.veredito) : std::nullopt;
    }
    // A control never mentioned is visible, as a control on a form is by default.
    bool visivel(const QString& controle) const { return m.value(controle).visivel; }
    QStringList controles() const { return m.keys(); }

    // What has been set on a control (a window copies only that).
    struct Estado {
        QString texto, cor, corTexto;
        bool visivel = true;
        Veredito veredito = Veredito::NaoGraduado;
        bool temTexto = false, temCor = false, temCorTexto = false, temVisivel = false;
        bool temVeredito = false;
    };
    Estado estado(const QString& controle) const { return m.value(controle); }

private:
    QMap<QString, Estado> m;
};

// The colours of the chip readers, as the program writes them (blue, green, red bytes).
namespace CorChip {
inline const QString VerdeClaro = QStringLiteral("&H00C0FFC0");   // within range
inline const QString AmareloClaro = QStringLiteral("&H0080FFFF"); // outside, low, not measured
inline const QString Branco = QStringLiteral("&H00FFFFFF");       // neutral
inline const QString VerdeEscuro = QStringLiteral("&H0000C000");  // status text, normal
inline const QString Preto = QStringLiteral("&H00000000");        // status text, fault
}

// Array controls are named as "OK(3)".
inline QString Indice(const QString& nome, int i)
{
    return nome + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
}
