#pragma once
// Answers the program's message boxes and file dialogs from a script, in order.
// A prompt the script does not expect fails the test instead of blocking it; so does an expected prompt
// that never came, when the script goes out of scope.

#include "platform/Prompt.h"

#include <QString>
#include <deque>
#include <vector>

namespace tallix::test {

class PromptScript : public platform::PromptBackend {
public:
    PromptScript();
    ~PromptScript() override;
    PromptScript(const PromptScript&) = delete;
    PromptScript& operator=(const PromptScript&) = delete;

    // Expects a message box with exactly this text (and caption), answered with `answer`.
    PromptScript& ExpectMessage(const QString& text, platform::Answer answer = platform::Answer::Ok,
                                const QString& caption = platform::ProgramTitle());
    // Expects a question with named answers and this text, answered with the answer labelled `choice`.
    PromptScript& ExpectChoice(const QString& text, const QString& choice,
                               const QString& caption = platform::ProgramTitle());
    // Expects a file dialog (Open when `open`), answered with `path` (empty = cancelled).
    PromptScript& ExpectFileDialog(bool open, const QString& path);

    // Every request seen, in order, for tests that check buttons, icons or the dialog's filter.
    const std::vector<platform::MessageRequest>& Messages() const { return messages; }
    const std::vector<platform::ChoiceRequest>& Choices() const { return choices; }
    const std::vector<platform::FileDialogRequest>& FileDialogs() const { return fileDialogs; }
    bool Done() const { return expected.empty(); }

    platform::Answer ShowMessage(const platform::MessageRequest& request) override;
    int ShowChoice(const platform::ChoiceRequest& request) override;
    QString ShowFileDialog(const platform::FileDialogRequest& request) override;

    // Between scripts, any prompt fails the running test.
    static void InstallUnexpectedGuard();

private:
    enum class Kind { Message, Choice, FileDialog };
    struct Step {
        Kind kind;
        QString text;
        QString caption;
        platform::Answer answer;
        bool open;
        QString choice;
    };
    std::deque<Step> expected;
    std::vector<platform::MessageRequest> messages;
    std::vector<platform::ChoiceRequest> choices;
    std::vector<platform::FileDialogRequest> fileDialogs;
    platform::PromptBackend* previous;
};

} // namespace tallix::test
