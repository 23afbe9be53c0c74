#pragma once
#include "boardtests/Ic.h"
#include "shell/Procedimento.h"

#include <QString>

// The IC family's reading of one test (1 the port controller's data, 2 its communication):
// one exchange, graded on the length of its answer.
class ProcedimentoIc : public Procedimento {
    Q_OBJECT
public:
    inline static const QString Codigo = QStringLiteral("5");

    ProcedimentoIc(Ligacao& ligacao, const QString& modelo, int teste, QObject* pai = nullptr);

    void defineTeste(int teste) { m_teste = teste; }
    int teste() const { return m_teste; }
    // The chip the test names ("TRISTAR", "HYDRA").
    QString nomeCI() const { return ModuloIC::NomeCI(m_modelo); }

    // The verdict on the answer (Nenhum: too short to be judged, nothing shown).
    ModuloIC::Veredicto veredicto() const { return m_veredicto; }
    // L("COMUNICAÇÃO OK") or L("COMUNICAÇÃO OFF"); "" when not judged.
    QString status() const;

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override { m_veredicto = ModuloIC::Veredicto::Nenhum; }

private:
    QString m_modelo;
    int m_teste;
    ModuloIC::Veredicto m_veredicto = ModuloIC::Veredicto::Nenhum;
};
