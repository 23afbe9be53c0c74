#pragma once
#include <QObject>
#include <QString>

// One command sent to the phone on behalf of a requester and the answer that comes back.
// Made by Ligacao::pede; it ends exactly once, answered or cancelled, and then deletes itself
// (hold it in a QPointer). The requester code names the window the answer belongs to ("0":
// nobody, the answer stays in the console); how the answer ends is the request's own rule.
class Troca : public QObject {
    Q_OBJECT
public:
    enum class Motivo {
        Recusada,       // the link was not idle: nothing was sent
        LigacaoPerdida, // the box or the line vanished
        Falha,          // a write or a poll failed; the link is still up
        Abandonada,     // the user ended the link while the answer was arriving
    };
    Q_ENUM(Motivo)

    QString codigo() const { return m_codigo; }
    QString comando() const { return m_comando; }
    bool espelhada() const { return m_espelhada; }
    bool recusada() const { return m_recusada; }
    bool terminada() const { return m_terminada; }
    // The asker no longer wants the answer: the link still collects it (the phone sends it
    // anyway) but nobody is told.
    void desiste() { m_desistiu = true; }
    bool desistiu() const { return m_desistiu; }

signals:
    // R is the whole answer, A the answer with every echo of the command removed.
    void respondida(const QString& R, const QString& A);
    // The answer so far, while an exchange asked to be mirrored is arriving.
    void parcial(const QString& R, const QString& A);
    void cancelada(Troca::Motivo motivo);
    void terminou();

private:
    friend class Ligacao;
    Troca(const QString& codigo, const QString& comando, bool espelhada, QObject* pai);
    void responde(const QString& R, const QString& A);
    void cancela(Motivo motivo);
    void termina();

    QString m_codigo;
    QString m_comando;
    bool m_espelhada = false;
    bool m_recusada = false;
    bool m_terminada = false;
    bool m_desistiu = false;
};
