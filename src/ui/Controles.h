#pragma once
#include <QRect>
#include <QString>
#include "veredito/Veredito.h"

class QColor;
class QIcon;
class QFont;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Small widget pieces the test windows build the same way.

// A rectangle given in twips, in pixels.
QRect geometriaTwips(int x, int y, int w, int h);

// How a stored answer is shown: every run of line ends becomes one line break.
QString TextoParaTela(QString texto);

// The OK / NO picture beside a verdict, hidden until a result shows it.
QLabel* criaImagemVeredito(const QString& nome, bool ok, QWidget* pai, int lado = 40);

// A test's verdict on its OK / NO pictures: the one of the verdict shown (none for a verdict
// that is neither pass nor fail), the verdict's word as their tooltip, and the verdict given
// recorded in the session log as `janela`'s verdict on `item` with the text `leitura`.
void mostraVereditoTeste(QLabel* ok, QLabel* no, Veredito v, const QString& janela,
                         const QString& item, const QString& leitura);

// The width the button needs to show its caption (and icon) whole inside the style's frame
// and margins.
int larguraParaLegenda(const QPushButton* botao);

// Widens a label at a fixed position to what its caption needs; `vizinho`, the control on its
// right, gives up that room (its left edge moves, its right edge stays).
void alargaRotulo(QLabel* rotulo, QWidget* vizinho);

// From now on `filho` keeps the distance of its right and bottom edges to its parent's when the
// parent is resized (a box inside a frame that a window's compact design narrows); at the
// parent's present size it is where it is now.
void acompanhaPai(QWidget* filho);

// Read-only, unwrapped text box fed from a text the window owns.
QPlainTextEdit* criaCaixaTexto(const QString& nome, QWidget* pai);

// Fills the widget's background with a colour written as "&H00BBGGRR".
void pintaFundo(QWidget* w, const QString& corVb);

// The hidden red wait label ("lbAguarde") shown while the link is busy.
QLabel* criaRotuloAguarde(QWidget* pai, const QRect& geometria, const QFont& fonte);

// The moving bar ("Barra") inside its frame, filled with `cor`, at full width.
QLabel* criaBarra(QFrame* moldura, const QColor& cor);

// One tick of the moving bar: grows by `passo`, back to 1 pixel after 50 steps.
void avancaBarra(QLabel* barra, int passo);

// How a verdict looks on screen: pass green, fail red, not measurable and no reading grey,
// not graded without a tint (invalid colour). The mark beside it keeps the verdict readable
// without colours.
QColor corVeredito(Veredito v);
QIcon iconeVeredito(Veredito v);
// Tints the label's background, gives it the verdict's word as tooltip and records the
// verdict's name in its "veredito" property (what tests and accessibility read).
void pintaVeredito(QWidget* w, Veredito v);
