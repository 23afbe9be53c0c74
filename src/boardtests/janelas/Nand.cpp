#include "boardtests/janelas/Nand.h"

#include "reports/ArquivoRelatorio.h"
#include "boardtests/Nand.h"
#include "boardtests/ProcedimentoNand.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "rails/GradeTrilhas.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "shell/Ligacao.h"
#include "shell/PerfilModelo.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

Nand::Nand(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("Nand"), janelas)
{
    setFixedSize(Twips::paraPixels(12450), Twips::paraPixels(7700));
    QFont negrito = font();
    negrito.setBold(true);

    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("btBl(%1)").arg(i));
        b->setGeometry(geometriaTwips(240, 360 + i * 720, 3600, 600));
        connect(b, &QPushButton::clicked, this, [this, i] { btBl_Click(i); });
        m_btBl[i] = b;
    }
    m_btPdf = new QPushButton(this);
    m_btPdf->setObjectName(QStringLiteral("btPdf"));
    m_btPdf->setGeometry(geometriaTwips(240, 4080, 3600, 600));
    m_btPdf->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    connect(m_btPdf, &QPushButton::clicked, this, &Nand::btPdf_Click);

    m_lbNandRotulo = new QLabel(this);
    m_lbNandRotulo->setObjectName(QStringLiteral("lbNand"));
    m_lbNandRotulo->setGeometry(geometriaTwips(240, 4920, 3600, 600));
    m_lbNandRotulo->setAlignment(Qt::AlignCenter);
    QFont grande = negrito;
    grande.setPointSizeF(grande.pointSizeF() * 1.6);
    m_lbNandRotulo->setFont(grande);

    m_lbStatusRotulo = new QLabel(this);
    m_lbStatusRotulo->setObjectName(QStringLiteral("lbStatus"));
    m_lbStatusRotulo->setGeometry(geometriaTwips(240, 5760, 2880, 480));
    m_lbStatusRotulo->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    m_lbStatusRotulo->setFont(negrito);
    m_ok0 = criaImagemVeredito(QStringLiteral("OK(0)"), true, this);
    m_no0 = criaImagemVeredito(QStringLiteral("NO(0)"), false, this);
    m_ok0->move(Twips::paraPixels(3240), Twips::paraPixels(5760));
    m_no0->move(Twips::paraPixels(3240), Twips::paraPixels(5760));
    m_lbStatus2 = new QLabel(this);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    m_lbStatus2->setGeometry(geometriaTwips(240, 6360, 3600, 1080));
    m_lbStatus2->setWordWrap(true);
    m_lbStatus2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbStatus2->hide();

    m_frame2 = new QGroupBox(this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(geometriaTwips(4080, 120, 8160, 6600));
    auto* lay = new QVBoxLayout(m_frame2);
    m_txtDadosCaixa = new QPlainTextEdit(m_frame2);
    m_txtDadosCaixa->setObjectName(QStringLiteral("txtDados"));
    m_txtDadosCaixa->setReadOnly(true);
    m_txtDadosCaixa->setLineWrapMode(QPlainTextEdit::NoWrap);
    lay->addWidget(m_txtDadosCaixa);

    m_progressBar = new QFrame(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setFrameShape(QFrame::Box);
    m_progressBar->setGeometry(geometriaTwips(4080, 6840, 8160, 300));
    m_barra = criaBarra(m_progressBar, CorVb(Cores::Verde).darker(130));

    m_lbAguarde = criaRotuloAguarde(this, geometriaTwips(4080, 7200, 8160, 360), negrito);

    auto timer = [this](const char* nome, int ms, void (Nand::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(nome));
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    m_timerBarra = timer("TimerBarra", 10, &Nand::TimerBarra_Timer);
    m_timerAguarde = timer("TimerAguarde", 1500, &Nand::TimerAguarde_Timer);

    // Maximised on a scaled-up laptop screen the button column is taller than the window: the
    // buttons make two columns, the capacity and the result under them, the answer beside them.
    defineDesenhoCompacto(QSize(Twips::paraPixels(13200), Twips::paraPixels(4620)), [this] {
        QHash<QWidget*, QRect> d;
        QWidget* botoes[] = {m_btBl[0], m_btBl[1], m_btBl[2], m_btBl[3], m_btBl[4], m_btPdf};
        for (int i = 0; i < 6; ++i)
            d.insert(botoes[i], geometriaTwips(120 + (i % 2) * 3720, 120 + (i / 2) * 720, 3600, 600));
        d.insert(m_lbNandRotulo, geometriaTwips(120, 2280, 3600, 600));
        d.insert(m_lbStatusRotulo, geometriaTwips(3840, 2340, 2880, 480));
        d.insert(m_ok0, QRect(QPoint(Twips::paraPixels(6840), Twips::paraPixels(2340)), m_ok0->size()));
        d.insert(m_no0, QRect(QPoint(Twips::paraPixels(6840), Twips::paraPixels(2340)), m_no0->size()));
        d.insert(m_lbStatus2, geometriaTwips(120, 3000, 7320, 1080));
        d.insert(m_frame2, geometriaTwips(7560, 60, 5520, 3780));
        d.insert(m_progressBar, geometriaTwips(7560, 3900, 5520, 300));
        d.insert(m_lbAguarde, geometriaTwips(7560, 4230, 5520, 360));
        return d;
    });

    // Load: the size is read once; its answer writes the capacity label and gives no verdict.
    m_barra->resize(1, m_barra->height());
    TraduzNand();
    m_tamanho = new ProcedimentoNand(ligacao(), sessao().modelo(), 1, this);
    connect(m_tamanho, &Procedimento::terminou, this, &Nand::tamanhoLido);
    connect(m_tamanho, &Procedimento::enviado, this, &JanelaFilha::esqueceRespostaContinuou);
    if (ligacao().estado() == EstadoLigacao::Ociosa)
        m_tamanho->inicia();
}

// ------------------------------------------------------------------ hooks of the main window

bool Nand::lendo() const
{
    return (m_leitura && m_leitura->emCurso()) || m_tamanho->emCurso();
}

void Nand::traduz()
{
    TraduzNand();
}

void Nand::esperaCancelada()
{
    if (m_leitura && m_leitura->emCurso())
        m_leitura->larga(L(QStringLiteral("Cancelar")));
    ParaBarra();
}

void Nand::TraduzNand()
{
    setWindowTitle(L(QStringLiteral("Testes de Memória Nand")) + QStringLiteral(" - Vexador Tarrim"));
    m_frame2->setTitle(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lbAguarde->setText(L(QStringLiteral("Aguarde...")));
    m_btBl[0]->setText(L(QStringLiteral("Identificação Única NAND")));
    m_btBl[1]->setText(L(QStringLiteral("Tamanho da NAND")));
    m_btBl[2]->setText(L(QStringLiteral("Informações da NAND")));
    m_btBl[3]->setText(QStringLiteral("Test Nand / ") + L(QStringLiteral("Leitura")) + QStringLiteral(" Syscfg"));
    m_btBl[4]->setText(L(QStringLiteral("Tensões")) + QStringLiteral(" NAND"));
    m_btPdf->setText(L(QStringLiteral("PDFs Nand")));
    m_lbStatus2->setText(L(QStringLiteral("ANALISE COMPLETA")));
}

// ------------------------------------------------------------------ text stores

void Nand::defineTxtDados(const QString& texto)
{
    m_txtDados = texto;
    m_txtDadosCaixa->setPlainText(TextoParaTela(texto));
    m_txtDadosCaixa->moveCursor(QTextCursor::End);
}

void Nand::defineLbNand(const QString& texto)
{
    m_lbNand = texto;
    m_lbNandRotulo->setText(texto);
}

void Nand::defineLbStatus(const QString& texto)
{
    m_lbStatus = texto;
    m_lbStatusRotulo->setText(texto);
}

// ------------------------------------------------------------------ buttons

void Nand::btBl_Click(int indice)
{
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        m_lbAguarde->setText(ligacao().textoEspera());
        m_lbAguarde->show();
        m_timerAguarde->start();
        return;
    }
    if (indice < 4 && !ProcedimentoNand::Serve(sessao().modelo(), indice)) {
        MostraMensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    if (indice == 4) {
        abreTensoesNand();
        return;
    }
    if (indice == 3) {
        const auto resposta = dialogos().mensagem(L(QStringLiteral("Processo syscfg")), m_btBl[3]->text(),
                                                  Dialogos::Icone::Pergunta, Dialogos::Botoes::SimNao);
        if (resposta != Dialogos::Resposta::Sim)
            return;
    }
    m_ok0->hide();
    m_no0->hide();
    defineTxtDados(QString());
    defineLbStatus(QString());
    m_lbStatus2->hide();
    m_funcaoNand = indice;
    PrePesquisa();
}

// The VCore grid, shown first (a new one starts with every IC), then asked through the session
// to read narrowed to the NAND supply rails.
void Nand::abreTensoesNand()
{
    if (!janelas().mostra(QStringLiteral("VCores")))
        return;
    sessao().pedeFiltroIcs(QStringLiteral("NAND"));
}

void Nand::PrePesquisa()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    {
        // A reading of its own for the model of now (the board may have changed).
        delete m_leitura;
        m_leitura = new ProcedimentoNand(ligacao(), sessao().modelo(), m_funcaoNand, this);
        connect(m_leitura, &Procedimento::terminou, this, &Nand::leituraTerminou);
        connect(m_leitura, &Procedimento::enviado, this, &JanelaFilha::esqueceRespostaContinuou);
        // The growing answer of "syscfg list" is shown while the phone prints it.
        connect(m_leitura, &Procedimento::parcial, this, [this](const QString& R, const QString&) {
            defineTxtDados(L(QStringLiteral("TESTE 40s")) + R);
        });
    }
    m_leitura->defineFuncao(m_funcaoNand);
    m_barra->resize(1, m_barra->height());
    m_timerBarra->setInterval(10);
    m_timerBarra->start();
    if (m_funcaoNand == 1)
        ParaBarra();
    // The system configuration prints for about 45 s: its bar moves at its own slower pace
    // while the phone prints, whatever the answer's progress.
    if (m_funcaoNand == 3)
        m_timerBarra->setInterval(250);
    if (m_funcaoNand != 1) {
        defineLbStatus(QString());
        m_lbStatus2->hide();
    }
    if (!m_leitura->inicia())
        ParaBarra();
}

void Nand::btPdf_Click()
{
    AbreDocumento(contexto().dados.pasta + QStringLiteral("/xErrosNand.pdf"));
}

// ------------------------------------------------------------------ timers

void Nand::leituraTerminou()
{
    ParaBarra();
    if (m_leitura->fim() != Procedimento::Fim::Concluido)
        return;
    defineTxtDados(m_leitura->respostaA());
    const ModuloNand::Veredicto& v = m_leitura->veredicto();
    if (!v.julgado)
        return; // too short to be judged: nothing is said
    if (v.naoDisponivel) {
        defineTxtDados(L(QStringLiteral("Não disponível para 6/6P")));
        return;
    }
    if (v.erroAntes)
        MostraMensagem(QStringLiteral("MSG_ERRO_NAND"));
    if (v.tipo != ModuloNand::Veredicto::Tipo::Nenhum)
        veredicto(v.tipo == ModuloNand::Veredicto::Tipo::Ok);
    if (v.erroDepois)
        MostraMensagem(QStringLiteral("MSG_ERRO_NAND"));
}

void Nand::veredicto(bool ok)
{
    defineLbStatus(L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
    m_lbStatus2->show();
    mostraVereditoTeste(m_ok0, m_no0, VereditoDe(ok), objectName(), m_leitura->comando(), lbStatus());
    if (m_lbNand.isEmpty())
        defineLbNand(QStringLiteral("NAND"));
}

void Nand::tamanhoLido()
{
    if (m_tamanho->fim() != Procedimento::Fim::Concluido)
        return;
    defineTxtDados(m_tamanho->respostaA());
    if (const auto& rotulo = m_tamanho->capacidade())
        defineLbNand(*rotulo);
}

void Nand::TimerBarra_Timer()
{
    // Fifty steps fill the bar's frame, as wide as the design laid out makes it.
    const int passo = static_cast<int>(std::nearbyint((m_progressBar->width() - 2) / 50.0)); // halves to even
    avancaBarra(m_barra, qMax(1, passo));
}

void Nand::ParaBarra()
{
    m_timerBarra->stop();
    m_barra->resize(1, m_barra->height());
}

void Nand::TimerAguarde_Timer()
{
    m_timerAguarde->stop();
    m_lbAguarde->hide();
}
