#include "gui/options/zonespage.h"

#include "core/options/clocklistmodel.h"
#include "core/options/optionsdata.h"
#include "core/options/zonelistmodel.h"
#include "core/settings/autostart.h"
#include "core/settings/storedsettings.h"
#include "core/time/clocksource.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonetexts.h"
#include "gui/options/accessiblenames.h"
#include "gui/options/contexthelp.h"
#include "ui_zonespage.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <algorithm>

namespace {
QString AllZonesText()
{
    return TZonesPage::tr("(List all zones)");
}
constexpr int AllZonesTag = 1;
constexpr int TagRole = Qt::UserRole;

void SetBold(QLabel *label, bool bold)
{
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}
} // namespace

TZonesPage::TZonesPage(QWidget *parent) : QWidget(parent), FUi(std::make_unique<Ui::TZonesPage>())
{
    FUi->setupUi(this);
    // The stored clock list separates titles with ";", so a title must not hold one.
    FUi->EditClockTitle->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^;]*")), FUi->EditClockTitle));
    FZoneModel = new TZoneListModel(this);
    FZoneFilter = new TZoneFilterModel(FZoneModel, this);
    FUi->LstZones->setModel(FZoneFilter);
    // An item view takes no name from its label as other controls do: the
    // label's text is its name for screen readers. The zone list has no
    // label of its own; the region box's heads both.
    FUi->LstClocks->setAccessibleName(FUi->LblClocks->text().remove(u'&'));
    FUi->LstZones->setAccessibleName(FUi->LblTimeZones->text().remove(u'&'));
    FUi->LstClocks->installEventFilter(this);

    SetHelpTopic(FUi->LstClocks, 101);
    SetHelpTopic(FUi->ChkClockUseDaylight, 103);
    SetHelpTopic(FUi->ChkRunAtStartup, 104);
    SetHelpTopic(FUi->CmbRegions, 201);
    SetHelpTopic(FUi->EditZoneSearch, 201);
    SetHelpTopic(FUi->LstZones, 201);
    SetHelpTopic(FUi->ChkSortByName, 202);
}

TZonesPage::~TZonesPage()
{
    // The list view may still ask its model while the children go.
    FZoneModel->SetZones(nullptr);
    // The preview clock refers into the zones, which go first otherwise.
    FUi->PreviewClock->SetActive(false);
    FUi->PreviewClock->SetZone(nullptr);
}

void TZonesPage::SetUp(const TTimeZoneList &zones, TOptionsData &options, TClockListModel *clocks)
{
    FZones = &zones;
    FClockModel = clocks;
    // Set up in the dialog, so that it measures its text in the dialog's
    // font, not in one loaded only for that.
    TZonedClock *preview = FUi->PreviewClock;
    // The zone's time in the user's language: a 24-hour clock where that is
    // the custom.
    preview->SetTimeFormat(ZoneClockTimeFormat());
    preview->SetDateFormat(ZoneDateFormat());
    preview->SetDateTimeSeparator(QStringLiteral(" "));
    preview->SetUseDaylight(true);
    preview->SetTransparent(true);
    preview->SetActive(true);
    FUi->LstClocks->setModel(clocks);
    {
        const QSignalBlocker blocker(FUi->LstClocks->selectionModel());
        options.LoadClocks(zones);
        clocks->Reload();
    }
    // Bound before the page's own slots are connected, so a region chosen
    // during a search ends the search before the page lists the region; and
    // in the window, whose Ctrl+F it answers on every page.
    FUi->EditZoneSearch->Bind(FUi->CmbRegions, FUi->LstZones, FZoneFilter);
    // Built while the dialog opens and gone with it, so the places take no
    // memory while the dialog is closed.
    FUi->EditZoneSearch->SetZones(zones);

    const Ui::TZonesPage &ui = *FUi;
    connect(ui.LstClocks->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TZonesPage::ShowSelectedClock);
    // A click on the entry already selected changes no selection, yet brings
    // its zone back into the browser.
    connect(ui.LstClocks, &QListView::clicked, this, &TZonesPage::ShowSelectedClock);
    connect(clocks, &QAbstractItemModel::rowsMoved, this, &TZonesPage::Edited);
    connect(clocks, &QAbstractItemModel::dataChanged, this, &TZonesPage::FollowClockTitle);
    connect(ui.EditClockTitle, &QLineEdit::textEdited, this, &TZonesPage::RetitleSelectedClock);
    connect(ui.EditClockTitle, &QLineEdit::editingFinished, this, &TZonesPage::RestoreEmptyTitle);
    connect(ui.ChkClockUseDaylight, &QCheckBox::clicked, this,
            &TZonesPage::SetSelectedClockDaylight);
    connect(ui.BtnRemoveClock, &QPushButton::clicked, this, &TZonesPage::RemoveSelectedClock);
    connect(ui.ChkRunAtStartup, &QCheckBox::clicked, this, &TZonesPage::Edited);

    // Chosen by the user only: what the page sets itself lists the region
    // itself.
    connect(ui.CmbRegions, &QComboBox::activated, this, &TZonesPage::ShowRegion);
    connect(ui.LstZones->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TZonesPage::ShowChosenZone);
    connect(ui.LstZones, &QListView::doubleClicked, this, &TZonesPage::AddChosenZone);
    connect(ui.ChkSortByName, &QCheckBox::clicked, this, &TZonesPage::ChangeZoneOrder);
    connect(ui.BtnAddToClocks, &QPushButton::clicked, this, &TZonesPage::AddChosenZone);
    // Enter in the search box adds and leaves the focus there, the text
    // selected, so the next city typed starts a new search.
    connect(ui.EditZoneSearch, &TZoneSearchBox::AddRequested, this, [this] {
        AddChosenZone();
        FUi->EditZoneSearch->setFocus(Qt::OtherFocusReason);
        FUi->EditZoneSearch->selectAll();
    });
    connect(ui.EditZoneSearch, &TZoneSearchBox::FindRequested, this, &TZonesPage::Wanted);
    connect(ui.EditZoneSearch, &TZoneSearchBox::SearchEnded, this, &TZonesPage::ShowZoneInfo);
    // A choice shows itself; no match leaves the info box empty, not on the
    // zone of an earlier text.
    connect(ui.EditZoneSearch, &TZoneSearchBox::ResultsShown, this, [this] {
        if (SelectedZone() == nullptr && !FUi->EditZoneSearch->Typing()) {
            ShowZoneInfo();
        }
    });
    connect(ui.EditZoneSearch, &TZoneSearchBox::Settled, this, &TZonesPage::ShowZoneInfo);
}

void TZonesPage::Open()
{
    FillRegions();
    FClockModel->SetByName(FUi->ChkSortByName->isChecked());
    if (FClockModel->rowCount() == 0) {
        SelectClock(-1);
        if (FUi->CmbRegions->count() > 0) {
            SelectRegion(FUi->CmbRegions->itemText(0));
        } else {
            ShowZoneInfo();
        }
    } else {
        SelectClock(0);
    }
    ShowAutostartEntry();
    // Missing, or not a number: the box stays as designed, checked.
    if (const bool byName = TStoredSettings::SortZonesByName();
        FUi->ChkSortByName->isChecked() != byName) {
        FUi->ChkSortByName->setChecked(byName);
        ChangeZoneOrder();
    }
}

void TZonesPage::ShowAutostartEntry()
{
    FUi->ChkRunAtStartup->setChecked(
        UpdateAutostartEntry(false, false, QCoreApplication::applicationFilePath()));
}

void TZonesPage::WriteTo(TOptionsData &options) const
{
    options.SortZonesByName = FUi->ChkSortByName->isChecked();
    options.RunAtStartup = FUi->ChkRunAtStartup->isChecked();
}

bool TZonesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FUi->LstClocks && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            MoveSelectedClock(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
        // Delete does what the remove button next to the list does.
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier &&
            SelectedClockIndex() >= 0) {
            RemoveSelectedClock();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Zone browser

void TZonesPage::FillRegions()
{
    struct TRegionEntry
    {
        QString Text;
        QVariant Tag;
    };
    std::vector<TRegionEntry> entries;
    QStringList seen;
    for (int i = 0; i < FZones->Count(); ++i) {
        const QString &name = FZones->ZoneAt(i)->Name;
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
    FUi->CmbRegions->setUpdatesEnabled(false);
    FUi->CmbRegions->clear();
    for (const TRegionEntry &entry : entries) {
        FUi->CmbRegions->addItem(entry.Text, entry.Tag);
    }
    FUi->CmbRegions->setCurrentIndex(-1);
    FUi->CmbRegions->setUpdatesEnabled(true);
}

void TZonesPage::FillZoneList(const std::optional<QString> &region)
{
    // The list starts over without a choice; whoever fills it chooses.
    const QSignalBlocker blocker(FUi->LstZones->selectionModel());
    FZoneFilter->SetByName(FUi->ChkSortByName->isChecked());
    FZoneFilter->SetRegion(region);
    // The browser lists nothing until a region is first chosen.
    FZoneModel->SetZones(FZones);
    FUi->LstZones->selectionModel()->clear();
}

void TZonesPage::RefreshZoneList()
{
    if (Searching()) {
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

bool TZonesPage::Searching() const
{
    return FZoneFilter->Searching();
}

QString TZonesPage::SelectedRegion() const
{
    return FUi->CmbRegions->currentIndex() < 0 ? QString() : FUi->CmbRegions->currentText();
}

void TZonesPage::ListRegion(const QString &region)
{
    FUi->CmbRegions->setCurrentIndex(FUi->CmbRegions->findText(region, Qt::MatchFixedString));
    RefreshZoneList();
}

void TZonesPage::SelectRegion(const QString &region)
{
    if (SelectedRegion() == region && FUi->CmbRegions->currentIndex() >= 0) {
        return;
    }
    ListRegion(region);
    ChooseFirstZone();
}

void TZonesPage::ShowRegion()
{
    RefreshZoneList();
    ChooseFirstZone();
}

void TZonesPage::ChooseFirstZone()
{
    if (FZoneFilter->rowCount() > 0) {
        SelectZoneRow(0); // shown as chosen
    } else {
        ShowZoneInfo();
    }
}

const TTimeZone *TZonesPage::SelectedZone() const
{
    const QModelIndexList rows = FUi->LstZones->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : FZoneFilter->ZoneAt(rows.first().row());
}

void TZonesPage::ShowChosenZone()
{
    // The info box, which may change the dialog's layout, waits for the
    // typing to pause, so each keystroke repaints no more than the list.
    if (SelectedZone() != nullptr && !FUi->EditZoneSearch->Typing()) {
        ShowZoneInfo();
    }
}

void TZonesPage::ShowZoneInfo()
{
    const TTimeZone *zone = SelectedZone();
    FUi->PreviewClock->SetZone(zone);
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
        SetGroupTitle(FUi->InfoBox, tr(" (no zone) "));
        FUi->PreviewClock->hide();
        FUi->LblOffset->clear();
        showStandardOnly();
        return;
    }
    FUi->PreviewClock->show();
    SetGroupTitle(FUi->InfoBox, u' ' + zone->Name + u' ');
    if (const auto *clock = dynamic_cast<const TCustomisedTimeZone *>(zone);
        clock != nullptr && clock->UnknownZone) {
        showStandardOnly();
        FUi->LblOffset->setText(tr("unknown"));
        FUi->LblDescrip->setText(UnknownZoneHint());
        FUi->LblDescrip->show();
        FitDescription();
        return;
    }
    FUi->LblOffset->setText(GMTText(zone->StandardOffsetTotal(), false) + QStringLiteral(" (") +
                            zone->StandardAbbr + u')');
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

void TZonesPage::FitDescription()
{
    // A rule that takes more lines than the box has grows the dialog, once:
    // it does not shrink back and jump under the pointer for the next zone.
    // Until it is shown the label has no width of its own to wrap at.
    QLabel *descrip = FUi->LblDescrip;
    if (window()->isVisible() && descrip->isVisibleTo(window())) {
        descrip->setMinimumHeight(
            std::max(descrip->minimumHeight(), descrip->heightForWidth(descrip->width())));
        // The box's own minimum height from the form would otherwise hold it,
        // and the dialog, at their first size and cut the text off.
        QGroupBox *box = FUi->InfoBox;
        box->setMinimumHeight(std::max(box->minimumHeight(), box->minimumSizeHint().height()));
    }
}

void TZonesPage::ScrollToChosenZone()
{
    if (const QModelIndex current = FUi->LstZones->currentIndex(); current.isValid()) {
        FUi->LstZones->scrollTo(current, QAbstractItemView::PositionAtTop);
    }
}

void TZonesPage::SetSelectedZone(const TTimeZone *zone)
{
    Q_ASSERT_X(zone != nullptr, "SetSelectedZone", "Value cannot be null");
    if (zone == nullptr || zone == SelectedZone()) {
        return;
    }
    const int index = FZones->IndexOf(zone->Name);
    if (index < 0) {
        return;
    }
    const TTimeZone *own = FZones->ZoneAt(index);
    if (Searching()) {
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
        ListRegion(own->RegionName().isEmpty() ? own->Name : own->RegionName());
        row = ZoneRow(own);
        if (row < 0) {
            ListRegion(AllZonesText());
            row = ZoneRow(own);
        }
    }
    const bool shown = SelectedZone() == own;
    SelectZoneRow(row);
    if (shown) {
        ShowZoneInfo(); // no new choice to show itself
    }
}

int TZonesPage::ZoneRow(const TTimeZone *zone) const
{
    return FZoneFilter->RowOf(zone);
}

void TZonesPage::SelectZoneRow(int row)
{
    const QModelIndex index = FZoneFilter->index(row, 0);
    FUi->LstZones->selectionModel()->setCurrentIndex(
        index, index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear);
    if (index.isValid()) {
        FUi->LstZones->scrollTo(index);
    }
}

void TZonesPage::ChangeZoneOrder()
{
    const TTimeZone *zone = SelectedZone();
    RefreshZoneList();
    if (zone != nullptr && !Searching()) {
        SelectZoneRow(ZoneRow(zone));
    }
    FClockModel->SetByName(FUi->ChkSortByName->isChecked());
    Q_EMIT Edited();
}

void TZonesPage::AddChosenZone()
{
    const TTimeZone *zone = SelectedZone();
    if (zone == nullptr) {
        return; // nothing chosen to add (the zone list is empty)
    }
    // A city the tz database does not name gives the clock its title.
    const TPlaceMatch *match = FUi->EditZoneSearch->SelectedMatch();
    SelectClock(FClockModel->AddClock(*zone, match != nullptr ? match->City : QString()));
    Q_EMIT Wanted();
    FUi->LstClocks->setFocus();
    Q_EMIT Edited();
}

// ---------------------------------------------------------------------------
// Clock list

int TZonesPage::SelectedClockIndex() const
{
    const QModelIndexList rows = FUi->LstClocks->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

TCustomisedTimeZone *TZonesPage::SelectedClock() const
{
    return FClockModel->ClockAt(FClockModel->index(SelectedClockIndex()));
}

void TZonesPage::SelectClock(int index)
{
    if (index != SelectedClockIndex()) {
        QItemSelectionModel *selection = FUi->LstClocks->selectionModel();
        const QSignalBlocker blocker(selection);
        const QModelIndex entry = FClockModel->index(index);
        selection->setCurrentIndex(entry, entry.isValid() ? QItemSelectionModel::ClearAndSelect
                                                          : QItemSelectionModel::Clear);
    }
    ShowSelectedClock();
}

void TZonesPage::ShowSelectedClock()
{
    TCustomisedTimeZone *clock = SelectedClock();
    if (clock == nullptr) {
        SetGroupTitle(FUi->BoxClock, tr(" (no clock) "));
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
        SetGroupTitle(FUi->BoxClock, u' ' + UnknownZoneTitle(clock->CityName()) + u' ');
        return;
    }
    ShowClockCaption(*clock);
}

void TZonesPage::ShowClockCaption(const TCustomisedTimeZone &clock)
{
    // What the clock shows now: daylight time's abbreviation in summer.
    const TClockOffset now = ClockOffsetAt(clock, clock.UseDaylight, NowUTC());
    SetGroupTitle(FUi->BoxClock, u' ' + clock.CityName() + QStringLiteral(" (") + now.Abbr +
                                     QStringLiteral(", ") + GMTText(now.Offset, false) +
                                     QStringLiteral(") "));
}

void TZonesPage::RemoveSelectedClock()
{
    const int index = SelectedClockIndex();
    if (index < 0) {
        return;
    }
    {
        const QSignalBlocker blocker(FUi->LstClocks->selectionModel());
        FClockModel->RemoveClock(index);
    }
    const int count = FClockModel->rowCount();
    SelectClock(count == 0 ? -1 : std::min(index, count - 1));
    Q_EMIT Edited();
}

void TZonesPage::MoveSelectedClock(int step)
{
    const int row = SelectedClockIndex();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= FClockModel->rowCount()) {
        return;
    }
    // As a drop does: the model moves the row, the selection goes with it.
    FClockModel->moveRow({}, row, {}, step < 0 ? to : to + 1);
    FUi->LstClocks->scrollTo(FClockModel->index(to));
}

void TZonesPage::RetitleSelectedClock()
{
    if (FClockModel->setData(FClockModel->index(SelectedClockIndex()),
                             FUi->EditClockTitle->text())) {
        Q_EMIT Edited();
    }
}

void TZonesPage::RestoreEmptyTitle()
{
    if (SelectedClock() != nullptr && FUi->EditClockTitle->text().trimmed().isEmpty()) {
        FUi->EditClockTitle->setText(SelectedClock()->CityName());
        RetitleSelectedClock();
    }
}

void TZonesPage::FollowClockTitle()
{
    const TCustomisedTimeZone *clock = SelectedClock();
    if (clock != nullptr && FUi->EditClockTitle->text() != clock->Title) {
        FUi->EditClockTitle->setText(clock->Title);
    }
}

void TZonesPage::SetSelectedClockDaylight()
{
    if (FClockModel->setData(FClockModel->index(SelectedClockIndex()),
                             FUi->ChkClockUseDaylight->isChecked(),
                             TClockListModel::UseDaylightRole)) {
        ShowClockCaption(*SelectedClock());
        Q_EMIT Edited();
    }
}
