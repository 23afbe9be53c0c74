#include "Bancada.h"

#include <csignal>
#include <sys/prctl.h>

#include "shell/Portas.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>

Bancada::Bancada(const QString& pasta, QObject* pai) : QObject(pai)
{
    m_pasta = pasta.isEmpty() ? m_temporaria.path() + QStringLiteral("/ports") : pasta;
    m_registro = m_temporaria.path() + QStringLiteral("/registro-%1.bin").arg(reinterpret_cast<quintptr>(this));
    m_processo.setProcessChannelMode(QProcess::SeparateChannels);
    // A test that crashes cannot stop its board: the board goes with the test process.
    m_processo.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

Bancada::~Bancada()
{
    para();
}

QString Bancada::executavel()
{
    return QStringLiteral(PASTA_APLICACAO "/vexador-simulador");
}

QString Bancada::link() const
{
    return QDir(m_pasta).filePath(Portas::nomeEntrada(m_porta));
}

bool Bancada::inicia(const QStringList& opcoes, int porta, bool rapido, int esperaMs)
{
    para();
    m_porta = porta;
    m_dispositivo.clear();
    m_saida.clear();
    m_erros.clear();
    QDir().mkpath(m_pasta);
    QStringList args = opcoes;
    if (rapido && !args.contains(QStringLiteral("--rapido")))
        args << QStringLiteral("--rapido");
    args << QStringLiteral("--registro") << m_registro;
    if (porta > 0)
        args << QStringLiteral("--porta") << QString::number(porta) << QStringLiteral("--pasta") << m_pasta;

    m_processo.start(executavel(), args);
    if (!m_processo.waitForStarted(esperaMs))
        return false;
    if (!esperaNovoDispositivo(esperaMs)) {
        qWarning("bench board did not start: %s", erros().toLocal8Bit().constData());
        para();
        return false;
    }
    m_tinhaAmbiente = qEnvironmentVariableIsSet("VEXADOR_PORTAS");
    m_ambienteAnterior = qgetenv("VEXADOR_PORTAS");
    qputenv("VEXADOR_PORTAS", QFile::encodeName(m_pasta));
    Portas::definePastaPortas(m_pasta);
    m_sobrepos = true;
    return true;
}

bool Bancada::esperaNovoDispositivo(int ms)
{
    QDeadlineTimer prazo(ms);
    for (;;) {
        m_saida += QString::fromLocal8Bit(m_processo.readAllStandardOutput());
        const qsizetype fim = m_saida.indexOf(QLatin1Char('\n'));
        if (fim >= 0) {
            m_dispositivo = m_saida.left(fim).trimmed();
            m_saida.remove(0, fim + 1);
            return true;
        }
        if (prazo.hasExpired() || m_processo.state() == QProcess::NotRunning)
            return false;
        m_processo.waitForReadyRead(std::max<qint64>(1, std::min<qint64>(50, prazo.remainingTime())));
    }
}

QByteArray Bancada::registro() const
{
    QFile f(m_registro);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool Bancada::esperaRegistro(const QByteArray& trecho, int ms) const
{
    QDeadlineTimer prazo(ms);
    while (!registro().contains(trecho)) {
        if (prazo.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

QString Bancada::erros()
{
    if (m_processo.isOpen())
        m_erros += m_processo.readAllStandardError();
    return QString::fromLocal8Bit(m_erros);
}

void Bancada::restaura()
{
    if (!m_sobrepos)
        return;
    m_sobrepos = false;
    Portas::definePastaPortas(QString());
    if (m_tinhaAmbiente)
        qputenv("VEXADOR_PORTAS", m_ambienteAnterior);
    else
        qunsetenv("VEXADOR_PORTAS");
}

void Bancada::para()
{
    if (m_processo.state() != QProcess::NotRunning) {
        m_processo.terminate();
        if (!m_processo.waitForFinished(5000)) {
            m_processo.kill();
            m_processo.waitForFinished(2000);
        }
    }
    erros();
    restaura();
}

void Bancada::mata()
{
    if (m_processo.state() != QProcess::NotRunning) {
        m_processo.kill();
        m_processo.waitForFinished(2000);
    }
    erros();
    restaura();
}
