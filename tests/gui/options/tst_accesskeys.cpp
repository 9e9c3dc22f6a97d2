// Access keys in every language: no two entries of one menu, and no two
// controls of one page of the options dialog (with the tabs and buttons
// around it), answer the same Alt+letter, or one of them is out of reach.
#include "core/clocks/worldclocks.h"
#include "core/settings/settings.h"
#include "core/time/clocksource.h"
#include "core/time/formatsettings.h"
#include "gui/clocks/clocksform.h"
#include "gui/desktop/translations.h"
#include "gui/options/zoneform.h"
#include "gui/tray/systrayicon.h"
#include "gui/widgets/messagedialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Each access key with the texts that use it, the key in lower case.
using TKeyUse = std::map<QString, QStringList>;

void Use(TKeyUse &keys, const QString &text)
{
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty()) {
        keys[key.toString().toLower()].append(text);
    }
}

// The keys shared by more than one text, for the failure message.
QString Clashes(const TKeyUse &keys)
{
    QStringList clashes;
    for (const auto &[key, texts] : keys) {
        if (texts.size() > 1) {
            clashes.append(key + u": "_s + texts.join(u" / "_s));
        }
    }
    return clashes.join(u"; "_s);
}

TKeyUse MenuKeys(const QMenu *menu)
{
    TKeyUse keys;
    for (const QAction *action : menu->actions()) {
        Use(keys, action->text());
    }
    return keys;
}

// A page's buttons and the labels that lead to a control, hidden ones too
// (they show up as the user goes), with the dialog's tabs and buttons.
TKeyUse PageKeys(const QTabWidget *tabs, const QWidget *page, const QDialogButtonBox *buttons)
{
    TKeyUse keys;
    for (int i = 0; i < tabs->count(); ++i) {
        Use(keys, tabs->tabText(i));
    }
    for (const QAbstractButton *button : buttons->buttons()) {
        Use(keys, button->text());
    }
    for (const QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        Use(keys, button->text());
    }
    for (const QLabel *label : page->findChildren<QLabel *>()) {
        if (label->buddy() != nullptr) {
            Use(keys, label->text());
        }
    }
    return keys;
}

} // namespace

class TestAccessKeys : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FDir;

private Q_SLOTS:
    void initTestCase()
    {
        SetFormatSettings(TFormatSettings::British());
        TWorldClocks::SetZoneFilePath(QStringLiteral(VORKEL_TEST_DATA "/clocks/zones.ini"));
        FDir = std::make_unique<QTemporaryDir>();
        SetSettingsFileName(FDir->filePath(QStringLiteral("Clocks.ini")));
        // No first-run question: one clock is there.
        WriteSettingString(QString(), u"Clocks"_s, u"Home"_s);
        WriteSettingString(u"Clocks"_s, u"0_Zone"_s, u"Europe/London"_s);
    }
    void cleanup()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void unique_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"en_GB", "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "pl_PL",
                                   "nl_NL", "ja_JP", "zh_CN"}) {
            QTest::newRow(locale) << QString::fromLatin1(locale);
        }
    }
    void unique()
    {
        QFETCH(QString, locale);
        InstallTranslations(*qApp, QLocale(locale));
        const TFakeClock clock(EncodeDateTime(2026, 7, 1, 12, 0, 0, 0));
        MessageDlgHook::Reset();
        {
            TSysTrayIcon tray;
            TClocksForm form(tray);
            for (const QMenu *menu : {form.TrayMenu(), form.WindowMenu()}) {
                const TKeyUse keys = MenuKeys(menu);
                QVERIFY2(Clashes(keys).isEmpty(), qPrintable(Clashes(keys)));
            }
        }
        TZoneForm dialog(QStringLiteral(VORKEL_TEST_DATA "/options/zones.ini"));
        const auto *tabs = dialog.findChild<QTabWidget *>(u"Tabs"_s);
        const auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QVERIFY(tabs != nullptr && buttons != nullptr);
        for (int i = 0; i < tabs->count(); ++i) {
            const TKeyUse keys = PageKeys(tabs, tabs->widget(i), buttons);
            QVERIFY2(Clashes(keys).isEmpty(),
                     qPrintable(tabs->tabText(i) + u": "_s + Clashes(keys)));
        }
    }
};

QTEST_MAIN(TestAccessKeys)
#include "tst_accesskeys.moc"
