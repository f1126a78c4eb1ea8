// The companion beside the data file: when a save writes it, how a load puts its marks back on slots, and what it
// does when the data file changed without it.
#include "ledger/Companion.h"

#include "ledger/LedgerFormat.h"
#include "ledger/SafeFile.h"
#include "platform/AtomicFile.h"

#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <numeric>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

namespace {
bool IsLive(const LedgerState& s, int slot) {
    return s.Records[size_t(slot)].TypeCode != Deleted;
}

// Whether the ledger has anything to keep in a companion.
bool HasMarks(const LedgerState& s) {
    const ClearMarkState& m = s.Marks;
    if (!m.statements.empty() || !m.deletedBankIds.isEmpty() || !s.Schedules.empty())
        return true;
    for (int slot = 1; slot < std::min<int>(s.NextSlot, int(m.marks.size())); ++slot) {
        if (m.marks[size_t(slot)] != ClearMark::None && IsLive(s, slot))
            return true;
    }
    // A deleted slot's id goes to the deleted ids: it counts as well.
    for (int slot = 1; slot < std::min<int>(s.NextSlot, int(m.bankIds.size())); ++slot) {
        if (!m.bankIds[size_t(slot)].isEmpty())
            return true;
    }
    return false;
}

// The store's slots as positions in the data file just written (which leaves deleted slots out).
CompanionContents ContentsOf(const LedgerState& s, const QByteArray& ledgerBytes) {
    CompanionContents c;
    std::vector<int> positionOf(size_t(s.NextSlot), 0);
    for (int slot = 1; slot < s.NextSlot; ++slot) {
        if (!IsLive(s, slot))
            continue;
        positionOf[size_t(slot)] = ++c.records;
        c.marks.append(char(s.Marks.MarkOf(slot)));
        const QString id = s.Marks.BankIdOf(slot);
        if (!id.isEmpty())
            c.bankIds.emplace_back(c.records, id);
    }
    c.hashes = RecordHashes(ledgerBytes, c.records);
    c.dataFile = WithHash(s.Stamp, ledgerBytes);
    for (const ReconciledStatement& statement : s.Marks.statements) {
        CompanionContents::Statement& out = c.statements.emplace_back();
        out.date = statement.date;
        out.endingCents = statement.endingCents;
        for (int slot : statement.slots) {
            if (slot < s.NextSlot && positionOf[size_t(slot)] > 0)
                out.positions.push_back(positionOf[size_t(slot)]);
        }
    }
    c.deletedBankIds = DeletedBankIdsOf(s);
    c.schedules = s.Schedules;
    return c;
}

// For each position of the companion, the slot of the same record in the data file now, or 0: records with equal
// bytes are paired in order, the first written with the first found.
std::vector<int> MatchRecords(const QByteArray& written, const QByteArray& current) {
    using Keyed = std::pair<uint64_t, int>;
    const auto keyed = [](const QByteArray& hashes) {
        std::vector<Keyed> out(size_t(hashes.size() / 8));
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = {qFromLittleEndian<uint64_t>(hashes.constData() + i * 8), int(i) + 1};
        std::sort(out.begin(), out.end());
        return out;
    };
    const std::vector<Keyed> before = keyed(written);
    const std::vector<Keyed> now = keyed(current);
    std::vector<int> slotOf(before.size() + 1, 0);
    for (size_t i = 0, j = 0; i < before.size() && j < now.size();) {
        if (before[i].first < now[j].first) {
            ++i;
        } else if (now[j].first < before[i].first) {
            ++j;
        } else {
            slotOf[size_t(before[i++].second)] = now[j++].second;
        }
    }
    return slotOf;
}

// `slotOf` maps each position of the companion to a slot of the data file of `records` records, or to 0.
void Place(const CompanionContents& c, const std::vector<int>& slotOf, int records, ClearMarkState& into,
           CompanionLoad& load) {
    into.marks.assign(size_t(records) + 1, ClearMark::None);
    for (int position = 1; position <= c.records; ++position) {
        const auto mark = ClearMark(c.marks[position - 1]);
        if (slotOf[size_t(position)] > 0)
            into.marks[size_t(slotOf[size_t(position)])] = mark;
        else if (mark != ClearMark::None)
            load.marksDropped += 1;
    }
    for (const auto& [position, id] : c.bankIds) {
        if (slotOf[size_t(position)] > 0)
            into.SetBankId(slotOf[size_t(position)], id);
        else
            load.bankIdsDropped += 1;
    }
    for (const CompanionContents::Statement& statement : c.statements) {
        ReconciledStatement& out = into.statements.emplace_back();
        out.date = statement.date;
        out.endingCents = statement.endingCents;
        for (int position : statement.positions) {
            if (slotOf[size_t(position)] > 0)
                out.slots.push_back(slotOf[size_t(position)]);
        }
    }
    into.deletedBankIds = c.deletedBankIds;
}
} // namespace

QString CompanionPathOf(const QString& ledgerPath) {
    return platform::ResolveSymlinks(ledgerPath) + QStringLiteral(".db");
}

CompanionLoad LoadCompanion(const QString& ledgerTarget, const QByteArray& ledgerBytes, int records,
                            const DiskStamp& stamp, ClearMarkState& into, std::vector<Schedule>& schedules) {
    CompanionLoad load;
    CompanionContents c;
    // A file of the size and time it was written with is taken for that file, as make and rsync do; otherwise its
    // bytes must be the same (a copy that did not keep the time).
    bool unchanged = false;
    const auto sameFile = [&](const CompanionContents& written) {
        unchanged = written.records == records && written.dataFile.size == stamp.size &&
                    (written.dataFile.modifiedNs == stamp.modifiedNs ||
                     written.dataFile.crc == WithHash(stamp, ledgerBytes).crc);
        return unchanged;
    };
    switch (ReadCompanionFile(CompanionPathOf(ledgerTarget), c, sameFile, load.problem)) {
    case CompanionRead::Missing:
        return load;
    case CompanionRead::Unusable:
        load.outcome = CompanionLoad::Outcome::Unusable;
        return load;
    case CompanionRead::Read:
        break;
    }
    std::vector<int> slotOf(size_t(c.records) + 1);
    if (unchanged)
        std::iota(slotOf.begin(), slotOf.end(), 0);
    else
        slotOf = MatchRecords(c.hashes, RecordHashes(ledgerBytes, records));
    load.outcome = unchanged ? CompanionLoad::Outcome::Matched : CompanionLoad::Outcome::Rematched;
    Place(c, slotOf, records, into, load);
    schedules = std::move(c.schedules);
    return load;
}

bool SaveCompanion(LedgerState& state, const QString& ledgerTarget, const QByteArray& ledgerBytes, QString& error) {
    const QString name = CompanionPathOf(ledgerTarget);
    // The load said that it leaves this file alone.
    if (name == state.UnusableCompanion)
        return true;
    const QString path = platform::ResolveSymlinks(name);
    const bool exists = QFileInfo::exists(path);
    const bool hasMarks = HasMarks(state);
    if (!exists && !hasMarks)
        return true;
    // Read whole before it is replaced: a file that is not a sound companion of ours is never written over.
    CompanionContents previous;
    QString problem;
    if (exists &&
        ReadCompanionFile(
            path, previous, [](const CompanionContents&) { return true; }, problem) == CompanionRead::Unusable) {
        state.UnusableCompanion = name;
        if (!hasMarks)
            return true;
        problem[0] = problem[0].toUpper();
        error = problem + QStringLiteral("; it was left as it is.");
        return false;
    }
    // Only a save of this ledger makes the staged file, and it holds the ledger: one left over is from a killed save.
    const QString staged = path + QStringLiteral(".saving");
    ::unlink(QFile::encodeName(staged).constData());
    struct stat ledger {};
    const unsigned mode =
        ::stat(QFile::encodeName(ledgerTarget).constData(), &ledger) == 0 ? ledger.st_mode & 0777 : 0600;
    if (!WriteCompanionFile(staged, ContentsOf(state, ledgerBytes), mode, error))
        return false;
    return platform::ReplaceWithFile(staged, path, error,
                                     [&](QString& backupError) { return !exists || KeepBackup(path, backupError); });
}

CompanionLoad CheckCompanion(const QString& ledgerPath, const QByteArray& ledgerBytes) {
    const QString target = platform::ResolveSymlinks(ledgerPath);
    const int counted = ledgerBytes.size() >= RecordSize ? qFromLittleEndian<int16_t>(ledgerBytes.constData()) - 1 : 0;
    const int records = std::max(0, std::min(counted, int(ledgerBytes.size() / RecordSize) - 1));
    ClearMarkState scratch;
    std::vector<Schedule> schedules;
    return LoadCompanion(target, ledgerBytes, records, MetadataOf(target), scratch, schedules);
}

} // namespace ledger
