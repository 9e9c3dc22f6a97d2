#include "gui/widgets/typeddateedit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
bool IsDateSeparator(const QString &text)
{
    return text.size() == 1 && QStringLiteral("./-, ").contains(text.front());
}
} // namespace

TTypedDateEdit::TTypedDateEdit(QWidget *parent) : QDateEdit(parent)
{
    // A click into the text goes to the line edit, not to the box.
    lineEdit()->installEventFilter(this);
}

void TTypedDateEdit::StartOver()
{
    FTyping = false;
    FMovedOn = false;
}

bool TTypedDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    // The next digit starts the part clicked into.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress)
        StartOver();
    return QDateEdit::eventFilter(watched, event);
}

void TTypedDateEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.front().isDigit()) {
        // Overwriting the part, as after a Tab into the box: inserted beside
        // the digits there it would make a date that does not exist.
        if (!FTyping && !lineEdit()->hasSelectedText())
            setSelectedSection(currentSection());
        const int before = currentSectionIndex();
        QDateEdit::keyPressEvent(event);
        FMovedOn = currentSectionIndex() != before;
        FTyping = !FMovedOn;
        return;
    }
    if (IsDateSeparator(text) && event->modifiers() == Qt::NoModifier) {
        if (!FMovedOn && currentSectionIndex() + 1 < sectionCount()) {
            setCurrentSectionIndex(currentSectionIndex() + 1);
            setSelectedSection(currentSection());
        }
        StartOver();
        event->accept();
        return;
    }
    StartOver();
    QDateEdit::keyPressEvent(event);
}

void TTypedDateEdit::focusInEvent(QFocusEvent *event)
{
    QDateEdit::focusInEvent(event);
    StartOver();
}
