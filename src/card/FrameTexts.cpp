// The frame-text commands of the main window's "éléments" panel: loading a
// frame's text from a file, saving it to one, and the "type de fichier" menu.

#include "card/FrameTexts.h"

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/Tfrmmain.h"
#include "card/CardModel.h"
#include "card/TargetName.h"
#include "catalogue/MessageCatalogue.h"
#include "output/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/RichTextFiles.h"

#include <QAction>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr int kMainWindowHelp = 9;
constexpr int kMiniCvHelp = 10;

QTextDocument *frameDocument(int frame)
{
    TForm1 *preview = appWindows().Form1;
    if (!preview || frame < 1 || frame > 2)
        return nullptr;
    return preview->frameEditor(frame - 1)->document();
}

// A text loaded into a frame is seen from its first line, as the card shows
// it, and not scrolled to where the load left the cursor.
void showFromTheTop(int target)
{
    TForm1 *preview = appWindows().Form1;
    if (preview && (target == 11 || target == 12))
        preview->frameEditor(target - 11)->moveCursor(QTextCursor::Start);
}

// Reads the chosen file into the frame; false, with nothing changed, when it
// cannot be read or is no text.
bool loadFrameFile(QTextDocument &document, const QString &path)
{
    if (isRtfName(path))
        return loadRichTextFile(document, path).ok();
    const ConvertedText converted = ConvertOnLoad(path, frameTextState().encoding);
    if (!converted.error.isEmpty())
        return false;
    setDocumentLines(document, converted.text.split(QStringLiteral("\r\n")));
    document.setModified(false);
    return true;
}

} // namespace

FrameTextState &frameTextState()
{
    static FrameTextState state;
    return state;
}

QTextDocument *richTextTarget(int target)
{
    if (target == 11 || target == 12)
        return frameDocument(target - 10);
    // The mini-CV's zones join here with its editor.
    return nullptr;
}

bool LoadRichText(int target, const QString &path)
{
    QTextDocument *document = richTextTarget(target);
    if (!document)
        return false;
    const int help = target >= 11 ? kMainWindowHelp : kMiniCvHelp;
    const RichTextResult result = loadRichTextFile(*document, path);
    switch (result.status) {
    case RichTextResult::Ok:
        showFromTheTop(target);
        return true;
    case RichTextResult::NotFound:
        dialogs().showMessage(MessageKind::Error, message(184) + path, MessageButton::Ok, help);
        return false;
    case RichTextResult::Unreadable:
    case RichTextResult::NotText:
        if (!isRtfName(path)) {
            dialogs().showMessage(QStringLiteral("erreur d'ouverture du flux de lecture"));
            return false;
        }
        break;
    case RichTextResult::NotRtf:
    case RichTextResult::WriteFailed:
        break;
    }
    // What the earlier version left to its error report.
    onExceptionHandler(path + QStringLiteral(" : ") + result.detail);
    return false;
}

bool SaveRichText(int target, const QString &path, bool verbose)
{
    QTextDocument *document = richTextTarget(target);
    if (!document)
        return false;
    const RichTextResult result = saveRichTextFile(*document, path);
    if (!result.ok())
        return false;
    document->setModified(false);
    if (verbose && !result.rewrite.ansiFound)
        dialogs().showMessage(message(183) + QStringLiteral(" : ") + path);
    if (verbose && !result.rewrite.codePageFound)
        dialogs().showMessage(QStringLiteral("chaine codepage non trouvee : ") + path);
    return true;
}

// ---- Commands of the main window

void Tfrmmain::mtextecharger_click(int frame)
{
    QTextDocument *document = frameDocument(frame);
    if (!document)
        return;
    CardModel &card = cardModel();
    FileDialogRequest request;
    request.directory = readSetting(WorkingDirectory::Texts);
    request.filter = QStringLiteral("fichiers doc|*.doc|fichiers RTF|*.rtf|fichiers texte|*.txt|");
    request.filterIndex = 3;
    // The texts folder is not changed by loading.
    for (;;) {
        const std::optional<QString> chosen = dialogs().openFile(request);
        if (!chosen || chosen->isEmpty())
            return;
        if (!QFileInfo(*chosen).isFile())
            continue;
        card.frames[frame - 1].textFile = *chosen;
        if (loadFrameFile(*document, *chosen)) {
            showFromTheTop(frame + 10);
            card.hasContent = true;
            refreshCommandStates();
            appWindows().Form1->update();
            FrameTextState &state = frameTextState();
            if (QFileInfo(*chosen).suffix().toLower() == QLatin1String("txt") &&
                !state.accentNoticeShown) {
                // In French whatever the language: the notice was only ever
                // written in French.
                dialogs().showMessage(lookupMessage(QStringLiteral("fr"), 170));
                state.accentNoticeShown = true;
            }
            return;
        }
        if (dialogs().showMessage(MessageKind::Confirmation, message(1137),
                                  MessageButton::Yes | MessageButton::No,
                                  kMainWindowHelp) != MessageButton::Yes)
            return;
    }
}

void Tfrmmain::mtextesauvegarder_click(int frame)
{
    QTextDocument *document = frameDocument(frame);
    if (!document)
        return;
    FileDialogRequest request;
    request.directory = readSetting(WorkingDirectory::Texts);
    request.filter = QStringLiteral("fichiers texte|*.txt|fichiers rich text|*.rtf");
    request.defaultSuffix = QStringLiteral("txt");
    const std::optional<QString> chosen = dialogs().saveFile(request);
    if (!chosen || chosen->isEmpty())
        return;

    TargetNameRequest naming;
    naming.chosen = *chosen;
    naming.defaultSuffix = QStringLiteral("txt");
    naming.extensionText = QStringLiteral("\"txt\"");
    naming.kindWord = QStringLiteral("texte");
    naming.offerCancel = false;
    naming.continueTrailingNumber = false;
    naming.helpContext = kMainWindowHelp;
    const TargetName target = chooseTargetName(naming);
    if (!target.proceed)
        return;
    writeFolderOfFile(WorkingDirectory::Texts, target.path);

    // A name ending in ".rtf" gets rich text: plain text there could never be
    // read back as what the dialog called it. The frame's modification mark
    // stays: the card's own copy of the text is not saved by this.
    const RichTextResult written = isRtfName(target.path)
                                       ? saveRichTextFile(*document, target.path)
                                       : savePlainLines(documentLines(*document), target.path);
    if (!written.ok()) {
        onExceptionHandler(target.path + QStringLiteral(" : ") + written.detail);
        return;
    }
    replaceExistingFile(target);
}

void Tfrmmain::ansicoding1Click()
{
    frameTextState().encoding = TextFileEncoding::Ansi;
    ansicoding1->setChecked(true);
}

void Tfrmmain::utf8coding1Click()
{
    frameTextState().encoding = TextFileEncoding::Utf8;
    utf8coding1->setChecked(true);
}

void Tfrmmain::unicodecoding1Click()
{
    frameTextState().encoding = TextFileEncoding::Unicode;
    unicodecoding1->setChecked(true);
}
