#pragma once
// The one way the program asks the user something: message boxes and the Open/Save file dialog.
// The GUI installs a backend that shows real dialogs; tests install a script that answers them.

#include <QString>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text; // may hold carriage returns (character 13) as line breaks
    QString caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

struct FileDialogRequest {
    bool open = true;         // Open dialog, else Save dialog
    QString defaultExtension; // without the dot, e.g. "tlx"
    QString filter;           // "Description|pattern", e.g. "Check data|*.tlx"
};

class PromptBackend {
public:
    virtual ~PromptBackend() = default;
    virtual Answer ShowMessage(const MessageRequest& request) = 0;
    // The chosen path, or empty when the user cancelled.
    virtual QString ShowFileDialog(const FileDialogRequest& request) = 0;
};

// Not owned. With no backend installed, messages go to stderr and every question is answered as cancelled.
void SetPromptBackend(PromptBackend* backend);
PromptBackend* CurrentPromptBackend();

// The program's title, the caption of its message boxes.
inline QString ProgramTitle() {
    return QStringLiteral("Tallix");
}

Answer MsgBox(const QString& text, Buttons buttons = Buttons::Ok, const QString& caption = ProgramTitle(),
              Icon icon = Icon::None, Answer defaultButton = Answer::Ok);
// A chosen name without an extension gets ".defaultExtension", as the dialog's default extension does.
QString ShowFileDialog(bool open, const QString& defaultExtension, const QString& filter);

} // namespace platform
