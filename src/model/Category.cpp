// Category paths, split parts and import rules as values.
#include "model/Category.h"

#include "model/TransactionRules.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

namespace ledger {

QString NormalizedCategory(const QString& typed) {
    QStringList names;
    for (const QString& name : typed.split(CategorySeparator)) {
        QString kept;
        for (const QChar c : name)
            if (!IsControlCharacter(c.unicode()))
                kept += c;
        kept = kept.simplified();
        if (!kept.isEmpty())
            names << kept;
    }
    return names.join(CategorySeparator);
}

bool IsCategoryPath(const QString& path) {
    return !path.isEmpty() && path.size() <= MaxCategoryLength && NormalizedCategory(path) == path;
}

bool IsInCategory(const QString& path, const QString& root) {
    return !root.isEmpty() && path.startsWith(root) &&
           (path.size() == root.size() || path.at(root.size()) == CategorySeparator);
}

QString MovedCategory(const QString& path, const QString& from, const QString& to) {
    if (!IsInCategory(path, from))
        return path;
    return to + path.mid(from.size());
}

QStringList CategoryAndParents(const QString& path) {
    QStringList paths;
    if (path.isEmpty())
        return paths;
    for (qsizetype at = path.indexOf(CategorySeparator); at >= 0; at = path.indexOf(CategorySeparator, at + 1))
        paths << path.left(at);
    paths << path;
    return paths;
}

QString CategoryLeaf(const QString& path) {
    return path.mid(path.lastIndexOf(CategorySeparator) + 1);
}

int64_t PartsTotal(const std::vector<SplitPart>& parts) {
    return std::accumulate(parts.begin(), parts.end(), int64_t(0),
                           [](int64_t sum, const SplitPart& part) { return sum + part.cents; });
}

bool PartsFit(const std::vector<SplitPart>& parts, int64_t cents) {
    if (parts.size() < 2 || parts.size() > size_t(MaxSplitParts))
        return false;
    for (const SplitPart& part : parts) {
        if ((!part.category.isEmpty() && !IsCategoryPath(part.category)) || part.memo.size() > MaxPartMemoLength ||
            part.cents < -MaxCents || part.cents > MaxCents)
            return false;
    }
    // Parts read from a file may add up beyond 64 bits; 128 hold any hundred of them.
    __int128 total = 0;
    for (const SplitPart& part : parts)
        total += part.cents;
    return total == cents;
}

std::vector<SplitPart> ScaledParts(const std::vector<SplitPart>& parts, int64_t cents) {
    const int64_t total = PartsTotal(parts);
    if (parts.empty() || total == 0)
        return PartsWithDifferenceInLast(parts, cents);
    std::vector<SplitPart> scaled = parts;
    // Exact in 128 bits: cents and parts stay below MaxCents, so their products fit.
    std::vector<std::pair<__int128, size_t>> remainders;
    int64_t assigned = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const __int128 product = __int128(parts[i].cents) * cents;
        __int128 share = product / total;
        __int128 remainder = product % total;
        // Round toward minus infinity so that the leftover is always added, never taken.
        if (remainder != 0 && ((remainder < 0) != (total < 0))) {
            share -= 1;
            remainder += total;
        }
        scaled[i].cents = int64_t(share);
        assigned += scaled[i].cents;
        remainders.emplace_back(remainder < 0 ? -remainder : remainder, i);
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    int64_t left = cents - assigned;
    for (size_t k = 0; left != 0 && k < remainders.size(); ++k, --left)
        scaled[remainders[k].second].cents += 1;
    // Only reachable when rounding left more cents than parts, which floor division cannot.
    if (left != 0)
        scaled.back().cents += left;
    return scaled;
}

std::vector<SplitPart> PartsWithDifferenceInLast(const std::vector<SplitPart>& parts, int64_t cents) {
    std::vector<SplitPart> adjusted = parts;
    if (!adjusted.empty())
        adjusted.back().cents += cents - PartsTotal(parts);
    return adjusted;
}

QString RuleCategoryFor(const std::vector<CategoryRule>& rules, const QString& description) {
    for (const CategoryRule& rule : rules)
        if (!rule.contains.isEmpty() && description.contains(rule.contains, Qt::CaseInsensitive))
            return rule.category;
    return {};
}

QStringList DefaultCategories() {
    static const char* const defaults[] = {
        QT_TRANSLATE_NOOP("Categories", "Income:Salary"),
        QT_TRANSLATE_NOOP("Categories", "Income:Interest"),
        QT_TRANSLATE_NOOP("Categories", "Income:Other"),
        QT_TRANSLATE_NOOP("Categories", "Housing:Rent or mortgage"),
        QT_TRANSLATE_NOOP("Categories", "Housing:Repairs"),
        QT_TRANSLATE_NOOP("Categories", "Utilities:Electricity"),
        QT_TRANSLATE_NOOP("Categories", "Utilities:Water"),
        QT_TRANSLATE_NOOP("Categories", "Utilities:Phone and internet"),
        QT_TRANSLATE_NOOP("Categories", "Food:Groceries"),
        QT_TRANSLATE_NOOP("Categories", "Food:Dining out"),
        QT_TRANSLATE_NOOP("Categories", "Car:Fuel"),
        QT_TRANSLATE_NOOP("Categories", "Car:Insurance"),
        QT_TRANSLATE_NOOP("Categories", "Car:Repairs"),
        QT_TRANSLATE_NOOP("Categories", "Health:Doctor"),
        QT_TRANSLATE_NOOP("Categories", "Health:Pharmacy"),
        QT_TRANSLATE_NOOP("Categories", "Insurance"),
        QT_TRANSLATE_NOOP("Categories", "Shopping"),
        QT_TRANSLATE_NOOP("Categories", "Entertainment"),
        QT_TRANSLATE_NOOP("Categories", "Gifts and charity"),
        QT_TRANSLATE_NOOP("Categories", "Taxes"),
        QT_TRANSLATE_NOOP("Categories", "Bank fees"),
        QT_TRANSLATE_NOOP("Categories", "Cash"),
    };
    QStringList list;
    for (const char* path : defaults)
        list << QCoreApplication::translate("Categories", path);
    return list;
}

} // namespace ledger
