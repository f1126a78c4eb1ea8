// Which occurrences of a schedule are done, kept as a day through which all are and the few done out of turn after
// it.
#include "model/Schedule.h"

#include "platform/Locale.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace ledger {

namespace {
constexpr int64_t MaxAmountCents = int64_t(MaxAmount) * 100;

bool IsCents(int64_t cents) {
    return cents >= 0 && cents <= MaxAmountCents;
}

// The nominal day after which the first occurrence not yet folded into doneThrough is found.
double FoldedThrough(const Schedule& schedule) {
    return schedule.doneThrough != 0 ? schedule.doneThrough : schedule.rule.start - 1;
}

// The occurrences whose nominal days lie after `after` and on or before `through`.
std::vector<Occurrence> NominalBetween(const ScheduleRule& rule, double after, double through) {
    std::vector<Occurrence> out = OccurrencesBetween(rule, after, through + MaxWeekendShift);
    std::erase_if(out, [through](const Occurrence& o) { return o.nominal > through; });
    return out;
}

bool IsOccurrence(const ScheduleRule& rule, double nominal) {
    const std::optional<Occurrence> next = OccurrenceAfter(rule, nominal - 1);
    return next && next->nominal == nominal;
}
} // namespace

bool IsValidSchedule(const Schedule& s) {
    const bool doneAfterFits =
        std::is_sorted(s.doneAfter.begin(), s.doneAfter.end()) &&
        std::adjacent_find(s.doneAfter.begin(), s.doneAfter.end()) == s.doneAfter.end() &&
        std::all_of(s.doneAfter.begin(), s.doneAfter.end(), [&s](double day) {
            return platform::IsDayCountInRange(day) && (s.doneThrough == 0 || day > s.doneThrough);
        });
    return IsValidRule(s.rule) && s.typeCode >= CheckOrPayment && s.typeCode <= Interest &&
           (!s.isCheck || s.typeCode == CheckOrPayment) && !s.description.isEmpty() &&
           s.description.size() <= DescriptionLength && s.description.trimmed() == s.description &&
           IsCents(s.amountCents) && platform::MoneyKeptToTheCent(double(s.amountCents) / 100.0) &&
           IsCents(s.toleranceCents) && (s.doneThrough == 0 || platform::IsDayCountInRange(s.doneThrough)) &&
           doneAfterFits;
}

bool IsDone(const Schedule& schedule, double nominal) {
    return (schedule.doneThrough != 0 && nominal <= schedule.doneThrough) ||
           std::binary_search(schedule.doneAfter.begin(), schedule.doneAfter.end(), nominal);
}

Schedule WithDone(Schedule schedule, double nominal, bool done) {
    if (IsDone(schedule, nominal) == done || !IsOccurrence(schedule.rule, nominal))
        return schedule;
    std::vector<double>& after = schedule.doneAfter;
    if (done) {
        after.insert(std::lower_bound(after.begin(), after.end(), nominal), nominal);
        // Occurrences done in turn move doneThrough on (a day 0 stays in the list: it would read as none).
        for (std::optional<Occurrence> next = OccurrenceAfter(schedule.rule, FoldedThrough(schedule));
             next && !after.empty() && after.front() == next->nominal && next->nominal != 0;
             next = OccurrenceAfter(schedule.rule, next->nominal)) {
            schedule.doneThrough = next->nominal;
            after.erase(after.begin());
        }
    } else if (schedule.doneThrough != 0 && nominal <= schedule.doneThrough) {
        // Unfolded: doneThrough goes back to the occurrence before, and those after it stay done one by one.
        std::vector<double> unfolded;
        double through = 0;
        for (const Occurrence& o : NominalBetween(schedule.rule, schedule.rule.start - 1, schedule.doneThrough)) {
            if (o.nominal < nominal)
                through = o.nominal;
            else if (o.nominal > nominal)
                unfolded.push_back(o.nominal);
        }
        unfolded.insert(unfolded.end(), after.begin(), after.end());
        schedule.doneThrough = through;
        after = std::move(unfolded);
    } else {
        after.erase(std::lower_bound(after.begin(), after.end(), nominal));
    }
    return schedule;
}

std::optional<Occurrence> NextDue(const Schedule& schedule) {
    std::optional<Occurrence> next = OccurrenceAfter(schedule.rule, FoldedThrough(schedule));
    while (next && IsDone(schedule, next->nominal))
        next = OccurrenceAfter(schedule.rule, next->nominal);
    return next;
}

std::vector<Occurrence> PendingBetween(const Schedule& schedule, double from, double through, int limit) {
    // Those done out of turn are walked too and then dropped: room for them keeps `limit` pending ones.
    const size_t kept = size_t(std::max(limit, 0));
    const int walked = int(std::min<size_t>(kept + schedule.doneAfter.size(), INT_MAX));
    std::vector<Occurrence> out =
        OccurrencesBetween(schedule.rule, std::max(FoldedThrough(schedule), std::floor(from) - 1), through, walked);
    std::erase_if(out, [&schedule](const Occurrence& o) { return IsDone(schedule, o.nominal); });
    if (out.size() > kept)
        out.resize(kept);
    return out;
}

} // namespace ledger
