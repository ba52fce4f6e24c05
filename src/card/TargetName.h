#pragma once

#include <QString>

// The choice of the file a save writes to, shared by the card, mini-CV and
// frame-text saves: an existing file is never overwritten in place. The new
// content goes to a numbered name (carte.vk1 → carte1.vk1, then carte2.vk1
// ...), which either stays or replaces the existing file once written.
struct TargetNameRequest
{
    QString chosen;        // the name the save dialog gave
    QString defaultSuffix; // the dialog's default extension, without its dot: "vk1"
    // The texts put into question 1144 about another extension: the
    // extension as shown (".vk1", "\"txt\"") and the word for the kind of
    // file ("texte").
    QString extensionText;
    QString kindWord;
    // Question 1143 offers Yes, No and Cancel; the frame texts ask Yes or No.
    bool offerCancel = true;
    // carte5.vk1 gives carte6.vk1 (card and mini-CV files); without it the
    // frame texts append the number: notes5.txt gives notes51.txt.
    bool continueTrailingNumber = true;
    int helpContext = 9;
};

struct TargetName
{
    bool proceed = false;
    QString path;     // where to write
    QString existing; // the file that path replaces once written; empty for a new file
    QString folder;   // path's folder, with its trailing separator
    // The base name for companion files: that of the file being replaced, or
    // that of path.
    QString baseName;
};

// The first free numbered name for chosen, an existing file; the same
// extension, in the same folder. Empty when every number is taken.
QString numberedName(const QString &chosen, bool continueTrailingNumber);

// Asks question 1143 when the chosen file exists (Cancel, when offered,
// stops) and question 1144 when a new file has another extension than the
// dialog's (anything but Yes stops).
TargetName chooseTargetName(const TargetNameRequest &request);

// After writing target.path over an existing file: deletes the existing file
// and gives the new one its name. When that fails, shows messages 129 and 130
// with both names, and the new file keeps its numbered name. Returns the name
// the new content ends up under.
QString replaceExistingFile(const TargetName &target);
