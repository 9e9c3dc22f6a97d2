#include "zonedclock.h"

#include "core/system/exceptions.h"
#include "core/time/clocksource.h"
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "core/zones/timezone.h"
#include "core/zones/zonetexts.h"
#include "gui/widgets/boldlabel.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// What a screen reader is given of a caption cut to fit the window.
constexpr qsizetype MaxSpokenLength = 1000;

// QLabel and QPainter break lines at line feeds only; a caption may also use
// a lone carriage return (the default separator) or CR LF.
QString DisplayText(const QString &caption)
{
    QString text = caption;
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text;
}
} // namespace

TZonedClock::TZonedClock(QWidget *parent)
    : QLabel(parent), FDateFormat(FormatSettings().LongDateFormat),
      FTimeFormat(FormatSettings().LongTimeFormat), FDateTimeSeparator(u"\r"_s)
{
    // Rich-text detection would turn a format such as "'<b>'hh" into markup.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    FTimer.setSingleShot(true);
    FTimer.setTimerType(Qt::PreciseTimer);
    FTimer.setObjectName(u"RefreshTimer"_s);
    connect(&FTimer, &QTimer::timeout, this, &TZonedClock::RefreshTime);
    resize(32, 32);
    RefreshTime();
}

TZonedClock::~TZonedClock() = default;

void TZonedClock::SetActive(bool active)
{
    if (active == FActive)
        return;
    FActive = active;
    if (FActive)
        RefreshTime();
    else
        // A tick still armed would read the zone once more; owners switch a
        // clock off before they free its zone, so the tick must not come.
        FTimer.stop();
}

void TZonedClock::SetDateFormat(const QString &format)
{
    FDateFormat = format;
    RefreshTime();
}

void TZonedClock::SetTimeFormat(const QString &format)
{
    FTimeFormat = format;
    RefreshTime();
}

void TZonedClock::SetDateTimeSeparator(const QString &separator)
{
    FDateTimeSeparator = separator;
    RefreshTime();
}

void TZonedClock::SetUseDaylight(bool useDaylight)
{
    FUseDaylight = useDaylight;
    update();
}

void TZonedClock::SetZone(const TTimeZone *zone)
{
    FZone = zone;
    RefreshTime();
}

void TZonedClock::SetAutoSize(bool autoSize)
{
    if (autoSize == FAutoSize)
        return;
    FAutoSize = autoSize;
    AdjustBounds();
}

void TZonedClock::SetTransparent(bool transparent)
{
    setAutoFillBackground(!transparent);
    update();
}

void TZonedClock::SetShiftMinutes(int minutes)
{
    FShiftMinutes = minutes;
    update();
}

TDateTime TZonedClock::ZoneTime() const
{
    const TDateTime utc = NowUTC() + double(FShiftMinutes) / MinutesPerDay;
    if (FZone == nullptr)
        return utc;
    return FUseDaylight ? FZone->LocalTimeAt(utc) : FZone->StandardTimeAt(utc);
}

QString TZonedClock::ClockText(TDateTime value) const
{
    const QString date = FDateFormat.isEmpty() ? QString() : FormatDateTime(FDateFormat, value);
    const QString time = FTimeFormat.isEmpty() ? QString() : FormatDateTime(FTimeFormat, value);
    if (!date.isEmpty() && !time.isEmpty())
        return date + FDateTimeSeparator + time;
    return date + time;
}

QString TZonedClock::CurrentText() const
{
    const auto *clock = dynamic_cast<const TCustomisedTimeZone *>(FZone);
    if (clock != nullptr && clock->UnknownZone)
        return UnknownZoneCaption();
    return ClockText(ZoneTime());
}

void TZonedClock::RefreshTime()
{
    FTimer.stop();
    SetCaption(CurrentText());
    FTimer.setInterval(1000 - LocalMilliseconds());
    if (FActive)
        FTimer.start();
}

void TZonedClock::UpdateText()
{
    SetCaption(CurrentText());
}

void TZonedClock::Assign(const QObject *source)
{
    const auto *clock = qobject_cast<const TZonedClock *>(source);
    if (clock == nullptr) {
        const QString sourceName =
            source != nullptr ? QString::fromUtf8(source->metaObject()->className()) : u"null"_s;
        throw EAssignError(u"Cannot assign a %1 to a %2"_s.arg(
            sourceName, QString::fromUtf8(metaObject()->className())));
    }
    FDateFormat = clock->FDateFormat;
    FTimeFormat = clock->FTimeFormat;
    FDateTimeSeparator = clock->FDateTimeSeparator;
    SetAutoSize(clock->FAutoSize);
    // The palette carries both the background and the text colour.
    setPalette(clock->testAttribute(Qt::WA_SetPalette) ? clock->palette() : QPalette());
    setFont(clock->font());
    FPopupMenu = clock->FPopupMenu;
    // A clock without a parent would become a window of its own when shown.
    if (clock->isHidden() || parentWidget() != nullptr)
        setHidden(clock->isHidden());
    update();
}

QSize TZonedClock::sizeHint() const
{
    return TextSize();
}

QSize TZonedClock::minimumSizeHint() const
{
    return TextSize();
}

QColor TZonedClock::ShiftedColor() const
{
    // The text faded towards the background: the palette's disabled colour
    // cannot be trusted to differ (a window that sets its text colour sets it
    // for every group) or to stay readable (pale grey on grey in light
    // themes), and the user may have chosen any colour of their own.
    const QColor text = palette().color(foregroundRole());
    const QColor back = palette().color(backgroundRole());
    constexpr double Text = 0.6;
    const auto mix = [](double a, double b) { return int(Text * a + (1 - Text) * b + 0.5); };
    return QColor(mix(text.red(), back.red()), mix(text.green(), back.green()),
                  mix(text.blue(), back.blue()));
}

void TZonedClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(FShiftMinutes != 0 ? ShiftedColor() : palette().color(foregroundRole()));
    painter.setFont(font());
    // A bold clock font the family has no bold face for stays bold scaled.
    const qreal ratio = devicePixelRatioF();
    DrawFullBold(painter, MissingEmboldening(font(), ratio), ratio,
                 [&] { painter.drawText(rect(), TextFlags(), FText); });
}

void TZonedClock::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FTextSize = QSize();
        if (FMaxTextWidth > 0) {
            // Cut anew for the new font's widths.
            const QString caption = FCaption;
            FCaption.clear();
            SetCaption(caption);
        }
        AdjustBounds();
    }
}

void TZonedClock::contextMenuEvent(QContextMenuEvent *event)
{
    if (FPopupMenu != nullptr) {
        FPopupMenu->popup(event->globalPos());
        event->accept();
    } else {
        QLabel::contextMenuEvent(event);
    }
}

void TZonedClock::SetMaxTextWidth(int pixels)
{
    if (pixels == FMaxTextWidth)
        return;
    FMaxTextWidth = pixels;
    const QString caption = FCaption;
    FCaption.clear(); // measured and shown again within the new width
    SetCaption(caption);
}

QString TZonedClock::Bounded(const QString &text) const
{
    if (FMaxTextWidth <= 0)
        return text;
    // A date format of thousands of letters (a damaged or hostile settings
    // file) would otherwise make a window wider than any screen, laid out
    // again every second.
    const QFontMetrics metrics(font());
    const qsizetype longestKept = FMaxTextWidth / std::max(1, metrics.horizontalAdvance(u'.')) + 1;
    QStringList lines = text.split(u'\n');
    if (lines.size() > MaxShownLines)
        lines.resize(MaxShownLines);
    for (QString &line : lines) {
        // Cut first, so the text measured stays small whatever it was.
        if (line.size() > longestKept)
            line.truncate(longestKept);
        line = metrics.elidedText(line, Qt::ElideRight, FMaxTextWidth, Qt::TextExpandTabs);
    }
    return lines.join(u'\n');
}

void TZonedClock::SetCaption(const QString &caption)
{
    // The clocks window sets every caption once a second; a caption that
    // stayed the same (a format without seconds) is neither measured nor
    // repainted again.
    if (caption != FCaption) {
        FCaption = caption;
        const QString whole = DisplayText(caption);
        const QString text = Bounded(whole);
        const QRegion changed = ChangedLines(FText, text);
        FText = text;
        const QSize before = FTextSize;
        FTextSize = QSize();
        // QLabel::setText would repaint the whole label every second; only
        // the lines that changed are repainted (usually the time, not the
        // date), which halves what goes to the display server per tick.
        NameForScreenReaders(whole);
        // Told only when the size changes: every notice has the window lay
        // itself out again.
        if (wordWrap() || TextSize() != before)
            updateGeometry();
        update(changed);
    }
    AdjustBounds();
}

void TZonedClock::SetSpokenTitle(const QString &title)
{
    if (title == FSpokenTitle)
        return;
    FSpokenTitle = title;
    NameForScreenReaders(DisplayText(FCaption));
}

void TZonedClock::NameForScreenReaders(const QString &whole)
{
    // Screen readers read the caption as the label's name, all of it within
    // reason, after the title it stands under.
    const QString caption = FMaxTextWidth > 0 ? whole.left(MaxSpokenLength) : whole;
    setAccessibleName(
        FSpokenTitle.isEmpty() ? caption : FSpokenTitle.left(MaxSpokenLength) + u'\n' + caption);
}

QRegion TZonedClock::ChangedLines(const QString &before, const QString &after) const
{
    const QStringList old = before.split(u'\n');
    const QStringList now = after.split(u'\n');
    if (wordWrap() || old.size() != now.size())
        return rect();
    const int lineHeight = QFontMetrics(font()).lineSpacing();
    QRegion changed;
    for (qsizetype i = 0; i < now.size(); ++i)
        if (old[i] != now[i])
            // A pixel either way for glyphs that reach past their line.
            changed += QRect(0, int(i) * lineHeight - 1, width(), lineHeight + 2);
    return changed;
}

int TZonedClock::TextFlags() const
{
    int flags = Qt::AlignTop | Qt::TextExpandTabs;
    flags |= static_cast<int>(alignment() & Qt::AlignHorizontal_Mask);
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    return flags;
}

QSize TZonedClock::TextSize() const
{
    if (FTextSize.isValid() && !wordWrap())
        return FTextSize;
    // Empty text still measures one line high, so an empty clock keeps its
    // place in the layout.
    const QString measured = FText.isEmpty() ? u" "_s : FText;
    const QFontMetrics metrics(font());
    // Wrapped text depends on the width, so it is never kept.
    if (wordWrap())
        return metrics.boundingRect(QRect(0, 0, qMax(width(), 1), 0), TextFlags(), measured).size();
    FTextSize = metrics.size(TextFlags(), measured);
    return FTextSize;
}

void TZonedClock::AdjustBounds()
{
    if (!FAutoSize)
        return;
    const QSize size = TextSize();
    const QRect old = geometry();
    const int left = alignment() & Qt::AlignRight ? old.x() + old.width() - size.width() : old.x();
    setGeometry(left, old.y(), size.width(), size.height());
}
