#pragma once
#include "shell/RegrasTroca.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QString>
#include <functional>

class Conexao;
class Ligacao;
class Sessao;

// The folder of the session logs: "logs" in application folder `aplicacao`; "" when there is
// no application folder (nothing is logged then).
QString PastaLogs(const QString& aplicacao);

// A plain-text record of every exchange with the phone and of every change of the link,
// one UTF-8 file per day ("sessao-2026-12-10.log") in its folder (PastaLogs). An entry is a header line
//
//   2026-12-10 10:30:15.123 | COM16 | IP 7 | A1660 | Master (1) | comando
//
// followed, for a command, by "    > " and the bytes sent (the command and its CR) and a LF;
// for an answer, by every line of R (split after each LF, every other byte kept) behind "    | ",
// each closed by one LF. Removing the prefix and that LF gives R back byte for byte.
//
// An answer cut at its size bound is written as its first part, a line "    ~ " saying what
// was left out, and the last bytes that arrived. Bytes that belonged to no answer (the rest of
// an answer cut by its tick limit, bytes outside any exchange) are written the same way.
// A day file grows to LimiteDiario at most: the entry that would pass it is replaced by a
// note, once, and nothing more is written that day.
//
// Every entry is appended and flushed at once. A failure to write is signalled once
// (falhaDeEscrita, after the current call has returned, so an exchange is never held up by
// what the window shows) and then ignored; later entries are tried again silently.
class RegistroSessao : public QObject {
    Q_OBJECT
public:
    using Relogio = std::function<QDateTime()>;

    // Removes the logs older than 180 days from `pasta` at once.
    RegistroSessao(Sessao& sessao, const QString& pasta, QObject* pai = nullptr,
                            Relogio relogio = {});

    // Logs the exchanges of the link and the connection events of `conexao`.
    void acompanha(Conexao& conexao);
    // Who asks with a requester code, as the entries name it ("Master" for "1"). Until one is
    // given, "Inicial" for "0" and any other code by itself.
    using NomeDoRequisitante = std::function<QString(const QString& codigo)>;
    void defineNomes(NomeDoRequisitante nomes) { m_nomes = std::move(nomes); }

    void registraComando(const QString& codigo, const QString& comando);
    void registraResposta(const QString& codigo, const QString& R, bool cortadaNoLimite = false,
                          const RegrasTroca::Descarte& alemDoLimite = {});
    void registraDescartados(const QString& codigo, const RegrasTroca::Descarte& descarte);
    void registraInterrupcao(const QString& codigo, const QString& R, const QString& motivo);
    void registraEvento(const QString& evento);

    QString pasta() const { return m_pasta; }
    QString arquivoDoDia(const QDate& dia) const;
    bool falhou() const { return m_avisado; }
    // The first failure in the program's language: the session log is not being kept, why and
    // where, and that readings and recordings go on. Empty while nothing failed.
    QString textoDaFalha() const;
    void defineLimiteDiario(qint64 bytes) { m_limiteDiario = bytes; }
    static constexpr qint64 LimiteDiario = 64 * 1024 * 1024;

    static QString NomeDoArquivo(const QDate& dia);
    // Removes this program's day files dated more than `dias` days before `hoje`; other
    // files are left alone. Returns how many were removed.
    static int RemoveAntigos(const QString& pasta, const QDate& hoje, int dias = 180);
    // The header line of an entry (without its line end).
    static QString Cabecalho(const QDateTime& quando, const QString& porta, const QString& modelo,
                             const QString& numero, const QString& assunto);
    // The lines of an answer behind their prefix.
    static QString CorpoDaResposta(const QString& R);

    static const QString PrefixoComando; // "    > "
    static const QString PrefixoResposta; // "    | "
    static const QString PrefixoOmitido;  // "    ~ "

signals:
    // The first entry that could not be written: what failed and the file error's number.
    void falhaDeEscrita(const QString& descricao, int numero);

private:
    // "Master (1)": who asked, as the entries name it.
    QString quem(const QString& codigo) const;
    NomeDoRequisitante m_nomes;
    void escreve(const QDateTime& quando, const QString& texto);
    QString cabecalho(const QDateTime& quando, const QString& assunto) const;
    void avisaFalha(const QString& descricao, int numero, const QString& onde, const char* motivo);
    // The reason of a failed open or write, from the system's error number, as a dictionary key.
    static const char* motivoDoErro(int erroSistema);

    Sessao& m_sessao;
    Ligacao& m_ligacao;
    QString m_pasta;
    Relogio m_relogio;
    QFile m_arquivo;
    QDate m_dia;
    qint64 m_limiteDiario = LimiteDiario;
    bool m_diaCheio = false;
    bool m_avisado = false;
    QString m_ondeFalhou;
    const char* m_motivoFalha = nullptr;
};
