#include "output/TForm1.h"

#include "app/ProgramState.h"
#include "app/Startup.h"
#include "app/Tfrmmain.h"
#include "card/Rounding.h"
#include "catalogue/MessageCatalogue.h"
#include "output/GeometrySnapshot.h"
#include "output/PreviewState.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

int mainWindowLeftBesidePreview(int screenWidth, int mainWidth, int previewLeft, int previewWidth)
{
    const double half = (screenWidth - mainWidth) / 2.0;
    const int beside = previewLeft + previewWidth + 5;
    return beside > half ? beside : roundEven(half);
}

TForm1::TForm1(CardModel &cardModel, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , card(cardModel)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("carte"));
    setToolTip(QStringLiteral("carte avec les éléments cadre1 et cadre 2 "));
    setMouseTracking(true);
    // The whole client area is painted from the card's background image.
    setAttribute(Qt::WA_OpaquePaintEvent);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(builtInIcon());
    Image1->setGeometry(8, 24, 32, 32);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(152, 8, 17, 17);
    Image2->hide();
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(152, 32, 17, 25);
    Image3->hide();

    RichEdit1 = new RichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit2 = new RichEdit(this);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    for (RichEdit *frame : {RichEdit1, RichEdit2}) {
        frame->setMouseTracking(true);
        frame->viewport()->setMouseTracking(true);
        frame->viewport()->installEventFilter(this);
    }

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    ok1 = PopupMenu1->addAction(QStringLiteral("&ok"));
    ok1->setObjectName(QStringLiteral("ok1"));
    connect(ok1, &QAction::triggered, this, [this] { ok1Click(); });

    formload();
    card.observer = this;
    mirrorCard();
}

TForm1::~TForm1()
{
    if (card.observer == this)
        card.observer = nullptr;
}

void TForm1::formload()
{
    resources.IconImage = QImage();
}

void TForm1::postload()
{
    geometrySnapshot().take(0, card);
    for (int i = 0; i < 2; ++i) {
        RichEdit *frame = frameEditor(i);
        frame->clear();
        frame->setReadOnly(true);
        card.frames[i].baseColor = CardModel::kDefaultFrameBackground;
    }
    mirrorCard();
}

void TForm1::mirrorCard()
{
    cardChanged(CardChange::CardGeometry, -1);
    cardChanged(CardChange::CardColour, -1);
    for (int i = 0; i < 2; ++i) {
        cardChanged(CardChange::FrameGeometry, i);
        cardChanged(CardChange::FrameColour, i);
    }
    cardChanged(CardChange::IconGeometry, -1);
}

void TForm1::cardChanged(CardChange what, int frame)
{
    switch (what) {
    case CardChange::CardGeometry:
        resize(card.width, card.height);
        break;
    case CardChange::CardColour:
        update();
        break;
    case CardChange::FrameGeometry:
        frameEditor(frame)->setGeometry(card.frames[frame].rect());
        break;
    case CardChange::FrameColour:
        frameEditor(frame)->setBackgroundColour(toQColor(card.frames[frame].backgroundColor));
        break;
    case CardChange::IconGeometry:
        Image1->setGeometry(card.icon.rect());
        break;
    case CardChange::FrameAlignment:
    case CardChange::FrameFont:
    case CardChange::Orientation:
    case CardChange::Appearance:
        update();
        break;
    }
}

// ---- Messages

void TForm1::tell(const QString &text)
{
    if (painting) {
        pendingMessages.append({false, text});
        return;
    }
    dialogs().showMessage(text);
}

void TForm1::tellError(const QString &text)
{
    if (painting) {
        pendingMessages.append({true, text});
        return;
    }
    dialogs().showMessage(MessageKind::Error, text, MessageButton::Ok, 9);
}

void TForm1::flushMessages()
{
    const auto messages = std::exchange(pendingMessages, {});
    for (const auto &[error, text] : messages) {
        if (error)
            tellError(text);
        else
            tell(text);
    }
}

// ---- Background

int TForm1::PaintPattern(QPainter &surface, bool printing, const QPoint &origin, double scaleX,
                         double scaleY)
{
    resources.PatternDrawn = true;
    const QRect rect = printing ? cardRectOnSurface(card, origin, scaleX, scaleY)
                                : QRect(0, 0, card.width, card.height);
    const PatternOutcome outcome = paintPattern(surface, card, resources.PatternBitmap, rect);
    if (outcome.status == NoPatternFile)
        return NoPatternFile;
    if (outcome.status == PatternUnreadable) {
        if (!resources.PatternAccessWarned)
            tell(message(140) + card.patternFile + message(141));
        resources.PatternAccessWarned = true;
        resources.PatternDrawn = false;
        return PatternUnreadable;
    }
    resources.PatternFitsTile = outcome.fitsTile ? QStringLiteral("yes") : QStringLiteral("no");
    if (outcome.drawFailed) {
        tellError(composeMessage(programState().currentLanguage, 1142, QStringLiteral("400")));
        resources.PatternDrawn = false;
    }
    return PatternPainted;
}

void TForm1::StretchPatternOnto(QImage &surface)
{
    if (card.patternFile.isEmpty() || !resources.PatternBitmap.load(card.patternFile))
        return;
    QPainter painter(&surface);
    painter.drawImage(0, 0, resources.PatternBitmap.stretchedTo(QSize(card.width, card.height)));
}

void TForm1::PaintComposite(QPainter &surface, bool printing, const QPoint &origin, double scaleX,
                            double scaleY)
{
    const QRect rect = printing ? cardRectOnSurface(card, origin, scaleX, scaleY)
                                : QRect(0, 0, card.width, card.height);
    if (resources.CompositeBitmap.isNull() || !surface.isActive()) {
        tellError(composeMessage(programState().currentLanguage, 1142, QStringLiteral("400")));
        return;
    }
    if (rect.size() == resources.CompositeBitmap.size())
        surface.drawImage(rect.topLeft(), resources.CompositeBitmap);
    else
        surface.drawImage(rect, resources.CompositeBitmap);
}

QImage TForm1::renderBackground()
{
    QImage surface(qMax(1, card.width), qMax(1, card.height), QImage::Format_RGB32);
    surface.fill(toQColor(card.backgroundColor));
    QPainter painter(&surface);
    if (card.frames[0].transparent || card.frames[1].transparent)
        PaintComposite(painter, false);
    else
        PaintPattern(painter, false);
    return surface;
}

void TForm1::form1paint(QPainter &painter)
{
    if (programState().quitRequested == 'o')
        return;
    painter.drawImage(0, 0, renderBackground());
}

void TForm1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painting = true;
    form1paint(painter);
    painting = false;
    if (!pendingMessages.isEmpty())
        QTimer::singleShot(0, this, [this] { flushMessages(); });
}

// ---- Refresh, icon

void TForm1::rpaint()
{
    QCoreApplication::processEvents();
    const PreviewState &state = previewState();
    if (programState().quitRequested == 'o' || state.editing || state.pointerMoved ||
        programState().pointerOverPanel)
        return;
    if (state.refreshRequested) {
        if (!card.patternFile.isEmpty()) {
            repaint();
            CompositeIconOverBackground(1);
        }
        if (!card.iconFile.isEmpty()) {
            RenderIcon();
            Image1->show();
        } else {
            Image1->clear();
            Image1->hide();
        }
    }
    previewState().refreshRequested = false;
}

namespace {

// The picture of an icon file nearest to the icon box's usual size.
QImage readIconPicture(const QString &file)
{
    QImageReader reader(file);
    QImage best;
    do {
        const QImage picture = reader.read();
        if (picture.isNull())
            break;
        const int side = qMax(picture.width(), picture.height());
        const int bestSide = qMax(best.width(), best.height());
        if (best.isNull() || (side <= 64 && (bestSide > 64 || side > bestSide)) ||
            (bestSide > 64 && side < bestSide))
            best = picture;
    } while (reader.jumpToNextImage());
    return best.isNull() ? best : best.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

void TForm1::CompositeIconOverBackground(int mode)
{
    if (mode != 1)
        return;
    const QRect box = Image1->geometry();
    if (box.isEmpty())
        return;
    // What lies beneath the icon box, then the icon with its own transparency
    // over it.
    QImage composite =
        renderBackground().copy(box).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&composite);
    if (resources.IconType == QLatin1String("bmp")) {
        const QImage bitmap(card.iconFile);
        if (bitmap.isNull()) {
            painter.end();
            if (!resources.ImageOpenWarned)
                tell(message(131) + card.iconFile);
            resources.ImageOpenWarned = true;
            return;
        }
        painter.drawImage(composite.rect(), bitmap);
    } else if (!resources.IconImage.isNull()) {
        painter.drawImage(0, 0, resources.IconImage);
    }
    painter.end();
    Image1->setPixmap(QPixmap::fromImage(composite));
    resources.IconPrintBitmap = composite;
}

void TForm1::RenderIcon()
{
    if (card.iconFile.isEmpty())
        return;
    if (resources.IconType.isEmpty()) {
        if (card.iconFile.endsWith(QLatin1Char('o')))
            resources.IconType = QStringLiteral("ico");
        else if (card.iconFile.endsWith(QLatin1Char('p')))
            resources.IconType = QStringLiteral("bmp");
    }
    Tfrmmain *main = appWindows().frmmain;
    const bool refreshing = previewState().refreshRequested;
    if (resources.IconType == QLatin1String("bmp"))
        CompositeIconOverBackground(1);
    if (resources.IconType == QLatin1String("ico")) {
        if (refreshing && main)
            main->Image1->clear();
        if (resources.IconImage.isNull() || resources.LastIconFile != card.iconFile) {
            resources.IconImage = readIconPicture(card.iconFile);
            if (resources.IconImage.isNull()) {
                if (!resources.ImageOpenWarned)
                    tell(message(131) + card.iconFile);
                resources.ImageOpenWarned = true;
            } else {
                // The icon box takes the icon's natural size.
                CardIcon icon = card.icon;
                icon.width = resources.IconImage.width();
                icon.height = resources.IconImage.height();
                card.setIconGeometry(icon);
            }
        }
        if (refreshing && main && !card.patternFile.isEmpty())
            main->Image2->setPixmap(
                QPixmap::fromImage(renderBackground().copy(Image1->geometry())));
        CompositeIconOverBackground(1);
        if (refreshing && main)
            main->Image1->setPixmap(Image1->pixmap());
    }
    resources.LastIconFile = card.iconFile;
}

// ---- Transparent frames

void TForm1::RenderRichTextInto(QPainter &target, int frameNumber, const QRect &rect,
                                int pixelsPerInch)
{
    frameEditor(frameNumber - 1)->renderInto(target, rect, pixelsPerInch);
}

void TForm1::MakeFrameTransparent(int frameNumber)
{
    const int index = frameNumber - 1;
    const QRect rect = card.frames[index].rect();
    int &saved = index == 0 ? resources.SavedExtendedStyle1 : resources.SavedExtendedStyle2;
    if (saved == 0)
        saved = 1;
    frameEditor(index)->hide();
    if (resources.CompositeBitmap.isNull()) {
        resources.CompositeBitmap =
            QImage(qMax(1, card.width), qMax(1, card.height), QImage::Format_RGB32);
        resources.CompositeBitmap.fill(toQColor(card.backgroundColor));
        StretchPatternOnto(resources.CompositeBitmap);
    }
    QPainter painter(&resources.CompositeBitmap);
    RenderRichTextInto(painter, frameNumber, rect, 96);
    painter.end();
    update();
}

// ---- Direct editing

void TForm1::accscarte1Click(QAction *menuItem)
{
    cardAccessItem = menuItem;
    if (card.frames[0].transparent || card.frames[1].transparent) {
        tell(message(1101));
        return;
    }
    PreviewState &state = previewState();
    const QString language = programState().currentLanguage;
    if (state.cardAccessOpen) {
        state.cardAccessOpen = false;
        if (menuItem)
            menuItem->setText(composeMessage(language, 1052, QStringLiteral(" +")));
        for (int i = 0; i < 2; ++i) {
            frameEditor(i)->setReadOnly(true);
            card.setFrameColor(i, card.frames[i].baseColor, false);
        }
        return;
    }
    state.cardAccessOpen = true;
    if (menuItem)
        menuItem->setText(composeMessage(language, 1052, QStringLiteral(" -")));
    for (int i = 0; i < 2; ++i)
        frameEditor(i)->setReadOnly(false);
    state.savedFrameColor1 = fromQColor(RichEdit1->backgroundColour());
    state.savedFrameColor2 = fromQColor(RichEdit2->backgroundColour());
    ++programState().cardAccessCount;
}

void TForm1::redit_mmove(QWidget *sender)
{
    const PreviewState &state = previewState();
    if (!state.cardAccessOpen || !sender)
        return;
    const QString name = sender->objectName().toLower();
    if (name == QLatin1String("richedit1")) {
        RichEdit1->setBackgroundColour(Qt::white);
        RichEdit2->setBackgroundColour(toQColor(state.savedFrameColor2));
    } else if (name == QLatin1String("richedit2")) {
        RichEdit2->setBackgroundColour(Qt::white);
        RichEdit1->setBackgroundColour(toQColor(state.savedFrameColor1));
    }
}

QPoint TForm1::popupPoint() const
{
    return QPoint(x() + width(), y() + height() / 2);
}

void TForm1::form1_mdown(Qt::MouseButton button)
{
    if (button == Qt::RightButton && previewState().cardAccessOpen)
        PopupMenu1->popup(popupPoint());
}

void TForm1::ok1Click()
{
    PreviewState &state = previewState();
    state.cardAccessOpen = false;
    programState().cardAccessCount = 0;
    for (int i = 0; i < 2; ++i)
        frameEditor(i)->setReadOnly(false);
    ++state.okCount;
    state.editing = true;
    RichEdit1->setBackgroundColour(toQColor(state.savedFrameColor1));
    RichEdit2->setBackgroundColour(toQColor(state.savedFrameColor2));
    QAction *item = cardAccessItem;
    if (!item && appWindows().frmmain)
        item = appWindows().frmmain->accscarte1;
    if (item)
        item->setText(QStringLiteral("accès carte +"));
}

void TForm1::form1_mmove()
{
    previewState().pointerMoved = true;
}

void TForm1::form1desel()
{
    RichEdit1->clearSelection();
    RichEdit2->clearSelection();
}

void TForm1::mousePressEvent(QMouseEvent *event)
{
    form1_mdown(event->button());
    QWidget::mousePressEvent(event);
}

void TForm1::mouseMoveEvent(QMouseEvent *event)
{
    form1_mmove();
    QWidget::mouseMoveEvent(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        for (RichEdit *frame : {RichEdit1, RichEdit2})
            if (watched == frame->viewport())
                redit_mmove(frame);
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    PreviewState &state = previewState();
    if (state.okCount == 0) {
        // The program is ending: let go of the pictures once.
        if (!state.previewReleased) {
            resources.PatternBitmap.release();
            resources.CompositeBitmap = QImage();
        }
        state.previewReleased = true;
    } else {
        state.pointerMoved = false;
        state.editing = false;
    }
    event->accept();
}

QPixmap TForm1::builtInIcon()
{
    // A small card with a folded corner and the program's initial.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(4, 2);
    sheet.lineTo(22, 2);
    sheet.lineTo(28, 8);
    sheet.lineTo(28, 30);
    sheet.lineTo(4, 30);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x00, 0x80), 1.5));
    p.setBrush(QColor(0xFF, 0xF4, 0xD6));
    p.drawPath(sheet);
    p.setBrush(QColor(0xFF, 0xC0, 0x80));
    p.drawPolygon(QPolygonF({QPointF(22, 2), QPointF(22, 8), QPointF(28, 8)}));
    p.setPen(QPen(QColor(0x80, 0x00, 0x80), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(9, 11), QPointF(16, 25), QPointF(23, 11)}));
    return pixmap;
}
