#include "gui/widgets/branding.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/urllabel.h"
#include "gui/widgets/watermarkbox.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

class TestWatermarkBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void click_data();
    void click();
    void openHomePage_data();
    void openHomePage();
    void shellOpenTargets_data();
    void shellOpenTargets();
    void shellOpenRestoresCursor_data();
    void shellOpenRestoresCursor();

private:
    QList<QUrl> FOpened;
};

void TestWatermarkBox::init()
{
    MessageDlgHook::Reset();
    FOpened.clear();
    SetShellOpener([this](const QUrl &url) {
        FOpened.append(url);
        return true;
    });
}

void TestWatermarkBox::cleanup()
{
    SetShellOpener({});
    MessageDlgHook::Reset();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void TestWatermarkBox::click_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left click") << Qt::LeftButton << QPoint(5, 5) << QPoint(5, 5) << 1;
    QTest::newRow("right click") << Qt::RightButton << QPoint(5, 5) << QPoint(5, 5) << 0;
    // Pressing and dragging off the box before letting go cancels the click.
    QTest::newRow("released outside") << Qt::LeftButton << QPoint(5, 5) << QPoint(40, 5) << 0;
}

void TestWatermarkBox::click()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    TWatermarkBox box;
    box.resize(24, 80);
    QCOMPARE(box.cursor().shape(), Qt::PointingHandCursor);
    QSignalSpy clicked(&box, &TWatermarkBox::Clicked);
    QTest::mousePress(&box, button, {}, pressAt);
    QTest::mouseRelease(&box, button, {}, releaseAt);
    QCOMPARE(clicked.count(), clicks);
}

void TestWatermarkBox::openHomePage_data()
{
    QTest::addColumn<bool>("showAddressFirst");
    QTest::newRow("clocks window: message, then browser") << true;
    QTest::newRow("options dialog: browser only") << false;
}

void TestWatermarkBox::openHomePage()
{
    QFETCH(bool, showAddressFirst);
    if (showAddressFirst)
        MessageDlgHook::QueueAnswer(QMessageBox::Ok);
    OpenHomePage(showAddressFirst);
    QCOMPARE(MessageDlgHook::Shown().size(), showAddressFirst ? 1 : 0);
    if (showAddressFirst) {
        QCOMPARE(MessageDlgHook::Shown().first().Message, BrandHomePage.toString());
        QCOMPARE(MessageDlgHook::Shown().first().Buttons, QMessageBox::Ok);
    }
    QCOMPARE(FOpened, QList<QUrl>{QUrl(BrandHomePage.toString())});
    QCOMPARE(FOpened.first().host(), QStringLiteral("www.vorkel.example"));
}

void TestWatermarkBox::shellOpenTargets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("opened"); // empty: nothing opened
    QTest::newRow("web") << QStringLiteral("https://www.vorkel.example/")
                         << QStringLiteral("https://www.vorkel.example/");
    QTest::newRow("mail") << QStringLiteral("mailto:clocks@vorkel.example")
                          << QStringLiteral("mailto:clocks@vorkel.example");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blank") << QStringLiteral("   ") << QString();
    QTest::newRow("no scheme") << QStringLiteral("vorkel") << QString();
}

void TestWatermarkBox::shellOpenTargets()
{
    QFETCH(QString, target);
    QFETCH(QString, opened);
    OpenLink(target);
    if (opened.isEmpty())
        QVERIFY(FOpened.isEmpty());
    else
        QCOMPARE(FOpened, QList<QUrl>{QUrl(opened)});
}

void TestWatermarkBox::shellOpenRestoresCursor_data()
{
    QTest::addColumn<int>("before"); // -1: no override cursor
    QTest::newRow("none") << -1;
    QTest::newRow("cross") << int(Qt::CrossCursor);
}

void TestWatermarkBox::shellOpenRestoresCursor()
{
    QFETCH(int, before);
    if (before >= 0)
        QGuiApplication::setOverrideCursor(QCursor(Qt::CursorShape(before)));
    Qt::CursorShape during = Qt::ArrowCursor;
    SetShellOpener([&during](const QUrl &) {
        during = QGuiApplication::overrideCursor()->shape();
        return true;
    });
    OpenLink(QStringLiteral("https://www.vorkel.example/"));
    QCOMPARE(during, Qt::WaitCursor);
    if (before < 0)
        QVERIFY(!QGuiApplication::overrideCursor());
    else
        QCOMPARE(int(QGuiApplication::overrideCursor()->shape()), before);
}

QTEST_MAIN(TestWatermarkBox)
#include "tst_watermarkbox.moc"
