#pragma once
#include "boardtests/janelas/JanelaTestePlaca.h"

class QPushButton;

// Additional tests: the device's two RAM self-tests (the long one shows its answer as it grows),
// the reference PDF on kernel panics, and the way to the battery window.
class Outros : public JanelaTestePlaca {
    Q_OBJECT
public:
    explicit Outros(GerenciadorJanelas& janelas);

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void espelha(const QString& codigo, const QString& R, const QString& A) override;
    void atualizaJanelaAberta() override;
    void traduz() override;

    void btBl_Click(int indice);
    void btBateria_Click();
    void btPanicFull_Click();
    void PrePesquisa() override;

private:
    void TraduzOutros();
    void avaliaResposta() override;

    QPushButton* m_btBl5;
    QPushButton* m_btBl6;
    QPushButton* m_btBateria;
    QPushButton* m_btPanicFull;
};
