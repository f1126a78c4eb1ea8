#include "platform/widgets/WidgetPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace platform {

namespace {
QMessageBox::StandardButton ToStandard(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButtons ToStandard(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// "Check data|*.tlx" becomes Qt's "Check data (*.tlx)".
QString ToQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return entries.join(QStringLiteral(";;"));
}
} // namespace

Answer WidgetPrompts::ShowMessage(const MessageRequest& request) {
    QString text = request.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(request.icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon, request.caption, text,
                    ToStandard(request.buttons), QApplication::activeWindow());
    box.setDefaultButton(ToStandard(request.defaultButton));
    const int result = box.exec();
    switch (result) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        // Closing the box counts as its escape answer.
        return request.buttons == Buttons::YesNo ? Answer::No
               : request.buttons == Buttons::Ok  ? Answer::Ok
                                                 : Answer::Cancel;
    }
}

int WidgetPrompts::ShowChoice(const ChoiceRequest& request) {
    QString text = request.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, request.caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    std::vector<QPushButton*> buttons;
    for (int i = 0; i < request.choices.size(); ++i) {
        // The escape choice takes the reject role, so Escape and the title bar's close button choose it.
        const auto role = i == request.escapeIndex ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        buttons.push_back(box.addButton(request.choices[i], role));
    }
    if (request.defaultIndex >= 0 && request.defaultIndex < int(buttons.size()))
        box.setDefaultButton(buttons[size_t(request.defaultIndex)]);
    if (request.escapeIndex >= 0 && request.escapeIndex < int(buttons.size()))
        box.setEscapeButton(buttons[size_t(request.escapeIndex)]);
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? request.escapeIndex : int(chosen - buttons.begin());
}

QString WidgetPrompts::ShowFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // The Open dialog also takes a name that does not exist; loading reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ToQtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    dialog.setOption(QFileDialog::ReadOnly, false);
    // Replacing an existing file is not asked about.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace platform
