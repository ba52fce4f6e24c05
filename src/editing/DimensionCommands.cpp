// The main window's entry fields for the card's geometry: each reads the
// increment typed into it when Enter is released.
#include "app/ProgramState.h"
#include "app/Startup.h"
#include "app/Tfrmmain.h"
#include "card/Rounding.h"
#include "catalogue/MessageCatalogue.h"
#include "editing/DimensionEntry.h"
#include "output/GeometrySnapshot.h"
#include "output/PreviewState.h"
#include "output/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/ScreenMetrics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

const QString &language()
{
    return programState().currentLanguage;
}

} // namespace

void Tfrmmain::frameEntry(int frame, FrameField field, QComboBox *combo)
{
    const int increment = readIncrement(combo->currentText(), field == FrameField::LeftEdge);
    const QString notice = applyFrameEntry(cardModel(), frame, field, increment, language());
    QLabel *label = frame == 0 ? Label4 : Label7;
    if (notice.isEmpty()) {
        label->clear();
        label->hide();
    } else {
        label->setText(notice);
        label->show();
    }
    afterFrameOrCardChange();
}

void Tfrmmain::afterFrameOrCardChange()
{
    const CardModel &card = cardModel();
    ProgramState &state = programState();
    if ((card.frames[0].transparent || card.frames[1].transparent) &&
        !state.transparencyNoticeShown) {
        state.transparencyNoticeShown = true;
        dialogs().showMessage(message(1116));
    }
}

void Tfrmmain::placeMainWindow()
{
    const TForm1 *preview = appWindows().Form1;
    if (!previewState().cardShown || !preview)
        return;
    move(
        mainWindowLeftBesidePreview(screenSize().width(), width(), preview->x(), cardModel().width),
        y());
}

bool Tfrmmain::cardEntriesInLandscape() const
{
    const QString shown = ComboBox20->currentText();
    return shown != lookupMessage(language(), 1031) && shown != lookupMessage(language(), 76);
}

void Tfrmmain::cardEntry(bool largeur, QComboBox *combo)
{
    CardModel &card = cardModel();
    const int v = readIncrement(combo->currentText(), false);
    // "largeur" is the card's short side: its height once turned.
    if (largeur != cardEntriesInLandscape())
        card.setCardSize(card.width + v, card.height);
    else
        card.setCardSize(card.width, card.height + v);
    afterFrameOrCardChange();
}

void Tfrmmain::iconEntry(int which, QComboBox *combo)
{
    CardModel &card = cardModel();
    CardIcon icon = card.icon;
    const int v = readIncrement(combo->currentText(), false);
    switch (which) {
    case 0:
        icon.width += v;
        break;
    case 1:
        icon.height += v;
        break;
    case 2:
        icon.left += v;
        break;
    default:
        icon.top += v;
        break;
    }
    card.setIconGeometry(icon);
    if (which < 2) {
        Image1->resize(icon.width, icon.height);
        Image2->resize(icon.width, icon.height);
    } else if (appWindows().Form1) {
        appWindows().Form1->RenderIcon();
    }
}

void Tfrmmain::combobox1keyup()
{
    frameEntry(0, FrameField::Largeur, ComboBox1);
}

void Tfrmmain::combobox2keyup()
{
    frameEntry(1, FrameField::Largeur, ComboBox2);
}

void Tfrmmain::combobox3keyup()
{
    frameEntry(0, FrameField::Longueur, ComboBox3);
}

void Tfrmmain::combobox4keyup()
{
    frameEntry(1, FrameField::Longueur, ComboBox4);
}

void Tfrmmain::combobox14_keyup()
{
    frameEntry(0, FrameField::LeftEdge, ComboBox14);
}

void Tfrmmain::combobox15_keyup()
{
    frameEntry(1, FrameField::LeftEdge, ComboBox15);
}

void Tfrmmain::combobox7keyup()
{
    frameEntry(0, FrameField::Top, ComboBox7);
}

void Tfrmmain::combobox8keyup()
{
    frameEntry(1, FrameField::Top, ComboBox8);
}

void Tfrmmain::combobox18keyup()
{
    cardEntry(true, ComboBox18);
}

void Tfrmmain::combobox19keyup()
{
    cardEntry(false, ComboBox19);
}

void Tfrmmain::combobox9keyup()
{
    iconEntry(0, ComboBox9);
}

void Tfrmmain::combobox10keyup()
{
    iconEntry(1, ComboBox10);
}

void Tfrmmain::combobox17keyup()
{
    iconEntry(2, ComboBox17);
}

void Tfrmmain::combobox11keyup()
{
    iconEntry(3, ComboBox11);
}

void Tfrmmain::combobox12keyup()
{
    if (const auto gap = readWholeNumber(ComboBox12->currentText()))
        cardModel().gap = qint16(*gap);
}

void Tfrmmain::combobox20keyup()
{
    CardModel &card = cardModel();
    const Orientation target = ComboBox20->currentText() == lookupMessage(language(), 75)
                                   ? Orientation::Horizontal
                                   : Orientation::Vertical;
    GeometrySnapshot &snapshots = geometrySnapshot();
    switchOrientation(card, target, snapshots.slot(snapshots.currentSlot));
    placeMainWindow();
}

void Tfrmmain::ComboBox16Change()
{
    const QString chosen = ComboBox16->currentText();
    const std::pair<int, StandardFormat> formats[] = {
        {1132, StandardFormat::Default}, {1133, StandardFormat::Normal},
        {1134, StandardFormat::Medium},  {1135, StandardFormat::Large},
        {1136, StandardFormat::Square},
    };
    CardModel &card = cardModel();
    for (const auto &[number, format] : formats) {
        if (chosen != lookupMessage(language(), number))
            continue;
        const QSize size = standardFormatSize(format, card.isLandscape());
        card.setCardSize(size.width(), size.height());
        Button3->setEnabled(standardFormatAllowsA4(format));
        GeometrySnapshot &snapshots = geometrySnapshot();
        if (snapshots.currentSlot == -1 && !card.isLandscape())
            snapshots.take(-1, card);
        relayoutProportionally(card);
        placeMainWindow();
        return;
    }
}

void Tfrmmain::Button3Click()
{
    CardModel &card = cardModel();
    const QSize size = a4AdjustedSize(card.isLandscape());
    card.setCardSize(size.width(), size.height());
}

void Tfrmmain::CheckBox5Change()
{
    if (!CheckBox5->isChecked())
        return;
    CardModel &card = cardModel();
    if (card.orientation == Orientation::Vertical)
        card.setCardSize(card.initialWidth, card.height);
    else if (card.orientation == Orientation::Horizontal)
        card.setCardSize(card.initialHeight, card.height);
    CheckBox5->setChecked(false);
}

void Tfrmmain::CheckBox6Change()
{
    if (!CheckBox6->isChecked())
        return;
    CardModel &card = cardModel();
    if (card.orientation == Orientation::Vertical)
        card.setCardSize(card.width, card.initialHeight);
    else if (card.orientation == Orientation::Horizontal)
        card.setCardSize(card.width, card.initialWidth);
    CheckBox6->setChecked(false);
}

void Tfrmmain::CheckBox7Change()
{
    CardModel &card = cardModel();
    CardIcon icon = card.icon;
    icon.left = card.iconHomeLeft;
    card.setIconGeometry(icon);
    if (appWindows().Form1)
        appWindows().Form1->RenderIcon();
}

void Tfrmmain::CheckBox8Change()
{
    CardModel &card = cardModel();
    CardIcon icon = card.icon;
    icon.top = card.iconHomeTop;
    card.setIconGeometry(icon);
    if (appWindows().Form1)
        appWindows().Form1->RenderIcon();
}

void Tfrmmain::tb1_change()
{
    TForm1 *preview = appWindows().Form1;
    if (!preview || !preview->isVisible()) {
        tb1->setValue(1);
        return;
    }
    const int top = roundEven(screenSize().height() * tb1->value() / 100.0);
    preview->move(preview->x(), top);
    cardModel().trackbarTop = qint16(top);
}
