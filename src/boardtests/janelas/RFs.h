#pragma once
#include "boardtests/janelas/JanelaTestePlaca.h"

#include <QList>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class ProcedimentoRf;

// RF tests: switches each of the five radios on or off, or asks for its properties, judges a
// switch-on from its answer (green or grey row) and shows the recorded answer of a reference
// board to the same command beside it.
class RFs : public JanelaTestePlaca {
    Q_OBJECT
public:
    explicit RFs(GerenciadorJanelas& janelas);

    void traduz() override;
    void esperaCancelada() override;

    void btOn_Click(int indice);
    void btOff_Click(int indice);
    void btPropriedades_Click(int indice);
    void btComparador_Click();
    void btTensoesRF_Click();
    // Sends the switch-on command of RadioSelecionado.
    void PrePesquisa() override;
    // The reading behind what the window shows (null before the first command).
    const ProcedimentoRf* leitura() const { return m_leitura; }
    bool lendo() const;

    // State read by the tests.
    QString lbStatius() const { return lbStatus(); }
    // The background of a radio's row as the program writes colours ("&H0000FF00" ...).
    QString corFundo(int indice) const { return m_corFundo.value(indice); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void TraduzRFs();
    // Starts the reading of a radio; false when nothing went out.
    bool iniciaLeitura(int indice, int acao);
    void leituraTerminou();
    QString comandoMostrado() const override;
    void MostraAguarde(bool comExclamacao);
    void liberaBotoes();
    // A switch-off or properties command may go: the link is idle and the radio is the model's
    // (otherwise the wait text or the refusal message).
    bool podeEnviar(int indice);
    // A switch-off or properties command (ProcedimentoRf::Acao): the last result cleared, the
    // reading started.
    void enviaComando(int indice, int acao);
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
    ProcedimentoRf* m_leitura = nullptr;

    int m_radioSelecionado = 0;
    int m_radioAtual = 0;
};
