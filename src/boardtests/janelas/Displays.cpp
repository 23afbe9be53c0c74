#include "boardtests/janelas/Displays.h"

#include "boardtests/DisplayTestes.h"
#include "boardtests/ProcedimentoDisplay.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

constexpr int Largura = 9900;
constexpr int Altura = 8065; // fits the area of a 1366 x 768 screen

// Swatch colours (free: they only have to look like the colour they send).
QString corDaAmostra(const QString& nome)
{
    static const QHash<QString, QString> c = {
        {"Cor_Amarelo", "#ffff00"}, {"Cor_Azul", "#0000ff"}, {"Cor_Branco", "#ffffff"},
        {"Cor_Cinza", "#808080"},   {"Cor_Cyan", "#00ffff"}, {"Cor_Preto", "#000000"},
        {"Cor_Rosa", "#ff00ff"},    {"Cor_Verde", "#00c000"}, {"Cor_Vermelho", "#ff0000"},
    };
    return c.value(nome, QStringLiteral("#ffffff"));
}

} // namespace

Displays::Displays(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Displays"), janelas)
{
    QFont negrito = font();
    negrito.setBold(true);

    // Left column: the nine buttons. 6 and 7 share a place: only one of them shows. Rows are
    // tight enough for the whole window to fit a 1366 x 768 screen's area without scrolling.
    static const int linha[ModuloDisplay::NumeroBotoes] = {0, 1, 2, 3, 4, 5, 6, 6, 7};
    for (int i = 0; i < ModuloDisplay::NumeroBotoes; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("btBl(%1)").arg(i));
        b->setGeometry(geometriaTwips(240, 240 + linha[i] * 500, 3360, 450));
        connect(b, &QPushButton::clicked, this, [this, i] { btBl_Click(i); });
        m_btBl << b;
    }

    // Backlight level slider.
    m_lbInfoLevel = new QLabel(this);
    m_lbInfoLevel->setObjectName(QStringLiteral("lbInfoLevel"));
    m_lbInfoLevel->setGeometry(geometriaTwips(240, 4360, 1800, 300));
    m_lbInfoLevel->setFont(negrito);
    m_lbNivel = new QLabel(this);
    m_lbNivel->setGeometry(geometriaTwips(2400, 4360, 1200, 300));
    m_lbNivel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_slider1 = new QSlider(Qt::Horizontal, this);
    m_slider1->setObjectName(QStringLiteral("Slider1"));
    m_slider1->setRange(0, 100);
    m_slider1->setValue(70);
    m_slider1->setTickPosition(QSlider::TicksBelow);
    m_slider1->setTickInterval(10);
    m_slider1->setGeometry(geometriaTwips(240, 4660, 3360, 480));
    m_lbNivel->setText(QStringLiteral("70 %"));
    connect(m_slider1, &QSlider::valueChanged, this,
            [this](int v) { m_lbNivel->setText(QString::number(v) + QStringLiteral(" %")); });
    // Every level the user sets is sent once: by the mouse (dragging the handle, or holding it
    // on the track) when the button is let go; by the wheel and the keys once they stop.
    m_timerNivel = new QTimer(this);
    m_timerNivel->setObjectName(QStringLiteral("TimerNivel"));
    m_timerNivel->setSingleShot(true);
    m_timerNivel->setInterval(400);
    connect(m_timerNivel, &QTimer::timeout, this, &Displays::Slider1_MouseUp);
    connect(m_slider1, &QSlider::actionTriggered, this, [this] {
        if (!m_botaoNoSlider && !m_slider1->isSliderDown())
            m_timerNivel->start();
    });
    // A mouse gesture (a click or a hold on the track, a drag of the handle) sends when the
    // button is let go, if it changed the level: a click pages the level at the press itself,
    // so waiting for the slider's own release or repeat signals would miss it.
    m_slider1->installEventFilter(this);

    // Colour swatches and the text written on the phone.
    m_frameCores = new QGroupBox(this);
    m_frameCores->setObjectName(QStringLiteral("FrameCores"));
    m_frameCores->setGeometry(geometriaTwips(240, 5320, 3360, 2460));
    const auto& cores = ModuloDisplay::Cores();
    for (int i = 0; i < cores.size(); ++i) {
        auto* l = new QLabel(m_frameCores);
        l->setObjectName(cores.at(i).nome);
        l->setGeometry(geometriaTwips(180 + (i % 3) * 1040, 360 + (i / 3) * 560, 940, 460));
        l->setFrameShape(QFrame::Box);
        l->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #404040;")
                             .arg(corDaAmostra(cores.at(i).nome)));
        l->setCursor(Qt::PointingHandCursor);
        l->setToolTip(cores.at(i).sufixo.section(QLatin1Char(' '), 2, 2, QString::SectionSkipEmpty));
        l->installEventFilter(this);
        m_cores << l;
    }
    m_txtTextoCores = new QLineEdit(QStringLiteral("Vexador_Tarrim"), m_frameCores);
    m_txtTextoCores->setObjectName(QStringLiteral("txt_Texto_Cores"));
    m_txtTextoCores->setGeometry(geometriaTwips(180, 2000, 3020, 340));

    // Right: the device's answer and the notes.
    m_lblLabel0 = new QLabel(this);
    m_lblLabel0->setObjectName(QStringLiteral("lblLabel(0)"));
    m_lblLabel0->setGeometry(geometriaTwips(3840, 240, 5820, 300));
    m_lblLabel0->setFont(negrito);
    m_txtDadosCaixa = new QPlainTextEdit(this);
    m_txtDadosCaixa->setObjectName(QStringLiteral("txtDados"));
    m_txtDadosCaixa->setReadOnly(true);
    m_txtDadosCaixa->setGeometry(geometriaTwips(3840, 540, 5820, 6760));

    m_lbAguarde = criaRotuloAguarde(this, geometriaTwips(3840, 7360, 5820, 360), negrito);
    m_lbAguarde->setText(QStringLiteral("Aguarde..."));

    m_timerAguarde = new QTimer(this);
    m_timerAguarde->setObjectName(QStringLiteral("TimerAguarde"));
    m_timerAguarde->setInterval(1500);
    connect(m_timerAguarde, &QTimer::timeout, this, &Displays::TimerAguarde_Timer);

    // Maximised on a scaled-up laptop screen the buttons, the level and the colours do not fit
    // under each other: the level and the colours go beside the buttons, the answer right of them.
    defineDesenhoCompacto(QSize(Twips::paraPixels(13080), Twips::paraPixels(4410)), [this] {
        return QHash<QWidget*, QRect>{
            {m_lbInfoLevel, geometriaTwips(3840, 240, 1800, 300)},
            {m_lbNivel, geometriaTwips(6000, 240, 1200, 300)},
            {m_slider1, geometriaTwips(3840, 540, 3360, 480)},
            {m_frameCores, geometriaTwips(3840, 1140, 3360, 2460)},
            {m_lblLabel0, geometriaTwips(7440, 240, 5400, 300)},
            {m_txtDadosCaixa, geometriaTwips(7440, 540, 5400, 3420)},
            {m_lbAguarde, geometriaTwips(7440, 4020, 5400, 360)},
        };
    });

    // Load.
    AplicaConjuntoBotoes();
    CentralizaDisplays();
    TraduzDisplays();
}

// ------------------------------------------------------------------ hooks of the main window

bool Displays::lendo() const
{
    return m_leitura && m_leitura->emCurso();
}

bool Displays::envia(const QString& comando)
{
    if (lendo() || !ligacao().ociosa())
        return false; // the command in flight keeps its answer
    delete m_leitura;
    m_leitura = new ProcedimentoDisplay(ligacao(), comando, this);
    connect(m_leitura, &Procedimento::enviado, this, &JanelaFilha::esqueceRespostaContinuou);
    // The answer, under the note to look at the screen.
    connect(m_leitura, &Procedimento::terminou, this, [this] {
        if (m_leitura->fim() == Procedimento::Fim::Concluido)
            defineTxtDados(ModuloDisplay::NotaResposta(m_leitura->respostaA(), hora()));
    });
    return m_leitura->inicia();
}

void Displays::atualizaJanelaAberta()
{
    AplicaConjuntoBotoes();
}

void Displays::traduz()
{
    TraduzDisplays();
    AplicaConjuntoBotoes();
}

void Displays::TraduzDisplays()
{
    m_lbAguarde->setText(L(QStringLiteral("Aguarde...")));
    setWindowTitle(L(QStringLiteral("Testes de Display")) + QStringLiteral(" - Vexador Tarrim"));
    const auto conjunto = ModuloDisplay::ConjuntoBotoes(sessao().modelo());
    for (int i : {2, 3, 4, 5, 8})
        m_btBl[i]->setText(conjunto.at(i).legenda);
    m_lbInfoLevel->setText(L(QStringLiteral("Nível")) + QStringLiteral(":"));
    m_lblLabel0->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_frameCores->setTitle(L(QStringLiteral("Cores")) + QStringLiteral(":"));
}

void Displays::CentralizaDisplays()
{
    setFixedSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura));
    if (QWidget* moldura = parentWidget()) {
        moldura->adjustSize();
        centraliza();
    }
}

void Displays::AplicaConjuntoBotoes()
{
    const auto conjunto = ModuloDisplay::ConjuntoBotoes(sessao().modelo());
    for (int i : {0, 1, 6, 7}) {
        m_btBl[i]->setText(conjunto.at(i).legenda);
        m_btBl[i]->setVisible(conjunto.at(i).visivel);
    }
}

// ------------------------------------------------------------------ actions

void Displays::btBl_Click(int indice)
{
    if (indice == ModuloDisplay::BotaoChestnut) {
        janelas().mostra(QStringLiteral("Chestnut"));
        return;
    }
    if (indice == ModuloDisplay::BotaoAcorn) {
        janelas().mostra(QStringLiteral("Acorn"));
        return;
    }
    const QString comando = ModuloDisplay::ComandoBotao(indice);
    if (comando.isEmpty())
        return;
    if (!envia(comando))
        MostraAguarde();
}

void Displays::Slider1_MouseUp()
{
    const EstadoLigacao estado = ligacao().estado();
    if (estado == EstadoLigacao::Ociosa) {
        envia(ProcedimentoDisplay::ComandoNivel(m_slider1->value()));
    } else if (estado == EstadoLigacao::Conectando || estado == EstadoLigacao::Ocupada) {
        // The label keeps whatever caption it had last.
        m_timerAguarde->start();
        m_lbAguarde->show();
    }
}

void Displays::Cor_Click(const QString& nome)
{
    const QString sufixo = ModuloDisplay::SufixoCor(nome);
    if (sufixo.isEmpty() || !PreparaTesteCor())
        return;
    // The colour commands keep the requester code as it is: their answer goes to no window,
    // so the note written by PreparaTesteCor stays.
    solicita(SemRequisitante, ModuloDisplay::ComandoCor(m_txtTextoCores->text(), sufixo));
}

bool Displays::PreparaTesteCor()
{
    if (ModuloDisplay::CorRecusada(sessao().modelo())) {
        MostraMensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return false;
    }
    m_txtTextoCores->setText(ModuloDisplay::TextoCor(m_txtTextoCores->text()));
    const bool pronto = ligacao().estado() == EstadoLigacao::Ociosa;
    if (!pronto)
        MostraAguarde();
    else if (lendo())
        m_leitura->disconnect(this); // answered already: the colour's note replaces it
    defineTxtDados(ModuloDisplay::NotaCor(hora()));
    return pronto;
}

void Displays::MostraAguarde()
{
    m_lbAguarde->setText(ligacao().estado() == EstadoLigacao::Desconectada ? L(QStringLiteral("Desconectado"))
                                                                  : L(QStringLiteral("Aguarde...")));
    m_timerAguarde->start();
    m_lbAguarde->show();
}

void Displays::TimerAguarde_Timer()
{
    m_timerAguarde->stop();
    m_lbAguarde->hide();
}

bool Displays::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == m_slider1) {
        const auto tipo = evento->type();
        if (tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonDblClick) {
            if (!m_botaoNoSlider) {
                m_botaoNoSlider = true;
                m_nivelAoTocar = m_slider1->value();
                m_timerNivel->stop();
            }
        } else if (tipo == QEvent::MouseButtonRelease && m_botaoNoSlider) {
            m_botaoNoSlider = false;
            // After the slider's own handling of the release, which may still move the handle.
            QTimer::singleShot(0, this, [this] {
                if (m_slider1->value() != m_nivelAoTocar)
                    Slider1_MouseUp();
            });
        }
        return JanelaFilha::eventFilter(objeto, evento);
    }
    if (evento->type() == QEvent::MouseButtonRelease) {
        auto* amostra = qobject_cast<QLabel*>(objeto);
        if (amostra && m_cores.contains(amostra)
            && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
            Cor_Click(amostra->objectName());
            return true;
        }
    }
    return JanelaFilha::eventFilter(objeto, evento);
}

// ------------------------------------------------------------------ text store

void Displays::defineTxtDados(const QString& texto)
{
    m_txtDados = texto;
    m_txtDadosCaixa->setPlainText(TextoParaTela(texto));
}

QString Displays::hora() const
{
    return ModuloDisplay::Hora(dialogos().agora().time());
}
