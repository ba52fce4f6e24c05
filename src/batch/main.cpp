#include "batch/BatchTool.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    // The batch tool never opens a window: it draws offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runBatch(app.arguments().mid(1), out, err);
}
