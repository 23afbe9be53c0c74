#pragma once
#include "ui/JanelaFilha.h"

#include <QString>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QTimer;

// Additional tests: the device's two RAM self-tests (the long one shows its answer as it grows),
// the reference PDF on kernel panics, and the way to the battery window.
class Outros : public JanelaFilha {
    Q_OBJECT
public:
    explicit Outros(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void espelha(const QString& codigo, const QString& R, const QString& A) override;
    void atualizaJanelaAberta() override;
    void traduz() override;
    void esperaCancelada() override;

    void btBl_Click(int indice);
    void btBateria_Click();
    void btPanicFull_Click();
    // Sends the command of TesteSelecionado (when the link is idle).
    void PrePesquisa();

    // State read by the tests.
    QString txtDados() const { return m_txtDados; }
    QString txtComparador() const { return m_txtComparador; }
    QString lbStatus() const { return m_lbStatus; }
    QString lbIC() const { return m_lbIC; }
    int contadorStatus() const { return m_contadorStatus; }

private:
    void TraduzOutros();
    void CentralizaOutros();
    void TimerStatus_Timer();
    void TimerBarra_Timer();
    void TimerAguarde_Timer();
    void paraBarra();
    void defineTxtDados(const QString& texto);
    void defineLbStatus(const QString& texto);
    void defineLbIC(const QString& texto);
    void consultaDados(const QString& modelo, const QString& comando);
    void atualizaDispositivo();

    QPushButton* m_btBl5;
    QPushButton* m_btBl6;
    QPushButton* m_btBateria;
    QPushButton* m_btPanicFull;
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
    QFrame* m_progressBar;
    QLabel* m_barra;
    QTimer* m_timerStatus;
    QTimer* m_timerBarra;
    QTimer* m_timerAguarde;
    QSqlQueryModel* m_data1;

    QString m_txtDados;
    QString m_txtComparador;
    QString m_lbStatus;
    QString m_lbIC;
    int m_testeSelecionado = 0;
    QString m_nomeCI;
    int m_contadorStatus = 0;
    int m_passoBarra = 1;
};
