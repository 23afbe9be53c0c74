#include "shell/InstanciaUnica.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {

const QByteArray PedidoFrente = QByteArrayLiteral("frente\n");
const QByteArray PedidoAtendido = QByteArrayLiteral("ok\n");
const QByteArray RespostaDaLinha = QByteArrayLiteral("linha\n");
constexpr int EsperaContatoMs = 2000;

QString caminhoCanonico(const QString& pasta)
{
    const QFileInfo info(pasta);
    const QString canonico = info.canonicalFilePath();
    return canonico.isEmpty() ? info.absoluteFilePath() : canonico;
}

} // namespace

InstanciaUnica::InstanciaUnica(const QString& pasta, QObject* pai)
    : QObject(pai)
    , m_pasta(caminhoCanonico(pasta))
{
}

InstanciaUnica::~InstanciaUnica() = default;

QString InstanciaUnica::nomeDoCanal(const QString& pasta)
{
    const QByteArray resumo = QCryptographicHash::hash(caminhoCanonico(pasta).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("vexador-tarrim-") + QString::fromLatin1(resumo.toHex().left(20));
}

bool InstanciaUnica::trava()
{
    if (m_servidor)
        return true;
    if (!tomaTrava())
        return false;
    m_semJanela = true;
    if (m_trava)
        escuta();
    return true;
}

bool InstanciaUnica::tomaTrava()
{
    if (m_trava)
        return true;
    auto trava = std::make_unique<QLockFile>(QDir(m_pasta).filePath(QStringLiteral(".vexador-tarrim.lock")));
    // The lock never goes stale by age: a program may run for days. A lock left by a program
    // that died is taken over (QLockFile checks whether its process still lives).
    trava->setStaleLockTime(0);
    if (!trava->tryLock(0))
        return trava->error() != QLockFile::LockFailedError; // no lock can be made here
    m_trava = std::move(trava);
    return true;
}

InstanciaUnica::Situacao InstanciaUnica::assume()
{
    if (m_servidor)
        return Situacao::Primeira;
    if (!tomaTrava()) {
        QLocalSocket chamada;
        chamada.connectToServer(nomeDoCanal(m_pasta));
        if (!chamada.waitForConnected(EsperaContatoMs))
            return Situacao::JaAbertaMuda;
        chamada.write(PedidoFrente);
        // The system takes the call and the bytes even for a program that hangs: only its
        // answer says that it came to the front.
        bool atendida = chamada.waitForBytesWritten(EsperaContatoMs);
        QByteArray resposta;
        while (atendida && !resposta.contains('\n')) {
            if (!chamada.bytesAvailable() && !chamada.waitForReadyRead(EsperaContatoMs))
                atendida = false;
            resposta += chamada.readAll();
        }
        chamada.disconnectFromServer();
        if (atendida && resposta.startsWith(RespostaDaLinha))
            return Situacao::EmUsoPelaLinha;
        return atendida && resposta.startsWith(PedidoAtendido.trimmed()) ? Situacao::JaAberta : Situacao::JaAbertaMuda;
    }
    if (m_trava)
        escuta();
    return Situacao::Primeira; // also when no lock can be made here
}

void InstanciaUnica::escuta()
{
    const QString nome = nomeDoCanal(m_pasta);
    // A socket left by a program that died would refuse the name; the lock says it is ours.
    QLocalServer::removeServer(nome);
    m_servidor = new QLocalServer(this);
    m_servidor->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_servidor, &QLocalServer::newConnection, this, &InstanciaUnica::atendeChamada);
    m_servidor->listen(nome); // without it a second start says that this one runs
}

void InstanciaUnica::atendeChamada()
{
    while (QLocalSocket* chamada = m_servidor->nextPendingConnection()) {
        connect(chamada, &QLocalSocket::disconnected, chamada, &QObject::deleteLater);
        connect(chamada, &QLocalSocket::readyRead, this, [this, chamada] {
            if (!chamada->readAll().contains(PedidoFrente.trimmed()))
                return;
            if (m_semJanela) {
                chamada->write(RespostaDaLinha);
                return;
            }
            chamada->write(PedidoAtendido);
            emit outraPartida();
        });
    }
}
