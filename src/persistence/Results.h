#pragma once

#include "persistence/RecordTraits.h"

#include <memory>
#include <optional>

// All stored records of one type, optionally narrowed by an equality predicate. A result set is
// live: every read asks the store, so a deleted record leaves every result set that held it.
template<typename T> class Results
{
public:
    explicit Results(std::shared_ptr<ObjectStore> store, std::optional<Predicate> predicate = std::nullopt)
        : m_store(std::move(store))
        , m_predicate(std::move(predicate))
    { }

    int count() const { return m_store->count(RecordTraits<T>::typeName(), m_predicate); }
    bool isEmpty() const { return count() == 0; }

    std::optional<T> first() const { return at(0); }
    std::optional<T> at(int index) const
    {
        const auto stored = m_store->objectAt(RecordTraits<T>::typeName(), m_predicate, index);
        if (!stored)
            return std::nullopt;
        return recordFromStored<T>(*stored);
    }

    // The records as they are now.
    QList<T> toList() const
    {
        QList<T> records;
        for (const StoredObject& stored : m_store->objects(RecordTraits<T>::typeName(), m_predicate))
            records << recordFromStored<T>(stored);
        return records;
    }

    // Iteration walks the records as they are when it begins.
    typename QList<T>::const_iterator begin() const
    {
        m_iterated = toList();
        return m_iterated.cbegin();
    }
    typename QList<T>::const_iterator end() const { return m_iterated.cend(); }

    const std::optional<Predicate>& predicate() const { return m_predicate; }

private:
    std::shared_ptr<ObjectStore> m_store;
    std::optional<Predicate> m_predicate;
    mutable QList<T> m_iterated;
};
