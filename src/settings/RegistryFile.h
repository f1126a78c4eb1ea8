#pragma once
// The settings store's file format: a Windows registry export (REGEDIT4) in UTF-8.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Morvane Freeware\Tallix\Settings]
//   "UserName"="Jo \"JB\" Brown"       REG_SZ whose bytes are a plain text and one closing NUL
//   "Height"=dword:0000012c            REG_DWORD of 4 bytes
//   "Flag"=hex:01                      REG_BINARY
//   @=hex(1):41,00,42,00               any other type, or a REG_SZ whose bytes are no plain text
//
// Both roots, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT, live in the one file as full key paths. Every value keeps
// its registry type and its bytes; REG_SZ bytes are UTF-8. Key paths and value names compare without
// regard to case. Parsing a file and writing it out again gives a file that parses to the same hive.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace settings {

enum RegistryType : uint32_t { RegNone = 0, RegSz = 1, RegExpandSz = 2, RegBinary = 3, RegDword = 4 };

struct RegistryValue {
    QString name; // empty for the key's default value
    uint32_t type = RegNone;
    QByteArray data;

    bool operator==(const RegistryValue&) const = default;
};

class RegistryKey {
public:
    explicit RegistryKey(const QString& path) : path(path) {}

    // Full path from the root, e.g. "HKEY_CLASSES_ROOT\TallixFile\shell".
    const QString& Path() const { return path; }
    const std::vector<RegistryValue>& Values() const { return values; }
    const RegistryValue* FindValue(const QString& name) const;
    // Creates or replaces the value; a replaced value keeps the spelling of its name.
    void SetValue(const RegistryValue& value);

    bool operator==(const RegistryKey& other) const { return path == other.path && values == other.values; }

private:
    QString path;
    std::vector<RegistryValue> values;
    QHash<QString, size_t> index; // case-folded name -> position in values
};

// The keys of both roots that were created or hold values, in file order. Their parents are not listed: a key
// exists when it is listed or has a listed key below it, and a root always exists.
class RegistryHive {
public:
    // Only listed keys.
    const RegistryKey* FindKey(const QString& path) const;
    RegistryKey* FindKey(const QString& path);
    bool KeyExists(const QString& path) const;
    // Lists the key, which makes its parents exist too. `path` must be canonical (CanonicalKeyPath).
    RegistryKey& CreateKey(const QString& path);
    const std::vector<RegistryKey>& Keys() const { return keys; }

    bool operator==(const RegistryHive& other) const { return keys == other.keys; }

private:
    std::vector<RegistryKey> keys;
    QHash<QString, size_t> index; // case-folded path -> position in keys
};

inline constexpr int MaxKeyNameLength = 255;
inline constexpr int MaxValueNameLength = 16383;

// A full key path is a root (HKEY_CURRENT_USER or HKEY_CLASSES_ROOT, any case) followed by names of 1 to 255
// characters without control characters, each after one backslash. Gives the path with the root spelled in capitals,
// or nothing when it is not a valid path.
std::optional<QString> CanonicalKeyPath(const QString& path);
// At most 16383 characters and no control characters (they could not be written to the file).
bool IsValidValueName(const QString& name);

// Nothing when the bytes are not a registry file. An empty file (or one of blank lines only) is an empty hive.
std::optional<RegistryHive> ParseRegistryFile(const QByteArray& bytes);
QByteArray SerializeRegistryFile(const RegistryHive& hive);

} // namespace settings
