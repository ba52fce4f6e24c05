#include "platform/Application.h"

#include <QDebug>

#include <exception>

namespace {

std::function<void(const QString &)> &handlerSlot()
{
    static std::function<void(const QString &)> handler;
    return handler;
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        reportUnhandledError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportUnhandledError(QStringLiteral("unknown error"));
    }
    return false;
}

void Application::setUnhandledErrorHandler(std::function<void(const QString &)> handler)
{
    handlerSlot() = std::move(handler);
}

void Application::reportUnhandledError(const QString &what)
{
    if (handlerSlot())
        handlerSlot()(what);
    else
        qCritical().noquote() << "unhandled error:" << what;
}
