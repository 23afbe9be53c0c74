#pragma once
#include <QString>
#include <QStringList>

// L(key): the dictionary text of a key in the current language (Globais::IdiomaAtual).
// Unknown key: a box "<key> NÃO LOCALIZADO" and the text "NÃO LOCALIZADO".
// IdiomaAtual 0: "" with no box.
QString Traduz(const QString& chave);
inline QString L(const QString& chave) { return Traduz(chave); }

// The text of a key in a given language (1 pt, 2 en, 3 es) without any box; "" when unknown.
QString TextoDoDicionario(const QString& chave, int idioma);
bool ExisteNoDicionario(const QString& chave);
// Every key of the dictionary, in table order.
QStringList ChavesDoDicionario();
