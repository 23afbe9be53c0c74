#pragma once
#include "boardtests/janelas/JanelaTestePlaca.h"
#include "veredito/Veredito.h"

#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class ProcedimentoBateria;

// Battery test: reads the battery's properties, then, once the link is idle again, the gas
// gauge, and shows health, cycles, charge, capacities, voltage, current and temperature. The
// first answer is shown beside the recorded answer of a reference board.
class Bateria : public JanelaTestePlaca {
    Q_OBJECT
public:
    explicit Bateria(GerenciadorJanelas& janelas);

    void traduz() override;
    void esperaCancelada() override;

    void btBateria_Click();

    // The reading behind the values on show.
    const ProcedimentoBateria* leitura() const { return m_leitura; }
    bool lendo() const;

    // State read by the tests.
    QString info(int indice) const { return m_info.value(indice); }

private:
    void TraduzBateria();
    void IniciaLeitura();
    void propriedadesLidas();
    void leituraTerminou();
    QString comandoMostrado() const override;
    void defineInfo(int indice, const QString& texto, Veredito v = Veredito::NaoGraduado);

    QPushButton* m_btBateria;
    QList<QLabel*> m_infoRotulos;
    QList<QLabel*> m_descricoes;
    QLabel* m_lbVar;
    QLabel* m_lbLeitura;
    ProcedimentoBateria* m_leitura = nullptr;

    QStringList m_info;
};
