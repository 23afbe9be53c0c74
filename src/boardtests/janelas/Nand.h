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
class ProcedimentoNand;

// NAND tests: unique id, size, information block and the full system-configuration read,
// each judged as communicating or not; the size class is read once when the window opens.
class Nand : public JanelaFilha {
    Q_OBJECT
public:
    explicit Nand(GerenciadorJanelas& janelas);

    void traduz() override;
    void esperaCancelada() override;

    void btBl_Click(int indice);
    void btPdf_Click();
    // Reads FuncaoNand (when the link is idle).
    void PrePesquisa();

    // State read by the tests.
    QString txtDados() const { return m_txtDados; }
    QString lbNand() const { return m_lbNand; }
    QString lbStatus() const { return m_lbStatus; }
    int funcaoNand() const { return m_funcaoNand; }
    // True while a reading (the size at load, or a function) awaits its answer.
    bool lendo() const;
    // The reading behind the verdict on show (null before the first function).
    const ProcedimentoNand* leitura() const { return m_leitura; }

private:
    void leituraTerminou();
    void tamanhoLido();
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
    ProcedimentoNand* m_leitura = nullptr; // the function buttons'
    ProcedimentoNand* m_tamanho = nullptr; // the size read once at load
    QTimer* m_timerAguarde;

    QString m_txtDados;
    QString m_lbNand;
    QString m_lbStatus;
    int m_funcaoNand = 0;
};
