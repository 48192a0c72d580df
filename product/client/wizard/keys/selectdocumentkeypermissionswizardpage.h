#ifndef SELECTDOCUMENTKEYPERMISSIONSWIZARDPAGE_H
#define SELECTDOCUMENTKEYPERMISSIONSWIZARDPAGE_H

#include <QWizardPage>

class QCheckBox;

// What a new document key permits, one field per permission. A key on an
// older revision may neither update the document nor paste into it, so those
// two boxes are cleared and locked while the revision page says so.
class SelectDocumentKeyPermissionsWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectDocumentKeyPermissionsWizardPage(QWidget *parent);
    ~SelectDocumentKeyPermissionsWizardPage() override;

    void initializePage() override;
    // Going back unlocks the two boxes, cleared; the others keep their state.
    void cleanupPage() override;

private:
    QCheckBox *m_viewCheckBox;
    QCheckBox *m_updateCheckBox;
    QCheckBox *m_copyFromClipboardCheckBox;
    QCheckBox *m_copyToClipboardCheckBox;
    QCheckBox *m_exportToTextFileCheckBox;
    QCheckBox *m_exportToPdfFileCheckBox;
    QCheckBox *m_printCheckBox;
    QCheckBox *m_searchCheckBox;
};

#endif // SELECTDOCUMENTKEYPERMISSIONSWIZARDPAGE_H
