#include "dialogs/TForm4.h"

#include "app/Widgets.h"

#include "platform/ScreenMetrics.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace {

constexpr int kClientWidth = 762;
constexpr int kClientHeight = 299;
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kYellow(0xFF, 0xFF, 0x00);
// The hatch of the band when there is no picture.
const QColor kBandHatch(0xDC, 0xCF, 0xFC);

QList<QPointer<TForm4>> &openWindows()
{
    static QList<QPointer<TForm4>> windows;
    return windows;
}

QFont bandFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("lucida"), QStringLiteral("Lucida Sans"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setPointSize(9);
    font.setBold(true);
    return font;
}

QStringList creditLines()
{
    return {
        QStringLiteral("VOKIRA 2.0 : édition de cartes de visite et de mini-CV"),
        QStringLiteral("Conception et programmation : Zelvorin"),
        QStringLiteral("Cartes de visite : deux cadres de texte, une icône et un motif de fond"),
        QStringLiteral("Impression de planches de cartes, en couleurs ou en noir et blanc"),
        QStringLiteral("Mini-CV : d'un à trois exemplaires par page, export en page HTML"),
        QStringLiteral("Fenêtres en français, en anglais et en allemand"),
        QStringLiteral("Fichiers de cartes .vk1 et de mini-CV .vk4"),
        QStringLiteral("Merci d'utiliser Vokira !"),
    };
}

} // namespace

// The resources live in a static library: nothing else would pull them in.
static void loadDialogResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(dialogs);
        return true;
    }();
    Q_UNUSED(loaded);
}

TForm4::TForm4(const QString &pictureResource, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    loadDialogResources();
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("A propos de Vokira"));
    setFont(designedWindowFont());
    resize(kClientWidth, kClientHeight);

    Button1 = new QPushButton(QStringLiteral("fermer"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(688, 240, 57, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    if (!picture.load(pictureResource))
        picture = QPixmap();
    texts = creditLines();

    canvas = QImage(size(), QImage::Format_RGB32);
    canvas.fill(palette().color(QPalette::Window));

    timer1 = new QTimer(this);
    timer1->setObjectName(QStringLiteral("timer1"));
    timer1->setInterval(50);
    connect(timer1, &QTimer::timeout, this, [this] { timertic(); });
    timer1->start();

    const QSize screen = screenSize();
    move((screen.width() - kClientWidth) / 2, (screen.height() - kClientHeight) / 2);
}

QRect TForm4::lineRect(int i) const
{
    const int top = height() + 20 * i - counter + 35;
    return QRect(QPoint(2, top), QPoint(width() - 1, top + 24));
}

QBrush TForm4::backgroundBrush() const
{
    if (hasPicture())
        return QBrush(picture);
    return QBrush(kGrey, Qt::DiagCrossPattern);
}

void TForm4::timertic()
{
    const int w = width();
    const int h = height();
    ++counter;
    QPainter painter(&canvas);
    if (counter >= h + 160 + 43.75) {
        counter = 0;
        painter.fillRect(QRect(0, 0, w, h), kGrey);
        update();
        return;
    }

    if (!band.isEmpty()) {
        if (!hasPicture())
            painter.fillRect(band, palette().color(QPalette::Window));
        painter.fillRect(band, backgroundBrush());
    }

    painter.setFont(bandFont());
    const int ascent = painter.fontMetrics().ascent();
    for (int i = kLineCount - 1; i >= 0; --i) {
        const QRect line = lineRect(i);
        if (hasPicture()) {
            painter.fillRect(line, kYellow);
            painter.setPen(Qt::black);
        } else {
            painter.fillRect(line, Qt::white);
            painter.fillRect(line, QBrush(kBandHatch, Qt::DiagCrossPattern));
            painter.setPen(kYellow);
        }
        painter.drawText(line.left() + 10, line.top() + 10 + ascent, texts.value(i));
    }
    band = QRect(QPoint(2, h - counter + 30), QPoint(w - 1, h - counter + 204));
    update();
}

void TForm4::Button1Click()
{
    close();
}

void TForm4::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas);
}

void TForm4::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (canvas.size() == size())
        return;
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Window));
    QPainter(&grown).drawImage(0, 0, canvas);
    canvas = grown;
}

void TForm4::closeEvent(QCloseEvent *event)
{
    timer1->stop();
    event->accept();
}

TForm4 *showAbout()
{
    auto *window = new TForm4();
    window->setAttribute(Qt::WA_DeleteOnClose);
    openWindows().removeAll(nullptr);
    openWindows().append(window);
    window->show();
    return window;
}

void destroyAboutWindows()
{
    const QList<QPointer<TForm4>> windows = std::exchange(openWindows(), {});
    for (const QPointer<TForm4> &window : windows)
        delete window.data();
}
