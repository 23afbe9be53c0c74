#pragma once
#include "boardtests/BateriaLeitura.h"
#include "shell/Procedimento.h"

#include <QString>

// The battery family's reading: its properties, then, once the link has let that answer go,
// the gas gauge, whose eight values are graded. The window reads both; the diagnosis reads
// each in a step of its own.
class ProcedimentoBateria : public Procedimento {
    Q_OBJECT
public:
    inline static const QString CodigoPropriedades = QStringLiteral("14");
    inline static const QString CodigoGasGauge = QStringLiteral("19");

    enum class Leitura { Completa, Propriedades, GasGauge };
    ProcedimentoBateria(Ligacao& ligacao, const QString& modelo, Leitura leitura, QObject* pai = nullptr);

    // The properties' answer without the echo ("" when not read).
    const QString& propriedades() const { return m_propriedades; }
    bool temPropriedades() const { return m_temPropriedades; }
    // The gas gauge's values (empty when not read) and whether the note of a missing one shows.
    const ModuloBateria::Valores& valores() const { return m_valores; }
    bool temValores() const { return m_temValores; }
    // The note's text for the model.
    QString nota() const { return ModuloBateria::NotaFalta(m_modelo); }

signals:
    // The properties were read (the window shows them while the gas gauge is asked).
    void propriedadesLidas();

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override;

private:
    QString m_modelo;
    Leitura m_leitura;
    QString m_propriedades;
    bool m_temPropriedades = false;
    ModuloBateria::Valores m_valores;
    bool m_temValores = false;
    ProcedimentoBateria* m_gasGauge = nullptr; // the full reading's second half
};
