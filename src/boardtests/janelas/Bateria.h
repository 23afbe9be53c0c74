#pragma once
#include "boardtests/janelas/JanelaTestePlaca.h"
#include "rails/Veredito.h"

#include <QList>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

// Battery test: reads the battery's properties, then, once the link is idle again, the gas
// gauge, and shows health, cycles, charge, capacities, voltage, current and temperature. The
// first answer is shown beside the recorded answer of a reference board.
class Bateria : public JanelaTestePlaca {
    Q_OBJECT
public:
    explicit Bateria(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void buscaDadosGravados() override;
    void traduz() override;
    void esperaCancelada() override;

    void btBateria_Click();
    // Fills the eight values from the gas-gauge answer.
    void Organiza(const QString& texto);

    // State read by the tests.
    QString info(int indice) const { return m_info.value(indice); }

private:
    void TraduzBateria();
    void IniciaLeitura();
    void TimerLer_Timer();
    void defineInfo(int indice, const QString& texto, Veredito v = Veredito::NaoGraduado);

    QPushButton* m_btBateria;
    QList<QLabel*> m_infoRotulos;
    QList<QLabel*> m_descricoes;
    QLabel* m_lbVar;
    QLabel* m_lbLeitura;
    QTimer* m_timerLer;

    QStringList m_info;
};
