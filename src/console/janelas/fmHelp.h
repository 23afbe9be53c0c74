#pragma once
#include "ui/JanelaFilha.h"

class CaixaTexto;
class QLabel;
class QPushButton;

// The command help "Comandos Help": the recorded "Help" answer of the model; a double click
// on a command puts it into the console's command box.
class fmHelp : public JanelaFilha {
    Q_OBJECT
public:
    explicit fmHelp(GerenciadorJanelas& janelas);

    void defineTexto(const QString& texto);
    QString texto() const;
    void traduz() override;

    // What a double click at a position (0-based) of the shown text does.
    void escolheNaPosicao(int posicao);

private:
    void PosicionaHelp();
    void btAdd_Click();
    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

    CaixaTexto* m_txtConsole = nullptr;
    QLabel* m_lbClick = nullptr;
    QPushButton* m_btAdd = nullptr;
    CaixaTexto* m_txt2 = nullptr;
    bool m_posicionada = false;
};
