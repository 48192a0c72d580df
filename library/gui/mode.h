#ifndef MODE_H
#define MODE_H

#include <QList>
#include <QObject>
#include <QVariant>

#include <map>
#include <set>
#include <string>
#include <utility>

// The small state machine behind every window state. A window registers named
// integer modes (optionally under a parent mode), binds property values of its
// child objects to entering or leaving a mode, and then switches with setMode,
// which writes the bound values through the Qt property system.
class Mode : public QObject
{
    Q_OBJECT

public:
    // A fixed underlying type: callers may pass any int, which the duplicate
    // warning reports in its own wording.
    enum Condition : int
    {
        Enter = 0,
        Leave = 1
    };

    struct PropertyValue
    {
        QObject *object;      // not owned; must outlive every later setMode
        std::string property; // the name handed to QObject::setProperty
        QVariant value;
    };

    explicit Mode(QObject *parent);

    void registerMode(int mode, const std::string &name, int parent);
    int registerMode(int parent, const std::string &name);
    int registerMode(const std::string &name, int parent);
    void registerProp(int mode, Condition condition, QObject *object, const std::string &property,
                      const QVariant &value);
    void registerTran(int source, int target);

    int getMode() const;
    std::string getModeName(int mode) const;
    QVariant getModeProp(int mode, Condition condition, const QObject *object, const std::string &property) const;

    void enter(int mode);
    void leave(int mode);
    void setPropertyValues(const QList<PropertyValue> &values);

signals:
    void enterMode(int mode);
    void leaveMode(int mode);

public slots:
    void setMode(int mode);

private:
    using Key = std::pair<int, int>;

    bool isRegistered(int mode) const;
    std::string nameOf(int mode) const;

    int m_nextId = 0;
    int m_currentMode = -1;
    std::set<int> m_modes;
    std::map<int, std::string> m_names;
    std::map<int, int> m_parents;
    std::multimap<int, int> m_transitions;
    // Entries of one key are kept newest first: registration inserts in front.
    std::map<Key, QList<PropertyValue>> m_properties;
};

#endif // MODE_H
