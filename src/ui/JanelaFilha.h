#pragma once
#include <QString>
#include <QAbstractButton>
#include <QHash>
#include <QRect>
#include <QWidget>
#include <functional>

#include "shell/ContextoAplicacao.h"
#include "shell/Sessao.h"

class GerenciadorJanelas;
class Ligacao;
class LayoutElastico;
class QScrollArea;


// Base of every child window of the main window. It carries the window's name (its
// objectName, its key in the window manager, which alone knows which windows are open),
// centres itself in the main window, and offers the hooks the main window calls on a
// model change and on the arrival of an answer.
//
// A window builds its controls on itself at its natural size (its design size). When it is first
// polished, they move into a scroll area that fills the window: a frame smaller than the natural
// size scrolls instead of hiding controls, and a larger one gives its room to the window's own
// layout or, for controls at fixed positions, to its grids and text boxes (LayoutElastico).
class JanelaFilha : public QWidget {
    Q_OBJECT
public:
    JanelaFilha(const QString& nome, GerenciadorJanelas& janelas);
    ~JanelaFilha() override;

    GerenciadorJanelas& janelas() const { return m_janelas; }
    // The program's shared context, as the window manager gave it (kept by the window: a
    // closing window may still store its data after the manager is gone).
    const ContextoAplicacao& contexto() const { return m_contexto; }
    Ligacao& ligacao() const;
    Sessao& sessao() const;
    // Sends `comando` for this window under requester `codigo` when the link is idle; the
    // answer comes to recebeResposta. False when the link refused (nothing was sent).
    bool solicita(const QString& codigo, const QString& comando, bool espelhada = false);

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
    // The phone went on sending after this window's last answer was closed: `caracteres` were
    // not read. Said beside the verdict until the window asks again (a note at its foot; a
    // window with a status line says it there).
    virtual void respostaContinuou(qint64 caracteres);
    // The text of that note, in the current language.
    static QString textoRespostaContinuou(qint64 caracteres);
    // This window asked again (its procedure sent a command itself, or solicita did): the note
    // on the previous answer's continuation no longer applies.
    void esqueceRespostaContinuou();
    // A board was identified on a new connection: results read from an earlier one describe
    // another board and must not stay on show as this one's.
    virtual void novaPlaca() {}
    // The buttons the main window's keys press in the active window (F5 reads, Ctrl+R makes
    // the report); none by default but the usual names ("btExecutaLeitura", "btAutoTeste",
    // "btBateria"; "btExportar").
    virtual QAbstractButton* botaoLeitura() const;
    virtual QAbstractButton* botaoRelatorio() const;

    // The centring rule: left = main width/2 - own width/2,
    // top = main height/2 - 1050 twips - own height/2.
    void centraliza();

    // The widget the controls live in once the window is polished (before that, the window).
    QWidget* conteudo() const;
    QSize tamanhoNatural() const { return m_natural; }
    // The compact design is the one laid out (see defineDesenhoCompacto).
    bool emDesenhoCompacto() const;

protected:
    // The size the window's design asks for; the frame opens at it when the area has the room.
    // Use this instead of setFixedSize once the window may already be shown.
    void defineTamanhoNatural(QSize tamanho);
    // A control the window places at a fixed position over its layout stays in reach: the
    // content never gets smaller than where the control ends.
    void mantemAlcancavel(const QWidget* controle);
    // For a window whose controls sit at fixed positions: a second design for a frame in which
    // the natural one would scroll (a maximised window on a scaled-up laptop screen): where each
    // control goes in `tamanho`, asked each time the window is laid out (see LayoutElastico).
    void defineDesenhoCompacto(QSize tamanho, std::function<QHash<QWidget*, QRect>()> desenho);
    // After the window changed what it shows (a model's buttons): laid out again when the compact
    // design is the one on show.
    void refazDesenhoCompacto();
    bool event(QEvent* e) override;

private:
    void embute();
    QSize tamanhoDoDesenho(const QList<QWidget*>& controles) const;

    GerenciadorJanelas& m_janelas;
    const ContextoAplicacao m_contexto;
    class QLabel* m_notaContinuou = nullptr;
    QSize m_natural;
    QScrollArea* m_rolagem = nullptr;
    QWidget* m_conteudo = nullptr;
    LayoutElastico* m_elastico = nullptr;
    QSize m_tamanhoCompacto;
    std::function<QHash<QWidget*, QRect>()> m_desenhoCompacto;
};
