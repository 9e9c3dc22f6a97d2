#include "gui/widgets/aboutform.h"
#include "gui/widgets/urllabel.h"

#include <QApplication>
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
    void linksByKeyboard_data();
    void linksByKeyboard();

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

void TestAboutForm::linksByKeyboard_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opens");
    QTest::newRow("web site, Enter")
        << "LblWebSite" << int(Qt::Key_Return) << "https://www.vorkel.example/";
    QTest::newRow("feedback, Space")
        << "LblFeedback" << int(Qt::Key_Space) << "mailto:clocks@vorkel.example";
    QTest::newRow("web site, keypad Enter")
        << "LblWebSite" << int(Qt::Key_Enter) << "https://www.vorkel.example/";
}

void TestAboutForm::linksByKeyboard()
{
    QFETCH(QString, link);
    QFETCH(int, key);
    QFETCH(QString, opens);
    TAboutForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *close = form.findChild<QPushButton *>(QStringLiteral("BtnClose"));
    // It opens on Close, which Enter presses.
    QCOMPARE(QApplication::focusWidget(), close);
    // Tab goes round the box's focus chain, through the link.
    QWidget *reached = nullptr;
    for (int i = 0; i < 4 && !reached; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget()->objectName() == link)
            reached = QApplication::focusWidget();
    }
    QVERIFY2(reached, qPrintable(link));
    QSignalSpy accepted(&form, &QDialog::accepted);
    QTest::keyClick(reached, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(FOpened, QList<QUrl>{QUrl(opens)});
    // The key opened the link instead of pressing the default button.
    QCOMPARE(accepted.count(), 0);
}

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
