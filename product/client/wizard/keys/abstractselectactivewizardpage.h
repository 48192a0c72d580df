#ifndef ABSTRACTSELECTACTIVEWIZARDPAGE_H
#define ABSTRACTSELECTACTIVEWIZARDPAGE_H

#include <QWizardPage>

#include <vector>

class QCheckBox;
class QGroupBox;

// The periods (days of the week, months of the year) during which a new key
// works, one field per box named after its label in lower case. The
// checkable group sets all boxes at once: checking it ticks every box,
// unchecking it clears and disables them. Going back keeps the choices.
class AbstractSelectActiveWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    ~AbstractSelectActiveWizardPage() override;

    void cleanupPage() override;

protected:
    // The subclass looks its texts up in its own context; labels are keys of
    // the context "Linguist", in calendar order.
    struct Look
    {
        QString title;
        QString subTitle;
        const char *pixmapFileName;
        QString groupTitle;
    };
    AbstractSelectActiveWizardPage(QWidget *parent, const Look &look, const std::vector<const char *> &labels);

private slots:
    void toggleCheckBoxes(bool state);

private:
    QGroupBox *m_groupBox;
    std::vector<QCheckBox *> m_checkBoxes;
};

#endif // ABSTRACTSELECTACTIVEWIZARDPAGE_H
