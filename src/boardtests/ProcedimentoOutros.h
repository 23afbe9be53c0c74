#pragma once
#include "boardtests/OutrosTestes.h"
#include "shell/Procedimento.h"

#include <QString>

// The additional tests' reading of one RAM test (the long one mirrored while the phone prints):
// one exchange, graded on its answer.
class ProcedimentoOutros : public Procedimento {
    Q_OBJECT
public:
    inline static const QString Codigo = QStringLiteral("17");

    ProcedimentoOutros(Ligacao& ligacao, int teste, QObject* pai = nullptr);

    int teste() const { return m_teste; }
    // Judged: the answer is long enough (nothing is said on a shorter one).
    bool julgado() const { return m_julgado; }
    bool passou() const { return m_passou; }
    // L("COMUNICAÇÃO OK") or L("COMUNICAÇÃO OFF"); "" when not judged.
    QString status() const;

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override { m_julgado = m_passou = false; }

private:
    int m_teste;
    bool m_julgado = false;
    bool m_passou = false;
};
