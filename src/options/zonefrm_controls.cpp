// The options dialog's controls: their creation, names, tab order, and
// their places for the font in use.
#include "components/watermarkbox.h"
#include "components/zonedclock.h"
#include "options/zonefrm.h"
#include "options/zonelistmodel.h"
#include "platform/datetime.h"
#include "platform/formatsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QWhatsThis>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace {
QString WithoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

QLabel *MakeLabel(const QString &text, QWidget *parent, QWidget *buddy = nullptr)
{
    auto *label = new QLabel(text, parent);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
    }
    return label;
}
} // namespace

void TZoneForm::CreateControls()
{
    PageControl = new QTabWidget(this);
    TabClocks = new QWidget;
    TabAppearance = new QWidget;
    PageAbout = new QWidget;
    PageControl->addTab(TabClocks, tr("Clocks and Time Zones"));
    PageControl->addTab(TabAppearance, tr("Appearance and Alarm"));
    PageControl->addTab(PageAbout, tr("About Vorkel"));

    CreateClocksTab();
    CreateZoneBrowser();
    CreateAppearanceTab();
    CreateButtons();
    CreateAboutPage();
    SetTabOrder();
    NameControls();
    SetUpContextHelp();
}

void TZoneForm::CreateClocksTab()
{
    QWidget *tab = TabClocks;
    LstClocks = new QListWidget(tab);
    LstClocks->setSelectionMode(QAbstractItemView::SingleSelection);
    LstClocks->setUniformItemSizes(true);
    LstClocks->viewport()->installEventFilter(this);
    Label10 = MakeLabel(tr("Your &clocks:"), tab, LstClocks);

    BoxClock = new QGroupBox(tr(" (no clock) "), tab);
    EditClockTitle = new QLineEdit(BoxClock);
    // The stored clock list separates titles with ";", so a title must not hold one.
    EditClockTitle->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^;]*")), EditClockTitle));
    EditClockTitle->installEventFilter(this);
    Label4 = MakeLabel(tr("&Clock title:"), BoxClock, EditClockTitle);
    ChkClockUseDaylight = new QCheckBox(tr("Use &daylight time when necessary"), BoxClock);
    BtnRemoveClock = new QPushButton(tr("R&emove"), BoxClock);
    ChkRunAtStartup = new QCheckBox(tr("&Run Vorkel Clocks when I log in"), tab);
    connect(ChkRunAtStartup, &QCheckBox::clicked, this, &TZoneForm::ChkRunAtStartupClick);

    connect(LstClocks, &QListWidget::itemSelectionChanged, this, &TZoneForm::LstClocksClick);
    // A click on the entry already selected changes no selection, yet brings
    // its zone back into the browser.
    connect(LstClocks, &QListWidget::itemClicked, this, &TZoneForm::LstClocksClick);
    connect(EditClockTitle, &QLineEdit::textEdited, this, &TZoneForm::EditClockTitleChange);
    connect(ChkClockUseDaylight, &QCheckBox::clicked, this, &TZoneForm::ChkClockUseDaylightClick);
    connect(BtnRemoveClock, &QPushButton::clicked, this, &TZoneForm::BtnRemoveClockClick);
}

void TZoneForm::CreateZoneBrowser()
{
    QWidget *tab = TabClocks;
    CmbRegions = new QComboBox(tab);
    Label3 = MakeLabel(tr("&Time zones:"), tab, CmbRegions);
    FZoneModel = new TZoneListModel(this);
    FZoneFilter = new TZoneFilterModel(FZoneModel, this);
    LstZones = new QListView(tab);
    LstZones->setModel(FZoneFilter);
    LstZones->setSelectionMode(QAbstractItemView::SingleSelection);
    LstZones->setUniformItemSizes(true);
    BtnAddToClocks = new QPushButton(tr("< &Add a Clock"), tab);

    InfoBox = new QGroupBox(tab);
    ZonedClockTemp = new TZonedClock(InfoBox);
    ZonedClockTemp->SetTimeFormat(QStringLiteral("hh:nn:ss ampm"));
    ZonedClockTemp->SetDateFormat(QStringLiteral("dddd d mmmm yyyy"));
    ZonedClockTemp->SetDateTimeSeparator(QStringLiteral(" "));
    ZonedClockTemp->SetUseDaylight(true);
    ZonedClockTemp->SetTransparent(true);
    ZonedClockTemp->SetActive(true);
    LblStdTitle = MakeLabel(tr("Standard offset:"), InfoBox);
    LblStdTitle->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LblOffset = MakeLabel(QString(), InfoBox);
    LblDayTitle = MakeLabel(tr("Daylight offset:"), InfoBox);
    LblDayTitle->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LblDayOffset = MakeLabel(QString(), InfoBox);
    LblDescrip = MakeLabel(QString(), InfoBox);
    LblDescrip->setWordWrap(true);
    LblDescrip->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ChkSortByName = new QCheckBox(tr("&Sort time zones by name, not GMT offset"), tab);
    ChkSortByName->setChecked(true);
    ChkSortByName->setToolTip(tr("Groups time zones by name instead of by GMT offset."));

    connect(CmbRegions, &QComboBox::activated, this, &TZoneForm::CmbRegionsChange);
    connect(LstZones->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TZoneForm::LstZonesClick);
    connect(LstZones, &QListView::doubleClicked, this, &TZoneForm::LstZonesDblClick);
    connect(ChkSortByName, &QCheckBox::clicked, this, &TZoneForm::ChkSortByNameClick);
    connect(BtnAddToClocks, &QPushButton::clicked, this, &TZoneForm::BtnAddToClocksClick);
}

void TZoneForm::CreateAppearanceTab()
{
    GroupAppearance = new QGroupBox(tr(" Appearance "), TabAppearance);
    QWidget *box = GroupAppearance;
    ChkShowDate = new QCheckBox(tr("Show the &date on the clocks"), box);
    ChkShowDate->setChecked(true);
    CmbDateFormat = new QComboBox(box);
    Label7 = MakeLabel(tr("&Format:"), box, CmbDateFormat);
    BtnFont = new QPushButton(tr("Clock Fo&nt..."), box);
    // The platform font dialog chooses no colour; this button does.
    BtnFontColor = new QPushButton(tr("Co&lour..."), box);
    LblFont = MakeLabel(QString(), box);
    LblFont->setWordWrap(true);
    LblFont->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ChkShowTime = new QCheckBox(tr("Show the &time on the clocks"), box);
    ChkShowTime->setChecked(true);
    CmbTimeFormat = new QComboBox(box);
    Label9 = MakeLabel(tr("F&ormat:"), box, CmbTimeFormat);
    BtnDefaults = new QPushButton(tr("D&efaults"), box);

    GroupAlarm = new QGroupBox(tr(" Alarm "), TabAppearance);
    box = GroupAlarm;
    ChkSetAlarm = new QCheckBox(tr("Set an &alarm to go off:"), box);
    CmbAlarmClocks = new QComboBox(box);
    CmbAlarmClocks->setEnabled(false);
    Label8 = MakeLabel(tr("&Clock to use:"), box, CmbAlarmClocks);
    EditAlarmTime = new QLineEdit(box);
    const QChar separator = FormatSettings().TimeSeparator;
    const QString maskSeparator = QStringLiteral("AaNnXx90DdHhBb><!;[]{}#\\").contains(separator)
                                      ? QStringLiteral("\\") + separator
                                      : QString(separator);
    // One optional and one required hour digit, two required minute digits,
    // blanks shown as spaces.
    EditAlarmTime->setInputMask(QStringLiteral("09") + maskSeparator + QStringLiteral("99; "));
    EditAlarmTime->setEnabled(false);
    EditAlarmTime->installEventFilter(this);
    Label11 = MakeLabel(tr("&Date and time (in 24-hour format):"), box, EditAlarmTime);
    Label12 = MakeLabel(tr("on"), box);
    PickerAlarmDate = new QDateEdit(box);
    PickerAlarmDate->setCalendarPopup(false);
    QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy"))) {
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    PickerAlarmDate->setDisplayFormat(dateFormat);
    PickerAlarmDate->setEnabled(false);

    connect(ChkShowDate, &QCheckBox::clicked, this, &TZoneForm::ChkShowDateClick);
    connect(ChkShowTime, &QCheckBox::clicked, this, &TZoneForm::ChkShowTimeClick);
    connect(CmbDateFormat, &QComboBox::activated, this, &TZoneForm::CmbTimeFormatChange);
    connect(CmbTimeFormat, &QComboBox::activated, this, &TZoneForm::CmbTimeFormatChange);
    connect(BtnFont, &QPushButton::clicked, this, &TZoneForm::BtnFontClick);
    connect(BtnFontColor, &QPushButton::clicked, this, &TZoneForm::BtnFontColorClick);
    connect(BtnDefaults, &QPushButton::clicked, this, &TZoneForm::BtnDefaultsClick);
    connect(ChkSetAlarm, &QCheckBox::clicked, this, &TZoneForm::ChkSetAlarmClick);
    connect(CmbAlarmClocks, &QComboBox::activated, this, &TZoneForm::CmbAlarmClocksChange);
    connect(EditAlarmTime, &QLineEdit::textEdited, this, &TZoneForm::EditAlarmTimeChange);
    connect(PickerAlarmDate, &QDateEdit::dateChanged, this, &TZoneForm::PickerAlarmDateChange);
}

void TZoneForm::CreateButtons()
{
    BtnHelp = new QPushButton(tr("Help"), this);
    BtnOK = new QPushButton(tr("OK"), this);
    BtnCancel = new QPushButton(tr("Cancel"), this);
    BtnApply = new QPushButton(tr("Apply"), this);
    BtnOK->setDefault(true);
    for (QPushButton *button : {BtnHelp, BtnCancel, BtnApply, BtnAddToClocks, BtnRemoveClock,
                                BtnFont, BtnFontColor, BtnDefaults}) {
        button->setAutoDefault(false);
    }
    PBox = new TWatermarkBox(this);
    HelpPopup = new QMenu(this);
    Whatsthis1 = HelpPopup->addAction(tr("&What's This?"));
    // Queued: the pop-up opens once the menu has closed, not while it grabs the mouse.
    connect(Whatsthis1, &QAction::triggered, this, &TZoneForm::Whatsthis1Click,
            Qt::QueuedConnection);
    // Many X11 window managers draw no caption help button: Shift+F1, the
    // desktop's What's This key, enters the same pointer mode.
    addAction(QWhatsThis::createAction(this));

    connect(BtnHelp, &QPushButton::clicked, this, &TZoneForm::BtnHelpClick);
    connect(PBox, &TWatermarkBox::Clicked, this, &TZoneForm::PBoxClick);
    connect(BtnOK, &QPushButton::clicked, this, &TZoneForm::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TZoneForm::BtnCancelClick);
    connect(BtnApply, &QPushButton::clicked, this, &TZoneForm::BtnApplyClick);
}

double TZoneForm::WidthScale() const
{
    // The design is for Tahoma 8 pt at 96 dpi. A wider face stretches the
    // whole dialog across, by as much as its tightest text needs, so every
    // text shows whole and the controls keep their places relative to each
    // other.
    const QFontMetrics metrics(font());
    QFont boldFont = font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    const auto text = [&metrics](const QWidget *widget) {
        QString caption;
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            caption = button->text();
        } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            caption = label->text();
        }
        return metrics.horizontalAdvance(WithoutMnemonic(caption));
    };
    const int checkChrome = ChkSortByName->sizeHint().width() - text(ChkSortByName);
    double scale = 1.0;
    const auto need = [&scale](double required, double designWidth) {
        scale = std::max(scale, required / designWidth);
    };
    for (const auto &[check, width] :
         std::initializer_list<std::pair<QCheckBox *, int>>{{ChkClockUseDaylight, 185},
                                                            {ChkRunAtStartup, 217},
                                                            {ChkSortByName, 225},
                                                            {ChkShowDate, 161},
                                                            {ChkShowTime, 169},
                                                            {ChkSetAlarm, 135}}) {
        need(text(check) + checkChrome, width);
    }
    for (const auto &[button, width] :
         std::initializer_list<std::pair<QPushButton *, int>>{{BtnRemoveClock, 75},
                                                              {BtnAddToClocks, 83},
                                                              {BtnFont, 75},
                                                              {BtnFontColor, 75},
                                                              {BtnDefaults, 75},
                                                              {BtnHelp, 75},
                                                              {BtnOK, 75},
                                                              {BtnCancel, 75},
                                                              {BtnApply, 75}}) {
        need(text(button) + 12, width);
    }
    // Labels in front of the control they name.
    need(text(Label7) + 4, 80 - 32);
    need(text(Label9) + 4, 80 - 32);
    need(text(Label8) + 4, 96 - 27);
    need(text(Label12) + 2, 102 - 86);
    need(text(Label11), 457 - 27 - 8);
    // The offset titles in bold, right-aligned against their values.
    need(8 + OffsetTitleWidth() + 7 + bold.horizontalAdvance(QStringLiteral("GMT +10:00 (AEDT)")) +
             8,
         233);
    // The preview clock's longest day and month names.
    const TDateTime longest = EncodeDateTime(2026, 9, 30, 23, 59, 59, 0);
    need(metrics.horizontalAdvance(ZonedClockTemp->ClockText(longest)), 233 - 13 - 6);
    // The samples of the format lists, beside the drop-down arrow.
    for (const QComboBox *combo : {CmbDateFormat, CmbTimeFormat}) {
        for (int i = 0; i < combo->count(); ++i) {
            need(metrics.horizontalAdvance(combo->itemText(i)) + 30, 145);
        }
    }
    need(metrics.horizontalAdvance(QStringLiteral("00:00")) + 12, 41);
    need(PickerAlarmDate->sizeHint().width(), 103);
    need(PageControl->tabBar()->sizeHint().width() + 8, 485);
    return scale;
}

int TZoneForm::OffsetTitleWidth() const
{
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return std::max(metrics.horizontalAdvance(LblStdTitle->text()),
                    metrics.horizontalAdvance(LblDayTitle->text()));
}

void TZoneForm::ArrangeControls()
{
    const double scale = WidthScale();
    const auto x = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    // Heights come from the style where a one-line control needs more.
    const auto put = [&x](QWidget *widget, int left, int top, int width, int height = -1) {
        const bool oneLine = qobject_cast<QAbstractButton *>(widget) != nullptr ||
                             qobject_cast<QComboBox *>(widget) != nullptr ||
                             qobject_cast<QLineEdit *>(widget) != nullptr ||
                             qobject_cast<QAbstractSpinBox *>(widget) != nullptr;
        const int hint = widget->sizeHint().height();
        if (height < 0) {
            height = hint;
        } else if (oneLine) {
            height = std::max(height, hint);
        }
        widget->setGeometry(x(left), top, x(width), height);
    };
    const auto label = [&x](QWidget *widget, int left, int top) {
        widget->adjustSize();
        widget->move(x(left), top);
    };

    // Clock list.
    label(Label10, 8, 8);
    put(LstClocks, 8, 24, 217, 134);
    put(BoxClock, 8, 160, 217, 137);
    label(Label4, 8, 20);
    put(EditClockTitle, 16, 36, 193);
    put(ChkClockUseDaylight, 16, 64, 185);
    put(BtnRemoveClock, 128, 104, 75, 25);
    put(ChkRunAtStartup, 8, 304, 217);

    // Zone browser.
    label(Label3, 240, 8);
    put(CmbRegions, 240, 24, 233);
    const int zonesTop = std::max(50, CmbRegions->geometry().bottom() + 3);
    put(LstZones, 240, zonesTop, 233, 132 - zonesTop);
    put(BtnAddToClocks, 388, 136, 83, 25);
    put(InfoBox, 240, 160, 233, 137);
    ZonedClockTemp->move(x(13), 20);
    const int rowHeight = std::max(16, QFontMetrics(font()).height() + 2);
    // The offset titles are right-aligned against their values and may be
    // bold: they take what the bold text needs.
    const int titleWidth = OffsetTitleWidth();
    const int valueLeft = std::max(x(102), 8 + titleWidth + 7);
    for (const auto &[title, value, top] :
         {std::tuple{LblStdTitle, LblOffset, 36},
          std::tuple{LblDayTitle, LblDayOffset, 36 + rowHeight}}) {
        title->setGeometry(valueLeft - 7 - titleWidth, top, titleWidth, rowHeight);
        value->setGeometry(valueLeft, top, InfoBox->width() - 8 - valueLeft, rowHeight);
    }
    const int descripTop = std::max(72, 36 + 2 * rowHeight + 4);
    put(LblDescrip, 8, descripTop, 217, 137 - descripTop - 4);
    put(ChkSortByName, 240, 308, 225);

    // Appearance.
    put(GroupAppearance, 8, 8, 457, 153);
    put(ChkShowDate, 8, 24, 161);
    label(Label7, 32, 48);
    put(CmbDateFormat, 80, 44, 145);
    put(BtnFont, 240, 18, 75, 25);
    put(BtnFontColor, 240, 48, 75, 25);
    put(LblFont, 320, 24, 129, 33 + 40);
    put(ChkShowTime, 8, 72, 169);
    label(Label9, 32, 96);
    put(CmbTimeFormat, 80, 92, 145);
    put(BtnDefaults, 240, 120, 75, 25);

    // Alarm.
    put(GroupAlarm, 8, 168, 457, 153);
    put(ChkSetAlarm, 8, 24, 135);
    label(Label8, 27, 52);
    put(CmbAlarmClocks, 96, 48, 183);
    label(Label11, 27, 76);
    put(EditAlarmTime, 40, 100, 41);
    put(PickerAlarmDate, 102, 100, 103);
    label(Label12, 86, 0);
    Label12->move(Label12->x(),
                  EditAlarmTime->y() + (EditAlarmTime->height() - Label12->height()) / 2);
    for (QLabel *name : {Label7, Label8, Label9}) {
        // Level with the text of the box beside it.
        const QWidget *buddy = name->buddy();
        name->move(name->x(), buddy->y() + (buddy->height() - name->height()) / 2);
    }

    // The pages are not laid out before the dialog is shown: the tab bar's
    // own height tells how much room they lose.
    int pageHeight = 0;
    for (QWidget *page : {TabClocks, TabAppearance}) {
        for (const QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            pageHeight = std::max(pageHeight, child->geometry().bottom() + 6);
        }
    }
    const int tabHeight =
        std::max(357, pageHeight + PageControl->tabBar()->sizeHint().height() + 6);
    const int grow = tabHeight - 357;
    put(PageControl, 4, 4, 485, tabHeight);
    put(BtnHelp, 8, 368 + grow, 75, 25);
    put(BtnOK, 248, 368 + grow, 75, 25);
    put(BtnCancel, 328, 368 + grow, 75, 25);
    put(BtnApply, 408, 368 + grow, 75, 25);
    put(PBox, 0, 400 + grow, 492, 26);
    setFixedSize(x(492), 426 + grow);
}

void TZoneForm::NameControls()
{
    // Object names follow the member names: help texts, style sheets and
    // tests find the controls by them.
    const std::initializer_list<std::pair<QWidget *, const char *>> names = {
        {PageControl, "PageControl"},
        {TabClocks, "TabClocks"},
        {TabAppearance, "TabAppearance"},
        {PageAbout, "PageAbout"},
        {BtnHelp, "BtnHelp"},
        {BtnOK, "BtnOK"},
        {BtnCancel, "BtnCancel"},
        {BtnApply, "BtnApply"},
        {PBox, "PBox"},
        {WebBrowser, "WebBrowser"},
        {HelpPopup, "HelpPopup"},
        {Label10, "Label10"},
        {LstClocks, "LstClocks"},
        {BoxClock, "BoxClock"},
        {Label4, "Label4"},
        {EditClockTitle, "EditClockTitle"},
        {ChkClockUseDaylight, "ChkClockUseDaylight"},
        {BtnRemoveClock, "BtnRemoveClock"},
        {ChkRunAtStartup, "ChkRunAtStartup"},
        {Label3, "Label3"},
        {CmbRegions, "CmbRegions"},
        {LstZones, "LstZones"},
        {BtnAddToClocks, "BtnAddToClocks"},
        {InfoBox, "InfoBox"},
        {ZonedClockTemp, "ZonedClockTemp"},
        {LblStdTitle, "LblStdTitle"},
        {LblOffset, "LblOffset"},
        {LblDayTitle, "LblDayTitle"},
        {LblDayOffset, "LblDayOffset"},
        {LblDescrip, "LblDescrip"},
        {ChkSortByName, "ChkSortByName"},
        {GroupAppearance, "GroupAppearance"},
        {ChkShowDate, "ChkShowDate"},
        {Label7, "Label7"},
        {CmbDateFormat, "CmbDateFormat"},
        {BtnFont, "BtnFont"},
        {BtnFontColor, "BtnFontColor"},
        {LblFont, "LblFont"},
        {ChkShowTime, "ChkShowTime"},
        {Label9, "Label9"},
        {CmbTimeFormat, "CmbTimeFormat"},
        {BtnDefaults, "BtnDefaults"},
        {GroupAlarm, "GroupAlarm"},
        {ChkSetAlarm, "ChkSetAlarm"},
        {Label8, "Label8"},
        {CmbAlarmClocks, "CmbAlarmClocks"},
        {Label11, "Label11"},
        {EditAlarmTime, "EditAlarmTime"},
        {Label12, "Label12"},
        {PickerAlarmDate, "PickerAlarmDate"}};
    for (const auto &[widget, name] : names) {
        widget->setObjectName(QLatin1String(name));
    }
}

void TZoneForm::SetTabOrder()
{
    const QList<QWidget *> order = {
        PageControl,     LstClocks,     EditClockTitle, ChkClockUseDaylight,
        BtnRemoveClock,  CmbRegions,    LstZones,       BtnAddToClocks,
        ChkRunAtStartup, ChkSortByName, ChkShowDate,    CmbDateFormat,
        BtnFont,         BtnFontColor,  ChkShowTime,    CmbTimeFormat,
        BtnDefaults,     ChkSetAlarm,   CmbAlarmClocks, EditAlarmTime,
        PickerAlarmDate, BtnOK,         BtnCancel,      BtnApply,
        BtnHelp};
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}
