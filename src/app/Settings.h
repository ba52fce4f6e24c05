#pragma once

#include <QString>

// The four folders the program remembers between runs, in the per-user store
// QSettings("Zelvorin", "Vokira") (the registry key Software\Zelvorin\Vokira
// on Windows, an INI file in the XDG config folder on Linux).
enum class WorkingDirectory { Texts, Images, Parameters, Export };

// The value's name in the store; the earlier version's names, kept so that
// its users find their folders again.
QString settingName(WorkingDirectory directory);

// The folder used when nothing usable is stored: the home folder on Linux,
// "C:\" on Windows.
QString defaultWorkingFolder();
// What readSetting gives for an absent value: defaultWorkingFolder(), or the
// empty text for the export folder.
QString settingDefault(WorkingDirectory directory);

// Stored texts are read up to this many characters.
constexpr qsizetype kSettingReadLength = 255;

// The stored value of a working directory, or its default when the value is
// absent; at most kSettingReadLength characters.
QString readSetting(WorkingDirectory directory);

enum class SettingWrite {
    Stored,
    StoreUnavailable, // the store cannot be opened for writing
    WriteRefused,     // it opened, but the value did not reach it
};

// Stores the text without its leading and trailing blanks and control
// characters, and says what became of it. No message: for code without
// windows.
SettingWrite storeSetting(WorkingDirectory directory, const QString &text);

// storeSetting, then the user's message when it failed: "unable to open key!
// exiting." in an error box, or "Vokira : écriture en registre refusée" in an
// information box. The program goes on either way. Defined with the windows
// (vokira_ui), because it shows a message box.
void writeSetting(WorkingDirectory directory, const QString &text);

// The folder of a chosen file: its path up to and including the last "/" or
// "\", looking at its first 255 characters only; empty when there is none.
QString folderOfFile(const QString &filePath);
// writeSetting of the folder of a chosen file, as the load and save commands
// do after the user picked a file.
void writeFolderOfFile(WorkingDirectory directory, const QString &filePath);

// The working directory and the export folder for this run; never saved by
// themselves.
struct StartDirectories
{
    QString parameterDirectory;
    bool parameterDirectoryValid = false; // named an existing folder when set
    QString exportDirectory;
    bool exportDirectoryValid = false; // existed when read, or chosen by the user
};

StartDirectories &startDirectories();

// Sets startDirectories() from the store: a stored folder is used when it is
// longer than two characters and exists; otherwise the default folder (the
// empty text for the export) and an invalid flag.
void readStartDirectories();
