#include "ui/Avisos.h"

#include "i18n/Dialogos.h"

void AvisaCodigoDesconhecido(const QString& codigo)
{
    dialogos().mensagem(QStringLiteral("NOT ") + codigo, QString(), Dialogos::Icone::Nenhum,
                        Dialogos::Botoes::Ok);
}
