#ifndef DOCUMENTKEYROWTRAITS_H
#define DOCUMENTKEYROWTRAITS_H

#include "documentkeyreader.h"
#include "documentkeywriter.h"
#include "keytreerows.h"

#include "documentkey3.pb.h"

// What the key panes need to know about a document key that a folder key
// does differently (FolderKeyRowTraits): its fields, its leaves, and the
// revision column that only a document key has.
struct DocumentKeyRowTraits
{
    using Key = qorv::data::DocumentKey;
    using Reader = DocumentKeyReader;
    using Writer = DocumentKeyWriter;
    using Proxy = DocumentKeyProxy;

    static constexpr bool HasRevision = true;
    static constexpr const char *TargetLabel = QT_TRANSLATE_NOOP("Linguist", "Document");

    static const qorv::data::SecurityDescriptor &descriptor(const Key &key)
    {
        return key.document_key_security_descriptor();
    }
    static std::string targetName(const Reader &reader) { return reader.documentName(); }
    static int holderId(const Key &key) { return key.document_key_user().user_id(); }
    static std::string revisionText(const Reader &reader) { return keytree::RevisionText(reader.documentRevision()); }
    // A tick changes only the bit it shows, so the writer must not fill in
    // the defaults of a new key.
    static Writer writer(Key &key) { return Writer(key, DocumentKeyProxy::NoDefaults); }
    static keytree::KeySubtrees subtrees(int activeColumn) { return keytree::DocumentKeySubtrees(activeColumn); }
};

#endif // DOCUMENTKEYROWTRAITS_H
