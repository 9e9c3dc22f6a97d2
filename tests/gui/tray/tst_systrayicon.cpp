#include "gui/tray/systrayicon.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Reason = QSystemTrayIcon::ActivationReason;

// Records what would go to the notification area.
class TRecordingTrayIcon : public TSysTrayIcon
{
public:
    struct TSent
    {
        TTrayMessage Message;
        TTrayFlags Flags;
        QString Tip;
    };
    QList<TSent> Sent;

protected:
    void SendTrayMessage(TTrayMessage message, TTrayFlags flags) override
    {
        Sent.append({message, flags, TipText()});
        TSysTrayIcon::SendTrayMessage(message, flags);
    }
};

constexpr int ClickInterval = 60;

QPixmap Filled(int size, Qt::GlobalColor color)
{
    QPixmap pixmap(size, size);
    pixmap.fill(color);
    return pixmap;
}
} // namespace

Q_DECLARE_METATYPE(QList<QSystemTrayIcon::ActivationReason>)

class TestSysTrayIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setDoubleClickInterval(ClickInterval); }

    void clicks_data()
    {
        QTest::addColumn<QList<Reason>>("reasons");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("dblClicks");
        QTest::newRow("single") << QList<Reason>{QSystemTrayIcon::Trigger} << 1 << 0;
        // An XEmbed tray reports the second press as DoubleClick only.
        QTest::newRow("double, XEmbed")
            << QList<Reason>{QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick} << 0 << 1;
        // A StatusNotifierItem host activates twice instead.
        QTest::newRow("double, StatusNotifierItem")
            << QList<Reason>{QSystemTrayIcon::Trigger, QSystemTrayIcon::Trigger} << 0 << 1;
        QTest::newRow("triple, XEmbed")
            << QList<Reason>{QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick,
                             QSystemTrayIcon::Trigger}
            << 0 << 1;
        QTest::newRow("triple, StatusNotifierItem")
            << QList<Reason>{QSystemTrayIcon::Trigger, QSystemTrayIcon::Trigger,
                             QSystemTrayIcon::Trigger}
            << 0 << 1;
        QTest::newRow("right click") << QList<Reason>{QSystemTrayIcon::Context} << 0 << 0;
        QTest::newRow("middle click") << QList<Reason>{QSystemTrayIcon::MiddleClick} << 0 << 0;
    }

    void clicks()
    {
        QFETCH(QList<Reason>, reasons);
        QFETCH(int, clicks);
        QFETCH(int, dblClicks);
        TSysTrayIcon tray;
        QSignalSpy clickSpy(&tray, &TSysTrayIcon::Click);
        QSignalSpy dblSpy(&tray, &TSysTrayIcon::DblClick);
        for (Reason reason : reasons)
            tray.Activated(reason);
        // The double click is reported at once, a single click only later.
        QCOMPARE(dblSpy.count(), dblClicks);
        QCOMPARE(clickSpy.count(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!tray.ClickPending(), 5000);
        QTest::qWait(ClickInterval);
        QCOMPARE(clickSpy.count(), clicks);
        QCOMPARE(dblSpy.count(), dblClicks);
    }

    void clickTimerWaitsTheDoubleClickInterval()
    {
        TSysTrayIcon tray;
        const auto *timer = tray.findChild<QTimer *>(QStringLiteral("ClickTimer"));
        QVERIFY(timer != nullptr);
        tray.Activated(QSystemTrayIcon::Trigger);
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), ClickInterval);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }

    void lateDoubleClickKeepsNextClick()
    {
        TSysTrayIcon tray;
        QSignalSpy clickSpy(&tray, &TSysTrayIcon::Click);
        QSignalSpy dblSpy(&tray, &TSysTrayIcon::DblClick);
        tray.Activated(QSystemTrayIcon::Trigger);
        QTRY_COMPARE_WITH_TIMEOUT(clickSpy.count(), 1, 5000);
        tray.Activated(QSystemTrayIcon::DoubleClick);
        QCOMPARE(dblSpy.count(), 1);
        tray.Activated(QSystemTrayIcon::Trigger);
        QTRY_COMPARE_WITH_TIMEOUT(clickSpy.count(), 2, 5000);
    }

    void lastClickPos()
    {
        TSysTrayIcon tray;
        QCursor::setPos(123, 456);
        if (QCursor::pos() != QPoint(123, 456))
            QSKIP("the platform cannot place the cursor");
        tray.Activated(QSystemTrayIcon::Trigger);
        QCOMPARE(tray.LastClickPos(), QPoint(123, 456));
        QVERIFY(tray.IconGeometry().isEmpty()); // no tray offscreen
    }

    void tipText_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("tip");
        const QString a63(63, u'a');
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("63 characters") << a63 << a63;
        QTest::newRow("64 characters") << a63 + u'b' << a63;
        QTest::newRow("100 characters") << QString(100, u'x') << QString(63, u'x');
        // A character outside the BMP across the cut goes whole.
        QTest::newRow("surrogate pair at the cut")
            << QString(62, u'a') + QString::fromUtf8("\xF0\x9F\x95\x90") + u'z'
            << QString(62, u'a');
    }

    void tipText()
    {
        QFETCH(QString, hint);
        QFETCH(QString, tip);
        TRecordingTrayIcon tray;
        tray.SetHint(hint);
        tray.SetIconVisible(true);
        QCOMPARE(tray.TipText(), tip);
        QCOMPARE(tray.Sent.size(), 1);
        QCOMPARE(tray.Sent[0].Tip, tip);
    }

    void sending()
    {
        using M = TSysTrayIcon::TTrayMessage;
        TRecordingTrayIcon tray;
        // Hidden: nothing goes out, the values wait for the add.
        tray.SetHint(QStringLiteral("London"));
        tray.SetIcon(QIcon());
        tray.SetIconVisible(false);
        QVERIFY(tray.Sent.isEmpty());
        tray.SetIconVisible(true);
        QCOMPARE(tray.Sent.size(), 1);
        QCOMPARE(tray.Sent[0].Message, M::Add);
        QCOMPARE(tray.Sent[0].Flags, TSysTrayIcon::IconFlag | TSysTrayIcon::TipFlag);
        QCOMPARE(tray.Sent[0].Tip, QStringLiteral("London"));
        // Unchanged values send nothing.
        tray.SetIconVisible(true);
        tray.SetHint(QStringLiteral("London"));
        QCOMPARE(tray.Sent.size(), 1);
        tray.SetHint(QStringLiteral("Paris"));
        QCOMPARE(tray.Sent.size(), 2);
        QCOMPARE(tray.Sent[1].Message, M::Modify);
        QCOMPARE(tray.Sent[1].Flags, TSysTrayIcon::TipFlag);
        tray.SetIcon(QIcon());
        QCOMPARE(tray.Sent.size(), 3);
        QCOMPARE(tray.Sent[2].Flags, TSysTrayIcon::IconFlag);
        tray.SetIconVisible(false);
        QCOMPARE(tray.Sent.size(), 4);
        QCOMPARE(tray.Sent[3].Message, M::Delete);
    }

    void emptyIconShowsStockIcon()
    {
        TSysTrayIcon tray;
        QVERIFY(tray.Icon().isNull());
        QVERIFY(!tray.IconHandle().isNull());
    }

    void destroyedPopupMenu()
    {
        TSysTrayIcon tray;
        auto menu = std::make_unique<QMenu>();
        tray.SetPopupMenu(menu.get());
        QCOMPARE(tray.PopupMenu(), menu.get());
        menu.reset();
        QCOMPARE(tray.PopupMenu(), nullptr);
        tray.Activated(QSystemTrayIcon::Context); // must not touch the old menu
    }

    void themeName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expectedName");
        QTest::newRow("in the theme")
            << QStringLiteral("example.test.Clock") << QStringLiteral("example.test.Clock");
        // A host would look up a name no theme has and show nothing.
        QTest::newRow("not in the theme") << QStringLiteral("example.test.Missing") << QString();
        QTest::newRow("no name") << QString() << QString();
    }

    void themeName()
    {
        QFETCH(QString, name);
        QFETCH(QString, expectedName);
        // A theme whose picture differs from the drawn ones.
        QTemporaryDir themes;
        QVERIFY(QDir(themes.path()).mkpath(QStringLiteral("hicolor/16x16/apps")));
        QFile index(themes.path() + QStringLiteral("/hicolor/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=16x16/apps\n\n"
                    "[16x16/apps]\nSize=16\nType=Fixed\n");
        index.close();
        QVERIFY(Filled(16, Qt::green)
                    .save(themes.path() +
                          QStringLiteral("/hicolor/16x16/apps/example.test.Clock.png")));
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(QStringLiteral("hicolor"));

        QIcon drawn;
        drawn.addPixmap(Filled(16, Qt::red));
        drawn.addPixmap(Filled(22, Qt::blue));
        const QIcon icon = WithThemeName(drawn, name);
        QCOMPARE(icon.name(), expectedName);
        // The tray still gets the drawn pictures, at every size they come in.
        QCOMPARE(icon.availableSizes(), drawn.availableSizes());
        QCOMPARE(icon.pixmap(16).toImage().pixel(8, 8), QColor(Qt::red).rgb());
        QCOMPARE(icon.pixmap(22).toImage().pixel(8, 8), QColor(Qt::blue).rgb());
        QVERIFY(!icon.isNull());
        // Copies, as the tray keeps them, keep the name too.
        const QIcon copy = icon;
        QCOMPARE(QIcon(copy).name(), expectedName);
    }
};

QTEST_MAIN(TestSysTrayIcon)
#include "tst_systrayicon.moc"
