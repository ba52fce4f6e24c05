#pragma once

#include "card/CardModel.h"

#include <QString>

#include <optional>

// The rules by which typed increments change the card's geometry. Entries are
// increments: "largeur+12", "largeur 12" and "12" add 12.

// The number typed into an entry field; 0 when nothing readable is there.
// The "bord gauche" fields take the number after their last blank, so that
// "bord gauche -5" subtracts 5 while "-5" alone adds nothing.
int readIncrement(const QString &text, bool leftEdgeField);

// A whole-text decimal number (the gap); none when unreadable.
std::optional<int> readWholeNumber(const QString &text);

// The entry fields of a frame, by the combo box of frame 1 / frame 2 they are
// typed into.
enum class FrameField {
    Largeur,  // ComboBox1 / ComboBox2
    Longueur, // ComboBox3 / ComboBox4
    LeftEdge, // ComboBox14 / ComboBox15
    Top,      // ComboBox7 / ComboBox8
};

// Applies an increment to a frame (0 or 1), holding it inside the card, and
// returns the notice to show under the frame's group box (empty: none).
QString applyFrameEntry(CardModel &card, int frame, FrameField field, int increment,
                        const QString &language);

enum class StandardFormat { Default, Normal, Medium, Large, Square };
QSize standardFormatSize(StandardFormat format, bool landscape);
// "ajustement A4" is available for the two smaller formats only.
bool standardFormatAllowsA4(StandardFormat format);
QSize a4AdjustedSize(bool landscape);

// Lays the frames and the icon out again in proportion to the card.
void relayoutProportionally(CardModel &card);

struct GeometrySlot;
// Turns the card to `target` (vertical or horizontal) and lays it out again
// from a snapshot; a nearly square card only exchanges its sides.
void switchOrientation(CardModel &card, Orientation target, const GeometrySlot &snapshot);
bool isNearlySquare(int width, int height);
