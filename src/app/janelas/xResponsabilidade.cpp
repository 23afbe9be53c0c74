#include "app/janelas/xResponsabilidade.h"

#include "i18n/Dicionario.h"
#include "db/IdiomaBanco.h"
#include "i18n/janelas/TraducoesQt.h"
#include "i18n/IdiomaAtivo.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int LarguraBandeira = 36;
constexpr int AlturaBandeira = 24;

// The three flags, drawn small and plain.
QPixmap bandeira(int idioma)
{
    QPixmap p(LarguraBandeira, AlturaBandeira);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, LarguraBandeira, AlturaBandeira);
    if (idioma == 1) {
        g.fillRect(r, QColor(0x00, 0x9c, 0x3b));
        QPainterPath losango;
        losango.moveTo(r.center().x(), 3);
        losango.lineTo(r.width() - 4, r.center().y());
        losango.lineTo(r.center().x(), r.height() - 3);
        losango.lineTo(4, r.center().y());
        losango.closeSubpath();
        g.fillPath(losango, QColor(0xff, 0xdf, 0x00));
        g.setBrush(QColor(0x00, 0x27, 0x76));
        g.setPen(Qt::NoPen);
        g.drawEllipse(r.center(), 6, 6);
    } else if (idioma == 2) {
        g.fillRect(r, Qt::white);
        const double faixa = r.height() / 13.0;
        for (int i = 0; i < 13; i += 2)
            g.fillRect(QRectF(0, i * faixa, r.width(), faixa), QColor(0xb2, 0x22, 0x34));
        g.fillRect(QRectF(0, 0, r.width() * 0.42, faixa * 7), QColor(0x3c, 0x3b, 0x6e));
        g.setPen(Qt::white);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                g.drawPoint(QPointF(2.5 + x * 3.5, 2.5 + y * 3.5));
    } else {
        g.fillRect(r, QColor(0xaa, 0x15, 0x1b));
        g.fillRect(QRectF(0, r.height() / 4, r.width(), r.height() / 2), QColor(0xf1, 0xbf, 0x00));
    }
    g.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    g.setBrush(Qt::NoBrush);
    g.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    return p;
}
} // namespace

xResponsabilidade::xResponsabilidade(const QString& banco, QWidget* pai) : QDialog(pai), m_banco(banco)
{
    setObjectName(QStringLiteral("xResponsabilidade"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QStringLiteral("Vexador Tarrim"));

    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(14, 12, 14, 12);
    coluna->setSpacing(10);

    auto* bandeiras = new QHBoxLayout;
    bandeiras->setSpacing(8);
    bandeiras->addStretch(1);
    static const char* const nomes[] = {"", "Português", "English", "Español"};
    for (int i = 1; i <= 3; ++i) {
        m_img[i] = new QLabel(this);
        m_img[i]->setObjectName(QStringLiteral("Img(%1)").arg(i));
        m_img[i]->setPixmap(bandeira(i));
        m_img[i]->setFixedSize(LarguraBandeira, AlturaBandeira);
        m_img[i]->setCursor(Qt::PointingHandCursor);
        m_img[i]->setToolTip(QString::fromUtf8(nomes[i]));
        m_img[i]->installEventFilter(this);
        bandeiras->addWidget(m_img[i]);
    }
    coluna->addLayout(bandeiras);

    m_txtTermos = new QPlainTextEdit(this);
    m_txtTermos->setObjectName(QStringLiteral("txtTermos"));
    m_txtTermos->setReadOnly(true);
    m_txtTermos->setMinimumSize(Twips::paraPixels(7800), Twips::paraPixels(4600));
    coluna->addWidget(m_txtTermos, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    m_btOk = new QPushButton(this);
    m_btOk->setObjectName(QStringLiteral("btOk"));
    m_btOk->setMinimumWidth(Twips::paraPixels(1600));
    m_btNo = new QPushButton(this);
    m_btNo->setObjectName(QStringLiteral("btNo"));
    m_btNo->setMinimumWidth(Twips::paraPixels(1600));
    m_btNo->setAutoDefault(false);
    m_btOk->setDefault(true);
    botoes->addWidget(m_btOk);
    botoes->addWidget(m_btNo);
    coluna->addLayout(botoes);

    connect(m_btOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btNo, &QPushButton::clicked, this, &QDialog::reject);

    traduz();
    adjustSize();
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

void xResponsabilidade::traduz()
{
    m_termos = L(QStringLiteral("MSG_LICENCA"));
    m_txtTermos->setPlainText(QString(m_termos).remove(QLatin1Char('\r')));
    m_btOk->setText(L(QStringLiteral("TermosYes")));
    m_btOk->setToolTip(L(QStringLiteral("TermosYes")));
    m_btNo->setText(L(QStringLiteral("TermosNo")));
    m_btNo->setToolTip(L(QStringLiteral("TermosNo")));
}

void xResponsabilidade::escolheIdioma(int idioma)
{
    if (idioma < 1 || idioma > 3)
        return;
    DefineIdioma(idioma);
    AplicaIdiomaAoQt(idioma);
    traduz();
    GravaIdioma(m_banco, idioma); // a failed store is ignored: this run keeps the chosen language
}

bool xResponsabilidade::eventFilter(QObject* objeto, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        for (int i = 1; i <= 3; ++i)
            if (objeto == m_img[i]) {
                escolheIdioma(i);
                return true;
            }
    return QDialog::eventFilter(objeto, e);
}
