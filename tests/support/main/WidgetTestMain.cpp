// The main of the tests of windows and widgets: the offscreen platform and the Fusion style.
#include "support/PromptScript.h"
#include "support/TestProcess.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!tallix::test::PrepareTestProcess(home))
        return 2;
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    testing::InitGoogleTest(&argc, argv);
    tallix::test::PromptScript::InstallUnexpectedGuard();
    return RUN_ALL_TESTS();
}
