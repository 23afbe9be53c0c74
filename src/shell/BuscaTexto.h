#pragma once
#include <QLatin1StringView>
#include <QStringView>

// Searching an answer whose time stays linear in its length whatever it holds. A flooding
// phone can send a megabyte of near matches ("PasPasPas..."), on which QString's own search
// moves one character after every partial match and costs the text's length times the
// needle's. These give the same positions as QString::indexOf (case-sensitive).

// Where `agulha` first starts in `texto` at `de` or later; -1 when nowhere.
qsizetype ProcuraTexto(QStringView texto, QStringView agulha, qsizetype de = 0);
qsizetype ProcuraTexto(QStringView texto, QLatin1StringView agulha, qsizetype de = 0);

inline bool ContemTexto(QStringView texto, QStringView agulha) { return ProcuraTexto(texto, agulha) >= 0; }
inline bool ContemTexto(QStringView texto, QLatin1StringView agulha) { return ProcuraTexto(texto, agulha) >= 0; }

// `texto` with every occurrence of `agulha` removed, left to right, as QString::remove does.
QString RemoveTodas(const QString& texto, QStringView agulha);
