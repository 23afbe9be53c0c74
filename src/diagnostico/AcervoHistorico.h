#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>

#include "diagnostico/ResultadoDiagnostico.h"

// Every run kept in the history folder (HistoricoDiagnostico), read for the bench's memory:
// what happened to this board, and to boards like it. Read only: no file is ever written,
// renamed or removed here.

// One run as the list shows it. Only what the list, its filters and the failure counts need is
// kept (a few hundred bytes), so ten thousand runs stay small; the whole run is read back from
// its file when asked for (LeExecucao).
struct LinhaHistorico {
    QString arquivo;   // the board's history file
    int indice = 0;    // its place among the file's runs
    QString modelo, numero, etiqueta;
    QDateTime inicio;
    qint64 duracaoMs = 0;
    bool completa = false;
    Veredito veredito = Veredito::NaoGraduado; // VereditoDaExecucao
    int passa = 0, falha = 0, semLeitura = 0, outros = 0; // items by verdict
    QStringList falhas; // the faults that failed (NomeDaFalha), each once
};

// A file of the history folder that could not be read whole, and why. Its readable runs are
// listed all the same.
struct ArquivoDanificado {
    QString arquivo;
    QString chave;          // the reason's text in the dictionary; "" for a system's message
    QStringList argumentos; // its %1, %2... (the system's message itself when there is no key)
    // The reason in the program's language at the time of asking.
    QString motivo() const;
};

struct Historico {
    QList<LinhaHistorico> execucoes; // newest first
    QList<ArquivoDanificado> danificados;
};

// Reads every "*.json" of `pasta` (a missing folder is an empty history). Safe to run away from
// the window's thread: it touches nothing but the files it reads. A file that is not
// the history's JSON, or a run in it that is not a run, is listed as damaged with its reason;
// the files a run set aside ("*.json.danificado*") are listed as damaged too.
// With `desistir` set meanwhile it stops at the next file (what it read so far is returned).
Historico LeHistorico(const QString& pasta, const std::atomic_bool* desistir = nullptr);

// The whole run the line stands for; nothing when its file no longer holds it.
std::optional<ExecucaoDiagnostico> LeExecucao(const LinhaHistorico& l);

// The same board: model, regulatory number and label.
bool MesmaPlaca(const LinhaHistorico& a, const LinhaHistorico& b);

// What the technician chose to see. Empty parts do not filter.
struct CriterioHistorico {
    QString etiqueta;                 // typed: found anywhere in the label, case ignored
    QString modelo;                   // exactly
    QDateTime desde, ate;             // the run started at or after / before
    std::optional<Veredito> veredito; // VereditoDaExecucao
};
bool Atende(const LinhaHistorico& l, const CriterioHistorico& c);

// "12 ✔  3 ✘  1 ?": the run's items by verdict (no part for a verdict without items).
QString TextoContagens(const LinhaHistorico& l);

// The lines as CSV (comma-separated, a header in the program's language, UTF-8 with its BOM so
// spreadsheets read the accents). Fields with a comma, quote or line break are quoted; a text
// typed by someone that starts like a formula (=, +, -, @) gets a leading apostrophe so a
// spreadsheet shows it instead of running it.
QByteArray CsvHistorico(const QList<LinhaHistorico>& linhas);


// Two runs of one board side by side.
struct DiferencaItem {
    QString chave, item;
    ItemDiagnostico antes, depois;
    std::optional<double> variacao; // depois - antes, when both readings are numbers
};
struct ComparacaoExecucoes {
    QList<DiferencaItem> mudaramVeredito; // in the later run's order
    QList<DiferencaItem> leiturasMovidas; // same verdict, another value: largest change first
};
// `antes` is the earlier run. Items read by only one of them are left out.
ComparacaoExecucoes ComparaLadoALado(const ExecucaoDiagnostico& antes, const ExecucaoDiagnostico& depois);

// One item's reading over runs, with its band (reference ± tolerance, or 0 to the limit of a
// "< N mA" current); a run with no number for it has no point.
struct PontoTrilha {
    QDateTime quando;
    double valor = 0;
    std::optional<double> minimo, maximo; // the band, when the reference gives one
    Veredito veredito = Veredito::NaoGraduado;
};
QList<PontoTrilha> SerieDaTrilha(const QList<ExecucaoDiagnostico>& execucoes, const QString& chave);
// The items of a run that read a number (the rails a chart can follow), by key, in run order.
QList<ItemDiagnostico> ItensComValor(const ExecucaoDiagnostico& e);

// The faults that failed most often among the runs of `modelo` that `c` accepts (its model
// replaced by `modelo`): each counted once per run, most frequent first, then by name.
struct ContagemFalha {
    QString nome;
    int execucoes = 0;
    bool operator==(const ContagemFalha&) const = default;
};
QList<ContagemFalha> FalhasMaisFrequentes(const QList<LinhaHistorico>& linhas, const QString& modelo,
                                          CriterioHistorico c, int quantas = 15);

// Every run of the line's board that `linhas` lists, read back whole, oldest first (each file
// read once). A run its file no longer holds is left out.
QList<std::pair<LinhaHistorico, ExecucaoDiagnostico>> ExecucoesDaPlaca(const QList<LinhaHistorico>& linhas,
                                                                        const LinhaHistorico& l);

// The page the diagnosis wrote for the run in `pastaRelatorios` (named for the moment the run
// ended, which is its start and duration to within a second or two); "" when it is not there.
QString PaginaDaExecucao(const ExecucaoDiagnostico& e, const QString& pastaRelatorios);
