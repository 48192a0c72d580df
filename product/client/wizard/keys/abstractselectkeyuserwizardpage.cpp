#include "abstractselectkeyuserwizardpage.h"

#include "selectuserswidget.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QWizard>

AbstractSelectKeyUserWizardPage::AbstractSelectKeyUserWizardPage(const QString &title, const QString &subTitle,
                                                                 const QList<int> &keyHolderIds, QWidget *parent)
    : QWizardPage(parent)
    , m_selectUsersWidget(new SelectUsersWidget(this))
{
    setTitle(title);
    setSubTitle(subTitle);
    setPixmap(QWizard::LogoPixmap, QPixmap(QStringLiteral(":icons/32x32/users.png")));
    setLayout(m_selectUsersWidget->getLayout());

    for (const int userId : keyHolderIds)
        m_selectUsersWidget->addExcludedUser(userId);
    m_selectUsersWidget->init();
    connect(m_selectUsersWidget, &SelectUsersWidget::setMode, this, &AbstractSelectKeyUserWizardPage::setMode);
}

AbstractSelectKeyUserWizardPage::~AbstractSelectKeyUserWizardPage() = default;

void AbstractSelectKeyUserWizardPage::cleanupPage()
{
}

bool AbstractSelectKeyUserWizardPage::isComplete() const
{
    return !selectedItems().isEmpty();
}

QList<QListWidgetItem *> AbstractSelectKeyUserWizardPage::selectedItems() const
{
    return m_selectUsersWidget->selectedItems();
}

SelectUsersWidget *AbstractSelectKeyUserWizardPage::getSelectUsersWidget() const
{
    return m_selectUsersWidget;
}

void AbstractSelectKeyUserWizardPage::setMode(int mode)
{
    for (SelectUsersWidget::PickerMode watched :
         {SelectUsersWidget::HomeGroupsListed, SelectUsersWidget::UserGroupsListed,
          SelectUsersWidget::SelectedUsersGrew, SelectUsersWidget::RemovedNoUserLeft}) {
        if (mode == m_selectUsersWidget->modeId(watched)) {
            emit completeChanged();
            return;
        }
    }
}
