#include "platform/ObjectStore.h"

#include "TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

const QString notes = QStringLiteral("Notes");

RecordSchema notesSchema()
{
    return { notes,
        { { QStringLiteral("id"), FieldType::String, true }, { QStringLiteral("name"), FieldType::String },
            { QStringLiteral("count"), FieldType::Int }, { QStringLiteral("length"), FieldType::Double },
            { QStringLiteral("at"), FieldType::Date } } };
}

class ObjectStoreTest : public testing::Test
{
protected:
    ObjectStore::Configuration configuration(
        QList<RecordSchema> schema = { notesSchema() }, bool discard = false)
    {
        return { platform.storePath(), std::move(schema), discard };
    }

    std::shared_ptr<ObjectStore> open()
    {
        auto store = ObjectStore::open(configuration());
        EXPECT_TRUE(store.hasValue()) << qPrintable(store ? QString() : store.error().message);
        return store ? store.value() : nullptr;
    }

    // Drops the cached connection so that the next open reads the file as a new launch would.
    std::shared_ptr<ObjectStore> reopen()
    {
        ObjectStore::closeAll();
        return open();
    }

    static void addNote(ObjectStore& store, const QString& id, const QString& name, qint64 count = 0)
    {
        ASSERT_TRUE(store.write([&](WriteTransaction& write) {
            write.add(notes, { id, name, count, 1.5, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)) });
        }));
    }

    static QStringList names(
        const ObjectStore& store, const std::optional<Predicate>& predicate = std::nullopt)
    {
        QStringList result;
        for (const StoredObject& object : store.objects(notes, predicate))
            result << object.values[1].toString();
        return result;
    }

    TestPlatform platform;
};

TEST_F(ObjectStoreTest, KeepsRecordsAcrossOpensWithTheirFieldTypes)
{
    addNote(*open(), QStringLiteral("A"), QStringLiteral("first"), 7);

    auto store = reopen();
    ASSERT_EQ(store->count(notes), 1);
    const StoredObject object = *store->objectAt(notes, std::nullopt, 0);
    EXPECT_EQ(object.values[0].toString(), QStringLiteral("A"));
    EXPECT_EQ(object.values[2].toLongLong(), 7);
    EXPECT_DOUBLE_EQ(object.values[3].toDouble(), 1.5);
    EXPECT_EQ(object.values[4].toDateTime(), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
}

TEST_F(ObjectStoreTest, StoreFileIsPrivateAndInWriteAheadLogMode)
{
    addNote(*open(), QStringLiteral("A"), QStringLiteral("first"));

    struct stat info
    { };
    ASSERT_EQ(::stat(QFile::encodeName(platform.storePath()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(QFileInfo::exists(platform.storePath() + QStringLiteral("-wal")));
}

// Each literal must match exactly itself: a literal spliced into the SQL would break the statement or
// match other records.
TEST_F(ObjectStoreTest, EqualityFilterMatchesLiteralsExactly)
{
    const QStringList tricky { QStringLiteral("Bob's backup.scpt"), QStringLiteral("say \"hi\".scpt"),
        QStringLiteral("a; DROP TABLE Notes; --"), QStringLiteral("100%"), QStringLiteral("' OR '1'='1"),
        QStringLiteral("_"), QStringLiteral("") };
    auto store = open();
    for (const QString& name : tricky)
        addNote(*store, QStringLiteral("X"), name);
    addNote(*store, QStringLiteral("X"), QStringLiteral("100 percent"));

    for (const QString& name : tricky) {
        SCOPED_TRACE(qPrintable(name));
        EXPECT_THAT(names(*store, Predicate::equals(QStringLiteral("name"), name)), ElementsAre(name));
    }
    EXPECT_EQ(store->count(notes), tricky.size() + 1);
}

TEST_F(ObjectStoreTest, IntegerFilterAndCountFirstAndPosition)
{
    auto store = open();
    addNote(*store, QStringLiteral("1"), QStringLiteral("one"), 1);
    addNote(*store, QStringLiteral("2"), QStringLiteral("two"), 0);
    addNote(*store, QStringLiteral("3"), QStringLiteral("three"), 1);

    const Predicate favourites = Predicate::equals(QStringLiteral("count"), 1);
    EXPECT_EQ(store->count(notes, favourites), 2);
    EXPECT_THAT(names(*store, favourites), ElementsAre(QStringLiteral("one"), QStringLiteral("three")));
    EXPECT_EQ(store->objectAt(notes, favourites, 1)->values[1].toString(), QStringLiteral("three"));
    EXPECT_FALSE(store->objectAt(notes, favourites, 2));
    EXPECT_FALSE(
        store->objectAt(notes, Predicate::equals(QStringLiteral("name"), QStringLiteral("none")), 0));
}

TEST_F(ObjectStoreTest, DeleteAndAssignInsideTransactions)
{
    auto store = open();
    addNote(*store, QStringLiteral("1"), QStringLiteral("one"));
    addNote(*store, QStringLiteral("2"), QStringLiteral("two"));
    addNote(*store, QStringLiteral("2"), QStringLiteral("two again"));
    const qint64 first = store->objectAt(notes, std::nullopt, 0)->rowId;

    ASSERT_TRUE(store->write([&](WriteTransaction& write) {
        write.removeAll(notes, Predicate::equals(QStringLiteral("id"), QStringLiteral("2")));
        write.set(notes, first, QStringLiteral("count"), 5);
    }));
    EXPECT_THAT(names(*store), ElementsAre(QStringLiteral("one")));
    EXPECT_EQ(store->object(notes, first)->values[2].toLongLong(), 5);

    ASSERT_TRUE(store->write([&](WriteTransaction& write) { write.remove(notes, first); }));
    EXPECT_EQ(store->count(notes), 0);
}

TEST_F(ObjectStoreTest, FailedTransactionStoresNothingOfIt)
{
    auto store = open();
    addNote(*store, QStringLiteral("1"), QStringLiteral("kept"));

    {
        ScopedStoreFault fault(ScopedStoreFault::Kind::Commit);
        auto result = store->write([&](WriteTransaction& write) {
            write.add(notes, { QStringLiteral("2"), QStringLiteral("lost"), 0, 0.0, QDateTime() });
            write.removeAll(notes);
        });
        EXPECT_FALSE(result.hasValue());
    }
    {
        // An operation that fails inside the block also undoes the ones before it.
        auto result = store->write([&](WriteTransaction& write) {
            write.removeAll(notes);
            write.add(notes, { QStringLiteral("too few values") });
        });
        EXPECT_FALSE(result.hasValue());
    }
    EXPECT_THAT(names(*reopen()), ElementsAre(QStringLiteral("kept")));
}

TEST_F(ObjectStoreTest, InjectedFaultsFailOpenAndWrite)
{
    auto store = open();
    {
        ScopedStoreFault fault(ScopedStoreFault::Kind::Write);
        auto result = store->write([&](WriteTransaction& write) { write.removeAll(notes); });
        ASSERT_FALSE(result.hasValue());
        EXPECT_EQ(result.error().code, StoreError::Code::InjectedFailure);
    }
    {
        ScopedStoreFault fault(ScopedStoreFault::Kind::Open);
        EXPECT_FALSE(ObjectStore::open(configuration()).hasValue());
    }
    EXPECT_TRUE(ObjectStore::open(configuration()).hasValue());
}

TEST_F(ObjectStoreTest, ProcessKilledInsideTransactionLeavesStoreAsBefore)
{
    addNote(*open(), QStringLiteral("1"), QStringLiteral("before"));
    ObjectStore::closeAll();

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(platform.storePath()).constData(), &db);
        sqlite3_exec(db, "BEGIN IMMEDIATE; DELETE FROM Notes; INSERT INTO Notes (name) VALUES ('half');",
            nullptr, nullptr, nullptr);
        _exit(0); // killed before COMMIT
    }
    int status = 0;
    waitpid(child, &status, 0);

    EXPECT_THAT(names(*open()), ElementsAre(QStringLiteral("before")));
}

TEST_F(ObjectStoreTest, OtherSchemaFailsToOpenUnlessConfiguredToDiscard)
{
    addNote(*open(), QStringLiteral("1"), QStringLiteral("old"));
    ObjectStore::closeAll();

    RecordSchema grown = notesSchema();
    grown.fields << FieldSchema { QStringLiteral("added"), FieldType::String };

    auto refused = ObjectStore::open(configuration({ grown }));
    ASSERT_FALSE(refused.hasValue());
    EXPECT_EQ(refused.error().code, StoreError::Code::SchemaMismatch);

    auto fresh = ObjectStore::open(configuration({ grown }, true));
    ASSERT_TRUE(fresh.hasValue());
    EXPECT_EQ(fresh.value()->count(notes), 0);
}

// A damaged file would otherwise stop every later launch at its first store access.
TEST_F(ObjectStoreTest, UnreadableFileIsMovedAsideAndStoreStartsEmpty)
{
    const QByteArray garbage = QByteArray("this is not a database").repeated(400);
    const QByteArray header = [this] {
        addNote(*open(), QStringLiteral("1"), QStringLiteral("x"));
        ObjectStore::closeAll();
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(platform.storePath()).constData(), &db);
        sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QFile file(platform.storePath());
        file.open(QIODevice::ReadOnly);
        return file.read(4096 + 100); // the first page and a bit: a truncated database
    }();

    for (const QByteArray& content : { garbage, header }) {
        ObjectStore::closeAll();
        for (const QString& name :
            QDir(QFileInfo(platform.storePath()).absolutePath()).entryList(QDir::Files))
            QFile::remove(QFileInfo(platform.storePath()).absolutePath() + QLatin1Char('/') + name);
        QFile file(platform.storePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        auto store = open();
        ASSERT_TRUE(store);
        EXPECT_EQ(store->count(notes), 0);
        addNote(*store, QStringLiteral("2"), QStringLiteral("after"));

        const QStringList aside = QDir(QFileInfo(platform.storePath()).absolutePath())
                                      .entryList({ QStringLiteral("default.sqlite.corrupt-*") }, QDir::Files);
        ASSERT_EQ(aside.size(), 1);
        QFile kept(QFileInfo(platform.storePath()).absolutePath() + QLatin1Char('/') + aside.first());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), content);
        ASSERT_FALSE(platform.log->system.isEmpty());
        EXPECT_THAT(platform.log->system.last().toStdString(), HasSubstr("moved to"));
    }
}

TEST_F(ObjectStoreTest, DirectoryInPlaceOfTheFileIsAClearError)
{
    ASSERT_TRUE(QDir().mkpath(platform.storePath()));
    auto store = ObjectStore::open(configuration());
    ASSERT_FALSE(store.hasValue());
    EXPECT_EQ(store.error().code, StoreError::Code::OpenFailed);
    EXPECT_THAT(store.error().message.toStdString(), HasSubstr("directory"));
    EXPECT_TRUE(QFileInfo(platform.storePath()).isDir());
}

} // namespace
