#pragma once
// A completion list is a popup: a click beside it would only close it, leaving the focus in the box being typed
// into, so that what the user types next for the field clicked lands in that box. The click goes on to the widget
// it was aimed at instead.

class QCompleter;

namespace platform {

void PassClicksBesideCompletion(QCompleter* completer);

} // namespace platform
