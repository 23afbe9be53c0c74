#include "console/janelas/Master.h"
#include "db/janelas/Sincronizacao.h"

#include "reports/ArquivoRelatorio.h"
#include "console/AutoComparador.h"
#include "console/RegrasConsole.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "shell/RegrasTroca.h"
#include "console/janelas/CaixaTexto.h"
#include "console/janelas/fmHelp.h"
#include "db/Combos.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Globais.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

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
    Traducao_Form_Master();
    atualizaBtSend();
    CarregaComandos();
    m_HScroll1->setMaximum(geo(m_txtComparador).x() / 8);
    m_HScroll1->setValue(m_HScroll1->maximum());
    if (m_txtComandos->count() > 0)
        defineTxtComandos(m_txtComandos->itemText(0));
    defineTxtComandos(QString());
    m_dadosAlterados = false;
    m_lbDispositivo->setText(L(QStringLiteral("Modelo")) + QStringLiteral(": ") + sessao().modelo()
                             + QStringLiteral("  ") + sessao().numeroModelo());
    m_lbDispositivo->adjustSize();
    const int idioma = Globais::instancia().IdiomaAtual;
    for (int i = 0; i < 3; ++i) {
        m_txtInfoComandos[i]->setVisible(idioma == i + 1);
        m_txtInfoDados[i]->setVisible(idioma == i + 1);
    }

    connect(&ligacao(), &Ligacao::estadoMudou, this, [this](EstadoLigacao estado) {
        atualizaBtSend();
        if (!m_fimTestePendente)
            return;
        // Sent once the delivery that made the link idle has ended; until then the wait
        // label follows the link.
        if (estado == EstadoLigacao::Ociosa)
            QTimer::singleShot(0, this, [this] { tentaFimTesteBotoes(); });
        else
            MostraAguarde(true);
    });
}

Master::~Master()
{
    // The user's recordings survive the next installation through User.qzd.
    if (m_dadosAlterados)
        CopiaBancoUsuarioAvisando(windowTitle());
}

QString Master::caminhoBanco() const
{
    return Globais::instancia().CaminhoBanco;
}

void Master::montaControles()
{
    m_lbComandos = rotulo(this, "lbComandos");
    m_txtComandos = new QComboBox(this);
    m_txtComandos->setObjectName(QStringLiteral("txtComandos"));
    m_txtComandos->setEditable(true);
    m_txtComandos->setInsertPolicy(QComboBox::NoInsert);
    m_txtComandos->setMaxVisibleItems(25);
    // The saved commands are proposed in a popup; the typed text is never completed in place,
    // so what is typed is what is sent, looked up and kept in the history.
    m_txtComandos->completer()->setCompletionMode(QCompleter::PopupCompletion);
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
        if (!m_fimTestePendente)
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
    for (int i = 0; i < 3; ++i)
        poe(m_txtInfoDados[i], EsquerdaNotas, TopoTextos, LarguraNotas, AlturaTextos - 240);
    poe(m_lbVar, EsquerdaNotas, TopoTextos + AlturaTextos - 240, LarguraNotas, 1050);
    poe(m_ckLimpar, 120, TopoTextos + AlturaTextos + 60, 900, 300);
    poe(m_btLimpar, 1080, TopoTextos + AlturaTextos + 45, 1200, 345);
    poe(m_HScroll1, 2400, TopoTextos + AlturaTextos + 90, 12480, 255);
    poe(m_FrameHistorico, EsquerdaHistorico, m_topoHistorico, LarguraHistorico, AlturaTextos - 135);
    poe(m_lbHistComandos, 120, 120, 4000, 285);
    poe(m_lbHelp, 4680, 120, 900, 330);
    poe(m_btCloseHistorico, LarguraHistorico - 1440, 90, 1320, 375);
    poe(m_ListCmd, 120, 600, 4455, AlturaTextos - 135 - 900);
    poe(m_txtHelpAux, 4680, 600, LarguraHistorico - 4680 - 120, AlturaTextos - 135 - 900);
    m_larguraComparadorDireita = EsquerdaComparador + LarguraComparador;

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
        m_txtComandos->setFocus();
    });
    connect(m_ListCmd, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { defineTxtComandos(item->text()); });
    connect(m_txtComparador, &CaixaTexto::textoMudou, this, [this] { removeEco(); });
    connect(m_HScroll1, &QScrollBar::valueChanged, this, [this](int v) { aplicaSplitter(v); });
}

void Master::AjustaMaster()
{
    int altura = AlturaJanela;
    QMdiArea* area = janelas().area();
    const int alturaPrincipal = area ? Twips::dePixels(area->viewport()->height()) : 0;
    if (alturaPrincipal > 11000) {
        altura = alturaPrincipal - 2300;
        // The answer boxes grow with the window and keep their design distance to its bottom,
        // so the controls under them stay inside it.
        const int alturaTextos = altura - (AlturaJanela - AlturaTextos);
        poeAltura(m_txtConsole, alturaTextos);
        poeAltura(m_txtComparador, alturaTextos);
        for (int i = 0; i < 3; ++i)
            poeAltura(m_txtInfoDados[i], alturaTextos - 240);
        const int topoCk = geo(m_txtConsole).y() + geo(m_txtConsole).height();
        poeTopo(m_ckLimpar, topoCk);
        m_ckLimpar->setAutoFillBackground(true);
        m_ckLimpar->setBackgroundRole(QPalette::Window);
        poeTopo(m_btLimpar, topoCk);
        poeTopo(m_lbVar, geo(m_txtInfoDados[0]).y() + geo(m_txtInfoDados[0]).height());
        poeTopo(m_HScroll1, topoCk - 50);
        poeEsquerda(m_ckLimpar, geo(m_ckLimpar).x() + 360);
        poeEsquerda(m_btLimpar, geo(m_btLimpar).x() + 360);
        poeEsquerda(m_HScroll1, geo(m_HScroll1).x() + 360);
    }
    // The position (centred, 120 twips to the left) is taken when the window first shows.
    defineTamanhoNatural(QSize(Twips::paraPixels(LarguraJanela), Twips::paraPixels(altura)));
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
    janelas().BuscaDadosGravados();
    m_lbAutoComparador->hide();
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
    // for the link to be idle, however long that takes.
    m_fimTestePendente = true;
    tentaFimTesteBotoes();
}

void Master::tentaFimTesteBotoes()
{
    if (!m_fimTestePendente)
        return;
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        MostraAguarde(true);
        return;
    }
    m_fimTestePendente = false;
    m_lbAguarde->hide();
    solicita(SemRequisitante, QStringLiteral("/q"));
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
    if (dialogos().mensagem(L(QStringLiteral("Deseja salvar as alterações?")), L(QStringLiteral("Salvar")),
                            Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao)
        == Dialogos::Resposta::Nao)
        return;
    LinhaDados dados = m_Data1;
    dados.dados = m_txtComparador->texto();
    dados.info = m_txtInfoDados[0]->texto();
    dados.info2 = m_txtInfoDados[1]->texto();
    dados.info3 = m_txtInfoDados[2]->texto();
    if (!dados.existe()) {
        // A command without a recording yet: what was typed becomes its first row.
        dados.aparelho = sessao().modelo();
        dados.comando = txtComandos();
    }
    LinhaComando comando = m_Data2;
    comando.info = m_txtInfoComandos[0]->texto();
    comando.info2 = m_txtInfoComandos[1]->texto();
    comando.info3 = m_txtInfoComandos[2]->texto();
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
    auto* ajuda = qobject_cast<fmHelp*>(janelas().mostra(QStringLiteral("fmHelp")));
    if (ajuda)
        ajuda->defineTexto(m_txtComparador->texto());
}

void Master::btHelpPdf_Click()
{
    const QString arquivo = RegrasConsole::PdfDeAjuda(Globais::instancia().IdiomaAtual);
    if (arquivo.isEmpty())
        return;
    AbreDocumento(Globais::instancia().PastaAplicacao + QStringLiteral("/") + arquivo);
}

void Master::posicionaHistorico()
{
    const int alturaFrame = geo(m_txtConsole).height() - 135;
    poe(m_FrameHistorico, geo(m_FrameHistorico).x(), m_topoHistorico, LarguraHistorico, alturaFrame);
    poeAltura(m_ListCmd, alturaFrame - 900);
    poeAltura(m_txtHelpAux, geo(m_ListCmd).height());
}

void Master::btRecent_Click()
{
    if (m_FrameHistorico->isVisible()) {
        m_FrameHistorico->hide();
        return;
    }
    m_topoHistorico = 1230;
    posicionaHistorico();
    m_FrameHistorico->show();
    m_FrameHistorico->raise();
    m_ldDispComparador->hide();
    m_lbDispositivo->hide();
    m_lbInfDados->hide();
}

void Master::btCloseHistorico_Click()
{
    m_FrameHistorico->hide();
    m_ldDispComparador->show();
    m_lbDispositivo->show();
    m_lbInfDados->show();
}

void Master::lbHelp_Click()
{
    if (m_txtHelpAux->isVisible()) {
        m_txtHelpAux->hide();
        poeLargura(m_ListCmd, 10095);
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
        poe(m_txtComparador, esquerda, geo(m_txtComparador).y(), largura, geo(m_txtComparador).height());
    const int larguraConsole = esquerda - 220;
    if (larguraConsole > 0)
        poeLargura(m_txtConsole, larguraConsole);
}

bool Master::eventFilter(QObject* alvo, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonRelease && alvo == m_btRecent
        && static_cast<QMouseEvent*>(evento)->button() == Qt::RightButton)
        return true;
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
