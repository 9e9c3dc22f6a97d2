// Prints how long the clocks window takes to build its clocks and lay them out
// (the constructor, as at start-up) and to show them (a tray click), for 100,
// 1,000 and 5,000 clocks, with the time per clock beside each: a layout linear
// in the number of clocks keeps the figure per clock flat. Then what one
// second's tick costs while the window is shown, painting included (the clock
// runs a second on before each, so every time changes), and how long the
// options dialog takes to open with that many clocks: only the clocks a user
// can see should cost a tick. Times are the process's CPU time, so a busy
// machine does not blur them.
//
// Usage: bench_manyclocks [zones.ini] (default: the one beside the program)
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "gui/clocks/clocksform.h"
#include "gui/options/zoneform.h"
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
        TWorldClocks::SetZoneFilePath(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir dir;
    SetSettingsFileName(dir.filePath(u"Clocks.ini"_s));

    // Mid-morning in London on a weekday: every clock shows a date and a time.
    TFakeClock clock(TDateTime(46000.4));
    for (const int count : {100, 1000, 5000}) {
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

        constexpr int Ticks = 10;
        const double ticking = CpuMilliseconds();
        for (int t = 0; t < Ticks; ++t) {
            clock.Advance(1000);
            form.UpdateClocks();
            QApplication::processEvents(); // the repaint
        }
        const double tick = (CpuMilliseconds() - ticking) / Ticks;

        const double opening = CpuMilliseconds();
        {
            TZoneForm options(TWorldClocks::ZoneFilePath(), form.ShownState());
            options.show();
            QApplication::processEvents();
        }
        const double options = CpuMilliseconds() - opening;
        std::printf("%5d clocks: CPU time of a tick shown %8.2f ms, options dialog opened and "
                    "closed %8.1f ms\n",
                    count, tick, options);
        form.HideClocks();
    }
    return 0;
}
