#include "boardtests/janelas/Nand.h"

#include "reports/ArquivoRelatorio.h"
#include "boardtests/Nand.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "i18n/Mensagens.h"
#include "rails/GradeTrilhas.h"
#include "rails/janelas/VCores.h"
#include "shell/Globais.h"
#include "shell/Ligacao.h"
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

namespace {

const QString Codigo = QStringLiteral("4");

} // namespace

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
    const int larguraBarra = m_barra->width();

    m_lbAguarde = criaRotuloAguarde(this, geometriaTwips(4080, 7200, 8160, 360), negrito);

    auto timer = [this](const char* nome, int ms, void (Nand::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(nome));
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    m_timerBarra = timer("TimerBarra", 10, &Nand::TimerBarra_Timer);
    m_timerStatus = timer("TimerStatus", 500, &Nand::TimerStatus_Timer);
    m_timerTamanho = timer("TimerTamanho", 500, &Nand::TimerTamanho_Timer);
    m_timerAguarde = timer("TimerAguarde", 1500, &Nand::TimerAguarde_Timer);

    // Load: the size is read once, by TimerTamanho, from the answer to "nandsize".
    m_passoBarra = static_cast<int>(std::nearbyint(larguraBarra / 50.0)); // halves to even
    m_barra->resize(1, m_barra->height());
    m_timerTamanho->start();
    m_contadorNand = 1;
    TraduzNand();
    if (ligacao().estado() == EstadoLigacao::Ociosa)
        solicita(Codigo, ModuloNand::ComandoNand(1));
}

// ------------------------------------------------------------------ hooks of the main window

void Nand::recebeResposta(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    Q_UNUSED(R);
    defineTxtDados(A);
}

void Nand::espelha(const QString& codigo, const QString& R, const QString& A)
{
    Q_UNUSED(codigo);
    Q_UNUSED(A);
    defineTxtDados(L(QStringLiteral("TESTE 40s")) + R);
}

void Nand::traduz()
{
    TraduzNand();
}

void Nand::esperaCancelada()
{
    m_timerStatus->stop();
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
    if (indice == 2 && sessao().modelo().left(4) == QLatin1String("IP 6")) {
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

// The VCore window narrowed to the NAND supply rails.
void Nand::abreTensoesNand()
{
    auto* vcores = janelas().mostra<VCores>(QStringLiteral("VCores"));
    if (!vcores)
        return;
    sessao().defineFiltroIcs(QStringLiteral("NAND"));
    vcores->PrePesquisa();
    vcores->mostraConsulta(ConsultaRailsNand(sessao().modelo()));
}

void Nand::PrePesquisa()
{
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    m_contadorNand = 1;
    m_barra->resize(1, m_barra->height());
    m_timerBarra->setInterval(10);
    m_timerBarra->start();
    if (m_funcaoNand == 1)
        ParaBarra();
    const bool espelhada = m_funcaoNand == 3;
    if (espelhada)
        m_timerBarra->setInterval(250);
    if (m_funcaoNand != 1) {
        defineLbStatus(QString());
        m_lbStatus2->hide();
    }
    if (!solicita(Codigo, ModuloNand::ComandoNand(m_funcaoNand), espelhada)) {
        ParaBarra();
        return;
    }
    m_timerStatus->start();
}

void Nand::btPdf_Click()
{
    AbreDocumento(Globais::instancia().PastaAplicacao + QStringLiteral("/xErrosNand.pdf"));
}

// ------------------------------------------------------------------ timers

void Nand::TimerStatus_Timer()
{
    // A mirrored answer is still growing: nothing is judged until the link is idle.
    if (ligacao().estado() != EstadoLigacao::Ociosa)
        return;
    const ModuloNand::Veredicto v = ModuloNand::AvaliaNand(m_funcaoNand, m_txtDados);
    if (v.julgado) {
        ParaBarra();
        m_timerStatus->stop();
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
        if (v.tipo == ModuloNand::Veredicto::Tipo::Ok)
            return;
    }
    ++m_contadorNand;
    if (m_contadorNand >= 45) {
        m_timerStatus->stop();
        ParaBarra();
    }
}

void Nand::veredicto(bool ok)
{
    defineLbStatus(L(ok ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
    m_lbStatus2->show();
    mostraVereditoTeste(m_ok0, m_no0, VereditoDe(ok), objectName(), ligacao().txtComandos(), lbStatus());
    if (m_lbNand.isEmpty())
        defineLbNand(QStringLiteral("NAND"));
}

void Nand::TimerTamanho_Timer()
{
    if (m_txtDados.size() >= ModuloNand::MinimoTamanho) {
        m_timerTamanho->stop();
        if (const auto texto = ModuloNand::TextoTamanho(m_txtDados))
            if (const auto rotulo = ModuloNand::ClassificaTamanho(*texto))
                defineLbNand(*rotulo);
    }
    ++m_contadorNand;
    if (m_contadorNand >= 30)
        m_timerTamanho->stop();
}

void Nand::TimerBarra_Timer()
{
    avancaBarra(m_barra, m_passoBarra);
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
