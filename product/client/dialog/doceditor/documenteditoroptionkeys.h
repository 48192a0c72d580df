#ifndef DOCUMENTEDITOROPTIONKEYS_H
#define DOCUMENTEDITOROPTIONKEYS_H

// The settings keys of the document editor's layout and the value each has
// when it was never stored. The options dialog writes them and the document
// editor reads them; both must fall back to the same values, or an editor
// opened before the options were ever saved would look different from what
// the dialog shows.
//
// Areas are Qt's tool-bar and dock-widget area flags (1 left, 2 right, 4 top,
// 8 bottom), which have the same numbers for both kinds.
namespace documenteditoroptions
{
inline constexpr char StandardToolBarDisplay[] = "DocumentEditor/Options/StandardToolBarDisplay";
inline constexpr char FormattingToolBarDisplay[] = "DocumentEditor/Options/FormattingToolBarDisplay";
inline constexpr char IconToolBarDisplay[] = "DocumentEditor/Options/IconToolBarDisplay";
inline constexpr char UrlAttachmentsDockWidgetDisplay[] = "DocumentEditor/Options/UrlAttachmentsDockWidgetDisplay";
inline constexpr char StandardToolBarArea[] = "DocumentEditor/Options/StandardToolBarArea";
inline constexpr char FormattingToolBarArea[] = "DocumentEditor/Options/FormattingToolBarArea";
inline constexpr char IconToolBarArea[] = "DocumentEditor/Options/IconToolBarArea";
inline constexpr char UrlAttachmentsDockWidgetArea[] = "DocumentEditor/Options/UrlAttachmentsDockWidgetArea";
inline constexpr char RevisionHistoryDockWidgetArea[] = "DocumentEditor/Options/RevisionHistoryDockWidgetArea";
inline constexpr char StandardToolBarBreak[] = "DocumentEditor/Options/StandardToolBarBreak";
inline constexpr char FormattingToolBarBreak[] = "DocumentEditor/Options/FormattingToolBarBreak";
inline constexpr char IconToolBarBreak[] = "DocumentEditor/Options/IconToolBarBreak";

inline constexpr int LeftArea = 1;
inline constexpr int RightArea = 2;
inline constexpr int TopArea = 4;
inline constexpr int BottomArea = 8;

inline constexpr bool StandardToolBarDisplayDefault = true;
inline constexpr bool FormattingToolBarDisplayDefault = true;
inline constexpr bool IconToolBarDisplayDefault = false;
inline constexpr bool UrlAttachmentsDockWidgetDisplayDefault = false;
inline constexpr int StandardToolBarAreaDefault = TopArea;
inline constexpr int FormattingToolBarAreaDefault = TopArea;
inline constexpr int IconToolBarAreaDefault = TopArea;
inline constexpr int UrlAttachmentsDockWidgetAreaDefault = BottomArea;
inline constexpr int RevisionHistoryDockWidgetAreaDefault = LeftArea;
// The standard and the formatting tool bar do not fit side by side in a
// window of the smallest size, so they start on two rows.
inline constexpr bool StandardToolBarBreakDefault = true;
inline constexpr bool FormattingToolBarBreakDefault = true;
inline constexpr bool IconToolBarBreakDefault = false;
}

#endif // DOCUMENTEDITOROPTIONKEYS_H
