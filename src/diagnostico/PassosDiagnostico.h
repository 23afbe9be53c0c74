#pragma once
#include <QList>
#include <QString>
#include <functional>


#include "db/LocalDados.h"
#include "diagnostico/ResultadoDiagnostico.h"

// The readings of a whole-board diagnosis for one model, each sent with the requester code and
// the end-of-answer rule of the window whose reading it repeats, and graded by that window's
// own rules.

enum class TipoPasso {
    GradeVCore, GradeBuck, GradeLdo, PmuBuck, PmuLdo, BuckCheck,
    Tigris, Tristar, Chestnut, Acorn,
    I2c, NandTamanho, NandUid, NandInfo,
    BateriaPropriedades, GasGauge, Ic1, Ic2,
};

class Ligacao;
class Procedimento;
class QObject;

// The family procedure that reads a step (the one its window runs).
using FabricaProcedimento = std::function<Procedimento*(Ligacao& ligacao, const QString& modelo, QObject* pai)>;

struct PassoDiagnostico {
    TipoPasso tipo;
    QString subsistema;  // stable name, the key of the counts and the history
    QString codigo;      // requester code
    QString comando;
    int barramento = -1; // I2C bus of an I2C step
    // The family's procedure, the one its window runs: it asks, grades and names the items.
    FabricaProcedimento cria;
    QString titulo() const; // in the program's language
};

// The buck check's tolerance: the buck test window's default choice.
inline const QString ToleranciaBuckCheck = QStringLiteral("5");

// A subsystem's name as the page shows it ("VCores", "I2C", "Battery"); the stable name itself
// for one this program does not know.
QString TituloSubsistema(const QString& subsistema);

// Every reading of the model that needs no person at the phone, in running order; the steps
// that read references find them in `dados`.
QList<PassoDiagnostico> PassosDoModelo(const QString& modelo, const LocalDados& dados);

// The most items one step gives; a board has far fewer in any step.
inline constexpr qsizetype LimiteItensPasso = 256;

// The procedure that reads the step for the model: its family's.
Procedimento* CriaProcedimento(const PassoDiagnostico& passo, Ligacao& ligacao, const QString& modelo,
                               QObject* pai);

// The items of a step as the page and history keep them: at most LimiteItensPasso, then one
// "+N" item with the worst verdict of those left out.
QList<ItemDiagnostico> LimitaItens(QList<ItemDiagnostico> itens);

// The readings left out of the diagnosis (they need the person or take long), as the page
// lists them.
QStringList TestesNaoExecutados();
