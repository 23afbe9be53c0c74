#include "shell/Portas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace Portas {

namespace {
QString& sobreposicao()
{
    static QString pasta;
    return pasta;
}
} // namespace

QString pastaPortas()
{
    if (!sobreposicao().isEmpty())
        return sobreposicao();
    const QString ambiente = qEnvironmentVariable("VEXADOR_PORTAS");
    if (!ambiente.isEmpty())
        return ambiente;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/vexador-tarrim/ports");
}

void definePastaPortas(const QString& pasta)
{
    sobreposicao() = pasta;
}

QString nomeEntrada(int numero)
{
    return QStringLiteral("com") + QString::number(numero);
}

QString dispositivo(int numero)
{
    if (numero < 1)
        return QString();
#ifdef Q_OS_WIN
    return QStringLiteral("COM") + QString::number(numero);
#else
    const QString entrada = QDir(pastaPortas()).filePath(nomeEntrada(numero));
    const QFileInfo info(entrada);
    if (info.isSymLink())
        return info.symLinkTarget();
    if (info.exists())
        return entrada; // a device node or a file placed there directly
    if (numero <= 4)
        return QStringLiteral("/dev/ttyS%1").arg(numero - 1);
    if (numero <= 12)
        return QStringLiteral("/dev/ttyUSB%1").arg(numero - 5);
    if (numero <= 16)
        return QStringLiteral("/dev/ttyACM%1").arg(numero - 13);
    return QString();
#endif
}

bool PortaExiste(int numero)
{
    const QString nome = dispositivo(numero);
    if (nome.isEmpty())
        return false;
#ifdef Q_OS_WIN
    COMMCONFIG config;
    DWORD tamanho = sizeof(config);
    const QByteArray n = nome.toLatin1();
    return GetDefaultCommConfigA(n.constData(), &config, &tamanho) != 0;
#else
    const QByteArray caminho = QFile::encodeName(nome);
    struct stat st {};
    if (::stat(caminho.constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return false;
    // A character device is a serial port when its line settings can be read. Opening
    // without becoming the controlling terminal and without waiting for carrier.
    const int fd = ::open(caminho.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY; // held exclusively by another program: it exists
    termios t {};
    const bool serial = ::tcgetattr(fd, &t) == 0;
    ::close(fd);
    return serial;
#endif
}

QStringList ListaPortas()
{
    QStringList lista;
    for (int n = PrimeiraPorta; n <= UltimaPorta; ++n)
        if (PortaExiste(n))
            lista.append(QString::number(n));
    return lista;
}

} // namespace Portas
