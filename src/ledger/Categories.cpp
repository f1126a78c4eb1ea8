// The store's categories: kept by slot beside the marks, hidden while a slot is deleted, with the ledger's list and
// import rules.
#include "ledger/Categories.h"

#include "ledger/ChangeBatch.h"
#include "ledger/LedgerState.h"
#include "model/TransactionRules.h"

#include <QSet>
#include <algorithm>
#include <map>

namespace ledger {

namespace {
// Slots that may hold a category, deleted ones included: their category comes back with them.
int CategorySlotEnd() {
    return std::min<int>(State().NextSlot, int(State().Marks.categories.size()));
}

void ListChanged() {
    State().Modified = true;
    ShowJournalFailure(JournalCategoryList());
}

void PutCategory(int slot, const CategoryAssignment& assignment) {
    if (State().Marks.CategoryOf(slot) == assignment)
        return;
    State().Marks.SetCategory(slot, assignment);
    State().Modified = true;
    ShowJournalFailure(JournalCategory(slot));
}

// Adds the paths and the categories above them to the kept list; true when one was new.
bool Keep(const QStringList& paths) {
    QStringList& kept = State().KeptCategories;
    const QSet<QString> known(kept.begin(), kept.end());
    bool added = false;
    for (const QString& path : paths)
        for (const QString& each : CategoryAndParents(path))
            if (!known.contains(each) && !kept.contains(each)) {
                kept << each;
                added = true;
            }
    return added;
}

QStringList PathsOf(const CategoryAssignment& assignment) {
    QStringList paths;
    if (!assignment.category.isEmpty())
        paths << assignment.category;
    for (const SplitPart& part : assignment.parts)
        if (!part.category.isEmpty())
            paths << part.category;
    return paths;
}

// `assignment` with every path changed by `change`; a split whose parts all end up in one category stays a split,
// as the user made it.
template <typename Change> CategoryAssignment Mapped(CategoryAssignment assignment, const Change& change) {
    assignment.category = change(assignment.category);
    for (SplitPart& part : assignment.parts)
        part.category = change(part.category);
    return assignment;
}

bool Listed(const QString& path) {
    return CategoryList().contains(path);
}
} // namespace

CategoryAssignment CategoryOf(int16_t slot) {
    return LiveRecord(slot) ? State().Marks.CategoryOf(slot) : CategoryAssignment();
}

bool SetCategory(int16_t slot, const CategoryAssignment& assignment) {
    const TransactionRecord* record = LiveRecord(slot);
    if (!record || (!assignment.category.isEmpty() && !IsCategoryPath(assignment.category)))
        return false;
    if (assignment.IsSplit() &&
        (!assignment.category.isEmpty() || !PartsFit(assignment.parts, ToCents(record->Amount))))
        return false;
    const ChangeBatch oneEntry;
    if (Keep(PathsOf(assignment)))
        ListChanged();
    PutCategory(slot, assignment);
    return true;
}

QStringList CategoryList() {
    const LedgerState& s = State();
    QSet<QString> all;
    const auto add = [&all](const QString& path) {
        for (const QString& each : CategoryAndParents(path))
            all.insert(each);
    };
    for (const QString& path : s.KeptCategories)
        add(path);
    for (int slot = 1; slot < CategorySlotEnd(); ++slot)
        if (LiveRecord(slot))
            for (const QString& path : PathsOf(s.Marks.categories[size_t(slot)]))
                add(path);
    for (const CategoryRule& rule : s.CategoryRules)
        add(rule.category);
    QStringList list(all.begin(), all.end());
    std::sort(list.begin(), list.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    return list;
}

QStringList KeptCategories() {
    return State().KeptCategories;
}

bool AddCategory(const QString& path) {
    if (!IsCategoryPath(path))
        return false;
    if (Keep({path}))
        ListChanged();
    return true;
}

bool MoveCategory(const QString& from, const QString& to) {
    if (!IsCategoryPath(to) || IsInCategory(to, from) || !Listed(from))
        return false;
    const auto move = [&](const QString& path) { return MovedCategory(path, from, to); };
    for (const QString& path : CategoryList())
        if (IsInCategory(path, from) && MovedCategory(path, from, to).size() > MaxCategoryLength)
            return false;
    const ChangeBatch oneEntry;
    LedgerState& s = State();
    for (int slot = 1; slot < CategorySlotEnd(); ++slot)
        PutCategory(slot, Mapped(s.Marks.categories[size_t(slot)], move));
    QStringList kept;
    for (const QString& path : s.KeptCategories)
        if (!kept.contains(move(path)))
            kept << move(path);
    for (CategoryRule& rule : s.CategoryRules)
        rule.category = move(rule.category);
    s.KeptCategories = kept;
    Keep({to});
    ListChanged();
    return true;
}

bool DeleteCategory(const QString& path, const QString& moveTo) {
    if (!Listed(path) || (!moveTo.isEmpty() && (!IsCategoryPath(moveTo) || IsInCategory(moveTo, path))))
        return false;
    const auto move = [&](const QString& each) { return IsInCategory(each, path) ? moveTo : each; };
    const ChangeBatch oneEntry;
    LedgerState& s = State();
    for (int slot = 1; slot < CategorySlotEnd(); ++slot)
        PutCategory(slot, Mapped(s.Marks.categories[size_t(slot)], move));
    s.KeptCategories.removeIf([&](const QString& each) { return IsInCategory(each, path); });
    std::erase_if(s.CategoryRules, [&](const CategoryRule& rule) { return IsInCategory(rule.category, path); });
    if (!moveTo.isEmpty())
        Keep({moveTo});
    ListChanged();
    return true;
}

std::vector<CategoryUse> CategoryUses() {
    std::map<QString, CategoryUse> uses;
    const LedgerState& s = State();
    for (int slot = 1; slot < CategorySlotEnd(); ++slot) {
        const TransactionRecord* record = LiveRecord(slot);
        if (!record)
            continue;
        const CategoryAssignment& assignment = s.Marks.categories[size_t(slot)];
        QSet<QString> counted;
        const auto use = [&](const QString& path, int64_t cents) {
            if (path.isEmpty())
                return;
            CategoryUse& each = uses[path];
            each.path = path;
            each.cents += SignedCents(record->TypeCode, cents);
            if (!counted.contains(path)) {
                counted.insert(path);
                each.transactions += 1;
            }
        };
        if (assignment.IsSplit()) {
            for (const SplitPart& part : assignment.parts)
                use(part.category, part.cents);
        } else {
            use(assignment.category, ToCents(record->Amount));
        }
    }
    std::vector<CategoryUse> list;
    for (auto& [path, use] : uses)
        list.push_back(use);
    return list;
}

std::vector<CategoryRule> CategoryRules() {
    return State().CategoryRules;
}

bool SetCategoryRules(const std::vector<CategoryRule>& rules) {
    for (const CategoryRule& rule : rules)
        if (rule.contains.trimmed().isEmpty() || rule.contains.size() > MaxRulePatternLength ||
            !IsCategoryPath(rule.category))
            return false;
    if (rules == State().CategoryRules)
        return true;
    State().CategoryRules = rules;
    for (const CategoryRule& rule : rules)
        Keep({rule.category});
    ListChanged();
    return true;
}

QString LastCategoryOf(const QString& payee) {
    const QString wanted = payee.trimmed();
    const LedgerState& s = State();
    int newest = 0;
    for (int slot = 1; slot < CategorySlotEnd(); ++slot) {
        const TransactionRecord* record = LiveRecord(slot);
        if (!record || s.Marks.categories[size_t(slot)].category.isEmpty() || record->Description.trimmed() != wanted)
            continue;
        if (newest == 0 || record->Date >= s.Records[size_t(newest)].Date)
            newest = slot;
    }
    return newest == 0 ? QString() : s.Marks.categories[size_t(newest)].category;
}

CategorySnapshot TakeCategories() {
    const LedgerState& s = State();
    CategorySnapshot snapshot{s.KeptCategories, s.CategoryRules, s.Marks.categories};
    snapshot.bySlot.resize(size_t(CategorySlotEnd() > 0 ? CategorySlotEnd() : 0));
    return snapshot;
}

void RestoreCategories(const CategorySnapshot& snapshot) {
    const ChangeBatch oneEntry;
    LedgerState& s = State();
    const int end = std::max<int>(CategorySlotEnd(), int(snapshot.bySlot.size()));
    for (int slot = 1; slot < std::min<int>(end, s.NextSlot); ++slot)
        PutCategory(slot, size_t(slot) < snapshot.bySlot.size() ? snapshot.bySlot[size_t(slot)] : CategoryAssignment());
    if (s.KeptCategories != snapshot.kept || s.CategoryRules != snapshot.rules) {
        s.KeptCategories = snapshot.kept;
        s.CategoryRules = snapshot.rules;
        ListChanged();
    }
}

} // namespace ledger
