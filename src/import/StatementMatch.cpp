#include "import/StatementMatch.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <queue>
#include <tuple>
#include <unordered_map>

namespace import {

std::vector<int> MatchScheduled(const std::vector<MatchEntry>& lines, const std::vector<ScheduledEntry>& occurrences) {
    struct Pair {
        int64_t days;
        int64_t cents;
        size_t line;
        size_t occurrence;
        auto operator<=>(const Pair&) const = default;
    };
    std::vector<Pair> pairs;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t j = 0; j < occurrences.size(); ++j) {
            const MatchEntry& line = lines[i];
            const ScheduledEntry& o = occurrences[j];
            const int64_t days = std::llabs(line.day - o.day);
            const int64_t cents = std::llabs(line.cents - o.cents);
            if ((line.cents >= 0) == o.credit && cents <= o.tolerance && days <= MatchDays)
                pairs.push_back({days, cents, i, j});
        }
    }
    std::sort(pairs.begin(), pairs.end());
    std::vector<int> match(lines.size(), -1);
    std::vector<bool> taken(occurrences.size(), false);
    for (const Pair& p : pairs) {
        if (match[p.line] < 0 && !taken[p.occurrence]) {
            match[p.line] = int(p.occurrence);
            taken[p.occurrence] = true;
        }
    }
    return match;
}

namespace {

// Below any cost of two equal payees, so that an equal payee always wins over a nearer date.
constexpr int ContainedPayeeCost = MatchDays + 1;

// What pairing the line with the record costs: the days between them, more when one payee only contains the
// other; -1 when they are not the same transaction. The caller has checked the amount and the days.
int PairCost(const MatchEntry& line, const MatchEntry& record) {
    const int apart = int(std::llabs(line.day - record.day));
    if (!line.bankId.isEmpty() && !record.bankId.isEmpty())
        return line.bankId == record.bankId ? apart : -1;
    if (line.checkNumber && record.checkNumber)
        return line.checkNumber == record.checkNumber ? apart : -1;
    if (line.payee == record.payee)
        return apart;
    if (line.payee.isEmpty() || record.payee.isEmpty())
        return -1;
    return line.payee.contains(record.payee) || record.payee.contains(line.payee) ? ContainedPayeeCost + apart : -1;
}

struct Edge {
    int group;
    int cost;
};

struct KeyHash {
    size_t operator()(const std::pair<int64_t, int64_t>& key) const {
        // Mixed as unsigned numbers: they wrap where signed ones would overflow.
        return std::hash<uint64_t>()(uint64_t(key.first) * 1'000'003u + uint64_t(key.second));
    }
};

struct GroupKey {
    int64_t cents;
    int64_t day;
    int checkNumber;
    QString payee;
    QString bankId;
    bool operator==(const GroupKey&) const = default;
};

struct GroupKeyHash {
    size_t operator()(const GroupKey& k) const {
        return KeyHash()({k.cents, k.day}) ^ (qHash(k.payee) * 31u + size_t(k.checkNumber)) ^ (qHash(k.bankId) << 1);
    }
};

// Records equal in amount, day, check number, payee and bank id are interchangeable: one node of the matching stands
// for them all, so that thousands of equal lines and records cost no more than one each.
struct Pairs {
    std::vector<std::vector<int>> groups; // record indices, in order
    std::vector<std::vector<Edge>> edges; // per line
};

// A line looks only at records of its own amount on the days around its date, so a ledger of many equal amounts
// costs no more than one of different ones.
Pairs PossiblePairs(const std::vector<MatchEntry>& lines, const std::vector<MatchEntry>& records) {
    Pairs pairs;
    std::unordered_map<std::pair<int64_t, int64_t>, std::vector<int>, KeyHash> byAmountAndDay; // group indices
    std::unordered_map<GroupKey, int, GroupKeyHash> groupOf;
    for (int r = 0; r < int(records.size()); ++r) {
        const MatchEntry& record = records[size_t(r)];
        const auto [known, isNew] = groupOf.try_emplace(
            {record.cents, record.day, record.checkNumber, record.payee, record.bankId}, int(pairs.groups.size()));
        if (isNew) {
            byAmountAndDay[{record.cents, record.day}].push_back(known->second);
            pairs.groups.emplace_back();
        }
        pairs.groups[size_t(known->second)].push_back(r);
    }
    pairs.edges.resize(lines.size());
    for (size_t l = 0; l < lines.size(); ++l) {
        for (int offset = -MatchDays; offset <= MatchDays; ++offset) {
            const auto bucket = byAmountAndDay.find({lines[l].cents, lines[l].day + offset});
            if (bucket == byAmountAndDay.end())
                continue;
            for (const int g : bucket->second) {
                const MatchEntry& record = records[size_t(pairs.groups[size_t(g)].front())];
                if (const int cost = PairCost(lines[l], record); cost >= 0)
                    pairs.edges[l].push_back({g, cost});
            }
        }
    }
    return pairs;
}

// Minimum-cost bipartite matching, one line at a time (the Hungarian method on a sparse graph): each line takes
// the cheapest alternating path to a group with a free record, found by Dijkstra over costs made non-negative by
// potentials. When no record is free, the line may still take the place of a paired line if that lowers the total
// cost. Nodes are the lines 0..L-1 and then the groups of equal records.
class Matcher {
public:
    Matcher(const std::vector<MatchEntry>& lines, const std::vector<MatchEntry>& records)
        : pairs(PossiblePairs(lines, records)), lineCount(int(lines.size())), lineGroup(lines.size(), -1),
          lineCost(lines.size(), 0), holders(pairs.groups.size()), potential(lines.size() + pairs.groups.size(), 0),
          dist(potential.size()), hops(potential.size()), from(potential.size()), fromCost(potential.size()),
          stamp(potential.size(), -1), done(potential.size(), 0) {}

    std::vector<int> Run() {
        for (int line = 0; line < lineCount; ++line) {
            if (!pairs.edges[size_t(line)].empty())
                Place(line);
        }
        // Within a group, the earlier line takes the earlier record.
        std::vector<int> lineRecord(size_t(lineCount), -1);
        for (size_t g = 0; g < holders.size(); ++g) {
            std::sort(holders[g].begin(), holders[g].end());
            for (size_t k = 0; k < holders[g].size(); ++k)
                lineRecord[size_t(holders[g][k])] = pairs.groups[g][k];
        }
        return lineRecord;
    }

private:
    using Item = std::tuple<int64_t, int, int>; // distance, path length, node: ties go to shorter paths, then order

    bool IsFree(int group) const { return holders[size_t(group)].size() < pairs.groups[size_t(group)].size(); }

    void Reach(int node, int64_t d, int h, int previous, int cost) {
        if (stamp[size_t(node)] == round) {
            if (done[size_t(node)] || std::tie(d, h) >= std::tie(dist[size_t(node)], hops[size_t(node)]))
                return;
        } else {
            stamp[size_t(node)] = round;
            done[size_t(node)] = 0;
            touched.push_back(node);
        }
        dist[size_t(node)] = d;
        hops[size_t(node)] = h;
        from[size_t(node)] = previous;
        fromCost[size_t(node)] = cost;
        queue.emplace(d, h, node);
    }

    void Place(int line) {
        ++round;
        touched.clear();
        queue = {};
        // An unpaired line has no incoming edge: any potential that keeps its edges' reduced costs non-negative will
        // do.
        int64_t start = std::numeric_limits<int64_t>::min();
        for (const Edge& e : pairs.edges[size_t(line)])
            start = std::max(start, potential[size_t(lineCount + e.group)] - e.cost);
        potential[size_t(line)] = start;

        Reach(line, 0, 0, -1, 0);
        int sink = -1;
        while (!queue.empty()) {
            const auto [d, h, node] = queue.top();
            queue.pop();
            if (done[size_t(node)] || d != dist[size_t(node)] || h != hops[size_t(node)])
                continue;
            done[size_t(node)] = 1;
            if (node >= lineCount) {
                const int group = node - lineCount;
                if (IsFree(group)) {
                    sink = node;
                    break;
                }
                for (const int holder : holders[size_t(group)])
                    Reach(holder, d - lineCost[size_t(holder)] + potential[size_t(node)] - potential[size_t(holder)],
                          h + 1, node, 0);
                continue;
            }
            for (const Edge& e : pairs.edges[size_t(node)]) {
                const int group = lineCount + e.group;
                if (e.group != lineGroup[size_t(node)])
                    Reach(group, d + e.cost + potential[size_t(node)] - potential[size_t(group)], h + 1, node, e.cost);
            }
        }
        if (sink < 0)
            sink = CheaperReplacement(line);
        if (sink < 0)
            return;
        const int64_t reached = dist[size_t(sink)];
        for (const int node : touched) {
            if (done[size_t(node)])
                potential[size_t(node)] += std::min(dist[size_t(node)], reached) - reached;
        }
        for (int node = sink; node != line; node = from[size_t(node)]) {
            const int previous = from[size_t(node)];
            if (node < lineCount) { // a line on the path has its new group already; a replaced one gives its up
                if (node == sink)
                    Leave(node);
                continue;
            }
            Leave(previous);
            lineGroup[size_t(previous)] = node - lineCount;
            lineCost[size_t(previous)] = fromCost[size_t(node)];
            holders[size_t(node - lineCount)].push_back(previous);
        }
    }

    void Leave(int line) {
        const int group = lineGroup[size_t(line)];
        if (group < 0)
            return;
        std::vector<int>& held = holders[size_t(group)];
        held.erase(std::find(held.begin(), held.end(), line));
        lineGroup[size_t(line)] = -1;
    }

    // Every record the line could reach is taken: the paired line whose record it would best take over, when that
    // lowers the total cost (true cost of the path = reduced distance - potential of the start + potential of the end).
    int CheaperReplacement(int line) const {
        int best = -1;
        int64_t bestCost = 0;
        for (const int node : touched) {
            if (node >= lineCount || node == line || !done[size_t(node)])
                continue;
            const int64_t cost = dist[size_t(node)] - potential[size_t(line)] + potential[size_t(node)];
            if (cost < bestCost || (cost == bestCost && best >= 0 && node < best)) {
                best = node;
                bestCost = cost;
            }
        }
        return best;
    }

    Pairs pairs;
    const int lineCount;
    std::vector<int> lineGroup;
    std::vector<int> lineCost;
    std::vector<std::vector<int>> holders; // per group: the lines paired with one of its records
    std::vector<int64_t> potential;
    // Dijkstra's state, valid for the nodes stamped with the current round.
    std::vector<int64_t> dist;
    std::vector<int> hops, from, fromCost, stamp;
    std::vector<char> done;
    std::vector<int> touched;
    std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
    int round = -1;
};

} // namespace

std::vector<int> MatchLines(const std::vector<MatchEntry>& lines, const std::vector<MatchEntry>& records) {
    return Matcher(lines, records).Run();
}

} // namespace import
