#ifndef SELECTDOCUMENTSWIDGET_H
#define SELECTDOCUMENTSWIDGET_H

#include "abstractpickerwidget.h"

#include <QList>

#include <set>

class ListItemIndex;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

namespace qorv::data
{
class Document;
class Documents;
class Folder;
}

// The document picker: the user moves through the logged-on user's folders
// from the home folder (back, home and forward buttons, or a double click on
// a folder), includes whole folders, which brings their documents into a list
// of unselected documents, and adds documents from there to the selected
// documents. Besides what every picker keeps, it keeps the navigation history
// and the exclusions. The look-ups are blocking exchanges straight with the
// server.
class SelectDocumentsWidget : public AbstractPickerWidget
{
    Q_OBJECT

public:
    // The picker's modes in registration order.
    enum PickerMode
    {
        Start,
        NoSubfolderListed,
        SubfoldersListed,
        NoFolderSelected,
        FolderSelected,
        IncludedFoldersLeft,
        IncludedNoFolderLeft,
        NoUnselectedDocumentLeft,
        UnselectedDocumentsListed,
        NoUnselectedDocumentSelected,
        UnselectedDocumentSelected,
        RemovedNoDocumentLeft,
        SelectedDocumentsGrew,
        NoSelectedDocumentSelected,
        SelectedDocumentSelected,
        ModeCount
    };

    explicit SelectDocumentsWidget(QWidget *parent = nullptr);
    ~SelectDocumentsWidget() override;

    // The user the host picks documents for. The folders offered are always
    // the logged-on user's, from the home folder of the registry's record;
    // the id is kept for the host to read back.
    void setUserId(int userId);
    int userId() const;
    void addExcludedDocument(int documentId);
    void addDocument(const qorv::data::Document &document);
    qorv::data::Documents selectedDocuments() const;
    // Every item of the selected-documents list in list order.
    QList<QListWidgetItem *> selectedItems() const;

    // Empties the folder list and the unselected documents; the selected
    // documents stay.
    void clear();
    bool isDocumentIncluded(const qorv::data::Document &document) const;
    bool isDocumentAdded(const qorv::data::Document &document) const;
    void includeDocument(const qorv::data::Document &document);
    void includeFolder(const qorv::data::Folder &folder);
    // Makes the folder the current one and lists its subfolders.
    void selectFolder(int folderId);

public slots:
    void undoSelectFolder();
    void selectHomeFolder();
    void redoSelectFolder();
    void foldersListWidgetItemSelectionChanged();
    void unselectedDocumentsListWidgetItemSelectionChanged();
    void selectedDocumentsListWidgetItemSelectionChanged();
    void include();
    void includeAll();
    void add();
    void addAll();
    void remove();
    void removeAll();
    void init();
    void folderItemDoubleClicked(QListWidgetItem *item);
    virtual void enterMode(int mode);
    virtual void leaveMode(int mode);

private:
    void initializeMode();
    void initializeWindow();
    void initializeLayout();

    QListWidget *m_foldersListWidget;
    QPushButton *m_includePushButton;
    QToolButton *m_backToolButton;
    QToolButton *m_homeToolButton;
    QToolButton *m_forwardToolButton;
    QPushButton *m_includeAllPushButton;
    QLabel *m_unselectedDocumentsLabel;
    QListWidget *m_unselectedDocumentsListWidget;
    QPushButton *m_addPushButton;
    QPushButton *m_addAllPushButton;
    QLabel *m_selectedDocumentsLabel;
    QListWidget *m_selectedDocumentsListWidget;
    QPushButton *m_removePushButton;
    QPushButton *m_removeAllPushButton;
    // Which documents each list holds, so that a long folder is checked
    // against them in linear time.
    ListItemIndex *m_unselectedDocuments;
    ListItemIndex *m_selectedDocuments;
    std::set<int> m_excludedDocuments;
    QList<int> m_backHistory;    // oldest first; the last is the current folder
    QList<int> m_forwardHistory; // the folder left by the latest back step last
    int m_userId;
};

#endif // SELECTDOCUMENTSWIDGET_H
