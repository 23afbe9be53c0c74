#pragma once
#include "chips/janelas/JanelaChip.h"

class QPushButton;
class DesenhoChip;

// The Tristar / Hydra reader: three rails of the port controller out of "pmuadc --read all",
// rail 1's current watched for an over-current.
class Tristar : public JanelaChip {
    Q_OBJECT
public:
    explicit Tristar(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void traduz() override;
    void esperaCancelada() override;

    void btExecutaLeitura_Click();
    void PrePesquisa();
    void CarregaDados();

private:
    void LimpaLeituras() override;
    bool botaoIcDizHydra() const;

    QPushButton* m_btExecuta;
    DesenhoChip* m_desenho;
};
