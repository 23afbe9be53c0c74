#pragma once
// What a window test against the bench board starts from: a copy of the application folder,
// scripted dialogs, a bench board playing one model (with an optional profile file) and the
// windows environment linked to it. A test derives its own scenario and opens its window.
#include "apoio/AmbienteJanelas.h"
#include "apoio/Apoio.h"
#include "apoio/Bancada.h"
#include "i18n/Dialogos.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class ExecutorDiagnostico;
class QWidget;

// With VEXADOR_CAPTURAS set, the window as it looks (its MDI frame when it has one) is saved
// there as <nome>.png, to look at it by eye.
void capturaJanela(QWidget* janela, const QString& nome);

struct CenarioJanela {
    PastaAplicacaoTemporaria pasta;
    RoteiroInstalado roteiro;
    QTemporaryDir temp;
    Bancada bancada;
    std::unique_ptr<AmbienteJanelas> amb;
    bool rapido = true; // false: long commands answer at the board's own pace


    // Language 1, then the board as `modelo` (not linked to a COM name) with, in this order,
    // the copy of Config.qzd as its reference data (unless `comBanco` is false), the extra
    // `opcoes` and the `perfil` lines written to a profile file; then the environment linked
    // to it as board `numero` (empty: the environment's default number).
    bool iniciaBancada(const QString& modelo, const QStringList& perfil = {}, const QStringList& opcoes = {},
                       const QString& numero = {}, bool comBanco = true);

    // The whole-board diagnosis of the linked board, run on its own engine (no window) to its
    // end, as the cross-checks compare it with the windows; null when it did not end within the
    // bound or ended without every step (the failure is printed).
    std::unique_ptr<ExecutorDiagnostico> diagnostica(const QString& etiqueta = QStringLiteral("caminho"));

    // How many times the board was sent `comando`.
    int vezes(const QByteArray& comando) const { return bancada.registro().count(comando + '\r'); }
};

// A faulty "IP X" for the bench board's profile: one rail 20 % off (LDO13), its current above its
// limit (< 100 mA), the charger's battery channel timed out, and the proximity sensor of bus 4 not
// answering.
inline const QStringList PerfilComFalhas{
    QStringLiteral("desvio 53 = 20"),
    QStringLiteral("desvio 73 = 200"),
    QStringLiteral("tempo tigris vbat :"),
    QStringLiteral("resposta i2c -s 4 = Scanning I2C bus 4\\n  no device answered\\n0 device(s) found on bus 4\\n"),
};
