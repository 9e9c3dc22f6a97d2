// Prints how long the clocks window takes to build its clocks and lay them out
// (the constructor, as at start-up) and to show them (a tray click), for 100
// and 1,000 clocks, with the time per clock beside each: a layout linear in
// the number of clocks keeps the figure per clock flat. Times are the process's
// CPU time, so a busy machine does not blur them.
//
// Usage: bench_manyclocks [zones.ini] (default: the one beside the program)
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/time/formatsettings.h"
#include "gui/clocks/clocksform.h"
#include "gui/tray/systrayicon.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

const QStringList Zones = {u"Europe/London"_s,    u"America/New York"_s, u"Asia/Tokyo"_s,
                           u"Australia/Sydney"_s, u"Europe/Paris"_s,     u"Asia/Kolkata"_s};

void StoreClocks(int count)
{
    TSettingsUpdate update;
    QStringList titles;
    for (int n = 0; n < count; ++n) {
        titles.append(u"Clock %1"_s.arg(n));
        WriteSettingString(ClockListGroup, u"%1_Zone"_s.arg(n), Zones[n % Zones.size()]);
        WriteSettingBool(ClockListGroup, u"%1_UseDaylight"_s.arg(n), true);
    }
    WriteSettingString(SettingsGroup, ValueClocks, titles.join(u';'));
    update.Commit();
}

double CpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetFormatSettings(TFormatSettings::British());
    if (argc > 1)
        TClocksForm::SetZoneFilePath(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir dir;
    SetSettingsFileName(dir.filePath(u"Clocks.ini"_s));

    for (const int count : {100, 1000}) {
        StoreClocks(count);
        TSysTrayIcon tray;
        const double start = CpuMilliseconds();
        TClocksForm form(tray);
        const double built = CpuMilliseconds() - start;
        form.ShowClocks();
        QApplication::processEvents();
        const double shown = CpuMilliseconds() - start - built;
        std::printf(
            "%5d clocks: CPU time built and laid out %8.1f ms (%6.3f ms a clock), shown %8.1f ms "
            "(%6.3f ms a clock)\n",
            count, built, built / count, shown, shown / count);
        form.HideClocks();
    }
    return 0;
}
