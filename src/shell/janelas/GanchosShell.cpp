#include "shell/janelas/GanchosShell.h"

GanchosShell& ganchosShell()
{
    static GanchosShell g;
    return g;
}

void instalaGanchosShell(GanchosShell& ganchos)
{
    // The About, tips, sub-menu, disclaimer and background-clearing windows set their hooks here.
    Q_UNUSED(ganchos);
}
