#include "wizardpagewidgets.h"

#include "resourceicon.h"

#include <QIcon>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWizard>
#include <QWizardPage>

namespace wizardpage
{
QLabel *CreateSeparatorLine(QWidget *parent)
{
    auto *line = new QLabel(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return line;
}

QTextEdit *CreateSummaryView(QWizardPage *page)
{
    auto *view = new QTextEdit(page);
    view->setReadOnly(true);
    view->setFocusPolicy(Qt::NoFocus);
    view->setTextInteractionFlags(Qt::NoTextInteraction);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(view);
    return view;
}

void SetUpKeyChangeWizard(QWizard *wizard, const QString &title, const QString &icon, QWizardPage *introduction,
                          QWizardPage *selection, QWizardPage *confirmation)
{
    wizard->setWindowTitle(title);
    wizard->setWindowIcon(utils::ResourceIcon(icon));
    wizard->setMinimumWidth(640);
    wizard->setMinimumHeight(480);
    wizard->setWizardStyle(QWizard::ModernStyle);
    wizard->addPage(introduction);
    wizard->addPage(selection);
    wizard->addPage(confirmation);
}
}
