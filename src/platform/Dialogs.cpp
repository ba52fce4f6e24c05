#include "platform/Dialogs.h"

#include "platform/FontDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextStream>

namespace {

std::unique_ptr<Dialogs> &layerSlot()
{
    static std::unique_ptr<Dialogs> layer;
    return layer;
}

constexpr MessageButton kButtonOrder[] = {MessageButton::Ok, MessageButton::Yes, MessageButton::No,
                                          MessageButton::Cancel, MessageButton::Abort};

// The earlier version's filters read "description|pattern|..." with patterns
// separated by ";"; Qt wants "description (pattern pattern);;...".
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // File systems here tell case apart; old cards are often named
        // "CARTE.VK1", so offer the upper-case spelling too.
        for (const QString &p : QStringList(patterns))
            if (p.toUpper() != p)
                patterns << p.toUpper();
        out << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString selectedFilter(const QString &filter, int index)
{
    const QStringList filters = qtFilter(filter).split(QStringLiteral(";;"));
    return index >= 1 && index <= filters.size() ? filters[index - 1] : QString();
}

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

QString titleOr(const QString &title)
{
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

} // namespace

QString messageKindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return QStringLiteral("information");
    case MessageKind::Warning:
        return QStringLiteral("warning");
    case MessageKind::Error:
        return QStringLiteral("error");
    case MessageKind::Confirmation:
        return QStringLiteral("confirmation");
    case MessageKind::Plain:
        break;
    }
    return QStringLiteral("message");
}

QString messageButtonName(MessageButton button)
{
    switch (button) {
    case MessageButton::Ok:
        return QStringLiteral("OK");
    case MessageButton::Cancel:
        return QStringLiteral("Cancel");
    case MessageButton::Yes:
        return QStringLiteral("Yes");
    case MessageButton::No:
        return QStringLiteral("No");
    case MessageButton::Abort:
        return QStringLiteral("Abort");
    case MessageButton::None:
        break;
    }
    return QStringLiteral("None");
}

Dialogs::~Dialogs() = default;

void Dialogs::showMessage(const QString &text)
{
    message({MessageKind::Plain, QString(), text, MessageButton::Ok, 0});
}

MessageButton Dialogs::showMessage(MessageKind kind, const QString &text, MessageButtons buttons,
                                   int helpContext)
{
    return message({kind, QString(), text, buttons, helpContext});
}

Dialogs &dialogs()
{
    auto &layer = layerSlot();
    if (!layer)
        layer = std::make_unique<QtDialogs>();
    return *layer;
}

std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> layer)
{
    std::unique_ptr<Dialogs> previous = std::move(layerSlot());
    layerSlot() = std::move(layer);
    return previous;
}

// ---- QtDialogs

MessageButton QtDialogs::message(const MessageRequest &request)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (request.kind) {
    case MessageKind::Information:
        icon = QMessageBox::Information;
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        break;
    case MessageKind::Confirmation:
        icon = QMessageBox::Question;
        break;
    case MessageKind::Plain:
        break;
    }
    QMessageBox box(icon, titleOr(request.title), request.text, QMessageBox::NoButton,
                    dialogParent());
    const std::pair<MessageButton, QMessageBox::StandardButton> mapping[] = {
        {MessageButton::Ok, QMessageBox::Ok},       {MessageButton::Yes, QMessageBox::Yes},
        {MessageButton::No, QMessageBox::No},       {MessageButton::Cancel, QMessageBox::Cancel},
        {MessageButton::Abort, QMessageBox::Abort},
    };
    MessageButtons buttons = request.buttons ? request.buttons : MessageButtons(MessageButton::Ok);
    for (const auto &[ours, theirs] : mapping)
        if (buttons.testFlag(ours))
            box.addButton(theirs);
    const int pressed = box.exec();
    for (const auto &[ours, theirs] : mapping)
        if (pressed == theirs)
            return ours;
    // Closed with the window's close box: the answer that changes nothing.
    if (buttons.testFlag(MessageButton::Cancel))
        return MessageButton::Cancel;
    if (buttons.testFlag(MessageButton::No))
        return MessageButton::No;
    return buttons.testFlag(MessageButton::Ok) ? MessageButton::Ok : MessageButton::None;
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest &request)
{
    QString selected = selectedFilter(request.filter, request.filterIndex);
    QString dir = request.directory;
    if (!request.fileName.isEmpty())
        dir = QDir(dir).filePath(request.fileName);
    const QString name = QFileDialog::getOpenFileName(dialogParent(), request.title, dir,
                                                      qtFilter(request.filter), &selected);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtDialogs::saveFile(const FileDialogRequest &request)
{
    QFileDialog dialog(dialogParent(), request.title, request.directory, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks its own question about existing files.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    const QString selected = selectedFilter(request.filter, request.filterIndex);
    if (!selected.isEmpty())
        dialog.selectNameFilter(selected);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::openPicture(const FileDialogRequest &request)
{
    return openFile(request);
}

std::optional<QString> QtDialogs::chooseFolder(const QString &title, const QString &start)
{
    const QString dir = QFileDialog::getExistingDirectory(dialogParent(), title, start);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

std::optional<QColor> QtDialogs::chooseColor(const QColor &initial, const QList<QColor> &custom)
{
    for (int i = 0; i < custom.size() && i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, custom[i]);
    const QColor colour = QColorDialog::getColor(initial, dialogParent());
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontRequest &request)
{
    FontDialog dialog(request, dialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<QString> QtDialogs::inputText(const QString &title, const QString &prompt,
                                            const QString &text)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(dialogParent(), titleOr(title), prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

// ---- ScriptedDialogs

QVariant ScriptedDialogs::nextAnswer()
{
    return answers.isEmpty() ? QVariant() : answers.takeFirst();
}

MessageButton ScriptedDialogs::message(const MessageRequest &request)
{
    calls.append({QStringLiteral("message"), request.kind, request.title, request.text,
                  request.buttons, request.helpContext});
    if (echo) {
        *echo << messageKindName(request.kind) << ": " << request.text << Qt::endl;
    }
    const QVariant answer = nextAnswer();
    if (answer.canConvert<MessageButton>() &&
        answer.metaType() == QMetaType::fromType<MessageButton>())
        return answer.value<MessageButton>();
    // Unscripted: the answer that keeps data safe.
    for (MessageButton b : {MessageButton::Ok, MessageButton::Cancel, MessageButton::No,
                            MessageButton::Abort, MessageButton::Yes})
        if (request.buttons.testFlag(b))
            return b;
    return MessageButton::None;
}

std::optional<QString> ScriptedDialogs::textAnswer(const QString &dialog, const QString &title,
                                                   const QString &text)
{
    calls.append({dialog, MessageKind::Plain, title, text, {}, 0});
    const QVariant answer = nextAnswer();
    if (answer.metaType() == QMetaType::fromType<QString>())
        return answer.toString();
    return std::nullopt;
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest &request)
{
    return textAnswer(QStringLiteral("openFile"), request.title, request.directory);
}

std::optional<QString> ScriptedDialogs::saveFile(const FileDialogRequest &request)
{
    return textAnswer(QStringLiteral("saveFile"), request.title, request.directory);
}

std::optional<QString> ScriptedDialogs::openPicture(const FileDialogRequest &request)
{
    return textAnswer(QStringLiteral("openPicture"), request.title, request.directory);
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString &title, const QString &start)
{
    return textAnswer(QStringLiteral("chooseFolder"), title, start);
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &initial, const QList<QColor> &)
{
    calls.append(
        {QStringLiteral("chooseColor"), MessageKind::Plain, QString(), initial.name(), {}, 0});
    const QVariant answer = nextAnswer();
    if (answer.metaType() == QMetaType::fromType<QColor>())
        return answer.value<QColor>();
    return std::nullopt;
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const FontRequest &request)
{
    fontRequests.append(request);
    calls.append({QStringLiteral("chooseFont"),
                  MessageKind::Plain,
                  QString(),
                  request.font.family(),
                  {},
                  0});
    const QVariant answer = nextAnswer();
    if (answer.metaType() == QMetaType::fromType<FontChoice>())
        return answer.value<FontChoice>();
    return std::nullopt;
}

std::optional<QString> ScriptedDialogs::inputText(const QString &title, const QString &prompt,
                                                  const QString &text)
{
    Q_UNUSED(text);
    return textAnswer(QStringLiteral("inputText"), title, prompt);
}

QList<ScriptedDialogs::Call> ScriptedDialogs::messages() const
{
    QList<Call> out;
    for (const Call &call : calls)
        if (call.dialog == QLatin1String("message"))
            out.append(call);
    return out;
}
