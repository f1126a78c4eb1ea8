#pragma once
// How far each check stock format's fields are moved on this user's printer, in 1/100 inch, kept in the program's
// settings (section "CheckOffsets", one value pair per format name).

#include <QString>

namespace settings {

struct StoredCheckOffset {
    int right = 0; // negative: to the left
    int down = 0;  // negative: up
    bool operator==(const StoredCheckOffset&) const = default;
};
// Offsets beyond an inch either way are no misalignment a printer makes.
constexpr int MaxCheckOffset = 100;

// The stored offset of `format`; zero where none is stored or a stored one is out of range.
StoredCheckOffset ReadCheckOffset(const QString& format);
// False when the store could not take it or it is out of range.
bool WriteCheckOffset(const QString& format, StoredCheckOffset offset);

} // namespace settings
