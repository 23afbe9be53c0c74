#include "linha/Interrupcao.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int tubo[2] = {-1, -1};

extern "C" void aoSinal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(tubo[1], &c, 1);
}
} // namespace

Interrupcao::Interrupcao(QObject* pai) : QObject(pai)
{
    if (::pipe(tubo) != 0)
        return;
    for (int fd : tubo)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    m_aviso = new QSocketNotifier(tubo[0], QSocketNotifier::Read, this);
    connect(m_aviso, &QSocketNotifier::activated, this, [this] {
        char lidos[16];
        while (::read(tubo[0], lidos, sizeof lidos) > 0) {
        }
        emit recebida();
    });
    struct sigaction acao {};
    acao.sa_handler = aoSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &acao, nullptr);
    ::sigaction(SIGTERM, &acao, nullptr);
}

Interrupcao::~Interrupcao()
{
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
    delete m_aviso;
    for (int& fd : tubo) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}
#else
// Elsewhere the console's Ctrl+C ends the process as before.
Interrupcao::Interrupcao(QObject* pai) : QObject(pai) {}
Interrupcao::~Interrupcao() = default;
#endif
