#ifndef FOLDERKEYROWTRAITS_H
#define FOLDERKEYROWTRAITS_H

#include "folderkeyreader.h"
#include "folderkeywriter.h"
#include "keytreerows.h"

#include "folderkey3.pb.h"

// The folder key's side of DocumentKeyRowTraits: folder keys name no
// revision.
struct FolderKeyRowTraits
{
    using Key = qorv::data::FolderKey;
    using Reader = FolderKeyReader;
    using Writer = FolderKeyWriter;
    using Proxy = FolderKeyProxy;

    static constexpr bool HasRevision = false;
    static constexpr const char *TargetLabel = QT_TRANSLATE_NOOP("Linguist", "Folder");

    static const qorv::data::SecurityDescriptor &descriptor(const Key &key)
    {
        return key.folder_key_security_descriptor();
    }
    static std::string targetName(const Reader &reader) { return reader.folderName(); }
    static int holderId(const Key &key) { return key.folder_key_user().user_id(); }
    static std::string revisionText(const Reader &) { return std::string(); }
    static Writer writer(Key &key) { return Writer(key); }
    static keytree::KeySubtrees subtrees(int activeColumn) { return keytree::FolderKeySubtrees(activeColumn); }
};

#endif // FOLDERKEYROWTRAITS_H
