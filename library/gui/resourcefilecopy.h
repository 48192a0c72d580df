#ifndef RESOURCEFILECOPY_H
#define RESOURCEFILECOPY_H

#include <memory>
#include <string>

class QTemporaryFile;

// A file on disk for a reader that takes only file names (Hunspell): a name
// that starts with ':' names a built-in text resource, which is copied to a
// temporary file the first time its file is asked for; any other name is a
// file already.
class ResourceFileCopy
{
public:
    ResourceFileCopy();
    ~ResourceFileCopy();

    ResourceFileCopy(const ResourceFileCopy &) = delete;
    ResourceFileCopy &operator=(const ResourceFileCopy &) = delete;

    // The file to read for name. A resource's copy stays until another
    // resource is asked for, so that it can be read again; empty when it
    // could not be made.
    std::string fileFor(const std::string &name);

private:
    std::string m_resource;
    std::string m_path;
    std::unique_ptr<QTemporaryFile> m_copy;
};

#endif // RESOURCEFILECOPY_H
