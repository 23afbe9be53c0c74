#include "ui/JanelaFilha.h"
#include "ui/MenuJanelas.h"

#include "shell/Globais.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>

JanelaFilha::JanelaFilha(const QString& nome, GerenciadorJanelas& janelas, bool temFlagAberta)
    : m_janelas(janelas), m_temFlag(temFlagAberta)
{
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose);
    if (m_temFlag)
        Globais::instancia().defineJanelaAberta(nome, true);
}

JanelaFilha::~JanelaFilha()
{
    if (m_temFlag)
        Globais::instancia().defineJanelaAberta(objectName(), false);
}

Ligacao& JanelaFilha::ligacao() const
{
    return m_janelas.ligacao();
}

Sessao& JanelaFilha::sessao() const
{
    return m_janelas.sessao();
}

bool JanelaFilha::solicita(const QString& codigo, const QString& comando, bool espelhada)
{
    const auto modo = espelhada ? Ligacao::Modo::Espelhada : Ligacao::Modo::Normal;
    return !m_janelas.pede(objectName(), codigo, comando, modo)->recusada();
}

void JanelaFilha::centraliza()
{
    QWidget* alvo = parentWidget() ? parentWidget() : this; // the MDI sub-window frame
    QMdiArea* area = m_janelas.area();
    if (!area)
        return;
    const QSize principal = area->viewport()->size();
    const int x = principal.width() / 2 - alvo->width() / 2;
    const int y = principal.height() / 2 - Twips::paraPixels(1050) - alvo->height() / 2;
    alvo->move(PosicaoDentroDaArea(QPoint(x, y), alvo->size(), principal));
}
