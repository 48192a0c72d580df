#ifndef COMMON_MIMEFORMAT_H
#define COMMON_MIMEFORMAT_H

// Clipboard and drag-and-drop formats: each holds one serialized record,
// exactly as SerializeAsString produces it, with no framing.
namespace common::mime
{
inline constexpr char Document[] = "qorv/proto/Document";
inline constexpr char Folder[] = "qorv/proto/Folder";
inline constexpr char Message[] = "qorv/proto/Message";
}

#endif // COMMON_MIMEFORMAT_H
