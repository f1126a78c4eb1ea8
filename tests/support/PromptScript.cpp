#include "support/PromptScript.h"

#include <gtest/gtest.h>

namespace tallix::test {

namespace {
std::string Show(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return shown.toStdString();
}

class UnexpectedGuard : public platform::PromptBackend {
public:
    platform::Answer ShowMessage(const platform::MessageRequest& request) override {
        ADD_FAILURE() << "unexpected message box: " << Show(request.text);
        return platform::Answer::Cancel;
    }
    int ShowChoice(const platform::ChoiceRequest& request) override {
        ADD_FAILURE() << "unexpected question: " << Show(request.text);
        return request.escapeIndex;
    }
    QString ShowFileDialog(const platform::FileDialogRequest& request) override {
        ADD_FAILURE() << "unexpected file dialog (" << (request.open ? "open" : "save") << ")";
        return {};
    }
};
} // namespace

PromptScript::PromptScript() : previous(platform::CurrentPromptBackend()) {
    platform::SetPromptBackend(this);
}

PromptScript::~PromptScript() {
    platform::SetPromptBackend(previous);
    for (const Step& step : expected)
        ADD_FAILURE() << "expected prompt never shown: "
                      << (step.kind == Kind::FileDialog ? std::string("file dialog") : Show(step.text));
}

PromptScript& PromptScript::ExpectMessage(const QString& text, platform::Answer answer, const QString& caption) {
    expected.push_back({Kind::Message, text, caption, answer, false, {}});
    return *this;
}

PromptScript& PromptScript::ExpectChoice(const QString& text, const QString& choice, const QString& caption) {
    expected.push_back({Kind::Choice, text, caption, platform::Answer::Ok, false, choice});
    return *this;
}

PromptScript& PromptScript::ExpectFileDialog(bool open, const QString& path) {
    expected.push_back({Kind::FileDialog, path, {}, platform::Answer::Ok, open, {}});
    return *this;
}

platform::Answer PromptScript::ShowMessage(const platform::MessageRequest& request) {
    messages.push_back(request);
    if (expected.empty() || expected.front().kind != Kind::Message) {
        ADD_FAILURE() << "unexpected message box: " << Show(request.text);
        return platform::Answer::Cancel;
    }
    const Step step = expected.front();
    expected.pop_front();
    EXPECT_EQ(Show(request.text), Show(step.text));
    EXPECT_EQ(request.caption.toStdString(), step.caption.toStdString());
    return step.answer;
}

int PromptScript::ShowChoice(const platform::ChoiceRequest& request) {
    choices.push_back(request);
    if (expected.empty() || expected.front().kind != Kind::Choice) {
        ADD_FAILURE() << "unexpected question: " << Show(request.text);
        return request.escapeIndex;
    }
    const Step step = expected.front();
    expected.pop_front();
    EXPECT_EQ(Show(request.text), Show(step.text));
    EXPECT_EQ(request.caption.toStdString(), step.caption.toStdString());
    const int index = int(request.choices.indexOf(step.choice));
    EXPECT_GE(index, 0) << "no answer labelled " << step.choice.toStdString();
    return index >= 0 ? index : request.escapeIndex;
}

QString PromptScript::ShowFileDialog(const platform::FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (expected.empty() || expected.front().kind != Kind::FileDialog) {
        ADD_FAILURE() << "unexpected file dialog (" << (request.open ? "open" : "save") << ")";
        return {};
    }
    const Step step = expected.front();
    expected.pop_front();
    EXPECT_EQ(request.open, step.open);
    return step.text;
}

void PromptScript::InstallUnexpectedGuard() {
    static UnexpectedGuard guard;
    platform::SetPromptBackend(&guard);
}

} // namespace tallix::test
