// Repainting the preview of a card whose pattern is a large photograph,
// stretched: the picture must be scaled once, not on every repaint.
//   build-bench/bench/bench_preview   (QT_QPA_PLATFORM=offscreen is set here)
#include "card/CardModel.h"
#include "output/TForm1.h"
#include "platform/Application.h"

#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString largePattern(const QTemporaryDir &dir)
{
    QImage image(2000, 1500, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 2000, 1500);
    gradient.setColorAt(0, QColor(250, 230, 200));
    gradient.setColorAt(1, QColor(90, 140, 200));
    p.fillRect(image.rect(), gradient);
    p.end();
    const QString name = dir.filePath(QStringLiteral("photo.bmp"));
    image.save(name);
    return name;
}

void repaintStretchedPattern(benchmark::State &state)
{
    QTemporaryDir dir;
    CardModel card;
    card.setCardSize(480, 313);
    card.patternFile = largePattern(dir);
    card.patternMode = PatternMode::Str;
    TForm1 preview(card);
    preview.resize(480, 313);
    QImage screen(480, 313, QImage::Format_RGB32);
    preview.render(&screen); // the first paint loads and scales the picture
    for (auto _ : state) {
        preview.render(&screen);
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(repaintStretchedPattern)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
