#pragma once
#include "rails/Veredito.h"
#include "ui/JanelaFilha.h"

#include <QList>
#include <QString>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QTimer;

// Battery test: reads the battery's properties, then, once the link is idle again, the gas
// gauge, and shows health, cycles, charge, capacities, voltage, current and temperature. The
// first answer is shown beside the recorded answer of a reference board.
class Bateria : public JanelaFilha {
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
    QString txtDados() const { return m_txtDados; }
    QString txtComparador() const { return m_txtComparador; }
    QString info(int indice) const { return m_info.value(indice); }

private:
    void TraduzBateria();
    void CentralizaBateria();
    void IniciaLeitura();
    void TimerLer_Timer();
    void TimerBarra_Timer();
    void defineTxtDados(const QString& texto);
    void defineInfo(int indice, const QString& texto, Veredito v = Veredito::NaoGraduado);
    void consultaDados(const QString& modelo, const QString& comando);

    QPushButton* m_btBateria;
    QList<QLabel*> m_infoRotulos;
    QList<QLabel*> m_descricoes;
    QLabel* m_lblLabel0;
    QLabel* m_lblLabel4;
    QPlainTextEdit* m_txtDadosCaixa;
    QPlainTextEdit* m_txtComparadorCaixa;
    QLabel* m_lbVar;
    QFrame* m_frameVCore;
    QFrame* m_progressBar;
    QLabel* m_barra;
    QLabel* m_lbLeitura;
    QTimer* m_timerBarra;
    QTimer* m_timerLer;
    QSqlQueryModel* m_data1;

    QString m_txtDados;
    QString m_txtComparador;
    QStringList m_info;
    int m_passoBarra = 1;
};
