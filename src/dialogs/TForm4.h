#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QStringList>
#include <QWidget>

class QPushButton;
class QTimer;

// The about window: the program's credits rise slowly through it on a band,
// over a tiled picture that the band leaves behind.
class TForm4 : public QWidget
{
    Q_OBJECT

public:
    // The picture is looked up in the program's resources under the name
    // given; without it the background is hatched.
    explicit TForm4(const QString &pictureResource = QStringLiteral(":/dialogs/BITMAPA"),
                    QWidget *parent = nullptr);

    QPushButton *Button1 = nullptr;
    QTimer *timer1 = nullptr;

    static constexpr int kLineCount = 8;
    QStringList lines() const { return texts; }
    bool hasPicture() const { return !picture.isNull(); }
    int tickCounter() const { return counter; }
    void setTickCounter(int value) { counter = value; }
    // Where line i is drawn at the present counter, and the band of the last
    // tick (empty before the first).
    QRect lineRect(int i) const;
    QRect lastBand() const { return band; }
    // What the window shows under its button.
    const QImage &surface() const { return canvas; }

    void timertic();
    void Button1Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QBrush backgroundBrush() const;

    int counter = 30;
    QPixmap picture;
    QStringList texts;
    QRect band;
    QImage canvas;
};

// The "A &propos" command: opens a new about window, not modal; it frees
// itself when closed.
TForm4 *showAbout();
// The about windows still open, closed and freed at the end of the program.
void destroyAboutWindows();
