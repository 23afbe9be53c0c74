#include "boardtests/janelas/RFs.h"

#include "boardtests/ProcedimentoRf.h"
#include "boardtests/RfRadios.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int Largura = 13170;
constexpr int LarguraComComparador = 18540;
constexpr int Altura = 8100;

} // namespace

RFs::RFs(GerenciadorJanelas& janelas)
    : JanelaTestePlaca(QStringLiteral("RFs"), janelas, QStringLiteral("Testes de Comunicação RF"))
{
    const QFont negrito = fonteNegrito();

    // The radio rows: background label, name, ON, OFF, properties.
    m_frameBotoes = new QFrame(this);
    m_frameBotoes->setObjectName(QStringLiteral("FrameBotoes"));
    coloca(m_frameBotoes, QRect(240, 240, 6600, 4140));
    static const char* nomes[ModuloRf::NumeroRadios] = {"BASEBAND", "BLUETOOTH", "WIFI", "GPS", "NFC"};
    for (int i = 0; i < ModuloRf::NumeroRadios; ++i) {
        auto* fundo = new QLabel(m_frameBotoes);
        fundo->setObjectName(ModuloRf::radio(i).fundo);
        fundo->setFrameShape(QFrame::StyledPanel);
        m_fundos << fundo;
        m_corFundo << Cores::Branco;
        pintaFundo(fundo, Cores::Branco);
        auto* nome = new QLabel(QLatin1String(nomes[i]), m_frameBotoes);
        nome->setFont(negrito);
        m_nomesRadio << nome;
        auto botao = [this](const QString& objeto) {
            auto* b = new QPushButton(m_frameBotoes);
            b->setObjectName(objeto);
            return b;
        };
        auto* on = botao(QStringLiteral("btOn(%1)").arg(i));
        auto* off = botao(QStringLiteral("btOff(%1)").arg(i));
        auto* prop = botao(QStringLiteral("btPropriedades(%1)").arg(i));
        on->setText(QStringLiteral("ON"));
        off->setText(QStringLiteral("OFF"));
        connect(on, &QPushButton::clicked, this, [this, i] { btOn_Click(i); });
        connect(off, &QPushButton::clicked, this, [this, i] { btOff_Click(i); });
        connect(prop, &QPushButton::clicked, this, [this, i] { btPropriedades_Click(i); });
        m_btOn << on;
        m_btOff << off;
        m_btPropriedades << prop;
    }
    colocaLinhasRadio(820, 740);

    // Verdict.
    criaStatus(QStringLiteral("lbStatius"), QRect(240, 4500, 4560, 800), fonteNegrito(1.3));
    criaImagensVeredito(QPoint(5040, 4680));
    criaNotaAnalise(QRect(240, 5340, 6600, 600));

    m_lbInfoBarra = criaPainelOcupado(QRect(240, 6000, 6600, 840), QStringLiteral("lbInfoBarra"), 50);

    criaAguarde(QRect(240, 6900, 6600, 360));

    m_btComparador = new QPushButton(this);
    m_btComparador->setObjectName(QStringLiteral("btComparador"));
    coloca(m_btComparador, QRect(240, 7380, 3240, 480));
    connect(m_btComparador, &QPushButton::clicked, this, &RFs::btComparador_Click);
    m_btTensoesRF = new QPushButton(this);
    m_btTensoesRF->setObjectName(QStringLiteral("btTensoesRF"));
    coloca(m_btTensoesRF, QRect(3600, 7380, 3240, 480));
    connect(m_btTensoesRF, &QPushButton::clicked, this, &RFs::btTensoesRF_Click);

    // The device's answer.
    m_frame2 = new QGroupBox(this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    coloca(m_frame2, QRect(7080, 120, 5880, 7740));
    QPlainTextEdit* caixa = criaTxtDados(m_frame2, QRect(120, 360, 5640, 7260));

    // The comparator, beyond the right edge until it is shown.
    m_frameComparador = new QGroupBox(this);
    m_frameComparador->setObjectName(QStringLiteral("FrameComparador"));
    coloca(m_frameComparador, QRect(13140, 120, 5160, 7740));
    acompanhaPai(criaTxtComparador(m_frameComparador, QRect(120, 360, 4920, 7260)));
    m_frameComparador->hide();

    // Maximised on a scaled-up laptop screen the column of radios, verdict and buttons is
    // taller than the window: the radio rows closer, the buttons under them, and the verdict,
    // its note and the busy panel under a lower answer box.
    auto* painel = findChild<QFrame*>(QStringLiteral("FrameVCore"));
    for (QWidget* w : painel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        acompanhaPai(w);
    acompanhaPai(caixa);
    m_frameBotoes->installEventFilter(this);
    // Low enough for a laptop screen at 150 % under a window manager's title bar.
    defineDesenhoCompacto(QSize(Twips::paraPixels(13080), Twips::paraPixels(4400)), [this, painel] {
        QHash<QWidget*, QRect> d{
            {m_frameBotoes, geometriaTwips(240, 240, 6600, 4 * 620 + 560)},
            {m_btComparador, geometriaTwips(240, 3400, 3240, 480)},
            {m_btTensoesRF, geometriaTwips(3600, 3400, 3240, 480)},
            {m_frame2, geometriaTwips(7080, 120, 5880, 1980)},
            {painel, geometriaTwips(7080, 3540, 5880, 840)},
        };
        if (!m_frameComparador->isHidden()) {
            d.insert(m_frame2, geometriaTwips(7080, 120, 5880, 1080));
            d.insert(m_frameComparador, geometriaTwips(7080, 1260, 5880, 840));
        }
        const QPair<const char*, QRect> outros[] = {
            {"lbAguarde", geometriaTwips(240, 3940, 6600, 360)},
            {"lbStatius", geometriaTwips(7080, 2160, 4560, 780)},
            {"OK(0)", geometriaTwips(11880, 2340, 600, 600)},
            {"NO(0)", geometriaTwips(11880, 2340, 600, 600)},
            {"lbStatus2", geometriaTwips(7080, 2940, 5880, 600)},
        };
        for (const auto& [nome, lugar] : outros)
            if (auto* w = findChild<QWidget*>(QLatin1String(nome)))
                d.insert(w, lugar);
        return d;
    });

    fixaTamanho(Largura, Altura);
    TraduzRFs();
}

// ------------------------------------------------------------------ hooks of the main window

bool RFs::lendo() const
{
    return m_leitura && m_leitura->emCurso();
}

QString RFs::comandoMostrado() const
{
    return m_leitura ? m_leitura->comando() : QString();
}

void RFs::traduz()
{
    TraduzRFs();
}

void RFs::esperaCancelada()
{
    if (lendo())
        m_leitura->larga(L(QStringLiteral("Cancelar")));
    liberaBotoes();
}

void RFs::TraduzRFs()
{
    traduzPecas();
    m_frame2->setTitle(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_btTensoesRF->setText(L(QStringLiteral("TensoesRF")));
    m_lbInfoBarra->setText(L(QStringLiteral("Executando Comando")) + QStringLiteral("..."));
    for (QPushButton* b : std::as_const(m_btPropriedades))
        b->setText(L(QStringLiteral("Propriedades")));
    m_frameComparador->setTitle(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_btComparador->setText(L(QStringLiteral("Comparador")));
}

// ------------------------------------------------------------------ radio buttons

void RFs::MostraAguarde(bool comExclamacao)
{
    if (!comExclamacao && ligacao().estado() == EstadoLigacao::Desconectada)
        mostraAguarde(L(QStringLiteral("Desconectado")));
    else
        mostraAguarde();
}

void RFs::liberaBotoes()
{
    paraBarra();
    m_frameBotoes->setEnabled(true);
}

void RFs::btOn_Click(int indice)
{
    if (!ligacao().ociosa()) {
        MostraAguarde(true);
        return;
    }
    limpaResultado();
    iniciaBarra();
    m_frameBotoes->setEnabled(false);
    m_radioSelecionado = indice;
    PrePesquisa();
}

void RFs::PrePesquisa()
{
    defineTxtDados(QString());
    if (!ligacao().ociosa())
        return;
    if (!ProcedimentoRf::Serve(sessao().modelo(), m_radioSelecionado)) {
        liberaBotoes();
        MostraMensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    if (!iniciaLeitura(m_radioSelecionado, static_cast<int>(ProcedimentoRf::Acao::Liga)))
        liberaBotoes();
}

bool RFs::iniciaLeitura(int indice, int acao)
{
    m_radioAtual = indice;
    delete m_leitura;
    m_leitura = new ProcedimentoRf(ligacao(), sessao().modelo(), indice, static_cast<ProcedimentoRf::Acao>(acao), this);
    connect(m_leitura, &Procedimento::terminou, this, &RFs::leituraTerminou);
    connect(m_leitura, &Procedimento::enviado, this, &JanelaFilha::esqueceRespostaContinuou);
    return m_leitura->inicia();
}

bool RFs::podeEnviar(int indice)
{
    if (!ligacao().ociosa()) {
        MostraAguarde(false);
        return false;
    }
    if (!ProcedimentoRf::Serve(sessao().modelo(), indice)) {
        MostraMensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return false;
    }
    return true;
}

void RFs::enviaComando(int indice, int acao)
{
    iniciaBarra();
    limpaResultado();
    defineTxtDados(QString());
    if (!iniciaLeitura(indice, acao))
        paraBarra();
}

void RFs::btOff_Click(int indice)
{
    if (!podeEnviar(indice))
        return;
    defineCorFundo(indice, Cores::Branco);
    enviaComando(indice, static_cast<int>(ProcedimentoRf::Acao::Desliga));
}

void RFs::btPropriedades_Click(int indice)
{
    if (podeEnviar(indice))
        enviaComando(indice, static_cast<int>(ProcedimentoRf::Acao::Propriedades));
}

void RFs::leituraTerminou()
{
    liberaBotoes();
    if (m_leitura->fim() != Procedimento::Fim::Concluido)
        return;
    defineTxtDados(m_leitura->respostaA());
    consultaComparador();
    // A switch-on is judged on its answer.
    const auto& v = m_leitura->veredicto();
    if (!v)
        return;
    defineStatus(v->lbStatius);
    defineTxtDados(v->txtDados);
    defineCorFundo(m_radioAtual, v->corFundo);
    mostraVeredito(v->ok, v->lbStatius);
    mostraNotaAnalise();
}

void RFs::colocaLinhasRadio(int passo, int altura)
{
    for (int i = 0; i < m_fundos.size(); ++i) {
        const int y = i * passo;
        coloca(m_fundos[i], QRect(0, y, 6600, altura));
        coloca(m_nomesRadio[i], QRect(180, y, 1800, altura));
        const int yBotao = y + (altura - 480) / 2;
        coloca(m_btOn[i], QRect(2040, yBotao, 1080, 480));
        coloca(m_btOff[i], QRect(3180, yBotao, 1080, 480));
        coloca(m_btPropriedades[i], QRect(4320, yBotao, 2100, 480));
    }
}

bool RFs::eventFilter(QObject* objeto, QEvent* evento)
{
    // The rows follow the height the design gives their frame: the natural one, or the compact.
    if (objeto == m_frameBotoes && evento->type() == QEvent::Resize) {
        if (m_frameBotoes->height() < Twips::paraPixels(4140))
            colocaLinhasRadio(620, 560);
        else
            colocaLinhasRadio(820, 740);
    }
    return JanelaTestePlaca::eventFilter(objeto, evento);
}

void RFs::btComparador_Click()
{
    // In the compact design the comparator goes under the answer, in its column: the window keeps
    // its size.
    const bool compacto = emDesenhoCompacto();
    if (m_frameComparador->isVisible()) {
        if (!compacto)
            fixaTamanho(Largura, Altura);
        m_frameComparador->hide();
    } else {
        if (!compacto)
            setFixedWidth(Twips::paraPixels(LarguraComComparador));
        m_frameComparador->show();
        if (!compacto)
            recentraliza();
    }
    refazDesenhoCompacto();
}

void RFs::btTensoesRF_Click()
{
    janelas().mostra(QStringLiteral("RFs_Esq"));
}

// ------------------------------------------------------------------ views

void RFs::defineCorFundo(int indice, const QString& cor)
{
    m_corFundo[indice] = cor;
    pintaFundo(m_fundos.at(indice), cor);
}
