#ifndef STANDINFOLDERKEYRINGVIEW_H
#define STANDINFOLDERKEYRINGVIEW_H

#include "abstractviewwindow.h"
#include "folderkey3.pb.h"

#include <QString>

#include <vector>

// Stands in for the keyring window of one folder until it lands. It has the
// keyring's interface towards its manager and keeps the keys it was handed, in
// order, where the real keyring would list them.
class StandInFolderKeyringView : public AbstractViewWindow
{
    Q_OBJECT

public:
    StandInFolderKeyringView(int folderId, const QString &folderName, QWidget *parent = nullptr);
    ~StandInFolderKeyringView() override;

    int getFolderId() const;
    QString getFolderName() const;
    const std::vector<qorv::data::FolderKey> &folderKeys() const;

signals:
    void addFolderKey(const qorv::data::FolderKey &folderKey);

private slots:
    void keepFolderKey(const qorv::data::FolderKey &folderKey);

private:
    const int m_folderId;
    const QString m_folderName;
    std::vector<qorv::data::FolderKey> m_folderKeys;
};

#endif // STANDINFOLDERKEYRINGVIEW_H
