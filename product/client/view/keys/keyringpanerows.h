#ifndef KEYRINGPANEROWS_H
#define KEYRINGPANEROWS_H

#include "abstractkeypanetreewidget.h"
#include "itemrecord.h"
#include "itemrole.h"
#include "keytreerows.h"
#include "linguist.h"
#include "securitydescriptorequality.h"
#include "utils.h"

#include <QIcon>
#include <QStringList>
#include <QTreeWidgetItem>

// The rows of a keyring pane for one kind of key (Traits is
// DocumentKeyRowTraits or FolderKeyRowTraits): one top-level row per key
// holder, keeping the key as saved (SavedRecordRole) and as edited
// (EditedRecordRole) in the holder's column, with the rules in the columns
// after it and the revision first among them when the kind has one.
template <class Traits>
struct KeyringPaneRows
{
    using Key = typename Traits::Key;

    static constexpr int UserColumn = 0;
    static constexpr int ActiveColumn = 1;
    static constexpr int RevisionColumn = 2;
    static constexpr int HoursColumn = Traits::HasRevision ? 3 : 2;
    static constexpr int RegionColumn = HoursColumn + 1;
    static constexpr int DurationColumn = HoursColumn + 2;
    static constexpr int ExpirationColumn = HoursColumn + 3;
    static constexpr int KeyRowKind = 0;
    static constexpr int ActiveKind = 1;

    static QStringList headerLabels()
    {
        QStringList labels{Linguist::tr("User"), Linguist::tr("Active")};
        if (Traits::HasRevision)
            labels << Linguist::tr("Revision");
        labels << Linguist::tr("Hours") << Linguist::tr("Region") << Linguist::tr("Duration")
               << Linguist::tr("Expiration");
        return labels;
    }

    static void add(AbstractKeyPaneTreeWidget *pane, const Key &key)
    {
        // Built whole before it joins the pane: every cell set and child
        // added on a row the pane already shows is announced to its view.
        auto *item = new QTreeWidgetItem;
        const QVariant record = itemrecord::ToVariant(key);
        item->setText(UserColumn, QString::fromStdString(typename Traits::Reader(key).userDisplayNameAlphabetical()));
        item->setIcon(UserColumn, KeyIcon(false));
        item->setData(UserColumn, RowKindRole, KeyRowKind);
        item->setData(UserColumn, EditedRecordRole, record);
        item->setData(UserColumn, SavedRecordRole, record);
        item->setData(ActiveColumn, RowKindRole, ActiveKind);
        setRuleCells(key, item);

        const keytree::KeySubtrees &subtrees = pane->subtrees();
        keytree::AddSubtree(item, subtrees.permissions, RowKindRole, Traits::descriptor(key));
        keytree::AddSubtree(item, subtrees.days, RowKindRole, Traits::descriptor(key));
        keytree::AddSubtree(item, subtrees.months, RowKindRole, Traits::descriptor(key));
        updateFont(key, item);
        pane->addTopLevelItem(item);
        pane->resizeColumnsToContents();
        item->setHidden(false);
    }

    // The key as the server now has it, both saved and edited.
    static void update(AbstractKeyPaneTreeWidget *pane, const Key &key)
    {
        QTreeWidgetItem *item = findKeyRow(pane, Traits::holderId(key));
        if (item == nullptr)
            return;
        int kind = -1;
        if (keytree::ReadKind(item, UserColumn, RowKindRole, &kind) && kind == KeyRowKind) {
            item->setIcon(UserColumn, KeyIcon(false));
            const QVariant record = itemrecord::ToVariant(key);
            item->setData(UserColumn, EditedRecordRole, record);
            item->setData(UserColumn, SavedRecordRole, record);
            setRuleCells(key, item);
            const keytree::KeySubtrees &subtrees = pane->subtrees();
            keytree::UpdateSubtree(item->child(0), subtrees.permissions, RowKindRole, Traits::descriptor(key));
            keytree::UpdateSubtree(item->child(1), subtrees.days, RowKindRole, Traits::descriptor(key));
            keytree::UpdateSubtree(item->child(2), subtrees.months, RowKindRole, Traits::descriptor(key));
        }
        updateFont(key, item);
        pane->resizeColumnsToContents();
    }

    // A tick goes straight into the edited key; the icon shows whether its
    // rules now differ from the saved ones.
    static void tick(AbstractKeyPaneTreeWidget *pane, QTreeWidgetItem *item, int column)
    {
        if (item == nullptr || (column != UserColumn && column != ActiveColumn))
            return;
        int kind = 0;
        if (!keytree::ReadKind(item, column, RowKindRole, &kind))
            return;
        const keytree::KeySubtrees &subtrees = pane->subtrees();
        const keytree::Bit *bit =
            kind == ActiveKind ? &ActiveBit()
                               : keytree::FindBit({&subtrees.permissions, &subtrees.days, &subtrees.months}, kind);
        if (bit == nullptr)
            return;

        QTreeWidgetItem *row = keyRow(item);
        Key key = editedKey(row);
        const Key savedKey = baseKey(row);
        typename Traits::Writer writer = Traits::writer(key);
        if (bit->word == keytree::Word::Permissions) {
            writer.setPermission(static_cast<typename Traits::Proxy::Permission>(bit->position),
                                 item->checkState(UserColumn) == Qt::Checked);
        } else {
            writer.setActive(static_cast<typename Traits::Proxy::Active>(bit->position),
                             item->checkState(ActiveColumn) == Qt::Checked);
        }
        row->setData(UserColumn, EditedRecordRole, itemrecord::ToVariant(key));
        row->setIcon(UserColumn, KeyIcon(Traits::descriptor(key) != Traits::descriptor(savedKey)));
        updateFont(key, row);
        pane->resizeColumnsToContents();
    }

    // The first row in display order whose key the user holds.
    static QTreeWidgetItem *findKeyRow(const AbstractKeyPaneTreeWidget *pane, int userId)
    {
        for (int index = 0; index < pane->topLevelItemCount(); ++index) {
            QTreeWidgetItem *item = pane->topLevelItem(index);
            if (Traits::holderId(editedKey(item)) == userId)
                return item;
        }
        return nullptr;
    }

    static bool isKeyRow(const QTreeWidgetItem *item)
    {
        int kind = -1;
        return item != nullptr && item->parent() == nullptr && keytree::ReadKind(item, UserColumn, RowKindRole, &kind)
               && kind == KeyRowKind;
    }

    static QTreeWidgetItem *keyRow(QTreeWidgetItem *item)
    {
        while (item->parent() != nullptr)
            item = item->parent();
        return item;
    }

    static Key editedKey(const QTreeWidgetItem *item) { return record(item, EditedRecordRole); }
    static Key baseKey(const QTreeWidgetItem *item) { return record(item, SavedRecordRole); }

private:
    // The key row's own "Active" box is a bit of its own, with no subtree.
    static const keytree::Bit &ActiveBit()
    {
        static const keytree::Bit bit{ActiveKind, nullptr, keytree::Word::Active, Traits::Proxy::ActiveStatus};
        return bit;
    }

    static QIcon KeyIcon(bool modified) { return utils::ActionIcon(modified ? "key_edit.png" : "key.png"); }

    static Key record(const QTreeWidgetItem *item, int role)
    {
        return itemrecord::FromVariant<Key>(item->data(UserColumn, role)).value_or(Key());
    }

    static void updateFont(const Key &key, QTreeWidgetItem *item)
    {
        keytree::UpdateKeyRowFont(item, typename Traits::Reader(key).inactive());
    }

    // The cells that follow the key's rules; the holder's name is written once.
    static void setRuleCells(const Key &key, QTreeWidgetItem *item)
    {
        const typename Traits::Reader reader(key);
        if (Traits::HasRevision)
            item->setText(RevisionColumn, QString::fromStdString(Traits::revisionText(reader)));
        item->setText(HoursColumn, keytree::ActiveHoursText(reader.activeFrom(), reader.activeTo()));
        item->setText(RegionColumn, QString::fromStdString(reader.activeRegion()));
        item->setText(DurationColumn, QString::fromStdString(reader.sessionDurationDisplay()));
        item->setText(ExpirationColumn, keytree::ExpirationText(reader.expirationDate()));
        const keytree::Bit &active = ActiveBit();
        item->setCheckState(ActiveColumn, keytree::BitSet(Traits::descriptor(key), active.word, active.position)
                                              ? Qt::Checked
                                              : Qt::Unchecked);
    }
};

#endif // KEYRINGPANEROWS_H
