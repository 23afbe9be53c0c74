#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class ConsultaModelo;
class Ligacao;
class Sessao;
class QTimer;
class Troca;

// The message key for a port that would not open: "MSG_PORTA_EM_USO" when another program
// holds it, "MSG_PORTA_INVALIDA" when there is no such serial device, "" for any other error
// (the standard error box). erroPorta is a QSerialPort::SerialPortError.
QString ChaveErroAbertura(int erroPorta);

// Connecting to the phone and telling which one it is: menu button 1 (connect / disconnect),
// the handshake that waits for the first answer, and the model query (ConsultaModelo). It drives
// the link and says through signals what the main window shows (button 1, status light, port
// list). Both read the answers their own exchanges got, never the link's console.
//
// A box that is lost (Ligacao::portaPerdida) leaves the link disconnected as button 1 would;
// then the same COM number is watched (TimerReconexao) for up to LimiteEsperaBoxMs, and when it
// exists again the program connects by itself with the usual handshake. The user's own
// disconnect never starts that watch, and any click of button 1 ends it.
class Conexao : public QObject {
    Q_OBJECT
public:
    explicit Conexao(Sessao& sessao, QObject* pai = nullptr);

    // The configured page of the video about COM ports.
    static constexpr int PaginaVideoPortas = 3;

    Ligacao& ligacao() const { return m_ligacao; }
    Sessao& sessao() const { return m_sessao; }

    // Menu button 1 with the text of the port chooser. While a command is in flight ("3") it
    // disconnects at once (the answer is abandoned); while connecting ("2") it does nothing.
    void BotaoConectar(const QString& textoPorta);
    // Starts a model query ("syscfg print RMd#") when the link is idle (or held by the
    // handshake between its exchanges) and no query is under way.
    void IdentificaModelo();
    // The model evaluation of the handshake's answer.
    void AvaliaHandshake();
    // True from IdentificaModelo until the query has told the model (or why not).
    bool consultaEmCurso() const;

    QTimer* timerValidaPorta() const { return m_timerValidaPorta; }

    int ContadorValidaPorta = 0;

    // --- waiting for a lost box
    QTimer* timerReconexao() const { return m_timerReconexao; }
    bool aguardandoBox() const;
    int portaAguardada() const { return m_portaAguardada; }
    qint64 LimiteEsperaBoxMs = 10 * 60 * 1000;

    // What the technician is told about a lost box, without blocking: what was lost, then the
    // wait, the reconnection, and nothing once the phone is confirmed again.
    struct EsperaBox {
        enum class Fase {
            Nenhuma,      // nothing to tell
            Aguardando,   // lost; the COM number is watched
            Reconectando, // back; the handshake runs
            Encerrada,    // the wait ended without the box (time limit), or could not start
        };
        Fase fase = Fase::Nenhuma;
        int porta = 0;
        QString codigo;  // the requester of the exchange the box took with it ("" none)
        QString comando; // its command
        qint64 esperadoMs = 0;
        qint64 limiteMs = 0;
    };
    const EsperaBox& esperaBox() const { return m_avisoBox; }

    QString legendaBotao() const { return m_legendaBotao; } // button 1 caption
    QString corStatus() const { return m_cor; }             // "Branco", "Amarelo", "Verde"

signals:
    void legendaBotaoMudou(const QString& legenda);
    void corStatusMudou(const QString& cor);
    void listaPortasPedida();   // rebuild the port chooser
    void focoModeloPedido();    // put the focus on the model chooser
    // The connection's answer has been read for the model: the main window's view of the
    // collected answer empties, as after every identification.
    void consoleLimpoPedido();
    void portaEscolhidaPedida(const QString& porta); // show this number in the port chooser
    void eventoLigacao(const QString& evento);       // for the session log

    // --- what the technician is told (the main window shows it)
    void mensagemPedida(const QString& chave, const QString& porta); // a dictionary key's message
    void erroPedido(const QString& descricao, int numero);           // the standard error box
    // A COM number above the supported ones: the explanation (L("Porta 16")); the main window
    // offers the video about the ports (PaginaVideoPortas) when its address is configured.
    void portaAltaExplicada();
    // The phone does not stop sending after an answer was cut. While connecting the
    // connection has been ended already (`conectando`); otherwise the user is offered to
    // disconnect (DesconectaSemFim).
    void semFimAvisado(bool conectando);
    void esperaBoxMudou(); // esperaBox() changed

public:
    // The user's answer to that offer: disconnects if the phone is still sending.
    void DesconectaSemFim();

private:
    void validaPorta();
    void consultaTerminou();
    void conecta(int numero);
    // Opens the port of the number at 115200,N,8,1; on failure returns the port error.
    bool abrePorta(int numero, int* erro);
    void iniciaHandshake();
    void desconecta(const QString& motivo = QStringLiteral("Desconectado pelo usuário"));
    void aoPerderPorta();
    void aoTelefoneNaoParar();
    void verificaReconexao();
    void encerraEspera(const QString& evento);
    void mostraLegenda(const QString& legenda);
    void mostraCor(const QString& cor);
    void mensagensModeloDesconhecido();
    void defineFaseBox(EsperaBox::Fase fase);

    Sessao& m_sessao;
    Ligacao& m_ligacao;
    QTimer* m_timerValidaPorta;
    ConsultaModelo* m_consulta;
    QString m_respostaHandshake; // the answer of the handshake's exchange ("" none yet)
    const Troca* m_trocaHandshake = nullptr; // only compared: the exchange whose answer counts
    QTimer* m_timerReconexao;
    QElapsedTimer m_esperaBox;
    int m_portaAguardada = 0;
    EsperaBox m_avisoBox;
    QString m_legendaBotao;
    QString m_cor = QStringLiteral("Branco");
};
