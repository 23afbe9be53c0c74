#include "app/janelas/zLimpa.h"

#include "app/janelas/Inicial.h"
#include "ui/Twips.h"

#include <QMdiArea>
#include <QTimer>

namespace {
// The colour of the main window's background: its brush, or the edge of its picture.
QColor corDoFundo(const QMdiArea* area)
{
    const QBrush fundo = area->background();
    const QImage imagem = fundo.textureImage().isNull() ? fundo.texture().toImage() : fundo.textureImage();
    if (!imagem.isNull())
        return imagem.pixelColor(0, 0);
    return fundo.color();
}
} // namespace

zLimpa::zLimpa(Inicial& principal) : QWidget(principal.area()->viewport())
{
    setObjectName(QStringLiteral("zLimpa"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, corDoFundo(principal.area()));
    setPalette(pal);
    setGeometry(0, 0, qMax(0, principal.width() - Twips::paraPixels(200)),
                qMax(0, principal.height() - Twips::paraPixels(2000)));
    principal.LimparLogo = false;
    lower(); // over the background, under the open child windows

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &QWidget::close);
    Timer1->start();
}
