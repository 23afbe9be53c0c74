#include "app/janelas/InicioPrograma.h"

#include "db/janelas/Sincronizacao.h"
#include "db/IdiomaBanco.h"
#include "i18n/janelas/TraducoesQt.h"
#include "shell/Globais.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Inicio.h"
#include "app/janelas/AvisosInicio.h"
#include "app/janelas/Dicas.h"
#include "app/janelas/Inicial.h"
#include "app/janelas/fmxMenu.h"
#include "app/janelas/xResponsabilidade.h"
#include "app/janelas/zLimpa.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>

#include <optional>

namespace {

// The small windows of the running main window (one of each at a time).
QPointer<Dicas> g_dicas;
QPointer<fmxMenu> g_subMenu;

// The splash stays on top of everything until the main window has loaded; it steps aside
// while a question of the start-up is on the screen, and comes back after it.
class AberturaAfastada {
public:
    AberturaAfastada()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("xScreen") && w->isVisible()) {
                m_abertura = w;
                w->hide();
            }
    }
    ~AberturaAfastada()
    {
        if (m_abertura)
            m_abertura->show();
    }

private:
    QPointer<QWidget> m_abertura;
};

bool mostraAviso()
{
    AberturaAfastada afastada;
    xResponsabilidade aviso;
    return aviso.exec() == QDialog::Accepted;
}

void verificaImportacao(Inicial&)
{
    // A question is only asked when there is a previous installation's copy to import.
    std::optional<AberturaAfastada> afastada;
    if (QFileInfo(Globais::instancia().caminhoUsuario()).isFile())
        afastada.emplace();
    PerguntaImportacao();
}

void mostraDicas(Inicial& principal)
{
    if (!g_dicas)
        g_dicas = new Dicas(principal.area()->viewport());
    g_dicas->move(0, 0);
    g_dicas->show();
    g_dicas->raise();
}

void ocultaDicas()
{
    if (g_dicas && g_dicas->isVisible())
        g_dicas->hide();
}

void fechaDicas()
{
    if (g_dicas)
        g_dicas->close();
}

void mostraSubMenu(Inicial& principal, int tipo, int esquerda, const QString& rotulo)
{
    QWidget* fundo = principal.area()->viewport();
    if (!g_subMenu)
        g_subMenu = new fmxMenu(principal.janelas(), fundo);
    g_subMenu->traduz();
    if (tipo == 1)
        g_subMenu->defineChipDisplay(rotulo);
    g_subMenu->ExibirMenu(tipo);
    g_subMenu->move(fundo->mapFrom(&principal, QPoint(esquerda, 0)).x(), 0);
    g_subMenu->show();
    g_subMenu->raise();
}

void ocultaSubMenu()
{
    if (g_subMenu && g_subMenu->isVisible())
        g_subMenu->hide();
}

void limpaFundo(Inicial& principal)
{
    (new zLimpa(principal))->show();
}

} // namespace

void instalaGanchosShell(GanchosShell& ganchos)
{
    ganchos.primeiroInicio = [] { return VerificaPrimeiroUso(Globais::instancia().CaminhoBanco, mostraAviso); };
    // Online notices: this build talks to no web service, so the check has nothing to ask.
    ganchos.verificaVersaoOnline = nullptr;
    ganchos.verificaImportacao = verificaImportacao;
    ganchos.mostraDicas = mostraDicas;
    ganchos.ocultaDicas = ocultaDicas;
    ganchos.fechaDicas = fechaDicas;
    ganchos.mostraSubMenu = mostraSubMenu;
    ganchos.ocultaSubMenu = ocultaSubMenu;
    ganchos.limpaFundo = limpaFundo;
}

std::unique_ptr<Inicial> IniciaPrograma(QWidget* abertura)
{
    Globais& g = Globais::instancia();
    CarregaIdioma(g.CaminhoBanco);
    AplicaIdiomaAoQt(IdiomaAtual());
    instalaGanchosShell(ganchosShell());
    {
        AberturaAfastada afastada;
        Inicio::avisaSomenteLeitura();
    }

    if (Inicio::primeiroInicio()) {
        if (auto& gancho = ganchosShell().primeiroInicio; gancho && !gancho())
            return nullptr; // the disclaimer was declined: the program ends here
    }
    if (auto& gancho = ganchosShell().verificaVersaoOnline)
        gancho();

    auto principal = std::make_unique<Inicial>(abertura);
    principal->mostraNaTela();
    return principal;
}
