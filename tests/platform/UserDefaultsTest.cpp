#include "Fakes.h"
#include "platform/DefaultsKeys.h"
#include "platform/SettingsUserDefaults.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsFileTest : public testing::Test
{
protected:
    QString path() const { return m_directory.filePath(QStringLiteral("Vendane/Quillet.conf")); }

    void writeFile(const QByteArray& content)
    {
        QDir().mkpath(m_directory.filePath(QStringLiteral("Vendane")));
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray fileContent() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_directory;
};

TEST_F(SettingsFileTest, AbsentKeysReadFalseZeroAndEmpty)
{
    SettingsUserDefaults defaults(path());
    EXPECT_FALSE(defaults.get(DefaultsKeys::alreadyLaunched));
    EXPECT_EQ(defaults.get(DefaultsKeys::secondsBeforeNotification), 0);
    EXPECT_EQ(defaults.get(DefaultsKeys::appIdentifier), QString());
    EXPECT_FALSE(defaults.contains(DefaultsKeys::alreadyLaunched));
}

// A crash right after a setter returns must not lose the value: another reader sees it on disk.
TEST_F(SettingsFileTest, ValueIsOnDiskWhenTheSetterReturns)
{
    SettingsUserDefaults defaults(path());
    defaults.set(DefaultsKeys::secondsBeforeNotification, 45);
    defaults.set(DefaultsKeys::preventDisplaySleep, true);
    defaults.set(DefaultsKeys::appIdentifier, QStringLiteral("ABC"));

    const QByteArray content = fileContent();
    EXPECT_TRUE(content.contains("secondsBeforeNotification=45")) << content.constData();
    EXPECT_TRUE(content.contains("preventDisplaySleep=true")) << content.constData();

    SettingsUserDefaults other(path());
    EXPECT_EQ(other.get(DefaultsKeys::secondsBeforeNotification), 45);
    EXPECT_TRUE(other.get(DefaultsKeys::preventDisplaySleep));
    EXPECT_EQ(other.get(DefaultsKeys::appIdentifier), QStringLiteral("ABC"));
}

TEST_F(SettingsFileTest, GarbageLinesAreSkippedAndValidKeysSurviveAWrite)
{
    writeFile("[General]\n"
              "secondsBeforeNotification=60\n"
              "this line is garbage\n"
              "\x01\x02\xff\xfe\n"
              "showStatusBarItem=true\n"
              "preventDisplaySleep=banana\n"
              "=no key\n");
    SettingsUserDefaults defaults(path());
    EXPECT_EQ(defaults.get(DefaultsKeys::secondsBeforeNotification), 60);
    EXPECT_TRUE(defaults.get(DefaultsKeys::showStatusBarItem));
    EXPECT_FALSE(defaults.get(DefaultsKeys::preventDisplaySleep));

    defaults.set(DefaultsKeys::alreadyLaunched, true);
    SettingsUserDefaults reread(path());
    EXPECT_EQ(reread.get(DefaultsKeys::secondsBeforeNotification), 60);
    EXPECT_TRUE(reread.get(DefaultsKeys::showStatusBarItem));
    EXPECT_TRUE(reread.get(DefaultsKeys::alreadyLaunched));
}

TEST_F(SettingsFileTest, RemoveAllRemovesUnknownKeysToo)
{
    writeFile("[General]\nsomeoneElsesKey=1\n");
    SettingsUserDefaults defaults(path());
    defaults.set(DefaultsKeys::showStatusBarItem, true);
    defaults.removeAll();
    EXPECT_TRUE(defaults.allKeys().isEmpty());
    EXPECT_TRUE(SettingsUserDefaults(path()).allKeys().isEmpty());
}

struct TypedReadCase
{
    const char* stored;
    bool asBool;
    int asInt;
};

void PrintTo(const TypedReadCase& c, std::ostream* os)
{
    *os << '"' << c.stored << '"';
}

class TypedReadTest : public testing::TestWithParam<TypedReadCase>
{ };

// A hand-edited value of the wrong type reads as if absent, so a typo cannot switch a setting on.
TEST_P(TypedReadTest, StoredTextReadsAsTypedValue)
{
    MemoryUserDefaults defaults;
    defaults.setValue(QStringLiteral("k"), QString::fromLatin1(GetParam().stored));
    EXPECT_EQ(defaults.get(DefaultsKey<bool> { "k" }), GetParam().asBool);
    EXPECT_EQ(defaults.get(DefaultsKey<int> { "k" }), GetParam().asInt);
}

INSTANTIATE_TEST_SUITE_P(Values, TypedReadTest,
    testing::Values(TypedReadCase { "true", true, 0 }, TypedReadCase { "false", false, 0 },
        TypedReadCase { "1", true, 1 }, TypedReadCase { "30", false, 30 }, TypedReadCase { "abc", false, 0 },
        TypedReadCase { "", false, 0 }, TypedReadCase { " 45 ", false, 45 },
        TypedReadCase { "-3", false, -3 }));

} // namespace
