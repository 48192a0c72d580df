#include "filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

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

DirectoryDialogRunner &InstalledDirectoryDialogRunner()
{
    static DirectoryDialogRunner runner;
    return runner;
}

std::optional<QStringList> RunDirectoryDialog(QFileDialog &dialog)
{
    if (const DirectoryDialogRunner &runner = InstalledDirectoryDialogRunner())
        return runner(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles();
}

// A typed path as the dialog reads it: "~" stands for the home folder and a
// relative path starts in the folder shown.
QString TypedPath(const QString &typedText, const QString &shownFolder)
{
    QString path = typedText;
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path.replace(0, 1, QDir::homePath());
    return QDir::cleanPath(QDir(shownFolder).absoluteFilePath(path));
}

QString AskDirectory(const FileQuestion &question)
{
    QFileDialog dialog(question.parent, question.caption, question.path, question.filter);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const std::optional<QStringList> selected = RunDirectoryDialog(dialog);
    if (!selected)
        return QString();
    // The field is the widget dialog's own; a platform dialog has none.
    const auto *fileNameEdit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    return ChosenDirectory(
        {*selected, dialog.directory().absolutePath(), fileNameEdit != nullptr ? fileNameEdit->text() : QString()});
}
}

QString ChosenDirectory(const DirectoryDialogReport &report)
{
    if (!report.typedText.isEmpty()) {
        const QString typed = TypedPath(report.typedText, report.shownFolder);
        for (const QString &path : report.selectedFiles) {
            if (QDir::cleanPath(path) == typed)
                return path;
        }
    }
    if (report.selectedFiles.size() == 1)
        return report.selectedFiles.first();
    const QString shownFolder = QDir::cleanPath(report.shownFolder);
    QStringList others;
    for (const QString &path : report.selectedFiles) {
        if (QDir::cleanPath(path) != shownFolder)
            others.append(path);
    }
    return others.size() == 1 ? others.first() : QString();
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

DirectoryDialogRunner SetDirectoryDialogRunner(DirectoryDialogRunner runner)
{
    return std::exchange(InstalledDirectoryDialogRunner(), std::move(runner));
}
}
