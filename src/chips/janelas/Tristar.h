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

    void traduz() override;

    void btExecutaLeitura_Click();

private:
    void LimpaLeituras() override;
    bool botaoIcDizHydra() const;

    QPushButton* m_btExecuta;
    DesenhoChip* m_desenho;
};
