#include "db/janelas/AvisoNaoGravado.h"

#include "i18n/Dialogos.h"

void AvisaNaoGravado(const ResultadoBanco& falha, const QString& titulo, const QString& aviso)
{
    dialogos().mensagem(aviso.isEmpty() ? falha.mensagem() : aviso + QStringLiteral("\n\n") + falha.motivoTexto(),
                        titulo, Dialogos::Icone::Exclamacao);
}
