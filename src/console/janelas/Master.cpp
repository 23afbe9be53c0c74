#include "console/janelas/Master.h"
#include "db/janelas/Sincronizacao.h"

#include "reports/ArquivoRelatorio.h"
#include "console/AutoComparador.h"
#include "console/RegrasConsole.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "shell/RegrasTroca.h"
#include "console/janelas/CaixaTexto.h"
#include "db/Combos.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTimer>
#include <functional>

namespace {
using DadosConsole::LinhaComando;
using DadosConsole::LinhaDados;

const QString CRLF = QStringLiteral("\r\n");

// Positions are kept in twips, as the window's rules state them, beside the pixel geometry.
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
// The design place of a control the window moves with its room.
void guardaDesenho(QWidget* w)
{
    w->setProperty("desenho", geo(w));
}
QRect desenho(const QWidget* w)
{
    return w->property("desenho").toRect();
}
void poeTopo(QWidget* w, int topo)
{
    QRect r = geo(w);
    poe(w, r.x(), topo, r.width(), r.height());
}
void poeEsquerda(QWidget* w, int esquerda)
{
    QRect r = geo(w);
    poe(w, esquerda, r.y(), r.width(), r.height());
}
void poeAltura(QWidget* w, int altura)
{
    QRect r = geo(w);
    poe(w, r.x(), r.y(), r.width(), altura);
}
void poeLargura(QWidget* w, int largura)
{
    QRect r = geo(w);
    poe(w, r.x(), r.y(), largura, r.height());
}

// Design size of the window and of its two answer boxes, in twips.
constexpr int LarguraJanela = 18540;
constexpr int AlturaJanela = 8940;
constexpr int TopoTextos = 1500;
constexpr int AlturaTextos = 6600;
constexpr int EsquerdaComparador = 9240;
constexpr int LarguraComparador = 6000;
constexpr int EsquerdaNotas = 15360;
constexpr int LarguraNotas = 3060;
constexpr int EsquerdaHistorico = 8000;
constexpr int LarguraHistorico = 10400;
// The answer boxes give up height before anything scrolls, down to this.
constexpr int AlturaTextosMinima = 1800;
// ... and the window rearranges its rows down to this width (a laptop screen at 150 %).
constexpr int LarguraMinima = 13200;
// Light red: a line of the live answer that the recording does not hold.
const QString CorLinhaDiferente = QStringLiteral("&H00C0C0FF");

// The console arranges itself for the room its frame gives: the answer boxes take what is more
// or less than the design, so the rows under them (Auto, Limpar, the splitter) stay in view
// and the history panel stays over the boxes at any size.
class ArranjoConsole : public QLayout {
public:
    ArranjoConsole(std::function<void(QSize)> dispoe, std::function<QSize()> minimo)
        : m_dispoe(std::move(dispoe)), m_minimo(std::move(minimo))
    {
        setContentsMargins(0, 0, 0, 0);
    }
    ~ArranjoConsole() override { qDeleteAll(m_itens); }
    void addItem(QLayoutItem* item) override { m_itens.append(item); }
    QLayoutItem* itemAt(int i) const override { return m_itens.value(i); }
    QLayoutItem* takeAt(int i) override { return i >= 0 && i < m_itens.size() ? m_itens.takeAt(i) : nullptr; }
    int count() const override { return static_cast<int>(m_itens.size()); }
    QSize sizeHint() const override { return m_minimo(); }
    QSize minimumSize() const override { return m_minimo(); }
    void setGeometry(const QRect& r) override
    {
        QLayout::setGeometry(r);
        m_dispoe(r.size());
    }

private:
    std::function<void(QSize)> m_dispoe;
    std::function<QSize()> m_minimo;
    QList<QLayoutItem*> m_itens;
};

QPushButton* botao(QWidget* pai, const char* nome, const QString& texto = QString())
{
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    return b;
}
QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto = QString())
{
    auto* l = new QLabel(texto, pai);
    l->setObjectName(QLatin1String(nome));
    return l;
}
} // namespace

Master::Master(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Master"), janelas)
{
    montaControles();
    // Load, in the window's order.
    AjustaMaster();
    setLayout(new ArranjoConsole([this](QSize sala) { dispoe(sala); }, [this] { return salaMinima(); }));
    dispoe(tamanhoNatural());
    Traducao_Form_Master();
    atualizaBtSend();
    CarregaComandos();
    m_HScroll1->setMaximum(geo(m_txtComparador).x() / 8);
    m_HScroll1->setValue(m_HScroll1->maximum());
    if (m_txtComandos->count() > 0)
        defineTxtComandos(m_txtComandos->itemText(0));
    defineTxtComandos(QString());
    // A command chosen in the help window comes through the window manager.
    connect(&janelas, &GerenciadorJanelas::comandoParaConsole, this, &Master::defineTxtComandos);
    m_dadosAlterados = false;
    m_lbDispositivo->setText(L(QStringLiteral("Modelo")) + QStringLiteral(": ") + sessao().modelo()
                             + QStringLiteral("  ") + sessao().numeroModelo());
    m_lbDispositivo->adjustSize();
    const int idioma = IdiomaAtual();
    for (int i = 0; i < 3; ++i) {
        m_txtInfoComandos[i]->setVisible(idioma == i + 1);
        m_txtInfoDados[i]->setVisible(idioma == i + 1);
    }

    connect(&ligacao(), &Ligacao::estadoMudou, this, [this] {
        atualizaBtSend();
        mostraFimTestePendente();
    });
    connect(&ligacao(), &Ligacao::comandoPendenteMudou, this, &Master::mostraFimTestePendente);
}

Master::~Master()
{
    // Its arrangement calls back into this window: gone before the window's parts are.
    delete conteudo()->layout();
    // The user's recordings survive the next installation through User.qzd.
    if (m_dadosAlterados)
        CopiaBancoUsuarioAvisando(contexto().dados, windowTitle());
}

QString Master::caminhoBanco() const
{
    return contexto().dados.banco;
}

void Master::montaControles()
{
    m_lbComandos = rotulo(this, "lbComandos");
    m_txtComandos = new QComboBox(this);
    m_txtComandos->setObjectName(QStringLiteral("txtComandos"));
    m_txtComandos->setEditable(true);
    m_txtComandos->setInsertPolicy(QComboBox::NoInsert);
    m_txtComandos->setMaxVisibleItems(25);
    // The saved commands are proposed in a popup, whatever the letter case typed; the typed text
    // is never completed in place, so what is typed is what is sent, looked up and kept in the
    // history. The proposal is not the box's own completer: with one that ignores case, the box
    // would take the spelling of a saved command on Enter or when editing ends ("buttoncnt --dqe"
    // would become "BUTTONCNT --DQE"); without it, the box only takes an item spelled as typed.
    auto* proposta = new QCompleter(m_txtComandos->model(), this);
    proposta->setObjectName(QStringLiteral("propostaComandos"));
    proposta->setCaseSensitivity(Qt::CaseInsensitive);
    proposta->setCompletionMode(QCompleter::PopupCompletion);
    m_txtComandos->setCompleter(nullptr);
    proposta->setWidget(m_txtComandos->lineEdit());
    connect(m_txtComandos->lineEdit(), &QLineEdit::textEdited, proposta, [proposta](const QString& texto) {
        if (texto.isEmpty()) {
            proposta->popup()->hide();
            return;
        }
        proposta->setCompletionPrefix(texto);
        proposta->complete();
    });
    // A proposal moved to with the arrows is in the box, so Enter sends what is seen.
    connect(proposta, qOverload<const QString&>(&QCompleter::highlighted), this,
            [this](const QString& escolhido) { defineTxtComandos(escolhido); });
    connect(proposta, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& escolhido) { defineTxtComandos(escolhido); });
    m_btSend = botao(this, "btSend");
    m_btSend->setEnabled(false);
    m_btNovo = botao(this, "btNovo", QStringLiteral("+"));
    m_btApagar = botao(this, "btApagar", QStringLiteral("\u2212"));
    m_btRecent = botao(this, "btRecent", QStringLiteral("\u2261"));
    m_btHelp = botao(this, "btHelp", QStringLiteral("?"));
    m_btHelpPdf = botao(this, "btHelpPdf", QStringLiteral("PDF"));
    m_btReiniciar = botao(this, "btReiniciar");
    m_btDesligar = botao(this, "btDesligar");

    m_lbAutoComparador = new QFrame(this);
    m_lbAutoComparador->setObjectName(QStringLiteral("lbAutoComparador"));
    m_lbAutoComparador->setFrameShape(QFrame::Box);
    m_lbAutoComparador->setAutoFillBackground(true);
    {
        QPalette p = m_lbAutoComparador->palette();
        p.setColor(QPalette::Window, CorVb(Cores::Verde));
        m_lbAutoComparador->setPalette(p);
    }
    m_lbAutoComparadorX = rotulo(m_lbAutoComparador, "lbAutoComparadorX", QStringLiteral("Auto Comparador"));
    m_lbAutoComparadorX->setAlignment(Qt::AlignCenter);
    QFont negrito = m_lbAutoComparadorX->font();
    negrito.setBold(true);
    m_lbAutoComparadorX->setFont(negrito);
    m_lbAutoComparador->hide();
    // Beside the badge: how many lines of the live answer part from the recording.
    m_lbDiferencas = rotulo(this, "lbDiferencas");
    m_lbDiferencas->setAlignment(Qt::AlignCenter);
    m_lbDiferencas->setFont(negrito);
    m_lbDiferencas->setFrameShape(QFrame::Box);
    m_lbDiferencas->setAutoFillBackground(true);
    {
        QPalette p = m_lbDiferencas->palette();
        p.setColor(QPalette::Window, CorVb(CorLinhaDiferente));
        m_lbDiferencas->setPalette(p);
    }
    m_lbDiferencas->hide();

    static const char* nomesComandos[3] = {"txtInfoComandos", "txtInfoComandos2", "txtInfoComandos3"};
    static const char* nomesDados[3] = {"txtInfoDados", "txtInfoDados2", "txtInfoDados3"};
    for (int i = 0; i < 3; ++i) {
        m_txtInfoComandos[i] = new CaixaTexto(QLatin1String(nomesComandos[i]), this);
        m_txtInfoComandos[i]->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_txtInfoComandos[i]->hide();
        m_txtInfoDados[i] = new CaixaTexto(QLatin1String(nomesDados[i]), this);
        m_txtInfoDados[i]->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_txtInfoDados[i]->hide();
    }

    m_ldDispConect = rotulo(this, "ldDispConect");
    m_lbRespostaDe = rotulo(this, "lbRespostaDe");
    m_lbRespostaDe->hide();
    m_ldDispComparador = rotulo(this, "ldDispComparador");
    m_lbDispositivo = rotulo(this, "lbDispositivo");
    m_lbInfDados = rotulo(this, "lbInfDados");
    m_lbVar = rotulo(this, "lbVar");
    m_lbVar->setWordWrap(true);
    m_lbVar->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFont fixa(QStringLiteral("Monospace"));
    fixa.setStyleHint(QFont::TypeWriter);
    m_txtConsole = new CaixaTexto(QStringLiteral("txtConsole"), this, true);
    m_txtConsole->setFont(fixa);
    m_txtComparador = new CaixaTexto(QStringLiteral("txtComparador"), this);
    m_txtComparador->setFont(fixa);

    m_btSalvar = botao(this, "btSalvar");
    m_btSalvarAtualizacoes = botao(this, "btSalvarAtualizacoes");
    m_btExcluir = botao(this, "btExcluir");
    {
        QFont negritoAguarde = font();
        negritoAguarde.setBold(true);
        m_lbAguarde = criaRotuloAguarde(this, QRect(), negritoAguarde);
        m_lbAguarde->setWordWrap(true);
    }
    m_timerAguarde = new QTimer(this);
    m_timerAguarde->setObjectName(QStringLiteral("TimerAguarde"));
    m_timerAguarde->setInterval(1500);
    m_timerAguarde->setSingleShot(true);
    connect(m_timerAguarde, &QTimer::timeout, this, [this] {
        if (ligacao().comandoPendente().isEmpty())
            m_lbAguarde->hide();
    });

    m_ckLimpar = new QCheckBox(QStringLiteral("Auto"), this);
    m_ckLimpar->setObjectName(QStringLiteral("ckLimpar"));
    m_ckLimpar->setChecked(true);
    m_btLimpar = botao(this, "btLimpar");
    m_HScroll1 = new QScrollBar(Qt::Horizontal, this);
    m_HScroll1->setObjectName(QStringLiteral("HScroll1"));

    m_FrameHistorico = new QFrame(this);
    m_FrameHistorico->setObjectName(QStringLiteral("FrameHistorico"));
    m_FrameHistorico->setFrameShape(QFrame::StyledPanel);
    m_FrameHistorico->setAutoFillBackground(true);
    m_lbHistComandos = rotulo(m_FrameHistorico, "lbHistComandos");
    m_lbHelp = rotulo(m_FrameHistorico, "lbHelp", QStringLiteral("HELP"));
    m_lbHelp->setCursor(Qt::PointingHandCursor);
    m_lbHelp->setFrameShape(QFrame::Panel);
    m_lbHelp->setAlignment(Qt::AlignCenter);
    m_lbHelp->installEventFilter(this);
    m_btCloseHistorico = botao(m_FrameHistorico, "btCloseHistorico");
    m_ListCmd = new QListWidget(m_FrameHistorico);
    m_ListCmd->setObjectName(QStringLiteral("ListCmd"));
    m_txtHelpAux = new CaixaTexto(QStringLiteral("txtHelpAux"), m_FrameHistorico, true);
    m_txtHelpAux->setFont(fixa);
    m_FrameHistorico->hide();

    // Design positions (twips).
    defineTamanhoNatural(QSize(Twips::paraPixels(LarguraJanela), Twips::paraPixels(AlturaJanela)));
    poe(m_lbComandos, 120, 180, 960, 285);
    poe(m_txtComandos, 1100, 120, 5000, 375);
    poe(m_btSend, 6200, 105, 1300, 405);
    poe(m_btNovo, 7560, 105, 450, 405);
    poe(m_btApagar, 8040, 105, 450, 405);
    poe(m_btRecent, 8520, 105, 450, 405);
    poe(m_btHelp, 9000, 105, 450, 405);
    poe(m_btHelpPdf, 9480, 105, 630, 405);
    poe(m_btReiniciar, 10260, 105, 2100, 405);
    poe(m_btDesligar, 12420, 105, 2100, 405);
    poe(m_lbAutoComparador, 14760, 60, 2400, 495);
    poe(m_lbDiferencas, 17220, 60, 1200, 495);
    m_lbAutoComparadorX->setGeometry(m_lbAutoComparador->rect());
    for (int i = 0; i < 3; ++i)
        poe(m_txtInfoComandos[i], 1100, 600, 8980, 570);
    poe(m_btSalvar, 10260, 660, 2100, 405);
    poe(m_btSalvarAtualizacoes, 12420, 660, 1500, 405);
    poe(m_btExcluir, 13980, 660, 1500, 405);
    poe(m_lbAguarde, 15540, 600, 2880, 570);
    poe(m_ldDispConect, 120, 1260, 5000, 240);
    poe(m_ldDispComparador, EsquerdaComparador, 1260, 3000, 240);
    poe(m_lbDispositivo, EsquerdaComparador + 3100, 1260, 2800, 240);
    poe(m_lbInfDados, EsquerdaNotas, 1260, LarguraNotas, 240);
    poe(m_txtConsole, 120, TopoTextos, EsquerdaComparador - 220, AlturaTextos);
    poe(m_txtComparador, EsquerdaComparador, TopoTextos, LarguraComparador, AlturaTextos);
    poe(m_ckLimpar, 120, TopoTextos + AlturaTextos + 60, 900, 300);
    poe(m_btLimpar, 1080, TopoTextos + AlturaTextos + 45, 1200, 345);
    poe(m_HScroll1, 2400, TopoTextos + AlturaTextos + 90, 12480, 255);
    poe(m_FrameHistorico, EsquerdaHistorico, m_topoHistorico, LarguraHistorico, AlturaTextos - 135);
    poe(m_lbHistComandos, 120, 120, 4000, 285);
    poe(m_lbHelp, 4680, 120, 900, 330);
    poe(m_ListCmd, 120, 600, 4455, AlturaTextos - 135 - 900);
    // The rest of the columns, the rows under the boxes and the panel's inside: dispoe.
    m_larguraComparadorDireita = EsquerdaComparador + LarguraComparador;
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_txtComandos, m_btSend, m_btNovo, m_btApagar, m_btRecent, m_btHelp, m_btHelpPdf, m_btReiniciar, m_btDesligar,
             m_lbAutoComparador, m_lbDiferencas, m_txtInfoComandos[0], m_btSalvar, m_btSalvarAtualizacoes, m_btExcluir,
             m_lbAguarde})
        guardaDesenho(w);

    // Behaviour.
    connect(m_txtComandos, &QComboBox::currentTextChanged, this, [this] { MostraDadosGravados(); });
    connect(m_txtComandos->lineEdit(), &QLineEdit::returnPressed, this, [this] { btSend_Click(); });
    connect(m_btSend, &QPushButton::clicked, this, [this] { btSend_Click(); });
    connect(m_btSalvar, &QPushButton::clicked, this, [this] { btSalvar_Click(); });
    connect(m_btSalvarAtualizacoes, &QPushButton::clicked, this, [this] { btSalvarAtualizacoes_Click(); });
    connect(m_btExcluir, &QPushButton::clicked, this, [this] { btExcluir_Click(); });
    connect(m_btNovo, &QPushButton::clicked, this, [this] { btNovo_Click(); });
    connect(m_btApagar, &QPushButton::clicked, this, [this] { btApagar_Click(); });
    connect(m_btReiniciar, &QPushButton::clicked, this, [this] { btReiniciar_Click(); });
    connect(m_btDesligar, &QPushButton::clicked, this, [this] { btDesligar_Click(); });
    connect(m_btHelp, &QPushButton::clicked, this, [this] { btHelp_Click(); });
    connect(m_btHelpPdf, &QPushButton::clicked, this, [this] { btHelpPdf_Click(); });
    connect(m_btRecent, &QPushButton::clicked, this, [this] { btRecent_Click(); });
    m_btRecent->installEventFilter(this);
    connect(m_btCloseHistorico, &QPushButton::clicked, this, [this] { btCloseHistorico_Click(); });
    connect(m_btLimpar, &QPushButton::clicked, this, [this] {
        atualizaConsole(QString());
        m_consoleAnterior.clear();
        m_consoleCompleto = true;
        m_ultimaResposta.clear();
        marcaDiferencas();
        mostraRespostaDe();
        m_txtComandos->setFocus();
    });
    connect(m_ListCmd, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { defineTxtComandos(item->text()); });
    m_ListCmd->installEventFilter(this);
    m_escHistorico = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escHistorico->setContext(Qt::WidgetWithChildrenShortcut);
    m_escHistorico->setEnabled(false);
    connect(m_escHistorico, &QShortcut::activated, this, [this] { btCloseHistorico_Click(); });
    connect(m_txtComparador, &CaixaTexto::textoMudou, this, [this] {
        removeEco();
        marcaDiferencas();
    });
    connect(m_HScroll1, &QScrollBar::valueChanged, this, [this](int v) { aplicaSplitter(v); });
}

void Master::AjustaMaster()
{
    int altura = AlturaJanela;
    QMdiArea* area = janelas().area();
    const int alturaPrincipal = area ? Twips::dePixels(area->viewport()->height()) : 0;
    m_alta = alturaPrincipal > 11000;
    if (m_alta) {
        altura = alturaPrincipal - 2300;
        // The check box takes the window's colour where it sits over the splitter.
        m_ckLimpar->setAutoFillBackground(true);
        m_ckLimpar->setBackgroundRole(QPalette::Window);
    }
    // The answer boxes grow with the window and keep their design distance to its bottom,
    // so the controls under them stay inside it (dispoe).
    m_alturaNatural = altura;
    m_alturaTextosNatural = altura - (AlturaJanela - AlturaTextos);
    // The position (centred, 120 twips to the left) is taken when the window first shows.
    defineTamanhoNatural(QSize(Twips::paraPixels(LarguraJanela), Twips::paraPixels(altura)));
}

QSize Master::salaMinima() const
{
    return QSize(Twips::paraPixels(LarguraMinima),
                 Twips::paraPixels(m_alturaNatural - m_alturaTextosNatural + AlturaTextosMinima));
}

void Master::dispoe(QSize sala)
{
    const int largura = qMax(LarguraMinima, Twips::dePixels(sala.width()));
    const int altura = qMax(m_alturaNatural - m_alturaTextosNatural + AlturaTextosMinima, Twips::dePixels(sala.height()));
    m_alturaTextos = m_alturaTextosNatural + altura - m_alturaNatural;
    const int fundo = TopoTextos + m_alturaTextos;
    const bool estreita = largura < LarguraJanela;

    // The two rows of buttons. Narrower than the design, the command box and the command notes
    // give up width, and the badge with its count moves to the end of the second row.
    // (The box's left edge is where its caption left it, in the current language.)
    const int direitaComandos = desenho(m_txtComandos).right() + 1;
    const int esquerdaComandos = Twips::dePixels(m_txtComandos->x());
    const int fimLinhaAlta = desenho(m_btDesligar).right() + 1;
    const int recuoAlto = estreita ? qMin(direitaComandos - esquerdaComandos - 2000, fimLinhaAlta + 120 - largura) : 0;
    m_txtComandos->resize(Twips::paraPixels(direitaComandos - recuoAlto) - m_txtComandos->x(), m_txtComandos->height());
    for (QWidget* w : std::initializer_list<QWidget*>{m_btSend, m_btNovo, m_btApagar, m_btRecent, m_btHelp, m_btHelpPdf,
                                                      m_btReiniciar, m_btDesligar})
        poeEsquerda(w, desenho(w).x() - recuoAlto);
    const QRect notasComando = desenho(m_txtInfoComandos[0]);
    const int fimLinhaBaixa = desenho(m_btExcluir).right() + 1;
    const int larguraBadge = estreita ? qMin(desenho(m_lbAutoComparador).width(),
                                             Twips::dePixels(m_lbAutoComparadorX->sizeHint().width()) + 300)
                                      : desenho(m_lbAutoComparador).width();
    const int larguraContagem = desenho(m_lbDiferencas).width();
    // Narrow: notes box, buttons, 240, badge, 60, count, 120 to the edge.
    const int recuoBaixo =
        estreita ? qMin(notasComando.width() - 1500, fimLinhaBaixa + 240 + larguraBadge + 60 + larguraContagem + 120 - largura)
                 : 0;
    for (int i = 0; i < 3; ++i)
        poeLargura(m_txtInfoComandos[i], notasComando.width() - recuoBaixo);
    for (QWidget* w : std::initializer_list<QWidget*>{m_btSalvar, m_btSalvarAtualizacoes, m_btExcluir})
        poeEsquerda(w, desenho(w).x() - recuoBaixo);
    if (estreita) {
        const int esquerdaBadge = fimLinhaBaixa - recuoBaixo + 240;
        const int topo = desenho(m_lbAguarde).y();
        poe(m_lbAutoComparador, esquerdaBadge, topo, larguraBadge, desenho(m_lbAutoComparador).height());
        poe(m_lbDiferencas, esquerdaBadge + larguraBadge + 60, topo, larguraContagem, desenho(m_lbDiferencas).height());
        poe(m_lbAguarde, esquerdaBadge, topo, largura - 120 - esquerdaBadge, desenho(m_lbAguarde).height());
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{m_lbAutoComparador, m_lbDiferencas, m_lbAguarde}) {
            const QRect d = desenho(w);
            poe(w, d.x(), d.y(), d.width(), d.height());
        }
    }
    m_lbAutoComparadorX->setGeometry(m_lbAutoComparador->rect());

    // The columns. Wider than the design, the extra width goes half to each answer box and the
    // notes keep theirs; narrower, the notes keep what their caption needs and the split leaves
    // the recording's caption and the model line room.
    int esquerdaNotas = EsquerdaNotas + largura - LarguraJanela;
    int larguraNotas = LarguraNotas;
    int esquerdaComparador = EsquerdaComparador + (largura - LarguraJanela) / 2;
    if (estreita) {
        larguraNotas = qMax(Twips::dePixels(m_lbInfDados->sizeHint().width()) + 60,
                            LarguraNotas * largura / LarguraJanela);
        esquerdaNotas = largura - 120 - larguraNotas;
        const int direita = esquerdaNotas - 120;
        const int legendas = geo(m_ldDispComparador).width() + 100 + Twips::dePixels(m_lbDispositivo->width());
        esquerdaComparador = qMin(120 + (EsquerdaComparador - 120) * (direita - 120) / (EsquerdaComparador + LarguraComparador - 120),
                                  direita - legendas);
    }
    m_larguraComparadorDireita = esquerdaNotas - 120;

    poeEsquerda(m_ldDispComparador, esquerdaComparador);
    m_lbDispositivo->move(Twips::paraPixels(esquerdaComparador + geo(m_ldDispComparador).width() + 100),
                          m_lbDispositivo->y());
    poe(m_lbInfDados, esquerdaNotas, 1260, larguraNotas, 240);
    // The VAR note under the notes takes the lines it needs at their width.
    const int alturaVar = qMax(1050, Twips::dePixels(m_lbVar->heightForWidth(Twips::paraPixels(larguraNotas))) + 30);
    const int fundoNotas = qMin(fundo - 240, altura - 30 - alturaVar);
    for (int i = 0; i < 3; ++i)
        poe(m_txtInfoDados[i], esquerdaNotas, TopoTextos, larguraNotas, fundoNotas - TopoTextos);
    poe(m_lbVar, esquerdaNotas, fundoNotas, larguraNotas, alturaVar);
    // Under a tall main window the row sits on the boxes' bottom edge, 360 twips further right.
    const int aDireita = m_alta ? 360 : 0;
    poe(m_ckLimpar, 120 + aDireita, m_alta ? fundo : fundo + 60, 900, 300);
    poe(m_btLimpar, 1080 + aDireita, m_alta ? fundo : fundo + 45, 1200, 345);
    poe(m_HScroll1, 2400 + aDireita, m_alta ? fundo - 50 : fundo + 90,
        qMin(12480 + largura - LarguraJanela, m_larguraComparadorDireita - 2400 - aDireita), 255);

    // The splitter's range follows the recording's design edge; a split the technician moved
    // keeps its share.
    const int maximo = esquerdaComparador / 8;
    if (m_HScroll1->maximum() != maximo) {
        const QSignalBlocker bloqueio(m_HScroll1);
        const int anterior = m_HScroll1->maximum();
        const int valor = anterior > 0 ? qRound(double(m_HScroll1->value()) * maximo / anterior) : maximo;
        m_HScroll1->setMaximum(maximo);
        m_HScroll1->setValue(valor);
    }
    aplicaSplitter(m_HScroll1->value());
    posicionaHistorico();
}

void Master::showEvent(QShowEvent* evento)
{
    JanelaFilha::showEvent(evento);
    if (m_posicionada)
        return;
    m_posicionada = true;
    QMdiArea* area = janelas().area();
    QWidget* alvo = parentWidget();
    if (!area || !alvo)
        return;
    const QSize principal = area->viewport()->size();
    const int x = principal.width() / 2 - alvo->width() / 2 - Twips::paraPixels(120);
    const int y = principal.height() / 2 - Twips::paraPixels(1050) - alvo->height() / 2;
    alvo->move(qMax(0, x), qMax(0, y));
}

void Master::Traducao_Form_Master()
{
    setWindowTitle(L(QStringLiteral("Modo Comandos e Comparador")) + QStringLiteral(" - Vexador Tarrim"));
    m_txtComandos->setToolTip(L(QStringLiteral("Digite ou seleciona na lista suspença o comando desejado")));
    m_btSend->setText(L(QStringLiteral("Executar")));
    m_btSend->setToolTip(m_btSend->text() + QStringLiteral(" ") + L(QStringLiteral("Comandos")));
    m_btSalvar->setText(L(QStringLiteral("Copiar Dados")));
    m_btSalvar->setToolTip(L(QStringLiteral("Copiar Dados para o lado Comparador")));
    m_btSalvarAtualizacoes->setText(L(QStringLiteral("Salvar")));
    m_btSalvarAtualizacoes->setToolTip(L(QStringLiteral("Salvar Alterações")));
    m_btExcluir->setText(L(QStringLiteral("Excluir")));
    m_btExcluir->setToolTip(L(QStringLiteral("Excluir Dados Comparador")));
    m_btNovo->setToolTip(L(QStringLiteral("Adicionar Comando")));
    m_btApagar->setToolTip(L(QStringLiteral("Excluir Comando")));
    m_btReiniciar->setText(L(QStringLiteral("Reiniciar Dispositivo")));
    m_btReiniciar->setToolTip(L(QStringLiteral("Reiniciar Dispositivo")));
    m_btDesligar->setText(L(QStringLiteral("Desligar Dispositivo")));
    m_btDesligar->setToolTip(L(QStringLiteral("Desligar Dispositivo")));
    m_ckLimpar->setToolTip(L(QStringLiteral("Limpar dados após comando")));
    m_btLimpar->setText(L(QStringLiteral("Limpar")));
    m_lbVar->setText(L(QStringLiteral("VAR")));
    m_ldDispConect->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    // As wide as its text: the command the console answered follows it (mostraRespostaDe).
    poeLargura(m_ldDispConect, Twips::dePixels(m_ldDispConect->sizeHint().width()) + 15);
    m_lbDiferencas->setToolTip(L(QStringLiteral("Linhas diferentes")));
    m_lbComandos->setText(L(QStringLiteral("Comandos")) + QStringLiteral(":"));
    alargaRotulo(m_lbComandos, m_txtComandos);
    m_ldDispComparador->setText(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    {
        const int largura = Twips::dePixels(m_ldDispComparador->sizeHint().width());
        poeLargura(m_ldDispComparador, largura);
        poeEsquerda(m_lbDispositivo, geo(m_ldDispComparador).x() + largura + 100);
    }
    m_lbInfDados->setText(L(QStringLiteral("Informações sobre os dados:")));
    m_btHelp->setToolTip(L(QStringLiteral("Visualizar todos os comandos")));
    m_btHelpPdf->setToolTip(L(QStringLiteral("Visualizar todos os comandos")) + QStringLiteral(" PDF"));
    m_lbAutoComparadorX->setToolTip(L(QStringLiteral("Auto Comparador TOOL")));
    m_btCloseHistorico->setText(L(QStringLiteral("Fechar")));
    m_btCloseHistorico->setToolTip(L(QStringLiteral("Fechar")));
    m_lbHistComandos->setText(L(QStringLiteral("Histórico de Comandos")));
    m_btRecent->setToolTip(L(QStringLiteral("Histórico de Comandos")));
}

void Master::traduz()
{
    Traducao_Form_Master();
    mostraRespostaDe();
    marcaDiferencas();
}

void Master::CarregaComandos()
{
    // Refilling the list must not disturb the command being typed.
    const QString atual = m_txtComandos->currentText();
    const QSignalBlocker bloqueio(m_txtComandos);
    m_txtComandos->clear();
    m_txtComandos->addItems(DadosConsole::ComandosSalvos(caminhoBanco()));
    m_txtComandos->setCurrentIndex(-1);
    m_txtComandos->setEditText(atual);
}

QString Master::txtComandos() const
{
    return m_txtComandos->currentText();
}

void Master::defineTxtComandos(const QString& comando)
{
    if (m_txtComandos->currentText() == comando)
        return;
    m_txtComandos->setEditText(comando);
}

QString Master::txtConsole() const
{
    return m_txtConsole->texto();
}

QString Master::txtComparador() const
{
    return m_txtComparador->texto();
}

QString Master::txtHelpAux() const
{
    return m_txtHelpAux->texto();
}

void Master::atualizaConsole(const QString& texto)
{
    m_txtConsole->defineTexto(texto);
    m_txtConsole->moveCursor(QTextCursor::Start);
}

void Master::atualizaBtSend()
{
    m_btSend->setEnabled(ligacao().estado() == EstadoLigacao::Ociosa && !m_aguardando);
}

void Master::MostraDadosGravados()
{
    buscaDadosGravados();
    m_lbAutoComparador->hide();
    // The marks hold while the recording beside the answer is its own command's.
    marcaDiferencas();
    mostraRespostaDe();
}

void Master::marcaDiferencas()
{
    QList<QTextEdit::ExtraSelection> marcas, marcasGravacao;
    int quantas = 0;
    const bool mesmaGravacao = !m_comandoRespondido.isEmpty() && txtComandos() == m_comandoRespondido;
    if (mesmaGravacao && m_consoleCompleto && !m_txtComparador->texto().isEmpty()
        && m_txtConsole->texto().startsWith(m_ultimaResposta) && !ligacao().espelhoAtivo()) {
        if (const auto fragmentos = AutoComparacao::CarregaFragmentos(caminhoBanco())) {
            const AutoComparacao::Diferencas d =
                AutoComparacao::ComparaLinhas(m_ultimaResposta, m_txtComparador->texto(), *fragmentos);
            quantas = d.quantas;
            QTextCharFormat formato;
            formato.setBackground(CorVb(CorLinhaDiferente));
            formato.setProperty(QTextFormat::FullWidthSelection, true);
            const auto marca = [&formato](CaixaTexto* caixa, const QList<int>& linhas, QList<QTextEdit::ExtraSelection>& em) {
                for (const int linha : linhas) {
                    const QTextBlock bloco = caixa->document()->findBlockByNumber(linha);
                    if (bloco.isValid())
                        em << QTextEdit::ExtraSelection{QTextCursor(bloco), formato};
                }
            };
            marca(m_txtConsole, d.linhasDoVivo, marcas);
            // The recording's side of each place they part: a missing line shows there.
            marca(m_txtComparador, d.linhasDaGravacao, marcasGravacao);
        }
    }
    m_txtConsole->setExtraSelections(marcas);
    m_txtComparador->setExtraSelections(marcasGravacao);
    m_lbDiferencas->setText(QStringLiteral("\u2260 ") + QString::number(quantas));
    m_lbDiferencas->setToolTip(L(QStringLiteral("Linhas diferentes")) + QStringLiteral(": ") + QString::number(quantas));
    m_lbDiferencas->setVisible(quantas > 0);
}

void Master::mostraRespostaDe()
{
    if (m_comandoRespondido.isEmpty() || m_txtConsole->texto().isEmpty()) {
        m_lbRespostaDe->hide();
        return;
    }
    // Over the live side, after its caption, as far as the live side reaches.
    const QRect legenda = geo(m_ldDispConect);
    const int esquerda = legenda.x() + legenda.width() + 60;
    const int largura = geo(m_txtConsole).x() + geo(m_txtConsole).width() - esquerda;
    if (largura < 600) {
        m_lbRespostaDe->hide();
        return;
    }
    poe(m_lbRespostaDe, esquerda, legenda.y(), largura, legenda.height());
    const QString texto = L(QStringLiteral("Resposta de")) + QStringLiteral(" ") + m_comandoRespondido;
    m_lbRespostaDe->setText(m_lbRespostaDe->fontMetrics().elidedText(texto, Qt::ElideRight, m_lbRespostaDe->width()));
    m_lbRespostaDe->setToolTip(texto);
    // Said plainly when the recording beside it is another command's.
    const bool outro = txtComandos() != m_comandoRespondido;
    QFont f = m_lbRespostaDe->font();
    f.setBold(outro);
    m_lbRespostaDe->setFont(f);
    m_lbRespostaDe->setForegroundRole(outro ? QPalette::Link : QPalette::WindowText);
    m_lbRespostaDe->setText(m_lbRespostaDe->fontMetrics().elidedText(texto, Qt::ElideRight, m_lbRespostaDe->width()));
    m_lbRespostaDe->show();
}

QString Master::semEco(QString texto) const
{
    const QString comando = txtComandos();
    if (comando.isEmpty())
        return texto;
    // Removing one occurrence may join two halves into another one: repeat until none is left.
    while (texto.contains(comando))
        texto.remove(comando);
    return texto;
}

void Master::removeEco()
{
    const QString t = semEco(m_txtComparador->texto());
    if (t != m_txtComparador->texto())
        m_txtComparador->defineTexto(t);
}

void Master::carregaData1()
{
    m_Data1 = DadosConsole::LeDadosGravados(caminhoBanco(), sessao().modelo(), txtComandos());
    m_txtComparador->defineTexto(m_Data1.dados);
    m_txtInfoDados[0]->defineTexto(m_Data1.info);
    m_txtInfoDados[1]->defineTexto(m_Data1.info2);
    m_txtInfoDados[2]->defineTexto(m_Data1.info3);
}

void Master::carregaData2()
{
    m_Data2 = DadosConsole::LeComando(caminhoBanco(), txtComandos());
    m_txtInfoComandos[0]->defineTexto(m_Data2.info);
    m_txtInfoComandos[1]->defineTexto(m_Data2.info2);
    m_txtInfoComandos[2]->defineTexto(m_Data2.info3);
}

void Master::buscaDadosGravados()
{
    carregaData1();
    carregaData2();
    m_lbDispositivo->setText(L(QStringLiteral("Modelo")) + QStringLiteral(": ") + sessao().modelo()
                             + QStringLiteral("  ") + sessao().numeroModelo());
    m_lbDispositivo->adjustSize();
}

void Master::atualizaJanelaAberta()
{
    buscaDadosGravados();
}

void Master::btSend_Click()
{
    if (txtComandos().isEmpty())
        return;
    // Enter in the command box while the link cannot send: said, not dropped.
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        MostraAguarde();
        return;
    }
    ExecutaComando();
    MostraDadosGravados();
}

void Master::ExecutaComando()
{
    const QString comando = txtComandos();
    if (ligacao().estado() != EstadoLigacao::Ociosa || comando.isEmpty())
        return;
    m_aguardando = true;
    m_btSend->setEnabled(false);
    m_ListCmd->insertItem(0, comando);
    m_comandoEnviado = comando;
    if (!solicita(QStringLiteral("1"), comando, RegrasConsole::EspelhaAoVivo(comando))) {
        m_aguardando = false;
        atualizaBtSend();
        return;
    }
    if (!RegrasConsole::EhTesteBotoes(comando))
        return;
    dialogos().mensagem(L(QStringLiteral("Resultado do teste estão sendo exibidos na tela do dispositio")) + CRLF
                            + L(QStringLiteral("Clique em OK para finalizar")),
                        L(QStringLiteral("Teste de Funcionamento de Botões")), Dialogos::Icone::Informacao,
                        Dialogos::Botoes::Ok);
    // "/q" ends the test on the device and must reach it. Sending it while the test's own
    // answer is still being read would restart the polling in the middle of it, so it waits
    // for the link to be idle, however long that takes. The link keeps it: it goes out even
    // when this window is closed, or after the box was lost and is back.
    ligacao().pedeQuandoLivre(QStringLiteral("/q"));
    mostraFimTestePendente();
}

void Master::mostraFimTestePendente()
{
    // Until the pending "/q" went out the wait label follows the link.
    if (!ligacao().comandoPendente().isEmpty())
        MostraAguarde(true);
    else if (!m_timerAguarde->isActive())
        m_lbAguarde->hide();
}

void Master::MostraAguarde(bool ateEnviar)
{
    m_lbAguarde->setText(ligacao().textoEspera());
    m_lbAguarde->show();
    m_lbAguarde->raise();
    if (!ateEnviar)
        m_timerAguarde->start();
}

void Master::avisaNaoGravado(const DadosConsole::Falha& falha)
{
    const QString motivo = falha.comandoNaoSalvo
        ? L(QStringLiteral("BANCO Não gravado")) + L(QStringLiteral("Motivo comando nao salvo"))
        : falha.resultado.mensagem();
    dialogos().mensagem(motivo + CRLF + CRLF + L(QStringLiteral("MSG_TENTE_NOVAMENTE")),
                        L(QStringLiteral("Dados não gravados")), Dialogos::Icone::Critico);
}

void Master::recebeResposta(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    // With mirroring the box held the growing answer; what came before it is kept aside.
    const QString anterior = m_consoleCompleto ? m_txtConsole->texto() : m_consoleAnterior;
    if (m_ckLimpar->isChecked())
        atualizaConsole(A);
    else
        // Newest on top; the oldest answers leave at the bottom once the box holds as much as
        // one answer may, so a long session never grows it without end.
        atualizaConsole(RegrasConsole::HistoricoComNovaResposta(A, anterior, RegrasTroca::LimiteResposta));
    m_consoleAnterior.clear();
    m_consoleCompleto = true;
    m_aguardando = false;
    m_btSend->setEnabled(true);
    m_comandoRespondido = m_comandoEnviado;
    m_ultimaResposta = A;
    // A mirrored answer (help, the memory test) is still flagged here: the auto comparator
    // leaves it alone; the link clears the flag once the delivery has ended.
    AutoComparador();
    if (m_topoHistorico < 3000 && RegrasConsole::EhComandoHelp(txtComandos()))
        m_txtHelpAux->defineTexto(R);
}

void Master::espelha(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    Q_UNUSED(A);
    if (m_consoleCompleto)
        m_consoleAnterior = m_txtConsole->texto();
    m_consoleCompleto = false;
    atualizaConsole(R);
}

void Master::esperaCancelada()
{
    m_aguardando = false;
    atualizaBtSend();
}

void Master::AutoComparador()
{
    if (ligacao().espelhoAtivo())
        return;
    const auto fragmentos = AutoComparacao::CarregaFragmentos(caminhoBanco());
    if (!fragmentos)
        return; // the badge stays as it was
    m_lbAutoComparador->setVisible(
        AutoComparacao::Confere(m_txtConsole->texto(), m_txtComparador->texto(), *fragmentos));
    marcaDiferencas();
    mostraRespostaDe();
}

void Master::btSalvar_Click()
{
    const QString console = m_txtConsole->texto();
    if (console.isEmpty())
        return;
    // Only a delivered answer is ever stored: never while one is awaited or mirrored.
    if (respostaEmCurso()) {
        MostraAguarde();
        return;
    }
    if (!m_txtComparador->texto().isEmpty()
        && dialogos().mensagem(L(QStringLiteral("Deseja substituir os dados gravados do lado comparador?")),
                               L(QStringLiteral("Dados")), Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao)
            == Dialogos::Resposta::Nao)
        return;
    DadosConsole::Falha falha;
    LinhaDados linha = m_Data1;
    linha.info = m_txtInfoDados[0]->texto();
    linha.info2 = m_txtInfoDados[1]->texto();
    linha.info3 = m_txtInfoDados[2]->texto();
    // A row of this model and command (even one holding only notes) takes the answer;
    // a second row would hide behind it.
    const bool substitui = m_Data1.existe();
    if (substitui) {
        linha.dados = semEco(console);
        if (!DadosConsole::AtualizaDados(caminhoBanco(), linha, &falha)) {
            avisaNaoGravado(falha); // what is on screen stays, for another try
            return;
        }
        m_Data1 = linha;
    } else {
        linha.aparelho = sessao().modelo();
        linha.comando = txtComandos();
        linha.dados = console;
        if (!DadosConsole::InsereDados(caminhoBanco(), linha, nullptr, &falha)) {
            avisaNaoGravado(falha);
            return;
        }
        carregaData1();
    }
    m_txtComparador->defineTexto(console);
    m_dadosAlterados = true;
}

void Master::btSalvarAtualizacoes_Click()
{
    if (respostaEmCurso()) {
        MostraAguarde();
        return;
    }
    LinhaDados dados = m_Data1;
    dados.dados = m_txtComparador->texto();
    dados.info = m_txtInfoDados[0]->texto();
    dados.info2 = m_txtInfoDados[1]->texto();
    dados.info3 = m_txtInfoDados[2]->texto();
    LinhaComando comando = m_Data2;
    comando.info = m_txtInfoComandos[0]->texto();
    comando.info2 = m_txtInfoComandos[1]->texto();
    comando.info3 = m_txtInfoComandos[2]->texto();
    // The boxes hold what the rows hold (a missing row holds nothing): a question would lead
    // nowhere, so the technician is told instead.
    const auto mesmos = [](const auto& a, const auto& b) {
        return a.info == b.info && a.info2 == b.info2 && a.info3 == b.info3;
    };
    if (dados.dados == m_Data1.dados && mesmos(dados, m_Data1) && mesmos(comando, m_Data2)) {
        dialogos().mensagem(L(QStringLiteral("Nada a salvar.")), L(QStringLiteral("Salvar")),
                            Dialogos::Icone::Informacao);
        return;
    }
    if (dialogos().mensagem(L(QStringLiteral("Deseja salvar as alterações?")), L(QStringLiteral("Salvar")),
                            Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao)
        == Dialogos::Resposta::Nao)
        return;
    if (!dados.existe()) {
        // A command without a recording yet: what was typed becomes its first row.
        dados.aparelho = sessao().modelo();
        dados.comando = txtComandos();
    }
    const bool notasDoComando = comando.existe() || !comando.info.isEmpty() || !comando.info2.isEmpty()
                                || !comando.info3.isEmpty();
    DadosConsole::Falha falha;
    if (!DadosConsole::SalvaEdicoes(caminhoBanco(), &dados, notasDoComando ? &comando : nullptr, &falha)) {
        avisaNaoGravado(falha);
        return;
    }
    const bool gravou = dados.existe() || notasDoComando;
    m_Data1 = dados;
    if (notasDoComando)
        m_Data2 = comando;
    if (gravou)
        m_dadosAlterados = true;
}

void Master::btExcluir_Click()
{
    if (m_txtComparador->texto().isEmpty())
        return;
    if (respostaEmCurso()) {
        MostraAguarde();
        return;
    }
    if (dialogos().mensagem(L(QStringLiteral("Deseja excluir os dados gravados?")), L(QStringLiteral("Excluir")),
                            Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao)
        == Dialogos::Resposta::Nao)
        return;
    DadosConsole::Falha falha;
    if (!DadosConsole::ExcluiDados(caminhoBanco(), m_Data1.rowid, &falha)) {
        avisaNaoGravado(falha);
        return;
    }
    carregaData1();
    m_dadosAlterados = true;
}

void Master::btNovo_Click()
{
    const auto resposta = dialogos().entrada(L(QStringLiteral("Digite o comando a ser gravado:")),
                                             L(QStringLiteral("Novo Comando")), txtComandos());
    if (!resposta || resposta->isEmpty())
        return;
    if (!RegrasConsole::ComandoSalvoValido(*resposta)) {
        dialogos().mensagem(L(QStringLiteral("MSG_COMANDO_APOSTROFO")), L(QStringLiteral("Novo Comando")),
                            Dialogos::Icone::Exclamacao);
        return;
    }
    DadosConsole::Falha falha;
    if (!DadosConsole::AdicionaComando(caminhoBanco(), *resposta, &falha)) {
        avisaNaoGravado(falha);
        return;
    }
    CarregaComandos();
    defineTxtComandos(*resposta);
    // The same text as before changes nothing in the box: the new row is read here, so the
    // notes typed next are stored in it.
    carregaData2();
}

void Master::btApagar_Click()
{
    const QString comando = txtComandos();
    if (comando.isEmpty())
        return;
    if (dialogos().mensagem(L(QStringLiteral("Deseja excluir o comando ")) + QStringLiteral("  ") + comando
                                + QStringLiteral("?"),
                            L(QStringLiteral("Excluir Comando")), Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao)
        != Dialogos::Resposta::Sim)
        return;
    DadosConsole::Falha falha;
    if (!DadosConsole::ApagaComando(caminhoBanco(), comando, &falha)) {
        avisaNaoGravado(falha);
        return;
    }
    CarregaComandos();
    carregaData2();
}

void Master::enviaSemRequisitante(const QString& comando)
{
    // Sent without a requester code, so the answer goes to nobody. A command of another window
    // in flight is not disturbed: nothing is sent unless the link is idle, and the wait label
    // says why.
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        MostraAguarde();
        return;
    }
    solicita(SemRequisitante, comando);
}

void Master::btReiniciar_Click()
{
    perguntaEEnvia(L(QStringLiteral("Reiniciar Dispositivo")), QStringLiteral("Reset"));
}

void Master::btDesligar_Click()
{
    perguntaEEnvia(L(QStringLiteral("Desligar Dispositivo")), QStringLiteral("Shutdown"));
}

void Master::perguntaEEnvia(const QString& pergunta, const QString& comando)
{
    // No question for what cannot be sent now.
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        MostraAguarde();
        return;
    }
    if (dialogos().mensagem(pergunta, pergunta, Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao)
        == Dialogos::Resposta::Nao)
        return;
    enviaSemRequisitante(comando);
}

void Master::btHelp_Click()
{
    defineTxtComandos(QStringLiteral("Help"));
    QCoreApplication::processEvents();
    janelas().pedeAjuda(m_txtComparador->texto());
}

void Master::btHelpPdf_Click()
{
    const QString arquivo = RegrasConsole::PdfDeAjuda(IdiomaAtual());
    if (arquivo.isEmpty())
        return;
    AbreDocumento(contexto().dados.pasta + QStringLiteral("/") + arquivo);
}

void Master::posicionaHistorico()
{
    // Over the boxes, inside the part of the window in view (the content may scroll sideways
    // on a small screen), as wide as the design or the view allows.
    QRect visivel = conteudo()->visibleRegion().boundingRect();
    if (visivel.isEmpty())
        visivel = conteudo()->rect();
    const int esquerdaVista = Twips::dePixels(visivel.left());
    const int direitaVista = Twips::dePixels(visivel.right() + 1);
    const int largura = qBound(6000, direitaVista - esquerdaVista - 240, LarguraHistorico);
    const int preferida = EsquerdaHistorico + (m_larguraComparadorDireita - EsquerdaComparador - LarguraComparador) / 2;
    const int esquerda = qMax(esquerdaVista + 120, qMin(preferida, direitaVista - largura - 120));
    const int alturaFrame = m_alturaTextos - 135;
    poe(m_FrameHistorico, esquerda, m_topoHistorico, largura, alturaFrame);
    poe(m_btCloseHistorico, largura - 1440, 90, 1320, 375);
    poe(m_ListCmd, 120, 600, m_txtHelpAux->isHidden() ? largura - 305 : 4455, alturaFrame - 900);
    poe(m_txtHelpAux, 4680, 600, largura - 4680 - 120, geo(m_ListCmd).height());
}

void Master::btRecent_Click()
{
    if (m_FrameHistorico->isVisible()) {
        btCloseHistorico_Click();
        return;
    }
    m_topoHistorico = 1230;
    posicionaHistorico();
    m_FrameHistorico->show();
    m_FrameHistorico->raise();
    m_ldDispComparador->hide();
    m_lbDispositivo->hide();
    m_lbInfDados->hide();
    // Ready for the keyboard: arrows choose a line, Enter sends it, Esc closes.
    m_escHistorico->setEnabled(true);
    if (m_ListCmd->count() > 0 && !m_ListCmd->currentItem())
        m_ListCmd->setCurrentRow(0);
    m_ListCmd->setFocus(Qt::OtherFocusReason);
}

void Master::btCloseHistorico_Click()
{
    // However the panel closes, the captions it covered come back.
    const bool tinhaFoco = m_FrameHistorico->isAncestorOf(QApplication::focusWidget());
    m_FrameHistorico->hide();
    m_escHistorico->setEnabled(false);
    m_ldDispComparador->show();
    m_lbDispositivo->show();
    m_lbInfDados->show();
    if (tinhaFoco)
        m_txtComandos->setFocus(Qt::OtherFocusReason);
}

void Master::lbHelp_Click()
{
    const int largura = geo(m_FrameHistorico).width();
    if (m_txtHelpAux->isVisible()) {
        m_txtHelpAux->hide();
        poeLargura(m_ListCmd, largura - 305);
    } else {
        m_txtHelpAux->show();
        poeLargura(m_ListCmd, 4455);
    }
    m_ListCmd->setFocus();
}

void Master::btRecent_BotaoDireito()
{
    defineTxtComandos(RegrasConsole::AlternaPrefixoHelp(txtComandos()));
}

void Master::aplicaSplitter(int valor)
{
    const int esquerda = valor * 8;
    // The recording keeps its right edge; the live side takes what is left of the split.
    const int largura = m_larguraComparadorDireita - esquerda;
    if (largura > 0)
        poe(m_txtComparador, esquerda, TopoTextos, largura, m_alturaTextos);
    const int larguraConsole = esquerda - 220;
    if (larguraConsole > 0)
        poe(m_txtConsole, 120, TopoTextos, larguraConsole, m_alturaTextos);
    mostraRespostaDe();
}

bool Master::eventFilter(QObject* alvo, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonRelease && alvo == m_btRecent
        && static_cast<QMouseEvent*>(evento)->button() == Qt::RightButton)
        return true;
    if (evento->type() == QEvent::KeyPress && alvo == m_ListCmd) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && m_ListCmd->currentItem()) {
            // Enter sends the chosen line, as if typed and sent from the command box.
            defineTxtComandos(m_ListCmd->currentItem()->text());
            btSend_Click();
            return true;
        }
    }
    if (evento->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(evento);
        if (alvo == m_btRecent && e->button() == Qt::RightButton) {
            btRecent_BotaoDireito();
            return true;
        }
        if (alvo == m_lbHelp && e->button() == Qt::LeftButton) {
            lbHelp_Click();
            return true;
        }
    }
    return JanelaFilha::eventFilter(alvo, evento);
}
