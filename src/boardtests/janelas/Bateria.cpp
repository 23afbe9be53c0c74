#include "boardtests/janelas/Bateria.h"

#include "boardtests/BateriaLeitura.h"
#include "db/ConsultaDados.h"
#include "i18n/Dicionario.h"
#include "shell/Globais.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTimer>
#include <cmath>

namespace {

const QString CodigoPropriedades = QStringLiteral("14");
const QString CodigoGasGauge = QStringLiteral("19");
constexpr int Largura = 8940;
constexpr int Altura = 7620;

} // namespace

Bateria::Bateria(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Bateria"), janelas)
{
    QFont negrito = font();
    negrito.setBold(true);

    // The eight values, heading and value side by side.
    for (int i = 0; i < ModuloBateria::NumeroValores; ++i) {
        const int y = 240 + i * 390;
        auto* d = new QLabel(this);
        d->setObjectName(QStringLiteral("Info_Descricao(%1)").arg(i));
        d->setGeometry(geometriaTwips(240, y, 2760, 330));
        d->setFont(negrito);
        auto* v = new QLabel(this);
        v->setObjectName(QStringLiteral("Info(%1)").arg(i));
        v->setGeometry(geometriaTwips(3060, y, 1680, 330));
        v->setFrameShape(QFrame::StyledPanel);
        pintaFundo(v, Cores::Branco);
        m_descricoes << d;
        m_infoRotulos << v;
        m_info << QString();
    }

    m_btBateria = new QPushButton(this);
    m_btBateria->setObjectName(QStringLiteral("btBateria"));
    m_btBateria->setGeometry(geometriaTwips(4980, 240, 3720, 600));
    connect(m_btBateria, &QPushButton::clicked, this, &Bateria::btBateria_Click);

    m_frameVCore = new QFrame(this);
    m_frameVCore->setObjectName(QStringLiteral("FrameVCore"));
    m_frameVCore->setFrameShape(QFrame::StyledPanel);
    m_frameVCore->setGeometry(geometriaTwips(4980, 1020, 3720, 840));
    m_lbLeitura = new QLabel(m_frameVCore);
    m_lbLeitura->setObjectName(QStringLiteral("lbLeitura"));
    m_lbLeitura->setGeometry(geometriaTwips(120, 60, 3480, 300));
    m_progressBar = new QFrame(m_frameVCore);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setFrameShape(QFrame::Box);
    m_progressBar->setGeometry(geometriaTwips(120, 420, 3480, 300));
    m_barra = criaBarra(m_progressBar, CorVb(Cores::Verde));
    const int larguraBarra = m_barra->width();
    m_frameVCore->hide();

    m_lbVar = new QLabel(this);
    m_lbVar->setObjectName(QStringLiteral("lbVar"));
    m_lbVar->setGeometry(geometriaTwips(4980, 2040, 3720, 1020));
    m_lbVar->setWordWrap(true);
    m_lbVar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbVar->setFont(negrito);
    m_lbVar->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_lbVar->hide();

    // The first answer and the recorded one.
    m_lblLabel0 = new QLabel(this);
    m_lblLabel0->setObjectName(QStringLiteral("lblLabel(0)"));
    m_lblLabel0->setGeometry(geometriaTwips(240, 3480, 4200, 300));
    m_txtDadosCaixa = criaCaixaTexto(QStringLiteral("txtDados"), this);
    m_txtDadosCaixa->setGeometry(geometriaTwips(240, 3780, 4200, 3600));
    m_lblLabel4 = new QLabel(this);
    m_lblLabel4->setObjectName(QStringLiteral("lblLabel(4)"));
    m_lblLabel4->setGeometry(geometriaTwips(4500, 3480, 4200, 300));
    m_txtComparadorCaixa = criaCaixaTexto(QStringLiteral("txtComparador"), this);
    m_txtComparadorCaixa->setGeometry(geometriaTwips(4500, 3780, 4200, 3600));

    m_timerBarra = new QTimer(this);
    m_timerBarra->setObjectName(QStringLiteral("TimerBarra"));
    m_timerBarra->setInterval(50);
    connect(m_timerBarra, &QTimer::timeout, this, &Bateria::TimerBarra_Timer);
    m_timerLer = new QTimer(this);
    m_timerLer->setObjectName(QStringLiteral("TimerLer"));
    m_timerLer->setInterval(1500);
    connect(m_timerLer, &QTimer::timeout, this, &Bateria::TimerLer_Timer);

    m_data1 = new QSqlQueryModel(this);
    m_data1->setObjectName(QStringLiteral("Data1"));

    // Load.
    m_passoBarra = qMax(1, static_cast<int>(std::nearbyint(larguraBarra / 50.0))); // halves to even
    m_barra->resize(1, m_barra->height());
    CentralizaBateria();
    TraduzBateria();
    consultaDados(QStringLiteral("xx"), QString());
    if (ligacao().estado() == EstadoLigacao::Ociosa)
        IniciaLeitura();
}

// ------------------------------------------------------------------ hooks of the main window

void Bateria::recebeResposta(const QString& codigo, const QString& R, const QString& A)
{
    if (codigo == CodigoGasGauge) {
        Organiza(R);
        return;
    }
    defineTxtDados(A);
    m_timerLer->start();
}

void Bateria::buscaDadosGravados()
{
    consultaDados(sessao().modelo(), ligacao().txtComandos());
}

void Bateria::traduz()
{
    TraduzBateria();
}

void Bateria::esperaCancelada()
{
    m_timerLer->stop();
    m_timerBarra->stop();
    m_frameVCore->hide();
}

void Bateria::TraduzBateria()
{
    setWindowTitle(L(QStringLiteral("Bateria")) + QStringLiteral(" - Vexador Tarrim"));
    m_lblLabel0->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lblLabel4->setText(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_btBateria->setText(L(QStringLiteral("Executar Leitura")));
    const QStringList& chaves = ModuloBateria::ChavesTitulos();
    for (int i = 0; i < chaves.size(); ++i)
        m_descricoes.at(i)->setText(L(chaves.at(i)));
    m_lbLeitura->setText(L(QStringLiteral("Realizando Leitura...")));
}

void Bateria::CentralizaBateria()
{
    setFixedSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura));
    if (QWidget* moldura = parentWidget()) {
        moldura->adjustSize();
        centraliza();
    }
}

// ------------------------------------------------------------------ reading

void Bateria::btBateria_Click()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    defineTxtDados(QString());
    for (int i = 0; i < ModuloBateria::NumeroValores; ++i)
        defineInfo(i, QString());
    m_lbVar->hide();
    IniciaLeitura();
}

void Bateria::IniciaLeitura()
{
    consultaDados(QStringLiteral("xx"), QString());
    if (!solicita(CodigoPropriedades, ModuloBateria::ComandoPropriedades))
        return;
    m_barra->resize(1, m_barra->height());
    m_timerBarra->start();
    m_frameVCore->show();
}

void Bateria::TimerLer_Timer()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    m_timerLer->stop();
    solicita(CodigoGasGauge, ModuloBateria::ComandoGasGauge);
}

void Bateria::Organiza(const QString& texto)
{
    const ModuloBateria::Valores v = ModuloBateria::Organiza(texto);
    for (int i = 0; i < v.info.size(); ++i) {
        defineInfo(i, v.info.at(i), v.vereditos.at(i));
        AnotaVeredito(objectName(), ModuloBateria::ChavesTitulos().at(i), v.info.at(i), QString(),
                      v.vereditos.at(i));
    }
    if (v.nota) {
        m_lbVar->setText(ModuloBateria::NotaFalta(sessao().modelo()));
        m_lbVar->show();
    }
    m_timerBarra->stop();
    m_frameVCore->hide();
}

void Bateria::TimerBarra_Timer()
{
    avancaBarra(m_barra, m_passoBarra);
}

// ------------------------------------------------------------------ text stores and views

void Bateria::defineTxtDados(const QString& texto)
{
    const bool mudou = texto != m_txtDados;
    m_txtDados = texto;
    m_txtDadosCaixa->setPlainText(TextoParaTela(texto));
    // The change of the answer box shows the recorded answer of the command beside it.
    if (mudou)
        janelas().BuscaDadosGravados();
}

void Bateria::defineInfo(int indice, const QString& texto, Veredito v)
{
    m_info[indice] = texto;
    QLabel* rotulo = m_infoRotulos.at(indice);
    rotulo->setText(texto);
    // A value without a verdict of its own keeps the white of a value box.
    pintaVeredito(rotulo, v);
    if (v == Veredito::NaoGraduado)
        pintaFundo(rotulo, Cores::Branco);
}

void Bateria::consultaDados(const QString& modelo, const QString& comando)
{
    QString primeiro;
    m_data1->setQuery(ConsultaDados(modelo, comando));
    if (m_data1->rowCount() > 0)
        primeiro = m_data1->record(0).value(QStringLiteral("Dados")).toString();
    m_txtComparador = primeiro;
    m_txtComparadorCaixa->setPlainText(TextoParaTela(primeiro));
}
