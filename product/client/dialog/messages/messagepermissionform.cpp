#include "messagepermissionform.h"

#include "messagewriter.h"

#include <QCheckBox>
#include <QFormLayout>

namespace messagepermissionform
{
QFormLayout *Create(QWidget *widget)
{
    auto *layout = new QFormLayout(widget);
    layout->setFormAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return layout;
}

void Write(qorv::data::Message *message, MessageProxy::Permission bit, int state)
{
    MessageWriter(*message).setPermission(bit, state == Qt::Checked);
}

void Set(qorv::data::Message *message, QCheckBox *checkBox, MessageProxy::Permission bit, bool value)
{
    MessageWriter(*message).setPermission(bit, value);
    checkBox->setChecked(value);
}
}
