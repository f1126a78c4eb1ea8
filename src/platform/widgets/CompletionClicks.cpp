#include "platform/widgets/CompletionClicks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QMouseEvent>

namespace platform {

namespace {

// Installed after the completer's own filter, so it sees the press first.
class ClickBesidePopup : public QObject {
public:
    explicit ClickBesidePopup(QWidget* popup) : QObject(popup), popup(popup) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != popup || event->type() != QEvent::MouseButtonPress)
            return false;
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPointF global = press->globalPosition();
        if (popup->rect().contains(popup->mapFromGlobal(global).toPoint()))
            return false;
        popup->hide();
        QWidget* target = QApplication::widgetAt(global.toPoint());
        if (!target)
            return true;
        // As a click of the user's would: the focus to the first widget up from the target that takes it.
        for (QWidget* w = target; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
                w->setFocus(Qt::MouseFocusReason);
                break;
            }
        }
        QMouseEvent replay(QEvent::MouseButtonPress, target->mapFromGlobal(global), global, press->button(),
                           press->buttons(), press->modifiers());
        QApplication::sendEvent(target, &replay);
        return true;
    }

private:
    QWidget* popup;
};

} // namespace

void PassClicksBesideCompletion(QCompleter* completer) {
    QWidget* popup = completer->popup();
    popup->installEventFilter(new ClickBesidePopup(popup));
}

} // namespace platform
