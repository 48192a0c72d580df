#include "icons.h"

#include "ciniticonselectiontoolbutton.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QString>
#include <QToolButton>

namespace content::icons
{
namespace
{
// The group and size names are shown in the editor window's words.
const char *const TranslationContext = "AbstractTextEditorView";

constexpr unsigned Bit(Size size)
{
    return 1u << size;
}

struct GroupEntry
{
    const char *key;
    const char *directory;
    unsigned sizes;
};

constexpr unsigned Medium = Bit(Size24px) | Bit(Size48px);
constexpr unsigned WithSmall = Bit(Size18px) | Medium;
constexpr unsigned Every = WithSmall | Bit(Size36px);

const GroupEntry Groups[GroupCount] = {
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Action"), "action", WithSmall},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Alert"), "alert", Every},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Audiovisual"), "audiovisual", WithSmall},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Communication"), "communication", Medium},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Content"), "content", Medium},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Device"), "device", WithSmall},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Editor"), "editor", WithSmall},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "File"), "file", WithSmall},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Hardware"), "hardware", Medium},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Image"), "image", Medium},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Maps"), "maps", Medium},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Navigation"), "navigation", Every},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Notification"), "notification", WithSmall},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Places"), "places", Medium},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Social"), "social", WithSmall},
    {QT_TRANSLATE_NOOP("AbstractTextEditorView", "Toggle"), "toggle", Medium},
};

const char *const SizeKeys[SizeCount] = {
    QT_TRANSLATE_NOOP("AbstractTextEditorView", "18px"),
    QT_TRANSLATE_NOOP("AbstractTextEditorView", "24px"),
    QT_TRANSLATE_NOOP("AbstractTextEditorView", "36px"),
    QT_TRANSLATE_NOOP("AbstractTextEditorView", "48px"),
};

bool ValidGroup(int group)
{
    return group >= 0 && group < GroupCount;
}

bool ValidSize(int size)
{
    return size >= 0 && size < SizeCount;
}
}

bool Exists(Group group, Size size)
{
    return ValidGroup(group) && ValidSize(size) && (Groups[group].sizes & Bit(size)) != 0;
}

QString GroupDirectory(Group group)
{
    return ValidGroup(group) ? QString::fromLatin1(Groups[group].directory) : QString();
}

QString SizeDirectory(Size size)
{
    // The folder of a size carries the size's own name.
    return ValidSize(size) ? QString::fromLatin1(SizeKeys[size]) : QString();
}

void InitIconGroupComboBox(QComboBox *comboBox)
{
    for (int group = 0; group < GroupCount; ++group)
        comboBox->addItem(QCoreApplication::translate(TranslationContext, Groups[group].key), group);
}

void InitIconSizeComboBox(QComboBox *comboBox, Group group)
{
    comboBox->clear();
    if (!ValidGroup(group))
        return;
    for (int size = 0; size < SizeCount; ++size) {
        if (Exists(group, static_cast<Size>(size)))
            comboBox->addItem(QCoreApplication::translate(TranslationContext, SizeKeys[size]), size);
    }
    comboBox->setCurrentIndex(comboBox->findData(static_cast<int>(Size24px)));
}

void InitIconSelectionToolButton(QToolButton *toolButton, Group group, Size size)
{
    if (!Exists(group, size))
        return;
    const CInitIconSelectionToolButton fill(toolButton);
    fill(GroupDirectory(group), SizeDirectory(size));
}
}
