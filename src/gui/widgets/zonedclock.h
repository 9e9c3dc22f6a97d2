// A text label that shows the current date and time of one time zone, either
// refreshing itself on each whole second of the local clock (Active) or
// waiting for its owner to call UpdateText / RefreshTime.
#pragma once

#include "core/time/datetime.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTimer>

class TTimeZone;

class TZonedClock : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(QString DateFormat READ DateFormat WRITE SetDateFormat)
    Q_PROPERTY(QString TimeFormat READ TimeFormat WRITE SetTimeFormat)
    Q_PROPERTY(QString DateTimeSeparator READ DateTimeSeparator WRITE SetDateTimeSeparator)
    Q_PROPERTY(bool UseDaylight READ UseDaylight WRITE SetUseDaylight)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    // Inactive, regional long date and long time formats, a carriage return
    // between them, daylight time followed, no zone (UTC); the caption
    // already shows the current moment.
    explicit TZonedClock(QWidget *parent = nullptr);
    ~TZonedClock() override;

    bool Active() const { return FActive; }
    // Switching on refreshes at once and ticks on every whole local second.
    // Switching off stops the timer: no caption change follows.
    void SetActive(bool active);

    const QString &DateFormat() const { return FDateFormat; }
    void SetDateFormat(const QString &format); // then RefreshTime
    const QString &TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const QString &format); // then RefreshTime
    const QString &DateTimeSeparator() const { return FDateTimeSeparator; }
    void SetDateTimeSeparator(const QString &separator); // then RefreshTime

    bool UseDaylight() const { return FUseDaylight; }
    // Repaints only: the caption follows at the next UpdateText/RefreshTime.
    void SetUseDaylight(bool useDaylight);

    // The zone shown; nullptr shows UTC. Not owned: the owner clears or
    // replaces it before freeing the zone.
    const TTimeZone *Zone() const { return FZone; }
    void SetZone(const TTimeZone *zone); // then RefreshTime

    // Minutes the shown time is ahead of the present (negative: behind).
    // A moved clock is drawn in ShiftedColor, so no one takes it for the
    // present. Repaints only: the caption follows at the next
    // UpdateText/RefreshTime.
    int ShiftMinutes() const { return FShiftMinutes; }
    void SetShiftMinutes(int minutes);
    // The text colour faded towards the background, in light and dark themes
    // and whatever colour the user chose for the clocks.
    QColor ShiftedColor() const;

    // Width and height follow the caption (widest line, all lines); the left
    // and top edges stay, or the right edge with right alignment.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);

    // The widest a line of the caption is shown, in pixels; a longer line is
    // cut with an ellipsis, and at most MaxShownLines lines are shown. 0
    // (the default) shows every line whole.
    int MaxTextWidth() const { return FMaxTextWidth; }
    void SetMaxTextWidth(int pixels);
    static constexpr int MaxShownLines = 8;

    // Transparent: no background of its own (the parent shows through).
    bool Transparent() const { return !autoFillBackground(); }
    void SetTransparent(bool transparent);

    // Shown on a right click; cleared when the menu is destroyed.
    QMenu *PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu *menu) { FPopupMenu = menu; }

    // The caption as composed, a carriage return (or line feed) starting a
    // new line; Text() the same with line feeds only, as shown (bounded by
    // MaxTextWidth), and the accessible name the same whole (QLabel::text()
    // stays empty: the clock paints its own text).
    const QString &Caption() const { return FCaption; }
    const QString &Text() const { return FText; }
    // What a screen reader says before the caption (the clock's title), so
    // a focused clock is heard as a whole: title, date and time.
    const QString &SpokenTitle() const { return FSpokenTitle; }
    void SetSpokenTitle(const QString &title);

    // The current moment in the zone: NowUTC read once, converted with the
    // zone's local time (UseDaylight) or standard time; UTC without a zone.
    TDateTime ZoneTime() const;
    // Date part, separator, time part; the separator only when both parts
    // are non-empty.
    QString ClockText(TDateTime value) const;
    // ClockText of ZoneTime(), or UnknownZoneCaption() for a clock whose zone
    // is unknown: it has no time to show.
    QString CurrentText() const;

    // Copies the formats and separator (without refreshing), AutoSize,
    // colours, font, popup menu and visibility from another clock. Zone,
    // Active, UseDaylight, Transparent, alignment, word wrap, geometry and
    // connections stay. Throws EAssignError "Cannot assign a %s to a %s" for
    // any other source, changing nothing.
    void Assign(const QObject *source);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    // Sets the caption, auto-sizes, and arms the timer for the next whole
    // second of the local clock (1000 - ms) when Active.
    void RefreshTime();
    // Sets the caption and auto-sizes; the timer is left as it is.
    void UpdateText();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void SetCaption(const QString &caption);
    void NameForScreenReaders(const QString &whole);
    // The lines of text as shown within MaxTextWidth.
    QString Bounded(const QString &text) const;
    void AdjustBounds();
    // Where the text differs, line by line; all of it when the lines moved.
    QRegion ChangedLines(const QString &before, const QString &after) const;
    int TextFlags() const;
    QSize TextSize() const;

    const TTimeZone *FZone = nullptr;
    QTimer FTimer{this};
    QString FDateFormat;
    QString FTimeFormat;
    QString FDateTimeSeparator;
    bool FActive = false;
    bool FUseDaylight = true;
    int FShiftMinutes = 0;
    bool FAutoSize = true;
    int FMaxTextWidth = 0;
    QString FCaption;
    QString FText;
    QString FSpokenTitle;
    mutable QSize FTextSize; // the caption measured in the font; invalid until then
    QPointer<QMenu> FPopupMenu;
};
