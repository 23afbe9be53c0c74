#pragma once
#include "rails/Acompanhamento.h"
#include "ui/JanelaFilha.h"

#include <QList>

class AvisoRelatorio;
class QChart;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QListWidget;
class QPushButton;
class QScatterSeries;
class QAreaSeries;
class QTimer;
class QToolButton;
class QValueAxis;
class QGridLayout;

// The requester code the watch's exchanges go under.
inline const QString CodigoAcompanhar = QStringLiteral("20");

// "Acompanhar": up to four rails re-read live (Acompanhamento), one plot each with its band,
// the moments a reading left it, the achieved rate, pause/resume, clear, a time window and CSV
// export. The plots are redrawn at most a few times a second from the bounded series, so the
// window stays smooth however long it watches.
class Acompanhar : public JanelaFilha {
    Q_OBJECT
public:
    explicit Acompanhar(GerenciadorJanelas& janelas);
    ~Acompanhar() override;
    QSize sizeHint() const override;

    Acompanhamento& acompanhamento() const { return *m_acompanhamento; }
    // Adds the rail and starts watching; a refusal is said in a box. Returns the refusal ("" added).
    QString acompanha(VarianteGrade variante, int familia, const QString& nome);
    // The time window in minutes (0: everything kept).
    void defineJanelaTempo(int minutos);
    // Redraws the plots now (the window otherwise does it on its own timer).
    void redesenha();
    // Time the last redraw took, in nanoseconds.
    qint64 nsUltimoDesenho() const { return m_nsDesenho; }

    void traduz() override;
    void atualizaJanelaAberta() override; // the model changed: the picker lists its rails
    QAbstractButton* botaoLeitura() const override;   // F5: pause or resume
    QAbstractButton* botaoRelatorio() const override; // Ctrl+R: the CSV

private:
    struct Grafico {
        QWidget* quadro = nullptr;
        QLabel* titulo = nullptr;
        QToolButton* remove = nullptr;
        QChartView* vista = nullptr;
        QChart* chart = nullptr;
        QDateTimeAxis* eixoX = nullptr;
        QValueAxis* eixoY = nullptr;
        QAreaSeries* banda = nullptr;
        QLineSeries* bandaMin = nullptr;
        QLineSeries* bandaMax = nullptr;
        QScatterSeries* marcas = nullptr;
        QList<QLineSeries*> trechos; // one per stretch between gaps
    };

    void preencheEscolha();
    void adicionaEscolhida();
    void refazGraficos();
    void desenha(int indice, qint64 de, qint64 ate);
    void mostraEstado();
    void mostraTaxa(); // the readings a second, in the program's language
    void mostraMarca(const MarcaSaida& m);
    void alternaPausa();
    void exporta();
    void agendaDesenho();

    Acompanhamento* m_acompanhamento = nullptr;
    QComboBox* m_cbTrilha = nullptr;
    QPushButton* m_btAdicionar = nullptr;
    QLabel* m_lbEstado = nullptr;
    QLabel* m_lbTaxa = nullptr;
    QPushButton* m_btPausar = nullptr;
    QPushButton* m_btLimpar = nullptr;
    QLabel* m_lbJanelaTempo = nullptr;
    QComboBox* m_cbJanelaTempo = nullptr;
    QPushButton* m_btExportar = nullptr;
    AvisoRelatorio* m_aviso = nullptr;
    QWidget* m_areaGraficos = nullptr;
    QGridLayout* m_gradeGraficos = nullptr;
    QLabel* m_lbMarcas = nullptr;
    QListWidget* m_lstMarcas = nullptr;
    QList<Grafico> m_graficos;
    QTimer* m_desenho = nullptr;
    int m_minutos = 5;
    qint64 m_nsDesenho = 0;
};
