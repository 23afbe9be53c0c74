#pragma once
#include "chips/janelas/JanelaChip.h"

class QPushButton;
class QTimer;

// The Chestnut display power reader: eleven channels, five rails graded, the touch
// controller switched off and on, and the report page of the reading.
class Chestnut : public JanelaChip {
    Q_OBJECT
public:
    explicit Chestnut(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void traduz() override;
    void esperaCancelada() override;

    void btExecutaLeitura_Click();
    void btLog_Click();
    void btTouch_Click();
    void btExportar_Click();
    void PrePesquisa();
    void CarregaDados();
    bool ToqueAcionado() const { return m_toqueAcionado; }

private:
    void LimpaLeituras() override;
    void defineLargura(int twips);
    void Timer1_Timer();
    void TimerTouch_Timer();
    bool ocioso() const;

    QPushButton* m_btExecuta;
    QPushButton* m_btLog;
    QPushButton* m_btTouch;
    QPushButton* m_btExportar;
    QTimer* m_timer1;
    QTimer* m_timerTouch;
    bool m_toqueAcionado = false;
};
