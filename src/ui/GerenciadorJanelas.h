#pragma once
#include "shell/ContextoAplicacao.h"
#include "shell/Sessao.h"
#include "ui/DescritorJanela.h"
#include "ui/JanelaFilha.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QMdiArea;

// Creates, shows and finds the child windows of the main window, and routes the answers of
// the exchanges they ask for. Each window is registered once by its descriptor (see
// app/janelas/TabelaJanelas.cpp).
class GerenciadorJanelas : public QObject {
    Q_OBJECT
public:
    GerenciadorJanelas(const ContextoAplicacao& contexto, Sessao& sessao, QMdiArea* area, QObject* pai = nullptr);

    // What the program shares (its data's place, caption, pages), for every window it shows.
    const ContextoAplicacao& contexto() const { return m_contexto; }
    Sessao& sessao() const { return m_sessao; }
    Ligacao& ligacao() const { return m_ligacao; }
    QMdiArea* area() const { return m_area; }

    using Fabrica = std::function<JanelaFilha*(GerenciadorJanelas&)>;
    void registra(DescritorJanela descritor);
    template <class T>
    void registra(DescritorJanela descritor)
    {
        descritor.fabrica = [](GerenciadorJanelas& g) -> JanelaFilha* { return new T(g); };
        registra(std::move(descritor));
    }
    // A window known by its name only (tests).
    void registra(const QString& nome, Fabrica fabrica) { registra({.nome = nome, .fabrica = std::move(fabrica)}); }

    const DescritorJanela* descritor(const QString& nome) const;
    // The window a requester code belongs to, for the session log: "Inicial" for "0" (the
    // main window's own commands), the code itself when no window asks with it.
    QString nomeDoRequisitante(const QString& codigo) const;
    // The window the main window's menu button opens, "" when none.
    QString janelaDoBotao(int botao) const;

    // An exchange asked by window `nome`: its answer, mirrored parts and cancellation go to
    // that window (see JanelaFilha::recebeResposta). A refused exchange is only returned. The
    // answer ends by its command's usual rule; a procedure with a rule of its own asks the link.
    Troca* pede(const QString& nome, const QString& codigo, const QString& comando,
                Ligacao::Modo modo = Ligacao::Modo::Normal);

    // The window if it is open, else nullptr.
    JanelaFilha* aberta(const QString& nome) const;
    template <class T>
    T* aberta(const QString& nome) const { return qobject_cast<T*>(aberta(nome)); }

    // Creates the window when it is not open, shows it as an MDI child and gives it the focus;
    // an open window is only brought forward.
    JanelaFilha* mostra(const QString& nome);
    template <class T>
    T* mostra(const QString& nome) { return qobject_cast<T*>(mostra(nome)); }

    // Requests between windows: one window never calls another, it asks here.
    // The window `de` gives its place to `para`: `para` is shown, `de` closed, and the focus
    // stays on `para`.
    void passaPara(const QString& de, const QString& para);
    // A command chosen elsewhere (the help window) for the console's command box: the console
    // is opened when it is closed (an open one keeps its place) and told by comandoParaConsole.
    void pedeComandoNoConsole(const QString& comando);
    // The command help is shown with `texto` (the recorded "Help" answer), told by textoDeAjuda.
    void pedeAjuda(const QString& texto);
    // A rail of a grid to watch live ("Acompanhar" is opened when closed), told by
    // acompanhamentoPedido (`variante` an int of VarianteGrade).
    void pedeAcompanhamento(int variante, int familia, const QString& trilha);

    // The main window's hover menu goes (the pointer moved over a window's content).
    void dispensaMenuFlutuante() { emit menuFlutuanteDispensado(); }

    // The main window's refresh after a model change: every open window in its turn.
    void AtualizaJanelasAbertas();

    // Re-captions every open window (after a language change).
    void traduzAbertas();
    // Every open window drops the results of the board read before this identification.
    void novaPlaca();
    // Closes the named windows that are open, in the given order.
    void fecha(const QStringList& nomes);
    QStringList nomesAbertos() const;
    // The tool window of the active sub-window, if any.
    JanelaFilha* ativa() const;

signals:
    void janelaCriada(const QString& nome);
    void comandoParaConsole(const QString& comando);
    void textoDeAjuda(const QString& texto);
    void menuFlutuanteDispensado();
    void acompanhamentoPedido(int variante, int familia, const QString& trilha);

private:
    const ContextoAplicacao m_contexto;
    Sessao& m_sessao;
    Ligacao& m_ligacao;
    QMdiArea* m_area;
    QHash<QString, DescritorJanela> m_descritores;
    QHash<QString, QPointer<JanelaFilha>> m_abertas;
    QHash<QString, QString> m_ultimaJanela; // requester code → the window its last answer went to
};
