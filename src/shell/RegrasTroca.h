#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The rules of one command exchange as plain functions: when the answer is complete, what
// is taken out of it, and what is done with the bytes that belong to no answer. No state of
// their own, no globals, no dialogs: the link feeds them what each poll tick found.
namespace RegrasTroca {

// What arrived on the line since the previous poll tick, as the end-of-answer rules see it.
struct Pedaco {
    qint64 bytes = 0;        // how many arrived
    bool temPrompt = false;  // the prompt mark ":-)" among them
    bool vazio() const { return bytes == 0; }
};
Pedaco PedacoDe(QByteArrayView chunk);

// Poll period in milliseconds of a box model: 100 for "1", 500 for "2", 0 for anything else
// (the period is then left as it was).
int IntervaloDeLeitura(const QString& modeloBox);
// The tick limit of the following polls: 200 for box "1", 100 for box "2", 0 for anything else.
int LimiteDeLeituras(const QString& modeloBox);

enum class Fim {
    Continua, // not complete: the chunk is appended and the next poll runs
    Completa, // complete: the chunk is appended and the answer delivered
    Cortada,  // complete because the tick limit ended it while the phone was still sending
};

// How the end of an answer is told. Each request carries its own; the link only applies it.
enum class RegraFim {
    // The prompt in the first poll's chunk ends the answer at once (box "1"); otherwise the line
    // quiet for a poll after the fifth, or the tick limit.
    Comum,
    // As Comum, but never ended at the first poll: the model query.
    SemAtalho,
    // Ended by its prompt whichever poll brings it, on either box; a pause before the prompt is
    // waited out (quiet polls end it only after the hundredth): the gas gauge.
    AtePrompt,
};
// The rule a command's answer ends by when its requester names none: SemAtalho for the model
// query "syscfg print RMd#" (whoever sends it), Comum for any other.
RegraFim RegraDoComando(const QString& comando);

// The first poll, one tick after sending. Completa by the prompt shortcut (chunk appended);
// Continua otherwise, with the tick counter at 1 — also when nothing came yet: an answer is
// never closed before the line has been quiet for the following polls' rule.
Fim PrimeiraLeitura(const QString& modeloBox, RegraFim regra, Pedaco pedaco);
// A following poll; `contador` is the tick counter before this tick (it grows by one when the
// answer continues).
Fim LeituraSeguinte(const QString& modeloBox, RegraFim regra, int contador, Pedaco pedaco);

// After an answer cut by its tick limit the rest of it is discarded until a chunk holds the
// prompt, or until this many polls in a row brought nothing.
constexpr int PollsSilenciososNoDescarte = 6;
// One poll of that wait: updates the count of quiet polls in a row, true when the wait is over.
bool DescarteTermina(Pedaco pedaco, int* silenciosos);

// Received text as the console holds it: every line feed becomes carriage return + line feed.
QString ComoNoConsole(const QString& dados);

// A: the answer with every occurrence of the command text (its echo) removed.
QString RemoveEco(const QString& R, const QString& comando);

// The most one answer may hold, in characters of the collected text: far above any real
// answer; what arrives beyond it is counted and discarded.
constexpr qsizetype LimiteResposta = 1024 * 1024;

// How many of the received `dados` fit in `espaco` characters of the console, where every line
// feed becomes carriage return + line feed; `custo` gets the characters they take there.
qsizetype CabemNoConsole(QByteArrayView dados, qsizetype espaco, qsizetype* custo = nullptr);

// Bytes received that belong to no answer (or beyond an answer's bound): counted, with their
// first and last part kept for the session log.
class Descarte {
public:
    static constexpr qsizetype Parte = 4096;
    void acrescenta(QByteArrayView bytes);
    qint64 total() const { return m_total; }
    QByteArray inicio() const { return m_inicio; }
    // The last bytes after the first part (up to Parte of them).
    QByteArray fim() const { return m_fim; }
    qint64 omitidos() const { return m_total - m_inicio.size() - m_fim.size(); }
    bool vazio() const { return m_total == 0; }

private:
    qint64 m_total = 0;
    QByteArray m_inicio;
    QByteArray m_fim;
};

// Gathers what arrives between two poll ticks, read after read: the chunk as the rules see it
// (its size and the prompt mark, found also across two reads), and the bytes kept of it.
class ColetaDoPedaco {
public:
    // The chunk may take `espaco` characters of the console (a line feed takes two); what does
    // not fit goes to `alem`, and once something went there nothing more is kept: an answer
    // never has a hole.
    void acrescenta(QByteArrayView bytes, qsizetype espaco, Descarte* alem);
    // The chunk of the tick that ends now; the next one starts empty. With `continuaMarca` the
    // last bytes stay so a prompt mark cut between two ticks is still found.
    QByteArray toma(Pedaco* pedaco, bool continuaMarca = false);
    qsizetype guardados() const { return m_guardados.size(); }

private:
    QByteArray m_guardados;
    qsizetype m_custo = 0; // console characters the kept bytes take
    Pedaco m_pedaco;
    QByteArray m_cauda; // the last two bytes read, for a mark that spans two reads
};

} // namespace RegrasTroca
