#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class GerenciadorJanelas;
class JanelaFilha;

// Everything the program knows about one child window, written once (see
// app/janelas/TabelaJanelas.cpp): the routing of answers, the main window's refreshes,
// the session log and the menu all read it.
struct DescritorJanela {
    QString nome;              // objectName, open flag, name in the session log
    QStringList codigos;       // the requester codes the window asks with
    int botaoMenu = 0;         // the main window's menu button that opens it (0: none)
    int ordemAtualizacao = 0;  // its turn in the refresh after a model change (0: none)
    // An answer for the window after the user closed it is dropped instead of opening it again
    // in its default state (the rail windows read their own answers only).
    bool entregaSoAberta = false;
    std::function<JanelaFilha*(GerenciadorJanelas&)> fabrica;
};
