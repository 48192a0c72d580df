#include "createmessagedialoggeneraltab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

CreateMessageDialogGeneralTab::CreateMessageDialogGeneralTab(qorv::data::Message *message, QWidget *parent)
    : QWidget(parent)
    , m_message(message)
    , m_messageSubjectLineEdit(new QLineEdit)
    , m_messageReadOnlyCheckBox(new QCheckBox)
{
    m_messageSubjectLineEdit->setObjectName(QStringLiteral("messageSubjectLineEdit"));
    m_messageSubjectLineEdit->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Fixed);
    m_messageReadOnlyCheckBox->setObjectName(QStringLiteral("messageReadOnlyCheckBox"));

    auto *layout = new QFormLayout(this);
    layout->setFormAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    layout->addRow(tr("MessageSubject"), m_messageSubjectLineEdit);
    layout->addRow(tr("MessageReadOnly"), m_messageReadOnlyCheckBox);
    // The dialog gives the tab the focus when it opens; the subject takes it.
    setFocusProxy(m_messageSubjectLineEdit);

    connect(m_messageSubjectLineEdit, &QLineEdit::textEdited, this,
            &CreateMessageDialogGeneralTab::messageSubjectTextEdited);
    connect(m_messageReadOnlyCheckBox, &QCheckBox::stateChanged, this,
            &CreateMessageDialogGeneralTab::messageReadOnlyStateChanged);
}
