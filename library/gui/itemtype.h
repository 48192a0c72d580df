#ifndef ITEMTYPE_H
#define ITEMTYPE_H

// The type given to every list and tree item that holds a record kind of its
// own (above Qt's user-type threshold). Items without one keep Qt's type 0.
// 2010 and 2011 are not used.
enum ItemType : int
{
    HomeFolderItemType = 2001,        // the user's home folder; Folder under FolderRole
    FolderItemType = 2002,            // Folder under FolderRole
    FolderKeyItemType = 2003,         // FolderKey under FolderKeyRole
    DocumentItemType = 2004,          // Document under DocumentRole
    DocumentKeyItemType = 2005,       // DocumentKey under DocumentKeyRole
    HomeGroupsItemType = 2006,        // the user's home groups; no record
    GroupItemType = 2007,             // Group under GroupRole
    GroupKeyItemType = 2008,          // GroupKey under GroupKeyRole
    UserItemType = 2009,              // User under UserRole
    MessageFolderRootItemType = 2012, // the root message folder; MessageFolder under MessageFolderRole
    MessageFolderItemType = 2013,     // MessageFolder under MessageFolderRole
    UserGroupItemType = 2014          // UserGroup under UserGroupRole
};

#endif // ITEMTYPE_H
