#pragma once
#include "ui/JanelaFilha.h"

#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QTimer;

// IC communication test: reads the port controller (TRISTAR, or HYDRA on the newer models)
// and grades the answer by its length; shows the recorded answer of a reference board beside
// it and opens the voltage readers of that chip and of the charger.
class IC : public JanelaFilha {
    Q_OBJECT
public:
    explicit IC(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void buscaDadosGravados() override;
    void atualizaJanelaAberta() override;
    void traduz() override;
    void esperaCancelada() override;

    void btBl_Click(int indice);
    void btTristar_Click();
    void btTigris_Click();
    // Sends the command of TesteSelecionado (when the link is idle).
    void PrePesquisa();

    // State read by the tests.
    QString txtDados() const { return m_txtDados; }
    QString txtComparador() const { return m_txtComparador; }
    QString lbStatus() const { return m_lbStatus; }
    QString lbIC() const { return m_lbIC; }
    QString nomeCI() const { return m_nomeCI; }
    int contadorStatus() const { return m_contadorStatus; }

private:
    void TimerStatus_Timer();
    void TimerAguarde_Timer();
    void TraduzIC();
    void defineTxtDados(const QString& texto);
    void defineLbStatus(const QString& texto);
    void defineLbIC(const QString& texto);
    // Data1 over the recorded answers of a model and command; txtComparador shows the first.
    void consultaDados(const QString& modelo, const QString& comando);
    void atualizaDispositivo();

    QPushButton* m_btBl1;
    QPushButton* m_btBl2;
    QPushButton* m_btTristar;
    QPushButton* m_btTigris;
    QPlainTextEdit* m_txtDadosCaixa;
    QPlainTextEdit* m_txtComparadorCaixa;
    QLabel* m_lblLabel0;
    QLabel* m_lblLabel4;
    QLabel* m_lbDispositivo;
    QLabel* m_lbStatusRotulo;
    QLabel* m_lbStatus2;
    QLabel* m_lbICRotulo;
    QLabel* m_lbVar;
    QLabel* m_lbAguarde;
    QLabel* m_ok0;
    QLabel* m_no0;
    QTimer* m_timerStatus;
    QTimer* m_timerAguarde;
    QSqlQueryModel* m_data1;

    QString m_txtDados;
    QString m_txtComparador;
    QString m_lbStatus;
    QString m_lbIC;
    int m_testeSelecionado = 0;
    QString m_nomeCI;
    int m_contadorStatus = 0;
};
