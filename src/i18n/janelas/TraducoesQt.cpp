#include "i18n/janelas/TraducoesQt.h"

#include "i18n/Idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool AplicaIdiomaAoQt(int idioma)
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    // One translator for the whole run, loaded again for each language chosen.
    static QTranslator* traducao = nullptr;
    if (!traducao)
        traducao = new QTranslator(app);
    QCoreApplication::removeTranslator(traducao);
    if (idioma < 1 || idioma > 3)
        return false;
    const bool carregou = traducao->load(LocalDoIdioma(idioma), QStringLiteral("qtbase"), QStringLiteral("_"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (carregou)
        QCoreApplication::installTranslator(traducao);
    return carregou;
}
