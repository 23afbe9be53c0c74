#pragma once
#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A bench board (vexador-simulador from the application folder) for end-to-end tests.
//
//   Bancada b;                         // a temporary ports folder of its own
//   QVERIFY(b.inicia({"--modelo", "IP 8"}, 3));   // linked as com3, --rapido added
//   ... the program under test opens COM3 (Portas points at b.pastaPortas()) ...
//   QCOMPARE(b.registro(), QByteArray("syscfg print RMd#\r"));
//
// While it runs, the Portas folder override and VEXADOR_PORTAS name its ports folder; both
// are restored when it stops. The board receives every byte in a record file: registro().
class Bancada : public QObject {
    Q_OBJECT
public:
    // `pasta`: the ports folder to link into; empty: a temporary folder of its own.
    explicit Bancada(const QString& pasta = QString(), QObject* pai = nullptr);
    ~Bancada() override;

    // Starts the board with the options (see tools/simulador/README.md), linked as com<porta>
    // (0: not linked). --rapido is added unless `rapido` is false. Waits for the device path.
    bool inicia(const QStringList& opcoes = {}, int porta = 3, bool rapido = true, int esperaMs = 10000);

    QString dispositivo() const { return m_dispositivo; } // e.g. "/dev/pts/4"
    QString pastaPortas() const { return m_pasta; }
    QString link() const;                                  // <pasta>/com<porta>
    int porta() const { return m_porta; }

    // Every byte the board has received so far.
    QByteArray registro() const;
    // Waits until the record holds `trecho` (events keep running). False on time-out.
    bool esperaRegistro(const QByteArray& trecho, int ms = 5000) const;
    // Waits for the next device path line (a line that came back after --volta-apos).
    bool esperaNovoDispositivo(int ms = 10000);
    // Text the board wrote on its error output (what it plays, dropped lines).
    QString erros();

    void para();  // SIGTERM, the board removes its link
    void mata();  // SIGKILL, the link stays behind
    bool rodando() const { return m_processo.state() != QProcess::NotRunning; }

    static QString executavel();

private:
    void restaura();

    QTemporaryDir m_temporaria;
    QString m_pasta;
    QString m_registro;
    QString m_dispositivo;
    QString m_saida;
    QByteArray m_erros;
    int m_porta = 0;
    QProcess m_processo;
    bool m_sobrepos = false;
    QByteArray m_ambienteAnterior;
    bool m_tinhaAmbiente = false;
};
