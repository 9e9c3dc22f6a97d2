// Prints how long the clock caption formats and the time-of-day parser take;
// a caption is formatted once a second per clock, a zone file parses two
// times per zone.
#include "core/time/datetimeformat.h"

#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

template <typename F> void measure(const char *what, int iterations, F &&body)
{
    QElapsedTimer timer;
    timer.start();
    qsizetype sink = 0;
    for (int i = 0; i < iterations; ++i)
        sink += body(i);
    const double ns = double(timer.nsecsElapsed()) / iterations;
    std::printf("%-40s %9.0f ns/call  (%lld chars)\n", what, ns, static_cast<long long>(sink));
}

} // namespace

int main()
{
    const TFormatSettings british = TFormatSettings::British();
    const TDateTime start = EncodeDateTime(2026, 12, 6, 14, 5, 9, 0);
    const double second = 1.0 / 86400.0;
    constexpr int n = 200'000;

    const QStringList formats = {u"dddd d mmmm yyyy"_s, u"hh:nn:ss ampm"_s, u"h:nn ampm"_s, u"c"_s,
                                 u"ddddd tt"_s};
    for (const QString &format : formats) {
        const QByteArray label = "FormatDateTime \"" + format.toUtf8() + '"';
        measure(label.constData(), n,
                [&](int i) { return FormatDateTime(format, start + i * second, british).size(); });
    }

    const QStringList times = {u"1:00"_s, u"12:30:15 PM"_s, u"AM 1:02:03.456"_s};
    for (const QString &text : times) {
        const QByteArray label = "ParseTimeOfDay \"" + text.toUtf8() + '"';
        measure(label.constData(), n,
                [&](int) { return static_cast<qsizetype>(ParseTimeOfDay(text, british) > 0); });
    }
    return 0;
}
