// Replays inputs through a target's entry, built with the normal compiler: every file of the
// folders (or the files) given. A crash, a sanitizer report or an exception fails the run;
// the last input named on standard error is the one at fault.
#include "Alvo.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
bool reproduz(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(caminho));
        return false;
    }
    const QByteArray dados = f.readAll();
    std::fprintf(stderr, "%s\n", qPrintable(caminho));
    EntradaFuzz(reinterpret_cast<const uint8_t*>(dados.constData()), static_cast<size_t>(dados.size()));
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    int entradas = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const QString caminho = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(caminho).isDir()) {
            QStringList arquivos;
            QDirIterator it(caminho, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                arquivos << it.next();
            arquivos.sort();
            for (const QString& a : std::as_const(arquivos)) {
                ok = reproduz(a) && ok;
                ++entradas;
            }
        } else if (QFileInfo::exists(caminho)) {
            ok = reproduz(caminho) && ok;
            ++entradas;
        }
        // A folder that does not exist yet (no findings kept) is simply empty.
    }
    std::fprintf(stderr, "%d inputs replayed\n", entradas);
    return ok ? 0 : 1;
}
