#include "persistence/ScriptsModel.h"

Expected<ScriptsModel, StoreError> ScriptsModel::make()
{
    auto store = RecordStore::open();
    if (!store)
        return unexpected(store.error());
    return ScriptsModel(std::move(store.value()));
}

std::optional<Scripts> ScriptsModel::get(const QString& id) const
{
    return store.objects<Scripts>(Predicate::equals(QStringLiteral("id"), id)).first();
}

Results<Scripts> ScriptsModel::getByName(const QString& name) const
{
    return store.objects<Scripts>(Predicate::equals(QStringLiteral("name"), name));
}

Results<Scripts> ScriptsModel::getFavorites() const
{
    return store.objects<Scripts>(Predicate::equals(QStringLiteral("favorited"), 1));
}

Expected<void, StoreError> ScriptsModel::setFavorited(const QString& id, int value)
{
    std::optional<Scripts> script = get(id);
    return store.write([&](RecordWrite& write) {
        if (script)
            write.set(*script, QStringLiteral("favorited"), value);
    });
}

Expected<void, StoreError> ScriptsModel::add(Scripts& script)
{
    return store.write([&](RecordWrite& write) { write.add(script); });
}
