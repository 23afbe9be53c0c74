#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Everything the program knows about one phone model, one row per model of the chooser.
// Windows and rules ask the row of the current model instead of comparing model names.
struct PerfilModelo {
    // The first four characters of the name: "IP 6" covers the 6, 6 Plus, 6s and 6s Plus.
    enum class Familia { Nenhuma, Ip6, Ip7, Ip8, IpX };
    enum class ControladorPorta { Tristar, Hydra };
    enum class ChipTela { Chestnut, Acorn };   // the display power supply

    // Board designators of the chips the readers put in their reports ("" none).
    struct Componentes {
        QString tigris;
        QString tristar;   // the port controller, Tristar or Hydra
        QString chestnut;
    };

    // The I2C test's bus buttons (0 to 7) and wiring diagram.
    struct BarramentosI2c {
        QList<int> ocultos;        // buses the board does not have
        QList<int> desligados;     // buttons shown but not usable
        int autoTesteNoTopoDe = -1; // bus whose button top the auto-test button takes; -1 its own
        QString diagrama;          // the diagram document, "" none
    };

    QString nome;                  // as the chooser shows it
    QStringList numeros;           // regulatory model numbers the phone reports
    Familia familia = Familia::Nenhuma;
    ControladorPorta controladorPorta = ControladorPorta::Tristar;
    bool segundaEntradaCarga = false;   // the Tigris charger reads a second input (VBUS 2)
    bool novo = false;             // a newer board: its own purple-mode gaps (VAR4, buck 0 current)
    ChipTela chipTela = ChipTela::Chestnut;
    Componentes componentes;
    bool testeCores = true;        // the display colour tests
    bool gps = true;               // the GPS radio test
    bool syscfgNand = true;        // the NAND window's syscfg process
    bool bateriaCompleta = true;   // false: missing battery values are "not available on this model"
    QString grupoRf;               // a fixed RF reference group letter, "" to follow the choice
    BarramentosI2c i2c;
    QStringList bucksZerados;      // buck outputs that read 0 V in purple mode ("buck1 = GPU")
    bool notaBuck6Gpu = false;     // the buck info adds the note on buck 6 and the GPU

    bool hydra() const { return controladorPorta == ControladorPorta::Hydra; }
    bool acorn() const { return chipTela == ChipTela::Acorn; }

    // The row of a model name (whole, case-sensitive); any other text gets the row of no
    // model: every test offered, no chip designators, Tristar and Chestnut.
    static const PerfilModelo& de(const QString& modelo);
    // The row of a regulatory number; the row of no model (empty name) when not known.
    static const PerfilModelo& doNumero(const QString& numero);
    // The nine rows in the chooser's order, and their names.
    static const QList<PerfilModelo>& todos();
    static QStringList nomes();
    // The chooser's model before any identification.
    static const QString& nomeInicial();
};
