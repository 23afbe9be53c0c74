#pragma once
#include <memory>

struct ContextoAplicacao;
class Inicial;
class QWidget;

// The shell's small windows follow the main window's signals: the tips window
// (Inicial::dicasPedidas, dicasDispensadas, dicasFechadas), the drop-down sub-menu
// (subMenuPedido, subMenuDispensado, and the window manager's menuFlutuanteDispensado) and the
// background-clearing window (fundoALimpar). Each is created on first use as a child of the
// main window, one of each at a time. Called once for a main window (IniciaPrograma does).
void LigaJanelasPequenas(Inicial& principal);

// The start-up once the database is known to exist and the splash is up: the language, the
// first start (the user-data import's first-run step, then the disclaimer; declining ends
// here), the check for a previous installation's data to import, then the main window, loaded
// (it closes the splash), its small windows linked, and shown. nullptr when the program is to
// end.
std::unique_ptr<Inicial> IniciaPrograma(const ContextoAplicacao& contexto, QWidget* abertura);
