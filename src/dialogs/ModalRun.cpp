#include "dialogs/ModalRun.h"

#include <QDialog>

namespace {

ModalRunner &runnerSlot()
{
    static ModalRunner runner;
    return runner;
}

} // namespace

int runModal(QDialog &window)
{
    if (const ModalRunner &runner = runnerSlot())
        return runner(window);
    return window.exec();
}

ModalRunner setModalRunner(ModalRunner runner)
{
    ModalRunner previous = std::move(runnerSlot());
    runnerSlot() = std::move(runner);
    return previous;
}
