#pragma once
#include <QKeySequence>
#include <functional>

class GerenciadorJanelas;
class QAbstractButton;
class QWidget;

// The main actions' keys, for both hands on the board and none on the mouse. None of them is a
// key a window already answers (Enter in the console, Ctrl+Tab / Ctrl+F4 between windows).
namespace Teclas {
inline const QKeySequence Conectar{Qt::Key_F2};          // connect / disconnect
inline const QKeySequence Leitura{Qt::Key_F5};           // the active window's reading
inline const QKeySequence ListaJanelas{Qt::Key_F6};      // the open windows' list
inline const QKeySequence Diagnostico{Qt::Key_F7};       // the whole-board diagnosis
inline const QKeySequence Relatorio{Qt::CTRL | Qt::Key_R}; // the active window's report
} // namespace Teclas

// `botao`'s tooltip names `teclas` after its own tooltip (or its caption when it has none),
// whatever either reads at the moment.
void anunciaTecla(QAbstractButton* botao, const QKeySequence& teclas);

// A key of the main window `principal` that runs `acao` wherever the focus is inside it.
void ligaTecla(QWidget* principal, const QKeySequence& teclas, const std::function<void()>& acao);

// The main window's keys: `conectar` and `diagnostico` pressed when enabled, `listaJanelas`
// opened, and F5 / Ctrl+R pressing the reading / report button of the active tool window.
void instalaTeclasPrincipais(QWidget* principal, GerenciadorJanelas& janelas, QAbstractButton* conectar,
                             QAbstractButton* diagnostico, QAbstractButton* listaJanelas);
