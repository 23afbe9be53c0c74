#pragma once
#include "chips/Painel.h"
#include "ui/JanelaFilha.h"

#include <QHash>
#include <QString>

class AvisoRelatorio;
class QBoxLayout;
class QGridLayout;
class ProcedimentoChip;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QWidget;

// What the four chip readers share on screen: named value labels and indicator images fed
// from a Painel, the answer text the window keeps (txtDados), the log panel with the
// recorded-answer comparator (Tigris and Chestnut), and the frame centred near the top.
class JanelaChip : public JanelaFilha {
    Q_OBJECT
public:
    JanelaChip(const QString& nome, GerenciadorJanelas& janelas);

    const Painel& painel() const { return m_painel; }
    // The chip's reading this window shows (the one the whole-board diagnosis runs too).
    ProcedimentoChip* procedimento() const { return m_procedimento; }
    QString txtDados() const { return m_txtDados; }
    QString txtComparador() const { return m_txtComparador; }

    // Values, marks and answer back to their state before any reading.
    virtual void LimpaLeituras() = 0;
    void novaPlaca() override; // readings and the report line cleared

protected:
    // Binds the window to its chip's procedure (the window owns it): each exchange it sends
    // clears the readings and holds `btExecuta`, each reading graded is shown, its end gives
    // the button back; a model the chip does not serve is told by recusado().
    void ligaProcedimento(ProcedimentoChip* procedimento, QPushButton* btExecuta);
    // Starts a reading for the session's model when the link is idle; a model the chip does
    // not serve is refused whatever the link does.
    void executaLeitura();
    // A reading was shown (the comparator of the windows that have one follows it).
    virtual void leituraMostrada() {}
    virtual void recusado() {}

    // A value label with a frame; its background follows the painel.
    QLabel* criaValor(const QString& nome, int larguraTwips = 1300);
    // A plain label with a name (rail names, notes, markers).
    QLabel* criaRotulo(const QString& nome, const QString& texto = QString());
    // A caption without behaviour.
    static QLabel* texto(const QString& texto, QWidget* pai = nullptr, bool negrito = false);
    // The OK(k) or NO(k) image.
    QLabel* criaIndicador(bool ok, int k);
    // Makes a control known to aplicaPainel (by its objectName).
    void registra(QWidget* controle);
    // Copies the painel onto the controls.
    void aplicaPainel();

    void defineTxtDados(const QString& texto);
    // The log panel: lblLabel(0), txtDados, lblLabel(4), txtComparador, lbVarInfo.
    QWidget* criaPainelLog();
    // Data1 over table Dados: the recorded answer of the model and command, or nothing.
    void consultaComparador(const QString& modelo, const QString& comando);
    void traduzLog();
    // The left column (buttons over the drawing over the grid), `larguraSemLog` twips wide, and
    // the log panel beside it (m_log).
    void montaColunaELog(QLayout* botoes, QWidget* desenho, QLayout* grade, int larguraSemLog);
    // The drawing over the readings; when the frame is too low for that (a maximised window on
    // a laptop screen at 150 %): beside them, or compact over or beside them, then with the
    // readings side by side (where the window can lay them so), and last without the drawing,
    // the first that fits the frame. To be laid out by the window.
    QBoxLayout* corpoDoChip(QWidget* desenho, QLayout* leituras);
    // A window whose readings can be laid side by side in fewer rows says so, and lays them
    // either way when asked.
    virtual bool leiturasLadoALado() const { return false; }
    virtual void dispoeLeituras(bool ladoALado) { Q_UNUSED(ladoALado); }
    // "Exibir Log ->": the caption of btLog while the log is hidden.
    static QString textoExibirLog();
    // btLog pressed: while it offers to show the log it turns to "Ocultar" and returns true
    // (show it); otherwise it offers to show it again and returns false.
    static bool alternaLog(QPushButton* btLog);
    // The window `twips` wide (the log shown when that is `larguraComLog`) and `altura` high,
    // the frame fitted and centred again.
    void defineLarguraLog(int twips, int larguraComLog, int altura);

    // Asks the name and publishes the report of this window (page "chest" or "acorn"); the
    // line under the buttons then says where it was saved.
    void publicaRelatorio(const QString& pagina, const QList<QPair<QString, QString>>& pares);

    // The bold UC label at the top; `alinhado`: right-aligned in at least 1400 twips.
    QLabel* criaRotuloUC(bool alinhado = true);
    // From the first showing on, the frame sits `topo` twips down, centred across the MDI area.
    void centraNoTopo(int topo) { m_topoTwips = topo; }
    void centraliza();
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

    Painel m_painel;
    QString m_txtDados;
    QString m_txtComparador;
    QPlainTextEdit* m_edDados = nullptr;
    QPlainTextEdit* m_edComparador = nullptr;
    QSqlQueryModel* m_data1 = nullptr;
    QHash<QString, QWidget*> m_controles;
    QWidget* m_log = nullptr;
    AvisoRelatorio* m_avisoRelatorio = nullptr; // laid out by the subclass (montaColunaELog does)
    ProcedimentoChip* m_procedimento = nullptr;

private:
    void ajustaCorpo();

    QBoxLayout* m_corpo = nullptr;
    QWidget* m_desenho = nullptr;
    QList<QLabel*> m_nomesDasLinhas; // the rail names heading the readings' rows
    QList<QLabel*> m_indicadores;    // the OK/NO marks
    static constexpr int AlturaValor = 22; // a value box's least height
    static constexpr int TamanhoIndicador = 26;
    static constexpr int TamanhoIndicadorCompacto = AlturaValor;
    QGridLayout* m_grade = nullptr;
    int m_espacoGrade = -1;
    QWidget* m_coluna = nullptr; // montaColunaELog's left column, widened for the drawing beside
    int m_largColuna = 0;
    int m_topoTwips = -1;
    QHash<QString, QString> m_vereditosAnotados; // control -> value and verdict last logged
    bool m_centralizada = false;
};
