#include "app/janelas/Dicas.h"

#include "i18n/Dicionario.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

Dicas::Dicas(QWidget* pai) : QFrame(pai)
{
    setObjectName(QStringLiteral("Dicas"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setAttribute(Qt::WA_NoMousePropagation); // not a movement over the background under it
    setMouseTracking(true);
    setStyleSheet(QStringLiteral(
        "#Dicas { background: #fffbe6; border: 1px solid #b59a3c; }"
        "#FrameCima { background: #b59a3c; }"
        "#FrameCima QLabel { color: white; font-weight: bold; }"
        "#FrameBaixo { background: #e9dfb5; }"
        "#Frame1 QLabel { color: #2b2b2b; }"));

    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(1, 0, 1, 1);
    coluna->setSpacing(0);

    auto rotulo = [this](int i, QWidget* pai) {
        m_lbInfo[i] = new QLabel(pai);
        m_lbInfo[i]->setObjectName(QStringLiteral("lbInfo(%1)").arg(i));
        m_lbInfo[i]->setMouseTracking(true);
        return m_lbInfo[i];
    };

    m_frameCima = new QFrame(this);
    m_frameCima->setObjectName(QStringLiteral("FrameCima"));
    m_frameCima->setMouseTracking(true);
    auto* cima = new QHBoxLayout(m_frameCima);
    cima->setContentsMargins(10, 5, 10, 5);
    cima->addWidget(rotulo(0, m_frameCima));
    coluna->addWidget(m_frameCima);

    m_frame1 = new QFrame(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setMouseTracking(true);
    m_frame1->installEventFilter(this);
    auto* grade = new QGridLayout(m_frame1);
    grade->setContentsMargins(12, 8, 12, 8);
    grade->setHorizontalSpacing(8);
    grade->setVerticalSpacing(6);
    QFont negrito = font();
    negrito.setBold(true);
    rotulo(1, m_frame1)->setText(QStringLiteral("1:"));
    m_lbInfo[1]->setFont(negrito);
    rotulo(2, m_frame1)->setText(QStringLiteral("P10, ILAVENNDER, IBOXx, DIAG TOOLS, ID-BOXx , ..."));
    rotulo(4, m_frame1)->setText(QStringLiteral("2:"));
    m_lbInfo[4]->setFont(negrito);
    rotulo(3, m_frame1)->setText(QStringLiteral("JCC C3, B-BOXx"));
    grade->addWidget(m_lbInfo[1], 0, 0, Qt::AlignTop);
    grade->addWidget(m_lbInfo[2], 0, 1);
    grade->addWidget(m_lbInfo[4], 1, 0, Qt::AlignTop);
    grade->addWidget(m_lbInfo[3], 1, 1);
    coluna->addWidget(m_frame1);

    m_frameBaixo = new QFrame(this);
    m_frameBaixo->setObjectName(QStringLiteral("FrameBaixo"));
    m_frameBaixo->setFixedHeight(Twips::paraPixels(120));
    m_frameBaixo->installEventFilter(this);
    coluna->addWidget(m_frameBaixo);

    m_lbInfo[0]->setText(L(QStringLiteral("Box_Modelo")).toUpper());
    adjustSize();
}

void Dicas::mouseMoveEvent(QMouseEvent* e)
{
    // Any movement over the window closes it (the labels pass theirs on to it).
    QFrame::mouseMoveEvent(e);
    close();
}

bool Dicas::eventFilter(QObject* objeto, QEvent* e)
{
    if ((objeto == m_frame1 && e->type() == QEvent::MouseMove)
        || (objeto == m_frameBaixo && e->type() == QEvent::MouseButtonRelease)) {
        close();
        return true;
    }
    return QFrame::eventFilter(objeto, e);
}
