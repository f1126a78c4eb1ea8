#pragma once
// Texts that the program's own features remember for the user (a CSV statement's columns, ...), each under a
// section of the program's settings key. The settings store's key vocabulary stays behind this.

#include <QString>
#include <optional>

namespace settings {
// The text stored under `name` in `section`; none when either does not exist.
std::optional<QString> ReadProgramText(const QString& section, const QString& name);
// Stores `text` under `name` in `section`, creating the section; false when the store could not take it.
bool WriteProgramText(const QString& section, const QString& name, const QString& text);
} // namespace settings
