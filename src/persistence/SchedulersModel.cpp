#include "persistence/SchedulersModel.h"

Expected<SchedulersModel, StoreError> SchedulersModel::make()
{
    auto store = RecordStore::open();
    if (!store)
        return unexpected(store.error());
    return SchedulersModel(std::move(store.value()));
}

Results<SchedulerCache> SchedulersModel::getAll() const
{
    return store.objects<SchedulerCache>();
}

Expected<void, StoreError> SchedulersModel::remove(const SchedulerCache& cache)
{
    return store.write([&](RecordWrite& write) { write.remove(cache); });
}
