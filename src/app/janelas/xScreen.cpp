#include "app/janelas/xScreen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const QColor Fundo(0x2b, 0x30, 0x36);

// The board with its chip, the same drawing as the main window's logo.
QPixmap placa()
{
    QPixmap p(150, 118);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0x6f, 0x8f, 0xa8), 3));
    g.setBrush(QColor(0x35, 0x3c, 0x44));
    g.drawRoundedRect(QRectF(12, 6, 126, 106), 14, 14);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x4f, 0x7c, 0x9c));
    g.drawRoundedRect(QRectF(54, 38, 42, 42), 5, 5);
    g.setPen(QPen(QColor(0x8f, 0xb8, 0xd4), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double d = 44 + i * 10;
        g.drawLine(QPointF(36, d), QPointF(50, d));
        g.drawLine(QPointF(100, d), QPointF(114, d));
        const double x = 60 + i * 10;
        g.drawLine(QPointF(x, 20), QPointF(x, 34));
        g.drawLine(QPointF(x, 84), QPointF(x, 98));
    }
    return p;
}

QPixmap titulo()
{
    QPixmap p(380, 78);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QFont f = g.font();
    f.setPixelSize(30);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    g.setFont(f);
    g.setPen(QColor(0xc8, 0xd6, 0xe0));
    g.drawText(QRectF(0, 0, p.width(), 44), Qt::AlignCenter, QStringLiteral("VEXADOR TARRIM"));
    f.setPixelSize(14);
    f.setBold(false);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    g.setFont(f);
    g.setPen(QColor(0x8a, 0x9b, 0xa8));
    g.drawText(QRectF(0, 44, p.width(), 26), Qt::AlignCenter, QStringLiteral("logic board diagnostics"));
    return p;
}
} // namespace

xScreen::xScreen(QWidget* pai) : QWidget(pai, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("xScreen"));
    setWindowTitle(QStringLiteral("Vexador Tarrim"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#xScreen { background: %1; border: 1px solid #6f8fa8; }").arg(Fundo.name()));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(40, 28, 40, 24);
    l->setSpacing(10);
    auto* imagem1 = new QLabel(this);
    imagem1->setObjectName(QStringLiteral("Image1"));
    imagem1->setPixmap(placa());
    imagem1->setAlignment(Qt::AlignCenter);
    auto* imagem2 = new QLabel(this);
    imagem2->setObjectName(QStringLiteral("Image2"));
    imagem2->setPixmap(titulo());
    imagem2->setAlignment(Qt::AlignCenter);
    l->addWidget(imagem1);
    l->addWidget(imagem2);
    adjustSize();
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}
