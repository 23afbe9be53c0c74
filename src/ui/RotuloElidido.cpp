#include "ui/RotuloElidido.h"

#include "i18n/Dicionario.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>

RotuloElidido::RotuloElidido(QWidget* pai) : QLabel(pai)
{
    setTextFormat(Qt::PlainText); // a path and a reason, never markup
    // However long the text, it never widens its window: the row gives it what is left.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setFocusPolicy(Qt::ClickFocus); // for Ctrl+C
}

void RotuloElidido::defineTexto(const QString& texto, const QString& paraCopiar)
{
    m_paraCopiar = paraCopiar;
    setText(texto);
    setToolTip(texto);
}

QString RotuloElidido::textoVisivel() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void RotuloElidido::copia() const
{
    QGuiApplication::clipboard()->setText(paraCopiar());
}

QSize RotuloElidido::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral("M\u2026M")), QLabel::minimumSizeHint().height()};
}

void RotuloElidido::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    style()->drawItemText(&p, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), textoVisivel(), foregroundRole());
}

void RotuloElidido::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menu(this);
    menu.addAction(L(QStringLiteral("Copiar caminho")), this, &RotuloElidido::copia);
    menu.exec(e->globalPos());
}

void RotuloElidido::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Copy)) {
        copia();
        return;
    }
    QLabel::keyPressEvent(e);
}
