#ifndef DOCUMENTKEYADAPTER_H
#define DOCUMENTKEYADAPTER_H

#include "documentkeyvalidator.h"
#include "itemrole.h"
#include "itemtype.h"

#include <QString>

namespace qorv::data
{
class DocumentKey;
}

// What the main pane needs to list a document key as an item: the document
// it opens (its identity in the pane), its name, the key's properties word,
// and the kind's item type, role, icon and validator.
class DocumentKeyAdapter
{
public:
    using Record = qorv::data::DocumentKey;
    using Validator = DocumentKeyValidator;
    static constexpr int Type = DocumentKeyItemType;
    static constexpr int Role = DocumentKeyRole;
    static const QString IconPath;

    explicit DocumentKeyAdapter(const qorv::data::DocumentKey &documentKey);

    // 0 when the key names no document.
    int targetId() const;
    QString targetName() const;
    unsigned int properties() const;

private:
    const qorv::data::DocumentKey &m_documentKey;
};

#endif // DOCUMENTKEYADAPTER_H
