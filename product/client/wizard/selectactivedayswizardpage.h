#ifndef SELECTACTIVEDAYSWIZARDPAGE_H
#define SELECTACTIVEDAYSWIZARDPAGE_H

#include <QWizardPage>

#include <array>

class QCheckBox;
class QGroupBox;

// The days of the week during which a new key works, one field per box
// (named after it in lower case). The checkable group sets all boxes at once:
// checking it ticks every box, unchecking it clears and disables them.
class SelectActiveDaysWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectActiveDaysWizardPage(QWidget *parent);
    ~SelectActiveDaysWizardPage() override;

    // Going back keeps the choices.
    void cleanupPage() override;

private slots:
    void toggleCheckBoxes(bool state);

private:
    QGroupBox *m_groupBox;
    std::array<QCheckBox *, 7> m_checkBoxes;
};

#endif // SELECTACTIVEDAYSWIZARDPAGE_H
