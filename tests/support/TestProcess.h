#pragma once
// What every test binary does before its first case: a home of its own (a temporary HOME, XDG folders and
// settings store), US English, the offscreen platform, and the prompt script as the only way to answer a message
// box or file dialog.

#include <QTemporaryDir>

namespace tallix::test {
// Points the environment at `home`; false when it could not be made.
bool PrepareTestProcess(const QTemporaryDir& home);
} // namespace tallix::test
