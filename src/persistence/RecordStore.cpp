#include "persistence/RecordStore.h"

QList<RecordSchema> RecordStore::declaredSchema()
{
    return { recordSchema<SchedulerCache>(), recordSchema<Prefabs>(), recordSchema<Scripts>(),
        recordSchema<Timers>() };
}

ObjectStore::Configuration RecordStore::configuration()
{
    ObjectStore::Configuration configuration = ObjectStore::defaultConfiguration();
    configuration.schema = declaredSchema();
    return configuration;
}

void RecordStore::discardOnSchemaChange()
{
    ObjectStore::Configuration configuration = ObjectStore::defaultConfiguration();
    configuration.deleteIfSchemaDiffers = true;
    ObjectStore::setDefaultConfiguration(configuration);
}

Expected<RecordStore, StoreError> RecordStore::open()
{
    auto store = ObjectStore::open(configuration());
    if (!store)
        return unexpected(store.error());
    return RecordStore(std::move(store.value()));
}

Expected<void, StoreError> RecordStore::write(const std::function<void(RecordWrite&)>& block)
{
    return m_store->write([&](WriteTransaction& transaction) {
        RecordWrite write(transaction);
        block(write);
    });
}
