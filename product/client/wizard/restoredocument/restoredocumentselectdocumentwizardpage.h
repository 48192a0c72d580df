#ifndef RESTOREDOCUMENTSELECTDOCUMENTWIZARDPAGE_H
#define RESTOREDOCUMENTSELECTDOCUMENTWIZARDPAGE_H

#include <QDateTime>
#include <QHash>
#include <QWizardPage>

class QDateTimeEdit;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;

// The deleted documents of a period, the revisions of the clicked one, and
// whether it goes back to its own folder or to one the user picks.
class RestoreDocumentSelectDocumentWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit RestoreDocumentSelectDocumentWizardPage(QWidget *parent = nullptr);

    void initializePage() override;
    bool isComplete() const override;
    bool validatePage() override;
    int nextId() const override;

public slots:
    void revisionsListWidgetItemDoubleClicked(QListWidgetItem *item);

private slots:
    void fromDateTimeChanged(QDateTime dateTime);
    void toDateTimeChanged(QDateTime dateTime);
    void documentsTableWidgetItemClicked(QTableWidgetItem *tableWidgetItem);

private:
    void warn(const QString &text);

    QDateTimeEdit *m_fromDateTimeEdit;
    QDateTimeEdit *m_toDateTimeEdit;
    QTableWidget *m_documentsTableWidget;
    QListWidget *m_revisionsListWidget;
    QRadioButton *m_originalFolderRadioButton;
    QRadioButton *m_selectedFolderRadioButton;
    // Whether a folder still existed when a document of it was clicked:
    // looked up once per click, so that asking whether the page is complete
    // costs no exchange. Next looks again.
    QHash<int, bool> m_folderExists;
};

#endif // RESTOREDOCUMENTSELECTDOCUMENTWIZARDPAGE_H
