#include "dialogs/TForm3.h"

#include "app/Widgets.h"

#include "app/ProgramState.h"
#include "app/Startup.h"
#include "card/Rounding.h"
#include "dialogs/AssistanceText.h"
#include "dialogs/ModalRun.h"
#include "output/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"
#include "platform/ScreenMetrics.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <exception>
#include <memory>

namespace {

constexpr int kClientWidth = 696;
constexpr int kClientHeight = 521;

int millimetresToDots(double millimetres, int dotsPerInch)
{
    return roundEven(millimetres * dotsPerInch / 25.4);
}

// Lays the help out on the job's pages, a line never split between two pages.
bool printDocument(PrintJob &job, const QTextDocument &source)
{
    std::unique_ptr<QTextDocument> document(source.clone());
    QPainter &painter = job.painter();
    // Point sizes are taken at the printer's resolution, not the screen's.
    document->documentLayout()->setPaintDevice(painter.device());
    document->setDefaultFont(source.defaultFont());

    const QSize page = job.pageSizeDots();
    const QSize dpi = job.dotsPerInch();
    const int marginX = millimetresToDots(20, dpi.width());
    const int marginY = millimetresToDots(15, dpi.height());
    const QSizeF body(page.width() - 2 * marginX, page.height() - 2 * marginY);
    if (body.width() <= 0 || body.height() <= 0)
        return false;
    document->setPageSize(body);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    const int pages = document->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !job.newPage())
            return false;
        painter.save();
        painter.translate(marginX, marginY - i * body.height());
        context.clip = QRectF(QPointF(0, i * body.height()), body);
        painter.setClipRect(context.clip);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return job.finish();
}

// The hourglass for as long as the help is being printed.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

TForm3::TForm3(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("édition de cartes "));
    setFont(designedWindowFont());
    resize(kClientWidth, kClientHeight);

    Richedit1 = new QTextEdit(this);
    Richedit1->setObjectName(QStringLiteral("Richedit1"));
    Richedit1->setGeometry(18, 17, 663, 342);
    Richedit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Richedit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Richedit1->setLineWrapMode(QTextEdit::WidgetWidth);
    // A help text to read, select and copy; the selection stays shown when
    // the focus moves to a button, as the read-only text keeps it.
    Richedit1->setReadOnly(true);
    Richedit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont textFont = Richedit1->font();
    textFont.setPointSize(9);
    Richedit1->setFont(textFont);
    Richedit1->document()->setDefaultFont(textFont);
    QPalette palette = Richedit1->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    Richedit1->setPalette(palette);

    const auto makeButton = [this](const char *name, const QString &text, const QRect &place) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(place);
        button->setAutoDefault(false);
        return button;
    };
    Button1 = makeButton("Button1", QStringLiteral("ok"), QRect(400, 376, 81, 41));
    Button2 = makeButton("Button2", QStringLiteral("imprimer"), QRect(496, 376, 73, 41));
    Button3 = makeButton("Button3", QStringLiteral("fin programme"), QRect(584, 376, 73, 41));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    rb1 = new QRadioButton(QStringLiteral("portrait"), this);
    rb1->setObjectName(QStringLiteral("rb1"));
    rb1->move(536, 432);
    rb1->resize(rb1->sizeHint());
    rb1->setChecked(true);
    rb2 = new QRadioButton(QStringLiteral("paysage"), this);
    rb2->setObjectName(QStringLiteral("rb2"));
    rb2->move(536, 456);
    rb2->resize(rb2->sizeHint());
    connect(rb1, &QRadioButton::clicked, this, [this] { rb1_click(); });
    connect(rb2, &QRadioButton::clicked, this, [this] { rb2_click(); });

    const QSize screen = screenSize();
    move((screen.width() - kClientWidth) / 2, (screen.height() - kClientHeight) / 2);
}

void TForm3::fillHelpText()
{
    Richedit1->clear();
    Richedit1->setPlainText(assistanceLines().join(QLatin1Char('\n')));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (QTextBlock block = Richedit1->document()->begin(); block.isValid(); block = block.next()) {
        if (!isAssistanceHeading(block.text()))
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(bold);
    }
    Richedit1->moveCursor(QTextCursor::Start);
}

void TForm3::rememberSize()
{
    remembered = size();
}

void TForm3::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    form3_resize();
}

void TForm3::form3_resize()
{
    const QSize now = size();
    // A resize before any size was remembered (the window's first layout)
    // has nothing to be proportional to.
    if (remembered.isEmpty()) {
        remembered = now;
        return;
    }
    if (now == remembered)
        return;
    const double w = now.width(), h = now.height();
    const double w0 = remembered.width(), h0 = remembered.height();
    for (QObject *child : children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow())
            continue;
        const QRect place = control->geometry();
        control->setGeometry(roundEven(w * place.left() / w0), roundEven(h * place.top() / h0),
                             roundEven(w * place.width() / w0), roundEven(h * place.height() / h0));
    }
    remembered = now;
}

void TForm3::Button1Click()
{
    close();
}

void TForm3::Button2Click()
{
    rb1->setEnabled(true);
    rb2->setEnabled(true);
    applyOrientation();
    bool printed = false;
    try {
        WaitCursor wait;
        std::unique_ptr<PrintJob> job =
            printerService().beginJob(QStringLiteral("Vokira : assistance"), orientation);
        printed = job && printDocument(*job, *Richedit1->document());
    } catch (const std::exception &) {
        printed = false;
    }
    if (!printed)
        dialogs().showMessage(MessageKind::Information,
                              QStringLiteral("Erreur d'accès à l'imprimante."), MessageButton::Ok,
                              0);
}

void TForm3::rb1_click()
{
    applyOrientation();
}

void TForm3::rb2_click()
{
    applyOrientation();
}

void TForm3::applyOrientation()
{
    orientation = rb1->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape;
}

void TForm3::Button3Click()
{
    programState().quitRequested = 'o';
    close();
    if (TForm1 *preview = appWindows().Form1)
        preview->close();
    closeAllWindows();
}

void showAssistance()
{
    TForm3 window;
    window.fillHelpText();
    window.rememberSize();
    runModal(window);
}
