#pragma once
#include "ui/JanelaFilha.h"

#include <QList>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTimer;

// Display tests: backlight on, off and through its levels, a backlight percentage from the
// slider, the screen filled with a colour and a text, the display mode, and the display power
// readers (Chestnut, or Acorn on "IP X"). The results show on the phone; the window shows the
// device's answer and a note to watch the screen.
class Displays : public JanelaFilha {
    Q_OBJECT
public:
    explicit Displays(GerenciadorJanelas& janelas);

    void atualizaJanelaAberta() override;
    void traduz() override;

    void btBl_Click(int indice);
    void Slider1_MouseUp();
    void Cor_Click(const QString& nome);
    // Prepares a colour test; true when the command may go out.
    bool PreparaTesteCor();
    // Applies the model-dependent button set.
    void AplicaConjuntoBotoes();

    QString txtDados() const { return m_txtDados; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    // True while a command's answer is awaited.
    bool lendo() const;

private:
    // Sends a command of the window's own; false when the link refused it.
    bool envia(const QString& comando);
    void TraduzDisplays();
    void CentralizaDisplays();
    void MostraAguarde();
    void TimerAguarde_Timer();
    void defineTxtDados(const QString& texto);
    QString hora() const;

    QList<QPushButton*> m_btBl;
    QList<QLabel*> m_cores;
    QGroupBox* m_frameCores;
    QLineEdit* m_txtTextoCores;
    QSlider* m_slider1;
    QTimer* m_timerNivel; // a level set by the wheel or the keys is sent when it settles
    bool m_botaoNoSlider = false;  // a mouse button is down on the slider
    int m_nivelAoTocar = 0;        // the level when the button went down on the slider
    QLabel* m_lbInfoLevel;
    QLabel* m_lbNivel;
    QLabel* m_lblLabel0;
    QPlainTextEdit* m_txtDadosCaixa;
    QLabel* m_lbAguarde;
    QTimer* m_timerAguarde;

    QString m_txtDados;
    class ProcedimentoDisplay* m_leitura = nullptr;
};
