// The titled clocks of the "World Times" window, one per clock of the list,
// stacked down the column beside the strip. The first title and clock are
// the form's own; the others are made alike, as children of the window.
#pragma once

#include "core/time/datetime.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>

class QLabel;
class QMenu;
class QObject;
class QRect;
class QWidget;
class TWorldClocks;
class TZonedClock;

class TClockColumn
{
public:
    // The controls show the clocks of clocks, which must outlive the column;
    // every control made is stacked under above (drawn over them, read after
    // them by a screen reader, reached by Tab after them) and watched by
    // watcher's event filter.
    TClockColumn(QLabel &firstTitle, TZonedClock &firstClock, QWidget &above,
                 const TWorldClocks &clocks, QObject &watcher);
    ~TClockColumn();
    TClockColumn(const TClockColumn &) = delete;
    TClockColumn &operator=(const TClockColumn &) = delete;

    // One title and clock per clock of the list, measured; the old ones go.
    // With no clocks only the first pair stays, showing nothing.
    void Rebuild(QMenu *menu);
    // Lets go of the clocks before the list frees them.
    void Release();

    int Count() const { return static_cast<int>(FClocks.size()); }
    const QList<TZonedClock *> &Clocks() const { return FClocks; }
    const QList<QLabel *> &Titles() const { return FTitles; }
    // The clock whose control or title widget is, or -1.
    int IndexOf(const QObject *widget) const;

    void SetDateFormat(const QString &format);
    void SetTimeFormat(const QString &format);
    // Clocks in font, titles in its bold, both in color.
    void SetFont(const QFont &font, const QColor &color);
    void SetShiftMinutes(int minutes);

    // The clocks that a title or clock of lies within area (the window's
    // coordinates), as indexes [First, End).
    struct TRange
    {
        qsizetype First = 0;
        qsizetype End = 0;
    };
    TRange Within(const QRect &area) const;
    TRange All() const { return {0, FClocks.size()}; }

    // The clocks' texts at the present time (shifted by the look-ahead).
    // Only those of range: with thousands of clocks in a window taller than
    // the screen, a tick costs what the user can see.
    void UpdateTexts(TRange range);
    // The titles with each zone's abbreviation at the UTC moment shown; a
    // title is measured again only when its text changed. A title wider than
    // TextWidthLimit is cut with an ellipsis (its accessible name and
    // FullTitle stay whole), as are the clocks' lines.
    void UpdateTitles(TDateTime shownUTC, TRange range);
    // The title as composed; empty before UpdateTitles.
    QString FullTitle(int index) const { return FCaptions.value(index); }
    bool TitleCut(int index) const;
    // The two-line hint of clock index at the moment now, after the whole
    // title when it is cut.
    QString Hint(int index, TDateTime now) const;
    // Some 80 characters of font, and at most half the screen: a title of
    // thousands of letters or a hostile date format never makes the window
    // wider than the screen.
    int TextWidthLimit(const QFont &font) const;
    // Stacks the pairs down from the first, the first clock at left; returns
    // the bottom of the last clock.
    int Arrange(int left);
    // The width that shows every title and clock with RightMargin free
    // beside it, and beside the pin where it is level with pin (the pin
    // button's rectangle at the window's top right; its x is not read).
    int RightEdge(const QRect &pin) const;
    // The same for one part of the window (a title, a clock, the alarm
    // picture), the window's coordinates.
    static int RightEdgeOf(const QRect &part, const QRect &pin);
    static constexpr int RightMargin = 6;

private:
    void Clear();

    QLabel &FFirstTitle;
    TZonedClock &FFirstClock;
    QWidget &FAbove;
    const TWorldClocks &FWorld;
    QObject &FWatcher;
    QList<TZonedClock *> FClocks;
    QList<QLabel *> FTitles;
    QStringList FCaptions; // each title as composed, before it was cut
};
