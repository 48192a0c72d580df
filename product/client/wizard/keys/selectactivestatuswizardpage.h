#ifndef SELECTACTIVESTATUSWIZARDPAGE_H
#define SELECTACTIVESTATUSWIZARDPAGE_H

#include <QWizardPage>

class QCheckBox;

// Switches a new key on or off (field "active"); the logo follows the box.
class SelectActiveStatusWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveStatusWizardPage(QWidget *parent);
    ~SelectActiveStatusWizardPage() override;

    // Going back keeps the choice.
    void cleanupPage() override;

private slots:
    void toggleActiveStatus(int state);

private:
    QCheckBox *m_activeStatusCheckBox;
};

#endif // SELECTACTIVESTATUSWIZARDPAGE_H
