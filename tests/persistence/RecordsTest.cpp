#include "TestPlatform.h"
#include "engine/ActionsList.h"
#include "engine/TimerMode.h"
#include "persistence/DayList.h"
#include "persistence/PrefabModels.h"
#include "persistence/SchedulersModel.h"
#include "persistence/ScriptsModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::UnorderedElementsAre;

namespace {

class RecordsTest : public testing::Test
{
protected:
    Scripts addScript(const QString& name, int favorited = 0)
    {
        Scripts script;
        script.name = name;
        script.content = QStringLiteral("log \"hi\"");
        script.favorited = favorited;
        auto model = ScriptsModel::make();
        EXPECT_TRUE(model.hasValue());
        EXPECT_TRUE(model->add(script));
        return script;
    }

    static QStringList names(const Results<Scripts>& results)
    {
        QStringList names;
        for (const Scripts& script : results)
            names << script.name;
        return names;
    }

    TestPlatform platform;
};

TEST_F(RecordsTest, NewRecordsHaveTheirDefaults)
{
    const SchedulerCache cache;
    EXPECT_EQ(cache.id.size(), 36);
    EXPECT_EQ(cache.id, cache.id.toUpper());
    EXPECT_EQ(cache.created, platform.now());
    EXPECT_EQ(cache.startedAt, platform.now());
    EXPECT_EQ(cache.executeAt, platform.now());
    EXPECT_EQ(cache.mode, 0);
    EXPECT_EQ(Prefabs().mode, 1);
    EXPECT_EQ(Scripts().fileType, QStringLiteral("scpt"));
    EXPECT_NE(Scripts().id, Scripts().id);
}

TEST_F(RecordsTest, ScriptsAreFoundByIdByNameAndAsFavourites)
{
    const Scripts backup = addScript(QStringLiteral("Bob's backup.scpt"), 1);
    addScript(QStringLiteral("Bobs backup.scpt"));
    addScript(QStringLiteral("Clean.bash"), 1);

    auto model = ScriptsModel::make();
    ASSERT_TRUE(model);
    EXPECT_EQ(model->get(backup.id)->name, QStringLiteral("Bob's backup.scpt"));
    EXPECT_FALSE(model->get(QStringLiteral("' OR '1'='1")));
    EXPECT_THAT(names(model->getByName(QStringLiteral("Bob's backup.scpt"))),
        UnorderedElementsAre(QStringLiteral("Bob's backup.scpt")));
    EXPECT_THAT(names(model->getFavorites()),
        UnorderedElementsAre(QStringLiteral("Bob's backup.scpt"), QStringLiteral("Clean.bash")));
}

TEST_F(RecordsTest, SetFavoritedChangesOnlyThatRecord)
{
    const Scripts first = addScript(QStringLiteral("a.scpt"));
    const Scripts second = addScript(QStringLiteral("b.scpt"));
    auto model = ScriptsModel::make();

    ASSERT_TRUE(model->setFavorited(first.id, 1));
    EXPECT_EQ(model->get(first.id)->favorited, 1);
    EXPECT_EQ(model->get(second.id)->favorited, 0);

    ASSERT_TRUE(model->setFavorited(QStringLiteral("no such id"), 1));
    EXPECT_THAT(names(model->getFavorites()), UnorderedElementsAre(QStringLiteral("a.scpt")));
}

TEST_F(RecordsTest, ResultSetsAreLive)
{
    const Scripts script = addScript(QStringLiteral("a.scpt"), 1);
    auto model = ScriptsModel::make();
    const Results<Scripts> favourites = model->getFavorites();
    ASSERT_EQ(favourites.count(), 1);

    ASSERT_TRUE(model->store.write([&](RecordWrite& write) { write.remove(script); }));
    EXPECT_EQ(favourites.count(), 0);
    EXPECT_FALSE(favourites.first());
    addScript(QStringLiteral("b.scpt"), 1);
    EXPECT_EQ(favourites.count(), 1);
}

TEST_F(RecordsTest, PresetKeepsActionCodeScriptIdAndLength)
{
    const Scripts script = addScript(QStringLiteral("Backup.scpt"));
    auto model = PrefabModels::make();
    ASSERT_TRUE(model->add(ActionsList::Sleep(), 1800));
    ASSERT_TRUE(model->add(ActionsList::Script(script.id), 60));

    const QList<Prefabs> presets = model->getAll().toList();
    ASSERT_EQ(presets.size(), 2);
    EXPECT_EQ(presets[0].action, 2);
    EXPECT_EQ(presets[0].idScript, QString());
    EXPECT_EQ(presets[0].name, QStringLiteral("Sleep"));
    EXPECT_EQ(presets[0].length, 1800);
    EXPECT_EQ(presets[0].mode, 1);
    EXPECT_EQ(presets[1].action, 4);
    EXPECT_EQ(presets[1].idScript, script.id);
    EXPECT_EQ(presets[1].name, QStringLiteral("Backup"));

    ASSERT_TRUE(model->remove(presets[0].id));
    ASSERT_EQ(model->getAll().count(), 1);
    EXPECT_EQ(model->getAll().first()->action, 4);
}

TEST_F(RecordsTest, SchedulersModelDeletesOneCacheRecord)
{
    auto model = SchedulersModel::make();
    SchedulerCache a;
    SchedulerCache b;
    b.id = a.id; // two records of one timer are still two records
    ASSERT_TRUE(model->store.write([&](RecordWrite& write) {
        write.add(a);
        write.add(b);
    }));
    ASSERT_EQ(model->getAll().count(), 2);
    ASSERT_TRUE(model->remove(a));
    EXPECT_EQ(model->getAll().count(), 1);
}

TEST_F(RecordsTest, StoreFailuresReachTheCallerAndChangeNothing)
{
    const Scripts script = addScript(QStringLiteral("a.scpt"));
    {
        ScopedStoreFault fault(ScopedStoreFault::Kind::Open);
        ObjectStore::closeAll();
        EXPECT_FALSE(ScriptsModel::make().hasValue());
        EXPECT_FALSE(PrefabModels::make().hasValue());
        EXPECT_FALSE(SchedulersModel::make().hasValue());
    }
    auto model = ScriptsModel::make();
    ScopedStoreFault fault(ScopedStoreFault::Kind::Write);
    EXPECT_FALSE(model->setFavorited(script.id, 1).hasValue());
    Scripts other;
    EXPECT_FALSE(model->add(other).hasValue());
    EXPECT_EQ(model->get(script.id)->favorited, 0);
    EXPECT_EQ(model->store.objects<Scripts>().count(), 1);
}

// A record type that gains a field makes the next launch start from an empty store.
TEST_F(RecordsTest, StoreOfAnotherSchemaIsDiscardedAtLaunch)
{
    addScript(QStringLiteral("a.scpt"));
    ObjectStore::closeAll();
    {
        ObjectStore::Configuration older = RecordStore::configuration();
        older.schema.first().fields << FieldSchema { QStringLiteral("retired"), FieldType::Int };
        older.deleteIfSchemaDiffers = true;
        auto store = ObjectStore::open(older); // the file now holds another schema
        ASSERT_TRUE(store);
    }
    ObjectStore::closeAll();
    EXPECT_FALSE(ScriptsModel::make().hasValue());

    RecordStore::discardOnSchemaChange();
    auto model = ScriptsModel::make();
    ASSERT_TRUE(model);
    EXPECT_EQ(model->store.objects<Scripts>().count(), 0);
    EXPECT_EQ(model->store.objects<Prefabs>().count(), 0);
}

struct DayListCase
{
    const char* list;
    std::vector<TimerDaily> days;
};

void PrintTo(const DayListCase& c, std::ostream* os)
{
    *os << '"' << c.list << '"';
}

class DayListDecodeTest : public testing::TestWithParam<DayListCase>
{ };

TEST_P(DayListDecodeTest, KeepsOnlyTheDayNumbers)
{
    TimerDays expected;
    for (TimerDaily day : GetParam().days)
        expected[day] = true;
    EXPECT_EQ(daysFromDayList(QString::fromLatin1(GetParam().list)), expected);
}

INSTANTIATE_TEST_SUITE_P(DayLists, DayListDecodeTest,
    testing::Values(DayListCase { "", {} }, DayListCase { "7", { TimerDaily::saturday } },
        DayListCase { "2;9;x", { TimerDaily::monday } },
        DayListCase { "4;2", { TimerDaily::monday, TimerDaily::wednesday } },
        DayListCase { "1;1;0;-1;8;+2; 3;3.0", { TimerDaily::sunday } },
        DayListCase { "1;2;3;4;5;6;7",
            { TimerDaily::sunday, TimerDaily::monday, TimerDaily::tuesday, TimerDaily::wednesday,
                TimerDaily::thursday, TimerDaily::friday, TimerDaily::saturday } }));

TEST(DayListEncode, SelectedDaysOnly)
{
    TimerDays days = defaultTimerDays();
    for (auto& [day, selected] : days)
        selected = day == TimerDaily::monday || day == TimerDaily::wednesday;
    const QString list = dayListFromDays(days);
    EXPECT_TRUE(list == QStringLiteral("2;4") || list == QStringLiteral("4;2")) << qPrintable(list);
    EXPECT_EQ(daysFromDayList(list).size(), 2u);
    EXPECT_EQ(dayListFromDays({}), QString());
    EXPECT_EQ(dayListFromDays({ { TimerDaily::friday, false } }), QString());
}

TEST(ActionCode, DecodesTheFiveCodesAndNothingElse)
{
    EXPECT_EQ(ActionsList::fromActionCode(0, {}), ActionsList::ShutDown());
    EXPECT_EQ(ActionsList::fromActionCode(1, {}), ActionsList::Restart());
    EXPECT_EQ(ActionsList::fromActionCode(2, {}), ActionsList::Sleep());
    EXPECT_EQ(ActionsList::fromActionCode(3, {}), ActionsList::LogOut());
    EXPECT_EQ(ActionsList::fromActionCode(4, QStringLiteral("X")), ActionsList::Script(QStringLiteral("X")));
    for (int code : { 5, -1, 100 })
        EXPECT_FALSE(ActionsList::fromActionCode(code, {})) << code;
    for (const ActionsList& action : { ActionsList::ShutDown(), ActionsList::Restart(), ActionsList::Sleep(),
             ActionsList::LogOut(), ActionsList::Script(QStringLiteral("X")) })
        EXPECT_EQ(ActionsList::fromActionCode(action.actionCode(), action.scriptId()), action);
}

TEST(ModeValue, DecodesOneToFourAndNothingElse)
{
    for (TimerMode mode : allTimerModes)
        EXPECT_EQ(timerModeFromRawValue(timerModeRawValue(mode)), mode);
    EXPECT_EQ(timerModeRawValue(TimerMode::Relative), 1);
    EXPECT_EQ(timerModeRawValue(TimerMode::Daily), 4);
    for (int value : { 0, 5, 9, -1 })
        EXPECT_FALSE(timerModeFromRawValue(value)) << value;
}

TEST_F(RecordsTest, DisplayNameOfAScriptIsItsRecordNameUpToTheFirstFullStop)
{
    const Scripts backup = addScript(QStringLiteral("Backup.scpt"));
    const Scripts dotted = addScript(QStringLiteral("My.Backup.scpt"));
    const Scripts plain = addScript(QStringLiteral("Plain"));

    EXPECT_EQ(ActionsList::Script(backup.id).displayName(), QStringLiteral("Backup"));
    EXPECT_EQ(ActionsList::Script(dotted.id).displayName(), QStringLiteral("My"));
    EXPECT_EQ(ActionsList::Script(plain.id).displayName(), QStringLiteral("Plain"));
    EXPECT_EQ(ActionsList::Script(QStringLiteral("gone")).displayName(), QStringLiteral("Script"));
    EXPECT_EQ(ActionsList::Script(QString()).displayName(), QStringLiteral("Script"));
    EXPECT_EQ(ActionsList::ShutDown().displayName(), QStringLiteral("Shutdown"));
    EXPECT_EQ(ActionsList::LogOut().displayName(), QStringLiteral("Log Out"));
}

} // namespace
