#pragma once

#include <QString>

// The program's two document types, as the desktop knows them.
enum class AssociatedType { Card, MiniCv };

struct FileTypeEntry
{
    QString extension;   // ".VK1"
    QString progId;      // "Vokira_carte": the Windows class name
    QString description; // shown by file managers
    int iconIndex;       // the program file's icon for the type (Windows)
    QString mimeType;    // "application/x-vokira-carte"
    QString desktopId;   // "zelvorin-vokira-carte.desktop"
    QString packageName; // the shared-mime-info package, "zelvorin-vokira-carte.xml"
};

const FileTypeEntry &fileTypeEntry(AssociatedType type);

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
QString xdgDataHome();

// The Exec line's command: the program path, in quotes when it holds a
// space or another character the desktop entry rules reserve, escaped so
// that quotes, "$" and "%" in it survive; then the file.
QString desktopExecCommand(const QString &programPath);
QString desktopEntryText(AssociatedType type, const QString &programPath);
QString mimePackageText(AssociatedType type);
// The Windows open command: both the program path and the file quoted.
QString windowsOpenCommand(const QString &programPath);

// Registers the type with the desktop for the given program: on Linux the
// shared-mime-info package and the desktop entry under xdgDataHome(), then
// update-mime-database, update-desktop-database and "xdg-mime default" for
// those that are installed; on Windows the class keys under
// HKCU\Software\Classes. Returns what failed, or the empty text when all of
// it was done.
QString registerFileType(AssociatedType type, const QString &programPath);

// The association commands: register the running program for ".vk1" (card
// parameter files) or ".vk4" (mini-CV files), then tell the user that it
// worked (messages 153 and 152) or what failed.
void associateCardFiles();
void associateMiniCvFiles();
