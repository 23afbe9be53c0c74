// A technician for a long while against the bench board, in an order drawn from a seed, while a
// second stream drawn from the same seed switches the faults of the box and of the disk. After
// every step what must always hold is checked: the link back to idle or disconnected within a
// bound, no window left on its wait label, every recording still in the database as the test
// left it, the database whole, every refused write said, the memory bounded.
//
//   VEXADOR_SOAK_SEGUNDOS   how long (default 120 in the sanitizer build, 45 otherwise)
//   VEXADOR_SOAK_SEMENTE    the seed (default: drawn and printed)
//   VEXADOR_SOAK_PASSOS     replay: stop after this step, whatever the time
//   VEXADOR_SOAK_ESTRITO    also fail on the faults known and owned elsewhere (see conhecida())
//   VEXADOR_SOAK_MEMORIA_MB the memory growth allowed after the warm-up (default 48)
//   VEXADOR_SOAK_ACAO       only these actions in turn ("0,14": their numbers 0-99 in the table
//                           below), no faults: what they leave behind, as heap in use per step
//
// The faults: the box's through the bench board's control file (--controle), the disk full as
// RLIMIT_FSIZE 0 on this process (every write to a regular file fails with EFBIG, root or not),
// the database read-only as chmod 0444 (not enforced for root: then only the full disk plays
// it), the reports folder unwritable as a plain file in its place (works for root too).
#include "apoio/CenarioJanela.h"

#include "console/janelas/CaixaTexto.h"
#include "console/janelas/Master.h"
#include "diagnostico/ExecutorDiagnostico.h"
#include "diagnostico/janelas/Diagnostico.h"
#include "i18n/Dicionario.h"
#include "rails/janelas/VCores.h"
#include "i18n/IdiomaAtivo.h"
#include "shell/Ligacao.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QSet>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int variavel(const char* nome, int padrao)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(nome, &ok);
    return ok ? v : padrao;
}

// Qt's watchdog ends a test function after five minutes: a longer soak asked for gets its time
// and a margin for its last step and checks. Set before main, as Qt reads it once.
const bool g_prazoDoVigia = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT",
                QByteArray::number(std::max(300, variavel("VEXADOR_SOAK_SEGUNDOS", 0) + 300) * 1000));
    return true;
}();

// Bytes the allocator has handed out and not got back (no page rounding, unlike the RSS).
qint64 heapEmUso()
{
    return qint64(mallinfo2().uordblks);
}

qint64 memoriaKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> c = f.readAll().split(' ');
    return c.value(1).toLongLong() * (::sysconf(_SC_PAGESIZE) / 1024);
}

// rowid -> "G1|G2|G3" of every Master row; empty with the error when the database cannot be read.
struct Gravacoes {
    QHash<qint64, QString> linhas;
    QString erro;
    QString integridade;
};

Gravacoes leGravacoes(const QString& banco)
{
    Gravacoes g;
    const QString nome = QStringLiteral("soak");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(banco);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            g.erro = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                g.integridade = q.value(0).toString();
            else
                g.erro = q.lastError().text();
            if (q.exec(QStringLiteral("select rowid, G1, G2, G3 from Master"))) {
                while (q.next())
                    g.linhas.insert(q.value(0).toLongLong(), q.value(1).toString() + u'|' + q.value(2).toString()
                                                                 + u'|' + q.value(3).toString());
            } else {
                g.erro = q.lastError().text();
            }
        }
    }
    QSqlDatabase::removeDatabase(nome);
    return g;
}

enum class FalhaInjetada { Nenhuma, Lixo, Lento, SemFim, Inunda, Mudo, Cai, DiscoCheio, BancoSoLeitura, RelatoriosIndisponiveis };
const char* nomeFalha(FalhaInjetada f)
{
    static const char* n[] = {"none", "garbage bytes", "slow pieces", "endless answer", "flood", "silent box",
                              "box pulled", "disk full", "database read-only", "reports folder unwritable"};
    return n[int(f)];
}

const QStringList Janelas = {"VCores", "BuckLdo", "PMU", "BuckTeste", "Nand", "IC", "I2C", "Chestnut", "Tigris",
                             "Tristar", "Acorn", "RFs", "Displays", "Bateria", "Outros", "Sobre", "Master"};
const QStringList Comandos = {"pmuadc --read all", "buck", "i2c -s 2", "nandsize", "help", "battery --properties",
                              "tristar --read", "device  --key GasGauge -p", "nada disso"};

} // namespace

class TstSoak : public QObject {
    Q_OBJECT
private slots:
    void tecnicoSobFalhas();

private:
    // One fault the soak sees that belongs to a change made elsewhere: counted and printed, and
    // a failure only with VEXADOR_SOAK_ESTRITO.
    bool conhecida(const QString& o);
    bool falha(const QString& o);
    void trocaFalha(FalhaInjetada f);
    void aplicaControle(const QByteArray& texto);
    bool reconecta();
    bool esperaLinkParado(int ms);
    QStringList janelasAguardando();
    bool confere();
    void grava(bool excluir);
    // A write the technician confirmed (a box asked, or a name was typed) changed the database,
    // or a box said why not. `clica` runs the click; true when it changed the database.
    // `soRecusada`: judged only while the disk or the database refuses writes (a confirmed
    // edit that changes nothing may rightly change nothing).
    bool escritaDita(const QString& acao, const std::function<void()>& clica, bool soRecusada = false);

    CenarioJanela* c = nullptr;
    QString controle;
    quint64 semente = 0;
    int passo = 0;
    FalhaInjetada atual = FalhaInjetada::Nenhuma;
    bool estrito = false;
    int conhecidas = 0;
    QStringList falhas;
    QStringList conhecidasTextos;
    QHash<qint64, QString> esperado; // the recordings as the test left them
    QString relatorios;
    QString banco;
    QPointer<Diagnostico> diagnostico;
    int novosDispositivos = 0;
    int naoPara = 0; // times the link said the phone does not stop sending
    QRandomGenerator acaso; // the column a recording goes to
};

bool TstSoak::falha(const QString& o)
{
    const QString t = QStringLiteral("soak: seed %1 step %2 (fault: %3): %4\n  replay: VEXADOR_SOAK_SEMENTE=%1 VEXADOR_SOAK_PASSOS=%2")
                          .arg(semente).arg(passo).arg(QString::fromLatin1(nomeFalha(atual)), o);
    qWarning().noquote() << t;
    falhas << t;
    return false;
}

bool TstSoak::conhecida(const QString& o)
{
    ++conhecidas;
    if (estrito)
        return falha(o);
    const QString t = QStringLiteral("soak: seed %1 step %2 (fault: %3): known, owned elsewhere: %4")
                          .arg(semente).arg(passo).arg(QString::fromLatin1(nomeFalha(atual)), o);
    qWarning().noquote() << t;
    conhecidasTextos << t;
    return true;
}

void TstSoak::aplicaControle(const QByteArray& texto)
{
    QFile f(controle + QStringLiteral(".novo"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(texto + '\n');
        f.close();
        QFile::remove(controle);
        f.rename(controle); // the board never reads a half-written file
    }
}

void TstSoak::trocaFalha(FalhaInjetada f)
{
    // Undo the disk's fault first: the control file is written to the disk too.
    struct rlimit r {};
    ::getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = r.rlim_max;
    ::setrlimit(RLIMIT_FSIZE, &r);
    QFile::setPermissions(banco, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QFileInfo(relatorios).isFile()) {
        QFile::remove(relatorios);
        QDir().mkpath(relatorios);
    }
    atual = f;
    switch (f) {
    case FalhaInjetada::Lixo: aplicaControle("lixo"); break;
    case FalhaInjetada::Lento: aplicaControle("lento 3 48"); break;
    case FalhaInjetada::SemFim: aplicaControle("sem-fim"); break;
    case FalhaInjetada::Inunda: aplicaControle("inunda"); break;
    case FalhaInjetada::Mudo: aplicaControle("mudo"); break;
    case FalhaInjetada::Cai: aplicaControle("cai 1"); ++novosDispositivos; break;
    default: aplicaControle(""); break;
    }
    QTest::qWait(120); // the board reads its control file every 50 ms
    if (f == FalhaInjetada::DiscoCheio) {
        r.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &r);
    } else if (f == FalhaInjetada::BancoSoLeitura) {
        QFile::setPermissions(banco, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    } else if (f == FalhaInjetada::RelatoriosIndisponiveis) {
        QDir(relatorios).removeRecursively();
        QFile arq(relatorios);
        arq.open(QIODevice::WriteOnly);
    }
}

bool TstSoak::reconecta()
{
    Ligacao& l = c->amb->ligacao;
    l.abandonaTroca(QStringLiteral("Desconectado pelo usuário"));
    l.porta()->close();
    l.defineEstado(EstadoLigacao::Desconectada);
    QTest::qWait(50);
    // A pulled box comes back as a new device under the same name.
    while (novosDispositivos > 0) {
        if (!c->bancada.esperaNovoDispositivo(5000))
            break;
        --novosDispositivos;
    }
    return c->amb->conecta(c->bancada.dispositivo(), QStringLiteral("IP 7"), QStringLiteral("A1660"));
}

bool TstSoak::esperaLinkParado(int ms)
{
    return QTest::qWaitFor(
        [this] {
            const EstadoLigacao e = c->amb->ligacao.estado();
            const bool diag = diagnostico && diagnostico->executor() && diagnostico->executor()->rodando();
            return !diag && (e == EstadoLigacao::Ociosa || e == EstadoLigacao::Desconectada);
        },
        ms);
}

QStringList TstSoak::janelasAguardando()
{
    const QStringList espera = {L(QStringLiteral("Processando comando")), L(QStringLiteral("Aguarde...")),
                                L(QStringLiteral("Processando outro comando, aguarde..."))};
    QStringList r;
    for (const QString& nome : c->amb->janelas.nomesAbertos()) {
        JanelaFilha* j = c->amb->janelas.aberta(nome);
        if (!j)
            continue;
        for (QLabel* l : j->findChildren<QLabel*>())
            if (l->isVisibleTo(j) && espera.contains(l->text().trimmed()))
                r << nome + QStringLiteral(": ") + l->objectName();
        for (QAbstractButton* b : j->findChildren<QAbstractButton*>())
            if (b->isVisibleTo(j) && espera.contains(b->text().trimmed()))
                r << nome + QStringLiteral(": ") + b->objectName();
    }
    return r;
}

bool TstSoak::confere()
{
    bool ok = true;
    const bool semFim = atual == FalhaInjetada::SemFim || atual == FalhaInjetada::Inunda;
    // An answer that never ends is cut, and once the phone has gone on sending past the link's
    // bound the technician is told (and offered to disconnect): within the cut and that bound
    // the link is idle or has said so.
    const int naoParaAntes = naoPara;
    if (semFim && !QTest::qWaitFor([&] { return naoPara > naoParaAntes || esperaLinkParado(0); }, 60000))
        ok = falha(QStringLiteral("an answer that never ends is neither ended nor said"));
    if (naoPara > naoParaAntes)
        trocaFalha(FalhaInjetada::Nenhuma); // said: the technician declines, the phone stops sending
    if (!esperaLinkParado(60000)) {
        if (semFim) {
            ok = falha(QStringLiteral("an answer that never ends keeps the link busy (state %1)")
                           .arg(CodigoEstado(c->amb->ligacao.estado())));
            trocaFalha(FalhaInjetada::Nenhuma); // the phone stops sending
        }
        if (!esperaLinkParado(60000)) {
            ok = falha(QStringLiteral("the link stays in state %1").arg(CodigoEstado(c->amb->ligacao.estado())));
            reconecta();
            esperaLinkParado(10000);
        }
    }
    if (c->amb->ligacao.estado() == EstadoLigacao::Ociosa) {
        // The windows follow the idle link within a few event-loop turns.
        QStringList aguardando;
        if (!QTest::qWaitFor([&] { aguardando = janelasAguardando(); return aguardando.isEmpty(); }, 3000)
            && c->amb->ligacao.estado() == EstadoLigacao::Ociosa)
            ok = falha(QStringLiteral("window left on its wait label with the link idle: ") + aguardando.join(u", "));
    }
    const Gravacoes g = leGravacoes(banco);
    if (!g.erro.isEmpty())
        ok = falha(QStringLiteral("the database cannot be read: ") + g.erro);
    else if (g.integridade != QStringLiteral("ok"))
        ok = falha(QStringLiteral("PRAGMA integrity_check: ") + g.integridade);
    else if (g.linhas != esperado) {
        QStringList dif;
        for (auto it = esperado.cbegin(); it != esperado.cend() && dif.size() < 5; ++it)
            if (g.linhas.value(it.key()) != it.value())
                dif << QStringLiteral("row %1: \"%2\" now \"%3\"").arg(it.key()).arg(it.value(), g.linhas.value(it.key()));
        ok = falha(QStringLiteral("recordings changed that the test did not change (%1 rows of %2): %3")
                       .arg(g.linhas.size()).arg(esperado.size()).arg(dif.join(u"; ")));
        esperado = g.linhas; // report each change once
    }
    return ok;
}

namespace {
// The database file's bytes, hashed: a write that went through changes them.
QByteArray assinatura(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(&f);
    return h.result();
}
} // namespace

bool TstSoak::escritaDita(const QString& acao, const std::function<void()>& clica, bool soRecusada)
{
    auto& roteiro = c->roteiro.roteiro;
    const qsizetype caixas = roteiro.mostradas.size(), entradas = roteiro.entradas.size();
    const QByteArray antes = assinatura(banco);
    clica();
    const bool mudou = assinatura(banco) != antes;
    bool perguntou = roteiro.entradas.size() > entradas, dito = false;
    for (qsizetype i = caixas; i < roteiro.mostradas.size(); ++i) {
        const bool pergunta = roteiro.mostradas.at(i).caixa.icone == Dialogos::Icone::Pergunta;
        perguntou = perguntou || pergunta;
        dito = dito || !pergunta;
    }
    const bool recusada = atual == FalhaInjetada::DiscoCheio || atual == FalhaInjetada::BancoSoLeitura;
    if (!mudou && perguntou && !dito && (recusada || !soRecusada))
        falha(QStringLiteral("%1 changed nothing in the database and said nothing").arg(acao));
    return mudou;
}

// Gravar (or "Excluir") a recording of the VCore window: either the database holds what the grid
// shows (or nothing, excluded), or it holds what it held and a box said why.
void TstSoak::grava(bool excluir)
{
    auto* w = c->amb->janelas.aberta<VCores>(QStringLiteral("VCores"));
    if (!w)
        return;
    const int k = 1 + int(acaso.bounded(3));
    auto* bt = w->findChild<QAbstractButton*>(QStringLiteral("%1(%2)").arg(excluir ? "btExcluir" : "btGravar").arg(k));
    if (!bt || !bt->isEnabled() || !bt->isVisible())
        return;
    auto& roteiro = c->roteiro.roteiro;
    roteiro.respostas = {Dialogos::Resposta::Sim};
    escritaDita(QStringLiteral("%1 %2").arg(excluir ? "Excluir" : "Gravar").arg(k), [bt] { bt->click(); });
    roteiro.respostas.clear();

    const Gravacoes g = leGravacoes(banco);
    if (!g.erro.isEmpty())
        return; // confere() says it
    QHash<qint64, QString> novo = esperado;
    bool mudou = false;
    for (auto it = g.linhas.cbegin(); it != g.linhas.cend(); ++it) {
        if (it.value() != esperado.value(it.key())) {
            novo[it.key()] = it.value();
            mudou = true;
        }
    }
    if (!mudou)
        return; // said, or asked nothing (escritaDita)
    // Gravar stores the reading on screen; Excluir empties the column.
    ModeloGradeTrilhas* m = w->modeloGrade();
    QSet<QString> mostrado;
    for (int i = 0; m && i < m->rowCount(); ++i)
        mostrado.insert(m->valor(i, "Leitura"));
    QStringList fora;
    for (auto it = novo.cbegin(); it != novo.cend() && fora.size() < 3; ++it) {
        if (it.value() == esperado.value(it.key()))
            continue;
        const QString v = it.value().section(u'|', k - 1, k - 1);
        if (excluir ? !v.isEmpty() : !mostrado.contains(v))
            fora << QStringLiteral("row %1 \"%2\"").arg(it.key()).arg(v);
    }
    esperado = novo; // confere() compares from here on
    if (!fora.isEmpty() && excluir)
        falha(QStringLiteral("Excluir %1 left values: %2").arg(k).arg(fora.join(u", ")));
    else if (!fora.isEmpty())
        conhecida(QStringLiteral("Gravar %1 stored values the grid does not show: %2").arg(k).arg(fora.join(u", ")));
}

void TstSoak::tecnicoSobFalhas()
{
#ifdef VEXADOR_SANITIZERS_ATIVOS
    const int segundosPadrao = 120;
#else
    const int segundosPadrao = 45;
#endif
    const int segundos = variavel("VEXADOR_SOAK_SEGUNDOS", segundosPadrao);
    const int ate = variavel("VEXADOR_SOAK_PASSOS", 0);
    const int memoriaMb = variavel("VEXADOR_SOAK_MEMORIA_MB", 48);
    QList<int> soAcoes;
    for (const QString& a : qEnvironmentVariable("VEXADOR_SOAK_ACAO").split(u',', Qt::SkipEmptyParts))
        soAcoes << a.toInt();
    const int soAcao = soAcoes.isEmpty() ? -1 : soAcoes.first();
    estrito = qEnvironmentVariableIsSet("VEXADOR_SOAK_ESTRITO");
    semente = qEnvironmentVariableIsSet("VEXADOR_SOAK_SEMENTE")
                  ? qEnvironmentVariable("VEXADOR_SOAK_SEMENTE").toULongLong()
                  : QRandomGenerator::system()->generate();
    qInfo("soak: seed %llu, %d s%s", semente, segundos, ate ? qPrintable(QStringLiteral(", up to step %1").arg(ate)) : "");
    // Two streams from one seed: what the technician does, and what the box and the disk do.
    QRandomGenerator tecnico(semente), falhasRng(semente ^ 0x9e3779b97f4a7c15ull);
    acaso.seed(semente + 1);
    ::signal(SIGXFSZ, SIG_IGN); // a write past RLIMIT_FSIZE fails with EFBIG instead

    CenarioJanela cenario;
    c = &cenario;
    controle = cenario.temp.filePath(QStringLiteral("controle"));
    banco = cenario.pasta.banco();
    relatorios = QDir(cenario.pasta.caminho()).filePath(QStringLiteral("relatorios"));
    QDir().mkpath(relatorios);
    QVERIFY(cenario.iniciaBancada(QStringLiteral("IP 7"), {}, {QStringLiteral("--controle"), controle}, QStringLiteral("A1660")));
    // The link says when the phone goes on sending past its bound (the main window then offers
    // to disconnect).
    connect(&cenario.amb->ligacao, &Ligacao::telefoneNaoPara, this, [this] { ++naoPara; });
    esperado = leGravacoes(banco).linhas;
    QVERIFY(!esperado.isEmpty());
    cenario.roteiro.roteiro.respostasEntrada.clear();

    QElapsedTimer relogio;
    relogio.start();
    qint64 memoriaBase = 0, memoriaMax = 0, heapBase = 0;
    int passoBase = 0;
    int faltamFalha = 0;
    for (passo = 1;; ++passo) {
        if (ate ? passo > ate : relogio.elapsed() > segundos * 1000LL)
            break;
        // The fault stream: a fault now and then, each for one to three steps.
        if (faltamFalha > 0 && --faltamFalha == 0)
            trocaFalha(FalhaInjetada::Nenhuma);
        if (faltamFalha == 0 && falhasRng.bounded(100) < 30 && soAcao < 0) {
            trocaFalha(FalhaInjetada(1 + falhasRng.bounded(9)));
            faltamFalha = 1 + int(falhasRng.bounded(3));
        }

        const int sorteio = int(tecnico.bounded(100));
        const int acao = soAcao >= 0 ? soAcoes.at(passo % soAcoes.size()) : sorteio;
        const QString janela = Janelas.at(int(tecnico.bounded(Janelas.size())));
        const QString comando = Comandos.at(int(tecnico.bounded(Comandos.size())));
        const int idioma = 1 + int(tecnico.bounded(3));
        const int cancelaMs = int(tecnico.bounded(3000));
        auto& j = cenario.amb->janelas;
        QString feito;
        if (acao < 14) {
            feito = QStringLiteral("open ") + janela;
            j.mostra(janela);
        } else if (acao < 24) {
            const QStringList abertas = j.nomesAbertos();
            if (!abertas.isEmpty()) {
                const QString n = abertas.at(int(tecnico.bounded(abertas.size())));
                feito = QStringLiteral("close ") + n;
                j.fecha({n});
            }
        } else if (acao < 40) {
            feito = QStringLiteral("VCore reading");
            if (auto* w = j.mostra<VCores>(QStringLiteral("VCores"))) {
                auto* bt = w->findChild<QAbstractButton*>(QStringLiteral("btExecutaLeitura"));
                if (bt && bt->isEnabled())
                    bt->click();
            }
        } else if (acao < 50) {
            feito = QStringLiteral("Gravar");
            esperaLinkParado(30000);
            grava(false);
        } else if (acao < 54) {
            feito = QStringLiteral("Excluir");
            esperaLinkParado(30000);
            grava(true);
        } else if (acao < 68) {
            feito = QStringLiteral("console: ") + comando;
            if (auto* m = j.mostra<Master>(QStringLiteral("Master"))) {
                m->defineTxtComandos(comando);
                if (auto* bt = m->findChild<QAbstractButton*>(QStringLiteral("btSend")); bt && bt->isEnabled())
                    bt->click();
            }
        } else if (acao < 75) {
            // The console's recording buttons: Copiar Dados, Salvar, "+" and "−".
            static const char* botoes[] = {"btSalvar", "btSalvarAtualizacoes", "btNovo", "btApagar"};
            const char* b = botoes[tecnico.bounded(4)];
            feito = QStringLiteral("console ") + QLatin1String(b);
            if (auto* m = j.mostra<Master>(QStringLiteral("Master"))) {
                cenario.roteiro.roteiro.respostas = {Dialogos::Resposta::Sim};
                cenario.roteiro.roteiro.respostasEntrada = {QStringLiteral("soak %1").arg(passo)};
                // Salvar with an edit to save (a command and the recording's text typed over):
                // with nothing to save it writes nothing and only says so.
                if (QLatin1String(b) == QLatin1String("btSalvarAtualizacoes")) {
                    m->defineTxtComandos(comando);
                    QCoreApplication::processEvents();
                    if (auto* cx = m->findChild<CaixaTexto*>(QStringLiteral("txtComparador")))
                        cx->defineTexto(QStringLiteral("soak %1").arg(passo));
                }
                if (auto* bt = m->findChild<QAbstractButton*>(QLatin1String(b)); bt && bt->isEnabled() && bt->isVisible())
                    escritaDita(feito, [bt] { bt->click(); }, true);
                cenario.roteiro.roteiro.respostas.clear();
                cenario.roteiro.roteiro.respostasEntrada.clear();
            }
        } else if (acao < 82) {
            feito = QStringLiteral("diagnosis, Cancel after %1 ms").arg(cancelaMs);
            if (!diagnostico || !diagnostico->executor() || !diagnostico->executor()->rodando()) {
                cenario.roteiro.roteiro.respostasEntrada = {QStringLiteral("OS-%1").arg(passo)};
                diagnostico = Diagnostico::abre(j);
                cenario.roteiro.roteiro.respostasEntrada.clear();
                // With the reports folder unwritable at its end, the run's history and page
                // are not written: a box says so (the window's own handler has run by then).
                if (diagnostico && diagnostico->executor() && diagnostico->executor()->rodando())
                    connect(diagnostico->executor(), &ExecutorDiagnostico::terminou, this,
                            [this, caixas = cenario.roteiro.roteiro.mostradas.size()] {
                                if (!QFileInfo(relatorios).isFile())
                                    return;
                                const auto& mostradas = c->roteiro.roteiro.mostradas;
                                bool dito = false;
                                for (qsizetype i = caixas; i < mostradas.size(); ++i)
                                    dito = dito || mostradas.at(i).caixa.icone != Dialogos::Icone::Pergunta;
                                if (!dito)
                                    falha(QStringLiteral("the diagnosis wrote no history nor page (reports folder "
                                                         "unwritable) and said nothing"));
                            });
            }
            QTest::qWait(cancelaMs);
            if (diagnostico)
                if (auto* bt = diagnostico->findChild<QAbstractButton*>(QStringLiteral("btCancelar")); bt && bt->isEnabled())
                    bt->click();
        } else if (acao < 90) {
            feito = QStringLiteral("language %1").arg(idioma);
            DefineIdioma(idioma);
            j.traduzAbertas();
        } else {
            feito = QStringLiteral("reconnect");
            if (!reconecta()) {
                const QString erro = QStringLiteral("the box cannot be opened again: ")
                                     + cenario.amb->ligacao.porta()->errorString();
                // A full disk: the serial port's lock file cannot be written (the connection's).
                if (atual == FalhaInjetada::DiscoCheio)
                    conhecida(erro);
                else
                    falha(erro);
            }
        }
        if (!feito.isEmpty())
            qInfo("soak: step %d [%s] %s", passo, nomeFalha(atual), qPrintable(feito));
        QTest::qWait(int(tecnico.bounded(300)));
        confere();
        if (atual == FalhaInjetada::Cai && c->amb->ligacao.estado() == EstadoLigacao::Desconectada)
            reconecta();

        const qint64 m = memoriaKb();
        if (memoriaBase == 0 && relogio.elapsed() > segundos * 250LL) { // after the first quarter
            memoriaBase = m;
            passoBase = passo;
            heapBase = heapEmUso();
        }
        memoriaMax = std::max(memoriaMax, m);
    }
    trocaFalha(FalhaInjetada::Nenhuma);
    confere();
    const qint64 memoriaFim = memoriaKb();
    if (passo - 1 > passoBase)
        qInfo("soak: heap in use grew %lld bytes a step after the warm-up",
              (heapEmUso() - heapBase) / (passo - 1 - passoBase));
    qInfo("soak: seed %llu ran %d steps in %lld s; memory %lld kB after the warm-up (step %d), %lld kB at the end "
          "(peak %lld kB, growth %lld kB, %lld bytes a step); %d known faults owned elsewhere",
          semente, passo - 1, relogio.elapsed() / 1000, memoriaBase, passoBase, memoriaFim, memoriaMax,
          memoriaFim - memoriaBase, passo > passoBase + 1 ? (memoriaFim - memoriaBase) * 1024 / (passo - 1 - passoBase) : 0,
          conhecidas);
    for (const QString& t : std::as_const(conhecidasTextos))
        qInfo().noquote() << t;
    if (memoriaBase > 0 && memoriaFim - memoriaBase > memoriaMb * 1024LL)
        falha(QStringLiteral("memory grew %1 kB after the warm-up (allowed %2 MB)").arg(memoriaFim - memoriaBase).arg(memoriaMb));
    cenario.amb->janelas.fecha(cenario.amb->janelas.nomesAbertos());
    c = nullptr;
    QVERIFY2(falhas.isEmpty(), qPrintable(falhas.join(u'\n')));
}

QTEST_MAIN(TstSoak)
#include "tst_soak.moc"
