#pragma once
#include <QString>
#include <functional>
#include <optional>

// The verdict on one reading, decided here once and only displayed by the windows and the
// report, so a grid, a chip window, a test window and the report page never disagree.
enum class Veredito {
    Passa,         // compared and inside its tolerance or limit
    Falha,         // compared and outside
    NaoMensuravel, // the rail gives no value in purple mode ("*")
    SemLeitura,    // the channel is missing, timed out or printed something that is not a number
    NaoGraduado,   // nothing to compare with (no reference, or nothing read yet)
};

// Tolerance of the rail verdict, in percent (the report's and the PMU window's default).
constexpr double ToleranciaPadrao = 10.0;

// One graded item of a reading as the technician knows it, wherever it is shown (a window's
// grid or panel, the whole-board diagnosis, the command line): the rail, channel, device or
// test by its own name (never a control's name), the reading text, the reference, the verdict.
struct ItemGraduado {
    QString item;       // "PP_CPU", "mA BUCK1", "I2C 1 0x1A Charger", "Tamanho da NAND"
    QString leitura;    // "0.512 V", "COMUNICAÇÃO OFF", "" when nothing was read
    QString referencia; // "0.825 V", "< 1000 mA", "" when there is none
    Veredito veredito = Veredito::NaoGraduado;
    // Deviation from the reference in percent, for voltage rails graded against a tolerance.
    std::optional<double> desvio;
    double tolerancia = ToleranciaPadrao;
};

// A check that either held or not (a chip channel inside its range, a test answer).
inline Veredito VereditoDe(bool passou) { return passou ? Veredito::Passa : Veredito::Falha; }

// A stable name for pages and logs: "passa", "falha", "naomensuravel", "semleitura",
// "naograduado".
QString NomeVeredito(Veredito v);
// The verdict in the program's language ("APROVADO"/"PASS"/"APROBADO", "FALHA"/"FAIL"/"FALLA"...).
QString TextoVeredito(Veredito v);
// A mark that does not depend on colour: "✔", "✘", "*", "?", "–".
QString MarcaVeredito(Veredito v);
// The tint of a verdict as the program writes colours ("&H00BBGGRR"): pass light green, fail
// light red, not measurable and no reading grey; "" for not graded (no tint).
QString CorVbVeredito(Veredito v);

// The session log's record of verdicts given: one line per verdict with the window, the rail
// or item, the reading, the reference and the verdict. The start-up installs the destination;
// without one nothing is recorded.
void DefineDestinoVereditos(std::function<void(const QString&)> destino);
void AnotaVeredito(const QString& janela, const QString& item, const QString& leitura,
                   const QString& referencia, Veredito v);

// A reading as a number and its unit ("0.512 V" -> 0.512, "V"); nothing when it is no number.
struct ValorLido {
    double valor = 0;
    QString unidade;
};
std::optional<ValorLido> ValorDaLeitura(const QString& leitura);
