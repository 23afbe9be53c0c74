#include "boardtests/janelas/Outros.h"

#include "reports/ArquivoRelatorio.h"
#include "boardtests/OutrosTestes.h"
#include "db/ConsultaDados.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "shell/Globais.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStyle>
#include <QTimer>
#include <cmath>

namespace {

const QString Codigo = QStringLiteral("17");
constexpr int Largura = 15495;
constexpr int Altura = 8085;

} // namespace

Outros::Outros(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Outros"), janelas)
{
    QFont negrito = font();
    negrito.setBold(true);

    auto botao = [this](const QString& nome, int x) {
        auto* b = new QPushButton(this);
        b->setObjectName(nome);
        b->setGeometry(geometriaTwips(x, 240, 3000, 600));
        return b;
    };
    m_btBl5 = botao(QStringLiteral("btBl(5)"), 240);
    m_btBl6 = botao(QStringLiteral("btBl(6)"), 3360);
    m_btBateria = botao(QStringLiteral("btBateria"), 6480);
    m_btPanicFull = botao(QStringLiteral("btPanicFull"), 9600);
    m_btPanicFull->setText(QStringLiteral("PDF Panic Full"));
    connect(m_btBl5, &QPushButton::clicked, this, [this] { btBl_Click(ModuloOutros::TesteRam); });
    connect(m_btBl6, &QPushButton::clicked, this, [this] { btBl_Click(ModuloOutros::TesteRam1MB); });
    connect(m_btBateria, &QPushButton::clicked, this, &Outros::btBateria_Click);
    connect(m_btPanicFull, &QPushButton::clicked, this, &Outros::btPanicFull_Click);

    m_lbAguarde = criaRotuloAguarde(this, geometriaTwips(12720, 360, 2520, 360), negrito);

    m_lblLabel0 = new QLabel(this);
    m_lblLabel0->setObjectName(QStringLiteral("lblLabel(0)"));
    m_lblLabel0->setGeometry(geometriaTwips(240, 1080, 7440, 300));
    m_txtDadosCaixa = criaCaixaTexto(QStringLiteral("txtDados"), this);
    m_txtDadosCaixa->setGeometry(geometriaTwips(240, 1380, 7440, 4800));

    m_lblLabel4 = new QLabel(this);
    m_lblLabel4->setObjectName(QStringLiteral("lblLabel(4)"));
    m_lblLabel4->move(Twips::paraPixels(7800), Twips::paraPixels(1080));
    m_lbDispositivo = new QLabel(this);
    m_lbDispositivo->setObjectName(QStringLiteral("lbDispositivo"));
    m_lbDispositivo->setFont(negrito);
    m_txtComparadorCaixa = criaCaixaTexto(QStringLiteral("txtComparador"), this);
    m_txtComparadorCaixa->setGeometry(geometriaTwips(7800, 1380, 7440, 4800));

    // Progress and result.
    m_progressBar = new QFrame(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setFrameShape(QFrame::Box);
    m_progressBar->setGeometry(geometriaTwips(240, 6300, 7440, 240));
    m_barra = criaBarra(m_progressBar, CorVb(Cores::Verde));
    const int larguraBarra = m_barra->width();

    m_lbICRotulo = new QLabel(this);
    m_lbICRotulo->setObjectName(QStringLiteral("lbIC"));
    m_lbICRotulo->setGeometry(geometriaTwips(240, 6720, 1440, 480));
    QFont grande = negrito;
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    m_lbICRotulo->setFont(grande);
    m_lbStatusRotulo = new QLabel(this);
    m_lbStatusRotulo->setObjectName(QStringLiteral("lbStatus"));
    m_lbStatusRotulo->setGeometry(geometriaTwips(1800, 6720, 3960, 480));
    m_lbStatusRotulo->setFont(negrito);
    m_ok0 = criaImagemVeredito(QStringLiteral("OK(0)"), true, this);
    m_no0 = criaImagemVeredito(QStringLiteral("NO(0)"), false, this);
    m_ok0->move(Twips::paraPixels(5880), Twips::paraPixels(6660));
    m_no0->move(Twips::paraPixels(5880), Twips::paraPixels(6660));
    m_lbStatus2 = new QLabel(this);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    m_lbStatus2->setGeometry(geometriaTwips(240, 7260, 7440, 600));
    m_lbStatus2->setWordWrap(true);
    m_lbStatus2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbStatus2->hide();
    m_lbVar = new QLabel(this);
    m_lbVar->setObjectName(QStringLiteral("lbVar"));
    m_lbVar->setGeometry(geometriaTwips(7800, 6300, 7440, 1440));
    m_lbVar->setWordWrap(true);
    m_lbVar->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto timer = [this](const char* nome, int ms, void (Outros::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(nome));
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    m_timerStatus = timer("TimerStatus", 500, &Outros::TimerStatus_Timer);
    m_timerBarra = timer("TimerBarra", 30, &Outros::TimerBarra_Timer);
    m_timerAguarde = timer("TimerAguarde", 1500, &Outros::TimerAguarde_Timer);

    m_data1 = new QSqlQueryModel(this);
    m_data1->setObjectName(QStringLiteral("Data1"));

    // Load.
    m_passoBarra = qMax(1, static_cast<int>(std::nearbyint(larguraBarra / 50.0))); // halves to even
    m_barra->resize(1, m_barra->height());
    CentralizaOutros();
    consultaDados(QStringLiteral("xx"), QString());
    atualizaDispositivo();
    TraduzOutros();
}

// ------------------------------------------------------------------ hooks of the main window

void Outros::recebeResposta(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    Q_UNUSED(R);
    defineTxtDados(A);
    consultaDados(sessao().modelo(), ligacao().txtComandos());
}

void Outros::espelha(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    Q_UNUSED(R);
    defineTxtDados(ModuloOutros::Espelho(A));
}

void Outros::atualizaJanelaAberta()
{
    consultaDados(sessao().modelo(), ligacao().txtComandos());
    atualizaDispositivo();
}

void Outros::traduz()
{
    TraduzOutros();
}

void Outros::esperaCancelada()
{
    m_timerStatus->stop();
    paraBarra();
}

void Outros::TraduzOutros()
{
    setWindowTitle(L(QStringLiteral("Testes Adicionais")) + QStringLiteral(" - Vexador Tarrim"));
    m_lbAguarde->setText(L(QStringLiteral("Aguarde...")));
    m_btBl5->setText(ModuloOutros::LegendaTeste(ModuloOutros::TesteRam));
    m_btBl6->setText(ModuloOutros::LegendaTeste(ModuloOutros::TesteRam1MB));
    m_lbStatus2->setText(L(QStringLiteral("ANALISE COMPLETA")));
    m_lblLabel0->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lblLabel4->setText(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_lblLabel4->adjustSize();
    m_lbVar->setText(L(QStringLiteral("VAR")));
    m_lbDispositivo->move(m_lblLabel4->x() + m_lblLabel4->width() + Twips::paraPixels(100), m_lblLabel4->y());
    m_btBateria->setText(L(QStringLiteral("Bateria")).toUpper() + QLatin1Char(' ')
                         + L(QStringLiteral("Informações")));
}

void Outros::CentralizaOutros()
{
    setFixedSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura));
    if (QWidget* moldura = parentWidget()) {
        moldura->adjustSize();
        centraliza();
    }
}

void Outros::atualizaDispositivo()
{
    m_lbDispositivo->setText(L(QStringLiteral("Modelo")) + QStringLiteral(": ") + sessao().modelo()
                             + QStringLiteral("  ") + sessao().numeroModelo());
    m_lbDispositivo->adjustSize();
}

// ------------------------------------------------------------------ buttons

void Outros::btBl_Click(int indice)
{
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        m_lbAguarde->setText(ligacao().textoEspera());
        m_timerAguarde->start();
        m_lbAguarde->show();
        return;
    }
    defineLbStatus(QString());
    defineLbIC(QString());
    m_lbStatus2->hide();
    m_ok0->hide();
    m_no0->hide();
    m_testeSelecionado = indice;
    PrePesquisa();
}

void Outros::PrePesquisa()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    const ModuloOutros::Teste t = ModuloOutros::teste(m_testeSelecionado);
    if (t.comando.isEmpty())
        return;
    m_barra->resize(1, m_barra->height());
    m_timerBarra->start();
    m_nomeCI = t.nomeCI;
    defineTxtDados(t.espelho ? L(QStringLiteral("TESTE 15s")) : QString());
    solicita(Codigo, t.comando, t.espelho);
    m_timerStatus->start();
}

void Outros::btBateria_Click()
{
    janelas().mostra(QStringLiteral("Bateria"));
    janelas().fecha({objectName()});
}

void Outros::btPanicFull_Click()
{
    AbreDocumento(ModuloOutros::CaminhoPdfPanic(Globais::instancia().PastaAplicacao));
}

// ------------------------------------------------------------------ timers

void Outros::TimerStatus_Timer()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    if (m_txtDados.size() >= ModuloOutros::MinimoAvaliacao) {
        paraBarra();
        m_timerStatus->stop();
        if (m_testeSelecionado == ModuloOutros::TesteRam || m_testeSelecionado == ModuloOutros::TesteRam1MB) {
            const bool ok = ModuloOutros::Passou(m_txtDados);
            defineLbStatus(L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
            (ok ? m_ok0 : m_no0)->show();
        } else {
            defineLbStatus(L(QStringLiteral("COMUNICAÇÃO OK")));
        }
        m_lbStatus2->show();
        defineLbIC(m_nomeCI);
    }
    ++m_contadorStatus;
    if (m_contadorStatus == ModuloOutros::LimiteContadorStatus) {
        m_timerStatus->stop();
        paraBarra();
    }
}

void Outros::TimerBarra_Timer()
{
    avancaBarra(m_barra, m_passoBarra);
}

void Outros::TimerAguarde_Timer()
{
    m_timerAguarde->stop();
    m_lbAguarde->hide();
}

void Outros::paraBarra()
{
    m_timerBarra->stop();
    m_barra->resize(1, m_barra->height());
}

// ------------------------------------------------------------------ text stores

void Outros::defineTxtDados(const QString& texto)
{
    const bool mudou = texto != m_txtDados;
    m_txtDados = texto;
    m_txtDadosCaixa->setPlainText(TextoParaTela(texto));
    if (mudou)
        janelas().BuscaDadosGravados();
}

void Outros::defineLbStatus(const QString& texto)
{
    m_lbStatus = texto;
    m_lbStatusRotulo->setText(texto);
}

void Outros::defineLbIC(const QString& texto)
{
    m_lbIC = texto;
    m_lbICRotulo->setText(texto);
}

void Outros::consultaDados(const QString& modelo, const QString& comando)
{
    QString primeiro;
    m_data1->setQuery(ConsultaDados(modelo, comando));
    if (m_data1->rowCount() > 0)
        primeiro = m_data1->record(0).value(QStringLiteral("Dados")).toString();
    m_txtComparador = primeiro;
    m_txtComparadorCaixa->setPlainText(TextoParaTela(primeiro));
}
