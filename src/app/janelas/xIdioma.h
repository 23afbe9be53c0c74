#pragma once
#include <QDialog>
#include <functional>

class GerenciadorJanelas;
class QGroupBox;
class QLabel;
class QPushButton;

// The language window: three buttons, one per language, and a bar behind the current one.
// Windows take their texts when they load, so choosing a language closes the open child
// windows; they come back in the new language when opened again.
class xIdioma : public QDialog {
    Q_OBJECT
public:
    // traduzPrincipal re-captions the main window after a choice.
    xIdioma(GerenciadorJanelas& janelas, QWidget* principal, std::function<void()> traduzPrincipal = {});

    // The child windows closed by a language choice, in the order they are closed.
    static const QStringList& ordemFechamento();

    void escolhe(int idioma); // what button btIdioma(idioma) does

signals:
    // A language was chosen: what shows the old one's texts and is not a child window (the
    // tips) may go before the change.
    void idiomaVaiMudar();

private:
    void traduz();
    void MarcaIdioma();
    void CentralizaIdioma();

    GerenciadorJanelas& m_janelas;
    QWidget* m_principal;
    std::function<void()> m_traduzPrincipal;
    QGroupBox* m_frame1;
    QLabel* m_lbFundoIdioma;
    QPushButton* m_botoes[4] = {};
};
