#include "boardtests/janelas/RFs.h"

#include "boardtests/RfRadios.h"
#include "db/ConsultaDados.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "shell/Globais.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStyle>
#include <QTimer>
#include <cmath>

namespace {

const QString Codigo = QStringLiteral("2");
constexpr int Largura = 13170;
constexpr int LarguraComComparador = 18540;
constexpr int Altura = 8100;

} // namespace

RFs::RFs(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("RFs"), janelas)
{
    QFont negrito = font();
    negrito.setBold(true);

    // The radio rows: background label, name, ON, OFF, properties.
    m_frameBotoes = new QFrame(this);
    m_frameBotoes->setObjectName(QStringLiteral("FrameBotoes"));
    m_frameBotoes->setGeometry(geometriaTwips(240, 240, 6600, 4140));
    static const char* nomes[ModuloRf::NumeroRadios] = {"BASEBAND", "BLUETOOTH", "WIFI", "GPS", "NFC"};
    for (int i = 0; i < ModuloRf::NumeroRadios; ++i) {
        const int y = i * 820;
        auto* fundo = new QLabel(m_frameBotoes);
        fundo->setObjectName(ModuloRf::radio(i).fundo);
        fundo->setGeometry(geometriaTwips(0, y, 6600, 740));
        fundo->setFrameShape(QFrame::StyledPanel);
        m_fundos << fundo;
        m_corFundo << Cores::Branco;
        pintaFundo(fundo, Cores::Branco);
        auto* nome = new QLabel(QLatin1String(nomes[i]), m_frameBotoes);
        nome->setGeometry(geometriaTwips(180, y, 1800, 740));
        nome->setFont(negrito);
        auto botao = [this, y](const QString& objeto, int x, int largura) {
            auto* b = new QPushButton(m_frameBotoes);
            b->setObjectName(objeto);
            b->setGeometry(geometriaTwips(x, y + 130, largura, 480));
            return b;
        };
        auto* on = botao(QStringLiteral("btOn(%1)").arg(i), 2040, 1080);
        auto* off = botao(QStringLiteral("btOff(%1)").arg(i), 3180, 1080);
        auto* prop = botao(QStringLiteral("btPropriedades(%1)").arg(i), 4320, 2100);
        on->setText(QStringLiteral("ON"));
        off->setText(QStringLiteral("OFF"));
        connect(on, &QPushButton::clicked, this, [this, i] { btOn_Click(i); });
        connect(off, &QPushButton::clicked, this, [this, i] { btOff_Click(i); });
        connect(prop, &QPushButton::clicked, this, [this, i] { btPropriedades_Click(i); });
        m_btOn << on;
        m_btOff << off;
        m_btPropriedades << prop;
    }

    // Verdict.
    m_lbStatiusRotulo = new QLabel(this);
    m_lbStatiusRotulo->setObjectName(QStringLiteral("lbStatius"));
    m_lbStatiusRotulo->setGeometry(geometriaTwips(240, 4500, 4560, 800));
    QFont grande = negrito;
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    m_lbStatiusRotulo->setFont(grande);
    m_ok0 = criaImagemVeredito(QStringLiteral("OK(0)"), true, this);
    m_no0 = criaImagemVeredito(QStringLiteral("NO(0)"), false, this);
    m_ok0->move(Twips::paraPixels(5040), Twips::paraPixels(4680));
    m_no0->move(Twips::paraPixels(5040), Twips::paraPixels(4680));
    m_lbStatus2 = new QLabel(this);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    m_lbStatus2->setGeometry(geometriaTwips(240, 5340, 6600, 600));
    m_lbStatus2->setWordWrap(true);
    m_lbStatus2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbStatus2->hide();

    // Busy panel.
    m_frameVCore = new QFrame(this);
    m_frameVCore->setObjectName(QStringLiteral("FrameVCore"));
    m_frameVCore->setFrameShape(QFrame::StyledPanel);
    m_frameVCore->setGeometry(geometriaTwips(240, 6000, 6600, 840));
    m_lbInfoBarra = new QLabel(m_frameVCore);
    m_lbInfoBarra->setObjectName(QStringLiteral("lbInfoBarra"));
    m_lbInfoBarra->setGeometry(geometriaTwips(120, 60, 6360, 300));
    m_progressBar = new QFrame(m_frameVCore);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setFrameShape(QFrame::Box);
    m_progressBar->setGeometry(geometriaTwips(120, 420, 6360, 300));
    m_barra = criaBarra(m_progressBar, CorVb(Cores::Verde));
    const int larguraBarra = m_barra->width();
    m_frameVCore->hide();

    m_lbAguarde = criaRotuloAguarde(this, geometriaTwips(240, 6900, 6600, 360), negrito);

    m_btComparador = new QPushButton(this);
    m_btComparador->setObjectName(QStringLiteral("btComparador"));
    m_btComparador->setGeometry(geometriaTwips(240, 7380, 3240, 480));
    connect(m_btComparador, &QPushButton::clicked, this, &RFs::btComparador_Click);
    m_btTensoesRF = new QPushButton(this);
    m_btTensoesRF->setObjectName(QStringLiteral("btTensoesRF"));
    m_btTensoesRF->setGeometry(geometriaTwips(3600, 7380, 3240, 480));
    connect(m_btTensoesRF, &QPushButton::clicked, this, &RFs::btTensoesRF_Click);

    // The device's answer.
    m_frame2 = new QGroupBox(this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(geometriaTwips(7080, 120, 5880, 7740));
    m_txtDadosCaixa = criaCaixaTexto(QStringLiteral("txtDados"), m_frame2);
    m_txtDadosCaixa->setGeometry(geometriaTwips(120, 360, 5640, 7260));

    // The comparator, beyond the right edge until it is shown.
    m_frameComparador = new QGroupBox(this);
    m_frameComparador->setObjectName(QStringLiteral("FrameComparador"));
    m_frameComparador->setGeometry(geometriaTwips(13140, 120, 5160, 7740));
    m_txtComparadorCaixa = criaCaixaTexto(QStringLiteral("txtComparador"), m_frameComparador);
    m_txtComparadorCaixa->setGeometry(geometriaTwips(120, 360, 4920, 7260));
    m_frameComparador->hide();

    auto timer = [this](const char* nome, int ms, void (RFs::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(nome));
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    m_timer1 = timer("Timer1", 500, &RFs::Timer1_Timer);
    m_timerBarra = timer("TimerBarra", 50, &RFs::TimerBarra_Timer);
    m_timerAguarde = timer("TimerAguarde", 1500, &RFs::TimerAguarde_Timer);

    m_data1 = new QSqlQueryModel(this);
    m_data1->setObjectName(QStringLiteral("Data1"));

    // Load: no recorded answer until the first delivery ("xx" is no model).
    consultaDados(QStringLiteral("xx"), QString());
    CentralizaRFs();
    TraduzRFs();
    m_passoBarra = qMax(1, static_cast<int>(std::nearbyint(larguraBarra / 50.0))); // halves to even
    m_barra->resize(1, m_barra->height());
}

// ------------------------------------------------------------------ hooks of the main window

void RFs::recebeResposta(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    Q_UNUSED(R);
    defineTxtDados(A);
    m_frameVCore->hide();
    m_timerBarra->stop();
    m_frameBotoes->setEnabled(true);
    consultaDados(sessao().modelo(), ligacao().txtComandos());
}

void RFs::traduz()
{
    TraduzRFs();
}

void RFs::esperaCancelada()
{
    m_timer1->stop();
    liberaBotoes();
}

void RFs::TraduzRFs()
{
    setWindowTitle(L(QStringLiteral("Testes de Comunicação RF")) + QStringLiteral(" - Vexador Tarrim"));
    m_frame2->setTitle(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lbStatus2->setText(L(QStringLiteral("ANALISE COMPLETA")));
    m_lbAguarde->setText(L(QStringLiteral("Aguarde...")));
    m_btTensoesRF->setText(L(QStringLiteral("TensoesRF")));
    m_lbInfoBarra->setText(L(QStringLiteral("Executando Comando")) + QStringLiteral("..."));
    for (QPushButton* b : std::as_const(m_btPropriedades))
        b->setText(L(QStringLiteral("Propriedades")));
    m_frameComparador->setTitle(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_btComparador->setText(L(QStringLiteral("Comparador")));
}

void RFs::CentralizaRFs()
{
    setFixedSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura));
    posiciona();
}

void RFs::posiciona()
{
    if (QWidget* moldura = parentWidget()) {
        moldura->adjustSize();
        centraliza();
    }
}

// ------------------------------------------------------------------ radio buttons

void RFs::MostraAguarde(bool comExclamacao)
{
    QString texto = L(QStringLiteral("Aguarde..."));
    if (ligacao().estado() == EstadoLigacao::Desconectada) {
        texto = L(QStringLiteral("Desconectado"));
        if (comExclamacao)
            texto += QLatin1Char('!');
    }
    m_lbAguarde->setText(texto);
    m_timerAguarde->start();
    m_lbAguarde->show();
}

void RFs::iniciaBarra()
{
    m_barra->resize(1, m_barra->height());
    m_frameVCore->show();
    m_timerBarra->start();
}

void RFs::liberaBotoes()
{
    m_timerBarra->stop();
    m_frameVCore->hide();
    m_frameBotoes->setEnabled(true);
    m_barra->resize(1, m_barra->height());
}

void RFs::btOn_Click(int indice)
{
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        MostraAguarde(true);
        return;
    }
    m_ok0->hide();
    m_no0->hide();
    defineLbStatius(QString());
    m_lbStatus2->hide();
    iniciaBarra();
    m_frameBotoes->setEnabled(false);
    m_radioSelecionado = indice;
    PrePesquisa();
}

void RFs::PrePesquisa()
{
    defineTxtDados(QString());
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    if (ModuloRf::Recusado(m_radioSelecionado, sessao().modelo())) {
        liberaBotoes();
        MostraMensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    m_radioAtual = m_radioSelecionado;
    solicita(Codigo, ModuloRf::radio(m_radioSelecionado).comandoOn);
    m_contadorRf = 1;
    m_timer1->start();
}

void RFs::btOff_Click(int indice)
{
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        MostraAguarde(false);
        return;
    }
    if (ModuloRf::Recusado(indice, sessao().modelo())) {
        MostraMensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    iniciaBarra();
    m_ok0->hide();
    m_no0->hide();
    defineLbStatius(QString());
    m_lbStatus2->hide();
    defineTxtDados(QString());
    m_radioAtual = indice;
    defineCorFundo(indice, Cores::Branco);
    solicita(Codigo, ModuloRf::radio(indice).comandoOff);
}

void RFs::btPropriedades_Click(int indice)
{
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        MostraAguarde(false);
        return;
    }
    if (ModuloRf::Recusado(indice, sessao().modelo())) {
        MostraMensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    iniciaBarra();
    m_ok0->hide();
    m_no0->hide();
    defineLbStatius(QString());
    m_lbStatus2->hide();
    defineTxtDados(QString());
    m_radioAtual = indice;
    solicita(Codigo, ModuloRf::radio(indice).comandoPropriedades);
}

void RFs::AvaliaRadio()
{
    janelas().BuscaDadosGravados();
    const ModuloRf::Veredicto v = ModuloRf::AvaliaRadio(m_radioAtual, m_txtDados);
    defineLbStatius(v.lbStatius);
    defineTxtDados(v.txtDados);
    defineCorFundo(m_radioAtual, v.corFundo);
    mostraVereditoTeste(m_ok0, m_no0, VereditoDe(v.ok), objectName(), ligacao().txtComandos(), v.lbStatius);
    m_lbStatus2->show();
}

void RFs::btComparador_Click()
{
    if (m_frameComparador->isVisible()) {
        CentralizaRFs();
        m_frameComparador->hide();
    } else {
        setFixedWidth(Twips::paraPixels(LarguraComComparador));
        m_frameComparador->show();
        posiciona();
    }
}

void RFs::btTensoesRF_Click()
{
    janelas().mostra(QStringLiteral("RFs_Esq"));
}

// ------------------------------------------------------------------ timers

void RFs::Timer1_Timer()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    ++m_contadorRf;
    if (m_contadorRf >= ModuloRf::LimiteContadorRf) {
        m_timer1->stop();
        // No answer came: give the buttons back rather than leave the window locked.
        if (m_txtDados.isEmpty())
            liberaBotoes();
    }
    if (!m_txtDados.isEmpty()) {
        m_timer1->stop();
        AvaliaRadio();
    }
}

void RFs::TimerBarra_Timer()
{
    avancaBarra(m_barra, m_passoBarra);
}

void RFs::TimerAguarde_Timer()
{
    m_timerAguarde->stop();
    m_lbAguarde->hide();
}

// ------------------------------------------------------------------ text stores and views

void RFs::defineTxtDados(const QString& texto)
{
    m_txtDados = texto;
    m_txtDadosCaixa->setPlainText(TextoParaTela(texto));
}

void RFs::defineLbStatius(const QString& texto)
{
    m_lbStatius = texto;
    m_lbStatiusRotulo->setText(TextoParaTela(texto));
}

void RFs::defineCorFundo(int indice, const QString& cor)
{
    m_corFundo[indice] = cor;
    pintaFundo(m_fundos.at(indice), cor);
}

void RFs::consultaDados(const QString& modelo, const QString& comando)
{
    QString primeiro;
    m_data1->setQuery(ConsultaDados(modelo, comando));
    if (m_data1->rowCount() > 0)
        primeiro = m_data1->record(0).value(QStringLiteral("Dados")).toString();
    m_txtComparador = primeiro;
    m_txtComparadorCaixa->setPlainText(TextoParaTela(primeiro));
}
