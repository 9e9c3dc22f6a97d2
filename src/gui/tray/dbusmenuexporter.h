// A QMenu offered to the desktop over com.canonical.dbusmenu, so that a
// StatusNotifierItem panel draws it as its own menu: the same entries, texts,
// access keys and enabled states, updated as they change, and a choice in the
// panel's menu triggers the entry here.
#pragma once

#include "dbustraytypes.h"

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>

class QAction;
class QMenu;

class TDBusMenuExporter : public QObject
{
    Q_OBJECT

public:
    // Exports menu (not owned; may be null for an empty menu) at path on
    // connection for the exporter's lifetime.
    TDBusMenuExporter(const QDBusConnection &connection, const QString &path, QMenu *menu,
                      QObject *parent = nullptr);
    ~TDBusMenuExporter() override;

    const QString &Path() const { return FPath; }
    // True when the object could be put on the bus.
    bool Exported() const { return FExported; }
    void SetMenu(QMenu *menu);

    // A Qt text with "&" access keys in the menu protocol's form, which marks
    // them with "_".
    static QString LabelOf(const QString &text);
    // Everything the protocol says about action.
    static QVariantMap PropertiesOf(const QAction &action);

    // The protocol's calls, as the bus makes them.
    uint GetLayout(int parentId, int depth, const QStringList &names, TDBusMenuLayoutItem &layout);
    QList<TDBusMenuItemProperties> GetGroupProperties(const QList<int> &ids,
                                                      const QStringList &names);
    // False for an unknown id.
    bool Event(int id, const QString &eventId, uint timestamp);
    bool AboutToShow(int id);
    uint Revision() const { return FRevision; }

Q_SIGNALS:
    // An entry was chosen in the panel's menu; it is triggered right after.
    void EntryChosen(uint timestamp);
    // Toward the bus.
    void LayoutChanged(uint revision, int parentId);
    void PropertiesChanged(const QList<TDBusMenuItemProperties> &updated);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int IdOf(QAction *action);
    QMenu *MenuOf(int id) const;
    QAction *ActionOf(int id) const;
    TDBusMenuLayoutItem LayoutOf(int id, QMenu *menu, int depth, const QStringList &names);
    void Watch(QMenu *menu);
    void Flush();

    QDBusConnection FConnection;
    QString FPath;
    QPointer<QMenu> FMenu;
    bool FExported = false;
    uint FRevision = 1;
    int FNextId = 1;
    QHash<QAction *, int> FIds;
    QHash<int, QPointer<QAction>> FActions;
    QSet<int> FChangedIds;
    bool FLayoutChanged = false;
    QTimer FFlush;
};
