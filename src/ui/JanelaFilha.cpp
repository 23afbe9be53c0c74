#include "ui/JanelaFilha.h"
#include "i18n/Dicionario.h"

#include <QLabel>
#include "ui/MenuJanelas.h"

#include "ui/GerenciadorJanelas.h"
#include "ui/LayoutElastico.h"
#include "ui/Twips.h"

#include <QChildEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollArea>
#include <QTimer>

JanelaFilha::JanelaFilha(const QString& nome, GerenciadorJanelas& janelas)
    : m_janelas(janelas), m_contexto(janelas.contexto())
{
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose);
}

JanelaFilha::~JanelaFilha() = default;

Ligacao& JanelaFilha::ligacao() const
{
    return m_janelas.ligacao();
}

Sessao& JanelaFilha::sessao() const
{
    return m_janelas.sessao();
}

bool JanelaFilha::solicita(const QString& codigo, const QString& comando, bool espelhada)
{
    const auto modo = espelhada ? Ligacao::Modo::Espelhada : Ligacao::Modo::Normal;
    const bool enviado = !m_janelas.pede(objectName(), codigo, comando, modo)->recusada();
    if (enviado)
        esqueceRespostaContinuou();
    return enviado;
}

void JanelaFilha::esqueceRespostaContinuou()
{
    if (m_notaContinuou)
        m_notaContinuou->hide(); // it belonged to the previous answer
}

QString JanelaFilha::textoRespostaContinuou(qint64 caracteres)
{
    return L(QStringLiteral("RESPOSTA_CONTINUOU")).arg(caracteres);
}

void JanelaFilha::respostaContinuou(qint64 caracteres)
{
    if (!m_notaContinuou) {
        m_notaContinuou = new QLabel(this);
        m_notaContinuou->setObjectName(QStringLiteral("lbRespostaContinuou"));
        m_notaContinuou->setTextFormat(Qt::PlainText);
        m_notaContinuou->setWordWrap(true);
        m_notaContinuou->setMargin(4);
        m_notaContinuou->setStyleSheet(QStringLiteral("QLabel { background: #fff3c4; color: black; }"));
    }
    m_notaContinuou->setText(textoRespostaContinuou(caracteres));
    const int largura = width() - 8;
    const int altura = m_notaContinuou->heightForWidth(largura);
    m_notaContinuou->setGeometry(4, height() - altura - 4, largura, altura);
    m_notaContinuou->show();
    m_notaContinuou->raise();
}

QWidget* JanelaFilha::conteudo() const
{
    return m_conteudo ? m_conteudo : const_cast<JanelaFilha*>(this);
}

void JanelaFilha::defineTamanhoNatural(QSize tamanho)
{
    m_natural = tamanho;
    if (!m_conteudo) {
        setFixedSize(tamanho);
        return;
    }
    if (QLayout* l = m_conteudo->layout())
        m_natural = m_natural.expandedTo(l->minimumSize());
    if (m_elastico) {
        m_elastico->defineTamanhoNatural(m_natural);
        m_conteudo->setMinimumSize(m_elastico->minimumSize());
    }
    // A window that changes its design size takes it at once, as far as the area allows.
    if (qobject_cast<QMdiSubWindow*>(parentWidget()) && !parentWidget()->isMaximized())
        centraliza();
}

void JanelaFilha::defineDesenhoCompacto(QSize tamanho, std::function<QHash<QWidget*, QRect>()> desenho)
{
    m_tamanhoCompacto = tamanho;
    m_desenhoCompacto = std::move(desenho);
    if (m_elastico) {
        m_elastico->defineDesenhoCompacto(m_tamanhoCompacto, m_desenhoCompacto);
        m_elastico->permiteCompacto(width() >= m_tamanhoCompacto.width());
        m_conteudo->setMinimumSize(m_elastico->minimumSize());
    }
}

void JanelaFilha::refazDesenhoCompacto()
{
    if (m_elastico)
        m_elastico->refazCompacto();
}

bool JanelaFilha::emDesenhoCompacto() const
{
    return m_elastico && m_elastico->emCompacto();
}

void JanelaFilha::mantemAlcancavel(const QWidget* controle)
{
    if (!m_conteudo)
        return; // the design size is taken over the controls when the window is first polished
    const QRect g = controle->geometry();
    QSize minimo = m_conteudo->layout() ? m_conteudo->layout()->minimumSize() : m_natural;
    m_conteudo->setMinimumSize(minimo.expandedTo(QSize(g.right() + 1, g.bottom() + 1)));
}

namespace {
// The content of a window: for a width, the height its layout needs at least. The scroll area
// asks a layout with wrapped captions for a height at each width, and the preferred one would
// make the window scroll while its grids and text boxes could still give up room.
class ConteudoJanela : public QWidget {
public:
    int heightForWidth(int largura) const override
    {
        if (const QLayout* l = layout(); l && l->hasHeightForWidth())
            return l->totalMinimumHeightForWidth(largura);
        return QWidget::heightForWidth(largura);
    }
};

// Moves a control of the window into its content, where it was and as visible as it was.
void adota(QWidget* controle, QWidget* conteudo, LayoutElastico* elastico)
{
    const QRect g = controle->geometry();
    const bool oculto = controle->isHidden() && controle->testAttribute(Qt::WA_WState_ExplicitShowHide);
    controle->setParent(conteudo);
    controle->setGeometry(g);
    controle->setVisible(!oculto);
    if (elastico)
        elastico->addWidget(controle);
}
} // namespace

QSize JanelaFilha::tamanhoDoDesenho(const QList<QWidget*>& controles) const
{
    if (minimumSize() == maximumSize())
        return size(); // the fixed size the window gave itself
    // A window sized by its layout, with controls floating where it put them.
    const QSize pedido = sizeHint();
    QRect r(QPoint(0, 0), pedido.isValid() ? pedido : size());
    for (const QWidget* w : controles)
        if (!(w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide)) && (!layout() || layout()->indexOf(w) < 0))
            r |= w->geometry();
    return r.size();
}

void JanelaFilha::embute()
{
    if (m_conteudo)
        return;
    QList<QWidget*> controles;
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow())
            controles << w;
    if (!m_natural.isValid())
        m_natural = tamanhoDoDesenho(controles);

    m_conteudo = new ConteudoJanela;
    m_conteudo->setObjectName(QStringLiteral("conteudo"));
    m_conteudo->setAutoFillBackground(autoFillBackground());
    if (QLayout* proprio = layout()) {
        m_conteudo->setLayout(proprio); // takes the widgets it manages along
    } else {
        m_elastico = new LayoutElastico(m_conteudo);
        m_elastico->defineTamanhoNatural(m_natural);
        if (m_desenhoCompacto) {
            m_elastico->defineDesenhoCompacto(m_tamanhoCompacto, m_desenhoCompacto);
            m_elastico->permiteCompacto(width() >= m_tamanhoCompacto.width());
        }
    }
    for (QWidget* w : std::as_const(controles))
        if (w->parentWidget() == this)
            adota(w, m_conteudo, m_elastico);
    // A window with a layout opens at least as large as the layout needs, and may shrink to its
    // minimum (its grid gets smaller) before it scrolls; controls at fixed positions scroll
    // as soon as the frame is smaller than their design.
    if (QLayout* l = m_conteudo->layout())
        m_natural = m_natural.expandedTo(l->minimumSize());
    else
        m_conteudo->setMinimumSize(m_elastico->minimumSize());
    m_conteudo->resize(m_natural);

    m_rolagem = new QScrollArea(this);
    m_rolagem->setObjectName(QStringLiteral("rolagem"));
    m_rolagem->setFrameShape(QFrame::NoFrame);
    m_rolagem->setWidgetResizable(true);
    m_rolagem->setWidget(m_conteudo);
    m_rolagem->setGeometry(rect());
    m_rolagem->show();

    // The frame may now be any size: the scroll area keeps every control in reach.
    setMinimumSize(m_natural.boundedTo(QSize(Twips::paraPixels(3000), Twips::paraPixels(1500))));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool JanelaFilha::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::Polish:
        embute();
        break;
    case QEvent::Resize:
        // The compact design where the frame is wide enough for it: the content's minimum follows.
        if (m_elastico && m_desenhoCompacto) {
            m_elastico->permiteCompacto(static_cast<QResizeEvent*>(e)->size().width() >= m_tamanhoCompacto.width());
            m_conteudo->setMinimumSize(m_elastico->minimumSize());
        }
        if (m_rolagem)
            m_rolagem->setGeometry(QRect(QPoint(0, 0), static_cast<QResizeEvent*>(e)->size()));
        break;
    case QEvent::ChildAdded:
        // A control made after the move joins the others once it is built.
        if (m_rolagem) {
            QPointer<QWidget> novo = qobject_cast<QWidget*>(static_cast<QChildEvent*>(e)->child());
            if (novo && novo != m_rolagem)
                QTimer::singleShot(0, this, [this, novo] {
                    // The note about an answer that went on floats over the window's foot.
                    if (novo && novo->parentWidget() == this && !novo->isWindow() && novo != m_notaContinuou)
                        adota(novo, m_conteudo, m_elastico);
                });
        }
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void JanelaFilha::centraliza()
{
    embute();
    QWidget* alvo = parentWidget() ? parentWidget() : this; // the MDI sub-window frame
    QMdiArea* area = m_janelas.area();
    if (!area)
        return;
    const QSize principal = area->viewport()->size();
    if (alvo != this) {
        // The frame opens at the natural size, or as much of it as the area shows.
        const QMargins m = alvo->contentsMargins();
        const QSize moldura(m.left() + m.right(), m.top() + m.bottom());
        alvo->resize((m_natural + moldura).boundedTo(principal).expandedTo(alvo->minimumSizeHint()));
    }
    const int x = principal.width() / 2 - alvo->width() / 2;
    const int y = principal.height() / 2 - Twips::paraPixels(1050) - alvo->height() / 2;
    alvo->move(PosicaoDentroDaArea(QPoint(x, y), alvo->size(), principal));
}

QAbstractButton* JanelaFilha::botaoLeitura() const
{
    for (const char* nome : {"btExecutaLeitura", "btAutoTeste", "btBateria"})
        if (auto* b = findChild<QAbstractButton*>(QLatin1String(nome)))
            return b;
    return nullptr;
}

QAbstractButton* JanelaFilha::botaoRelatorio() const
{
    return findChild<QAbstractButton*>(QStringLiteral("btExportar"));
}
