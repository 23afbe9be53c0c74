#include "ui/Teclas.h"

#include "ui/GerenciadorJanelas.h"
#include "ui/JanelaFilha.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QShortcut>
#include <QToolButton>
#include <QToolTip>

namespace {
class DicaComTecla : public QObject {
public:
    DicaComTecla(QAbstractButton* botao, const QKeySequence& teclas) : QObject(botao), m_botao(botao), m_teclas(teclas)
    {
        botao->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override
    {
        if (alvo != m_botao || evento->type() != QEvent::ToolTip)
            return false;
        QString base = m_botao->toolTip();
        if (base.isEmpty())
            base = m_botao->text().remove(QLatin1Char('&')).simplified();
        const QString tecla = m_teclas.toString(QKeySequence::NativeText);
        QToolTip::showText(static_cast<QHelpEvent*>(evento)->globalPos(),
                           base.isEmpty() ? tecla : base + QStringLiteral(" (") + tecla + QLatin1Char(')'), m_botao);
        return true;
    }

private:
    QAbstractButton* m_botao;
    QKeySequence m_teclas;
};

// The button pressed as the mouse would, when it can be.
void pressiona(QAbstractButton* botao)
{
    if (botao && botao->isEnabled() && botao->isVisible())
        botao->click();
}
} // namespace

void anunciaTecla(QAbstractButton* botao, const QKeySequence& teclas)
{
    if (botao && !botao->findChild<DicaComTecla*>(QString(), Qt::FindDirectChildrenOnly))
        new DicaComTecla(botao, teclas);
}

void ligaTecla(QWidget* principal, const QKeySequence& teclas, const std::function<void()>& acao)
{
    auto* s = new QShortcut(teclas, principal);
    s->setContext(Qt::WindowShortcut);
    QObject::connect(s, &QShortcut::activated, principal, acao);
    // A sub-window's own system menu may claim the same key: the main window's key wins.
    QObject::connect(s, &QShortcut::activatedAmbiguously, principal, acao);
}

void instalaTeclasPrincipais(QWidget* principal, GerenciadorJanelas& janelas, QAbstractButton* conectar,
                             QAbstractButton* diagnostico, QAbstractButton* listaJanelas)
{
    ligaTecla(principal, Teclas::Conectar, [conectar] { pressiona(conectar); });
    ligaTecla(principal, Teclas::Diagnostico, [diagnostico] { pressiona(diagnostico); });
    ligaTecla(principal, Teclas::ListaJanelas, [listaJanelas] {
        if (auto* t = qobject_cast<QToolButton*>(listaJanelas))
            t->showMenu();
    });
    ligaTecla(principal, Teclas::Leitura, [&janelas] {
        if (JanelaFilha* j = janelas.ativa())
            pressiona(j->botaoLeitura());
    });
    ligaTecla(principal, Teclas::Relatorio, [&janelas] {
        if (JanelaFilha* j = janelas.ativa())
            pressiona(j->botaoRelatorio());
    });
    anunciaTecla(conectar, Teclas::Conectar);
    anunciaTecla(diagnostico, Teclas::Diagnostico);
    // The windows' list button already names Ctrl+Tab and Ctrl+F4 in its tooltip.
    QObject::connect(&janelas, &GerenciadorJanelas::janelaCriada, principal, [&janelas](const QString& nome) {
        if (JanelaFilha* j = janelas.aberta(nome)) {
            anunciaTecla(j->botaoLeitura(), Teclas::Leitura);
            anunciaTecla(j->botaoRelatorio(), Teclas::Relatorio);
        }
    });
}
