#pragma once

#include "persistence/RecordStore.h"

// Access to the SchedulerCache records of running timers.
class SchedulersModel
{
public:
    static Expected<SchedulersModel, StoreError> make();

    Results<SchedulerCache> getAll() const;
    // Deletes that one record.
    Expected<void, StoreError> remove(const SchedulerCache& cache);

    RecordStore store;

private:
    explicit SchedulersModel(RecordStore store)
        : store(std::move(store))
    { }
};
