#pragma once

#include "persistence/Records.h"
#include "platform/ObjectStore.h"

#include <QDateTime>

#include <functional>
#include <type_traits>

// How a record type maps to its stored form: one field binding per field, in declared order.
template<typename T> struct RecordField
{
    FieldSchema schema;
    std::function<QVariant(const T&)> get;
    std::function<void(T&, const QVariant&)> set;
};

template<typename V> constexpr FieldType fieldTypeOf()
{
    if constexpr (std::is_same_v<V, QString>)
        return FieldType::String;
    else if constexpr (std::is_same_v<V, int>)
        return FieldType::Int;
    else if constexpr (std::is_same_v<V, double>)
        return FieldType::Double;
    else {
        static_assert(std::is_same_v<V, QDateTime>, "a stored field is a QString, int, double or QDateTime");
        return FieldType::Date;
    }
}

template<typename T, typename C, typename V>
RecordField<T> recordField(const char* name, V C::*member, bool indexed = false)
{
    static_assert(std::is_base_of_v<C, T>);
    return { { QLatin1String(name), fieldTypeOf<V>(), indexed },
        [member](const T& record) { return QVariant::fromValue(record.*member); },
        [member](T& record, const QVariant& value) {
            if constexpr (std::is_same_v<V, int>)
                record.*member = int(value.toLongLong());
            else
                record.*member = value.value<V>();
        } };
}

// Specialised for each record type: its name and its fields.
template<typename T> struct RecordTraits;

#define QUILLET_DECLARE_RECORD(Type)                                                                         \
    template<> struct RecordTraits<Type>                                                                     \
    {                                                                                                        \
        static QString typeName() { return QStringLiteral(#Type); }                                          \
        static const QList<RecordField<Type>>& fields();                                                     \
    };

QUILLET_DECLARE_RECORD(SchedulerCache)
QUILLET_DECLARE_RECORD(Prefabs)
QUILLET_DECLARE_RECORD(Scripts)
QUILLET_DECLARE_RECORD(Timers)

#undef QUILLET_DECLARE_RECORD

template<typename T> const RecordSchema& recordSchema()
{
    static const RecordSchema schema = [] {
        RecordSchema result { RecordTraits<T>::typeName(), {} };
        for (const RecordField<T>& field : RecordTraits<T>::fields())
            result.fields << field.schema;
        return result;
    }();
    return schema;
}

template<typename T> QList<QVariant> recordValues(const T& record)
{
    QList<QVariant> values;
    for (const RecordField<T>& field : RecordTraits<T>::fields())
        values << field.get(record);
    return values;
}

template<typename T> T recordFromStored(const StoredObject& stored)
{
    T record;
    const QList<RecordField<T>>& fields = RecordTraits<T>::fields();
    for (int i = 0; i < fields.size() && i < stored.values.size(); ++i)
        fields[i].set(record, stored.values[i]);
    record.rowId = stored.rowId;
    return record;
}
