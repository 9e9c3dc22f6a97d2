#include "gui/widgets/aboutform.h"
#include "gui/widgets/urllabel.h"

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
    const auto label = [&form](const char *name) {
        return form.findChild<QLabel *>(QLatin1String(name));
    };
    QCOMPARE(form.windowTitle(), QStringLiteral("About Vorkel Clocks"));
    QCOMPARE(label("LblProduct")->text(), QStringLiteral("Vorkel Clocks"));
    QCOMPARE(label("LblVersion")->text(), QStringLiteral("Version: 1.25"));
    QCOMPARE(label("LblCopyright")->text(),
             QStringLiteral("Copyright \u00A9 2026 Vorkel Software"));
    QVERIFY(!label("LblBeta")->isVisibleTo(&form));
    const auto *web = form.findChild<TURLLabel *>(QStringLiteral("LblWebSite"));
    const auto *mail = form.findChild<TURLLabel *>(QStringLiteral("LblFeedback"));
    QCOMPARE(web->text(), QStringLiteral("www.vorkel.example"));
    QCOMPARE(web->URL, QStringLiteral("https://www.vorkel.example/"));
    QVERIFY(mail->URL.startsWith(QStringLiteral("mailto:")));
    // The box's design size at least, grown where a wider font needs it.
    QVERIFY(form.width() >= 198 && form.height() >= 200);
    form.show();
    for (const QLabel *shown : form.findChildren<QLabel *>()) {
        if (!shown->isVisible()) {
            continue;
        }
        QVERIFY2(shown->width() >= shown->sizeHint().width(), qPrintable(shown->text()));
        QVERIFY2(shown->geometry().right() < form.width(), qPrintable(shown->text()));
    }
    // A link is only as wide as its text: a click beside it opens nothing.
    QVERIFY(web->width() < form.width() / 2 + web->sizeHint().width());
    const auto *close = form.findChild<QPushButton *>(QStringLiteral("BtnClose"));
    QVERIFY(close->isDefault());
    QVERIFY(close->geometry().bottom() < form.height());
    QVERIFY(qAbs(close->geometry().center().x() - form.width() / 2) <= 1);
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
#include "tst_aboutform.moc"
