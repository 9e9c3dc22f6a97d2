#include "dbusmenuexporter.h"

#include <QAction>
#include <QActionEvent>
#include <QActionGroup>
#include <QApplication>
#include <QDBusAbstractAdaptor>
#include <QMenu>

namespace {
QVariantMap Only(const QVariantMap &properties, const QStringList &names)
{
    if (names.isEmpty())
        return properties;
    QVariantMap kept;
    for (const QString &name : names)
        if (const auto it = properties.constFind(name); it != properties.cend())
            kept.insert(name, *it);
    return kept;
}
} // namespace

// The object the bus sees; the exporter does the work.
class TDBusMenuAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ Version)
    Q_PROPERTY(QString TextDirection READ TextDirection)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(QStringList IconThemePath READ IconThemePath)

public:
    explicit TDBusMenuAdaptor(TDBusMenuExporter *exporter)
        : QDBusAbstractAdaptor(exporter), FExporter(exporter)
    {
        connect(exporter, &TDBusMenuExporter::LayoutChanged, this,
                &TDBusMenuAdaptor::LayoutUpdated);
        connect(exporter, &TDBusMenuExporter::PropertiesChanged, this,
                [this](const QList<TDBusMenuItemProperties> &updated) {
                    Q_EMIT ItemsPropertiesUpdated(updated, {});
                });
    }

    uint Version() const { return 3; }
    QString TextDirection() const
    {
        return QApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                  : QStringLiteral("ltr");
    }
    QString Status() const { return QStringLiteral("normal"); }
    QStringList IconThemePath() const { return {}; }

public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                   TDBusMenuLayoutItem &layout)
    {
        return FExporter->GetLayout(parentId, recursionDepth, propertyNames, layout);
    }
    QList<TDBusMenuItemProperties> GetGroupProperties(const QList<int> &ids,
                                                      const QStringList &propertyNames)
    {
        return FExporter->GetGroupProperties(ids, propertyNames);
    }
    QDBusVariant GetProperty(int id, const QString &name)
    {
        const QList<TDBusMenuItemProperties> found = FExporter->GetGroupProperties({id}, {name});
        return QDBusVariant(found.isEmpty() ? QVariant() : found.first().Properties.value(name));
    }
    void Event(int id, const QString &eventId, const QDBusVariant &, uint timestamp)
    {
        FExporter->Event(id, eventId, timestamp);
    }
    QList<int> EventGroup(const QList<TDBusMenuEvent> &events)
    {
        QList<int> unknown;
        for (const TDBusMenuEvent &event : events)
            if (!FExporter->Event(event.Id, event.EventId, event.Timestamp))
                unknown.append(event.Id);
        return unknown;
    }
    bool AboutToShow(int id) { return FExporter->AboutToShow(id); }
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
    {
        for (const int id : ids)
            if (FExporter->GetGroupProperties({id}, {}).isEmpty())
                idErrors.append(id);
            else
                FExporter->AboutToShow(id);
        return {};
    }

Q_SIGNALS:
    void ItemsPropertiesUpdated(const QList<TDBusMenuItemProperties> &updatedProps,
                                const QList<TDBusMenuItemKeys> &removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    TDBusMenuExporter *FExporter;
};

TDBusMenuExporter::TDBusMenuExporter(const QDBusConnection &connection, const QString &path,
                                     QMenu *menu, QObject *parent)
    : QObject(parent), FConnection(connection), FPath(path)
{
    RegisterDBusTrayTypes();
    // Changes arrive in bursts (a menu rebuilt entry by entry): one message
    // for all of them.
    FFlush.setSingleShot(true);
    FFlush.setInterval(0);
    connect(&FFlush, &QTimer::timeout, this, &TDBusMenuExporter::Flush);
    new TDBusMenuAdaptor(this); // owned by this object
    SetMenu(menu);
    FExported = FConnection.isConnected() && FConnection.registerObject(FPath, this);
}

TDBusMenuExporter::~TDBusMenuExporter()
{
    if (FExported)
        FConnection.unregisterObject(FPath);
}

void TDBusMenuExporter::SetMenu(QMenu *menu)
{
    if (menu == FMenu)
        return;
    if (FMenu != nullptr)
        FMenu->removeEventFilter(this);
    FMenu = menu;
    Watch(menu);
    FLayoutChanged = true;
    FFlush.start();
}

QString TDBusMenuExporter::LabelOf(const QString &text)
{
    QString label;
    label.reserve(text.size() + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'_') {
            label += QStringLiteral("__");
        } else if (c == u'&') {
            // "&&" is a plain ampersand; a lone "&" marks the access key.
            if (i + 1 < text.size() && text.at(i + 1) == u'&') {
                label += u'&';
                ++i;
            } else if (i + 1 < text.size()) {
                label += u'_';
            }
        } else {
            label += c;
        }
    }
    return label;
}

QVariantMap TDBusMenuExporter::PropertiesOf(const QAction &action)
{
    QVariantMap properties;
    properties.insert(QStringLiteral("visible"), action.isVisible());
    if (action.isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return properties;
    }
    properties.insert(QStringLiteral("label"), LabelOf(action.text()));
    properties.insert(QStringLiteral("enabled"), action.isEnabled());
    if (const QString icon = action.icon().name(); !icon.isEmpty())
        properties.insert(QStringLiteral("icon-name"), icon);
    if (action.isCheckable()) {
        const bool radio = action.actionGroup() != nullptr && action.actionGroup()->isExclusive();
        properties.insert(QStringLiteral("toggle-type"),
                          radio ? QStringLiteral("radio") : QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), action.isChecked() ? 1 : 0);
    }
    if (action.menu() != nullptr)
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    return properties;
}

int TDBusMenuExporter::IdOf(QAction *action)
{
    if (const auto it = FIds.constFind(action); it != FIds.cend())
        return *it;
    const int id = FNextId++;
    FIds.insert(action, id);
    FActions.insert(id, action);
    connect(action, &QObject::destroyed, this, [this, action, id] {
        FIds.remove(action);
        FActions.remove(id);
    });
    return id;
}

QAction *TDBusMenuExporter::ActionOf(int id) const
{
    return FActions.value(id);
}

QMenu *TDBusMenuExporter::MenuOf(int id) const
{
    if (id == 0)
        return FMenu;
    const QAction *action = ActionOf(id);
    return action != nullptr ? action->menu() : nullptr;
}

void TDBusMenuExporter::Watch(QMenu *menu)
{
    // Installed again on every layout: Qt keeps one copy of a filter.
    if (menu != nullptr)
        menu->installEventFilter(this);
}

TDBusMenuLayoutItem TDBusMenuExporter::LayoutOf(int id, QMenu *menu, int depth,
                                                const QStringList &names)
{
    TDBusMenuLayoutItem item;
    item.Id = id;
    if (id == 0)
        item.Properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    else if (QAction *action = ActionOf(id))
        item.Properties = Only(PropertiesOf(*action), names);
    if (menu == nullptr || depth == 0)
        return item;
    Watch(menu);
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        const int childId = IdOf(action);
        item.Children.append(LayoutOf(childId, action->menu(), depth < 0 ? -1 : depth - 1, names));
    }
    return item;
}

uint TDBusMenuExporter::GetLayout(int parentId, int depth, const QStringList &names,
                                  TDBusMenuLayoutItem &layout)
{
    layout = LayoutOf(parentId, MenuOf(parentId), depth, names);
    return FRevision;
}

QList<TDBusMenuItemProperties> TDBusMenuExporter::GetGroupProperties(const QList<int> &ids,
                                                                     const QStringList &names)
{
    QList<TDBusMenuItemProperties> found;
    for (const int id : ids) {
        if (id == 0)
            found.append({0, Only({{QStringLiteral("children-display"), QStringLiteral("submenu")}},
                                  names)});
        else if (const QAction *action = ActionOf(id))
            found.append({id, Only(PropertiesOf(*action), names)});
    }
    return found;
}

bool TDBusMenuExporter::Event(int id, const QString &eventId, uint timestamp)
{
    QMenu *menu = MenuOf(id);
    QPointer<QAction> action = ActionOf(id);
    if (id != 0 && action.isNull())
        return false;
    if (eventId == QLatin1String("clicked") && !action.isNull()) {
        // After the reply: the entry may open a modal box.
        QTimer::singleShot(0, this, [this, action, timestamp] {
            if (action.isNull() || !action->isEnabled() || !action->isVisible())
                return;
            Q_EMIT EntryChosen(timestamp);
            action->trigger();
        });
    } else if (eventId == QLatin1String("closed") && menu != nullptr) {
        Q_EMIT menu->aboutToHide();
    }
    return true;
}

bool TDBusMenuExporter::AboutToShow(int id)
{
    if (QMenu *menu = MenuOf(id))
        // The menu's owner may update its entries now; the changes go out
        // as signals of their own.
        Q_EMIT menu->aboutToShow();
    return false;
}

bool TDBusMenuExporter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
        FLayoutChanged = true;
        FFlush.start();
        break;
    case QEvent::ActionChanged:
        if (const auto it = FIds.constFind(static_cast<QActionEvent *>(event)->action());
            it != FIds.cend()) {
            FChangedIds.insert(*it);
            FFlush.start();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TDBusMenuExporter::Flush()
{
    if (std::exchange(FLayoutChanged, false)) {
        FChangedIds.clear();
        ++FRevision;
        Q_EMIT LayoutChanged(FRevision, 0);
        return;
    }
    QList<TDBusMenuItemProperties> updated;
    for (const int id : std::as_const(FChangedIds))
        if (const QAction *action = ActionOf(id))
            updated.append({id, PropertiesOf(*action)});
    FChangedIds.clear();
    if (!updated.isEmpty())
        Q_EMIT PropertiesChanged(updated);
}

#include "dbusmenuexporter.moc"
