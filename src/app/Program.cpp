#include "app/Program.h"

#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/QtPrinterService.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

// For the start-up benchmark: report when the main window first paints and
// leave at once.
class FirstPaintProbe : public QObject
{
public:
    explicit FirstPaintProbe(QElapsedTimer &clock)
        : clock(clock)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!done && event->type() == QEvent::Paint &&
            watched->objectName() == QLatin1String("frmmain")) {
            done = true;
            std::fprintf(stderr, "first paint after %lld ms\n",
                         static_cast<long long>(clock.elapsed()));
            QTimer::singleShot(0, [] { closeAllWindows(); });
        }
        return false;
    }

private:
    QElapsedTimer &clock;
    bool done = false;
};

} // namespace

bool checkDisplay()
{
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("vokira: no display to open the window on (DISPLAY is not set).\n"
                   "Start it from a desktop session, or under a virtual display:\n"
                   "  xvfb-run -a vokira [file.vk1]\n",
                   stderr);
        return false;
    }
#endif
    return true;
}

int runProgram(Application &app, const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    app.setApplicationName(QStringLiteral("Vokira"));
    app.setOrganizationName(QStringLiteral("Zelvorin"));
    app.setApplicationDisplayName(QStringLiteral("édition de cartes de visite"));
    setDefaultPrinterServiceFactory(makeQtPrinterService);

    // Unattended runs (benchmarks, scripted checks) answer every box as the
    // batch tool does and print its text instead of waiting for a person.
    QTextStream err(stderr);
    if (qEnvironmentVariable("VOKIRA_DIALOGS") == QLatin1String("scripted")) {
        auto scripted = std::make_unique<ScriptedDialogs>();
        scripted->echo = &err;
        setDialogs(std::move(scripted));
    }
    FirstPaintProbe probe(clock);
    if (qEnvironmentVariableIsSet("VOKIRA_EXIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(&probe);

    startProgram(arguments);
    destroyWindows();
    setDialogs(nullptr);
    return 0;
}
