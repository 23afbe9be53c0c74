#pragma once
#include "boardtests/janelas/JanelaTestePlaca.h"

class QPushButton;
class ProcedimentoIc;

// IC communication test: reads the port controller (TRISTAR, or HYDRA on the newer models)
// and grades the answer by its length; shows the recorded answer of a reference board beside
// it and opens the voltage readers of that chip and of the charger.
class IC : public JanelaTestePlaca {
    Q_OBJECT
public:
    explicit IC(GerenciadorJanelas& janelas);

    void atualizaJanelaAberta() override;
    void traduz() override;

    void btBl_Click(int indice);
    void btTristar_Click();
    void btTigris_Click();
    void PrePesquisa() override;
    void esperaCancelada() override;

    // The reading behind the verdict on show (null before the first test).
    const ProcedimentoIc* leitura() const { return m_leitura; }
    bool lendo() const;

private:
    void TraduzIC();
    void leituraTerminou();
    QString comandoMostrado() const override;

    QPushButton* m_btBl1;
    QPushButton* m_btBl2;
    QPushButton* m_btTristar;
    QPushButton* m_btTigris;
    ProcedimentoIc* m_leitura = nullptr;
};
