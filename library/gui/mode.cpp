#include "mode.h"

#include <QtGlobal>

#include <algorithm>

Mode::Mode(QObject *parent)
    : QObject(parent)
{
}

void Mode::registerMode(int mode, const std::string &name, int parent)
{
    if (mode == parent) {
        qWarning("Mode::registerMode: a mode cannot have itself as a parent!");
        return;
    }
    if (isRegistered(mode)) {
        qWarning("Mode::registerMode: mode %s is already registered!", nameOf(mode).c_str());
        return;
    }
    m_modes.insert(mode);
    m_names[mode] = name.empty() ? std::to_string(mode) : name;
    // A parent that is not (yet) registered silently makes a root: windows pass
    // -1 for their roots.
    if (isRegistered(parent))
        m_parents[mode] = parent;
}

int Mode::registerMode(int parent, const std::string &name)
{
    const int id = m_nextId++;
    registerMode(id, name, parent);
    return id;
}

int Mode::registerMode(const std::string &name, int parent)
{
    return registerMode(parent, name);
}

void Mode::registerProp(int mode, Condition condition, QObject *object, const std::string &property,
                        const QVariant &value)
{
    if (!isRegistered(mode)) {
        qWarning("Mode::registerProp: unregistered mode %d!", mode);
        return;
    }
    if (!object) {
        qWarning("Mode::registerProp: null object!");
        return;
    }
    if (property.empty()) {
        qWarning("Mode::registerProp: empty name!");
        return;
    }
    if (!value.metaType().isValid()) {
        qWarning("Mode::registerProp: invalid value!");
        return;
    }
    if (!object->property(property.c_str()).isValid()) {
        qWarning("Mode::registerProp: invalid property!");
        return;
    }
    QList<PropertyValue> &entries = m_properties[Key(mode, condition)];
    const bool duplicate = std::any_of(entries.cbegin(), entries.cend(), [&](const PropertyValue &entry) {
        return entry.object == object && entry.property == property;
    });
    if (duplicate) {
        const std::string name = nameOf(mode);
        switch (condition) {
        case Enter:
            qWarning("Property value for entering mode %s is already registered!", name.c_str());
            break;
        case Leave:
            qWarning("Property value for leaving mode %s is already registered!", name.c_str());
            break;
        default:
            qWarning("Property value for mode %s is already registered!", name.c_str());
            break;
        }
        return;
    }
    entries.prepend(PropertyValue{object, property, value});
}

void Mode::registerTran(int source, int target)
{
    if (!isRegistered(source)) {
        qWarning("Mode::registerTran: mode set does not contain source mode!");
        return;
    }
    if (!isRegistered(target)) {
        qWarning("Mode::registerTran: mode set does not contain target mode!");
        return;
    }
    const auto range = m_transitions.equal_range(source);
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second == target) {
            qWarning("Mode::registerTran: transition from mode %s to mode %s is already registered!",
                     nameOf(source).c_str(), nameOf(target).c_str());
            return;
        }
    }
    m_transitions.emplace(source, target);
}

void Mode::setMode(int mode)
{
    if (!isRegistered(mode)) {
        qWarning("Mode::setMode: unregistered mode %d!", mode);
        return;
    }
    const auto range = m_transitions.equal_range(m_currentMode);
    if (range.first != range.second) {
        const bool allowed = std::any_of(range.first, range.second,
                                         [mode](const auto &transition) { return transition.second == mode; });
        if (!allowed) {
            qWarning("Mode::setMode: invalid transition from mode %s to mode %s!", nameOf(m_currentMode).c_str(),
                     nameOf(mode).c_str());
            return;
        }
    }
    leave(m_currentMode);
    m_currentMode = mode;
    enter(mode);
}

int Mode::getMode() const
{
    return m_currentMode;
}

std::string Mode::getModeName(int mode) const
{
    if (!isRegistered(mode)) {
        qWarning("Mode::getModeName: unregistered mode %d!", mode);
        return std::string();
    }
    return nameOf(mode);
}

QVariant Mode::getModeProp(int mode, Condition condition, const QObject *object, const std::string &property) const
{
    if (!isRegistered(mode) || !object || property.empty() || !object->property(property.c_str()).isValid())
        return QVariant();
    const auto entries = m_properties.find(Key(mode, condition));
    if (entries != m_properties.end()) {
        for (const PropertyValue &entry : entries->second) {
            if (entry.object == object && entry.property == property)
                return entry.value;
        }
    }
    const auto parent = m_parents.find(mode);
    if (parent != m_parents.end())
        return getModeProp(parent->second, condition, object, property);
    return QVariant();
}

void Mode::enter(int mode)
{
    if (!isRegistered(mode)) {
        qWarning("Mode::enter: mode set does not contain mode!");
        return;
    }
    const auto parent = m_parents.find(mode);
    if (parent != m_parents.end())
        enter(parent->second);
    // A copy: a property write may run a nested setMode that changes the table's
    // iteration state under us.
    const auto entries = m_properties.find(Key(mode, Enter));
    if (entries != m_properties.end())
        setPropertyValues(QList<PropertyValue>(entries->second));
    emit enterMode(mode);
}

void Mode::leave(int mode)
{
    if (!isRegistered(mode))
        return;
    const auto entries = m_properties.find(Key(mode, Leave));
    if (entries != m_properties.end())
        setPropertyValues(QList<PropertyValue>(entries->second));
    emit leaveMode(mode);
    const auto parent = m_parents.find(mode);
    if (parent != m_parents.end())
        leave(parent->second);
}

void Mode::setPropertyValues(const QList<PropertyValue> &values)
{
    for (const PropertyValue &entry : values)
        entry.object->setProperty(entry.property.c_str(), entry.value);
}

bool Mode::isRegistered(int mode) const
{
    return m_modes.count(mode) != 0;
}

std::string Mode::nameOf(int mode) const
{
    const auto name = m_names.find(mode);
    return name != m_names.end() ? name->second : std::to_string(mode);
}
