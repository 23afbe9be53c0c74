#pragma once
#include <QObject>
#include <QString>

class Ligacao;
class QTimer;

// The message key for a port that would not open: "MSG_PORTA_EM_USO" when another program
// holds it, "MSG_PORTA_INVALIDA" when there is no such serial device, "" for any other error
// (the standard error box). erroPorta is a QSerialPort::SerialPortError.
QString ChaveErroAbertura(int erroPorta);

// Connecting to the phone and telling which one it is: menu button 1 (connect / disconnect),
// the handshake that waits for the first answer, and the model query. It drives the link
// and says through signals what the main window shows (button 1, status light, port list).
class Conexao : public QObject {
    Q_OBJECT
public:
    explicit Conexao(Ligacao& ligacao, QObject* pai = nullptr);

    Ligacao& ligacao() const { return m_ligacao; }

    // Menu button 1 with the text of the port chooser.
    void BotaoConectar(const QString& textoPorta);
    // Starts a model query ("syscfg print RMd#") when the link is idle.
    void IdentificaModelo();
    // The model evaluation of the connection answer still in the console.
    void AvaliaHandshake();

    QTimer* timerValidaPorta() const { return m_timerValidaPorta; }
    QTimer* timerVerificaVersao() const { return m_timerVerificaVersao; }

    int ContadorValidaPorta = 0;
    int ContadorVerificaVersao = 0;
    int TentativaModelo = 0;

    QString legendaBotao() const { return m_legendaBotao; } // button 1 caption
    QString corStatus() const { return m_cor; }             // "Branco", "Amarelo", "Verde"

signals:
    void legendaBotaoMudou(const QString& legenda);
    void corStatusMudou(const QString& cor);
    void listaPortasPedida();   // rebuild the port chooser
    void focoModeloPedido();    // put the focus on the model chooser
    void handshakeConcluido();  // a phone answered: the waiting windows may send

private:
    void validaPorta();
    void verificaVersao();
    void conecta(int numero);
    void desconecta();
    void mostraLegenda(const QString& legenda);
    void mostraCor(const QString& cor);
    void mensagensModeloDesconhecido();

    Ligacao& m_ligacao;
    QTimer* m_timerValidaPorta;
    QTimer* m_timerVerificaVersao;
    QString m_legendaBotao;
    QString m_cor = QStringLiteral("Branco");
};
