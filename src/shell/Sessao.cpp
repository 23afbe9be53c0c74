#include "shell/Sessao.h"

#include "shell/PerfilModelo.h"

Sessao::Sessao(Ligacao& ligacao, QObject* pai) : QObject(pai), m_ligacao(ligacao)
{
    connect(&m_ligacao, &Ligacao::estadoMudou, this, &Sessao::estadoMudou);
    // A phone gone with its box takes its number with it.
    connect(&m_ligacao, &Ligacao::portaPerdida, this, [this] { defineNumeroModelo(QString()); });
}

void Sessao::defineModelo(const QString& modelo)
{
    if (m_modelo == modelo)
        return;
    m_modelo = modelo;
    emit modeloMudou(m_modelo);
}

void Sessao::defineNumeroModelo(const QString& numero)
{
    if (m_numero == numero)
        return;
    m_numero = numero;
    emit numeroModeloMudou(m_numero);
}

bool Sessao::chipHydra() const
{
    return PerfilModelo::de(m_modelo).hydra();
}

void Sessao::defineFiltroIcs(const QString& filtro)
{
    if (m_filtroIcs == filtro)
        return;
    m_filtroIcs = filtro;
    emit filtroIcsMudou(m_filtroIcs);
}

void Sessao::pedeFiltroIcs(const QString& filtro)
{
    defineFiltroIcs(filtro);
    emit filtroIcsPedido(filtro);
}
