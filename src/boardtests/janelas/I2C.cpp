#include "boardtests/janelas/I2C.h"

#include "reports/ArquivoRelatorio.h"
#include "boardtests/I2c.h"
#include "shell/EsperaOciosa.h"
#include "boardtests/ProcedimentoI2c.h"
#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "shell/Ligacao.h"
#include "shell/PerfilModelo.h"
#include "ui/Avisos.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cmath>

namespace {

// A row of the automatic test's list: the device's line with its verdict's mark, tint and word,
// and the device's name wherever its verdict is shown (the diagnosis's item).
QListWidgetItem* itemDispositivo(int barramento, const ModuloI2C::Dispositivo& d)
{
    auto* item = new QListWidgetItem(iconeVeredito(d.veredito), d.linha);
    item->setBackground(corVeredito(d.veredito));
    item->setToolTip(TextoVeredito(d.veredito));
    item->setData(Qt::UserRole, NomeVeredito(d.veredito));
    item->setData(I2C::PapelNomeItem, ProcedimentoI2c::NomeItem(barramento, d));
    return item;
}

} // namespace

I2C::I2C(GerenciadorJanelas& janelas) : JanelaFilha(QStringLiteral("I2C"), janelas)
{
    setFixedSize(Twips::paraPixels(17100), Twips::paraPixels(8400));

    for (int i = 0; i < ModuloI2C::NumeroBarramentos; ++i) {
        auto* b = new QPushButton(QStringLiteral("i2c %1").arg(i), this);
        b->setObjectName(QStringLiteral("btI2C(%1)").arg(i));
        b->setGeometry(geometriaTwips(240, 240 + i * 480, 2520, 405));
        connect(b, &QPushButton::clicked, this, [this, i] { btI2C_Click(i); });
        m_btI2C[i] = b;
    }
    m_btAutoTeste = new QPushButton(this);
    m_btAutoTeste->setObjectName(QStringLiteral("btAutoTeste"));
    m_btAutoTeste->setGeometry(geometriaTwips(240, 4200, 2520, 405));
    QFont negrito = m_btAutoTeste->font();
    negrito.setBold(true);
    m_btAutoTeste->setFont(negrito);
    connect(m_btAutoTeste, &QPushButton::clicked, this, &I2C::btAutoTeste_Click);

    m_lbDispositivo = new QLabel(this);
    m_lbDispositivo->setObjectName(QStringLiteral("lbDispositivo"));
    m_lbDispositivo->setAlignment(Qt::AlignCenter);
    m_lbDispositivo->setFont(negrito);

    m_btPdf = new QPushButton(this);
    m_btPdf->setObjectName(QStringLiteral("btPdf"));
    m_btPdf->setGeometry(geometriaTwips(240, 7560, 2520, 600));
    connect(m_btPdf, &QPushButton::clicked, this, &I2C::btPdf_Click);

    // Single-bus result: the lines and, left of them, an indicator per expected device.
    m_frameI = new QFrame(this);
    m_frameI->setObjectName(QStringLiteral("FrameI"));
    m_frameI->setGeometry(geometriaTwips(3000, 120, 8040, 5900));
    m_frameI2C = new QGroupBox(m_frameI);
    m_frameI2C->setObjectName(QStringLiteral("FrameI2C"));
    m_frameI2C->setGeometry(0, 0, m_frameI->width(), m_frameI->height());
    m_lbResultadoRotulo = new QLabel(m_frameI2C);
    m_lbResultadoRotulo->setObjectName(QStringLiteral("lbResultado"));
    m_lbResultadoRotulo->setGeometry(geometriaTwips(600, 240, 7320, 5500));
    m_lbResultadoRotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbResultadoRotulo->setTextFormat(Qt::PlainText);
    for (int k = 0; k < ModuloI2C::Indicadores; ++k) {
        m_ok[k] = criaImagemVeredito(QStringLiteral("ok(%1)").arg(k), true, m_frameI2C, 16);
        m_no[k] = criaImagemVeredito(QStringLiteral("no(%1)").arg(k), false, m_frameI2C, 16);
    }

    // Automatic test: the list of every scanned bus, in the same place.
    m_frameAutoI2C = new QGroupBox(this);
    m_frameAutoI2C->setObjectName(QStringLiteral("FrameAutoI2C"));
    m_frameAutoI2C->setGeometry(m_frameI->geometry());
    m_listView = new QListWidget(m_frameAutoI2C);
    m_listView->setObjectName(QStringLiteral("ListView"));
    m_listView->setGeometry(Twips::paraPixels(120), Twips::paraPixels(300),
                            m_frameAutoI2C->width() - Twips::paraPixels(240),
                            m_frameAutoI2C->height() - Twips::paraPixels(420));
    m_listView->setIconSize(QSize(16, 16));
    m_listView->setSelectionMode(QAbstractItemView::NoSelection);
    m_frameAutoI2C->hide();

    m_progressBar = new QFrame(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setFrameShape(QFrame::Box);
    m_progressBar->setGeometry(geometriaTwips(3000, 6200, 8040, 300));
    m_barra = criaBarra(m_progressBar, CorVb(Cores::Verde).darker(130));
    const int larguraBarra = m_barra->width();
    m_progressBar->hide();

    m_lbAguarde = criaRotuloAguarde(this, geometriaTwips(3000, 6600, 8040, 360), negrito);

    // Right column: the fault list, the no-fault panel and the raw answer.
    m_lbFalhas = new QLabel(QStringLiteral("Possíveis falhas relacionadas ao barramento:"), this);
    m_lbFalhas->setObjectName(QStringLiteral("lbFalhas"));
    m_lbFalhas->setGeometry(geometriaTwips(11280, 120, 5580, 300));
    m_lbFalhas->setWordWrap(true); // two lines in the compact design
    m_txtDadosI2CCaixa = new QPlainTextEdit(this);
    m_txtDadosI2CCaixa->setObjectName(QStringLiteral("txtDadosI2C"));
    m_txtDadosI2CCaixa->setReadOnly(true);
    m_txtDadosI2CCaixa->setGeometry(geometriaTwips(11280, 420, 5580, 2700));
    m_frameResultadoOK = new QFrame(this);
    m_frameResultadoOK->setObjectName(QStringLiteral("FrameResultadoOK"));
    m_frameResultadoOK->setGeometry(geometriaTwips(11280, 3240, 5580, 1080));
    m_frameResultadoOK->setFrameShape(QFrame::StyledPanel);
    pintaFundo(m_frameResultadoOK, Cores::VerdeClaro);
    m_ok[5] = criaImagemVeredito(QStringLiteral("ok(5)"), true, m_frameResultadoOK, 48);
    m_ok[5]->move(Twips::paraPixels(240), (m_frameResultadoOK->height() - 48) / 2);
    m_ok[5]->show();
    m_lbSemFalhas = new QLabel(m_frameResultadoOK);
    m_lbSemFalhas->setGeometry(Twips::paraPixels(240) + 60, 0,
                               m_frameResultadoOK->width() - Twips::paraPixels(240) - 70,
                               m_frameResultadoOK->height());
    m_lbSemFalhas->setFont(negrito);
    m_lbSemFalhas->setWordWrap(true);
    m_frameResultadoOK->hide();

    m_lbDispConectado = new QLabel(this);
    m_lbDispConectado->setObjectName(QStringLiteral("lbDispConectado"));
    m_lbDispConectado->setGeometry(geometriaTwips(11280, 4440, 5580, 300));
    m_txtDadosCaixa = new QPlainTextEdit(this);
    m_txtDadosCaixa->setObjectName(QStringLiteral("txtDados"));
    m_txtDadosCaixa->setReadOnly(true);
    m_txtDadosCaixa->setGeometry(geometriaTwips(11280, 4740, 5580, 3420));

    auto timer = [this](const char* nome, int ms, void (I2C::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(nome));
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    m_timerBarra = timer("TimerBarra", 30, &I2C::TimerBarra_Timer);
    m_timerAguarde = timer("TimerAguarde", 1500, &I2C::TimerAguarde_Timer);

    // The boxes inside the frames follow them when the compact design narrows them.
    for (QWidget* w : {static_cast<QWidget*>(m_frameI2C), static_cast<QWidget*>(m_lbResultadoRotulo),
                       static_cast<QWidget*>(m_listView), static_cast<QWidget*>(m_lbSemFalhas)})
        acompanhaPai(w);
    // Maximised on a scaled-up laptop screen the left column is taller than the window and the
    // three columns wider: the buttons make one row on top (the automatic test where the model
    // puts it), the result and the fault column side by side under it, the fault column narrower.
    defineDesenhoCompacto(QSize(Twips::paraPixels(13140), Twips::paraPixels(4410)), [this] {
        QHash<QWidget*, QRect> d;
        // A bus whose place the automatic test takes lies exactly under it, as in the column.
        const ModuloI2C::Botoes botoes = ModuloI2C::BotoesDoModelo(sessao().modelo());
        int x = 240;
        for (int i = 0; i <= ModuloI2C::NumeroBarramentos; ++i) {
            const bool ehAuto = i == botoes.autoTesteNoTopoDe
                                || (i == ModuloI2C::NumeroBarramentos && botoes.autoTesteNoTopoDe < 0);
            const QRect lugar = geometriaTwips(x, 120, ehAuto ? 1620 : 840, 405);
            if (i < ModuloI2C::NumeroBarramentos)
                d.insert(m_btI2C[i], lugar);
            if (ehAuto) {
                d.insert(m_btAutoTeste, lugar);
                d.insert(m_lbDispositivo, geometriaTwips(x + 1680, 120, 1200, 405));
                x += 1680 + 1260;
            } else if (i < ModuloI2C::NumeroBarramentos) {
                x += 900;
            }
        }
        d.insert(m_btPdf, geometriaTwips(x, 120, 13020 - x, 405)); // the rest of the row
        const QRect resultado = geometriaTwips(240, 600, 7920, 3030);
        d.insert(m_frameI, resultado);
        d.insert(m_frameAutoI2C, resultado);
        d.insert(m_progressBar, geometriaTwips(240, 3690, 7920, 300));
        d.insert(m_lbAguarde, geometriaTwips(240, 3990, 7920, 360));
        d.insert(m_lbFalhas, geometriaTwips(8400, 600, 4620, 540));
        d.insert(m_txtDadosI2CCaixa, geometriaTwips(8400, 1200, 4620, 900));
        d.insert(m_frameResultadoOK, geometriaTwips(8400, 2160, 4620, 1080));
        d.insert(m_lbDispConectado, geometriaTwips(8400, 3300, 4620, 300));
        d.insert(m_txtDadosCaixa, geometriaTwips(8400, 3600, 4620, 750));
        return d;
    });

    // Load.
    OcultaBotoes();
    m_modoAuto = false;
    TraduzI2C();
    if (PerfilModelo::de(sessao().modelo()).familia == PerfilModelo::Familia::Ip6)
        m_btI2C[4]->hide();
    m_passoBarra = static_cast<int>(std::nearbyint(larguraBarra / 50.0)); // halves to even
    m_barra->resize(1, m_barra->height());
}

// ------------------------------------------------------------------ hooks of the main window

bool I2C::lendo() const
{
    return m_leitura && m_leitura->emCurso();
}

void I2C::atualizaJanelaAberta()
{
    atualizaLegendaFrame();
    OcultaBotoes();
}

void I2C::traduz()
{
    TraduzI2C();
}

void I2C::esperaCancelada()
{
    // The answer will not come: nothing to wait for.
    if (!m_modoAuto) {
        if (lendo())
            m_leitura->larga(L(QStringLiteral("Cancelar")));
        paraBarra();
        return;
    }
    continuaAutoTeste();
}

// ------------------------------------------------------------------ layout and captions

void I2C::OcultaBotoes()
{
    for (QPushButton* b : m_btI2C) {
        b->setVisible(true);
        b->setEnabled(true);
    }
    m_btAutoTeste->move(m_btAutoTeste->x(), Twips::paraPixels(4200));
    const QString modelo = sessao().modelo();
    const ModuloI2C::Botoes botoes = ModuloI2C::BotoesDoModelo(modelo);
    for (int i = 0; i < ModuloI2C::NumeroBarramentos; ++i) {
        m_btI2C[i]->setVisible(botoes.visivel[i]);
        m_btI2C[i]->setEnabled(botoes.habilitado[i]);
    }
    if (botoes.autoTesteNoTopoDe >= 0)
        m_btAutoTeste->move(m_btAutoTeste->x(), m_btI2C[botoes.autoTesteNoTopoDe]->y());
    m_lbDispositivo->setText(modelo);
    m_lbDispositivo->setGeometry(m_btAutoTeste->x(), m_btAutoTeste->y() + Twips::paraPixels(600),
                                 m_btAutoTeste->width(), Twips::paraPixels(300));
    refazDesenhoCompacto();
}

void I2C::atualizaLegendaFrame()
{
    m_frameI2C->setTitle(L(QStringLiteral("Resultado do teste:")) + sessao().modelo() + QLatin1Char(' '));
}

void I2C::TraduzI2C()
{
    setWindowTitle(L(QStringLiteral("Testes de Leitura I2C")) + QStringLiteral(" - Vexador Tarrim"));
    atualizaLegendaFrame();
    m_frameAutoI2C->setTitle(L(QStringLiteral("Resultado do Auto Teste:")));
    m_lbDispConectado->setText(L(QStringLiteral("Leitura do dispositivo conectado:")));
    m_btPdf->setText(L(QStringLiteral("Visualizar Diagrama PDF")));
    if (!m_modoAuto)
        m_btAutoTeste->setText(QStringLiteral("Auto ") + L(QStringLiteral("Teste")));
    else
        m_btAutoTeste->setText(L(QStringLiteral("Cancelar")));
    m_lbSemFalhas->setText(L(QStringLiteral("Nenhuma falha detectada em I2C")));
}

// ------------------------------------------------------------------ text stores

void I2C::defineTxtDados(const QString& texto)
{
    m_txtDados = texto;
    m_txtDadosCaixa->setPlainText(TextoParaTela(texto));
}

void I2C::defineTxtDadosI2C(const QString& texto)
{
    m_txtDadosI2C = texto;
    m_txtDadosI2CCaixa->setPlainText(TextoParaTela(texto));
}

void I2C::defineLbResultado(const QString& texto)
{
    m_lbResultado = texto;
    m_lbResultadoRotulo->setText(TextoParaTela(texto));
}

// ------------------------------------------------------------------ single-bus scan

void I2C::btI2C_Click(int indice)
{
    defineTxtDadosI2C(QString());
    m_barra->resize(1, m_barra->height());
    m_frameResultadoOK->hide();
    if (ligacao().estado() != EstadoLigacao::Ociosa) {
        mostraAguarde(ligacao().textoEspera());
        return;
    }
    m_barramentoSelecionado = indice;
    m_frameAutoI2C->hide();
    m_frameI->show();
    iniciaLeitura({indice});
}

void I2C::mostraAguarde(const QString& texto)
{
    m_lbAguarde->setText(texto);
    m_lbAguarde->show();
    m_lbAguarde->raise();
    m_timerAguarde->start();
}

void I2C::iniciaLeitura(const QList<int>& barramentos)
{
    if (m_leitura) {
        m_leitura->disconnect(this);
        m_leitura->larga(L(QStringLiteral("Cancelar")));
        m_leitura->deleteLater();
    }
    m_leitura = new ProcedimentoI2c(ligacao(), sessao().modelo(), contexto().dados.banco, barramentos, this);
    ouveLeitura();
    if (!m_leitura->inicia())
        paraBarra();
}

// The window follows the reading: each scan sent, each bus graded, its end.
void I2C::ouveLeitura()
{
    connect(m_leitura, &Procedimento::enviado, this, &I2C::barramentoEnviado);
    connect(m_leitura, &ProcedimentoI2c::barramentoGraduado, this, &I2C::AvaliaBarramento);
    connect(m_leitura, &Procedimento::terminou, this, &I2C::leituraTerminou);
}

// A scan went out: the previous bus's result leaves the single-bus view.
void I2C::barramentoEnviado()
{
    esqueceRespostaContinuou();
    m_barramentoAtual = m_leitura->barramentoAtual();
    if (m_modoAuto)
        m_indiceAuto = m_barramentoAtual + 1;
    defineTxtDados(QString());
    defineLbResultado(QString());
    for (int k = 0; k < ModuloI2C::Indicadores; ++k) {
        m_ok[k]->hide();
        m_no[k]->hide();
    }
    m_progressBar->show();
    m_timerBarra->start();
}

void I2C::AvaliaBarramento()
{
    const ProcedimentoI2c::Barramento& b = m_leitura->barramentos().constLast();
    if (!b.erro.isEmpty()) {
        dialogos().erroPadrao(b.erro, b.numeroErro);
        paraBarra();
        return;
    }
    defineTxtDados(b.resposta);
    // A scan that printed nothing says nothing about the devices: no verdict is shown.
    if (!b.respondido) {
        if (!m_modoAuto)
            paraBarra();
        return;
    }

    if (m_modoAuto) {
        if (!PerfilModelo::de(sessao().modelo()).novo)
            m_listView->addItem(QStringLiteral(" "));
        m_listView->addItem(QStringLiteral("  I2C ") + QString::number(b.barramento));
    }

    for (const ModuloI2C::Dispositivo& d : b.dispositivos)
        if (!d.conhecido)
            AvisaCodigoDesconhecido(d.id);
    QString resultado = m_lbResultado;
    QString falhas = m_txtDadosI2C;
    for (int k = 0; k < b.dispositivos.size(); ++k) {
        const ModuloI2C::Dispositivo& d = b.dispositivos.at(k);
        resultado += QStringLiteral("\r\n\r\n") + d.linha;
        const QString item = QStringLiteral("I2C %1 %2").arg(b.barramento).arg(d.id);
        if (k < ModuloI2C::Indicadores) {
            mostraVereditoTeste(m_ok[k], m_no[k], d.veredito, objectName(), item, d.status);
            pintaVeredito(d.presente ? m_ok[k] : m_no[k], d.veredito);
        } else {
            AnotaVeredito(objectName(), item, d.status, QString(), d.veredito);
        }
        if (m_modoAuto)
            m_listView->addItem(itemDispositivo(b.barramento, d));
        if (!d.presente)
            ModuloI2C::AcrescentaFalha(falhas, b.barramento, L(QStringLiteral("Falhas i2c")));
    }
    defineLbResultado(resultado);
    defineTxtDadosI2C(falhas);
    posicionaIndicadores();
    if (m_modoAuto)
        m_listView->scrollToBottom();

    if (!m_modoAuto && m_txtDadosI2C.isEmpty())
        mostraSemFalhas();
    if (m_frameAutoI2C->isHidden())
        paraBarra();
}

void I2C::leituraTerminou()
{
    const Procedimento::Fim fim = m_leitura->fim();
    if (!m_modoAuto) {
        if (fim != Procedimento::Fim::Concluido)
            paraBarra();
        return;
    }
    switch (fim) {
    case Procedimento::Fim::Concluido:
        m_indiceAuto = m_indiceFinalAuto;
        FinalizaAutoTeste();
        break;
    case Procedimento::Fim::SemResposta:
        continuaAutoTeste();
        break;
    case Procedimento::Fim::LigacaoPerdida:
        // Only a link that is gone ends it, keeping the rows scanned so far.
        interrompeAutoTeste();
        break;
    default:
        break;
    }
}

// A one-off read error costs the automatic test that bus, as a bus that never answers does:
// it goes on with the next ones once the link is idle again.
void I2C::continuaAutoTeste()
{
    if (!m_leitura)
        return;
    const QList<int> pedidos = m_leitura->barramentosPedidos();
    const qsizetype feitos = qMin<qsizetype>(m_leitura->barramentos().size() + 1, pedidos.size());
    const QList<int> resto = pedidos.mid(feitos);
    if (m_leitura->emCurso()) {
        m_leitura->disconnect(this);
        m_leitura->larga(L(QStringLiteral("Cancelar")));
        ouveLeitura();
    }
    if (resto.isEmpty()) {
        m_indiceAuto = m_indiceFinalAuto;
        FinalizaAutoTeste();
        return;
    }
    m_leitura->defineBarramentos(resto);
    QuandoOciosa(ligacao(), m_leitura, [this](bool ociosa) {
        if (!m_modoAuto || lendo())
            return;
        if (ociosa && m_leitura->inicia())
            return;
        interrompeAutoTeste();
    });
}

void I2C::paraAutoTeste()
{
    m_modoAuto = false;
    paraBarra();
    m_btAutoTeste->setText(QStringLiteral("Auto ") + L(QStringLiteral("Teste")));
}

// The automatic test ends before its last bus (the link went down or refused the next scan):
// the list says so under the rows scanned so far.
void I2C::interrompeAutoTeste()
{
    paraAutoTeste();
    m_listView->addItem(QString());
    m_listView->addItem(L(QStringLiteral("Teste interrompido")));
    m_listView->scrollToBottom();
}

// Each indicator sits beside its line: line k is the (2 + 2k)-th row of lbResultado.
void I2C::posicionaIndicadores()
{
    const QFontMetrics fm(m_lbResultadoRotulo->font());
    const int passo = fm.lineSpacing();
    for (int k = 0; k < ModuloI2C::Indicadores; ++k) {
        const int y = m_lbResultadoRotulo->y() + (2 + 2 * k) * passo + (passo - m_ok[k]->height()) / 2;
        m_ok[k]->move(Twips::paraPixels(240), y);
        m_no[k]->move(Twips::paraPixels(240), y);
    }
}

void I2C::mostraSemFalhas()
{
    defineTxtDadosI2C(ModuloI2C::TextoSemFalhas(L(QStringLiteral("Nenhuma falha detectada em I2C"))));
    m_frameResultadoOK->show();
}

void I2C::paraBarra()
{
    m_timerBarra->stop();
    m_progressBar->hide();
}

// ------------------------------------------------------------------ automatic test

void I2C::btAutoTeste_Click()
{
    defineTxtDadosI2C(QString());
    m_frameResultadoOK->hide();
    if (m_btAutoTeste->text().startsWith(QLatin1Char('C'))) {
        if (lendo())
            m_leitura->larga(L(QStringLiteral("Cancelar")));
        paraAutoTeste();
        return;
    }
    const EstadoLigacao estado = ligacao().estado();
    if (estado == EstadoLigacao::Ociosa) {
        m_barramentoSelecionado = 99;
        IniciaAutoTeste();
    } else if (estado != EstadoLigacao::Desconectada) {
        m_lbAguarde->show();
        m_lbAguarde->raise();
        m_timerAguarde->start();
    }
}

void I2C::IniciaAutoTeste()
{
    m_listView->clear();
    m_indiceAuto = 0;
    m_modoAuto = true;
    m_frameAutoI2C->show();
    m_frameI->hide();
    m_btAutoTeste->setText(L(QStringLiteral("Cancelar")));
    m_barra->resize(1, m_barra->height());
    m_progressBar->show();
    m_timerBarra->start();
    // The buses the buttons offer, in the order the automatic test goes through them.
    std::array<bool, ModuloI2C::NumeroBarramentos> visivel{}, habilitado{};
    for (int i = 0; i < ModuloI2C::NumeroBarramentos; ++i) {
        visivel[i] = !m_btI2C[i]->isHidden();
        habilitado[i] = m_btI2C[i]->isEnabled();
    }
    QList<int> barramentos;
    int indice = 0;
    for (int passo = 0; passo < 4 * ModuloI2C::NumeroBarramentos; ++passo) {
        const ModuloI2C::PassoAuto p = ModuloI2C::PassoAutoTeste(indice, visivel, habilitado);
        if (p.varre >= 0)
            barramentos << p.varre;
        indice = p.proximo;
        if (p.finaliza)
            break;
    }
    m_indiceFinalAuto = indice;
    iniciaLeitura(barramentos);
}

void I2C::FinalizaAutoTeste()
{
    m_modoAuto = false;
    paraBarra();
    if (m_txtDadosI2C.isEmpty())
        mostraSemFalhas();
    m_btAutoTeste->setText(L(QStringLiteral("Auto Teste")));
    m_listView->addItem(QString());
    m_listView->addItem(L(QStringLiteral("Teste Finalizados")) + QStringLiteral("  "));
    m_listView->scrollToBottom();
}

// ------------------------------------------------------------------ progress, wait, diagram

void I2C::TimerBarra_Timer()
{
    avancaBarra(m_barra, m_passoBarra);
}

void I2C::TimerAguarde_Timer()
{
    m_timerAguarde->stop();
    m_lbAguarde->hide();
}

void I2C::btPdf_Click()
{
    const QString arquivo = ModuloI2C::ArquivoDiagrama(sessao().modelo());
    if (arquivo.isEmpty())
        return;
    const QString caminho = contexto().dados.pasta + QLatin1Char('/') + arquivo;
    AbreDocumento(caminho);
}
