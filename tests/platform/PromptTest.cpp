#include "platform/Prompt.h"
#include "support/PromptScript.h"

#include <gtest/gtest.h>

using namespace platform;
using tallix::test::PromptScript;

TEST(Prompt, MessageBoxesReachTheInstalledBackendWithTheProgramTitle) {
    PromptScript script;
    script.ExpectMessage(QStringLiteral("Save Data?"), Answer::No);
    EXPECT_EQ(MsgBox(QStringLiteral("Save Data?"), Buttons::YesNoCancel, ProgramTitle(), Icon::None, Answer::Yes),
              Answer::No);
    ASSERT_EQ(script.Messages().size(), 1u);
    EXPECT_EQ(script.Messages()[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(script.Messages()[0].defaultButton, Answer::Yes);
}

TEST(Prompt, FileDialogAddsTheDefaultExtensionToANameWithoutOne) {
    PromptScript script;
    script.ExpectFileDialog(false, QStringLiteral("/tmp/ledger"));
    script.ExpectFileDialog(true, QStringLiteral("/tmp/ledger.dat"));
    script.ExpectFileDialog(true, QString());
    EXPECT_EQ(ShowFileDialog(false, QStringLiteral("tlx"), QStringLiteral("Check data|*.tlx")),
              QStringLiteral("/tmp/ledger.tlx"));
    EXPECT_EQ(ShowFileDialog(true, QStringLiteral("tlx"), QStringLiteral("Check data|*.tlx")),
              QStringLiteral("/tmp/ledger.dat"));
    EXPECT_EQ(ShowFileDialog(true, QStringLiteral("tlx"), QStringLiteral("Check data|*.tlx")), QString());
    ASSERT_EQ(script.FileDialogs().size(), 3u);
    EXPECT_EQ(script.FileDialogs()[0].filter, QStringLiteral("Check data|*.tlx"));
    EXPECT_FALSE(script.FileDialogs()[0].open);
}

TEST(Prompt, WithoutABackendQuestionsCountAsCancelled) {
    PromptBackend* saved = CurrentPromptBackend();
    SetPromptBackend(nullptr);
    const Answer yesNo = MsgBox(QStringLiteral("Associate?"), Buttons::YesNo);
    const Answer three = MsgBox(QStringLiteral("Save Data?"), Buttons::YesNoCancel);
    const QString path = ShowFileDialog(true, QStringLiteral("tlx"), QString());
    SetPromptBackend(saved);
    EXPECT_EQ(yesNo, Answer::No);
    EXPECT_EQ(three, Answer::Cancel);
    EXPECT_TRUE(path.isEmpty());
}
