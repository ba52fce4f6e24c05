#include "batch/CardBatch.h"

#include "app/Startup.h"
#include "card/CardFileCommands.h"
#include "card/CardModel.h"
#include "output/TForm1.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"
#include "platform/RichEdit.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextBlock>
#include <QTextStream>

namespace {

QString colourName(Colour colour)
{
    return toQColor(colour)
        .name(QColor::HexRgb)
        .toUpper()
        .replace(QLatin1Char('X'), QLatin1Char('x'));
}

QJsonObject fontJson(const FrameFont &font)
{
    QJsonArray style;
    const std::pair<FontStyle, const char *> names[] = {
        {FontStyle::Bold, "bold"},
        {FontStyle::Italic, "italic"},
        {FontStyle::Underline, "underline"},
        {FontStyle::StrikeOut, "strikeout"},
    };
    for (const auto &[flag, name] : names)
        if (font.has(flag))
            style.append(QLatin1String(name));
    return QJsonObject{{"name", font.name},
                       {"size", font.size},
                       {"style", style},
                       {"color", colourName(font.color)}};
}

QString alignName(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    return QStringLiteral("left");
}

QJsonArray linesJson(const QTextDocument &document)
{
    QJsonArray lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QJsonArray runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            const QColor colour = format.foreground().style() == Qt::NoBrush
                                      ? QColor(Qt::black)
                                      : format.foreground().color();
            runs.append(QJsonObject{{"text", fragment.text()},
                                    {"font", font.family()},
                                    {"size", font.pointSizeF()},
                                    {"bold", font.bold()},
                                    {"italic", font.italic()},
                                    {"underline", font.underline()},
                                    {"strikeout", font.strikeOut()},
                                    {"color", colourName(fromQColor(colour))}});
        }
        lines.append(QJsonObject{{"text", block.text()},
                                 {"align", alignName(block.blockFormat().alignment())},
                                 {"runs", runs}});
    }
    return lines;
}

QString absolute(const QString &path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

// Reads the card as the program does, every message echoed on stderr and
// every OK/Abort question answered OK, so that all problems are reported.
bool readCard(const QString &path, QTextStream &err)
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    scripted->echo = &err;
    setDialogs(std::move(scripted));
    // No printer is asked for: nothing is printed here.
    auto printers = std::make_unique<FakePrinterService>();
    printers->printers = {QStringLiteral("batch")};
    setPrinterService(std::move(printers));
    createCardWindow();
    int code = 0;
    if (!readCardParameterFile(path, &code))
        return false;
    // The transparent frames as the preview draws them.
    CardModel &card = cardModel();
    TForm1 *preview = appWindows().Form1;
    for (int i = 0; i < 2; ++i) {
        card.frames[i].transparent = false;
        if (code >= 0 && code <= 3 && (code & (1 << i))) {
            card.setFrameTransparent(i, true);
            preview->MakeFrameTransparent(i + 1);
        }
    }
    // The icon shows what lies beneath it, now that the background is final.
    preview->RenderIcon();
    return true;
}

int usage(QTextStream &err)
{
    err << "usage: vokira-batch check FILE.vk1 | info FILE.vk1 | convert IN.vk1 OUT.vk1 [--force]"
           " | png IN.vk1 OUT.png\n";
    err.flush();
    return 2;
}

} // namespace

QByteArray cardAsJson()
{
    const CardModel &card = cardModel();
    const TForm1 *preview = appWindows().Form1;
    QJsonArray frames;
    for (int i = 0; i < 2; ++i) {
        const CardFrame &f = card.frames[i];
        QJsonObject frame{{"left", f.left},
                          {"top", f.top},
                          {"width", f.width},
                          {"height", f.height},
                          {"backgroundColor", colourName(f.backgroundColor)},
                          {"chosenColor", colourName(f.chosenColor)},
                          {"textAlignment", f.textAlignment},
                          {"alignmentName", f.alignmentName},
                          {"transparent", f.transparent},
                          {"textFile", absolute(f.textFile)},
                          {"headerFont", fontJson(f.headerFont)},
                          {"bodyFont", fontJson(f.bodyFont)}};
        if (preview)
            frame.insert(QStringLiteral("lines"), linesJson(*preview->frameEditor(i)->document()));
        frames.append(frame);
    }
    const QJsonObject object{
        {"width", card.width},
        {"height", card.height},
        {"previewTop", card.previewTop},
        {"backgroundColor", colourName(card.backgroundColor)},
        {"orientation", orientationText(card.orientation)},
        {"gap", card.gap},
        {"patternFile", absolute(card.patternFile)},
        {"iconFile", absolute(card.iconFile)},
        {"icon", QJsonObject{{"left", card.icon.left},
                             {"top", card.icon.top},
                             {"width", card.icon.width},
                             {"height", card.icon.height}}},
        {"screenResolution", card.screenResolution},
        {"loadScale", card.loadScale},
        {"transparencyCode", card.transparencyCode()},
        {"frames", frames},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

int cardCommand(const QString &command, const QStringList &arguments, QTextStream &out,
                QTextStream &err)
{
    const bool force = arguments.contains(QStringLiteral("--force"));
    QStringList files = arguments;
    files.removeAll(QStringLiteral("--force"));
    for (const QString &file : files)
        if (file.startsWith(QLatin1String("--")))
            return usage(err);
    const qsizetype wanted =
        (command == QLatin1String("convert") || command == QLatin1String("png")) ? 2 : 1;
    if (files.size() != wanted || (force && command != QLatin1String("convert")))
        return usage(err);

    if (command == QLatin1String("convert") && QFileInfo::exists(files[1]) && !force) {
        err << "vokira-batch: " << files[1] << " exists; add --force to replace it\n";
        err.flush();
        return 1;
    }
    const bool read = readCard(files[0], err);
    int status = read ? 0 : 1;
    if (read && command == QLatin1String("info")) {
        out << QString::fromUtf8(cardAsJson());
    } else if (read && command == QLatin1String("convert")) {
        const QString base = QFileInfo(files[1]).completeBaseName();
        const CardWrite written = writeCardParameterFile(files[1], base, base, true);
        if (!written.written) {
            err << "error: " << written.error << " : " << files[1] << '\n';
            status = 1;
        } else if (!written.textsSaved) {
            err << "warning: "
                << "the frame texts could not all be written\n";
            status = 1;
        }
    } else if (read && command == QLatin1String("png")) {
        TForm1 *preview = appWindows().Form1;
        const QImage image = preview->grab().toImage();
        if (!image.save(files[1], "PNG")) {
            err << "error: cannot write " << files[1] << '\n';
            status = 1;
        }
    }
    out.flush();
    err.flush();
    destroyWindows();
    setDialogs(nullptr);
    return status;
}
