#pragma once
#include "ui/JanelaFilha.h"

#include <QList>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QTimer;

// RF tests: switches each of the five radios on or off, or asks for its properties, judges a
// switch-on from its answer (green or grey row) and shows the recorded answer of a reference
// board to the same command beside it.
class RFs : public JanelaFilha {
    Q_OBJECT
public:
    explicit RFs(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void traduz() override;
    void esperaCancelada() override;

    void btOn_Click(int indice);
    void btOff_Click(int indice);
    void btPropriedades_Click(int indice);
    void btComparador_Click();
    void btTensoesRF_Click();
    // Sends the switch-on command of RadioSelecionado.
    void PrePesquisa();
    // Judges the answer of a switch-on.
    void AvaliaRadio();

    // State read by the tests.
    QString txtDados() const { return m_txtDados; }
    QString txtComparador() const { return m_txtComparador; }
    QString lbStatius() const { return m_lbStatius; }
    // The background of a radio's row as the program writes colours ("&H0000FF00" ...).
    QString corFundo(int indice) const { return m_corFundo.value(indice); }

private:
    void TraduzRFs();
    void CentralizaRFs();
    void posiciona();
    void Timer1_Timer();
    void TimerBarra_Timer();
    void TimerAguarde_Timer();
    void MostraAguarde(bool comExclamacao);
    void liberaBotoes();
    void iniciaBarra();
    void defineTxtDados(const QString& texto);
    void defineLbStatius(const QString& texto);
    void defineCorFundo(int indice, const QString& cor);
    void consultaDados(const QString& modelo, const QString& comando);

    QList<QPushButton*> m_btOn;
    QList<QPushButton*> m_btOff;
    QList<QPushButton*> m_btPropriedades;
    QList<QLabel*> m_fundos;
    QList<QString> m_corFundo;
    QFrame* m_frameBotoes;
    QGroupBox* m_frame2;
    QPlainTextEdit* m_txtDadosCaixa;
    QLabel* m_lbStatiusRotulo;
    QLabel* m_lbStatus2;
    QLabel* m_ok0;
    QLabel* m_no0;
    QFrame* m_frameVCore;
    QFrame* m_progressBar;
    QLabel* m_barra;
    QLabel* m_lbInfoBarra;
    QGroupBox* m_frameComparador;
    QPlainTextEdit* m_txtComparadorCaixa;
    QPushButton* m_btComparador;
    QPushButton* m_btTensoesRF;
    QLabel* m_lbAguarde;
    QTimer* m_timer1;
    QTimer* m_timerBarra;
    QTimer* m_timerAguarde;
    QSqlQueryModel* m_data1;

    QString m_txtDados;
    QString m_txtComparador;
    QString m_lbStatius;
    int m_radioSelecionado = 0;
    int m_radioAtual = 0;
    int m_contadorRf = 0;
    int m_passoBarra = 1;
};
