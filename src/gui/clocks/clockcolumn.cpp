#include "gui/clocks/clockcolumn.h"

#include "core/clocks/worldclocks.h"
#include "gui/widgets/boldlabel.h"
#include "gui/widgets/zonedclock.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <algorithm>
#include <ranges>
#include <utility>

namespace {
void SetTextColor(QWidget &widget, const QColor &color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, color);
    widget.setPalette(palette);
}

// A long text as lines of some 80 characters, broken after a blank where
// there is one, and the first thousand characters at most: a hint as wide
// or as tall as the screen is read by no one.
QString HintLines(const QString &text)
{
    constexpr qsizetype Line = 80;
    constexpr qsizetype Most = 1000;
    const QString kept = text.size() > Most ? text.left(Most) + u'…' : text;
    QString lines;
    qsizetype start = 0;
    while (kept.size() - start > Line) {
        const qsizetype blank = kept.lastIndexOf(u' ', start + Line);
        const qsizetype end = blank > start ? blank + 1 : start + Line;
        lines += QStringView(kept).sliced(start, end - start).trimmed().toString() + u'\n';
        start = end;
    }
    return lines + QStringView(kept).sliced(start).toString();
}
} // namespace

TClockColumn::TClockColumn(QLabel &firstTitle, TZonedClock &firstClock, QWidget &above,
                           const TWorldClocks &clocks, QObject &watcher)
    : FFirstTitle(firstTitle), FFirstClock(firstClock), FAbove(above), FWorld(clocks),
      FWatcher(watcher), FClocks{&firstClock}, FTitles{&firstTitle}
{
    FFirstClock.installEventFilter(&FWatcher);
    FFirstTitle.installEventFilter(&FWatcher);
}

TClockColumn::~TClockColumn()
{
    Release();
}

void TClockColumn::Clear()
{
    // Deleted at once: a deferred delete would leave them drawn and counted.
    for (qsizetype i = 1; i < FClocks.size(); ++i)
        delete FClocks[i];
    for (qsizetype i = 1; i < FTitles.size(); ++i)
        delete FTitles[i];
    FClocks = {&FFirstClock};
    FTitles = {&FFirstTitle};
    FCaptions.clear();
}

void TClockColumn::Release()
{
    for (TZonedClock *clock : std::as_const(FClocks))
        clock->SetZone(nullptr);
}

void TClockColumn::Rebuild(QMenu *menu)
{
    Release();
    Clear();
    if (FWorld.Count() == 0)
        return;

    const TCustomisedTimeZone &first = FWorld.Clock(0);
    FFirstClock.SetMaxTextWidth(TextWidthLimit(FFirstClock.font()));
    FFirstClock.SetZone(&first);
    FFirstClock.SetUseDaylight(first.UseDaylight);
    FFirstClock.SetActive(false);
    FFirstClock.UpdateText();

    QWidget *window = FFirstClock.parentWidget();
    for (int c = 1; c < FWorld.Count(); ++c) {
        const TCustomisedTimeZone &zone = FWorld.Clock(c);
        auto *clock = new TZonedClock(window);
        clock->Assign(&FFirstClock);
        clock->SetMaxTextWidth(FFirstClock.MaxTextWidth());
        clock->SetActive(false);
        clock->SetZone(&zone);
        clock->SetUseDaylight(zone.UseDaylight);
        clock->SetPopupMenu(menu);
        clock->setFocusPolicy(FFirstClock.focusPolicy());
        clock->installEventFilter(&FWatcher);

        auto *title = new TBoldLabel(window);
        title->setFont(FFirstTitle.font());
        title->setPalette(FFirstTitle.palette());
        title->installEventFilter(&FWatcher);
        // A screen reader reads the children in their order: each title
        // before its time, every clock before what stays drawn over them.
        title->stackUnder(&FAbove);
        clock->stackUnder(&FAbove);

        // Tab goes down the column, then to what is drawn over it (the pin).
        QWidget::setTabOrder(FClocks.last(), clock);
        FTitles.append(title);
        FClocks.append(clock);
        clock->show();
        title->show();
    }
    QWidget::setTabOrder(FClocks.last(), &FAbove);
}

int TClockColumn::IndexOf(const QObject *widget) const
{
    for (qsizetype i = 0; i < FClocks.size(); ++i)
        if (FClocks[i] == widget || FTitles[i] == widget)
            return static_cast<int>(i);
    return -1;
}

void TClockColumn::SetDateFormat(const QString &format)
{
    for (TZonedClock *clock : std::as_const(FClocks))
        clock->SetDateFormat(format);
}

void TClockColumn::SetTimeFormat(const QString &format)
{
    for (TZonedClock *clock : std::as_const(FClocks))
        clock->SetTimeFormat(format);
}

void TClockColumn::SetFont(const QFont &font, const QColor &color)
{
    QFont bold = font;
    bold.setBold(true);
    const int limit = TextWidthLimit(font);
    for (TZonedClock *clock : std::as_const(FClocks)) {
        clock->setFont(font);
        clock->SetMaxTextWidth(limit);
        SetTextColor(*clock, color);
    }
    for (QLabel *title : std::as_const(FTitles)) {
        title->setFont(bold);
        SetTextColor(*title, color);
    }
    // Cut again in the new font at the next UpdateTitles.
    FCaptions.clear();
}

int TClockColumn::TextWidthLimit(const QFont &font) const
{
    const QFontMetrics metrics(font);
    int limit = metrics.averageCharWidth() * 80;
    if (const QScreen *screen = FFirstClock.screen())
        limit = std::min(limit, screen->availableGeometry().width() / 2);
    return std::max(limit, metrics.averageCharWidth() * 8);
}

bool TClockColumn::TitleCut(int index) const
{
    return index >= 0 && index < FTitles.size() && index < FCaptions.size() &&
           FTitles[index]->text() != FCaptions[index];
}

void TClockColumn::SetShiftMinutes(int minutes)
{
    for (TZonedClock *clock : std::as_const(FClocks))
        clock->SetShiftMinutes(minutes);
}

TClockColumn::TRange TClockColumn::Within(const QRect &area) const
{
    // Stacked down the window in list order: the pairs above and below the
    // area are two runs, found by halving.
    const auto pairs = std::views::iota(qsizetype{0}, FClocks.size());
    const qsizetype first = *std::ranges::partition_point(
        pairs, [&](qsizetype i) { return FClocks[i]->geometry().bottom() < area.top(); });
    const qsizetype end =
        *std::ranges::partition_point(std::views::iota(first, FClocks.size()), [&](qsizetype i) {
            return FTitles[i]->y() <= area.bottom();
        });
    return {first, end};
}

void TClockColumn::UpdateTexts(TRange range)
{
    for (qsizetype i = range.First; i < range.End; ++i)
        FClocks[i]->UpdateText();
}

void TClockColumn::UpdateTitles(TDateTime shownUTC, TRange range)
{
    if (FWorld.Count() == 0)
        return;
    if (FCaptions.size() != FTitles.size())
        FCaptions = QStringList(FTitles.size(), QString());
    int limit = -1; // measured once a tick, and only when a title changed
    for (qsizetype i = range.First; i < range.End; ++i) {
        const QString caption = FWorld.TitleCaption(static_cast<int>(i), shownUTC);
        // Every layout sizes the titles to their captions; a tick only
        // re-measures the one whose abbreviation has just changed.
        if (FCaptions[i] == caption)
            continue;
        FCaptions[i] = caption;
        QLabel *title = FTitles[i];
        if (limit < 0)
            limit = TextWidthLimit(title->font());
        const QFontMetrics metrics(title->font());
        // Cut to a length first: measuring thousands of letters costs.
        const QString shown = metrics.elidedText(
            caption.left(limit / std::max(1, metrics.horizontalAdvance(u'.')) + 1), Qt::ElideRight,
            limit);
        title->setText(shown);
        title->setAccessibleName(shown == caption ? QString() : caption);
        FClocks[i]->SetSpokenTitle(caption);
        title->adjustSize();
    }
}

int TClockColumn::Arrange(int left)
{
    FFirstClock.move(left, FFirstClock.y());
    FFirstTitle.move(FFirstClock.x() - 8, 0);
    FFirstTitle.adjustSize();
    FFirstClock.UpdateText();
    // The clock sits right under its title; with the design font that is
    // its design top of 13, a taller substitute font moves it down.
    FFirstClock.move(FFirstClock.x(), FFirstTitle.y() + FFirstTitle.height());

    for (qsizetype a = 1; a < FClocks.size(); ++a) {
        TZonedClock *clock = FClocks[a];
        QLabel *title = FTitles[a];
        const TZonedClock *above = FClocks[a - 1];
        clock->UpdateText();
        title->setGeometry(FFirstTitle.x(), above->y() + above->height() + 8, FFirstTitle.width(),
                           FFirstTitle.height());
        if (!title->text().isEmpty())
            title->adjustSize();
        clock->move(FFirstClock.x(), title->y() + title->height());
    }
    const TZonedClock *last = FClocks.last();
    return last->y() + last->height();
}

int TClockColumn::RightEdge(const QRect &pin) const
{
    int right = 0;
    for (qsizetype i = 0; i < FClocks.size(); ++i)
        right = std::max({right, RightEdgeOf(FTitles[i]->geometry(), pin),
                          RightEdgeOf(FClocks[i]->geometry(), pin)});
    return right;
}

int TClockColumn::RightEdgeOf(const QRect &part, const QRect &pin)
{
    int edge = part.x() + part.width() + RightMargin;
    // Level with the pin, a part ends left of it: pinned, the pressed button
    // covered the end of the first date.
    if (part.top() <= pin.bottom() && part.bottom() >= pin.top())
        edge += pin.width();
    return edge;
}

QString TClockColumn::Hint(int index, TDateTime now) const
{
    if (index < 0 || index >= FWorld.Count())
        return {};
    // A title cut to fit the window is read whole here.
    const QString title = TitleCut(index) ? HintLines(FullTitle(index)) + u'\n' : QString();
    return title + FWorld.ClockHint(index, now);
}
