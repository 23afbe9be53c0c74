#include "boardtests/janelas/IC.h"

#include "boardtests/Ic.h"
#include "db/ConsultaDados.h"
#include "i18n/Dicionario.h"
#include "shell/Globais.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStyle>
#include <QTimer>

namespace {

const QString Codigo = QStringLiteral("5");

} // namespace

IC::IC(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("IC"), janelas)
{
    setFixedSize(Twips::paraPixels(15500), Twips::paraPixels(7700));
    QFont negrito = font();
    negrito.setBold(true);

    auto botao = [this](const QString& nome, int x) {
        auto* b = new QPushButton(this);
        b->setObjectName(nome);
        b->setGeometry(geometriaTwips(x, 240, 3000, 600));
        return b;
    };
    m_btBl1 = botao(QStringLiteral("btBl(1)"), 240);
    m_btBl2 = botao(QStringLiteral("btBl(2)"), 3360);
    m_btTristar = botao(QStringLiteral("btTristar"), 6480);
    m_btTigris = botao(QStringLiteral("btTigris"), 9600);
    connect(m_btBl1, &QPushButton::clicked, this, [this] { btBl_Click(1); });
    connect(m_btBl2, &QPushButton::clicked, this, [this] { btBl_Click(2); });
    connect(m_btTristar, &QPushButton::clicked, this, &IC::btTristar_Click);
    connect(m_btTigris, &QPushButton::clicked, this, &IC::btTigris_Click);

    m_lbAguarde = criaRotuloAguarde(this, geometriaTwips(12840, 360, 2520, 360), negrito);

    m_lblLabel0 = new QLabel(this);
    m_lblLabel0->setObjectName(QStringLiteral("lblLabel(0)"));
    m_lblLabel0->setGeometry(geometriaTwips(240, 1080, 7440, 300));
    m_txtDadosCaixa = criaCaixaTexto(QStringLiteral("txtDados"), this);
    m_txtDadosCaixa->setGeometry(geometriaTwips(240, 1380, 7440, 4800));

    m_lblLabel4 = new QLabel(this);
    m_lblLabel4->setObjectName(QStringLiteral("lblLabel(4)"));
    m_lblLabel4->move(Twips::paraPixels(7920), Twips::paraPixels(1080));
    m_lbDispositivo = new QLabel(this);
    m_lbDispositivo->setObjectName(QStringLiteral("lbDispositivo"));
    m_lbDispositivo->setFont(negrito);
    m_txtComparadorCaixa = criaCaixaTexto(QStringLiteral("txtComparador"), this);
    m_txtComparadorCaixa->setGeometry(geometriaTwips(7920, 1380, 7440, 4800));

    m_lbICRotulo = new QLabel(this);
    m_lbICRotulo->setObjectName(QStringLiteral("lbIC"));
    m_lbICRotulo->setGeometry(geometriaTwips(240, 6360, 2040, 480));
    QFont grande = negrito;
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    m_lbICRotulo->setFont(grande);
    m_lbStatusRotulo = new QLabel(this);
    m_lbStatusRotulo->setObjectName(QStringLiteral("lbStatus"));
    m_lbStatusRotulo->setGeometry(geometriaTwips(2400, 6360, 3960, 480));
    m_lbStatusRotulo->setFont(negrito);
    m_ok0 = criaImagemVeredito(QStringLiteral("OK(0)"), true, this);
    m_no0 = criaImagemVeredito(QStringLiteral("NO(0)"), false, this);
    m_ok0->move(Twips::paraPixels(6480), Twips::paraPixels(6300));
    m_no0->move(Twips::paraPixels(6480), Twips::paraPixels(6300));
    m_lbStatus2 = new QLabel(this);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    m_lbStatus2->setGeometry(geometriaTwips(240, 6900, 7440, 600));
    m_lbStatus2->setWordWrap(true);
    m_lbStatus2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbStatus2->hide();
    m_lbVar = new QLabel(this);
    m_lbVar->setObjectName(QStringLiteral("lbVar"));
    m_lbVar->setGeometry(geometriaTwips(7920, 6360, 7440, 720));
    m_lbVar->setWordWrap(true);
    m_lbVar->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_timerStatus = new QTimer(this);
    m_timerStatus->setObjectName(QStringLiteral("TimerStatus"));
    m_timerStatus->setInterval(500);
    connect(m_timerStatus, &QTimer::timeout, this, &IC::TimerStatus_Timer);
    m_timerAguarde = new QTimer(this);
    m_timerAguarde->setObjectName(QStringLiteral("TimerAguarde"));
    m_timerAguarde->setInterval(1500);
    connect(m_timerAguarde, &QTimer::timeout, this, &IC::TimerAguarde_Timer);

    m_data1 = new QSqlQueryModel(this);
    m_data1->setObjectName(QStringLiteral("Data1"));

    // Load: no recorded answer until a test ran ("xx" is no model).
    consultaDados(QStringLiteral("xx"), QString());
    atualizaDispositivo();
    TraduzIC();
}

// ------------------------------------------------------------------ hooks of the main window

void IC::recebeResposta(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    Q_UNUSED(R);
    defineTxtDados(A);
}

void IC::buscaDadosGravados()
{
    consultaDados(sessao().modelo(), ligacao().txtComandos());
    atualizaDispositivo();
}

void IC::atualizaJanelaAberta()
{
    consultaDados(sessao().modelo(), ligacao().txtComandos());
    atualizaDispositivo();
}

void IC::traduz()
{
    TraduzIC();
}

void IC::esperaCancelada()
{
    m_timerStatus->stop();
}

void IC::TraduzIC()
{
    setWindowTitle(L(QStringLiteral("Testes IC's")) + QStringLiteral(" - Vexador Tarrim"));
    m_lbAguarde->setText(L(QStringLiteral("Aguarde...")));
    m_btTigris->setText(QStringLiteral("TIGRIS ") + L(QStringLiteral("Tensões")));
    m_lbStatus2->setText(L(QStringLiteral("ANALISE COMPLETA")));
    m_lblLabel0->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lblLabel4->setText(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_lblLabel4->adjustSize();
    m_lbVar->setText(L(QStringLiteral("VAR")));
    m_lbDispositivo->move(m_lblLabel4->x() + m_lblLabel4->width() + Twips::paraPixels(100), m_lblLabel4->y());
    const QString prefixo = ModuloIC::PrefixoChip(sessao().modelo());
    m_btTristar->setText(prefixo + L(QStringLiteral("Tensões")));
    m_btBl1->setText(prefixo + L(QStringLiteral("Dados")));
    m_btBl2->setText(prefixo + L(QStringLiteral("Comunicação")));
}

void IC::atualizaDispositivo()
{
    m_lbDispositivo->setText(L(QStringLiteral("Modelo")) + QStringLiteral(": ") + sessao().modelo()
                             + QStringLiteral("  ") + sessao().numeroModelo());
    m_lbDispositivo->adjustSize();
}

void IC::consultaDados(const QString& modelo, const QString& comando)
{
    QString primeiro;
    m_data1->setQuery(ConsultaDados(modelo, comando));
    if (m_data1->rowCount() > 0)
        primeiro = m_data1->record(0).value(QStringLiteral("Dados")).toString();
    m_txtComparador = primeiro;
    m_txtComparadorCaixa->setPlainText(TextoParaTela(primeiro));
}

// ------------------------------------------------------------------ text stores

void IC::defineTxtDados(const QString& texto)
{
    const bool mudou = texto != m_txtDados;
    m_txtDados = texto;
    m_txtDadosCaixa->setPlainText(TextoParaTela(texto));
    // The change of the answer box refreshes the recorded answer beside it.
    if (mudou)
        janelas().BuscaDadosGravados();
}

void IC::defineLbStatus(const QString& texto)
{
    m_lbStatus = texto;
    m_lbStatusRotulo->setText(texto);
}

void IC::defineLbIC(const QString& texto)
{
    m_lbIC = texto;
    m_lbICRotulo->setText(texto);
}

// ------------------------------------------------------------------ buttons

void IC::btBl_Click(int indice)
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

void IC::PrePesquisa()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    m_nomeCI = ModuloIC::NomeCI(sessao().modelo());
    defineTxtDados(QString());
    solicita(Codigo, ModuloIC::ComandoIC(m_testeSelecionado));
    m_timerStatus->start();
}

void IC::btTristar_Click()
{
    janelas().mostra(QStringLiteral("Tristar"));
}

void IC::btTigris_Click()
{
    janelas().mostra(QStringLiteral("Tigris"));
}

// ------------------------------------------------------------------ timers

void IC::TimerStatus_Timer()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    if (m_txtDados.size() >= ModuloIC::MinimoAvaliacao) {
        m_timerStatus->stop();
        if (m_testeSelecionado >= 0 && m_testeSelecionado <= 2) {
            const bool ok = ModuloIC::AvaliaIC(m_txtDados) == ModuloIC::Veredicto::Ok;
            defineLbStatus(L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
            mostraVereditoTeste(m_ok0, m_no0, VereditoDe(ok), objectName(), ligacao().txtComandos(),
                                L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
        }
        m_lbStatus2->show();
        defineLbIC(m_nomeCI);
    }
    ++m_contadorStatus;
    if (m_contadorStatus == ModuloIC::LimiteContadorStatus)
        m_timerStatus->stop();
}

void IC::TimerAguarde_Timer()
{
    m_timerAguarde->stop();
    m_lbAguarde->hide();
}
