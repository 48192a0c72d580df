#ifndef URL_H
#define URL_H

#include "dbid.h"

#include <QMetaType>
#include <QString>
#include <QUrl>

#include <string>

class QDebug;

// A web address attached to a document, with the document's id and the
// address's description. Only secure (https) addresses may be stored, listed
// or opened; isSecure() is the one test everybody applies.
class Url
{
public:
    Url();
    explicit Url(const QUrl &url);
    // Tolerant parsing, as the user types or the server stores the text.
    explicit Url(const QString &url);

    bool isEmpty() const;
    QString toString() const;
    // Without a password: the form shown to the user.
    QString toDisplayString() const;

    DbId getDocumentId() const;
    void setDocumentId(DbId documentId);
    QString getDescription() const;
    void setDescription(const QString &description);

    operator const QUrl &() const;
    // The URL text that is stored and hashed: toString() as UTF-8.
    operator std::string() const;

    bool isSecure() const;
    // Puts the https scheme in place of any other; false for an empty or
    // invalid address.
    bool trySecure(bool &changed);

private:
    QUrl m_url;
    DbId m_documentId;
    QString m_description;
};

QDebug operator<<(QDebug debug, const Url &url);

Q_DECLARE_METATYPE(Url)

#endif // URL_H
