#pragma once
#include "chips/janelas/JanelaChip.h"

class QPushButton;
class ProcedimentoChestnut;

// The Chestnut display power reader: eleven channels, five rails graded, the touch
// controller switched off and on, and the report page of the reading.
class Chestnut : public JanelaChip {
    Q_OBJECT
public:
    explicit Chestnut(GerenciadorJanelas& janelas);

    void traduz() override;

    void btExecutaLeitura_Click();
    void btLog_Click();
    void btTouch_Click();
    void btExportar_Click();
    // The touch controller was switched in this opening (by the technician or by the reading).
    bool ToqueAcionado() const;

private:
    void LimpaLeituras() override;
    void leituraMostrada() override;
    void recusado() override;
    void defineLargura(int twips);

    QPushButton* m_btExecuta;
    QPushButton* m_btLog;
    QPushButton* m_btTouch;
    QPushButton* m_btExportar;
    ProcedimentoChestnut* m_chestnut;
};
