#include "gui/options/zoneform.h"

#include "core/options/clocklistmodel.h"
#include "core/settings/autostart.h"
#include "gui/options/accessiblenames.h"
#include "gui/options/contexthelp.h"
#include "gui/widgets/branding.h"
#include "gui/widgets/brandpainting.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/watermarkbox.h"
#include "ui_zoneform.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

namespace {
// The forms' minimum sizes are the design's, in pixels, which hold at a small
// font only; an explicit minimum also overrides what a control asks for, so a
// button would keep its design height and cut its text in a larger font.
// Each control gets at least what its own hints ask for in the dialog's font.
void GrowDesignMinimums(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QSize design = control->minimumSize();
        if (design.isNull()) {
            continue; // none set: the layout asks the control itself
        }
        const QSizePolicy policy = control->sizePolicy();
        const QSize hint = control->sizeHint();
        const QSize least = control->minimumSizeHint();
        const int width = policy.horizontalPolicy() & QSizePolicy::ShrinkFlag
                              ? least.width()
                              : std::max(hint.width(), least.width());
        const int height = policy.verticalPolicy() & QSizePolicy::ShrinkFlag
                               ? least.height()
                               : std::max(hint.height(), least.height());
        // A dimension the design left at 0 stays the layout's to decide.
        control->setMinimumSize(design.width() > 0 ? std::max(design.width(), width) : 0,
                                design.height() > 0 ? std::max(design.height(), height) : 0);
    }
}
} // namespace

TZoneForm::TZoneForm(const QString &zoneFile, const TClocksState &shown, QWidget *parent)
    : QDialog(parent), FUi(std::make_unique<Ui::TZoneForm>()), FZoneFile(zoneFile)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    // The dialog keeps the desktop's font and size (the application font),
    // which users who need larger text have chosen; its layouts grow with it.
    NameComboBoxesByLabel();
    FUi->setupUi(this);

    // The buttons by role, in the desktop's order, as they always read and
    // without the icons of standard buttons, which the dialog never had and
    // whose theme lookup costs memory at every opening. Enter is OK's alone,
    // also while another button has the focus.
    const auto button = [this](QDialogButtonBox::ButtonRole role, const QString &name,
                               const QString &text) {
        QPushButton *pushButton = FUi->ButtonBox->addButton(text, role);
        pushButton->setObjectName(name);
        pushButton->setMinimumSize(75, 25);
        return pushButton;
    };
    button(QDialogButtonBox::AcceptRole, QStringLiteral("BtnOK"), tr("OK"))->setDefault(true);
    button(QDialogButtonBox::RejectRole, QStringLiteral("BtnCancel"), tr("Cancel"))
        ->setAutoDefault(false);
    FApply = button(QDialogButtonBox::ApplyRole, QStringLiteral("BtnApply"), tr("Apply"));
    FApply->setAutoDefault(false);
    button(QDialogButtonBox::HelpRole, QStringLiteral("BtnHelp"), tr("Help"))
        ->setAutoDefault(false);

    FClockModel = new TClockListModel(FData, this);
    LoadZones();
    FUi->TabClocks->SetUp(FZones, FData, FClockModel);
    FUi->TabAppearance->Open(FClockModel, shown);
    FUi->TabClocks->Open();
    FHelp = new TContextHelp(this);

    connect(FUi->TabClocks, &TZonesPage::Edited, this, [this] { SetModified(true); });
    connect(FUi->TabAppearance, &TAppearancePage::Edited, this, [this] { SetModified(true); });
    connect(FUi->TabClocks, &TZonesPage::Wanted, this,
            [this] { FUi->Tabs->setCurrentWidget(FUi->TabClocks); });
    connect(FUi->Tabs, &QTabWidget::currentChanged, this, &TZoneForm::TabChanged);
    connect(FUi->ButtonBox, &QDialogButtonBox::accepted, this, &TZoneForm::CommitAndClose);
    connect(FApply, &QPushButton::clicked, this, &TZoneForm::ApplyChanges);
    connect(FUi->ButtonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(FUi->ButtonBox, &QDialogButtonBox::helpRequested, this,
            [this] { Q_EMIT HelpRequested(HelpKeywordForPage()); });
    connect(FUi->BrandStrip, &TWatermarkBox::Clicked, this, [] { OpenHomePage(false); });
    connect(FHelp, &TContextHelp::PopupRequested, this, &TZoneForm::HelpPopupRequested);
    // The strip is painted for its size, which follows the dialog's width.
    FUi->BrandStrip->installEventFilter(this);
    // Room for the address in bold in a large desktop font, the design's
    // height in a small one.
    QFont bold = font();
    bold.setBold(true);
    FUi->BrandStrip->setFixedHeight(std::max(26, QFontMetrics(bold).height() + 8));

    FUi->Tabs->setCurrentWidget(FUi->TabClocks);
    FShownPage = FUi->TabClocks;
    SetModified(false);
    GrowDesignMinimums(this);
    // As small as the texts allow.
    resize(minimumSizeHint());
    layout()->activate();
    // The strip is painted when it is first shown: its resize arrives then.
}

TZoneForm::~TZoneForm()
{
    // The pages show the zones and the clocks, which go with the dialog's
    // members, before its children.
    delete FUi->Tabs;
}

void TZoneForm::LoadZones()
{
    try {
        FZones.LoadFromZoneFile(FZoneFile);
    } catch (const Exception &error) {
        SoundMessageDlg(tr("There was an error loading the time zone data:\n") + error.Message(),
                        TMsgDlgType::Error, QMessageBox::Cancel);
        // The program cannot work without its zones; the dialog is still
        // built from what was read, until the event loop ends.
        QCoreApplication::exit(1);
    }
}

// ---------------------------------------------------------------------------
// Commit and closing

void TZoneForm::SetModified(bool modified)
{
    FModified = modified;
    FApply->setEnabled(modified);
}

bool TZoneForm::ApplyChanges()
{
    // An alarm time already passed is never stored unseen: it would ring at
    // once and be gone.
    if (!FUi->TabAppearance->ConfirmAlarmAhead())
        return false;
    // The entries show the titles as they will read back.
    FClockModel->SettleTitles();
    FUi->TabClocks->WriteTo(FData);
    FUi->TabAppearance->WriteTo(FData);
    try {
        FData.Commit(QCoreApplication::applicationFilePath());
    } catch (const EStartupEntryError &error) {
        // All but the start-up entry is stored: the clocks show it, and the
        // box shows the entry as it is, so nothing is left unsaved; ticking
        // it again tries anew. The dialog stays open to be seen.
        SoundMessageDlg(error.Message(), TMsgDlgType::Error, QMessageBox::Ok);
        FUi->TabClocks->ShowAutostartEntry();
        SetModified(false);
        Q_EMIT ChangesApplied(FData.Clocks(), FData.StoredState());
        return false;
    } catch (const Exception &error) {
        SoundMessageDlg(error.Message(), TMsgDlgType::Error, QMessageBox::Ok);
        return false;
    }
    SetModified(false);
    Q_EMIT ChangesApplied(FData.Clocks(), FData.StoredState());
    return true;
}

void TZoneForm::CommitAndClose()
{
    // OK with nothing changed writes nothing.
    if (!FModified || ApplyChanges()) {
        accept();
    }
}

void TZoneForm::showEvent(QShowEvent *event)
{
    if (!FPlaced) {
        FPlaced = true;
        // The list was scrolled to the chosen zone before it had its size.
        FUi->TabClocks->ScrollToChosenZone();
        // The window is not mapped yet: its size must be final now. A size
        // change after mapping races the window manager's placement, which
        // may then put the dialog in the corner. The tab widget passes its
        // pages' growth on only through posted layout requests, so those are
        // handled here rather than after the show.
        for (QSize before; before != size();) {
            before = size();
            layout()->activate();
            FUi->TabClocks->FitDescription();
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

void TZoneForm::TabChanged()
{
    QWidget *page = FUi->Tabs->currentWidget();
    TAppearancePage *appearance = FUi->TabAppearance;
    if (FShownPage == appearance && page != FShownPage && !appearance->AcceptAlarmTime()) {
        // An unfinished alarm time keeps its page, as it keeps the focus:
        // the text it refused is not left behind on a hidden page.
        const QSignalBlocker blocker(FUi->Tabs);
        FUi->Tabs->setCurrentWidget(appearance);
        appearance->FocusAlarmTime();
        return;
    }
    FShownPage = page;
    if (page == FUi->TabAbout) {
        FUi->TabAbout->Load(FZones.Version());
    }
}

// ---------------------------------------------------------------------------
// What the pages answer

QString TZoneForm::SelectedRegion() const
{
    return FUi->TabClocks->SelectedRegion();
}

void TZoneForm::SelectRegion(const QString &region)
{
    FUi->TabClocks->SelectRegion(region);
}

const TTimeZone *TZoneForm::SelectedZone() const
{
    return FUi->TabClocks->SelectedZone();
}

void TZoneForm::SetSelectedZone(const TTimeZone *zone)
{
    FUi->TabClocks->SetSelectedZone(zone);
}

int TZoneForm::SelectedClockIndex() const
{
    return FUi->TabClocks->SelectedClockIndex();
}

TCustomisedTimeZone *TZoneForm::SelectedClock() const
{
    return FUi->TabClocks->SelectedClock();
}

void TZoneForm::SelectClock(int index)
{
    FUi->TabClocks->SelectClock(index);
}

const QStringList &TZoneForm::TimeFormats() const
{
    return FUi->TabAppearance->TimeFormats();
}

const QStringList &TZoneForm::DateFormats() const
{
    return FUi->TabAppearance->DateFormats();
}

QString TZoneForm::SelectedTimeFormat() const
{
    return FUi->TabAppearance->SelectedTimeFormat();
}

QString TZoneForm::SelectedDateFormat() const
{
    return FUi->TabAppearance->SelectedDateFormat();
}

int TZoneForm::PopupTopic() const
{
    return FHelp->PopupTopic();
}

bool TZoneForm::AboutPageLoaded() const
{
    return FUi->TabAbout->Loaded();
}

QString TZoneForm::HelpKeywordForPage() const
{
    const QWidget *page = FUi->Tabs->currentWidget();
    if (page == FUi->TabClocks) {
        return QStringLiteral("AClockList");
    }
    if (page == FUi->TabAppearance) {
        return QStringLiteral("AAppearanceAlarm");
    }
    return QStringLiteral("AContents");
}

// ---------------------------------------------------------------------------
// The strip

bool TZoneForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FUi->BrandStrip && event->type() == QEvent::Resize) {
        BuildWatermarkStrip();
    }
    return QDialog::eventFilter(watched, event);
}

const QImage &TZoneForm::WatermarkStrip() const
{
    return FUi->BrandStrip->Bitmap();
}

void TZoneForm::BuildWatermarkStrip()
{
    const QString address = BrandWebAddress.toString();
    FUi->BrandStrip->setToolTip(address);
    PaintHeaderWatermark(FUi->BrandStrip->Bitmap(), FUi->BrandStrip->size(),
                         FUi->BrandStrip->devicePixelRatioF(), font(), address);
    FUi->BrandStrip->update();
}
