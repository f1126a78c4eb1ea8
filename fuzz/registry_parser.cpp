// Feeds arbitrary bytes to the settings file parser. Whatever parses must write out to a file that parses to the
// same hive, so a value can never change on its way through the store.
#include "settings/RegistryFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<settings::RegistryHive> hive = settings::ParseRegistryFile(bytes);
    if (!hive)
        return 0;
    const std::optional<settings::RegistryHive> again =
        settings::ParseRegistryFile(settings::SerializeRegistryFile(*hive));
    if (!again || !(*again == *hive))
        std::abort();
    return 0;
}
