#include "alarm.h"

#include "core/time/datetimeformat.h"
#include "core/zones/timezone.h"

#include <QCoreApplication>
#include <cmath>

namespace {
// A message rung later than this after its moment says so.
constexpr std::int64_t AllowedLatenessMSecs = 5000;
} // namespace

bool TAlarm::IsDue() const
{
    return Clock != nullptr && Clock->LocalTimeNow() >= Time;
}

QString TAlarm::MessageText() const
{
    if (Clock == nullptr)
        return {};
    const TDateTime now = Clock->LocalTimeNow();
    // Counted in whole milliseconds: day fractions of 5 s do not compare
    // exactly in floating point.
    const auto lateness = static_cast<std::int64_t>(std::llround((now - Time) * MSecsPerDay));
    QString passed;
    if (lateness > AllowedLatenessMSecs)
        passed = QCoreApplication::translate("TAlarm", "The alarm time for %1 has passed!\n")
                     .arg(Clock->Title);
    return QCoreApplication::translate("TAlarm", "This is your Vorkel Clocks alarm!\n\n") + passed +
           QCoreApplication::translate("TAlarm", "The time in %1 is now %2.")
               .arg(Clock->Title, FormatDateTime(QStringLiteral("c"), now));
}
