#include "gui/options/appearancepage.h"

#include "core/clocks/alarm.h"
#include "core/options/clocklistmodel.h"
#include "core/options/optionsdata.h"
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "gui/options/accessiblenames.h"
#include "gui/options/contexthelp.h"
#include "gui/widgets/clockfont.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/typeddateedit.h"
#include "ui_appearancepage.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <algorithm>

namespace {
TAppearancePage::TFontChooser &FontChooser()
{
    static TAppearancePage::TFontChooser chooser;
    return chooser;
}

QDate QDateOf(TDateTime value)
{
    const TDateParts parts = DecodeDate(value);
    return {parts.Year, parts.Month, parts.Day};
}

TDateTime DateTimeOf(const QDate &date)
{
    return EncodeDate(date.year(), date.month(), date.day());
}

QColor QColorOf(std::int32_t color, const QPalette &palette)
{
    if (color < 0) {
        return palette.color(QPalette::WindowText);
    }
    const auto value = static_cast<std::uint32_t>(color);
    return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>((value >> 16) & 0xFF)};
}

std::int32_t ColorValueOf(const QColor &color)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                     (static_cast<std::uint32_t>(color.green()) << 8) |
                                     (static_cast<std::uint32_t>(color.blue()) << 16));
}

// Up to two hour digits, the separator and up to two minute digits, as typed;
// a third digit typed straight on after the hour starts the minutes.
class TAlarmTimeValidator : public QRegularExpressionValidator
{
public:
    TAlarmTimeValidator(QChar separator, QObject *parent)
        : QRegularExpressionValidator(
              QRegularExpression(QStringLiteral("\\d{0,2}(%1\\d{0,2})?")
                                     .arg(QRegularExpression::escape(separator))),
              parent),
          FSeparator(separator)
    {}

    State validate(QString &input, int &pos) const override
    {
        static const QRegularExpression threeDigits(QStringLiteral("^\\d{3}$"));
        if (threeDigits.match(input).hasMatch()) {
            input.insert(2, FSeparator);
            if (pos > 2) {
                ++pos;
            }
        }
        return QRegularExpressionValidator::validate(input, pos);
    }

private:
    QChar FSeparator;
};

// The alarm's own topic, which its time and date boxes show in their menu.
constexpr int AlarmTopic = 401;
} // namespace

TAppearancePage::TAppearancePage(QWidget *parent)
    : QWidget(parent), FUi(std::make_unique<Ui::TAppearancePage>())
{
    FUi->setupUi(this);
    // Whether the time is whole is asked when the box is left.
    QLineEdit *time = FUi->EditAlarmTime;
    time->setValidator(new TAlarmTimeValidator(FormatSettings().TimeSeparator, time));
    time->setMaxLength(5);
    time->installEventFilter(this);
    QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy"))) {
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    FUi->PickerAlarmDate->setDisplayFormat(dateFormat);

    NameGroupByTitle(FUi->GroupAppearance);
    NameGroupByTitle(FUi->GroupAlarm);
    // Both format boxes share the label "Format:"; the date box has none,
    // and would be named after its group.
    FUi->CmbDateFormat->setAccessibleName(tr("Date format"));
    FUi->CmbTimeFormat->setAccessibleName(tr("Time format"));
    FUi->PickerAlarmDate->setAccessibleName(tr("Alarm date"));

    SetHelpTopic(FUi->ChkShowDate, 301);
    SetHelpTopic(FUi->CmbDateFormat, 301);
    SetHelpTopic(FUi->ChkShowTime, 302);
    SetHelpTopic(FUi->CmbTimeFormat, 302);
    SetHelpTopic(FUi->ChkSetAlarm, AlarmTopic);
    SetHelpTopic(FUi->CmbAlarmClocks, AlarmTopic);
    SetHelpTopic(FUi->EditAlarmTime, 0, AlarmTopic);
    SetHelpTopic(FUi->PickerAlarmDate, 0, AlarmTopic);

    const Ui::TAppearancePage &ui = *FUi;
    connect(ui.ChkShowDate, &QCheckBox::clicked, this, &TAppearancePage::ShowDateChoice);
    connect(ui.ChkShowTime, &QCheckBox::clicked, this, &TAppearancePage::ShowTimeChoice);
    connect(ui.CmbDateFormat, &QComboBox::activated, this, &TAppearancePage::Edited);
    connect(ui.CmbTimeFormat, &QComboBox::activated, this, &TAppearancePage::Edited);
    connect(ui.BtnFont, &QPushButton::clicked, this, &TAppearancePage::ChooseFont);
    connect(ui.BtnFontColor, &QPushButton::clicked, this, &TAppearancePage::ChooseFontColor);
    connect(ui.BtnDefaults, &QPushButton::clicked, this, &TAppearancePage::RestoreDefaults);
    connect(ui.ChkSetAlarm, &QCheckBox::clicked, this, &TAppearancePage::ToggleAlarm);
    connect(ui.CmbAlarmClocks, &QComboBox::activated, this, &TAppearancePage::Edited);
    connect(ui.EditAlarmTime, &QLineEdit::textEdited, this, &TAppearancePage::Edited);
    connect(ui.PickerAlarmDate, &QDateEdit::dateChanged, this, &TAppearancePage::Edited);
    connect(ui.SpinSnooze, &QSpinBox::valueChanged, this, &TAppearancePage::Edited);
    // Said while the alarm is set, not only when it is stored.
    connect(ui.ChkSetAlarm, &QCheckBox::toggled, this, &TAppearancePage::ShowPassedAlarm);
    connect(ui.CmbAlarmClocks, &QComboBox::currentIndexChanged, this,
            &TAppearancePage::ShowPassedAlarm);
    connect(ui.EditAlarmTime, &QLineEdit::textChanged, this, &TAppearancePage::ShowPassedAlarm);
    connect(ui.PickerAlarmDate, &QDateEdit::dateChanged, this, &TAppearancePage::ShowPassedAlarm);
    connect(ui.BtnAlarmNextDay, &QPushButton::clicked, this,
            &TAppearancePage::TakePassedAlarmOffer);
}

TAppearancePage::~TAppearancePage() = default;

void TAppearancePage::SetFontChooser(TFontChooser chooser)
{
    FontChooser() = std::move(chooser);
}

void TAppearancePage::Open(TClockListModel *clocks, const TClocksState &shown)
{
    if (auto *pages = qobject_cast<QStackedWidget *>(parentWidget())) {
        FCurrent = pages->currentWidget() == this;
        connect(pages, &QStackedWidget::currentChanged, this,
                [this, pages] { FCurrent = pages->currentWidget() == this; });
    }
    // Before the title model follows: the alarm's clock is still among its
    // entries.
    connect(clocks, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) { DropAlarmClock(first, last); });
    // Wide enough for the widest time it takes, not a line edit's usual
    // width; measured in the dialog's font, which the page has by now.
    QLineEdit *time = FUi->EditAlarmTime;
    const QMargins margins = time->textMargins() + time->contentsMargins();
    time->setFixedWidth(
        std::max(41, time->fontMetrics().horizontalAdvance(QStringLiteral("00:00 ")) +
                         margins.left() + margins.right() + 8));
    FAlarmClocks = new TClockTitleModel(clocks, this);
    FUi->CmbAlarmClocks->setModel(FAlarmClocks);
    // After it: its entries are those of the clocks.
    connect(clocks, &QAbstractItemModel::rowsRemoved, this, &TAppearancePage::OfferAlarm);
    connect(clocks, &QAbstractItemModel::rowsInserted, this, &TAppearancePage::OfferAlarm);
    SetClockFont(FontFromStored(shown.Font), shown.Font.Color);
    FillFormatLists(shown);
    LoadAlarm(shown);
    {
        const QSignalBlocker blocker(FUi->SpinSnooze);
        FUi->SpinSnooze->setRange(MinSnoozeMinutes, MaxSnoozeMinutes);
        FUi->SpinSnooze->setValue(TStoredSettings::SnoozeMinutes());
    }
}

void TAppearancePage::WriteTo(TOptionsData &options) const
{
    options.TimeFormat = SelectedTimeFormat();
    options.DateFormat = SelectedDateFormat();
    options.Font = StoredFromFont(FClockFont, FClockFontColor);
    options.AlarmClock = FUi->ChkSetAlarm->isChecked() ? SelectedAlarmClock() : nullptr;
    options.AlarmTime = FUi->EditAlarmTime->displayText();
    options.AlarmDate = DateTimeOf(FUi->PickerAlarmDate->date());
    options.SnoozeMinutes = FUi->SpinSnooze->value();
}

// ---------------------------------------------------------------------------
// Appearance

void TAppearancePage::FillFormatLists(const TClocksState &shown)
{
    FTimeFormats = TOptionsData::TimeFormatChoices(shown.TimeFormat);
    FDateFormats = TOptionsData::DateFormatChoices(shown.DateFormat);

    const TDateTime sample = EncodeDateTime(DecodeDate(NowLocal()).Year, 3, 15, 19, 5, 30, 0);
    const auto fill = [sample](QComboBox *combo, const QStringList &formats, const QString &current,
                               QCheckBox *show) {
        combo->setUpdatesEnabled(false);
        combo->clear();
        for (const QString &format : formats) {
            combo->addItem(FormatDateTime(format, sample));
        }
        combo->setUpdatesEnabled(true);
        if (current.isEmpty()) {
            show->setChecked(false);
            combo->setCurrentIndex(0);
        } else {
            combo->setCurrentIndex(TOptionsData::FormatIndex(formats, current));
        }
        combo->setEnabled(show->isChecked());
    };
    fill(FUi->CmbTimeFormat, FTimeFormats, shown.TimeFormat, FUi->ChkShowTime);
    fill(FUi->CmbDateFormat, FDateFormats, shown.DateFormat, FUi->ChkShowDate);
}

QString TAppearancePage::SelectedTimeFormat() const
{
    const int index = FUi->CmbTimeFormat->currentIndex();
    return FUi->ChkShowTime->isChecked() && index >= 0 ? FTimeFormats.at(index) : QString();
}

QString TAppearancePage::SelectedDateFormat() const
{
    const int index = FUi->CmbDateFormat->currentIndex();
    return FUi->ChkShowDate->isChecked() && index >= 0 ? FDateFormats.at(index) : QString();
}

void TAppearancePage::SetClockFont(const QFont &font, std::int32_t color)
{
    FClockFont = font;
    FClockFontColor = color;
    FUi->LblFont->setFont(font);
    QPalette palette = FUi->LblFont->palette();
    palette.setColor(QPalette::WindowText, QColorOf(color, this->palette()));
    FUi->LblFont->setPalette(palette);
    FUi->LblFont->setText(tr("%1, %2pt").arg(FClockFont.family()).arg(FClockFont.pointSize()));
}

void TAppearancePage::ShowTimeChoice()
{
    FUi->CmbTimeFormat->setEnabled(FUi->ChkShowTime->isChecked());
    Q_EMIT Edited();
}

void TAppearancePage::ShowDateChoice()
{
    FUi->CmbDateFormat->setEnabled(FUi->ChkShowDate->isChecked());
    Q_EMIT Edited();
}

void TAppearancePage::ChooseFont()
{
    QFont font = FClockFont;
    bool confirmed = false;
    if (FontChooser()) {
        confirmed = FontChooser()(this, font);
    } else {
        font = QFontDialog::getFont(&confirmed, FClockFont, this);
    }
    if (confirmed) {
        SetClockFont(font, FClockFontColor);
        Q_EMIT Edited();
    }
}

void TAppearancePage::ChooseFontColor()
{
    const QColor color = QColorDialog::getColor(QColorOf(FClockFontColor, palette()), this);
    if (color.isValid()) {
        SetClockFont(FClockFont, ColorValueOf(color));
        Q_EMIT Edited();
    }
}

void TAppearancePage::RestoreDefaults()
{
    if (SoundMessageDlg(tr("Are you sure you want to restore the default appearance settings?"),
                        TMsgDlgType::Confirmation,
                        QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    SetClockFont(FontFromStored(DesignClockFont()), WindowTextColor);
    const TFormatSettings &settings = FormatSettings();
    FUi->ChkShowTime->setChecked(true);
    FUi->CmbTimeFormat->setEnabled(true);
    FUi->CmbTimeFormat->setCurrentIndex(
        static_cast<int>(FTimeFormats.indexOf(settings.LongTimeFormat)));
    FUi->ChkShowDate->setChecked(true);
    FUi->CmbDateFormat->setEnabled(true);
    FUi->CmbDateFormat->setCurrentIndex(
        static_cast<int>(FDateFormats.indexOf(settings.LongDateFormat)));
    Q_EMIT Edited();
}

// ---------------------------------------------------------------------------
// Alarm

TCustomisedTimeZone *TAppearancePage::SelectedAlarmClock() const
{
    return FAlarmClocks->ClockAt(FUi->CmbAlarmClocks->currentIndex());
}

void TAppearancePage::LoadAlarm(const TClocksState &shown)
{
    // The date box's changes are the user's only once the page is open.
    const QSignalBlocker blocker(FUi->PickerAlarmDate);
    if (shown.AlarmSet) {
        FUi->CmbAlarmClocks->setCurrentIndex(
            FUi->CmbAlarmClocks->findText(shown.AlarmClock, Qt::MatchFixedString));
        SetAlarmTimeText(FormatDateTime(QStringLiteral("hh:nn"), shown.AlarmTime));
        FUi->PickerAlarmDate->setDate(QDateOf(shown.AlarmTime));
    } else {
        FUi->PickerAlarmDate->setDate(QDateOf(NowLocal()));
    }
    FUi->ChkSetAlarm->setChecked(shown.AlarmSet);
    EnableAlarmControls(shown.AlarmSet);
    OfferAlarm();
}

void TAppearancePage::OfferAlarm()
{
    const bool clocks = FUi->CmbAlarmClocks->count() > 0;
    FUi->ChkSetAlarm->setEnabled(clocks);
    if (clocks && FUi->CmbAlarmClocks->currentIndex() < 0) {
        FUi->CmbAlarmClocks->setCurrentIndex(0);
    }
}

void TAppearancePage::DropAlarmClock(int first, int last)
{
    const int entry = FUi->CmbAlarmClocks->currentIndex();
    const QModelIndex going = FAlarmClocks->mapToSource(FAlarmClocks->index(entry, 0));
    if (!going.isValid() || going.row() < first || going.row() > last) {
        return;
    }
    if (FUi->ChkSetAlarm->isChecked()) {
        FUi->ChkSetAlarm->setChecked(false);
        ToggleAlarm();
    }
    // The first clock that stays takes its place, not the combo box's
    // choice of a neighbour.
    for (int row = 0; row < FAlarmClocks->rowCount(); ++row) {
        const int clock = FAlarmClocks->mapToSource(FAlarmClocks->index(row, 0)).row();
        if (clock < first || clock > last) {
            FUi->CmbAlarmClocks->setCurrentIndex(row);
            return;
        }
    }
    FUi->CmbAlarmClocks->setCurrentIndex(-1);
}

void TAppearancePage::EnableAlarmControls(bool enable)
{
    FUi->CmbAlarmClocks->setEnabled(enable);
    FUi->EditAlarmTime->setEnabled(enable);
    FUi->PickerAlarmDate->setEnabled(enable);
}

void TAppearancePage::ToggleAlarm()
{
    const bool ticked = FUi->ChkSetAlarm->isChecked();
    EnableAlarmControls(ticked);
    if (ticked) {
        if (const TCustomisedTimeZone *clock = SelectedAlarmClock()) {
            // The zone's own rules decide, whatever the clock's daylight choice.
            const TDateTime proposal = clock->LocalTimeNow() + 1.0 / 24;
            SetAlarmTimeText(FormatDateTime(QStringLiteral("hh:nn"), proposal));
            const QSignalBlocker blocker(FUi->PickerAlarmDate);
            FUi->PickerAlarmDate->setDate(QDateOf(proposal));
        }
    }
    Q_EMIT Edited();
}

void TAppearancePage::SetAlarmTimeText(const QString &text)
{
    FUi->EditAlarmTime->setText(text);
    // Esc goes back to this text, also after a refused text took the focus
    // back into the box.
    FAlarmTimeAccepted = FUi->EditAlarmTime->text();
}

bool TAppearancePage::AcceptAlarmTime()
{
    // While a box is open, the refusal among them, the text waits for it.
    if (QApplication::activeModalWidget() != nullptr || !FUi->EditAlarmTime->isEnabled()) {
        return true;
    }
    const std::optional<QString> accepted =
        TOptionsData::AcceptedAlarmTime(FUi->EditAlarmTime->displayText());
    if (!accepted) {
        SoundMessageDlg(tr("Invalid input value.  Use escape key to abandon changes"),
                        TMsgDlgType::Error, QMessageBox::Ok);
        return false;
    }
    SetAlarmTimeText(*accepted);
    return true;
}

void TAppearancePage::FocusAlarmTime()
{
    FUi->EditAlarmTime->setFocus();
}

std::optional<TDateTime> TAppearancePage::PassedAlarmOffer() const
{
    const TCustomisedTimeZone *clock = SelectedAlarmClock();
    if (!FUi->ChkSetAlarm->isChecked() || clock == nullptr)
        return std::nullopt;
    const std::optional<QString> time =
        TOptionsData::AcceptedAlarmTime(FUi->EditAlarmTime->displayText());
    if (!time)
        return std::nullopt; // still being typed
    const TDateTime moment =
        TOptionsData::AlarmMoment(*time, DateTimeOf(FUi->PickerAlarmDate->date()));
    // The zone's own rules decide, as they do when it rings.
    return NextOccurrenceOfPassedAlarm(moment, clock->LocalTimeNow());
}

void TAppearancePage::ShowPassedAlarm()
{
    const std::optional<TDateTime> offer = PassedAlarmOffer();
    FUi->LblAlarmPassed->setVisible(offer.has_value());
    FUi->BtnAlarmNextDay->setVisible(offer.has_value());
    if (!offer)
        return;
    FUi->LblAlarmPassed->setText(
        tr("This time has already passed in %1.").arg(SelectedAlarmClock()->Title));
    FUi->BtnAlarmNextDay->setText(
        tr("Set for %1").arg(FormatDateTime(FormatSettings().ShortDateFormat, *offer)));
}

void TAppearancePage::TakePassedAlarmOffer()
{
    if (const std::optional<TDateTime> offer = PassedAlarmOffer()) {
        FUi->PickerAlarmDate->setDate(QDateOf(*offer));
        FUi->PickerAlarmDate->setFocus();
    }
}

bool TAppearancePage::ConfirmAlarmAhead()
{
    const std::optional<TDateTime> offer = PassedAlarmOffer();
    if (!offer)
        return true;
    const QString time = FUi->EditAlarmTime->displayText().trimmed();
    const QString question =
        tr("The alarm time %1 on %2 has already passed in %3, so the alarm would go off at "
           "once.\n\nSet it for %1 on %4 instead?")
            .arg(time,
                 FormatDateTime(FormatSettings().ShortDateFormat,
                                DateTimeOf(FUi->PickerAlarmDate->date())),
                 SelectedAlarmClock()->Title,
                 FormatDateTime(FormatSettings().ShortDateFormat, *offer));
    if (SoundMessageDlg(question, TMsgDlgType::Confirmation, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes) {
        FUi->PickerAlarmDate->setFocus();
        return false;
    }
    FUi->PickerAlarmDate->setDate(QDateOf(*offer));
    return true;
}

bool TAppearancePage::LeavesForGood(Qt::FocusReason reason) const
{
    // Closing the window (shown, then hidden), leaving it or opening a menu
    // is no attempt to keep the text; neither is Cancel.
    const QWidget *dialog = window();
    if ((dialog->testAttribute(Qt::WA_WState_ExplicitShowHide) && dialog->isHidden()) ||
        reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return false;
    }
    QWidget *next = QApplication::focusWidget();
    if (auto *button = qobject_cast<QAbstractButton *>(next)) {
        const auto *box = qobject_cast<QDialogButtonBox *>(button->parentWidget());
        if (box != nullptr && box->buttonRole(button) == QDialogButtonBox::RejectRole) {
            return false;
        }
    }
    // A page change moves the focus onto the next page, or hides this one,
    // before it is announced; the announcement asks, so that it can keep the
    // page.
    const auto *pages = qobject_cast<const QStackedWidget *>(parentWidget());
    const bool pageChanging =
        FCurrent && pages != nullptr &&
        (pages->currentWidget() != this || !isVisibleTo(dialog) ||
         (next != nullptr && pages->isAncestorOf(next) && !isAncestorOf(next)));
    return !pageChanging;
}

bool TAppearancePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FUi->EditAlarmTime) {
        if (event->type() == QEvent::FocusOut &&
            LeavesForGood(static_cast<QFocusEvent *>(event)->reason()) && !AcceptAlarmTime()) {
            QTimer::singleShot(0, FUi->EditAlarmTime, [this] { FocusAlarmTime(); });
        } else if (event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape &&
                   FUi->EditAlarmTime->text() != FAlarmTimeAccepted) {
            // Esc abandons the edit of the box before it closes the dialog.
            FUi->EditAlarmTime->setText(FAlarmTimeAccepted);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
