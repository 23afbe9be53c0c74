#include "console/janelas/fmHelp.h"

#include "console/RegrasConsole.h"
#include "console/janelas/CaixaTexto.h"
#include "i18n/Dicionario.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>

namespace {
constexpr int Largura = 11535;
constexpr int Altura = 8910;
constexpr int TopoTexto = 450;
constexpr int AlturaTxt2 = 900;

void poe(QWidget* w, int esquerda, int topo, int largura, int altura)
{
    w->setProperty("twips", QRect(esquerda, topo, largura, altura));
    w->setGeometry(Twips::paraPixels(esquerda), Twips::paraPixels(topo), Twips::paraPixels(largura),
                   Twips::paraPixels(altura));
}
QRect geo(const QWidget* w)
{
    return w->property("twips").toRect();
}
} // namespace

fmHelp::fmHelp(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("fmHelp"), janelas)
{
    m_lbClick = new QLabel(this);
    m_lbClick->setObjectName(QStringLiteral("lbClick"));
    connect(&janelas, &GerenciadorJanelas::textoDeAjuda, this, &fmHelp::defineTexto);
    m_btAdd = new QPushButton(QStringLiteral("Add"), this);
    m_btAdd->setObjectName(QStringLiteral("btAdd"));
    m_txt2 = new CaixaTexto(QStringLiteral("txt2"), this);
    m_txt2->hide();
    m_txtConsole = new CaixaTexto(QStringLiteral("txtConsole"), this, true);
    QFont fixa(QStringLiteral("Monospace"));
    fixa.setStyleHint(QFont::TypeWriter);
    m_txtConsole->setFont(fixa);
    m_txtConsole->viewport()->installEventFilter(this);

    poe(m_lbClick, 120, 90, 8000, 285);
    poe(m_btAdd, Largura - 1200 - 240, 45, 1200, 345);
    poe(m_txt2, 120, TopoTexto, Largura - 360, AlturaTxt2 - 60);
    poe(m_txtConsole, 120, TopoTexto, Largura - 360, Altura - 750);
    connect(m_btAdd, &QPushButton::clicked, this, [this] { btAdd_Click(); });

    PosicionaHelp();
    traduz();
}

void fmHelp::PosicionaHelp()
{
    int altura = Altura;
    QMdiArea* area = janelas().area();
    const int alturaPrincipal = area ? Twips::dePixels(area->viewport()->height()) : 0;
    if (alturaPrincipal > 11000) {
        altura = alturaPrincipal - 3000;
        const QRect t = geo(m_txtConsole);
        poe(m_txtConsole, t.x(), t.y(), t.width(), altura - 750);
    }
    defineTamanhoNatural(QSize(Twips::paraPixels(Largura), Twips::paraPixels(altura)));
}

void fmHelp::showEvent(QShowEvent* evento)
{
    JanelaFilha::showEvent(evento);
    if (m_posicionada)
        return;
    m_posicionada = true;
    QMdiArea* area = janelas().area();
    QWidget* alvo = parentWidget();
    if (!area || !alvo)
        return;
    // Beside the console: 7500 twips right of its left edge.
    int x = alvo->x();
    if (JanelaFilha* console = janelas().aberta(QStringLiteral("Master"))) {
        QWidget* moldura = console->parentWidget() ? console->parentWidget() : console;
        x = moldura->x() + Twips::paraPixels(7500);
    }
    const int y = area->viewport()->height() / 2 - Twips::paraPixels(1050) - alvo->height() / 2
                  - Twips::paraPixels(330);
    alvo->move(qMax(0, x), qMax(0, y));
}

void fmHelp::traduz()
{
    setWindowTitle(L(QStringLiteral("Comandos")) + QStringLiteral(" Help - Vexador Tarrim"));
    m_lbClick->setText(L(QStringLiteral("Clique duplo para enviar texto ao campo comandos")));
}

void fmHelp::defineTexto(const QString& texto)
{
    m_txtConsole->defineTexto(texto);
}

QString fmHelp::texto() const
{
    return m_txtConsole->texto();
}

void fmHelp::escolheNaPosicao(int posicao)
{
    int inicio = 0;
    const QString palavra = RegrasConsole::PalavraNaPosicao(m_txtConsole->toPlainText(), posicao, &inicio);
    QTextCursor c = m_txtConsole->textCursor();
    c.setPosition(inicio);
    c.setPosition(inicio + palavra.size(), QTextCursor::KeepAnchor);
    m_txtConsole->setTextCursor(c);
    janelas().pedeComandoNoConsole(RegrasConsole::ComandoDaSelecao(palavra));
}

void fmHelp::btAdd_Click()
{
    m_txt2->show();
    const QRect t = geo(m_txtConsole);
    poe(m_txtConsole, t.x(), t.y() + AlturaTxt2, t.width(), t.height() - AlturaTxt2);
    m_btAdd->hide();
}

bool fmHelp::eventFilter(QObject* alvo, QEvent* evento)
{
    if (alvo == m_txtConsole->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
        auto* e = static_cast<QMouseEvent*>(evento);
        if (e->button() == Qt::LeftButton) {
            escolheNaPosicao(m_txtConsole->cursorForPosition(e->position().toPoint()).position());
            return true;
        }
    }
    return JanelaFilha::eventFilter(alvo, evento);
}
