#pragma once
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "veredito/Veredito.h"

// What one whole-board diagnosis found: every graded item of every step, the run's identity
// (model, regulatory number, board label) and how it ended. Plain values, so the page, the
// history and the comparison are built and tested without a link.

// One graded item as the window that reads it would show it.
struct ItemDiagnostico {
    QString subsistema;   // stable name of the step's subsystem ("vcore", "i2c" ...)
    QString item;         // rail, channel, device or test ("PP_CPU", "I2C 1 0x1A")
    QString leitura;      // "0.512 V", "COMUNICAÇÃO OFF", "" when nothing was read
    QString referencia;   // "0.825 V", "< 1000 mA", "" when there is none
    Veredito veredito = Veredito::NaoGraduado;
    // Deviation from the reference in percent, for voltage rails graded against a tolerance.
    std::optional<double> desvio;
    double tolerancia = ToleranciaPadrao;

    // The key an item keeps from one run to the next.
    QString chave() const { return subsistema + QLatin1Char('/') + item; }
};

// A procedure's item kept under the subsystem of the step that read it.
inline ItemDiagnostico ItemDe(const QString& subsistema, const ItemGraduado& i)
{
    return {subsistema, i.item, i.leitura, i.referencia, i.veredito, i.desvio, i.tolerancia};
}

// How a step ended.
enum class FimPasso {
    Respondido,   // the phone answered and the answer was graded
    SemResposta,  // the exchange was refused or cancelled (link lost, poll failed)
    NaoExecutado, // the run stopped before this step (Cancel, lost box)
};

struct ResultadoPasso {
    QString subsistema;
    QString titulo;       // what the panel shows for the step
    QString comando;
    FimPasso fim = FimPasso::NaoExecutado;
    QList<ItemDiagnostico> itens;
};

// The verdict a step shows as a whole: fail when an item failed, else no reading when an item
// (or the whole step) went unread, else pass when an item passed, else not measurable, else not
// graded.
Veredito VereditoDoPasso(const ResultadoPasso& r);

// What a step's row adds to its title once it has ended: the names of the items that failed
// and of those unread (" — FALHA: a, b — SEM LEITURA: c"), or that the phone did not answer;
// and each failing item's line (LinhaFalha) for a closer look.
struct DescricaoPasso {
    QString sufixo;
    QStringList linhas;
};
DescricaoPasso DescrevePasso(const ResultadoPasso& r);

// Counts of one subsystem by verdict.
struct Contagem {
    QString subsistema;
    int passa = 0, falha = 0, naoMensuravel = 0, semLeitura = 0, naoGraduado = 0;
    int total() const { return passa + falha + naoMensuravel + semLeitura + naoGraduado; }
    bool operator==(const Contagem&) const = default;
};

struct ExecucaoDiagnostico {
    QString modelo, numero, etiqueta;
    QDateTime inicio;
    qint64 duracaoMs = 0;
    bool completa = false;  // every step ran
    QString interrupcao;    // why it stopped early ("" when complete)
    QList<ResultadoPasso> passos;

    QList<ItemDiagnostico> itens() const;
    // The failures in step order: fail, then no reading (a missing or timed-out channel).
    QList<ItemDiagnostico> falhas() const;
    // One count per subsystem, in step order.
    QList<Contagem> contagens() const;
    // True when every step answered and nothing failed or went unread.
    bool tudoPassou() const;
};

// One fault of the board: a rail, channel, device or test, counted once however many readings
// graded it (a rail read by the VCore, Buck and PMU windows, its voltage and its current).
struct Falha {
    QString nome;                      // the rail or device ("PP1V8_AUDIO", "I2C 4 403 PROX")
    Veredito veredito;                 // fail when any reading failed, else no reading
    QList<ItemDiagnostico> leituras;   // every reading that graded it, in step order
    QStringList subsistemas;           // the windows that show it, in step order
};

// What a fault is named by: the item without the current's "mA " prefix nor the VCore grid's
// row number ("1. "), so a rail's voltage and current, in every grid, are one fault.
QString NomeDaFalha(const ItemDiagnostico& i);

// The faults of a run in step order: every failing or unread item grouped by NomeDaFalha, and a
// step the phone did not answer (with no item) as one unread fault named by its title.
QList<Falha> AgrupaFalhas(const ExecucaoDiagnostico& e);

// The run's verdict line: L("DIAG_TUDO_PASSOU"); "3 falhas" (and "· 2 sem leitura"); a board
// whose only problem is missing readings is L("DIAG_INCOMPLETO"); a run that stopped early is
// L("DIAG_PARCIAL") with why, and what it found.
QString ResumoExecucao(const ExecucaoDiagnostico& e);
// Its colour: pass, fail, or no reading (incomplete or stopped early without a failure).
Veredito VereditoDaExecucao(const ExecucaoDiagnostico& e);

// The item's verdict counts as a failure on the page and in the comparison.
bool ContaComoFalha(Veredito v);

// "PP_CPU 0.512 V, expected 0.825 V ±10 %: FAIL" in the program's language; the reference part
// is left out when there is none, the tolerance when the item has no deviation.
QString LinhaFalha(const ItemDiagnostico& i);

// The machine-readable record of a run, and back. A record that is not one gives nothing.
QJsonObject ParaJson(const ExecucaoDiagnostico& e);
std::optional<ExecucaoDiagnostico> DeJson(const QJsonObject& o);

// What changed from one run of a board to the next: items that failed before and pass now
// (the repair worked) and items that passed before and fail now.
struct Mudancas {
    QList<ItemDiagnostico> consertados;  // as they read now
    QList<ItemDiagnostico> novasFalhas;  // as they read now
    bool vazia() const { return consertados.isEmpty() && novasFalhas.isEmpty(); }
};
Mudancas ComparaExecucoes(const ExecucaoDiagnostico& anterior, const ExecucaoDiagnostico& atual);

// The run's verdict line (ResumoExecucao) and, with a previous run of the board, how many items
// were repaired and how many newly fail, then the note about the run compared with; one line
// each.
QString ResumoComAnterior(const ExecucaoDiagnostico& e, const std::optional<ExecucaoDiagnostico>& anterior,
                          const QString& notaAnterior);

// What the comparison must tell about the run compared with (`anterior`) when the board's
// last run (`ultima`) did not finish: that the run compared with was partial, or that a later
// partial run was passed over for it. "" when the last run was complete.
QString NotaAnterior(const ExecucaoDiagnostico& anterior, const ExecucaoDiagnostico& ultima);
