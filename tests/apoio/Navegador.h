#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Headless Chromium for tests that look at a page as a browser renders it.

// The browser's path, "" when none is installed (the test skips).
QString navegador();
// Runs the browser headless on an address with extra arguments ("--dump-dom",
// "--print-to-pdf=..."); its standard output, empty when it did not finish within a minute.
QByteArray abre(const QString& endereco, const QStringList& extras);
