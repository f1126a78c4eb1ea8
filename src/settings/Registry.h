#pragma once
// All access to the settings store goes through this class. An instance opens (or creates) one key, reads or
// writes named values in it, and closes it again within one event handler.
//
// Behind it is one REGEDIT4-style text file holding both roots as full key paths (see RegistryFile.h and
// RegistryStore.h). Every value keeps its registry type and bytes, so the read rules below hold exactly:
//  - The stored type is never checked by a read.
//  - GetBoolean reads at most 1 byte: a longer value fails and yields Default; a 1-byte value is true unless 0.
//  - GetLong reads at most 4 bytes: a longer value fails and yields Default. A shorter value overwrites only as many
//    low-order bytes of What as it has, the rest of What stays as it was.
//  - GetStr reads any length, cuts at the first NUL and converts from UTF-8.
//  - SaveBoolean writes REG_BINARY 01/00, SaveLong REG_DWORD (4 bytes little-endian), SaveStr REG_SZ: the text in
//    UTF-8, the system's multibyte encoding, and one NUL.
// Reads and writes fail when no key is open, or when the key was opened without read (KEY_QUERY_VALUE) or write
// (KEY_SET_VALUE) access. No operation shows a message; every failure is only the Boolean result.

#include <QString>
#include <cstdint>

class Registry {
public:
    static constexpr uint32_t HKEY_CLASSES_ROOT = 0x80000000u;
    static constexpr uint32_t HKEY_CURRENT_USER = 0x80000001u;
    static constexpr uint32_t KEY_READ = 0x20019u;
    static constexpr uint32_t KEY_ALL_ACCESS = 0xF003Fu;

    // Creates or opens Location (+ "\" + Section when given) below the root `key`, missing parents included.
    bool RegCreate(const QString& Location, const QString& Section = QString(), uint32_t key = 0);
    // Opens an existing key; fails when it does not exist.
    bool RegOpen(uint32_t handle, const QString& Location, uint32_t access = 0);
    void RegClose();

    bool GetBoolean(const QString& Where, bool& What, bool Default = false);
    bool SaveBoolean(const QString& Where, bool What);
    bool GetLong(const QString& Where, int32_t& What, int32_t Default = 0);
    bool SaveLong(const QString& Where, int32_t What);
    bool GetStr(const QString& Where, QString& What, const QString& Default = QString());
    bool SaveStr(const QString& Where, const QString& What);

private:
    bool OpenedWith(uint32_t right) const;
    bool SetValue(const QString& Where, uint32_t type, const QByteArray& data);

    // The open key as a full path ("HKEY_CURRENT_USER\Software\..."); empty while no key is open.
    QString KeyHandle;
    uint32_t keyAccess = 0;
};
