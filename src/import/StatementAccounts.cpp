#include "import/Statement.h"

#include <QHash>
#include <algorithm>

namespace import {

std::vector<StatementAccount> StatementAccounts(const std::vector<StatementLine>& lines, const QStringList& named) {
    std::vector<StatementAccount> accounts;
    QHash<QString, size_t> index;
    for (const QString& id : named) {
        if (!index.contains(id)) {
            index.insert(id, accounts.size());
            accounts.push_back({id, 0});
        }
    }
    for (const StatementLine& line : lines) {
        const auto known = index.constFind(line.account);
        if (known != index.constEnd()) {
            ++accounts[*known].lines;
            continue;
        }
        index.insert(line.account, accounts.size());
        accounts.push_back({line.account, 1});
    }
    return accounts;
}

std::vector<StatementLine> AccountLines(const std::vector<StatementLine>& lines, const QString& account) {
    std::vector<StatementLine> kept;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
                 [&account](const StatementLine& line) { return line.account == account; });
    return kept;
}

} // namespace import
