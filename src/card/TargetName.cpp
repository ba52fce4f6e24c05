#include "card/TargetName.h"

#include "app/ProgramState.h"
#include "catalogue/MessageCatalogue.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QFileInfo>

namespace {

qsizetype lastSeparator(const QString &path)
{
    return qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

struct SplitName
{
    QString folder;    // with its trailing separator
    QString base;      // the file name without its extension
    QString extension; // with its dot; empty when there is none
};

SplitName split(const QString &path)
{
    SplitName parts;
    const qsizetype separator = lastSeparator(path);
    parts.folder = path.left(separator + 1);
    const QString name = path.mid(separator + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    parts.base = dot > 0 ? name.left(dot) : name;
    parts.extension = dot > 0 ? name.mid(dot) : QString();
    return parts;
}

} // namespace

QString numberedName(const QString &chosen, bool continueTrailingNumber)
{
    const SplitName parts = split(chosen);
    QString stem = parts.base;
    int start = 0;
    if (continueTrailingNumber) {
        // At most two trailing digits count: "carte2024" is a name, not a
        // number to go on from.
        qsizetype digits = 0;
        while (digits < 2 && digits < stem.size() && stem.at(stem.size() - 1 - digits).isDigit() &&
               stem.at(stem.size() - 1 - digits).unicode() < 0x80)
            ++digits;
        if (digits > 0) {
            start = stem.right(digits).toInt();
            stem.chop(digits);
        }
    }
    constexpr int kLastNumber = 1000000;
    for (int counter = 1; counter <= kLastNumber; ++counter) {
        const QString candidate =
            parts.folder + stem + QString::number(start + counter) + parts.extension;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

TargetName chooseTargetName(const TargetNameRequest &request)
{
    TargetName target;
    const SplitName chosen = split(request.chosen);
    target.folder = chosen.folder;

    if (QFileInfo::exists(request.chosen)) {
        const QString candidate = numberedName(request.chosen, request.continueTrailingNumber);
        if (candidate.isEmpty())
            return target;
        MessageButtons buttons = MessageButton::Yes | MessageButton::No;
        if (request.offerCancel)
            buttons |= MessageButton::Cancel;
        const MessageButton answer = dialogs().showMessage(MessageKind::Warning, message(1143),
                                                           buttons, request.helpContext);
        if (request.offerCancel && answer != MessageButton::Yes && answer != MessageButton::No)
            return target;
        target.proceed = true;
        target.path = candidate;
        if (answer == MessageButton::Yes) {
            target.existing = request.chosen;
            target.baseName = chosen.base;
        } else {
            target.baseName = split(candidate).base;
        }
        return target;
    }

    const QString suffix = QFileInfo(request.chosen).suffix();
    if (suffix.compare(request.defaultSuffix, Qt::CaseInsensitive) != 0) {
        const QString question = composeMessage(programState().currentLanguage, 1144,
                                                request.extensionText, request.kindWord);
        if (dialogs().showMessage(MessageKind::Warning, question,
                                  MessageButton::Yes | MessageButton::No,
                                  request.helpContext) != MessageButton::Yes)
            return target;
    }
    target.proceed = true;
    target.path = request.chosen;
    target.baseName = chosen.base;
    return target;
}

QString replaceExistingFile(const TargetName &target)
{
    if (target.existing.isEmpty())
        return target.path;
    if (QFile::remove(target.existing) && QFile::rename(target.path, target.existing))
        return target.existing;
    dialogs().showMessage(message(129) + target.existing + message(130) + target.path);
    return target.path;
}
