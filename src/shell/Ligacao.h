#pragma once
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QSerialPort;
class QTimer;

// The one serial link to the phone and the command exchange every window uses.
// It owns the port, the link state ("0" disconnected, "2" connecting, "3" a command in flight,
// "1" connected and idle), the command text, the collected answer, the poll timers and the
// delivery of each answer to the window whose requester code asked for it.
// It holds no widget: the main window shows its state through the signals.
class Ligacao : public QObject {
    Q_OBJECT
public:
    explicit Ligacao(QObject* pai = nullptr);
    ~Ligacao() override;

    // --- state read by every window
    QString status() const { return m_status; }
    QString txtComandos() const { return m_comandos; }
    void defineTxtComandos(const QString& texto) { m_comandos = texto; }
    QString txtConsole() const { return m_console; }
    void defineTxtConsole(const QString& texto);
    QString modelo() const { return m_modelo; }         // the model chooser's text
    void defineModelo(const QString& modelo);           // emits modeloMudou on a change
    QString numeroModelo() const { return m_numero; }   // regulatory number label
    void defineNumeroModelo(const QString& numero);
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

    // --- the exchange
    void EnviaComando();
    void AdicionaDadosConsole(const QString& dados);
    // How a window asks for a command: when the link is idle, sets TesteAtivo to the
    // window's code, the command text, and sends. Returns false (nothing sent) otherwise.
    bool solicita(const QString& codigo, const QString& comando);
    // The wait text a window shows when solicita() refused: L("Aguarde...") while busy,
    // L("Desconectado") & "!" without a link.
    QString textoEspera() const;

    // --- deliveries, one row per requester code
    // R is the whole answer, A the answer with every echo of the command removed.
    using Entrega = std::function<void(const QString& R, const QString& A)>;
    void registraEntrega(const QString& codigo, Entrega entrega);
    // Live mirroring while EspelhoAtivo: called whenever the console grows.
    void registraEspelho(const QString& codigo, Entrega espelho);

    QSerialPort* porta() const { return m_porta; }

    // Used by the connection logic of the shell only.
    void defineStatus(const QString& status);
    // Stops the polling of an answer (the port is being closed).
    void paraLeituras();

signals:
    void statusMudou(const QString& status);
    void legendaPrincipalMudou(const QString& legenda);  // main window caption
    void textoEstadoMudou(const QString& texto);         // St1
    void consoleMudou();                                // any change of txtConsole
    void consoleAcrescentado(const QString& acrescimo);  // appended text (after LF expansion)
    void consoleRedefinido();                           // replaced as a whole
    void modeloMudou(const QString& modelo);
    void numeroModeloMudou(const QString& numero);
    void respostaEntregue(const QString& codigo);
    // The answer a window waits for will not come (a poll failed or the box was lost): the
    // window stops its progress and gives its buttons back.
    void esperaCancelada(const QString& codigo);
    // The device behind the port is gone (unplugged box, vanished line). The link has already
    // closed the port and gone to "0" (St1 L("Desconectado"), no regulatory number); the shell
    // shows the rest of the disconnected state. Then the waiting window is told
    // (esperaCancelada) and "MSG_PORTA" is shown once, after the current tick has ended.
    void portaPerdida();

    // --- what the session log records
    void comandoEnviado(const QString& codigo, const QString& comando); // written to the port
    void respostaColetada(const QString& codigo, const QString& R);     // complete, before delivery
    void trocaInterrompida(const QString& codigo, const QString& R, const QString& motivo);

private:
    void primeiraLeitura();
    void leiturasSeguintes();
    void EntregaResposta();
    bool le(QString* chunk);
    void falhaNaLeitura();
    // True when the port's device is gone: the port said so, or its device node or its COM
    // number no longer exists.
    bool dispositivoSumiu(int erro) const;
    void perdeDispositivo(const QString& codigo);
    void erroForaDaTroca(int erro);
    void espelha();

    QSerialPort* m_porta;
    QTimer* m_timer1;
    QTimer* m_timer2;
    QString m_status = QStringLiteral("0");
    QString m_comandos;
    QString m_console;
    QString m_modelo = QStringLiteral("IP 7");
    QString m_numero;
    QString m_box = QStringLiteral("1");
    QString m_portaSelecionada;
    QString m_textoEstado;
    QString m_legenda;
    int m_contadorLeitura = 0;
    int m_ultimoErro = 0; // last error the port reported since it was opened
    bool m_verificacaoPendente = false;
    QHash<QString, Entrega> m_entregas;
    QHash<QString, Entrega> m_espelhos;
};
