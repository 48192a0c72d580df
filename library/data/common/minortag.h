#ifndef COMMON_MINORTAG_H
#define COMMON_MINORTAG_H

#include "common/opcode.h"

// Minor opcodes. Every window and manager sees every reply, so a request whose
// reply must reach one particular handler carries a tag as its minor opcode;
// the handler ignores the same major under any other minor. The tag travels to
// the server and back unchanged. Each comment names the majors it goes with.
namespace common::tag
{
inline constexpr Opcode Plain = 1;                       // every untagged request
inline constexpr Opcode Save = 0;                        // 57: the editor's Save action
inline constexpr Opcode SaveAndClose = -1;               // 57: the editor closes after (0, 0)
inline constexpr Opcode ShowRevision = -4;               // 41, direct
inline constexpr Opcode ListDocumentKeys = -5;           // 40: the active browser lists the keys
inline constexpr Opcode ListFolderKeys = -6;             // 43: the active browser lists the keys
inline constexpr Opcode MoveDocument = -22;              // 57
inline constexpr Opcode MoveFolder = -23;                // 60
inline constexpr Opcode MoveMessage = -25;               // 65, 66
inline constexpr Opcode RefreshDocumentKeys = -27;       // 40, direct
inline constexpr Opcode RefreshFolderKeys = -28;         // 43, direct
inline constexpr Opcode ClearEmphasizeName = -33;        // 56
inline constexpr Opcode OpenDocumentKeyring = -34;       // 40
inline constexpr Opcode OpenDocumentEditor = -35;        // 40, 41
inline constexpr Opcode OpenFolderKey = -36;             // -26: one browser per folder key
inline constexpr Opcode OpenFolderKeyring = -37;         // 43
inline constexpr Opcode OpenFolder = -38;                // 44, 41: fill the active browser's main pane
inline constexpr Opcode ChangeDocumentDescription = -45; // 57
inline constexpr Opcode ChangeFolderDescription = -46;   // 60
inline constexpr Opcode RenameDocument = -48;            // 57
inline constexpr Opcode RenameFolder = -49;              // 60
inline constexpr Opcode RestoreDocument = -51;           // 22
inline constexpr Opcode ListRevisions = -52;             // 41, direct
}

#endif // COMMON_MINORTAG_H
