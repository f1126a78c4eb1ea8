#include "platform/Prompt.h"

#include <QFileInfo>
#include <cstdio>

namespace platform {

namespace {
PromptBackend* installedBackend = nullptr;

Answer CancelledAnswer(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
} // namespace

void SetPromptBackend(PromptBackend* backend) {
    installedBackend = backend;
}
PromptBackend* CurrentPromptBackend() {
    return installedBackend;
}

Answer MsgBox(const QString& text, Buttons buttons, const QString& caption, Icon icon, Answer defaultButton) {
    MessageRequest request{text, caption, buttons, icon, defaultButton};
    if (installedBackend)
        return installedBackend->ShowMessage(request);
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(line));
    return CancelledAnswer(buttons);
}

int Choose(const QString& text, const QStringList& choices, int defaultIndex, int escapeIndex, const QString& caption) {
    const ChoiceRequest request{text, caption, choices, defaultIndex, escapeIndex};
    if (installedBackend)
        return installedBackend->ShowChoice(request);
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(line));
    return escapeIndex;
}

QString ShowFileDialog(bool open, const QString& defaultExtension, const QString& filter, const QString& folder) {
    if (!installedBackend)
        return {};
    QString path = installedBackend->ShowFileDialog({open, defaultExtension, filter, folder});
    if (!path.isEmpty() && !defaultExtension.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + defaultExtension;
    return path;
}

} // namespace platform
