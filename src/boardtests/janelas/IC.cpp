#include "boardtests/janelas/IC.h"

#include "boardtests/Ic.h"
#include "boardtests/ProcedimentoIc.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "ui/GerenciadorJanelas.h"

#include <QPushButton>

IC::IC(GerenciadorJanelas& janelas) : JanelaTestePlaca(QStringLiteral("IC"), janelas, QStringLiteral("Testes IC's"))
{
    fixaTamanho(15500, 7700);

    const QList<QPushButton*> botoes = criaFilaDeBotoes(
        {QStringLiteral("btBl(1)"), QStringLiteral("btBl(2)"), QStringLiteral("btTristar"), QStringLiteral("btTigris")});
    m_btBl1 = botoes.at(0);
    m_btBl2 = botoes.at(1);
    m_btTristar = botoes.at(2);
    m_btTigris = botoes.at(3);
    connect(m_btBl1, &QPushButton::clicked, this, [this] { btBl_Click(1); });
    connect(m_btBl2, &QPushButton::clicked, this, [this] { btBl_Click(2); });
    connect(m_btTristar, &QPushButton::clicked, this, &IC::btTristar_Click);
    connect(m_btTigris, &QPushButton::clicked, this, &IC::btTigris_Click);

    criaAguarde(QRect(12840, 360, 2520, 360));

    criaFormularioCI({.xComparador = 7920,
                      .lbIC = QRect(240, 6360, 2040, 480),
                      .lbStatus = QRect(2400, 6360, 3960, 480),
                      .veredito = QPoint(6480, 6300),
                      .lbStatus2 = QRect(240, 6900, 7440, 600),
                      .lbVar = QRect(7920, 6360, 7440, 720)});

    atualizaDispositivo();
    TraduzIC();
}

// ------------------------------------------------------------------ hooks of the main window

bool IC::lendo() const
{
    return m_leitura && m_leitura->emCurso();
}

QString IC::comandoMostrado() const
{
    return m_leitura ? m_leitura->comando() : QString();
}

void IC::atualizaJanelaAberta()
{
    consultaComparador();
    atualizaDispositivo();
}

void IC::traduz()
{
    TraduzIC();
}

void IC::TraduzIC()
{
    traduzPecas();
    m_btTigris->setText(QStringLiteral("TIGRIS ") + L(QStringLiteral("Tensões")));
    const QString prefixo = ModuloIC::PrefixoChip(sessao().modelo());
    m_btTristar->setText(prefixo + L(QStringLiteral("Tensões")));
    m_btBl1->setText(prefixo + L(QStringLiteral("Dados")));
    m_btBl2->setText(prefixo + L(QStringLiteral("Comunicação")));
}

// ------------------------------------------------------------------ buttons

void IC::btBl_Click(int indice)
{
    pedeTeste(indice);
}

void IC::PrePesquisa()
{
    if (!ligacao().ociosa())
        return;
    defineNomeDoTeste(ModuloIC::NomeCI(sessao().modelo()));
    defineTxtDados(QString());
    delete m_leitura;
    m_leitura = new ProcedimentoIc(ligacao(), sessao().modelo(), testeSelecionado(), this);
    connect(m_leitura, &Procedimento::terminou, this, &IC::leituraTerminou);
    connect(m_leitura, &Procedimento::enviado, this, &JanelaFilha::esqueceRespostaContinuou);
    m_leitura->inicia();
}

void IC::esperaCancelada()
{
    if (lendo())
        m_leitura->larga(L(QStringLiteral("Cancelar")));
    JanelaTestePlaca::esperaCancelada();
}

void IC::btTristar_Click()
{
    janelas().mostra(QStringLiteral("Tristar"));
}

void IC::btTigris_Click()
{
    janelas().mostra(QStringLiteral("Tigris"));
}

void IC::leituraTerminou()
{
    if (m_leitura->fim() != Procedimento::Fim::Concluido)
        return;
    contaStatus();
    defineTxtDados(m_leitura->respostaA());
    consultaComparador();
    // An answer too short to be judged says nothing.
    if (m_leitura->veredicto() == ModuloIC::Veredicto::Nenhum)
        return;
    paraBarra();
    defineStatus(m_leitura->status());
    mostraVeredito(m_leitura->veredicto() == ModuloIC::Veredicto::Ok, m_leitura->status());
    mostraNotaAnalise();
    defineNomeCI(nomeCI());
}
