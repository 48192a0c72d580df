#ifndef FILECHOOSER_H
#define FILECHOOSER_H

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace utils
{
// One request for a file or directory name, as the file dialog would put it.
struct FileQuestion
{
    enum Kind
    {
        SaveFile, // a new or existing file to write; path is the proposed name
        OpenFile, // an existing file to read; path is the start directory
        Directory // an existing directory; path is the start directory
    };

    Kind kind = SaveFile;
    QWidget *parent = nullptr;
    QString caption;
    QString path;
    QString filter;
};

using FileAnswerer = std::function<QString(const FileQuestion &)>;

// What an accepted directory dialog reports.
struct DirectoryDialogReport
{
    QStringList selectedFiles; // its selectedFiles()
    QString shownFolder;       // the folder it was showing
    QString typedText;         // the text in its file-name field
};

// The one directory the user chose, or an empty text when the report names
// none or leaves it open which. Qt's dialog may count a row still selected
// in its list, or the folder it shows, beside the path the user typed: a
// typed path the dialog reports wins, and the shown folder gives way to any
// other path.
QString ChosenDirectory(const DirectoryDialogReport &report);

// Asks the user through Qt's file dialog and returns the chosen name, or an
// empty text when the dialog was cancelled.
QString AskFileName(const FileQuestion &question);

// Lets a caller (a test) answer in place of the file dialog; an empty function
// brings the dialog back. Returns the answerer it replaces.
FileAnswerer SetFileAnswerer(FileAnswerer answerer);

// Plays the user at a directory dialog that is set up but not shown: returns
// what the dialog's selectedFiles() would report once accepted, or nothing
// when the user cancels. Lets a test stand in for the user while the rest of
// the directory question runs as it does for the user.
using DirectoryDialogRunner = std::function<std::optional<QStringList>(QFileDialog &dialog)>;

// An empty function brings the real dialog back. Returns the runner it
// replaces.
DirectoryDialogRunner SetDirectoryDialogRunner(DirectoryDialogRunner runner);
}

#endif // FILECHOOSER_H
