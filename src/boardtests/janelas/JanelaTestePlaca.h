#pragma once
#include "ui/JanelaFilha.h"

#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;

// What the board-test windows (IC, additional tests, battery, RF) share: the device's answer
// (txtDados) beside the recorded answer of a good board to the same command (txtComparador over
// Data1), the OK / NO pictures of a verdict with its status labels, the wait label shown when the
// link refuses a test, and the moving progress bar, bare or in its busy panel.
//
// A window builds only the pieces it has, in its own creation order (which is its tab order),
// at twips positions relative to their parent; every control, shared or its own, is placed by
// one function (coloca), the place where layouts can take over for all these windows at once. The window then drives
// the pieces through the calls below; each call leaves alone a piece the window does not have.
//
// IC and the additional tests also share the test button's rule: it shows the wait text, or
// clears the last result and runs PrePesquisa, which starts the window's procedure; the window
// shows the graded answer when the procedure ends.
class JanelaTestePlaca : public JanelaFilha {
    Q_OBJECT
public:
    // State read by the tests.
    QString txtDados() const { return m_txtDados; }
    QString txtComparador() const { return m_txtComparador; }
    QString lbStatus() const { return m_status; }
    QString lbIC() const { return m_lbIC; }
    QString nomeCI() const { return m_nomeCI; }
    // How many answers the window has graded since it opened.
    int contadorStatus() const { return m_contadorStatus; }

    // Sends the command of the selected test (when the link is idle).
    virtual void PrePesquisa() {}
    // The progress bar stops.
    void esperaCancelada() override;
    // Said on the status line, under the verdict.
    void respostaContinuou(qint64 caracteres) override;
    void novaPlaca() override; // verdict and answer cleared

protected:
    // `chaveTitulo`: the dictionary key of the caption, shown as L(chave) & " - Vexador Tarrim".
    JanelaTestePlaca(const QString& nome, GerenciadorJanelas& janelas, const QString& chaveTitulo);

    // ------------------------------------------------------------ building
    // The window's font in bold, its size times `escala`.
    QFont fonteNegrito(qreal escala = 1.0) const;
    // The window's fixed size; when it already sits in its frame, the frame is fitted and centred.
    void fixaTamanho(int larguraTwips, int alturaTwips);
    // The frame fitted to the window again and centred in the main window.
    void recentraliza();

    // The row of buttons across the top, 3000 by 600 twips each, in the order of `nomes`.
    QList<QPushButton*> criaFilaDeBotoes(const QStringList& nomes);

    QPlainTextEdit* criaTxtDados(QWidget* pai, const QRect& twips);
    // txtComparador and Data1, with no recorded answer until a test ran.
    QPlainTextEdit* criaTxtComparador(QWidget* pai, const QRect& twips);
    // lblLabel(0), the heading of txtDados.
    QLabel* criaTituloDados(const QRect& twips);
    // lblLabel(4), the heading of txtComparador.
    QLabel* criaTituloComparador(const QRect& twips);
    // lblLabel(4) at its text's width, and lbDispositivo (model and regulatory number) after it.
    void criaTituloComparadorComModelo(const QPoint& twips);
    // lbVar, the note under the comparator.
    QLabel* criaNotaVar(const QRect& twips);
    // OK(0) and NO(0), one over the other, hidden.
    void criaImagensVeredito(const QPoint& twips);
    // The status label (`nome`: lbStatus, lbStatius) in `fonte`.
    QLabel* criaStatus(const QString& nome, const QRect& twips, const QFont& fonte);
    // lbIC, the name of the part tested.
    QLabel* criaNomeCI(const QRect& twips);
    // lbStatus2, the "analysis complete" hint, hidden until a result.
    QLabel* criaNotaAnalise(const QRect& twips);
    // lbAguarde with TimerAguarde (1500 ms), hidden.
    QLabel* criaAguarde(const QRect& twips);
    // ProgressBar, its Barra and TimerBarra ticking every `msTick`.
    QFrame* criaBarra(QWidget* pai, const QRect& twips, int msTick);
    // FrameVCore, hidden: the legend `nomeLegenda` over the progress bar (criaBarra). Returns
    // the legend.
    QLabel* criaPainelOcupado(const QRect& twips, const QString& nomeLegenda, int msTick);
    // The form of a chip test (IC, additional tests): the answer under lblLabel(0) on the left,
    // the comparator under lblLabel(4) and the model on the right, the result below. Positions
    // in twips.
    struct PlantaTesteCI {
        int xComparador;    // lblLabel(4) and txtComparador (txtDados at 240)
        QRect lbIC;
        QRect lbStatus;
        QPoint veredito;    // OK(0), NO(0)
        QRect lbStatus2;
        QRect lbVar;
        QRect barra = {};   // ProgressBar between the answers and the result; none when null
        int msBarra = 0;    // its tick
    };
    void criaFormularioCI(const PlantaTesteCI& planta);
    // A named timer that calls `tick`.
    template <class Janela>
    QTimer* criaTimer(const char* nome, int ms, void (Janela::*tick)())
    {
        QTimer* t = novoTimer(nome, ms);
        connect(t, &QTimer::timeout, static_cast<Janela*>(this), tick);
        return t;
    }

    // ------------------------------------------------------------ behaviour
    // The caption and the texts of the shared pieces in the current language.
    void traduzPecas();
    // lbDispositivo: L("Modelo") & ": " & model & "  " & regulatory number.
    void atualizaDispositivo();

    void defineTxtDados(const QString& texto);
    // Data1 over the recorded answers of a model and command; txtComparador shows the first.
    void consultaComparador(const QString& modelo, const QString& comando);
    // The same for the current model and the command of the answer on show.
    void consultaComparador();
    // The command of the window's own reading whose answer it shows (the comparator's and the
    // verdict's); "" before its first reading.
    virtual QString comandoMostrado() const = 0;
    // Data1 over no model: txtComparador empty.
    void esvaziaComparador();

    void defineStatus(const QString& texto);
    void defineNomeCI(const QString& texto);
    void mostraNotaAnalise();
    void escondeVeredito();
    // The picture of `ok` shown, the verdict's word on both, the verdict logged with `leitura`
    // as this window's verdict on the current command.
    void mostraVeredito(bool ok, const QString& leitura);
    QLabel* imagemVeredito(bool ok) const { return ok ? m_ok : m_no; }
    // Status, part name, hint and pictures cleared.
    void limpaResultado();

    // `texto` in lbAguarde for one tick of TimerAguarde.
    void mostraAguarde(const QString& texto);
    // The link's wait text: L("Aguarde...") while busy, L("Desconectado") & "!" without a link.
    void mostraAguarde();

    // The bar back to its start and moving (its busy panel shown).
    void iniciaBarra();
    // The bar stopped and back to its start (its busy panel hidden).
    void paraBarra();

    // A test button: when the link is not idle, the wait text and nothing else; otherwise the
    // last result cleared, `teste` selected and PrePesquisa run.
    void pedeTeste(int teste);
    int testeSelecionado() const { return m_testeSelecionado; }
    // The part a test names, shown in lbIC when it is graded.
    void defineNomeDoTeste(const QString& nome) { m_nomeCI = nome; }
    // An answer was graded by the window's procedure.
    void contaStatus() { ++m_contadorStatus; }

    // Places a control at a twips rectangle of its parent; every control of these windows is
    // placed through here.
    static void coloca(QWidget* controle, const QRect& twips);
    // The same at a twips point, the control keeping its own size.
    static void coloca(QWidget* controle, const QPoint& twips);

private:
    QTimer* novoTimer(const char* nome, int ms);

    QString m_chaveTitulo;

    QString m_txtDados;
    QPlainTextEdit* m_txtDadosCaixa = nullptr;
    QString m_txtComparador;
    QPlainTextEdit* m_txtComparadorCaixa = nullptr;
    QSqlQueryModel* m_data1 = nullptr;
    QLabel* m_tituloDados = nullptr;
    QLabel* m_tituloComparador = nullptr;
    QLabel* m_dispositivo = nullptr;
    QLabel* m_notaVar = nullptr;

    QLabel* m_ok = nullptr;
    QLabel* m_no = nullptr;
    QString m_status;
    QLabel* m_statusRotulo = nullptr;
    QString m_lbIC;
    QLabel* m_lbICRotulo = nullptr;
    QLabel* m_notaAnalise = nullptr;

    QLabel* m_aguarde = nullptr;
    QList<QPushButton*> m_filaDeBotoes; // the row of buttons on top, when the window has one
    QTimer* m_timerAguarde = nullptr;

    QFrame* m_painelOcupado = nullptr;
    QLabel* m_barra = nullptr;
    QTimer* m_timerBarra = nullptr;
    int m_passoBarra = 1;

    int m_contadorStatus = 0;
    int m_testeSelecionado = 0;
    QString m_nomeCI;
};
