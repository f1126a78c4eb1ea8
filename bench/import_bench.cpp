// Importing a 5,000-line statement into a 30,000-transaction ledger, duplicate check included: half the lines
// repeat records already in the ledger (with the bank's longer payee), half are new. Reading the statement as QIF,
// and an OFX statement of 32,766 transactions, are measured on their own.
#include "BenchLedger.h"
#include "import/ImportPlan.h"
#include "import/Statement.h"
#include "ledger/Ledger.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int LedgerSize = 30000;
constexpr int StatementSize = 5000;

std::vector<import::StatementLine> Statement() {
    std::vector<import::StatementLine> lines;
    ledger::TransactionRecord r;
    int i = 0;
    for (bool more = ledger::FirstTransaction(r); more && i < StatementSize / 2;
         more = ledger::NextTransaction(r), ++i) {
        const int64_t cents = ledger::ToCents(r.Amount);
        import::StatementLine line;
        line.date = r.Date + i % 3;
        line.cents = ledger::IsCredit(r.TypeCode) ? cents : -cents;
        line.payee = r.Description.trimmed().toUpper() + QStringLiteral(" CARD 4411");
        line.source = i + 1;
        lines.push_back(line);
    }
    for (; i < StatementSize; ++i) {
        import::StatementLine line;
        line.date = 50000 + i % 90;
        line.cents = -(100 + i % 500) * 100 - 17;
        line.payee = QStringLiteral("New shop %1").arg(i % 40);
        line.bankId = QStringLiteral("ID%1").arg(i);
        line.source = i + 1;
        lines.push_back(line);
    }
    return lines;
}

void BM_PlanAndApply(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        bench::BuildLedger(LedgerSize);
        ledger::SetLockDate(0);
        const std::vector<import::StatementLine> lines = Statement();
        state.ResumeTiming();
        const import::ImportPlan plan = import::PlanImport(lines);
        QString error;
        if (!import::ApplyPlan(plan, error) || plan.Count(import::PlanKind::Duplicate) != StatementSize / 2)
            state.SkipWithError("the plan is not what the statement holds");
        benchmark::DoNotOptimize(plan);
    }
}

void BM_ReadQif(benchmark::State& state) {
    QByteArray qif = "!Type:Bank\n";
    for (int i = 0; i < StatementSize; ++i)
        qif += QStringLiteral("D%1/%2/2024\nT-%3.45\nN%4\nPShop number %5\nMmemo\n^\n")
                   .arg(1 + i % 12)
                   .arg(1 + i % 28)
                   .arg(i % 900)
                   .arg(i % 30000 + 1)
                   .arg(i)
                   .toUtf8();
    for (auto _ : state) {
        const import::ReadResult result = import::ReadQif(qif);
        if (result.lines.size() != StatementSize)
            state.SkipWithError("not every line was read");
        benchmark::DoNotOptimize(result);
    }
}

// An OFX statement of as many transactions as a ledger holds.
void BM_ReadOfx(benchmark::State& state) {
    QByteArray ofx = "OFXHEADER:100\nDATA:OFXSGML\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\n";
    for (int i = 0; i < ledger::MaxSlots - 1; ++i)
        ofx +=
            QStringLiteral("<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>2024%1%2<TRNAMT>-%3.45<FITID>F%4<NAME>Shop %5</STMTTRN>\n")
                .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                .arg(i % 900)
                .arg(i)
                .arg(i % 500)
                .toUtf8();
    ofx += "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    for (auto _ : state) {
        const import::ReadResult result = import::ReadOfx(ofx);
        if (result.lines.size() != size_t(ledger::MaxSlots - 1))
            state.SkipWithError("not every transaction was read");
        benchmark::DoNotOptimize(result);
    }
}

} // namespace

BENCHMARK(BM_PlanAndApply)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadQif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOfx)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
