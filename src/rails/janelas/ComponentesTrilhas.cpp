#include "rails/janelas/ComponentesTrilhas.h"

#include "i18n/Dicionario.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>

PainelProgresso::PainelProgresso(QWidget* pai) : QFrame(pai)
{
    setObjectName(QStringLiteral("FrameVCore"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* lay = new QVBoxLayout(this);
    m_lbGrade = new QLabel(this);
    m_lbGrade->setObjectName(QStringLiteral("lbGrade"));
    m_lbGrade->setAlignment(Qt::AlignCenter);
    QFont f = m_lbGrade->font();
    f.setBold(true);
    m_lbGrade->setFont(f);
    m_trilho = new QFrame(this);
    m_trilho->setObjectName(QStringLiteral("ProgressBar"));
    m_trilho->setFrameShape(QFrame::Box);
    m_trilho->setFixedHeight(Twips::paraPixels(240));
    m_barra = new QLabel(m_trilho);
    m_barra->setObjectName(QStringLiteral("Barra"));
    m_barra->setAutoFillBackground(true);
    QPalette p = m_barra->palette();
    p.setColor(QPalette::Window, CorVb(Cores::Verde).darker(130));
    m_barra->setPalette(p);
    lay->addWidget(m_lbGrade);
    lay->addWidget(m_trilho);
    m_timerBarra = new QTimer(this);
    m_timerBarra->setObjectName(QStringLiteral("TimerBarra"));
    m_timerBarra->setInterval(50);
    connect(m_timerBarra, &QTimer::timeout, this, &PainelProgresso::avanca);
    traduz();
    hide();
}

void PainelProgresso::traduz()
{
    m_lbGrade->setText(L(QStringLiteral("Realizando Leitura...")));
}

void PainelProgresso::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    m_passo = qMax(1, (m_trilho->width() - 2) / 50);
    m_barra->setGeometry(1, 1, qMin(m_barra->width(), m_trilho->width() - 2), m_trilho->height() - 2);
}

void PainelProgresso::inicia()
{
    show();
    raise();
    m_barra->setGeometry(1, 1, 1, m_trilho->height() - 2);
    m_timerBarra->start();
}

void PainelProgresso::para()
{
    hide();
    m_timerBarra->stop();
}

void PainelProgresso::avanca()
{
    int largura = m_barra->width() + m_passo;
    if (largura >= 50 * m_passo)
        largura = 1;
    m_barra->setGeometry(1, 1, largura, m_trilho->height() - 2);
}

NotaVar::NotaVar(QWidget* pai) : QLabel(pai)
{
    setObjectName(QStringLiteral("lbVar"));
    setWordWrap(true);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimerIndicaVar"));
    m_timer->setInterval(1500);
    connect(m_timer, &QTimer::timeout, this, &NotaVar::apaga);
}

void NotaVar::destaca()
{
    // Opaque, in the colour of a button face on a dark ground, so the eye finds the note.
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x20, 0x20, 0x60));
    p.setColor(QPalette::WindowText, QPalette().color(QPalette::Button));
    setPalette(p);
    setText(QLatin1Char(' ') + text() + QLatin1Char(' '));
    m_destacada = true;
    m_timer->start();
}

void NotaVar::apaga()
{
    m_timer->stop();
    setAutoFillBackground(false);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, CorVb(QStringLiteral("&H00000000")));
    setPalette(p);
    m_destacada = false;
}

QPixmap ImagemMarca(bool ok, int lado)
{
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    g.setBrush(ok ? QColor(0x1b, 0x9e, 0x3a) : QColor(0xd0, 0x2b, 0x20));
    g.drawEllipse(QRectF(0.5, 0.5, lado - 1, lado - 1));
    QPen caneta(Qt::white, lado / 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    g.setPen(caneta);
    const double s = lado;
    if (ok) {
        QPainterPath v;
        v.moveTo(s * 0.27, s * 0.52);
        v.lineTo(s * 0.44, s * 0.69);
        v.lineTo(s * 0.74, s * 0.34);
        g.drawPath(v);
    } else {
        g.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        g.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
    }
    return pm;
}

QIcon IconeResultado(int indice)
{
    if (indice == 1 || indice == 2)
        return QIcon(ImagemMarca(indice == 1, 16));
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QColor(0x60, 0x60, 0x60));
    g.setBrush(QColor(0xd8, 0xd8, 0xd8));
    g.drawRoundedRect(QRectF(2.5, 4.5, 11, 7), 2, 2);
    g.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.4));
    g.drawLine(QPointF(5, 8), QPointF(11, 8));
    return QIcon(pm);
}
