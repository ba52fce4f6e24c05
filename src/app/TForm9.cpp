#include "app/TForm9.h"

#include "app/Widgets.h"

#include "dialogs/ModalRun.h"

#include "app/Settings.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

DirectoryEdit::DirectoryEdit(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("edit"));
    button = new QToolButton(this);
    button->setObjectName(QStringLiteral("button"));
    button->setText(QStringLiteral("..."));
    button->setFixedWidth(23);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    connect(button, &QToolButton::clicked, this, &DirectoryEdit::browse);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString &folder) {
        // The field is narrow: the whole path shows on hovering.
        edit->setToolTip(folder);
        emit changed();
    });
}

QString DirectoryEdit::text() const
{
    return edit->text();
}

void DirectoryEdit::setText(const QString &folder)
{
    edit->setText(folder);
    edit->setCursorPosition(0);
}

void DirectoryEdit::browse()
{
    const QString current = text();
    const QString start = QFileInfo(current).isDir() ? current : defaultWorkingFolder();
    if (const auto chosen = dialogs().chooseFolder(window()->windowTitle(), start))
        setText(QDir::toNativeSeparators(*chosen));
}

TForm9::TForm9(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Vokira"));
    setFont(designedWindowFont());
    setFixedSize(277, 239);

    DirectoryListBox1 = new DirectoryEdit(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setGeometry(16, 24, 145, 21);
    connect(DirectoryListBox1, &DirectoryEdit::changed, this, &TForm9::DirectoryListBox1Change);

    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(192, 136, 65, 25);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm9::BitBtn2Click);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(192, 176, 65, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm9::BitBtn1Click);
}

void TForm9::DirectoryListBox1Change() {}

void TForm9::BitBtn1Click()
{
    done(QDialog::Accepted);
}

void TForm9::BitBtn2Click()
{
    done(QDialog::Rejected);
}

int TForm9::runModal()
{
    return ::runModal(*this);
}

std::optional<QString> runDirectoryChooser(const QString &folder)
{
    TForm9 chooser;
    chooser.DirectoryListBox1->setText(folder);
    if (chooser.runModal() != QDialog::Accepted)
        return std::nullopt;
    return chooser.DirectoryListBox1->text();
}

void chooseWorkingDirectory()
{
    StartDirectories &dirs = startDirectories();
    if (const auto chosen = runDirectoryChooser(dirs.parameterDirectory)) {
        dirs.parameterDirectory = *chosen;
        dirs.parameterDirectoryValid = true;
        writeSetting(WorkingDirectory::Parameters, *chosen);
    } else {
        dirs.parameterDirectoryValid = false;
        dirs.parameterDirectory = defaultWorkingFolder();
    }
}
