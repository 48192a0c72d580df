#ifndef FILECHOOSER_H
#define FILECHOOSER_H

#include <QString>

#include <functional>

class QWidget;

namespace utils
{
// One request for a file or directory name, as the file dialog would put it.
struct FileQuestion
{
    enum Kind
    {
        SaveFile,  // a new or existing file to write; path is the proposed name
        OpenFile,  // an existing file to read; path is the start directory
        Directory  // an existing directory; path is the start directory
    };

    Kind kind = SaveFile;
    QWidget *parent = nullptr;
    QString caption;
    QString path;
    QString filter;
};

using FileAnswerer = std::function<QString(const FileQuestion &)>;

// Asks the user through Qt's file dialog and returns the chosen name, or an
// empty text when the dialog was cancelled. A directory counts as chosen only
// when exactly one was selected.
QString AskFileName(const FileQuestion &question);

// Lets a caller (a test) answer in place of the file dialog; an empty function
// brings the dialog back. Returns the answerer it replaces.
FileAnswerer SetFileAnswerer(FileAnswerer answerer);
}

#endif // FILECHOOSER_H
