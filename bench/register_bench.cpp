// The register at 1,000, 10,000 and 32,766 transactions: building the grid, opening the window until it first
// paints, and the user's heavy actions (a date commit, the lock command, a delete, a find step, an undo). Runs
// offscreen.
#include "BenchLedger.h"
#include "ledger/Categories.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/FlexGrid.h"
#include "platform/Locale.h"
#include "platform/Prompt.h"
#include "platform/widgets/DatePicker.h"
#include "platform/widgets/FlexGridView.h"
#include "register/RegisterFind.h"
#include "register/RegisterGrid.h"
#include "ui/register/frmRegister.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>

namespace {

// Checks, payments and the other kinds in random date order over twenty years, a few of them locked.
void BuildLedger(int count) {
    ledger::NewLedger();
    ledger::SetStartingBalance(2500);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> days(0, 20 * 365);
    std::uniform_int_distribution<int> kinds(0, 5);
    std::uniform_int_distribution<int> cents(1, 500000);
    const double first = platform::DayCountFromDate(QDate(2000, 1, 1));
    int16_t check = 100;
    for (int i = 0; i < count; ++i) {
        const int kind = kinds(random);
        const double date = first + days(random);
        const float amount = float(cents(random)) / 100.0f;
        if (kind == 0)
            ledger::AddTransaction(check++, date, amount, QStringLiteral("Payee %1").arg(i % 97), 0);
        else if (kind == 5)
            ledger::AddTransaction(-1, date, amount, QStringLiteral("Payment %1").arg(i % 31), 0);
        else
            ledger::AddTransaction(0, date, amount, QStringLiteral("Entry %1").arg(i % 13), int16_t(kind));
    }
}

// Answers every message box with OK.
class AnswerOk : public platform::PromptBackend {
public:
    platform::Answer ShowMessage(const platform::MessageRequest&) override { return platform::Answer::Ok; }
    QString ShowFileDialog(const platform::FileDialogRequest&) override { return {}; }
};

class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

struct OpenRegister {
    int32_t height = 0;
    std::unique_ptr<frmRegister> window;
    platform::FlexGridView* view = nullptr;
    platform::FlexGrid* grid = nullptr;

    void Open() {
        window = std::make_unique<frmRegister>(nullptr, height);
        view = window->findChild<platform::FlexGridView*>(QStringLiteral("MSFlexGrid1"));
        grid = &view->Grid();
        PaintWatch watch;
        view->viewport()->installEventFilter(&watch);
        window->show();
        window->activateWindow();
        while (!watch.painted || QApplication::activeWindow() != window.get())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        view->viewport()->removeEventFilter(&watch);
    }
    void Settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }
    static void Key(QWidget* target, QEvent::Type type, int key) {
        const QString text = key == Qt::Key_Return  ? QStringLiteral("\r")
                             : key == Qt::Key_Space ? QStringLiteral(" ")
                                                    : QString();
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &event);
    }
};

void BM_FillSortBalances(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    for (auto _ : state) {
        // A fresh grid each round, made and dropped outside the measurement, as the window makes one per opening.
        state.PauseTiming();
        auto grid = std::make_unique<platform::FlexGrid>();
        RegisterGrid procedures(*grid);
        state.ResumeTiming();
        procedures.FillGrid();
        benchmark::DoNotOptimize(grid->TextMatrix(grid->Rows() - 1, RegisterColumn::Balance));
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

// Resident memory in kB from /proc/self/status ("VmRSS" now, "VmHWM" the peak since the last reset).
long StatusKilobytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(strlen(field)) + 1).trimmed().split(' ').value(0).toLong();
    return -1;
}

// How much the register window adds to the program's peak memory: the peak resident size while it opens and
// shows, over the resident size of the program holding the ledger just before. Runs first, in a fresh process,
// so that no memory freed by earlier rounds is reused.
void BM_RegisterPeakMemory(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    for (auto _ : state) {
        QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
        if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1) {
            state.SkipWithError("cannot reset the peak resident size");
            return;
        }
        clearRefs.close();
        const long before = StatusKilobytes("VmRSS:");
        OpenRegister reg;
        reg.Open();
        state.counters["peak_MB_above_empty"] = double(StatusKilobytes("VmHWM:") - before) / 1024.0;
        reg.window.reset();
    }
}

// Opens the register and closes it again, round after round; `lookAhead` is what the main window gives it.
void TimeOpenings(benchmark::State& state, const frmRegister::LookAhead& lookAhead = {}) {
    for (auto _ : state) {
        OpenRegister reg;
        reg.Open();
        reg.window->SetLookAhead(lookAhead);
        state.PauseTiming();
        reg.window.reset();
        state.ResumeTiming();
    }
}

void BM_OpenRegister(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    TimeOpenings(state);
}

// Every record categorised over a small tree of paths, one in ten split in two, as a ledger kept with categories has
// them.
void CategoriseAll() {
    static const char* const paths[] = {"Food:Groceries", "Utilities:Electricity", "Housing:Rent",
                                        "Car:Fuel",       "Health:Pharmacy",       "Shopping",
                                        "Insurance",      "Food:Dining out"};
    ledger::TransactionRecord record;
    int slot = 1; // the n-th record is slot n
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record), ++slot) {
        const int64_t cents = ledger::ToCents(record.Amount);
        const QString path = QString::fromLatin1(paths[slot % 8]);
        if (slot % 10 == 0 && cents > 1)
            ledger::SetCategory(int16_t(slot),
                                {{}, {{path, {}, cents / 2}, {QStringLiteral("Shopping"), {}, cents - cents / 2}}});
        else
            ledger::SetCategory(int16_t(slot), {path, {}});
    }
}

void BM_OpenCategorisedRegister(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    CategoriseAll();
    TimeOpenings(state);
}

// Every record cleared, as a ledger reconciled month after month has them.
void MarkAll() {
    for (int16_t slot = 1; slot < ledger::GetTransactionCount(); ++slot)
        ledger::SetClearMark(slot, ledger::ClearMark::Cleared);
}

void BM_OpenMarkedRegister(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    MarkAll();
    TimeOpenings(state);
}

// The register of a ledger with 50 schedules looking a year ahead: the upcoming rows filled below the grid too.
void BM_OpenScheduledRegister(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    const double today = platform::DayCountFromDate(QDate(2010, 1, 1));
    ledger::SetSchedules(bench::Schedules(today));
    TimeOpenings(state, {today, 365, 0, {}});
    ledger::SetSchedules({});
}

// Space on a row of a marked register: its mark off or on again, and the statement bar's sums followed.
void BM_ToggleMark(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    MarkAll();
    OpenRegister reg;
    reg.Open();
    reg.window->BalanceToStatement(platform::DayCountFromDate(QDate(2030, 1, 1)), 0);
    for (auto _ : state) {
        state.PauseTiming();
        reg.grid->MoveTo(reg.grid->Rows() / 2, RegisterColumn::Description);
        reg.Settle();
        state.ResumeTiming();
        OpenRegister::Key(reg.view, QEvent::KeyPress, Qt::Key_Space);
        reg.Settle();
    }
    reg.window->hide();
}

void BM_DateCommit(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    OpenRegister reg;
    reg.Open();
    auto* picker = reg.window->findChild<platform::DatePicker*>(QStringLiteral("DTPicker1"));
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        reg.grid->MoveTo(reg.grid->Rows() / 2, RegisterColumn::Date);
        reg.window->GridEdit(32);
        picker->SetValue(QDate(2005 + round % 10, 1 + round % 12, 1 + round % 28));
        ++round;
        reg.Settle();
        state.ResumeTiming();
        OpenRegister::Key(picker, QEvent::KeyPress, Qt::Key_Return);
        reg.Settle();
    }
    reg.window->hide();
}

void BM_LockCommand(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    OpenRegister reg;
    reg.Open();
    auto* lockButton = reg.window->findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state) {
        state.PauseTiming();
        reg.grid->MoveTo(reg.grid->Rows() / 2, RegisterColumn::Description);
        reg.Settle();
        state.ResumeTiming();
        lockButton->click(); // locks every row up to the middle row's date
        reg.Settle();
        state.PauseTiming();
        lockButton->click(); // unlocks for the next round
        reg.Settle();
        state.ResumeTiming();
    }
    reg.window->hide();
}

void BM_Delete(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    AnswerOk answers;
    platform::PromptBackend* previous = platform::CurrentPromptBackend();
    platform::SetPromptBackend(&answers);
    OpenRegister reg;
    reg.Open();
    for (auto _ : state) {
        state.PauseTiming();
        reg.grid->MoveTo(std::max(1, reg.grid->Rows() / 2), RegisterColumn::Description);
        reg.Settle();
        state.ResumeTiming();
        OpenRegister::Key(reg.view, QEvent::KeyRelease, Qt::Key_Delete);
        reg.Settle();
    }
    reg.window->hide();
    platform::SetPromptBackend(previous);
}

// One step of the find bar over the whole register: a text that matches nothing reads every row.
void BM_FindStep(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    platform::FlexGrid grid;
    RegisterGrid(grid).FillGrid();
    const RegisterFind find(state.range(1) == 0 ? QStringLiteral("no such payee") : QStringLiteral("12.25"));
    int at = 1;
    for (auto _ : state) {
        const std::optional<RegisterFind::Hit> hit = find.Step(grid, at, true);
        if (hit)
            at = hit->row;
        benchmark::DoNotOptimize(at);
    }
}

// Undo of a date commit (rows move back), of a delete (the row comes back) and of the lock command.
void BM_Undo(benchmark::State& state) {
    BuildLedger(int(state.range(0)));
    platform::FlexGrid grid;
    RegisterGrid procedures(grid);
    procedures.FillGrid();
    const int kind = int(state.range(1));
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int row = grid.Rows() / 2;
        if (kind == 0) {
            procedures.CommitDate(row, 36000 + round++ % 3000);
        } else if (kind == 1) {
            procedures.DeleteRecord(row);
        } else {
            grid.SetRow(row);
            procedures.ToggleLock();
        }
        state.ResumeTiming();
        if (!procedures.Undo())
            state.SkipWithError("nothing to undo");
    }
}

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(10000)->Arg(32766)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_RegisterPeakMemory)->Arg(32766)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillSortBalances)->Apply(Sizes);
BENCHMARK(BM_OpenRegister)->Apply(Sizes);
BENCHMARK(BM_OpenScheduledRegister)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMarkedRegister)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCategorisedRegister)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToggleMark)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateCommit)->Apply(Sizes);
BENCHMARK(BM_LockCommand)->Apply(Sizes);
BENCHMARK(BM_Delete)->Apply(Sizes)->Iterations(100);
BENCHMARK(BM_FindStep)->ArgNames({"rows", "match"})->Args({32766, 0})->Args({32766, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Undo)
    ->ArgNames({"rows", "kind"})
    ->Args({32766, 0})
    ->Args({32766, 1})
    ->Args({32766, 2})
    ->Iterations(50)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The environment's locale (LC_ALL=C.UTF-8, de_DE.UTF-8, ...), so that every locale's fill can be compared.
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
