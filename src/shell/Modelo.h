#pragma once
#include <QString>

// Telling which phone is connected from its regulatory model number ("A1660").

// The model name of a regulatory number ("IP 7"), "" when the number is not known.
// Whole, case-sensitive match.
QString NomeDoModelo(const QString& numero);

// True when `modelo` is the model the board's own regulatory number names (identified from the
// board), false when it was chosen by hand or the number could not be read.
bool ModeloDaPlaca(const QString& numero, const QString& modelo);

// The number cut out of the answer to "syscfg print RMd#" as it stands in the console.
// The number starts four characters after the first "#" and ends two characters before the
// first "[" (positions that fit the echo's and the number's line ends after the LF expansion).
// usavel is false when there is no "[" at the third character or later; numero is "" then,
// and also when the end lies before the start.
struct NumeroExtraido {
    bool usavel = false;
    QString numero;
};
NumeroExtraido ExtraiNumeroModelo(const QString& console);

// What the connection answer says about the model (the handshake evaluation).
struct AvaliacaoHandshake {
    enum class Acao {
        DriverAusente,   // "SystemConfig Driver is missing!": the user picks the model
        SemNumero,       // no usable "[": nothing to do
        NovaConsulta,    // the phone did not take the command: ask once more
        Desconhecido,    // a number that is not in the table
        Reconhecido,     // number and model known
    };
    Acao acao = Acao::SemNumero;
    QString numero;
    QString modelo;
};
AvaliacaoHandshake AvaliaHandshake(const QString& console);

// What the answer of a model query says. The number is cut as for the handshake.
struct AvaliacaoConsulta {
    enum class Acao {
        Repete,        // the phone did not take the command ("Command") on the first answer: ask once more
        NaoEncontrado, // the phone has no such entry ("Not Found"): the user picks the model
        Ilegivel,      // no number could be read (too short, "Found", no usable "[", "Command" again,
                       // a number that does not start with "A"): the user picks the model
        Desconhecido,  // a number that is not in the table
        Reconhecido,   // number and model known
    };
    Acao acao = Acao::Ilegivel;
    QString numero;
    QString modelo;
};
// `primeira`: the answer of the first query (the only one that may be repeated).
AvaliacaoConsulta AvaliaConsultaModelo(const QString& console, bool primeira);

// The caption of the main window's chip button for a model: "Hydra" over "Tigris" for the
// models whose port controller is Hydra, "Tristar" over "Tigris" otherwise.
QString LegendaBotaoChip(const QString& modelo);
