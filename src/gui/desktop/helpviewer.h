// The manual's window: the HTML manual compiled into the program, opened at
// the page of a help keyword.
#pragma once

#include <QTextBrowser>

class THelpViewer : public QTextBrowser
{
    Q_OBJECT

public:
    explicit THelpViewer(QWidget *parent = nullptr);

    // Opens the keyword's page (in the user's language where the manual has
    // it) and brings the window to the front.
    void ShowTopic(const QString &keyword);

protected:
    // Esc closes the window, as it closes the program's other windows.
    void keyPressEvent(QKeyEvent *event) override;
};
