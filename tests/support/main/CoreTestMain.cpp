// The main of the tests of code that links QtCore only: no GUI is started, so none can be used by accident.
#include "support/PromptScript.h"
#include "support/TestProcess.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!tallix::test::PrepareTestProcess(home))
        return 2;
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    tallix::test::PromptScript::InstallUnexpectedGuard();
    return RUN_ALL_TESTS();
}
