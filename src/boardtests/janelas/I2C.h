#pragma once
#include "ui/JanelaFilha.h"

#include <QString>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class ProcedimentoI2c;

// I2C bus test: scans one bus ("i2c -s n") or every available bus of the model in turn, and
// reports each device the reference database expects on the bus as answering or not.
class I2C : public JanelaFilha {
    Q_OBJECT
public:
    explicit I2C(GerenciadorJanelas& janelas);

    // The data role of an automatic-test row that holds its device's item name
    // ("I2C <bus> <id> <description>"); Qt::UserRole holds its verdict's word.
    static constexpr int PapelNomeItem = Qt::UserRole + 1;

    void atualizaJanelaAberta() override;
    void traduz() override;
    void esperaCancelada() override;

    // Lays out the bus buttons for the current model.
    void OcultaBotoes();

    void btI2C_Click(int indice);
    void btAutoTeste_Click();
    void btPdf_Click();

    // State read by the tests.
    QString txtDados() const { return m_txtDados; }
    QString txtDadosI2C() const { return m_txtDadosI2C; }
    QString lbResultado() const { return m_lbResultado; }
    int barramentoSelecionado() const { return m_barramentoSelecionado; }
    int barramentoAtual() const { return m_barramentoAtual; }
    int indiceAuto() const { return m_indiceAuto; }
    bool modoAuto() const { return m_modoAuto; }
    // True while a scan is asked or its answer awaited.
    bool lendo() const;
    // The reading behind what the window shows (null before the first).
    const ProcedimentoI2c* leitura() const { return m_leitura; }

private:
    // Starts the reading of these buses (one for a bus button, the model's for the automatic test).
    void iniciaLeitura(const QList<int>& barramentos);
    void ouveLeitura();
    void barramentoEnviado();
    void AvaliaBarramento();
    void leituraTerminou();
    // The automatic test goes on after a bus whose answer will not come.
    void continuaAutoTeste();
    // The automatic test stops: the buttons and the bar as when idle.
    void paraAutoTeste();
    void interrompeAutoTeste();
    void IniciaAutoTeste();
    void FinalizaAutoTeste();
    void TimerBarra_Timer();
    void TimerAguarde_Timer();
    void TraduzI2C();
    void defineTxtDados(const QString& texto);
    void defineTxtDadosI2C(const QString& texto);
    void defineLbResultado(const QString& texto);
    void mostraAguarde(const QString& texto);
    void paraBarra();
    void mostraSemFalhas();
    void posicionaIndicadores();
    void atualizaLegendaFrame();

    std::array<QPushButton*, 8> m_btI2C{};
    QPushButton* m_btAutoTeste;
    QPushButton* m_btPdf;
    QLabel* m_lbDispositivo;
    QFrame* m_frameI;
    QGroupBox* m_frameI2C;
    QLabel* m_lbResultadoRotulo;
    std::array<QLabel*, 6> m_ok{};
    std::array<QLabel*, 5> m_no{};
    QFrame* m_frameResultadoOK;
    QLabel* m_lbSemFalhas;
    QLabel* m_lbFalhas;
    QPlainTextEdit* m_txtDadosI2CCaixa;
    QGroupBox* m_frameAutoI2C;
    QListWidget* m_listView;
    QLabel* m_lbDispConectado;
    QPlainTextEdit* m_txtDadosCaixa;
    QFrame* m_progressBar;
    QLabel* m_barra;
    QLabel* m_lbAguarde;
    ProcedimentoI2c* m_leitura = nullptr;
    QTimer* m_timerBarra;
    QTimer* m_timerAguarde;

    QString m_txtDados;
    QString m_txtDadosI2C;
    QString m_lbResultado;
    int m_barramentoSelecionado = 0;
    int m_barramentoAtual = 0;
    int m_indiceAuto = 0;
    bool m_modoAuto = false;
    int m_indiceFinalAuto = 0; // IndiceAuto once the automatic test has gone through its buses
    int m_passoBarra = 1;
};
