// The options dialog's start-up check box, context help, about page and
// branding strip.
#include "core/settings/autostart.h"
#include "core/settings/storedsettings.h"
#include "gui/desktop/help.h"
#include "gui/options/zoneform.h"
#include "gui/widgets/branding.h"
#include "gui/widgets/brandpainting.h"
#include "gui/widgets/urllabel.h"
#include "gui/widgets/vorkelresources.h"
#include "gui/widgets/watermarkbox.h"
#include "ui_zoneform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
// The dynamic property holding a control's pop-up topic number.
constexpr char HelpContextProperty[] = "HelpContext";
} // namespace

void TZoneForm::LoadStartupOptions()
{
    FUi->ChkRunAtStartup->setChecked(
        UpdateAutostartEntry(false, false, QCoreApplication::applicationFilePath()));
    // Missing, or not a number: the box stays as designed, checked.
    SetChkSortByName(TStoredSettings::SortZonesByName());
}

void TZoneForm::ChkRunAtStartupClick()
{
    SetModified(true);
}

void TZoneForm::PageControlChange()
{
    QWidget *page = FUi->PageControl->currentWidget();
    if (FShownPage == FUi->TabAppearance && page != FShownPage && !EditAlarmTimeExit()) {
        // An unfinished alarm time keeps its page, as it keeps the focus:
        // the text it refused is not left behind on a hidden page.
        const QSignalBlocker blocker(FUi->PageControl);
        FUi->PageControl->setCurrentWidget(FUi->TabAppearance);
        FUi->EditAlarmTime->setFocus();
        return;
    }
    FShownPage = page;
    if (page == FUi->PageAbout) {
        PageAboutShow();
    }
}

void TZoneForm::PageAboutShow()
{
    if (FWebBrowserTag == 0) {
        EnsureVorkelResources();
        FUi->WebBrowser->setSource(
            QUrl(QStringLiteral("qrc:/") +
                 LocalizedPage(QStringLiteral(":/"), QStringLiteral("about.htm"))));
        // The zone file's own version: a tzdata upgrade may have remade it
        // since the program was built.
        QTextCursor version = FUi->WebBrowser->document()->find(QStringLiteral("{tz-version}"));
        if (!version.isNull()) {
            const QString &loaded = FZones.Version();
            version.insertText(loaded.isEmpty() ? tr("unknown") : loaded);
        }
        FWebBrowserTag = 1;
    }
}

void TZoneForm::WebBrowserLinkClick(const QUrl &link)
{
    const QUrl target = FUi->WebBrowser->source().resolved(link);
    if (target.scheme() == u"qrc") {
        FUi->WebBrowser->setSource(target);
    } else {
        OpenLink(target.toString());
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
    const THelpControl controls[] = {
        {FUi->LstClocks, 101},      {FUi->ChkClockUseDaylight, 103}, {FUi->ChkRunAtStartup, 104},
        {FUi->CmbRegions, 201},     {FUi->EditZoneSearch, 201},      {FUi->LstZones, 201},
        {FUi->ChkSortByName, 202},  {FUi->ChkShowDate, 301},         {FUi->CmbDateFormat, 301},
        {FUi->ChkShowTime, 302},    {FUi->CmbTimeFormat, 302},       {FUi->ChkSetAlarm, 401},
        {FUi->CmbAlarmClocks, 401}, {FUi->EditAlarmTime, 0},         {FUi->PickerAlarmDate, 0}};
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

int TZoneForm::NearestHelpTopic(const QWidget *control) const
{
    for (const QWidget *widget = control; widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        if (const int topic = HelpTopicOf(widget); topic != 0) {
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
    } else if (control == FUi->EditAlarmTime || control == FUi->PickerAlarmDate) {
        // They have no topic of their own; the alarm's describes them.
        FPopupTopic = HelpTopicOf(FUi->ChkSetAlarm);
    }
    // A scroll area reports the position in its viewport.
    const auto *area = qobject_cast<const QAbstractScrollArea *>(control);
    FPopupPos = (area != nullptr ? area->viewport() : control)->mapToGlobal(pos);
    HelpPopup->popup(FPopupPos);
}

void TZoneForm::Whatsthis1Click()
{
    ShowHelpPopup(FPopupTopic);
}

void TZoneForm::ShowHelpPopup(int topic)
{
    if (topic == 0) {
        return;
    }
    // The pop-up opens at the pointer: no position is handed on.
    ApplicationHelp(HELP_CONTEXTPOPUP, topic);
    Q_EMIT HelpPopupRequested(topic);
}

bool TZoneForm::ShowHelpFor(const QWidget *control)
{
    const int topic = NearestHelpTopic(control);
    if (topic == 0) {
        return false;
    }
    ShowHelpPopup(topic);
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
    const QWidget *page = FUi->PageControl->currentWidget();
    if (page == FUi->TabClocks) {
        return QStringLiteral("AClockList");
    }
    if (page == FUi->TabAppearance) {
        return QStringLiteral("AAppearanceAlarm");
    }
    return QStringLiteral("AContents");
}

void TZoneForm::ShowHelpForPage()
{
    Q_EMIT HelpRequested(HelpKeywordForPage());
}

void TZoneForm::BtnHelpClick()
{
    ShowHelpForPage();
}

const QImage &TZoneForm::WatermarkStrip() const
{
    return FUi->PBox->Bitmap();
}

void TZoneForm::BuildWatermarkStrip()
{
    const QString address = BrandWebAddress.toString();
    FUi->PBox->setToolTip(address);
    QImage &strip = FUi->PBox->Bitmap();
    strip = QImage(FUi->PBox->size(), QImage::Format_RGB32);
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
    FUi->PBox->update();
}

void TZoneForm::PBoxClick()
{
    OpenHomePage(false);
}
