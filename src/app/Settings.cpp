#include "app/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <optional>

namespace {

// Opened anew for every access, so that a change made by another running
// copy of the program is seen and nothing waits in memory.
class Store : public QSettings
{
public:
    Store()
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zelvorin"),
                    QStringLiteral("Vokira"))
    {}
};

// The value as stored, or nothing when it is absent or the store cannot be
// read.
std::optional<QString> storedSetting(WorkingDirectory directory)
{
    Store store;
    if (store.status() != QSettings::NoError)
        return std::nullopt;
    const QVariant value = store.value(settingName(directory));
    if (!value.isValid())
        return std::nullopt;
    // An INI line edited by hand with an unquoted comma reads as a list.
    if (value.metaType() == QMetaType::fromType<QStringList>())
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// Blanks and control characters (codes up to 32) at either end are dropped;
// what lies between them is kept as it is.
QString trimControls(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

std::optional<QString> usableFolder(const std::optional<QString> &stored)
{
    if (!stored)
        return std::nullopt;
    const QString folder = stored->left(kSettingReadLength);
    if (folder.size() <= 2 || !QFileInfo(folder).isDir())
        return std::nullopt;
    return folder;
}

} // namespace

QString settingName(WorkingDirectory directory)
{
    switch (directory) {
    case WorkingDirectory::Texts:
        return QStringLiteral("Répertoire de textes");
    case WorkingDirectory::Images:
        return QStringLiteral("Répertoire images");
    case WorkingDirectory::Parameters:
        return QStringLiteral("Répertoire paramêtres");
    case WorkingDirectory::Export:
        return QStringLiteral("Répertoire exportation");
    }
    return QString();
}

QString defaultWorkingFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

QString settingDefault(WorkingDirectory directory)
{
    return directory == WorkingDirectory::Export ? QString() : defaultWorkingFolder();
}

QString readSetting(WorkingDirectory directory)
{
    const std::optional<QString> stored = storedSetting(directory);
    return stored ? stored->left(kSettingReadLength) : settingDefault(directory);
}

SettingWrite storeSetting(WorkingDirectory directory, const QString &text)
{
    Store store;
    if (!store.isWritable())
        return SettingWrite::StoreUnavailable;
    // The whole path is kept: the earlier version cut it at 50 characters,
    // which lost every deeper folder at the next start.
    store.setValue(settingName(directory), trimControls(text));
    store.sync();
    return store.status() == QSettings::NoError ? SettingWrite::Stored : SettingWrite::WriteRefused;
}

QString folderOfFile(const QString &filePath)
{
    const QString head = filePath.left(255);
    const qsizetype slash = head.lastIndexOf(QLatin1Char('/'));
    const qsizetype backslash = head.lastIndexOf(QLatin1Char('\\'));
    const qsizetype last = qMax(slash, backslash);
    return last < 0 ? QString() : head.left(last + 1);
}

StartDirectories &startDirectories()
{
    static StartDirectories directories;
    return directories;
}

void readStartDirectories()
{
    StartDirectories &dirs = startDirectories();
    // An absent value counts as no choice at all, even though its default
    // folder exists: the callers then know the user never picked one.
    if (const auto folder = usableFolder(storedSetting(WorkingDirectory::Parameters))) {
        dirs.parameterDirectory = *folder;
        dirs.parameterDirectoryValid = true;
    } else {
        dirs.parameterDirectory = defaultWorkingFolder();
        dirs.parameterDirectoryValid = false;
    }
    if (const auto folder = usableFolder(storedSetting(WorkingDirectory::Export))) {
        dirs.exportDirectory = *folder;
        dirs.exportDirectoryValid = true;
    } else {
        dirs.exportDirectory.clear();
        dirs.exportDirectoryValid = false;
    }
}
