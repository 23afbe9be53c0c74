#pragma once
#include "rails/BuckCheck.h"
#include "shell/Procedimento.h"

#include <QList>
#include <QString>

// The buck check window's requester code.
inline const QString CodigoBuck = QStringLiteral("13");

// A buck test as the window shows it: the answer's list (empty when the answer was not
// complete, which is not parsed), each item's verdict, and the items named as the list
// numbers the outputs ("buck1").
struct ResultadoBuck {
    bool completa = false;
    QList<ItemBuck> lista;
    QList<Veredito> vereditos; // one per item of the list, by VereditoBuck
    QList<ItemGraduado> itens;
};

// The whole answer R of `modo`'s command, graded for the model.
ResultadoBuck GradaBuck(const QString& modelo, ModoBuck modo, const QString& R);

// The phone's own buck test, "buck" or "buckcheck <tolerance>", under the buck check window's
// code; the answer is parsed when it arrives by the window's rules and every output becomes an
// item named as the list numbers it ("buck1"), its verdict by VereditoBuck.
class ProcedimentoBuck : public Procedimento {
    Q_OBJECT
public:
    // `comando` as ComandoBuck gave it for `modo`.
    ProcedimentoBuck(Ligacao& ligacao, const QString& modelo, ModoBuck modo, const QString& comando,
                     QObject* pai = nullptr);

    void define(const QString& modelo, ModoBuck modo, const QString& comando);
    ModoBuck modo() const { return m_modo; }
    const ResultadoBuck& resultado() const { return m_resultado; }

protected:
    bool comeca() override { return pede(m_comandoBuck); }
    void responde(const QString& R, const QString& A) override;
    void limpa() override { m_resultado = {}; }

private:
    QString m_modelo;
    ModoBuck m_modo;
    QString m_comandoBuck;
    ResultadoBuck m_resultado;
};
