#include "card/CardFile.h"

#include "card/Rounding.h"
#include "card/TextAttributes.h"
#include "platform/Encodings.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char *const kLabels[52] = {
    nullptr,
    "1 - texte 1 : ",
    "2 - texte 2 : ",
    "3 - orientation :",
    "4 - motif carte :",
    "5 - image carte :",
    "6 - nom police en-tête cadre 1 :",
    "7 - nom police en-tête cadre 2 :",
    "8 - nom police corps cadre 1 :",
    "9 - nom police corps cadre 2 :",
    "10 - réservé :",
    "11 - réservé :",
    "12 - réservé :",
    "13 - réservé :",
    "14 - réservé :",
    "15 - largeur carte :",
    "16 - hauteur carte :",
    "17 - top origine carte :",
    "18 - couleur carte :$",
    "19 - largeur texte 1 :",
    "20 - hauteur texte 1 :",
    "21 - top origine texte 1 :",
    "22 - largeur texte 2 :",
    "23 - hauteur texte 2 :",
    "24 - top origine texte 2 :",
    "25 - alignement texte 1 :",
    "26 - alignement texte 2 :",
    "27 - left origine cadre 2 :",
    "28 - left origine cadre 1 :",
    "29 - réservé :",
    "30 - couleur cadre 1 :$",
    "31 - couleur cadre 2 :$",
    "32 - largeur image :",
    "33 - hauteur image :",
    "34 - position verticale image :",
    "35 - position horizontale image :",
    "36 - valeur d'écartement :",
    "37 - taille police en-tête cadre 1 :",
    "38 - style police en-tête cadre 1 :",
    "39 - couleur police en-tête cadre 1 :",
    "40 - taille police en-tête cadre 2 :",
    "41 - style police en-tête cadre 2 :",
    "42 - couleur police en-tête cadre 2 :",
    "43 - taille police corps cadre 1 :",
    "44 - style police corps cadre 1 :",
    "45 - couleur police corps cadre 1 :",
    "46 - taille police corps cadre 2 :",
    "47 - style police corps cadre 2 :",
    "48 - couleur police corps cadre 2 :",
    "49 - résolution système :",
    "50 - transparence :",
    "51 - réservé :",
};

const char kHeader[] = "** Fichier paramêtre pour Vokira : carte\r\n**Version : VOKIRA 2.0\r\n**";

// Colours are written as 8 upper-case hex digits; what the file cannot hold
// (0, negative, above 0xFFFFFF) is written as nothing and reads back black.
QString hexColour(qint64 colour)
{
    if (colour <= 0 || colour > 0xFFFFFF)
        return {};
    return QStringLiteral("%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

// A font of the header role: the first line's own unless it matches the
// model's.
FrameFont headerFontToWrite(const CardFrame &frame, const std::optional<FrameFont> &firstLine)
{
    if (!firstLine)
        return frame.headerFont;
    FrameFont model = frame.headerFont;
    FrameFont text = *firstLine;
    // Underline is not stored: it does not make the two differ.
    model.style &= ~unsigned(FontStyle::Underline);
    text.style &= ~unsigned(FontStyle::Underline);
    return model == text ? frame.headerFont : *firstLine;
}

// Reads a stored integer: leading blanks skipped, decimal or hexadecimal
// after "$", anything unreadable (out of range included) is 0.
qint32 readStoredInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    text = text.mid(i);
    bool ok = false;
    qint32 value = 0;
    if (text.startsWith(QLatin1Char('$'))) {
        const qint64 wide = text.mid(1).toLongLong(&ok, 16);
        ok = ok && wide >= 0 && wide <= 0xFFFFFFFFLL;
        value = qint32(quint32(wide));
    } else {
        value = text.toInt(&ok, 10);
    }
    return ok ? value : 0;
}

// Texts of files of the earlier Windows version are Windows-1252; ours are
// UTF-8.
QString decodeStoredText(QByteArrayView bytes)
{
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : fromAnsi(bytes);
}

int scaled(qint32 value, double scale)
{
    return roundEven(value * scale);
}

} // namespace

QString companionRelativeName(int frame, const QString &baseName)
{
    return QStringLiteral(".\\element\\C%1").arg(frame + 1) + baseName + QStringLiteral(".rtf");
}

QString companionAbsoluteName(int frame, const QString &folder, const QString &baseName)
{
    return QDir(folder).filePath(QStringLiteral("element/C%1").arg(frame + 1) + baseName +
                                 QStringLiteral(".rtf"));
}

QByteArray composeCardFile(CardModel &card, const CardFileFrames &frames)
{
    if (card.gap == 0)
        card.gap = 8;
    QStringList v(52);
    v[1] = frames.companions[0];
    v[2] = frames.companions[1];
    v[3] = card.isLandscape() ? QStringLiteral("paysage") : QStringLiteral("portrait");
    v[4] = card.patternFile;
    v[5] = card.iconFile;
    std::array<FrameFont, 2> headers;
    for (int i = 0; i < 2; ++i) {
        headers[i] = headerFontToWrite(card.frames[i], frames.firstLineFonts[i]);
        v[6 + i] = headers[i].name;
        v[8 + i] = card.frames[i].bodyFont.name;
    }
    v[15] = QString::number(card.width);
    v[16] = QString::number(card.height);
    v[17] = QString::number(card.previewTop);
    v[18] = hexColour(card.chosenBackgroundColor != 0 ? card.chosenBackgroundColor
                                                      : card.backgroundColor);
    const CardFrame &f1 = card.frames[0];
    const CardFrame &f2 = card.frames[1];
    v[19] = QString::number(f1.width);
    v[20] = QString::number(f1.height);
    v[21] = QString::number(f1.top);
    v[22] = QString::number(f2.width);
    v[23] = QString::number(f2.height);
    v[24] = QString::number(f2.top);
    v[25] = QString::number(frames.alignments[0]);
    v[26] = QString::number(frames.alignments[1]);
    v[27] = QString::number(f2.left);
    v[28] = QString::number(f1.left);
    v[30] = hexColour(f1.backgroundColor);
    v[31] = hexColour(f2.backgroundColor);
    v[32] = QString::number(card.icon.width);
    v[33] = QString::number(card.icon.height);
    v[34] = QString::number(card.icon.top);
    v[35] = QString::number(card.icon.left);
    v[36] = QString::number(card.gap);
    const FrameFont *fonts[4] = {&headers[0], &headers[1], &f1.bodyFont, &f2.bodyFont};
    for (int k = 0; k < 4; ++k) {
        v[37 + 3 * k] = QString::number(fonts[k]->size);
        v[38 + 3 * k] = QString::number(styleCode(*fonts[k]));
        v[39 + 3 * k] = QString::number(qint32(fonts[k]->color));
    }
    v[49] = QString::number(card.screenResolution);
    v[50] = QString::number(card.transparencyCode());

    // Whole lines: the earlier version cut them at 255 bytes and lost long
    // paths.
    QByteArray out(kHeader);
    out += "\r\n";
    for (int n = 1; n <= 51; ++n) {
        out += kLabels[n];
        out += v[n].toUtf8();
        out += "\r\n";
    }
    return out;
}

CardFileReading readCardFileValues(QByteArrayView bytes, CardFileValues &values,
                                   const std::function<void()> &oldVersion,
                                   const std::function<bool(int line)> &goOn)
{
    CardFileReading reading;
    qsizetype pos = 0;
    auto nextLine = [&](QByteArrayView &line) {
        if (pos >= bytes.size()) {
            line = {};
            return false;
        }
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        line = bytes.sliced(pos, end - pos);
        pos = end;
        // CR LF, LF or CR.
        if (pos < bytes.size() && bytes[pos] == '\r') {
            ++pos;
            if (pos < bytes.size() && bytes[pos] == '\n')
                ++pos;
        } else if (pos < bytes.size()) {
            ++pos;
        }
        return true;
    };

    // Any number of header lines, each holding "**".
    QByteArrayView line;
    bool pending = false;
    while (nextLine(line)) {
        if (!line.contains(QByteArrayView("**"))) {
            pending = true;
            break;
        }
    }
    int remembered = 0;
    for (int n = 1; n <= 51; ++n) {
        if (!pending)
            nextLine(line);
        pending = false;
        const qsizetype colon = line.indexOf(':');
        if (colon < 0) {
            ++reading.linesWithoutColon;
            if (remembered == 50) {
                if (oldVersion)
                    oldVersion();
            } else if (goOn && !goOn(n)) {
                reading.aborted = true;
                return reading;
            }
            continue;
        }
        const QString value = decodeStoredText(line.sliced(colon + 1));
        if (n <= 14)
            values.texts[n] = value;
        else
            values.numbers[n] = readStoredInteger(value);
        values.present[n] = true;
        bool ok = false;
        remembered = QString::fromLatin1(line.first(qMin<qsizetype>(2, line.size()))).toInt(&ok);
        if (!ok)
            remembered = 0;
    }
    reading.read = true;
    return reading;
}

QString trimmedStoredText(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i].unicode() < 0x20))
        ++i;
    return text.mid(i);
}

LoadedCard applyCardValues(CardModel &card, const CardFileValues &values)
{
    const auto &n = values.numbers;
    LoadedCard loaded;
    for (int i = 0; i < 2; ++i) {
        loaded.textFiles[i] = trimmedStoredText(values.texts[1 + i]);
        card.frames[i].textFile = loaded.textFiles[i];
    }
    card.orientation = values.texts[3] == QLatin1String("paysage") ? Orientation::Horizontal
                                                                   : Orientation::Vertical;
    card.patternFile = trimmedStoredText(values.texts[4]);
    card.iconFile = trimmedStoredText(values.texts[5]);
    for (int i = 0; i < 2; ++i) {
        card.frames[i].headerFont.name = values.texts[6 + i];
        card.frames[i].bodyFont.name = values.texts[8 + i];
    }

    card.loadScale = n[49] != 0 ? double(card.screenResolution) / n[49] : 1.0;
    const double s = card.loadScale;
    card.setCardSize(scaled(n[15], s), scaled(n[16], s));
    card.initialWidth = card.width;
    card.initialHeight = card.height;
    card.previewTop = card.trackbarTop != 0 ? card.trackbarTop : scaled(n[17], s);
    loaded.previewTop = card.previewTop;
    card.setBackgroundColor(Colour(n[18]));

    CardFrame &f1 = card.frames[0];
    CardFrame &f2 = card.frames[1];
    card.setFrameGeometry(
        0, QRect(scaled(n[28], s), scaled(n[21], s), scaled(n[19], s), scaled(n[20], s)));
    card.setFrameGeometry(
        1, QRect(scaled(n[27], s), scaled(n[24], s), scaled(n[22], s), scaled(n[23], s)));
    // The two frames read their alignment codes slightly differently, as
    // the earlier version did: -1 is centre for frame 1, left for frame 2.
    auto alignment = [&](int frame, qint32 code) -> std::optional<int> {
        if (code == 0 || (code == -1 && frame == 1))
            return AlignLeft;
        if (code == 1)
            return AlignRight;
        if (code == 2 || (code == -1 && frame == 0))
            return AlignCentre;
        return std::nullopt;
    };
    const char *names[3] = {"gauche", "droit", "centre"};
    for (int i = 0; i < 2; ++i) {
        loaded.alignments[i] = alignment(i, n[25 + i]);
        if (loaded.alignments[i]) {
            card.setFrameAlignment(i, *loaded.alignments[i]);
            card.frames[i].alignmentName = QLatin1String(names[*loaded.alignments[i]]);
        }
    }
    for (int i = 0; i < 2; ++i) {
        const Colour colour = Colour(n[30 + i]);
        card.setFrameColor(i, colour);
        card.frames[i].baseColor = colour;
    }
    card.setIconGeometry(
        CardIcon{scaled(n[35], s), scaled(n[34], s), scaled(n[32], s), scaled(n[33], s)});
    card.iconHomeLeft = card.icon.left;
    card.iconHomeTop = card.icon.top;
    card.gap = qint16(scaled(n[36], s));
    FrameFont *fonts[4] = {&f1.headerFont, &f2.headerFont, &f1.bodyFont, &f2.bodyFont};
    for (int k = 0; k < 4; ++k) {
        fonts[k]->size = qint16(n[37 + 3 * k]);
        fonts[k]->style = styleFromCode(n[38 + 3 * k]);
        fonts[k]->color = Colour(n[39 + 3 * k]);
    }
    loaded.transparencyCode = n[50];
    return loaded;
}

QString resolveStoredPath(const QString &stored, const QString &cardFolder)
{
    QString path = stored;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir folder(cardFolder);
    const bool windowsAbsolute = path.size() > 2 && path[1] == QLatin1Char(':');
    const QString placed = (QDir::isAbsolutePath(path) || windowsAbsolute)
                               ? path
                               : QDir::cleanPath(folder.filePath(path));
    if (QFileInfo::exists(placed))
        return placed;
    const QString name = QFileInfo(path).fileName();
    for (const QString &candidate :
         {folder.filePath(name), folder.filePath(QStringLiteral("element/") + name)}) {
        if (!name.isEmpty() && QFileInfo::exists(candidate))
            return candidate;
    }
    return placed;
}
