#include "app/janelas/Sobre.h"
#include "ui/MenuJanelas.h"

#include "db/janelas/Sincronizacao.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Paginas.h"
#include "shell/RegistroSessao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {
constexpr int Largura = 5835; // twips
constexpr int Altura = 6800;
constexpr int AcimaDoCentro = 500;

// Texts of this window that are not dictionary keys, per language (1 pt, 2 en, 3 es).
struct Textos {
    const char* credito;
    const char* marcas;
    const char* direitos;
    const char* contato;
    const char* videos;
    const char* registros;
    const char* abrePasta;
};
const Textos& textos()
{
    static const Textos t[3] = {
        {"Desenvolvido pela equipe de bancada Vexador Tarrim",
         "Os nomes de aparelhos e de Box citados são marcas de seus respectivos donos; o Vexador "
         "Tarrim não tem vínculo com seus fabricantes.",
         "© 2026 Vexador Tarrim. Todos os direitos reservados.", "Contato", "Vídeos de ajuda",
         "Registros das sessões:", "Abrir pasta"},
        {"Developed by the Vexador Tarrim bench team",
         "Device and box names mentioned are trademarks of their respective owners; Vexador Tarrim "
         "is not affiliated with their makers.",
         "© 2026 Vexador Tarrim. All rights reserved.", "Contact", "Help videos", "Session logs:",
         "Open folder"},
        {"Desarrollado por el equipo de banco Vexador Tarrim",
         "Los nombres de dispositivos y de Box citados son marcas de sus respectivos dueños; "
         "Vexador Tarrim no tiene vínculo con sus fabricantes.",
         "© 2026 Vexador Tarrim. Todos los derechos reservados.", "Contacto", "Videos de ayuda",
         "Registros de las sesiones:", "Abrir carpeta"},
    };
    const int idioma = IdiomaAtual();
    return t[idioma >= 1 && idioma <= 3 ? idioma - 1 : 0];
}

QString u(const char* s)
{
    return QString::fromUtf8(s);
}

QPixmap logotipo(double escala = 1.0)
{
    QPixmap p(qRound(Twips::paraPixels(1300) * escala), qRound(Twips::paraPixels(1000) * escala));
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(p.width() / 130.0, p.height() / 100.0);
    g.setPen(QPen(QColor(0x6f, 0x8f, 0xa8), 3));
    g.setBrush(QColor(0x35, 0x3c, 0x44));
    g.drawRoundedRect(QRectF(10, 6, 110, 88), 12, 12);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0x4f, 0x7c, 0x9c));
    g.drawRoundedRect(QRectF(47, 32, 36, 36), 4, 4);
    g.setPen(QPen(QColor(0x8f, 0xb8, 0xd4), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double d = 40 + i * 10;
        g.drawLine(QPointF(32, d), QPointF(45, d));
        g.drawLine(QPointF(85, d), QPointF(98, d));
        g.drawLine(QPointF(55 + i * 10, 18), QPointF(55 + i * 10, 30));
        g.drawLine(QPointF(55 + i * 10, 70), QPointF(55 + i * 10, 82));
    }
    return p;
}
} // namespace

Sobre::Sobre(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Sobre"), janelas)
{
    resize(Twips::paraPixels(Largura), Twips::paraPixels(Altura)); // the frame takes this size when shown

    // Tight enough to fit a maximised window on a scaled-up laptop screen without a scroll bar.
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 4);
    coluna->setSpacing(4);

    m_barra = new QMenuBar(this);
    m_barra->setObjectName(QStringLiteral("BarraSobre"));
    m_barra->setNativeMenuBar(false);
    m_mSync = m_barra->addAction(QString());
    m_mSync->setObjectName(QStringLiteral("mSync"));
    connect(m_mSync, &QAction::triggered, this, &Sobre::sincroniza);
    m_mOpcoes = m_barra->addMenu(QString());
    m_mOpcoes->setObjectName(QStringLiteral("MOpcoes"));
    for (int i = 1; i <= 3; ++i) {
        m_remoto[i] = m_mOpcoes->addAction(QString());
        m_remoto[i]->setObjectName(QStringLiteral("remoto%1").arg(i));
        // Remote-support tools: pages 6, 7 and 8.
        connect(m_remoto[i], &QAction::triggered, this, [this, i] { contexto().abrePagina(5 + i); });
    }
    coluna->setMenuBar(m_barra);

    auto* corpo = new QVBoxLayout;
    corpo->setContentsMargins(16, 4, 16, 0);
    corpo->setSpacing(4);
    coluna->addLayout(corpo, 1);

    m_image3 = new QLabel(this);
    m_image3->setObjectName(QStringLiteral("Image3"));
    m_image3->setPixmap(logotipo());
    m_image3->setAlignment(Qt::AlignCenter);
    m_image3->setCursor(Qt::PointingHandCursor);
    m_image3->installEventFilter(this);
    corpo->addWidget(m_image3);

    m_label8 = link(QStringLiteral("label8"), this);
    m_label8->setText(QStringLiteral("Vexador Tarrim"));
    QFont grande = m_label8->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    grande.setBold(true);
    grande.setUnderline(false);
    m_label8->setFont(grande);
    m_label8->setStyleSheet(QStringLiteral("color: #24384a;"));
    m_label8->setAlignment(Qt::AlignCenter);
    corpo->addWidget(m_label8);

    m_lbVersao = new QLabel(this);
    m_lbVersao->setObjectName(QStringLiteral("lbVersao"));
    m_lbVersao->setAlignment(Qt::AlignCenter);
    corpo->addWidget(m_lbVersao);

    m_lbDes = new QLabel(this);
    m_lbDes->setObjectName(QStringLiteral("lbDes"));
    m_lbDes->setAlignment(Qt::AlignCenter);
    m_lbDes->setWordWrap(true);
    corpo->addWidget(m_lbDes);

    m_lblDisclaimer = new QLabel(this);
    m_lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    m_lblDisclaimer->setWordWrap(true);
    m_lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont pequeno = m_lblDisclaimer->font();
    pequeno.setPointSizeF(pequeno.pointSizeF() * 0.85);
    m_lblDisclaimer->setFont(pequeno);
    m_lblDisclaimer->setStyleSheet(QStringLiteral("color: #4a4a4a;"));
    corpo->addWidget(m_lblDisclaimer);
    corpo->addStretch(1);

    m_frameAdd = new QGroupBox(this);
    m_frameAdd->setObjectName(QStringLiteral("FrameAdd"));
    auto* adicionais = new QGridLayout(m_frameAdd);
    adicionais->setHorizontalSpacing(10);
    m_linkW = link(QStringLiteral("linkW"), m_frameAdd);
    m_linkIns = link(QStringLiteral("linkIns"), m_frameAdd);
    adicionais->addWidget(m_linkW, 0, 0);
    adicionais->addWidget(m_linkIns, 0, 1);
    m_lbRegistros = new QLabel(m_frameAdd);
    m_lbRegistros->setObjectName(QStringLiteral("lbRegistros"));
    m_lbPastaRegistros = new QLabel(m_frameAdd);
    m_lbPastaRegistros->setObjectName(QStringLiteral("lbPastaRegistros"));
    m_lbPastaRegistros->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lbPastaRegistros->setWordWrap(true);
    m_lbPastaRegistros->setFont(pequeno);
    m_btRegistros = new QPushButton(m_frameAdd);
    m_btRegistros->setObjectName(QStringLiteral("btRegistros"));
    connect(m_btRegistros, &QPushButton::clicked, this, &Sobre::abrePastaRegistros);
    adicionais->addWidget(m_lbRegistros, 1, 0, 1, 2);
    adicionais->addWidget(m_lbPastaRegistros, 2, 0, 1, 2);
    adicionais->addWidget(m_btRegistros, 3, 0, 1, 1, Qt::AlignLeft);
    corpo->addWidget(m_frameAdd);

    traduz();
}

QLabel* Sobre::link(const QString& nome, QWidget* pai)
{
    auto* l = new QLabel(pai);
    l->setObjectName(nome);
    l->setCursor(Qt::PointingHandCursor);
    l->setStyleSheet(QStringLiteral("color: #1e6fb8; text-decoration: underline;"));
    l->installEventFilter(this);
    return l;
}

void Sobre::traduz()
{
    const Textos& t = textos();
    m_lbVersao->setText(L(QStringLiteral("Versão")) + QLatin1Char(' ') + contexto().versao);
    m_lbDes->setText(u(t.credito));
    m_lblDisclaimer->setText(u(t.marcas) + QStringLiteral("\r\n") + L(QStringLiteral("Nao Purple"))
                             + QStringLiteral("\r\n") + u(t.direitos));
    m_frameAdd->setTitle(L(QStringLiteral("Informações adicionais")));
    m_mSync->setText(L(QStringLiteral("SYNC_1")));
    m_mOpcoes->setTitle(L(QStringLiteral("Suporte")));
    m_remoto[1]->setText(L(QStringLiteral("Suporte Remoto")) + QStringLiteral(" 1 (TEAM)"));
    m_remoto[2]->setText(L(QStringLiteral("Suporte Remoto")) + QStringLiteral(" 2 (ANY)"));
    m_remoto[3]->setText(L(QStringLiteral("Suporte Remoto")) + QStringLiteral(" 3 (Site TEAM)"));
    m_linkW->setText(u(t.contato));
    m_linkIns->setText(u(t.videos));
    m_lbRegistros->setText(u(t.registros));
    m_btRegistros->setText(u(t.abrePasta));
    const QString pasta = pastaRegistros();
    m_lbPastaRegistros->setText(QDir::toNativeSeparators(pasta));
    m_btRegistros->setEnabled(!pasta.isEmpty());
    mostraPaginasConfiguradas();

    // The caption is the About button's own text.
    setWindowTitle(L(QStringLiteral("Sobre")));
}

void Sobre::mostraPaginasConfiguradas()
{
    // Only the pages the installation gave an address are offered: no entry leads nowhere.
    bool algumSuporte = false;
    for (int i = 1; i <= 3; ++i) {
        const bool configurada = contexto().paginaConfigurada(5 + i);
        m_remoto[i]->setVisible(configurada);
        algumSuporte = algumSuporte || configurada;
    }
    m_mOpcoes->menuAction()->setVisible(algumSuporte);
    m_linkW->setVisible(contexto().paginaConfigurada(4));
    m_linkIns->setVisible(contexto().paginaConfigurada(5));
    // The logo and the name stay; they are a link only to a configured product page.
    const Qt::CursorShape cursor = contexto().paginaConfigurada(1) ? Qt::PointingHandCursor : Qt::ArrowCursor;
    m_image3->setCursor(cursor);
    m_label8->setCursor(cursor);
}

QString Sobre::pastaRegistros() const
{
    return PastaLogs(contexto().dados.pasta); // where the session log writes its day files
}

void Sobre::abrePastaRegistros()
{
    const QString pasta = pastaRegistros();
    if (pasta.isEmpty())
        return;
    QDir().mkpath(pasta); // nothing logged yet: the folder is still there to look at
    dialogos().abre(pasta);
}

void Sobre::sincroniza()
{
    const auto resposta = dialogos().mensagem(L(QStringLiteral("SYNC_2")), QStringLiteral("Sincronizar / Sync"),
                                              Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao);
    if (resposta != Dialogos::Resposta::Nao)
        SincronizaDadosUsuario(contexto().dados);
}

void Sobre::resizeEvent(QResizeEvent* e)
{
    JanelaFilha::resizeEvent(e);
    // A frame clearly lower than the design (a laptop screen at 150 %) takes a smaller logo, so
    // that the links and the logs' folder stay in view.
    const bool baixa = e->size().height() < Twips::paraPixels(Altura) - Twips::paraPixels(600);
    if (baixa != m_logoPequeno) {
        m_logoPequeno = baixa;
        m_image3->setPixmap(logotipo(baixa ? 0.6 : 1.0));
    }
}

void Sobre::showEvent(QShowEvent* e)
{
    JanelaFilha::showEvent(e);
    if (m_posicionada)
        return;
    m_posicionada = true;
    // The window's size is its frame's; centred in the main window like every child window,
    // then 500 twips higher.
    // On a small area the frame is as large as the area and its content scrolls.
    QWidget* alvo = parentWidget() ? parentWidget() : this;
    const QMargins m = alvo != this ? alvo->contentsMargins() : QMargins();
    defineTamanhoNatural(QSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura))
                         - QSize(m.left() + m.right(), m.top() + m.bottom()));
    if (QMdiArea* area = janelas().area()) {
        const QSize principal = area->viewport()->size();
        const int x = principal.width() / 2 - alvo->width() / 2;
        const int y = principal.height() / 2 - Twips::paraPixels(1050) - alvo->height() / 2
                      - Twips::paraPixels(AcimaDoCentro);
        alvo->move(PosicaoDentroDaArea(QPoint(x, y), alvo->size(), principal));
    }
}

bool Sobre::eventFilter(QObject* objeto, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        // Online pages; a page that cannot be opened is ignored.
        if (objeto == m_image3 || objeto == m_label8) {
            contexto().abrePagina(1);
            return true;
        }
        if (objeto == m_linkW) {
            contexto().abrePagina(4);
            return true;
        }
        if (objeto == m_linkIns) {
            contexto().abrePagina(5);
            return true;
        }
    }
    return JanelaFilha::eventFilter(objeto, e);
}
