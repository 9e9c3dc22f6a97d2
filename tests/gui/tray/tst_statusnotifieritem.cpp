// The StatusNotifierItem and its menu on a private session bus, against a
// stand-in for a panel's watcher: registration whenever a watcher comes,
// what a panel reads, the calls a panel makes, and the exported menu.
#include "gui/tray/dbusmenuexporter.h"
#include "gui/tray/statusnotifieritem.h"
#include "gui/tray/systrayicon.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusReply>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString WatcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
constexpr int ClickInterval = 60;

// What a panel's watcher does for an item: takes its registration.
class TWatcher : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ IsStatusNotifierHostRegistered)

public:
    bool IsStatusNotifierHostRegistered() const { return true; }
    QStringList Registered;

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service) { Registered.append(service); }
};

// Receives the menu's signals from the bus.
class TMenuListener : public QObject
{
    Q_OBJECT

public:
    QList<uint> Revisions;
    int PropertyUpdates = 0;

public Q_SLOTS:
    void LayoutUpdated(uint revision, int) { Revisions.append(revision); }
    void ItemsPropertiesUpdated(const QDBusMessage &) { ++PropertyUpdates; }
};

QStringList Labels(const TDBusMenuLayoutItem &layout)
{
    QStringList labels;
    for (const TDBusMenuLayoutItem &child : layout.Children)
        labels.append(child.Properties.value(QStringLiteral("type")).toString() ==
                              QLatin1String("separator")
                          ? QStringLiteral("-")
                          : child.Properties.value(QStringLiteral("label")).toString());
    return labels;
}
} // namespace

class TestStatusNotifierItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void registration_data();
    void registration();
    void dropped_data();
    void dropped();
    void properties();
    void calls_data();
    void calls();
    void labels_data();
    void labels();
    void menu();
    void trayIcon();

private:
    void StartWatcher();
    void StopWatcher();
    TDBusMenuLayoutItem LayoutOverBus(const QString &service);

    QProcess FBus;
    QString FAddress;
    std::unique_ptr<QDBusConnection> FItemBus;
    std::unique_ptr<QDBusConnection> FPanelBus;
    TWatcher FWatcher;
};

void TestStatusNotifierItem::initTestCase()
{
    QApplication::setDoubleClickInterval(ClickInterval);
    FBus.start(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"),
                QStringLiteral("--print-address=1")});
    if (!FBus.waitForStarted())
        QSKIP("dbus-daemon is not installed");
    QTRY_VERIFY_WITH_TIMEOUT(FBus.canReadLine(), 10000);
    FAddress = QString::fromUtf8(FBus.readLine()).trimmed();
    FItemBus = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(FAddress, QStringLiteral("item")));
    FPanelBus = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(FAddress, QStringLiteral("panel")));
    QVERIFY(FItemBus->isConnected());
    QVERIFY(FPanelBus->isConnected());
    QVERIFY(FPanelBus->registerObject(QStringLiteral("/StatusNotifierWatcher"), &FWatcher,
                                      QDBusConnection::ExportAllSlots |
                                          QDBusConnection::ExportAllProperties));
}

void TestStatusNotifierItem::cleanupTestCase()
{
    FItemBus.reset();
    FPanelBus.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("item"));
    QDBusConnection::disconnectFromBus(QStringLiteral("panel"));
    FBus.terminate();
    FBus.waitForFinished();
}

void TestStatusNotifierItem::cleanup()
{
    StopWatcher();
    FWatcher.Registered.clear();
}

void TestStatusNotifierItem::StartWatcher()
{
    QVERIFY(FPanelBus->registerService(WatcherName));
}

void TestStatusNotifierItem::StopWatcher()
{
    FPanelBus->unregisterService(WatcherName);
}

TDBusMenuLayoutItem TestStatusNotifierItem::LayoutOverBus(const QString &service)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/MenuBar"),
                                                       QStringLiteral("com.canonical.dbusmenu"),
                                                       QStringLiteral("GetLayout"));
    call << 0 << -1 << QStringList();
    const QDBusMessage reply = FPanelBus->call(call, QDBus::BlockWithGui);
    TDBusMenuLayoutItem layout;
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 2)
        reply.arguments().at(1).value<QDBusArgument>() >> layout;
    return layout;
}

void TestStatusNotifierItem::registration_data()
{
    QTest::addColumn<bool>("watcherFirst");
    QTest::addColumn<int>("restarts");
    QTest::newRow("watcher there at start") << true << 0;
    // The login race: the panel comes after the program.
    QTest::newRow("watcher comes later") << false << 0;
    // A panel restarted: its new watcher knows nothing of the item.
    QTest::newRow("watcher restarts twice") << true << 2;
}

void TestStatusNotifierItem::registration()
{
    QFETCH(bool, watcherFirst);
    QFETCH(int, restarts);
    if (watcherFirst)
        StartWatcher();
    TStatusNotifierItem item(*FItemBus);
    QCOMPARE(item.WatcherPresent(), watcherFirst);
    item.SetShown(true);
    QVERIFY(FPanelBus->interface()->isServiceRegistered(item.ServiceName()));
    if (!watcherFirst) {
        QTest::qWait(100);
        QVERIFY(FWatcher.Registered.isEmpty());
        StartWatcher();
    }
    QTRY_COMPARE(FWatcher.Registered, QStringList{item.ServiceName()});
    QTRY_VERIFY(item.HostRegistered());
    for (int i = 0; i < restarts; ++i) {
        StopWatcher();
        QTRY_VERIFY(!item.WatcherPresent());
        StartWatcher();
        QTRY_COMPARE(FWatcher.Registered.size(), i + 2);
    }
    QCOMPARE(FWatcher.Registered.last(), item.ServiceName());
    // Hidden, the item leaves the bus: the watcher forgets it.
    item.SetShown(false);
    QVERIFY(!FPanelBus->interface()->isServiceRegistered(item.ServiceName()));
}

void TestStatusNotifierItem::properties()
{
    TStatusNotifierItem item(*FItemBus);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    item.SetIcon(QIcon(red));
    item.SetToolTip(QStringLiteral("London 12:00"));
    item.SetShown(true);
    const auto property = [&](const char *name) {
        QDBusMessage get = QDBusMessage::createMethodCall(
            item.ServiceName(), QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.kde.StatusNotifierItem") << QString::fromLatin1(name);
        // The item answers from this thread: the call must not block it.
        const QDBusReply<QDBusVariant> reply = FPanelBus->call(get, QDBus::BlockWithGui);
        return reply.value().variant();
    };
    QCOMPARE(property("Category").toString(), QStringLiteral("ApplicationStatus"));
    QCOMPARE(property("Status").toString(), QStringLiteral("Active"));
    QCOMPARE(property("ItemIsMenu"), QVariant(false));
    QCOMPARE(property("Id").toString(), item.Id());
    QVERIFY(!item.Id().isEmpty());
    QCOMPARE(property("Menu").value<QDBusObjectPath>().path(), QStringLiteral("/MenuBar"));
    // The pictures as ARGB in network order.
    QList<TSniPixmap> pictures;
    property("IconPixmap").value<QDBusArgument>() >> pictures;
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures[0].Width, 16);
    QCOMPARE(pictures[0].Bytes.size(), 16 * 16 * 4);
    QCOMPARE(pictures[0].Bytes.left(4), QByteArray("\xff\xff\x00\x00", 4));
    TSniToolTip toolTip;
    property("ToolTip").value<QDBusArgument>() >> toolTip;
    QCOMPARE(toolTip.Title, QStringLiteral("London 12:00"));
}

void TestStatusNotifierItem::dropped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("drops");
    QTest::addColumn<int>("registrations");
    // GNOME's extension names items by unique connection name and path.
    QTest::newRow("by unique name") << QStringLiteral("@/StatusNotifierItem") << 1 << 2;
    QTest::newRow("by service name") << QString() << 1 << 2;
    QTest::newRow("dropped again and again") << QString() << 5 << 4;
    QTest::newRow("another program's item")
        << QStringLiteral(":1.999@/StatusNotifierItem") << 1 << 1;
}

void TestStatusNotifierItem::dropped()
{
    QFETCH(QString, name);
    QFETCH(int, drops);
    QFETCH(int, registrations);
    StartWatcher();
    TStatusNotifierItem item(*FItemBus);
    item.SetShown(true);
    QTRY_COMPARE(FWatcher.Registered.size(), 1);
    if (name.isEmpty())
        name = item.ServiceName();
    else if (name.startsWith(QLatin1Char('@')))
        name.prepend(FItemBus->baseService());
    for (int i = 0; i < drops; ++i) {
        QDBusMessage signal =
            QDBusMessage::createSignal(QStringLiteral("/StatusNotifierWatcher"), WatcherName,
                                       QStringLiteral("StatusNotifierItemUnregistered"));
        signal << name;
        QVERIFY(FPanelBus->send(signal));
        // Each drop answered before the next.
        QTRY_COMPARE_WITH_TIMEOUT(FWatcher.Registered.size(), std::min(i + 2, registrations), 3000);
    }
    QTest::qWait(700);
    QCOMPARE(FWatcher.Registered.size(), registrations);
}

void TestStatusNotifierItem::calls_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("Activate") << QStringLiteral("Activate") << QVariantList{926, 16}
                              << QStringLiteral("Activated") << QVariant(QPoint(926, 16));
    QTest::newRow("SecondaryActivate")
        << QStringLiteral("SecondaryActivate") << QVariantList{10, 758}
        << QStringLiteral("SecondaryActivated") << QVariant(QPoint(10, 758));
    QTest::newRow("ContextMenu") << QStringLiteral("ContextMenu") << QVariantList{1013, 758}
                                 << QStringLiteral("ContextMenuRequested")
                                 << QVariant(QPoint(1013, 758));
    // swaybar and GNOME: one step, down positive; Plasma: angle units, up positive.
    QTest::newRow("Scroll up a step")
        << QStringLiteral("Scroll") << QVariantList{-1, QStringLiteral("vertical")}
        << QStringLiteral("Scrolled") << QVariant(120);
    QTest::newRow("Scroll down two steps")
        << QStringLiteral("Scroll") << QVariantList{2, QStringLiteral("vertical")}
        << QStringLiteral("Scrolled") << QVariant(-240);
    QTest::newRow("Scroll up a notch, Plasma")
        << QStringLiteral("Scroll") << QVariantList{120, QStringLiteral("Vertical")}
        << QStringLiteral("Scrolled") << QVariant(120);
    QTest::newRow("Scroll sideways")
        << QStringLiteral("Scroll") << QVariantList{1, QStringLiteral("horizontal")}
        << QStringLiteral("Scrolled") << QVariant();
    const QString token = QStringLiteral("gnome-shell/example.vorkel.Clocks/42-0-host_TIME1234");
    QTest::newRow("ProvideXdgActivationToken")
        << QStringLiteral("ProvideXdgActivationToken") << QVariantList{token}
        << QStringLiteral("ActivationTokenProvided") << QVariant(token);
}

void TestStatusNotifierItem::calls()
{
    QFETCH(QString, method);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, signal);
    QFETCH(QVariant, expected);
    TStatusNotifierItem item(*FItemBus);
    item.SetShown(true);
    const QMetaMethod meta =
        item.metaObject()->method(item.metaObject()->indexOfSignal(QMetaObject::normalizedSignature(
            (signal + (signal == QLatin1String("Scrolled") ? QStringLiteral("(int)")
                       : signal == QLatin1String("ActivationTokenProvided")
                           ? QStringLiteral("(QString)")
                           : QStringLiteral("(QPoint)")))
                .toLatin1())));
    QVERIFY(meta.isValid());
    QSignalSpy spy(&item, meta);
    QDBusMessage call =
        QDBusMessage::createMethodCall(item.ServiceName(), QStringLiteral("/StatusNotifierItem"),
                                       QStringLiteral("org.kde.StatusNotifierItem"), method);
    call.setArguments(arguments);
    QCOMPARE(FPanelBus->call(call, QDBus::BlockWithGui).type(), QDBusMessage::ReplyMessage);
    if (!expected.isValid()) {
        QCOMPARE(spy.count(), 0);
        return;
    }
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0], expected);
}

void TestStatusNotifierItem::labels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");
    QTest::newRow("access key") << QStringLiteral("E&xit") << QStringLiteral("E_xit");
    QTest::newRow("none") << QStringLiteral("Show Clocks") << QStringLiteral("Show Clocks");
    QTest::newRow("ampersand") << QStringLiteral("R&&D &Log") << QStringLiteral("R&D _Log");
    QTest::newRow("underscore") << QStringLiteral("a_b &c") << QStringLiteral("a__b _c");
    QTest::newRow("lone & at the end") << QStringLiteral("Rock&") << QStringLiteral("Rock");
}

void TestStatusNotifierItem::labels()
{
    QFETCH(QString, text);
    QFETCH(QString, label);
    QCOMPARE(TDBusMenuExporter::LabelOf(text), label);
}

void TestStatusNotifierItem::menu()
{
    QMenu popup;
    popup.addAction(QStringLiteral("Show Clocks"));
    QAction *options = popup.addAction(QStringLiteral("Options..."));
    popup.addSeparator();
    QAction *exit = popup.addAction(QStringLiteral("E&xit"));
    TStatusNotifierItem item(*FItemBus);
    item.SetMenu(&popup);
    item.SetShown(true);

    TDBusMenuLayoutItem layout = LayoutOverBus(item.ServiceName());
    QCOMPARE(Labels(layout),
             (QStringList{QStringLiteral("Show Clocks"), QStringLiteral("Options..."),
                          QStringLiteral("-"), QStringLiteral("E_xit")}));
    QCOMPARE(layout.Children[1].Properties.value(QStringLiteral("enabled")), QVariant(true));

    TMenuListener listener;
    const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");
    QVERIFY(FPanelBus->connect(item.ServiceName(), QStringLiteral("/MenuBar"), menuInterface,
                               QStringLiteral("LayoutUpdated"), &listener,
                               SLOT(LayoutUpdated(uint, int))));
    QVERIFY(FPanelBus->connect(item.ServiceName(), QStringLiteral("/MenuBar"), menuInterface,
                               QStringLiteral("ItemsPropertiesUpdated"), &listener,
                               SLOT(ItemsPropertiesUpdated(QDBusMessage))));
    // A disabled entry: its properties again, not the whole layout.
    options->setEnabled(false);
    QTRY_COMPARE(listener.PropertyUpdates, 1);
    layout = LayoutOverBus(item.ServiceName());
    QCOMPARE(layout.Children[1].Properties.value(QStringLiteral("enabled")), QVariant(false));
    // A new entry: a new layout revision.
    popup.addAction(QStringLiteral("Help"));
    QTRY_COMPARE(listener.Revisions.size(), 1);
    QCOMPARE(Labels(LayoutOverBus(item.ServiceName())).size(), 5);

    // A click in the panel's menu triggers the entry, after the reply.
    QSignalSpy triggered(exit, &QAction::triggered);
    QDBusMessage event = QDBusMessage::createMethodCall(
        item.ServiceName(), QStringLiteral("/MenuBar"), menuInterface, QStringLiteral("Event"));
    event << layout.Children[3].Id << QStringLiteral("clicked")
          << QVariant::fromValue(QDBusVariant(0)) << 0u;
    QCOMPARE(FPanelBus->call(event, QDBus::BlockWithGui).type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE(triggered.count(), 1);
    // A disabled entry is not triggered, whatever the panel sends.
    QSignalSpy optionsTriggered(options, &QAction::triggered);
    event.setArguments({layout.Children[1].Id, QStringLiteral("clicked"),
                        QVariant::fromValue(QDBusVariant(0)), 0u});
    FPanelBus->call(event, QDBus::BlockWithGui);
    QTest::qWait(50);
    QCOMPARE(optionsTriggered.count(), 0);
}

void TestStatusNotifierItem::trayIcon()
{
    StartWatcher();
    TSysTrayIcon tray(*FItemBus);
    QCOMPARE(tray.Kind(), TSysTrayIcon::TTrayKind::StatusNotifier);
    QMenu popup;
    popup.addAction(QStringLiteral("Show Clocks"));
    tray.SetPopupMenu(&popup);
    tray.SetIconVisible(true);
    TStatusNotifierItem *item = tray.NotifierItem();
    QTRY_COMPARE(FWatcher.Registered, QStringList{item->ServiceName()});
    QTRY_VERIFY(tray.TrayAvailable());

    // A click: Click after the double-click time, at the panel's point.
    QSignalSpy clicks(&tray, &TSysTrayIcon::Click);
    QDBusMessage call = QDBusMessage::createMethodCall(
        item->ServiceName(), QStringLiteral("/StatusNotifierItem"),
        QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"));
    call << 300 << 590;
    FPanelBus->call(call, QDBus::BlockWithGui);
    QTRY_COMPARE(clicks.count(), 1);
    QCOMPARE(tray.LastClickPos(), QPoint(300, 590));
    // Two in quick succession: a double click.
    QSignalSpy doubles(&tray, &TSysTrayIcon::DblClick);
    FPanelBus->call(call, QDBus::BlockWithGui);
    FPanelBus->call(call, QDBus::BlockWithGui);
    QTRY_COMPARE(doubles.count(), 1);
    QTest::qWait(2 * ClickInterval);
    QCOMPARE(clicks.count(), 1);
    // A panel that draws no menu asks for ours.
    QDBusMessage menuCall = QDBusMessage::createMethodCall(
        item->ServiceName(), QStringLiteral("/StatusNotifierItem"),
        QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("ContextMenu"));
    menuCall << 300 << 590;
    FPanelBus->call(menuCall, QDBus::BlockWithGui);
    QTRY_VERIFY(popup.isVisible());
    popup.hide();

    // The panel goes: no tray here (offscreen has no XEmbed), then it is back.
    StopWatcher();
    QTRY_COMPARE(tray.Kind(), TSysTrayIcon::TTrayKind::None);
    QVERIFY(!tray.TrayAvailable());
    StartWatcher();
    QTRY_COMPARE(FWatcher.Registered.size(), 2);
    QTRY_VERIFY(tray.TrayAvailable());
}

QTEST_MAIN(TestStatusNotifierItem)
#include "tst_statusnotifieritem.moc"
