#pragma once
#include "chips/janelas/JanelaChip.h"

class QPushButton;

// The Acorn reader of the "IP X" board: sixteen channels of "pmuadc --read all", seven rails
// graded, one indicator for the whole chip, and the report page of the reading.
class QGridLayout;

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
    bool leiturasLadoALado() const override { return true; }
    void dispoeLeituras(bool ladoALado) override;
    void assentaLeituras(bool ladoALado); // lays the grid whatever it held

    // The readings' grid and what it holds, laid again when the frame changes its form.
    struct LinhaTensao {
        QWidget* nome;
        QWidget* valor;
        QWidget* desvio; // none for the first two rails
        QWidget* ok;
        QWidget* no; // none for GND
    };
    QGridLayout* m_leituras = nullptr;
    QList<LinhaTensao> m_tensoes;
    QList<QWidget*> m_cabecalho;        // "V" and "%"
    QList<QWidget*> m_cabecalhoSegundo; // the same over the second half, side by side
    QList<QPair<QWidget*, QWidget*>> m_outras; // TEMP and the currents: name, value
    QLayout* m_chip = nullptr;
    QWidget* m_nota = nullptr;
    bool m_ladoALado = false;

    QPushButton* m_btExecuta;
    QPushButton* m_btExportar;
};
