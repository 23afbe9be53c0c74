#pragma once
#include "boardtests/janelas/JanelaTestePlaca.h"

#include <QList>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

// RF tests: switches each of the five radios on or off, or asks for its properties, judges a
// switch-on from its answer (green or grey row) and shows the recorded answer of a reference
// board to the same command beside it.
class RFs : public JanelaTestePlaca {
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
    void PrePesquisa() override;
    // Judges the answer of a switch-on.
    void AvaliaRadio();

    // State read by the tests.
    QString lbStatius() const { return lbStatus(); }
    // The background of a radio's row as the program writes colours ("&H0000FF00" ...).
    QString corFundo(int indice) const { return m_corFundo.value(indice); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void TraduzRFs();
    void Timer1_Timer();
    void MostraAguarde(bool comExclamacao);
    void liberaBotoes();
    // A switch-off or properties command may go: the link is idle and the radio is the model's
    // (otherwise the wait text or the refusal message).
    bool podeEnviar(int indice);
    // A switch-off or properties command: the last result cleared, the command sent.
    void enviaComando(int indice, const QString& comando);
    void defineCorFundo(int indice, const QString& cor);
    // The radio rows at `passo` twips from each other, each `altura` twips high.
    void colocaLinhasRadio(int passo, int altura);

    QList<QPushButton*> m_btOn;
    QList<QPushButton*> m_btOff;
    QList<QPushButton*> m_btPropriedades;
    QList<QLabel*> m_fundos;
    QList<QLabel*> m_nomesRadio;
    QList<QString> m_corFundo;
    QFrame* m_frameBotoes;
    QGroupBox* m_frame2;
    QLabel* m_lbInfoBarra;
    QGroupBox* m_frameComparador;
    QPushButton* m_btComparador;
    QPushButton* m_btTensoesRF;
    QTimer* m_timer1;

    int m_radioSelecionado = 0;
    int m_radioAtual = 0;
    int m_contadorRf = 0;
};
