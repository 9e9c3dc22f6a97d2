#include "zonefrm.h"

#include "components/clockfont.h"
#include "components/gmsgdlg.h"
#include "components/zonedclock.h"
#include "core/common.h"
#include "options/zonelistmodel.h"
#include "platform/autostart.h"
#include "platform/datetimeformat.h"
#include "platform/formatsettings.h"
#include "platform/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

namespace {
QString AllZonesText()
{
    return TZoneForm::tr("(List all zones)");
}
constexpr int AllZonesTag = 1;
constexpr int TagRole = Qt::UserRole;

TZoneForm::TFontChooser &FontChooser()
{
    static TZoneForm::TFontChooser chooser;
    return chooser;
}

void SetBold(QLabel *label, bool bold)
{
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

int ListRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
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

QFont DesignFont()
{
    return QFont(QStringLiteral("Tahoma"), 8);
}

} // namespace

TZoneForm::TZoneForm(const QString &zoneFile, const TClocksState &shown, QWidget *parent)
    : QDialog(parent), FZoneFile(zoneFile), FShown(shown)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Vorkel Clocks - Options"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setFont(DesignFont());
    CreateControls();
    FormCreate();
}

TZoneForm::~TZoneForm()
{
    // The list view may still ask its model while the children go.
    FZoneModel->SetZones(nullptr);
    // The preview clock refers into Zones, which goes first otherwise.
    if (ZonedClockTemp != nullptr) {
        ZonedClockTemp->SetActive(false);
        ZonedClockTemp->SetZone(nullptr);
    }
}

void TZoneForm::SetFontChooser(TFontChooser chooser)
{
    FontChooser() = std::move(chooser);
}

// ---------------------------------------------------------------------------
// Creation, commit and closing

void TZoneForm::FormCreate()
{
    PageControl->setCurrentWidget(TabClocks);
    FDragIndex = -1;
    LoadZonesAndClocks();
    FillRegions();
    RefreshClockTitles();
    if (FData.ClockCount() == 0) {
        SelectClock(-1);
        if (CmbRegions->count() > 0) {
            SelectRegion(CmbRegions->itemText(0));
        } else {
            ShowZoneInfo();
        }
    } else {
        SelectClock(0);
    }
    BtnRemoveClock->setEnabled(SelectedClockIndex() >= 0);
    SetClockFont(FontFromStored(FShown.Font), FShown.Font.Color);
    LoadStartupOptions();
    FillFormatLists();
    SetModified(false);
    ArrangeControls();
    // Painted for the strip's final size, which a wider font may have grown.
    BuildWatermarkStrip();
}

void TZoneForm::LoadZonesAndClocks()
{
    FZoneModel->SetZones(nullptr);
    FZones.Clear();
    try {
        FZones.LoadFromZoneFile(FZoneFile);
    } catch (const Exception &error) {
        SoundMessageDlg(tr("There was an error loading the time zone data:\r") + error.Message(),
                        TMsgDlgType::mtError, QMessageBox::Cancel);
        // The program cannot work without its zones; the dialog is still
        // built from what was read, until the event loop ends.
        QCoreApplication::exit(1);
    }
    FData.LoadClocks(FZones);
    {
        const QSignalBlocker blocker(LstClocks);
        LstClocks->clear();
        for (int i = 0; i < FData.ClockCount(); ++i) {
            LstClocks->addItem(ClockEntryText(*FData.ClockAt(i)));
        }
    }
    LoadAlarmClocks();
}

void TZoneForm::SetModified(bool modified)
{
    FModified = modified;
    BtnApply->setEnabled(modified);
}

bool TZoneForm::ApplyChanges()
{
    // The entries show the titles as they will read back.
    for (const int index : FData.SettleTitles()) {
        const QString &title = FData.ClockAt(index)->Title;
        SetClockTitle(index, title);
        if (index == SelectedClockIndex()) {
            EditClockTitle->setText(title);
        }
    }
    FData.TimeFormat = SelectedTimeFormat();
    FData.DateFormat = SelectedDateFormat();
    FData.SortZonesByName = ChkSortByName->isChecked();
    FData.Font = StoredFromFont(FClockFont, FClockFontColor);
    FData.RunAtStartup = ChkRunAtStartup->isChecked();
    FData.AlarmClock = ChkSetAlarm->isChecked() ? SelectedAlarmClock() : nullptr;
    FData.AlarmTime = EditAlarmTime->displayText();
    FData.AlarmDate = DateTimeOf(PickerAlarmDate->date());
    try {
        FData.Commit(QCoreApplication::applicationFilePath());
    } catch (const Exception &error) {
        SoundMessageDlg(error.Message(), TMsgDlgType::mtError, QMessageBox::Ok);
        return false;
    }
    SetModified(false);
    Q_EMIT ChangesApplied();
    return true;
}

void TZoneForm::BtnOKClick()
{
    if (FModified && !ApplyChanges()) {
        return;
    }
    accept();
}

void TZoneForm::BtnApplyClick()
{
    ApplyChanges();
}

void TZoneForm::BtnCancelClick()
{
    reject();
}

void TZoneForm::done(int result)
{
    // Every way of closing ends here (the close box and Esc through reject);
    // the dialog deletes itself once closed.
    FClosing = true; // the focus leaving the controls now is no edit to check
    QDialog::done(result);
}

void TZoneForm::showEvent(QShowEvent *event)
{
    if (!FPlaced) {
        FPlaced = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

bool TZoneForm::eventFilter(QObject *watched, QEvent *event)
{
    if (ContextHelpEvent(watched, event)) {
        return true;
    }
    if (watched == LstClocks->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            LstClocksMouseDown(static_cast<QMouseEvent *>(event)->position().toPoint());
        } else if (event->type() == QEvent::MouseMove) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            LstClocksMouseMove(mouse->buttons(), ClockRowAt(mouse->position().toPoint().y()));
            return FDragIndex >= 0 && (mouse->buttons() & Qt::LeftButton);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const int dragged = FDragIndex;
            LstClocksMouseUp();
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const QPoint pos = mouse->position().toPoint();
            if (dragged >= 0 && mouse->button() == Qt::LeftButton &&
                LstClocks->indexAt(pos).row() != dragged) {
                // A press on the selected entry leaves the selection to the
                // release, which would select the entry under the pointer, or
                // none outside the entries: the dragged clock stays selected.
                const QPoint at = LstClocks->visualItemRect(LstClocks->item(dragged)).center();
                QMouseEvent release(QEvent::MouseButtonRelease, at,
                                    LstClocks->viewport()->mapToGlobal(at), mouse->button(),
                                    mouse->buttons(), mouse->modifiers());
                QApplication::sendEvent(watched, &release);
                return true;
            }
        }
    } else if (watched == EditClockTitle && event->type() == QEvent::FocusOut) {
        EditClockTitleExit();
    } else if (watched == EditAlarmTime) {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            // Leaving the window or cancelling the dialog is no attempt to
            // keep the text.
            if (!FClosing && reason != Qt::ActiveWindowFocusReason &&
                reason != Qt::PopupFocusReason && QApplication::focusWidget() != BtnCancel &&
                !EditAlarmTimeExit()) {
                QTimer::singleShot(0, EditAlarmTime, [this] { EditAlarmTime->setFocus(); });
            }
        } else if (event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape &&
                   EditAlarmTime->text() != FAlarmTimeAccepted) {
            // Esc abandons the edit of the box before it closes the dialog.
            EditAlarmTime->setText(FAlarmTimeAccepted);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Zone browser

void TZoneForm::FillRegions()
{
    struct TRegionEntry
    {
        QString Text;
        QVariant Tag;
    };
    std::vector<TRegionEntry> entries;
    QStringList seen;
    for (int i = 0; i < FZones.Count(); ++i) {
        const QString &name = FZones.ZoneAt(i)->Name;
        const qsizetype slash = name.indexOf(u'/');
        const QString region = slash < 0 ? name : name.left(slash);
        if (!seen.contains(region, Qt::CaseInsensitive)) {
            seen.append(region);
            entries.push_back({region, QVariant()});
        }
    }
    // The tag, not the text, marks the entry that lists every zone.
    entries.push_back({AllZonesText(), QVariant(AllZonesTag)});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TRegionEntry &a, const TRegionEntry &b) {
                         return CompareTextLocale(a.Text, b.Text) < 0;
                     });
    const QSignalBlocker blocker(CmbRegions);
    CmbRegions->setUpdatesEnabled(false);
    CmbRegions->clear();
    for (const TRegionEntry &entry : entries) {
        CmbRegions->addItem(entry.Text, entry.Tag);
    }
    CmbRegions->setCurrentIndex(-1);
    CmbRegions->setUpdatesEnabled(true);
}

void TZoneForm::FillZoneList(const std::optional<QString> &region)
{
    const QScopedValueRollback<bool> quiet(FQuietZones, true);
    FZoneFilter->SetByName(ChkSortByName->isChecked());
    FZoneFilter->SetRegion(region);
    // The browser lists nothing until a region is first chosen.
    FZoneModel->SetZones(&FZones);
    LstZones->selectionModel()->clear();
}

void TZoneForm::RefreshZoneList()
{
    const int index = CmbRegions->currentIndex();
    if (index < 0 || CmbRegions->itemData(index, TagRole).toInt() == AllZonesTag) {
        FillZoneList(std::nullopt);
    } else {
        FillZoneList(CmbRegions->itemText(index));
    }
}

QString TZoneForm::SelectedRegion() const
{
    return CmbRegions->currentIndex() < 0 ? QString() : CmbRegions->currentText();
}

void TZoneForm::SelectRegion(const QString &region)
{
    if (SelectedRegion() == region && CmbRegions->currentIndex() >= 0) {
        return;
    }
    {
        const QSignalBlocker blocker(CmbRegions);
        CmbRegions->setCurrentIndex(CmbRegions->findText(region, Qt::MatchFixedString));
    }
    RegionChanged();
}

void TZoneForm::RegionChanged()
{
    RefreshZoneList();
    if (FZoneFilter->rowCount() > 0) {
        SelectZoneRow(0);
    }
    ShowZoneInfo();
}

const TTimeZone *TZoneForm::SelectedZone() const
{
    const QModelIndexList rows = LstZones->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : FZoneFilter->ZoneAt(rows.first().row());
}

void TZoneForm::ShowZoneInfo()
{
    const TTimeZone *zone = SelectedZone();
    ZonedClockTemp->SetZone(zone);
    // Standard time only: no daylight rows, nothing in bold.
    const auto showStandardOnly = [this] {
        SetBold(LblStdTitle, false);
        SetBold(LblOffset, false);
        LblDayTitle->hide();
        LblDayOffset->hide();
        LblDescrip->hide();
    };
    if (zone == nullptr) {
        // Only an empty zone list gets here: show that there is nothing to show.
        InfoBox->setTitle(tr(" (no zone) "));
        ZonedClockTemp->hide();
        LblOffset->clear();
        showStandardOnly();
        return;
    }
    ZonedClockTemp->show();
    InfoBox->setTitle(u' ' + zone->Name + u' ');
    LblOffset->setText(GMTText(zone->UTCOffset + zone->StandardOffset, false) +
                       QStringLiteral(" (") + zone->StandardAbbr + u')');
    if (!zone->HasDaylight()) {
        showStandardOnly();
        return;
    }
    LblDayOffset->setText(GMTText(zone->UTCOffset + zone->DaylightOffset, false) +
                          QStringLiteral(" (") + zone->DaylightAbbr + u')');
    // A label breaks lines at a line feed only.
    LblDescrip->setText(tr("Daylight time begins on %1.\nStandard time resumes on %2.")
                            .arg(zone->RuleDescription(true), zone->RuleDescription(false)));
    const bool inDaylight = zone->IsDaylightNow();
    SetBold(LblDayTitle, inDaylight);
    SetBold(LblDayOffset, inDaylight);
    SetBold(LblStdTitle, !inDaylight);
    SetBold(LblOffset, !inDaylight);
    LblDayTitle->show();
    LblDayOffset->show();
    LblDescrip->show();
}

void TZoneForm::SetSelectedZone(const TTimeZone *zone)
{
    Q_ASSERT_X(zone != nullptr, "SetSelectedZone", "Value cannot be null");
    if (zone == nullptr || zone == SelectedZone()) {
        return;
    }
    const int index = FZones.IndexOf(zone->Name);
    if (index < 0) {
        return;
    }
    const TTimeZone *own = FZones.ZoneAt(index);
    int row = ZoneRow(own);
    if (row < 0) {
        // A name without "/" is a region of its own.
        const QString region = own->RegionName().isEmpty() ? own->Name : own->RegionName();
        SelectRegion(region);
        row = ZoneRow(own);
        if (row < 0) {
            SelectRegion(AllZonesText());
            row = ZoneRow(own);
        }
    }
    SelectZoneRow(row);
    ShowZoneInfo();
}

int TZoneForm::ZoneRow(const TTimeZone *zone) const
{
    return FZoneFilter->RowOf(zone);
}

void TZoneForm::SelectZoneRow(int row)
{
    const QModelIndex index = FZoneFilter->index(row, 0);
    {
        const QScopedValueRollback<bool> quiet(FQuietZones, true);
        LstZones->selectionModel()->setCurrentIndex(index, index.isValid()
                                                               ? QItemSelectionModel::ClearAndSelect
                                                               : QItemSelectionModel::Clear);
    }
    if (index.isValid()) {
        LstZones->scrollTo(index);
    }
}

void TZoneForm::CmbRegionsChange()
{
    RegionChanged();
}

void TZoneForm::LstZonesClick()
{
    if (!FQuietZones && SelectedZone() != nullptr) {
        ShowZoneInfo();
    }
}

void TZoneForm::LstZonesDblClick()
{
    LstZonesClick();
    BtnAddToClocks->click();
}

void TZoneForm::ChkSortByNameClick()
{
    const TTimeZone *zone = SelectedZone();
    RefreshZoneList();
    if (zone != nullptr) {
        SelectZoneRow(ZoneRow(zone));
    }
    RefreshClockTitles();
    SetModified(true);
}

void TZoneForm::SetChkSortByName(bool checked)
{
    if (ChkSortByName->isChecked() != checked) {
        ChkSortByName->setChecked(checked);
        ChkSortByNameClick();
    }
}

// ---------------------------------------------------------------------------
// Clock list

QString TZoneForm::ClockEntryText(const TCustomisedTimeZone &clock) const
{
    if (ChkSortByName->isChecked()) {
        return clock.Title + QStringLiteral(" (") +
               GMTText(clock.UTCOffset + clock.StandardOffset, true) + u')';
    }
    return clock.TitleWithOffset();
}

int TZoneForm::SelectedClockIndex() const
{
    return ListRow(LstClocks);
}

TCustomisedTimeZone *TZoneForm::SelectedClock() const
{
    const int index = SelectedClockIndex();
    return index < 0 ? nullptr : FData.ClockAt(index);
}

void TZoneForm::SelectClock(int index)
{
    if (index != SelectedClockIndex()) {
        const QSignalBlocker blocker(LstClocks);
        if (index < 0) {
            LstClocks->setCurrentRow(-1, QItemSelectionModel::Clear);
        } else {
            LstClocks->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        }
    }
    TCustomisedTimeZone *clock = SelectedClock();
    if (clock == nullptr) {
        BoxClock->setTitle(tr(" (no clock) "));
        BtnRemoveClock->setEnabled(false);
        EditClockTitle->setEnabled(false);
        EditClockTitle->clear();
        ChkClockUseDaylight->setEnabled(false);
        return;
    }
    SetSelectedZone(clock);
    BtnRemoveClock->setEnabled(true);
    EditClockTitle->setEnabled(true);
    EditClockTitle->setText(clock->Title);
    ChkClockUseDaylight->setEnabled(clock->HasDaylight());
    ChkClockUseDaylight->setChecked(clock->HasDaylight() && clock->UseDaylight);
    BoxClock->setTitle(u' ' + clock->CityName() + QStringLiteral(" (") + clock->StandardAbbr +
                       QStringLiteral(", ") +
                       GMTText(clock->UTCOffset + clock->StandardOffset, false) +
                       QStringLiteral(") "));
}

void TZoneForm::RefreshClockTitles()
{
    for (int i = 0; i < FData.ClockCount() && i < LstClocks->count(); ++i) {
        LstClocks->item(i)->setText(ClockEntryText(*FData.ClockAt(i)));
    }
}

void TZoneForm::LstClocksClick()
{
    SelectClock(SelectedClockIndex());
}

void TZoneForm::BtnAddToClocksClick()
{
    const TTimeZone *zone = SelectedZone();
    if (zone == nullptr) {
        return; // nothing chosen to add (the zone list is empty)
    }
    TCustomisedTimeZone *clock = FData.ClockAt(FData.AddClock(*zone));
    AddAlarmEntry(clock);
    UpdateAlarmAvailability();
    {
        const QSignalBlocker blocker(LstClocks);
        LstClocks->addItem(ClockEntryText(*clock));
    }
    SelectClock(LstClocks->count() - 1);
    PageControl->setCurrentWidget(TabClocks);
    LstClocks->setFocus();
    SetModified(true);
}

void TZoneForm::BtnRemoveClockClick()
{
    const int index = SelectedClockIndex();
    if (index < 0) {
        return;
    }
    TCustomisedTimeZone *clock = FData.ClockAt(index);
    const int entry = AlarmEntryOf(clock);
    if (ChkSetAlarm->isChecked() && entry >= 0 && entry == CmbAlarmClocks->currentIndex()) {
        SetChkSetAlarm(false);
    }
    if (entry >= 0) {
        const QSignalBlocker blocker(CmbAlarmClocks);
        if (entry == CmbAlarmClocks->currentIndex()) {
            // Left to UpdateAlarmAvailability, which chooses the first entry;
            // the combo box itself would choose a neighbour.
            CmbAlarmClocks->setCurrentIndex(-1);
        }
        CmbAlarmClocks->removeItem(entry);
        FAlarmEntries.removeAt(entry);
    }
    UpdateAlarmAvailability();
    {
        const QSignalBlocker blocker(LstClocks);
        delete LstClocks->takeItem(index);
    }
    FData.RemoveClock(index);
    int next = -1;
    if (FData.ClockCount() > 0) {
        next = index < FData.ClockCount() ? index : FData.ClockCount() - 1;
    }
    SelectClock(next);
    SetModified(true);
}

void TZoneForm::LstClocksMouseDown(const QPoint &pos)
{
    // The press is about to select the entry under the pointer.
    FDragIndex = LstClocks->indexAt(pos).row();
}

int TZoneForm::ClockRowAt(int y) const
{
    // While the button is held the selection follows the pointer as a list
    // box's does: to the nearest visible entry above or below the list, and
    // to the last entry over the empty part under the entries.
    const QWidget *viewport = LstClocks->viewport();
    const QModelIndex index =
        LstClocks->indexAt(QPoint(1, std::clamp(y, 0, std::max(0, viewport->height() - 1))));
    return index.isValid() ? index.row() : LstClocks->count() - 1;
}

void TZoneForm::LstClocksMouseMove(Qt::MouseButtons buttons, int row)
{
    if (!(buttons & Qt::LeftButton) || FDragIndex < 0 || row < 0 || row == FDragIndex) {
        return;
    }
    // The dragged clock changes places with the one under the pointer.
    FData.ExchangeClocks(row, FDragIndex);
    LstClocks->item(row)->setText(ClockEntryText(*FData.ClockAt(row)));
    LstClocks->item(FDragIndex)->setText(ClockEntryText(*FData.ClockAt(FDragIndex)));
    {
        const QSignalBlocker blocker(LstClocks);
        LstClocks->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    FDragIndex = row;
    SetModified(true);
}

void TZoneForm::LstClocksMouseUp()
{
    FDragIndex = -1;
}

void TZoneForm::EditClockTitleChange()
{
    TCustomisedTimeZone *clock = SelectedClock();
    if (clock == nullptr) {
        return;
    }
    SetClockTitle(SelectedClockIndex(), EditClockTitle->text());
    SetModified(true);
}

void TZoneForm::SetClockTitle(int index, const QString &title)
{
    TCustomisedTimeZone *clock = FData.ClockAt(index);
    clock->Title = title;
    LstClocks->item(index)->setText(ClockEntryText(*clock));
    // The alarm list keeps itself sorted by title: the entry goes back in at
    // its new place, and the chosen alarm clock stays chosen.
    TCustomisedTimeZone *alarmClock = SelectedAlarmClock();
    const QSignalBlocker blocker(CmbAlarmClocks);
    const int entry = AlarmEntryOf(clock);
    CmbAlarmClocks->removeItem(entry);
    FAlarmEntries.removeAt(entry);
    AddAlarmEntry(clock);
    CmbAlarmClocks->setCurrentIndex(AlarmEntryOf(alarmClock));
}

void TZoneForm::EditClockTitleExit()
{
    if (SelectedClock() != nullptr && EditClockTitle->text().trimmed().isEmpty()) {
        EditClockTitle->setText(SelectedClock()->CityName());
        EditClockTitleChange();
    }
}

void TZoneForm::ChkClockUseDaylightClick()
{
    TCustomisedTimeZone *clock = SelectedClock();
    if (clock == nullptr) {
        return;
    }
    SetModified(true);
    clock->UseDaylight = ChkClockUseDaylight->isChecked();
}

// ---------------------------------------------------------------------------
// Appearance and alarm page

void TZoneForm::FillFormatLists()
{
    const QString &currentTime = FShown.TimeFormat;
    const QString &currentDate = FShown.DateFormat;
    FTimeFormats = TOptionsData::TimeFormatChoices(currentTime);
    FDateFormats = TOptionsData::DateFormatChoices(currentDate);

    const TDateTime sample = EncodeDateTime(DecodeDate(NowLocal()).Year, 3, 15, 19, 5, 30, 0);
    const auto fill = [sample](QComboBox *combo, const QStringList &formats, const QString &current,
                               QCheckBox *show) {
        const QSignalBlocker blocker(combo);
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
    fill(CmbTimeFormat, FTimeFormats, currentTime, ChkShowTime);
    fill(CmbDateFormat, FDateFormats, currentDate, ChkShowDate);
}

QString TZoneForm::SelectedTimeFormat() const
{
    const int index = CmbTimeFormat->currentIndex();
    return ChkShowTime->isChecked() && index >= 0 ? FTimeFormats.at(index) : QString();
}

QString TZoneForm::SelectedDateFormat() const
{
    const int index = CmbDateFormat->currentIndex();
    return ChkShowDate->isChecked() && index >= 0 ? FDateFormats.at(index) : QString();
}

void TZoneForm::SetClockFont(const QFont &font, std::int32_t color)
{
    FClockFont = font;
    FClockFontColor = color;
    LblFont->setFont(font);
    QPalette palette = LblFont->palette();
    palette.setColor(QPalette::WindowText, QColorOf(color, this->palette()));
    LblFont->setPalette(palette);
    ShowFontName();
}

void TZoneForm::ShowFontName()
{
    LblFont->setText(tr("%1, %2pt").arg(FClockFont.family()).arg(FClockFont.pointSize()));
}

void TZoneForm::ChkShowTimeClick()
{
    CmbTimeFormat->setEnabled(ChkShowTime->isChecked());
    SetModified(true);
}

void TZoneForm::ChkShowDateClick()
{
    CmbDateFormat->setEnabled(ChkShowDate->isChecked());
    SetModified(true);
}

void TZoneForm::CmbTimeFormatChange()
{
    SetModified(true);
}

void TZoneForm::BtnFontClick()
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
        SetModified(true);
    }
}

void TZoneForm::BtnFontColorClick()
{
    const QColor color = QColorDialog::getColor(QColorOf(FClockFontColor, palette()), this);
    if (color.isValid()) {
        SetClockFont(FClockFont, ColorValueOf(color));
        SetModified(true);
    }
}

void TZoneForm::BtnDefaultsClick()
{
    if (SoundMessageDlg(tr("Are you sure you want to restore the default appearance settings?"),
                        TMsgDlgType::mtConfirmation,
                        QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    SetClockFont(FontFromStored(DesignClockFont()), clWindowText);
    const TFormatSettings &settings = FormatSettings();
    ChkShowTime->setChecked(true);
    CmbTimeFormat->setEnabled(true);
    CmbTimeFormat->setCurrentIndex(static_cast<int>(FTimeFormats.indexOf(settings.LongTimeFormat)));
    ChkShowDate->setChecked(true);
    CmbDateFormat->setEnabled(true);
    CmbDateFormat->setCurrentIndex(static_cast<int>(FDateFormats.indexOf(settings.LongDateFormat)));
    SetModified(true);
}

int TZoneForm::AlarmEntryOf(const TCustomisedTimeZone *clock) const
{
    return clock == nullptr ? -1 : static_cast<int>(FAlarmEntries.indexOf(clock));
}

int TZoneForm::AddAlarmEntry(TCustomisedTimeZone *clock)
{
    // Kept sorted by title, like a sorted list box: after its equals.
    int index = 0;
    while (index < CmbAlarmClocks->count() &&
           CompareTextLocale(CmbAlarmClocks->itemText(index), clock->Title) <= 0) {
        ++index;
    }
    const QSignalBlocker blocker(CmbAlarmClocks);
    CmbAlarmClocks->insertItem(index, clock->Title);
    FAlarmEntries.insert(index, clock);
    return index;
}

TCustomisedTimeZone *TZoneForm::SelectedAlarmClock() const
{
    const int index = CmbAlarmClocks->currentIndex();
    return index < 0 ? nullptr : FAlarmEntries.value(index);
}

void TZoneForm::LoadAlarmClocks()
{
    {
        const QSignalBlocker blocker(CmbAlarmClocks);
        CmbAlarmClocks->setUpdatesEnabled(false);
        CmbAlarmClocks->clear();
        FAlarmEntries.clear();
        for (int i = 0; i < FData.ClockCount(); ++i) {
            AddAlarmEntry(FData.ClockAt(i));
        }
        CmbAlarmClocks->setCurrentIndex(-1);
        CmbAlarmClocks->setUpdatesEnabled(true);
    }
    if (FShown.AlarmSet) {
        {
            const QSignalBlocker blocker(CmbAlarmClocks);
            CmbAlarmClocks->setCurrentIndex(
                CmbAlarmClocks->findText(FShown.AlarmClock, Qt::MatchFixedString));
        }
        SetAlarmTimeText(FormatDateTime(QStringLiteral("hh:nn"), FShown.AlarmTime));
        {
            const QSignalBlocker blocker(PickerAlarmDate);
            PickerAlarmDate->setDate(QDateOf(FShown.AlarmTime));
        }
        ChkSetAlarm->setChecked(true);
        UpdateAlarmAvailability();
        EnableAlarmControls(true);
    } else {
        {
            const QSignalBlocker blocker(PickerAlarmDate);
            PickerAlarmDate->setDate(QDateOf(NowLocal()));
        }
        ChkSetAlarm->setChecked(false);
        EnableAlarmControls(false);
        UpdateAlarmAvailability();
    }
}

void TZoneForm::UpdateAlarmAvailability()
{
    if (CmbAlarmClocks->count() > 0) {
        ChkSetAlarm->setEnabled(true);
        if (CmbAlarmClocks->currentIndex() < 0) {
            const QSignalBlocker blocker(CmbAlarmClocks);
            CmbAlarmClocks->setCurrentIndex(0);
        }
    } else {
        ChkSetAlarm->setEnabled(false);
    }
}

void TZoneForm::EnableAlarmControls(bool enable)
{
    CmbAlarmClocks->setEnabled(enable);
    EditAlarmTime->setEnabled(enable);
    PickerAlarmDate->setEnabled(enable);
}

void TZoneForm::SetChkSetAlarm(bool checked)
{
    if (ChkSetAlarm->isChecked() != checked) {
        ChkSetAlarm->setChecked(checked);
        ChkSetAlarmClick();
    }
}

void TZoneForm::ChkSetAlarmClick()
{
    const bool ticked = ChkSetAlarm->isChecked();
    EnableAlarmControls(ticked);
    if (ticked) {
        if (const TCustomisedTimeZone *clock = SelectedAlarmClock()) {
            // The zone's own rules decide, whatever the clock's daylight choice.
            const TDateTime proposal = clock->LocalTimeNow() + 1.0 / 24;
            SetAlarmTimeText(FormatDateTime(QStringLiteral("hh:nn"), proposal));
            const QSignalBlocker blocker(PickerAlarmDate);
            PickerAlarmDate->setDate(QDateOf(proposal));
        }
    }
    SetModified(true);
}

void TZoneForm::CmbAlarmClocksChange()
{
    SetModified(true);
}

void TZoneForm::EditAlarmTimeChange()
{
    SetModified(true);
}

void TZoneForm::PickerAlarmDateChange()
{
    SetModified(true);
}

void TZoneForm::SetAlarmTimeText(const QString &text)
{
    // The mask fills from the left; a one-digit hour stands right-aligned
    // behind a blank, as the box shows it.
    const qsizetype separator = text.indexOf(FormatSettings().TimeSeparator);
    EditAlarmTime->setText(separator == 1 ? u' ' + text : text);
    // Esc goes back to this text, also after a refused text took the focus
    // back into the box.
    FAlarmTimeAccepted = EditAlarmTime->text();
}

bool TZoneForm::EditAlarmTimeExit()
{
    if (FCheckingAlarmTime || !EditAlarmTime->isEnabled()) {
        return true;
    }
    const std::optional<QString> accepted =
        TOptionsData::AcceptedAlarmTime(EditAlarmTime->displayText());
    if (!accepted) {
        FCheckingAlarmTime = true;
        SoundMessageDlg(tr("Invalid input value.  Use escape key to abandon changes"),
                        TMsgDlgType::mtError, QMessageBox::Ok);
        FCheckingAlarmTime = false;
        return false;
    }
    SetAlarmTimeText(*accepted);
    return true;
}
