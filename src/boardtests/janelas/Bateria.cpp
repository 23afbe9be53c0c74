#include "boardtests/janelas/Bateria.h"

#include "boardtests/BateriaLeitura.h"
#include "boardtests/ProcedimentoBateria.h"
#include "i18n/Dicionario.h"
#include "shell/Ligacao.h"
#include "ui/Controles.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int Largura = 8940;
constexpr int Altura = 7620;

} // namespace

Bateria::Bateria(GerenciadorJanelas& janelas)
    : JanelaTestePlaca(QStringLiteral("Bateria"), janelas, QStringLiteral("Bateria"))
{
    const QFont negrito = fonteNegrito();

    // The eight values, heading and value side by side.
    for (int i = 0; i < ModuloBateria::NumeroValores; ++i) {
        const int y = 240 + i * 390;
        auto* d = new QLabel(this);
        d->setObjectName(QStringLiteral("Info_Descricao(%1)").arg(i));
        coloca(d, QRect(240, y, 2760, 330));
        d->setFont(negrito);
        auto* v = new QLabel(this);
        v->setObjectName(QStringLiteral("Info(%1)").arg(i));
        coloca(v, QRect(3060, y, 1680, 330));
        v->setFrameShape(QFrame::StyledPanel);
        pintaFundo(v, Cores::Branco);
        m_descricoes << d;
        m_infoRotulos << v;
        m_info << QString();
    }

    m_btBateria = new QPushButton(this);
    m_btBateria->setObjectName(QStringLiteral("btBateria"));
    coloca(m_btBateria, QRect(4980, 240, 3720, 600));
    connect(m_btBateria, &QPushButton::clicked, this, &Bateria::btBateria_Click);

    m_lbLeitura = criaPainelOcupado(QRect(4980, 1020, 3720, 840), QStringLiteral("lbLeitura"), 50);

    m_lbVar = new QLabel(this);
    m_lbVar->setObjectName(QStringLiteral("lbVar"));
    coloca(m_lbVar, QRect(4980, 2040, 3720, 1020));
    m_lbVar->setWordWrap(true);
    m_lbVar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbVar->setFont(negrito);
    m_lbVar->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_lbVar->hide();

    // The first answer and the recorded one.
    QLabel* tituloDados = criaTituloDados(QRect(240, 3480, 4200, 300));
    QPlainTextEdit* dados = criaTxtDados(this, QRect(240, 3780, 4200, 3600));
    QLabel* tituloComparador = criaTituloComparador(QRect(4500, 3480, 4200, 300));
    QPlainTextEdit* comparador = criaTxtComparador(this, QRect(4500, 3780, 4200, 3600));

    // Maximised on a scaled-up laptop screen the answers would go below the window even at a
    // few lines: the values' rows closer, the busy panel and the note under the button closer.
    auto* painel = findChild<QFrame*>(QStringLiteral("FrameVCore"));
    defineDesenhoCompacto(QSize(Twips::paraPixels(Largura), Twips::paraPixels(4500)),
                          [this, painel, tituloDados, dados, tituloComparador, comparador] {
        QHash<QWidget*, QRect> d;
        for (int i = 0; i < m_descricoes.size(); ++i) {
            const int y = 240 + i * 340;
            d.insert(m_descricoes[i], geometriaTwips(240, y, 2760, 320));
            d.insert(m_infoRotulos[i], geometriaTwips(3060, y, 1680, 320));
        }
        d.insert(painel, geometriaTwips(4980, 900, 3720, 840));
        d.insert(m_lbVar, geometriaTwips(4980, 1800, 3720, 1020));
        d.insert(tituloDados, geometriaTwips(240, 3000, 4200, 300));
        d.insert(dados, geometriaTwips(240, 3300, 4200, 1080));
        d.insert(tituloComparador, geometriaTwips(4500, 3000, 4200, 300));
        d.insert(comparador, geometriaTwips(4500, 3300, 4200, 1080));
        return d;
    });


    fixaTamanho(Largura, Altura);
    TraduzBateria();
    if (ligacao().ociosa())
        IniciaLeitura();
}

// ------------------------------------------------------------------ hooks of the main window

bool Bateria::lendo() const
{
    return m_leitura && m_leitura->emCurso();
}

// The recorded answer beside the device's is that of the properties.
QString Bateria::comandoMostrado() const
{
    return ModuloBateria::ComandoPropriedades;
}

void Bateria::traduz()
{
    TraduzBateria();
}

void Bateria::esperaCancelada()
{
    if (lendo())
        m_leitura->larga(L(QStringLiteral("Cancelar")));
    paraBarra();
}

void Bateria::TraduzBateria()
{
    traduzPecas();
    m_btBateria->setText(L(QStringLiteral("Executar Leitura")));
    const QStringList& chaves = ModuloBateria::ChavesTitulos();
    for (int i = 0; i < chaves.size(); ++i)
        m_descricoes.at(i)->setText(L(chaves.at(i)));
    m_lbLeitura->setText(L(QStringLiteral("Realizando Leitura...")));
}

// ------------------------------------------------------------------ reading

void Bateria::btBateria_Click()
{
    if (!ligacao().ociosa())
        return;
    defineTxtDados(QString());
    for (int i = 0; i < ModuloBateria::NumeroValores; ++i)
        defineInfo(i, QString());
    m_lbVar->hide();
    IniciaLeitura();
}

void Bateria::IniciaLeitura()
{
    esvaziaComparador();
    if (lendo())
        return;
    // A reading of its own for the model of now (the board may have changed).
    delete m_leitura;
    m_leitura = new ProcedimentoBateria(ligacao(), sessao().modelo(), ProcedimentoBateria::Leitura::Completa, this);
    connect(m_leitura, &ProcedimentoBateria::propriedadesLidas, this, &Bateria::propriedadesLidas);
    connect(m_leitura, &Procedimento::terminou, this, &Bateria::leituraTerminou);
    connect(m_leitura, &Procedimento::enviado, this, &JanelaFilha::esqueceRespostaContinuou);
    if (!m_leitura->inicia())
        return;
    iniciaBarra();
}

void Bateria::propriedadesLidas()
{
    defineTxtDados(m_leitura->propriedades());
    consultaComparador();
}

// The eight values of the gas gauge.
void Bateria::leituraTerminou()
{
    paraBarra();
    if (!m_leitura->temValores())
        return;
    const ModuloBateria::Valores& v = m_leitura->valores();
    for (int i = 0; i < v.info.size(); ++i) {
        defineInfo(i, v.info.at(i), v.vereditos.at(i));
        AnotaVeredito(objectName(), ModuloBateria::ChavesTitulos().at(i), v.info.at(i), QString(),
                      v.vereditos.at(i));
    }
    if (v.nota) {
        m_lbVar->setText(m_leitura->nota());
        m_lbVar->show();
    }
}

// ------------------------------------------------------------------ views

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
