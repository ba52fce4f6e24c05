#include "app/FileType.h"
#include "app/Program.h"
#include "platform/Application.h"

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // A file of no known type ends the program at once, without a window
    // and without a message: nothing is started for it.
    if (!arguments.isEmpty() &&
        detectFileType(arguments.constFirst()) == QLatin1String("not_known"))
        return 0;
    if (!checkDisplay())
        return 1;
    Application app(argc, argv);
    return runProgram(app, arguments);
}
