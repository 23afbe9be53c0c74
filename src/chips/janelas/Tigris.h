#pragma once
#include "chips/janelas/JanelaChip.h"

class QPushButton;
class DesenhoChip;

// The Tigris charger reader: "pmuadc --sel tigris --read all" beside a drawing of the chip,
// VBUS and VBAT graded, the raw answer next to the recorded one.
class Tigris : public JanelaChip {
    Q_OBJECT
public:
    explicit Tigris(GerenciadorJanelas& janelas);

    void traduz() override;

    void btExecutaLeitura_Click();
    void btLog_Click();

private:
    void LimpaLeituras() override;
    void leituraMostrada() override;
    void defineLargura(int twips);

    QPushButton* m_btExecuta;
    QPushButton* m_btLog;
};
