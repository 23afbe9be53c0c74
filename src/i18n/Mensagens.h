#pragma once
#include "i18n/Dialogos.h"
#include <QString>
#include <QStringList>
#include <optional>

// Shows one of the complete three-language message boxes by its key, in the current
// language. portaSelecionada is put into the texts that quote the selected COM port.
// Unknown key: a box "<key> Não Localizado".
Dialogos::Resposta MostraMensagem(const QString& chave, const QString& portaSelecionada = QString());

// The box of a key in a language (1 pt, 2 en, 3 es) as MostraMensagem would show it, without
// showing it; std::nullopt for an unknown key or language.
std::optional<Dialogos::Caixa> CaixaDaMensagem(const QString& chave, int idioma,
                                               const QString& portaSelecionada = QString());
// Every message key, in table order.
QStringList ChavesDasMensagens();
