// The options dialog's controls: the form's widgets set up for what the form
// file cannot say (the alarm time's mask follows the user's time separator,
// the date's display format the user's locale), and their signals.
#include "core/options/clocklistmodel.h"
#include "core/options/zonelistmodel.h"
#include "core/time/formatsettings.h"
#include "gui/options/zoneform.h"
#include "gui/options/zonesearchbox.h"
#include "gui/widgets/watermarkbox.h"
#include "gui/widgets/zonedclock.h"
#include "ui_zoneform.h"

#include <QMenu>
#include <QRegularExpressionValidator>
#include <QWhatsThis>
#include <algorithm>

namespace {
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
} // namespace

void TZoneForm::SetUpControls()
{
    FUi->setupUi(this);

    // The stored clock list separates titles with ";", so a title must not hold one.
    FUi->EditClockTitle->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^;]*")), FUi->EditClockTitle));

    FClockModel = new TClockListModel(FData, this);
    FUi->LstClocks->setModel(FClockModel);
    FZoneModel = new TZoneListModel(this);
    FZoneFilter = new TZoneFilterModel(FZoneModel, this);
    FUi->LstZones->setModel(FZoneFilter);
    // An item view takes no name from its label as other controls do: the
    // label's text is its name for screen readers. The zone list has no
    // label of its own; the region box's heads both.
    FUi->LstClocks->setAccessibleName(FUi->Label10->text().remove(u'&'));
    FUi->LstZones->setAccessibleName(FUi->Label3->text().remove(u'&'));
    // Bound before the dialog's own slots are connected, so a region chosen
    // during a search ends the search before the dialog lists the region.
    FUi->EditZoneSearch->Bind(FUi->CmbRegions, FUi->LstZones, FZoneFilter);

    TZonedClock *preview = FUi->ZonedClockTemp;
    preview->SetTimeFormat(QStringLiteral("hh:nn:ss ampm"));
    preview->SetDateFormat(QStringLiteral("dddd d mmmm yyyy"));
    preview->SetDateTimeSeparator(QStringLiteral(" "));
    preview->SetUseDaylight(true);
    preview->SetTransparent(true);
    preview->SetActive(true);

    const QChar separator = FormatSettings().TimeSeparator;
    // Whether the time is whole is asked when the box is left.
    FUi->EditAlarmTime->setValidator(new TAlarmTimeValidator(separator, FUi->EditAlarmTime));
    FUi->EditAlarmTime->setMaxLength(5);
    // Wide enough for the widest time it takes, not a line edit's usual width.
    QLineEdit *time = FUi->EditAlarmTime;
    const QMargins margins = time->textMargins() + time->contentsMargins();
    time->setFixedWidth(
        std::max(41, time->fontMetrics().horizontalAdvance(QStringLiteral("00:00 ")) +
                         margins.left() + margins.right() + 8));
    QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy"))) {
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    FUi->PickerAlarmDate->setDisplayFormat(dateFormat);

    HelpPopup = new QMenu(this);
    HelpPopup->setObjectName(QStringLiteral("HelpPopup"));
    QAction *whatsThis = HelpPopup->addAction(tr("&What's This?"));
    whatsThis->setObjectName(QStringLiteral("Whatsthis1"));
    // Queued: the pop-up opens once the menu has closed, not while it grabs the mouse.
    connect(whatsThis, &QAction::triggered, this, &TZoneForm::Whatsthis1Click,
            Qt::QueuedConnection);
    // Many X11 window managers draw no caption help button: Shift+F1, the
    // desktop's What's This key, enters the same pointer mode.
    addAction(QWhatsThis::createAction(this));

    ConnectControls();
    SetUpContextHelp();
}

void TZoneForm::ConnectControls()
{
    const Ui::TZoneForm &ui = *FUi;
    connect(ui.LstClocks->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TZoneForm::LstClocksClick);
    // A click on the entry already selected changes no selection, yet brings
    // its zone back into the browser.
    connect(ui.LstClocks, &QListView::clicked, this, &TZoneForm::LstClocksClick);
    connect(FClockModel, &QAbstractItemModel::rowsMoved, this, &TZoneForm::ClocksMoved);
    connect(ui.EditClockTitle, &QLineEdit::textEdited, this, &TZoneForm::EditClockTitleChange);
    connect(ui.ChkClockUseDaylight, &QCheckBox::clicked, this,
            &TZoneForm::ChkClockUseDaylightClick);
    connect(ui.BtnRemoveClock, &QPushButton::clicked, this, &TZoneForm::BtnRemoveClockClick);
    connect(ui.ChkRunAtStartup, &QCheckBox::clicked, this, &TZoneForm::ChkRunAtStartupClick);

    connect(ui.CmbRegions, &QComboBox::activated, this, &TZoneForm::CmbRegionsChange);
    connect(ui.LstZones->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TZoneForm::LstZonesClick);
    connect(ui.LstZones, &QListView::doubleClicked, this, &TZoneForm::LstZonesDblClick);
    connect(ui.ChkSortByName, &QCheckBox::clicked, this, &TZoneForm::ChkSortByNameClick);
    connect(ui.BtnAddToClocks, &QPushButton::clicked, this, &TZoneForm::BtnAddToClocksClick);
    connect(ui.EditZoneSearch, &TZoneSearchBox::AddRequested, this,
            &TZoneForm::BtnAddToClocksClick);
    connect(ui.EditZoneSearch, &TZoneSearchBox::FindRequested, this,
            [this] { FUi->PageControl->setCurrentWidget(FUi->TabClocks); });
    connect(ui.EditZoneSearch, &TZoneSearchBox::SearchEnded, this, &TZoneForm::ShowZoneInfo);
    // A choice shows itself; no match leaves the info box empty, not on the
    // zone of an earlier text.
    connect(ui.EditZoneSearch, &TZoneSearchBox::ResultsShown, this, [this] {
        if (SelectedZone() == nullptr && !FUi->EditZoneSearch->Typing()) {
            ShowZoneInfo();
        }
    });
    connect(ui.EditZoneSearch, &TZoneSearchBox::Settled, this, &TZoneForm::ShowZoneInfo);

    connect(ui.ChkShowDate, &QCheckBox::clicked, this, &TZoneForm::ChkShowDateClick);
    connect(ui.ChkShowTime, &QCheckBox::clicked, this, &TZoneForm::ChkShowTimeClick);
    connect(ui.CmbDateFormat, &QComboBox::activated, this, &TZoneForm::CmbTimeFormatChange);
    connect(ui.CmbTimeFormat, &QComboBox::activated, this, &TZoneForm::CmbTimeFormatChange);
    connect(ui.BtnFont, &QPushButton::clicked, this, &TZoneForm::BtnFontClick);
    connect(ui.BtnFontColor, &QPushButton::clicked, this, &TZoneForm::BtnFontColorClick);
    connect(ui.BtnDefaults, &QPushButton::clicked, this, &TZoneForm::BtnDefaultsClick);
    connect(ui.ChkSetAlarm, &QCheckBox::clicked, this, &TZoneForm::ChkSetAlarmClick);
    connect(ui.CmbAlarmClocks, &QComboBox::activated, this, &TZoneForm::CmbAlarmClocksChange);
    connect(ui.EditAlarmTime, &QLineEdit::textEdited, this, &TZoneForm::EditAlarmTimeChange);
    connect(ui.PickerAlarmDate, &QDateEdit::dateChanged, this, &TZoneForm::PickerAlarmDateChange);

    connect(ui.PageControl, &QTabWidget::currentChanged, this, &TZoneForm::PageControlChange);
    connect(ui.WebBrowser, &QTextBrowser::anchorClicked, this, &TZoneForm::WebBrowserLinkClick);
    connect(ui.BtnHelp, &QPushButton::clicked, this, &TZoneForm::BtnHelpClick);
    connect(ui.PBox, &TWatermarkBox::Clicked, this, &TZoneForm::PBoxClick);
    connect(ui.BtnOK, &QPushButton::clicked, this, &TZoneForm::BtnOKClick);
    connect(ui.BtnCancel, &QPushButton::clicked, this, &TZoneForm::BtnCancelClick);
    connect(ui.BtnApply, &QPushButton::clicked, this, &TZoneForm::BtnApplyClick);
}
