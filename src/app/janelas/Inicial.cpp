#include "app/janelas/Inicial.h"
#include "shell/Sessao.h"
#include "ui/MenuJanelas.h"

#include "db/Combos.h"
#include "diagnostico/janelas/Diagnostico.h"
#include "i18n/Dialogos.h"
#include "i18n/Mensagens.h"
#include "i18n/Dicionario.h"
#include "app/janelas/xIdioma.h"
#include "shell/Conexao.h"
#include "shell/Ligacao.h"
#include "shell/Modelo.h"
#include "shell/PerfilModelo.h"
#include "shell/Portas.h"
#include "veredito/Veredito.h"
#include "shell/RegistroSessao.h"
#include "app/janelas/InicioPrograma.h"
#include "app/janelas/TabelaJanelas.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/JanelaFilha.h"
#include "ui/Teclas.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QLineEdit>
#include <QMdiArea>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

// The menu bar row, left to right; 15 is the caption-less filler that ends it.
const QList<int> OrdemBotoes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 10, 12};
constexpr int LarguraBotao = 975;        // twips, the row rule
constexpr int LarguraBotaoProjeto = 1095; // twips, before the rule first runs
constexpr int SobreposicaoBotoes = 15;   // neighbours overlap
constexpr int AlturaBotao = 735;
constexpr int EsquerdaBotao16 = 0;
constexpr int LarguraBotao16 = 240;
constexpr int LarguraBotao15 = 1500;
constexpr int AlturaConsole = 96;
constexpr int AlturaConsoleBaixa = 48;
constexpr int LarguraMaximaPosiciona = 20000; // above it the buttons keep their places

const QColor CorFundoMdi(0x2b, 0x30, 0x36);

QPixmap luz(const QColor& cor)
{
    QPixmap p(18, 18);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QRadialGradient grad(QPointF(7, 7), 9);
    grad.setColorAt(0, cor.lighter(160));
    grad.setColorAt(1, cor.darker(115));
    g.setBrush(grad);
    g.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    g.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    return p;
}

QPixmap desenhaLogo()
{
    QPixmap p(420, 300);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    // A stylised logic board: a rounded plate with a chip and traces.
    g.setPen(QPen(QColor(0x6f, 0x8f, 0xa8), 4));
    g.setBrush(QColor(0x35, 0x3c, 0x44));
    g.drawRoundedRect(QRectF(110, 20, 200, 170), 22, 22);
    g.setBrush(QColor(0x4f, 0x7c, 0x9c));
    g.setPen(Qt::NoPen);
    g.drawRoundedRect(QRectF(175, 70, 70, 70), 8, 8);
    g.setPen(QPen(QColor(0x8f, 0xb8, 0xd4), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const int y = 80 + i * 17;
        g.drawLine(QPointF(150, y), QPointF(172, y));
        g.drawLine(QPointF(248, y), QPointF(270, y));
        const int x = 185 + i * 17;
        g.drawLine(QPointF(x, 45), QPointF(x, 67));
        g.drawLine(QPointF(x, 143), QPointF(x, 165));
    }
    QFont f = g.font();
    f.setPixelSize(34);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    g.setFont(f);
    g.setPen(QColor(0xc8, 0xd6, 0xe0));
    g.drawText(QRectF(0, 200, 420, 50), Qt::AlignCenter, QStringLiteral("VEXADOR TARRIM"));
    f.setPixelSize(15);
    f.setBold(false);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    g.setFont(f);
    g.setPen(QColor(0x8a, 0x9b, 0xa8));
    g.drawText(QRectF(0, 250, 420, 30), Qt::AlignCenter, QStringLiteral("logic board diagnostics"));
    return p;
}

QPixmap desenhaAtualizar()
{
    QPixmap p(22, 22);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 2.4, Qt::SolidLine, Qt::RoundCap));
    g.drawArc(QRectF(4, 4, 14, 14), 60 * 16, 280 * 16);
    QPainterPath seta;
    seta.moveTo(15.5, 1.5);
    seta.lineTo(19.5, 6.5);
    seta.lineTo(13, 7.5);
    seta.closeSubpath();
    g.fillPath(seta, QColor(0x2e, 0x7d, 0x32));
    return p;
}

QPixmap desenhaSobre()
{
    QPixmap p(20, 20);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0x1e, 0x6f, 0xb8));
    g.setPen(Qt::NoPen);
    g.drawEllipse(QRectF(1, 1, 18, 18));
    g.setPen(Qt::white);
    QFont f = g.font();
    f.setPixelSize(14);
    f.setBold(true);
    g.setFont(f);
    g.drawText(QRectF(1, 1, 18, 18), Qt::AlignCenter, QStringLiteral("i"));
    return p;
}

// The button row: at its own width when the bar has the room, else scrolled sideways (the bar
// grows by the scroll bar's height), so no button hides under the choosers beside it. The
// blank end piece (button 15) may be cut before the row scrolls.
class FaixaBotoes : public QScrollArea {
public:
    FaixaBotoes(QWidget* painel, const QWidget* pontaEmBranco, QWidget* pai)
        : QScrollArea(pai), m_ponta(pontaEmBranco)
    {
        setObjectName(QStringLiteral("FaixaBotoes"));
        setFrameShape(QFrame::NoFrame);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        setWidget(painel);
        ajusta();
    }
    QSize sizeHint() const override { return {widget()->width(), altura()}; }
    QSize minimumSizeHint() const override { return {qMin(larguraEssencial(), 6 * fontMetrics().height()), altura()}; }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QScrollArea::resizeEvent(e);
        ajusta();
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == widget() && e->type() == QEvent::Resize) {
            updateGeometry();
            ajusta();
        }
        return QScrollArea::eventFilter(o, e);
    }

private:
    int larguraEssencial() const { return m_ponta->x() + m_ponta->width() / 4; }
    bool rola() const { return larguraEssencial() > width(); }
    int altura() const { return widget()->height() + (rola() ? horizontalScrollBar()->sizeHint().height() : 0); }
    void ajusta()
    {
        setHorizontalScrollBarPolicy(rola() ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        if (height() != altura() || minimumHeight() != altura())
            setFixedHeight(altura());
    }

    const QWidget* m_ponta;
};

} // namespace

Inicial::Inicial(const ContextoAplicacao& contexto, QWidget* telaAbertura)
    : m_ligacao(new Ligacao(this)), m_sessao(new Sessao(*m_ligacao, this)), m_conexao(new Conexao(*m_sessao, this)),
      m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("Inicial"));
    m_area->setObjectName(QStringLiteral("PictureS"));
    setCentralWidget(m_area);
    // A tool window taller or wider than the room left by the console strip is reached by
    // scrolling the area, never hidden behind the strip.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_janelas = new GerenciadorJanelas(contexto, *m_sessao, m_area, this);
    m_ligacao->defineTituloPrincipal(contexto.titulo());
    // The session log: old days are removed now, every exchange and link change is appended.
    m_registro = new RegistroSessao(*m_sessao, PastaLogs(contexto.dados.pasta), this);
    m_registro->acompanha(*m_conexao);
    m_registro->defineNomes([this](const QString& codigo) { return m_janelas->nomeDoRequisitante(codigo); });
    connect(m_registro, &RegistroSessao::falhaDeEscrita, this, [registro = m_registro] {
        dialogos().mensagem(registro->textoDaFalha(), L(QStringLiteral("REGISTRO_TITULO")),
                            Dialogos::Icone::Exclamacao);
    });
    // Every verdict a window gives goes to the same log, so a day's log tells what a board showed.
    DefineDestinoVereditos([registro = QPointer<RegistroSessao>(m_registro)](const QString& linha) {
        if (registro)
            registro->registraEvento(linha);
    });
    m_logo = desenhaLogo();
    montaBarra();
    montaConsole();
    resize(TamanhoNatural);

    connect(m_ligacao, &Ligacao::estadoMudou, this, [this](EstadoLigacao e) {
        m_status->setText(CodigoEstado(e));
        m_btDiagnostico->setEnabled(e == EstadoLigacao::Ociosa || e == EstadoLigacao::Ocupada);
    });
    connect(m_ligacao, &Ligacao::textoEstadoMudou, m_st1, &QLabel::setText);
    mostraAvisosDaLigacao();
    connect(m_ligacao, &Ligacao::legendaPrincipalMudou, this, &QWidget::setWindowTitle);
    connect(m_sessao, &Sessao::numeroModeloMudou, m_lbModelo, &QLabel::setText);
    connect(m_sessao, &Sessao::modeloMudou, this, &Inicial::mostraModelo);
    connect(m_conexao, &Conexao::legendaBotaoMudou, this, [this](const QString& legenda) {
        m_botoes.value(1)->setText(legenda);
        alargaBotoesCortados();
    });
    connect(m_conexao, &Conexao::corStatusMudou, this, &Inicial::CorStatus);
    connect(m_conexao, &Conexao::listaPortasPedida, this, &Inicial::ListaPortas);
    connect(m_conexao, &Conexao::focoModeloPedido, this, [this] { m_comboAparelhos->setFocus(); });
    connect(m_conexao, &Conexao::portaEscolhidaPedida, this, [this](const QString& porta) {
        const int i = m_cbPortas->findText(porta);
        if (i >= 0)
            m_cbPortas->setCurrentIndex(i);
    });

    registraJanelas(*m_janelas);
    carrega(telaAbertura);
}

const ContextoAplicacao& Inicial::contexto() const
{
    return m_janelas->contexto();
}

Inicial::~Inicial()
{
    // Child windows go first: they may still talk to the link while they close.
    m_janelas->fecha(m_janelas->nomesAbertos());
    m_area->closeAllSubWindows();
}

void Inicial::montaBarra()
{
    auto* barra = new QWidget(this);
    barra->setObjectName(QStringLiteral("BarraMenu"));
    barra->setAutoFillBackground(true);
    // On a narrow screen (a laptop at 150 %) the choosers go under the button row rather than
    // push the row into a scroll strip: every button stays in view.
    m_linhaBarra = new QBoxLayout(QBoxLayout::LeftToRight, barra);
    m_linhaBarra->setContentsMargins(2, 2, 6, 2);
    m_linhaBarra->setSpacing(10);
    m_seletores = new QHBoxLayout;
    m_seletores->setSpacing(10);
    auto* linha = m_seletores;

    m_painelBotoes = new QWidget(barra);
    m_painelBotoes->setObjectName(QStringLiteral("PainelBotoes"));
    auto criaBotao = [this](int indice) {
        auto* b = new QPushButton(m_painelBotoes);
        b->setObjectName(QStringLiteral("Botoes(%1)").arg(indice));
        b->setFocusPolicy(indice == 0 ? Qt::StrongFocus : Qt::TabFocus);
        QFont f = b->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        b->setFont(f);
        m_botoes.insert(indice, b);
        return b;
    };
    // Button 0 takes the focus away from every clicked button; it has no face of its own.
    QPushButton* b0 = criaBotao(0);
    b0->setGeometry(0, 0, 1, 1);
    b0->setFlat(true);
    QPushButton* b16 = criaBotao(16);
    b16->setGeometry(geometriaTwips(EsquerdaBotao16, 0, LarguraBotao16, AlturaBotao));
    int esquerda = EsquerdaBotao16 + LarguraBotao16 - SobreposicaoBotoes;
    for (int indice : OrdemBotoes) {
        QPushButton* b = criaBotao(indice);
        b->setGeometry(geometriaTwips(esquerda, 0, LarguraBotaoProjeto, AlturaBotao));
        b->setProperty("esquerdaTwips", esquerda);
        esquerda += LarguraBotaoProjeto;
    }
    QPushButton* b15 = criaBotao(15);
    b15->setGeometry(geometriaTwips(esquerda, 0, LarguraBotao15, AlturaBotao));
    m_painelBotoes->setFixedSize(Twips::paraPixels(esquerda + LarguraBotao15), Twips::paraPixels(AlturaBotao));
    for (auto it = m_botoes.constBegin(); it != m_botoes.constEnd(); ++it) {
        const int indice = it.key();
        if (indice != 0 && indice != 15 && indice != 16)
            connect(it.value(), &QPushButton::clicked, this, [this, indice] { clicaBotao(indice); });
        else if (indice != 0)
            connect(it.value(), &QPushButton::clicked, this, [this] { m_botoes.value(0)->setFocus(); });
        it.value()->installEventFilter(this);
    }
    m_botoes.value(8)->setText(QString(30, QLatin1Char(' ')));

    m_imgSobre = new QLabel(barra);
    m_imgSobre->setObjectName(QStringLiteral("ImgSobre"));
    m_imgSobre->setPixmap(desenhaSobre());
    m_imgSobre->hide();

    // The overlay on button 8: its caption names the port controller of the model, in the
    // button row's font.
    m_pictureTristarTigris = new QWidget(m_botoes.value(8));
    m_pictureTristarTigris->setObjectName(QStringLiteral("PictureTristarTigris"));
    auto* cobre = new QVBoxLayout(m_pictureTristarTigris);
    cobre->setContentsMargins(0, 0, 0, 0);
    m_lbTristarTigris = new QLabel(m_pictureTristarTigris);
    m_lbTristarTigris->setObjectName(QStringLiteral("lbTristarTigris"));
    m_lbTristarTigris->setAlignment(Qt::AlignCenter);
    m_lbTristarTigris->setFont(m_botoes.value(8)->font());
    m_lbTristarTigris->setCursor(Qt::PointingHandCursor);
    m_lbTristarTigris->installEventFilter(this);
    cobre->addWidget(m_lbTristarTigris);
    m_pictureTristarTigris->setAttribute(Qt::WA_TranslucentBackground);
    m_pictureTristarTigris->setGeometry(Twips::paraPixels(10), Twips::paraPixels(40),
                                        Twips::paraPixels(LarguraBotaoProjeto) - Twips::paraPixels(30),
                                        Twips::paraPixels(AlturaBotao) - Twips::paraPixels(80));
    m_pictureTristarTigris->raise();
    m_faixaBotoes = new FaixaBotoes(m_painelBotoes, m_botoes.value(15), barra);
    m_linhaBarra->addWidget(m_faixaBotoes, 0, Qt::AlignTop);
    m_linhaBarra->addStretch(1);
    m_seletores->addStretch(1);
    m_linhaBarra->addLayout(m_seletores);

    // Port chooser and link state.
    m_framePorta = new QWidget(barra);
    m_framePorta->setObjectName(QStringLiteral("FramePorta"));
    m_framePorta->setMouseTracking(true);
    m_framePorta->installEventFilter(this);
    auto* porta = new QGridLayout(m_framePorta);
    porta->setContentsMargins(4, 0, 4, 0);
    porta->setVerticalSpacing(2);
    m_lbFramePorta = new QLabel(m_framePorta);
    m_lbFramePorta->setObjectName(QStringLiteral("lbFramePorta"));
    m_cbPortas = new QComboBox(m_framePorta);
    m_cbPortas->setObjectName(QStringLiteral("cbPortas"));
    m_cbPortas->setMinimumWidth(64);
    m_imgStatus = new QLabel(m_framePorta);
    m_imgStatus->setObjectName(QStringLiteral("ImgStatus"));
    m_imgStatus->setFixedSize(18, 18);
    m_st1 = new QLabel(m_framePorta);
    m_st1->setObjectName(QStringLiteral("St1"));
    m_st1->setMinimumWidth(95);
    m_st1->setText(QStringLiteral("Desconectado"));
    // Longer states ("Aguardando Box") wrap upwards beside the port caption.
    m_st1->setWordWrap(true);
    m_st1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    auto* estado = new QHBoxLayout;
    estado->setSpacing(5);
    estado->addWidget(m_imgStatus);
    estado->addWidget(m_st1);
    porta->addWidget(m_lbFramePorta, 0, 0);
    porta->addWidget(m_cbPortas, 1, 0);
    porta->addLayout(estado, 1, 1, Qt::AlignBottom);
    // Every reading of the model in one run, beside the link it needs: only with a phone on the line.
    m_btDiagnostico = new QPushButton(m_framePorta);
    m_btDiagnostico->setObjectName(QStringLiteral("btDiagnostico"));
    m_btDiagnostico->setEnabled(false);
    // Small, above the link state, so the bar keeps its width on a 1280-pixel screen.
    QFont pequena = m_btDiagnostico->font();
    pequena.setPointSizeF(pequena.pointSizeF() * 0.8);
    m_btDiagnostico->setFont(pequena);
    m_btDiagnostico->setContentsMargins(0, 0, 0, 0);
    m_btDiagnostico->setStyleSheet(QStringLiteral("padding: 1px 4px"));
    connect(m_btDiagnostico, &QPushButton::clicked, this, [this] { Diagnostico::abre(*m_janelas); });
    // The runs kept need no phone: always enabled.
    m_btHistorico = new QPushButton(m_framePorta);
    m_btHistorico->setObjectName(QStringLiteral("btHistorico"));
    m_btHistorico->setFont(pequena);
    m_btHistorico->setContentsMargins(0, 0, 0, 0);
    m_btHistorico->setStyleSheet(QStringLiteral("padding: 1px 4px"));
    connect(m_btHistorico, &QPushButton::clicked, this, [this] { m_janelas->mostra(QStringLiteral("Historico")); });
    auto* diagnostico = new QHBoxLayout;
    diagnostico->setSpacing(3);
    diagnostico->addWidget(m_btDiagnostico);
    diagnostico->addWidget(m_btHistorico);
    diagnostico->addStretch(1);
    porta->addLayout(diagnostico, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    linha->addWidget(m_framePorta);

    m_picBranco = new QLabel(barra);
    m_picBranco->setObjectName(QStringLiteral("PicBranco"));
    m_picBranco->setPixmap(luz(Qt::white));
    m_picAmarelo = new QLabel(barra);
    m_picAmarelo->setObjectName(QStringLiteral("PicAmarelo"));
    m_picAmarelo->setPixmap(luz(QColor(0xff, 0xd4, 0x00)));
    m_picVerde = new QLabel(barra);
    m_picVerde->setObjectName(QStringLiteral("PicVerde"));
    m_picVerde->setPixmap(luz(QColor(0x22, 0xc5, 0x3a)));
    m_picBranco->hide();
    m_picAmarelo->hide();
    m_picVerde->hide();

    m_status = new QLineEdit(QStringLiteral("0"), barra);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->hide();

    // Serial box model.
    auto* frameBox = new QWidget(barra);
    frameBox->setObjectName(QStringLiteral("FrameBox"));
    auto* box = new QVBoxLayout(frameBox);
    box->setContentsMargins(4, 0, 4, 0);
    box->setSpacing(2);
    m_lbBox = new QLabel(frameBox);
    m_lbBox->setObjectName(QStringLiteral("lbBox"));
    m_comboBox = new QComboBox(frameBox);
    m_comboBox->setObjectName(QStringLiteral("ComboBox"));
    m_comboBox->installEventFilter(this);
    box->addWidget(m_lbBox);
    box->addWidget(m_comboBox);
    linha->addWidget(frameBox);
    connect(m_comboBox, &QComboBox::activated, this,
            [this](int i) { boxEscolhido(m_comboBox->itemText(i)); });

    // Device model.
    m_frameMD = new QWidget(barra);
    m_frameMD->setObjectName(QStringLiteral("FrameMD"));
    m_frameMD->setMouseTracking(true);
    m_frameMD->installEventFilter(this);
    auto* md = new QGridLayout(m_frameMD);
    md->setContentsMargins(4, 0, 4, 0);
    md->setVerticalSpacing(2);
    m_comboAparelhos = new QComboBox(m_frameMD);
    m_comboAparelhos->setObjectName(QStringLiteral("ComboAparelhos"));
    m_comboAparelhos->addItems(PerfilModelo::nomes());
    m_comboAparelhos->setCurrentText(PerfilModelo::nomeInicial());
    m_comboAparelhos->setMinimumWidth(110);
    m_comboAparelhos->installEventFilter(this);
    connect(m_comboAparelhos, &QComboBox::currentTextChanged, this, &Inicial::modeloEscolhido);
    m_lbModelo = new QLabel(m_frameMD);
    m_lbModelo->setObjectName(QStringLiteral("lbModelo"));
    m_lbModelo->setMinimumWidth(70);
    QFont negrito = m_lbModelo->font();
    negrito.setBold(true);
    m_lbModelo->setFont(negrito);
    m_imgAtualizar = new QLabel(m_frameMD);
    m_imgAtualizar->setObjectName(QStringLiteral("imgAtualizar"));
    m_imgAtualizar->setPixmap(desenhaAtualizar());
    m_imgAtualizar->setFixedSize(26, 26);
    m_imgAtualizar->setAlignment(Qt::AlignCenter);
    m_imgAtualizar->setCursor(Qt::PointingHandCursor);
    m_imgAtualizar->installEventFilter(this);
    md->addWidget(m_comboAparelhos, 1, 0);
    md->addWidget(m_imgAtualizar, 1, 1);
    md->addWidget(m_lbModelo, 0, 0);
    // The open windows' menu sits above the refresh button: the bar has no room to spare.
    m_menuJanelas = new MenuJanelas(m_area, this);
    m_menuJanelas->botao()->setParent(m_frameMD);
    md->addWidget(m_menuJanelas->botao(), 0, 1, Qt::AlignCenter);
    instalaTeclasPrincipais(this, *m_janelas, m_botoes.value(1), m_btDiagnostico, m_menuJanelas->botao());
    linha->addWidget(m_frameMD);

    barra->setMinimumHeight(Twips::paraPixels(AlturaBotao) + 6);
    setMenuWidget(barra);

    // The background: a moving mouse over it hides the sub-menu and the tips.
    m_area->viewport()->setMouseTracking(true);
    m_area->viewport()->installEventFilter(this);
}

void Inicial::montaConsole()
{
    // The collected answer, shown as it grows: the view keeps its own text, fed by the link's
    // signals (each answer starts it again and appends what arrives); it is emptied once the
    // connection has read the model from it.
    auto* doca = new QDockWidget(this);
    doca->setObjectName(QStringLiteral("FrameConsole"));
    doca->setTitleBarWidget(new QWidget(doca));
    doca->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_txtConsole = new QPlainTextEdit(doca);
    m_txtConsole->setObjectName(QStringLiteral("txtConsole"));
    m_txtConsole->setReadOnly(true);
    m_txtConsole->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtConsole->setUndoRedoEnabled(false);
    m_txtConsole->setMaximumBlockCount(20000);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSize(9);
    m_txtConsole->setFont(mono);
    m_txtConsole->setFixedHeight(AlturaConsole);
    doca->setWidget(m_txtConsole);
    addDockWidget(Qt::BottomDockWidgetArea, doca);

    auto semCr = [](QString t) { return t.remove(QLatin1Char('\r')); };
    connect(m_ligacao, &Ligacao::consoleRedefinido, this,
            [this, semCr](const QString& texto) { m_txtConsole->setPlainText(semCr(texto)); });
    connect(m_conexao, &Conexao::consoleLimpoPedido, m_txtConsole, &QPlainTextEdit::clear);
    connect(m_ligacao, &Ligacao::consoleAcrescentado, this, [this, semCr](const QString& acrescimo) {
        QScrollBar* barra = m_txtConsole->verticalScrollBar();
        const bool noFim = barra->value() >= barra->maximum() - 2;
        QTextCursor c(m_txtConsole->document());
        c.movePosition(QTextCursor::End);
        c.insertText(semCr(acrescimo));
        if (noFim)
            barra->setValue(barra->maximum());
    });
}

void Inicial::carrega(QWidget* telaAbertura)
{
    LimparLogo = false;
    Traducao_Form_Inicial();
    CorStatus(QStringLiteral("Branco"));
    m_ligacao->defineLegendaPrincipal(contexto().titulo());
    setWindowTitle(contexto().titulo());
    m_comboAparelhos->setVisible(true);
    m_imgAtualizar->setVisible(true);
    m_botoes.value(12)->setIcon(QIcon(m_imgSobre->pixmap()));
    IniciaEstado();
    ListaPortas();
    CarregaBoxModelo();
    m_conexao->ContadorValidaPorta = 0;
    if (telaAbertura)
        telaAbertura->close();
    redimensiona();
}

void Inicial::IniciaEstado()
{
    m_comboBox->clear();
    m_comboBox->addItems({QStringLiteral("1"), QStringLiteral("2")});
    m_comboBox->setCurrentIndex(-1);
}

void Inicial::mostraNaTela()
{
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    const PosicaoPrincipal p = PosicionaPrincipal(TamanhoNatural, tela ? tela->availableGeometry() : QRect());
    if (p.maximizada) {
        showMaximized();
        return;
    }
    resize(p.geometria.size());
    move(p.geometria.topLeft());
    show();
}

void Inicial::Traducao_Form_Inicial()
{
    m_menuJanelas->traduz();
    m_btDiagnostico->setText(L(QStringLiteral("Diagnóstico completo")));
    m_btHistorico->setText(L(QStringLiteral("Histórico")));
    const bool ligado = m_ligacao->estado() != EstadoLigacao::Desconectada;
    m_botoes.value(1)->setText(L(ligado ? QStringLiteral("Desconectar") : QStringLiteral("Conectar")));
    m_st1->setText(L(ligado                       ? QStringLiteral("Conectado")
                     : m_conexao->aguardandoBox() ? QStringLiteral("Aguardando Box")
                                                  : QStringLiteral("Desconectado")));

    auto poe = [this](int i, const QString& legenda, const QString& dica) {
        m_botoes.value(i)->setText(legenda);
        m_botoes.value(i)->setToolTip(dica);
    };
    m_botoes.value(1)->setToolTip(L(QStringLiteral("Conectar")) + QStringLiteral(" / ") + L(QStringLiteral("Desconectar")));
    poe(2, L(QStringLiteral("Comandos")), L(QStringLiteral("Modo Comandos e Comparador")));
    poe(3, QStringLiteral("VCore"), QStringLiteral("VCore"));
    poe(4, QStringLiteral("Buck / Ldo"), QStringLiteral("Buck / Ldo"));
    poe(5, QStringLiteral("RF"), L(QStringLiteral("Testes de Comunicação RF")));
    poe(6, QStringLiteral("Display"), L(QStringLiteral("Testes de Display")));
    poe(7, QStringLiteral("Nand"), L(QStringLiteral("Testes de Memória Nand")));
    poe(8, QString(30, QLatin1Char(' ')), L(QStringLiteral("Testes IC's")));
    poe(9, QStringLiteral("I2C"), L(QStringLiteral("Testes de Leitura I2C")));
    poe(17, QStringLiteral("Bat / RAM"), L(QStringLiteral("Testes Adicionais")) + QStringLiteral(" Bat. / Mem. Ram"));
    poe(10, L(QStringLiteral("Idioma")), QStringLiteral("Idioma / Language"));
    poe(12, L(QStringLiteral("Sobre")), L(QStringLiteral("Sobre")));
    m_lbTristarTigris->setToolTip(m_botoes.value(8)->toolTip());

    m_imgAtualizar->setToolTip(L(QStringLiteral("Atualizar")));
    m_comboAparelhos->setToolTip(L(QStringLiteral("Selecione o modelo do dispositivo")));
    m_lbModelo->setToolTip(L(QStringLiteral("Modelo do dispositivo")));
    m_cbPortas->setToolTip(L(QStringLiteral("Porta COM de comunicação com o dispositivo")));

    m_lbFramePorta->setText(L(QStringLiteral("Porta COM")));
    // The caption names the chip the button opens for the model in use.
    m_lbTristarTigris->setText(LegendaBotaoChip(m_sessao->modelo()));
    m_lbBox->setText(L(QStringLiteral("Box_Modelo")));
    alargaBotoesCortados();
}

void Inicial::CorStatus(const QString& cor)
{
    QLabel* origem = nullptr;
    if (cor == QLatin1String("Branco"))
        origem = m_picBranco;
    else if (cor == QLatin1String("Amarelo"))
        origem = m_picAmarelo;
    else if (cor == QLatin1String("Verde"))
        origem = m_picVerde;
    if (origem)
        m_imgStatus->setPixmap(origem->pixmap());
}

void Inicial::ListaPortas()
{
    m_cbPortas->clear();
    m_cbPortas->addItems(Portas::ListaPortas());
    if (m_cbPortas->count() > 0)
        m_cbPortas->setCurrentIndex(m_cbPortas->count() - 1);
}

void Inicial::CarregaBoxModelo()
{
    // Every step runs even when an earlier one failed: an unreadable value counts as empty.
    QString texto = LeModeloBox(contexto().dados.banco);
    if (texto.isEmpty()) {
        texto = QStringLiteral("1");
        GravaCombo(contexto().dados.banco, 7, texto);
    }
    const int i = m_comboBox->findText(texto);
    m_comboBox->setCurrentIndex(i);
    m_sessao->defineModeloBox(texto);
}

void Inicial::boxEscolhido(const QString& box)
{
    GravaCombo(contexto().dados.banco, 7, box);
    m_sessao->defineModeloBox(box);
}

void Inicial::PosicionaBotoes()
{
    int esquerda = m_botoes.value(1)->property("esquerdaTwips").toInt();
    for (int indice : OrdemBotoes) {
        QPushButton* b = m_botoes.value(indice);
        b->setProperty("esquerdaTwips", esquerda);
        b->setGeometry(geometriaTwips(esquerda, 0, LarguraBotao, AlturaBotao));
        esquerda += LarguraBotao - SobreposicaoBotoes;
    }
    m_pictureTristarTigris->resize(Twips::paraPixels(LarguraBotao) - Twips::paraPixels(30),
                                   m_pictureTristarTigris->height());
    m_botoes.value(15)->move(Twips::paraPixels(esquerda), 0);
    alargaBotoesCortados();
}

void Inicial::alargaBotoesCortados()
{
    // A caption longer than its button (Spanish "Desconectar", "Acerca de") widens it; the
    // buttons after it move along.
    int desloca = 0;
    for (int indice : OrdemBotoes) {
        QPushButton* b = m_botoes.value(indice);
        b->move(b->x() + desloca, b->y());
        // Button 8's caption is the overlay's.
        const int falta = (indice == 8 ? m_lbTristarTigris->sizeHint().width() + Twips::paraPixels(30)
                                       : larguraParaLegenda(b)) - b->width();
        if (falta > 0) {
            b->resize(b->width() + falta, b->height());
            desloca += falta;
        }
        if (indice == 8)
            m_pictureTristarTigris->resize(b->width() - Twips::paraPixels(30), m_pictureTristarTigris->height());
    }
    QPushButton* b15 = m_botoes.value(15);
    b15->move(b15->x() + desloca, 0);
    m_painelBotoes->setFixedSize(b15->geometry().right() + 1, m_painelBotoes->height());
    dobraBarra();
}

void Inicial::dobraBarra()
{
    if (!m_linhaBarra)
        return;
    const QMargins m = m_linhaBarra->contentsMargins();
    // The blank end piece of the row may be cut, as the strip allows.
    const QWidget* ponta = m_botoes.value(15);
    const int numaLinha = m.left() + m.right() + ponta->x() + ponta->width() / 4 + 2 * m_linhaBarra->spacing()
                        + m_seletores->sizeHint().width();
    const auto direcao = numaLinha > width() ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    if (m_linhaBarra->direction() == direcao)
        return;
    m_linhaBarra->setDirection(direcao);
    // The second row of the bar is paid for by two lines of the console strip: the window area
    // keeps its height for the tool windows.
    if (m_txtConsole)
        m_txtConsole->setFixedHeight(direcao == QBoxLayout::TopToBottom ? AlturaConsoleBaixa : AlturaConsole);
    // At once, so a window opened right after the resize is sized for the area that is left.
    m_linhaBarra->activate();
    if (layout())
        layout()->activate();
}

void Inicial::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    redimensiona();
}

void Inicial::pintaFundo()
{
    // The logo painted in the middle of the background, at the background's current size.
    const QSize tamanho = m_area->viewport()->size();
    if (tamanho.isEmpty())
        return;
    QPixmap fundo(tamanho);
    fundo.fill(CorFundoMdi);
    QPainter g(&fundo);
    g.drawPixmap((tamanho.width() - m_logo.width()) / 2, (tamanho.height() - m_logo.height()) / 2, m_logo);
    g.end();
    m_area->setBackground(QBrush(fundo));
}

void Inicial::redimensiona()
{
    pintaFundo();
    LimparLogo = true;
    if (Twips::dePixels(width()) <= LarguraMaximaPosiciona)
        PosicionaBotoes();
    dobraBarra();
}

void Inicial::closeEvent(QCloseEvent* e)
{
    m_janelas->fecha(m_janelas->nomesAbertos());
    m_area->closeAllSubWindows();
    emit dicasFechadas();
    emit subMenuDispensado();
    e->accept();
    // Closing the main window ends the program, whatever small window is still around.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void Inicial::clicaBotao(int indice)
{
    m_botoes.value(0)->setFocus();
    switch (indice) {
    case 1:
        m_conexao->BotaoConectar(m_cbPortas->currentText());
        return;
    case 10:
        mostraIdioma();
        return;
    default:
        break;
    }
    const QString nome = m_janelas->janelaDoBotao(indice);
    if (!nome.isEmpty())
        m_janelas->mostra(nome);
}

void Inicial::mostraIdioma()
{
    xIdioma janela(*m_janelas, this, [this] { Traducao_Form_Inicial(); });
    connect(&janela, &xIdioma::idiomaVaiMudar, this, &Inicial::dicasFechadas);
    janela.exec();
}

void Inicial::mostraAvisosDaLigacao()
{
    // The link and the connection tell; the boxes are shown here, at the moment they tell.
    auto mensagem = [](const QString& chave, const QString& porta) { MostraMensagem(chave, porta); };
    auto erro = [](const QString& descricao, int numero) { dialogos().erroPadrao(descricao, numero); };
    connect(m_ligacao, &Ligacao::mensagemPedida, this, mensagem);
    connect(m_conexao, &Conexao::mensagemPedida, this, mensagem);
    connect(m_ligacao, &Ligacao::erroPedido, this, erro);
    connect(m_conexao, &Conexao::erroPedido, this, erro);
    connect(m_ligacao, &Ligacao::erroDeEnvio, this, [](const QString& texto, const QString& titulo) {
        dialogos().mensagem(texto, titulo, Dialogos::Icone::Critico);
    });
    connect(m_conexao, &Conexao::esperaBoxMudou, this, &Inicial::mostraAvisoBox);
    connect(m_conexao, &Conexao::semFimAvisado, this, [this](bool conectando) {
        if (conectando) {
            dialogos().mensagem(L(QStringLiteral("SEM_FIM_CONEXAO")), L(QStringLiteral("SEM_FIM_TITULO")),
                                Dialogos::Icone::Exclamacao);
            return;
        }
        const auto r = dialogos().mensagem(L(QStringLiteral("SEM_FIM_PERGUNTA")), L(QStringLiteral("SEM_FIM_TITULO")),
                                           Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao);
        if (r == Dialogos::Resposta::Sim)
            m_conexao->DesconectaSemFim();
    });
    connect(m_conexao, &Conexao::portaAltaExplicada, this, [this] {
        const bool ofereceVideo = contexto().paginaConfigurada(Conexao::PaginaVideoPortas);
        const QString texto = L(QStringLiteral("Porta 16"));
        if (!ofereceVideo) {
            // Without the video's address the offer to watch it (point 3) is left out.
            const int ponto3 = texto.indexOf(QStringLiteral("\r\n\r\n3."));
            dialogos().mensagem(ponto3 > 0 ? texto.left(ponto3) : texto, L(QStringLiteral("Porta Serial COM")),
                                Dialogos::Icone::Informacao, Dialogos::Botoes::Ok);
            return;
        }
        const auto r = dialogos().mensagem(texto, L(QStringLiteral("Porta Serial COM")), Dialogos::Icone::Informacao,
                                           Dialogos::Botoes::SimNaoCancelar);
        if (r == Dialogos::Resposta::Sim)
            contexto().abrePagina(Conexao::PaginaVideoPortas);
    });
}

void Inicial::mostraAvisoBox()
{
    using Fase = Conexao::EsperaBox::Fase;
    const Conexao::EsperaBox& e = m_conexao->esperaBox();
    if (e.fase == Fase::Nenhuma) {
        if (m_avisoBox)
            m_avisoBox->hide();
        return;
    }
    if (!m_avisoBox) {
        m_avisoBox = new QLabel(m_area);
        m_avisoBox->setObjectName(QStringLiteral("lbAvisoBox"));
        m_avisoBox->setWordWrap(true);
        m_avisoBox->setTextFormat(Qt::PlainText);
        m_avisoBox->setMargin(6);
        m_avisoBox->setStyleSheet(QStringLiteral("QLabel { background: #fff3c4; color: black; border: 1px solid #b08800; }"));
    }
    // What happened: the reading the box took with it (by its window), or none.
    QString texto;
    if (e.codigo.isEmpty()) {
        texto = L(QStringLiteral("BOX_PERDIDA_SEM_LEITURA"));
    } else {
        QString janela = m_janelas->nomeDoRequisitante(e.codigo);
        if (janela.isEmpty())
            janela = e.codigo == SemRequisitante ? QStringLiteral("Inicial") : e.codigo;
        texto = L(QStringLiteral("BOX_PERDIDA_NA_LEITURA")).arg(janela, e.comando);
    }
    const QString porta = QString::number(e.porta);
    switch (e.fase) {
    case Fase::Aguardando:
        texto += QStringLiteral("\n") + L(QStringLiteral("BOX_AGUARDANDO")).arg(porta).arg(e.esperadoMs / 1000).arg(e.limiteMs / 1000);
        break;
    case Fase::Reconectando:
        texto += QStringLiteral("\n") + L(QStringLiteral("BOX_RECONECTANDO")).arg(porta);
        break;
    case Fase::Encerrada:
        texto += QStringLiteral("\n") + L(QStringLiteral("BOX_NAO_VOLTOU")).arg(e.porta > 0 ? porta : m_ligacao->portaSelecionada());
        break;
    case Fase::Nenhuma:
        break;
    }
    m_avisoBox->setText(texto);
    posicionaAvisoBox();
    m_avisoBox->show();
    m_avisoBox->raise();
}

void Inicial::posicionaAvisoBox()
{
    if (!m_avisoBox)
        return;
    const int largura = m_area->width() - 16;
    const int altura = m_avisoBox->heightForWidth(largura);
    m_avisoBox->setGeometry(8, m_area->height() - altura - 8, largura, altura);
}

void Inicial::passaSobreBotao(int indice)
{
    int tipo = -1;
    QString rotulo;
    if (indice == 4)
        tipo = 0;
    else if (indice == 5)
        tipo = 2;
    else if (indice == 6) {
        tipo = 1;
        rotulo = PerfilModelo::de(m_sessao->modelo()).acorn() ? QStringLiteral("Acorn") : QStringLiteral("Chestnut");
    }
    if (tipo < 0) {
        emit subMenuDispensado();
        return;
    }
    emit subMenuPedido(tipo, m_botoes.value(indice)->mapTo(this, QPoint(0, 0)).x(), rotulo);
}

bool Inicial::eventFilter(QObject* objeto, QEvent* e)
{
    const QEvent::Type tipo = e->type();
    if (objeto == m_area->viewport() && tipo == QEvent::Resize) {
        // The main window's resize comes before its layout sizes the background.
        pintaFundo();
        posicionaAvisoBox();
    } else if (objeto == m_area->viewport() && tipo == QEvent::MouseMove) {
        emit subMenuDispensado();
        emit dicasDispensadas();
        if (LimparLogo) {
            const GerenciadorJanelas& j = janelas();
            if (j.aberta(QStringLiteral("VCores")) || j.aberta(QStringLiteral("BuckLdo"))
                || j.aberta(QStringLiteral("I2C")) || j.aberta(QStringLiteral("Sobre")))
                LimparLogo = false;
            else
                emit fundoALimpar();
        }
    } else if (objeto == m_framePorta && (tipo == QEvent::MouseMove || tipo == QEvent::Enter)) {
        if (m_ligacao->estado() == EstadoLigacao::Desconectada
            && !janelas().aberta(QStringLiteral("Sobre")))
            emit dicasPedidas();
    } else if (objeto == m_frameMD && (tipo == QEvent::MouseMove || tipo == QEvent::Enter)) {
        emit dicasDispensadas();
    } else if (objeto == m_lbTristarTigris && tipo == QEvent::MouseButtonRelease) {
        clicaBotao(8);
        return true;
    } else if (objeto == m_imgAtualizar) {
        if (tipo == QEvent::MouseButtonPress) {
            m_imgAtualizar->setFrameStyle(QFrame::Box | QFrame::Plain);
        } else if (tipo == QEvent::MouseButtonRelease) {
            m_imgAtualizar->setFrameStyle(QFrame::NoFrame);
            if (m_imgAtualizar->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint()))
                atualizaClicado();
        }
    } else if ((objeto == m_comboBox || objeto == m_comboAparelhos) && tipo == QEvent::KeyPress) {
        // Selection only: typed keys are discarded (Tab still moves on).
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla != Qt::Key_Tab && tecla != Qt::Key_Backtab)
            return true;
    } else if (objeto == m_comboAparelhos && tipo == QEvent::FocusOut) {
        if (m_comboAparelhos->currentText().isEmpty())
            m_comboAparelhos->setCurrentText(PerfilModelo::nomeInicial());
    } else if (tipo == QEvent::Enter) {
        for (auto it = m_botoes.constBegin(); it != m_botoes.constEnd(); ++it)
            if (it.value() == objeto) {
                passaSobreBotao(it.key());
                break;
            }
    }
    return QMainWindow::eventFilter(objeto, e);
}

void Inicial::atualizaClicado()
{
    IdentificaModelo();
    ListaPortas();
}

void Inicial::IdentificaModelo()
{
    m_conexao->IdentificaModelo();
}

void Inicial::modeloEscolhido(const QString& modelo)
{
    // The chooser's text is the link's model; every change refreshes the open windows.
    m_sessao->defineModelo(modelo);
}

void Inicial::mostraModelo(const QString& modelo)
{
    if (m_comboAparelhos->currentText() != modelo) {
        const int i = m_comboAparelhos->findText(modelo);
        const QSignalBlocker bloqueio(m_comboAparelhos);
        m_comboAparelhos->setCurrentIndex(i);
    }
    AtualizaJanelasAbertas();
}

void Inicial::AtualizaJanelasAbertas()
{
    m_lbTristarTigris->setText(LegendaBotaoChip(m_sessao->modelo()));
    m_janelas->AtualizaJanelasAbertas();
}

