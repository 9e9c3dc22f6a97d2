// Which answer Enter gives in a message box, in either button order.
#include "gui/widgets/messagedialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QProxyStyle>
#include <QTest>
#include <QTimer>

namespace {
// The desktop's button order, as a platform theme would give it.
class TButtonOrderStyle : public QProxyStyle
{
public:
    explicit TButtonOrderStyle(QDialogButtonBox::ButtonLayout layout) : FLayout(layout) {}
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonLayout)
            return FLayout;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QDialogButtonBox::ButtonLayout FLayout;
};
} // namespace

class TestMessageDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void enterAnswers_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("answer");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        QTest::newRow("No, Yes") << int(QDialogButtonBox::GnomeLayout) << yesNo
                                 << int(QMessageBox::Yes);
        QTest::newRow("Yes, No") << int(QDialogButtonBox::WinLayout) << yesNo
                                 << int(QMessageBox::Yes);
        QTest::newRow("Cancel, OK")
            << int(QDialogButtonBox::GnomeLayout) << okCancel << int(QMessageBox::Ok);
        QTest::newRow("OK, Cancel")
            << int(QDialogButtonBox::KdeLayout) << okCancel << int(QMessageBox::Ok);
    }
    void enterAnswers()
    {
        QFETCH(int, layout);
        QFETCH(int, buttons);
        QFETCH(int, answer);
        MessageDlgHook::Reset();
        QApplication::setStyle(
            new TButtonOrderStyle(static_cast<QDialogButtonBox::ButtonLayout>(layout)));
        // Enter on the box as it comes up, on whatever has the focus.
        QTimer::singleShot(0, this, [] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            QWidget *focused = box->focusWidget();
            QTest::keyClick(focused ? focused : box, Qt::Key_Return);
        });
        const QMessageBox::StandardButton pressed =
            MessageDlg(QStringLiteral("Choose some now?"), TMsgDlgType::Confirmation,
                       QMessageBox::StandardButtons(buttons));
        QCOMPARE(int(pressed), answer);
    }
    void userWordsShownAsTheyAre()
    {
        MessageDlgHook::Reset();
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&format] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            box->accept();
        });
        MessageDlg(QStringLiteral("The time in <b>HQ</b> <img src=\"x.png\"> is now 10:00."),
                   TMsgDlgType::Information, QMessageBox::Ok);
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
