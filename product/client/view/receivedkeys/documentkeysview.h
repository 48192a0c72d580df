#ifndef DOCUMENTKEYSVIEW_H
#define DOCUMENTKEYSVIEW_H

#include "abstractkeysview.h"

#include "documentkey3.pb.h"

class DocumentKeysPaneTreeWidget;

// "My Document Keyring": the document keys that other users gave to the
// logged-on user, for looking only. It reads them from the server as it
// opens and on Refresh, and opens the document of the chosen key through the
// key opener, which checks the key's conditions and passcode first. It takes
// no part in the bus traffic of other windows.
class DocumentKeysView : public AbstractKeysView
{
    Q_OBJECT

public:
    explicit DocumentKeysView(QWidget *parent = nullptr);
    ~DocumentKeysView() override;

signals:
    void addDocumentKey(const qorv::data::DocumentKey &documentKey);

public slots:
    void openDocument();

protected:
    bool selectKeys() override;

private:
    static Texts texts();

    DocumentKeysPaneTreeWidget *m_documentKeysPaneTreeWidget;
};

#endif // DOCUMENTKEYSVIEW_H
