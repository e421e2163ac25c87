#pragma once

#include "engine/ActionsList.h"
#include "persistence/RecordStore.h"

// Access to the Prefabs records (preset timers).
class PrefabModels
{
public:
    static Expected<PrefabModels, StoreError> make();

    Results<Prefabs> getAll() const;
    Expected<void, StoreError> add(const ActionsList& action, double length);
    Expected<void, StoreError> remove(const QString& id);

    RecordStore store;

private:
    explicit PrefabModels(RecordStore store)
        : store(std::move(store))
    { }
};
