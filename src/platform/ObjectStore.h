#pragma once

#include "platform/Expected.h"
#include "platform/PlatformError.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

enum class FieldType {
    String,
    Int,
    Double,
    Date,
};

struct FieldSchema
{
    QString name;
    FieldType type;
    bool indexed = false; // for the speed of equality look-ups only; no constraint

    friend bool operator==(const FieldSchema&, const FieldSchema&) = default;
};

// A record type: stored as one table named after it, one column per field.
struct RecordSchema
{
    QString name;
    QList<FieldSchema> fields;

    int fieldIndex(const QString& field) const;

    friend bool operator==(const RecordSchema&, const RecordSchema&) = default;
};

struct StoreError
{
    enum class Code {
        OpenFailed = 1,
        SchemaMismatch = 2,
        WriteFailed = 3,
        InjectedFailure = 4,
    };

    Code code = Code::OpenFailed;
    QString message;

    QString localizedDescription() const { return message; }
    PlatformError toPlatformError() const;
};

// Equality of one field with one literal. The literal is always bound as a parameter.
struct Predicate
{
    QString field;
    QVariant value;

    static Predicate equals(QString field, QVariant value) { return { std::move(field), std::move(value) }; }
};

// A stored object: its identity in the store and its field values in schema order. Strings are
// QString, Ints qint64, Doubles double, Dates QDateTime in local time.
struct StoredObject
{
    qint64 rowId = 0;
    QList<QVariant> values;
};

class WriteTransaction;

// The embedded object store: SQLite in WAL mode with synchronous=FULL, so a write transaction that
// returned is on disk and one cut short by a crash leaves the store as it was before it.
class ObjectStore
{
public:
    struct Configuration
    {
        QString path;
        QList<RecordSchema> schema;
        // Discard a store whose schema differs from `schema` instead of failing to open it.
        bool deleteIfSchemaDiffers = false;
    };

    ~ObjectStore();
    ObjectStore(const ObjectStore&) = delete;
    ObjectStore& operator=(const ObjectStore&) = delete;

    // The file and the schema policy of the store that the records live in. `schema` is left empty:
    // the record types are declared by whoever opens the store.
    static Configuration defaultConfiguration();
    static void setDefaultConfiguration(Configuration configuration);

    // Opening is cheap after the first time: a store stays open for the life of the process and
    // later opens of the same configuration share it.
    static Expected<std::shared_ptr<ObjectStore>, StoreError> open(const Configuration& configuration);
    // Closes every open store; the next open reads the file again.
    static void closeAll();

    const Configuration& configuration() const { return m_configuration; }
    const RecordSchema& schema(const QString& type) const;

    // Reads do not fail: a read error is logged and reads as no objects.
    int count(const QString& type, const std::optional<Predicate>& predicate = std::nullopt) const;
    std::optional<StoredObject> objectAt(
        const QString& type, const std::optional<Predicate>& predicate, int index) const;
    QList<StoredObject> objects(
        const QString& type, const std::optional<Predicate>& predicate = std::nullopt) const;
    std::optional<StoredObject> object(const QString& type, qint64 rowId) const;

    // Runs the block as one change: all of it is stored, or, when anything fails, none of it.
    Expected<void, StoreError> write(const std::function<void(WriteTransaction&)>& block);

    QString schemaFingerprint() const;
    static QString schemaFingerprint(const QList<RecordSchema>& schema);

private:
    friend class WriteTransaction;

    explicit ObjectStore(Configuration configuration);
    Expected<void, StoreError> openFile();
    Expected<void, StoreError> prepareSchema(bool& discard);
    void closeDatabase();
    QString lastError() const;

    sqlite3_stmt* statement(const QString& sql) const;
    QString whereClause(const QString& type, const std::optional<Predicate>& predicate) const;
    bool bindPredicate(sqlite3_stmt* statement, const QString& type,
        const std::optional<Predicate>& predicate, int firstIndex) const;
    bool bindValue(sqlite3_stmt* statement, int index, FieldType type, const QVariant& value) const;
    StoredObject readRow(sqlite3_stmt* statement, const RecordSchema& schema) const;
    QString selectSql(const QString& type) const;

    Configuration m_configuration;
    QHash<QString, int> m_schemaIndex;
    sqlite3* m_db = nullptr;
    mutable QHash<QString, sqlite3_stmt*> m_statements;
};

// The operations of a write transaction. The first failure stops the rest and rolls it all back.
class WriteTransaction
{
public:
    // The row id of the new object, or 0 when the add failed.
    qint64 add(const QString& type, const QList<QVariant>& values);
    void remove(const QString& type, qint64 rowId);
    void removeAll(const QString& type, const std::optional<Predicate>& predicate = std::nullopt);
    void set(const QString& type, qint64 rowId, const QString& field, const QVariant& value);

    bool failed() const { return m_error.has_value(); }

private:
    friend class ObjectStore;
    explicit WriteTransaction(ObjectStore& store)
        : m_store(store)
    { }
    bool run(sqlite3_stmt* statement);
    void fail(const QString& message);

    ObjectStore& m_store;
    std::optional<StoreError> m_error;
};

// Makes opens or write transactions fail on purpose, for tests: they run as root, where file
// permissions fail nothing.
class ScopedStoreFault
{
public:
    enum class Kind {
        Open, // every open fails
        Write, // every write transaction fails before it starts
        Commit, // every write transaction runs its block, then fails and rolls back
    };

    explicit ScopedStoreFault(Kind kind);
    ~ScopedStoreFault();
    ScopedStoreFault(const ScopedStoreFault&) = delete;
    ScopedStoreFault& operator=(const ScopedStoreFault&) = delete;

    static bool active(Kind kind);

private:
    Kind m_kind;
};
