#pragma once

#include <QStringList>

class Application;

// Everything the program does between the application object's creation and
// the end: returns the exit status.
int runProgram(Application &app, const QStringList &arguments);

// Whether the program can start at all; prints why not and returns false.
bool checkDisplay();
