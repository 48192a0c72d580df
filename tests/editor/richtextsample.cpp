#include "richtextsample.h"

#include "abstracttextreader.h"
#include "textdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

namespace richtextsample
{
QString MakeRichText(int byteCount)
{
    const QString section =
        QStringLiteral("<h2>Section %1</h2>"
                       "<p>The <b>quarterly</b> figures for <i>region %1</i> are shown below, with "
                       "<span style=\"color:#8b0000;\">late entries in dark red</span> and notes on each line. "
                       "Prices are in euros (\u20ac) and include the usual charges.</p>"
                       "<ul><li>Opening stock counted on the first day</li><li>Deliveries received and checked</li>"
                       "<li>Returns sent back to the supplier</li></ul>"
                       "<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\">"
                       "<tr><td width=\"100\">Item</td><td width=\"150\">Count</td><td width=\"200\">Remark</td></tr>"
                       "<tr><td>Paper</td><td>%1</td><td>ordered again</td></tr>"
                       "<tr><td>Ink</td><td>%2</td><td>enough for the month</td></tr></table>");
    QString html = QStringLiteral("<html><body>");
    for (int index = 0; html.toUtf8().size() < byteCount; ++index) {
        // Build in blocks to keep the size check cheap.
        for (int block = 0; block < 64; ++block, ++index)
            html += section.arg(index).arg(index * 7 % 101);
    }
    html += QStringLiteral("</body></html>");
    return html;
}

qreal LoadAndLayOut(AbstractTextReader &reader, const QString &html)
{
    reader.setDocument(new TextDocument(&reader));
    reader.setHtml(html);
    QTextDocument *document = reader.document();
    document->setTextWidth(reader.viewport()->width());
    // The layout works lazily; asking for the size lays out every block.
    return document->documentLayout()->documentSize().height();
}
}
