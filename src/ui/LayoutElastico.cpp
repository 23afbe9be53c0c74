#include "ui/LayoutElastico.h"

#include <QAbstractScrollArea>
#include <QWidget>
#include <QtMath>
#include <algorithm>

EixoElastico::EixoElastico(const QList<QPair<int, int>>& intervalosQueEsticam, int natural, int atual,
                           double encolheMax)
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
    m_total = total;
    if (total > 0 && atual > natural)
        m_fator = double(atual - natural) / total;
    else if (total > 0 && atual < natural)
        m_fator = -qMin(encolheMax, double(natural - atual) / total);
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
    if (qobject_cast<const QAbstractScrollArea*>(w))
        return true;
    // A frame laid around a text box gives and takes room as the box does.
    if (const QLayout* l = w ? w->layout() : nullptr)
        for (int i = 0; i < l->count(); ++i)
            if (qobject_cast<const QAbstractScrollArea*>(l->itemAt(i)->widget()))
                return true;
    return false;
}

bool esticaVisivel(const QWidget* w)
{
    return w && estica(w) && !w->isHidden();
}
}

QList<LayoutElastico::Controle> LayoutElastico::controlesNaturais() const
{
    if (!m_naturais.isEmpty())
        return m_naturais;
    QList<Controle> atuais;
    for (QLayoutItem* item : std::as_const(m_itens))
        if (QWidget* w = item->widget())
            atuais.append({w, w->geometry()});
    return atuais;
}

// The rows a lower frame may take away: rows of a grid or text box that no other control
// shares (a column of buttons beside a grid keeps its rows, or the buttons would overlap), and
// at least two lines high (the gaps between the buttons of such a column stay as they are).
QList<QPair<int, int>> LayoutElastico::linhasLivres(const QList<Controle>& controles) const
{
    QList<QPair<int, int>> livres;
    for (const Controle& c : controles)
        if (esticaVisivel(c.widget))
            livres.append({c.natural.top(), c.natural.bottom() + 1});
    for (const Controle& c : controles) {
        if (!c.widget || estica(c.widget) || c.widget->isHidden())
            continue;
        const int topo = c.natural.top(), fim = c.natural.bottom() + 1;
        QList<QPair<int, int>> restam;
        for (const auto& [inicio, final] : std::as_const(livres)) {
            if (fim <= inicio || topo >= final) {
                restam.append({inicio, final});
                continue;
            }
            if (topo > inicio)
                restam.append({inicio, topo});
            if (fim < final)
                restam.append({fim, final});
        }
        livres = restam;
    }
    const int poucoMais = 2 * (parentWidget() ? parentWidget()->fontMetrics().height() : 12);
    livres.removeIf([poucoMais](const QPair<int, int>& l) { return l.second - l.first < poucoMais; });
    return livres;
}

// How much of its free rows a lower frame may take: every grid and text box keeps a few
// lines (and what its own minimum asks).
double LayoutElastico::encolhimentoMaximo(const QList<Controle>& controles, const QList<QPair<int, int>>& livres)
{
    double maximo = 1;
    for (const Controle& c : controles) {
        if (!esticaVisivel(c.widget) || c.natural.height() <= 0)
            continue;
        int livre = 0;
        for (const auto& [inicio, fim] : livres)
            livre += qMax(0, qMin(fim, c.natural.bottom() + 1) - qMax(inicio, c.natural.top()));
        if (livre <= 0)
            continue;
        const int poucasLinhas = 4 * c.widget->fontMetrics().height();
        const int minimo = qMin(c.natural.height(), qMax(c.widget->minimumSizeHint().height(), poucasLinhas));
        maximo = qMin(maximo, double(c.natural.height() - minimo) / livre);
    }
    return qMax(0.0, maximo);
}

QSize LayoutElastico::minimoDe(const QList<Controle>& controles, QSize natural, const QList<QPair<int, int>>& livres)
{
    const EixoElastico y(livres, natural.height(), natural.height());
    const int cede = qFloor(y.total() * encolhimentoMaximo(controles, livres));
    return {natural.width(), natural.height() - cede};
}

QSize LayoutElastico::minimumSize() const
{
    const QList<Controle> controles = controlesNaturais();
    const QSize minimo = minimoDe(controles, m_natural, linhasLivres(controles));
    if (!m_desenhoCompacto || !m_permiteCompacto)
        return minimo;
    const QList<Controle> compactos = controlesCompactos(controles);
    return {m_compacto.width(), qMin(minimo.height(), minimoDe(compactos, m_compacto, linhasLivres(compactos)).height())};
}

void LayoutElastico::permiteCompacto(bool permite)
{
    if (permite == m_permiteCompacto)
        return;
    m_permiteCompacto = permite;
    invalidate();
}

void LayoutElastico::defineDesenhoCompacto(QSize tamanho, DesenhoCompacto desenho)
{
    m_compacto = tamanho;
    m_desenhoCompacto = std::move(desenho);
    invalidate();
}

QList<LayoutElastico::Controle> LayoutElastico::controlesCompactos(const QList<Controle>& naturais) const
{
    const QHash<QWidget*, QRect> lugares = m_desenhoCompacto();
    QList<Controle> compactos = naturais;
    for (Controle& c : compactos)
        if (c.widget)
            c.natural = lugares.value(c.widget.data(), c.natural);
    return compactos;
}

void LayoutElastico::refazCompacto()
{
    if (m_emCompacto)
        setGeometry(geometry());
}

void LayoutElastico::setGeometry(const QRect& r)
{
    QLayout::setGeometry(r);
    const bool natural = r.width() <= m_natural.width() && r.height() == m_natural.height();
    const bool compactoPossivel = m_desenhoCompacto && m_permiteCompacto;
    if (natural && !(compactoPossivel && r.width() < m_natural.width())) {
        // Back at the natural size: the window's own positions again.
        m_emCompacto = false;
        for (const Controle& c : std::as_const(m_naturais))
            if (c.widget)
                c.widget->setGeometry(c.natural);
        m_naturais.clear();
        return;
    }
    if (m_naturais.isEmpty())
        lembraNaturais();
    // The compact design where the natural one would scroll.
    const QSize minimoNatural = minimoDe(m_naturais, m_natural, linhasLivres(m_naturais));
    const bool eraCompacto = m_emCompacto;
    m_emCompacto = compactoPossivel && (r.width() < m_natural.width() || r.height() < minimoNatural.height());
    if (m_emCompacto)
        distribui(controlesCompactos(m_naturais), m_compacto, r, true);
    else
        distribui(m_naturais, m_natural, r, eraCompacto);
}

void LayoutElastico::distribui(const QList<Controle>& controles, QSize tamanho, const QRect& r, bool comTamanhos)
{
    QList<QPair<int, int>> colunas, linhas;
    for (const Controle& c : controles)
        if (c.widget && estica(c.widget) && !c.widget->isHidden()) {
            colunas.append({c.natural.left(), c.natural.left() + c.natural.width()});
            linhas.append({c.natural.top(), c.natural.top() + c.natural.height()});
        }
    const EixoElastico x(colunas, tamanho.width(), qMax(r.width(), tamanho.width()));
    const bool encolhe = r.height() < tamanho.height();
    const QList<QPair<int, int>> livres = encolhe ? linhasLivres(controles) : QList<QPair<int, int>>{};
    const EixoElastico y(encolhe ? livres : linhas, tamanho.height(), r.height(),
                         encolhe ? encolhimentoMaximo(controles, livres) : 0.0);
    for (const Controle& c : controles) {
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
            // edge); the size stays (the one of the design laid out, when it changes).
            const QPoint canto(qRound(x.posicao(n.left())), qRound(y.posicao(n.top())));
            if (comTamanhos)
                c.widget->setGeometry(QRect(canto, n.size()));
            else
                c.widget->move(canto);
        }
    }
}
