#include "gui/options/zoneform.h"

#include "core/options/clocklistmodel.h"
#include "core/options/zonelistmodel.h"
#include "core/settings/autostart.h"
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "core/zones/zonetexts.h"
#include "gui/widgets/clockfont.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/zonedclock.h"
#include "ui_zoneform.h"

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
    : QDialog(parent), FUi(std::make_unique<Ui::TZoneForm>()), FZoneFile(zoneFile), FShown(shown)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setFont(DesignFont());
    SetUpControls();
    FormCreate();
}

TZoneForm::~TZoneForm()
{
    // The list view may still ask its model while the children go.
    FZoneModel->SetZones(nullptr);
    // The preview clock refers into Zones, which goes first otherwise.
    if (FUi->ZonedClockTemp != nullptr) {
        FUi->ZonedClockTemp->SetActive(false);
        FUi->ZonedClockTemp->SetZone(nullptr);
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
    FUi->PageControl->setCurrentWidget(FUi->TabClocks);
    FShownPage = FUi->TabClocks;
    LoadZonesAndClocks();
    FillRegions();
    RefreshClockTitles();
    if (FData.ClockCount() == 0) {
        SelectClock(-1);
        if (FUi->CmbRegions->count() > 0) {
            SelectRegion(FUi->CmbRegions->itemText(0));
        } else {
            ShowZoneInfo();
        }
    } else {
        SelectClock(0);
    }
    FUi->BtnRemoveClock->setEnabled(SelectedClockIndex() >= 0);
    SetClockFont(FontFromStored(FShown.Font), FShown.Font.Color);
    LoadStartupOptions();
    FillFormatLists();
    SetModified(false);
    // As small as the texts allow: the design's size at the design font.
    resize(minimumSizeHint());
    layout()->activate();
    // The strip is painted when it is first shown: its resize arrives then.
}

void TZoneForm::LoadZonesAndClocks()
{
    FZoneModel->SetZones(nullptr);
    FZones.Clear();
    try {
        FZones.LoadFromZoneFile(FZoneFile);
    } catch (const Exception &error) {
        SoundMessageDlg(tr("There was an error loading the time zone data:\n") + error.Message(),
                        TMsgDlgType::Error, QMessageBox::Cancel);
        // The program cannot work without its zones; the dialog is still
        // built from what was read, until the event loop ends.
        QCoreApplication::exit(1);
    }
    // Built while the dialog opens and gone with it, so the places take no
    // memory while the dialog is closed.
    FUi->EditZoneSearch->SetZones(FZones);
    {
        const QSignalBlocker blocker(FUi->LstClocks->selectionModel());
        FData.LoadClocks(FZones);
        FClockModel->Reload();
    }
    LoadAlarmClocks();
}

void TZoneForm::SetModified(bool modified)
{
    FModified = modified;
    FUi->BtnApply->setEnabled(modified);
}

bool TZoneForm::ApplyChanges()
{
    // The entries show the titles as they will read back.
    for (const int index : FData.SettleTitles()) {
        const QString &title = FData.ClockAt(index)->Title;
        SetClockTitle(index, title);
        if (index == SelectedClockIndex()) {
            FUi->EditClockTitle->setText(title);
        }
    }
    FData.TimeFormat = SelectedTimeFormat();
    FData.DateFormat = SelectedDateFormat();
    FData.SortZonesByName = FUi->ChkSortByName->isChecked();
    FData.Font = StoredFromFont(FClockFont, FClockFontColor);
    FData.RunAtStartup = FUi->ChkRunAtStartup->isChecked();
    FData.AlarmClock = FUi->ChkSetAlarm->isChecked() ? SelectedAlarmClock() : nullptr;
    FData.AlarmTime = FUi->EditAlarmTime->displayText();
    FData.AlarmDate = DateTimeOf(FUi->PickerAlarmDate->date());
    try {
        FData.Commit(QCoreApplication::applicationFilePath());
    } catch (const Exception &error) {
        SoundMessageDlg(error.Message(), TMsgDlgType::Error, QMessageBox::Ok);
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
        // The list was scrolled to the chosen zone before it had its size.
        if (const QModelIndex current = FUi->LstZones->currentIndex(); current.isValid()) {
            FUi->LstZones->scrollTo(current, QAbstractItemView::PositionAtTop);
        }
        // The window is not mapped yet: its size must be final now. A size
        // change after mapping races the window manager's placement, which
        // may then put the dialog in the corner. The tab widget passes its
        // pages' growth on only through posted layout requests, so those are
        // handled here rather than after the show.
        for (QSize before; before != size();) {
            before = size();
            layout()->activate();
            FitDescription();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            layout()->activate();
        }
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            QRect frame = frameGeometry();
            frame.moveCenter(area.center());
            // On a screen smaller than the dialog its caption and left edge
            // stay reachable.
            move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
        }
    }
    QDialog::showEvent(event);
}

bool TZoneForm::eventFilter(QObject *watched, QEvent *event)
{
    if (ContextHelpEvent(watched, event)) {
        return true;
    }
    if (watched == FUi->PBox && event->type() == QEvent::Resize) {
        // The strip is painted for its size, which follows the dialog's width.
        BuildWatermarkStrip();
    }
    if (watched == FUi->LstClocks && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            MoveSelectedClock(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    } else if (watched == FUi->EditClockTitle && event->type() == QEvent::FocusOut) {
        EditClockTitleExit();
    } else if (watched == FUi->EditAlarmTime) {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            // Leaving the window or cancelling the dialog is no attempt to
            // keep the text.
            // A page change moves the focus onto the next page, or hides the
            // box's page, before it is announced; the announcement asks
            // (PageControlChange), so that it can keep the page.
            const QWidget *next = QApplication::focusWidget();
            const auto onPage = [next](const QWidget *page) {
                return next != nullptr && (next == page || page->isAncestorOf(next));
            };
            QWidget *page = FUi->TabAppearance;
            const bool pageChanging =
                FShownPage == page &&
                (FUi->PageControl->currentWidget() != page || !page->isVisibleTo(this) ||
                 onPage(FUi->TabClocks) || onPage(FUi->PageAbout));
            if (!FClosing && !pageChanging && reason != Qt::ActiveWindowFocusReason &&
                reason != Qt::PopupFocusReason && QApplication::focusWidget() != FUi->BtnCancel &&
                !EditAlarmTimeExit()) {
                QTimer::singleShot(0, FUi->EditAlarmTime,
                                   [this] { FUi->EditAlarmTime->setFocus(); });
            }
        } else if (event->type() == QEvent::KeyPress &&
                   static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape &&
                   FUi->EditAlarmTime->text() != FAlarmTimeAccepted) {
            // Esc abandons the edit of the box before it closes the dialog.
            FUi->EditAlarmTime->setText(FAlarmTimeAccepted);
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
    const QSignalBlocker blocker(FUi->CmbRegions);
    FUi->CmbRegions->setUpdatesEnabled(false);
    FUi->CmbRegions->clear();
    for (const TRegionEntry &entry : entries) {
        FUi->CmbRegions->addItem(entry.Text, entry.Tag);
    }
    FUi->CmbRegions->setCurrentIndex(-1);
    FUi->CmbRegions->setUpdatesEnabled(true);
}

void TZoneForm::FillZoneList(const std::optional<QString> &region)
{
    const QScopedValueRollback<bool> quiet(FQuietZones, true);
    FZoneFilter->SetByName(FUi->ChkSortByName->isChecked());
    FZoneFilter->SetRegion(region);
    // The browser lists nothing until a region is first chosen.
    FZoneModel->SetZones(&FZones);
    FUi->LstZones->selectionModel()->clear();
}

void TZoneForm::RefreshZoneList()
{
    if (FUi->EditZoneSearch->Searching()) {
        // The matches stay, only their text follows the order chosen.
        FZoneFilter->SetByName(FUi->ChkSortByName->isChecked());
        return;
    }
    const int index = FUi->CmbRegions->currentIndex();
    if (index < 0 || FUi->CmbRegions->itemData(index, TagRole).toInt() == AllZonesTag) {
        FillZoneList(std::nullopt);
    } else {
        FillZoneList(FUi->CmbRegions->itemText(index));
    }
}

QString TZoneForm::SelectedRegion() const
{
    return FUi->CmbRegions->currentIndex() < 0 ? QString() : FUi->CmbRegions->currentText();
}

void TZoneForm::SelectRegion(const QString &region)
{
    if (SelectedRegion() == region && FUi->CmbRegions->currentIndex() >= 0) {
        return;
    }
    {
        const QSignalBlocker blocker(FUi->CmbRegions);
        FUi->CmbRegions->setCurrentIndex(FUi->CmbRegions->findText(region, Qt::MatchFixedString));
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
    const QModelIndexList rows = FUi->LstZones->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : FZoneFilter->ZoneAt(rows.first().row());
}

void TZoneForm::ShowZoneInfo()
{
    const TTimeZone *zone = SelectedZone();
    FUi->ZonedClockTemp->SetZone(zone);
    // Standard time only: no daylight rows, nothing in bold.
    const auto showStandardOnly = [this] {
        SetBold(FUi->LblStdTitle, false);
        SetBold(FUi->LblOffset, false);
        FUi->LblDayTitle->hide();
        FUi->LblDayOffset->hide();
        FUi->LblDescrip->hide();
    };
    if (zone == nullptr) {
        // Only an empty zone list gets here: show that there is nothing to show.
        FUi->InfoBox->setTitle(tr(" (no zone) "));
        FUi->ZonedClockTemp->hide();
        FUi->LblOffset->clear();
        showStandardOnly();
        return;
    }
    FUi->ZonedClockTemp->show();
    FUi->InfoBox->setTitle(u' ' + zone->Name + u' ');
    if (const auto *clock = dynamic_cast<const TCustomisedTimeZone *>(zone);
        clock != nullptr && clock->UnknownZone) {
        showStandardOnly();
        FUi->LblOffset->setText(tr("unknown"));
        FUi->LblDescrip->setText(UnknownZoneHint());
        FUi->LblDescrip->show();
        FitDescription();
        return;
    }
    FUi->LblOffset->setText(GMTText(zone->UTCOffset + zone->StandardOffset, false) +
                            QStringLiteral(" (") + zone->StandardAbbr + u')');
    const QString description = ZoneInfoText(*zone, NowUTC());
    if (!zone->HasDaylight()) {
        showStandardOnly();
        FUi->LblDescrip->setText(description);
        FUi->LblDescrip->setVisible(!description.isEmpty());
        FitDescription();
        return;
    }
    FUi->LblDayOffset->setText(GMTText(zone->UTCOffset + zone->DaylightOffset, false) +
                               QStringLiteral(" (") + zone->DaylightAbbr + u')');
    FUi->LblDescrip->setText(description);
    const bool inDaylight = zone->IsDaylightNow();
    SetBold(FUi->LblDayTitle, inDaylight);
    SetBold(FUi->LblDayOffset, inDaylight);
    SetBold(FUi->LblStdTitle, !inDaylight);
    SetBold(FUi->LblOffset, !inDaylight);
    FUi->LblDayTitle->show();
    FUi->LblDayOffset->show();
    FUi->LblDescrip->show();
    FitDescription();
}

void TZoneForm::FitDescription()
{
    // A rule that takes more lines than the box has grows the dialog, once:
    // it does not shrink back and jump under the pointer for the next zone.
    // Until it is shown the label has no width of its own to wrap at.
    QLabel *descrip = FUi->LblDescrip;
    if (isVisible() && descrip->isVisibleTo(this)) {
        descrip->setMinimumHeight(
            std::max(descrip->minimumHeight(), descrip->heightForWidth(descrip->width())));
        // The box's own minimum height from the form would otherwise hold it,
        // and the dialog, at their first size and cut the text off.
        QGroupBox *box = FUi->InfoBox;
        box->setMinimumHeight(std::max(box->minimumHeight(), box->minimumSizeHint().height()));
    }
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
    if (FUi->EditZoneSearch->Searching()) {
        if (SelectedZone() == own) {
            return; // a city of that zone may be the one chosen
        }
        if (ZoneRow(own) < 0) {
            FUi->EditZoneSearch->clear();
        }
    }
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
        FUi->LstZones->selectionModel()->setCurrentIndex(
            index,
            index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear);
    }
    if (index.isValid()) {
        FUi->LstZones->scrollTo(index);
    }
}

void TZoneForm::CmbRegionsChange()
{
    RegionChanged();
}

void TZoneForm::LstZonesClick()
{
    // The info box, which may change the dialog's layout, waits for the
    // typing to pause, so each keystroke repaints no more than the list.
    if (!FQuietZones && SelectedZone() != nullptr && !FUi->EditZoneSearch->Typing()) {
        ShowZoneInfo();
    }
}

void TZoneForm::LstZonesDblClick()
{
    LstZonesClick();
    FUi->BtnAddToClocks->click();
}

void TZoneForm::ChkSortByNameClick()
{
    const TTimeZone *zone = SelectedZone();
    RefreshZoneList();
    if (zone != nullptr && !FUi->EditZoneSearch->Searching()) {
        SelectZoneRow(ZoneRow(zone));
    }
    RefreshClockTitles();
    SetModified(true);
}

void TZoneForm::SetChkSortByName(bool checked)
{
    if (FUi->ChkSortByName->isChecked() != checked) {
        FUi->ChkSortByName->setChecked(checked);
        ChkSortByNameClick();
    }
}

// ---------------------------------------------------------------------------
// Clock list

int TZoneForm::SelectedClockIndex() const
{
    const QModelIndexList rows = FUi->LstClocks->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

TCustomisedTimeZone *TZoneForm::SelectedClock() const
{
    const int index = SelectedClockIndex();
    return index < 0 ? nullptr : FData.ClockAt(index);
}

void TZoneForm::SelectClock(int index)
{
    if (index != SelectedClockIndex()) {
        QItemSelectionModel *selection = FUi->LstClocks->selectionModel();
        const QSignalBlocker blocker(selection);
        const QModelIndex entry = FClockModel->index(index);
        selection->setCurrentIndex(entry, entry.isValid() ? QItemSelectionModel::ClearAndSelect
                                                          : QItemSelectionModel::Clear);
    }
    TCustomisedTimeZone *clock = SelectedClock();
    if (clock == nullptr) {
        FUi->BoxClock->setTitle(tr(" (no clock) "));
        FUi->BtnRemoveClock->setEnabled(false);
        FUi->EditClockTitle->setEnabled(false);
        FUi->EditClockTitle->clear();
        FUi->ChkClockUseDaylight->setEnabled(false);
        return;
    }
    SetSelectedZone(clock);
    FUi->BtnRemoveClock->setEnabled(true);
    FUi->EditClockTitle->setEnabled(true);
    FUi->EditClockTitle->setText(clock->Title);
    FUi->ChkClockUseDaylight->setEnabled(clock->ObservesDaylight());
    FUi->ChkClockUseDaylight->setChecked(clock->ObservesDaylight() && clock->UseDaylight);
    if (clock->UnknownZone) {
        FUi->BoxClock->setTitle(u' ' + UnknownZoneTitle(clock->CityName()) + u' ');
        return;
    }
    FUi->BoxClock->setTitle(u' ' + clock->CityName() + QStringLiteral(" (") + clock->StandardAbbr +
                            QStringLiteral(", ") +
                            GMTText(clock->UTCOffset + clock->StandardOffset, false) +
                            QStringLiteral(") "));
}

void TZoneForm::RefreshClockTitles()
{
    FClockModel->SetByName(FUi->ChkSortByName->isChecked());
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
    // A city the tz database does not name gives the clock its title.
    const TPlaceMatch *match = FUi->EditZoneSearch->SelectedMatch();
    const int row = FClockModel->AddClock(*zone, match != nullptr ? match->City : QString());
    AddAlarmEntry(FData.ClockAt(row));
    UpdateAlarmAvailability();
    SelectClock(row);
    FUi->PageControl->setCurrentWidget(FUi->TabClocks);
    FUi->LstClocks->setFocus();
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
    if (FUi->ChkSetAlarm->isChecked() && entry >= 0 &&
        entry == FUi->CmbAlarmClocks->currentIndex()) {
        SetChkSetAlarm(false);
    }
    if (entry >= 0) {
        const QSignalBlocker blocker(FUi->CmbAlarmClocks);
        if (entry == FUi->CmbAlarmClocks->currentIndex()) {
            // Left to UpdateAlarmAvailability, which chooses the first entry;
            // the combo box itself would choose a neighbour.
            FUi->CmbAlarmClocks->setCurrentIndex(-1);
        }
        FUi->CmbAlarmClocks->removeItem(entry);
        FAlarmEntries.removeAt(entry);
    }
    UpdateAlarmAvailability();
    {
        const QSignalBlocker blocker(FUi->LstClocks->selectionModel());
        FClockModel->RemoveClock(index);
    }
    int next = -1;
    if (FData.ClockCount() > 0) {
        next = index < FData.ClockCount() ? index : FData.ClockCount() - 1;
    }
    SelectClock(next);
    SetModified(true);
}

void TZoneForm::MoveSelectedClock(int step)
{
    const int row = SelectedClockIndex();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= FData.ClockCount()) {
        return;
    }
    // As a drop does: the model moves the row, the selection goes with it.
    FClockModel->moveRow({}, row, {}, step < 0 ? to : to + 1);
    FUi->LstClocks->scrollTo(FClockModel->index(to));
}

void TZoneForm::ClocksMoved()
{
    SetModified(true);
}

void TZoneForm::EditClockTitleChange()
{
    TCustomisedTimeZone *clock = SelectedClock();
    if (clock == nullptr) {
        return;
    }
    SetClockTitle(SelectedClockIndex(), FUi->EditClockTitle->text());
    SetModified(true);
}

void TZoneForm::SetClockTitle(int index, const QString &title)
{
    TCustomisedTimeZone *clock = FData.ClockAt(index);
    clock->Title = title;
    FClockModel->ClockChanged(index);
    // The alarm list keeps itself sorted by title: the entry goes back in at
    // its new place, and the chosen alarm clock stays chosen.
    TCustomisedTimeZone *alarmClock = SelectedAlarmClock();
    const QSignalBlocker blocker(FUi->CmbAlarmClocks);
    const int entry = AlarmEntryOf(clock);
    FUi->CmbAlarmClocks->removeItem(entry);
    FAlarmEntries.removeAt(entry);
    AddAlarmEntry(clock);
    FUi->CmbAlarmClocks->setCurrentIndex(AlarmEntryOf(alarmClock));
}

void TZoneForm::EditClockTitleExit()
{
    if (SelectedClock() != nullptr && FUi->EditClockTitle->text().trimmed().isEmpty()) {
        FUi->EditClockTitle->setText(SelectedClock()->CityName());
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
    clock->UseDaylight = FUi->ChkClockUseDaylight->isChecked();
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
    fill(FUi->CmbTimeFormat, FTimeFormats, currentTime, FUi->ChkShowTime);
    fill(FUi->CmbDateFormat, FDateFormats, currentDate, FUi->ChkShowDate);
}

QString TZoneForm::SelectedTimeFormat() const
{
    const int index = FUi->CmbTimeFormat->currentIndex();
    return FUi->ChkShowTime->isChecked() && index >= 0 ? FTimeFormats.at(index) : QString();
}

QString TZoneForm::SelectedDateFormat() const
{
    const int index = FUi->CmbDateFormat->currentIndex();
    return FUi->ChkShowDate->isChecked() && index >= 0 ? FDateFormats.at(index) : QString();
}

void TZoneForm::SetClockFont(const QFont &font, std::int32_t color)
{
    FClockFont = font;
    FClockFontColor = color;
    FUi->LblFont->setFont(font);
    QPalette palette = FUi->LblFont->palette();
    palette.setColor(QPalette::WindowText, QColorOf(color, this->palette()));
    FUi->LblFont->setPalette(palette);
    ShowFontName();
}

void TZoneForm::ShowFontName()
{
    FUi->LblFont->setText(tr("%1, %2pt").arg(FClockFont.family()).arg(FClockFont.pointSize()));
}

void TZoneForm::ChkShowTimeClick()
{
    FUi->CmbTimeFormat->setEnabled(FUi->ChkShowTime->isChecked());
    SetModified(true);
}

void TZoneForm::ChkShowDateClick()
{
    FUi->CmbDateFormat->setEnabled(FUi->ChkShowDate->isChecked());
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
    while (index < FUi->CmbAlarmClocks->count() &&
           CompareTextLocale(FUi->CmbAlarmClocks->itemText(index), clock->Title) <= 0) {
        ++index;
    }
    const QSignalBlocker blocker(FUi->CmbAlarmClocks);
    FUi->CmbAlarmClocks->insertItem(index, clock->Title);
    FAlarmEntries.insert(index, clock);
    return index;
}

TCustomisedTimeZone *TZoneForm::SelectedAlarmClock() const
{
    const int index = FUi->CmbAlarmClocks->currentIndex();
    return index < 0 ? nullptr : FAlarmEntries.value(index);
}

void TZoneForm::LoadAlarmClocks()
{
    {
        const QSignalBlocker blocker(FUi->CmbAlarmClocks);
        FUi->CmbAlarmClocks->setUpdatesEnabled(false);
        FUi->CmbAlarmClocks->clear();
        FAlarmEntries.clear();
        for (int i = 0; i < FData.ClockCount(); ++i) {
            AddAlarmEntry(FData.ClockAt(i));
        }
        FUi->CmbAlarmClocks->setCurrentIndex(-1);
        FUi->CmbAlarmClocks->setUpdatesEnabled(true);
    }
    if (FShown.AlarmSet) {
        {
            const QSignalBlocker blocker(FUi->CmbAlarmClocks);
            FUi->CmbAlarmClocks->setCurrentIndex(
                FUi->CmbAlarmClocks->findText(FShown.AlarmClock, Qt::MatchFixedString));
        }
        SetAlarmTimeText(FormatDateTime(QStringLiteral("hh:nn"), FShown.AlarmTime));
        {
            const QSignalBlocker blocker(FUi->PickerAlarmDate);
            FUi->PickerAlarmDate->setDate(QDateOf(FShown.AlarmTime));
        }
        FUi->ChkSetAlarm->setChecked(true);
        UpdateAlarmAvailability();
        EnableAlarmControls(true);
    } else {
        {
            const QSignalBlocker blocker(FUi->PickerAlarmDate);
            FUi->PickerAlarmDate->setDate(QDateOf(NowLocal()));
        }
        FUi->ChkSetAlarm->setChecked(false);
        EnableAlarmControls(false);
        UpdateAlarmAvailability();
    }
}

void TZoneForm::UpdateAlarmAvailability()
{
    if (FUi->CmbAlarmClocks->count() > 0) {
        FUi->ChkSetAlarm->setEnabled(true);
        if (FUi->CmbAlarmClocks->currentIndex() < 0) {
            const QSignalBlocker blocker(FUi->CmbAlarmClocks);
            FUi->CmbAlarmClocks->setCurrentIndex(0);
        }
    } else {
        FUi->ChkSetAlarm->setEnabled(false);
    }
}

void TZoneForm::EnableAlarmControls(bool enable)
{
    FUi->CmbAlarmClocks->setEnabled(enable);
    FUi->EditAlarmTime->setEnabled(enable);
    FUi->PickerAlarmDate->setEnabled(enable);
}

void TZoneForm::SetChkSetAlarm(bool checked)
{
    if (FUi->ChkSetAlarm->isChecked() != checked) {
        FUi->ChkSetAlarm->setChecked(checked);
        ChkSetAlarmClick();
    }
}

void TZoneForm::ChkSetAlarmClick()
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
    FUi->EditAlarmTime->setText(text);
    // Esc goes back to this text, also after a refused text took the focus
    // back into the box.
    FAlarmTimeAccepted = FUi->EditAlarmTime->text();
}

bool TZoneForm::EditAlarmTimeExit()
{
    if (FCheckingAlarmTime || !FUi->EditAlarmTime->isEnabled()) {
        return true;
    }
    const std::optional<QString> accepted =
        TOptionsData::AcceptedAlarmTime(FUi->EditAlarmTime->displayText());
    if (!accepted) {
        FCheckingAlarmTime = true;
        SoundMessageDlg(tr("Invalid input value.  Use escape key to abandon changes"),
                        TMsgDlgType::Error, QMessageBox::Ok);
        FCheckingAlarmTime = false;
        return false;
    }
    SetAlarmTimeText(*accepted);
    return true;
}
