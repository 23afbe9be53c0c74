#include "apoio/Navegador.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

QString navegador()
{
    for (const char* nome : {"chromium", "chromium-browser"}) {
        const QString p = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!p.isEmpty())
            return p;
    }
    return {};
}

QByteArray abre(const QString& endereco, const QStringList& extras)
{
    QTemporaryDir perfil;
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QStringList args{"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                     "--no-first-run", "--user-data-dir=" + perfil.path()};
    args += extras;
    args << endereco;
    p.start(navegador(), args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return p.readAllStandardOutput();
}
