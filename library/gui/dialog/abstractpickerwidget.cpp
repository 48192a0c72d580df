#include "abstractpickerwidget.h"

#include "detachedlayout.h"
#include "mode.h"

#include <QHBoxLayout>
#include <QListWidget>

AbstractPickerWidget::AbstractPickerWidget(int modeCount, QWidget *parent)
    : QWidget(parent)
    , m_mode(new Mode(this))
    , m_topLayout(new QHBoxLayout)
{
    m_modeIds.reserve(modeCount);
    for (int mode = 0; mode < modeCount; ++mode)
        m_modeIds.push_back(m_mode->registerMode(-1, std::string()));
    connect(this, &AbstractPickerWidget::setMode, m_mode, &Mode::setMode);
}

AbstractPickerWidget::~AbstractPickerWidget()
{
    pickers::DeleteDetachedLayout(m_topLayout.data());
}

int AbstractPickerWidget::modeId(int mode) const
{
    return m_modeIds.at(mode);
}

QHBoxLayout *AbstractPickerWidget::getLayout() const
{
    return m_topLayout;
}

void AbstractPickerWidget::bindControls(const char *const *bindings, std::initializer_list<QObject *> controls,
                                        int checkedControls)
{
    for (int mode = 0; mode < int(m_modeIds.size()); ++mode) {
        int column = 0;
        for (QObject *control : controls) {
            const char binding = bindings[mode][column];
            if (binding != '-') {
                m_mode->registerProp(m_modeIds.at(mode), Mode::Enter, control,
                                     column < checkedControls ? "checked" : "enabled", binding == 'T');
            }
            ++column;
        }
    }
}

void AbstractPickerWidget::enter(int mode)
{
    emit setMode(m_modeIds.at(mode));
}

QList<QListWidgetItem *> AbstractPickerWidget::allItems(const QListWidget *list)
{
    QList<QListWidgetItem *> items;
    for (int row = 0; row < list->count(); ++row)
        items.append(list->item(row));
    return items;
}

void AbstractPickerWidget::removeItems(QListWidget *list, const QList<QListWidgetItem *> &items)
{
    if (items.size() == list->count())
        list->clear();
    else
        qDeleteAll(items);
}
