#include "shell/janelas/TabelaJanelas.h"

#include "rails/janelas/BuckLdo.h"
#include "rails/janelas/BuckTeste.h"
#include "rails/janelas/PMU.h"
#include "rails/janelas/VCores.h"
#include "ui/GerenciadorJanelas.h"

// One line per window: its name (objectName and open flag) and its requester codes.
// Deliveries for a code go to JanelaFilha::recebeResposta of that window, created if needed.
void registraJanelas(GerenciadorJanelas& janelas)
{
    Q_UNUSED(janelas);
    janelas.registra<VCores>(QStringLiteral("VCores"), {"16"});
    janelas.registra<BuckLdo>(QStringLiteral("BuckLdo"), {"15"});
    janelas.registra<PMU>(QStringLiteral("PMU"), {"18"});
    janelas.registra<BuckTeste>(QStringLiteral("BuckTeste"), {"13"});
}
