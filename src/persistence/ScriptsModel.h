#pragma once

#include "persistence/RecordStore.h"

// Access to the Scripts records. Made for each use; making it fails when the store cannot be opened.
class ScriptsModel
{
public:
    static Expected<ScriptsModel, StoreError> make();

    std::optional<Scripts> get(const QString& id) const;
    Results<Scripts> getByName(const QString& name) const;
    Results<Scripts> getFavorites() const;
    // A record with another id is left alone; no record with the id is no failure.
    Expected<void, StoreError> setFavorited(const QString& id, int value);
    Expected<void, StoreError> add(Scripts& script);

    RecordStore store;

private:
    explicit ScriptsModel(RecordStore store)
        : store(std::move(store))
    { }
};
