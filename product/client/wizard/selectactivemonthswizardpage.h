#ifndef SELECTACTIVEMONTHSWIZARDPAGE_H
#define SELECTACTIVEMONTHSWIZARDPAGE_H

#include <QWizardPage>

#include <array>

class QCheckBox;
class QGroupBox;

// The months of the year during which a new key works, one field per box
// (named after it in lower case). The checkable group sets all boxes at once:
// checking it ticks every box, unchecking it clears and disables them.
class SelectActiveMonthsWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveMonthsWizardPage(QWidget *parent);
    ~SelectActiveMonthsWizardPage() override;

    // Going back keeps the choices.
    void cleanupPage() override;

private slots:
    void toggleCheckBoxes(bool state);

private:
    QGroupBox *m_groupBox;
    std::array<QCheckBox *, 12> m_checkBoxes;
};

#endif // SELECTACTIVEMONTHSWIZARDPAGE_H
