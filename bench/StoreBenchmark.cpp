#include "BenchPlatform.h"
#include "persistence/ScriptsModel.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int scriptCount = 10000;

// 10,000 Scripts records, as a user with a very large scripts folder would have.
class ScriptsStore : public benchmark::Fixture
{
public:
    void SetUp(benchmark::State&) override
    {
        m_platform.emplace();
        auto model = ScriptsModel::make();
        (void)model->store.write([](RecordWrite& write) {
            for (int i = 0; i < scriptCount; ++i) {
                Scripts script;
                script.name = QStringLiteral("Script %1.scpt").arg(i);
                script.content = QStringLiteral("tell application \"System Events\" to sleep");
                write.add(script);
            }
        });
        m_target = model->getByName(QStringLiteral("Script %1.scpt").arg(scriptCount / 2)).first()->id;
    }

    void TearDown(benchmark::State&) override { m_platform.reset(); }

protected:
    std::optional<BenchPlatform> m_platform;
    QString m_target;
};

BENCHMARK_DEFINE_F(ScriptsStore, OpenGetByNameAndRead)(benchmark::State& state)
{
    const QString name = QStringLiteral("Script %1.scpt").arg(scriptCount / 2);
    for (auto _ : state) {
        auto model = ScriptsModel::make();
        const std::optional<Scripts> script = model->getByName(name).first();
        benchmark::DoNotOptimize(script->content.size());
    }
}
BENCHMARK_REGISTER_F(ScriptsStore, OpenGetByNameAndRead)->Unit(benchmark::kMicrosecond);

BENCHMARK_DEFINE_F(ScriptsStore, SetFavorited)(benchmark::State& state)
{
    int value = 0;
    for (auto _ : state) {
        auto model = ScriptsModel::make();
        value = 1 - value;
        if (!model->setFavorited(m_target, value))
            state.SkipWithError("write failed");
    }
}
BENCHMARK_REGISTER_F(ScriptsStore, SetFavorited)->Unit(benchmark::kMillisecond);

} // namespace
