// LoadLedger and SaveLedger at 1,000, 10,000 and 32,766 transactions.
// "Disk" runs in the temporary folder (TMPDIR) on the ordinary file system and includes every fsync a save makes (data
// file, folder, lock file); "Memory" runs on /dev/shm, where fsync costs nothing, and so shows the program's own share.
// FsyncOnly measures what the disk adds: writing and syncing a file of the same size. Marked: every transaction is
// cleared or reconciled, so the ledger has its companion file of marks, which the save writes and the load reads.
#include "BenchLedger.h"
#include "formats/LedgerFormat.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerState.h"
#include "platform/Prompt.h"
#include "storage/LedgerFile.h"
#include "storage/Recovery.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <unistd.h>

namespace {

using bench::BuildLedger;
using bench::FailOnPrompt;
using bench::Prompts;

std::unique_ptr<QTemporaryDir> Folder(bool memory) {
    if (memory)
        return std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/ledger_bench-XXXXXX"));
    return std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/ledger_bench-XXXXXX"));
}

void MarkEveryTransaction(int transactions) {
    for (int slot = 1; slot <= transactions; ++slot)
        ledger::SetClearMark(int16_t(slot), slot % 3 ? ledger::ClearMark::Cleared : ledger::ClearMark::Reconciled);
}

void LoadLedgerBench(benchmark::State& state, bool memory, bool marked = false) {
    FailOnPrompt& prompts = Prompts();
    const auto dir = Folder(memory);
    BuildLedger(int(state.range(0)));
    if (marked)
        MarkEveryTransaction(int(state.range(0)));
    ledger::SetDataFileName(dir->filePath(QStringLiteral("bench.tlx")));
    if (!ledger::SaveLedger())
        state.SkipWithError("could not write the ledger to load");
    for (auto _ : state) {
        if (!ledger::LoadLedger()) {
            state.SkipWithError(prompts.failure.c_str());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * (state.range(0) + 1) * ledger::RecordSize);
}

void SaveLedgerBench(benchmark::State& state, bool memory, bool marked = false) {
    FailOnPrompt& prompts = Prompts();
    const auto dir = Folder(memory);
    BuildLedger(int(state.range(0)));
    if (marked)
        MarkEveryTransaction(int(state.range(0)));
    ledger::SetDataFileName(dir->filePath(QStringLiteral("bench.tlx")));
    for (auto _ : state) {
        ledger::SetModified();
        if (!ledger::SaveLedger()) {
            state.SkipWithError(prompts.failure.c_str());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * (state.range(0) + 1) * ledger::RecordSize);
}

void BM_LoadLedger_Disk(benchmark::State& state) {
    LoadLedgerBench(state, false);
}
void BM_LoadLedger_Memory(benchmark::State& state) {
    LoadLedgerBench(state, true);
}
void BM_SaveLedger_Disk(benchmark::State& state) {
    SaveLedgerBench(state, false);
}
void BM_SaveLedger_Memory(benchmark::State& state) {
    SaveLedgerBench(state, true);
}
void BM_LoadMarkedLedger_Disk(benchmark::State& state) {
    LoadLedgerBench(state, false, true);
}
void BM_LoadMarkedLedger_Memory(benchmark::State& state) {
    LoadLedgerBench(state, true, true);
}
void BM_SaveMarkedLedger_Disk(benchmark::State& state) {
    SaveLedgerBench(state, false, true);
}
void BM_SaveMarkedLedger_Memory(benchmark::State& state) {
    SaveLedgerBench(state, true, true);
}

// The codec alone, on a buffer: encoding and decoding 64-byte records.
void BM_WriteLedger_Buffer(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    QByteArray bytes;
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly | QIODevice::Truncate);
        benchmark::DoNotOptimize(ledger::WriteLedger(buffer, ledger::State()));
    }
}

void BM_ReadLedger_Buffer(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ledger::WriteLedger(out, ledger::State());
    const QByteArray bytes = out.data();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ledger::LedgerState loaded;
        benchmark::DoNotOptimize(ledger::ReadLedger(buffer, loaded));
    }
}

// What the disk charges for making a file of this size durable.
void BM_FsyncOnly_Disk(benchmark::State& state) {
    const auto dir = Folder(false);
    const QByteArray bytes((state.range(0) + 1) * ledger::RecordSize, 'x');
    QFile file(dir->filePath(QStringLiteral("sync.bin")));
    for (auto _ : state) {
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.flush();
        ::fsync(file.handle());
        file.close();
    }
}

// The recovery journal on the ordinary file system: Append is one change as the window makes it (an Add, a
// delete), written and synced before the window goes on; RegisterEdit is one cell committed in the register, which
// goes to the journal before its write-back; WriteBack is the register's close with every row changed, one entry
// and one sync for all of them.
enum class JournalLoad { Append, RegisterEdit, WriteBack };
void JournalBench(benchmark::State& state, JournalLoad load) {
    FailOnPrompt& prompts = Prompts();
    const auto dir = Folder(false);
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir->path()));
    const int rows = int(state.range(0));
    BuildLedger(rows);
    ledger::SetRecoveryJournal(true);
    ledger::UpdateTransaction(1, 1, 40000, 1, QStringLiteral("the journal begins"), false);
    ledger::TransactionRecord edited{ledger::CheckOrPayment, 1, 40000, 3,
                                     ledger::FixDescription(QStringLiteral("edited"))};
    for (auto _ : state) {
        if (load == JournalLoad::RegisterEdit) {
            ledger::JournalPendingRecord(int16_t(rows / 2), edited);
            continue;
        }
        const ledger::ChangeBatch batch;
        for (int slot = 1; slot <= (load == JournalLoad::WriteBack ? rows : 1); ++slot)
            ledger::UpdateTransaction(int16_t(slot), 1, 40000, 2, QStringLiteral("changed"), false);
    }
    if (!prompts.failure.empty())
        state.SkipWithError(prompts.failure.c_str());
    ledger::SetRecoveryJournal(false);
    ledger::NewLedger();
}
void BM_JournalAppend_Disk(benchmark::State& state) {
    JournalBench(state, JournalLoad::Append);
}
void BM_JournalRegisterEdit_Disk(benchmark::State& state) {
    JournalBench(state, JournalLoad::RegisterEdit);
}
void BM_JournalWriteBack_Disk(benchmark::State& state) {
    JournalBench(state, JournalLoad::WriteBack);
}

#define LEDGER_SIZES ->Arg(1000)->Arg(10000)->Arg(32766)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_LoadLedger_Disk) LEDGER_SIZES;
BENCHMARK(BM_LoadLedger_Memory) LEDGER_SIZES;
BENCHMARK(BM_SaveLedger_Disk) LEDGER_SIZES;
BENCHMARK(BM_SaveLedger_Memory) LEDGER_SIZES;
BENCHMARK(BM_LoadMarkedLedger_Disk)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMarkedLedger_Memory)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveMarkedLedger_Disk)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveMarkedLedger_Memory)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLedger_Buffer) LEDGER_SIZES;
BENCHMARK(BM_WriteLedger_Buffer) LEDGER_SIZES;
BENCHMARK(BM_FsyncOnly_Disk) LEDGER_SIZES;
BENCHMARK(BM_JournalAppend_Disk)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JournalRegisterEdit_Disk)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JournalWriteBack_Disk)->Arg(32766)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
