#ifndef RECEIVEDKEYROWS_H
#define RECEIVEDKEYROWS_H

#include "itemrecord.h"
#include "keytreerows.h"
#include "linguist.h"
#include "utils.h"

#include <QIcon>
#include <QStringList>
#include <QTreeWidgetItem>

// The rows of a received-keys pane for one kind of key (Traits is
// DocumentKeyRowTraits or FolderKeyRowTraits): who gave the key and for
// what, the revision when the kind has one, then the key's rules.
template <class Traits>
struct ReceivedKeyRows
{
    static constexpr int OwnerColumn = 0;
    static constexpr int TargetColumn = 1;
    static constexpr int RevisionColumn = 2;
    static constexpr int ActiveColumn = Traits::HasRevision ? 3 : 2;
    static constexpr int HoursColumn = ActiveColumn + 1;
    static constexpr int RegionColumn = ActiveColumn + 2;
    static constexpr int DurationColumn = ActiveColumn + 3;
    static constexpr int ExpirationColumn = ActiveColumn + 4;
    static constexpr int KeyRowKind = 0;
    static constexpr int ActiveKind = 1;

    static QStringList headerLabels()
    {
        QStringList labels{Linguist::tr("Owner"), Linguist::tr(Traits::TargetLabel)};
        if (Traits::HasRevision)
            labels << Linguist::tr("Revision");
        labels << Linguist::tr("Active") << Linguist::tr("Hours") << Linguist::tr("Region") << Linguist::tr("Duration")
               << Linguist::tr("Expiration");
        return labels;
    }

    static void fill(const typename Traits::Key &key, QTreeWidgetItem *item, int keyRole, int kindRole,
                     const keytree::KeySubtrees &subtrees)
    {
        const typename Traits::Reader reader(key);
        const qorv::data::SecurityDescriptor &descriptor = Traits::descriptor(key);
        item->setText(OwnerColumn, QString::fromStdString(reader.ownerDisplayNameAlphabetical()));
        item->setIcon(OwnerColumn, utils::ActionIcon("key.png"));
        item->setData(OwnerColumn, kindRole, KeyRowKind);
        item->setData(OwnerColumn, keyRole, itemrecord::ToVariant(key));
        item->setText(TargetColumn, QString::fromStdString(Traits::targetName(reader)));
        if (Traits::HasRevision)
            item->setText(RevisionColumn, QString::fromStdString(Traits::revisionText(reader)));
        item->setData(ActiveColumn, kindRole, ActiveKind);
        const bool active = keytree::BitSet(descriptor, keytree::Word::Active, Traits::Proxy::ActiveStatus);
        item->setCheckState(ActiveColumn, active ? Qt::Checked : Qt::Unchecked);
        item->setText(HoursColumn, keytree::ActiveHoursText(reader.activeFrom(), reader.activeTo()));
        item->setText(RegionColumn, QString::fromStdString(reader.activeRegion()));
        item->setText(DurationColumn, QString::fromStdString(reader.sessionDurationDisplay()));
        item->setText(ExpirationColumn, keytree::ExpirationText(reader.expirationDate()));

        keytree::AddSubtree(item, subtrees.permissions, kindRole, descriptor);
        keytree::AddSubtree(item, subtrees.days, kindRole, descriptor);
        keytree::AddSubtree(item, subtrees.months, kindRole, descriptor);
        keytree::SetReadOnlyFlags(item);
    }
};

#endif // RECEIVEDKEYROWS_H
