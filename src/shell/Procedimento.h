#pragma once
#include "shell/Ligacao.h"
#include "shell/Troca.h"
#include "veredito/Veredito.h"

#include <QList>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

// One test family's reading of the board: it asks the phone through the link, applies the
// family's own rules (per-model refusals, re-reads, waits), grades the answer the moment it
// arrives, and tells its result. The family's window binds to it and shows the result; the
// whole-board diagnosis runs the same procedure and keeps its items; nothing else grades, so
// the two can never disagree. No timer waits for an answer.
//
// A family derives from it: comeca() sends the first command with pede(), responde() grades
// each answer and either asks again (pede) or ends with conclui(). The family keeps its own
// typed result beside the common items (its grid rows, panel, status text, marks).
class Procedimento : public QObject {
    Q_OBJECT
public:
    // How the procedure ended.
    enum class Fim {
        EmCurso,       // not ended yet (or never started)
        Concluido,     // answered and graded (the items may still say nothing was read)
        Recusado,      // the family refused to run (a model it does not serve): nothing was sent
        SemResposta,   // an exchange failed (a poll or write failed; the link is still up)
        LigacaoPerdida,// the box or the line vanished, or the user ended the link
        Largado,       // the asker gave it up (Cancel, a window closed)
    };
    Q_ENUM(Fim)

    Procedimento(Ligacao& ligacao, const QString& codigo, QObject* pai = nullptr);
    ~Procedimento() override;

    // Starts the reading. False when the link was not idle: nothing was sent and nothing will
    // be told (the asker may try again). A family that refuses the model ends at once with
    // Fim::Recusado (told on the next turn) and returns true.
    bool inicia();
    // The asker no longer wants the result: the exchange in flight is given up (the link
    // discards the rest of its answer) and the procedure ends as Largado, told at once.
    void larga(const QString& motivo);

    bool emCurso() const { return m_emCurso; }
    Fim fim() const { return m_fim; }
    // The requester code the exchanges go under.
    QString codigo() const { return m_codigo; }
    // The command of the exchange in flight or of the last one.
    QString comando() const { return m_comando; }
    // Why the last exchange was cancelled, when it was.
    std::optional<Troca::Motivo> motivo() const { return m_motivo; }

    // What was graded, in the order the family's window shows it.
    const QList<ItemGraduado>& itens() const { return m_itens; }
    // The last answer as it came (R) and without the echoes of the command (A).
    const QString& respostaR() const { return m_R; }
    const QString& respostaA() const { return m_A; }
    // Time spent grading (the procedure's own work, not the wait for the phone) since inicia().
    qint64 nsGraduacao() const { return m_nsGraduacao; }

signals:
    // An exchange went out (the window starts its wait and progress).
    void enviado(const QString& comando);
    // The answer so far of an exchange asked as mirrored.
    void parcial(const QString& R, const QString& A);
    // Once per inicia(), after the last answer was graded or the reading could not end.
    void terminou();

protected:
    // Sends the first command (pede); returns pede's result.
    virtual bool comeca() = 0;
    // Grades one answer (R whole, A without the echoes): ends with conclui(), or asks again.
    // Runs on a turn of its own after the link delivered the answer.
    virtual void responde(const QString& R, const QString& A) = 0;
    // Clears the family's own result before a new reading.
    virtual void limpa() {}

    Ligacao& ligacao() const { return m_ligacao; }
    // One exchange under this procedure's code, its answer ended by the command's usual rule
    // (or by `regra`). False when the link refused it.
    bool pede(const QString& comando, Ligacao::Modo modo = Ligacao::Modo::Normal);
    bool pede(const QString& comando, Ligacao::Modo modo, RegrasTroca::RegraFim regra);
    // Ends with these items (the family has set its own result before).
    void conclui(QList<ItemGraduado> itens);
    // Ends without a reading, for the family's own reason (a refused model).
    void termina(Fim fim);
    // The next exchange of a reading in several, once the link has let the last answer go (on
    // its signal, not a timer): `segue` runs then, unless the reading ended or started again
    // meanwhile; a link that went down first ends the reading as LigacaoPerdida.
    void quandoOciosa(std::function<void()> segue);

private:
    void respondida(const QString& R, const QString& A);
    void cancelada(Troca::Motivo motivo);
    void contaGraduacao();

    Ligacao& m_ligacao;
    QString m_codigo;
    QString m_comando;
    QPointer<Troca> m_troca;
    QList<ItemGraduado> m_itens;
    QString m_R, m_A;
    std::optional<Troca::Motivo> m_motivo;
    Fim m_fim = Fim::EmCurso;
    bool m_emCurso = false;
    qint64 m_nsGraduacao = 0;
    QElapsedTimer m_relogio; // the answer being graded
    quint64 m_geracao = 0; // a graded answer of an earlier start is not this one's
};
