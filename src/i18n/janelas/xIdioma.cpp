#include "i18n/janelas/xIdioma.h"

#include "i18n/Dicionario.h"
#include "i18n/Idioma.h"
#include "shell/Globais.h"
#include "shell/janelas/GanchosShell.h"
#include "ui/GerenciadorJanelas.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int Largura = 3600;
constexpr int Altura = 2300;
constexpr int TopoFundo[4] = {0, 360, 840, 1320};
constexpr int AlturaFundo = 420;
constexpr int AlturaBotao = 360;

int tw(int twips)
{
    return Twips::paraPixels(twips);
}
} // namespace

const QStringList& xIdioma::ordemFechamento()
{
    static const QStringList o = {"I2C",     "IC",      "Master",  "Nand",      "Chestnut", "RFs",
                                  "RFs_Esq", "Sobre",   "VCores",  "Displays",  "BuckLdo",  "Tigris",
                                  "Acorn",   "BuckTeste", "Bateria", "Outros",  "PMU"};
    return o;
}

xIdioma::xIdioma(GerenciadorJanelas& janelas, QWidget* principal, std::function<void()> traduzPrincipal)
    : QDialog(principal), m_janelas(janelas), m_principal(principal),
      m_traduzPrincipal(std::move(traduzPrincipal))
{
    setObjectName(QStringLiteral("xIdioma"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(tw(Largura), tw(Altura));

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(tw(120), tw(80), tw(Largura - 240), tw(Altura - 200));

    m_lbFundoIdioma = new QLabel(m_frame1);
    m_lbFundoIdioma->setObjectName(QStringLiteral("lbFundoIdioma"));
    m_lbFundoIdioma->setAutoFillBackground(true);
    QPalette pal = m_lbFundoIdioma->palette();
    pal.setColor(QPalette::Window, QColor(0x3d, 0x8e, 0xd8));
    m_lbFundoIdioma->setPalette(pal);
    m_lbFundoIdioma->setGeometry(tw(120), tw(TopoFundo[1]), tw(Largura - 480), tw(AlturaFundo));

    for (int i = 1; i <= 3; ++i) {
        auto* b = new QPushButton(m_frame1);
        b->setObjectName(QStringLiteral("btIdioma(%1)").arg(i));
        b->setGeometry(tw(240), tw(TopoFundo[i] + (AlturaFundo - AlturaBotao) / 2), tw(Largura - 720),
                       tw(AlturaBotao));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { escolhe(i); });
        m_botoes[i] = b;
    }
    traduz();
    MarcaIdioma();
    CentralizaIdioma();
}

void xIdioma::CentralizaIdioma()
{
    if (!m_principal)
        return;
    const QRect p = m_principal->frameGeometry();
    const int x = p.width() / 2 - width() / 2;
    const int y = p.height() / 2 - tw(1050) - height() / 2;
    move(p.topLeft() + QPoint(x, y));
}

void xIdioma::traduz()
{
    m_frame1->setTitle(L(QStringLiteral("Idiomas disponíveis")) + QStringLiteral(":"));
    setWindowTitle(L(QStringLiteral("Idioma")));
    m_botoes[1]->setText(L(QStringLiteral("PORTUGUÊS")));
    m_botoes[2]->setText(L(QStringLiteral("INGLÊS")));
    m_botoes[3]->setText(L(QStringLiteral("ESPANHOL")));
}

void xIdioma::MarcaIdioma()
{
    const int idioma = Globais::instancia().IdiomaAtual;
    if (idioma < 1 || idioma > 3)
        return;
    m_lbFundoIdioma->move(m_lbFundoIdioma->x(), tw(TopoFundo[idioma]));
}

void xIdioma::escolhe(int idioma)
{
    Globais& g = Globais::instancia();
    for (const QString& nome : ordemFechamento())
        if (g.janelaAberta(nome))
            m_janelas.fecha({nome});
    if (auto& fechaDicas = ganchosShell().fechaDicas)
        fechaDicas();
    g.IdiomaAtual = idioma;
    traduz();
    MarcaIdioma();
    if (m_traduzPrincipal)
        m_traduzPrincipal();
    // A failed store leaves the stored language; the running program uses the new one anyway.
    GravaIdioma(idioma);
}
