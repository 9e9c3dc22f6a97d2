// The options dialog's "Appearance and Alarm" page: whether and how the
// clocks show the date and the time, the clock font and its colour, and the
// one alarm: the clock it follows, its time and its day.
#pragma once

#include "core/clocks/clocksstate.h"
#include "core/time/datetime.h"

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class TClockListModel;
class TClockTitleModel;
class TCustomisedTimeZone;
class TOptionsData;
namespace Ui {
class TAppearancePage;
}

class TAppearancePage : public QWidget
{
    Q_OBJECT

public:
    explicit TAppearancePage(QWidget *parent = nullptr);
    ~TAppearancePage() override;

    // The alarm's clock is one of clocks, which must outlive the page; the
    // formats, font and alarm start as shown.
    void Open(TClockListModel *clocks, const TClocksState &shown);
    // The formats, font and alarm into options.
    void WriteTo(TOptionsData &options) const;

    const QStringList &TimeFormats() const { return FTimeFormats; }
    const QStringList &DateFormats() const { return FDateFormats; }
    QString SelectedTimeFormat() const;
    QString SelectedDateFormat() const;
    // Whether the alarm time as typed may be left; when not, the user has
    // been told so.
    bool AcceptAlarmTime();
    // Back into the alarm time box, to finish or abandon (Esc) the text.
    void FocusAlarmTime();
    // Before a commit: an alarm time already passed is said and, when the
    // user agrees, moved to its next coming; false when the user would
    // rather change it (nothing is to be stored then).
    bool ConfirmAlarmAhead();

    // The font dialog behind "Clock Font..."; tests replace it. Returns
    // whether the user confirmed, with the choice in font.
    using TFontChooser = std::function<bool(QWidget *parent, QFont &font)>;
    static void SetFontChooser(TFontChooser chooser);

Q_SIGNALS:
    // The user changed something that a commit stores.
    void Edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FillFormatLists(const TClocksState &shown);
    void SetClockFont(const QFont &font, std::int32_t color);
    void ShowTimeChoice();
    void ShowDateChoice();
    void ChooseFont();
    void ChooseFontColor();
    void RestoreDefaults();

    void LoadAlarm(const TClocksState &shown);
    TCustomisedTimeZone *SelectedAlarmClock() const;
    // The alarm is offered while there are clocks, on the first when none is chosen.
    void OfferAlarm();
    void EnableAlarmControls(bool enable);
    // The alarm ticked proposes an hour from now on its clock.
    void ToggleAlarm();
    void SetAlarmTimeText(const QString &text);
    // The same time of day on the first day it is still ahead, when the
    // alarm as typed has passed on its clock; nullopt otherwise.
    std::optional<TDateTime> PassedAlarmOffer() const;
    // Says beside the date that the alarm time has passed, with the offer.
    void ShowPassedAlarm();
    void TakePassedAlarmOffer();
    // The alarm's clock is about to go: so is the alarm.
    void DropAlarmClock(int first, int last);
    // Whether the alarm time box, losing the focus by reason, is left for
    // good rather than for a moment or for another page or Cancel.
    bool LeavesForGood(Qt::FocusReason reason) const;

    std::unique_ptr<Ui::TAppearancePage> FUi;
    TClockTitleModel *FAlarmClocks = nullptr; // the clocks by title, CmbAlarmClocks' entries
    QStringList FTimeFormats;
    QStringList FDateFormats;
    QFont FClockFont;
    std::int32_t FClockFontColor = 0;
    QString FAlarmTimeAccepted; // the box's text when it was last set or accepted
    bool FCurrent = false;      // the tab shown as of the last change of tabs
};
