#pragma once
#include "Placa.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// The serial line of the bench board: a pseudo-terminal in raw mode, optionally linked as
// "comN" in a ports folder, that reads commands (ended by one carriage return) and writes
// the board's answers: echo, output, prompt. The faults of a broken box are applied here.
class Linha : public QObject {
    Q_OBJECT
public:
    struct Falhas {
        bool mudo = false;        // silent box: nothing is ever written
        bool semPrompt = false;   // answers end without the prompt line
        int lentoMs = 0;          // > 0: answers in pieces with this pause between them
        int pedaco = 16;          // bytes per piece of a slow answer
        bool semFim = false;      // the answer never ends
        int semFimNoComando = 0;  // > 0: only the answer to that command never ends
        int demoraMs = 0;         // > 0: every answer starts this long after its command
        bool lixo = false;        // bytes that are not text inside the answers
        int quedaNoComando = 0;   // > 0: the line vanishes in the middle of that answer
        int voltaAposS = -1;      // >= 0: the line comes back after that many seconds
        int inundaNoComando = 0;  // > 0: from that command on, lines as fast as the line takes them
    };

    Linha(Placa* placa, const Falhas& falhas, QObject* pai = nullptr);
    ~Linha() override;

    // Opens the pseudo-terminal and, with a number, links it as comN in `pasta`.
    // Prints the device path on stdout. False with the reason on failure.
    bool abre(int porta, const QString& pasta, QString* erro);
    // Every byte received is appended to this file.
    bool defineRegistro(const QString& caminho, QString* erro);
    // Faults switched while the board runs: `caminho` is read whenever it changes (see the
    // README's "Faults switched at run time"); the command-line faults hold until then.
    void defineControle(const QString& caminho);

    QString dispositivo() const { return m_dispositivo; }
    QString link() const { return m_link; }
    void fecha(); // closes the line and removes the link

private:
    void le();
    void escreve();
    void trataComando(const QByteArray& comando);
    void proximoComando();
    void enfileira(const QList<Trecho>& trechos);
    void proximoTrecho();
    void derruba();
    void envia(const QByteArray& dados);
    void reabasteceInundacao();
    void leControle();

    Placa* m_placa;
    Falhas m_falhas;
    int m_porta = 0;
    QString m_pasta;
    int m_mestre = -1;
    int m_escravo = -1;
    QString m_dispositivo;
    QString m_link;
    QSocketNotifier* m_leitura = nullptr;
    QSocketNotifier* m_escrita = nullptr;
    QTimer* m_relogio;
    QByteArray m_entrada;          // bytes of the command being typed
    QList<QByteArray> m_comandos;  // commands waiting for the current answer to end
    QList<Trecho> m_fila;          // pieces of the answer being written
    bool m_respondendo = false;
    bool m_caindo = false; // the half answer went out and the line drops shortly
    QByteArray m_pendente;         // bytes the line could not take yet
    QFile m_registro;
    int m_contador = 0;            // commands received
    qint64 m_quedaEm = -1;         // bytes of the current answer after which the line drops
    qint64 m_escritosResposta = 0;
    int m_linhaSemFim = 0;
    bool m_inundando = false;
    qint64 m_linhaInundacao = 0;
    QString m_controle;
    QByteArray m_controleLido;
    QTimer* m_relogioControle = nullptr;
};
