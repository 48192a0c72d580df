#ifndef ABSTRACTPICKERWIDGET_H
#define ABSTRACTPICKERWIDGET_H

#include <QList>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

class Mode;
class QHBoxLayout;
class QListWidget;
class QListWidgetItem;

// What the user and the document pickers share. A picker builds its controls
// and a top-level layout but never installs the layout on itself: the host
// installs getLayout() (or adds it to its own layout), which makes the host the
// parent of the controls. The picker stays a child of the host and keeps the
// logic and its Mode, which has one root mode per picker mode, registered in
// the picker's order; hosts follow the picker through the setMode signal,
// comparing with modeId().
class AbstractPickerWidget : public QWidget
{
    Q_OBJECT

public:
    ~AbstractPickerWidget() override;

    // The id under which the picker's Mode registered the picker's mode (a
    // value of the concrete picker's PickerMode).
    int modeId(int mode) const;
    QHBoxLayout *getLayout() const;

signals:
    void setMode(int mode);

protected:
    AbstractPickerWidget(int modeCount, QWidget *parent);

    // Registers what each mode writes on entering: bindings[mode] holds one
    // letter per control (T true, F false, - untouched), written to the
    // property "checked" of the first checkedControls controls and "enabled"
    // of the others.
    void bindControls(const char *const *bindings, std::initializer_list<QObject *> controls, int checkedControls = 0);
    void enter(int mode);

    // Every item of the list in list order. Row by row: a wildcard match
    // would leave out every name with a "/" in it.
    static QList<QListWidgetItem *> allItems(const QListWidget *list);
    // Deletes the items, which the list holds. When they are all of its rows
    // the list is emptied at once: a list widget takes rows out one by one,
    // moving every row behind each of them.
    static void removeItems(QListWidget *list, const QList<QListWidgetItem *> &items);

    Mode *m_mode;
    // Guarded: a host that installed it deletes it before its children, this
    // widget among them.
    QPointer<QHBoxLayout> m_topLayout;

private:
    std::vector<int> m_modeIds;
};

#endif // ABSTRACTPICKERWIDGET_H
