#include "dialogs/TForm10.h"

#include "app/Widgets.h"

#include "dialogs/ModalRun.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace {

constexpr int kEscape = 27;

} // namespace

QString &askTextAnswer()
{
    static QString answer;
    return answer;
}

TForm10::TForm10(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Vokira : "));
    setFont(designedWindowFont());
    resize(696, 269);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(48, 24, 593, 73);
    Memo1->setReadOnly(true);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(128, 128, 513, 21);

    Button1 = new QPushButton(QStringLiteral("ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(272, 184, 161, 33);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    Button2 = new QPushButton(QStringLiteral("annuler"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(472, 184, 153, 33);
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    formcreate();
}

void TForm10::formcreate()
{
    // The window sees key presses before its controls, so that Escape
    // cancels wherever the focus is.
    installEventFilter(this);
    for (QWidget *control : findChildren<QWidget *>())
        control->installEventFilter(this);
}

void TForm10::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    formshow();
}

void TForm10::formshow()
{
    Edit1->setFocus(Qt::OtherFocusReason);
}

bool TForm10::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            formkeydown(kEscape);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm10::formkeydown(int key)
{
    if (key == kEscape)
        done(ModalCancel);
}

void TForm10::Button1Click()
{
    askTextAnswer() = Edit1->text();
    done(ModalOk);
}

void TForm10::Button2Click()
{
    done(ModalCancel);
}

void TForm10::reject()
{
    done(ModalCancel);
}

QString askText(const QString &title, const QString &prompt, const QString &proposed)
{
    auto window = std::make_unique<TForm10>();
    window->setWindowTitle(window->windowTitle() + title);
    window->Edit1->setText(proposed);
    QString shown = prompt;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    window->Memo1->setPlainText(shown);
    const int result = runModal(*window);
    const QString current = window->Edit1->text();
    window.reset();
    if (result == ModalOk)
        return askTextAnswer();
    if (result == ModalCancel)
        return current;
    return proposed;
}
