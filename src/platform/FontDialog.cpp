#include "platform/FontDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The stroke fonts of the earlier platform: Qt cannot tell them by kind.
bool isStrokeFamily(const QString &family)
{
    return family == QLatin1String("Modern") || family == QLatin1String("Roman") ||
           family == QLatin1String("Script");
}

bool hasLatin(const QString &family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin);
}

struct NamedColour
{
    const char *name;
    QRgb rgb;
};

constexpr NamedColour kColours[] = {
    {"Noir", 0x000000},   {"Marron", 0x800000},  {"Vert", 0x008000},     {"Olive", 0x808000},
    {"Marine", 0x000080}, {"Violet", 0x800080},  {"Sarcelle", 0x008080}, {"Gris", 0x808080},
    {"Argent", 0xC0C0C0}, {"Rouge", 0xFF0000},   {"Citron", 0x00FF00},   {"Jaune", 0xFFFF00},
    {"Bleu", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},     {"Blanc", 0xFFFFFF},
};

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(20, 12);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

bool limited(const FontRequest &request)
{
    return request.options.testFlag(FontListOption::LimitSize) && request.maxSize > 0;
}

} // namespace

QStringList fontDialogFamilies(FontListOptions options)
{
    QStringList out;
    for (const QString &family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family))
            continue;
        const bool scalable = QFontDatabase::isSmoothlyScalable(family);
        if (options.testFlag(FontListOption::TrueType) && !scalable)
            continue;
        // What prints as it shows is what the printer can scale.
        if (options.testFlag(FontListOption::Wysiwyg) && !QFontDatabase::isScalable(family))
            continue;
        if (options.testFlag(FontListOption::Ansi) && !hasLatin(family))
            continue;
        // The OEM fonts were the fixed-pitch bitmap fonts of the console.
        if (options.testFlag(FontListOption::NoOem) && !scalable &&
            QFontDatabase::isFixedPitch(family))
            continue;
        if (options.testFlag(FontListOption::NoVector) && isStrokeFamily(family))
            continue;
        out << family;
    }
    return out;
}

QList<int> fontDialogSizes(const QString &family, const FontRequest &request)
{
    QList<int> sizes = QFontDatabase::isScalable(family) || family.isEmpty()
                           ? QFontDatabase::standardSizes()
                           : QFontDatabase::pointSizes(family);
    if (sizes.isEmpty())
        sizes = QFontDatabase::standardSizes();
    if (limited(request))
        sizes.removeIf([&](int s) { return s < request.minSize || s > request.maxSize; });
    return sizes;
}

QList<QColor> fontDialogColours()
{
    QList<QColor> out;
    for (const NamedColour &c : kColours)
        out << QColor(c.rgb);
    return out;
}

FontDialog::FontDialog(const FontRequest &fontRequest, QWidget *parent)
    : QDialog(parent)
    , request(fontRequest)
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(QStringLiteral("Police"));

    familyEdit = new QLineEdit(this);
    familyList = new QListWidget(this);
    familyList->addItems(fontDialogFamilies(request.options));
    styleList = new QListWidget(this);
    sizeEdit = new QLineEdit(this);
    sizeEdit->setValidator(new QIntValidator(1, 1638, sizeEdit));
    sizeList = new QListWidget(this);
    for (QListWidget *list : {familyList, styleList, sizeList})
        list->setMinimumHeight(130);
    familyList->setMinimumWidth(190);
    styleList->setMinimumWidth(120);
    sizeList->setMaximumWidth(70);
    sizeEdit->setMaximumWidth(70);

    auto *effects = new QGroupBox(QStringLiteral("Effets"), this);
    strikeOutBox = new QCheckBox(QStringLiteral("&Barré"), effects);
    underlineBox = new QCheckBox(QStringLiteral("&Souligné"), effects);
    colourList = new QComboBox(effects);
    for (const NamedColour &c : kColours)
        colourList->addItem(swatch(QColor(c.rgb)), QString::fromUtf8(c.name), QColor(c.rgb));
    auto *colourLabel = new QLabel(QStringLiteral("&Couleur :"), effects);
    colourLabel->setBuddy(colourList);
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(strikeOutBox);
    effectsLayout->addWidget(underlineBox);
    effectsLayout->addWidget(colourLabel);
    effectsLayout->addWidget(colourList);
    effectsLayout->addStretch();
    effects->setVisible(request.effects || request.options.testFlag(FontListOption::Effects));

    auto *sampleBox = new QGroupBox(QStringLiteral("Exemple"), this);
    sample = new QLabel(QStringLiteral("AaBbYyZz"), sampleBox);
    sample->setAlignment(Qt::AlignCenter);
    sample->setMinimumSize(200, 60);
    sample->setFrameShape(QFrame::StyledPanel);
    sample->setAutoFillBackground(true);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(sample);

    auto *buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *familyLabel = new QLabel(QStringLiteral("&Police :"), this);
    familyLabel->setBuddy(familyEdit);
    auto *styleLabel = new QLabel(QStringLiteral("St&yle :"), this);
    styleLabel->setBuddy(styleList);
    auto *sizeLabel = new QLabel(QStringLiteral("&Taille :"), this);
    sizeLabel->setBuddy(sizeEdit);

    auto *grid = new QGridLayout(this);
    grid->addWidget(familyLabel, 0, 0);
    grid->addWidget(styleLabel, 0, 1);
    grid->addWidget(sizeLabel, 0, 2);
    grid->addWidget(familyEdit, 1, 0);
    grid->addWidget(sizeEdit, 1, 2);
    grid->addWidget(familyList, 2, 0);
    grid->addWidget(styleList, 1, 1, 2, 1);
    grid->addWidget(sizeList, 2, 2);
    grid->addWidget(effects, 3, 0);
    grid->addWidget(sampleBox, 3, 1, 1, 2);
    grid->addWidget(buttons, 4, 0, 1, 3);

    connect(familyList, &QListWidget::currentTextChanged, this, [this](const QString &family) {
        if (!family.isEmpty() && familyEdit->text() != family)
            familyEdit->setText(family);
    });
    connect(familyEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        const auto found = familyList->findItems(text, Qt::MatchFixedString);
        if (!found.isEmpty() && familyList->currentItem() != found.first())
            familyList->setCurrentItem(found.first());
        familyChosen();
    });
    connect(sizeList, &QListWidget::currentTextChanged, this, [this](const QString &size) {
        if (!size.isEmpty() && sizeEdit->text() != size)
            sizeEdit->setText(size);
    });
    connect(sizeEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        const auto found = sizeList->findItems(text, Qt::MatchExactly);
        if (!found.isEmpty() && sizeList->currentItem() != found.first())
            sizeList->setCurrentItem(found.first());
        refreshSample();
    });
    connect(styleList, &QListWidget::currentTextChanged, this, [this] { refreshSample(); });
    connect(strikeOutBox, &QCheckBox::toggled, this, [this] { refreshSample(); });
    connect(underlineBox, &QCheckBox::toggled, this, [this] { refreshSample(); });
    connect(colourList, &QComboBox::currentIndexChanged, this, [this] { refreshSample(); });

    // The preset.
    const QFont &font = request.font;
    int colourIndex =
        colourList->findData(request.color.isValid() ? request.color : QColor(Qt::black));
    if (colourIndex < 0 && request.color.isValid()) {
        colourList->addItem(swatch(request.color), QStringLiteral("Personnalisée"), request.color);
        colourIndex = colourList->count() - 1;
    }
    colourList->setCurrentIndex(qMax(0, colourIndex));
    strikeOutBox->setChecked(font.strikeOut());
    underlineBox->setChecked(font.underline());
    familyEdit->setText(font.family());
    // The style whose weight and slant are the preset's: the style names
    // differ from family to family.
    for (int i = 0; i < styleList->count(); ++i) {
        const QString style = styleList->item(i)->text();
        if (QFontDatabase::bold(font.family(), style) == font.bold() &&
            QFontDatabase::italic(font.family(), style) == font.italic()) {
            styleList->setCurrentRow(i);
            break;
        }
    }
    if (familyList->currentItem())
        familyList->scrollToItem(familyList->currentItem(), QAbstractItemView::PositionAtCenter);
    const int size = font.pointSize() > 0 ? font.pointSize() : 10;
    sizeEdit->setText(
        QString::number(limited(request) ? qBound(request.minSize, size, request.maxSize) : size));
    refreshSample();
}

void FontDialog::familyChosen()
{
    const QString keepStyle =
        styleList->currentItem() ? styleList->currentItem()->text() : QString();
    const QString family = familyEdit->text();
    styleList->clear();
    QStringList styles = QFontDatabase::styles(family);
    if (styles.isEmpty())
        styles << QStringLiteral("Normal");
    // Lightest first, upright before slanted: the order people read styles in
    // (the font database gives them in no useful order).
    std::stable_sort(styles.begin(), styles.end(), [&](const QString &a, const QString &b) {
        const int wa = QFontDatabase::weight(family, a);
        const int wb = QFontDatabase::weight(family, b);
        if (wa != wb)
            return wa < wb;
        return !QFontDatabase::italic(family, a) && QFontDatabase::italic(family, b);
    });
    styleList->addItems(styles);
    auto kept = styleList->findItems(keepStyle, Qt::MatchFixedString);
    styleList->setCurrentItem(kept.isEmpty() ? styleList->item(0) : kept.first());

    const QString keepSize = sizeEdit->text();
    sizeList->clear();
    for (int s : fontDialogSizes(family, request))
        sizeList->addItem(QString::number(s));
    const auto found = sizeList->findItems(keepSize, Qt::MatchExactly);
    if (!found.isEmpty())
        sizeList->setCurrentItem(found.first());
    refreshSample();
}

FontChoice FontDialog::choice() const
{
    const QString family = familyEdit->text();
    const int size = qMax(1, sizeEdit->text().toInt());
    const QString style = styleList->currentItem() ? styleList->currentItem()->text() : QString();
    QFont font = QFontDatabase::font(family, style, size);
    if (font.family().compare(family, Qt::CaseInsensitive) != 0) {
        font = QFont(family, size);
        font.setBold(style.contains(QLatin1String("Bold"), Qt::CaseInsensitive));
        font.setItalic(style.contains(QLatin1String("Italic"), Qt::CaseInsensitive) ||
                       style.contains(QLatin1String("Oblique"), Qt::CaseInsensitive));
    }
    font.setPointSize(size);
    font.setStrikeOut(strikeOutBox->isChecked());
    font.setUnderline(underlineBox->isChecked());
    return FontChoice{font, colourList->currentData().value<QColor>()};
}

void FontDialog::refreshSample()
{
    const FontChoice chosen = choice();
    sample->setFont(chosen.font);
    QPalette p = sample->palette();
    p.setColor(QPalette::WindowText, chosen.color);
    p.setColor(QPalette::Window, Qt::white);
    sample->setPalette(p);
    checkEntries();
}

void FontDialog::checkEntries()
{
    bool ok = !familyEdit->text().trimmed().isEmpty();
    if (request.options.testFlag(FontListOption::ForceExists))
        ok = ok && !familyList->findItems(familyEdit->text(), Qt::MatchFixedString).isEmpty();
    bool sizeOk = false;
    const int size = sizeEdit->text().toInt(&sizeOk);
    ok = ok && sizeOk && size > 0;
    if (limited(request))
        ok = ok && size >= request.minSize && size <= request.maxSize;
    okButton->setEnabled(ok);
}
