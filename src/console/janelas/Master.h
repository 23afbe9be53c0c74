#pragma once
#include "console/DadosConsole.h"
#include "ui/JanelaFilha.h"

#include <QString>

class CaixaTexto;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QShortcut;
class QTimer;

// The command console "Modo Comandos e Comparador": any command, its live answer, and beside
// it the answer a good board of the same model gave (the comparator), with the saved commands,
// the history of the commands sent and the auto comparator's badge.
class Master : public JanelaFilha {
    Q_OBJECT
public:
    explicit Master(GerenciadorJanelas& janelas);
    ~Master() override;

    // Shows the badge when the live answer is the recorded one (masked parts aside).
    void AutoComparador();

    void recebeResposta(const QString& codigo, const QString& R, const QString& A) override;
    void espelha(const QString& codigo, const QString& R, const QString& A) override;
    // The recorded answer and the description of the command in the box, and the model label.
    void buscaDadosGravados();
    void atualizaJanelaAberta() override;
    void traduz() override;
    void esperaCancelada() override;

    // The command box (its text) and the texts the rules read.
    QString txtComandos() const;
    void defineTxtComandos(const QString& comando);
    QString txtConsole() const;
    QString txtComparador() const;
    QString txtHelpAux() const;
    bool dadosAlterados() const { return m_dadosAlterados; }

private:
    void montaControles();
    void AjustaMaster();
    // Places the columns, the rows under the answer boxes and the history panel for the room
    // the window has (pixels); salaMinima is the least room before the window scrolls.
    void dispoe(QSize sala);
    QSize salaMinima() const;
    void Traducao_Form_Master();
    void CarregaComandos();
    void MostraDadosGravados();
    // Marks the lines of the newest answer that the recording does not hold, and counts them
    // beside the badge; nothing while the recording shown is another command's.
    void marcaDiferencas();
    // Says over the live side which command it answered.
    void mostraRespostaDe();
    void ExecutaComando();
    void atualizaConsole(const QString& texto);
    void atualizaBtSend();
    void carregaData1();
    void carregaData2();
    void removeEco();
    void posicionaHistorico();
    void aplicaSplitter(int valor);
    void enviaSemRequisitante(const QString& comando);
    // Reset and Shutdown: asked first, sent without a requester code.
    void perguntaEEnvia(const QString& pergunta, const QString& comando);
    void mostraFimTestePendente();
    void MostraAguarde(bool ateEnviar = false);
    // Our own answer is awaited or only partly in the console: nothing is stored from it.
    bool respostaEmCurso() const { return m_aguardando || !m_consoleCompleto; }
    QString semEco(QString texto) const;
    void avisaNaoGravado(const DadosConsole::Falha& falha);
    QString caminhoBanco() const;

    void btSend_Click();
    void btSalvar_Click();
    void btSalvarAtualizacoes_Click();
    void btExcluir_Click();
    void btNovo_Click();
    void btApagar_Click();
    void btReiniciar_Click();
    void btDesligar_Click();
    void btHelp_Click();
    void btHelpPdf_Click();
    void btRecent_Click();
    void btRecent_BotaoDireito();
    void btCloseHistorico_Click();
    void lbHelp_Click();

    bool eventFilter(QObject* alvo, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

    // Controls named as the program names them.
    QComboBox* m_txtComandos = nullptr;
    QPushButton* m_btSend = nullptr;
    CaixaTexto* m_txtConsole = nullptr;
    QCheckBox* m_ckLimpar = nullptr;
    QPushButton* m_btLimpar = nullptr;
    CaixaTexto* m_txtComparador = nullptr;
    CaixaTexto* m_txtInfoDados[3] = {};
    CaixaTexto* m_txtInfoComandos[3] = {};
    QPushButton* m_btSalvar = nullptr;
    QPushButton* m_btSalvarAtualizacoes = nullptr;
    QPushButton* m_btExcluir = nullptr;
    QFrame* m_lbAutoComparador = nullptr;
    QLabel* m_lbAutoComparadorX = nullptr;
    QLabel* m_lbDiferencas = nullptr;  // lines that differ from the recording
    QLabel* m_lbRespostaDe = nullptr;  // the command the live side answered
    QPushButton* m_btNovo = nullptr;
    QPushButton* m_btApagar = nullptr;
    QPushButton* m_btReiniciar = nullptr;
    QPushButton* m_btDesligar = nullptr;
    QPushButton* m_btHelp = nullptr;
    QPushButton* m_btHelpPdf = nullptr;
    QPushButton* m_btRecent = nullptr;
    QFrame* m_FrameHistorico = nullptr;
    QLabel* m_lbHistComandos = nullptr;
    QListWidget* m_ListCmd = nullptr;
    QLabel* m_lbHelp = nullptr;
    CaixaTexto* m_txtHelpAux = nullptr;
    QPushButton* m_btCloseHistorico = nullptr;
    QScrollBar* m_HScroll1 = nullptr;
    QLabel* m_lbDispositivo = nullptr;
    QLabel* m_ldDispConect = nullptr;
    QLabel* m_ldDispComparador = nullptr;
    QLabel* m_lbComandos = nullptr;
    QLabel* m_lbInfDados = nullptr;
    QLabel* m_lbVar = nullptr;
    QLabel* m_lbAguarde = nullptr;
    QTimer* m_timerAguarde = nullptr;
    QShortcut* m_escHistorico = nullptr; // Esc closes the history panel while it is open

    // The current rows of the two bound views: Data1 over Dados, Data2 over Comandos.
    DadosConsole::LinhaDados m_Data1;
    DadosConsole::LinhaComando m_Data2;

    bool m_dadosAlterados = false;
    bool m_aguardando = false;        // our command is in flight
    bool m_consoleCompleto = true;    // the console holds only delivered answers
    QString m_consoleAnterior;        // the console before a mirrored answer began
    QString m_comandoEnviado;         // our command in flight
    QString m_comandoRespondido;      // the command of the newest answer in the console
    QString m_ultimaResposta;         // that answer (at the top of the console)
       bool m_posicionada = false;
    int m_topoHistorico = 9600;       // twips; the panel counts as up below 3000
    int m_larguraComparadorDireita = 0; // right edge of txtComparador, twips
    bool m_alta = false;              // the main window is taller than 11000 twips
    int m_alturaNatural = 0;          // design height of the window, twips
    int m_alturaTextosNatural = 0;    // design height of the answer boxes, twips
    int m_alturaTextos = 0;           // their height in the current room, twips
};
