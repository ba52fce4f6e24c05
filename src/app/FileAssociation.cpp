#include "app/FileAssociation.h"

#include "app/ProgramState.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

#ifndef Q_OS_WIN
// A half-written desktop entry could open the wrong program: each file is
// replaced whole or left as it was.
QString writeWhole(const QString &path, const QString &text)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("%1 : %2").arg(QDir::toNativeSeparators(folder),
                                             QStringLiteral("cannot create the folder"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return QStringLiteral("%1 : %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return QString();
}

// Runs one of the desktop's database tools when it is installed; an absent
// tool is no failure, as the desktop session refreshes its databases itself.
QString runTool(const QString &name, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    const QString command = (QStringList{name} + arguments).join(QLatin1Char(' '));
    if (!process.waitForStarted(30000))
        return QStringLiteral("%1 : %2").arg(command, process.errorString());
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished(5000);
        return QStringLiteral("%1 : %2").arg(command, QStringLiteral("no answer"));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return QStringLiteral("%1 : exit %2%3")
            .arg(command)
            .arg(process.exitCode())
            .arg(said.isEmpty() ? QString() : QLatin1Char('\n') + said);
    }
    return QString();
}

#else
QString registerInClasses(const FileTypeEntry &entry, const QString &programPath)
{
    // HKCU rather than the machine-wide classes root: it needs no
    // administrator, and Windows merges it into HKEY_CLASSES_ROOT.
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"),
                      QSettings::NativeFormat);
    if (!classes.isWritable())
        return QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes");
    const QString program = QDir::toNativeSeparators(programPath);
    const QString id = entry.progId;
    classes.setValue(entry.extension + QLatin1String("/Default"), id);
    classes.setValue(id + QLatin1String("/Default"), entry.description);
    classes.setValue(id + QLatin1String("/Shell/open/command/Default"),
                     windowsOpenCommand(programPath));
    classes.setValue(id + QLatin1String("/DefaultIcon/Default"),
                     QStringLiteral("\"%1\",%2").arg(program).arg(entry.iconIndex));
    classes.sync();
    if (classes.status() != QSettings::NoError)
        return QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes\\%1").arg(id);
    return QString();
}
#endif

void associate(AssociatedType type, int successMessage)
{
    const QString failure = registerFileType(type, QCoreApplication::applicationFilePath());
    if (failure.isEmpty()) {
        dialogs().showMessage(MessageKind::Information, message(successMessage), MessageButton::Ok,
                              0);
        return;
    }
    dialogs().showMessage(MessageKind::Error,
                          message(1139) + message(1057) + QLatin1Char('\n') + failure,
                          MessageButton::Ok, 0);
}

} // namespace

const FileTypeEntry &fileTypeEntry(AssociatedType type)
{
    static const FileTypeEntry card{
        QStringLiteral(".VK1"),
        QStringLiteral("Vokira_carte"),
        QStringLiteral("Présentation de carte Vokira"),
        3,
        QStringLiteral("application/x-vokira-carte"),
        QStringLiteral("zelvorin-vokira-carte.desktop"),
        QStringLiteral("zelvorin-vokira-carte.xml"),
    };
    static const FileTypeEntry miniCv{
        QStringLiteral(".VK4"),
        QStringLiteral("Vokira_mini-cv"),
        QStringLiteral("Contenu pour mini-cv Vokira"),
        1,
        QStringLiteral("application/x-vokira-minicv"),
        QStringLiteral("zelvorin-vokira-minicv.desktop"),
        QStringLiteral("zelvorin-vokira-minicv.xml"),
    };
    return type == AssociatedType::Card ? card : miniCv;
}

QString xdgDataHome()
{
    const QString set = qEnvironmentVariable("XDG_DATA_HOME");
    // The XDG rules ignore a relative path here.
    if (!set.isEmpty() && QDir::isAbsolutePath(set))
        return QDir::cleanPath(set);
    return QDir::homePath() + QLatin1String("/.local/share");
}

QString desktopExecCommand(const QString &programPath)
{
    // A path without any of the characters the desktop entry rules reserve
    // stays bare: the generic fallback of xdg-open takes the first word of
    // the line literally, quotes included, and would find no program.
    static const QString reserved = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`");
    const bool needsQuotes = std::any_of(programPath.cbegin(), programPath.cend(),
                                         [](QChar c) { return reserved.contains(c); });
    QString quoted;
    if (needsQuotes) {
        // Inside the quotes a backslash escapes '"', '`', '$' and itself.
        quoted += QLatin1Char('"');
        for (const QChar c : programPath) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted += QLatin1Char('"');
    } else {
        quoted = programPath;
    }
    // Then the escapes of every string value of the file, which a reader
    // undoes before it looks at the quotes; a literal '%' is doubled so that
    // the launcher does not take it for a field code.
    QString value;
    for (const QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            value += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            value += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            value += QLatin1String("\\r");
        else if (c == QLatin1Char('%'))
            value += QLatin1String("%%");
        else
            value += c;
    }
    return value + QLatin1String(" %f");
}

QString desktopEntryText(AssociatedType type, const QString &programPath)
{
    const FileTypeEntry &entry = fileTypeEntry(type);
    // NoDisplay: the entry opens our files; the program's own launcher, if
    // any, is the one that belongs in the menus.
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=Vokira\n"
                          "Comment=%1\n"
                          "Exec=%2\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "MimeType=%3;\n")
        .arg(entry.description, desktopExecCommand(programPath), entry.mimeType);
}

QString mimePackageText(AssociatedType type)
{
    const FileTypeEntry &entry = fileTypeEntry(type);
    const QString lower = QLatin1Char('*') + entry.extension.toLower();
    const QString upper = QLatin1Char('*') + entry.extension.toUpper();
    // Both files are labelled text, so a text editor is offered for them too.
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info "
                          "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <sub-class-of type=\"text/plain\"/>\n"
                          "    <glob pattern=\"%3\"/>\n"
                          "    <glob pattern=\"%4\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(entry.mimeType, entry.description.toHtmlEscaped(), lower, upper);
}

QString windowsOpenCommand(const QString &programPath)
{
    return QStringLiteral("\"%1\" \"%2\"")
        .arg(QDir::toNativeSeparators(programPath), QStringLiteral("%1"));
}

QString registerFileType(AssociatedType type, const QString &programPath)
{
    const FileTypeEntry &entry = fileTypeEntry(type);
#ifdef Q_OS_WIN
    return registerInClasses(entry, programPath);
#else
    const QString dataHome = xdgDataHome();
    const QString mimeFolder = dataHome + QLatin1String("/mime");
    const QString applications = dataHome + QLatin1String("/applications");
    QString failure = writeWhole(mimeFolder + QLatin1String("/packages/") + entry.packageName,
                                 mimePackageText(type));
    if (failure.isEmpty())
        failure = writeWhole(applications + QLatin1Char('/') + entry.desktopId,
                             desktopEntryText(type, programPath));
    if (failure.isEmpty())
        failure = runTool(QStringLiteral("update-mime-database"), {mimeFolder});
    if (failure.isEmpty())
        failure = runTool(QStringLiteral("update-desktop-database"), {applications});
    if (failure.isEmpty())
        failure = runTool(QStringLiteral("xdg-mime"),
                          {QStringLiteral("default"), entry.desktopId, entry.mimeType});
    return failure;
#endif
}

void associateCardFiles()
{
    associate(AssociatedType::Card, 153);
}

void associateMiniCvFiles()
{
    associate(AssociatedType::MiniCv, 152);
}
