#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// L(key): the dictionary text of a key in the current language (IdiomaAtual(), i18n/IdiomaAtivo.h).
// Unknown key: the text "NÃO LOCALIZADO", and whoever DefineAvisoChaveDesconhecida named is told
// the key (the window layer shows the box "<key> NÃO LOCALIZADO").
// Language 0: "" and nobody told.
QString Traduz(const QString& chave);
inline QString L(const QString& chave) { return Traduz(chave); }

// Who is told of each lookup of a key the dictionary does not hold; nobody by default.
void DefineAvisoChaveDesconhecida(std::function<void(const QString& chave)> aviso);

// The text of a key in a given language (1 pt, 2 en, 3 es) without any box; "" when unknown.
QString TextoDoDicionario(const QString& chave, int idioma);
bool ExisteNoDicionario(const QString& chave);
// Every key of the dictionary, in table order.
QStringList ChavesDoDicionario();
