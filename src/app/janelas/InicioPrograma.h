#pragma once
#include "app/janelas/GanchosShell.h"

#include <memory>

class Inicial;
class QWidget;

// Sets the hooks of the shell's small windows (called once at start-up).
void instalaGanchosShell(GanchosShell& ganchos);

// The start-up once the database is known to exist and the splash is up: the language, the
// first start (disclaimer; declining ends here), the online notices, then the
// main window, loaded (it closes the splash) and shown. nullptr when the program is to end.
std::unique_ptr<Inicial> IniciaPrograma(QWidget* abertura);
