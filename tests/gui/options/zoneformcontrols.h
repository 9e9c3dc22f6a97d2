// The options dialog's controls, found by their object names as a user's
// tools (and the accessibility tree) find them: tests go through these, not
// through the dialog's members.
#pragma once

#include "gui/widgets/watermarkbox.h"
#include "gui/widgets/zonedclock.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

struct TZoneFormControls
{
    explicit TZoneFormControls(const QWidget *form) : Form(form) {}

    template <typename T> T *Find(const char *name) const
    {
        T *control = Form->findChild<T *>(QLatin1String(name));
        if (control == nullptr) {
            qFatal("no control %s", name);
        }
        return control;
    }

    const QWidget *Form;

    QTabWidget *Tabs() const { return Find<QTabWidget>("Tabs"); }
    QWidget *TabClocks() const { return Find<QWidget>("TabClocks"); }
    QWidget *TabAppearance() const { return Find<QWidget>("TabAppearance"); }
    QWidget *TabAbout() const { return Find<QWidget>("TabAbout"); }
    QPushButton *BtnHelp() const { return Find<QPushButton>("BtnHelp"); }
    QPushButton *BtnOK() const { return Find<QPushButton>("BtnOK"); }
    QPushButton *BtnCancel() const { return Find<QPushButton>("BtnCancel"); }
    QPushButton *BtnApply() const { return Find<QPushButton>("BtnApply"); }
    TWatermarkBox *BrandStrip() const { return Find<TWatermarkBox>("BrandStrip"); }
    QTextBrowser *AboutView() const { return Find<QTextBrowser>("AboutView"); }
    QMenu *HelpPopup() const { return Find<QMenu>("HelpPopup"); }
    QAction *ActWhatsThis() const { return Find<QAction>("ActWhatsThis"); }
    QLabel *LblClocks() const { return Find<QLabel>("LblClocks"); }
    QListView *LstClocks() const { return Find<QListView>("LstClocks"); }
    QGroupBox *BoxClock() const { return Find<QGroupBox>("BoxClock"); }
    QLabel *LblClockTitle() const { return Find<QLabel>("LblClockTitle"); }
    QLineEdit *EditClockTitle() const { return Find<QLineEdit>("EditClockTitle"); }
    QCheckBox *ChkClockUseDaylight() const { return Find<QCheckBox>("ChkClockUseDaylight"); }
    QPushButton *BtnRemoveClock() const { return Find<QPushButton>("BtnRemoveClock"); }
    QCheckBox *ChkRunAtStartup() const { return Find<QCheckBox>("ChkRunAtStartup"); }
    QLabel *LblTimeZones() const { return Find<QLabel>("LblTimeZones"); }
    QComboBox *CmbRegions() const { return Find<QComboBox>("CmbRegions"); }
    QLineEdit *EditZoneSearch() const { return Find<QLineEdit>("EditZoneSearch"); }
    QListView *LstZones() const { return Find<QListView>("LstZones"); }
    QPushButton *BtnAddToClocks() const { return Find<QPushButton>("BtnAddToClocks"); }
    QGroupBox *InfoBox() const { return Find<QGroupBox>("InfoBox"); }
    TZonedClock *PreviewClock() const { return Find<TZonedClock>("PreviewClock"); }
    QLabel *LblStdTitle() const { return Find<QLabel>("LblStdTitle"); }
    QLabel *LblOffset() const { return Find<QLabel>("LblOffset"); }
    QLabel *LblDayTitle() const { return Find<QLabel>("LblDayTitle"); }
    QLabel *LblDayOffset() const { return Find<QLabel>("LblDayOffset"); }
    QLabel *LblDescrip() const { return Find<QLabel>("LblDescrip"); }
    QCheckBox *ChkSortByName() const { return Find<QCheckBox>("ChkSortByName"); }
    QGroupBox *GroupAppearance() const { return Find<QGroupBox>("GroupAppearance"); }
    QCheckBox *ChkShowDate() const { return Find<QCheckBox>("ChkShowDate"); }
    QLabel *LblDateFormat() const { return Find<QLabel>("LblDateFormat"); }
    QComboBox *CmbDateFormat() const { return Find<QComboBox>("CmbDateFormat"); }
    QPushButton *BtnFont() const { return Find<QPushButton>("BtnFont"); }
    QPushButton *BtnFontColor() const { return Find<QPushButton>("BtnFontColor"); }
    QLabel *LblFont() const { return Find<QLabel>("LblFont"); }
    QCheckBox *ChkShowTime() const { return Find<QCheckBox>("ChkShowTime"); }
    QLabel *LblTimeFormat() const { return Find<QLabel>("LblTimeFormat"); }
    QComboBox *CmbTimeFormat() const { return Find<QComboBox>("CmbTimeFormat"); }
    QPushButton *BtnDefaults() const { return Find<QPushButton>("BtnDefaults"); }
    QGroupBox *GroupAlarm() const { return Find<QGroupBox>("GroupAlarm"); }
    QCheckBox *ChkSetAlarm() const { return Find<QCheckBox>("ChkSetAlarm"); }
    QLabel *LblAlarmClock() const { return Find<QLabel>("LblAlarmClock"); }
    QComboBox *CmbAlarmClocks() const { return Find<QComboBox>("CmbAlarmClocks"); }
    QLabel *LblAlarmMoment() const { return Find<QLabel>("LblAlarmMoment"); }
    QLineEdit *EditAlarmTime() const { return Find<QLineEdit>("EditAlarmTime"); }
    QLabel *LblAlarmOn() const { return Find<QLabel>("LblAlarmOn"); }
    QDateEdit *PickerAlarmDate() const { return Find<QDateEdit>("PickerAlarmDate"); }
};

inline TZoneFormControls Controls(const QWidget *form)
{
    return TZoneFormControls(form);
}
