#include "ui/LayoutElastico.h"

#include <QAbstractScrollArea>
#include <QWidget>
#include <algorithm>

EixoElastico::EixoElastico(const QList<QPair<int, int>>& intervalosQueEsticam, int natural, int atual)
{
    QList<QPair<int, int>> ordem = intervalosQueEsticam;
    std::sort(ordem.begin(), ordem.end());
    int total = 0;
    for (const auto& [inicio, fim] : ordem) {
        if (fim <= inicio)
            continue;
        if (!m_uniao.isEmpty() && inicio <= m_uniao.last().second) {
            total += qMax(0, fim - m_uniao.last().second);
            m_uniao.last().second = qMax(m_uniao.last().second, fim);
        } else {
            m_uniao.append({inicio, fim});
            total += fim - inicio;
        }
    }
    if (total > 0 && atual > natural)
        m_fator = double(atual - natural) / total;
}

double EixoElastico::posicao(double natural) const
{
    double extra = 0;
    for (const auto& [inicio, fim] : m_uniao) {
        if (natural <= inicio)
            break;
        extra += (qMin<double>(natural, fim) - inicio) * m_fator;
    }
    return natural + extra;
}

LayoutElastico::LayoutElastico(QWidget* pai) : QLayout(pai)
{
    setContentsMargins(0, 0, 0, 0);
}

LayoutElastico::~LayoutElastico()
{
    qDeleteAll(m_itens);
}

void LayoutElastico::defineTamanhoNatural(QSize tamanho)
{
    m_natural = tamanho;
    m_naturais.clear();
    invalidate();
}

void LayoutElastico::addItem(QLayoutItem* item)
{
    m_itens.append(item);
}

QLayoutItem* LayoutElastico::itemAt(int indice) const
{
    return m_itens.value(indice);
}

QLayoutItem* LayoutElastico::takeAt(int indice)
{
    return indice >= 0 && indice < m_itens.size() ? m_itens.takeAt(indice) : nullptr;
}

void LayoutElastico::lembraNaturais()
{
    m_naturais.clear();
    for (QLayoutItem* item : std::as_const(m_itens))
        if (QWidget* w = item->widget())
            m_naturais.append({w, w->geometry()});
}

namespace {
bool estica(const QWidget* w)
{
    return qobject_cast<const QAbstractScrollArea*>(w) != nullptr;
}
}

void LayoutElastico::setGeometry(const QRect& r)
{
    QLayout::setGeometry(r);
    const bool natural = r.width() <= m_natural.width() && r.height() <= m_natural.height();
    if (natural) {
        // Back at the natural size: the window's own positions again.
        for (const Controle& c : std::as_const(m_naturais))
            if (c.widget)
                c.widget->setGeometry(c.natural);
        m_naturais.clear();
        return;
    }
    if (m_naturais.isEmpty())
        lembraNaturais();
    QList<QPair<int, int>> colunas, linhas;
    for (const Controle& c : std::as_const(m_naturais))
        if (c.widget && estica(c.widget) && !c.widget->isHidden()) {
            colunas.append({c.natural.left(), c.natural.left() + c.natural.width()});
            linhas.append({c.natural.top(), c.natural.top() + c.natural.height()});
        }
    const EixoElastico x(colunas, m_natural.width(), qMax(r.width(), m_natural.width()));
    const EixoElastico y(linhas, m_natural.height(), qMax(r.height(), m_natural.height()));
    for (const Controle& c : std::as_const(m_naturais)) {
        if (!c.widget)
            continue;
        const QRect n = c.natural;
        if (estica(c.widget)) {
            const int esquerda = qRound(x.posicao(n.left()));
            const int topo = qRound(y.posicao(n.top()));
            c.widget->setGeometry(esquerda, topo, qRound(x.posicao(n.left() + n.width())) - esquerda,
                                  qRound(y.posicao(n.top() + n.height())) - topo);
        } else {
            // The top-left corner follows the axes (a caption stays over its box's left
            // edge); the size stays.
            c.widget->move(qRound(x.posicao(n.left())), qRound(y.posicao(n.top())));
        }
    }
}
