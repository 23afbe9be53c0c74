#include "chips/janelas/DesenhoChip.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int Passo = 22;     // distance between pins
constexpr int Fio = 26;       // wire length outside the package
constexpr int Margem = 18;    // above the first and below the last pin

QLabel* rotulo(const QString& texto, QWidget* pai, bool malha)
{
    auto* l = new QLabel(texto, pai);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * DesenhoChip::EscalaDosNomes);
    f.setBold(malha);
    l->setFont(f);
    l->setStyleSheet(malha ? QStringLiteral("color: #1c3f94; background: transparent;")
                           : QStringLiteral("color: #f0f0f0; background: transparent;"));
    return l;
}
} // namespace

DesenhoChip::DesenhoChip(const QString& nomeChip, const QList<Pino>& esquerda, const QList<Pino>& direita,
                         QWidget* pai)
    : QWidget(pai), m_nome(nomeChip)
{
    auto monta = [this](const QList<Pino>& pinos, Lado& lado, int& largMalha, Qt::Alignment alinhamento) {
        for (const Pino& p : pinos) {
            QLabel* pino = rotulo(p.nome, this, false);
            pino->setAlignment(alinhamento | Qt::AlignVCenter);
            lado.pinos << pino;
            m_largPino = qMax(m_largPino, pino->sizeHint().width());
            QLabel* malha = p.rotuloMalha;
            if (malha) {
                malha->setParent(this);
                malha->setAlignment((alinhamento == Qt::AlignLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            } else {
                malha = rotulo(p.malha, this, true);
                malha->setAlignment((alinhamento == Qt::AlignLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            }
            lado.malhas << malha;
            m_altLinha = qMax(m_altLinha, qMax(pino->sizeHint().height(), malha->sizeHint().height()));
            // A rail named by the window is written later: leave room for a long name.
            largMalha = qMax(largMalha, qMax(malha->sizeHint().width(), p.rotuloMalha ? 170 : 130));
            // Compact, a fixed rail's name takes only its own width.
            int& justa = alinhamento == Qt::AlignLeft ? m_justaEsq : m_justaDir;
            justa = qMax(justa, p.rotuloMalha ? largMalha : malha->sizeHint().width());
        }
    };
    monta(esquerda, m_esquerda, m_largMalhaEsq, Qt::AlignLeft);
    monta(direita, m_direita, m_largMalhaDir, Qt::AlignRight);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DesenhoChip::defineNome(const QString& nome)
{
    m_nome = nome;
    update();
}

void DesenhoChip::defineCompacto(bool compacto)
{
    if (compacto == m_compacto)
        return;
    m_compacto = compacto;
    updateGeometry();
    posiciona();
    update();
}

// Compact, a pin takes a name's height (the rail's name sits over its wire, between two pins).
int DesenhoChip::passo() const { return m_compacto ? m_altLinha + 1 : Passo; }
int DesenhoChip::fio() const { return m_compacto ? 9 : Fio; }
int DesenhoChip::margem() const { return m_compacto ? 3 : Margem; }
// Compact, the first rail's name just clears the top: it sits half a pitch above its wire.
int DesenhoChip::topo() const { return m_compacto ? qMax(2, passo() / 2 + 2 - margem()) : 15; }
int DesenhoChip::largMalhaEsq() const { return m_compacto ? m_justaEsq : m_largMalhaEsq; }
int DesenhoChip::largMalhaDir() const { return m_compacto ? m_justaDir : m_largMalhaDir; }

QSize DesenhoChip::sizeHint() const
{
    const int pinos = qMax(m_esquerda.pinos.size(), m_direita.pinos.size());
    const int largCorpo = 2 * m_largPino + (m_compacto ? 18 : 40);
    return {largMalhaEsq() + largMalhaDir() + 2 * fio() + largCorpo + 8,
            pinos * passo() + 2 * margem() + topo() + (m_compacto ? 2 : 15)};
}

QRect DesenhoChip::corpo() const
{
    const int pinos = qMax(m_esquerda.pinos.size(), m_direita.pinos.size());
    const int largCorpo = 2 * m_largPino + (m_compacto ? 18 : 40);
    return {largMalhaEsq() + fio() + 4, topo(), largCorpo, pinos * passo() + 2 * margem()};
}

void DesenhoChip::resizeEvent(QResizeEvent*)
{
    posiciona();
}

void DesenhoChip::posiciona()
{
    const QRect c = corpo();
    auto coloca = [&](const Lado& lado, bool esquerda) {
        for (int i = 0; i < lado.pinos.size(); ++i) {
            const int y = c.top() + margem() + i * passo() + passo() / 2;
            QLabel* pino = lado.pinos[i];
            QLabel* malha = lado.malhas[i];
            const int h = passo();
            const int dentro = m_compacto ? 3 : 6;
            if (esquerda) {
                pino->setGeometry(c.left() + dentro, y - h / 2, m_largPino, h);
                malha->setGeometry(2, y - h - 1, largMalhaEsq() + fio(), h);
            } else {
                pino->setGeometry(c.right() - dentro - m_largPino, y - h / 2, m_largPino, h);
                malha->setGeometry(c.right() + 2, y - h - 1, largMalhaDir() + fio(), h);
            }
        }
    };
    coloca(m_esquerda, true);
    coloca(m_direita, false);
}

void DesenhoChip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect c = corpo();
    // Wires from each pin to its rail.
    p.setPen(QPen(QColor(0x9a, 0x7b, 0x2f), 2));
    auto fios = [&](const Lado& lado, bool esquerda) {
        for (int i = 0; i < lado.pinos.size(); ++i) {
            const int y = c.top() + margem() + i * passo() + passo() / 2;
            const bool temMalha = !lado.malhas[i]->text().isEmpty() || lado.malhas[i]->objectName().size();
            const int comprimento = temMalha ? fio() + (esquerda ? largMalhaEsq() : largMalhaDir()) : fio();
            if (esquerda)
                p.drawLine(c.left() - comprimento, y, c.left(), y);
            else
                p.drawLine(c.right(), y, c.right() + comprimento, y);
            p.fillRect(esquerda ? QRect(c.left() - 7, y - 3, 7, 6) : QRect(c.right() + 1, y - 3, 7, 6),
                       QColor(0xc0, 0xc0, 0xc0));
        }
    };
    fios(m_esquerda, true);
    fios(m_direita, false);
    // The package, with the pin-1 mark.
    QPainterPath caixa;
    caixa.addRoundedRect(c, 6, 6);
    p.fillPath(caixa, QColor(0x2b, 0x2d, 0x31));
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 2));
    p.drawPath(caixa);
    p.setBrush(QColor(0x55, 0x58, 0x5e));
    p.setPen(Qt::NoPen);
    if (m_compacto) // clear of the first pin's name, closer to the edge
        p.drawEllipse(QPoint(c.left() + 7, c.top() + 3), 2, 2);
    else
        p.drawEllipse(QPoint(c.left() + 12, c.top() + 10), 4, 4);
    // The chip's name across the middle.
    p.setPen(QColor(0xe8, 0xe8, 0xe8));
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.1);
    p.setFont(f);
    p.save();
    p.translate(c.center());
    p.rotate(-90);
    p.drawText(QRect(-c.height() / 2, -12, c.height(), 24), Qt::AlignCenter, m_nome);
    p.restore();
}
