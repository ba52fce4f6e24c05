#pragma once

#include <QtGlobal>

#include <array>

struct CardModel;

// The card's geometry at one moment: what the orientation switch and the
// standard formats go back to.
struct GeometrySlot
{
    qint16 frame1Top = 0;
    qint16 frame1Width = 0;
    qint16 frame1Height = 0;
    qint16 frame2Width = 0;
    qint16 frame2Height = 0;
    // Derived: twice frame 1's top, frame 1's width x 1.75, and each frame's
    // height halved.
    qint16 doubleFrame1Top = 0;
    qint16 wideFrame1Width = 0;
    qint16 halfFrame1Height = 0;
    qint16 halfFrame2Height = 0;
    qint16 iconTop = 0;
    qint16 iconLeft = 0;
    qint16 iconWidth = 0;
    qint16 iconHeight = 0;
    bool valid = false;
};

// Slots -1 (after a load) to 6; slot 0 is the start.
class GeometrySnapshot
{
public:
    static constexpr int kFirstSlot = -1;
    static constexpr int kLastSlot = 6;
    // The scale percentages of slots 0 to 4.
    static constexpr std::array<double, 5> kScalePercentages{100, 107, 123, 160, 100.67};

    GeometrySlot &slot(int number) { return table[number - kFirstSlot]; }
    const GeometrySlot &slot(int number) const { return table[number - kFirstSlot]; }

    int currentSlot = 0;

    // Fills one slot from the card as the preview shows it.
    void take(int number, const CardModel &card);

private:
    std::array<GeometrySlot, kLastSlot - kFirstSlot + 1> table{};
};

GeometrySnapshot &geometrySnapshot();
