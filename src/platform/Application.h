#pragma once

#include <QApplication>

#include <functional>

// The application object. An exception escaping an event handler is caught
// here and handed to the program's handler, so that the program goes on.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Installed by the main window's initialisation.
    static void setUnhandledErrorHandler(std::function<void(const QString &)> handler);
    static void reportUnhandledError(const QString &what);
};
