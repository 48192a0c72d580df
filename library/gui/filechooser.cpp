#include "filechooser.h"

#include <QFileDialog>
#include <QStringList>

#include <utility>

namespace utils
{
namespace
{
FileAnswerer &InstalledAnswerer()
{
    static FileAnswerer answerer;
    return answerer;
}

QString AskDirectory(const FileQuestion &question)
{
    QFileDialog dialog(question.parent, question.caption, question.path, question.filter);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList selected = dialog.selectedFiles();
    return selected.size() == 1 ? selected.first() : QString();
}
}

QString AskFileName(const FileQuestion &question)
{
    if (const FileAnswerer &answerer = InstalledAnswerer())
        return answerer(question);
    switch (question.kind) {
    case FileQuestion::SaveFile:
        return QFileDialog::getSaveFileName(question.parent, question.caption, question.path, question.filter);
    case FileQuestion::OpenFile:
        return QFileDialog::getOpenFileName(question.parent, question.caption, question.path, question.filter);
    case FileQuestion::Directory:
        return AskDirectory(question);
    }
    return QString();
}

FileAnswerer SetFileAnswerer(FileAnswerer answerer)
{
    return std::exchange(InstalledAnswerer(), std::move(answerer));
}
}
