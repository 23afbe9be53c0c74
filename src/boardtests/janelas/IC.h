#pragma once
#include "boardtests/janelas/JanelaTestePlaca.h"

class QPushButton;

// IC communication test: reads the port controller (TRISTAR, or HYDRA on the newer models)
// and grades the answer by its length; shows the recorded answer of a reference board beside
// it and opens the voltage readers of that chip and of the charger.
class IC : public JanelaTestePlaca {
    Q_OBJECT
public:
    explicit IC(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void buscaDadosGravados() override;
    void atualizaJanelaAberta() override;
    void traduz() override;

    void btBl_Click(int indice);
    void btTristar_Click();
    void btTigris_Click();
    void PrePesquisa() override;

private:
    void TraduzIC();
    void avaliaResposta() override;

    QPushButton* m_btBl1;
    QPushButton* m_btBl2;
    QPushButton* m_btTristar;
    QPushButton* m_btTigris;
};
