#pragma once

#include <functional>

class QDialog;

// The modal results the program's own windows end with.
enum ModalResult { ModalNone = 0, ModalOk = 1, ModalCancel = 2 };

// Runs one of the program's own windows modally and returns its modal result.
// Tests and unattended runs put a runner of their own in its place, which
// works the window like a user and returns without entering a modal loop.
int runModal(QDialog &window);

using ModalRunner = std::function<int(QDialog &)>;
// An empty runner restores the real one; returns the previous runner.
ModalRunner setModalRunner(ModalRunner runner);
