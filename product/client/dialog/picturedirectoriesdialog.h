#ifndef PICTUREDIRECTORIESDIALOG_H
#define PICTUREDIRECTORIESDIALOG_H

#include <QDialog>

class QListWidget;

// Stands in for the picture-directories dialog until the editor lands: a list
// of directories that the caller fills before and reads after exec(), with OK
// and Cancel.
class PictureDirectoriesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PictureDirectoriesDialog(QWidget *parent = nullptr);

    QListWidget *getDirectoryListWidget() const;

private:
    QListWidget *m_directoryListWidget;
};

#endif // PICTUREDIRECTORIESDIALOG_H
