#pragma once
#include "diagnostico/ModeloHistorico.h"
#include "ui/JanelaFilha.h"

#include <QPointer>
#include <QThread>
#include <atomic>
#include <memory>
#include <optional>

class AvisoRelatorio;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;
class QTabWidget;
class QTreeWidget;

// "Histórico": every run kept in the history folder, newest first, filtered by label, model,
// period and verdict. For the chosen run: its page, a comparison with another run of the same
// board, one rail's reading over the board's runs against its band; per model, the faults that
// failed most often in the period. The filtered list exports as CSV beside the reports.
class JanelaHistorico : public JanelaFilha {
    Q_OBJECT
public:
    explicit JanelaHistorico(GerenciadorJanelas& janelas);
    // A reading still under way gives up at its next file and is waited for.
    ~JanelaHistorico() override;
    QSize sizeHint() const override;
    void traduz() override;

    // Reads the history folder again, away from the window's thread (ten thousand runs of a
    // whole board take seconds); the list shows what it had until then. The window reads it
    // when it opens.
    void recarrega();
    bool lendo() const { return m_lendo; }
    // The folder read: "historico" in the reports folder unless a test sets another.
    void definePasta(const QString& pasta);

    const FiltroHistorico& filtro() const { return *m_filtro; }
    // Selects the run on this row of the list (as a click does).
    void seleciona(int linhaFiltro);
    // The run selected, if any.
    std::optional<LinhaHistorico> selecionada() const;
    // The page of the selected run, opened (written again from the kept run when the page is
    // gone). The file opened, "" when nothing was.
    QString abrePagina();
    // The filtered list written as CSV beside the reports; its path, "" when it failed (said).
    QString exportaCsv();
    // What the charts show (for the tests).
    QList<ContagemFalha> falhasDoGrafico() const { return m_falhasGrafico; }
    QList<PontoTrilha> pontosDaTrilha() const { return m_pontosTrilha; }

signals:
    // The folder was read and the list shows it.
    void lido();

private:
    void mostraHistorico(Historico h);
    void mostraDanificados();
    void filtra();
    // "3 de 120 execuções", and the damaged files' count.
    void mostraTotal();
    void selecaoMudou();
    void mostraComparacao();
    void mostraTrilha();
    void mostraFalhas();
    void preencheCombos();
    // "Últimos 7 dias"... as a start; invalid for every date.
    QDateTime inicioDoPeriodo() const;

    QString m_pasta;
    int m_leitura = 0; // the reading whose result the list will show
    bool m_lendo = false;
    std::shared_ptr<std::atomic_bool> m_desistir; // of the reading under way
    QPointer<QThread> m_leitor;
    ModeloHistorico* m_modelo = nullptr;
    FiltroHistorico* m_filtro = nullptr;
    QList<std::pair<LinhaHistorico, ExecucaoDiagnostico>> m_placa; // the selected board's runs
    int m_naPlaca = -1; // the selected run among them
    QList<ContagemFalha> m_falhasGrafico;
    QList<PontoTrilha> m_pontosTrilha;

    QLabel *m_lbEtiqueta = nullptr, *m_lbModelo = nullptr, *m_lbPeriodo = nullptr, *m_lbVeredito = nullptr;
    QLineEdit* m_edEtiqueta = nullptr;
    QComboBox *m_cbModelo = nullptr, *m_cbPeriodo = nullptr, *m_cbVeredito = nullptr;
    QLabel* m_lbTotal = nullptr;
    QPushButton *m_btPagina = nullptr, *m_btCsv = nullptr, *m_btRecarregar = nullptr;
    QLabel* m_lbDanificados = nullptr;
    QListWidget* m_lstDanificados = nullptr;
    QTableView* m_tabela = nullptr;
    QTabWidget* m_abas = nullptr;
    QLabel* m_lbComparar = nullptr;
    QComboBox* m_cbComparar = nullptr;
    QTreeWidget* m_arvComparacao = nullptr;
    QLabel* m_lbTrilha = nullptr;
    QComboBox* m_cbTrilha = nullptr;
    QChartView* m_grTrilha = nullptr;
    QLabel* m_lbFalhas = nullptr;
    QChartView* m_grFalhas = nullptr;
    AvisoRelatorio* m_aviso = nullptr;
};
