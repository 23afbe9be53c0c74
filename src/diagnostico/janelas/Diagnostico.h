#pragma once
#include "diagnostico/ExecutorDiagnostico.h"
#include "ui/JanelaFilha.h"

#include <QPointer>

class AvisoRelatorio;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;


// The whole-board diagnosis panel: the steps of the model with each one's verdict as it ends,
// a progress bar and Cancel; at the end, where the page was saved.
class Diagnostico : public JanelaFilha {
    Q_OBJECT
public:
    // Room for the steps of the largest model without scrolling.
    QSize sizeHint() const override;
    explicit Diagnostico(GerenciadorJanelas& janelas);
    ~Diagnostico() override;

    // The main window's action: asks the board label (prefilled with the last one; Cancel:
    // nothing happens), shows the panel and starts a run unless one is running.
    static Diagnostico* abre(GerenciadorJanelas& janelas);
    // The last label typed in this session ("" before the first run).
    static QString etiquetaDaSessao();

    void inicia(const QString& etiqueta);
    ExecutorDiagnostico* executor() const { return m_executor; }
    void traduz() override;

private:
    void passoIniciado(int indice);
    void passoTerminado(int indice, const ResultadoPasso& r);
    void terminou();
    void cancela();
    // The row of a step and the run's verdict line, as the run stands, in the current language.
    void mostraPasso(int indice);
    void mostraEstado();

    QPointer<ExecutorDiagnostico> m_executor;
    QPointer<ExecutorDiagnostico> m_anterior; // the run before, still readable; older ones are freed
    QLabel* m_lbPlaca = nullptr;
    QListWidget* m_lstPassos = nullptr;
    QProgressBar* m_barra = nullptr;
    QLabel* m_lbEstado = nullptr;
    QPushButton* m_btCancelar = nullptr;
    AvisoRelatorio* m_aviso = nullptr;
    bool m_cancelando = false; // Cancel given, the link still draining the answer given up
};
