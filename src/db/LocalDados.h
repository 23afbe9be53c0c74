#pragma once
#include <QString>

// Where the program's data lives: the database (Config.qzd) and the application folder, which
// holds the user's copy (User.qzd) and its dated spares. Built by whoever starts the program and
// handed to the data layer, which never looks it up.
struct LocalDados {
    QString banco; // Config.qzd
    QString pasta; // the application folder
    QString usuario() const { return pasta + QStringLiteral("/User.qzd"); }
};
