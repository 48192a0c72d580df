#ifndef PICTUREDIRECTORIESDIALOG_H
#define PICTUREDIRECTORIESDIALOG_H

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// Edits the list of directories in which documents and messages find their
// pictures: add a directory, rename an entry to another existing directory,
// remove an entry. The dialog edits only its list widget; whoever opens it
// fills the list and reads it back. Its own operations never leave two entries
// with the same text.
class PictureDirectoriesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PictureDirectoriesDialog(QWidget *parent = nullptr);

    QListWidget *getDirectoryListWidget() const;

public slots:
    void addDirectory();
    void editDirectory();
    void removeDirectory();

private:
    void initializeWidgets();
    void initializeLayout();
    QListWidgetItem *selectedEntry() const;
    QListWidgetItem *entryWithText(const QString &text) const;

    QListWidget *m_directoryListWidget;
    QPushButton *m_addPushButton;
    QPushButton *m_editPushButton;
    QPushButton *m_removePushButton;
    QPushButton *m_okPushButton;
    QPushButton *m_cancelPushButton;
};

#endif // PICTUREDIRECTORIESDIALOG_H
