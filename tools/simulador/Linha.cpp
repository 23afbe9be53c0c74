#include "Linha.h"

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The link to remove when a signal ends the program (read by the signal handler).
char g_link[4096] = {0};

void aoSinal(int)
{
    if (g_link[0])
        ::unlink(g_link);
    ::_exit(0);
}

void instalaSinais()
{
    static bool feito = false;
    if (feito)
        return;
    feito = true;
    struct sigaction sa {};
    sa.sa_handler = aoSinal;
    sigemptyset(&sa.sa_mask);
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(s, &sa, nullptr);
}

void anotaLink(const QString& link)
{
    const QByteArray b = QFile::encodeName(link);
    const size_t n = std::min<size_t>(b.size(), sizeof(g_link) - 1);
    g_link[0] = 0; // the handler never sees a half-written path
    if (n == 0)
        return;
    std::memcpy(g_link + 1, b.constData() + 1, n - 1);
    g_link[n] = 0;
    g_link[0] = b[0];
}

const QByteArray& bytesNaoTexto()
{
    static const QByteArray b("\x00\xff\xfe\x80\x81\xc3\x28\x1b[2J\x07\x90\xa0\xa1\xf0\x28\x8c\xbc\r\x00\x7f\n", 24);
    return b;
}

} // namespace

Linha::Linha(Placa* placa, const Falhas& falhas, QObject* pai)
    : QObject(pai), m_placa(placa), m_falhas(falhas), m_relogio(new QTimer(this))
{
    m_relogio->setSingleShot(true);
    connect(m_relogio, &QTimer::timeout, this, &Linha::proximoTrecho);
    instalaSinais();
}

Linha::~Linha()
{
    fecha();
}

bool Linha::defineRegistro(const QString& caminho, QString* erro)
{
    m_registro.setFileName(caminho);
    if (!m_registro.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        if (erro)
            *erro = m_registro.errorString();
        return false;
    }
    return true;
}

bool Linha::abre(int porta, const QString& pasta, QString* erro)
{
    m_porta = porta;
    m_pasta = pasta;
    auto falha = [&](const QString& o) {
        if (erro)
            *erro = o + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        fecha();
        return false;
    };
    m_mestre = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_mestre < 0)
        return falha(QStringLiteral("posix_openpt"));
    if (::grantpt(m_mestre) != 0 || ::unlockpt(m_mestre) != 0)
        return falha(QStringLiteral("grantpt/unlockpt"));
    char nome[256];
    if (::ptsname_r(m_mestre, nome, sizeof nome) != 0)
        return falha(QStringLiteral("ptsname"));
    m_dispositivo = QString::fromLocal8Bit(nome);
    ::fcntl(m_mestre, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_mestre, F_SETFL, ::fcntl(m_mestre, F_GETFL) | O_NONBLOCK);

    // Our own handle on the far end keeps the line up between the console's sessions
    // (without it the master reads EIO whenever nobody has the device open), and sets the
    // raw mode the console's port sees.
    m_escravo = ::open(nome, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_escravo < 0)
        return falha(QStringLiteral("open ") + m_dispositivo);
    termios t {};
    if (::tcgetattr(m_escravo, &t) != 0)
        return falha(QStringLiteral("tcgetattr"));
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B115200);
    ::cfsetospeed(&t, B115200);
    if (::tcsetattr(m_escravo, TCSANOW, &t) != 0)
        return falha(QStringLiteral("tcsetattr"));

    if (porta > 0) {
        QDir().mkpath(pasta);
        m_link = QDir(pasta).filePath(QStringLiteral("com") + QString::number(porta));
        const QFileInfo antigo(m_link);
        if (antigo.isSymLink() || antigo.exists())
            QFile::remove(m_link);
        if (::symlink(nome, QFile::encodeName(m_link).constData()) != 0) {
            const QString l = m_link;
            m_link.clear();
            return falha(QStringLiteral("symlink ") + l);
        }
        anotaLink(m_link);
    }

    m_leitura = new QSocketNotifier(m_mestre, QSocketNotifier::Read, this);
    connect(m_leitura, &QSocketNotifier::activated, this, &Linha::le);
    m_escrita = new QSocketNotifier(m_mestre, QSocketNotifier::Write, this);
    m_escrita->setEnabled(false);
    connect(m_escrita, &QSocketNotifier::activated, this, &Linha::escreve);

    std::fputs(nome, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    return true;
}

void Linha::fecha()
{
    m_relogio->stop();
    delete m_leitura;
    m_leitura = nullptr;
    delete m_escrita;
    m_escrita = nullptr;
    if (m_mestre >= 0)
        ::close(m_mestre);
    if (m_escravo >= 0)
        ::close(m_escravo);
    m_mestre = m_escravo = -1;
    if (!m_link.isEmpty()) {
        g_link[0] = 0;
        // Only our own link: another board may have taken the number meanwhile.
        const QFileInfo info(m_link);
        if (info.isSymLink() && info.symLinkTarget() == m_dispositivo)
            QFile::remove(m_link);
        m_link.clear();
    }
    m_fila.clear();
    m_comandos.clear();
    m_entrada.clear();
    m_pendente.clear();
    m_respondendo = false;
    m_inundando = false;
    m_caindo = false;
}

void Linha::le()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_mestre, buf, sizeof buf);
        if (n <= 0)
            break;
        // A line about to drop (a box being pulled) takes nothing more: what the console sends
        // meanwhile is lost, never read nor answered.
        if (m_caindo)
            continue;
        if (m_registro.isOpen())
            m_registro.write(buf, n);
        for (ssize_t i = 0; i < n; ++i) {
            const char c = buf[i];
            if (c == '\r') {
                m_comandos.append(m_entrada);
                m_entrada.clear();
            } else if (c == '\n' && m_entrada.isEmpty()) {
                continue; // the LF of a CR LF sent by a terminal
            } else {
                m_entrada.append(c);
            }
        }
    }
    if (!m_respondendo)
        proximoComando();
}

void Linha::proximoComando()
{
    while (!m_respondendo && !m_comandos.isEmpty() && m_mestre >= 0)
        trataComando(m_comandos.takeFirst());
}

void Linha::trataComando(const QByteArray& comando)
{
    ++m_contador;
    if (m_falhas.mudo)
        return;

    QList<Trecho> resposta;
    resposta.append({comando + "\r\n", m_falhas.demoraMs});
    if (m_falhas.lixo)
        resposta.append({bytesNaoTexto(), 0});
    if (m_falhas.inundaNoComando > 0 && m_contador >= m_falhas.inundaNoComando) {
        // After the echo the line never rests again: escreve() refills it whenever it drains.
        m_inundando = true;
        enfileira(resposta);
        return;
    }
    if (m_falhas.semFim || (m_falhas.semFimNoComando > 0 && m_contador == m_falhas.semFimNoComando)) {
        m_linhaSemFim = 1;
        enfileira(resposta);
        return;
    }
    bool comPrompt = true;
    resposta += m_placa->responde(QString::fromUtf8(comando), &comPrompt);
    if (m_falhas.lixo)
        resposta.append({bytesNaoTexto(), 0});
    if (comPrompt && !m_falhas.semPrompt)
        resposta.append({m_placa->prompt().toUtf8(), 0});

    if (m_falhas.lentoMs > 0) {
        QByteArray tudo;
        for (const Trecho& t : resposta)
            tudo += t.dados;
        resposta.clear();
        for (qsizetype i = 0; i < tudo.size(); i += m_falhas.pedaco)
            resposta.append({tudo.mid(i, m_falhas.pedaco), i == 0 ? m_falhas.demoraMs : m_falhas.lentoMs});
    }

    m_quedaEm = -1;
    m_escritosResposta = 0;
    if (m_falhas.quedaNoComando > 0 && m_contador == m_falhas.quedaNoComando) {
        qint64 total = 0;
        for (const Trecho& t : resposta)
            total += t.dados.size();
        m_quedaEm = total / 2;
    }
    enfileira(resposta);
}

void Linha::enfileira(const QList<Trecho>& trechos)
{
    m_fila = trechos;
    m_respondendo = true;
    m_relogio->start(m_fila.isEmpty() ? 0 : m_fila.first().pausaMs);
}

void Linha::proximoTrecho()
{
    if (m_mestre < 0)
        return;
    if (m_fila.isEmpty()) {
        if (m_inundando) {
            escreve(); // the write notifier keeps it going; commands wait for ever
            return;
        }
        if (m_linhaSemFim > 0) {
            envia(QStringLiteral("streaming line %1 of an answer that does not end\n").arg(m_linhaSemFim++).toUtf8());
            m_relogio->start(20);
            return;
        }
        m_respondendo = false;
        proximoComando();
        return;
    }
    const Trecho t = m_fila.takeFirst();
    envia(t.dados);
    if (m_mestre < 0)
        return; // the line dropped inside this piece
    if (!m_fila.isEmpty())
        m_relogio->start(m_fila.first().pausaMs);
    else
        m_relogio->start(0);
}

void Linha::envia(const QByteArray& dados)
{
    QByteArray d = dados;
    bool cai = false;
    if (m_quedaEm >= 0 && m_escritosResposta + d.size() >= m_quedaEm) {
        d.truncate(m_quedaEm - m_escritosResposta);
        cai = true;
    }
    m_escritosResposta += d.size();
    // A console that does not read must not make the board grow without bound.
    if (m_pendente.size() < 8 * 1024 * 1024)
        m_pendente += d;
    escreve();
    if (cai) {
        // Let the console take the half answer, then the line vanishes.
        m_quedaEm = -1;
        m_caindo = true;
        m_fila.clear();
        m_comandos.clear();
        m_relogio->stop();
        QTimer::singleShot(400, this, &Linha::derruba);
        m_respondendo = true; // nothing more is answered on this line
    }
}

void Linha::reabasteceInundacao()
{
    // About 64 kB of numbered lines at a time: enough to keep the line full between two wakes.
    while (m_pendente.size() < 64 * 1024)
        m_pendente += QByteArray("flooding line ") + QByteArray::number(++m_linhaInundacao)
                      + " of an answer that arrives faster than any serial box can carry\n";
}

void Linha::escreve()
{
    if (m_inundando && m_fila.isEmpty() && m_pendente.isEmpty())
        reabasteceInundacao();
    while (!m_pendente.isEmpty() && m_mestre >= 0) {
        const ssize_t n = ::write(m_mestre, m_pendente.constData(), m_pendente.size());
        if (n > 0) {
            m_pendente.remove(0, n);
            if (m_inundando && m_fila.isEmpty() && m_pendente.isEmpty())
                reabasteceInundacao();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // EAGAIN: wait until the line takes more
    }
    if (m_escrita)
        m_escrita->setEnabled(!m_pendente.isEmpty());
}

void Linha::defineControle(const QString& caminho)
{
    m_controle = caminho;
    m_relogioControle = new QTimer(this);
    connect(m_relogioControle, &QTimer::timeout, this, &Linha::leControle);
    m_relogioControle->start(50);
}

void Linha::leControle()
{
    QFile f(m_controle);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray texto = f.readAll();
    if (texto == m_controleLido)
        return;
    m_controleLido = texto;

    Falhas n;
    n.pedaco = m_falhas.pedaco;
    int caiPor = -1;
    for (const QByteArray& linha : texto.split('\n')) {
        const QList<QByteArray> p = linha.simplified().split(' ');
        const QByteArray& w = p.first();
        if (w == "mudo")
            n.mudo = true;
        else if (w == "sem-prompt")
            n.semPrompt = true;
        else if (w == "lixo")
            n.lixo = true;
        else if (w == "sem-fim")
            n.semFim = true;
        else if (w == "inunda")
            n.inundaNoComando = 1;
        else if (w == "lento" && p.size() > 1) {
            n.lentoMs = p.at(1).toInt();
            if (p.size() > 2)
                n.pedaco = std::max(1, p.at(2).toInt());
        } else if (w == "cai")
            caiPor = p.size() > 1 ? p.at(1).toInt() : 1;
    }
    const bool interminavel = m_inundando || m_linhaSemFim > 0;
    // Named fields: a fault added to the struct must not shift the others.
    Falhas novas;
    novas.mudo = n.mudo;
    novas.semPrompt = n.semPrompt;
    novas.lentoMs = n.lentoMs;
    novas.pedaco = n.pedaco;
    novas.semFim = n.semFim;
    novas.lixo = n.lixo;
    novas.voltaAposS = m_falhas.voltaAposS;
    novas.inundaNoComando = n.inundaNoComando;
    m_falhas = novas;
    std::fprintf(stderr, "vexador-simulador: faults now \"%s\"\n", texto.simplified().constData());
    if (interminavel && !n.semFim && !n.inundaNoComando) {
        // The phone stops sending: what is already on the line stays, nothing more comes.
        m_inundando = false;
        m_linhaSemFim = 0;
        m_relogio->stop();
        m_fila.clear();
        m_respondendo = false;
        proximoComando();
    }
    if (caiPor >= 0 && m_mestre >= 0) {
        m_falhas.voltaAposS = caiPor;
        derruba();
    }
}

void Linha::derruba()
{
    std::fprintf(stderr, "vexador-simulador: line %s dropped\n", qPrintable(m_dispositivo));
    fecha();
    if (m_falhas.voltaAposS >= 0) {
        m_falhas.quedaNoComando = 0; // the line that comes back behaves
        QTimer::singleShot(m_falhas.voltaAposS * 1000, this, [this] {
            QString erro;
            m_contador = 0;
            if (!abre(m_porta, m_pasta, &erro))
                std::fprintf(stderr, "vexador-simulador: %s\n", qPrintable(erro));
        });
    }
}
