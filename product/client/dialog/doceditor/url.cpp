#include "url.h"

#include <QDebug>

namespace
{
const QString SCHEME_HTTPS = QStringLiteral("https");
}

Url::Url()
    : m_documentId(DbId::m_NullId)
{
}

Url::Url(const QUrl &url)
    : m_url(url)
    , m_documentId(DbId::m_NullId)
{
}

Url::Url(const QString &url)
    : m_url(url, QUrl::TolerantMode)
    , m_documentId(DbId::m_NullId)
{
}

bool Url::isEmpty() const
{
    return m_url.isEmpty();
}

QString Url::toString() const
{
    return m_url.toString();
}

QString Url::toDisplayString() const
{
    return m_url.toDisplayString();
}

DbId Url::getDocumentId() const
{
    return m_documentId;
}

void Url::setDocumentId(DbId documentId)
{
    m_documentId = documentId;
}

QString Url::getDescription() const
{
    return m_description;
}

void Url::setDescription(const QString &description)
{
    m_description = description;
}

Url::operator const QUrl &() const
{
    return m_url;
}

Url::operator std::string() const
{
    return m_url.toString().toStdString();
}

bool Url::isSecure() const
{
    return !m_url.isEmpty() && m_url.isValid() && m_url.scheme().toLower() == SCHEME_HTTPS;
}

bool Url::trySecure(bool &changed)
{
    changed = false;
    if (m_url.isEmpty() || !m_url.isValid())
        return false;
    if (m_url.scheme().toLower() != SCHEME_HTTPS) {
        m_url.setScheme(SCHEME_HTTPS);
        changed = true;
    }
    return isSecure();
}

QDebug operator<<(QDebug debug, const Url &url)
{
    return debug << static_cast<const QUrl &>(url);
}
