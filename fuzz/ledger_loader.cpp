// Arbitrary bytes as a data file: the in-memory reader must refuse or load them without a crash, a hang or a
// leak, a loaded ledger must write back the same bytes, and LoadLedger on the same bytes as a file must agree
// with the reader and leave the store untouched when it refuses.
#include "formats/LedgerFormat.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerState.h"
#include "platform/Prompt.h"
#include "storage/LedgerFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstring>

namespace {

class SilentPrompts : public platform::PromptBackend {
public:
    platform::Answer ShowMessage(const platform::MessageRequest&) override { return platform::Answer::Ok; }
    QString ShowFileDialog(const platform::FileDialogRequest&) override { return {}; }
};

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

QByteArray Written(const ledger::LedgerState& state) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    Require(ledger::WriteLedger(out, state));
    return out.data();
}

// A small ledger that a refused load must leave exactly as it is.
void StartLedger(const QString& path) {
    ledger::NewLedger();
    ledger::SetStartingBalance(10);
    ledger::AddTransaction(7, 40000, 1.5f, QStringLiteral("before"), ledger::CheckOrPayment);
    ledger::AddTransaction(0, 40001, 2, QStringLiteral("gone"), ledger::Fee);
    ledger::DeleteTransaction(2);
    ledger::SetLockDate(39000);
    ledger::SetDataFileName(path);
}

// The file lives on a memory file system when there is one: the lock file is synced on every load.
QString FuzzFolder() {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/ledger_fuzz-XXXXXX")
                                                                       : QDir::tempPath() + "/ledger_fuzz-XXXXXX");
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentPrompts prompts;
    platform::SetPromptBackend(&prompts);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    QBuffer input;
    input.setData(bytes);
    input.open(QIODevice::ReadOnly);
    ledger::LedgerState read;
    const bool readable = ledger::ReadLedger(input, read) == ledger::ReadResult::Loaded;
    QByteArray canonical;
    if (readable) {
        Require(read.NextSlot >= 1 && read.NextSlot == read.LiveCount && read.UpperBound() == read.NextSlot + 52);
        canonical = Written(read);
        const qsizetype length = qsizetype(read.NextSlot) * ledger::RecordSize;
        Require(canonical.size() == length && bytes.size() >= length);
        // Only the header text is rewritten (to its plain, unspaced form).
        Require(std::memcmp(canonical.constData(), bytes.constData(), 16) == 0);
        Require(canonical.mid(16, 46) == QByteArray(ledger::HeaderText).leftJustified(46, ' '));
        Require(std::memcmp(canonical.constData() + 62, bytes.constData() + 62, length - 62) == 0);
    }

    const QString path = FuzzFolder() + QStringLiteral("/input.tlx");
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Require(file.write(bytes) == bytes.size());
    }
    StartLedger(path);
    const QByteArray before = Written(ledger::State());
    const int32_t nextSlot = ledger::State().NextSlot;
    const bool loaded = ledger::LoadLedger();
    Require(loaded == readable);
    if (loaded) {
        Require(Written(ledger::State()) == canonical);
        Require(ledger::IsModified() && ledger::GetDataFileName() == path);
    } else {
        Require(Written(ledger::State()) == before && ledger::State().NextSlot == nextSlot && ledger::IsModified());
    }
    return 0;
}
