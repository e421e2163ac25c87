#include "persistence/PrefabModels.h"

Expected<PrefabModels, StoreError> PrefabModels::make()
{
    auto store = RecordStore::open();
    if (!store)
        return unexpected(store.error());
    return PrefabModels(std::move(store.value()));
}

Results<Prefabs> PrefabModels::getAll() const
{
    return store.objects<Prefabs>();
}

Expected<void, StoreError> PrefabModels::add(const ActionsList& action, double length)
{
    Prefabs prefab;
    prefab.action = action.actionCode();
    prefab.name = action.displayName();
    prefab.idScript = action.isScript() ? action.scriptId() : QString();
    prefab.length = length;
    return store.write([&](RecordWrite& write) { write.add(prefab); });
}

Expected<void, StoreError> PrefabModels::remove(const QString& id)
{
    const Results<Prefabs> matching = store.objects<Prefabs>(Predicate::equals(QStringLiteral("id"), id));
    return store.write([&](RecordWrite& write) { write.remove(matching); });
}
