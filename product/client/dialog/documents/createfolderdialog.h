#ifndef CREATEFOLDERDIALOG_H
#define CREATEFOLDERDIALOG_H

#include "abstractcreatedialog.h"

// Asks for the name and description of a new folder; the document browser
// checks the name and sends the insert.
class CreateFolderDialog : public AbstractCreateDialog
{
    Q_OBJECT

public:
    explicit CreateFolderDialog(QWidget *parent = nullptr);
    ~CreateFolderDialog() override;

    QString getFolderName() const;
    QString getFolderDescription() const;
};

#endif // CREATEFOLDERDIALOG_H
