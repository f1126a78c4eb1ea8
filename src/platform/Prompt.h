#pragma once
// The one way the program asks the user something: message boxes and the Open/Save file dialog.
// The GUI installs a backend that shows real dialogs; tests install a script that answers them.

#include "platform/Result.h"

#include <QString>
#include <QStringList>

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

// A question whose answers are named by the program ("Open Read-Only", "Cancel"): the answer is the index of
// the chosen label; closing the box chooses `escapeIndex`.
struct ChoiceRequest {
    QString text; // may hold carriage returns (character 13) as line breaks
    QString caption;
    QStringList choices;
    int defaultIndex = 0;
    int escapeIndex = 0;
};

struct FileDialogRequest {
    bool open = true;         // Open dialog, else Save dialog
    QString defaultExtension; // without the dot, e.g. "tlx"
    QString filter;           // "Description|pattern", e.g. "Check data|*.tlx"
    QString folder;           // where the dialog starts; empty: the working folder
};

class PromptBackend {
public:
    virtual ~PromptBackend() = default;
    virtual Answer ShowMessage(const MessageRequest& request) = 0;
    // A backend that cannot ask (the terminal) answers with the escape choice.
    virtual int ShowChoice(const ChoiceRequest& request) { return request.escapeIndex; }
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
// True when `result` succeeded; otherwise its text was shown in a message box with the program's title.
template <class T, class CodeType> bool ShowIfFailed(const Result<T, CodeType>& result) {
    if (!result)
        MsgBox(result.Error());
    return result.Ok();
}
// The index of the chosen label; without a backend, the escape choice.
int Choose(const QString& text, const QStringList& choices, int defaultIndex, int escapeIndex,
           const QString& caption = ProgramTitle());
// A chosen name without an extension gets ".defaultExtension", as the dialog's default extension does.
QString ShowFileDialog(bool open, const QString& defaultExtension, const QString& filter,
                       const QString& folder = QString());

} // namespace platform
