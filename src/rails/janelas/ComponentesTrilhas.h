#pragma once
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QString>

class QTimer;

// Pieces the four rail windows share: the moving progress panel, the purple-mode note with its
// highlight, and the small pass / fail / plain icons.

// FrameVCore: lbGrade ("Realizando Leitura..."), the track ProgressBar and the label Barra that
// grows by one fiftieth of the track on every tick of TimerBarra (50 ms) and starts again.
class PainelProgresso : public QFrame {
    Q_OBJECT
public:
    explicit PainelProgresso(QWidget* pai = nullptr);
    void inicia();  // shown, Barra width 1, TimerBarra running
    void para();    // hidden, TimerBarra stopped
    void traduz();
    QTimer* timerBarra() const { return m_timerBarra; }
    QLabel* barra() const { return m_barra; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void avanca();
    QLabel* m_lbGrade;
    QFrame* m_trilho;
    QLabel* m_barra;
    QTimer* m_timerBarra;
    int m_passo = 1;
};

// lbVar: after a grading the note is highlighted (opaque, a blank added at each end) and
// TimerIndicaVar (1500 ms) later makes it plain again.
class NotaVar : public QLabel {
    Q_OBJECT
public:
    explicit NotaVar(QWidget* pai = nullptr);
    void destaca();
    bool destacada() const { return m_destacada; }
    QTimer* timerIndicaVar() const { return m_timer; }

private:
    void apaga();
    QTimer* m_timer;
    bool m_destacada = false;
};

// Icons of the result lists and marks: 1 pass, 2 fail, 3 plain reading.
QIcon IconeResultado(int indice);
// The OK / NO mark images of the PMU lines.
QPixmap ImagemMarca(bool ok, int lado = 18);
