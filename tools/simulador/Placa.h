#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The phone's diagnostics shell as the bench board plays it: which model it is, what it
// reads on every channel, and the output of every command the console sends.
// Output lines end in a bare line feed (the console turns it into CR LF); the echo of a
// command ends in CR LF, as the phone's terminal echoes the typed carriage return.

// A piece of an answer and the pause before it is written.
struct Trecho {
    QByteArray dados;
    int pausaMs = 0;
};

// What one channel prints instead of its normal value.
struct AjusteCanal {
    enum class Tipo { Valor, Ausente, Tempo, Desvio, Deriva };
    Tipo tipo = Tipo::Valor;
    QString texto;        // Valor: the value text; Tempo: the word printed
    double desvio = 0;    // Desvio: percent off the reference; Deriva: percent more at each PMU reading
};

class Placa {
public:
    struct Opcoes {
        QString modelo;          // "IP 7" ...; empty: from the regulatory number, else "IP 7"
        QString rmd;             // regulatory number; empty: the model's usual one
        QString banco;           // Config.qzd with the reference data
        bool rapido = false;     // long commands answer at once
        bool semDriver = false;  // "SystemConfig Driver is missing!"
        bool recusaPrimeira = false; // "Command not found" on the first model query
    };

    explicit Placa(const Opcoes& opcoes);

    // Loads the reference data; false (with the reason) when the file cannot be read.
    // The board then still answers, with built-in readings.
    bool carregaBanco(QString* erro);
    // Reads a profile file (format in README.md); false with the line at fault.
    bool carregaPerfil(const QString& caminho, QString* erro);
    // One adjustment given on the command line: key is a label or a channel code.
    void ajusta(const QString& chave, const AjusteCanal& ajuste);
    // A whole command answered with a fixed output.
    void defineResposta(const QString& comando, const QString& saida);

    QString modelo() const { return m_modelo; }
    QString rmd() const { return m_rmd; }
    QString prompt() const { return QStringLiteral("[0D1F2E3C:5A4B6C7D] :-) "); }

    // The output of a command (without echo and prompt), in paced pieces.
    // `comPrompt` is cleared for commands after which the phone prints no prompt.
    QList<Trecho> responde(const QString& comando, bool* comPrompt);

    // The label a key names: a channel code gives its PMU ADC label, anything else is taken
    // as written.
    static QString rotuloDaChave(const QString& chave);
    // The usual regulatory number of a model and the model of a number ("" if unknown).
    static QString rmdDoModelo(const QString& modelo);
    static QString modeloDoRmd(const QString& rmd);
    static const QStringList& modelos();

    // The channels adjusted (a deviation, a drift, a missing channel ...) that this board never
    // prints: a misspelt key would otherwise leave the board good without a word.
    QStringList ajustesSemCanal() const;

    // Channel lines as printed (for tests of the board itself).
    QStringList linhasPmu();
    QStringList linhasTigris();
    QStringList linhasChestnut();

private:
    struct Canal {
        QString rotulo;
        double valor = 0;   // millivolts, milliamperes or degrees
        QString unidade;    // "mV", "mA", "C"
    };
    QString linha(const Canal& c) const;
    QStringList linhas(const QList<Canal>& canais) const;
    double valorPmu(int codigo) const;
    QList<Canal> canaisPmu() const;
    QList<Canal> canaisAcorn() const;
    QList<Canal> canaisTigris() const;
    QList<Canal> canaisChestnut() const;
    QString dadosGravados(const QString& comando) const;
    bool familia(const char* prefixo) const { return m_modelo.startsWith(QLatin1String(prefixo)); }
    bool novo() const { return familia("IP 8") || familia("IP X"); }

    QString saidaBuck(bool verifica, int tolerancia) const;
    QString saidaI2c(int barramento) const;
    QString saidaNandsize() const;
    QString saidaGasGauge() const;
    QString saidaBateria() const;
    QList<Trecho> saidaLonga(const QStringList& linhas, const QString& fim, int totalMs) const;

    Opcoes m_op;
    QString m_modelo;
    QString m_rmd;
    int m_consultasModelo = 0;
    // Master references of the model by channel code: (RefV, Ref).
    QHash<int, QPair<QString, QString>> m_refs;
    QHash<QString, QString> m_dados;      // recorded answers, key: simplified lower command
    QStringList m_i2c;                    // ids of table i for the model
    QString m_mascara = QStringLiteral("C39VEXADOR01");
    QHash<QString, AjusteCanal> m_ajustes; // by label
    int m_leiturasPmu = 0; // "pmuadc --read all" answered before the one being written (drifts)
    QHash<QString, QString> m_respostas;   // fixed outputs, key: simplified lower command
    // The touch controller's power, played only when a profile says it starts off: while off,
    // its supply ("chestnut vldo3 :") reads 0 V; "touch --on" and "touch --off" switch it.
    bool m_toqueSimulado = false;
    bool m_toqueLigado = true;
};
