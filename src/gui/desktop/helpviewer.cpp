#include "helpviewer.h"

#include "gui/desktop/help.h"
#include "gui/desktop/windowfront.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

THelpViewer::THelpViewer(QWidget *parent) : QTextBrowser(parent)
{
    setWindowTitle(tr("Vorkel Clocks Help"));
    setOpenExternalLinks(true);
    setSearchPaths({QStringLiteral(":/help")});
    // One style for every page: the viewer ignores linked style sheets.
    QFile css(QStringLiteral(":/help/style.css"));
    if (css.open(QIODevice::ReadOnly))
        document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
    const QFontMetrics fm(font());
    QSize size(fm.averageCharWidth() * 80, fm.height() * 36);
    // In a large desktop font the lines would reach past the screen's bottom.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    }
    resize(size);
}

void THelpViewer::ShowTopic(const QString &keyword)
{
    setSource(QUrl(QStringLiteral("qrc:/help/") + LocalizedHelpPage(HelpPageForKeyword(keyword))));
    ReturnActivationOnHide(*this);
    BringToFront(*this);
}

void THelpViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}
