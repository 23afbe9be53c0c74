#include "ui/Controles.h"

#include "ui/Twips.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QRegularExpression>
#include <QStyle>

QRect geometriaTwips(int x, int y, int w, int h)
{
    return QRect(Twips::paraPixels(x), Twips::paraPixels(y), Twips::paraPixels(w), Twips::paraPixels(h));
}

QString TextoParaTela(QString texto)
{
    static const QRegularExpression fins(QStringLiteral("\r+\n"));
    texto.replace(fins, QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}

namespace {

// Every window builds its marks anew: a fresh standard icon per mark would leave its images in
// Qt's pixmap cache under a new key each time (about 1 kB a mark, some 10 kB per window opened,
// up to the cache's 10 MB). One pixmap per kind and size, shared by every label.
QHash<int, QPixmap>* pixmapsVeredito = nullptr;

QPixmap pixmapVeredito(bool ok, int lado)
{
    if (!pixmapsVeredito) {
        pixmapsVeredito = new QHash<int, QPixmap>;
        // Released with the application, before the graphics system goes.
        qAddPostRoutine([] {
            delete pixmapsVeredito;
            pixmapsVeredito = nullptr;
        });
    }
    const int chave = lado * 2 + (ok ? 1 : 0);
    auto it = pixmapsVeredito->find(chave);
    if (it == pixmapsVeredito->end()) {
        const QIcon i = QApplication::style()->standardIcon(ok ? QStyle::SP_DialogApplyButton
                                                               : QStyle::SP_DialogCancelButton);
        it = pixmapsVeredito->insert(chave, i.pixmap(lado, lado));
    }
    return *it;
}

} // namespace

QLabel* criaImagemVeredito(const QString& nome, bool ok, QWidget* pai, int lado)
{
    auto* l = new QLabel(pai);
    l->setObjectName(nome);
    l->setPixmap(pixmapVeredito(ok, lado));
    l->setFixedSize(lado, lado);
    l->hide();
    return l;
}

int larguraParaLegenda(const QPushButton* botao)
{
    QStyleOptionButton opcao;
    opcao.initFrom(botao);
    opcao.text = botao->text();
    opcao.icon = botao->icon();
    opcao.iconSize = botao->iconSize();
    opcao.features = botao->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
    const QRect conteudo = botao->style()->subElementRect(QStyle::SE_PushButtonContents, &opcao, botao);
    int precisa = botao->fontMetrics().size(Qt::TextShowMnemonic, botao->text()).width();
    if (!botao->icon().isNull())
        precisa += botao->iconSize().width() + 4;
    return precisa + botao->width() - conteudo.width();
}

void alargaRotulo(QLabel* rotulo, QWidget* vizinho)
{
    const int falta = rotulo->sizeHint().width() - rotulo->width();
    if (falta <= 0)
        return;
    const int folga = vizinho ? qMax(0, vizinho->x() - rotulo->geometry().right() - 1) : 0;
    rotulo->resize(rotulo->width() + falta, rotulo->height());
    if (vizinho && vizinho->x() < rotulo->geometry().right() + 1 + folga) {
        QRect g = vizinho->geometry();
        g.setLeft(rotulo->geometry().right() + 1 + folga);
        vizinho->setGeometry(g);
    }
}

QPlainTextEdit* criaCaixaTexto(const QString& nome, QWidget* pai)
{
    auto* c = new QPlainTextEdit(pai);
    c->setObjectName(nome);
    c->setReadOnly(true);
    c->setLineWrapMode(QPlainTextEdit::NoWrap);
    return c;
}

namespace {
void pinta(QWidget* w, const QColor& cor)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor);
    w->setPalette(p);
}
} // namespace

void pintaFundo(QWidget* w, const QString& corVb)
{
    pinta(w, CorVb(corVb));
}

QLabel* criaRotuloAguarde(QWidget* pai, const QRect& geometria, const QFont& fonte)
{
    auto* l = new QLabel(pai);
    l->setObjectName(QStringLiteral("lbAguarde"));
    l->setGeometry(geometria);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(fonte);
    l->setStyleSheet(QStringLiteral("color: #c00000;"));
    l->hide();
    return l;
}

QLabel* criaBarra(QFrame* moldura, const QColor& cor)
{
    auto* b = new QLabel(moldura);
    b->setObjectName(QStringLiteral("Barra"));
    pinta(b, cor);
    b->setGeometry(1, 1, moldura->width() - 2, moldura->height() - 2);
    return b;
}

void avancaBarra(QLabel* barra, int passo)
{
    int largura = barra->width() + passo;
    if (largura >= passo * 50)
        largura = 1;
    barra->resize(largura, barra->height());
}

QColor corVeredito(Veredito v)
{
    return v == Veredito::NaoGraduado ? QColor() : CorVb(CorVbVeredito(v));
}

namespace {
QIcon desenhaIconeVeredito(Veredito v)
{
    const int lado = 16;
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    QFont f = pintor.font();
    f.setBold(true);
    f.setPixelSize(lado - 2);
    pintor.setFont(f);
    pintor.setPen(v == Veredito::Passa ? QColor(0x1b, 0x7f, 0x2a)
                  : v == Veredito::Falha ? QColor(0xb3, 0x26, 0x1e) : QColor(0x50, 0x50, 0x50));
    pintor.drawText(p.rect(), Qt::AlignCenter, MarcaVeredito(v));
    pintor.end();
    return QIcon(p);
}
} // namespace

QIcon iconeVeredito(Veredito v)
{
    if (v == Veredito::NaoGraduado)
        return QIcon();
    // Drawn once per verdict: a grid asks for the mark of every cell it sizes and paints.
    static QIcon feitos[5];
    QIcon& feito = feitos[int(v)];
    if (feito.isNull())
        feito = desenhaIconeVeredito(v);
    return feito;
}

void pintaVeredito(QWidget* w, Veredito v)
{
    const QColor cor = corVeredito(v);
    w->setAutoFillBackground(cor.isValid());
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor.isValid() ? cor : QApplication::palette().color(QPalette::Window));
    w->setPalette(p);
    w->setToolTip(v == Veredito::NaoGraduado ? QString() : TextoVeredito(v));
    w->setProperty("veredito", NomeVeredito(v));
}

void mostraVereditoTeste(QLabel* ok, QLabel* no, Veredito v, const QString& janela,
                         const QString& item, const QString& leitura)
{
    ok->setVisible(v == Veredito::Passa);
    no->setVisible(v == Veredito::Falha);
    for (QLabel* imagem : {ok, no}) {
        imagem->setToolTip(TextoVeredito(v));
        imagem->setProperty("veredito", NomeVeredito(v));
    }
    AnotaVeredito(janela, item, leitura, QString(), v);
}

namespace {
// Resizes one child with its parent, from the sizes both had when it was asked.
class AcompanhaPai : public QObject {
public:
    AcompanhaPai(QWidget* filho)
        : QObject(filho), m_filho(filho), m_natural(filho->geometry()), m_paiNatural(filho->parentWidget()->size())
    {
        filho->parentWidget()->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Resize && m_filho && o == m_filho->parentWidget()) {
            const QSize pai = m_filho->parentWidget()->size();
            m_filho->setGeometry(m_natural.adjusted(0, 0, pai.width() - m_paiNatural.width(),
                                                    pai.height() - m_paiNatural.height()));
        }
        return false;
    }

private:
    QPointer<QWidget> m_filho;
    QRect m_natural;
    QSize m_paiNatural;
};
} // namespace

void acompanhaPai(QWidget* filho)
{
    new AcompanhaPai(filho);
}
