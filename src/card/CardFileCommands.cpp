// The card parameter file commands of the main window: "&Charger" and
// "&Sauvegarder", and the reading of a card named on the command line.
#include "card/CardFileCommands.h"

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/Tfrmmain.h"
#include "card/CardFile.h"
#include "card/FrameTexts.h"
#include "card/TargetName.h"
#include "card/TextAttributes.h"
#include "output/GeometrySnapshot.h"
#include "output/PreviewState.h"
#include "output/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>

namespace {

// After a load: the pattern, the icon and the fonts shown on the preview.
void applyAfterLoad(TForm1 &preview, const CardModel &card)
{
    PreviewResources &res = preview.resources;
    res.CompositeBitmap = QImage();
    res.IconType.clear();
    res.IconImage = QImage();
    if (!card.iconFile.isEmpty()) {
        QFile icon(card.iconFile);
        ProgramState &state = programState();
        if (!icon.open(QIODevice::ReadOnly) && !state.iconOpenWarned) {
            state.iconOpenWarned = true;
            dialogs().showMessage(message(186) + card.iconFile);
        }
        preview.RenderIcon();
    }
    for (int i = 0; i < 2; ++i)
        applyFrameFonts(*preview.frameEditor(i)->document(), card.frames[i].bodyFont,
                        card.frames[i].headerFont);
    preview.form1desel();
    preview.update();
}

} // namespace

bool readCardParameterFile(const QString &path, int *transparencyCode)
{
    if (path.toUtf8().size() <= 4) {
        dialogs().showMessage(MessageKind::Error, message(151), MessageButton::Ok, 9);
        return false;
    }
    QFile file(path);
    if (!file.exists()) {
        dialogs().showMessage(MessageKind::Error, message(184) + path, MessageButton::Ok, 9);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs().showMessage(MessageKind::Error, file.errorString() + QStringLiteral(" : ") + path,
                              MessageButton::Ok, 9);
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    CardFileValues values;
    const CardFileReading reading = readCardFileValues(
        bytes, values,
        [] { dialogs().showMessage(MessageKind::Information, message(173), MessageButton::Ok, 9); },
        [](int) {
            return dialogs().showMessage(MessageKind::Information, message(174),
                                         MessageButton::Ok | MessageButton::Abort,
                                         9) == MessageButton::Ok;
        });
    if (!reading.read)
        return false;

    CardModel &card = cardModel();
    TForm1 *preview = appWindows().Form1;
    const QString folder = QFileInfo(path).absolutePath();

    // Frame texts first: the alignment and the fonts are laid over them.
    for (int i = 0; i < 2; ++i) {
        const QString stored = trimmedStoredText(values.texts[1 + i]);
        card.frames[i].textFile = stored;
        if (stored.isEmpty())
            continue;
        const QString absolute = resolveStoredPath(stored, folder);
        card.frames[i].textFile = absolute;
        if (QFileInfo::exists(absolute))
            LoadRichText(11 + i, absolute);
        else
            dialogs().showMessage(MessageKind::Error, message(184) + absolute, MessageButton::Ok,
                                  9);
    }
    const std::array<QString, 2> textFiles{card.frames[0].textFile, card.frames[1].textFile};
    const LoadedCard loaded = applyCardValues(card, values);
    card.frames[0].textFile = textFiles[0];
    card.frames[1].textFile = textFiles[1];
    if (!card.patternFile.isEmpty())
        card.patternFile = resolveStoredPath(card.patternFile, folder);
    if (!card.iconFile.isEmpty())
        card.iconFile = resolveStoredPath(card.iconFile, folder);

    if (preview) {
        preview->move(preview->x(), loaded.previewTop);
        for (int i = 0; i < 2; ++i)
            if (loaded.alignments[i])
                setDocumentAlignment(*preview->frameEditor(i)->document(), *loaded.alignments[i]);
    }
    card.hasContent = true;
    refreshCommandStates();
    if (preview) {
        applyAfterLoad(*preview, card);
        for (int i = 0; i < 2; ++i)
            preview->frameEditor(i)->setModified(false);
    }
    if (card.parameterFile.isEmpty())
        card.parameterFile = path;
    previewState().refreshRequested = true;
    if (transparencyCode)
        *transparencyCode = loaded.transparencyCode;
    return true;
}

bool loadCardAfterChoice(const QString &path)
{
    CardModel &card = cardModel();
    card.parameterFile = path;
    Tfrmmain *main = appWindows().frmmain;
    TForm1 *preview = appWindows().Form1;
    ProgramState &state = programState();
    if (state.cardFileRead && preview) {
        preview->RichEdit1->clear();
        preview->RichEdit2->clear();
        if (main) {
            main->Image1->clear();
            main->Image2->clear();
        }
    }
    int transparencyCode = 0;
    if (!readCardParameterFile(path, &transparencyCode))
        return false;
    state.cardFileRead = true;
    geometrySnapshot().take(-1, card);
    // Whether the pattern can be drawn decides whether frames can be made
    // transparent; the preview may not have painted yet.
    if (preview)
        preview->renderBackground();
    if (main) {
        if (preview && preview->resources.PatternDrawn) {
            main->CheckBox2->setEnabled(true);
            main->CheckBox3->setEnabled(true);
            if (transparencyCode >= 0 && transparencyCode <= 3) {
                main->CheckBox2->setChecked(transparencyCode & 1);
                main->CheckBox2Click();
                main->CheckBox3->setChecked(transparencyCode & 2);
                main->CheckBox3Click();
            }
        }
        const QString extension = QFileInfo(path).suffix();
        const qsizetype at = extension.isEmpty() ? -1 : path.indexOf(QLatin1Char('.') + extension);
        main->setWindowTitle(at < 0 ? path : path.left(at));
        main->placeMainWindow();
    }
    return true;
}

CardWrite writeCardParameterFile(const QString &path, const QString &baseName,
                                 const QString &derivedBase, bool allTexts)
{
    CardWrite result;
    CardModel &card = cardModel();
    TForm1 *preview = appWindows().Form1;
    const QString folder = QFileInfo(path).absolutePath();

    CardFileFrames frames;
    for (int i = 0; i < 2; ++i) {
        frames.companions[i] = companionRelativeName(i, baseName);
        if (preview) {
            const QTextDocument &document = *preview->frameEditor(i)->document();
            if (!document.isEmpty())
                frames.firstLineFonts[i] = lineFont(document, 0);
            frames.alignments[i] = documentAlignment(document);
        }
    }
    const QByteArray bytes = composeCardFile(card, frames);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.written = true;

    if (!preview)
        return result;
    // A card saved where no "element" folder exists yet would lose its texts.
    QDir(folder).mkpath(QStringLiteral("element"));
    for (int i = 0; i < 2; ++i) {
        RichEdit *frame = preview->frameEditor(i);
        const bool mustSave =
            allTexts || frame->isModified() ||
            card.frames[i].textFile != companionAbsoluteName(i, folder, derivedBase);
        if (mustSave && !SaveRichText(11 + i, companionAbsoluteName(i, folder, baseName)))
            result.textsSaved = false;
    }
    return result;
}

void Tfrmmain::mcharger_click()
{
    FileDialogRequest request;
    request.defaultSuffix = QStringLiteral("vk1");
    request.filter =
        QStringLiteral("fichiers Vokira 1|*.vk1|fichiers Vokira 2|*.vk?|fichiers Vokira 3|*.vk??");
    request.directory = readSetting(WorkingDirectory::Parameters);
    const auto chosen = dialogs().openFile(request);
    if (!chosen || !QFileInfo::exists(*chosen))
        return;
    loadCardAfterChoice(*chosen);
}

void Tfrmmain::msauvegarder_click()
{
    if (previewState().cardAccessOpen) {
        dialogs().showMessage(MessageKind::Confirmation, message(172),
                              MessageButton::Ok | MessageButton::Cancel, 9);
        return;
    }
    CardModel &card = cardModel();
    FileDialogRequest request;
    request.defaultSuffix = QStringLiteral("vk1");
    request.filter =
        QStringLiteral("fichiers Vokira 1|*.vk1|fichiers texte|*.txt|fichiers non définis|*.*");
    request.title = QStringLiteral("définir le fichier paramêtre de la carte : ");
    request.directory = readSetting(WorkingDirectory::Parameters);
    request.fileName = card.parameterFile;
    const auto chosen = dialogs().saveFile(request);
    if (!chosen)
        return;

    TargetNameRequest naming;
    naming.chosen = *chosen;
    naming.defaultSuffix = QStringLiteral("vk1");
    naming.extensionText = QStringLiteral(".vk1");
    naming.kindWord = QStringLiteral("carte");
    const TargetName target = chooseTargetName(naming);
    if (!target.proceed)
        return;
    writeFolderOfFile(WorkingDirectory::Parameters, target.path);

    const QString derivedBase = QFileInfo(target.path).completeBaseName();
    const CardWrite written =
        writeCardParameterFile(target.path, target.baseName, derivedBase, false);
    if (!written.written) {
        dialogs().showMessage(MessageKind::Error,
                              written.error + QStringLiteral(" : ") + target.path,
                              MessageButton::Ok, 9);
        return;
    }
    if (!written.textsSaved)
        dialogs().showMessage(message(133));
    QString finalName = target.path;
    if (!target.existing.isEmpty())
        finalName = replaceExistingFile(target);
    card.parameterFile = finalName;
}
