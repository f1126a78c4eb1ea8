#pragma once
// The loader reports its failures as message boxes; on the terminal they become one line on stderr.

#include "platform/Prompt.h"

#include <QTextStream>

namespace cli {

class TerminalPrompts : public platform::PromptBackend {
public:
    explicit TerminalPrompts(QTextStream& err) : err(err) {}
    platform::Answer ShowMessage(const platform::MessageRequest& request) override {
        QString text = request.text;
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        err << "tallix-cli: " << request.caption << ": " << text << "\n";
        err.flush();
        return platform::Answer::Cancel;
    }
    QString ShowFileDialog(const platform::FileDialogRequest&) override { return {}; }

private:
    QTextStream& err;
};

} // namespace cli
