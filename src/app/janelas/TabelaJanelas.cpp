#include "app/janelas/TabelaJanelas.h"

#include "app/janelas/Sobre.h"
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
#include "diagnostico/janelas/JanelaHistorico.h"
#include "rails/janelas/Acompanhar.h"
#include "rails/janelas/BuckLdo.h"
#include "rails/janelas/BuckTeste.h"
#include "rails/janelas/PMU.h"
#include "rails/janelas/VCores.h"
#include "ui/GerenciadorJanelas.h"

// One entry per window. Answers go to the window that asked (JanelaFilha::recebeResposta);
// the menu buttons, the refresh after a model change and the session log's names come from
// here. A window refreshes its own recorded answer when its own reading ends.
void registraJanelas(GerenciadorJanelas& janelas)
{
    janelas.registra<Master>({.nome = "Master", .codigos = {"1"}, .botaoMenu = 2, .ordemAtualizacao = 7});
    janelas.registra<fmHelp>({.nome = "fmHelp"});
    janelas.registra<VCores>({.nome = "VCores", .codigos = {"16"}, .botaoMenu = 3, .ordemAtualizacao = 3,
                              .entregaSoAberta = true});
    janelas.registra<BuckLdo>({.nome = "BuckLdo", .codigos = {"15"}, .botaoMenu = 4, .ordemAtualizacao = 4,
                               .entregaSoAberta = true});
    janelas.registra<PMU>({.nome = "PMU", .codigos = {"18"}, .ordemAtualizacao = 9, .entregaSoAberta = true});
    janelas.registra<BuckTeste>(
        {.nome = "BuckTeste", .codigos = {"13"}, .ordemAtualizacao = 6, .entregaSoAberta = true});
    janelas.registra<Nand>({.nome = "Nand", .codigos = {"4"}, .botaoMenu = 7});
    janelas.registra<IC>({.nome = "IC", .codigos = {"5"}, .botaoMenu = 8, .ordemAtualizacao = 1});
    janelas.registra<I2C>({.nome = "I2C", .codigos = {"6"}, .botaoMenu = 9, .ordemAtualizacao = 8});
    janelas.registra<Chestnut>({.nome = "Chestnut", .codigos = {"8"}});
    janelas.registra<Tigris>({.nome = "Tigris", .codigos = {"9"}});
    janelas.registra<Tristar>({.nome = "Tristar", .codigos = {"10"}});
    janelas.registra<Acorn>({.nome = "Acorn", .codigos = {"12"}});
    janelas.registra<RFs>({.nome = "RFs", .codigos = {"2"}, .botaoMenu = 5});
    janelas.registra<RFs_Esq>({.nome = "RFs_Esq"});
    janelas.registra<Displays>({.nome = "Displays", .codigos = {"3"}, .botaoMenu = 6, .ordemAtualizacao = 5});
    janelas.registra<Bateria>({.nome = "Bateria", .codigos = {"14", "19"}});
    janelas.registra<Outros>({.nome = "Outros", .codigos = {"17"}, .botaoMenu = 17, .ordemAtualizacao = 2});
    janelas.registra<Sobre>({.nome = "Sobre", .botaoMenu = 12});
    janelas.registra<Diagnostico>({.nome = "Diagnostico"});
    janelas.registra<JanelaHistorico>({.nome = "Historico"});
    // Opened from the rail grids; its procedure reads the rails under its own code.
    janelas.registra<Acompanhar>({.nome = "Acompanhar", .codigos = {CodigoAcompanhar}, .ordemAtualizacao = 10});
}
