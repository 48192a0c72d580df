#ifndef FOLDERWRITER_H
#define FOLDERWRITER_H

#include "folderproxy.h"

namespace qorv::data
{
class Folder;
}

// Gives a new folder that the caller owns its defaults before the caller
// fills in owner, parent, name and description: no ids, empty texts, created
// now, and a descriptor that opens everything and never expires (permissive)
// or opens nothing and has expired (restrictive). With NoDefaults it only
// binds and writes nothing.
class FolderWriter : public FolderProxy
{
public:
    FolderWriter(qorv::data::Folder &folder, Initialization initialization);
    ~FolderWriter() override;

    FolderWriter(const FolderWriter &) = delete;
    FolderWriter &operator=(const FolderWriter &) = delete;

private:
    qorv::data::Folder *m_folder;
};

#endif // FOLDERWRITER_H
