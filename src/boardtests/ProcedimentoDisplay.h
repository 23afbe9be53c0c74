#pragma once
#include "shell/Procedimento.h"

#include <QString>

// The display family's command (a screen test pattern, the backlight level): one exchange
// whose answer is shown for the technician to compare with the phone's screen; nothing in it
// is graded (the screen is judged by eye).
class ProcedimentoDisplay : public Procedimento {
    Q_OBJECT
public:
    inline static const QString Codigo = QStringLiteral("3");

    ProcedimentoDisplay(Ligacao& ligacao, const QString& comando, QObject* pai = nullptr)
        : Procedimento(ligacao, Codigo, pai), m_comando(comando)
    {
    }
    // The backlight level command of a slider position.
    static QString ComandoNivel(int nivel) { return QStringLiteral("bl -p ") + QString::number(nivel); }

protected:
    bool comeca() override { return pede(m_comando); }
    void responde(const QString&, const QString&) override { conclui({}); }

private:
    QString m_comando;
};
