#pragma once
#include <QSize>
#include <QMainWindow>
#include <QMap>
#include <QPixmap>

class Conexao;
struct ContextoAplicacao;
class GerenciadorJanelas;
class Ligacao;
class Sessao;
class RegistroSessao;
class QBoxLayout;
class QScrollArea;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class MenuJanelas;
class QPlainTextEdit;
class QPushButton;

// The main window: the menu bar that opens the test windows, the port and box choosers,
// the status light, the model chooser, and the MDI area where every child window lives.
// It owns the link (Ligacao), the connection logic (Conexao) and the window manager.
class Inicial : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window on the program's context and runs its load; telaAbertura (the splash)
    // is closed at its end.
    explicit Inicial(const ContextoAplicacao& contexto, QWidget* telaAbertura = nullptr);
    ~Inicial() override;

    Ligacao& ligacao() const { return *m_ligacao; }
    Sessao& sessao() const { return *m_sessao; }
    Conexao& conexao() const { return *m_conexao; }
    GerenciadorJanelas& janelas() const { return *m_janelas; }
    const ContextoAplicacao& contexto() const;
    RegistroSessao& registro() const { return *m_registro; }
    QMdiArea* area() const { return m_area; }
    // The size the window is laid out for.
    static constexpr QSize TamanhoNatural{1280, 860};
    // Shows the window at its natural size centred on its screen, or maximised when the
    // screen is smaller, so the console strip is always on screen.
    void mostraNaTela();

    void Traducao_Form_Inicial();
    void ListaPortas();
    void CarregaBoxModelo();
    void CorStatus(const QString& cor);
    void PosicionaBotoes();
    void alargaBotoesCortados();
    void AtualizaJanelasAbertas();
    void IdentificaModelo();

    // Set after every resize; the next mouse movement over the background may clear it.
    bool LimparLogo = false;

    QPushButton* botao(int indice) const { return m_botoes.value(indice); }

signals:
    // What the shell's small windows follow (see LigaJanelasPequenas).
    // The drop-down sub-menu of kind 0, 1 or 2 at the given left edge (pixels of this window)
    // and top 0; rotulo is the entry of kind 1 ("Chestnut" or "Acorn").
    void subMenuPedido(int tipo, int esquerda, const QString& rotulo);
    void subMenuDispensado();
    // The tips window at (0, 0) of the area; hidden when visible; closed.
    void dicasPedidas();
    void dicasDispensadas();
    void dicasFechadas();
    // The background clearing after a resize (it clears LimparLogo).
    void fundoALimpar();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void mostraAvisosDaLigacao();
    // The lost box's notice over the bottom of the window area (no box to click away).
    void mostraAvisoBox();
    void posicionaAvisoBox();
    void montaBarra();
    void montaConsole();
    void carrega(QWidget* telaAbertura);
    void IniciaEstado();
    void redimensiona();
    void dobraBarra();
    void pintaFundo();
    void clicaBotao(int indice);
    void passaSobreBotao(int indice);
    void mostraIdioma();
    void modeloEscolhido(const QString& modelo);
    void mostraModelo(const QString& modelo);
    void boxEscolhido(const QString& box);
    void atualizaClicado();

    Ligacao* m_ligacao;
    Sessao* m_sessao;
    Conexao* m_conexao;
    QMdiArea* m_area;
    MenuJanelas* m_menuJanelas = nullptr;
    GerenciadorJanelas* m_janelas;
    RegistroSessao* m_registro;

    QMap<int, QPushButton*> m_botoes;
    QWidget* m_painelBotoes = nullptr;
    QBoxLayout* m_linhaBarra = nullptr; // the button row and the choosers: side by side or stacked
    QBoxLayout* m_seletores = nullptr;
    QScrollArea* m_faixaBotoes = nullptr;
    QWidget* m_pictureTristarTigris = nullptr;
    QLabel* m_lbTristarTigris = nullptr;
    QLabel* m_imgStatus = nullptr;
    QLabel* m_picBranco = nullptr;
    QLabel* m_picAmarelo = nullptr;
    QLabel* m_picVerde = nullptr;
    QLabel* m_imgSobre = nullptr;
    QLabel* m_st1 = nullptr;
    QLabel* m_avisoBox = nullptr;
    QLineEdit* m_status = nullptr;
    QPushButton* m_btDiagnostico = nullptr;
    QPushButton* m_btHistorico = nullptr;
    QWidget* m_framePorta = nullptr;
    QLabel* m_lbFramePorta = nullptr;
    QComboBox* m_cbPortas = nullptr;
    QLabel* m_lbBox = nullptr;
    QComboBox* m_comboBox = nullptr;
    QWidget* m_frameMD = nullptr;
    QComboBox* m_comboAparelhos = nullptr;
    QLabel* m_lbModelo = nullptr;
    QLabel* m_imgAtualizar = nullptr;
    QPlainTextEdit* m_txtConsole = nullptr;
    QPixmap m_logo; // ImageS_Black
};
