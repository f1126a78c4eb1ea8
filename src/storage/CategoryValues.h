#pragma once
// What the companion file and the recovery journal take back of the ledger's categories: only what the store itself
// keeps (ledger/Categories.h), whatever another program or a damaged disk left in them.

#include "model/Category.h"

namespace ledger {

// One path, or parts without a path that add up to an amount a record can hold (their record's own amount is for
// the reader to check).
bool IsKeptAssignment(const CategoryAssignment& assignment);
// The list as paths, none twice, and rules as SetCategoryRules takes them.
bool IsKeptList(const QStringList& kept, const std::vector<CategoryRule>& rules);

} // namespace ledger
