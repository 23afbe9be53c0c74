#pragma once
#include <QString>
#include <QWidget>

#include "shell/Sessao.h"

class GerenciadorJanelas;
class Ligacao;


// Base of every child window of the main window. It carries the window's name (its
// objectName, also its key in Globais::JanelaAberta), keeps that open flag while the window
// lives, centres itself in the main window, and offers the hooks the main window calls on a
// model change and on the arrival of an answer.
class JanelaFilha : public QWidget {
    Q_OBJECT
public:
    JanelaFilha(const QString& nome, GerenciadorJanelas& janelas, bool temFlagAberta = true);
    ~JanelaFilha() override;

    GerenciadorJanelas& janelas() const { return m_janelas; }
    Ligacao& ligacao() const;
    Sessao& sessao() const;
    // Sends `comando` for this window under requester `codigo` when the link is idle; the
    // answer comes to recebeResposta. False when the link refused (nothing was sent).
    bool solicita(const QString& codigo, const QString& comando, bool espelhada = false);

    // This window's step of BuscaDadosGravados, run when it is the current requester.
    virtual void buscaDadosGravados() {}
    // This window's step of AtualizaJanelasAbertas, run after a model change while it is open.
    virtual void atualizaJanelaAberta() {}
    // Re-captions the window in the current language.
    virtual void traduz() {}
    // Delivery of an answer for one of this window's requester codes
    // (R the whole answer, A without the echoes of the command).
    virtual void recebeResposta(const QString& codigo, const QString& R, const QString& A)
    {
        Q_UNUSED(codigo); Q_UNUSED(R); Q_UNUSED(A);
    }
    // Live mirroring of the growing answer of an exchange asked as mirrored.
    virtual void espelha(const QString& codigo, const QString& R, const QString& A)
    {
        Q_UNUSED(codigo); Q_UNUSED(R); Q_UNUSED(A);
    }
    // The answer this window waited for will not come (link lost, a failed poll): stop
    // progress, give the buttons back.
    virtual void esperaCancelada() {}

    // The centring rule: left = main width/2 - own width/2,
    // top = main height/2 - 1050 twips - own height/2.
    void centraliza();

private:
    GerenciadorJanelas& m_janelas;
    bool m_temFlag;
};
