#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

#include "diagnostico/PassosDiagnostico.h"
#include "diagnostico/ResultadoDiagnostico.h"
#include "reports/ArquivoRelatorio.h"

class Procedimento;
class Sessao;

// Runs the steps of a model one after the other, each by its family's procedure (the one its
// window runs), and at the end stores the run in the board's history and publishes its page.
// Cancel gives up the exchange in flight and stops at once (the link drains the rest of its
// answer); a lost link ends the run with what was gathered. Either way the page and the history get the partial run.
class ExecutorDiagnostico : public QObject {
    Q_OBJECT
public:
    // The steps' references are read from `dados`.
    ExecutorDiagnostico(Sessao& sessao, const LocalDados& dados, const QString& etiqueta, QObject* pai = nullptr);
    ~ExecutorDiagnostico() override;

    const QList<PassoDiagnostico>& passos() const { return m_passos; }
    void inicia();
    // Gives up the exchange in flight and stops now; `motivo` is why (default: the technician's
    // Cancel).
    void cancela(const QString& motivo = QString());
    // Stops once the exchange in flight has been answered and graded (an interrupted command
    // line): that step counts, the following ones are not run.
    void paraAposPasso(const QString& motivo);
    // Without the page (a script that wants only the result and the history); on by default.
    void defineEscrevePagina(bool escreve) { m_escrevePagina = escreve; }
    bool rodando() const { return m_rodando; }

    const ExecucaoDiagnostico& execucao() const { return m_execucao; }
    const std::optional<ExecucaoDiagnostico>& anterior() const { return m_anterior; }
    const RelatorioPublicado& relatorio() const { return m_relatorio; }
    // The history file that could not be written and why ("<file>\n<reason>"), "" when stored.
    QString erroHistorico() const { return m_erroHistorico; }
    // Where a damaged history file of this board was set aside, "" when there was none.
    QString historicoDanificado() const { return m_historicoDanificado; }
    // What the comparison with the previous run must say (NotaAnterior), "" when nothing.
    QString notaAnterior() const { return m_notaAnterior; }
    // Time the run spent on its own work (grading, bookkeeping, history and page), not waiting
    // for the phone; and the whole run, start to page.
    qint64 nsProprios() const { return m_nsProprios; }
    qint64 nsTotal() const { return m_nsTotal; }

signals:
    void passoIniciado(int indice);
    void passoTerminado(int indice, const ResultadoPasso& resultado);
    void terminou();

private:
    void proximo();
    void pede();
    void procedimentoTerminou();
    void encerra(const QString& interrupcao);

    Sessao& m_sessao;
    LocalDados m_dados;
    QList<PassoDiagnostico> m_passos;
    ExecucaoDiagnostico m_execucao;
    std::optional<ExecucaoDiagnostico> m_anterior;
    RelatorioPublicado m_relatorio;
    QString m_erroHistorico;
    QString m_historicoDanificado;
    QString m_notaAnterior;
    QPointer<Procedimento> m_procedimento; // the current step's
    QTimer m_espera;        // retries a step the busy link refused
    QElapsedTimer m_relogio;
    QElapsedTimer m_recusas; // since the current step was first refused
    int m_atual = -1;
    bool m_rodando = false;
    bool m_cancelado = false;
    bool m_escrevePagina = true;
    QString m_pararApos; // why the run stops after the step under way ("" it goes on)
    qint64 m_nsProprios = 0;
    qint64 m_nsTotal = 0;
};
