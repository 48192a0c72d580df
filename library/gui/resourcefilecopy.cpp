#include "resourcefilecopy.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryFile>
#include <QTextStream>

#include <algorithm>

ResourceFileCopy::ResourceFileCopy() = default;

ResourceFileCopy::~ResourceFileCopy() = default;

std::string ResourceFileCopy::fileFor(const std::string &name)
{
    if (name.empty() || name.front() != ':')
        return name;
    if (m_copy && m_resource == name)
        return m_path;
    auto copy = std::make_unique<QTemporaryFile>();
    const QString path = copyToTemporaryFile(QString::fromStdString(name), *copy);
    if (path.isEmpty())
        return std::string();
    m_copy = std::move(copy);
    m_resource = name;
    m_path = path.toUtf8().toStdString();
    return m_path;
}

QString ResourceFileCopy::copyToTemporaryFile(const QString &resourceName, QTemporaryFile &file)
{
    if (resourceName.isEmpty())
        return QString();
    if (!file.open())
        return QString();
    QFile resource(resourceName);
    if (!resource.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QString path = QDir::toNativeSeparators(file.fileName());
    // The text mode has taken out every carriage return. What is left of a
    // plain ASCII text reads and writes as itself, line by line, so it is
    // copied in one piece; anything else goes through the text streams, which
    // drop a byte-order mark and replace bytes that are not UTF-8.
    const QByteArray content = resource.readAll();
    if (std::all_of(content.cbegin(), content.cend(), [](char c) { return (c & 0x80) == 0; })) {
        file.write(content);
        if (!content.isEmpty() && !content.endsWith('\n'))
            file.write("\n", 1);
        file.flush();
        return path;
    }
    resource.seek(0);
    {
        QTextStream input(&resource);
        QTextStream output(&file);
        while (!input.atEnd())
            output << input.readLine() << '\n';
    } // the output stream flushes into the file here
    return path;
}
