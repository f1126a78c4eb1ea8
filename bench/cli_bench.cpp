// `tallix-cli print` as a whole process (start, load, fill, sort, balance, print, exit) at 1,000, 10,000 and
// 32,766 transactions.
#include "BenchLedger.h"
#include "storage/LedgerFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

bool RunPrint(const QByteArray& path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const char* program = TALLIX_CLI_PATH;
    char* const argv[] = {const_cast<char*>(program), const_cast<char*>("print"), const_cast<char*>(path.constData()),
                          nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void CliPrint(benchmark::State& state) {
    bench::FailOnPrompt& prompts = bench::Prompts();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ledger.tlx"));
    bench::BuildLedger(int(state.range(0)));
    ledger::SetDataFileName(path);
    if (!ledger::SaveLedger()) {
        state.SkipWithError(prompts.failure.c_str());
        return;
    }
    const QByteArray file = path.toLocal8Bit();
    for (auto _ : state) {
        if (!RunPrint(file)) {
            state.SkipWithError("tallix-cli print failed");
            return;
        }
    }
}

} // namespace

BENCHMARK(CliPrint)->Arg(1000)->Arg(10000)->Arg(32766)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
