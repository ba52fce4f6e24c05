// Reading a 1 MB RTF file into a document and writing it back: the frames and
// the mini-CV zones load and save through these on every card and CV file.
// The medians must stay under 50 ms (read) and 30 ms (write):
//   bench_rtf --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "platform/RichTextFiles.h"
#include "platform/RtfReader.h"
#include "platform/RtfWriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kFileSize = 1024 * 1024;

QTextCharFormat format(const QString &family, double points, bool bold, bool italic,
                       const QColor &colour = QColor())
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    if (colour.isValid())
        f.setForeground(colour);
    return f;
}

// Paragraphs of a mini-CV zone, over and over: three runs each, accents,
// Cyrillic and "€", all four alignments.
QByteArray ourRtf()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                        Qt::AlignJustify};
    for (int i = 0; writeRtf(document).size() < kFileSize; ++i) {
        for (int j = 0; j < 200; ++j) {
            QTextBlockFormat block;
            block.setAlignment(alignments[(i + j) % 4]);
            if (i + j > 0)
                cursor.insertBlock(block);
            else
                cursor.setBlockFormat(block);
            cursor.insertText(QStringLiteral("Expérience professionnelle %1 : ").arg(j),
                              format(QStringLiteral("Liberation Sans"), 12, true, false));
            cursor.insertText(
                QStringLiteral("chef de projet à Lyon, 2 500 € par mois, "),
                format(QStringLiteral("Liberation Serif"), 11, false, true, QColor(0x80, 0, 0)));
            cursor.insertText(QStringLiteral("отдел продаж\tréférences sur demande."),
                              format(QStringLiteral("Liberation Sans"), 10, false, false));
        }
    }
    return writeRtf(document);
}

// A LibreOffice Writer file with its body repeated.
QByteArray writerRtf()
{
    QFile file(QStringLiteral(VOKIRA_BENCH_DATA "/rtf/lo-card.rtf"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no lo-card.rtf");
    const QByteArray whole = file.readAll();
    const qsizetype bodyStart = whole.indexOf("\\pard\\plain");
    const qsizetype bodyEnd = whole.lastIndexOf('}');
    const QByteArray head = whole.left(bodyStart);
    const QByteArray body = whole.mid(bodyStart, bodyEnd - bodyStart);
    QByteArray rtf = head;
    while (rtf.size() < kFileSize)
        rtf += body;
    return rtf + "}";
}

struct Fixture
{
    QTemporaryDir dir;
    QString path;

    explicit Fixture(const QByteArray &rtf)
        : path(dir.filePath(QStringLiteral("zone.rtf")))
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
            qFatal("cannot write the benchmark file");
    }
};

void readFile(benchmark::State &state, const QByteArray &rtf)
{
    Fixture fixture(rtf);
    for (auto _ : state) {
        QTextDocument document;
        if (!loadRichTextFile(document, fixture.path).ok())
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void BM_ReadOurRtf(benchmark::State &state)
{
    static const QByteArray rtf = ourRtf();
    readFile(state, rtf);
}

void BM_ReadWriterRtf(benchmark::State &state)
{
    static const QByteArray rtf = writerRtf();
    readFile(state, rtf);
}

void BM_WriteBack(benchmark::State &state)
{
    static const QByteArray rtf = ourRtf();
    QTextDocument document;
    readRtf(rtf, document);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zone.rtf"));
    for (auto _ : state) {
        if (!saveRichTextFile(document, path).ok())
            state.SkipWithError("not written");
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

} // namespace

BENCHMARK(BM_ReadOurRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWriterRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBack)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
