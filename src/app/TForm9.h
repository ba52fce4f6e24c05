#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;
class QToolButton;

// A folder field: the path can be typed, or picked with the "..." button,
// which opens the folder dialog at the field's folder.
class DirectoryEdit : public QWidget
{
    Q_OBJECT

public:
    explicit DirectoryEdit(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &folder);
    // The "..." button's work: the folder dialog, whose choice replaces the
    // text; a cancelled dialog leaves it as it was.
    void browse();

    QLineEdit *edit = nullptr;
    QToolButton *button = nullptr;

signals:
    void changed();
};

// The working-directory chooser: one folder field, ok and cancel.
class TForm9 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm9(QWidget *parent = nullptr);

    DirectoryEdit *DirectoryListBox1 = nullptr;
    QPushButton *BitBtn1 = nullptr; // ok
    QPushButton *BitBtn2 = nullptr; // cancel

    void DirectoryListBox1Change();
    void BitBtn1Click();
    void BitBtn2Click();

    // Shows the window modally and returns its result (QDialog::Accepted
    // for ok), through the program's modal runner, which tests replace.
    int runModal();
};

// The chooser opened on a folder: the field's text when it ends with ok,
// nothing when it is cancelled or closed.
std::optional<QString> runDirectoryChooser(const QString &folder);

// The "répertoire de travail" command of the main window and of the mini-CV
// editor: ok makes the field's folder the working directory and stores it;
// cancel falls back to the default folder for the rest of the run and
// leaves the store alone.
void chooseWorkingDirectory();
