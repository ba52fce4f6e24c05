#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <array>

// Colours are kept as the card file writes them: 0x00BBGGRR, red in the low
// byte. A chosen colour of 0 means that no colour was chosen.
using Colour = quint32;

QColor toQColor(Colour colour);
Colour fromQColor(const QColor &colour);

enum class FontStyle : unsigned {
    Bold = 1,
    Italic = 2,
    Underline = 4,
    StrikeOut = 8,
};

struct FrameFont
{
    QString name; // empty: no font chosen for this role
    qint16 size = 0;
    unsigned style = 0; // FontStyle bits
    Colour color = 0;

    bool has(FontStyle s) const { return (style & static_cast<unsigned>(s)) != 0; }
    bool operator==(const FrameFont &) const = default;
};

struct CardIcon
{
    int left = 8;
    int top = 24;
    int width = 32;
    int height = 32;

    QRect rect() const { return QRect(left, top, width, height); }
    bool operator==(const CardIcon &) const = default;
};

// Text alignment codes as the card file stores them.
enum TextAlignment { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };

struct CardFrame
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Colour backgroundColor = 0xFFCDC0;
    Colour chosenColor = 0;
    Colour baseColor = 0xFFCDC0;
    int textAlignment = AlignLeft;
    QString alignmentName; // "gauche", "droit", "centre" after a load
    bool transparent = false;
    QString textFile;
    FrameFont headerFont;
    FrameFont bodyFont;

    QRect rect() const { return QRect(left, top, width, height); }
};

// Portrait is "vertical", landscape "horizontal"; a card that was never turned
// has no orientation and behaves as portrait everywhere.
enum class Orientation { Unset, Vertical, Horizontal };
QString orientationText(Orientation orientation);
Orientation orientationFromText(const QString &text);

enum class PatternMode { Dim, Mot, Str };
QString patternModeText(PatternMode mode);

enum class FillStyle { Fill, Flood };
QString fillStyleText(FillStyle style);

// What changed, so that the preview redoes only that part.
enum class CardChange {
    CardGeometry,
    CardColour,
    FrameGeometry,
    FrameColour,
    FrameAlignment,
    FrameFont,
    IconGeometry,
    Orientation,
    Appearance, // pattern, icon, transparency
};

class CardObserver
{
public:
    virtual ~CardObserver() = default;
    // frame is 0 or 1 for the frame changes, -1 otherwise.
    virtual void cardChanged(CardChange what, int frame) = 0;
};

// The one card being edited. A plain record: windows read its fields
// directly; the setters exist so that the preview mirrors every change at
// once.
struct CardModel
{
    static constexpr int kDefaultWidth = 190;
    static constexpr int kDefaultHeight = 300;
    static constexpr Colour kDefaultBackground = 0xF0C0CD;
    static constexpr Colour kDefaultFrameBackground = 0xFFCDC0;

    int width = kDefaultWidth;
    int height = kDefaultHeight;
    int previewTop = 45;
    Colour backgroundColor = kDefaultBackground;
    Colour chosenBackgroundColor = 0;
    Orientation orientation = Orientation::Unset;
    qint16 gap = 0;
    QString patternFile;
    PatternMode patternMode = PatternMode::Dim;
    FillStyle fillStyle = FillStyle::Fill;
    QString iconFile;
    CardIcon icon;
    std::array<CardFrame, 2> frames;
    int screenResolution = 96;
    double loadScale = 1.0;
    int initialWidth = kDefaultWidth;
    int initialHeight = kDefaultHeight;
    int iconHomeLeft = 0;
    int iconHomeTop = 0;
    qint16 trackbarTop = 0;
    // frame 1 width/card width, frame 1 height/card height, frame 1 top/card
    // height, the same three for frame 2, icon left/card width, icon top/card
    // height.
    std::array<double, 8> layoutRatios{};
    // The same proportions after the last switch to landscape.
    std::array<double, 8> horizontalRatios{};
    bool horizontalRatiosRecorded = false;
    QString parameterFile;
    bool hasContent = false;

    CardObserver *observer = nullptr;

    CardModel();

    // The start-up card, with the screen resolution in force.
    void setDefaults(int screenPixelsPerInch);
    void recordLayoutRatios();
    // Where the preview window stands at start, in screen pixels.
    QPoint defaultPreviewPosition() const;

    void setCardSize(int newWidth, int newHeight);
    void setFrameGeometry(int frame, const QRect &rect);
    void setIconGeometry(const CardIcon &newIcon);
    void setBackgroundColor(Colour colour);
    // A colour the user chose is remembered as such; the preview's own
    // colour changes (end of direct editing) are not.
    void setFrameColor(int frame, Colour colour, bool chosen = true);
    void setFrameAlignment(int frame, int alignment);
    void setHeaderFont(int frame, const FrameFont &font);
    void setBodyFont(int frame, const FrameFont &font);
    void setOrientation(Orientation newOrientation);
    void setFrameTransparent(int frame, bool transparent);

    bool isLandscape() const { return orientation == Orientation::Horizontal; }
    int transparencyCode() const;

private:
    void notify(CardChange what, int frame = -1);
};

CardModel &cardModel();
