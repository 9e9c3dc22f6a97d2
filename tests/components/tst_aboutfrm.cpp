#include "components/aboutfrm.h"
#include "components/urllabel.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestAboutForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void textsAndNothingClipped();
    void linkLabels_data();
    void linkLabels();

private:
    QList<QUrl> FOpened;
};

void TestAboutForm::init()
{
    FOpened.clear();
    SetShellOpener([this](const QUrl &url) {
        FOpened.append(url);
        return true;
    });
}

void TestAboutForm::cleanup()
{
    SetShellOpener({});
}

void TestAboutForm::textsAndNothingClipped()
{
    TAboutForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("About Vorkel Clocks"));
    QCOMPARE(form.LblVersion->text(), QStringLiteral("Version: 1.25"));
    QVERIFY(!form.LblBeta->isVisibleTo(&form));
    QCOMPARE(form.URLLabel1->URL, QStringLiteral("https://www.vorkel.example/"));
    QVERIFY(form.URLLabel2->URL.startsWith(QStringLiteral("mailto:")));
    for (QLabel *label :
         {form.Label1, form.LblVersion, form.Label4, form.Label5,
          static_cast<QLabel *>(form.URLLabel1), static_cast<QLabel *>(form.URLLabel2)}) {
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        QVERIFY2(label->geometry().right() < form.width(), qPrintable(label->text()));
    }
    QVERIFY(form.Button1->geometry().bottom() < form.height());
}

void TestAboutForm::linkLabels_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("opened");
    QTest::newRow("web address") << "https://www.vorkel.example/" << 1;
    QTest::newRow("mail address") << "mailto:clocks@vorkel.example" << 1;
    QTest::newRow("empty opens nothing") << "" << 0;
}

void TestAboutForm::linkLabels()
{
    QFETCH(QString, url);
    QFETCH(int, opened);
    TURLLabel label(QStringLiteral("link"));
    label.URL = url;
    label.resize(label.sizeHint());
    QSignalSpy clicked(&label, &TURLLabel::Clicked);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(FOpened.size(), opened);
    // A right click is no click.
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(2, 2));
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestAboutForm)
#include "tst_aboutfrm.moc"
