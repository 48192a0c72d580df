#ifndef SELECTREVISIONWIZARDPAGE_H
#define SELECTREVISIONWIZARDPAGE_H

#include <QWizardPage>

class QListWidgetItem;
class QRadioButton;
class RevisionHistoryListWidget;

// Binds a document key to the document's current revision or to one earlier
// revision (fields "currentRevision", "revisionDateTime", "revisionSysStart").
// Each turn to "Previous Revision" fetches the revisions afresh, straight
// from the server; when none can be had the page falls back to the current
// revision without a word.
class SelectRevisionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SelectRevisionWizardPage(QWidget *parent, int documentId);
    ~SelectRevisionWizardPage() override;

    // Going back keeps the choice and the list.
    void cleanupPage() override;

    // The first selected revision, or null.
    QListWidgetItem *revisionHistoryListWidgetItem() const;

public slots:
    void toggleCurrentRevision(bool state);

private:
    void initializeWindow();
    void initializeWidgets();

    int m_documentId;
    QRadioButton *m_currentRevisionRadioButton;
    QRadioButton *m_previousRevisionRadioButton;
    RevisionHistoryListWidget *m_revisionHistoryListWidget;
};

#endif // SELECTREVISIONWIZARDPAGE_H
