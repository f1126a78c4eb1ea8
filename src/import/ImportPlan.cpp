#include "import/ImportPlan.h"

#include "ledger/Cp1252.h"
#include "ledger/Ledger.h"
#include "ledger/TransactionRules.h"
#include "platform/Locale.h"

#include <cmath>
#include <unordered_map>

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

// Something the ledger already holds, or a line planned to be added: what a later line is compared with.
struct Candidate {
    double day = 0;
    int checkNumber = 0; // 0: none
    QString bankId;
    QString payee; // folded case, no surrounding spaces
    int slot = 0;  // 0 for a planned line
    int line = -1;
    bool used = false;
};

QString PayeeKey(const QString& description) {
    return description.trimmed().toCaseFolded();
}

bool SimilarPayee(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() && b.isEmpty();
    return a.contains(b) || b.contains(a);
}

bool SameTransaction(const Candidate& c, const Candidate& line) {
    if (c.checkNumber && line.checkNumber)
        return c.checkNumber == line.checkNumber;
    if (!c.bankId.isEmpty() && !line.bankId.isEmpty())
        return c.bankId == line.bankId;
    return SimilarPayee(c.payee, line.payee);
}

// Statement amounts are whole cents; the record keeps a float, so the index holds the cents it reads back as.
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

namespace {

// Candidates by signed amount and day: a line looks only at its own amount on the seven days around its date, so
// a ledger of many equal amounts costs no more than one of different ones.
class CandidateIndex {
public:
    void Add(int64_t cents, const Candidate& c) { buckets[{cents, int64_t(c.day)}].push_back(c); }
    // The unused candidate nearest in date (the earlier entered among equals) that is the same transaction.
    Candidate* Find(int64_t cents, const Candidate& line) {
        for (const int offset : {0, -1, 1, -2, 2, -3, 3}) {
            static_assert(DuplicateDays == 3);
            const auto bucket = buckets.find({cents, int64_t(line.day) + offset});
            if (bucket == buckets.end())
                continue;
            for (Candidate& c : bucket->second) {
                if (!c.used && SameTransaction(c, line))
                    return &c;
            }
        }
        return nullptr;
    }

private:
    struct KeyHash {
        size_t operator()(const std::pair<int64_t, int64_t>& key) const {
            // Mixed as unsigned numbers: they wrap where signed ones would overflow.
            return std::hash<uint64_t>()(uint64_t(key.first) * 1'000'003u + uint64_t(key.second));
        }
    };
    std::unordered_map<std::pair<int64_t, int64_t>, std::vector<Candidate>, KeyHash> buckets;
};

} // namespace

ImportPlan PlanImport(const std::vector<StatementLine>& statement) {
    CandidateIndex index;
    int slots = 0;
    ledger::TransactionRecord record;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record)) {
        ++slots;
        if (record.TypeCode == ledger::Deleted)
            continue;
        const int64_t cents = ledger::ToCents(record.Amount);
        Candidate c;
        c.day = std::floor(record.Date);
        c.checkNumber = ledger::IsCheck(record.TypeCode, record.CheckNumber) ? record.CheckNumber : 0;
        c.payee = PayeeKey(record.Description);
        c.slot = slots;
        index.Add(ledger::IsCredit(record.TypeCode) ? cents : -cents, c);
    }
    int room = ledger::MaxSlots - 1 - slots;
    double lockDate = 0;
    const bool locked = ledger::GetLockDate(lockDate);

    ImportPlan plan;
    plan.lines.reserve(statement.size());
    for (const StatementLine& line : statement) {
        PlannedLine p;
        p.line = line;
        bool ok = false;
        const int number = line.checkNumber.toInt(&ok);
        const bool isCheck = ok && number >= 1 && line.cents < 0;
        p.typeCode = TypeFor(line, isCheck);
        p.checkNumber = isCheck                                ? int16_t(std::min<int>(number, ledger::MaxCheckNumber))
                        : p.typeCode == ledger::CheckOrPayment ? ledger::PaymentCheckNumber
                                                               : int16_t(0);
        p.description = ledger::FixDescription(ToCp1252Text(line.payee.simplified()));
        const double magnitude = double(std::llabs(line.cents)) / 100;
        p.amount = float(magnitude);

        Candidate self;
        self.day = std::floor(line.date);
        self.checkNumber = isCheck ? number : 0;
        self.bankId = line.bankId;
        self.payee = PayeeKey(p.description);
        self.line = int(plan.lines.size());
        const int64_t cents = StoredCents(line.cents);
        if (Candidate* match = index.Find(cents, self)) {
            match->used = true;
            p.kind = PlanKind::Duplicate;
            p.duplicateSlot = match->slot;
            p.duplicateLine = match->line;
            p.duplicateSource = match->line >= 0 ? plan.lines[size_t(match->line)].line.source : 0;
        } else if (isCheck && number > ledger::MaxCheckNumber) {
            p.kind = PlanKind::Refused;
            p.reason = QStringLiteral("check number %1 is beyond %2").arg(number).arg(ledger::MaxCheckNumber);
        } else if (locked && line.date <= lockDate) {
            p.kind = PlanKind::Refused;
            p.reason = QStringLiteral("dated on or before the lock date %1").arg(platform::FormatShortDate(lockDate));
        } else if (!ledger::IsAmountInRange(magnitude)) {
            p.kind = PlanKind::Refused;
            p.reason = QStringLiteral("amount beyond %1").arg(platform::FormatMoney(ledger::MaxAmount));
        } else if (room <= 0) {
            p.kind = PlanKind::Refused;
            p.reason = QStringLiteral("the ledger is full");
        } else {
            --room;
            index.Add(cents, self);
        }
        plan.lines.push_back(p);
    }
    return plan;
}

bool ApplyPlan(const ImportPlan& plan, QString& error) {
    int slots = 0;
    ledger::TransactionRecord record;
    for (bool more = ledger::FirstTransaction(record); more; more = ledger::NextTransaction(record))
        ++slots;
    const int adds = plan.Count(PlanKind::Add);
    if (adds > ledger::MaxSlots - 1 - slots) {
        error = QStringLiteral("the ledger has room for %1 more transactions, not %2")
                    .arg(ledger::MaxSlots - 1 - slots)
                    .arg(adds);
        return false;
    }
    for (const PlannedLine& p : plan.lines) {
        if (p.kind == PlanKind::Add)
            ledger::AddTransaction(p.checkNumber, p.line.date, p.amount, p.description, p.typeCode);
    }
    return true;
}

QString PlanText(const PlannedLine& p) {
    switch (p.kind) {
    case PlanKind::Add: {
        QString text = QStringLiteral("added as ") + ledger::TypeName(p.typeCode, p.checkNumber);
        if (ledger::IsCheck(p.typeCode, p.checkNumber))
            text += QStringLiteral(" %1").arg(p.checkNumber);
        return text;
    }
    case PlanKind::Duplicate:
        return p.duplicateSlot ? QStringLiteral("skipped, duplicate of record %1").arg(p.duplicateSlot)
                               : QStringLiteral("skipped, repeats statement line %1").arg(p.duplicateSource);
    case PlanKind::Refused:
        break;
    }
    return QStringLiteral("refused: ") + p.reason;
}

} // namespace import
