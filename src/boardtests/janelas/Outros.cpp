#include "boardtests/janelas/Outros.h"

#include "boardtests/OutrosTestes.h"
#include "boardtests/ProcedimentoOutros.h"
#include "i18n/Dicionario.h"
#include "reports/janelas/PublicacaoRelatorio.h"
#include "reports/ArquivoRelatorio.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int Largura = 15495;
constexpr int Altura = 8085;

} // namespace

Outros::Outros(GerenciadorJanelas& janelas)
    : JanelaTestePlaca(QStringLiteral("Outros"), janelas, QStringLiteral("Testes Adicionais"))
{
    const QList<QPushButton*> botoes = criaFilaDeBotoes(
        {QStringLiteral("btBl(5)"), QStringLiteral("btBl(6)"), QStringLiteral("btBateria"), QStringLiteral("btPanicFull")});
    m_btBl5 = botoes.at(0);
    m_btBl6 = botoes.at(1);
    m_btBateria = botoes.at(2);
    m_btPanicFull = botoes.at(3);
    m_btPanicFull->setText(QStringLiteral("PDF Panic Full"));
    connect(m_btBl5, &QPushButton::clicked, this, [this] { btBl_Click(ModuloOutros::TesteRam); });
    connect(m_btBl6, &QPushButton::clicked, this, [this] { btBl_Click(ModuloOutros::TesteRam1MB); });
    connect(m_btBateria, &QPushButton::clicked, this, &Outros::btBateria_Click);
    connect(m_btPanicFull, &QPushButton::clicked, this, &Outros::btPanicFull_Click);

    criaAguarde(QRect(12720, 360, 2520, 360));

    criaFormularioCI({.xComparador = 7800,
                      .lbIC = QRect(240, 6720, 1440, 480),
                      .lbStatus = QRect(1800, 6720, 3960, 480),
                      .veredito = QPoint(5880, 6660),
                      .lbStatus2 = QRect(240, 7260, 7440, 600),
                      .lbVar = QRect(7800, 6300, 7440, 1440),
                      .barra = QRect(240, 6300, 7440, 240),
                      .msBarra = 30});

    fixaTamanho(Largura, Altura);
    atualizaDispositivo();
    TraduzOutros();
}

// ------------------------------------------------------------------ hooks of the main window

bool Outros::lendo() const
{
    return m_leitura && m_leitura->emCurso();
}

QString Outros::comandoMostrado() const
{
    return m_leitura ? m_leitura->comando() : QString();
}

void Outros::esperaCancelada()
{
    if (lendo())
        m_leitura->larga(L(QStringLiteral("Cancelar")));
    JanelaTestePlaca::esperaCancelada();
}

void Outros::atualizaJanelaAberta()
{
    consultaComparador();
    atualizaDispositivo();
}

void Outros::traduz()
{
    TraduzOutros();
}

void Outros::TraduzOutros()
{
    traduzPecas();
    m_btBl5->setText(ModuloOutros::LegendaTeste(ModuloOutros::TesteRam));
    m_btBl6->setText(ModuloOutros::LegendaTeste(ModuloOutros::TesteRam1MB));
    m_btBateria->setText(L(QStringLiteral("Bateria")).toUpper() + QLatin1Char(' ')
                         + L(QStringLiteral("Informações")));
}

// ------------------------------------------------------------------ buttons

void Outros::btBl_Click(int indice)
{
    pedeTeste(indice);
}

void Outros::PrePesquisa()
{
    if (!ligacao().ociosa())
        return;
    const ModuloOutros::Teste t = ModuloOutros::teste(testeSelecionado());
    if (t.comando.isEmpty())
        return;
    iniciaBarra();
    defineNomeDoTeste(t.nomeCI);
    defineTxtDados(t.espelho ? L(QStringLiteral("TESTE 15s")) : QString());
    delete m_leitura;
    m_leitura = new ProcedimentoOutros(ligacao(), testeSelecionado(), this);
    connect(m_leitura, &Procedimento::terminou, this, &Outros::leituraTerminou);
    connect(m_leitura, &Procedimento::enviado, this, &JanelaFilha::esqueceRespostaContinuou);
    // The long test's answer is shown as it grows, under its note.
    connect(m_leitura, &Procedimento::parcial, this,
            [this](const QString&, const QString& A) { defineTxtDados(ModuloOutros::Espelho(A)); });
    if (!m_leitura->inicia())
        paraBarra();
}

void Outros::btBateria_Click()
{
    janelas().mostra(QStringLiteral("Bateria"));
    janelas().fecha({objectName()});
}

void Outros::btPanicFull_Click()
{
    AbreDocumento(ModuloOutros::CaminhoPdfPanic(contexto().dados.pasta));
}

void Outros::leituraTerminou()
{
    paraBarra();
    if (m_leitura->fim() != Procedimento::Fim::Concluido)
        return;
    contaStatus();
    defineTxtDados(m_leitura->respostaA());
    consultaComparador();
    // An answer too short to be judged says nothing.
    if (!m_leitura->julgado())
        return;
    defineStatus(m_leitura->status());
    imagemVeredito(m_leitura->passou())->show();
    mostraNotaAnalise();
    defineNomeCI(nomeCI());
}
