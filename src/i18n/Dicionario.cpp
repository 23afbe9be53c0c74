#include "i18n/Dicionario.h"

#include "i18n/TabelaDicionario.h"
#include "i18n/IdiomaAtivo.h"

#include <QHash>
#include <span>

namespace {

// Built once: key -> table row. Keys compare exactly (case and blanks count).
const QHash<QString, const EntradaDicionario*>& indice()
{
    static const QHash<QString, const EntradaDicionario*> mapa = [] {
        QHash<QString, const EntradaDicionario*> m;
        m.reserve(TamanhoDicionario);
        for (const EntradaDicionario& e : std::span(TabelaDicionario, TamanhoDicionario))
            m.insert(QString::fromUtf8(e.chave), &e);
        return m;
    }();
    return mapa;
}

QString textoDaEntrada(const EntradaDicionario& e, int idioma)
{
    switch (idioma) {
    case 1: return QString::fromUtf8(e.pt);
    case 2: return QString::fromUtf8(e.en);
    case 3: return QString::fromUtf8(e.es);
    default: return QString();
    }
}

std::function<void(const QString&)>& avisoChaveDesconhecida()
{
    static std::function<void(const QString&)> aviso;
    return aviso;
}

} // namespace

void DefineAvisoChaveDesconhecida(std::function<void(const QString& chave)> aviso)
{
    avisoChaveDesconhecida() = std::move(aviso);
}

QString Traduz(const QString& chave)
{
    const EntradaDicionario* e = indice().value(chave, nullptr);
    if (!e) {
        // Never fatal: the caller gets a visible text, and the user is told which key is missing.
        if (avisoChaveDesconhecida())
            avisoChaveDesconhecida()(chave);
        return QStringLiteral("NÃO LOCALIZADO");
    }
    return textoDaEntrada(*e, IdiomaAtual());
}

QString TextoDoDicionario(const QString& chave, int idioma)
{
    const EntradaDicionario* e = indice().value(chave, nullptr);
    return e ? textoDaEntrada(*e, idioma) : QString();
}

bool ExisteNoDicionario(const QString& chave)
{
    return indice().contains(chave);
}

QStringList ChavesDoDicionario()
{
    QStringList chaves;
    chaves.reserve(TamanhoDicionario);
    for (const EntradaDicionario& e : std::span(TabelaDicionario, TamanhoDicionario))
        chaves << QString::fromUtf8(e.chave);
    return chaves;
}
