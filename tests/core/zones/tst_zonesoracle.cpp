// The zone file the build generated against the C library's own reading of
// the same tz database, hour by hour over every year the file was checked for.
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonetexts.h"
#include "zonedatabase.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {

struct TZoneFileFacts
{
    QString Version;
    int FirstYear = 0;
    int LastYear = 0;
};

TZoneFileFacts ReadFacts(const QString &path)
{
    TZoneFileFacts facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    static const QRegularExpression header(
        QStringLiteral("^# version (\\S+), checked for (\\d+)-(\\d+)$"));
    if (const auto match = header.match(QString::fromUtf8(file.readLine()).trimmed());
        match.hasMatch()) {
        facts.Version = match.captured(1);
        facts.FirstYear = match.captured(2).toInt();
        facts.LastYear = match.captured(3).toInt();
    }
    return facts;
}

QString SystemTzVersion(const QString &tzDir)
{
    QFile file(tzDir + QStringLiteral("/tzdata.zi"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString first = QString::fromUtf8(file.readLine()).trimmed();
    return first.startsWith(QStringLiteral("# version ")) ? first.mid(10) : QString();
}

} // namespace

class TestZonesOracle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void agreesWithLocaltime();

private:
    QString FTzDir;
};

void TestZonesOracle::initTestCase()
{
    // The tz database the build made zones.ini from; the C library reads it too.
    FTzDir = QStringLiteral(VORKEL_TZDIR);
    if (!QFile::exists(FTzDir + QStringLiteral("/tzdata.zi")) &&
        !QFile::exists(FTzDir + QStringLiteral("/zone1970.tab")))
        QSKIP(qPrintable(QStringLiteral("no tz database in %1 (install tzdata): the build copied "
                                        "the committed zones.ini, with nothing to compare it with")
                             .arg(FTzDir)));
}

void TestZonesOracle::agreesWithLocaltime()
{
    const QString path = QStringLiteral(VORKEL_BUILT_ZONES);
    const TZoneFileFacts facts = ReadFacts(path);
    QVERIFY2(!facts.Version.isEmpty(), "the zone file has no version line");
    // The build remakes the file whenever tzdata changes: another version
    // here is a build that did not.
    const QString systemVersion = SystemTzVersion(FTzDir);
    if (!systemVersion.isEmpty())
        QCOMPARE(facts.Version, systemVersion);
    QVERIFY(facts.LastYear - facts.FirstYear >= 9);

    TTimeZoneList list;
    list.LoadFromZoneFile(path);
    QVERIFY(list.Count() > 300);

    const std::int64_t from = QDate(facts.FirstYear, 1, 1).startOfDay(Qt::UTC).toSecsSinceEpoch();
    const std::int64_t to = QDate(facts.LastYear + 1, 1, 1).startOfDay(Qt::UTC).toSecsSinceEpoch();
    // Off the hour: no change of any zone falls on minute 17.
    constexpr std::int64_t offHour = 17 * 60 + 23;
    QStringList faults;
    int faultCount = 0;
    const QByteArray savedTz = qgetenv("TZ");
    qputenv("TZDIR", FTzDir.toLocal8Bit());
    for (int i = 0; i < list.Count(); ++i) {
        const TTimeZone &zone = *list.ZoneAt(i);
        const std::string tzName = zonegen::TzZoneName(zone.Name.toStdString());
        if (!QFile::exists(FTzDir + QLatin1Char('/') + QString::fromStdString(tzName))) {
            faults << zone.Name + QStringLiteral(": not in the tz database");
            ++faultCount;
            continue;
        }
        qputenv("TZ", QByteArray(":") + QByteArray::fromStdString(tzName));
        tzset();
        for (std::int64_t t = from + offHour; t < to; t += 3600) {
            const std::time_t moment = t;
            std::tm real{};
            localtime_r(&moment, &real);
            const TDateTime utc = UnixDateDelta + static_cast<double>(t) / 86400.0;
            const std::int64_t modelLocal =
                std::llround((zone.LocalTimeAt(utc) - UnixDateDelta) * 86400.0);
            const QString &modelAbbr = zone.AbbrAt(utc);
            if (modelLocal == t + real.tm_gmtoff && modelAbbr == QLatin1String(real.tm_zone))
                continue;
            if (++faultCount <= 20)
                faults << QStringLiteral("%1 at %2: zone file %3 %4, tz database %5 %6")
                              .arg(zone.Name,
                                   QDateTime::fromSecsSinceEpoch(t, Qt::UTC).toString(Qt::ISODate),
                                   OffsetText(static_cast<int>((modelLocal - t) / 60)), modelAbbr,
                                   OffsetText(static_cast<int>(real.tm_gmtoff / 60)),
                                   QLatin1String(real.tm_zone));
        }
    }
    if (savedTz.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", savedTz);
    tzset();
    for (const QString &fault : std::as_const(faults))
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faultCount == 0,
             qPrintable(
                 QStringLiteral("%1 hours disagree (the first are listed above)").arg(faultCount)));
}

QTEST_GUILESS_MAIN(TestZonesOracle)
#include "tst_zonesoracle.moc"
