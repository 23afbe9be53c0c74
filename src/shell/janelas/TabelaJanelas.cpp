#include "shell/janelas/TabelaJanelas.h"

#include "ui/GerenciadorJanelas.h"

// One line per window: its name (objectName and open flag) and its requester codes.
// Deliveries for a code go to JanelaFilha::recebeResposta of that window, created if needed.
void registraJanelas(GerenciadorJanelas& janelas)
{
    Q_UNUSED(janelas);
}
