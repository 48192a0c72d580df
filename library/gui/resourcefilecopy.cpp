#include "resourcefilecopy.h"

#include "utils.h"

#include <QString>
#include <QTemporaryFile>

ResourceFileCopy::ResourceFileCopy() = default;

ResourceFileCopy::~ResourceFileCopy() = default;

std::string ResourceFileCopy::fileFor(const std::string &name)
{
    if (name.empty() || name.front() != ':')
        return name;
    if (m_copy && m_resource == name)
        return m_path;
    auto copy = std::make_unique<QTemporaryFile>();
    const QString path = utils::CopyResourceToTempororyFile(QString::fromStdString(name), *copy);
    if (path.isEmpty())
        return std::string();
    m_copy = std::move(copy);
    m_resource = name;
    m_path = path.toUtf8().toStdString();
    return m_path;
}
