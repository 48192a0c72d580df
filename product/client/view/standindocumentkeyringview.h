#ifndef STANDINDOCUMENTKEYRINGVIEW_H
#define STANDINDOCUMENTKEYRINGVIEW_H

#include "abstractviewwindow.h"
#include "documentkey3.pb.h"

#include <QString>

#include <vector>

// Stands in for the keyring window of one document until it lands. It has the
// keyring's interface towards its manager and keeps the keys it was handed, in
// order, where the real keyring would list them.
class StandInDocumentKeyringView : public AbstractViewWindow
{
    Q_OBJECT

public:
    StandInDocumentKeyringView(int documentId, const QString &documentName, QWidget *parent = nullptr);
    ~StandInDocumentKeyringView() override;

    int getDocumentId() const;
    QString getDocumentName() const;
    const std::vector<qorv::data::DocumentKey> &documentKeys() const;

signals:
    void addDocumentKey(const qorv::data::DocumentKey &documentKey);

private slots:
    void keepDocumentKey(const qorv::data::DocumentKey &documentKey);

private:
    const int m_documentId;
    const QString m_documentName;
    std::vector<qorv::data::DocumentKey> m_documentKeys;
};

#endif // STANDINDOCUMENTKEYRINGVIEW_H
