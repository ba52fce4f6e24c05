#include "platform/RichTextFiles.h"

#include "platform/RtfReader.h"
#include "platform/RtfWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>

namespace {

RichTextResult failure(RichTextResult::Status status, const QString &detail = QString())
{
    RichTextResult result;
    result.status = status;
    result.detail = detail;
    return result;
}

RichTextResult writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return failure(RichTextResult::WriteFailed, file.errorString());
    return {};
}

} // namespace

bool isRtfName(const QString &path)
{
    return path.toLower().endsWith(QLatin1String(".rtf"));
}

RichTextResult loadRichTextFile(QTextDocument &document, const QString &path)
{
    QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return failure(RichTextResult::NotFound);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(RichTextResult::Unreadable, file.errorString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(RichTextResult::Unreadable, file.errorString());

    if (isRtfName(path)) {
        const RtfReadResult read = readRtf(QByteArrayView(data), document);
        if (!read.ok)
            return failure(RichTextResult::NotRtf, read.error);
    } else {
        CharEncStream stream;
        if (!stream.loadFromBytes(data))
            return failure(RichTextResult::NotText, stream.error());
        setDocumentLines(document, splitTextLines(stream.text));
    }
    document.setModified(false);
    return {};
}

RichTextResult saveRichTextFile(const QTextDocument &document, const QString &path)
{
    QByteArray rtf = writeRtf(document);
    const CodePageRewrite rewrite = rewriteRtfCodePage(rtf);
    RichTextResult result = writeWhole(path, rtf);
    result.rewrite = rewrite;
    return result;
}

void setDocumentLines(QTextDocument &document, const QStringList &lines)
{
    document.setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList documentLines(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

RichTextResult savePlainLines(const QStringList &lines, const QString &path)
{
    QByteArray bytes;
    for (QString line : lines) {
        // A soft line break typed in the frame is a line of its own here.
        line.replace(QChar(0x2028), QLatin1String("\r\n"));
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return writeWhole(path, bytes);
}
