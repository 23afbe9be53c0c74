#include "shell/janelas/xScreen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QPixmap placa()
{
    QPixmap p(120, 96);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0x6f, 0x8f, 0xa8), 3));
    g.setBrush(QColor(0x35, 0x3c, 0x44));
    g.drawRoundedRect(QRectF(10, 6, 100, 84), 12, 12);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x4f, 0x7c, 0x9c));
    g.drawRoundedRect(QRectF(44, 30, 32, 32), 4, 4);
    return p;
}

QPixmap titulo()
{
    QPixmap p(360, 48);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QFont f = g.font();
    f.setPixelSize(30);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    g.setFont(f);
    g.setPen(QColor(0xc8, 0xd6, 0xe0));
    g.drawText(p.rect(), Qt::AlignCenter, QStringLiteral("VEXADOR TARRIM"));
    return p;
}
} // namespace

xScreen::xScreen(QWidget* pai) : QWidget(pai, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("xScreen"));
    setWindowTitle(QStringLiteral("Vexador Tarrim"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x2b, 0x30, 0x36));
    setPalette(pal);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(30, 24, 30, 24);
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
