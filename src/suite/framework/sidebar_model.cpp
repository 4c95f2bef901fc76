#include "suite/framework/sidebar_model.h"

#include "brondel/console/host_components/cinterface.h"
#include "brondel/console/host_components/menu_entry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace suite {

namespace {

const QString DefinitionResource = QStringLiteral(":/suite/framework/sidebars.json");

automation::Error invalidCall(const QString& source, const QString& why) {
    return automation::Error(5, source, QStringLiteral("Invalid procedure call or argument: ") + why);
}

}  // namespace

QList<SidebarModel::Group> SidebarModel::definition(const QString& programName) {
    QFile file(DefinitionResource);
    if (!file.open(QIODevice::ReadOnly))
        throw automation::Error(automation::errors::PathFileAccessError, QStringLiteral("Sidebar"),
                                QStringLiteral("Path/File access error: ") + DefinitionResource);
    QList<Group> groups;
    const QJsonArray definitions = QJsonDocument::fromJson(file.readAll()).object().value(programName).toArray();
    for (const QJsonValue& groupValue : definitions) {
        const QJsonObject group = groupValue.toObject();
        Group entry;
        entry.key = group.value(QStringLiteral("key")).toString();
        entry.caption = group.value(QStringLiteral("caption")).toString();
        entry.expanded = group.value(QStringLiteral("expanded")).toBool();
        for (const QJsonValue& itemValue : group.value(QStringLiteral("items")).toArray()) {
            const QJsonObject item = itemValue.toObject();
            entry.items << host::SidebarItem{entry.key, item.value(QStringLiteral("key")).toString(),
                                             item.value(QStringLiteral("caption")).toString()};
        }
        groups << entry;
    }
    return groups;
}

void SidebarModel::initialize(std::shared_ptr<host::Cinterface> host, bool expandAll) {
    const auto entry = host ? host->clsVoceMenu() : nullptr;
    const QString program = entry ? entry->programName() : QString();
    QList<Group> groups = definition(program);
    if (groups.isEmpty())
        throw invalidCall(name(), QStringLiteral("no sidebar is defined for the program \"%1\"").arg(program));
    // The definition says which groups open expanded; expandAll opens the others too.
    for (Group& group : groups)
        group.expanded = group.expanded || expandAll;
    setGroups(groups);
}

void SidebarModel::setGroups(const QList<Group>& groups) {
    groups_ = groups;
    selected_ = {};
    notifyChanged();
}

QList<host::SidebarItem> SidebarModel::items() const {
    QList<host::SidebarItem> result;
    for (const Group& group : groups_)
        result << group.items;
    return result;
}

SidebarModel::Group* SidebarModel::findGroup(const QString& groupKey) {
    for (Group& group : groups_) {
        if (group.key == groupKey)
            return &group;
    }
    return nullptr;
}

const SidebarModel::Group* SidebarModel::findGroup(const QString& groupKey) const {
    return const_cast<SidebarModel*>(this)->findGroup(groupKey);
}

const host::SidebarItem* SidebarModel::findItem(const QString& groupKey, const QString& itemKey) const {
    const Group* group = findGroup(groupKey);
    if (!group)
        return nullptr;
    for (const host::SidebarItem& item : group->items) {
        if (item.key == itemKey)
            return &item;
    }
    return nullptr;
}

void SidebarModel::selectItem(const QString& groupKey, const QString& itemKey, bool) {
    Group* group = findGroup(groupKey);
    const host::SidebarItem* item = findItem(groupKey, itemKey);
    if (!item)
        throw invalidCall(name(), QStringLiteral("no item %1 in group %2").arg(itemKey, groupKey));
    if (!group->visible)
        throw invalidCall(name(), QStringLiteral("the group %1 is hidden").arg(groupKey));
    // A copy: handlers may change the groups.
    const host::SidebarItem clicked = *item;
    group->expanded = true;
    selected_ = clicked;
    notifyChanged();
    OnClickItemLink.raise(clicked);
}

void SidebarModel::showGroup(const QString& groupKey, bool visible) {
    Group* group = findGroup(groupKey);
    if (!group)
        throw invalidCall(name(), QStringLiteral("no group %1").arg(groupKey));
    update(group->visible, visible);
}

bool SidebarModel::isGroupVisible(const QString& groupKey) const {
    const Group* group = findGroup(groupKey);
    return group && group->visible;
}

bool SidebarModel::isGroupExpanded(const QString& groupKey) const {
    const Group* group = findGroup(groupKey);
    return group && group->expanded;
}

bool SidebarModel::clickItem(const QString& groupKey, const QString& itemKey) {
    if (!canTakeFocus() || !isGroupVisible(groupKey) || !findItem(groupKey, itemKey))
        return false;
    takeFocus();
    selectItem(groupKey, itemKey, false);
    return true;
}

bool SidebarModel::clickGroup(const QString& groupKey) {
    Group* group = findGroup(groupKey);
    if (!canTakeFocus() || !group || !group->visible)
        return false;
    takeFocus();
    update(group->expanded, !group->expanded);
    OnClickGroup.raise(host::SidebarItem{group->key, group->key, group->caption});
    return true;
}

}  // namespace suite
