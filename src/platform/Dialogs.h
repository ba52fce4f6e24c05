#pragma once

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>

class QWidget;
class QTextStream;

enum class MessageKind { Plain, Information, Warning, Error, Confirmation };

enum class MessageButton {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Yes = 4,
    No = 8,
    Abort = 16,
};
Q_DECLARE_FLAGS(MessageButtons, MessageButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MessageButtons)

QString messageKindName(MessageKind kind);
QString messageButtonName(MessageButton button);

struct MessageRequest
{
    MessageKind kind = MessageKind::Plain;
    QString title;
    QString text;
    MessageButtons buttons = MessageButton::Ok;
    int helpContext = 0;
};

struct FileDialogRequest
{
    QString title;
    QString directory;
    QString fileName;
    QString filter; // "description|pattern|description|pattern"
    int filterIndex = 1;
    QString defaultSuffix;
};

// The options of the font dialog's family and size lists, as the user sets
// them in the font-list options window.
enum class FontListOption {
    TrueType = 1,     // scalable fonts only
    Wysiwyg = 2,      // fonts that print as they show
    Ansi = 4,         // Latin script only
    NoOem = 8,        // no fonts without Latin script
    NoVector = 16,    // no stroke fonts
    ForceExists = 32, // only a listed family may be typed
    LimitSize = 64,   // sizes held between minSize and maxSize
    Effects = 128,    // colour, underline and strike-out offered
};
Q_DECLARE_FLAGS(FontListOptions, FontListOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontListOptions)

struct FontRequest
{
    QFont font;
    QColor color;
    bool effects = true; // colour, underline and strike-out offered
    FontListOptions options;
    // Point sizes offered when options hold LimitSize.
    int minSize = 0;
    int maxSize = 0;
};

struct FontChoice
{
    QFont font;
    QColor color;
};

// Every modal interaction of the program goes through here, so that tests and
// the batch tool can answer in place of a person.
class Dialogs
{
public:
    virtual ~Dialogs();

    virtual MessageButton message(const MessageRequest &request) = 0;
    virtual std::optional<QString> openFile(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> openPicture(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> chooseFolder(const QString &title, const QString &start) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial,
                                              const QList<QColor> &custom) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontRequest &request) = 0;
    virtual std::optional<QString> inputText(const QString &title, const QString &prompt,
                                             const QString &text) = 0;

    // A box with the kind's caption, OK and no help context.
    void showMessage(const QString &text);
    MessageButton showMessage(MessageKind kind, const QString &text, MessageButtons buttons,
                              int helpContext);
};

Dialogs &dialogs();
// Takes ownership; returns the previous layer.
std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> layer);

// The real dialogs of the desktop.
class QtDialogs : public Dialogs
{
public:
    MessageButton message(const MessageRequest &request) override;
    std::optional<QString> openFile(const FileDialogRequest &request) override;
    std::optional<QString> saveFile(const FileDialogRequest &request) override;
    std::optional<QString> openPicture(const FileDialogRequest &request) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &start) override;
    std::optional<QColor> chooseColor(const QColor &initial, const QList<QColor> &custom) override;
    std::optional<FontChoice> chooseFont(const FontRequest &request) override;
    std::optional<QString> inputText(const QString &title, const QString &prompt,
                                     const QString &text) override;
};

// Records every call and answers from a script: what tests and the batch tool
// use. An answer is taken from the front of the queue; with the queue empty a
// message box gets the safest of its buttons and every other dialog is
// cancelled.
class ScriptedDialogs : public Dialogs
{
public:
    struct Call
    {
        QString dialog; // "message", "openFile", "saveFile", ...
        MessageKind kind = MessageKind::Plain;
        QString title;
        QString text;
        MessageButtons buttons;
        int helpContext = 0;
    };

    QList<Call> calls;
    // MessageButton for message boxes, QString for file and folder names and
    // input texts, QColor, FontChoice; an invalid QVariant cancels.
    QList<QVariant> answers;
    // Every font dialog asked for, in order.
    QList<FontRequest> fontRequests;

    // Echo each message as "<kind>: <text>" (the batch tool's stderr).
    QTextStream *echo = nullptr;

    MessageButton message(const MessageRequest &request) override;
    std::optional<QString> openFile(const FileDialogRequest &request) override;
    std::optional<QString> saveFile(const FileDialogRequest &request) override;
    std::optional<QString> openPicture(const FileDialogRequest &request) override;
    std::optional<QString> chooseFolder(const QString &title, const QString &start) override;
    std::optional<QColor> chooseColor(const QColor &initial, const QList<QColor> &custom) override;
    std::optional<FontChoice> chooseFont(const FontRequest &request) override;
    std::optional<QString> inputText(const QString &title, const QString &prompt,
                                     const QString &text) override;

    QList<Call> messages() const;

private:
    QVariant nextAnswer();
    std::optional<QString> textAnswer(const QString &dialog, const QString &title,
                                      const QString &text);
};

Q_DECLARE_METATYPE(FontChoice)
