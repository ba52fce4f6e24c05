// The part of the settings store that speaks to the user; it lives with the
// windows because it opens message boxes.
#include "app/Settings.h"

#include "platform/Dialogs.h"

void writeSetting(WorkingDirectory directory, const QString &text)
{
    switch (storeSetting(directory, text)) {
    case SettingWrite::Stored:
        break;
    case SettingWrite::StoreUnavailable:
        dialogs().showMessage(MessageKind::Error, QStringLiteral("unable to open key! exiting."),
                              MessageButton::Ok, 0);
        break;
    case SettingWrite::WriteRefused:
        dialogs().showMessage(MessageKind::Information,
                              QStringLiteral("Vokira : écriture en registre refusée"),
                              MessageButton::Ok, 0);
        break;
    }
}

void writeFolderOfFile(WorkingDirectory directory, const QString &filePath)
{
    writeSetting(directory, folderOfFile(filePath));
}
