#ifndef ITEMROLE_H
#define ITEMROLE_H

// The item data roles under which list and tree items carry their records, as
// QVariants of the records' own meta types. Roles 257 to 267 mean one record
// kind each wherever a pane holds several kinds; a pane that holds one kind of
// entry only uses 256 to 258 in its own way (the saved and the edited copy of
// an editable record, and a row kind). 264 is not used.
enum ItemRole : int
{
    SavedRecordRole = 256,  // the record as last saved
    EditedRecordRole = 257, // the record as edited; the item is modified while it differs
    RowKindRole = 258,      // an int telling which row of a record an item is

    FolderRole = 257,
    FolderKeyRole = 258,
    DocumentRole = 259,
    DocumentKeyRole = 260,
    GroupRole = 261,
    GroupKeyRole = 262,
    UserRole = 263,
    MessageRole = 265,
    MessageFolderRole = 266,
    UserGroupRole = 267
};

#endif // ITEMROLE_H
