#pragma once
#include "chips/janelas/JanelaChip.h"

class QPushButton;

// The Acorn reader of the "IP X" board: sixteen channels of "pmuadc --read all", seven rails
// graded, one indicator for the whole chip, and the report page of the reading.
class Acorn : public JanelaChip {
    Q_OBJECT
public:
    explicit Acorn(GerenciadorJanelas& janelas);

    void traduz() override;

    void btExecutaLeitura_Click();
    void btExportar_Click();

private:
    void LimpaLeituras() override;
    void recusado() override;

    QPushButton* m_btExecuta;
    QPushButton* m_btExportar;
};
