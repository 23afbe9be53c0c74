#pragma once
#include "rails/GradeTrilhas.h"
#include "rails/ProcedimentoTrilhas.h"

#include <QList>
#include <QString>
#include <optional>

// The PMU window's requester code (the link's end-of-answer rules depend on it).
inline const QString CodigoPmu = QStringLiteral("18");

// The PMU window's tolerance field as it opens, in percent; the whole-board diagnosis grades
// with it too.
inline const QString ToleranciaPmuInicial = QStringLiteral("10");

// One line of the PMU window: an output with a voltage reference, and the current that lands
// on it (the last current row whose name, without its "mA ", starts the output's name).
struct LinhaPmu {
    TrilhaGraduada tensao;
    std::optional<TrilhaGraduada> corrente;
};

// The lines of a graded reading: every row with a voltage reference is a line; each row
// without a percentage (the currents) is put on every line whose output it names, a later one
// replacing an earlier one.
QList<LinhaPmu> LinhasPmu(const QList<TrilhaGraduada>& trilhas);

// What the window shows as items, in its order: each line's voltage, then the current on it
// (a current on two lines once). Rows the window does not show are no item.
QList<ItemGraduado> ItensPmu(const QList<LinhaPmu>& linhas, double tolerancia);

// The PMU outputs of one family: the rail procedure under the PMU window's code with the PMU
// rules (an empty answer gives every row the no-reading marker; the tolerance set last), its
// rows stored in Master as the window always did, after the lines are shown. Its items are the
// window's lines.
class ProcedimentoPmu : public ProcedimentoTrilhas {
    Q_OBJECT
public:
    // `banco`: the database (Config.qzd) whose Master it grades against and writes.
    ProcedimentoPmu(Ligacao& ligacao, const QString& modelo, int familia, const QString& banco,
                    QObject* pai = nullptr);

    // The lines of the last grading, in the window's order.
    QList<LinhaPmu> linhas() const { return LinhasPmu(resultado().trilhas); }

protected:
    QList<ItemGraduado> itensDaLeitura() const override { return ItensPmu(linhas(), tolerancia()); }
};
