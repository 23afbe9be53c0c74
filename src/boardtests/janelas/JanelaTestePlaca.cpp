#include "boardtests/janelas/JanelaTestePlaca.h"

#include "db/ConsultaDados.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <cmath>

JanelaTestePlaca::JanelaTestePlaca(const QString& nome, GerenciadorJanelas& janelas, const QString& chaveTitulo)
    : JanelaFilha(nome, janelas), m_chaveTitulo(chaveTitulo)
{
}

// ------------------------------------------------------------------ building

void JanelaTestePlaca::coloca(QWidget* controle, const QRect& twips)
{
    controle->setGeometry(geometriaTwips(twips.x(), twips.y(), twips.width(), twips.height()));
}

void JanelaTestePlaca::coloca(QWidget* controle, const QPoint& twips)
{
    controle->move(Twips::paraPixels(twips.x()), Twips::paraPixels(twips.y()));
}

QFont JanelaTestePlaca::fonteNegrito(qreal escala) const
{
    QFont f = font();
    f.setBold(true);
    if (escala != 1.0)
        f.setPointSizeF(f.pointSizeF() * escala);
    return f;
}

void JanelaTestePlaca::fixaTamanho(int larguraTwips, int alturaTwips)
{
    setFixedSize(Twips::paraPixels(larguraTwips), Twips::paraPixels(alturaTwips));
    recentraliza();
}

void JanelaTestePlaca::recentraliza()
{
    if (QWidget* moldura = parentWidget()) {
        moldura->adjustSize();
        centraliza();
    }
}

QList<QPushButton*> JanelaTestePlaca::criaFilaDeBotoes(const QStringList& nomes)
{
    QList<QPushButton*> botoes;
    for (int i = 0; i < nomes.size(); ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(nomes.at(i));
        coloca(b, QRect(240 + i * 3120, 240, 3000, 600));
        botoes << b;
    }
    m_filaDeBotoes = botoes;
    return botoes;
}

QPlainTextEdit* JanelaTestePlaca::criaTxtDados(QWidget* pai, const QRect& twips)
{
    m_txtDadosCaixa = criaCaixaTexto(QStringLiteral("txtDados"), pai);
    coloca(m_txtDadosCaixa, twips);
    return m_txtDadosCaixa;
}

QPlainTextEdit* JanelaTestePlaca::criaTxtComparador(QWidget* pai, const QRect& twips)
{
    m_txtComparadorCaixa = criaCaixaTexto(QStringLiteral("txtComparador"), pai);
    coloca(m_txtComparadorCaixa, twips);
    m_data1 = new QSqlQueryModel(this);
    m_data1->setObjectName(QStringLiteral("Data1"));
    esvaziaComparador();
    return m_txtComparadorCaixa;
}

namespace {
QLabel* rotulo(const QString& nome, QWidget* pai)
{
    auto* l = new QLabel(pai);
    l->setObjectName(nome);
    return l;
}

// A label whose text wraps from its top left corner.
QLabel* rotuloDeNota(const QString& nome, QWidget* pai)
{
    QLabel* l = rotulo(nome, pai);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}
} // namespace

QLabel* JanelaTestePlaca::criaTituloDados(const QRect& twips)
{
    m_tituloDados = rotulo(QStringLiteral("lblLabel(0)"), this);
    coloca(m_tituloDados, twips);
    return m_tituloDados;
}

QLabel* JanelaTestePlaca::criaTituloComparador(const QRect& twips)
{
    m_tituloComparador = rotulo(QStringLiteral("lblLabel(4)"), this);
    coloca(m_tituloComparador, twips);
    return m_tituloComparador;
}

void JanelaTestePlaca::criaTituloComparadorComModelo(const QPoint& twips)
{
    m_tituloComparador = rotulo(QStringLiteral("lblLabel(4)"), this);
    coloca(m_tituloComparador, twips);
    m_dispositivo = rotulo(QStringLiteral("lbDispositivo"), this);
    m_dispositivo->setFont(fonteNegrito());
}

QLabel* JanelaTestePlaca::criaNotaVar(const QRect& twips)
{
    m_notaVar = rotuloDeNota(QStringLiteral("lbVar"), this);
    coloca(m_notaVar, twips);
    return m_notaVar;
}

void JanelaTestePlaca::criaImagensVeredito(const QPoint& twips)
{
    m_ok = criaImagemVeredito(QStringLiteral("OK(0)"), true, this);
    m_no = criaImagemVeredito(QStringLiteral("NO(0)"), false, this);
    for (QLabel* imagem : {m_ok, m_no})
        coloca(imagem, twips);
}

QLabel* JanelaTestePlaca::criaStatus(const QString& nome, const QRect& twips, const QFont& fonte)
{
    m_statusRotulo = rotulo(nome, this);
    coloca(m_statusRotulo, twips);
    m_statusRotulo->setFont(fonte);
    return m_statusRotulo;
}

QLabel* JanelaTestePlaca::criaNomeCI(const QRect& twips)
{
    m_lbICRotulo = rotulo(QStringLiteral("lbIC"), this);
    coloca(m_lbICRotulo, twips);
    m_lbICRotulo->setFont(fonteNegrito(1.4));
    return m_lbICRotulo;
}

QLabel* JanelaTestePlaca::criaNotaAnalise(const QRect& twips)
{
    m_notaAnalise = rotuloDeNota(QStringLiteral("lbStatus2"), this);
    coloca(m_notaAnalise, twips);
    m_notaAnalise->hide();
    return m_notaAnalise;
}

QLabel* JanelaTestePlaca::criaAguarde(const QRect& twips)
{
    m_aguarde = criaRotuloAguarde(this, QRect(), fonteNegrito());
    coloca(m_aguarde, twips);
    m_timerAguarde = novoTimer("TimerAguarde", 1500);
    connect(m_timerAguarde, &QTimer::timeout, this, [this] {
        m_timerAguarde->stop();
        m_aguarde->hide();
    });
    return m_aguarde;
}

QFrame* JanelaTestePlaca::criaBarra(QWidget* pai, const QRect& twips, int msTick)
{
    auto* moldura = new QFrame(pai);
    moldura->setObjectName(QStringLiteral("ProgressBar"));
    moldura->setFrameShape(QFrame::Box);
    coloca(moldura, twips);
    m_barra = ::criaBarra(moldura, CorVb(Cores::Verde));
    m_passoBarra = qMax(1, static_cast<int>(std::nearbyint(m_barra->width() / 50.0))); // halves to even
    m_barra->resize(1, m_barra->height());
    m_timerBarra = novoTimer("TimerBarra", msTick);
    connect(m_timerBarra, &QTimer::timeout, this, [this] { avancaBarra(m_barra, m_passoBarra); });
    return moldura;
}

QLabel* JanelaTestePlaca::criaPainelOcupado(const QRect& twips, const QString& nomeLegenda, int msTick)
{
    m_painelOcupado = new QFrame(this);
    m_painelOcupado->setObjectName(QStringLiteral("FrameVCore"));
    m_painelOcupado->setFrameShape(QFrame::StyledPanel);
    coloca(m_painelOcupado, twips);
    const int larguraInterna = twips.width() - 240;
    QLabel* legenda = rotulo(nomeLegenda, m_painelOcupado);
    coloca(legenda, QRect(120, 60, larguraInterna, 300));
    criaBarra(m_painelOcupado, QRect(120, 420, larguraInterna, 300), msTick);
    m_painelOcupado->hide();
    return legenda;
}

void JanelaTestePlaca::criaFormularioCI(const PlantaTesteCI& planta)
{
    criaTituloDados(QRect(240, 1080, 7440, 300));
    criaTxtDados(this, QRect(240, 1380, 7440, 4800));
    criaTituloComparadorComModelo(QPoint(planta.xComparador, 1080));
    criaTxtComparador(this, QRect(planta.xComparador, 1380, 7440, 4800));
    QFrame* barra = planta.barra.isNull() ? nullptr : criaBarra(this, planta.barra, planta.msBarra);
    criaNomeCI(planta.lbIC);
    criaStatus(QStringLiteral("lbStatus"), planta.lbStatus, fonteNegrito());
    criaImagensVeredito(planta.veredito);
    criaNotaAnalise(planta.lbStatus2);
    criaNotaVar(planta.lbVar);

    // Maximised on a scaled-up laptop screen the two answers side by side are wider than the
    // window and the result under them lower: both answers narrower and lower, the buttons
    // narrower with the wait label at the row's end, the result under the answers closer.
    defineDesenhoCompacto(QSize(Twips::paraPixels(13200), Twips::paraPixels(4620)), [this, planta, barra] {
        QHash<QWidget*, QRect> d;
        for (int i = 0; i < m_filaDeBotoes.size(); ++i)
            d.insert(m_filaDeBotoes[i], geometriaTwips(240 + i * 2760, 120, 2700, 540));
        if (m_aguarde)
            d.insert(m_aguarde, geometriaTwips(240 + int(m_filaDeBotoes.size()) * 2760, 210, 1860, 360));
        d.insert(m_tituloDados, geometriaTwips(240, 780, 6300, 300));
        d.insert(m_txtDadosCaixa, geometriaTwips(240, 1080, 6300, 1860));
        // The comparator's caption keeps the width its text gave it, the model right after it.
        const QRect titulo(QPoint(Twips::paraPixels(6660), Twips::paraPixels(780)), m_tituloComparador->size());
        d.insert(m_tituloComparador, titulo);
        if (m_dispositivo)
            d.insert(m_dispositivo, QRect(QPoint(titulo.right() + 1 + Twips::paraPixels(100), titulo.y()),
                                          m_dispositivo->size()));
        d.insert(m_txtComparadorCaixa, geometriaTwips(6660, 1080, 6300, 1860));
        if (barra)
            d.insert(barra, geometriaTwips(240, 3000, 6300, planta.barra.height()));
        const int xVeredito = qMin(planta.veredito.x(), 5940);
        d.insert(m_lbICRotulo, geometriaTwips(240, 3300, planta.lbIC.width(), planta.lbIC.height()));
        d.insert(m_statusRotulo, geometriaTwips(planta.lbStatus.x(), 3300,
                                                qMin(planta.lbStatus.width(), xVeredito - 60 - planta.lbStatus.x()),
                                                planta.lbStatus.height()));
        d.insert(m_ok, geometriaTwips(xVeredito, 3240, 600, 600));
        d.insert(m_no, geometriaTwips(xVeredito, 3240, 600, 600));
        d.insert(m_notaAnalise, geometriaTwips(240, 3840, 6300, planta.lbStatus2.height()));
        d.insert(m_notaVar, geometriaTwips(6660, 3000, 6300, qMin(planta.lbVar.height(), 1440)));
        return d;
    });
}

QTimer* JanelaTestePlaca::novoTimer(const char* nome, int ms)
{
    auto* t = new QTimer(this);
    t->setObjectName(QLatin1String(nome));
    t->setInterval(ms);
    return t;
}

// ------------------------------------------------------------------ texts

void JanelaTestePlaca::traduzPecas()
{
    setWindowTitle(L(m_chaveTitulo) + QStringLiteral(" - Vexador Tarrim"));
    if (m_aguarde)
        m_aguarde->setText(L(QStringLiteral("Aguarde...")));
    if (m_notaAnalise)
        m_notaAnalise->setText(L(QStringLiteral("ANALISE COMPLETA")));
    if (m_tituloDados)
        m_tituloDados->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    if (m_tituloComparador)
        m_tituloComparador->setText(L(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    if (m_notaVar)
        m_notaVar->setText(L(QStringLiteral("VAR")));
    if (m_dispositivo) {
        m_tituloComparador->adjustSize();
        m_dispositivo->move(m_tituloComparador->x() + m_tituloComparador->width() + Twips::paraPixels(100),
                            m_tituloComparador->y());
    }
}

void JanelaTestePlaca::atualizaDispositivo()
{
    if (!m_dispositivo)
        return;
    m_dispositivo->setText(L(QStringLiteral("Modelo")) + QStringLiteral(": ") + sessao().modelo()
                           + QStringLiteral("  ") + sessao().numeroModelo());
    m_dispositivo->adjustSize();
}

// ------------------------------------------------------------------ the answer and the comparator

void JanelaTestePlaca::defineTxtDados(const QString& texto)
{
    m_txtDados = texto;
    m_txtDadosCaixa->setPlainText(TextoParaTela(texto));
}

void JanelaTestePlaca::consultaComparador(const QString& modelo, const QString& comando)
{
    QString primeiro;
    m_data1->setQuery(ConsultaDados(contexto().dados.banco, modelo, comando));
    if (m_data1->rowCount() > 0)
        primeiro = m_data1->record(0).value(QStringLiteral("Dados")).toString();
    m_txtComparador = primeiro;
    m_txtComparadorCaixa->setPlainText(TextoParaTela(primeiro));
}

void JanelaTestePlaca::consultaComparador()
{
    consultaComparador(sessao().modelo(), comandoMostrado());
}

void JanelaTestePlaca::esvaziaComparador()
{
    consultaComparador(QStringLiteral("xx"), QString()); // "xx" is no model
}

// ------------------------------------------------------------------ result

void JanelaTestePlaca::defineStatus(const QString& texto)
{
    m_status = texto;
    if (m_statusRotulo)
        m_statusRotulo->setText(TextoParaTela(texto));
}

void JanelaTestePlaca::respostaContinuou(qint64 caracteres)
{
    defineStatus(m_status + QStringLiteral("\r\n") + textoRespostaContinuou(caracteres));
}

void JanelaTestePlaca::defineNomeCI(const QString& texto)
{
    m_lbIC = texto;
    if (m_lbICRotulo)
        m_lbICRotulo->setText(texto);
}

void JanelaTestePlaca::mostraNotaAnalise()
{
    if (m_notaAnalise)
        m_notaAnalise->show();
}

void JanelaTestePlaca::escondeVeredito()
{
    if (!m_ok)
        return;
    m_ok->hide();
    m_no->hide();
}

void JanelaTestePlaca::mostraVeredito(bool ok, const QString& leitura)
{
    mostraVereditoTeste(m_ok, m_no, VereditoDe(ok), objectName(), comandoMostrado(), leitura);
}

void JanelaTestePlaca::novaPlaca()
{
    limpaResultado();
    defineTxtDados(QString());
}

void JanelaTestePlaca::limpaResultado()
{
    defineStatus(QString());
    defineNomeCI(QString());
    if (m_notaAnalise)
        m_notaAnalise->hide();
    escondeVeredito();
}

// ------------------------------------------------------------------ waiting and progress

void JanelaTestePlaca::mostraAguarde(const QString& texto)
{
    m_aguarde->setText(texto);
    m_timerAguarde->start();
    m_aguarde->show();
}

void JanelaTestePlaca::mostraAguarde()
{
    mostraAguarde(ligacao().textoEspera());
}

void JanelaTestePlaca::iniciaBarra()
{
    if (!m_barra)
        return;
    m_barra->resize(1, m_barra->height());
    if (m_painelOcupado)
        m_painelOcupado->show();
    m_timerBarra->start();
}

void JanelaTestePlaca::paraBarra()
{
    if (!m_barra)
        return;
    m_timerBarra->stop();
    if (m_painelOcupado)
        m_painelOcupado->hide();
    m_barra->resize(1, m_barra->height());
}

// ------------------------------------------------------------------ test buttons

void JanelaTestePlaca::pedeTeste(int teste)
{
    if (!ligacao().ociosa()) {
        mostraAguarde();
        return;
    }
    limpaResultado();
    m_testeSelecionado = teste;
    PrePesquisa();
}

void JanelaTestePlaca::esperaCancelada()
{
    paraBarra();
}
