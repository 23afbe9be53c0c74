#pragma once
#include "boardtests/janelas/JanelaTestePlaca.h"

class QPushButton;
class ProcedimentoOutros;

// Additional tests: the device's two RAM self-tests (the long one shows its answer as it grows),
// the reference PDF on kernel panics, and the way to the battery window.
class Outros : public JanelaTestePlaca {
    Q_OBJECT
public:
    explicit Outros(GerenciadorJanelas& janelas);

    void atualizaJanelaAberta() override;
    void traduz() override;

    void btBl_Click(int indice);
    void btBateria_Click();
    void btPanicFull_Click();
    void PrePesquisa() override;
    void esperaCancelada() override;

    // The reading behind the verdict on show (null before the first test).
    const ProcedimentoOutros* leitura() const { return m_leitura; }
    bool lendo() const;

private:
    void TraduzOutros();
    void leituraTerminou();
    QString comandoMostrado() const override;

    QPushButton* m_btBl5;
    QPushButton* m_btBl6;
    QPushButton* m_btBateria;
    QPushButton* m_btPanicFull;
    ProcedimentoOutros* m_leitura = nullptr;
};
