#pragma once
#include "i18n/Dialogos.h"
#include <QString>

// Shows one of the complete three-language message boxes by its key, in the current
// language. portaSelecionada is put into the texts that quote the selected COM port.
// Unknown key: a box "<key> Não Localizado".
Dialogos::Resposta MostraMensagem(const QString& chave, const QString& portaSelecionada = QString());
