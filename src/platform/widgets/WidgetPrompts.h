#pragma once
// Shows the prompt layer's requests as real, modal QMessageBox and QFileDialog windows.

#include "platform/Prompt.h"

class QWidget;

namespace platform {

class WidgetPrompts : public PromptBackend {
public:
    Answer ShowMessage(const MessageRequest& request) override;
    int ShowChoice(const ChoiceRequest& request) override;
    QString ShowFileDialog(const FileDialogRequest& request) override;
};

} // namespace platform
