#pragma once
#include "rails/GradeTrilhas.h"
#include "shell/Procedimento.h"

#include <optional>

// The reading of a rail grid (VCore, Buck and LDO): one "pmuadc --read all", graded the moment
// the answer arrives for the model, family, decimals and tolerance it was started with (told at
// once: graduado), then written into Master on a turn of its own, so the grid is painted before
// the write waits for the disk. Its typed result is the grading's (rows, stored or not, the
// database's failure, unknown channel codes); its items are the graded rails by name, as the
// technician knows them. The window and the whole-board diagnosis both run it, so the grid and
// the diagnosis cannot grade a rail differently.
class ProcedimentoTrilhas : public Procedimento {
    Q_OBJECT
public:
    static const QString Comando;

    // `codigo`: the requester code of the window whose grid this is (its end-of-answer rules);
    // `banco`: the database (Config.qzd) whose Master it grades against and writes.
    ProcedimentoTrilhas(Ligacao& ligacao, const QString& codigo, VarianteGrade variante,
                        const QString& banco, QObject* pai = nullptr);
    ~ProcedimentoTrilhas() override;

    // What the next inicia() grades with. Without decimals, the window's stored choice
    // (CarregaDecimais) is taken when the reading starts.
    void defineModelo(const QString& modelo) { m_modelo = modelo; }
    void defineFamilia(int familia) { m_familia = familia; }
    void defineDecimais(std::optional<Decimais> decimais) { m_decimais = decimais; }
    void defineTolerancia(double tolerancia) { m_tolerancia = tolerancia; }
    // Grades only: nothing stored in Master and no row's verdict logged (a watch re-reading
    // rails keeps the grid's stored reading, logs its own rails and never waits on the disk).
    void defineSoGradua(bool soGradua) { m_soGradua = soGradua; }

    VarianteGrade variante() const { return m_variante; }
    QString modelo() const { return m_modelo; }
    int familia() const { return m_familia; }
    double tolerancia() const { return m_tolerancia; }

    // The last grading (empty until the answer was graded; its storing is known at terminou).
    const ResultadoGrade& resultado() const { return m_resultado; }
    // Time the last grading and its storing took (Procedimento::nsGraduacao is summed only
    // after terminou has been told, too late for whoever shows the result).
    qint64 nsUltimaGraduacao() const { return m_nsGrade; }
    qint64 nsUltimaGravacao() const { return m_nsGravacao; }

signals:
    // The answer is graded (resultado() holds it) and is about to be stored; terminou follows.
    void graduado();

protected:
    bool comeca() override;
    void responde(const QString& R, const QString& A) override;
    void limpa() override;
    // The items of the reading: the graded rails.
    virtual QList<ItemGraduado> itensDaLeitura() const;

private:
    // Stores the grading told by graduado, once.
    void grava();

    VarianteGrade m_variante;
    QString m_banco;
    QString m_modelo;
    int m_familia = FamiliaVCore;
    std::optional<Decimais> m_decimais;
    Decimais m_decimaisDaLeitura;
    double m_tolerancia = ToleranciaPadrao;
    ResultadoGrade m_resultado;
    qint64 m_nsGrade = 0;
    qint64 m_nsGravacao = 0;
    quint64 m_geracao = 0; // a grading stored late belongs to the reading that made it
    bool m_gravacaoPendente = false;
    bool m_soGradua = false;
};

// The graded rails as items: named by rail (Malha), or by the PMU output when the row has no
// rail name; a voltage graded against its band carries its deviation.
QList<ItemGraduado> ItensDasTrilhas(const ResultadoGrade& resultado, double tolerancia = ToleranciaPadrao);
