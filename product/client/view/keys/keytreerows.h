#ifndef KEYTREEROWS_H
#define KEYTREEROWS_H

#include <QString>

#include <string>
#include <vector>

class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace qorv::data
{
class SecurityDescriptor;
}

// What the four key panes share about a key's row: the subtrees whose leaves
// show one bit of the security descriptor each, the font of the key row, the
// guarded cell texts and the "view" toggles. A pane describes its own columns,
// kinds and roles in tables of these types and hands them in.
namespace keytree
{
// Which word of the descriptor a leaf shows.
enum class Word
{
    Active,
    Permissions
};

// One leaf: its row kind, its label (a key of the context "Linguist") and the
// bit it shows.
struct Bit
{
    int kind;
    const char *label;
    Word word;
    unsigned int position;
};

// A heading ("Permissions", "Days", "Months") and its leaves, all of which
// carry label, kind and check box in one column.
struct Subtree
{
    int column;
    int headingKind;
    const char *headingLabel;
    std::vector<Bit> leaves;
};

bool BitSet(const qorv::data::SecurityDescriptor &descriptor, Word word, unsigned int position);

// Appends the heading with its leaves under the key row, checked from the
// descriptor, and collapses it.
void AddSubtree(QTreeWidgetItem *keyRow, const Subtree &subtree, int kindRole,
                const qorv::data::SecurityDescriptor &descriptor);

// Sets the leaves' check states from the descriptor when heading is the
// subtree's heading; any other row is left alone.
void UpdateSubtree(QTreeWidgetItem *heading, const Subtree &subtree, int kindRole,
                   const qorv::data::SecurityDescriptor &descriptor);

// The leaves under each heading of a document key and of a folder key, in
// the order the panes show them. The keyring pane and the received-keys pane
// of one kind of key number their rows alike; only their columns differ.
const std::vector<Bit> &DocumentPermissionBits();
const std::vector<Bit> &DocumentDayBits();
const std::vector<Bit> &DocumentMonthBits();
const std::vector<Bit> &FolderPermissionBits();
const std::vector<Bit> &FolderDayBits();
const std::vector<Bit> &FolderMonthBits();

// The three subtrees of a key row: permissions under the first column, days
// and months under the "Active" one. The heading kinds follow the kind's
// leaves, so a pane of either key numbers its rows like its twin.
struct KeySubtrees
{
    Subtree permissions;
    Subtree days;
    Subtree months;
};
KeySubtrees DocumentKeySubtrees(int activeColumn);
KeySubtrees FolderKeySubtrees(int activeColumn);

// The leaf of that kind among the subtrees, or null.
const Bit *FindBit(const std::vector<const Subtree *> &subtrees, int kind);

// The row kind stored in the cell, when there is one that reads as an int.
bool ReadKind(const QTreeWidgetItem *item, int column, int kindRole, int *kind);

// Bold for a key that can open something, struck-out normal weight for one
// that cannot (switched off, or no day, month or permission at all).
void UpdateKeyRowFont(QTreeWidgetItem *keyRow, bool inactive);

// Leaves a received key's row for looking only: the key row can be selected,
// no row can be ticked, its child rows cannot even be selected. Done as each
// row is built: done over a filled pane, every flag change makes the tree
// look its row up among all the rows shown, which grows with the square of
// the keys.
void SetReadOnlyFlags(QTreeWidgetItem *keyRow);

// Walks every row in pre-order: key rows are expanded when view is true, and
// the headings of that kind expanded or collapsed to follow view.
void ToggleHeadings(QTreeWidget *tree, int column, int kindRole, int headingKind, bool view);

// Cell texts that tolerate whatever the server sent: a bound, date or
// revision that cannot be read gives an empty cell.
QString ActiveHoursText(const std::string &from, const std::string &to);
QString ExpirationText(const std::string &expirationDate);
// Empty for no revision, an unreadable one and the two sentinel dates (the
// current revision and the earliest date); else the local time of the
// revision, "%Y-%m-%d %H:%M:%S".
std::string RevisionText(const std::string &revision);
}

// Resizes every column of the view's model, first to last, to its contents.
void ResizeColumnsToContents(QTreeView *view);

#endif // KEYTREEROWS_H
