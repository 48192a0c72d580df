#ifndef PANEDROP_H
#define PANEDROP_H

#include "document3.pb.h"
#include "folder3.pb.h"

#include <optional>

// What a drop onto a browser pane asks the window to do: nothing, or move the
// dropped document or folder into the folder dropped on, or into the folder
// the window shows when no folder is named.
struct PaneDrop
{
    enum class Kind
    {
        Refused,
        MoveDocument,
        MoveFolder,
    };

    static PaneDrop refused() { return PaneDrop(); }
    static PaneDrop moveDocument(const qorv::data::Document &document, std::optional<int> folderId)
    {
        PaneDrop drop;
        drop.kind = Kind::MoveDocument;
        drop.document = document;
        drop.folderId = folderId;
        return drop;
    }
    static PaneDrop moveFolder(const qorv::data::Folder &folder, std::optional<int> folderId)
    {
        PaneDrop drop;
        drop.kind = Kind::MoveFolder;
        drop.folder = folder;
        drop.folderId = folderId;
        return drop;
    }

    Kind kind = Kind::Refused;
    qorv::data::Document document;
    qorv::data::Folder folder;
    std::optional<int> folderId;
};

#endif // PANEDROP_H
