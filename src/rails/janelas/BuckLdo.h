#pragma once
#include "rails/janelas/JanelaGradeTrilhas.h"

class QFrame;
class QPushButton;

// The buck outputs (family 2) or the LDO outputs (family 1) of the connected model, read with
// one "pmuadc --read all", graded and shown in a grid like the VCore window. Opens the buck
// check and the PMU windows.
class BuckLdo : public JanelaGradeTrilhas {
    Q_OBJECT
public:
    explicit BuckLdo(GerenciadorJanelas& janelas);

    // 1 BUCK, 2 LDO.
    int escolha() const { return m_escolha; }
    void SelecionaTipo();
    void PrePesquisa() override;
    void ExecutaPesquisa();
    void LimpaLeiturasExterno() override;
    QAbstractButton* botaoLeitura() const override; // the family on show

    void atualizaJanelaAberta() override;
    void traduz() override;
    QSize sizeHint() const override;

    // "Buck & Ldo - " + model + two blanks + number + " - Vexador Tarrim".
    QString legenda() const;

protected:
    ConsultaMaster consultaDoRefresh() const override;
    void aoRefrescar() override;
    void antesDeEnviar() override;

private:
    void familiaEscolhida(int escolha);
    int m_escolha = 1;
    QPushButton* m_botao[4] = {};
    QFrame* m_frameSelecoes = nullptr;
    QFrame* m_frameVar = nullptr;
};
