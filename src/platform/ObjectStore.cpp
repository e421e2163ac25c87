#include "platform/ObjectStore.h"

#include "platform/Bundle.h"
#include "platform/Log.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const metaTable = "quillet_meta";

QString quoted(const QString& identifier)
{
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString typeName(FieldType type)
{
    switch (type) {
    case FieldType::String:
        return QStringLiteral("String");
    case FieldType::Int:
        return QStringLiteral("Int");
    case FieldType::Double:
        return QStringLiteral("Double");
    case FieldType::Date:
        return QStringLiteral("Date");
    }
    return {};
}

QString columnType(FieldType type)
{
    switch (type) {
    case FieldType::String:
        return QStringLiteral("TEXT");
    case FieldType::Int:
        return QStringLiteral("INTEGER");
    case FieldType::Double:
    case FieldType::Date:
        return QStringLiteral("REAL");
    }
    return {};
}

bool isUnreadableFile(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

ObjectStore::Configuration& defaultConfigurationStorage()
{
    static ObjectStore::Configuration configuration { Bundle::storeFile(), {}, false };
    return configuration;
}

QHash<QString, std::shared_ptr<ObjectStore>>& openStores()
{
    static QHash<QString, std::shared_ptr<ObjectStore>> stores;
    return stores;
}

int& activeFaults(ScopedStoreFault::Kind kind)
{
    static int counts[3] = {};
    return counts[static_cast<int>(kind)];
}

// Resets a cached statement when the read or write that used it is done.
struct StatementUse
{
    sqlite3_stmt* statement;
    ~StatementUse()
    {
        if (statement) {
            sqlite3_reset(statement);
            sqlite3_clear_bindings(statement);
        }
    }
};

// Made private before SQLite writes anything into it; SQLite gives the -wal and -shm files the same
// mode. Returns the system's reason when it cannot be made.
std::optional<QString> createPrivateFile(const QByteArray& nativePath)
{
    const int fd = ::open(nativePath.constData(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0)
        return QString::fromLocal8Bit(strerror(errno));
    ::fchmod(fd, 0600);
    ::close(fd);
    return std::nullopt;
}

StoreError openError(const QString& path, const QString& reason)
{
    return { StoreError::Code::OpenFailed,
        QStringLiteral("The store %1 cannot be opened: %2").arg(path, reason) };
}

} // namespace

int RecordSchema::fieldIndex(const QString& field) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].name == field)
            return i;
    }
    return -1;
}

PlatformError StoreError::toPlatformError() const
{
    return { QStringLiteral("ObjectStoreErrorDomain"), static_cast<int>(code), {}, message };
}

ObjectStore::Configuration ObjectStore::defaultConfiguration()
{
    return defaultConfigurationStorage();
}

void ObjectStore::setDefaultConfiguration(Configuration configuration)
{
    defaultConfigurationStorage() = std::move(configuration);
}

ObjectStore::ObjectStore(Configuration configuration)
    : m_configuration(std::move(configuration))
{
    for (int i = 0; i < m_configuration.schema.size(); ++i)
        m_schemaIndex.insert(m_configuration.schema[i].name, i);
}

ObjectStore::~ObjectStore()
{
    closeDatabase();
}

void ObjectStore::closeDatabase()
{
    for (sqlite3_stmt* statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

QString ObjectStore::lastError() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("no database");
}

QString ObjectStore::schemaFingerprint(const QList<RecordSchema>& schema)
{
    QList<RecordSchema> sorted = schema;
    std::sort(sorted.begin(), sorted.end(),
        [](const RecordSchema& a, const RecordSchema& b) { return a.name < b.name; });
    QString canonical;
    for (const RecordSchema& type : sorted) {
        canonical += type.name + QLatin1Char('{');
        for (const FieldSchema& field : type.fields)
            canonical += field.name + QLatin1Char(':') + typeName(field.type) + QLatin1Char(',');
        canonical += QLatin1String("};");
    }
    return QString::fromLatin1(
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString ObjectStore::schemaFingerprint() const
{
    return schemaFingerprint(m_configuration.schema);
}

const RecordSchema& ObjectStore::schema(const QString& type) const
{
    const auto it = m_schemaIndex.constFind(type);
    if (it == m_schemaIndex.constEnd())
        qFatal("The record type %s is not declared in the store", qPrintable(type));
    return m_configuration.schema[*it];
}

Expected<std::shared_ptr<ObjectStore>, StoreError> ObjectStore::open(const Configuration& configuration)
{
    if (ScopedStoreFault::active(ScopedStoreFault::Kind::Open))
        return unexpected(StoreError { StoreError::Code::InjectedFailure,
            QStringLiteral("The store %1 cannot be opened: failure injected").arg(configuration.path) });

    // Comparing the schema with the cached store's is much cheaper than fingerprinting it again.
    const QString key = configuration.path
        + (configuration.deleteIfSchemaDiffers ? QLatin1String("\ndiscard") : QLatin1String(""));
    if (auto cached = openStores().value(key);
        cached && cached->configuration().schema == configuration.schema)
        return cached;

    std::shared_ptr<ObjectStore> store(new ObjectStore(configuration));
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (auto opened = store->openFile(); !opened)
            return unexpected(opened.error());
        bool discard = false;
        if (auto prepared = store->prepareSchema(discard); !prepared)
            return unexpected(prepared.error());
        if (!discard) {
            openStores().insert(key, store);
            return store;
        }
        store->closeDatabase();
        const QString path = configuration.path;
        for (const QString& file : { path, path + QLatin1String("-wal"), path + QLatin1String("-shm") })
            QFile::remove(file);
        Log::system(
            QStringLiteral("The store %1 had another schema; it was deleted and made anew.").arg(path));
    }
    return unexpected(openError(configuration.path, QStringLiteral("its schema could not be made")));
}

void ObjectStore::closeAll()
{
    openStores().clear();
}

Expected<void, StoreError> ObjectStore::openFile()
{
    const QString path = m_configuration.path;
    const QFileInfo info(path);
    if (info.isDir())
        return unexpected(openError(path, QStringLiteral("a directory stands in its place")));
    if (!QDir().mkpath(info.absolutePath()))
        return unexpected(openError(path, QStringLiteral("its folder cannot be made")));

    const QByteArray nativePath = QFile::encodeName(path);
    if (const auto failure = createPrivateFile(nativePath))
        return unexpected(openError(path, *failure));

    for (int attempt = 0; attempt < 2; ++attempt) {
        int code = sqlite3_open_v2(
            nativePath.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        if (code == SQLITE_OK) {
            sqlite3_extended_result_codes(m_db, 1);
            sqlite3_busy_timeout(m_db, 5000);
            code = sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        }
        if (code == SQLITE_OK)
            code = sqlite3_exec(m_db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
        bool intact = true;
        if (code == SQLITE_OK) {
            sqlite3_stmt* check = nullptr;
            code = sqlite3_prepare_v2(m_db, "PRAGMA quick_check", -1, &check, nullptr);
            if (code == SQLITE_OK) {
                const int step = sqlite3_step(check);
                if (step == SQLITE_ROW) {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
                    intact = text && qstrcmp(text, "ok") == 0;
                } else if (step != SQLITE_DONE) {
                    code = step;
                }
            }
            sqlite3_finalize(check);
        }
        if (code == SQLITE_OK && intact)
            return {};

        const QString reason = m_db ? lastError() : QString::fromUtf8(sqlite3_errstr(code));
        closeDatabase();
        if (attempt > 0 || !(isUnreadableFile(code) || !intact))
            return unexpected(openError(path, reason));

        // Without this, a damaged file would stop every later launch at its first store access.
        const QString aside = path + QStringLiteral(".corrupt-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (!QFile::rename(path, aside))
            return unexpected(openError(path, reason + QStringLiteral("; it cannot be moved aside")));
        QFile::rename(path + QLatin1String("-wal"), aside + QLatin1String("-wal"));
        QFile::remove(path + QLatin1String("-shm"));
        Log::system(QStringLiteral("The store %1 was not a readable database (%2); it was moved to %3 and an "
                                   "empty store was started.")
                        .arg(path, reason, aside));
        if (const auto failure = createPrivateFile(nativePath))
            return unexpected(openError(path, *failure));
    }
    return unexpected(openError(path, QStringLiteral("unknown failure")));
}

Expected<void, StoreError> ObjectStore::prepareSchema(bool& discard)
{
    discard = false;
    const QString fingerprint = schemaFingerprint();

    auto scalar = [this](const QString& sql, QString& result) -> bool {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            return false;
        const int step = sqlite3_step(statement);
        if (step == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return step == SQLITE_ROW || step == SQLITE_DONE;
    };

    QString tableCount;
    if (!scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"), tableCount))
        return unexpected(openError(m_configuration.path, lastError()));

    if (tableCount.toInt() > 0) {
        QString stored;
        const bool hasMeta = scalar(
            QStringLiteral("SELECT value FROM %1 WHERE key = 'schema'").arg(quoted(QLatin1String(metaTable))),
            stored);
        if (hasMeta && stored == fingerprint)
            return {};
        if (m_configuration.deleteIfSchemaDiffers) {
            discard = true;
            return {};
        }
        return unexpected(StoreError { StoreError::Code::SchemaMismatch,
            QStringLiteral("The store %1 holds records of another schema").arg(m_configuration.path) });
    }

    QStringList statements { QStringLiteral("BEGIN IMMEDIATE"),
        QStringLiteral("CREATE TABLE %1 (key TEXT PRIMARY KEY, value TEXT)")
            .arg(quoted(QLatin1String(metaTable))) };
    for (const RecordSchema& type : std::as_const(m_configuration.schema)) {
        QStringList columns;
        for (const FieldSchema& field : type.fields)
            columns << quoted(field.name) + QLatin1Char(' ') + columnType(field.type);
        statements << QStringLiteral("CREATE TABLE %1 (%2)")
                          .arg(quoted(type.name), columns.join(QLatin1String(", ")));
        for (const FieldSchema& field : type.fields) {
            if (field.indexed)
                statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                                  .arg(quoted(type.name + QLatin1Char('_') + field.name), quoted(type.name),
                                      quoted(field.name));
        }
    }
    statements << QStringLiteral("INSERT INTO %1 VALUES ('schema', '%2')")
                      .arg(quoted(QLatin1String(metaTable)), fingerprint)
               << QStringLiteral("COMMIT");
    for (const QString& sql : std::as_const(statements)) {
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            const QString reason = lastError();
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
            return unexpected(openError(m_configuration.path, reason));
        }
    }
    return {};
}

sqlite3_stmt* ObjectStore::statement(const QString& sql) const
{
    if (sqlite3_stmt* cached = m_statements.value(sql))
        return cached;
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.toUtf8().constData(), -1, SQLITE_PREPARE_PERSISTENT, &prepared, nullptr)
        != SQLITE_OK) {
        Log::system(QStringLiteral("Store statement failed: %1 (%2)").arg(lastError(), sql));
        return nullptr;
    }
    m_statements.insert(sql, prepared);
    return prepared;
}

QString ObjectStore::selectSql(const QString& type) const
{
    QStringList columns { QStringLiteral("rowid") };
    for (const FieldSchema& field : schema(type).fields)
        columns << quoted(field.name);
    return QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QLatin1String(", ")), quoted(type));
}

QString ObjectStore::whereClause(const QString& type, const std::optional<Predicate>& predicate) const
{
    if (!predicate)
        return {};
    if (schema(type).fieldIndex(predicate->field) < 0)
        qFatal("The record type %s has no field %s", qPrintable(type), qPrintable(predicate->field));
    return QStringLiteral(" WHERE %1 = ?1").arg(quoted(predicate->field));
}

bool ObjectStore::bindValue(sqlite3_stmt* statement, int index, FieldType type, const QVariant& value) const
{
    switch (type) {
    case FieldType::String: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT)
            == SQLITE_OK;
    }
    case FieldType::Int:
        return sqlite3_bind_int64(statement, index, value.toLongLong()) == SQLITE_OK;
    case FieldType::Double:
        return sqlite3_bind_double(statement, index, value.toDouble()) == SQLITE_OK;
    case FieldType::Date: {
        const QDateTime date = value.toDateTime();
        const double seconds = date.isValid() ? double(date.toMSecsSinceEpoch()) / 1000.0 : 0.0;
        return sqlite3_bind_double(statement, index, seconds) == SQLITE_OK;
    }
    }
    return false;
}

bool ObjectStore::bindPredicate(sqlite3_stmt* statement, const QString& type,
    const std::optional<Predicate>& predicate, int firstIndex) const
{
    if (!predicate)
        return true;
    const RecordSchema& record = schema(type);
    return bindValue(
        statement, firstIndex, record.fields[record.fieldIndex(predicate->field)].type, predicate->value);
}

StoredObject ObjectStore::readRow(sqlite3_stmt* statement, const RecordSchema& schema) const
{
    StoredObject object;
    object.rowId = sqlite3_column_int64(statement, 0);
    object.values.reserve(schema.fields.size());
    for (int i = 0; i < schema.fields.size(); ++i) {
        const int column = i + 1;
        switch (schema.fields[i].type) {
        case FieldType::String: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            object.values << QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
            break;
        }
        case FieldType::Int:
            object.values << QVariant::fromValue<qint64>(sqlite3_column_int64(statement, column));
            break;
        case FieldType::Double:
            object.values << sqlite3_column_double(statement, column);
            break;
        case FieldType::Date:
            object.values << QDateTime::fromMSecsSinceEpoch(
                std::llround(sqlite3_column_double(statement, column) * 1000.0));
            break;
        }
    }
    return object;
}

int ObjectStore::count(const QString& type, const std::optional<Predicate>& predicate) const
{
    sqlite3_stmt* query = statement(
        QStringLiteral("SELECT count(*) FROM %1%2").arg(quoted(type), whereClause(type, predicate)));
    StatementUse use { query };
    if (!query || !bindPredicate(query, type, predicate, 1))
        return 0;
    if (sqlite3_step(query) != SQLITE_ROW) {
        Log::system(QStringLiteral("Store read failed: %1").arg(lastError()));
        return 0;
    }
    return sqlite3_column_int(query, 0);
}

std::optional<StoredObject> ObjectStore::objectAt(
    const QString& type, const std::optional<Predicate>& predicate, int index) const
{
    if (index < 0)
        return std::nullopt;
    sqlite3_stmt* query = statement(
        selectSql(type) + whereClause(type, predicate) + QStringLiteral(" ORDER BY rowid LIMIT 1 OFFSET ?2"));
    StatementUse use { query };
    if (!query || !bindPredicate(query, type, predicate, 1) || sqlite3_bind_int(query, 2, index) != SQLITE_OK)
        return std::nullopt;
    if (sqlite3_step(query) != SQLITE_ROW)
        return std::nullopt;
    return readRow(query, schema(type));
}

QList<StoredObject> ObjectStore::objects(const QString& type, const std::optional<Predicate>& predicate) const
{
    QList<StoredObject> result;
    sqlite3_stmt* query
        = statement(selectSql(type) + whereClause(type, predicate) + QStringLiteral(" ORDER BY rowid"));
    StatementUse use { query };
    if (!query || !bindPredicate(query, type, predicate, 1))
        return result;
    const RecordSchema& record = schema(type);
    int step;
    while ((step = sqlite3_step(query)) == SQLITE_ROW)
        result << readRow(query, record);
    if (step != SQLITE_DONE)
        Log::system(QStringLiteral("Store read failed: %1").arg(lastError()));
    return result;
}

std::optional<StoredObject> ObjectStore::object(const QString& type, qint64 rowId) const
{
    sqlite3_stmt* query = statement(selectSql(type) + QStringLiteral(" WHERE rowid = ?1"));
    StatementUse use { query };
    if (!query || sqlite3_bind_int64(query, 1, rowId) != SQLITE_OK || sqlite3_step(query) != SQLITE_ROW)
        return std::nullopt;
    return readRow(query, schema(type));
}

Expected<void, StoreError> ObjectStore::write(const std::function<void(WriteTransaction&)>& block)
{
    if (ScopedStoreFault::active(ScopedStoreFault::Kind::Write))
        return unexpected(StoreError { StoreError::Code::InjectedFailure,
            QStringLiteral("The store %1 refused the write: failure injected").arg(m_configuration.path) });

    auto failure = [this](const QString& message) {
        return unexpected(StoreError { StoreError::Code::WriteFailed,
            QStringLiteral("The store %1 could not be written: %2").arg(m_configuration.path, message) });
    };
    if (sqlite3_get_autocommit(m_db) == 0)
        return failure(QStringLiteral("a write transaction is already running"));
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return failure(lastError());

    WriteTransaction transaction(*this);
    block(transaction);
    std::optional<StoreError> error = transaction.m_error;
    if (!error && ScopedStoreFault::active(ScopedStoreFault::Kind::Commit))
        error = StoreError { StoreError::Code::InjectedFailure,
            QStringLiteral("The commit failed: failure injected") };
    if (!error && sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        error = StoreError { StoreError::Code::WriteFailed,
            QStringLiteral("The store %1 could not be written: %2").arg(m_configuration.path, lastError()) };
    if (error) {
        if (sqlite3_get_autocommit(m_db) == 0)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return unexpected(*error);
    }
    return {};
}

bool WriteTransaction::run(sqlite3_stmt* statement)
{
    const int step = sqlite3_step(statement);
    if (step != SQLITE_DONE) {
        fail(m_store.lastError());
        return false;
    }
    return true;
}

void WriteTransaction::fail(const QString& message)
{
    if (!m_error)
        m_error = StoreError {
            StoreError::Code::WriteFailed,
            QStringLiteral("The store %1 could not be written: %2").arg(m_store.m_configuration.path, message)
        };
}

qint64 WriteTransaction::add(const QString& type, const QList<QVariant>& values)
{
    if (m_error)
        return 0;
    const RecordSchema& record = m_store.schema(type);
    if (values.size() != record.fields.size()) {
        fail(QStringLiteral("%1 values for the %2 fields of %3")
                 .arg(values.size())
                 .arg(record.fields.size())
                 .arg(type));
        return 0;
    }
    QStringList columns;
    QStringList parameters;
    for (int i = 0; i < record.fields.size(); ++i) {
        columns << quoted(record.fields[i].name);
        parameters << QStringLiteral("?%1").arg(i + 1);
    }
    sqlite3_stmt* insert = m_store.statement(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(quoted(type), columns.join(QLatin1String(", ")), parameters.join(QLatin1String(", "))));
    StatementUse use { insert };
    if (!insert) {
        fail(m_store.lastError());
        return 0;
    }
    for (int i = 0; i < record.fields.size(); ++i) {
        if (!m_store.bindValue(insert, i + 1, record.fields[i].type, values[i])) {
            fail(m_store.lastError());
            return 0;
        }
    }
    if (!run(insert))
        return 0;
    return sqlite3_last_insert_rowid(m_store.m_db);
}

void WriteTransaction::remove(const QString& type, qint64 rowId)
{
    if (m_error)
        return;
    sqlite3_stmt* statement
        = m_store.statement(QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quoted(type)));
    StatementUse use { statement };
    if (!statement || sqlite3_bind_int64(statement, 1, rowId) != SQLITE_OK) {
        fail(m_store.lastError());
        return;
    }
    run(statement);
}

void WriteTransaction::removeAll(const QString& type, const std::optional<Predicate>& predicate)
{
    if (m_error)
        return;
    sqlite3_stmt* statement = m_store.statement(
        QStringLiteral("DELETE FROM %1%2").arg(quoted(type), m_store.whereClause(type, predicate)));
    StatementUse use { statement };
    if (!statement || !m_store.bindPredicate(statement, type, predicate, 1)) {
        fail(m_store.lastError());
        return;
    }
    run(statement);
}

void WriteTransaction::set(const QString& type, qint64 rowId, const QString& field, const QVariant& value)
{
    if (m_error)
        return;
    const RecordSchema& record = m_store.schema(type);
    const int index = record.fieldIndex(field);
    if (index < 0) {
        fail(QStringLiteral("%1 has no field %2").arg(type, field));
        return;
    }
    sqlite3_stmt* statement = m_store.statement(
        QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE rowid = ?2").arg(quoted(type), quoted(field)));
    StatementUse use { statement };
    if (!statement || !m_store.bindValue(statement, 1, record.fields[index].type, value)
        || sqlite3_bind_int64(statement, 2, rowId) != SQLITE_OK) {
        fail(m_store.lastError());
        return;
    }
    run(statement);
}

ScopedStoreFault::ScopedStoreFault(Kind kind)
    : m_kind(kind)
{
    ++activeFaults(kind);
}

ScopedStoreFault::~ScopedStoreFault()
{
    --activeFaults(m_kind);
}

bool ScopedStoreFault::active(Kind kind)
{
    return activeFaults(kind) > 0;
}
