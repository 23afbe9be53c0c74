#pragma once
#include "rails/janelas/JanelaGradeTrilhas.h"

class QComboBox;
class QPushButton;
class QToolButton;

// The core-voltage rails (family 0) of the connected model: one "pmuadc --read all", graded
// and shown in the grid, narrowed by IC, ordered, recorded, reported.
class VCores : public JanelaGradeTrilhas {
    Q_OBJECT
public:
    explicit VCores(GerenciadorJanelas& janelas);

    void PrePesquisa() override;
    void ExecutaPesquisa();
    void LimpaLeiturasExterno() override;

    void atualizaJanelaAberta() override;
    void traduz() override;
    QSize sizeHint() const override;

    // "VCore - " + model + two blanks + number + " - Vexador Tarrim".
    QString legenda() const;

public slots:
    // The main window gives the read button back when the link connects.
    void habilitaLeitura();

protected:
    bool podeAgir() const override;
    ConsultaMaster consultaDoRefresh() const override;
    void aoGraduar() override;
    void aoTerminar() override;
    void aoRefrescar() override;
    void antesDeEnviar() override;

private:
    ConsultaMaster consultaFiltrada(bool comIcAntesDoTipo) const;
    void leituraPedida();
    QPushButton* m_btExecutaLeitura = nullptr;
    QToolButton* m_picture1 = nullptr;
    QComboBox* m_cbICs = nullptr;
};
