#include "app/janelas/InicioPrograma.h"

#include "db/janelas/Sincronizacao.h"
#include "db/IdiomaBanco.h"
#include "i18n/janelas/TraducoesQt.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Inicio.h"
#include "app/janelas/AvisosInicio.h"
#include "app/janelas/Dicas.h"
#include "app/janelas/Inicial.h"
#include "shell/ContextoAplicacao.h"
#include "ui/GerenciadorJanelas.h"
#include "app/janelas/fmxMenu.h"
#include "app/janelas/xResponsabilidade.h"
#include "app/janelas/zLimpa.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>

#include <optional>

namespace {

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

bool mostraAviso(const QString& banco)
{
    AberturaAfastada afastada;
    xResponsabilidade aviso(banco);
    return aviso.exec() == QDialog::Accepted;
}

void verificaImportacao(const LocalDados& dados)
{
    // A question is only asked when there is a previous installation's copy to import.
    std::optional<AberturaAfastada> afastada;
    if (QFileInfo(dados.usuario()).isFile())
        afastada.emplace();
    PerguntaImportacao(dados);
}

} // namespace

void LigaJanelasPequenas(Inicial& principal)
{
    // Children of the main window: they go with it.
    auto dicas = std::make_shared<QPointer<Dicas>>();
    auto subMenu = std::make_shared<QPointer<fmxMenu>>();
    Inicial* p = &principal;
    QObject::connect(p, &Inicial::dicasPedidas, p, [p, dicas] {
        if (!*dicas)
            *dicas = new Dicas(p->area()->viewport());
        (*dicas)->move(0, 0);
        (*dicas)->show();
        (*dicas)->raise();
    });
    QObject::connect(p, &Inicial::dicasDispensadas, p, [dicas] {
        if (*dicas && (*dicas)->isVisible())
            (*dicas)->hide();
    });
    QObject::connect(p, &Inicial::dicasFechadas, p, [dicas] {
        if (*dicas)
            (*dicas)->close();
    });
    QObject::connect(p, &Inicial::subMenuPedido, p, [p, subMenu](int tipo, int esquerda, const QString& rotulo) {
        QWidget* fundo = p->area()->viewport();
        if (!*subMenu)
            *subMenu = new fmxMenu(p->janelas(), fundo);
        fmxMenu* menu = *subMenu;
        menu->traduz();
        if (tipo == 1)
            menu->defineChipDisplay(rotulo);
        menu->ExibirMenu(tipo);
        menu->move(fundo->mapFrom(p, QPoint(esquerda, 0)).x(), 0);
        menu->show();
        menu->raise();
    });
    const auto ocultaSubMenu = [subMenu] {
        if (*subMenu && (*subMenu)->isVisible())
            (*subMenu)->hide();
    };
    QObject::connect(p, &Inicial::subMenuDispensado, p, ocultaSubMenu);
    QObject::connect(&p->janelas(), &GerenciadorJanelas::menuFlutuanteDispensado, p, ocultaSubMenu);
    QObject::connect(p, &Inicial::fundoALimpar, p, [p] { (new zLimpa(*p))->show(); });
}

std::unique_ptr<Inicial> IniciaPrograma(const ContextoAplicacao& contexto, QWidget* abertura)
{
    const LocalDados& dados = contexto.dados;
    CarregaIdioma(dados.banco);
    AplicaIdiomaAoQt(IdiomaAtual());
    {
        AberturaAfastada afastada;
        Inicio::avisaSomenteLeitura(dados.banco);
    }

    if (Inicio::primeiroInicio(dados.banco) && !VerificaPrimeiroUso(dados.banco, [&dados] { return mostraAviso(dados.banco); }))
        return nullptr; // the disclaimer was declined: the program ends here
    // Online notices: this build talks to no web service, so there is nothing to ask.

    // Before the main window loads what the database holds.
    verificaImportacao(dados);
    auto principal = std::make_unique<Inicial>(contexto, abertura);
    LigaJanelasPequenas(*principal);
    principal->mostraNaTela();
    return principal;
}
