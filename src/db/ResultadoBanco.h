#pragma once
#include <QString>

class QSqlError;

// Why a database write did not store what it was asked to.
enum class MotivoFalhaBanco {
    Nenhum,             // stored
    Ausente,            // the database file is not there
    SomenteLeitura,     // the file or its folder cannot be written
    DiscoCheio,
    Ocupado,            // another program held the file longer than the wait allows
    Danificado,         // the file is not a sound database
    LinhaAusente,       // the row to change is no longer there
    ImportacaoPendente, // User.qzd still holds a previous installation's data not yet imported
    Outro,              // anything else: the engine's own text is in detalhe()
};

// The outcome of a database write: ok, or the reason it failed, told to the technician in the
// program's language by mensagem(). Converts to bool, so callers that only test success (or
// ignore the outcome) read it as before.
class ResultadoBanco {
public:
    // What was not done, which opens the message.
    enum class Alvo {
        Gravacao,     // the data was not stored
        CopiaUsuario, // the backup User.qzd was not updated (the data itself is stored)
        Importacao,   // nothing was imported
        Inicio,       // said at start: nothing that is recorded will be stored
    };

    ResultadoBanco() = default; // success
    // arquivo: the file the reason speaks of (a path or a name); Config.qzd when empty.
    static ResultadoBanco falha(MotivoFalhaBanco motivo, const QString& detalhe = QString(),
                                const QString& arquivo = QString());
    // Classifies an engine error; caminho (the database file) tells a read-only folder apart
    // from a file that cannot be opened.
    static ResultadoBanco doErro(const QSqlError& erro, const QString& caminho = QString());

    bool ok() const { return m_motivo == MotivoFalhaBanco::Nenhum; }
    explicit operator bool() const { return ok(); }
    MotivoFalhaBanco motivo() const { return m_motivo; }
    QString detalhe() const { return m_detalhe; }
    QString arquivo() const;
    Alvo alvo() const { return m_alvo; }
    ResultadoBanco& sobre(Alvo alvo)
    {
        m_alvo = alvo;
        return *this;
    }

    // "The data was NOT stored: <reason>" (or the backup, or the import, after alvo()) in the
    // current language; "" when ok.
    QString mensagem() const;
    // The reason alone, in the current language.
    QString motivoTexto() const;

private:
    MotivoFalhaBanco m_motivo = MotivoFalhaBanco::Nenhum;
    QString m_detalhe;
    QString m_arquivo;
    Alvo m_alvo = Alvo::Gravacao;
};
