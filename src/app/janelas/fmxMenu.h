#pragma once
#include <QFrame>

class GerenciadorJanelas;
class QLabel;

// The drop-down sub-menu under the Buck / Ldo, RF and Display buttons of the main window.
// It lives on the main window's background, at top 0 under the button it belongs to.
class fmxMenu : public QFrame {
    Q_OBJECT
public:
    fmxMenu(GerenciadorJanelas& janelas, QWidget* pai);

    // Kind 0: "Buck Test" and "PMU"; kind 1: the display supply chip (lbInfo(0), "Chestnut"
    // or "Acorn"); kind 2: the RF reference values.
    void ExibirMenu(int tipo);
    // The caption of the kind-1 entry; set before ExibirMenu(1).
    void defineChipDisplay(const QString& rotulo);

    void clicaEntrada(int indice); // what a click on btMenu(indice) does
    void traduz();

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    QLabel* criaEntrada(QWidget* painel, int indice, const QString& legenda);

    GerenciadorJanelas& m_janelas;
    QFrame* m_frameMenu[3] = {};
    QFrame* m_frameBaixo = nullptr;
    QLabel* m_btMenu[4] = {};
    QLabel* m_lbInfo0 = nullptr;
    QLabel* m_lbInfo2 = nullptr;
};
