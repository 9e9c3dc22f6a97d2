#include "zonefrm.h"

#include "clocks/clocksfrm.h"
#include "clocks/common.h"
#include "clocks/defreg.h"
#include "components/branding.h"
#include "components/clockfont.h"
#include "components/gmsgdlg.h"
#include "components/graphhelp.h"
#include "components/urllabel.h"
#include "components/vorkelresources.h"
#include "components/watermarkbox.h"
#include "components/zonedclock.h"
#include "platform/autostart.h"
#include "platform/datetimeformat.h"
#include "platform/formatsettings.h"
#include "platform/help.h"
#include "platform/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <algorithm>
#include <cmath>
#include <tuple>

QPointer<TZoneForm> ZoneForm;

namespace {
const QString AllZonesText = QStringLiteral("(List all zones)");
constexpr int AllZonesTag = 1;
constexpr int TagRole = Qt::UserRole;
constexpr int ObjectRole = Qt::UserRole + 1;
// The dynamic property holding a control's pop-up topic number.
constexpr char HelpContextProperty[] = "HelpContext";

TZoneForm::TFontChooser &FontChooser()
{
    static TZoneForm::TFontChooser chooser;
    return chooser;
}

template <typename T> T *ObjectOf(const QVariant &data)
{
    return reinterpret_cast<T *>(data.value<quintptr>());
}

QVariant VariantOf(const void *object)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(object));
}

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

void ShowZoneForm()
{
    if (ZoneForm.isNull()) {
        TZoneForm *form = new TZoneForm; // deletes itself when closed
        ZoneForm = form;
        if (ClocksForm != nullptr) {
            // The dialog commits into the clocks window: it goes when the window goes.
            QObject::connect(ClocksForm, &QObject::destroyed, form, [form] { delete form; });
        }
    }
    ZoneForm->show();
    ZoneForm->raise();
    ZoneForm->activateWindow();
}

TZoneForm::TZoneForm(QWidget *parent) : TZoneForm(DefaultZoneFile(), parent) {}

TZoneForm::TZoneForm(const QString &zoneFile, QWidget *parent)
    : QDialog(parent), FZoneFile(zoneFile)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vorkel Clocks - Options"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setFont(DesignFont());
    CreateControls();
    FormCreate();
}

TZoneForm::~TZoneForm()
{
    // The preview clock refers into Zones, which goes first otherwise.
    if (ZonedClockTemp != nullptr) {
        ZonedClockTemp->SetActive(false);
        ZonedClockTemp->SetZone(nullptr);
    }
}

QString TZoneForm::DefaultZoneFile()
{
    return TClocksForm::ZoneFilePath();
}

void TZoneForm::SetFontChooser(TFontChooser chooser)
{
    FontChooser() = std::move(chooser);
}

// ---------------------------------------------------------------------------
// Controls

void TZoneForm::CreateControls()
{
    PageControl = new QTabWidget(this);
    TabClocks = new QWidget;
    TabAppearance = new QWidget;
    PageAbout = new QWidget;
    PageControl->addTab(TabClocks, QStringLiteral("Clocks and Time Zones"));
    PageControl->addTab(TabAppearance, QStringLiteral("Appearance and Alarm"));
    PageControl->addTab(PageAbout, QStringLiteral("About Vorkel"));

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
    Label10 = MakeLabel(QStringLiteral("Your &clocks:"), tab, LstClocks);

    BoxClock = new QGroupBox(QStringLiteral(" (no clock) "), tab);
    EditClockTitle = new QLineEdit(BoxClock);
    // The stored clock list separates titles with ";", so a title must not hold one.
    EditClockTitle->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^;]*")), EditClockTitle));
    EditClockTitle->installEventFilter(this);
    Label4 = MakeLabel(QStringLiteral("&Clock title:"), BoxClock, EditClockTitle);
    ChkClockUseDaylight =
        new QCheckBox(QStringLiteral("Use &daylight time when necessary"), BoxClock);
    BtnRemoveClock = new QPushButton(QStringLiteral("R&emove"), BoxClock);
    ChkRunAtStartup = new QCheckBox(QStringLiteral("&Run Vorkel Clocks when Windows starts"), tab);
    connect(ChkRunAtStartup, &QCheckBox::clicked, this, &TZoneForm::ChkRunAtStartupClick);

    connect(LstClocks, &QListWidget::itemSelectionChanged, this, &TZoneForm::LstClocksClick);
    connect(EditClockTitle, &QLineEdit::textEdited, this, &TZoneForm::EditClockTitleChange);
    connect(ChkClockUseDaylight, &QCheckBox::clicked, this, &TZoneForm::ChkClockUseDaylightClick);
    connect(BtnRemoveClock, &QPushButton::clicked, this, &TZoneForm::BtnRemoveClockClick);
}

void TZoneForm::CreateZoneBrowser()
{
    QWidget *tab = TabClocks;
    CmbRegions = new QComboBox(tab);
    Label3 = MakeLabel(QStringLiteral("&Time zones:"), tab, CmbRegions);
    LstZones = new QListWidget(tab);
    LstZones->setSelectionMode(QAbstractItemView::SingleSelection);
    LstZones->setUniformItemSizes(true);
    BtnAddToClocks = new QPushButton(QStringLiteral("< &Add a Clock"), tab);

    InfoBox = new QGroupBox(tab);
    ZonedClockTemp = new TZonedClock(InfoBox);
    ZonedClockTemp->SetTimeFormat(QStringLiteral("hh:nn:ss ampm"));
    ZonedClockTemp->SetDateFormat(QStringLiteral("dddd d mmmm yyyy"));
    ZonedClockTemp->SetDateTimeSeparator(QStringLiteral(" "));
    ZonedClockTemp->SetUseDaylight(true);
    ZonedClockTemp->SetTransparent(true);
    ZonedClockTemp->SetActive(true);
    LblStdTitle = MakeLabel(QStringLiteral("Standard offset:"), InfoBox);
    LblStdTitle->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LblOffset = MakeLabel(QString(), InfoBox);
    LblDayTitle = MakeLabel(QStringLiteral("Daylight offset:"), InfoBox);
    LblDayTitle->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LblDayOffset = MakeLabel(QString(), InfoBox);
    LblDescrip = MakeLabel(QString(), InfoBox);
    LblDescrip->setWordWrap(true);
    LblDescrip->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ChkSortByName = new QCheckBox(QStringLiteral("&Sort time zones by name, not GMT offset"), tab);
    ChkSortByName->setChecked(true);
    ChkSortByName->setToolTip(
        QStringLiteral("Groups time zones by name instead of by GMT offset."));

    connect(CmbRegions, &QComboBox::activated, this, &TZoneForm::CmbRegionsChange);
    connect(LstZones, &QListWidget::itemSelectionChanged, this, &TZoneForm::LstZonesClick);
    connect(LstZones, &QListWidget::itemDoubleClicked, this, &TZoneForm::LstZonesDblClick);
    connect(ChkSortByName, &QCheckBox::clicked, this, &TZoneForm::ChkSortByNameClick);
    connect(BtnAddToClocks, &QPushButton::clicked, this, &TZoneForm::BtnAddToClocksClick);
}

void TZoneForm::CreateAppearanceTab()
{
    GroupAppearance = new QGroupBox(QStringLiteral(" Appearance "), TabAppearance);
    QWidget *box = GroupAppearance;
    ChkShowDate = new QCheckBox(QStringLiteral("Show the &date on the clocks"), box);
    ChkShowDate->setChecked(true);
    CmbDateFormat = new QComboBox(box);
    Label7 = MakeLabel(QStringLiteral("&Format:"), box, CmbDateFormat);
    BtnFont = new QPushButton(QStringLiteral("Clock Fo&nt..."), box);
    // The platform font dialog chooses no colour; this button does.
    BtnFontColor = new QPushButton(QStringLiteral("Co&lour..."), box);
    LblFont = MakeLabel(QString(), box);
    LblFont->setWordWrap(true);
    LblFont->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ChkShowTime = new QCheckBox(QStringLiteral("Show the &time on the clocks"), box);
    ChkShowTime->setChecked(true);
    CmbTimeFormat = new QComboBox(box);
    Label9 = MakeLabel(QStringLiteral("F&ormat:"), box, CmbTimeFormat);
    BtnDefaults = new QPushButton(QStringLiteral("D&efaults"), box);

    GroupAlarm = new QGroupBox(QStringLiteral(" Alarm "), TabAppearance);
    box = GroupAlarm;
    ChkSetAlarm = new QCheckBox(QStringLiteral("Set an &alarm to go off:"), box);
    CmbAlarmClocks = new QComboBox(box);
    CmbAlarmClocks->setEnabled(false);
    Label8 = MakeLabel(QStringLiteral("&Clock to use:"), box, CmbAlarmClocks);
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
    Label11 = MakeLabel(QStringLiteral("&Date and time (in 24-hour format):"), box, EditAlarmTime);
    Label12 = MakeLabel(QStringLiteral("on"), box);
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
    BtnHelp = new QPushButton(QStringLiteral("Help"), this);
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BtnApply = new QPushButton(QStringLiteral("Apply"), this);
    BtnOK->setDefault(true);
    for (QPushButton *button : {BtnHelp, BtnCancel, BtnApply, BtnAddToClocks, BtnRemoveClock,
                                BtnFont, BtnFontColor, BtnDefaults}) {
        button->setAutoDefault(false);
    }
    PBox = new TWatermarkBox(this);
    HelpPopup = new QMenu(this);
    Whatsthis1 = HelpPopup->addAction(QStringLiteral("&What's This?"));
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

// ---------------------------------------------------------------------------
// Creation, commit and closing

void TZoneForm::FormCreate()
{
    PageControl->setCurrentWidget(TabClocks);
    FDragIndex = -1;
    FClocks.SetSorted(false);
    LoadZonesAndClocks();
    FillRegions();
    RefreshClockTitles();
    if (FClocks.Count() == 0) {
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
    if (ClocksForm != nullptr) {
        // The window keeps no colour beside its font: the stored value has it.
        const std::optional<TFontSpec> stored =
            DecodeFont(ReadSettingString(SettingsKey, ValueFont, QString()));
        const std::int32_t color = stored ? stored->Color : clWindowText;
        SetClockFont(ClocksForm->ClockFont(), color);
    } else {
        SetClockFont(FontFromSpec(DesignClockFont()), clWindowText);
    }
    LoadStartupOptions();
    FillFormatLists();
    SetModified(false);
    ArrangeControls();
    // Painted for the strip's final size, which a wider font may have grown.
    BuildWatermarkStrip();
}

void TZoneForm::LoadZonesAndClocks()
{
    FZones.Clear();
    try {
        FZones.LoadFromZoneFile(FZoneFile);
    } catch (const Exception &error) {
        SoundMessageDlg(QStringLiteral("There was an error loading the time zone data:\r") +
                            error.Message(),
                        TMsgDlgType::mtError, QMessageBox::Cancel);
        // The program cannot work without its zones; the dialog is still
        // built from what was read, until the event loop ends.
        QCoreApplication::exit(1);
    }
    LoadClockList(FClocks, FZones);
    {
        const QSignalBlocker blocker(LstClocks);
        LstClocks->clear();
        for (int i = 0; i < FClocks.Count(); ++i) {
            LstClocks->addItem(ClockEntryText(*FClocks.ClockAt(i)));
        }
    }
    LoadAlarmClocks();
}

void TZoneForm::LoadStartupOptions()
{
    ChkRunAtStartup->setChecked(
        UpdateStartupShortcut(false, false, QCoreApplication::applicationFilePath()));
    TDefRegistry registry;
    if (registry.OpenKey(SettingsKey, false)) {
        try {
            SetChkSortByName(registry.ReadBoolDef(ValueSortZonesByName, true));
        } catch (const ERegistryException &) {
            // A value that is not a number is no reason to refuse the dialog.
        }
    }
}

void TZoneForm::SetModified(bool modified)
{
    FModified = modified;
    BtnApply->setEnabled(modified);
}

bool TZoneForm::ApplyChanges()
{
    // Titles go into one ";"-joined value and come back trimmed, with an
    // empty one replaced by the city (or, on the last clock, lost): store
    // them as they will read back.
    for (int i = 0; i < FClocks.Count(); ++i) {
        TCustomisedTimeZone *clock = FClocks.ClockAt(i);
        QString title = clock->Title.trimmed();
        if (title.isEmpty()) {
            title = clock->CityName();
        }
        if (title != clock->Title) {
            SetClockTitle(i, title);
            if (i == SelectedClockIndex()) {
                EditClockTitle->setText(title);
            }
        }
    }
    try {
        if (ChkSetAlarm->isChecked() && CmbAlarmClocks->currentIndex() >= 0) {
            // Checked before anything is written, so a bad time stops the
            // whole commit rather than half of it.
            (void)AlarmMoment();
        }
        TSettingsUpdate update;
        SaveClockList(FClocks);
        SaveSettings();
        update.Commit();
        UpdateStartupShortcut(ChkRunAtStartup->isChecked(), true,
                              QCoreApplication::applicationFilePath());
    } catch (const Exception &error) {
        SoundMessageDlg(error.Message(), TMsgDlgType::mtError, QMessageBox::Ok);
        return false;
    }
    if (ClocksForm != nullptr) {
        ClocksForm->LoadClocks();
        ClocksForm->LoadSettings();
        ClocksForm->HideClocks();
        if (FClocks.Count() > 0) {
            ClocksForm->ShowClocks();
        }
    }
    SetModified(false);
    return true;
}

void TZoneForm::SaveSettings()
{
    WriteSettingString(SettingsKey, ValueTimeFormat, SelectedTimeFormat());
    WriteSettingString(SettingsKey, ValueDateFormat, SelectedDateFormat());
    WriteSettingBool(SettingsKey, ValueSortZonesByName, ChkSortByName->isChecked());
    TCustomisedTimeZone *alarmClock = SelectedAlarmClock();
    if (ChkSetAlarm->isChecked() && alarmClock != nullptr) {
        WriteSettingString(SettingsKey, ValueAlarmTime, AlarmTimeText(AlarmMoment()));
        WriteSettingString(SettingsKey, ValueAlarmClock, alarmClock->Title);
    } else {
        WriteSettingString(SettingsKey, ValueAlarmTime, QStringLiteral("0"));
    }
    WriteSettingString(SettingsKey, ValueFont,
                       EncodeFont(SpecFromFont(FClockFont, FClockFontColor)));
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
    if (ZoneForm == this) {
        ZoneForm = nullptr;
    }
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

QString TZoneForm::ZoneEntryText(const TTimeZone &zone) const
{
    if (ChkSortByName->isChecked()) {
        return zone.CityName() + QStringLiteral(" (") +
               GMTText(zone.UTCOffset + zone.StandardOffset, true) + u')';
    }
    return zone.DisplayName();
}

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
    entries.push_back({AllZonesText, QVariant(AllZonesTag)});
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
    struct TZoneEntry
    {
        QString Text;
        TTimeZone *Zone;
    };
    std::vector<TZoneEntry> entries;
    for (int i = 0; i < FZones.Count(); ++i) {
        TTimeZone *zone = FZones.ZoneAt(i);
        if (region && !zone->Name.startsWith(*region, Qt::CaseSensitive)) {
            continue;
        }
        entries.push_back({ZoneEntryText(*zone), zone});
    }
    if (ChkSortByName->isChecked()) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const TZoneEntry &a, const TZoneEntry &b) {
                             return CompareTextLocale(a.Text, b.Text) < 0;
                         });
    } else {
        // West to east by the base offset alone, as CompareZonesByOffset orders.
        std::stable_sort(entries.begin(), entries.end(),
                         [](const TZoneEntry &a, const TZoneEntry &b) {
                             if (a.Zone->UTCOffset != b.Zone->UTCOffset) {
                                 return a.Zone->UTCOffset < b.Zone->UTCOffset;
                             }
                             return CompareStringLocale(a.Text, b.Text) < 0;
                         });
    }
    const QSignalBlocker blocker(LstZones);
    LstZones->setUpdatesEnabled(false);
    LstZones->clear();
    for (const TZoneEntry &entry : entries) {
        auto *item = new QListWidgetItem(entry.Text, LstZones);
        item->setData(ObjectRole, VariantOf(entry.Zone));
    }
    LstZones->setCurrentRow(-1, QItemSelectionModel::Clear);
    LstZones->setUpdatesEnabled(true);
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
    if (LstZones->count() > 0) {
        SelectZoneRow(0);
    }
    ShowZoneInfo();
}

TTimeZone *TZoneForm::SelectedZone() const
{
    const int row = ListRow(LstZones);
    return row < 0 ? nullptr : ObjectOf<TTimeZone>(LstZones->item(row)->data(ObjectRole));
}

void TZoneForm::ShowZoneInfo()
{
    const TTimeZone *zone = SelectedZone();
    ZonedClockTemp->SetZone(zone);
    if (zone == nullptr) {
        // Only an empty zone list gets here: show that there is nothing to show.
        InfoBox->setTitle(QStringLiteral(" (no zone) "));
        ZonedClockTemp->hide();
        LblOffset->clear();
        SetBold(LblStdTitle, false);
        SetBold(LblOffset, false);
        LblDayTitle->hide();
        LblDayOffset->hide();
        LblDescrip->hide();
        return;
    }
    ZonedClockTemp->show();
    InfoBox->setTitle(u' ' + zone->Name + u' ');
    LblOffset->setText(GMTText(zone->UTCOffset + zone->StandardOffset, false) +
                       QStringLiteral(" (") + zone->StandardAbbr + u')');
    if (!zone->HasDaylight()) {
        SetBold(LblStdTitle, false);
        SetBold(LblOffset, false);
        LblDayTitle->hide();
        LblDayOffset->hide();
        LblDescrip->hide();
        return;
    }
    LblDayOffset->setText(GMTText(zone->UTCOffset + zone->DaylightOffset, false) +
                          QStringLiteral(" (") + zone->DaylightAbbr + u')');
    // A label breaks lines at a line feed only.
    LblDescrip->setText(QStringLiteral("Daylight time begins on ") + zone->RuleDescription(true) +
                        QStringLiteral(".\nStandard time resumes on ") +
                        zone->RuleDescription(false) + u'.');
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
            SelectRegion(AllZonesText);
            row = ZoneRow(own);
        }
    }
    SelectZoneRow(row);
    ShowZoneInfo();
}

int TZoneForm::ZoneRow(const TTimeZone *zone) const
{
    for (int row = 0; row < LstZones->count(); ++row) {
        if (ObjectOf<TTimeZone>(LstZones->item(row)->data(ObjectRole)) == zone) {
            return row;
        }
    }
    return -1;
}

void TZoneForm::SelectZoneRow(int row)
{
    {
        const QSignalBlocker blocker(LstZones);
        LstZones->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    if (row >= 0) {
        LstZones->scrollToItem(LstZones->item(row));
    }
}

void TZoneForm::CmbRegionsChange()
{
    RegionChanged();
}

void TZoneForm::LstZonesClick()
{
    if (SelectedZone() != nullptr) {
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
    return index < 0 ? nullptr : FClocks.ClockAt(index);
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
        BoxClock->setTitle(QStringLiteral(" (no clock) "));
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
    for (int i = 0; i < FClocks.Count() && i < LstClocks->count(); ++i) {
        LstClocks->item(i)->setText(ClockEntryText(*FClocks.ClockAt(i)));
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
    auto owned = std::make_unique<TCustomisedTimeZone>();
    owned->Assign(*zone);
    owned->Title = owned->CityName();
    owned->UseDaylight = owned->HasDaylight();
    TCustomisedTimeZone *clock = owned.get();
    AddAlarmEntry(clock);
    UpdateAlarmAvailability();
    FClocks.Add(clock->Name, std::move(owned));
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
    TCustomisedTimeZone *clock = FClocks.ClockAt(index);
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
    }
    UpdateAlarmAvailability();
    {
        const QSignalBlocker blocker(LstClocks);
        delete LstClocks->takeItem(index);
    }
    FClocks.Delete(index);
    int next = -1;
    if (FClocks.Count() > 0) {
        next = index < FClocks.Count() ? index : FClocks.Count() - 1;
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
    FClocks.Exchange(row, FDragIndex);
    LstClocks->item(row)->setText(ClockEntryText(*FClocks.ClockAt(row)));
    LstClocks->item(FDragIndex)->setText(ClockEntryText(*FClocks.ClockAt(FDragIndex)));
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
    TCustomisedTimeZone *clock = FClocks.ClockAt(index);
    clock->Title = title;
    LstClocks->item(index)->setText(ClockEntryText(*clock));
    // The alarm list keeps itself sorted by title: the entry goes back in at
    // its new place, and the chosen alarm clock stays chosen.
    TCustomisedTimeZone *alarmClock = SelectedAlarmClock();
    const QSignalBlocker blocker(CmbAlarmClocks);
    CmbAlarmClocks->removeItem(AlarmEntryOf(clock));
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

void TZoneForm::AddUniqueFormat(const QString &format, QStringList &list)
{
    if (!list.contains(format, Qt::CaseInsensitive)) {
        list.append(format);
    }
}

void TZoneForm::FillFormatLists()
{
    const TFormatSettings &settings = FormatSettings();
    const QString currentTime =
        ClocksForm != nullptr ? ClocksForm->TimeFormat() : settings.LongTimeFormat;
    const QString currentDate =
        ClocksForm != nullptr ? ClocksForm->DateFormat() : settings.LongDateFormat;
    FTimeFormats.clear();
    for (const QString &format :
         {settings.LongTimeFormat, QStringLiteral("hh:nn:ss"), QStringLiteral("h:nn:ss ampm"),
          settings.ShortTimeFormat, QStringLiteral("hh:nn"), QStringLiteral("h:nn ampm")}) {
        AddUniqueFormat(format, FTimeFormats);
    }
    if (!currentTime.isEmpty()) {
        AddUniqueFormat(currentTime, FTimeFormats);
    }
    FDateFormats.clear();
    for (const QString &format : {settings.LongDateFormat, QStringLiteral("ddd d mmmm yyyy"),
                                  QStringLiteral("dddd d mmmm yyyy"), settings.ShortDateFormat,
                                  QStringLiteral("dd/mm/yyyy"), QStringLiteral("mm/dd/yyyy")}) {
        AddUniqueFormat(format, FDateFormats);
    }
    if (!currentDate.isEmpty()) {
        AddUniqueFormat(currentDate, FDateFormats);
    }

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
            combo->setCurrentIndex(static_cast<int>(formats.indexOf(current)));
            if (combo->currentIndex() < 0) {
                // Added case-insensitively: an entry of another case stands for it.
                for (qsizetype i = 0; i < formats.size(); ++i) {
                    if (formats[i].compare(current, Qt::CaseInsensitive) == 0) {
                        combo->setCurrentIndex(static_cast<int>(i));
                        break;
                    }
                }
            }
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
    LblFont->setText(FClockFont.family() + QStringLiteral(", ") +
                     QString::number(FClockFont.pointSize()) + QStringLiteral("pt"));
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
    if (SoundMessageDlg(
            QStringLiteral("Are you sure you want to restore the default appearance settings?"),
            TMsgDlgType::mtConfirmation, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    SetClockFont(FontFromSpec(DesignClockFont()), clWindowText);
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
    if (clock == nullptr) {
        return -1;
    }
    for (int i = 0; i < CmbAlarmClocks->count(); ++i) {
        if (ObjectOf<TCustomisedTimeZone>(CmbAlarmClocks->itemData(i, ObjectRole)) == clock) {
            return i;
        }
    }
    return -1;
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
    CmbAlarmClocks->setItemData(index, VariantOf(clock), ObjectRole);
    return index;
}

TCustomisedTimeZone *TZoneForm::SelectedAlarmClock() const
{
    const int index = CmbAlarmClocks->currentIndex();
    return index < 0 ? nullptr
                     : ObjectOf<TCustomisedTimeZone>(CmbAlarmClocks->itemData(index, ObjectRole));
}

void TZoneForm::LoadAlarmClocks()
{
    {
        const QSignalBlocker blocker(CmbAlarmClocks);
        CmbAlarmClocks->setUpdatesEnabled(false);
        CmbAlarmClocks->clear();
        for (int i = 0; i < FClocks.Count(); ++i) {
            AddAlarmEntry(FClocks.ClockAt(i));
        }
        CmbAlarmClocks->setCurrentIndex(-1);
        CmbAlarmClocks->setUpdatesEnabled(true);
    }
    const TAlarm *alarm = ClocksForm != nullptr ? &ClocksForm->Alarm() : nullptr;
    if (alarm != nullptr && alarm->IsSet()) {
        {
            const QSignalBlocker blocker(CmbAlarmClocks);
            CmbAlarmClocks->setCurrentIndex(
                CmbAlarmClocks->findText(alarm->Clock->Title, Qt::MatchFixedString));
        }
        SetAlarmTimeText(FormatDateTime(QStringLiteral("hh:nn"), alarm->Time));
        {
            const QSignalBlocker blocker(PickerAlarmDate);
            PickerAlarmDate->setDate(QDateOf(alarm->Time));
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

namespace {
// The alarm box's text as hours and minutes: at least one hour digit, the
// time separator, exactly two minute digits; blanks around the hour allowed.
struct TTypedTime
{
    bool Complete = false;
    QString Hours;
    QString Minutes;
};

TTypedTime SplitTypedTime(const QString &text)
{
    TTypedTime typed;
    const qsizetype separator = text.indexOf(FormatSettings().TimeSeparator);
    if (separator < 0) {
        return typed;
    }
    typed.Hours = text.left(separator).trimmed();
    typed.Minutes = text.mid(separator + 1).trimmed();
    const auto digits = [](const QString &part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
    };
    typed.Complete = !typed.Hours.isEmpty() && typed.Hours.size() <= 2 && digits(typed.Hours) &&
                     typed.Minutes.size() == 2 && digits(typed.Minutes);
    return typed;
}
} // namespace

bool TZoneForm::EditAlarmTimeExit()
{
    if (FCheckingAlarmTime || !EditAlarmTime->isEnabled()) {
        return true;
    }
    const TTypedTime typed = SplitTypedTime(EditAlarmTime->displayText());
    if (!typed.Complete) {
        FCheckingAlarmTime = true;
        SoundMessageDlg(QStringLiteral("Invalid input value.  Use escape key to abandon changes"),
                        TMsgDlgType::mtError, QMessageBox::Ok);
        FCheckingAlarmTime = false;
        return false;
    }
    int hours = typed.Hours.toInt();
    int minutes = typed.Minutes.toInt();
    if (hours > 23) {
        hours = 0;
    }
    if (minutes > 59) {
        minutes = 0;
    }
    SetAlarmTimeText(QString::number(hours) + FormatSettings().TimeSeparator +
                     QStringLiteral("%1").arg(minutes, 2, 10, QLatin1Char('0')));
    return true;
}

TDateTime TZoneForm::AlarmMoment() const
{
    const TTypedTime typed = SplitTypedTime(EditAlarmTime->displayText());
    const int hours = typed.Hours.toInt();
    const int minutes = typed.Minutes.toInt();
    if (!typed.Complete || hours > 23 || minutes > 59) {
        throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(EditAlarmTime->text()));
    }
    return DateTimeOf(PickerAlarmDate->date()) + EncodeTime(hours, minutes, 0, 0);
}

// ---------------------------------------------------------------------------
// Start-up, context help, about page and strip

void TZoneForm::ChkRunAtStartupClick()
{
    SetModified(true);
}

void TZoneForm::CreateAboutPage()
{
    WebBrowser = new QTextBrowser(PageAbout);
    // Links leave the page for the user's browser or mail program.
    WebBrowser->setOpenLinks(false);
    WebBrowser->setFrameShape(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(PageAbout);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser);
    connect(WebBrowser, &QTextBrowser::anchorClicked, this, &TZoneForm::WebBrowserLinkClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &TZoneForm::PageControlChange);
}

void TZoneForm::PageControlChange()
{
    if (PageControl->currentWidget() == PageAbout) {
        PageAboutShow();
    }
}

void TZoneForm::PageAboutShow()
{
    if (FWebBrowserTag == 0) {
        EnsureVorkelResources();
        WebBrowser->setSource(QUrl(QStringLiteral("qrc:/about.htm")));
        FWebBrowserTag = 1;
    }
}

void TZoneForm::WebBrowserLinkClick(const QUrl &link)
{
    const QUrl target = WebBrowser->source().resolved(link);
    if (target.scheme() == u"qrc") {
        WebBrowser->setSource(target);
    } else {
        ShellOpen(target.toString());
    }
}

void TZoneForm::SetUpContextHelp()
{
    // The pop-up topic of each control, and whether opening its context menu
    // sets the topic the menu shows.
    struct THelpControl
    {
        QWidget *Control;
        int Topic;
    };
    const THelpControl controls[] = {{LstClocks, 101},       {ChkClockUseDaylight, 103},
                                     {ChkRunAtStartup, 104}, {CmbRegions, 201},
                                     {LstZones, 201},        {ChkSortByName, 202},
                                     {ChkShowDate, 301},     {CmbDateFormat, 301},
                                     {ChkShowTime, 302},     {CmbTimeFormat, 302},
                                     {ChkSetAlarm, 401},     {CmbAlarmClocks, 401},
                                     {EditAlarmTime, 0},     {PickerAlarmDate, 0}};
    for (const THelpControl &entry : controls) {
        QWidget *control = entry.Control;
        if (entry.Topic != 0) {
            control->setProperty(HelpContextProperty, entry.Topic);
        }
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint &pos) { ContextPopup(control, pos); });
    }
    // F1 and the caption help button reach every control of the dialog
    // before the control itself.
    for (QWidget *widget : findChildren<QWidget *>()) {
        widget->installEventFilter(this);
    }
}

int TZoneForm::HelpTopicOf(const QWidget *control)
{
    return control == nullptr ? 0 : control->property(HelpContextProperty).toInt();
}

int TZoneForm::NearestHelpTopic(const QWidget *control, const QWidget **owner) const
{
    for (const QWidget *widget = control; widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        if (const int topic = HelpTopicOf(widget); topic != 0) {
            if (owner != nullptr) {
                *owner = widget;
            }
            return topic;
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return 0;
}

void TZoneForm::ContextPopup(QWidget *control, const QPoint &pos)
{
    if (const int topic = HelpTopicOf(control); topic != 0) {
        FPopupTopic = topic;
    } else if (control == EditAlarmTime || control == PickerAlarmDate) {
        // They have no topic of their own; the alarm's describes them.
        FPopupTopic = HelpTopicOf(ChkSetAlarm);
    }
    // A scroll area reports the position in its viewport.
    const auto *area = qobject_cast<const QAbstractScrollArea *>(control);
    FPopupPos = (area != nullptr ? area->viewport() : control)->mapToGlobal(pos);
    HelpPopup->popup(FPopupPos);
}

void TZoneForm::Whatsthis1Click()
{
    ShowHelpPopup(FPopupTopic, FPopupPos);
}

void TZoneForm::ShowHelpPopup(int topic, const QPoint &globalPos)
{
    if (topic == 0) {
        return;
    }
    // The position goes first, as a help hook expects it; ours lets the
    // pop-up open at the pointer.
    const long long position =
        (static_cast<long long>(globalPos.y() & 0xFFFF) << 16) | (globalPos.x() & 0xFFFF);
    ApplicationHelp(HELP_SETPOPUP_POS, position);
    ApplicationHelp(HELP_CONTEXTPOPUP, topic);
    Q_EMIT HelpPopupRequested(topic);
}

bool TZoneForm::ShowHelpFor(const QWidget *control)
{
    const QWidget *owner = nullptr;
    const int topic = NearestHelpTopic(control, &owner);
    if (topic == 0) {
        return false;
    }
    ShowHelpPopup(topic, owner->mapToGlobal(QPoint(0, 0)));
    return true;
}

bool TZoneForm::ContextHelpEvent(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) {
            return false;
        }
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
            QWidget *focus = QApplication::focusWidget();
            ShowHelpFor(focus != nullptr && focus->window() == this
                            ? focus
                            : qobject_cast<QWidget *>(watched));
        }
        // Neither the press nor the release reaches the control.
        return true;
    }
    case QEvent::QueryWhatsThis:
    case QEvent::WhatsThis: {
        // The caption help button's pointer: the nearest control outwards
        // with a topic answers for the control under it.
        const auto *widget = qobject_cast<const QWidget *>(watched);
        if (NearestHelpTopic(widget) == 0) {
            return false;
        }
        event->accept();
        if (event->type() == QEvent::WhatsThis) {
            ShowHelpFor(widget);
        }
        return true;
    }
    default:
        return false;
    }
}

QString TZoneForm::HelpKeywordForPage() const
{
    const QWidget *page = PageControl->currentWidget();
    if (page == TabClocks) {
        return QStringLiteral("AClockList");
    }
    if (page == TabAppearance) {
        return QStringLiteral("AAppearanceAlarm");
    }
    return QStringLiteral("AContents");
}

void TZoneForm::ShowHelpForPage()
{
    ShowHelpTopic(HelpKeywordForPage());
}

void TZoneForm::BtnHelpClick()
{
    ShowHelpForPage();
}

const QImage &TZoneForm::WatermarkStrip() const
{
    return PBox->Bitmap();
}

void TZoneForm::BuildWatermarkStrip()
{
    const QString address = BrandWebAddress.toString();
    PBox->setToolTip(address);
    QImage &strip = PBox->Bitmap();
    strip = QImage(PBox->size(), QImage::Format_RGB32);
    if (strip.isNull()) {
        return; // no room to paint in: the box stays empty
    }
    strip.fill(Qt::white);
    {
        QPainter painter(&strip);
        PaintGradient(painter, strip.rect(), strip.width(), BrandColor, BrandLightColor,
                      TGradientDirection::Horizontal);
    }
    // A word-mark that cannot be loaded leaves a gap, not an unpainted strip.
    if (const auto wordMark = LoadWordMark(TWordMark::Horizontal)) {
        const QRect whole = wordMark->Picture.rect();
        AlphaBlendBitmap(wordMark->Picture, wordMark->Mask, strip, whole,
                         QPoint(5, (strip.height() - whole.height()) / 2 + 1));
    }
    QPainter painter(&strip);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetrics metrics(painter.font());
    painter.setPen(QColor::fromRgb(ColorToRgb(BrandColor)));
    painter.drawText(strip.width() - metrics.horizontalAdvance(address) - 10,
                     (strip.height() - metrics.height()) / 2 + metrics.ascent(), address);
    painter.setPen(QColor::fromRgb(ColorToRgb(BrandFrameColor)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(strip.rect().adjusted(0, 0, -1, -1));
    PBox->update();
}

void TZoneForm::PBoxClick()
{
    OpenHomePage(false);
}
