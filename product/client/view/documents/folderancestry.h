#ifndef FOLDERANCESTRY_H
#define FOLDERANCESTRY_H

#include <functional>

// Tells whether one folder lies inside another, walking up the folder tree
// from the inner one through its parents. The browser asks before it moves a
// folder, so that no folder is ever moved into itself or into one of its own
// subfolders: the panes only know the folders they list, and a shortcut or
// another browser's main pane can offer any folder as the target.
class FolderAncestry
{
public:
    // One step up: the parent of a folder, or the top of the tree (a folder
    // without a parent, or one that the look-up does not know), or no answer.
    struct Parent
    {
        enum class Kind
        {
            Known,
            Top,
            Unanswered,
        };
        Kind kind = Kind::Unanswered;
        int id = 0;
    };
    using ParentLookup = std::function<Parent(int folderId)>;

    // The walk ends at the home folder, the top of the user's own tree.
    FolderAncestry(int homeFolderId, ParentLookup parentOf);

    // Looks each parent up on the server with a blocking exchange of its own,
    // past the bus.
    static FolderAncestry onServer(int homeFolderId);

    // True when folderId is ancestorId itself or lies below it. A walk that
    // cannot be finished (a look-up without an answer, a loop, a tree deeper
    // than any the server keeps) counts as inside, so that a move that might
    // put a folder into itself is not made.
    bool contains(int ancestorId, int folderId) const;

private:
    int m_homeFolderId;
    ParentLookup m_parentOf;
};

#endif // FOLDERANCESTRY_H
