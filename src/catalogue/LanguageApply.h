#pragma once

#include <QString>

class Tfrmmain;

// Re-labels the main window in a language and refills its lists.
void applyLanguageToMainWindow(Tfrmmain &window, const QString &language);
// Refills the drop-down lists of the main window's twenty combo boxes in the
// current language.
void fillComboLists(Tfrmmain &window);
