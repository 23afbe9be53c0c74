#pragma once
#include <QHash>
#include <QLayout>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <functional>

// The layout of a window whose controls sit at fixed positions (its design in twips): at its
// natural size the controls stay where the window put them; a larger frame gives the extra room
// to the grids, lists and text boxes, and every other control keeps its size and its top-left
// corner moves with the column and row it sits in. A frame lower than the natural size takes the
// height from the grids, lists and text boxes the same way, down to a few lines each, so the
// controls below them stay in view (a scaled-up laptop screen); nothing narrows below the natural
// width (a scroll area around the window reaches what a smaller frame hides). Controls keep
// their natural size when the frame is back at the natural size, so a window may still move its
// controls while it is at that size.
//
// A window may give a second, compact design for a frame in which the natural one would scroll
// (narrower than it, or lower than its grids can give) and that is as wide as the compact one:
// its controls placed anew in a lower size, asked each time the layout is set (so it follows what
// the window shows). That design is then the base, stretched and shrunk the same way; a control
// it does not place keeps its natural place.
class LayoutElastico : public QLayout {
public:
    using DesenhoCompacto = std::function<QHash<QWidget*, QRect>()>;

    explicit LayoutElastico(QWidget* pai);
    ~LayoutElastico() override;

    void defineTamanhoNatural(QSize tamanho);
    QSize tamanhoNatural() const { return m_natural; }
    void defineDesenhoCompacto(QSize tamanho, DesenhoCompacto desenho);
    bool emCompacto() const { return m_emCompacto; }
    // Whether the frame is wide enough for the compact design (the window tells on each resize):
    // the minimum size is then the compact design's.
    void permiteCompacto(bool permite);
    // Lays the compact design out again after the window changed what it shows.
    void refazCompacto();

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int indice) const override;
    QLayoutItem* takeAt(int indice) override;
    int count() const override { return static_cast<int>(m_itens.size()); }
    QSize sizeHint() const override { return m_natural; }
    QSize minimumSize() const override;
    void setGeometry(const QRect& r) override;

private:
    struct Controle {
        QPointer<QWidget> widget;
        QRect natural;
    };
    void lembraNaturais();
    QList<Controle> controlesNaturais() const;
    QList<Controle> controlesCompactos(const QList<Controle>& naturais) const;
    QList<QPair<int, int>> linhasLivres(const QList<Controle>& controles) const;
    static double encolhimentoMaximo(const QList<Controle>& controles, const QList<QPair<int, int>>& livres);
    static QSize minimoDe(const QList<Controle>& controles, QSize natural, const QList<QPair<int, int>>& livres);
    void distribui(const QList<Controle>& controles, QSize natural, const QRect& r, bool comTamanhos);

    QList<QLayoutItem*> m_itens;
    QList<Controle> m_naturais; // taken when the frame first leaves the natural size
    QSize m_natural;
    QSize m_compacto;
    DesenhoCompacto m_desenhoCompacto;
    bool m_emCompacto = false;
    bool m_permiteCompacto = false;
};

// The mapping of one axis from the natural length to a larger one: the extra room goes to the
// stretching intervals in proportion to their length; elsewhere the axis is kept as is.
class EixoElastico {
public:
    // `encolheMax`: the part of each stretching interval the axis may give up when `atual` is
    // below `natural` (0: it never shrinks).
    EixoElastico(const QList<QPair<int, int>>& intervalosQueEsticam, int natural, int atual, double encolheMax = 0);
    double posicao(double natural) const;
    int total() const { return m_total; }

private:
    QList<QPair<int, int>> m_uniao; // disjoint, ordered
    double m_fator = 0;             // extra room per pixel of stretching interval
    int m_total = 0;
};
