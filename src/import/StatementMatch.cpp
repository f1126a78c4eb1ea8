#include "import/StatementMatch.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <tuple>
#include <unordered_map>

namespace import {

namespace {

// Below any cost of two equal payees, so that an equal payee always wins over a nearer date.
constexpr int ContainedPayeeCost = MatchDays + 1;

// What pairing the line with the record costs: the days between them, more when one payee only contains the
// other; -1 when they are not the same transaction. The caller has checked the amount and the days.
int PairCost(const MatchEntry& line, const MatchEntry& record) {
    const int apart = int(std::llabs(line.day - record.day));
    if (line.checkNumber && record.checkNumber)
        return line.checkNumber == record.checkNumber ? apart : -1;
    if (line.payee == record.payee)
        return apart;
    if (line.payee.isEmpty() || record.payee.isEmpty())
        return -1;
    return line.payee.contains(record.payee) || record.payee.contains(line.payee) ? ContainedPayeeCost + apart : -1;
}

struct Edge {
    int record;
    int cost;
};

struct KeyHash {
    size_t operator()(const std::pair<int64_t, int64_t>& key) const {
        // Mixed as unsigned numbers: they wrap where signed ones would overflow.
        return std::hash<uint64_t>()(uint64_t(key.first) * 1'000'003u + uint64_t(key.second));
    }
};

// A line looks only at records of its own amount on the days around its date, so a ledger of many equal amounts
// costs no more than one of different ones.
std::vector<std::vector<Edge>> PossiblePairs(const std::vector<MatchEntry>& lines,
                                             const std::vector<MatchEntry>& records) {
    std::unordered_map<std::pair<int64_t, int64_t>, std::vector<int>, KeyHash> byAmountAndDay;
    for (int r = 0; r < int(records.size()); ++r)
        byAmountAndDay[{records[r].cents, records[r].day}].push_back(r);
    std::vector<std::vector<Edge>> edges(lines.size());
    for (size_t l = 0; l < lines.size(); ++l) {
        for (int offset = -MatchDays; offset <= MatchDays; ++offset) {
            const auto bucket = byAmountAndDay.find({lines[l].cents, lines[l].day + offset});
            if (bucket == byAmountAndDay.end())
                continue;
            for (const int r : bucket->second) {
                if (const int cost = PairCost(lines[l], records[size_t(r)]); cost >= 0)
                    edges[l].push_back({r, cost});
            }
        }
    }
    return edges;
}

// Minimum-cost bipartite matching, one line at a time (the Hungarian method on a sparse graph): each line takes
// the cheapest alternating path to a free record, found by Dijkstra over costs made non-negative by potentials.
// When no record is free, the line may still take the place of a paired line if that lowers the total cost.
// Nodes are the lines 0..L-1 and then the records.
class Matcher {
public:
    Matcher(const std::vector<MatchEntry>& lines, const std::vector<MatchEntry>& records)
        : edges(PossiblePairs(lines, records)), lineCount(int(lines.size())), lineRecord(lines.size(), -1),
          lineCost(lines.size(), 0), recordLine(records.size(), -1), potential(lines.size() + records.size(), 0),
          dist(potential.size()), hops(potential.size()), from(potential.size()), fromCost(potential.size()),
          stamp(potential.size(), -1), done(potential.size(), 0) {}

    std::vector<int> Run() {
        for (int line = 0; line < lineCount; ++line) {
            if (!edges[size_t(line)].empty())
                Place(line);
        }
        return lineRecord;
    }

private:
    using Item = std::tuple<int64_t, int, int>; // distance, path length, node: ties go to shorter paths, then order

    void Reach(int node, int64_t d, int h, int previous, int cost) {
        if (stamp[node] == round) {
            if (done[node] || std::tie(d, h) >= std::tie(dist[node], hops[node]))
                return;
        } else {
            stamp[node] = round;
            done[node] = 0;
            touched.push_back(node);
        }
        dist[node] = d;
        hops[node] = h;
        from[node] = previous;
        fromCost[node] = cost;
        queue.emplace(d, h, node);
    }

    void Place(int line) {
        ++round;
        touched.clear();
        queue = {};
        // An unpaired line has no incoming edge: any potential that keeps its edges' reduced costs non-negative will
        // do.
        int64_t start = std::numeric_limits<int64_t>::min();
        for (const Edge& e : edges[size_t(line)])
            start = std::max(start, potential[size_t(lineCount + e.record)] - e.cost);
        potential[size_t(line)] = start;

        Reach(line, 0, 0, -1, 0);
        int sink = -1;
        while (!queue.empty()) {
            const auto [d, h, node] = queue.top();
            queue.pop();
            if (done[node] || d != dist[node] || h != hops[node])
                continue;
            done[node] = 1;
            if (node >= lineCount) {
                const int holder = recordLine[size_t(node - lineCount)];
                if (holder < 0) {
                    sink = node;
                    break;
                }
                Reach(holder, d - lineCost[size_t(holder)] + potential[node] - potential[holder], h + 1, node, 0);
                continue;
            }
            for (const Edge& e : edges[size_t(node)]) {
                const int record = lineCount + e.record;
                if (e.record != lineRecord[size_t(node)])
                    Reach(record, d + e.cost + potential[node] - potential[record], h + 1, node, e.cost);
            }
        }
        if (sink < 0)
            sink = CheaperReplacement(line);
        if (sink < 0)
            return;
        const int64_t reached = dist[sink];
        for (const int node : touched) {
            if (done[node])
                potential[node] += std::min(dist[node], reached) - reached;
        }
        for (int node = sink; node != line; node = from[node]) {
            const int previous = from[node];
            if (node < lineCount) { // a line on the path has its new record already; a replaced one gives it up
                if (node == sink)
                    lineRecord[size_t(node)] = -1;
                continue;
            }
            lineRecord[size_t(previous)] = node - lineCount;
            lineCost[size_t(previous)] = fromCost[node];
            recordLine[size_t(node - lineCount)] = previous;
        }
    }

    // Every record the line could reach is taken: the paired line whose record it would best take over, when that
    // lowers the total cost (true cost of the path = reduced distance - potential of the start + potential of the end).
    int CheaperReplacement(int line) const {
        int best = -1;
        int64_t bestCost = 0;
        for (const int node : touched) {
            if (node >= lineCount || node == line || !done[node])
                continue;
            const int64_t cost = dist[node] - potential[size_t(line)] + potential[node];
            if (cost < bestCost || (cost == bestCost && best >= 0 && node < best)) {
                best = node;
                bestCost = cost;
            }
        }
        return best;
    }

    const std::vector<std::vector<Edge>> edges;
    const int lineCount;
    std::vector<int> lineRecord;
    std::vector<int> lineCost;
    std::vector<int> recordLine;
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
