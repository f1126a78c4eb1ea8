#include "import/ImportPlan.h"

#include "formats/LedgerFormat.h"
#include "import/StatementMatch.h"
#include "ledger/Categories.h"
#include "ledger/ClearMarks.h"
#include "ledger/Ledger.h"
#include "ledger/Schedules.h"
#include "model/Cp1252.h"
#include "model/TransactionRules.h"
#include "platform/Locale.h"

#include <QCoreApplication>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace import {

namespace {

bool InCodePage(char32_t c) {
    if (c > 0xFFFF)
        return false;
    char byte = 0;
    const QChar ch{char16_t(c)};
    ledger::EncodeCp1252(QStringView(&ch, 1), &byte, 1);
    return byte != '?' || c == U'?';
}

QString PayeeKey(const QString& description) {
    return description.trimmed().toCaseFolded();
}

// Statement amounts are whole cents; the record keeps a float, so lines are matched by the cents it reads back as.
int64_t StoredCents(int64_t cents) {
    const int64_t magnitude = ledger::ToCents(float(double(std::llabs(cents)) / 100));
    return cents < 0 ? -magnitude : magnitude;
}

int16_t TypeFor(const StatementLine& line, bool isCheck) {
    QString hint = line.bankType.toUpper();
    if (hint.isEmpty()) // QIF writes ATM, DEP and the like in the number field
        hint = line.checkNumber.toUpper();
    if (line.cents >= 0)
        return hint == QLatin1String("INT") ? ledger::Interest : ledger::Deposit;
    if (isCheck)
        return ledger::CheckOrPayment;
    if (hint == QLatin1String("FEE") || hint == QLatin1String("SRVCHG"))
        return ledger::Fee;
    if (hint == QLatin1String("ATM") || hint == QLatin1String("CASH"))
        return ledger::Withdrawal;
    return ledger::CheckOrPayment;
}

} // namespace

QString ToCp1252Text(const QString& text) {
    QString out;
    for (const char32_t c : text.toUcs4()) {
        if (InCodePage(c)) {
            out.append(QChar(char16_t(c)));
            continue;
        }
        const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
        QString kept;
        for (const char32_t d : decomposed.toUcs4()) {
            const QChar::Category category = QChar::category(d);
            if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
                category == QChar::Mark_Enclosing)
                continue;
            kept.append(InCodePage(d) ? QChar(char16_t(d)) : QLatin1Char('?'));
        }
        out.append(kept.isEmpty() ? QStringLiteral("?") : kept);
    }
    return out;
}

int ImportPlan::Count(PlanKind kind) const {
    return int(std::count_if(lines.begin(), lines.end(), [kind](const PlannedLine& l) { return l.kind == kind; }));
}

int ImportPlan::Skips() const {
    return Count(PlanKind::Duplicate) - Marks() + Count(PlanKind::Skipped);
}

int ImportPlan::Marks() const {
    return int(std::count_if(lines.begin(), lines.end(), [](const PlannedLine& l) { return l.marksCleared; }));
}

namespace {

struct AmountDayHash {
    size_t operator()(const std::pair<int64_t, int64_t>& key) const {
        return std::hash<uint64_t>()(uint64_t(key.first) * 1'000'003u + uint64_t(key.second));
    }
};

// The live records a line could be paired with (its amount, at most MatchDays away), with their slots; the others
// are not even read further, so a large ledger costs little more than a small one. Counts every slot.
// The record as the register shows it, for the lines that match it: "12/4/2026 Autohaus Meier 420.00".
QString RecordNamed(const ledger::TransactionRecord& record) {
    return QStringLiteral("%1 %2 %3")
        .arg(platform::FormatShortDate(record.Date), record.Description.trimmed(),
             platform::FormatCents(ledger::ToCents(record.Amount)));
}

std::vector<MatchEntry> LedgerEntries(const std::vector<MatchEntry>& lines, std::vector<int>& slots,
                                      std::vector<QString>& names, int& slotCount) {
    std::unordered_set<std::pair<int64_t, int64_t>, AmountDayHash> reachable;
    for (const MatchEntry& line : lines) {
        for (int offset = -MatchDays; offset <= MatchDays; ++offset)
            reachable.insert({line.cents, line.day + offset});
    }
    std::vector<MatchEntry> entries;
    ledger::TransactionRecord record;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record)) {
        ++slotCount;
        if (record.TypeCode == ledger::Deleted)
            continue;
        MatchEntry e;
        e.cents = ledger::SignedCents(record.TypeCode, ledger::ToCents(record.Amount));
        e.day = int64_t(std::floor(record.Date));
        if (!reachable.contains({e.cents, e.day}))
            continue;
        e.checkNumber = ledger::IsCheck(record.TypeCode, record.CheckNumber) ? record.CheckNumber : 0;
        e.payee = PayeeKey(record.Description);
        e.bankId = ledger::BankIdOf(int16_t(slotCount));
        entries.push_back(e);
        slots.push_back(slotCount);
        names.push_back(RecordNamed(record));
    }
    return entries;
}

// What the record of a line would hold.
void PlanRecord(PlannedLine& p) {
    const StatementLine& line = p.line;
    bool ok = false;
    const int number = line.checkNumber.toInt(&ok);
    const bool isCheck = ok && number >= 1 && number <= ledger::MaxCheckNumber && line.cents < 0;
    p.typeCode = TypeFor(line, isCheck);
    p.checkNumber = ledger::NewCheckNumber(p.typeCode, isCheck, int16_t(number));
    p.description = ledger::FixDescription(ToCp1252Text(ledger::ControlCharactersAsSpaces(line.payee).simplified()));
    p.amount = float(double(std::llabs(line.cents)) / 100);
}

// Why the ledger cannot take the line; empty when it can.
QString Refusal(const PlannedLine& p, bool locked, double lockDate) {
    const double magnitude = double(std::llabs(p.line.cents)) / 100;
    bool ok = false;
    const int number = p.line.checkNumber.toInt(&ok);
    if (ok && number > ledger::MaxCheckNumber && p.line.cents < 0)
        return QCoreApplication::translate("ImportPlan", "check number %1 is beyond %2")
            .arg(number)
            .arg(ledger::MaxCheckNumber);
    if (locked && p.line.date <= lockDate)
        return QCoreApplication::translate("ImportPlan", "dated on or before the lock date %1")
            .arg(platform::FormatShortDate(lockDate));
    if (!ledger::IsAmountInRange(magnitude))
        return QCoreApplication::translate("ImportPlan", "amount beyond %1")
            .arg(platform::FormatMoney(ledger::MaxAmount));
    if (!platform::MoneyKeptToTheCent(magnitude))
        return platform::MoneyNotKeptText(magnitude);
    ledger::TransactionRecord record;
    record.TypeCode = p.typeCode;
    record.CheckNumber = p.checkNumber;
    record.Date = p.line.date;
    record.Amount = p.amount;
    record.Description = p.description;
    if (!ledger::IsReadableRecord(record)) // the loader would refuse the whole file afterwards
        return QCoreApplication::translate("ImportPlan", "a date or amount the ledger cannot keep");
    return {};
}

// Lines to add that enter a pending occurrence of a schedule: those due within MatchDays of the statement's days.
void PlanScheduled(ImportPlan& plan) {
    std::vector<MatchEntry> lines;
    std::vector<size_t> lineIndex;
    double first = INFINITY, last = -INFINITY;
    for (size_t i = 0; i < plan.lines.size(); ++i) {
        const PlannedLine& p = plan.lines[i];
        if (p.kind != PlanKind::Add)
            continue;
        MatchEntry e;
        e.cents = StoredCents(p.line.cents);
        e.day = int64_t(std::floor(p.line.date));
        first = std::min(first, double(e.day));
        last = std::max(last, double(e.day));
        lines.push_back(e);
        lineIndex.push_back(i);
    }
    if (lines.empty())
        return;
    const std::vector<ledger::Schedule>& schedules = ledger::Schedules();
    std::vector<ScheduledEntry> occurrences;
    std::vector<PlannedLine::Scheduled> scheduled;
    for (size_t s = 0; s < schedules.size(); ++s) {
        const ledger::Schedule& schedule = schedules[s];
        const bool credit = ledger::IsCredit(schedule.typeCode);
        // Only the statement's days are walked: a rule from long ago costs no more than a new one.
        for (const ledger::Occurrence& o :
             ledger::PendingBetween(schedule, first - MatchDays - ledger::MaxWeekendShift, last + MatchDays)) {
            if (o.day < first - MatchDays)
                continue;
            occurrences.push_back({credit, ledger::SignedCents(schedule.typeCode, schedule.amountCents),
                                   schedule.toleranceCents, int64_t(o.day)});
            scheduled.push_back({int(s), o, schedule.description});
        }
    }
    const std::vector<int> match = MatchScheduled(lines, occurrences);
    for (size_t k = 0; k < match.size(); ++k) {
        if (match[k] >= 0)
            plan.lines[lineIndex[k]].entersScheduled = scheduled[size_t(match[k])];
    }
}

// The statement's split in the record's sense: the parts of a debit are its amount's, with their signs turned.
std::vector<ledger::SplitPart> RecordParts(const StatementLine& line) {
    std::vector<ledger::SplitPart> parts = line.parts;
    if (line.cents < 0) {
        for (ledger::SplitPart& part : parts)
            part.cents = -part.cents;
    }
    return parts;
}

// Whether the rule applies to the line: its text in the payee as the ledger will keep it or as the bank wrote it.
bool RuleMatches(const ledger::CategoryRule& rule, const PlannedLine& p) {
    return !ledger::RuleCategoryFor({rule}, p.description).isEmpty() ||
           !ledger::RuleCategoryFor({rule}, p.line.payee).isEmpty();
}

void TakeRule(PlannedLine& p, const ledger::CategoryRule& rule) {
    p.category = {rule.category, {}};
    p.categorySource = CategorySource::Rule;
    p.rule = rule.contains;
}

// ledger::LastCategoryOf for every payee of `wanted` in one pass over the ledger: asked line by line, a large
// statement would read a large ledger once per line.
std::unordered_map<QString, QString> LastCategories(const std::unordered_set<QString>& wanted) {
    std::unordered_map<QString, QString> found;
    std::unordered_map<QString, double> dates;
    ledger::TransactionRecord record;
    int16_t slot = 0;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record)) {
        ++slot;
        const QString payee = record.Description.trimmed();
        if (record.TypeCode == ledger::Deleted || !wanted.contains(payee))
            continue;
        const QString category = ledger::CategoryOf(slot).category;
        const auto date = dates.find(payee);
        if (category.isEmpty() || (date != dates.end() && record.Date < date->second))
            continue;
        dates[payee] = record.Date;
        found[payee] = category;
    }
    return found;
}

// Each line to add takes the statement's category, else a rule's, else its payee's last one.
void PlanCategories(ImportPlan& plan) {
    const std::vector<ledger::CategoryRule> rules = ledger::CategoryRules();
    std::unordered_set<QString> payees;
    for (PlannedLine& p : plan.lines) {
        if (p.kind != PlanKind::Add)
            continue;
        const std::vector<ledger::SplitPart> parts = RecordParts(p.line);
        if (!parts.empty() && ledger::PartsFit(parts, ledger::ToCents(p.amount))) {
            p.category = {{}, parts};
            p.categorySource = CategorySource::Statement;
        } else if (ledger::IsCategoryPath(p.line.category)) {
            p.category = {p.line.category, {}};
            p.categorySource = CategorySource::Statement;
        } else if (const auto rule = std::find_if(rules.begin(), rules.end(),
                                                  [&p](const ledger::CategoryRule& r) { return RuleMatches(r, p); });
                   rule != rules.end()) {
            TakeRule(p, *rule);
        } else {
            payees.insert(p.description.trimmed());
        }
    }
    if (payees.empty())
        return;
    const std::unordered_map<QString, QString> last = LastCategories(payees);
    for (PlannedLine& p : plan.lines) {
        if (p.kind != PlanKind::Add || p.categorySource != CategorySource::None)
            continue;
        if (const auto found = last.find(p.description.trimmed()); found != last.end()) {
            p.category = {found->second, {}};
            p.categorySource = CategorySource::Payee;
        }
    }
}

} // namespace

ImportPlan PlanImport(const std::vector<StatementLine>& statement) {
    ImportPlan plan;
    plan.lines.resize(statement.size());
    // Within one statement only the bank's id makes two lines one transaction: equal lines without one are
    // separate purchases the bank listed each.
    std::unordered_map<QString, int> firstWithId;
    const QStringList deletedIds = ledger::DeletedBankIds();
    const std::unordered_set<QString> deleted(deletedIds.begin(), deletedIds.end());
    std::vector<MatchEntry> lines;
    std::vector<int> lineIndex;
    for (size_t i = 0; i < statement.size(); ++i) {
        PlannedLine& p = plan.lines[i];
        p.line = statement[i];
        // What the reader already judged is neither matched nor counted against the ledger's room.
        if (!p.line.skipped.isEmpty() || !p.line.refusal.isEmpty()) {
            p.kind = p.line.refusal.isEmpty() ? PlanKind::Skipped : PlanKind::Refused;
            p.reason = p.line.refusal.isEmpty() ? p.line.skipped : p.line.refusal;
            continue;
        }
        PlanRecord(p);
        if (!p.line.bankId.isEmpty()) {
            const auto [first, isNew] = firstWithId.try_emplace(p.line.bankId, int(i));
            if (!isNew) {
                p.kind = PlanKind::Duplicate;
                p.duplicateLine = first->second;
                p.duplicateSource = statement[size_t(first->second)].source;
                continue;
            }
            // Deleted once, the transaction stays deleted however often its statement is imported.
            if (deleted.contains(p.line.bankId)) {
                p.kind = PlanKind::Duplicate;
                p.deletedEarlier = true;
                continue;
            }
        }
        MatchEntry e;
        e.cents = StoredCents(p.line.cents);
        e.day = int64_t(std::floor(p.line.date));
        e.checkNumber = ledger::IsCheck(p.typeCode, p.checkNumber) ? p.checkNumber : 0;
        e.payee = PayeeKey(p.description);
        e.bankId = p.line.bankId;
        lines.push_back(e);
        lineIndex.push_back(int(i));
    }
    std::vector<int> slots;
    std::vector<QString> names;
    int slotCount = 0;
    const std::vector<int> match = MatchLines(lines, LedgerEntries(lines, slots, names, slotCount));
    for (size_t k = 0; k < match.size(); ++k) {
        if (match[k] < 0)
            continue;
        PlannedLine& p = plan.lines[size_t(lineIndex[k])];
        p.kind = PlanKind::Duplicate;
        p.duplicateSlot = slots[size_t(match[k])];
        p.duplicateRecord = names[size_t(match[k])];
        p.marksCleared = ledger::GetClearMark(int16_t(p.duplicateSlot)) == ledger::ClearMark::None;
    }

    int room = ledger::MaxSlots - 1 - slotCount;
    double lockDate = 0;
    const bool locked = ledger::GetLockDate(lockDate);
    for (PlannedLine& p : plan.lines) {
        if (p.kind != PlanKind::Add)
            continue;
        p.reason = Refusal(p, locked, lockDate);
        if (p.reason.isEmpty() && room <= 0)
            p.reason = QCoreApplication::translate("ImportPlan", "the ledger is full");
        if (!p.reason.isEmpty())
            p.kind = PlanKind::Refused;
        else
            --room;
    }
    PlanScheduled(plan);
    PlanCategories(plan);
    return plan;
}

bool ChooseCategory(ImportPlan& plan, size_t index, const QString& typed) {
    const QString path = ledger::NormalizedCategory(typed);
    if (index >= plan.lines.size() || (!path.isEmpty() && !ledger::IsCategoryPath(path)))
        return false;
    PlannedLine& p = plan.lines[index];
    p.category = {path, {}};
    p.categorySource = path.isEmpty() ? CategorySource::None : CategorySource::Chosen;
    p.rule.clear();
    return true;
}

bool AddRule(ImportPlan& plan, const ledger::CategoryRule& rule) {
    if (rule.contains.trimmed().isEmpty() || rule.contains.size() > ledger::MaxRulePatternLength ||
        !ledger::IsCategoryPath(rule.category))
        return false;
    plan.newRules.insert(plan.newRules.begin(), rule);
    // The new rule comes first, so it decides every line it matches; the others keep what they had.
    for (PlannedLine& p : plan.lines) {
        const bool open = p.categorySource == CategorySource::None || p.categorySource == CategorySource::Rule ||
                          p.categorySource == CategorySource::Payee;
        if (p.kind == PlanKind::Add && open && RuleMatches(rule, p))
            TakeRule(p, rule);
    }
    return true;
}

platform::Result<> ApplyPlan(const ImportPlan& plan) {
    int slots = 0;
    ledger::TransactionRecord record;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record))
        ++slots;
    const int adds = plan.Count(PlanKind::Add);
    if (adds > ledger::MaxSlots - 1 - slots)
        return platform::Fail(
            QCoreApplication::translate("ImportPlan", "the ledger has room for %1 more transactions, not %2")
                .arg(ledger::MaxSlots - 1 - slots)
                .arg(adds));
    for (const PlannedLine& p : plan.lines) {
        if (p.marksCleared) {
            // The record the line matched takes the bank's id too, so that deleting it later keeps the next
            // import of the statement from bringing it back.
            ledger::SetClearMark(int16_t(p.duplicateSlot), ledger::ClearMark::Cleared);
            if (ledger::BankIdOf(int16_t(p.duplicateSlot)).isEmpty())
                ledger::SetBankId(int16_t(p.duplicateSlot), p.line.bankId);
        }
        if (p.kind != PlanKind::Add)
            continue;
        ledger::AddTransaction(p.checkNumber, p.line.date, p.amount, p.description, p.typeCode);
        const auto slot = int16_t(++slots);
        // The bank has seen the line; its id tells the record apart once the user deletes it. An id beyond
        // MaxBankIdLength is no OFX one and is not kept.
        ledger::SetClearMark(slot, ledger::ClearMark::Cleared);
        ledger::SetBankId(slot, p.line.bankId);
        if (!p.category.IsEmpty())
            ledger::SetCategory(slot, p.category);
    }
    if (!plan.newRules.empty()) {
        std::vector<ledger::CategoryRule> rules = plan.newRules;
        for (const ledger::CategoryRule& rule : ledger::CategoryRules()) {
            if (std::find(rules.begin(), rules.end(), rule) == rules.end())
                rules.push_back(rule);
        }
        ledger::SetCategoryRules(rules);
    }
    std::vector<ledger::Schedule> schedules = ledger::Schedules();
    for (const PlannedLine& p : plan.lines) {
        if (p.kind == PlanKind::Add && p.entersScheduled) {
            ledger::Schedule& s = schedules[size_t(p.entersScheduled->schedule)];
            s = ledger::WithDone(s, p.entersScheduled->occurrence.nominal, true);
        }
    }
    ledger::SetSchedules(schedules);
    return {};
}

QString OpeningNote(const std::optional<int64_t>& openingCents) {
    const int64_t starting = ledger::ToCents(ledger::GetStartingBalance());
    if (!openingCents || *openingCents == starting || ledger::GetTransactionCount() > 1)
        return {};
    return QCoreApplication::translate("ImportPlan",
                                       "The statement opens with a balance of %1, this ledger with a starting "
                                       "balance of %2: change it in the settings for the balances to agree.")
        .arg(platform::FormatCents(*openingCents), platform::FormatCents(starting));
}

namespace {

// A sentence for each type, not the type's name put into one: a translation may need to change the words around it.
QString AddedAs(int16_t typeCode, int16_t checkNumber) {
    switch (typeCode) {
    case ledger::Withdrawal:
        return QCoreApplication::translate("ImportPlan", "added as Withdrawal");
    case ledger::Fee:
        return QCoreApplication::translate("ImportPlan", "added as Fee");
    case ledger::Deposit:
        return QCoreApplication::translate("ImportPlan", "added as Deposit");
    case ledger::Interest:
        return QCoreApplication::translate("ImportPlan", "added as Interest");
    default:
        break;
    }
    return ledger::IsCheck(typeCode, checkNumber)
               ? QCoreApplication::translate("ImportPlan", "added as Check %1").arg(checkNumber)
               : QCoreApplication::translate("ImportPlan", "added as Payment");
}

// What a line is added as, and with which category or split.
QString AddedWith(const PlannedLine& p) {
    const QString added = AddedAs(p.typeCode, p.checkNumber);
    if (p.category.IsSplit())
        return QCoreApplication::translate("ImportPlan", "%1, split: %2",
                                           "added as Check 1201, split: Food:Groceries 120.00, Household 67.34")
            .arg(added, PartsText(p.category.parts));
    if (!p.category.category.isEmpty())
        return QCoreApplication::translate("ImportPlan", "%1, %2", "added as Payment, Food:Groceries")
            .arg(added, p.category.category);
    return added;
}

} // namespace

QString PartsText(const std::vector<ledger::SplitPart>& parts) {
    QStringList texts;
    for (const ledger::SplitPart& part : parts)
        texts << QStringLiteral("%1 %2").arg(
            part.category.isEmpty() ? QCoreApplication::translate("ImportPlan", "no category") : part.category,
            platform::FormatCents(part.cents));
    return texts.join(QStringLiteral(", "));
}

QString PlanText(const PlannedLine& p) {
    switch (p.kind) {
    case PlanKind::Add:
        if (p.entersScheduled)
            return QCoreApplication::translate("ImportPlan", "%1: enters scheduled %2 of %3",
                                               "added as Payment: enters scheduled Rent of 12/1/2026")
                .arg(AddedWith(p), p.entersScheduled->description,
                     platform::FormatShortDate(p.entersScheduled->occurrence.day));
        return AddedWith(p);
    case PlanKind::Duplicate:
        if (p.marksCleared)
            return QCoreApplication::translate("ImportPlan", "matches %1: marks it cleared").arg(p.duplicateRecord);
        if (p.deletedEarlier)
            return QCoreApplication::translate("ImportPlan", "skipped, deleted earlier");
        return p.duplicateSlot
                   ? QCoreApplication::translate("ImportPlan", "skipped, duplicate of %1").arg(p.duplicateRecord)
                   : QCoreApplication::translate("ImportPlan", "skipped, repeats statement line %1")
                         .arg(p.duplicateSource);
    case PlanKind::Skipped:
        return QCoreApplication::translate("ImportPlan", "skipped: %1").arg(p.reason);
    case PlanKind::Refused:
        break;
    }
    return QCoreApplication::translate("ImportPlan", "refused: %1").arg(p.reason);
}

} // namespace import
