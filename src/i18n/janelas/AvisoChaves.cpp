#include "i18n/janelas/AvisoChaves.h"

#include "i18n/Dialogos.h"
#include "i18n/Dicionario.h"

#include <QCoreApplication>
#include <QTimer>

void InstalaAvisoChavesDesconhecidas()
{
    DefineAvisoChaveDesconhecida([](const QString& chave) {
        QTimer::singleShot(0, QCoreApplication::instance(), [chave] {
            dialogos().mensagem(chave + QStringLiteral(" NÃO LOCALIZADO"), QString(), Dialogos::Icone::Nenhum,
                                Dialogos::Botoes::Ok);
        });
    });
}
