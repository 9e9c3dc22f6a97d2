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

    QTabWidget *PageControl() const { return Find<QTabWidget>("PageControl"); }
    QWidget *TabClocks() const { return Find<QWidget>("TabClocks"); }
    QWidget *TabAppearance() const { return Find<QWidget>("TabAppearance"); }
    QWidget *PageAbout() const { return Find<QWidget>("PageAbout"); }
    QPushButton *BtnHelp() const { return Find<QPushButton>("BtnHelp"); }
    QPushButton *BtnOK() const { return Find<QPushButton>("BtnOK"); }
    QPushButton *BtnCancel() const { return Find<QPushButton>("BtnCancel"); }
    QPushButton *BtnApply() const { return Find<QPushButton>("BtnApply"); }
    TWatermarkBox *PBox() const { return Find<TWatermarkBox>("PBox"); }
    QTextBrowser *WebBrowser() const { return Find<QTextBrowser>("WebBrowser"); }
    QMenu *HelpPopup() const { return Find<QMenu>("HelpPopup"); }
    QAction *Whatsthis1() const { return Find<QAction>("Whatsthis1"); }
    QLabel *Label10() const { return Find<QLabel>("Label10"); }
    QListView *LstClocks() const { return Find<QListView>("LstClocks"); }
    QGroupBox *BoxClock() const { return Find<QGroupBox>("BoxClock"); }
    QLabel *Label4() const { return Find<QLabel>("Label4"); }
    QLineEdit *EditClockTitle() const { return Find<QLineEdit>("EditClockTitle"); }
    QCheckBox *ChkClockUseDaylight() const { return Find<QCheckBox>("ChkClockUseDaylight"); }
    QPushButton *BtnRemoveClock() const { return Find<QPushButton>("BtnRemoveClock"); }
    QCheckBox *ChkRunAtStartup() const { return Find<QCheckBox>("ChkRunAtStartup"); }
    QLabel *Label3() const { return Find<QLabel>("Label3"); }
    QComboBox *CmbRegions() const { return Find<QComboBox>("CmbRegions"); }
    QLineEdit *EditZoneSearch() const { return Find<QLineEdit>("EditZoneSearch"); }
    QListView *LstZones() const { return Find<QListView>("LstZones"); }
    QPushButton *BtnAddToClocks() const { return Find<QPushButton>("BtnAddToClocks"); }
    QGroupBox *InfoBox() const { return Find<QGroupBox>("InfoBox"); }
    TZonedClock *ZonedClockTemp() const { return Find<TZonedClock>("ZonedClockTemp"); }
    QLabel *LblStdTitle() const { return Find<QLabel>("LblStdTitle"); }
    QLabel *LblOffset() const { return Find<QLabel>("LblOffset"); }
    QLabel *LblDayTitle() const { return Find<QLabel>("LblDayTitle"); }
    QLabel *LblDayOffset() const { return Find<QLabel>("LblDayOffset"); }
    QLabel *LblDescrip() const { return Find<QLabel>("LblDescrip"); }
    QCheckBox *ChkSortByName() const { return Find<QCheckBox>("ChkSortByName"); }
    QGroupBox *GroupAppearance() const { return Find<QGroupBox>("GroupAppearance"); }
    QCheckBox *ChkShowDate() const { return Find<QCheckBox>("ChkShowDate"); }
    QLabel *Label7() const { return Find<QLabel>("Label7"); }
    QComboBox *CmbDateFormat() const { return Find<QComboBox>("CmbDateFormat"); }
    QPushButton *BtnFont() const { return Find<QPushButton>("BtnFont"); }
    QPushButton *BtnFontColor() const { return Find<QPushButton>("BtnFontColor"); }
    QLabel *LblFont() const { return Find<QLabel>("LblFont"); }
    QCheckBox *ChkShowTime() const { return Find<QCheckBox>("ChkShowTime"); }
    QLabel *Label9() const { return Find<QLabel>("Label9"); }
    QComboBox *CmbTimeFormat() const { return Find<QComboBox>("CmbTimeFormat"); }
    QPushButton *BtnDefaults() const { return Find<QPushButton>("BtnDefaults"); }
    QGroupBox *GroupAlarm() const { return Find<QGroupBox>("GroupAlarm"); }
    QCheckBox *ChkSetAlarm() const { return Find<QCheckBox>("ChkSetAlarm"); }
    QLabel *Label8() const { return Find<QLabel>("Label8"); }
    QComboBox *CmbAlarmClocks() const { return Find<QComboBox>("CmbAlarmClocks"); }
    QLabel *Label11() const { return Find<QLabel>("Label11"); }
    QLineEdit *EditAlarmTime() const { return Find<QLineEdit>("EditAlarmTime"); }
    QLabel *Label12() const { return Find<QLabel>("Label12"); }
    QDateEdit *PickerAlarmDate() const { return Find<QDateEdit>("PickerAlarmDate"); }
};

inline TZoneFormControls Controls(const QWidget *form)
{
    return TZoneFormControls(form);
}
