// The main window's commands that change the card's look: colours, fonts,
// alignment, transparency, pattern and icon.
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/Tfrmmain.h"
#include "card/Rounding.h"
#include "card/TextAttributes.h"
#include "catalogue/MessageCatalogue.h"
#include "editing/Appearance.h"
#include "editing/TForm11.h"
#include "output/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"
#include "platform/RichEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextCursor>

AppearanceState &appearanceState()
{
    static AppearanceState state;
    return state;
}

QList<QColor> colorDialogCustomColours()
{
    // "ColorA" to "ColorT", as the earlier version stored them (0x00BBGGRR).
    static constexpr Colour kCustom[] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
        0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF,
        0xFFFF00, 0xFFFFFF, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0,
    };
    QList<QColor> out;
    for (Colour c : kCustom)
        out << toQColor(c);
    return out;
}

QString textTooWideNotice(int lineWidth, int frameWidth)
{
    return QStringLiteral("Texte trop large (") + QString::number(lineWidth) +
           QStringLiteral(")/(") + QString::number(frameWidth) + QStringLiteral(")\r\n") +
           QStringLiteral("Information 140");
}

int alignmentOfEntry(int index)
{
    // The lists open with their heading ("texte", "cadre"), which aligns
    // nothing.
    switch (index) {
    case 1:
        return AlignLeft;
    case 2:
        return AlignCentre;
    case 3:
        return AlignRight;
    default:
        return -1;
    }
}

namespace {

TForm1 *preview()
{
    return appWindows().Form1;
}

bool anyTransparent(const CardModel &card)
{
    return card.frames[0].transparent || card.frames[1].transparent;
}

QFont qFontOf(const FrameFont &f)
{
    QFont font(f.name);
    if (f.size > 0)
        font.setPointSize(f.size);
    font.setBold(f.has(FontStyle::Bold));
    font.setItalic(f.has(FontStyle::Italic));
    font.setUnderline(f.has(FontStyle::Underline));
    font.setStrikeOut(f.has(FontStyle::StrikeOut));
    return font;
}

FrameFont frameFontOf(const FontChoice &choice)
{
    FrameFont f;
    f.name = choice.font.family();
    f.size = qint16(choice.font.pointSize() > 0 ? choice.font.pointSize()
                                                : roundEven(choice.font.pointSizeF()));
    if (choice.font.bold())
        f.style |= unsigned(FontStyle::Bold);
    if (choice.font.italic())
        f.style |= unsigned(FontStyle::Italic);
    if (choice.font.underline())
        f.style |= unsigned(FontStyle::Underline);
    if (choice.font.strikeOut())
        f.style |= unsigned(FontStyle::StrikeOut);
    f.color = choice.color.isValid() ? fromQColor(choice.color) : 0;
    return f;
}

bool fontInstalled(const QString &name)
{
    const QStringList families = QFontDatabase::families();
    return families.contains(name, Qt::CaseInsensitive);
}

// The composite holds the text of each transparent frame as it was drawn: a
// change of font or pattern draws them all again.
void redrawTransparentFrames(TForm1 &form)
{
    const CardModel &card = cardModel();
    form.resources.CompositeBitmap = QImage();
    for (int i = 0; i < 2; ++i)
        if (card.frames[i].transparent)
            form.MakeFrameTransparent(i + 1);
    form.update();
}

// The icon shows the background beneath it, so it follows the background.
void redrawCard(TForm1 &form)
{
    form.update();
    if (!cardModel().iconFile.isEmpty())
        form.RenderIcon();
}

void showWidthNotice(Tfrmmain &main, int frame, bool header, const FrameFont &font)
{
    TForm1 *form = preview();
    const RichEdit *editor = form->frameEditor(frame);
    QLabel *label = frame == 0 ? main.Label4 : main.Label7;
    const int frameWidth = cardModel().frames[frame].width;
    const QFontMetrics metrics(qFontOf(font), form);
    QStringList lines = editor->lines();
    if (header)
        lines = QStringList{lines.value(0)};
    for (const QString &line : std::as_const(lines)) {
        const int width = metrics.horizontalAdvance(line);
        if (width > frameWidth) {
            label->setText(textTooWideNotice(width, frameWidth));
            label->show();
            return;
        }
        label->hide();
    }
}

void chooseFrameFont(Tfrmmain &main, int frame, bool header)
{
    TForm1 *form = preview();
    if (!form)
        return;
    CardModel &card = cardModel();
    AppearanceState &state = appearanceState();

    if (printerService().installedPrinters().isEmpty() && !state.screenFontNoticeShown) {
        dialogs().showMessage(message(143));
        state.screenFontNoticeShown = true;
    }
    FontRequest request;
    if (state.fontListOptions.testFlag(FontListOption::LimitSize)) {
        request.minSize = 8;
        request.maxSize = 10;
    }
    state.fontListOptions |= FontListOption::Effects;
    request.options = state.fontListOptions;
    request.effects = true;

    const FrameFont current = header ? card.frames[frame].headerFont : card.frames[frame].bodyFont;
    if (!current.name.isEmpty()) {
        request.color = toQColor(current.color);
        if (fontInstalled(current.name)) {
            request.font = qFontOf(current);
        } else {
            // Keep what can be kept of the missing font: its look.
            FrameFont look = current;
            look.name = QFont().family();
            look.size = 0;
            request.font = qFontOf(look);
            dialogs().showMessage(message(132) + current.name + QStringLiteral(" ; ") +
                                  QString::number(current.size) + QStringLiteral(" ; "));
        }
    }

    if (const auto chosen = dialogs().chooseFont(request)) {
        RichEdit *editor = form->frameEditor(frame);
        if (header)
            editor->setSelection(0, int(editor->lines().value(0).size()));
        else
            editor->selectAllText();
        const FrameFont font = frameFontOf(*chosen);
        if (header)
            card.setHeaderFont(frame, font);
        else
            card.setBodyFont(frame, font);
        QTextCursor selection = editor->textCursor();
        FrameFont applied;
        ApplyAttributes(attributesOf(font), selection, applied);
        showWidthNotice(main, frame, header, applied);
    }

    form->form1desel();
    if (anyTransparent(card))
        redrawTransparentFrames(*form);
}

void chooseBackground(int frame)
{
    TForm1 *form = preview();
    CardModel &card = cardModel();
    QColor current =
        toQColor(frame < 0 ? card.backgroundColor : card.frames[frame].backgroundColor);
    if (form && frame >= 0)
        current = form->frameEditor(frame)->backgroundColour();
    const auto chosen = dialogs().chooseColor(current, colorDialogCustomColours());
    if (!chosen)
        return;
    if (frame < 0)
        card.setBackgroundColor(fromQColor(*chosen));
    else
        card.setFrameColor(frame, fromQColor(*chosen), true);
}

void alignFrameText(int frame, int index)
{
    TForm1 *form = preview();
    const int code = alignmentOfEntry(index);
    if (!form || code < 0)
        return;
    RichEdit *editor = form->frameEditor(frame);
    editor->selectAllText();
    // The earlier version widened frame 1's selection for a centred italic
    // text; the paragraphs touched stay the same.
    if (frame == 0 && code == AlignCentre && editor->selectionAttributes().italic)
        editor->setSelection(editor->selectionStart(), editor->selectionLength() + 2);
    Qt::Alignment alignment = Qt::AlignLeft;
    if (code == AlignCentre)
        alignment = Qt::AlignHCenter;
    else if (code == AlignRight)
        alignment = Qt::AlignRight;
    editor->setSelectionAlignment(alignment);
    cardModel().setFrameAlignment(frame, code);
    editor->clearSelection();
}

void setFrameTransparency(Tfrmmain &main, int frame, bool transparent)
{
    Q_UNUSED(main);
    TForm1 *form = preview();
    CardModel &card = cardModel();
    if (transparent) {
        card.setFrameTransparent(frame, true);
        if (form) {
            form->MakeFrameTransparent(frame + 1);
            redrawCard(*form);
        }
        return;
    }
    card.setFrameTransparent(frame, false);
    if (!form)
        return;
    if (!anyTransparent(card))
        form->resources.CompositeBitmap = QImage();
    RichEdit *other = form->frameEditor(1 - frame);
    const bool otherShown = !other->isHidden();
    if (otherShown)
        other->hide();
    form->repaint();
    redrawCard(*form);
    if (otherShown)
        other->show();
    form->frameEditor(frame)->show();
}

// Asks for a picture until the user cancels or names a file that exists.
std::optional<QString> choosePicture(const FileDialogRequest &request)
{
    for (;;) {
        const auto chosen = dialogs().openPicture(request);
        if (!chosen || QFileInfo::exists(*chosen))
            return chosen;
    }
}

Qt::CheckState designNext(Qt::CheckState state)
{
    switch (state) {
    case Qt::Unchecked:
        return Qt::Checked;
    case Qt::Checked:
        return Qt::PartiallyChecked;
    case Qt::PartiallyChecked:
        break;
    }
    return Qt::Unchecked;
}

Qt::CheckState qtNext(Qt::CheckState state)
{
    return Qt::CheckState((int(state) + 1) % 3);
}

const char *const kShownState = "vokiraShownState";

} // namespace

void Tfrmmain::Button15Click()
{
    chooseBackground(-1);
}

void Tfrmmain::Button11Click()
{
    chooseBackground(0);
}

void Tfrmmain::Button12Click()
{
    chooseBackground(1);
}

void Tfrmmain::Button13Click()
{
    chooseFrameFont(*this, 0, false);
}

void Tfrmmain::Button14Click()
{
    chooseFrameFont(*this, 1, false);
}

void Tfrmmain::Button9Click()
{
    chooseFrameFont(*this, 0, true);
}

void Tfrmmain::Button10Click()
{
    chooseFrameFont(*this, 1, true);
}

void Tfrmmain::combobox5keyup()
{
    alignFrameText(0, ComboBox5->currentIndex());
}

void Tfrmmain::combobox6keyup()
{
    alignFrameText(1, ComboBox6->currentIndex());
}

void Tfrmmain::combobox13keyup()
{
    CardModel &card = cardModel();
    const CardFrame &f = card.frames[1];
    int left = f.left;
    switch (alignmentOfEntry(ComboBox13->currentIndex())) {
    case AlignLeft:
        left = 0;
        break;
    case AlignCentre:
        left = roundEven((card.width - f.width) / 2.0);
        break;
    case AlignRight:
        left = card.width - f.width;
        break;
    default:
        break;
    }
    if (left != f.left)
        card.setFrameGeometry(1, QRect(left, f.top, f.width, f.height));
    afterFrameOrCardChange();
}

void Tfrmmain::CheckBox2Click()
{
    setFrameTransparency(*this, 0, CheckBox2->isChecked());
}

void Tfrmmain::CheckBox3Click()
{
    setFrameTransparency(*this, 1, CheckBox3->isChecked());
}

void Tfrmmain::CheckBox1Click()
{
    // Qt's tri-state box goes clear, greyed, ticked; the mode cycles clear,
    // ticked, greyed. A state Qt reached by a click is turned into the
    // cycle's; one set by the program is taken as it is.
    const QVariant before = CheckBox1->property(kShownState);
    const auto previous = before.isValid() ? Qt::CheckState(before.toInt()) : Qt::Unchecked;
    Qt::CheckState state = CheckBox1->checkState();
    if (state == qtNext(previous) && state != previous) {
        state = designNext(previous);
        const QSignalBlocker blocker(CheckBox1);
        CheckBox1->setCheckState(state);
    }
    CheckBox1->setProperty(kShownState, int(state));

    CardModel &card = cardModel();
    switch (state) {
    case Qt::Unchecked:
        card.patternMode = PatternMode::Dim;
        Label5->setText(QStringLiteral("dim"));
        break;
    case Qt::Checked:
        card.patternMode = PatternMode::Mot;
        Label5->setText(QStringLiteral("brush"));
        break;
    case Qt::PartiallyChecked:
        card.patternMode = PatternMode::Str;
        Label5->setText(QStringLiteral("stretch"));
        break;
    }
    if (TForm1 *form = preview())
        redrawCard(*form);
}

void Tfrmmain::checkbox4_click()
{
    CardModel &card = cardModel();
    const bool flood = CheckBox4->isChecked();
    card.fillStyle = flood ? FillStyle::Flood : FillStyle::Fill;
    Label6->setText(flood ? QStringLiteral("flood") : QStringLiteral("fill"));
    // Shown at once, as the pattern mode is.
    if (TForm1 *form = preview())
        redrawCard(*form);
}

void Tfrmmain::mmotif_click()
{
    TForm1 *form = preview();
    if (!form)
        return;
    FileDialogRequest request;
    request.directory = readSetting(WorkingDirectory::Images);
    request.filter = QStringLiteral("fichiers bmp|*.bmp");
    const auto chosen = choosePicture(request);
    if (!chosen)
        return;
    CardModel &card = cardModel();
    card.patternFile = *chosen;
    writeFolderOfFile(WorkingDirectory::Images, *chosen);

    PreviewResources &res = form->resources;
    res.PatternBitmap.release();
    res.CompositeBitmap = QImage();
    if (!res.PatternBitmap.load(*chosen)) {
        // The card keeps the name: the file may come back.
        if (!res.PatternAccessWarned)
            dialogs().showMessage(message(140) + *chosen + message(141));
        res.PatternAccessWarned = true;
        res.PatternDrawn = false;
        form->update();
        return;
    }
    if (anyTransparent(card))
        redrawTransparentFrames(*form);
    // Drawn once here, so that the transparency boxes know whether the
    // pattern could be drawn; the window then shows the same.
    QImage probe(qMax(1, card.width), qMax(1, card.height), QImage::Format_RGB32);
    probe.fill(toQColor(card.backgroundColor));
    {
        QPainter painter(&probe);
        form->PaintPattern(painter, false);
    }
    redrawCard(*form);
    if (res.PatternDrawn) {
        CheckBox2->setEnabled(true);
        CheckBox3->setEnabled(true);
    }
    card.hasContent = true;
    refreshCommandStates();
}

void Tfrmmain::micone_click()
{
    TForm1 *form = preview();
    if (!form)
        return;
    CardModel &card = cardModel();
    if (card.iconFile.isEmpty())
        form->Image1->clear();
    FileDialogRequest request;
    request.directory = readSetting(WorkingDirectory::Images);
    request.filter = QStringLiteral("fichiers bmp|*.bmp|fichiers icone|*.ico");
    request.filterIndex = 2;
    const auto chosen = choosePicture(request);
    if (!chosen)
        return;
    card.iconFile = *chosen;
    // Only a lower-case last letter tells the kind; "X.ICO" keeps the kind
    // of the icon before.
    if (chosen->endsWith(QLatin1Char('o')))
        form->resources.IconType = QStringLiteral("ico");
    else if (chosen->endsWith(QLatin1Char('p')))
        form->resources.IconType = QStringLiteral("bmp");
    form->RenderIcon();
    form->Image1->show();
    card.hasContent = true;
    refreshCommandStates();
    form->update();
}

void Tfrmmain::polices1Click()
{
    showFontListOptions(this);
}
