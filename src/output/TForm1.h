#pragma once

#include "card/CardModel.h"
#include "output/CardPainting.h"

#include <QImage>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class RichEdit;

// What the preview draws with, kept for the whole run.
struct PreviewResources
{
    PatternCache PatternBitmap;
    bool PatternDrawn = false;
    QString PatternFitsTile; // "yes" / "no"
    QImage CompositeBitmap;  // the pattern with the transparent frames' text
    // Whether each frame's editor was hidden for transparency (the earlier
    // version kept the window style it had before).
    int SavedExtendedStyle1 = 0;
    int SavedExtendedStyle2 = 0;
    QImage IconImage; // the icon file's current picture
    QString IconType; // "ico", "bmp" or empty
    QString LastIconFile;
    QImage IconPrintBitmap; // the icon over its background, for printing
    bool ImageOpenWarned = false;
    bool PatternAccessWarned = false;
};

// Where the main window's left edge goes when the preview is shown: beside
// the preview, or centred when that leaves it further right.
int mainWindowLeftBesidePreview(int screenWidth, int mainWidth, int previewLeft, int previewWidth);

// The card preview: a borderless window whose client area is the card at one
// screen pixel per card pixel. Its two editors are the frames, its image the
// icon box. It mirrors the card model at once after every change.
class TForm1 : public QWidget, public CardObserver
{
    Q_OBJECT

public:
    explicit TForm1(CardModel &card, QWidget *parent = nullptr);
    ~TForm1() override;

    RichEdit *RichEdit1 = nullptr;
    RichEdit *RichEdit2 = nullptr;
    QLabel *Image1 = nullptr; // the icon box
    QLabel *Image2 = nullptr; // hidden, never shown
    QLabel *Image3 = nullptr; // hidden, never shown
    QMenu *PopupMenu1 = nullptr;
    QAction *ok1 = nullptr;

    PreviewResources resources;

    RichEdit *frameEditor(int frame) const { return frame == 0 ? RichEdit1 : RichEdit2; }

    void cardChanged(CardChange what, int frame) override;
    // Mirror the whole model, after a load or at start.
    void mirrorCard();

    // The preview's part of the start: the geometry snapshot of the start,
    // empty read-only frames in their colours.
    void postload();

    // Background painting. The routines take any surface: the preview at
    // scale 1, or a printed sheet with the card's origin (the negated card
    // position) and the printer's dots per card pixel.
    int PaintPattern(QPainter &surface, bool printing, const QPoint &origin = QPoint(),
                     double scaleX = 1.0, double scaleY = 1.0);
    void PaintComposite(QPainter &surface, bool printing, const QPoint &origin = QPoint(),
                        double scaleX = 1.0, double scaleY = 1.0);
    void StretchPatternOnto(QImage &surface);
    // The card's background as the preview paints it.
    QImage renderBackground();

    void rpaint();
    void RenderIcon();
    void CompositeIconOverBackground(int mode);
    void MakeFrameTransparent(int frameNumber);
    void RenderRichTextInto(QPainter &target, int frameNumber, const QRect &rect,
                            int pixelsPerInch);

    // Direct editing of the frames ("accès carte").
    void accscarte1Click(QAction *menuItem);
    void redit_mmove(QWidget *sender);
    void form1_mdown(Qt::MouseButton button);
    void ok1Click();
    void form1_mmove();
    void form1desel();
    QPoint popupPoint() const;

    static QPixmap builtInIcon();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formload();
    void form1paint(QPainter &painter);
    // A message raised while painting waits until the paint is over.
    void tell(const QString &text);
    void tellError(const QString &text);
    void flushMessages();

    CardModel &card;
    bool painting = false;
    QList<std::pair<bool, QString>> pendingMessages;
    QAction *cardAccessItem = nullptr;
};
