#include "app/janelas/xIdioma.h"

#include "i18n/Dicionario.h"
#include "db/IdiomaBanco.h"
#include "i18n/janelas/TraducoesQt.h"
#include "i18n/IdiomaAtivo.h"
#include "ui/Controles.h"
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
    setFixedSize(Twips::paraPixels(Largura), Twips::paraPixels(Altura));

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(geometriaTwips(120, 80, Largura - 240, Altura - 200));

    m_lbFundoIdioma = new QLabel(m_frame1);
    m_lbFundoIdioma->setObjectName(QStringLiteral("lbFundoIdioma"));
    m_lbFundoIdioma->setAutoFillBackground(true);
    QPalette pal = m_lbFundoIdioma->palette();
    pal.setColor(QPalette::Window, QColor(0x3d, 0x8e, 0xd8));
    m_lbFundoIdioma->setPalette(pal);
    m_lbFundoIdioma->setGeometry(geometriaTwips(120, TopoFundo[1], Largura - 480, AlturaFundo));

    for (int i = 1; i <= 3; ++i) {
        auto* b = new QPushButton(m_frame1);
        b->setObjectName(QStringLiteral("btIdioma(%1)").arg(i));
        b->setGeometry(geometriaTwips(240, TopoFundo[i] + (AlturaFundo - AlturaBotao) / 2, Largura - 720, AlturaBotao));
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
    const int y = p.height() / 2 - Twips::paraPixels(1050) - height() / 2;
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
    const int idioma = IdiomaAtual();
    if (idioma < 1 || idioma > 3)
        return;
    m_lbFundoIdioma->move(m_lbFundoIdioma->x(), Twips::paraPixels(TopoFundo[idioma]));
}

void xIdioma::escolhe(int idioma)
{
    for (const QString& nome : ordemFechamento())
        m_janelas.fecha({nome});
    emit idiomaVaiMudar();
    DefineIdioma(idioma);
    AplicaIdiomaAoQt(idioma);
    // What stays open (the whole-board diagnosis, which may be running) follows the language.
    m_janelas.traduzAbertas();
    traduz();
    MarcaIdioma();
    if (m_traduzPrincipal)
        m_traduzPrincipal();
    // A failed store leaves the stored language; the running program uses the new one anyway.
    GravaIdioma(m_janelas.contexto().dados.banco, idioma);
}
