// The companion beside the data file: when a save writes it, how a load puts its marks back on slots, and what it
// does when the data file changed without it.
#include "storage/Companion.h"

#include "formats/CompanionBytes.h"
#include "formats/LedgerFormat.h"
#include "model/TransactionRules.h"
#include "platform/AtomicFile.h"
#include "storage/CompanionCheck.h"
#include "storage/DiskStamping.h"
#include "storage/SafeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <numeric>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

namespace {
// The companion as a save writes it, complete, before the data file is replaced.
QString StagedPathOf(const QString& companionPath) {
    return companionPath + QStringLiteral(".saving");
}

bool IsLive(const LedgerState& s, int slot) {
    return s.Records[size_t(slot)].TypeCode != Deleted;
}

// Whether a live slot has a category, or the ledger rules or a list that a new ledger does not have.
bool HasCategories(const LedgerState& s) {
    if (!s.CategoryRules.empty() || s.KeptCategories != DefaultCategories())
        return true;
    for (int slot = 1; slot < std::min<int>(s.NextSlot, int(s.Marks.categories.size())); ++slot) {
        if (!s.Marks.categories[size_t(slot)].IsEmpty() && IsLive(s, slot))
            return true;
    }
    return false;
}

// Whether the ledger has anything to keep in a companion.
bool HasMarks(const LedgerState& s) {
    const ClearMarkState& m = s.Marks;
    if (!m.statements.empty() || !m.deletedBankIds.isEmpty() || !s.Schedules.empty() || HasCategories(s))
        return true;
    for (int slot = 1; slot < std::min<int>(s.NextSlot, int(m.marks.size())); ++slot) {
        if (m.marks[size_t(slot)] != ClearMark::None && IsLive(s, slot))
            return true;
    }
    for (int slot = 1; slot < std::min<int>(s.NextSlot, int(m.details.size())); ++slot) {
        if (m.details[size_t(slot)] != CheckDetail() && IsLive(s, slot))
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
        if (const CheckDetail detail = s.Marks.DetailOf(slot); detail != CheckDetail())
            c.details.emplace_back(c.records, detail);
        if (const CategoryAssignment category = s.Marks.CategoryOf(slot); !category.IsEmpty())
            c.categories.emplace_back(c.records, category);
    }
    // A ledger with a new ledger's categories is written for versions before them, which read it whole.
    if (HasCategories(s))
        c.categoryLists = CompanionContents::CategoryLists{s.KeptCategories, s.CategoryRules};
    c.hashes = RecordHashes(ledgerBytes, c.records);
    // Written before the data file, whose time is not known yet: the size and the CRC-32 tell it.
    c.dataFile = WithHash({.exists = true, .size = ledgerBytes.size()}, ledgerBytes);
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
// bytes are paired in order, the first written with the first found. `found` counts the positions paired.
std::vector<int> MatchRecords(const QByteArray& written, const QByteArray& current, int& found) {
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
    found = 0;
    for (size_t i = 0, j = 0; i < before.size() && j < now.size();) {
        if (before[i].first < now[j].first) {
            ++i;
        } else if (now[j].first < before[i].first) {
            ++j;
        } else {
            slotOf[size_t(before[i++].second)] = now[j++].second;
            found += 1;
        }
    }
    return slotOf;
}

// The amount of the record in `slot` of the data file `ledgerBytes`, in cents.
int64_t AmountCents(const QByteArray& ledgerBytes, int slot) {
    TransactionRecord record;
    DecodeRecord(ledgerBytes.constData() + qsizetype(slot) * RecordSize, record);
    return ToCents(record.Amount);
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
    for (const auto& [position, detail] : c.details) {
        if (slotOf[size_t(position)] > 0)
            into.SetDetail(slotOf[size_t(position)], detail);
        else if (!detail.memo.isEmpty() || !detail.address.isEmpty())
            load.detailsDropped += 1;
    }
    for (const auto& [position, category] : c.categories) {
        if (slotOf[size_t(position)] > 0)
            into.SetCategory(slotOf[size_t(position)], category);
        else
            load.categoriesDropped += 1;
    }
    into.deletedBankIds = c.deletedBankIds;
}
} // namespace

QString CompanionPathOf(const QString& ledgerPath) {
    return platform::ResolveSymlinks(ledgerPath) + QStringLiteral(".db");
}

CompanionLoad LoadCompanion(const QString& ledgerTarget, const QByteArray& ledgerBytes, int records,
                            LedgerState& into) {
    CompanionLoad load;
    into.KeptCategories = DefaultCategories();
    into.CategoryRules.clear();
    // Positions are the records' only in the very bytes the companion was written with: a file of the same size and
    // time can hold other records (file times are as coarse as 2 s, and a save may end between the two files).
    std::optional<uint32_t> crc;
    const auto writtenWith = [&](const CompanionContents& written) {
        if (written.records != records || written.dataFile.size != ledgerBytes.size())
            return false;
        if (!crc)
            crc = WithHash({}, ledgerBytes).crc;
        return written.dataFile.crc == *crc;
    };
    const QString path = CompanionPathOf(ledgerTarget);
    const auto anyData = [](const CompanionContents&) { return true; };
    // A save killed once it had replaced the data file left that file's companion complete under the staged name.
    platform::Result<CompanionContents, FileRead> read =
        ReadCompanionFile(StagedPathOf(platform::ResolveSymlinks(path)), anyData);
    const bool staged = read && writtenWith(read.Value());
    if (!staged) {
        read = ReadCompanionFile(path, writtenWith);
        if (!read) {
            if (read.Code() == FileRead::Missing)
                return load;
            load.outcome = CompanionLoad::Outcome::Unusable;
            load.problem = read.Error();
            return load;
        }
    }
    CompanionContents& c = read.Value();
    std::vector<int> slotOf(size_t(c.records) + 1);
    load.outcome = staged || writtenWith(c) ? CompanionLoad::Outcome::Matched : CompanionLoad::Outcome::Rematched;
    if (load.outcome == CompanionLoad::Outcome::Matched) {
        std::iota(slotOf.begin(), slotOf.end(), 0);
    } else {
        int found = 0;
        slotOf = MatchRecords(c.hashes, RecordHashes(ledgerBytes, records), found);
        // Not one record in common: a copy of another ledger's companion, whose marks and schedules are not this
        // ledger's. (A ledger whose every record another program changed looks the same, and keeps that file too.)
        if (found == 0 && c.records > 0 && records > 0) {
            load.outcome = CompanionLoad::Outcome::Unusable;
            load.problem = QCoreApplication::translate(
                "Companion", "it belongs to another ledger: none of its records is in this one");
            return load;
        }
    }
    // The records were matched by their bytes, amounts included: a split that does not add up to its record's amount
    // was not written so.
    for (const auto& [position, category] : c.categories) {
        const int slot = slotOf[size_t(position)];
        if (slot > 0 && category.IsSplit() && !PartsFit(category.parts, AmountCents(ledgerBytes, slot))) {
            load.outcome = CompanionLoad::Outcome::Unusable;
            load.problem = QCoreApplication::translate(
                "Companion", "it is damaged (a split does not add up to its transaction's amount)");
            return load;
        }
    }
    Place(c, slotOf, records, into.Marks, load);
    into.Schedules = std::move(c.schedules);
    if (c.categoryLists) {
        into.KeptCategories = c.categoryLists->kept;
        into.CategoryRules = c.categoryLists->rules;
    }
    return load;
}

platform::Result<> FinishKilledSave(const QString& ledgerTarget) {
    const QString path = platform::ResolveSymlinks(CompanionPathOf(ledgerTarget));
    const QString staged = StagedPathOf(path);
    const platform::Result<CompanionContents, FileRead> read =
        ReadCompanionFile(staged, [](const CompanionContents&) { return true; });
    if (!read && read.Code() == FileRead::Missing)
        return {};
    QFile file;
    QByteArray bytes;
    if (OpenRegularFile(ledgerTarget, file) == OpenResult::Opened)
        bytes = file.read(MaxLedgerBytes);
    const bool ofDataFile =
        read && read->dataFile.size == bytes.size() && read->dataFile.crc == WithHash({}, bytes).crc;
    if (!ofDataFile) {
        // The save that staged it ended before it replaced the data file.
        ::unlink(QFile::encodeName(staged).constData());
        return {};
    }
    if (QFileInfo::exists(path)) {
        platform::Result<> kept = KeepBackup(path);
        if (!kept)
            return kept;
    }
    return platform::MoveIntoPlace(staged, path);
}

platform::Result<CompanionStage> StageCompanion(LedgerState& state, const QString& ledgerTarget,
                                                const QByteArray& ledgerBytes) {
    const QString name = CompanionPathOf(ledgerTarget);
    const QString path = platform::ResolveSymlinks(name);
    const bool exists = QFileInfo::exists(path);
    const bool hasMarks = HasMarks(state);
    if (!exists && !hasMarks)
        return CompanionStage::Nothing;
    QString problem;
    if (exists && name == state.UnusableCompanion) {
        // What the load found decides, whatever that file holds by now (a sync tool may deliver it late): it may
        // be the marks and schedules of this very ledger, which the load did not take.
        problem = state.UnusableProblem;
    } else if (exists) {
        // Read whole before it is replaced: a file that is not a sound companion of ours is never written over.
        const platform::Result<CompanionContents, FileRead> previous =
            ReadCompanionFile(path, [](const CompanionContents&) { return true; });
        if (!previous && previous.Code() == FileRead::Unreadable) {
            problem = previous.Error();
            state.UnusableCompanion = name;
            state.UnusableProblem = problem;
        }
    }
    if (!problem.isEmpty()) {
        // Left alone; while the ledger has marks that file keeps them from being saved, and every save says so
        // rather than drop them.
        if (!hasMarks)
            return CompanionStage::Nothing;
        problem[0] = problem[0].toUpper();
        return platform::Fail(QCoreApplication::translate("Companion",
                                                          "%1; it was left as it is. Move it aside to save "
                                                          "the cleared marks, schedules and categories.")
                                  .arg(problem));
    }
    // Only a save of this ledger makes these, and it holds the ledger: one left over is from a killed save.
    const QString staged = StagedPathOf(path);
    const QString written = staged + QStringLiteral(".tmp");
    ::unlink(QFile::encodeName(written).constData());
    struct stat ledger {};
    const unsigned mode =
        ::stat(QFile::encodeName(ledgerTarget).constData(), &ledger) == 0 ? ledger.st_mode & 0777 : 0600;
    // Complete on disk under the staged name before the data file is replaced: a load takes it from then on. The
    // data file's replacement syncs its folder after its own rename, which makes this one durable as well when the
    // companion is in the same folder (not a link to another).
    const bool otherFolder = QFileInfo(path).absolutePath() != QFileInfo(ledgerTarget).absolutePath();
    platform::Result<> done = WriteCompanionFile(written, ContentsOf(state, ledgerBytes), mode);
    if (done)
        done = platform::ReplaceWithFile(written, staged, otherFolder);
    if (!done)
        return platform::Fail(done.Error());
    return CompanionStage::Staged;
}

void DropStagedCompanion(const QString& ledgerTarget, const QByteArray& ledgerBytes) {
    if (!StillHolds(ledgerTarget, MetadataOf(ledgerTarget), ledgerBytes))
        ::unlink(QFile::encodeName(StagedPathOf(platform::ResolveSymlinks(CompanionPathOf(ledgerTarget)))).constData());
}

platform::Result<> PlaceCompanion(LedgerState& state, const QString& ledgerTarget) {
    const QString name = CompanionPathOf(ledgerTarget);
    const QString path = platform::ResolveSymlinks(name);
    if (QFileInfo::exists(path)) {
        platform::Result<> kept = KeepBackup(path);
        if (!kept)
            return kept;
    }
    // No file was there when the save began: the one it writes is this ledger's.
    if (name == state.UnusableCompanion)
        state.UnusableCompanion.clear();
    return platform::MoveIntoPlace(StagedPathOf(path), path);
}

CompanionLoad CheckCompanion(const QString& ledgerPath, const QByteArray& ledgerBytes) {
    const QString target = platform::ResolveSymlinks(ledgerPath);
    const int counted = ledgerBytes.size() >= RecordSize ? qFromLittleEndian<int16_t>(ledgerBytes.constData()) - 1 : 0;
    const int records = std::max(0, std::min(counted, int(ledgerBytes.size() / RecordSize) - 1));
    LedgerState scratch;
    return LoadCompanion(target, ledgerBytes, records, scratch);
}

} // namespace ledger
