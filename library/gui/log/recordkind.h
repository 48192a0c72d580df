#ifndef RECORDKIND_H
#define RECORDKIND_H

// How the audit lines name one kind of record, and the warnings with which
// they refuse a payload whose record is missing or unusable.
struct RecordKind
{
    // The warnings about the record: missing, without an id or a name, or
    // with the null id for its id.
    const char *missingRecord, *missingId, *missingName, *invalidId;
    // The warnings about a key to the record: missing, or without the record
    // or the user it is given to. Null for a kind that has no keys.
    const char *missingKey, *missingKeyRecord, *missingKeyUser;
    // The label keys of the fields that name the record.
    const char *idLabel, *nameLabel, *descriptionLabel;
};

inline constexpr RecordKind DocumentKind{"Bad document!",          "Bad document id!",  "Bad document name!",
                                         "Invalid document id!",   "Bad document key!", "Bad document key document!",
                                         "Bad document key user!", "documentId",        "documentName",
                                         "documentDescription"};

inline constexpr RecordKind FolderKind{"Bad folder!",          "Bad folder id!",  "Bad folder name!",
                                       "Invalid folder id!",   "Bad folder key!", "Bad folder key folder!",
                                       "Bad folder key user!", "folderId",        "folderName",
                                       "folderDescription"};

// A message goes by its subject where the others go by their name; it has
// neither keys nor a description.
inline constexpr RecordKind MessageKind{"Bad message!",
                                        "Bad message id!",
                                        "Bad message subject!",
                                        "Invalid message id!",
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        "messageId",
                                        "messageSubject",
                                        nullptr};

#endif // RECORDKIND_H
