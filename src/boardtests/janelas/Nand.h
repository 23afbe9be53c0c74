#pragma once
#include "ui/JanelaFilha.h"

#include <QString>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// NAND tests: unique id, size, information block and the full system-configuration read,
// each judged as communicating or not; the size class is read once when the window opens.
class Nand : public JanelaFilha {
    Q_OBJECT
public:
    explicit Nand(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void espelha(const QString& codigo, const QString& R, const QString& A) override;
    void traduz() override;
    void esperaCancelada() override;

    void btBl_Click(int indice);
    void btPdf_Click();
    // Sends the command of FuncaoNand with code "4" (when the link is idle).
    void PrePesquisa();

    // State read by the tests.
    QString txtDados() const { return m_txtDados; }
    QString lbNand() const { return m_lbNand; }
    QString lbStatus() const { return m_lbStatus; }
    int funcaoNand() const { return m_funcaoNand; }

private:
    void TimerStatus_Timer();
    void TimerTamanho_Timer();
    void TimerBarra_Timer();
    void TimerAguarde_Timer();
    void ParaBarra();
    void TraduzNand();
    void abreTensoesNand();
    void veredicto(bool ok);
    void defineTxtDados(const QString& texto);
    void defineLbNand(const QString& texto);
    void defineLbStatus(const QString& texto);

    std::array<QPushButton*, 5> m_btBl{};
    QPushButton* m_btPdf;
    QGroupBox* m_frame2;
    QPlainTextEdit* m_txtDadosCaixa;
    QLabel* m_lbNandRotulo;
    QLabel* m_lbStatusRotulo;
    QLabel* m_lbStatus2;
    QLabel* m_ok0;
    QLabel* m_no0;
    QFrame* m_progressBar;
    QLabel* m_barra;
    QLabel* m_lbAguarde;
    QTimer* m_timerBarra;
    QTimer* m_timerStatus;
    QTimer* m_timerTamanho;
    QTimer* m_timerAguarde;

    QString m_txtDados;
    QString m_lbNand;
    QString m_lbStatus;
    int m_funcaoNand = 0;
    int m_contadorNand = 1;
    int m_passoBarra = 1;
};
