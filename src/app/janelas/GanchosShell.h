#pragma once
#include <QString>
#include <functional>

class Inicial;

// Where the small windows of the shell plug into the start-up and the main window: the
// first-start step (import and disclaimer), the online notices, the tips window, the
// drop-down sub-menu and the background-clearing window. A hook that is not set does
// nothing; the windows that provide them set them in instalaGanchosShell
// (app/janelas/InicioPrograma.h).
struct GanchosShell {
    // Start-up, first start (syncbd "0"): the first-run step of the user-data import, then the
    // disclaimer shown modally. false ends the program (the disclaimer was declined).
    std::function<bool()> primeiroInicio;
    // Start-up: the online version check and notices.
    std::function<void()> verificaVersaoOnline;
    // Main window load: the check for user data of a previous installation.
    std::function<void(Inicial&)> verificaImportacao;
    // Tips window: show at (0, 0) of the main window; hide when visible; close.
    std::function<void(Inicial&)> mostraDicas;
    std::function<void()> ocultaDicas;
    std::function<void()> fechaDicas;
    // Drop-down sub-menu of kind 0, 1 or 2 at the given left edge (pixels of the main window)
    // and top 0; rotulo is the entry of kind 1 ("Chestnut" or "Acorn").
    std::function<void(Inicial&, int tipo, int esquerda, const QString& rotulo)> mostraSubMenu;
    std::function<void()> ocultaSubMenu;
    // Background clearing after a resize (it clears Inicial::LimparLogo).
    std::function<void(Inicial&)> limpaFundo;
};

// The hooks of the running program (set once at start-up, see instalaGanchosShell).
inline GanchosShell& ganchosShell()
{
    static GanchosShell g;
    return g;
}
