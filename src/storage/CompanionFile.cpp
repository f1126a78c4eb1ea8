// The companion file's SQLite side: its schema, written in one transaction, and read back with every value checked.
#include "storage/Companion.h"

#include "formats/CompanionBytes.h"
#include "formats/LedgerFormat.h"
#include "formats/ScheduleBytes.h"
#include "ledger/CheckDetails.h"
#include "platform/Locale.h"
#include "storage/CategoryValues.h"
#include "storage/SafeFile.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ledger {

namespace {
// The start of every SQLite file, and where its header keeps PRAGMA user_version and application_id (big-endian).
constexpr char SqliteMagic[] = "SQLite format 3";
constexpr int SqliteHeaderSize = 100;
constexpr int UserVersionOffset = 60;
constexpr int ApplicationIdOffset = 68;
// A statement's ending balance, as the statement dialog takes it.
constexpr int64_t MaxEndingCents = int64_t(MaxAmount) * 100;
constexpr char TooLongId[] = QT_TRANSLATE_NOOP("CompanionFile", "a bank transaction id is longer than 255 characters");
static_assert(MaxBankIdLength == 255);

QString NotOurs() {
    return QCoreApplication::translate("CompanionFile", "it is not a file of cleared marks written by Tallix");
}
QString Damaged(const QString& detail = {}) {
    return detail.isEmpty() ? QCoreApplication::translate("CompanionFile", "it is damaged")
                            : QCoreApplication::translate("CompanionFile", "it is damaged (%1)").arg(detail);
}

QString Describe(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
}

// One connection to one file. Qt keeps connections by name until they are removed, and only once no query uses
// them: queries live in the functions that take the connection, which outlives them.
class Connection {
public:
    Connection(const QString& path, bool readOnly) : name(QStringLiteral("tallix-companion-%1").arg(++made)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // A companion is never changed in place, only replaced whole: a reader needs neither locks nor SQLite's
        // checks for changes made meanwhile.
        if (readOnly) {
            db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        } else {
            db.setDatabaseName(path);
        }
        if (!db.open()) {
            ok = false;
            error = Describe(db.lastError());
        }
    }
    ~Connection() {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // False from the first failure on; `error` says what it was.
    bool Ok() const { return ok; }
    // A query ready to run; Failed keeps the first error.
    QSqlQuery Query(const char* sql) {
        QSqlQuery query(QSqlDatabase::database(name, false));
        query.setForwardOnly(true);
        if (!query.prepare(QString::fromLatin1(sql)))
            Failed(query);
        return query;
    }
    bool Run(const char* sql) {
        QSqlQuery query = Query(sql);
        return ok && (query.exec() || Failed(query));
    }
    bool Run(QSqlQuery& query) { return ok && (query.exec() || Failed(query)); }
    bool Failed(const QSqlQuery& query) {
        if (ok)
            error = Describe(query.lastError());
        ok = false;
        return false;
    }
    QString error;

private:
    QString name;
    bool ok = true;
    static inline int made = 0;
};

bool WriteCategories(Connection& db, const CompanionContents& c) {
    if (!db.Run(
            "CREATE TABLE categories (position INTEGER PRIMARY KEY, category TEXT NOT NULL, parts BLOB NOT NULL)") ||
        !db.Run("CREATE TABLE kept_categories (id INTEGER PRIMARY KEY, path TEXT NOT NULL)") ||
        !db.Run("CREATE TABLE category_rules (id INTEGER PRIMARY KEY, contains TEXT NOT NULL, category TEXT NOT NULL)"))
        return false;
    const auto text = [](const QString& value) { return value.isNull() ? QStringLiteral("") : value; };
    QSqlQuery category = db.Query("INSERT INTO categories VALUES (?, ?, ?)");
    for (const auto& [position, assignment] : c.categories) {
        category.bindValue(0, position);
        category.bindValue(1, text(assignment.category));
        category.bindValue(2, PackParts(assignment.parts));
        if (!db.Run(category))
            return false;
    }
    const CompanionContents::CategoryLists lists = c.categoryLists.value_or(CompanionContents::CategoryLists{});
    QSqlQuery kept = db.Query("INSERT INTO kept_categories (path) VALUES (?)");
    for (const QString& path : lists.kept) {
        kept.bindValue(0, text(path));
        if (!db.Run(kept))
            return false;
    }
    QSqlQuery rule = db.Query("INSERT INTO category_rules (contains, category) VALUES (?, ?)");
    for (const CategoryRule& each : lists.rules) {
        rule.bindValue(0, text(each.contains));
        rule.bindValue(1, text(each.category));
        if (!db.Run(rule))
            return false;
    }
    return true;
}

bool WriteAll(Connection& db, const CompanionContents& c) {
    // The file is new and renamed in place only once complete: no rollback journal on disk, and the caller syncs it.
    if (!db.Run("PRAGMA journal_mode = MEMORY") || !db.Run("PRAGMA synchronous = OFF") || !db.Run("BEGIN"))
        return false;
    const QByteArray applicationId = "PRAGMA application_id = " + QByteArray::number(CompanionApplicationId);
    // Only details need version 3, and only categories version 4: without them, versions before read the file whole.
    const int version = !c.categories.empty() || c.categoryLists ? 4 : !c.details.empty() ? 3 : 2;
    const QByteArray userVersion = "PRAGMA user_version = " + QByteArray::number(version);
    if (!db.Run(applicationId.constData()) || !db.Run(userVersion.constData()))
        return false;
    for (const char* table : {
             "CREATE TABLE data_file (size INTEGER NOT NULL, modified_ns INTEGER NOT NULL, crc32 INTEGER NOT NULL, "
             "records INTEGER NOT NULL)",
             "CREATE TABLE records (first INTEGER PRIMARY KEY, marks BLOB NOT NULL, bank_ids BLOB NOT NULL)",
             "CREATE TABLE record_hashes (first INTEGER PRIMARY KEY, hashes BLOB NOT NULL)",
             "CREATE TABLE statements (id INTEGER PRIMARY KEY, date REAL NOT NULL, ending_cents INTEGER NOT NULL, "
             "positions BLOB NOT NULL)",
             "CREATE TABLE deleted_bank_ids (id INTEGER PRIMARY KEY, bank_id TEXT NOT NULL)",
             "CREATE TABLE schedules (id INTEGER PRIMARY KEY, schedule BLOB NOT NULL)",
         }) {
        if (!db.Run(table))
            return false;
    }
    QSqlQuery file = db.Query("INSERT INTO data_file VALUES (?, ?, ?, ?)");
    file.addBindValue(qint64(c.dataFile.size));
    file.addBindValue(qint64(c.dataFile.modifiedNs));
    file.addBindValue(qint64(c.dataFile.crc));
    file.addBindValue(c.records);
    if (!db.Run(file))
        return false;
    QSqlQuery block = db.Query("INSERT INTO records VALUES (?, ?, ?)");
    QSqlQuery hashes = db.Query("INSERT INTO record_hashes VALUES (?, ?)");
    size_t nextId = 0;
    for (int first = 1; first <= c.records; first += CompanionBlock) {
        const int count = std::min(CompanionBlock, c.records - first + 1);
        block.bindValue(0, first);
        block.bindValue(1, c.marks.mid(first - 1, count));
        block.bindValue(2, PackBankIds(c.bankIds, nextId, first, count));
        hashes.bindValue(0, first);
        hashes.bindValue(1, c.hashes.mid(qsizetype(first - 1) * RecordHashSize, qsizetype(count) * RecordHashSize));
        if (!db.Run(block) || !db.Run(hashes))
            return false;
    }
    QSqlQuery statement = db.Query("INSERT INTO statements (date, ending_cents, positions) VALUES (?, ?, ?)");
    for (const CompanionContents::Statement& s : c.statements) {
        statement.bindValue(0, s.date);
        statement.bindValue(1, qint64(s.endingCents));
        statement.bindValue(2, PackPositions(s.positions));
        if (!db.Run(statement))
            return false;
    }
    QSqlQuery deleted = db.Query("INSERT INTO deleted_bank_ids (bank_id) VALUES (?)");
    for (const QString& id : c.deletedBankIds) {
        deleted.bindValue(0, id);
        if (!db.Run(deleted))
            return false;
    }
    QSqlQuery schedule = db.Query("INSERT INTO schedules (schedule) VALUES (?)");
    for (const Schedule& s : c.schedules) {
        schedule.bindValue(0, EncodeSchedule(s));
        if (!db.Run(schedule))
            return false;
    }
    if (version >= 3) {
        if (!db.Run("CREATE TABLE check_details (position INTEGER PRIMARY KEY, memo TEXT NOT NULL, address BLOB NOT "
                    "NULL, waiting INTEGER NOT NULL)"))
            return false;
        QSqlQuery detail = db.Query("INSERT INTO check_details VALUES (?, ?, ?, ?)");
        for (const auto& [position, d] : c.details) {
            detail.bindValue(0, position);
            detail.bindValue(1, d.memo.isNull() ? QStringLiteral("") : d.memo);
            detail.bindValue(2, PackLines(d.address));
            detail.bindValue(3, d.waitingToPrint ? 1 : 0);
            if (!db.Run(detail))
                return false;
        }
    }
    return (version < 4 || WriteCategories(db, c)) && db.Run("COMMIT");
}

// The header alone tells a file that is not ours or too new, without letting SQLite near it: its schema's version.
platform::Result<qint32, FileRead> ProbeHeader(const QString& path) {
    const auto unusable = [](QString problem) { return platform::Fail(std::move(problem), FileRead::Unreadable); };
    QFile file;
    switch (OpenRegularFile(path, file)) {
    case OpenResult::NotRegular:
        return unusable(NotOurs());
    case OpenResult::Failed:
        if (errno == ENOENT)
            return platform::Fail(QString(), FileRead::Missing);
        return unusable(qt_error_string(errno));
    case OpenResult::Opened:
        break;
    }
    const QByteArray head = file.read(SqliteHeaderSize);
    if (head.size() < SqliteHeaderSize || std::memcmp(head.constData(), SqliteMagic, sizeof(SqliteMagic)) != 0 ||
        qFromBigEndian<qint32>(head.constData() + ApplicationIdOffset) != CompanionApplicationId)
        return unusable(NotOurs());
    const qint32 version = qFromBigEndian<qint32>(head.constData() + UserVersionOffset);
    if (version > CompanionVersion)
        return unusable(QCoreApplication::translate("CompanionFile", "it was written by a newer version of Tallix"));
    if (version < 1)
        return unusable(Damaged());
    return version;
}

// Version 4's tables, each value as the store takes it.
bool ReadCategories(Connection& db, CompanionContents& c, QString& detail) {
    const auto outOfBounds = [&detail](const char* what) {
        detail = QCoreApplication::translate("CompanionFile", what);
        return false;
    };
    QSqlQuery categories = db.Query("SELECT position, category, parts FROM categories ORDER BY position");
    if (!db.Run(categories))
        return false;
    while (categories.next()) {
        const int position = categories.value(0).toInt();
        CategoryAssignment a{categories.value(1).toString(), {}};
        if (position < 1 || position > c.records || !UnpackParts(categories.value(2).toByteArray(), a.parts))
            return false;
        if (!IsKeptAssignment(a))
            return outOfBounds(
                QT_TRANSLATE_NOOP("CompanionFile", "a transaction's category or split is not one Tallix can keep"));
        c.categories.emplace_back(position, std::move(a));
    }
    CompanionContents::CategoryLists& lists = c.categoryLists.emplace();
    QSqlQuery kept = db.Query("SELECT path FROM kept_categories ORDER BY id");
    if (!db.Run(kept))
        return false;
    while (kept.next())
        lists.kept << kept.value(0).toString();
    QSqlQuery rules = db.Query("SELECT contains, category FROM category_rules ORDER BY id");
    if (!db.Run(rules))
        return false;
    while (rules.next())
        lists.rules.push_back({rules.value(0).toString(), rules.value(1).toString()});
    if (!IsKeptList(lists.kept, lists.rules))
        return outOfBounds(
            QT_TRANSLATE_NOOP("CompanionFile", "the list of categories or an import rule is not one Tallix can keep"));
    return db.Ok();
}

// Every value is checked against the data file's record count, and against what the store, its recovery journal and
// the windows take: a companion that does not add up is damaged, with `detail` saying what is wrong when SQLite
// does not.
bool ReadAll(Connection& db, qint32 version, CompanionContents& c,
             const std::function<bool(const CompanionContents&)>& unchanged, QString& detail) {
    const auto outOfBounds = [&detail](const char* what) {
        detail = QCoreApplication::translate("CompanionFile", what);
        return false;
    };
    QSqlQuery file = db.Query("SELECT size, modified_ns, crc32, records FROM data_file");
    if (!db.Run(file) || !file.next())
        return false;
    c.dataFile.exists = true;
    c.dataFile.size = file.value(0).toLongLong();
    c.dataFile.modifiedNs = file.value(1).toLongLong();
    c.dataFile.crc = uint32_t(file.value(2).toLongLong());
    c.dataFile.hashed = c.dataFile.size;
    c.records = file.value(3).toInt();
    if (file.next() || c.records < 0 || c.records >= MaxSlots)
        return false;

    QSqlQuery blocks = db.Query("SELECT first, marks, bank_ids FROM records ORDER BY first");
    if (!db.Run(blocks))
        return false;
    std::vector<std::pair<int, int>> read; // first and count of each block
    int next = 1;
    while (blocks.next()) {
        const QByteArray marks = blocks.value(1).toByteArray();
        const int count = int(marks.size());
        if (blocks.value(0).toInt() != next || count < 1 || count > c.records - next + 1 ||
            !std::all_of(marks.begin(), marks.end(), IsMarkByte) ||
            !UnpackBankIds(blocks.value(2).toByteArray(), next, count, c.bankIds))
            return false;
        c.marks += marks;
        read.emplace_back(next, count);
        next += count;
    }
    if (next != c.records + 1)
        return false;
    if (std::any_of(c.bankIds.begin(), c.bankIds.end(),
                    [](const auto& id) { return id.second.size() > MaxBankIdLength; }))
        return outOfBounds(TooLongId);
    if (!unchanged(c)) {
        // The hashes follow the blocks of marks one for one.
        QSqlQuery hashes = db.Query("SELECT first, hashes FROM record_hashes ORDER BY first");
        if (!db.Run(hashes))
            return false;
        for (const auto& [first, count] : read) {
            if (!hashes.next() || hashes.value(0).toInt() != first)
                return false;
            const QByteArray block = hashes.value(1).toByteArray();
            if (block.size() != qsizetype(count) * RecordHashSize)
                return false;
            c.hashes += block;
        }
        if (hashes.next())
            return false;
    }

    QSqlQuery statements = db.Query("SELECT date, ending_cents, positions FROM statements ORDER BY id");
    if (!db.Run(statements))
        return false;
    while (statements.next()) {
        CompanionContents::Statement s{statements.value(0).toDouble(), statements.value(1).toLongLong(), {}};
        if (!UnpackPositions(statements.value(2).toByteArray(), s.positions))
            return false;
        if (!platform::IsDayCountInRange(s.date) || s.endingCents < -MaxEndingCents || s.endingCents > MaxEndingCents)
            return outOfBounds(
                QT_TRANSLATE_NOOP("CompanionFile", "a statement's date or ending balance is out of range"));
        if (std::any_of(s.positions.begin(), s.positions.end(),
                        [&c](int position) { return position < 1 || position > c.records; }))
            return false;
        c.statements.push_back(std::move(s));
    }
    QSqlQuery deleted = db.Query("SELECT bank_id FROM deleted_bank_ids ORDER BY id");
    if (!db.Run(deleted))
        return false;
    while (deleted.next()) {
        c.deletedBankIds << deleted.value(0).toString();
        if (c.deletedBankIds.back().isEmpty())
            return outOfBounds(QT_TRANSLATE_NOOP("CompanionFile", "a deleted record's bank transaction id is empty"));
        if (c.deletedBankIds.back().size() > MaxBankIdLength)
            return outOfBounds(TooLongId);
    }
    if (version < 2)
        return db.Ok();
    QSqlQuery schedules = db.Query("SELECT schedule FROM schedules ORDER BY id");
    if (!db.Run(schedules))
        return false;
    while (schedules.next()) {
        if (!DecodeSchedule(schedules.value(0).toByteArray(), c.schedules.emplace_back()))
            return outOfBounds(
                QT_TRANSLATE_NOOP("CompanionFile", "a scheduled transaction is not one Tallix can keep"));
    }
    if (version < 3)
        return db.Ok();
    QSqlQuery details = db.Query("SELECT position, memo, address, waiting FROM check_details ORDER BY position");
    if (!db.Run(details))
        return false;
    while (details.next()) {
        const int position = details.value(0).toInt();
        const qint64 waiting = details.value(3).toLongLong();
        CheckDetail d{details.value(1).toString(), {}, waiting == 1};
        if (position < 1 || position > c.records || (waiting != 0 && waiting != 1) ||
            !UnpackLines(details.value(2).toByteArray(), d.address))
            return false;
        if (d.memo.size() > MaxMemoLength || d.address.size() > MaxAddressLines ||
            std::any_of(d.address.begin(), d.address.end(),
                        [](const QString& line) { return line.size() > MaxAddressLineLength; }))
            return outOfBounds(QT_TRANSLATE_NOOP("CompanionFile", "a check's memo or address is too long"));
        c.details.emplace_back(position, std::move(d));
    }
    if (version < 4)
        return db.Ok();
    return ReadCategories(db, c, detail);
}
} // namespace

platform::Result<CompanionContents, FileRead>
ReadCompanionFile(const QString& path, const std::function<bool(const CompanionContents&)>& unchanged) {
    const platform::Result<qint32, FileRead> version = ProbeHeader(path);
    if (!version)
        return platform::Fail(version.Error(), version.Code());
    Connection db(path, true);
    CompanionContents contents;
    QString detail;
    if (ReadAll(db, version.Value(), contents, unchanged, detail))
        return contents;
    return platform::Fail(Damaged(db.error.isEmpty() ? detail : db.error), FileRead::Unreadable);
}

platform::Result<> WriteCompanionFile(const QString& path, const CompanionContents& contents, unsigned mode) {
    // Made with the ledger's permissions before SQLite opens it: the marks and bank ids are as private as the ledger.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return platform::Fail(qt_error_string(errno));
    const bool made = ::fchmod(fd, mode_t(mode)) == 0;
    QString error = made ? QString() : qt_error_string(errno);
    ::close(fd);
    bool written = false;
    if (made) {
        Connection db(path, false);
        written = WriteAll(db, contents);
        error = db.error;
    }
    if (written)
        return {};
    ::unlink(name.constData());
    return platform::Fail(error);
}

} // namespace ledger
