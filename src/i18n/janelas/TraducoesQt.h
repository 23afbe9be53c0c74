#pragma once

// Qt's own texts (the standard buttons of boxes and prompts: "Cancel", "Yes", "No"...) in a
// language of the program (1 pt, 2 en, 3 es), from the translations Qt ships
// (qt6-translations-l10n). The dictionary's texts are not touched. False when no translation
// could be loaded: Qt's texts then stay in English.
bool AplicaIdiomaAoQt(int idioma);
