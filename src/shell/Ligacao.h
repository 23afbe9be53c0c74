#pragma once
#include "shell/RegrasTroca.h"
#include "shell/Troca.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class QSerialPort;
class QTimer;

// The link's state. The main window shows it as its code: "0", "1", "2", "3" (CodigoEstado).
enum class EstadoLigacao {
    Desconectada, // "0"
    Ociosa,       // "1": connected and idle, a command may be sent
    Conectando,   // "2": the connection's handshake is under way
    Ocupada,      // "3": a command is in flight (or the rest of a cut answer is discarded)
};
QString CodigoEstado(EstadoLigacao estado);

// The requester code of an exchange whose answer goes to no window (it stays in the console).
inline const QString SemRequisitante = QStringLiteral("0");

// The one serial link to the phone and the command exchange every window uses.
// It owns the port, the link state, the command text, the collected answer, the poll timers
// and the exchange in flight (a Troca, which tells its asker the answer or why none came).
// It holds no widget: the main window shows its state through the signals.
//
// Every answer holds only its own bytes. The line is read as it arrives and each poll tick
// takes what came since the previous one (the rules in RegrasTroca decide). An answer keeps
// at most RegrasTroca::LimiteResposta characters; the rest is counted and discarded and the
// answer is delivered as cut. An answer ended by its tick limit while the phone still sends
// is delivered with what it has, and the link stays busy ("3", St1 L("Comunicando")) until
// the phone's prompt arrives or the line has been quiet for six polls: those late bytes, and
// any byte that arrives outside an exchange, are discarded and go to the session log only.
class Ligacao : public QObject {
    Q_OBJECT
public:
    explicit Ligacao(QObject* pai = nullptr);
    ~Ligacao() override;

    // --- state read by every window
    EstadoLigacao estado() const { return m_estado; }
    bool ociosa() const { return m_estado == EstadoLigacao::Ociosa; }
    QString modeloBox() const { return m_box; }          // "1" or "2"
    void defineModeloBox(const QString& box);           // sets the poll intervals
    // The COM port number as chosen (cbPortas), quoted by the port messages.
    QString portaSelecionada() const { return m_portaSelecionada; }
    void definePortaSelecionada(const QString& porta) { m_portaSelecionada = porta; }
    // St1 and the main window caption as the link last set them.
    QString textoEstado() const { return m_textoEstado; }
    void defineTextoEstado(const QString& texto);
    QString legendaPrincipal() const { return m_legenda; }
    void defineLegendaPrincipal(const QString& legenda);
    // The caption without a board ("Vexador Tarrim v." + version), which the link puts back
    // when the board goes; given by whoever builds the link.
    QString tituloPrincipal() const { return m_tituloPrincipal; }
    void defineTituloPrincipal(const QString& titulo) { m_tituloPrincipal = titulo; }

    // --- the exchange
    enum class Modo {
        Normal,
        Espelhada, // the answer is also shown while it arrives (Troca::parcial)
        Conexao,   // the connection's own handshake, sent before the link is idle
    };
    // The one way to send a command: on behalf of requester `codigo` ("0" for nobody), its
    // answer ended by `regra`. Never null. When the link is not idle nothing is sent:
    // recusada() is true at once and the exchange is cancelled (Motivo::Recusada) on the next
    // turn of the event loop. The link never looks at the requester code to end an answer.
    Troca* pede(const QString& codigo, const QString& comando, Modo modo, RegrasTroca::RegraFim regra);
    // The same, ended by the command's usual rule (RegrasTroca::RegraDoComando).
    Troca* pede(const QString& codigo, const QString& comando, Modo modo = Modo::Normal);
    // The requester code of the exchange in flight or being delivered, "0" between exchanges.
    QString requisitante() const { return m_requisitante; }
    // The end-of-answer rule of the exchange in flight (of the last one between exchanges).
    RegrasTroca::RegraFim regraFim() const { return m_regra; }
    // True while a mirrored exchange is in flight.
    bool espelhoAtivo() const { return m_troca && m_troca->espelhada(); }
    // The wait text a window shows when its exchange was refused: L("Aguarde...") while
    // busy, L("Desconectado") & "!" without a link.
    QString textoEspera() const;

    QSerialPort* porta() const { return m_porta; }

    // How the last answer was cut (read during its delivery): by its tick limit, and how many
    // bytes beyond its bound were discarded.
    bool respostaCortada() const { return m_cortadaNoLimite || !m_alemDoLimite.vazio(); }
    bool cortadaNoLimite() const { return m_cortadaNoLimite; }
    const RegrasTroca::Descarte& alemDoLimite() const { return m_alemDoLimite; }
    // True while the rest of a cut answer is being discarded (the link is busy, "3").
    bool descartando() const { return m_fase == Fase::Descarte; }
    // How long the phone may go on sending after its answer was cut before telefoneNaoPara.
    qint64 LimiteSemFimMs = 5000;

    // Used by the connection logic of the shell only.
    void defineEstado(EstadoLigacao estado);
    // The connection's handshake owns the link from its first command until the phone is
    // confirmed: meanwhile no window's command is taken and the link returns to "2"
    // (Conectando), never to idle, between the handshake's own exchanges. Going to "0" ends it.
    void reservaParaConexao() { m_reservada = true; }
    // The phone is confirmed: the link is idle (when no exchange is in flight) and any
    // command left pending goes out.
    void confirmaConexao();
    bool reservada() const { return m_reservada; }
    // True while an exchange is in flight or the rest of a cut answer is being discarded.
    bool trocaEmCurso() const { return m_fase != Fase::Ociosa; }

    // A command that must reach the phone whatever window asked for it (the "/q" that ends
    // the buttons test): sent for nobody ("0") as soon as the link is idle and confirmed,
    // after a reconnection too, and sent again after it when the box was lost before its
    // answer. It survives the window that asked; a user's disconnect drops it.
    void pedeQuandoLivre(const QString& comando);
    QString comandoPendente() const { return m_pendente; }
    // The exchange the last lost box took with it (codigo "" when none was in flight): the
    // requester, the command and how many characters of its answer had arrived.
    struct TrocaPerdida {
        QString codigo;
        QString comando;
        qsizetype recebidos = 0;
    };
    TrocaPerdida trocaPerdida() const { return m_trocaPerdida; }

    // Stops the polling of an answer (the port is being closed).
    void paraLeituras();
    // The user ends the link while a command is in flight: the exchange is abandoned (logged as
    // interrupted with `motivo`, the waiting window released) or the discarding of a cut
    // answer's rest ends. The caller closes the port.
    void abandonaTroca(const QString& motivo);
    // The asker gives up the exchange in flight (logged as interrupted with `motivo`, the
    // exchange cancelled as abandoned): the rest of its answer is discarded as for a cut
    // answer, the link busy until the phone's prompt or a quiet line.
    void largaTroca(const QString& motivo);

signals:
    void estadoMudou(EstadoLigacao estado);
    void legendaPrincipalMudou(const QString& legenda);  // main window caption
    void textoEstadoMudou(const QString& texto);         // St1
    // The answer being collected, for the console strip (the link keeps no console text of
    // its own for anyone to read): text appended (after LF expansion), or the whole replaced.
    void consoleAcrescentado(const QString& acrescimo);
    void consoleRedefinido(const QString& texto);
    // An exchange has been answered and its asker told (the link is idle again, or busy
    // discarding the rest of a cut answer).
    void respostaEntregue(const QString& codigo);
    // An exchange ended without an answer (refusals excepted: nothing was sent).
    void trocaCancelada(const QString& codigo, Troca::Motivo motivo);
    // The device behind the port is gone (unplugged box, vanished line). The link has already
    // closed the port and gone to "0" (St1 L("Desconectado")); the session forgets the
    // regulatory number; the shell
    // shows the rest of the disconnected state and tells what was lost (trocaPerdida). Then
    // the waiting window is told (its exchange cancelled).
    void portaPerdida();
    // The answer of `codigo` was cut and the phone has gone on sending for LimiteSemFimMs: it
    // does not stop (an endless answer, a flooding box). Told once per answer; the link stays
    // busy discarding until the phone stops or the user disconnects.
    void telefoneNaoPara(const QString& codigo);

    // --- what the technician is told (the main window shows it; the link shows nothing)
    // The message of a dictionary key with the COM number ("MSG_PORTA").
    void mensagemPedida(const QString& chave, const QString& porta);
    // A port error in the standard error box.
    void erroPedido(const QString& descricao, int numero);
    // A command the port would not take: `texto` with `titulo`, as an error.
    void erroDeEnvio(const QString& texto, const QString& titulo);

    // --- what the session log records
    void comandoEnviado(const QString& codigo, const QString& comando); // written to the port
    void comandoPendenteMudou(const QString& comando); // "" once the pending command went out
    void respostaColetada(const QString& codigo, const QString& R);     // complete, before delivery
    void trocaInterrompida(const QString& codigo, const QString& R, const QString& motivo);
    // Bytes that belong to no answer were discarded: the rest of the answer of `codigo` after
    // its cut, or (codigo "") bytes that arrived outside any exchange.
    void bytesDescartados(const QString& codigo, const RegrasTroca::Descarte& descarte);
    // The phone went on sending after the answer of `codigo` was closed (the rest of a cut
    // answer, or what came after the quiet poll that ended it): `caracteres` were not read.
    // Told once the phone is quiet again, or when the next command is sent.
    void respostaContinuou(const QString& codigo, qint64 caracteres);

private:
    enum class Fase { Ociosa, Troca, Descarte };

    void primeiraLeitura();
    void leiturasSeguintes();
    void leituraDoDescarte();
    void EnviaComando();
    void EntregaResposta();
    // Appends what the line brought to the answer being collected.
    void AdicionaDadosConsole(const QString& dados);
    // Ends the exchange in flight without an answer.
    void cancelaTroca(Troca::Motivo motivo);
    // Takes what the line holds now into the chunk of the current tick.
    void recebe();
    bool le(QString* chunk, RegrasTroca::Pedaco* pedaco);
    void mostraComunicando();
    // The wait for the rest of an answer that was cut or given up: the link stays busy.
    void comecaDescarte();
    void terminaDescarte();
    void registraDescartados(const QString& codigo);
    void falhaNaLeitura();
    // True when the port's device is gone: the port said so, or its device node or its COM
    // number no longer exists.
    bool dispositivoSumiu(int erro) const;
    void perdeDispositivo();
    void erroForaDaTroca(int erro);
    void espelha();
    // The link has no exchange left: idle ("1"), or back to "2" while the handshake owns it.
    void voltaAoRepouso();
    void enviaPendente();
    // Tells the window of the last answer how much came after it, and forgets it.
    void contaContinuacao();

    QSerialPort* m_porta;
    QTimer* m_timer1;
    QTimer* m_timer2;
    QTimer* m_timerDescarte;
    Fase m_fase = Fase::Ociosa;
    RegrasTroca::ColetaDoPedaco m_coleta;
    RegrasTroca::Descarte m_alemDoLimite; // beyond the bound of the answer being collected
    RegrasTroca::Descarte m_descarte;     // bytes of no answer, not yet logged
    QString m_codigoDescarte;             // whose cut answer the discarded rest belongs to
    bool m_cortadaNoLimite = false;
    int m_silenciosos = 0;
    EstadoLigacao m_estado = EstadoLigacao::Desconectada;
    QPointer<Troca> m_troca;
    QString m_requisitante = QStringLiteral("0");
    RegrasTroca::RegraFim m_regra = RegrasTroca::RegraFim::Comum;
    QString m_comando;  // the command of the exchange in flight (of the last one between them)
    QString m_resposta; // its answer as collected so far
    QString m_box = QStringLiteral("1");
    QString m_portaSelecionada;
    QString m_textoEstado;
    QString m_legenda;
    QString m_tituloPrincipal;
    int m_contadorLeitura = 0;
    int m_ultimoErro = 0; // last error the port reported since it was opened
    bool m_verificacaoPendente = false;
    bool m_reservada = false;
    TrocaPerdida m_trocaPerdida;
    QElapsedTimer m_tempoDescarte;
    QTimer* m_timerContinuacao;
    QString m_codigoUltimaResposta; // the answer the next stray bytes follow ("" none)
    qint64 m_continuacao = 0;
    bool m_semFimAvisado = false;
    QString m_pendente;
    // The exchange that carries it once sent: a box lost before its answer takes it along,
    // and then nobody knows whether the phone read it, so it is pending again.
    QPointer<Troca> m_trocaDoPendente;
};
