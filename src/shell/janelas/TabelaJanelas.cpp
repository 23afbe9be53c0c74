#include "shell/janelas/TabelaJanelas.h"

#include "boardtests/janelas/Bateria.h"
#include "boardtests/janelas/Displays.h"
#include "boardtests/janelas/I2C.h"
#include "boardtests/janelas/IC.h"
#include "boardtests/janelas/Nand.h"
#include "boardtests/janelas/Outros.h"
#include "boardtests/janelas/RFs.h"
#include "boardtests/janelas/RFs_Esq.h"
#include "chips/janelas/Acorn.h"
#include "chips/janelas/Chestnut.h"
#include "chips/janelas/Tigris.h"
#include "chips/janelas/Tristar.h"
#include "console/janelas/Master.h"
#include "console/janelas/fmHelp.h"
#include "diagnostico/janelas/Diagnostico.h"
#include "rails/janelas/BuckLdo.h"
#include "rails/janelas/BuckTeste.h"
#include "rails/janelas/PMU.h"
#include "rails/janelas/VCores.h"
#include "shell/janelas/Sobre.h"
#include "ui/GerenciadorJanelas.h"

// One line per window: its name (objectName and open flag) and its requester codes.
// Deliveries for a code go to JanelaFilha::recebeResposta of that window, created if needed.
void registraJanelas(GerenciadorJanelas& janelas)
{
    Q_UNUSED(janelas);
    janelas.registra<Master>(QStringLiteral("Master"), {"1"});
    janelas.registra<fmHelp>(QStringLiteral("fmHelp"));
    janelas.registra<VCores>(QStringLiteral("VCores"), {"16"});
    janelas.registra<BuckLdo>(QStringLiteral("BuckLdo"), {"15"});
    janelas.registra<PMU>(QStringLiteral("PMU"), {"18"});
    janelas.registra<BuckTeste>(QStringLiteral("BuckTeste"), {"13"});
    janelas.registra<Nand>(QStringLiteral("Nand"), {"4"});
    janelas.registra<IC>(QStringLiteral("IC"), {"5"});
    janelas.registra<I2C>(QStringLiteral("I2C"), {"6"});
    janelas.registra<Chestnut>(QStringLiteral("Chestnut"), {"8"});
    janelas.registra<Tigris>(QStringLiteral("Tigris"), {"9"});
    janelas.registra<Tristar>(QStringLiteral("Tristar"), {"10"});
    janelas.registra<Acorn>(QStringLiteral("Acorn"), {"12"});
    janelas.registra<RFs>(QStringLiteral("RFs"), {"2"});
    janelas.registra<RFs_Esq>(QStringLiteral("RFs_Esq"));
    janelas.registra<Displays>(QStringLiteral("Displays"), {"3"});
    janelas.registra<Bateria>(QStringLiteral("Bateria"), {"14", "19"});
    janelas.registra<Outros>(QStringLiteral("Outros"), {"17"});
    janelas.registra<Sobre>(QStringLiteral("Sobre"));
    janelas.registra<Diagnostico>(QStringLiteral("Diagnostico"));
}
