#include "persistence/RecordTraits.h"

// Field order is the declared order of each record type; `id` is indexed because every look-up of
// Quillet goes through it or through a script's name.

const QList<RecordField<SchedulerCache>>& RecordTraits<SchedulerCache>::fields()
{
    using T = SchedulerCache;
    static const QList<RecordField<T>> fields {
        recordField<T>("id", &T::id, true),
        recordField<T>("created", &T::created),
        recordField<T>("mode", &T::mode),
        recordField<T>("name", &T::name),
        recordField<T>("length", &T::length),
        recordField<T>("days", &T::days),
        recordField<T>("action", &T::action),
        recordField<T>("startedAt", &T::startedAt),
        recordField<T>("executeAt", &T::executeAt),
    };
    return fields;
}

const QList<RecordField<Prefabs>>& RecordTraits<Prefabs>::fields()
{
    using T = Prefabs;
    static const QList<RecordField<T>> fields {
        recordField<T>("id", &T::id, true),
        recordField<T>("created", &T::created),
        recordField<T>("action", &T::action),
        recordField<T>("idScript", &T::idScript),
        recordField<T>("name", &T::name),
        recordField<T>("length", &T::length),
        recordField<T>("mode", &T::mode),
    };
    return fields;
}

const QList<RecordField<Scripts>>& RecordTraits<Scripts>::fields()
{
    using T = Scripts;
    static const QList<RecordField<T>> fields {
        recordField<T>("id", &T::id, true),
        recordField<T>("created", &T::created),
        recordField<T>("name", &T::name, true),
        recordField<T>("content", &T::content),
        recordField<T>("favorited", &T::favorited),
        recordField<T>("fileType", &T::fileType),
    };
    return fields;
}

const QList<RecordField<Timers>>& RecordTraits<Timers>::fields()
{
    using T = Timers;
    static const QList<RecordField<T>> fields {
        recordField<T>("id", &T::id, true),
        recordField<T>("created", &T::created),
        recordField<T>("name", &T::name),
        recordField<T>("startedAt", &T::startedAt),
        recordField<T>("executeAt", &T::executeAt),
        recordField<T>("lenght", &T::lenght),
    };
    return fields;
}
