#pragma once
// The amount boxes of the schedule windows: they take what the main window's amount boxes take, and read back as
// whole cents.

#include <QString>
#include <cstdint>
#include <optional>

class QLineEdit;
class QWidget;

QLineEdit* NewAmountBox(QWidget* parent, const QString& name);
// The box's amount in cents. Nothing when it is no amount a record can keep to the cent: the user has been told
// why (`refusal`, a whole sentence naming the box, with %1 for an example amount) and the box has the focus.
std::optional<int64_t> ReadAmountCents(QLineEdit* box, const QString& refusal);
