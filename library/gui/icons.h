#ifndef ICONS_H
#define ICONS_H

class QComboBox;
class QString;
class QToolButton;

// The built-in icon catalogue that the editors insert into documents: sixteen
// groups of SVG pictures, each drawn at some of four sizes, under
//   :/content/icons/default/<group>/svg/production/<size>/ic_<name>_<size>.svg
// and the functions that fill the icon tool bar's widgets from it.
namespace content::icons
{
enum Group : int
{
    Action,
    Alert,
    Audiovisual,
    Communication,
    Content,
    Device,
    Editor,
    File,
    Hardware,
    Image,
    Maps,
    Navigation,
    Notification,
    Places,
    Social,
    Toggle
};
constexpr int GroupCount = 16;

enum Size : int
{
    Size18px,
    Size24px,
    Size36px,
    Size48px
};
constexpr int SizeCount = 4;

// Whether the catalogue has a folder for the pair; false for numbers out of
// range.
bool Exists(Group group, Size size);
// The folder names, "action" and "24px"; empty for numbers out of range.
QString GroupDirectory(Group group);
QString SizeDirectory(Size size);

// Appends the sixteen groups in number order (translated name, the group
// number as user data), without clearing the box first.
void InitIconGroupComboBox(QComboBox *comboBox);
// Refills the box with the group's sizes and makes 24 px current; a group out
// of range leaves it empty.
void InitIconSizeComboBox(QComboBox *comboBox, Group group);
// Fills the button's menu from the pair's folder; a pair the catalogue does
// not have leaves the button as it is.
void InitIconSelectionToolButton(QToolButton *toolButton, Group group, Size size);
}

#endif // ICONS_H
