#pragma once

#include "persistence/Results.h"
#include "platform/Expected.h"
#include "platform/ObjectStore.h"

#include <functional>
#include <memory>

class RecordWrite;

// The object store with Quillet's record types declared.
class RecordStore
{
public:
    static QList<RecordSchema> declaredSchema();
    // The default configuration with the declared record types.
    static ObjectStore::Configuration configuration();
    // Before the first open at launch: a store whose schema differs is deleted and made anew.
    static void discardOnSchemaChange();

    static Expected<RecordStore, StoreError> open();

    template<typename T> Results<T> objects() const { return Results<T>(m_store); }
    template<typename T> Results<T> objects(Predicate predicate) const
    {
        return Results<T>(m_store, std::move(predicate));
    }

    // One write transaction: all of the block is stored, or none of it.
    Expected<void, StoreError> write(const std::function<void(RecordWrite&)>& block);

    const std::shared_ptr<ObjectStore>& objectStore() const { return m_store; }

private:
    explicit RecordStore(std::shared_ptr<ObjectStore> store)
        : m_store(std::move(store))
    { }

    std::shared_ptr<ObjectStore> m_store;
};

// The typed operations of a write transaction.
class RecordWrite
{
public:
    explicit RecordWrite(WriteTransaction& transaction)
        : m_transaction(transaction)
    { }

    // Adds a new record, also one equal in every field to a stored one; sets its rowId.
    template<typename T> void add(T& record)
    {
        record.rowId = m_transaction.add(RecordTraits<T>::typeName(), recordValues(record));
    }
    template<typename T> void remove(const T& record)
    {
        m_transaction.remove(RecordTraits<T>::typeName(), record.rowId);
    }
    template<typename T> void remove(const Results<T>& results)
    {
        m_transaction.removeAll(RecordTraits<T>::typeName(), results.predicate());
    }
    // Assigns a field of a stored record, in the store and in `record`.
    template<typename T> void set(T& record, const QString& field, const QVariant& value)
    {
        m_transaction.set(RecordTraits<T>::typeName(), record.rowId, field, value);
        for (const RecordField<T>& binding : RecordTraits<T>::fields()) {
            if (binding.schema.name == field)
                binding.set(record, value);
        }
    }

private:
    WriteTransaction& m_transaction;
};
