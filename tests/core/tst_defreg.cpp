#include "core/common.h"
#include "core/defreg.h"
#include "platform/settings.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

class TestDefRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void readBoolDef_data();
    void readBoolDef();
    void openWithoutCreating();
    void openCreatingAndWrite();

private:
    QTemporaryDir FDir;
    int FCount = 0;
};

void TestDefRegistry::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(FDir.isValid());
}

void TestDefRegistry::init()
{
    SetSettingsFileName(FDir.filePath(QStringLiteral("%1/Clocks.ini").arg(++FCount)));
}

void TestDefRegistry::cleanupTestCase()
{
    SetSettingsFileName(QString());
}

void TestDefRegistry::readBoolDef_data()
{
    QTest::addColumn<QString>("stored"); // null: no value
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<QString>("result"); // "true", "false" or the error
    QTest::newRow("missing, default true") << QString() << true << QStringLiteral("true");
    QTest::newRow("missing, default false") << QString() << false << QStringLiteral("false");
    QTest::newRow("0 beats the default") << QStringLiteral("0") << true << QStringLiteral("false");
    QTest::newRow("1") << QStringLiteral("1") << false << QStringLiteral("true");
    QTest::newRow("any other number") << QStringLiteral("-3") << false << QStringLiteral("true");
    QTest::newRow("a word is no Boolean")
        << QStringLiteral("yes") << true
        << QStringLiteral("Invalid data type for 'SortZonesByName'");
    QTest::newRow("empty text") << QStringLiteral("") << true
                                << QStringLiteral("Invalid data type for 'SortZonesByName'");
}

void TestDefRegistry::readBoolDef()
{
    QFETCH(QString, stored);
    QFETCH(bool, defaultValue);
    QFETCH(QString, result);
    WriteSettingInteger(SettingsKey, ValueTop, 1);
    if (!stored.isNull())
        WriteSettingString(SettingsKey, ValueSortZonesByName, stored);
    TDefRegistry registry;
    QVERIFY(registry.OpenKey(SettingsKey, false));
    QString actual;
    try {
        actual = registry.ReadBoolDef(ValueSortZonesByName, defaultValue) ? QStringLiteral("true")
                                                                          : QStringLiteral("false");
    } catch (const ERegistryException &e) {
        actual = e.Message();
    }
    QCOMPARE(actual, result);
}

void TestDefRegistry::openWithoutCreating()
{
    TDefRegistry registry;
    QVERIFY(!registry.OpenKey(SettingsKey, false)); // first run: no settings file
    QVERIFY(!QFile::exists(SettingsFileName()));
    QCOMPARE(registry.CurrentPath(), QString());
    QCOMPARE(registry.ReadBoolDef(ValueSortZonesByName, true), true);
    WriteSettingBool(SettingsKey, ValuePinned, true);
    QVERIFY(registry.OpenKey(SettingsKey, false));
    QVERIFY(!registry.OpenKey(ClockListKey, false)); // no clocks stored
    QVERIFY(!registry.OpenKey(QStringLiteral("SOFTWARE\\Elsewhere"), true));
}

void TestDefRegistry::openCreatingAndWrite()
{
    TDefRegistry registry;
    QVERIFY(registry.OpenKey(SettingsKey, true));
    QVERIFY(QFile::exists(SettingsFileName()));
    registry.WriteString(ValueTimeFormat, QStringLiteral("hh:nn"));
    registry.WriteBool(ValueSortZonesByName, false);
    registry.WriteInteger(ValueLeft, -1200);
    QVERIFY(registry.ValueExists(ValueSortZonesByName));
    QVERIFY(!registry.ValueExists(ValueDateFormat));
    QCOMPARE(registry.ReadString(ValueTimeFormat), QStringLiteral("hh:nn"));
    QCOMPARE(registry.ReadBoolDef(ValueSortZonesByName, true), false);
    QCOMPARE(registry.ReadInteger(ValueLeft), -1200);
    QCOMPARE(ReadSettingString(SettingsKey, ValueTimeFormat, QString()), QStringLiteral("hh:nn"));

    registry.CloseKey();
    QVERIFY_THROWS_EXCEPTION(ERegistryException, registry.WriteBool(ValuePinned, true));
}

QTEST_GUILESS_MAIN(TestDefRegistry)
#include "tst_defreg.moc"
