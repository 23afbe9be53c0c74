#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

#include "db/ResultadoBanco.h"
#include "veredito/Veredito.h"

// Grading of the power rails of one model and family against the Master table, shared by the
// VCore, Buck and LDO, and PMU windows. The windows keep their grids, timers and labels; they
// call these functions and show the result. Every database operation opens the database
// `banco` it is given (Config.qzd), works and closes; values are bound as parameters.

enum class VarianteGrade { VCore, BuckLdo, Pmu };

// Rail families (Master.TIPO).
constexpr int FamiliaVCore = 0;
constexpr int FamiliaLdo = 1;
constexpr int FamiliaBuck = 2;

// A newer board (its model profile says so): the note and buck 0's current differ.
bool ModeloNovo(const QString& modelo);

// The note on rails without values in purple mode (lbVar): L("VAR4") on newer models, else
// L("VAR3"); the PMU window adds " ** " and the upper-cased L("Sem Medição").
QString TextoNotaVar(const QString& modelo, VarianteGrade variante);

// ---- Queries on Master -----------------------------------------------------------------

// A query on Master with its bound values, in the shapes the windows use. `condicao` is the
// part after "Where", shared with the recordings so they change exactly the grid's rows.
struct ConsultaMaster {
    QString condicao;
    QString ordem;        // after "order by"; empty for none
    QVariantList valores; // bound to the "?" of condicao, in order

    bool valida() const { return !condicao.isEmpty(); }
    QString sql() const;  // "Select * from Master Where " + condicao [+ " order by " + ordem]
    // The query prepared and run on `db` (for a QSqlQueryModel: model.setQuery(std::move(q))).
    QSqlQuery executa(const QSqlDatabase& db) const;
    // The same on the connection of the data-bound views (the grids).
    QSqlQuery executaNaVista(const QString& banco) const;
};

// "modelo = ? and TIPO = ?" ordered by `ordem` ("Malha", "Orig", "Modelo, Malha", ...).
ConsultaMaster ConsultaGrade(const QString& modelo, int familia, const QString& ordem);
// The VCore grid narrowed to one IC ("Ci like '*IC*'"), ordered by "Modelo, Malha".
// comIcAntesDoTipo false: "modelo = ? and TIPO = ? AND Ci like ?" (the reading's start);
// true: "modelo = ? and Ci like ? and TIPO = ?" (the refresh after the reading).
// Every family's NAND supply rails of a model, ordered by rail (the NAND window's view).
ConsultaMaster ConsultaRailsNand(const QString& modelo);
ConsultaMaster ConsultaGradeIc(const QString& modelo, int familia, const QString& ic,
                               bool comIcAntesDoTipo = false);
// The rows graded: "modelo = ? and RefT <> '' and TIPO = ?" ordered by "Modelo, Orig",
// with `extra` (" and RefV <> ''" or " and Porc = ''") before the order.
ConsultaMaster ConsultaGraduacao(const QString& modelo, int familia, const QString& extra = {});

// The three ordering options of the grid windows (OpMalha, OpIc, OpPorc).
enum class Ordenacao { Malha, Ic, Porc };
// VCore endings "Modelo, Malha" / "CI, Malha" / "Porc desc"; Buck and LDO (and PMU) endings
// "Modelo, Orig" / "CI, Orig" / "Porc desc". Never with the IC filter.
ConsultaMaster ConsultaOrdenada(VarianteGrade variante, const QString& modelo, int familia,
                                Ordenacao ordenacao);

// ---- Grading ---------------------------------------------------------------------------

// The fields of a Master row that grading reads.
struct LinhaMaster {
    QString malha, orig, ci, refV, refT;
};

// An error raised inside grading, as the standard error box shows it.
struct ErroGrade {
    int numero = 0;
    QString descricao;
};

struct LinhaGraduada {
    QString leitura;                // "1.234 V", "123,4 mA", "0 V", "*", "*Sem Medição", "**"
    QString porc;                   // "4.1 %", "0 %" or ""
    QString codigoDesconhecido;     // RefT when it is a channel code outside the table
};

// The rail's "*" rule (rails without values in purple mode) of each variant.
bool NaoMensuravel(VarianteGrade variante, const QString& modelo, const LinhaMaster& linha);

// A rail without a value in purple mode whichever window reads it: the union of the
// variants' "*" rules (the GPU outputs and their currents, the camera rails, the CPU current
// of a newer board). Each window still prints its own text for the row (the VCore grid shows
// the GPU current the phone printed), but the verdict is this one.
bool SemValorEmModoPurple(const QString& modelo, const LinhaMaster& linha);

// The verdict of a graded row, the same in every rail window for the same rail and answer:
// not graded while nothing was read, not measurable when SemValorEmModoPurple, else
// VereditoTrilha against `tolerancia`.
Veredito VereditoLinha(const QString& modelo, const LinhaMaster& linha, const QString& leitura,
                       const QString& porc, const QString& ref, double tolerancia = ToleranciaPadrao);

// Grades one row against the answer with the variant's rules; texts in `idioma` (1 pt, 2 en,
// 3 es). A channel code outside the table is given back in codigoDesconhecido (the window
// shows its "NOT " box) and the row reads as a channel absent from the answer. A reading
// that is not a number gets no percentage (its verdict says so) in every variant.
LinhaGraduada GradaLinha(VarianteGrade variante, const QString& modelo, const LinhaMaster& linha,
                         const QString& resposta, int casasV, int casasA, int idioma);

// Sets Leitura and Porc to "" in every row of Master. False when the database failed.
bool ZeraLeituras(const QString& banco);

// A graded row as the windows show it, with its verdict.
struct TrilhaGraduada {
    QString malha, orig, ref, refV, leitura, porc;
    Veredito veredito = Veredito::NaoGraduado;
    QVariant id; // the Master row's rowid, to store this reading later
};

// The row as an item, named by its rail (Malha; its output when it has none), with the
// deviation of a voltage compared against `tolerancia` (a current has a limit instead).
ItemGraduado ItemDaTrilha(const TrilhaGraduada& trilha, double tolerancia = ToleranciaPadrao);

struct ResultadoGrade {
    bool leituraFeita = false;     // the answer was graded (the report button needs it)
    int linhas = 0;                // rows written
    bool gravada = true;           // false when a row could not be written to the database
    ResultadoBanco falhaBanco;     // why it was not written
    QList<TrilhaGraduada> trilhas; // every graded row, written or not, in grading order
    std::optional<ErroGrade> erro; // PMU only: the database failed before grading
    QStringList codigosDesconhecidos; // channel codes outside the table, in grading order
};

// Grades `resposta` (the console answer of "pmuadc --read all") for the model and family
// and writes Leitura and Porc into Master. VCore and Buck and LDO: an empty answer grades
// nothing (leituraFeita false, rows untouched). PMU: an empty answer gives every row the
// no-reading marker. Every row is graded even when the database refuses the writes, so the
// window can still show the reading; each verdict goes to the session log.
// `tolerancia` is the verdicts' (the PMU window's choice; else the report's 10 %).
ResultadoGrade ProcessaLeitura(const QString& banco, VarianteGrade variante, const QString& modelo, int familia,
                               const QString& resposta, int casasV, int casasA,
                               double tolerancia = ToleranciaPadrao);

// ProcessaLeitura in its two halves. GradaLeitura grades and logs the verdicts without
// writing (linhas 0; a failed read of the rows sets gravada false with its reason, and erro
// for PMU). GravaGraduacao then stores that grading in one transaction (every reading cleared,
// the graded rows written) and sets linhas, gravada and falhaBanco; it does nothing for an
// answer that was not graded. A window can show the grading before the write waits for the
// disk.
// `anotaVereditos` false leaves the session log to the caller (a watch logs only its rails).
ResultadoGrade GradaLeitura(const QString& banco, VarianteGrade variante, const QString& modelo, int familia,
                            const QString& resposta, int casasV, int casasA,
                            double tolerancia = ToleranciaPadrao, bool anotaVereditos = true);
void GravaGraduacao(const QString& banco, VarianteGrade variante, ResultadoGrade& resultado);

// A rail of a model's grid as a watch offers it: its name as the grid shows it (Malha, or the
// output for the PMU rows and the rows without a rail name), its Master fields and whether the
// model gives it a value in purple mode.
struct TrilhaDoModelo {
    QString nome;
    LinhaMaster linha;
    QString ref;
    bool mensuravel = true;
};
// The rails of the model and family that grading reads (ConsultaGraduacao's rows), in its order.
QList<TrilhaDoModelo> TrilhasDoModelo(const QString& banco, VarianteGrade variante, const QString& modelo, int familia);
// The name a graded row goes by in a watch (see TrilhaDoModelo).
QString NomeDaTrilha(VarianteGrade variante, const QString& malha, const QString& orig);

// ---- Decimals --------------------------------------------------------------------------

struct Decimais {
    int casasV = 3; // 1 to 3
    int casasA = 1; // 0 to 3
};

// Combos fields of a window's choosers: VCore 1/2, Buck and LDO 3/4, PMU 5/6.
int CampoDecimaisV(VarianteGrade variante);
int CampoDecimaisA(VarianteGrade variante);

// A chooser item as decimals: voltages "1" to "3", currents "0" to "3"; else std::nullopt.
std::optional<int> CasasDeTexto(const QString& texto, bool corrente);

// The window's pair from the first row of Combos; a missing row or a value that is not one
// of the chooser's items keeps the default (3 and 1).
Decimais CarregaDecimais(const QString& banco, VarianteGrade variante);

// A choice in a chooser: when `texto` is one of its items, sets the decimals, stores the text
// with GravaCombo and returns true; otherwise nothing changes and the result is false.
bool EscolheDecimais(const QString& banco, VarianteGrade variante, bool corrente, const QString& texto, Decimais& decimais);

// ---- Recordings ------------------------------------------------------------------------

// What a change of the recordings did: the rows changed, or the database's reason why not.
// Nothing is done (and nothing failed) for an i outside 1..3 or a grid without a query.
struct ResultadoGravacao {
    bool alterada = false;
    ResultadoBanco falha;
};

// Copies Leitura into G1, G2 or G3 (i = 1..3) in every row of the grid's query.
ResultadoGravacao GravaLeituras(const QString& banco, int i, const ConsultaMaster& consulta);
// The reading the window shows but the database did not store (`trilhas`, from ProcessaLeitura):
// in one transaction, the readings are cleared, these are stored, and G<i> takes them in every
// row of the grid's query. All or nothing: a refused write changes no row.
ResultadoGravacao GravaLeiturasMostradas(const QString& banco, int i, const ConsultaMaster& consulta,
                                         const QList<TrilhaGraduada>& trilhas);
// Empties G<i> in every row of the grid's query.
ResultadoGravacao ExcluiGravacao(const QString& banco, int i, const ConsultaMaster& consulta);

// ---- PMU display -----------------------------------------------------------------------

// The tolerance text as used at display time: empty or not a number gives 10; else its
// value. ToleranciaAjustada is the text the field takes on losing the focus ("10" when below
// 0, above 100 or not a number; otherwise the whole part).
double ToleranciaPmu(const QString& texto);
QString ToleranciaAjustada(const QString& texto);

// The pass mark of a PMU line: the whole part p of the percentage text ("4.1 %") lies
// strictly between -t and t. A percentage that is not a number fails.
bool PassaToleranciaPmu(const QString& porc, double tolerancia);

// True when a current row (Orig "mA Buck3") belongs to the line showing output `saida`
// ("BUCK3"): the first length(Orig) - 3 characters of saida equal Orig from its fourth
// character on, both upper-cased.
bool CorrenteDaSaida(const QString& saida, const QString& origCorrente);

// The top of the PMU window's note, in twips: 8280 for an "IP 7" model showing LDO outputs,
// 8000 otherwise; in a window grown for a tall main window, 500 lower (8500).
int TopoNotaPmu(const QString& modelo, int familia, bool janelaAlta);
