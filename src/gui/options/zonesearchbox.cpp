#include "zonesearchbox.h"

#include "core/options/zonelistmodel.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

// Long enough to cover the gap between two keystrokes of someone typing.
constexpr int SettleMSecs = 150;

} // namespace

TZoneSearchBox::TZoneSearchBox(QWidget *parent) : QLineEdit(parent)
{
    setPlaceholderText(tr("Search for a city, country or abbreviation"));
    // Screen readers name an edit box by its label; this one has only the hint.
    setAccessibleName(placeholderText());
    setClearButtonEnabled(true);
    // Qt's clear button has a picture and no name.
    if (auto *clear = findChild<QToolButton *>()) {
        clear->setObjectName(QStringLiteral("BtnClearSearch"));
        clear->setAccessibleName(tr("Clear the search"));
        clear->setToolTip(clear->accessibleName());
    }
    connect(this, &QLineEdit::textChanged, this, &TZoneSearchBox::Search);
    FSettle.setSingleShot(true);
    FSettle.setInterval(SettleMSecs);
    connect(&FSettle, &QTimer::timeout, this, &TZoneSearchBox::Settled);
}

TZoneSearchBox::~TZoneSearchBox() = default;

void TZoneSearchBox::Bind(QComboBox *regions, QAbstractItemView *list, TZoneFilterModel *shown)
{
    clear();
    FRegions = regions;
    FList = list;
    FShown = shown;
    connect(FRegions, &QComboBox::activated, this, &TZoneSearchBox::RegionActivated);
    FList->installEventFilter(this);
    // On the window, so it works wherever the focus is.
    FFind = new QShortcut(QKeySequence::Find, window());
    connect(this, &QObject::destroyed, FFind, &QObject::deleteLater);
    connect(FFind, &QShortcut::activated, this, [this] {
        Q_EMIT FindRequested();
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
}

void TZoneSearchBox::SetZones(const TTimeZoneList &zones)
{
    clear();
    FZones = &zones;
    FSearch.reset();
}

bool TZoneSearchBox::Searching() const
{
    return FShown != nullptr && FShown->Searching();
}

int TZoneSearchBox::ResultsEntry() const
{
    return FRegions == nullptr ? -1 : FRegions->findData(ResultsTag, TagRole);
}

const TPlaceMatch *TZoneSearchBox::SelectedMatch() const
{
    if (!Searching() || FList == nullptr || FShown == nullptr) {
        return nullptr;
    }
    const QModelIndexList rows = FList->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : FShown->MatchAt(rows.first().row());
}

const TTimeZone *TZoneSearchBox::SelectedZone() const
{
    const QModelIndexList rows = FList->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : FShown->ZoneAt(rows.first().row());
}

void TZoneSearchBox::SelectRow(int row)
{
    const QModelIndex index = FShown->index(row, 0);
    if (row < 0 || !(index.flags() & Qt::ItemIsSelectable)) {
        FList->selectionModel()->clear();
        return;
    }
    FList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    FList->scrollTo(index);
}

void TZoneSearchBox::Search(const QString &text)
{
    if (FRegions == nullptr || FList == nullptr || FShown == nullptr) {
        return;
    }
    if (text.isEmpty()) {
        if (Searching()) {
            EndSearch(true);
        }
        return;
    }
    if (!Searching()) {
        BeginSearch();
    }
    if (hasFocus()) {
        FSettle.start();
    }
    // The place table is read at the first search, not with the dialog:
    // most openings never search.
    if (FSearch == nullptr && FZones != nullptr) {
        FSearch = std::make_unique<TZoneSearch>(*FZones);
    }
    FShown->ShowMatches(FSearch == nullptr ? std::vector<TPlaceMatch>() : FSearch->Find(text));
    SelectRow(0);
    Q_EMIT ResultsShown();
}

void TZoneSearchBox::BeginSearch()
{
    FRegionBefore = FRegions->currentIndex();
    FZoneBefore = SelectedZone();
    const QSignalBlocker blocker(FRegions);
    FRegions->insertItem(0, tr("(Search results)"), ResultsTag);
    FRegions->setCurrentIndex(0);
}

void TZoneSearchBox::EndSearch(bool restoreRegion)
{
    {
        const QSignalBlocker blocker(FRegions);
        const int entry = ResultsEntry();
        const int chosen = FRegions->currentIndex();
        FRegions->removeItem(entry);
        if (restoreRegion) {
            FRegions->setCurrentIndex(FRegionBefore);
        } else {
            FRegions->setCurrentIndex(chosen > entry ? chosen - 1 : chosen);
        }
    }
    FShown->ShowZones();
    if (restoreRegion) {
        SelectRow(FShown->RowOf(FZoneBefore));
    }
    // No longer searching: the text cleared here starts no search of its own.
    clear();
    FZoneBefore = nullptr;
    Q_EMIT SearchEnded();
}

void TZoneSearchBox::RegionActivated(int index)
{
    // Another region chosen ends the search there.
    if (Searching() && index != ResultsEntry()) {
        EndSearch(false);
    }
}

void TZoneSearchBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!text().isEmpty()) {
            clear();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter adds the match rather than closing the dialog; with no match
        // it does nothing.
        if (Searching()) {
            if (SelectedMatch() != nullptr) {
                Q_EMIT AddRequested();
            }
            event->accept();
            return;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (FList != nullptr && event->modifiers() == Qt::NoModifier) {
            QCoreApplication::sendEvent(FList, event);
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

bool TZoneSearchBox::eventFilter(QObject *watched, QEvent *event)
{
    // Typing on the zone list types into the box.
    if (watched == FList && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        const bool plain =
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
        if (plain && !typed.trimmed().isEmpty() && typed.front().isPrint()) {
            setFocus(Qt::OtherFocusReason);
            end(false);
            insert(typed);
            return true;
        }
    }
    return QLineEdit::eventFilter(watched, event);
}
