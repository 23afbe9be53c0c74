#pragma once
#include "rails/GradeTrilhas.h"
#include "shell/Procedimento.h"

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

// A PMU reading as the window shows it.
struct ResultadoPmu {
    ResultadoGrade grade;   // every row graded (and stored) by the PMU rules
    QList<LinhaPmu> linhas; // the lines, in the window's order
    double tolerancia = ToleranciaPadrao;
};

// The lines of a graded reading: every row with a voltage reference is a line; each row
// without a percentage (the currents) is put on every line whose output it names, a later one
// replacing an earlier one.
QList<LinhaPmu> LinhasPmu(const QList<TrilhaGraduada>& trilhas);

// What the window shows as items, in its order: each line's voltage, then the current on it
// (a current on two lines once). Rows the window does not show are no item.
QList<ItemGraduado> ItensPmu(const QList<LinhaPmu>& linhas, double tolerancia);

// The PMU outputs of one family: "pmuadc --read all" under the PMU window's code, graded when
// the answer arrives by the PMU rules (an empty answer gives every row the no-reading marker)
// against the tolerance set last, stored in Master as the window always did.
class ProcedimentoPmu : public Procedimento {
    Q_OBJECT
public:
    // `banco`: the database (Config.qzd) whose Master it grades against and writes.
    ProcedimentoPmu(Ligacao& ligacao, const QString& modelo, int familia, const QString& banco,
                    QObject* pai = nullptr);

    void defineModelo(const QString& modelo) { m_modelo = modelo; }
    void defineFamilia(int familia) { m_familia = familia; }
    void defineDecimais(const Decimais& decimais) { m_decimais = decimais; }
    // Read when the answer is graded (the window's field may change while the phone answers).
    void defineTolerancia(double tolerancia) { m_tolerancia = tolerancia; }

    int familia() const { return m_familia; }
    const ResultadoPmu& resultado() const { return m_resultado; }

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override { m_resultado = {}; }

private:
    QString m_modelo;
    int m_familia;
    QString m_banco;
    Decimais m_decimais;
    double m_tolerancia = ToleranciaPadrao;
    ResultadoPmu m_resultado;
};
