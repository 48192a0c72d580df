#include "texteditor.h"

#include "filechooser.h"
#include "inserttabledialog.h"
#include "replacedialog.h"
#include "settingssingleton.h"
#include "spellcheckerdialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QInputDialog>
#include <QListWidget>
#include <QPalette>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtGlobal>

namespace
{
const QString PicturesSearchPrefix = QStringLiteral("pictures");
constexpr int MinimumColumnWidth = 20;
constexpr int MaximumColumnWidth = 9999;

Qt::Alignment TableAlignment(int index, bool *valid)
{
    *valid = true;
    switch (index) {
    case 0:
        return Qt::AlignLeft;
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignJustify;
    default:
        *valid = false;
        return {};
    }
}
}

TextEditor::TextEditor(AbstractTextEditorView *view)
    : AbstractTextEditor(view)
{
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A quiet selection colour, the same whether or not the editor has focus,
    // so that what find and replace select stays readable.
    QPalette colours = palette();
    colours.setBrush(QPalette::All, QPalette::Highlight, QBrush(Qt::lightGray, Qt::SolidPattern));
    colours.setBrush(QPalette::All, QPalette::HighlightedText, QBrush(Qt::black, Qt::SolidPattern));
    setPalette(colours);
}

void TextEditor::insertPicture()
{
    // Shared by every editor of the run: the next picture dialog opens where the
    // last picture came from.
    static QString DefaultPictureDirectory;
    static const QString CurrentDirectory = QStringLiteral(".");

    QString startDirectory;
    if (!DefaultPictureDirectory.isEmpty() && QFileInfo(DefaultPictureDirectory).isDir()) {
        startDirectory = DefaultPictureDirectory;
    } else {
        DefaultPictureDirectory.clear();
        static const QString HomePictureDirectory = SettingsSingleton::instance()->getHomePictureDirectory();
        startDirectory = HomePictureDirectory.isEmpty() ? CurrentDirectory : HomePictureDirectory;
    }

    const QString fileName = utils::AskFileName(
        {utils::FileQuestion::OpenFile, this, tr("SelectPicture"), startDirectory, tr("PictureFiles")});
    const QFileInfo file(fileName);
    if (fileName.isEmpty() || !file.isFile())
        return;
    QImageReader reader(fileName);
    const QImage image = reader.read();
    if (image.isNull())
        return;

    QTextImageFormat format;
    format.setWidth(image.width());
    format.setHeight(image.height());
    format.setName(PicturesSearchPrefix + QLatin1Char(':') + file.fileName());
    QTextCursor cursor = textCursor();
    cursor.insertImage(format);
    setTextCursor(cursor);

    // The document keeps only the name; the directory joins the search path
    // now and the stored list for later log-ons.
    const QString directory = QDir(file.absolutePath()).canonicalPath();
    Settings *settings = SettingsSingleton::instance();
    if (!settings->getPictureDirectories().contains(directory, Qt::CaseSensitive)) {
        settings->addPictureDirectory(directory);
        QDir::addSearchPath(PicturesSearchPrefix, directory);
    }
    DefaultPictureDirectory = directory;
}

void TextEditor::insertTable()
{
    const QTextCursor cursor = textCursor();
    InsertTableDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    QList<QTextLength> widths;
    const QListWidget *widthList = dialog.getColumnsListWidget();
    for (int row = 0; row < widthList->count(); ++row) {
        bool number = false;
        const int width = widthList->item(row)->text().toInt(&number, 10);
        widths.append(QTextLength(QTextLength::FixedLength, number ? width : 0));
    }
    QTextTableFormat format;
    format.setColumnWidthConstraints(widths);
    bool valid = false;
    const Qt::Alignment alignment = TableAlignment(dialog.getAlignmentComboBox()->currentIndex(), &valid);
    if (valid)
        format.setAlignment(alignment);
    else
        qWarning("AbstractTextEditor::insertTable(): currentIndex invalid!");
    format.setCellPadding(dialog.getCellPaddingSpinBox()->value());
    format.setCellSpacing(dialog.getCellSpacingSpinBox()->value());

    QTextCursor insertion = cursor;
    QTextTable *table =
        insertion.insertTable(dialog.getRowsSpinBox()->value(), dialog.getColumnsSpinBox()->value(), format);
    QTextTableCellFormat cellFormat;
    cellFormat.setTopBorder(1);
    cellFormat.setBottomBorder(1);
    cellFormat.setLeftBorder(1);
    cellFormat.setRightBorder(1);
    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column)
            table->cellAt(row, column).setFormat(cellFormat);
    }
}

void TextEditor::setColumnWidth()
{
    const QTextCursor cursor = textCursor();
    QTextTable *table = cursor.currentTable();
    if (!table)
        return;
    const QTextTableCell cell = table->cellAt(cursor);
    if (!cell.isValid())
        return;
    QTextTableFormat format = table->format();
    bool accepted = false;
    const int width = QInputDialog::getInt(this, AbstractTextEditor::tr("SetColumnWidthDialogTitle"), QString(),
                                           MinimumColumnWidth, MinimumColumnWidth, MaximumColumnWidth, 1, &accepted);
    if (!accepted)
        return;
    // A table read from stored or pasted HTML may carry fewer widths than
    // columns; the columns without one stay variable.
    QList<QTextLength> widths = format.columnWidthConstraints();
    while (widths.size() <= cell.column())
        widths.append(QTextLength(QTextLength::VariableLength, 0));
    widths[cell.column()] = QTextLength(QTextLength::FixedLength, width);
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
}

void TextEditor::replaceText()
{
    ReplaceDialog dialog(*this, this);
    dialog.exec();
}

void TextEditor::checkSpelling()
{
    // The dialog walks the text with a cursor of its own and shows each word
    // it stops at by moving this editor's cursor; when it is done, the caret
    // and selection return to where they were, moved along by any
    // replacements.
    const QTextCursor remembered = textCursor();
    {
        SpellCheckerDialog dialog(*this, this);
        dialog.exec();
    }
    setTextCursor(remembered);
    ensureCursorVisible();
}

void TextEditor::hidePane()
{
    hide();
}

void TextEditor::showPane()
{
    moveCursor(QTextCursor::Start);
    ensureCursorVisible();
    show();
}

void TextEditor::resetPane()
{
    document()->clear();
}
