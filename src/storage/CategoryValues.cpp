#include "storage/CategoryValues.h"

#include "model/TransactionRecord.h"

#include <QSet>
#include <algorithm>

namespace ledger {

bool IsKeptAssignment(const CategoryAssignment& assignment) {
    if (!assignment.IsSplit())
        return IsCategoryPath(assignment.category);
    constexpr int64_t MostCents = int64_t(MaxAmount) * 100;
    __int128 total = 0;
    for (const SplitPart& part : assignment.parts)
        total += part.cents;
    return assignment.category.isEmpty() && total >= -MostCents && total <= MostCents &&
           PartsFit(assignment.parts, int64_t(total));
}

bool IsKeptList(const QStringList& kept, const std::vector<CategoryRule>& rules) {
    const QSet<QString> distinct(kept.begin(), kept.end());
    return distinct.size() == kept.size() && std::all_of(kept.begin(), kept.end(), IsCategoryPath) &&
           std::all_of(rules.begin(), rules.end(), [](const CategoryRule& rule) {
               return !rule.contains.trimmed().isEmpty() && rule.contains.size() <= MaxRulePatternLength &&
                      IsCategoryPath(rule.category);
           });
}

} // namespace ledger
