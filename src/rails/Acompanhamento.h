#pragma once
#include "rails/GradeTrilhas.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class Ligacao;
class ProcedimentoTrilhas;

// One reading of a watched rail.
struct Amostra {
    qint64 ms = 0;           // wall-clock time, milliseconds since the epoch
    double valor = 0;        // in the rail's unit (V or mA)
    bool fora = false;       // graded as failed: outside its band
    bool aposLacuna = false; // the first reading after the link was lost
};

// The readings of one rail, bounded: when full, the older half is thinned to half its points
// (of each pair the one out of band or after a gap is kept), so the newest readings stay whole,
// older ones grow sparser, and an hour or a day at the link's full rate takes the same memory.
class SerieAmostras {
public:
    explicit SerieAmostras(int capacidade = CapacidadePadrao);
    static constexpr int CapacidadePadrao = 4096;

    void acrescenta(const Amostra& a);
    void limpa();
    const QList<Amostra>& amostras() const { return m_amostras; }
    int capacidade() const { return m_capacidade; }
    // Readings ever added since the last clear (kept or thinned out).
    qint64 recebidas() const { return m_recebidas; }

private:
    void desbasta();

    int m_capacidade;
    QList<Amostra> m_amostras;
    qint64 m_recebidas = 0;
};

// A watched rail: where it is graded and the band it is drawn against.
struct TrilhaAcompanhada {
    VarianteGrade variante = VarianteGrade::VCore;
    int familia = FamiliaVCore;
    QString nome;   // as the grid shows it
    QString ref;    // the reference as shown ("0.825", "< 400 mA")
    bool corrente = false; // mA against a limit; else V against RefV ± tolerance
    std::optional<double> bandaMin, bandaMax; // none for a rail without a reference value
    QString unidade() const { return corrente ? QStringLiteral("mA") : QStringLiteral("V"); }
};

// The moment a reading left its band.
struct MarcaSaida {
    int trilha = 0;
    qint64 ms = 0;
    double valor = 0;
    QString leitura; // as graded ("0.912 V")
};

// A rail watched live: the chosen rails (up to four) of the model's grids re-read one exchange
// after the other through the grids' own procedure (ProcedimentoTrilhas, grading only), each
// reading kept in a bounded series, logged in the session log, and marked when it leaves its
// band. A lost link pauses it; once the link is idle again it resumes, the gap kept.
class Acompanhamento : public QObject {
    Q_OBJECT
public:
    static constexpr int MaximoTrilhas = 4;
    static constexpr int MaximoMarcas = 2000;
    using Relogio = std::function<qint64()>;

    enum class Estado {
        Parado,     // never started, or cleared without rails
        Lendo,      // reading one exchange after the other
        Pausado,    // paused by the technician
        SemLigacao, // the link was lost or is busy elsewhere: resumes by itself
    };
    Q_ENUM(Estado)

    // `codigo`: the requester code its exchanges go under (the watch window's).
    // `banco`: the database (Config.qzd) whose rails it offers and grades against.
    Acompanhamento(Ligacao& ligacao, const QString& codigo, const QString& banco, QObject* pai = nullptr,
                   Relogio relogio = {});
    ~Acompanhamento() override;

    void defineModelo(const QString& modelo) { m_modelo = modelo; }
    QString modelo() const { return m_modelo; }

    // Adds the model's rail `nome` of that grid. Returns "" when it is watched (or already was),
    // else why not, in the program's language: four rails already, a rail the grid does not
    // have, or one the model gives no value for in purple mode.
    QString adiciona(VarianteGrade variante, int familia, const QString& nome);
    void remove(int indice);

    // Starts or resumes reading (from Parado or Pausado).
    void inicia();
    void pausa();
    // Forgets every reading, mark and gap; the rails stay and so does the state.
    void limpa();

    Estado estado() const { return m_estado; }
    const QList<TrilhaAcompanhada>& trilhas() const { return m_trilhas; }
    const SerieAmostras& serie(int indice) const { return m_series.at(indice); }
    const QList<MarcaSaida>& marcas() const { return m_marcas; }
    int lacunas() const { return m_lacunas; }
    qint64 trocas() const { return m_trocas; } // exchanges graded since it was created
    // Readings a second over the last few exchanges (0 until two were read).
    double taxa() const;

    // One reading of rail `indice` into its series, marked when it leaves the band after a
    // reading inside it (or after a gap). The watch's own readings come through here; a reading
    // kept elsewhere (an hour replayed to time the plots) may too. `leitura` as graded.
    void acrescenta(int indice, const Amostra& amostra, const QString& leitura);

    // Every reading kept, one line each (time, rail, value, unit, band, out of band, after a
    // gap). False with the reason when the file could not be written whole.
    bool exportaCsv(const QString& arquivo, QString* erro = nullptr) const;

signals:
    void leituraFeita(); // a reading was added to the rails' series
    void marcou(const MarcaSaida& marca);
    void estadoMudou(Acompanhamento::Estado estado);
    void trilhasMudaram();

private:
    void proxima();
    void graduado(ProcedimentoTrilhas* p);
    void terminou(ProcedimentoTrilhas* p);
    void ligacaoMudou();
    void mudaEstado(Estado e);
    void perdeuLigacao();
    ProcedimentoTrilhas* procedimentoDe(VarianteGrade variante, int familia);

    Ligacao& m_ligacao;
    QString m_codigo;
    QString m_banco;
    QString m_modelo;
    Relogio m_relogio;
    Estado m_estado = Estado::Parado;
    QList<TrilhaAcompanhada> m_trilhas;
    QList<SerieAmostras> m_series;
    QList<bool> m_foraAntes; // the rail's last reading was out of band
    QList<MarcaSaida> m_marcas;
    QList<ProcedimentoTrilhas*> m_procedimentos; // one per grid family watched
    int m_vez = 0;                               // the procedure of the next exchange
    QPointer<ProcedimentoTrilhas> m_emCurso;
    bool m_lacunaPendente = false; // the link was lost since the last exchange that ended
    QList<bool> m_aposLacuna;      // per rail: its next reading is the first after a gap
    int m_lacunas = 0;
    qint64 m_trocas = 0;
    QList<qint64> m_tempos; // the last exchanges' ends, for the rate
    bool m_agendada = false;
};

